// Badges: the next one of the series, at most one a month, holdings and order counts.
#include "attendance/AttendanceFixture.h"

#include "db/Query.h"
#include "members/Badges.h"
#include "members/uInp0020.h"
#include "ui/DateEdit.h"
#include "ui/ListModel.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using attfix::addMember;

namespace {

void give(const QString& no, const QString& code, const QString& date)
{
    db::run("INSERT INTO T_뱃지지급 (회원번호, 뱃지코드, 지급일자) VALUES (:no, :c, :d)", {{"no", no}, {"c", code}, {"d", date}});
}

QStringList numbers(const QList<Badges::Line>& lines)
{
    QStringList out;
    for (const Badges::Line& l : lines)
        out << l.memberNo + ":" + l.next;
    return out;
}

} // namespace

class TstBadges : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    // Seeded series 01 .. 06: a member without badges, two holding 02, one with the whole series, one
    // withdrawn without badges, one on leave.
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({"202301001", "가없음"});
        addMember({"202301002", "나둘", "03", "10", "2023-01-11"});
        addMember({"202301003", "다둘", "03", "10", "2023-01-12"});
        addMember({"202301004", "라전부", "03", "10", "2023-01-13"});
        addMember({"202301005", "마퇴관", "03", "10", "2023-01-14", {}, "2024-01-31"});
        addMember({"202301006", "바휴관", "03", "10", "2023-01-15", "2024-01-31"});
        give("202301002", "01", "2024-01-05");
        give("202301002", "02", "2024-03-02");
        give("202301003", "01", "2024-01-05");
        give("202301003", "02", "2024-02-10");
        for (int k = 1; k <= 6; ++k)
            give("202301004", QStringLiteral("0%1").arg(k), QStringLiteral("2023-0%1-01").arg(k));
    }
    void cleanup() { m_db.reset(); }

    void nextBadge_data()
    {
        QTest::addColumn<QString>("highest");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("next");
        QTest::newRow("none") << "" << "06" << "01";
        QTest::newRow("01") << "01" << "06" << "02";
        QTest::newRow("02") << "02" << "06" << "03";
        QTest::newRow("09") << "09" << "12" << "10";
        QTest::newRow("the last") << "06" << "06" << "";
    }
    void nextBadge()
    {
        QFETCH(QString, highest);
        QFETCH(QString, last);
        QFETCH(QString, next);
        QCOMPARE(Badges::nextCode(highest, last), next);
    }

    // A badge given on 2024-03-02 keeps the member out of every issue in March and not in April; the
    // complete series is proposed but never given.
    void onceAMonth()
    {
        QCOMPARE(numbers(Badges::proposals({}, QDate(2024, 3, 31))), (QStringList{"202301001:01", "202301003:03", "202301004:"}));
        QCOMPARE(numbers(Badges::proposals({}, QDate(2024, 4, 1))),
                 (QStringList{"202301001:01", "202301002:03", "202301003:03", "202301004:"}));
        QCOMPARE(Badges::givenInMonth(QDate(2024, 3, 15)), QStringList{"202301002"});
        QCOMPARE(Badges::issue(Badges::proposals({}, QDate(2024, 4, 1)), QDate(2024, 4, 1)), 3);
        QVERIFY(Badges::proposals({}, QDate(2024, 4, 30)).size() == 1); // only the complete series is listed again
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 회원번호 = '202301004'").toInt(), 6);
    }

    // Lines built for one month and written in another would give a second badge in that month: the
    // issue refuses the whole batch, naming the member.
    void secondBadgeOfAMonthRefused()
    {
        const QList<Badges::Line> march = Badges::proposals({}, QDate(2024, 3, 31));
        give("202301001", "01", "2024-04-10");
        try {
            Badges::issue(march, QDate(2024, 4, 15));
            QFAIL("a second badge of April was given");
        } catch (const Badges::Refused& e) {
            QVERIFY(e.message().contains(QStringLiteral("가없음")));
            QVERIFY(e.message().contains(QStringLiteral("2024-04-10")));
        }
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 지급일자 >= '2024-04-01'").toInt(), 1);
        QCOMPARE(Badges::issue(Badges::proposals({}, QDate(2024, 3, 31)), QDate(2024, 3, 31)), 2);
    }

    void orderCounts()
    {
        QList<int> counts;
        int total = 0;
        for (const Badges::Order& o : Badges::orders()) {
            counts << o.count;
            total += o.count;
        }
        // 01: the two without badges (the one on leave too, the withdrawn one not); 03: the two holding 02.
        QCOMPARE(counts, (QList<int>{2, 0, 2, 0, 0, 0}));
        QCOMPARE(total, 4);
    }

    void holdingsShowNames()
    {
        const QList<Badges::Holding> all = Badges::holdings({}, false, QDate());
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[1].name + "|" + all[1].currentName + "|" + all[1].nextName + "|" + all[1].givenOn,
                 QString("나둘|기본동작 뱃지|품새 뱃지|2024-03-02"));
        const QList<Badges::Holding> onDay = Badges::holdings({}, true, QDate(2024, 2, 10));
        QCOMPARE(onDay.size(), 1);
        QCOMPARE(onDay[0].memberNo, QString("202301003"));
    }

    // The date of open lines is locked: they are given on the date they were proposed for.
    void windowLocksTheIssueDate()
    {
        TfInp0020 w;
        w.dtpk_Date->setDate(QDate(2024, 3, 31));
        w.Btn_InsertClick();
        QVERIFY(!w.dtpk_Date->isEnabled());
        w.dtpk_Date->setDate(QDate(2024, 4, 1));
        w.Btn_ConfirmClick();
        QVERIFY(w.dtpk_Date->isEnabled());
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 지급일자 = '2024-03-31'").toInt(), 2);
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 지급일자 = '2024-04-01'").toInt(), 0);
        QVERIFY(m_db->dialogs().log.isEmpty());
    }

    // The window: proposals, a line dropped by a click on its choice, confirm gives the rest.
    void windowIssues()
    {
        TfInp0020 w;
        QCOMPARE(w.currentPage(), int(TfInp0020::Issue));
        w.dtpk_Date->setDate(QDate(2024, 4, 1));
        w.Btn_InsertClick();
        QCOMPARE(w.lines().size(), 4);
        QVERIFY(w.Btn_Confirm->isEnabled());
        emit w.grid0->clicked(w.issueModel()->index(0, 9));
        QCOMPARE(w.issueModel()->data(w.issueModel()->index(0, 9), Qt::DisplayRole).toString(), QString("취소"));
        w.Btn_ConfirmClick();
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 지급일자 = '2024-04-01'").toInt(), 2);
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_뱃지지급 WHERE 회원번호 = '202301001'").toInt(), 0);
        w.selectPage(TfInp0020::Orders, true);
        QVERIFY(w.Btn_Print->isEnabled() && !w.Btn_Insert->isEnabled());
        w.Btn_QueryClick();
        QCOMPARE(w.lbl_OrderTotal->text(), QString("총주문 갯수: 4"));
    }
};

QTEST_MAIN(TstBadges)
#include "tst_badges.moc"
