// The fee window as a user meets it: opening, toolbar states, the screen lock, and a quarter charged,
// listed and partly deleted through the widgets.
#include "fees/FeeFixture.h"
#include "fees/FeePayments.h"
#include "fees/uFee0010.h"
#include "fees/UnpaidList.h"
#include "fees/FeeMonthPage.h"
#include "fees/FeeReceiptPage.h"
#include "fees/FeeSettlePage.h"
#include "fees/FeeUnpaidPage.h"
#include "fees/FeeYearEndPage.h"
#include "report/ReportOutput.h"
#include "ui/MemberChooser.h"
#include "ui/ListModel.h"
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "db/Session.h"
#include "ui/DivisionFilter.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace feefix;

namespace {
QString enabledButtons(const TfFee0010& w)
{
    QStringList on;
    for (QPushButton* b : {w.Btn_Insert, w.Btn_Edit, w.Btn_Delete, w.Btn_Query, w.Btn_Ok, w.Btn_Cancel, w.Btn_Print,
                           w.btn_Email, w.btn_Exit})
        if (b->isEnabled())
            on << QString(b->text()).remove(' ');
    return on.join(',');
}
} // namespace

class TestFee0010 : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 6, 30), QTime(10, 0)));
        sqlExec("DELETE FROM T_도장정보");
        sqlExec("INSERT INTO T_도장정보 (도장명, 수련비화면, 수련비화면체크유무) VALUES ('한빛태권도', '1234', '0')");
        addMember({"202301001", "김하늘", "03"});
        addMember({"202301002", "이바다", "03", "2024-05-02"});
        addMember({"202301003", "박산", "12"});
        addMember({"202301004", "최강", "03", "2023-01-10", 100000, "", "2024-01-31"}); // withdrawn
    }
    void cleanup() { m_db.reset(); }

    void opening()
    {
        TfFee0010 w;
        QCOMPARE(w.windowTitle(), QString("수련비"));
        QCOMPARE(w.PageControl1->count(), 6);
        QCOMPARE(w.PageControl1->tabText(0), QString("납부등록/조회"));
        QCOMPARE(w.PageControl1->tabText(5), QString("연말정산/세무서"));
        for (int i = 1; i < 6; ++i)
            QVERIFY(w.PageControl1->isTabEnabled(i));
        QCOMPARE(w.dtpk_NabbuFromDate->date(), QDate(2024, 6, 30));
        QCOMPARE(w.dtpk_NabbuToDate->date(), QDate(2024, 6, 30));
        QCOMPARE(w.Pan_Company->text(), QString("한빛태권도"));
        QVERIFY(w.total_num->text().endsWith(" 3"));
        w.com_Name->showAll();
        QCOMPARE(w.com_Name->matches().size(), 3); // members without a withdrawal date
        QCOMPARE(w.com_bu->itemText(3), QString("     초등부"));
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
        QVERIFY(w.edt_PassWord->isHidden());
        QVERIFY(!w.locked());
        QCOMPARE(w.pageYearEnd->edt_Year->text(), QString("2024"));
        QCOMPARE(w.pageUnpaid->edtS1->value(), 30);
        QCOMPARE(w.pageUnpaid->ComboBox2->currentText(), QString("3"));
        QVERIFY(!w.pageUnpaid->RadioButton1->isChecked() && !w.pageUnpaid->RadioButton2->isChecked()
                && !w.pageUnpaid->RadioButton3->isChecked());
    }

    // The name field and the pages' name boxes show one list of names; when it is read again after a
    // member came, every box offers him and keeps what was typed into it.
    void nameBoxesShareOneList()
    {
        TfFee0010 w;
        QComboBox* unpaid = w.pageUnpaid->com_Name2;
        QComboBox* month = w.pageMonth->com_Name1;
        QCOMPARE(unpaid->model(), month->model());
        QCOMPARE(unpaid->count(), 3);
        QVERIFY(unpaid->currentText().isEmpty());
        unpaid->setEditText(QStringLiteral("김"));
        addMember({"202406001", "가온", "03", "2024-06-01"});
        w.com_Name->reload();
        QCOMPARE(month->count(), 4);
        QCOMPARE(month->itemText(0), QString("가온"));
        QCOMPARE(unpaid->currentText(), QString("김"));
        QVERIFY(month->currentText().isEmpty());
        // What is typed into a box stays out of the others' list.
        QTest::keyClick(unpaid->lineEdit(), Qt::Key_Return);
        QCOMPARE(month->count(), 4);
    }

    // The shared toolbar follows the page, and on the settlement page its state.
    void toolbarByPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("buttons");
        QTest::newRow("당월 납부 현황") << int(TfFee0010::PageMonth) << "조회,종료";
        QTest::newRow("미납현황/납부 통지서") << int(TfFee0010::PageUnpaid) << "조회,발부,자료생성,종료";
        QTest::newRow("영수증 발부") << int(TfFee0010::PageReceipt) << "조회,발부,자료생성,종료";
        QTest::newRow("수련비 정산") << int(TfFee0010::PageSettle) << "입력,조회,종료";
        QTest::newRow("연말정산/세무서") << int(TfFee0010::PageYearEnd) << "조회,발부,종료";
    }
    void toolbarByPage()
    {
        QFETCH(int, page);
        TfFee0010 w;
        w.selectPage(page, true);
        QCOMPARE(w.currentPage(), page);
        QTEST(enabledButtons(w), "buttons");
    }

    void screenLock()
    {
        sqlExec("UPDATE T_도장정보 SET 수련비화면체크유무 = '1'");
        TfFee0010 w;
        QVERIFY(w.locked());
        QVERIFY(!w.PageControl1->isEnabled());
        QCOMPARE(enabledButtons(w), QString("종료"));
        QVERIFY(!w.edt_PassWord->isHidden());
        QCOMPARE(w.edt_PassWord->maxLength(), 8);
        QCOMPARE(w.edt_PassWord->echoMode(), QLineEdit::Password);
        w.edt_PassWord->setText("4321");
        w.Btn_PasswordOkClick();
        QVERIFY(w.locked());
        QVERIFY(m_db->dialogs().log.isEmpty());
        w.edt_PassWord->setText("1234");
        QTest::keyClick(w.edt_PassWord, Qt::Key_Return);
        QVERIFY(!w.locked());
        QVERIFY(w.PageControl1->isEnabled());
        QVERIFY(w.edt_PassWord->isHidden());
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
    }

    // Charge a quarter for the elementary divisions, see it in the cash book, delete one payment,
    // and find the closed month untouchable.
    void quarterForADivision()
    {
        TfFee0010 w;
        w.com_bu->setCurrentIndex(3); // 초등부
        w.dtpk_NabbuFromDate->setDate(QDate(2024, 4, 1));
        w.dtpk_NabbuToDate->setDate(QDate(2024, 6, 30));
        w.Btn_InsertClick();
        QCOMPARE(enabledButtons(w), QString("확인,취소,종료"));
        QCOMPARE(w.search_num->text(), QString("검색인원 : 4")); // 김하늘 4-6, 이바다 6 (enrolled in May)
        QAbstractItemModel* g = w.DBCtrlGrid1->model();
        auto text = [g](int r, int c) { return g->index(r, c).data().toString(); };
        QCOMPARE(text(3, TfFee0010::ColName), QString("이바다"));
        QCOMPARE(text(3, TfFee0010::ColMonth), QString("202406"));
        QVERIFY(g->index(0, TfFee0010::ColAmount).flags() & Qt::ItemIsEditable);
        QVERIFY(!(g->index(0, TfFee0010::ColName).flags() & Qt::ItemIsEditable));
        for (int r = 0; r < g->rowCount(); ++r)
            QVERIFY(g->setData(g->index(r, TfFee0010::ColCheck), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(g->setData(g->index(3, TfFee0010::ColNote), "반액"));
        // An amount still being typed when "확     인" is pressed counts.
        const QModelIndex amount = g->index(3, TfFee0010::ColAmount);
        w.DBCtrlGrid1->setCurrentIndex(amount);
        w.DBCtrlGrid1->edit(amount);
        auto* editor = qobject_cast<QLineEdit*>(w.DBCtrlGrid1->indexWidget(amount));
        QVERIFY(editor);
        editor->setText("50,000");

        // Activating the window meanwhile keeps the waiting lines confirmable.
        w.PageControl1Change();
        QCOMPARE(enabledButtons(w), QString("확인,취소,종료"));

        w.Btn_OkClick();
        QVERIFY(m_db->dialogs().log.isEmpty());
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
        QVERIFY(!(g->index(0, TfFee0010::ColAmount).flags() & Qt::ItemIsEditable));
        QVERIFY(!g->setData(g->index(0, TfFee0010::ColCheck), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(feeRows(), 4);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 일자 = '2024-06-30' AND 대항목 = '수련비'"), 4);
        QCOMPARE(count("SELECT 입금액 FROM T_금전출납 WHERE 소항목 = '이바다'"), 50000);

        w.Btn_QueryClick();
        QCOMPARE(enabledButtons(w), QString("삭제,취소,종료"));
        QCOMPARE(g->rowCount(), 4);
        QCOMPARE(text(0, TfFee0010::ColAmount), QString("100,000"));
        w.DBCtrlGrid1->setCurrentIndex(g->index(1, 0)); // 김하늘 May
        QCOMPARE(text(1, TfFee0010::ColMonth), QString("202405"));
        m_db->dialogs().answers << QMessageBox::Ok;
        w.Btn_DeleteClick();
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(w.search_num->text(), QString("검색인원 : 3"));
        QVERIFY(!FeePayments::isPaid("202301001", "202405"));
        QCOMPARE(cashLines(), 3);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 LIKE '202301001-%'"), 2);

        w.Btn_CancelClick();
        QCOMPARE(g->rowCount(), 0);
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));

        // June closed: its payments can no longer be deleted, nor new ones dated in it entered.
        closeBooksThrough("202406");
        w.Btn_QueryClick();
        m_db->dialogs().clear();
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("마감된 자료는 삭제 할 수 없습니다.\n\n마감취소후 작업하세요."));
        QCOMPARE(g->rowCount(), 3);
        w.Btn_CancelClick();
        w.Btn_InsertClick();
        QCOMPARE(g->rowCount(), 1); // 김하늘 May, unpaid again
        g->setData(g->index(0, TfFee0010::ColCheck), Qt::Checked, Qt::CheckStateRole);
        w.Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("납부일자는 마감월 이후 이어야 합니다.\n2024-06 월 이후로 입력하세요."));
        QCOMPARE(enabledButtons(w), QString("확인,취소,종료"));
        QCOMPARE(feeRows(), 3);
        QCOMPARE(cashLines(), 3);
    }

    // Settling through the window: generated lines wait with "확인" and "취소", leaving the page drops
    // them, and recording leaves the months exempt without cash-book lines.
    void settlementPage()
    {
        TfFee0010 w;
        w.selectPage(TfFee0010::PageSettle, true);
        w.pageSettle->dtFromMonth->setDate(QDate(2023, 12, 1));
        w.pageSettle->dtToMonth->setDate(QDate(2024, 6, 1));
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].kind, QString("critical"));
        QCOMPARE(m_db->dialogs().lastText(), QString("정산기간의 연도를 통일하세요."));
        m_db->dialogs().clear();
        w.pageSettle->dtFromMonth->setDate(QDate(2024, 4, 1));
        w.pageSettle->dtToMonth->setDate(QDate(2024, 6, 1));
        w.Btn_InsertClick();
        QCOMPARE(enabledButtons(w), QString("확인,취소,종료"));
        QCOMPARE(w.search_num->text(), QString("검색인원 : 7")); // 김하늘 and 박산 4-6, 이바다 6
        w.PageControl1->setCurrentIndex(TfFee0010::PageMonth);
        w.PageControl1->setCurrentIndex(TfFee0010::PageSettle);
        QCOMPARE(w.pageSettle->count(), 0);
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
        w.Btn_InsertClick();
        QAbstractItemModel* m = w.pageSettle->DBCtrlGrid2->model();
        QVERIFY(m->setData(m->index(3, FeeSettlePage::ColCheck), Qt::Unchecked, Qt::CheckStateRole));
        w.Btn_OkClick();
        QVERIFY2(m_db->dialogs().log.isEmpty(), qPrintable(m_db->dialogs().lastText()));
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
        QCOMPARE(feeRows(), 6);
        QCOMPARE(cashLines(), 0);
        QVERIFY(!(m->flags(m->index(0, FeeSettlePage::ColAmount)) & Qt::ItemIsEditable));
    }

    // The unpaid page lists, totals and prints; double-clicking a line opens the member.
    void unpaidPage()
    {
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        installLayouts();
        TfFee0010 w;
        w.selectPage(TfFee0010::PageUnpaid, true);
        w.pageUnpaid->dateHyun->setDate(QDate(2024, 6, 15));
        QCOMPARE(w.pageUnpaid->dateBal->date(), QDate(2024, 6, 15));
        QCOMPARE(w.pageUnpaid->edtS2->value(), 15);
        w.Btn_QueryClick();
        QCOMPARE(w.search_num->text(), QString("검색인원 : 3"));
        QCOMPARE(w.pageUnpaid->lbl_MinabTot->text(), QString("3,800,000 원")); // 18 + 18 + 2 months of 100,000
        // Each line says what that member owes, and the lines add up to the total.
        qint64 sum = 0;
        for (int r = 0; r < w.pageUnpaid->model->rowCount(); ++r)
            sum += QString(w.pageUnpaid->model->text(r, FeeUnpaidPage::ColOwed)).remove(',').remove(" 원").toLongLong();
        QCOMPARE(sum, 3800000);
        QCOMPARE(w.pageUnpaid->model->headerData(FeeUnpaidPage::ColOwed, Qt::Horizontal, Qt::DisplayRole).toString(), QString("미납액"));
        // The one-page list beside the notices: every listed member with the amount, and the total.
        w.pageUnpaid->btn_List->click();
        QCOMPARE(out.last().title, QString("미납자 명단"));
        const QStringList listed = out.last().doc.texts();
        QVERIFY2(listed.contains("3,800,000원"), qPrintable(listed.join('|')));
        QVERIFY(listed.contains("합계 3명"));
        QVERIFY(listed.contains(w.pageUnpaid->model->text(0, FeeUnpaidPage::ColName)));
        out.runs.clear();
        w.pageUnpaid->model->setTicked(0, false);
        w.pageUnpaid->Rd4->setChecked(true);
        w.Btn_PrintClick();
        report::ReportOutput::install(nullptr);
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(out.last().title, QString("납부통지서(통지서)"));
        QCOMPARE(count("SELECT count(*) FROM print WHERE seqno = 1"), 2);
    }

    // The unpaid months as the page shows them: each month under its year.
    void unpaidMonthsReadable_data()
    {
        QTest::addColumn<QString>("months");
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QString>("shown");
        QTest::newRow("across the new year") << " 11 12 1 2" << QDate(2024, 2, 15) << "2023년 11·12월, 2024년 1·2월";
        QTest::newRow("this year only") << " 3 4 5" << QDate(2024, 5, 15) << "2024년 3·4·5월";
        QTest::newRow("last year only") << " 11 12" << QDate(2024, 5, 15) << "2023년 11·12월";
        QTest::newRow("a whole year and more")
            << " 1 2 3 4 5 6 7 8 9 10 11 12 1 2" << QDate(2024, 2, 15) << "2023년 1·2·3·4·5·6·7·8·9·10·11·12월, 2024년 1·2월";
        QTest::newRow("nothing") << "" << QDate(2024, 2, 15) << "";
    }
    void unpaidMonthsReadable()
    {
        QFETCH(QString, months);
        QFETCH(QDate, reference);
        QFETCH(QString, shown);
        QCOMPARE(UnpaidList::readableMonths(months, reference), shown);
    }

    void crossYearPeriod()
    {
        TfFee0010 w;
        w.dtpk_NabbuFromDate->setDate(QDate(2024, 11, 1));
        w.dtpk_NabbuToDate->setDate(QDate(2025, 1, 31));
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("납부기간의 연도를 통일하세요."));
        QCOMPARE(enabledButtons(w), QString("입력,조회,종료"));
        QCOMPARE(w.DBCtrlGrid1->model()->rowCount(), 0);
    }

    // "수련비납부등록" and the launch buttons open one window on the payment page; the page entries open
    // the same window on their page.
    void reachedFromMenuAndLaunchScreens()
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        QHash<QString, screens::Entry> items;
        for (const screens::Entry& e : screens::entries())
            if (e.target == "TfFee0010")
                items.insert(e.place.join('>'), e);
        for (const QString& name : {"수련비>수련비납부등록", "TfSM_input>수련비납부", "TfSM_query>수련비납부", "TfSM_form>수련비납부"})
            QVERIFY2(host.available(items.value(name)), qPrintable(name));
        auto* w = qobject_cast<TfFee0010*>(host.run(items.value("수련비>수련비납부등록")));
        QVERIFY(w);
        QCOMPARE(w->currentPage(), 0);
        QCOMPARE(host.run(items.value("TfSM_input>수련비납부")), w);
        QCOMPARE(area->subWindowList().size(), 1);
        const QList<std::pair<QString, int>> pages = {{"수련비>수련비납부현황/당월", 1}, {"수련비>미납현황/납부통지서", 2},
                                                      {"수련비>납부영수증발부", 3}, {"수련비>미납수련비정산", 4},
                                                      {"수련비>연말정산/세무서제출", 5}, {"기  타>인터넷통보자료>납부통지서", 2},
                                                      {"기  타>인터넷통보자료>납부확인", 3}};
        for (const auto& [name, page] : pages) {
            QVERIFY2(host.available(items.value(name)), qPrintable(name));
            QCOMPARE(host.run(items.value(name)), w);
            QCOMPARE(w->currentPage(), page);
        }
        QCOMPARE(area->subWindowList().size(), 1);
    }

    // Double-clicking a line of the status, unpaid and receipt lists opens personal management on it.
    void doubleClickOpensTheMember()
    {
        FeePayments::add("202301003", "202406", QDate(2024, 6, 5), 100000, QString());
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        auto* w = qobject_cast<TfFee0010*>(host.open("TfFee0010"));
        QVERIFY(w);
        w->pageReceipt->AllToday3->setDate(QDate(2024, 6, 1));
        const QList<std::pair<int, QTableView*>> lists = {{TfFee0010::PageMonth, w->pageMonth->lvView},
                                                          {TfFee0010::PageUnpaid, w->pageUnpaid->lvView2},
                                                          {TfFee0010::PageReceipt, w->pageReceipt->lvView3}};
        for (const auto& [page, view] : lists) {
            w->selectPage(page, true);
            w->Btn_QueryClick();
            // 박산 paid June; 김하늘 heads the unpaid list.
            const QString no = view->model()->index(0, 0).data().toString();
            QCOMPARE(no, page == TfFee0010::PageUnpaid ? QString("202301001") : QString("202301003"));
            Session::setSelectedMemberNo(QString());
            emit view->doubleClicked(view->model()->index(0, 1));
            QCOMPARE(Session::selectedMemberNo(), no);
            QVERIFY(host.screen("TfPer0020"));
        }
    }

    void exitClosesAndFrees()
    {
        QPointer<TfFee0010> w = new TfFee0010;
        w->show();
        w->btn_ExitClick();
        QTRY_VERIFY(w.isNull());
    }
};

QTEST_MAIN(TestFee0010)
#include "tst_fee0010.moc"
