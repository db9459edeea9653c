// The fee window as a user meets it: opening, toolbar states, the screen lock, and a quarter charged,
// listed and partly deleted through the widgets.
#include "fees/FeeFixture.h"
#include "fees/FeePayments.h"
#include "fees/uFee0010.h"
#include "ui/MemberChooser.h"
#include "app/ScreenHost.h"
#include "app/Screens.h"
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
            QVERIFY(!w.PageControl1->isTabEnabled(i));
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
        // A page still to come cannot be chosen from outside either.
        w.selectPage(TfFee0010::PageMonth, true);
        QCOMPARE(w.currentPage(), 0);
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

    // "수련비납부등록" and the launch buttons open one window on the payment page; the pages still to
    // come keep their menu items disabled.
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
        for (const QString& name : {"수련비>수련비납부현황/당월", "수련비>미납현황/납부통지서", "수련비>납부영수증발부",
                                    "수련비>미납수련비정산", "수련비>연말정산/세무서제출", "기  타>인터넷통보자료>납부통지서",
                                    "기  타>인터넷통보자료>납부확인"})
            QVERIFY2(!host.available(items.value(name)), qPrintable(name));

        auto* w = qobject_cast<TfFee0010*>(host.run(items.value("수련비>수련비납부등록")));
        QVERIFY(w);
        QCOMPARE(w->currentPage(), 0);
        QCOMPARE(host.run(items.value("TfSM_input>수련비납부")), w);
        QCOMPARE(area->subWindowList().size(), 1);
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
