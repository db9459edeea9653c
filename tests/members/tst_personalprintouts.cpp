// The registration confirmation and the personal data printout of one member.
#include "members/PersonalPrintouts.h"
#include "members/uPer0030.h"
#include "members/uPer0040.h"
#include "ui/MemberChooser.h"
#include "db/Query.h"
#include "report/ReportOutput.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& enrolled, const QString& stop = QString())
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 학년, 반, 수련비, 입관일, 코스코드, 장소코드, 시간) "
            "VALUES (:no, :n, '남', '2015-03-04', '05', '03', '초등 3', '2', 130000, :e, '01', :s, '15:30')",
            {{"no", no}, {"n", name}, {"e", enrolled}, {"s", stop}});
}

QString field(const QList<PersonalPrintouts::Section>& sections, int section, const QString& label)
{
    for (const auto& [l, v] : sections.value(section).fields)
        if (l == label)
            return v;
    return QStringLiteral("<none>");
}

// Hangul arrives through the input method, one finished syllable at a time.
void commitText(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QInputMethodEvent e;
        e.setCommitString(QString(c));
        QApplication::sendEvent(w, &e);
    }
}

} // namespace

class TestPersonalPrintouts : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 3, 15), QTime(10, 0)));
        db::run("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호, 인사말) VALUES ('한빛 태권도', '김관장', '02-123-4567', '늘 건강하세요.')");
        db::run("INSERT INTO T_장소코드 (코스코드, 장소코드, 장소) VALUES ('01', '01', '정문')");
        member("202503001", "오늘입관", "2025-03-15", "01");
        member("202401001", "예전회원", "2024-01-05");
        db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202503001', '202503', 1, '2025-03-15', 130000)");
        db::run("INSERT INTO T_건의사항 (회원번호, 순번, 건의일자, 건의사항) VALUES ('202503001', 1, '2025-03-15', '차량 시간 조정')");
        m_out.runs.clear();
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void registrationPages()
    {
        // "신규" offers only today's enrolments.
        QCOMPARE(PersonalPrintouts::registrationMembers(true, QDate(2025, 3, 15)).size(), 1);
        QCOMPARE(PersonalPrintouts::registrationMembers(false, QDate(2025, 3, 15)).size(), 2);
        QVERIFY(PersonalPrintouts::registrationMembers(true, QDate(2025, 3, 16)).isEmpty());

        const auto pages = PersonalPrintouts::registration("202503001", QDate(2025, 3, 15));
        QCOMPARE(pages.size(), 4);
        QCOMPARE(field(pages, 0, "나    이 : "), QString("11")); // 2025 - 2015 + 1
        QCOMPARE(field(pages, 0, "탑승장소 : "), QString("정문(15:30)"));
        QCOMPARE(field(pages, 0, "수 련 비 : "), QString("130,000 원"));
        QCOMPARE(field(pages, 0, "학 년 반 : "), QString("초등 3/2"));
        QCOMPARE(pages[1].lines, QStringList{"차량 시간 조정"});
        QVERIFY(pages[3].lines.contains("3월분 수련비130000 원을 정히 영수 하였습니다."));
        QVERIFY(pages[3].lines.contains("2025년 3월 15일"));
        QVERIFY(pages[3].lines.contains("늘 건강하세요."));

        // No fee this month and no stop: empty month and amount, no parentheses.
        const auto other = PersonalPrintouts::registration("202401001", QDate(2025, 3, 15));
        QVERIFY(other[3].lines.contains("월분 수련비을 정히 영수 하였습니다."));
        QCOMPARE(field(other, 0, "탑승장소 : "), QString());
    }

    void registrationWindow()
    {
        TfPer0040 w;
        w.com_Name->showAll();
        QCOMPARE(w.com_Name->matches().size(), 1);
        QVERIFY(!w.run(0)); // nothing chosen: nothing shown
        QCOMPARE(m_out.runs.size(), 0);
        w.com_Name->choose(0);
        QVERIFY(w.run(0));
        QCOMPARE(m_out.runs.size(), 1);
        const QStringList texts = m_out.last().doc.texts();
        QVERIFY(texts.contains("회원명 : 오늘입관"));
        QVERIFY(texts.contains("수련비 납부 영수증"));
        w.rdo_All->click();
        w.com_Name->showAll();
        QCOMPARE(w.com_Name->matches().size(), 2);
    }

    // Two members of one name: the one chosen in the list is the one printed, on both screens.
    void namesakesPrintTheChosenOne()
    {
        member("202503002", "박우진", "2025-03-15");
        member("202503003", "박우진", "2025-03-15");
        db::run("UPDATE T_회원 SET 주소 = '둘째 주소' WHERE 회원번호 = '202503003'");
        TfPer0040 r;
        commitText(r.com_Name, "박우진");
        QCOMPARE(r.com_Name->matches().size(), 2);
        r.com_Name->choose(1);
        QVERIFY(r.run(0));
        QStringList texts = m_out.last().doc.texts();
        QVERIFY(texts.contains("202503003") && !texts.contains("202503002"));
        QVERIFY(texts.contains("둘째 주소"));

        TfPer0030 p;
        p.chk_Parts[0]->setChecked(true);
        commitText(p.com_Name, "박우진");
        p.com_Name->choose(1);
        QVERIFY(p.run(0));
        texts = m_out.last().doc.texts();
        QVERIFY(texts.contains("둘째 주소"));
    }

    void fitnessComparison()
    {
        // The school row averages the latest measurement of members of the same birth year and sex.
        db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 입관일) VALUES ('202402001', '여학생', '여', '2015-06-01', '2024-02-01')");
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A01) VALUES ('202503001', '2024-03-01', 120), ('202503001', '2025-03-01', 130), "
                "('202401001', '2024-09-01', 110), ('202401001', '2025-02-01', 140), ('202402001', '2025-02-01', 100)");
        const auto s = PersonalPrintouts::personal("202503001", {PersonalPrintouts::Part::Fitness}, QDate(2025, 3, 15));
        QCOMPARE(s.size(), 2);
        QCOMPARE(s[0].rows.size(), 2);
        const auto& rows = s[1].rows;
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].value(1), QString("10.0"));  // 130 - 120
        QCOMPARE(rows[2].value(0), QString("체 육 관"));
        QCOMPARE(rows[2].value(1), QString("135.0")); // the two boys' latest, not the girl's
        QCOMPARE(rows[1].value(1), QString());        // no national row stored
    }

    void personalSections()
    {
        db::run("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('202503001', 1, '2024-12-01', '02'), "
                "('202503001', 2, '2025-03-02', '04')");
        db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202503001', '202412', 1, '2024-12-10', 130000)");
        using P = PersonalPrintouts::Part;
        const auto s = PersonalPrintouts::personal("202503001", {P::Fees, P::Points, P::Fitness}, QDate(2025, 3, 15));
        QCOMPARE(s.size(), 4); // fitness takes two pages
        QCOMPARE(s[0].rows, (QList<QStringList>{{"202503", "2025-03-15", "130,000", ""}})); // this year only
        QCOMPARE(s[1].rows.size(), 1);
        QCOMPARE(s[1].lines, QStringList{"누 적 벌 점 : 4"}); // 5 - 1 over all years
        QCOMPARE(s[3].rows.size(), 3);

        TfPer0030 w;
        QVERIFY(!w.run(0));
        QCOMPARE(m_db->dialogs().lastText(), QString("출력할 항목을 선택하세요."));
        w.chk_Parts[0]->setChecked(true);
        w.chk_Parts[1]->setChecked(true);
        commitText(w.com_Name, "오늘입관");
        w.com_Name->choose(0);
        QVERIFY(w.run(0));
        const QStringList texts = m_out.last().doc.texts();
        QVERIFY(texts.contains("신 상 명 세 서") && texts.contains("건 의 사 항 내 역") && texts.contains("차량 시간 조정"));
    }
};

QTEST_MAIN(TestPersonalPrintouts)
#include "tst_personalprintouts.moc"
