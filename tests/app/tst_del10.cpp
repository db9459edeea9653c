// " 기간별 삭제": withdrawn members with everything under their numbers, fee payments, daily status and
// the whole cash book.
#include "backup/PeriodDeletion.h"
#include "app/Screens.h"
#include "ui/ScreenHost.h"
#include "app/uDel10.h"
#include "cashbook/uMon0010.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "db/MemberRecords.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFocusEvent>
#include <QTableView>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QRadioButton>
#include <QTest>

namespace {

// The keys left in a table, in order, joined with ",".
QString keys(const QString& table, const QString& column)
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT %1 AS k FROM %2 ORDER BY %1").arg(column, table));
    q.open();
    while (q.next())
        out << q.str("k");
    return out.join(',');
}

QString everything()
{
    return keys("T_회원", "회원번호") + " | " + keys("T_가족사항", "회원번호") + " | " + keys("T_심사", "회원번호") + " | "
        + keys("T_수련비납부", "납부일자") + " | " + keys("T_일일현황", "일자") + " | " + keys("T_금전출납", "일자");
}

} // namespace

class TestDel10 : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        // Members A..F withdrawn around 2024 (F still training); each with a family row, an exam row and a
        // fee paid on his withdrawal day (F: on 2024-06-30).
        const QList<std::pair<QString, QString>> members = {{"202201001", "'2023-12-31'"}, {"202201002", "'2024-01-01'"},
                                                            {"202201003", "'2024-06-30'"}, {"202201004", "'2024-12-31'"},
                                                            {"202201005", "'2025-01-01'"}, {"202201006", "null"}};
        // Tables of other subsystems, as far as the fixture needs them.
        if (!db::tableExists("T_심사"))
            sqlExec("CREATE TABLE T_심사 (회원번호 TEXT, 심사명 TEXT)");
        if (!db::tableExists("T_퇴관사유별현황"))
            sqlExec("CREATE TABLE T_퇴관사유별현황 (회원번호 TEXT, 퇴관일 TEXT, 퇴관사유코드 TEXT)");
        int n = 0;
        for (const auto& [no, out] : members) {
            ++n;
            sqlExec(QString("INSERT INTO T_회원 (회원번호, 회원명, 퇴관일) VALUES ('%1', '회원%2', %3)").arg(no).arg(n).arg(out));
            sqlExec(QString("INSERT INTO T_가족사항 (회원번호, 순번, 성명) VALUES ('%1', 1, '부모%2')").arg(no).arg(n));
            sqlExec(QString("INSERT INTO T_심사 (회원번호, 심사명) VALUES ('%1', '2022 승급')").arg(no));
            if (out != "null")
                sqlExec(QString("INSERT INTO T_퇴관사유별현황 VALUES ('%1', %2, '01')").arg(no, out));
            QFile photo(ProgramDir::file("images/" + no + ".bmp"));
            QVERIFY(photo.open(QIODevice::WriteOnly));
            const QString paid = out == "null" ? "'2024-06-30'" : out;
            sqlExec(QString("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('%1', '202201', %2, %3, 50000)")
                        .arg(no).arg(n).arg(paid));
        }
        for (const char* d : {"2023-12-31", "2024-01-01", "2024-12-31", "2025-01-01"}) {
            sqlExec(QString("INSERT INTO T_일일현황 (일자, 유급자수련내용1) VALUES ('%1', '품새')").arg(d));
            sqlExec(QString("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액) VALUES ('%1', 1, '01', 50000)").arg(d));
        }
        sqlExec("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('202403', '1')");
    }
    void cleanup() { m_db.reset(); }

    void deleteByPeriod_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("left");
        const QString all = "202201001,202201002,202201003,202201004,202201005,202201006";
        const QString fees = "2023-12-31,2024-01-01,2024-06-30,2024-06-30,2024-12-31,2025-01-01";
        const QString days = "2023-12-31,2024-01-01,2024-12-31,2025-01-01";
        const QString untouched = all + " | " + all + " | " + all + " | " + fees + " | " + days + " | " + days;
        const QString kept = "202201001,202201005,202201006";
        QTest::newRow("withdrawn members of 2024, both end days")
            << "퇴관자료" << "20240101" << "20241231" << QMessageBox::Yes
            << kept + " | " + kept + " | " + kept + " | " + fees + " | " + days + " | " + days; // fees stay with the books
        QTest::newRow("withdrawn members of one day") << "퇴관자료" << "20240630" << "20240630" << QMessageBox::Yes
            << QString(untouched).replace("202201003,", "");
        QTest::newRow("fee payments of 2024") << "수련비납부내역" << "20240101" << "20241231" << QMessageBox::Yes
            << all + " | " + all + " | " + all + " | 2023-12-31,2025-01-01 | " + days + " | " + days;
        QTest::newRow("daily status of 2024") << "일일현황" << "20240101" << "20241231" << QMessageBox::Yes
            << all + " | " + all + " | " + all + " | " + fees + " | 2023-12-31,2025-01-01 | " + days;
        QTest::newRow("no kind chosen") << "" << "20200101" << "20301231" << QMessageBox::Yes << untouched;
        QTest::newRow("answered No") << "퇴관자료" << "20200101" << "20301231" << QMessageBox::No << untouched;
        QTest::newRow("empty from-date") << "퇴관자료" << "" << "20301231" << QMessageBox::Yes << untouched;
        QTest::newRow("month 13") << "일일현황" << "20240101" << "20241301" << QMessageBox::Yes << untouched;
    }
    void deleteByPeriod()
    {
        QFETCH(QString, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, left);
        TfDel10 w;
        w.edt_FromDate->setText(from);
        w.edt_ToDate->setText(to);
        for (QRadioButton* rb : {w.rb_Withdrawn, w.rb_CashAll, w.rb_Fees, w.rb_Daily})
            if (rb->text() == kind)
                rb->click();
        m_db->dialogs().answers << answer;
        w.Btn_DeleteClick();

        QCOMPARE(everything(), left);
        const auto& log = m_db->dialogs().log;
        QCOMPARE(log.first().text, QString("삭제된 자료는 복구할수 없습니다. 삭제하시겠습니까?."));
        if (from.isEmpty()) {
            QCOMPARE(log.last().text, QString("일자를 입력하세요."));
            QCOMPARE(w.focusWidget(), w.edt_FromDate);
        } else if (to.contains("1301")) {
            QCOMPARE(log.last().text, QString("날짜 형식을 확인하세요."));
            QCOMPARE(w.focusWidget(), w.edt_ToDate);
        } else {
            QCOMPARE(log.size(), 1); // a deletion by period says nothing more
        }
    }

    void leavingDateFieldChecksIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("month 13") << "20241301" << false;
        QTest::newRow("30 February") << "20240230" << false;
        QTest::newRow("leap day") << "20240229" << true;
        QTest::newRow("only part typed") << "2024" << false;
        QTest::newRow("empty") << "" << true;
    }
    void leavingDateFieldChecksIt()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        TfDel10 w;
        w.edt_ToDate->setFocus();
        w.edt_FromDate->setText(text);
        QCOMPARE(w.edt_FromDateExit(), ok);
        QCOMPARE(m_db->dialogs().saw("날짜 형식을 확인하세요."), !ok);
        if (!ok)
            QCOMPARE(w.focusWidget(), w.edt_FromDate);
    }

    // A wrong date is reported when the user moves on to the other field, not when a drop-down or
    // another window takes the focus for a moment.
    void dateCheckedOnlyWhenMovingOn_data()
    {
        QTest::addColumn<int>("how"); // 0 the other date field, 1 a drop-down, 2 another window
        QTest::addColumn<bool>("checked");
        QTest::newRow("to the other date field") << 0 << true;
        QTest::newRow("a drop-down takes the focus") << 1 << false;
        QTest::newRow("another window") << 2 << false;
    }
    void dateCheckedOnlyWhenMovingOn()
    {
        QFETCH(int, how);
        QFETCH(bool, checked);
        TfDel10 w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.edt_FromDate->setFocus();
        w.edt_FromDate->setText("20241301");
        QWidget other;
        switch (how) {
        case 0:
            w.edt_ToDate->setFocus(Qt::TabFocusReason);
            break;
        case 1: {
            QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
            QApplication::sendEvent(w.edt_FromDate, &out);
            break;
        }
        default:
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            break;
        }
        QCOMPARE(m_db->dialogs().saw("날짜 형식을 확인하세요."), checked);
    }

    // An open cash-book window does not go on showing the lines of an emptied cash book.
    void emptiedCashBookLeavesNoLinesOnScreen()
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        auto* cash = qobject_cast<TfMon0010*>(host.open("TfMon0010"));
        QVERIFY(cash);
        cash->showPage(TfMon0010::PgRegister);
        cash->dtpk_Date->setDate(QDate(2024, 1, 1));
        QVERIFY(!cash->grd_Lines->model()->index(0, 0).data().toString().isEmpty());
        TfDel10 w;
        w.rb_CashAll->click();
        m_db->dialogs().answers << QMessageBox::Yes;
        w.Btn_DeleteClick();
        QCOMPARE(db::scalarText("SELECT count(*) FROM T_금전출납"), QString("0"));
        QCOMPARE(cash->grd_Lines->model()->rowCount(), 1);
        QVERIFY(cash->grd_Lines->model()->index(0, 0).data().toString().isEmpty()); // the empty row of a day without lines
    }

    void openingState()
    {
        TfDel10 w;
        QCOMPARE(w.windowTitle(), QString(" 기간별 삭제"));
        QCOMPARE(w.edt_FromDate->text(), QString("2024/05/15"));
        QCOMPARE(w.edt_ToDate->text(), QString("2024/05/15"));
        QCOMPARE(w.chosenKind(), PeriodDeletion::Kind::None);
        w.rb_CashAll->click();
        QVERIFY(w.edt_FromDate->isHidden() && w.edt_ToDate->isHidden() && w.lbl_Date->isHidden() && w.lbl_Tilde->isHidden());
        w.rb_Fees->click();
        QVERIFY(!w.edt_FromDate->isHidden() && !w.edt_ToDate->isHidden() && !w.lbl_Date->isHidden() && !w.lbl_Tilde->isHidden());
    }

    // The three items of the menu "기  타" reach backup, restore and this screen, which opens once.
    void reachedFromTheMenu()
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        QHash<QString, screens::Entry> items;
        for (const screens::Entry& e : screens::entries())
            if (e.place.size() == 2 && e.place[0] == "기  타")
                items.insert(e.place[1], e);
        for (const QString& name : {"자료보관", "자료복구", "자료삭제"})
            QVERIFY2(host.available(items.value(name)), qPrintable(name));

        QWidget* screen = host.run(items.value("자료삭제"));
        QVERIFY(qobject_cast<TfDel10*>(screen));
        QCOMPARE(host.run(items.value("자료삭제")), screen);
        QCOMPARE(area->subWindowList().size(), 1);

        host.run(items.value("자료보관")); // the save dialog, answered with Cancel
        QCOMPARE(m_db->dialogs().log.last().caption, QString("보관할 곳을 선택하세요 "));
    }

    // Emptied whatever the (hidden, here empty) dates say, reported, and no month stays closed.
    void cashBookEmptied()
    {
        TfDel10 w;
        w.edt_FromDate->clear();
        w.edt_ToDate->clear();
        w.rb_CashAll->click();
        m_db->dialogs().answers << QMessageBox::Yes;
        w.Btn_DeleteClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납").toInt(), 0);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납마감").toInt(), 0);
        QCOMPARE(db::lastClosedMonth(), QString("000000"));
        QCOMPARE(m_db->dialogs().log.last().kind, QString("information"));
        QCOMPARE(m_db->dialogs().log.last().text, QString("금전출납 자료를 모두 삭제 하였습니다."));
        QCOMPARE(keys("T_수련비납부", "count(*)"), QString("6"));
    }

    void cashBookFailureIsReportedAndUndone()
    {
        sqlExec("CREATE TRIGGER keep_closing BEFORE DELETE ON T_금전출납마감 BEGIN SELECT RAISE(ABORT, 'locked'); END");
        TfDel10 w;
        w.rb_CashAll->click();
        m_db->dialogs().answers << QMessageBox::Yes;
        w.Btn_DeleteClick();
        QCOMPARE(m_db->dialogs().log.last().kind, QString("critical"));
        QVERIFY(m_db->dialogs().log.last().text.startsWith("삭제 에러 입니다."));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납").toInt(), 4);
        QCOMPARE(db::lastClosedMonth(), QString("202403"));
    }

    // No trace of a deleted member is left in the tables of members; the withdrawal history keeps its
    // rows, so past months count as before.
    void withdrawnMembersLeaveNoTrace()
    {
        QCOMPARE(PeriodDeletion::deleteWithdrawn(QDate(2024, 1, 1), QDate(2024, 12, 31)), 3);
        QStringList tables = MemberRecords::tablesDeletedWithMember();
        tables << "T_회원";
        for (const QString& t : tables) {
            if (!db::tableExists(t))
                continue;
            const int left = db::scalar(QString("SELECT count(*) FROM %1 WHERE 회원번호 IN ('202201002', '202201003', '202201004')").arg(t)).toInt();
            QVERIFY2(left == 0, qPrintable(t));
        }
        QCOMPARE(keys("T_퇴관사유별현황", "퇴관일"), QString("2023-12-31,2024-01-01,2024-06-30,2024-12-31,2025-01-01"));
        QStringList photos = QDir(ProgramDir::file("images")).entryList(QDir::Files, QDir::Name);
        QCOMPARE(photos, QStringList({"202201001.bmp", "202201005.bmp", "202201006.bmp"}));
    }

    // A failure part-way leaves every member and every row of his as it was.
    void withdrawnDeletionIsAllOrNothing()
    {
        sqlExec("CREATE TRIGGER keep_exams BEFORE DELETE ON T_심사 WHEN old.회원번호 = '202201004' "
                "BEGIN SELECT RAISE(ABORT, 'locked'); END");
        const QString before = everything();
        QVERIFY_THROWS_EXCEPTION(db::Error, PeriodDeletion::deleteWithdrawn(QDate(2024, 1, 1), QDate(2024, 12, 31)));
        QCOMPARE(everything(), before);
        QCOMPARE(QDir(ProgramDir::file("images")).entryList(QDir::Files).size(), 6);
    }
};

QTEST_MAIN(TestDel10)
#include "tst_del10.moc"
