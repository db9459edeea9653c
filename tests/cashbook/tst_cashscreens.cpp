// The cash-book window, the opening-balance window, the closing dialogs and the opening guard,
// driven through their handlers.
#include "app/Screens.h"
#include "ui/ScreenHost.h"
#include "cashbook/CheckMonthClosing.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/uEndCancel.h"
#include "cashbook/uEndYesNo.h"
#include "cashbook/uMoneyMaster.h"
#include "cashbook/uMon0010.h"
#include "cashbook/uPri1010.h"
#include "cashbook/uPri1020.h"
#include "cashbook/uPri1040.h"
#include "cashbook/DealPage.h"
#include "cashbook/PartnerInquiryPanel.h"
#include "cashbook/PartnerRegisterPage.h"
#include "ui/DateEdit.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "report/Document.h"
#include "report/ReportOutput.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "support/TestDb.h"

#include "app/Application.h"
#include "app/uMain.h"
#include "ui/StatusLine.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QRadioButton>
#include <QLabel>
#include <QHeaderView>
#include <QStackedWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

namespace {

template <class T>
T* openWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

void closeAll()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void line(const QString& date, int seq, const QString& main, const QString& sub, qint64 in, qint64 out,
          const QString& link = QString())
{
    db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번) "
            "VALUES (:d, :s, :m, :u, :i, :o, '', :l)",
            {{"d", date}, {"s", seq}, {"m", main}, {"u", sub}, {"i", in}, {"o", out}, {"l", link}});
}

void schoolRecord(const QVariant& password, const QString& flag)
{
    sqlExec("CREATE TABLE IF NOT EXISTS T_도장정보 (도장명 TEXT, 금전출납화면 TEXT, 금전출납화면체크유무 TEXT)");
    db::run("DELETE FROM T_도장정보");
    db::run("INSERT INTO T_도장정보 (도장명, 금전출납화면, 금전출납화면체크유무) VALUES ('한빛 태권도', :p, :f)",
            {{"p", password}, {"f", flag}});
}

void installLayout(const QString& name)
{
    QFile::remove(ProgramDir::file("report/" + name));
    QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
}

} // namespace

class TestCashScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(); // 2024-05-15
        db::run("INSERT INTO T_코드구분 VALUES ('100', '운영비')");
        db::run("INSERT INTO T_코드구분 VALUES ('200', '용품판매')");
        db::run("INSERT INTO T_코드상세 VALUES ('100', '0001', '전기료')");
    }
    void cleanup()
    {
        closeAll();
        m_db.reset();
    }

    void guardAsksForTheOpeningBalance()
    {
        QWidget main;
        main.setWindowTitle("탐린");
        QVERIFY(!CheckMonthClosing(&main));
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].caption, QString("탐린"));
        QCOMPARE(m_db->dialogs().lastText(), QString("금전출납 초기값설정을 먼저하세요"));
        QVERIFY(openWindow<TfMoneyMaster>());
    }

    void guardOpensTheClosingDialogAtTheFirstOpenMonth()
    {
        MonthClosing::saveOpening("202402", 100, 0);
        QWidget main;
        QVERIFY(!CheckMonthClosing(&main));
        QCOMPARE(m_db->dialogs().lastText(), QString("2024-03 마감작업을 먼저하세요."));
        TfEndYesNo* dialog = openWindow<TfEndYesNo>();
        QVERIFY(dialog);
        QCOMPARE(dialog->dtpk_Month->date(), QDate(2024, 3, 1));

        // Closing March from the dialog, then April: the guard lets the cash book open.
        m_db->dialogs().answers = {QMessageBox::Ok};
        dialog->Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("마감작업이 완료되었습니다."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("확인"));
        dialog->setMonth(QDate(2024, 4, 1));
        dialog->Btn_OkClick();
        QCOMPARE(db::lastClosedMonth(), QString("202404"));
        m_db->dialogs().clear();
        QVERIFY(CheckMonthClosing(&main));
        QVERIFY(m_db->dialogs().log.isEmpty());

        // Cancelling May is refused (not closed); April is reopened.
        TfEndCancel cancel;
        QCOMPARE(cancel.dtpk_Month->date(), QDate(2024, 4, 1));
        cancel.setMonth(QDate(2024, 5, 1));
        cancel.Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("2024-05은 마감처리된 월이 아니므로 취소할수 없습니다."));
        cancel.setMonth(QDate(2024, 4, 1));
        m_db->dialogs().answers = {QMessageBox::Cancel};
        cancel.Btn_OkClick(); // the question answered Cancel: nothing happens
        QCOMPARE(db::lastClosedMonth(), QString("202404"));
        cancel.Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("마감취소 작업이 완료되었습니다."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("월 마감취소"));
        QCOMPARE(db::lastClosedMonth(), QString("202403"));
    }

    void everyCashBookEntryRunsTheGuard()
    {
        QMainWindow main;
        auto* area = new QMdiArea;
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        QList<screens::Entry> cashEntries;
        for (const screens::Entry& e : screens::entries()) {
            if (e.target == "TfMon0010")
                cashEntries << e;
            if (e.target == "TfMoneyMaster" || e.target == "TfEndYesNo" || e.target == "TfEndCancel")
                QVERIFY(host.available(e));
        }
        QCOMPARE(cashEntries.size(), 8); // five menu items and three launch-screen buttons
        for (const screens::Entry& e : cashEntries) {
            QCOMPARE(e.guard, QString("CheckMonthClosing"));
            QVERIFY(host.available(e));
            QVERIFY(!host.run(e));
        }
        QVERIFY(!host.screen("TfMon0010"));
        QVERIFY(host.screen("TfMoneyMaster")); // opened by the guard, once
        QCOMPARE(m_db->dialogs().lastText(), QString("금전출납 초기값설정을 먼저하세요"));

        MonthClosing::saveOpening("202404", 0, 0);
        for (const screens::Entry& e : cashEntries) {
            if (!host.available(e))
                continue;
            auto* w = qobject_cast<TfMon0010*>(host.run(e));
            QVERIFY(w);
            QCOMPARE(w->currentPage(), e.page);
        }
        QCOMPARE(host.openScreens().count("TfMon0010"), 1);
        host.closeAll();
    }

    // The opening stays correctable, and removable, until the month after it is closed.
    void openingWindowCorrectableUntilClosed()
    {
        line("2024-03-04", 1, "운영비", "전기료", 0, 100);
        TfMoneyMaster w;
        QVERIFY(w.Btn_Edit->isEnabled());
        QVERIFY(!w.Btn_Delete->isEnabled()); // nothing to remove yet
        QVERIFY(!w.Btn_Ok->isEnabled());
        w.Btn_EditClick();
        w.edt_Month->setText("202403");
        w.edt_Income->setText("500000");
        w.edt_Expense->setText("100000");
        w.Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("2024-03 이전으로 입력하세요."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("확인"));
        QCOMPARE(w.focusWidget(), w.edt_Month);
        w.edt_Month->setText("202401"); // mistyped: February was meant
        w.Btn_OkClick();
        QCOMPARE(db::scalarText("SELECT group_concat(마감연월 || 마감여부) FROM T_금전출납마감"), QString("2024011,2024020"));
        QVERIFY(w.Btn_Edit->isEnabled() && w.Btn_Delete->isEnabled());

        w.Btn_EditClick();
        w.edt_Month->setText("202402");
        w.Btn_OkClick();
        QCOMPARE(db::scalarText("SELECT group_concat(마감연월 || 마감여부) FROM T_금전출납마감"), QString("2024021,2024030"));
        QCOMPARE(db::lastClosedMonth(), QString("202402"));

        MonthClosing::close("202403");
        TfMoneyMaster again;
        QCOMPARE(again.edt_Month->text(), QString("202402"));
        QVERIFY(!again.Btn_Edit->isEnabled() && !again.Btn_Delete->isEnabled() && !again.Btn_Query->isEnabled());

        // Reopened March: the opening can go, and the books ask for it again.
        MonthClosing::cancel("202403");
        again.Btn_QueryClick();
        QVERIFY(again.Btn_Delete->isEnabled());
        m_db->dialogs().answers = {QMessageBox::Ok};
        again.Btn_DeleteClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납마감").toInt(), 0);
        QCOMPARE(again.edt_Month->text(), QString());
        QCOMPARE(db::lastClosedMonth(), QString("000000"));
    }

    // A line typed by hand under "수련비" carries no fee link: it is an ordinary line.
    void handTypedFeeItemLineIsOrdinary()
    {
        line("2024-05-15", 1, "수련비", "기타수입", 5000, 0);
        TfMon0010 w;
        w.showPage(TfMon0010::PgRegister);
        w.grd_Lines->setCurrentIndex(w.grd_Lines->model()->index(0, 0));
        w.Btn_EditClick();
        QVERIFY(w.inEntry());
        w.edt_Amount->setText("6000");
        w.Btn_SaveClick();
        QVERIFY(!w.inEntry());
        QCOMPARE(db::scalar("SELECT 입금액 FROM T_금전출납").toLongLong(), 6000);
        w.grd_Lines->setCurrentIndex(w.grd_Lines->model()->index(0, 0));
        m_db->dialogs().clear();
        m_db->dialogs().answers = {QMessageBox::Ok};
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().log.first().text, QString("삭제하시겠습니까?"));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납").toInt(), 0);
    }

    void registerPageEntersAndDeletesLines()
    {
        line("2024-05-15", 1, "수련비", "홍길동", 80000, 0, "202401001-0001");
        db::run("INSERT INTO T_수련비납부 VALUES ('202401001', '202405', 1, '2024-05-15', 80000, '')");
        TfMon0010 w;
        w.showPage(TfMon0010::PgRegister);
        QCOMPARE(w.registerDate(), QDate(2024, 5, 15));
        QCOMPARE(w.grd_Lines->model()->rowCount(), 1);

        // A new line after a fee line starts under the first category, as an expense.
        w.Btn_InsertClick();
        QCOMPARE(w.com_MainItem->currentText(), QString("운영비"));
        QCOMPARE(w.com_InType->currentText(), QString("출금"));
        QVERIFY(!w.Btn_Edit->isEnabled());
        QVERIFY(!w.Btn_Delete->isEnabled());
        w.Btn_SaveClick(); // nothing typed: nothing saved
        QVERIFY(w.inEntry());
        w.com_SubItem->setCurrentText("전기료");
        w.edt_Amount->setText("12a");
        w.Btn_SaveClick();
        QVERIFY(w.inEntry());
        QCOMPARE(m_db->dialogs().log.last().kind, QString("critical"));
        w.edt_Amount->setText("35000");
        w.Btn_SaveClick();
        QVERIFY(!w.inEntry());
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 순번 = 2").toLongLong(), 35000);
        QCOMPARE(w.lbl_DayTotal->text(), QString("45,000원"));
        QCOMPARE(StatusLine::text(), QString("금전출납 저장: 2024-05-15 운영비 전기료 35,000원"));

        // Deleting the fee line asks once and takes its payment with it.
        w.grd_Lines->setCurrentIndex(w.grd_Lines->model()->index(0, 0));
        m_db->dialogs().clear();
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].caption, QString("삭제확인"));
        QCOMPARE(m_db->dialogs().log[0].text, QString("삭제하시겠습니까?\n\n수련비납부의 내용도 지워집니다.!"));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_수련비납부").toInt(), 0);
        QCOMPARE(StatusLine::text(), QString("금전출납 삭제: 2024-05-15 수련비 홍길동"));
        QCOMPARE(w.grd_Lines->model()->rowCount(), 1);
        QCOMPARE(w.grd_Lines->model()->index(0, 2).data().toString(), QString("전기료"));
    }

    void registerShowsAThirteenLineDay()
    {
        Application::applyFonts(); // the program's look, as main() has it
        for (int i = 1; i <= 13; ++i)
            line("2024-05-15", i, "운영비", "전기료", 0, 1000 * i);
        MonthClosing::saveOpening("202404", 0, 0);
        auto main = std::make_unique<TfMain>();
        main->show();
        main->menuItem({"금전출납", "수입/지출등록"})->trigger();
        auto* w = qobject_cast<TfMon0010*>(main->screens()->screen("TfMon0010"));
        QVERIFY(w);
        QApplication::processEvents();
        QCOMPARE(w->grd_Lines->model()->rowCount(), 13);
        // The whole day in sight without scrolling, in the main window as it is designed.
        QVERIFY2(w->grd_Lines->rowViewportPosition(12) + w->grd_Lines->rowHeight(12) <= w->grd_Lines->viewport()->height(),
                 qPrintable(QString::number(w->grd_Lines->viewport()->height())));
    }

    void screenLock()
    {
        schoolRecord("1234", "1");
        TfMon0010 w;
        QVERIFY(w.locked());
        QVERIFY(!w.PgCtr->isEnabled());
        QVERIFY(!w.Btn_Insert->isEnabled());
        w.edt_PassWord->setText("9999");
        w.Btn_OkClick();
        QVERIFY(w.locked());
        QVERIFY(m_db->dialogs().log.isEmpty());
        w.edt_PassWord->setText("1234");
        w.Btn_OkClick();
        QVERIFY(!w.locked());
        QVERIFY(w.PgCtr->isEnabled());

        schoolRecord(QVariant(), "1");
        QVERIFY(!TfMon0010().locked());
        schoolRecord("1234", "0");
        QVERIFY(!TfMon0010().locked());
    }

    void inquiryPrintNeedsAResult()
    {
        TfMon0010 w;
        w.showPage(TfMon0010::PgInquiry);
        QVERIFY(w.Btn_Query->isEnabled());
        QVERIFY(!w.Btn_Insert->isEnabled());
        w.Btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("조회를 하신후에 프린트를 하실수 있습니다."));
        line("2024-05-15", 1, "운영비", "전기료", 0, 100);
        w.Btn_QueryClick();
        QCOMPARE(w.inquiryRows(), 1);
        QCOMPARE(w.lbl_Found->text(), QString("1"));
        QCOMPARE(w.inquiryCell(0, 6), QString("-100"));
    }

    void periodListsPrintTheGridAsShown()
    {
        installLayout("mon02_d.rpt");
        installLayout("mon02_i.Rpt");
        schoolRecord(QVariant(), "0");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        db::run("INSERT INTO T_금전출납마감 VALUES ('202404', 0, 0, 1000000, 400000, '1')");
        line("2024-05-03", 1, "운영비", "전기료", 50000, 0);
        line("2024-05-20", 1, "용품판매", "도복", 0, 20000);

        TfMon0010 w;
        w.showPage(TfMon0010::PgInquiry);
        w.dtpk_From->setDate(QDate(2024, 5, 1));
        w.dtpk_To->setDate(QDate(2024, 5, 31));
        w.Btn_QueryClick();
        w.Btn_PrintClick();
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(out.last().destination, 0);
        QCOMPARE(out.last().title, QString("일/출금 일자별 조회"));
        const QStringList texts = out.last().doc.texts();
        for (const QString& t : {"전월이월", "600,000", "650,000", "630,000", "630,000원", "도복", "한빛 태권도"})
            QVERIFY2(texts.contains(t), qPrintable(t));

        w.rdo_Item->setChecked(true);
        w.com_QMain->setCurrentText("용품판매");
        w.Btn_QueryClick();
        w.Btn_PrintClick();
        QCOMPARE(out.runs.size(), 2);
        QCOMPARE(out.last().title, QString("일/출금 항목별 조회"));
        const QStringList items = out.last().doc.texts();
        QVERIFY(items.contains("도복"));
        QVERIFY(!items.contains("전기료"));
        QVERIFY(items.contains("630,000원")); // 현잔 counts every line
        report::ReportOutput::install(nullptr);
    }

    // The categories page as a user keeps it: a category added, a sub item under it added and renamed,
    // another category chosen and back, the category deleted with its sub items; the lists follow.
    void categoriesPageKeepsItsLists()
    {
        auto column = [](QTableView* v, int c) {
            QStringList out;
            for (int r = 0; r < v->model()->rowCount(); ++r)
                out << v->model()->index(r, c).data().toString();
            return out;
        };
        auto choose = [](QTableView* v, int row) { v->setCurrentIndex(v->model()->index(row, 0)); };
        TfMon0010 w;
        w.showPage(TfMon0010::PgCodes);
        const QStringList before = column(w.grd_Category, 0);
        QVERIFY(!before.isEmpty());
        QVERIFY(!before.contains("900"));

        w.btn_CatAdd->click();
        w.edt_CatCode->setText("900");
        w.edt_CatName->setText("행사비");
        w.btn_CatOk->click();
        const int added = int(column(w.grd_Category, 0).indexOf("900"));
        QVERIFY(added >= 0);
        QCOMPARE(w.grd_Category->currentIndex().row(), added);
        QCOMPARE(column(w.grd_Category, 1).value(added), QString("행사비"));
        QCOMPARE(w.grd_Detail->model()->rowCount(), 0);

        w.btn_DetAdd->click();
        w.edt_DetCode->setText("a001");
        w.edt_DetName->setText("대회");
        w.btn_DetOk->click();
        QCOMPARE(column(w.grd_Detail, 0), QStringList{"A001"});
        QCOMPARE(w.grd_Detail->currentIndex().row(), 0);

        // Another category shows its own fields and sub items; back again, the new one is there.
        const int other = added == 0 ? 1 : 0;
        choose(w.grd_Category, other);
        QCOMPARE(w.edt_CatCode->text(), before.value(0));
        QVERIFY(!column(w.grd_Detail, 1).contains("대회"));
        choose(w.grd_Category, added);
        QCOMPARE(w.edt_CatName->text(), QString("행사비"));
        QCOMPARE(column(w.grd_Detail, 1), QStringList{"대회"});

        choose(w.grd_Detail, 0);
        w.btn_DetEdit->click();
        w.edt_DetName->setText("승급심사");
        w.btn_DetOk->click();
        QCOMPARE(column(w.grd_Detail, 1), QStringList{"승급심사"});
        QCOMPARE(db::scalarText("SELECT 상세이름 FROM T_코드상세 WHERE 상세코드 = 'A001'"), QString("승급심사"));

        m_db->dialogs().answers = {QMessageBox::Ok};
        w.btn_CatDelete->click();
        QCOMPARE(column(w.grd_Category, 0), before);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_코드상세 WHERE 상세코드 = 'A001'").toInt(), 0);
    }

    void partnerDealingsThroughTheWindow()
    {
        schoolRecord(QVariant(), "0");
        TfMon0010 w;
        w.showPage(TfMon0010::PgPartner);
        PartnerRegisterPage* reg = w.pg_Partner;
        w.Btn_InsertClick();
        QVERIFY(!w.Btn_Insert->isEnabled());
        reg->edt_Code->setText("A01");
        reg->edt_Name->setText("대한스포츠");
        w.Btn_SaveClick(); // three characters: refused, still editing
        QCOMPARE(m_db->dialogs().lastText(), QString("거래처코드는 4자리로 입력하세요."));
        reg->edt_Code->setText("A001");
        reg->edt_Owner->setText("김대표");
        w.Btn_SaveClick();
        QVERIFY(w.Btn_Insert->isEnabled());
        QCOMPARE(StatusLine::text(), QString("거래처 저장: A001 대한스포츠"));

        // Two expense lines of a day make one cash line with their sum.
        w.showPage(TfMon0010::PgDeal);
        DealPage* deal = w.pg_Deal;
        QCOMPARE(deal->com_Partner->currentText(), QString("A001  대한스포츠"));
        const std::pair<const char*, const char*> goods[] = {{"3", "1500"}, {"2", "10000"}};
        for (const auto& [qty, price] : goods) {
            w.Btn_InsertClick();
            deal->edt_Item->setText("도복");
            deal->edt_Standard->setText("110");
            QTest::keyClicks(deal->edt_Qty, qty);
            QTest::keyClicks(deal->edt_Price, price);
            w.Btn_SaveClick();
        }
        QCOMPARE(deal->shownLines().size(), 2);
        QCOMPARE(deal->lbl_Sum->text(), QString("24,500원"));
        QCOMPARE(deal->edt_CashSeq->text(), QString("1"));
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 대항목='거래처출납관리'").toLongLong(), 24500);

        // A bad quantity names the field and writes nothing.
        w.Btn_InsertClick();
        deal->edt_Item->setText("띠");
        deal->edt_Standard->setText("1");
        deal->edt_Qty->setText("두개");
        deal->edt_Price->setText("100");
        deal->edt_Supply->setText("200");
        w.Btn_SaveClick();
        QVERIFY(deal->inEntry());
        QVERIFY(m_db->dialogs().lastText().contains("수량"));
        w.Btn_CancelClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_거래").toInt(), 2);

        // The statement of the shown partner and day.
        w.Btn_PrintClick();
        auto* statement = deal->findChild<TfPri1010*>();
        QVERIFY(statement);
        statement->edt_Receiver->setText("한빛 태권도");
        const QStringList texts = statement->document().texts();
        for (const QString& t : {"거 래 명 세 표", "한빛 태권도 귀하", "대한스포츠", "김대표", "4,500", "24,500원", "5개"})
            QVERIFY2(texts.contains(t), qPrintable(t));

        // The register page's panel leads back to the dealing.
        w.showPage(TfMon0010::PgRegister);
        QCOMPARE(w.grd_Deals->model()->rowCount(), 2);
        w.btn_ToDeal->click();
        QCOMPARE(w.currentPage(), int(TfMon0010::PgDeal));
        QCOMPARE(deal->shownLines().size(), 2);

        // Deleting a line: the amount follows.
        deal->selectRow(0);
        w.Btn_DeleteClick();
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 대항목='거래처출납관리'").toLongLong(), 20000);

        // The partner inquiry and its list.
        w.showPage(TfMon0010::PgInquiry);
        w.rdo_Partner->setChecked(true);
        w.pnl_PartnerInquiry->btn_ListPrintClick();
        QCOMPARE(StatusLine::text(), QString("조회를 하신후에 프린트를 하실수 있습니다."));
        w.pnl_PartnerInquiry->dtpk_From->setDate(QDate(2024, 5, 1));
        w.Btn_QueryClick();
        QCOMPARE(w.pnl_PartnerInquiry->rows().size(), 1);
        QCOMPARE(w.lbl_Found->text(), QString("1"));
        w.Btn_PrintClick();
        auto* list = w.pnl_PartnerInquiry->findChild<TfPri1040*>();
        QVERIFY(list);
        const QStringList listed = list->document().texts();
        for (const QString& t : {"거래처 거래내역", "2024-05-15", "대한스포츠", "출금", "20,000", "-20,000원"})
            QVERIFY2(listed.contains(t), qPrintable(t));

        // A closed month locks the dealing.
        Clock::setFixed(QDateTime(QDate(2024, 6, 3), QTime(10, 0))); // May closes once June has come
        MonthClosing::saveOpening("202404", 0, 0);
        MonthClosing::close("202405");
        w.showPage(TfMon0010::PgDeal);
        deal->showDealing("A001", false, QDate(2024, 5, 15));
        m_db->dialogs().clear();
        w.Btn_InsertClick();
        QVERIFY(!deal->inEntry());
        QCOMPARE(m_db->dialogs().log.size(), 1);
        w.Btn_EditClick();
        QVERIFY(!deal->inEntry());
        QCOMPARE(db::scalar("SELECT count(*) FROM T_거래").toInt(), 1);
    }

    void dailySheet()
    {
        schoolRecord(QVariant(), "0");
        line("2024-05-15", 1, "운영비", "전기료", 50000, 0);
        line("2024-05-15", 2, "운영비", "수도료", 0, 12000);
        line("2024-05-16", 1, "운영비", "다른날", 0, 1);
        TfMon0010 w;
        w.showPage(TfMon0010::PgRegister);
        w.Btn_PrintClick();
        TfPri1020* sheet = w.findChild<TfPri1020*>();
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), QString("일일정산표"));
        const QStringList texts = sheet->document().texts();
        for (const QString& t : {"일일 정산표", "일자 : 2024-05-15", "00001", "수도료", "50,000", "12,000", "50,000원",
                                 "12,000원", "38,000원", "합          산 :", "총          계 :", "한빛 태권도"})
            QVERIFY2(texts.contains(t), qPrintable(t));
        QVERIFY(!texts.contains("다른날"));
    }

    // A total of 1억 won and more does not fit its box at the usual size: it is printed whole, smaller.
    void dailySheetTotalsPrintWhole()
    {
        schoolRecord(QVariant(), "0");
        line("2024-05-15", 1, "운영비", "공사비", 0, 1236479890);
        TfPri1020 sheet(QDate(2024, 5, 15));
        const report::Document doc = sheet.document();
        QImage device(100, 100, QImage::Format_RGB32);
        device.setDotsPerMeterX(11811); // 300 dpi, as a printer
        device.setDotsPerMeterY(11811);
        const double k = device.logicalDpiX() / 25.4;
        int found = 0;
        for (const report::Item& it : doc.pages.first().items) {
            if (it.kind != report::Item::Text || it.text != QStringLiteral("-1,236,479,890원"))
                continue;
            ++found;
            const report::FittedText f = report::fitText(it, &device, k);
            QCOMPARE(f.text, it.text);
            QVERIFY(f.font.pointSizeF() < it.style.size);
            QVERIFY(QFontMetricsF(f.font, &device).horizontalAdvance(f.text) <= it.rect.width() * k);
        }
        QCOMPARE(found, 1); // 총계; 합산 shows it without the sign
    }
};

QTEST_MAIN(TestCashScreens)
#include "tst_cashscreens.moc"
