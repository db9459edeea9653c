// The window 종합관리: menu entries, the query and print buttons, opening a member, and the register
// page driven through its buttons.
#include "QueryFixture.h"

#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "db/Query.h"
#include "db/Session.h"
#include "exams/uPri4030.h"
#include "members/uPer0020.h"
#include "report/ReportOutput.h"
#include "stats/TotModels.h"
#include "stats/uTot0010.h"
#include "ui/CodeCombo.h"
#include "ui/DivisionFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using fixture::Member;

namespace {

const screens::Entry& entry(const QStringList& place)
{
    for (const auto& e : screens::entries())
        if (e.place == place)
            return e;
    qFatal("no entry");
}

QStringList enabled(TfTot0010* w)
{
    QStringList out;
    for (QPushButton* b : {w->BitBtn1, w->BitBtn2, w->BitBtn3, w->BitBtn4, w->BitBtn5, w->BitBtn6, w->BitBtn8})
        if (b->isEnabled())
            out << b->text().remove(u' ');
    return out;
}

} // namespace

class TestTot0010 : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        fixture::school();
        fixture::member({.no = "202401001", .name = "김단보", .division = "05", .rank = "11"});
        fixture::member({.no = "202401002", .name = "이이품", .division = "12", .rank = "14"});
    }
    void cleanup() { m_db.reset(); }

    void menuChoosesThePage()
    {
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        for (const char* launch : {"국기원", "심사접수증"})
            QVERIFY(host.available(entry({"TfSM_sim", launch})));
        auto* w = qobject_cast<TfTot0010*>(host.run(entry({"종합관리", "상벌점내역조회"})));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("종합관리"));
        QCOMPARE(w->currentPage(), 6);
        QCOMPARE(w->total_num->text(), QString("총 원 :2"));
        QCOMPARE(enabled(w), (QStringList{"조회", "인쇄"}));
        QCOMPARE(host.run(entry({"종합관리", "심사신청서/접수증"})), w);
        QCOMPARE(w->currentPage(), 9);
        QCOMPARE(enabled(w), (QStringList{"입력", "조회"}));
        QVERIFY(w->rbS1->isEnabled() && w->rbS2->isChecked());
        QCOMPARE(host.run(entry({"종합관리", "개인공지사항조회"})), w);
        QCOMPARE(w->currentPage(), 14);
    }

    void enterQueriesAndDoubleClickOpensTheMember()
    {
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        auto* w = qobject_cast<TfTot0010*>(host.run(entry({"종합관리", "명단/부별/입관일조회"})));
        QVERIFY(w);
        // A fresh window lists everyone: no name box starts with a name filled in.
        for (int i = 0; i < tot::PageCount; ++i)
            if (w->page(i).name)
                QVERIFY2(w->page(i).name->currentText().isEmpty(), qPrintable(w->page(i).name->currentText()));
        w->BitBtn4Click();
        QCOMPARE(w->search_num->text(), QString("검색인원 : 2"));
        w->page(0).name->setEditText("이이");
        QTest::keyClick(w->page(0).name, Qt::Key_Return);
        QCOMPARE(w->search_num->text(), QString("검색인원 : 1"));
        QCOMPARE(w->page(0).grid->model()->data(w->page(0).grid->model()->index(0, 1)).toString(), QString("이이품"));

        w->openMember(0, 0);
        auto* per = qobject_cast<TfPer0020*>(host.screen("TfPer0020"));
        QVERIFY(per);
        QCOMPARE(Session::selectedMemberNo(), QString("202401002"));
        QCOMPARE(per->shownMember(), QString("202401002"));

        w->page(0).name->setEditText("없는이름");
        w->BitBtn4Click();
        QCOMPARE(m_db->dialogs().log.last().caption, QString("종합관리"));
        QCOMPARE(m_db->dialogs().lastText(), QString("조건에 맞는 자료가 없습니다."));
        QCOMPARE(w->search_num->text(), QString("검색인원 : 0"));
    }

    void refusedInputKeepsTheFocusOnItsField()
    {
        TfTot0010 w;
        w.show();
        w.selectPage(tot::Overall, true);
        w.Com_year9->setEditText("");
        w.BitBtn4Click();
        QCOMPARE(m_db->dialogs().lastText(), QString("년도를 입력하세요."));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Com_year9));
    }

    void registerThroughItsButtons()
    {
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        fixture::installLayout("접수증.rpt");
        TfTot0010 w;
        w.show();
        w.selectPage(tot::Register, true);

        w.BitBtn1Click();
        QCOMPARE(m_db->dialogs().lastText(), QString("심사명을 입력하세요"));
        w.examname->setText("7");
        w.BitBtn1Click();
        QCOMPARE(w.applications().size(), 2);
        QCOMPARE(enabled(&w), (QStringList{"입력", "조회", "확인", "취소"}));
        ApplicationModel* m = w.applicationModel();
        // The examination date cell takes dates only, a short form as a full date.
        const QString examDate = w.applications()[0].examDate;
        QVERIFY(!m->type(0, ApplicationModel::Date, "2024-13-40"));
        QCOMPARE(w.applications()[0].examDate, examDate);
        QVERIFY(m->type(0, ApplicationModel::Date, "20240709"));
        QCOMPARE(w.applications()[0].examDate, QString("2024-07-09"));
        QVERIFY(m->type(0, ApplicationModel::Date, examDate));
        QVERIFY(m->setData(m->index(0, 9), "D-77", Qt::EditRole));
        QVERIFY(m->setData(m->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        w.BitBtn5Click();
        QCOMPARE(enabled(&w), (QStringList{"입력", "조회"}));
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_국기원승품").toInt(), 1);
        QCOMPARE(db::scalarText("SELECT 단증번호 FROM T_심사 WHERE 심사구분 = '국기원'"), QString("D-77"));

        w.BitBtn4Click();
        QCOMPARE(w.applications().size(), 1);
        QCOMPARE(enabled(&w), (QStringList{"수정", "삭제", "취소", "인쇄"}));
        m->setData(m->index(0, ApplicationModel::Check), Qt::Unchecked, Qt::CheckStateRole); // browsing: read only
        QVERIFY(w.applications()[0].include);
        QVERIFY(!m->type(0, ApplicationModel::Certificate, "D-78"));
        w.BitBtn8Click();
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(out.last().title, QString("접수증"));

        w.BitBtn2Click();
        QCOMPARE(enabled(&w), (QStringList{"확인", "취소"}));
        QVERIFY(m->setData(m->index(0, 8), "A-5", Qt::EditRole));
        w.BitBtn6Click(); // cancel drops the edit
        QCOMPARE(w.applications()[0].applicantNo, QString());

        w.BitBtn4Click();
        m_db->dialogs().answers << QMessageBox::Ok;
        w.BitBtn3Click();
        QCOMPARE(m_db->dialogs().log.last().caption, QString("삭제확인"));
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_국기원승품").toInt(), 0);
        QCOMPARE(enabled(&w), (QStringList{"입력", "조회", "확인", "취소"}));
        report::ReportOutput::install(nullptr);
    }

    // The print choice "심사신청서" hands the listed rows to the form each time; the form keeps them
    // after the register closes.
    void applicationFormGetsTheRows()
    {
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        auto* w = qobject_cast<TfTot0010*>(host.run(entry({"종합관리", "심사신청서/접수증"})));
        QVERIFY(w);
        w->examname->setText("7");
        w->BitBtn1Click();
        w->BitBtn5Click();
        w->BitBtn4Click();
        QCOMPARE(w->applications().size(), 2);
        w->rbS1->setChecked(true);
        w->BitBtn8Click();
        auto* form = qobject_cast<TfPri4030*>(host.screen("TfPri4030"));
        QVERIFY(form);
        QCOMPARE(form->applicants().size(), 2);
        QCOMPARE(form->Edt_JudNo->text(), QString("7"));
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!host.screen("TfTot0010"));
        QCOMPARE(form->applicants().size(), 2);
        QCOMPARE(form->applicants()[0].memberNo, QString("202401001"));
    }
};

QTEST_MAIN(TestTot0010)
#include "tst_tot0010.moc"
