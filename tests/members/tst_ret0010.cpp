// The window 퇴관처리: menu wiring, the batch buttons and the three pages driven through their controls.
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "db/Clock.h"
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
#include <QHeaderView>
#include <QTableView>
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

// Opens the reason drop-down of a line as a click on its cell does; null when the cell cannot be edited.
QComboBox* openReason(QTableView* g, int row)
{
    const QModelIndex i = g->model()->index(row, TfRet0010::kReasonColumn);
    if (!(i.flags() & Qt::ItemIsEditable))
        return nullptr;
    g->setCurrentIndex(i); // a shown grid edits a cell as it becomes current
    if (!g->indexWidget(i))
        g->edit(i);
    return qobject_cast<QComboBox*>(g->indexWidget(i));
}

// Picks a reason from the open drop-down as a click in its list does.
void choose(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY(i >= 0);
    box->setCurrentIndex(i);
    emit box->activated(i);
}

QString cell(QTableView* g, int row, int column) { return g->model()->index(row, column).data().toString(); }

QString header(QTableView* g, int column) { return g->model()->headerData(column, Qt::Horizontal).toString(); }

void tick(QTableView* g, int row)
{
    QVERIFY(g->model()->setData(g->model()->index(row, TfRet0010::kCheckColumn), Qt::Checked, Qt::CheckStateRole));
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
        QCOMPARE(w.DBCtrlGrid1->model()->rowCount(), 2);
        QCOMPARE(w.search_num->text(), QString("조 회 : 2 명"));

        QComboBox* box = openReason(w.DBCtrlGrid1, 0);
        QVERIFY(box);
        QCOMPARE(box->currentText(), QString());
        choose(box, "01) 이사");
        QCOMPARE(cell(w.DBCtrlGrid1, 0, 3), QString("2024-03-18"));
        QCOMPARE(cell(w.DBCtrlGrid1, 0, TfRet0010::kReasonColumn), QString("01) 이사"));

        // Cancel discards the choice.
        QTest::mouseClick(w.btnCancel, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QCOMPARE(cell(w.DBCtrlGrid1, 0, 3), QString());
        QVERIFY(w.btnInsert->isEnabled());

        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        box = openReason(w.DBCtrlGrid1, 1);
        choose(box, "04) 건강");
        QTest::mouseClick(w.btnOk, Qt::LeftButton);
        QVERIFY(!w.batchOpen());
        QVERIFY(!openReason(w.DBCtrlGrid1, 1));
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
        QCOMPARE(w.DBCtrlGrid1->model()->rowCount(), 1);
        QVERIFY(w.btnDelete->isEnabled());
        w.DBCtrlGrid1->setCurrentIndex(w.DBCtrlGrid1->model()->index(0, 0));
        m_db->dialogs().answers << QMessageBox::No;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(m_db->dialogs().lastText(), QString("본 자료는 퇴관자료에 남지를 않고 완전 삭제가 됩니다."));
        QCOMPARE(db::scalar("select count(*) from T_회원").toInt(), 2);
        m_db->dialogs().answers << QMessageBox::Yes;
        QTest::mouseClick(w.btnDelete, Qt::LeftButton);
        QCOMPARE(db::scalar("select count(*) from T_회원").toInt(), 1);
        QCOMPARE(w.DBCtrlGrid1->model()->rowCount(), 0);
    }

    void longListsShowThroughTheModel_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("search");
        QTest::addColumn<bool>("fromWithdrawal");
        QTest::addColumn<int>("rows");
        QTest::newRow("withdrawn members") << 0 << true << false << 3000;
        QTest::newRow("withdrawal candidates") << 0 << false << false << 2500;
        QTest::newRow("members on leave") << 1 << true << false << 500;
        QTest::newRow("leave candidates") << 1 << false << false << 2000;
        QTest::newRow("returns from leave") << 2 << false << false << 500;
        QTest::newRow("returns after withdrawal") << 2 << false << true << 3000;
    }
    void longListsShowThroughTheModel()
    {
        QFETCH(int, page);
        QFETCH(bool, search);
        QFETCH(bool, fromWithdrawal);
        QFETCH(int, rows);
        // 2,000 members training, 500 on leave, 3,000 withdrawn.
        db::run("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 5500) "
                "INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 입관일, 퇴관일, 퇴관사유코드, 휴관일, 휴관사유코드) "
                "SELECT Format(k, '000000000'), '회원' & k, '05', '2020-01-05', IIf(k > 2500, '2023-06-01', Null), "
                "IIf(k > 2500, '01', Null), IIf(k > 2000 And k <= 2500, '2024-01-10', Null), "
                "IIf(k > 2000 And k <= 2500, '07', Null) FROM n");
        TfRet0010 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.selectPage(page, true);
        w.rbo_rtBack->setChecked(fromWithdrawal);
        QTableView* g = page == 0 ? w.DBCtrlGrid1 : page == 1 ? w.DBCtrlGrid2 : w.DBCtrlGrid3;
        auto widgetsOnRows = [g] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return g->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size();
        };
        QTest::mouseClick(search ? w.btnSearch : w.btnInsert, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(g->model()->rowCount(), rows);
        QCOMPARE(w.search_num->text(), QStringLiteral("조 회 : %1 명").arg(rows));
        QCOMPARE(widgetsOnRows(), 0);
        if (search)
            return;
        const int last = rows - 1;
        if (page < 2) {
            // One drop-down while a cell is edited, none once the batch is cancelled.
            QComboBox* box = openReason(g, last);
            QVERIFY(box);
            choose(box, "03) 경제적 사정");
            QCOMPARE(cell(g, last, 3), Clock::todayText());
            QCOMPARE(widgetsOnRows(), 1);
        } else {
            tick(g, last);
            QCOMPARE(cell(g, last, 3), QString());
        }
        QTest::mouseClick(w.btnCancel, Qt::LeftButton);
        QCOMPARE(widgetsOnRows(), 0);
        QCOMPARE(cell(g, last, 3), page == 0 ? QString() : page == 1 ? QString() : QString(fromWithdrawal ? "2023-06-01" : "2024-01-10"));
    }

    void failedBatchStaysOpen()
    {
        member("202401001", "김가람");
        TfRet0010 w;
        w.selectPage(1, true);
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QComboBox* box = openReason(w.DBCtrlGrid2, 0);
        choose(box, "07) 방학/여행");
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
        QCOMPARE(header(w.DBCtrlGrid3, 3), QString("퇴관일"));
        QCOMPARE(header(w.DBCtrlGrid3, 7), QString("퇴관사유"));
        w.inToday2->setDate(QDate(2024, 5, 10));
        QTest::mouseClick(w.btnInsert, Qt::LeftButton);
        QCOMPARE(w.DBCtrlGrid3->model()->rowCount(), 2);
        QVERIFY(!w.rbo_rsBack->isEnabled());
        tick(w.DBCtrlGrid3, 1);
        QCOMPARE(cell(w.DBCtrlGrid3, 1, 3), QString());
        QCOMPARE(w.DBCtrlGrid3->model()->index(1, TfRet0010::kCheckColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
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
        QCOMPARE(header(w.DBCtrlGrid2, 3), QString("퇴관일"));
        w.retDatefrom->setDate(QDate(2024, 1, 1));
        w.retDateto->setDate(QDate(2024, 1, 31));
        QTest::mouseClick(w.btnSearch, Qt::LeftButton);
        QCOMPARE(w.DBCtrlGrid2->model()->rowCount(), 1);
        QVERIFY(w.btnDelete->isEnabled());
        QComboBox* box = openReason(w.DBCtrlGrid2, 0);
        QVERIFY(box);
        QCOMPARE(box->currentText(), QString("07) 방학/여행"));
        choose(box, "03) 경제적 사정");

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
