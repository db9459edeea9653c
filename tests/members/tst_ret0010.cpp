// The window 퇴관처리: menu wiring, the batch buttons and the three pages driven through their controls.
#include "app/ScreenHost.h"
#include "app/Screens.h"
#include "db/Query.h"
#include "members/uRet0010.h"
#include "stats/MovementCounter.h"
#include "support/TestDb.h"
#include "ui/DivisionFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& out = {}, const QString& leave = {})
{
    auto v = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    db::run("insert into T_회원 (회원번호, 회원명, 부별코드, 입관일, 퇴관일, 퇴관사유코드, 휴관일, 휴관사유코드) "
            "values (:no, :name, '05', '2024-01-05', :out, :outr, :leave, :leaver)",
            {{"no", no}, {"name", name}, {"out", v(out)}, {"outr", out.isEmpty() ? QVariant() : QVariant("01")},
             {"leave", v(leave)}, {"leaver", leave.isEmpty() ? QVariant() : QVariant("07")}});
}

QString col(const QString& no, const QString& column)
{
    return db::scalar("select " + column + " from T_회원 where 회원번호 = :no", {{"no", no}}).toString();
}

const screens::Entry& entry(const QStringList& place)
{
    for (const auto& e : screens::entries())
        if (e.place == place)
            return e;
    qFatal("no entry");
}

QComboBox* reasonBox(QTableWidget* g, int row)
{
    return qobject_cast<QComboBox*>(g->cellWidget(row, TfRet0010::kReasonColumn));
}

} // namespace

class TestRet0010 : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 3, 20), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void menuChoosesPageAndCaption()
    {
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        QVERIFY(host.available(entry({"퇴관처리", "퇴관처리"})));
        QVERIFY(host.available(entry({"TfSM_ret", "복관처리"})));

        auto* w = qobject_cast<TfRet0010*>(host.run(entry({"퇴관처리", "퇴관처리"})));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("퇴관처리"));
        QCOMPARE(w->currentPage(), 0);
        QCOMPARE(w->btnInsert->text(), QString("퇴     관"));
        QVERIFY(w->btnDelete->text() == QString("삭     제"));

        QCOMPARE(host.run(entry({"퇴관처리", "휴관처리"})), w);
        QCOMPARE(w->currentPage(), 1);
        QCOMPARE(w->btnInsert->text(), QString("휴     관"));
        QCOMPARE(w->btnDelete->text(), QString("퇴     관"));
        QVERIFY(!w->btnDelete->isEnabled());

        // The launch screen opens the window without choosing a page.
        QCOMPARE(host.run(entry({"TfSM_ret", "복관처리"})), w);
        QCOMPARE(w->currentPage(), 1);
    }

    void withdrawalThroughTheWindow()
    {
        member("202401001", "김가람");
        member("202401002", "이나래");
        TfRet0010 w;
        QCOMPARE(w.total_num->text(), QString("총 원 : 2 명"));
        w.inToday->setDate(QDate(2024, 3, 18));
        // Both members train in division 05: the older trainees' entry lists nobody.
        w.Com_bu->setCurrentIndex(w.Com_bu->findText("     중고/일반"));
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QCOMPARE(m_db->dialogs().lastText(), QString("해당하는 회원이 없습니다."));
        w.Com_bu->setCurrentIndex(w.Com_bu->findText("     초등부"));
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QVERIFY(w.batchOpen());
        QVERIFY(!w.btnInsert->isEnabled());
        QVERIFY(!w.btnSearch->isEnabled());
        QVERIFY(w.btnOk->isEnabled() && w.btnCancel->isEnabled());
        QCOMPARE(w.DBCtrlGrid1->rowCount(), 2);
        QCOMPARE(w.search_num->text(), QString("조 회 : 2 명"));

        QComboBox* box = reasonBox(w.DBCtrlGrid1, 0);
        QVERIFY(box && box->isEnabled());
        box->setCurrentIndex(box->findText("01) 이사"));
        QCOMPARE(w.DBCtrlGrid1->item(0, 3)->text(), QString("2024-03-18"));

        // Cancel discards the choice.
        QTest::mouseClick(w.btnCancel, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QCOMPARE(w.DBCtrlGrid1->item(0, 3)->text(), QString());
        QVERIFY(w.btnInsert->isEnabled());

        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        box = reasonBox(w.DBCtrlGrid1, 1);
        box->setCurrentIndex(box->findText("04) 건강"));
        QTest::mouseClick(w.btnOk, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QVERIFY(!reasonBox(w.DBCtrlGrid1, 1)->isEnabled());
        QCOMPARE(col("202401002", "퇴관일"), QString("2024-03-18"));
        QCOMPARE(col("202401002", "퇴관사유코드"), QString("04"));
        QCOMPARE(col("202401001", "퇴관일"), QString());
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 3), qint64(1));
        QCOMPARE(w.total_num->text(), QString("총 원 : 1 명"));

        // The period listing disables the event button; the listing enables "삭     제".
        w.chkDelete->setChecked(true);
        QVERIFY(!w.btnInsert->isEnabled());
        w.delDateFrom->setDate(QDate(2024, 3, 1));
        w.DelDateTo->setDate(QDate(2024, 3, 31));
        QTest::mouseClick(w.btnSearch, Qt::LeftButton);
        QCOMPARE(w.DBCtrlGrid1->rowCount(), 1);
        QVERIFY(w.btnDelete->isEnabled());
        w.DBCtrlGrid1->setCurrentCell(0, 0);
        m_db->dialogs().answers << QMessageBox::No;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(m_db->dialogs().lastText(), QString("본 자료는 퇴관자료에 남지를 않고 완전 삭제가 됩니다."));
        QCOMPARE(db::scalar("select count(*) from T_회원").toInt(), 2);
        m_db->dialogs().answers << QMessageBox::Yes;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(db::scalar("select count(*) from T_회원").toInt(), 1);
        QCOMPARE(w.DBCtrlGrid1->rowCount(), 0);
    }

    void failedBatchStaysOpen()
    {
        member("202401001", "김가람");
        TfRet0010 w;
        w.selectPage(1, true);
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QComboBox* box = reasonBox(w.DBCtrlGrid2, 0);
        box->setCurrentIndex(box->findText("07) 방학/여행"));
        db::run("update T_회원 set 퇴관일 = '2024-03-01'"); // withdrawn meanwhile elsewhere
        QTest::mouseClick(w.btnOk, Qt::LeftButton);
        QVERIFY(m_db->dialogs().lastText().startsWith("저장 에러 입니다."));
        QVERIFY(w.batchOpen());
        QCOMPARE(col("202401001", "휴관일"), QString());
        QCOMPARE(db::scalar("select count(*) from T_휴관사유별현황").toInt(), 0);
        // While the batch is open another page cannot be chosen.
        w.selectPage(0, true);
        QCOMPARE(w.currentPage(), 1);
    }

    void returnThroughTheWindow()
    {
        member("202301001", "김가람", "2024-02-01");
        member("202301002", "이나래", "2024-02-02");
        member("202301003", "박다솜", {}, "2024-02-03");
        TfRet0010 w;
        w.selectPage(2, true);
        w.rbo_rtBack->setChecked(true);
        QCOMPARE(w.DBCtrlGrid3->horizontalHeaderItem(3)->text(), QString("퇴관일"));
        w.inToday2->setDate(QDate(2024, 5, 10));
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QCOMPARE(w.DBCtrlGrid3->rowCount(), 2);
        QVERIFY(!w.rbo_rsBack->isEnabled());
        w.DBCtrlGrid3->item(1, TfRet0010::kCheckColumn)->setCheckState(Qt::Checked);
        QCOMPARE(w.DBCtrlGrid3->item(1, 3)->text(), QString());
        QTest::mouseClick(w.btnOk, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QCOMPARE(col("202301002", "퇴관일"), QString());
        QCOMPARE(col("202301002", "복관일퇴"), QString("2024-05-10"));
        QCOMPARE(col("202301002", "입관일"), QString("2024-05-10"));
        QCOMPARE(col("202301001", "퇴관일"), QString("2024-02-01"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Return, 5), qint64(1));
    }

    void withdrawListedMembersOnLeave()
    {
        member("202301001", "김가람", {}, "2024-01-10");
        member("202301002", "이나래", {}, "2024-02-10");
        TfRet0010 w;
        w.selectPage(1, true);
        w.chkRetire->setChecked(true);
        QVERIFY(!w.btnInsert->isEnabled());
        QCOMPARE(w.DBCtrlGrid2->horizontalHeaderItem(3)->text(), QString("퇴관일"));
        w.retDatefrom->setDate(QDate(2024, 1, 1));
        w.retDateto->setDate(QDate(2024, 1, 31));
        QTest::mouseClick(w.btnSearch, Qt::LeftButton);
        QCOMPARE(w.DBCtrlGrid2->rowCount(), 1);
        QVERIFY(w.btnDelete->isEnabled());
        QComboBox* box = reasonBox(w.DBCtrlGrid2, 0);
        QVERIFY(box->isEnabled());
        QCOMPARE(box->currentText(), QString("07) 방학/여행"));
        box->setCurrentIndex(box->findText("03) 경제적 사정"));

        m_db->dialogs().answers << QMessageBox::Cancel;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(m_db->dialogs().lastText(), QString("선택하신 회원은 모두 퇴관처리되며\n이 처리는 되돌릴 수 없습니다."));
        QCOMPARE(col("202301001", "퇴관일"), QString());

        w.inToday1->setDate(QDate(2024, 3, 19));
        m_db->dialogs().answers << QMessageBox::Yes;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(col("202301001", "퇴관일"), QString("2024-03-19"));
        QCOMPARE(col("202301001", "퇴관사유코드"), QString("03"));
        QCOMPARE(col("202301001", "최종퇴관일"), QString("2024-03-19"));
        QCOMPARE(col("202301002", "퇴관일"), QString());
        QVERIFY(!w.chkRetire->isChecked());
        QVERIFY(!w.btnDelete->isEnabled());
        QVERIFY(w.btnInsert->isEnabled());
        QCOMPARE(w.total_num->text(), QString("총 원 : 1 명"));
    }
};

QTEST_MAIN(TestRet0010)
#include "tst_ret0010.moc"
