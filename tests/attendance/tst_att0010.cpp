// The attendance window and the book and award windows, driven through their handlers.
#include "AttendanceFixture.h"

#include "attendance/uAtt0010.h"
#include "attendance/uPri0020.h"
#include "attendance/uPri0022.h"
#include "attendance/uPri6020.h"
#include "db/ProgramDir.h"
#include "db/AwardWriter.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include "ui/StatusLine.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace attfix;

class TstAtt0010 : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

    QStringList shown(QTableView* v, int column)
    {
        QStringList out;
        for (int r = 0; r < v->model()->rowCount(); ++r)
            out << v->model()->index(r, column).data().toString();
        return out;
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        for (const char* f : {"일일결석.rpt", "결석현황.rpt", "개근상1.rpt", "chulsuk1.rpt", "chulsuk2.rpt", "chulsuk3.rpt", "chulsuk4.rpt"})
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + QString::fromUtf8(f),
                                ProgramDir::file(QStringLiteral("report/") + QString::fromUtf8(f))));
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 상장발부) VALUES ('한국태권도', '김관장', 120)");
        Member kim{"202401001", "김태권"};
        kim.email = "kim@mail.kr";
        addMember(kim);
        addMember({"202401002", "이품새"});
        addMember({"202401003", "박겨루"});
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void entryPageThroughTheGrid()
    {
        TfAtt0010 w;
        w.selectPage(TfAtt0010::PageEntry, true);
        QVERIFY(w.btnInsert->isEnabled() && w.btnRefresh->isEnabled());
        QVERIFY(!w.btnOk->isEnabled() && !w.BitBtn1->isEnabled());
        w.dtpk_FromDate->setDate(QDate(2024, 5, 14));
        w.btnInsertClick();
        QCOMPARE(w.search_num->text(), QStringLiteral("검색인원 : 3"));
        QVERIFY(w.btnOk->isEnabled() && w.btnCancel->isEnabled());
        QVERIFY(!w.btnInsert->isEnabled() && !w.btnRefresh->isEnabled() && !w.btnExit->isEnabled());
        QVERIFY(!w.dtpk_FromDate->isEnabled()); // the day is fixed while lines are open

        QAbstractItemModel* m = w.DBCtrlGrid1->model();
        const int row = int(shown(w.DBCtrlGrid1, 1).indexOf(QStringLiteral("이품새")));
        QVERIFY(m->flags(m->index(row, 7)) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(row, 1)) & Qt::ItemIsEditable));
        QVERIFY(m->setData(m->index(row, 7), QStringLiteral("06)  무단결석")));
        QVERIFY(m->setData(m->index(row, 8), QStringLiteral("부모")));
        QCOMPARE(m->index(row, 9).data().toString(), QStringLiteral("2024-05-14"));
        w.btnOkClick();
        QCOMPARE(count("SELECT Count(*) FROM T_결석 WHERE 회원번호 = '202401002' AND 결석일자 = '2024-05-14' AND 비고 = '부모'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점 WHERE 회원번호 = '202401002'"), 1);
        QVERIFY(StatusLine::text().contains(QStringLiteral("결석")));
        QCOMPARE(shown(w.DBCtrlGrid1, 1), QStringList{QStringLiteral("이품새")});
        QVERIFY(w.btnEdit->isEnabled() && w.btnDelete->isEnabled() && !w.btnOk->isEnabled());
        QVERIFY(!(m->flags(m->index(0, 7)) & Qt::ItemIsEditable));
        QVERIFY(w.dtpk_FromDate->isEnabled());
        QVERIFY(m_db->dialogs().log.isEmpty());
    }

    void failedConfirmIsShownAndKeepsTheLines()
    {
        TfAtt0010 w;
        w.dtpk_FromDate->setDate(QDate(2024, 5, 14));
        w.btnInsertClick();
        QAbstractItemModel* m = w.DBCtrlGrid1->model();
        QVERIFY(m->setData(m->index(0, 7), QStringLiteral("01)  질병")));
        addAbsence(w.entry().lines()[0].memberNo, "2024-05-14");
        w.btnOkClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QVERIFY(m_db->dialogs().lastText().startsWith(QStringLiteral("Error가 발생하였습니다.")));
        QCOMPARE(m->index(0, 7).data().toString(), QStringLiteral("01)  질병"));
        QVERIFY(w.btnOk->isEnabled());
    }

    void countsPageSaysWhenNobodyIsFound()
    {
        TfAtt0010 w;
        w.selectPage(TfAtt0010::PageCounts, true);
        QVERIFY(w.btnRefresh->isEnabled() && w.BitBtn1->isEnabled() && !w.btnInsert->isEnabled());
        w.edAbsDay->setText(QStringLiteral("2"));
        w.btnRefreshClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].caption, QStringLiteral("출석관리"));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("조건에 맞는 자료가 없습니다."));
        w.rbGyul1->setChecked(true);
        w.edAbsDay->setText(QStringLiteral("0"));
        w.btnRefreshClick();
        QCOMPARE(w.lvAll->model()->rowCount(), 3);
    }

    void dailyPageFileAndPrint()
    {
        TfAtt0010 w;
        w.selectPage(TfAtt0010::PageDaily, true);
        w.Btn_EmailClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("자료를 조회하세요."));
        addAbsence("202401002", "2024-05-15");
        w.btnRefreshClick();
        w.Btn_EmailClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("E-mail이 모두 존재하지 않습니다."));
        addAbsence("202401001", "2024-05-15");
        w.btnRefreshClick();
        QCOMPARE(w.lvDays->model()->rowCount(), 2);
        w.Btn_EmailClick();
        QVERIFY(m_db->dialogs().lastText().endsWith(QStringLiteral(" 파일이 생성되었습니다.")));
        QVERIFY(QFile::exists(ProgramDir::file("인터넷통보자료/결석통보/결석통보.txt")));
        w.BitBtn1Click();
        QCOMPARE(m_out.last().title, QStringLiteral("일일결석자"));
        QVERIFY(m_out.last().doc.texts().contains(QStringLiteral("이품새")));
    }

    // Untick one member, preview (nothing recorded), then print from the award window.
    void perfectAttendanceToAwards()
    {
        TfAtt0010 w;
        w.selectPage(TfAtt0010::PagePerfect, true);
        w.inDateFrom->setDate(QDate(2024, 4, 1));
        w.inDateTo->setDate(QDate(2024, 4, 30));
        w.inToday3->setDate(QDate(2024, 5, 2));
        w.Edit1->setText(QStringLiteral("4월"));
        addAbsence("202401003", "2024-04-10");
        w.btnRefreshClick();
        QCOMPARE(w.lvPerfect->model()->rowCount(), 2);
        QAbstractItemModel* m = w.lvPerfect->model();
        QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(m->setData(m->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        const QString unticked = w.perfectLines()[0].memberNo;

        const PerfectAttendanceAward award = w.awardOfTicked();
        QCOMPARE(award.members().size(), 1);
        TfPri6020 a;
        a.setAward(award);
        a.btnPreviewClick();
        QCOMPARE(AwardWriter::nextSerial(), 120);
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급"), 0);
        a.btnPrintClick();
        QCOMPARE(AwardWriter::nextSerial(), 121);
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급 WHERE 상장코드 = '05' AND 비고 = '4월' AND 지급일자 = '2024-05-02'"), 1);
        QCOMPARE(count(QStringLiteral("SELECT Count(*) FROM T_상장지급 WHERE 회원번호 = '%1'").arg(unticked)), 0);
        QVERIFY(StatusLine::text().contains(QStringLiteral("120호")));
        // Closing the attendance window leaves the award window working on what it took.
        w.close();
        a.btnPreviewClick();
        QVERIFY(m_out.last().doc.texts().contains(QStringLiteral("제 121 호")));
    }

    void booksFromTheirWindows_data()
    {
        QTest::addColumn<bool>("paymentDay");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("title");
        QTest::newRow("enrolment, portrait") << false << false << "출석부(세로)";
        QTest::newRow("enrolment, landscape") << false << true << "출석부(가로)";
        QTest::newRow("birthdays, portrait") << true << false << "출석부(세로)";
        QTest::newRow("birthdays, landscape") << true << true << "출석부(가로)";
    }
    void booksFromTheirWindows()
    {
        QFETCH(bool, paymentDay);
        QFETCH(bool, landscape);
        QFETCH(QString, title);
        std::unique_ptr<TfPri0020> w(paymentDay ? new TfPri0022 : new TfPri0020);
        QCOMPARE(w->windowTitle(), paymentDay ? QStringLiteral("출석부 인쇄/납부일자") : QStringLiteral("출석부 인쇄/입관일자"));
        QVERIFY(w->Rb2->isChecked() && w->Rdo_Bu->isChecked() && w->rdo_sort_gub->isChecked());
        (landscape ? w->Rb1 : w->Rb2)->setChecked(true);
        w->Rdo_Year->setChecked(true);
        QVERIFY(w->Com_Year->isEnabled() && !w->Com_Bu->isEnabled());
        w->Rdo_Bu->setChecked(true);
        w->btnPreviewClick();
        QCOMPARE(m_out.last().title, title);
        QCOMPARE(m_out.last().destination, 0);
        QCOMPARE(m_out.last().doc.landscape, landscape);
        QVERIFY(m_out.last().doc.texts().contains(QStringLiteral("김태권")));
        w->btnPrintClick();
        QCOMPARE(m_out.last().destination, 1);
    }
};

QTEST_MAIN(TstAtt0010)
#include "tst_att0010.moc"
