// Completion certificates: numbering, recording when printed, and their register.
#include "forms/CompletionCertificates.h"
#include "forms/uPri8010.h"
#include "forms/uPri8020.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "support/TestDb.h"

#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

int count(const QString& sql) { return db::scalar(sql).toInt(); }

void member(const QString& no, const QString& name, const QString& division, const QString& leave = QString())
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 입관일, 휴관일) VALUES (:no, :n, '남', :bu, '03', '2023-01-05', :l)",
            {{"no", no}, {"n", name}, {"bu", division}, {"l", leave.isEmpty() ? QVariant() : QVariant(leave)}});
}

// The register as "number:member:date:remark".
QStringList issued()
{
    QStringList out;
    for (const auto& i : CompletionCertificates::find("", false, {}, {}))
        out << QString("%1:%2:%3:%4").arg(i.number).arg(i.memberNo, i.date, i.remark);
    return out;
}

} // namespace

class TestCompletion : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        db::run("INSERT INTO T_도장정보 (도장명, 관장명, 수료증발부, 수료증내용1) VALUES ('한빛 태권도', '김관장', 10, '지난 내용')");
        member("202301001", "홍길동", "05");
        member("202301002", "김철수", "05");
        member("202301003", "이영희", "06");
        member("202301004", "박휴관", "05", "2025-05-01");
        member("202301005", "최성인", "12");
        QDir().mkpath(ProgramDir::file("report"));
        for (const QString name : {"수료증1.rpt", "수료증2.rpt"})
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void issuedWhenPrintedNumberedOn()
    {
        TfPri8010 w;
        QCOMPARE(w.edt_Line[0]->text(), QString("지난 내용"));
        w.com_bu->setCurrentText("     초등부");
        w.edt_Remark->setText("1기");
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 3); // the member on leave and the adult are not listed
        w.edt_Line[0]->setText("  위 수련생은 과정을 마쳤기에  ");

        // A preview shows the numbers to come and records nothing.
        QVERIFY(w.Btn_IssueClick(report::Preview));
        const QStringList texts = m_out.last().doc.texts();
        for (const QString& t : {"제 11 호", "제 13 호", "성 명 : 홍 길 동 ", "2025년 6월 10일", "관 장   김관장"})
            QVERIFY2(texts.contains(t), qPrintable(t + " | " + texts.join(" | ")));
        QCOMPARE(CompletionCertificates::lastNumber(), 10);
        QCOMPARE(count("SELECT count(*) FROM T_수료증지급"), 0);
        QCOMPARE(CompletionCertificates::storedLines().first(), QString("지난 내용"));

        // Printed from the preview twice: recorded once.
        m_out.printsFromPreview = 2;
        QVERIFY(w.Btn_IssueClick(report::Preview));
        QCOMPARE(CompletionCertificates::lastNumber(), 13);
        QCOMPARE(issued(), (QStringList{"11:202301002:2025-06-10:1기", "12:202301001:2025-06-10:1기", "13:202301003:2025-06-10:1기"}));
        QCOMPARE(CompletionCertificates::storedLines().first(), QString("위 수련생은 과정을 마쳤기에"));

        // An unticked row gets no certificate; the numbers go on.
        w.rows()[0].ticked = false;
        m_out.printsFromPreview = 0;
        QVERIFY(w.Btn_IssueClick(report::Printer));
        QCOMPARE(CompletionCertificates::lastNumber(), 15);
        QCOMPARE(count("SELECT count(*) FROM T_수료증지급 WHERE 회원번호='202301002'"), 1);
    }

    void failingInsertWritesNothing()
    {
        QVERIFY(m_db->dialogs().log.isEmpty());
        sqlExec("CREATE TRIGGER stop_twelve BEFORE INSERT ON T_수료증지급 WHEN NEW.수료번호 = 12 "
                "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        TfPri8010 w;
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 4);
        QVERIFY(!w.Btn_IssueClick(report::Printer));
        QVERIFY(m_db->dialogs().log.last().text.startsWith("저장 에러 입니다.\ndisk full"));
        QCOMPARE(CompletionCertificates::lastNumber(), 10);
        QCOMPARE(count("SELECT count(*) FROM T_수료증지급"), 0);
        QCOMPARE(CompletionCertificates::storedLines().first(), QString("지난 내용"));
    }

    void registerFindsAndDeletes()
    {
        CompletionCertificates::record({{"202301001", "홍길동", "", "", "", "", "", "", true},
                                        {"202301002", "김철수", "", "", "", "", "", "", true}},
                                       {}, 11, QDate(2025, 3, 2));
        CompletionCertificates::record({{"202301003", "홍길순", "", "", "", "", "", "", true}}, {}, 13, QDate(2025, 6, 1));
        TfPri8020 w;
        w.edt_Name->setText("홍");
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 2);
        w.chk_Date->setChecked(true);
        w.dtpk_From->setDate(QDate(2025, 5, 1));
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 1);
        QCOMPARE(w.rows()[0].number, 13);

        m_db->dialogs().clear();
        w.edt_Name->setText("없는");
        w.Btn_QueryClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("검색된 항목이 없습니다."));
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("선택된 항목이 없습니다."));

        w.edt_Name->clear();
        w.chk_Date->setChecked(false);
        w.Btn_QueryClick();
        w.grd_List->setCurrentIndex(w.grd_List->model()->index(1, 0));
        m_db->dialogs().answers.append(QMessageBox::Yes);
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("수련생명 \"김철수\" 을 삭제 하시겠습니까?"));
        QCOMPARE(issued(), (QStringList{"11:202301001:2025-03-02:", "13:202301003:2025-06-01:"}));
        QCOMPARE(w.rows().size(), 2);
        QCOMPARE(CompletionCertificates::lastNumber(), 13); // never goes back
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
