// The mailing query, its labels and the mailing-list file.
#include "forms/DmMailing.h"
#include "forms/uDmPrint.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "support/TestDb.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

struct M {
    QString no, name, first, current, leave, out, email, address, zip;
};

void member(const M& m)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 학년, 학교, 입관일, 최초입관일, 휴관일, 최종휴관일, "
            "퇴관일, 최종퇴관일, 이메일, 주소, 우편번호, 지역코드) VALUES (:no, :n, '남', '2015-06-20', '05', '03', '초등 3', '한빛초', "
            ":cur, :first, :leave, :leave, :out, :out, :mail, :addr, :zip, 3)",
            {{"no", m.no}, {"n", m.name}, {"cur", m.current}, {"first", m.first},
             {"leave", m.leave.isEmpty() ? QVariant() : QVariant(m.leave)}, {"out", m.out.isEmpty() ? QVariant() : QVariant(m.out)},
             {"mail", m.email}, {"addr", m.address}, {"zip", m.zip}});
}

void addParent(const QString& no, int seq, const QString& relation, const QString& name, const QString& birthday)
{
    db::run("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명, 생일) VALUES (:no, :s, :r, :n, :b)",
            {{"no", no}, {"s", seq}, {"r", relation}, {"n", name}, {"b", birthday}});
}

QStringList column(const QList<DmMailing::Row>& rows, QString DmMailing::Row::*field)
{
    QStringList out;
    for (const auto& r : rows)
        out << r.*field;
    return out;
}

} // namespace

class TestDmMailing : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        db::run("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호) VALUES ('한빛 태권도', '김 관장', '02-123-4567')");
        member({"202301001", "김하나", "2023-01-05", "2023-01-05", {}, {}, "a@x.kr", "서울 종로구 1", "03000"});
        member({"202301002", "이둘", "2022-03-01", "2024-02-01", {}, {}, {}, "서울 중구 2", "04500"});
        member({"202301003", "박셋", "2023-01-05", "2023-01-05", "2025-03-01", {}, "c@x.kr", "부산 3", "48000"});
        member({"202301004", "최넷", "2023-01-05", "2023-01-05", {}, "2024-12-31", "d@x.kr", "대구 4", "41000"});
        member({"202301005", "정%오", "2023-01-05", "2023-01-05", {}, {}, "e@x.kr", "인천 5", "21000"});
        addParent("202301001", 1, "부", "김아빠", "1980-06-12");
        addParent("202301001", 2, "모", "박엄마", "1982-09-01");
        addParent("202301002", 1, "부", "이아빠", "1979-11-30");
        QDir().mkpath(ProgramDir::file("report"));
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/dm.rpt"), ProgramDir::file("report/dm.rpt")));
        m_out.runs.clear();
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    // Each status lists its members with the date columns of that status.
    void statusesAndTheirDates()
    {
        DmMailing::Filter f;
        QList<DmMailing::Row> rows = DmMailing::query(f);
        QCOMPARE(column(rows, &DmMailing::Row::name), (QStringList{"김하나", "이둘", "정%오"}));
        QCOMPARE(column(rows, &DmMailing::Row::enrolled), (QStringList{"2023-01-05", "2022-03-01", "2023-01-05"}));
        QCOMPARE(column(rows, &DmMailing::Row::returned), (QStringList{"", "2024-02-01", ""}));
        QCOMPARE(rows[0].guardian, QString("김아빠"));
        QCOMPARE(rows[0].fatherBirthday, QString("1980-06-12"));
        QCOMPARE(rows[0].motherBirthday, QString("1982-09-01"));

        f.status = DmMailing::OnLeave;
        rows = DmMailing::query(f);
        QCOMPARE(column(rows, &DmMailing::Row::name), QStringList{"박셋"});
        QCOMPARE(rows[0].leave, QString("2025-03-01"));
        QVERIFY(rows[0].enrolled.isEmpty() && rows[0].withdrawn.isEmpty());

        f.status = DmMailing::Withdrawn;
        rows = DmMailing::query(f);
        QCOMPARE(column(rows, &DmMailing::Row::name), QStringList{"최넷"});
        QCOMPARE(rows[0].withdrawn, QString("2024-12-31"));

        // A typed % matches itself only.
        f.status = DmMailing::Current;
        f.name = "%";
        QCOMPARE(column(DmMailing::query(f), &DmMailing::Row::name), QStringList{"정%오"});
    }

    // One parent's birthday range filters the rows; both ticked filter none, the dates show only inside.
    void parentBirthdays()
    {
        DmMailing::Filter f;
        f.father = {true, "06-01", "06-30"};
        QList<DmMailing::Row> rows = DmMailing::query(f);
        QCOMPARE(column(rows, &DmMailing::Row::name), QStringList{"김하나"});

        f.mother = {true, "01-01", "01-31"};
        rows = DmMailing::query(f);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].fatherBirthday, QString("1980-06-12"));
        QCOMPARE(rows[0].motherBirthday, QString()); // September lies outside the mother's range
        QCOMPARE(rows[1].fatherBirthday, QString());

        // An empty start is today (06-10), an empty end the start: the member born 06-20 is outside.
        DmMailing::Filter self;
        self.self = {true, "", ""};
        QVERIFY(DmMailing::query(self).isEmpty());
        self.self = {true, "06-20", ""};
        QCOMPARE(DmMailing::query(self).size(), 3);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("monthDay");
        QTest::addColumn<bool>("refused");
        QTest::newRow("leap day") << "02-29" << "03-01" << true << false;
        QTest::newRow("month 13") << "13-01" << "" << true << true;
        QTest::newRow("day 31 of April") << "04-31" << "" << true << true;
        QTest::newRow("reversed") << "07-01" << "06-01" << true << true;
        QTest::newRow("dates") << "2024-01-01" << "2024-12-31" << false << false;
        QTest::newRow("date reversed") << "2024-12-31" << "2024-01-01" << false << true;
        QTest::newRow("half date") << "2024-01" << "" << false << true;
    }
    void rangeChecks()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, monthDay);
        QFETCH(bool, refused);
        QCOMPARE(!DmMailing::rangeProblem({true, from, to}, monthDay).isEmpty(), refused);
    }

    // Labels of the ticked rows, two to a row, rows numbered "001"; the mailing list of those with an e-mail.
    void labelsAndMailingList()
    {
        QList<DmMailing::Row> rows = DmMailing::query({});
        rows[2].ticked = false;
        QVERIFY(DmMailing::printLabels(rows, report::Preview));
        QCOMPARE(m_out.runs.size(), 1);
        QCOMPARE(m_out.last().title, QString("DM 발송"));
        db::Query q("SELECT seqno, f01, 가정통신1, f03, f04, f05, 가정통신2, 구분4 FROM print WHERE seqno = 1");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("f01"), QString("001"));
        QCOMPARE(q.str("가정통신1"), QString("서울 종로구 1"));
        QCOMPARE(q.str("f03"), QString("김아빠"));
        QCOMPARE(q.str("f04"), QString(" (김하나) 귀하"));
        QCOMPARE(q.str("f05"), QString("03000"));
        QCOMPARE(q.str("가정통신2"), QString("서울 중구 2"));
        QCOMPARE(q.str("구분4"), QString(" (이둘) 귀하"));
        QVERIFY(!q.next());

        rows[2].ticked = true;
        const NoticeFile file = DmMailing::mailingFile(rows);
        const QString rule(66, u'=');
        const QString expected = "통신문☆\r\n"
                                 "a@x.kr☆" + rule + "☆* 도 장 명 : 한빛태권도 / 관 장 명 : 김관장 / 전화번호 : 02-123-4567☆"
                                 "* 수 련 생 : 김하나☆* 작 성 일 : 2025-06-10☆" + rule + "☆\r\n"
                                 "e@x.kr☆" + rule + "☆* 도 장 명 : 한빛태권도 / 관 장 명 : 김관장 / 전화번호 : 02-123-4567☆"
                                 "* 수 련 생 : 정%오☆* 작 성 일 : 2025-06-10☆" + rule + "☆\r\n";
        QCOMPARE(file.bytes(), cp949::encode(expected));
        QVERIFY(file.path().endsWith("인터넷통보자료/통신문/통신문.txt"));
    }

    // The screen: a status change empties the list; the buttons refuse an empty list; E-mail writes the file.
    void screen()
    {
        TfDmPrint w;
        QVERIFY(!w.Btn_DmClick());
        QCOMPARE(m_db->dialogs().lastText(), QString("발송할 수련생을 조회하여 선택하세요."));
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 3);
        w.rdo_Out->click();
        QVERIFY(w.rows().isEmpty());
        QVERIFY(w.com_Name->findText("최넷") > 0 && w.com_Name->findText("김하나") < 0);
        w.chk_Self->setChecked(true);
        w.edt_Birth[0][0]->setText("13-01");
        w.Btn_QueryClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("생일은 월-일(MM-DD)로 입력하세요."));
        w.chk_Self->setChecked(false);
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 1);
        w.Btn_EmailClick();
        QVERIFY(QFile::exists(ProgramDir::file("인터넷통보자료/통신문/통신문.txt")));
        QVERIFY(w.Btn_DmClick());
    }
};

QTEST_MAIN(TestDmMailing)
#include "tst_dmmailing.moc"
