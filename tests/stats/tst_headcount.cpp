// The figures of the headcount screen and the screen itself.
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "stats/HeadcountFigures.h"
#include "stats/MovementCounter.h"
#include "stats/uMem0010.h"
#include "support/TestDb.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <functional>

namespace {

// The code tables this screen reads, with only the rows a case needs instead of the seed codes.
void codeTables()
{
    for (const char* t : {"T_부별코드", "T_급품코드", "T_학년코드", "T_휴퇴사유", "T_입관동기", "T_도장정보"})
        sqlExec(QString("delete from ") + QString::fromUtf8(t));
    sqlExec("insert into T_부별코드 (부별코드, 부명) values ('01', '유치부'), ('05', '초등부'), ('12', '일반부')");
    sqlExec("insert into T_급품코드 (급품코드, 급품명) values ('01', '흰띠'), ('02', '노란띠'), ('03', '파란띠')");
    sqlExec("insert into T_학년코드 (학년코드, 학년) values ('01', '유치 7'), ('02', '초등 1'), ('03', '일반')");
    sqlExec("insert into T_휴퇴사유 (휴퇴사유코드, 휴퇴사유) values ('01', '이사'), ('02', '학업'), ('03', '질병')");
    sqlExec("insert into T_입관동기 (사유코드, 사유명) values ('01', '소개'), ('02', '전단지')");
    sqlExec("insert into T_도장정보 (도장명) values ('한빛태권도')");
}

void member(const QString& no, const QString& bu, const QString& rank, const QString& grade, const QString& sex,
            const QString& out = QString(), const QString& leave = QString())
{
    db::run("insert into T_회원 (회원번호, 회원명, 부별코드, 급품코드, 학년, 성별, 입관일, 퇴관일, 휴관일) "
            "values (:no, :no, :bu, :rank, :grade, :sex, '2024-01-02', :out, :leave)",
            {{"no", no}, {"bu", bu}, {"rank", rank}, {"grade", grade}, {"sex", sex},
             {"out", out.isEmpty() ? QVariant() : QVariant(out)}, {"leave", leave.isEmpty() ? QVariant() : QVariant(leave)}});
}

// The events as the enrolment, withdrawal and personal-management screens record them: count first,
// then write the member's new state.
void enrol(const QString& no, const QDate& d)
{
    member(no, "05", "01", "초등 1", "남");
    db::run("update T_회원 set 입관일 = :d where 회원번호 = :no", {{"d", db::dateText(d)}, {"no", no}});
    MovementCounter::countEnrolment(no, d, "01");
}
void leave(const QString& no, const QDate& d)
{
    MovementCounter::countLeave(no, d, "02");
    db::run("update T_회원 set 휴관일 = :d, 휴관사유코드 = '02' where 회원번호 = :no", {{"d", db::dateText(d)}, {"no", no}});
}
void withdraw(const QString& no, const QDate& d)
{
    MovementCounter::countWithdrawal(no, d, "01");
    db::run("update T_회원 set 퇴관일 = :d, 퇴관사유코드 = '01', 휴관일 = Null, 휴관사유코드 = '' where 회원번호 = :no",
            {{"d", db::dateText(d)}, {"no", no}});
}
void returnFromLeave(const QString& no, const QDate& d)
{
    MovementCounter::countReturnFromLeave(no, d);
    db::run("update T_회원 set 휴관일 = null, 휴관사유코드 = '', 복관일휴 = :d, 입관일 = :d where 회원번호 = :no",
            {{"d", db::dateText(d)}, {"no", no}});
}
void returnAfterWithdrawal(const QString& no, const QDate& d)
{
    MovementCounter::countReturnAfterWithdrawal(no, d);
    db::run("update T_회원 set 퇴관일 = null, 퇴관사유코드 = '', 복관일퇴 = :d, 입관일 = :d where 회원번호 = :no",
            {{"d", db::dateText(d)}, {"no", no}});
}
void remove(const QString& no, const QDate& d)
{
    MovementCounter::countDeletion(no, d);
    db::run("delete from T_회원 where 회원번호 = :no", {{"no", no}});
}

// Two years of a small school. At the end: B, C, D train; F is on leave; A withdrew; E was deleted.
// `after` runs after every event with its date.
void twoYears(const std::function<void(const QDate&)>& after = {})
{
    auto step = [&](void (*event)(const QString&, const QDate&), const QString& no, const QDate& d) {
        event(no, d);
        if (after)
            after(d);
    };
    step(enrol, "A", QDate(2023, 3, 2));
    step(enrol, "B", QDate(2023, 3, 3));
    step(enrol, "C", QDate(2023, 3, 4));
    step(leave, "B", QDate(2023, 6, 1));
    step(withdraw, "C", QDate(2023, 11, 30));
    step(returnFromLeave, "B", QDate(2024, 2, 1));
    step(enrol, "D", QDate(2024, 2, 5));
    step(leave, "A", QDate(2024, 3, 10));
    step(withdraw, "A", QDate(2024, 4, 2)); // withdrawn while on leave
    step(returnAfterWithdrawal, "C", QDate(2024, 5, 3));
    step(enrol, "E", QDate(2024, 5, 6));
    step(remove, "E", QDate(2024, 5, 20));
    step(enrol, "F", QDate(2024, 5, 7));
    step(leave, "F", QDate(2024, 5, 25));
}

qint64 members(const QString& where) { return db::scalar("select count(*) from T_회원 where " + where).toLongLong(); }

QStringList column(const QList<QStringList>& rows, int c)
{
    QStringList out;
    for (const auto& r : rows)
        out << r.value(c);
    return out;
}

QString lines(const QList<HeadcountFigures::Line>& l)
{
    QStringList out;
    for (const auto& x : l)
        out << x.name + "=" + QString::number(x.count);
    return out.join(',');
}

} // namespace

class TestHeadcount : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        codeTables();
    }
    void cleanup() { m_db.reset(); }

    // Codes without current members stay listed with 0, also when all their members have withdrawn.
    void overallKeepsEveryCode()
    {
        member("202401001", "01", "01", "유치 7", "남");
        member("202401002", "01", "02", "유치 7", "여", QString(), "2024-03-01"); // on leave: still current
        member("202401003", "05", "03", "초등 1", "남", "2024-04-01");           // the only 초등부 member, withdrawn
        const HeadcountFigures::Overall o = HeadcountFigures::overall();
        QCOMPARE(lines(o.divisions), QString("유치부=2,초등부=0,일반부=0"));
        QCOMPARE(lines(o.ranks), QString("흰띠=1,노란띠=1,파란띠=0"));
        QCOMPARE(lines(o.grades), QString("유치 7=2,초등 1=0,일반=0"));
        QCOMPARE(o.male, 1);
        QCOMPARE(o.female, 1);
        QCOMPARE(o.onLeave, 1);
        QCOMPARE(o.withdrawn, 1);
        QCOMPARE(o.returned, 0);
        QCOMPARE(HeadcountFigures::currentMembers(), 2);
    }

    // The month-end headcount of page 1 is the number of members who train, month by month.
    void monthEndHeadcountMatchesMembers()
    {
        twoYears();
        const qint64 training = db::scalar("select count(*) from T_회원 where 퇴관일 is null and 휴관일 is null").toLongLong();
        QCOMPARE(training, 3);

        const QList<QStringList> rows2024 = HeadcountFigures::yearRows(2024);
        QCOMPARE(rows2024.size(), 9);
        QCOMPARE(rows2024[8], (QStringList{"   현재원", "1", "3", "2", "2", "3", "3", "3", "3", "3", "3", "3", "3", ""}));
        QCOMPARE(rows2024[8][12].toLongLong(), training);
        QCOMPARE(HeadcountFigures::yearRows(2023)[8][12], QString("1")); // A alone at the end of 2023
        QCOMPARE(HeadcountFigures::yearRows(2030)[8][12], QString("3")); // later years carry it on

        QCOMPARE(rows2024[0], (QStringList{"   입   관", "0", "1", "0", "0", "2", "0", "0", "0", "0", "0", "0", "0", "0.3"}));
        // A's withdrawal in April: 퇴관 and 증감 count it, 현재원 does not (his leave took him out in March).
        QCOMPARE(rows2024[5], (QStringList{"   증   감", "0", "2", "-1", "-1", "1", "0", "0", "0", "0", "0", "0", "0", "0.1"}));
        QCOMPARE(rows2024[1], (QStringList{"   복   관", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0.2"}));
        QCOMPARE(rows2024[4], QStringList(14, QString()));

        // Page 2's total counts the members not withdrawn, those on leave too.
        QCOMPARE(HeadcountFigures::comparisonYearCaptions(2024),
                 (QStringList{"2022       총원:  0", "2023       총원:  2", "2024       총원:  4"}));
    }

    // At every step of the walk: page 1's 현재원 of the month is the members training, page 2's 총원 of the
    // year the members not withdrawn, and 복관 counts the real returns the member table shows.
    void figuresAgreeAtEveryStep()
    {
        int steps = 0;
        twoYears([&steps](const QDate& d) {
            ++steps;
            const QString when = db::dateText(d);
            const qint64 training = members(MemberStatus::active());
            QVERIFY2(HeadcountFigures::yearMovement(d.year()).headcount[d.month() - 1] == training,
                     qPrintable(when + QStringLiteral(": 현재원, members training %1").arg(training)));
            const qint64 notWithdrawn = members(MemberStatus::notWithdrawn());
            QCOMPARE(HeadcountFigures::comparisonYearCaptions(d.year()).value(2),
                     QStringLiteral("%1       총원:  %2").arg(d.year()).arg(notWithdrawn));
            const QString month = when.left(7) + u'%';
            const qint64 returns = db::scalar("select count(*) from T_회원 where 복관일휴 like :m", {{"m", month}}).toLongLong()
                                   + db::scalar("select count(*) from T_회원 where 복관일퇴 like :m", {{"m", month}}).toLongLong();
            QVERIFY2(HeadcountFigures::yearMovement(d.year()).back[d.month() - 1] == returns,
                     qPrintable(when + QStringLiteral(": 복관, returns %1").arg(returns)));
        });
        QCOMPARE(steps, 14);
    }

    void comparisonPage()
    {
        twoYears();
        const QList<QStringList> rows = HeadcountFigures::comparisonRows(2024);
        QCOMPARE(rows.size(), 14);
        QCOMPARE(HeadcountFigures::comparisonHeader().size(), 24);
        QCOMPARE(rows[8][0], QString("  9 월"));
        QCOMPARE(rows[9][0], QString(" 10 월"));
        // May: 2022 empty, 2023 nothing, 2024 입 2 복 1 휴 1 퇴 1, 증 = 2 + 1 − 1.
        QCOMPARE(rows[4].mid(13, 6), (QStringList{"2", "1", "1", "1", "2", ""}));
        QCOMPARE(rows[4].mid(1, 6), (QStringList{"0", "0", "0", "0", "0", ""}));
        QCOMPARE(rows[4].mid(19), (QStringList{"0.7", "0.3", "0.3", "0.3", "0.7"}));
        QCOMPARE(rows[12], QStringList(24, QString()));
        // Monthly averages: 2024 has 3 enrolments (0.25 shown by the database as 0.3), 2022 no row.
        const QStringList avg = rows[13];
        QCOMPARE(avg[0], QString(" 평 균"));
        QCOMPARE(avg.mid(1, 6), (QStringList{"0", "0", "0", "0", "", ""}));
        QCOMPARE(avg.mid(7, 6), (QStringList{"0.3", "0", "0.1", "0.1", "", ""}));
        QCOMPARE(avg.mid(13, 6), (QStringList{"0.3", "0.2", "0.2", "0.2", "", ""}));
        QCOMPARE(avg.mid(19), (QStringList{"0.2", "0.1", "0.1", "0.1", ""}));

        const HeadcountFigures::YearSummary s = HeadcountFigures::yearSummary(2024);
        QCOMPARE(QStringList({s.in, s.back, s.leave, s.out}), (QStringList{"3", "2", "2", "2"}));
        QCOMPARE(HeadcountFigures::yearSummary(2022).in, QString("0"));
    }

    void reasonPages_data()
    {
        QTest::addColumn<int>("log");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<int>("reasons");
        QTest::newRow("withdrawals") << int(HeadcountFigures::Withdrawals) << "insert into T_퇴관사유별현황 values" << 3;
        QTest::newRow("leaves") << int(HeadcountFigures::Leaves) << "insert into T_휴관사유별현황 values" << 3;
        QTest::newRow("motives") << int(HeadcountFigures::Motives) << "insert into T_입관동기별현황 values" << 2;
    }

    void reasonPages()
    {
        QFETCH(int, log);
        QFETCH(QString, insert);
        QFETCH(int, reasons);
        sqlExec(insert + " ('1', '2022-12-31', '01'), ('2', '2024-03-05', '01'), ('3', '2024-03-28', '02'),"
                         " ('4', '2024-11-01', '02'), ('5', '2024-03-09', '77'), ('6', '2021-01-01', '01')");
        const auto l = HeadcountFigures::ReasonLog(log);
        QCOMPARE(HeadcountFigures::reasonCodes(l).size(), reasons);
        QCOMPARE(HeadcountFigures::reasonLogTotal(l), 6); // code 77 is in no column but in the total
        QCOMPARE(HeadcountFigures::reasonYearCounts(l, 2024), (std::array<qint64, 3>{1, 0, 4}));

        const QList<QStringList> rows = HeadcountFigures::reasonRows(l, 2024);
        QCOMPARE(rows.size(), 18);
        const QStringList zero(reasons - 2, "0");
        QCOMPARE(rows[0], QStringList({"전  체", "3", "2"}) + zero);
        QCOMPARE(rows[1], QStringList(reasons + 1, QString()));
        QCOMPARE(rows[2], QStringList({"2022 년", "1", "0"}) + zero);
        QCOMPARE(rows[3], QStringList({"2023 년", "0", "0"}) + zero);
        QCOMPARE(rows[4], QStringList({"2024 년", "1", "2"}) + zero);
        QCOMPARE(rows[8], QStringList({"3 월", "1", "1"}) + zero);
        QCOMPARE(rows[16], QStringList({"11 월", "0", "1"}) + zero);
        QCOMPARE(rows[17], QStringList({"12 월", "0", "0"}) + zero);
    }

    void screen()
    {
        twoYears();
        TfMem0010 w;
        QCOMPARE(w.windowTitle(), QString("인원현황"));
        QCOMPARE(w.Pan_Company->text(), QString("한빛태권도"));
        QCOMPARE(w.lb_no->text(), QString("총 입관원 : 6"));
        QCOMPARE(w.total_num->text(), QString("총 원 :4")); // B, C, D and F on leave
        QCOMPARE(w.lbl_TotPerCount->text(), QString("현 재 원 :4"));
        QCOMPARE(w.seYear->value(), 2024);
        QCOMPARE(w.seRetView->minimum(), 1900);
        QCOMPARE(w.seYear1->minimum(), 1996);
        QVERIFY(!w.BitBtn1->isEnabled() && !w.BitBtn5->isEnabled() && w.BitBtn4->isEnabled());

        // Page 0 is computed at once.
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        QCOMPARE(w.grdDivision->model()->index(1, 0).data().toString(), QString("초등부"));
        QCOMPARE(w.grdDivision->model()->index(1, 1).data().toString(), QString("4"));
        QCOMPARE(w.lblLeave->text(), QString("휴  관 :1"));

        // Other pages wait for 조회.
        w.showPage(1);
        QCOMPARE(w.grdYear->model()->rowCount(), 0);
        w.BitBtn4Click();
        QCOMPARE(w.grdYear->model()->rowCount(), 9);
        QCOMPARE(w.grdYear->model()->index(8, 12).data().toString(), QString("3"));

        w.showPage(2);
        w.seYear1->setValue(2024);
        w.BitBtn4Click();
        QCOMPARE(w.lblCompareYear[2]->text(), QString("2024       총원:  4"));
        QCOMPARE(w.lblSumIn->text(), QString("입  관 :3"));
        QCOMPARE(w.lblSumTotal->text(), QString("총  원 : 4"));

        w.showPage(3);
        QCOMPARE(w.grdReason[0]->model()->columnCount(), 4);
        QCOMPARE(w.grdReason[0]->model()->headerData(0, Qt::Horizontal).toString(), QString("구  분"));
        QCOMPARE(w.grdReason[0]->model()->headerData(3, Qt::Horizontal).toString(), QString("질병"));
        w.BitBtn4Click();
        QCOMPARE(w.lblReasonTotal[0]->text(), QString("총퇴관자 : 3"));
        QCOMPARE(w.grdReason[0]->model()->index(0, 0).data().toString(), QString("전  체"));
        QCOMPARE(w.grdReason[1]->model()->rowCount(), 0); // page 4 not asked yet

        // Back on page 0 it is recomputed: a new member shows at once.
        member("202406001", "12", "01", "일반", "여");
        w.showPage(0);
        QCOMPARE(w.grdDivision->model()->index(2, 1).data().toString(), QString("1"));
    }

    // The six menu items open the one screen on their page; an open screen keeps its page.
    void menuEntries()
    {
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        QList<screens::Entry> mine;
        for (const screens::Entry& e : screens::entries())
            if (e.target == "TfMem0010")
                mine << e;
        QCOMPARE(mine.size(), 7); // six menu items and the launch-screen button
        for (const screens::Entry& e : mine)
            QVERIFY2(host.available(e), qPrintable(e.place.join('/')));

        auto find = [&](const QString& caption) {
            for (const screens::Entry& e : mine)
                if (e.place.value(0) == "인원현황" && e.place.value(1) == caption)
                    return e;
            return screens::Entry{};
        };
        auto* w = qobject_cast<TfMem0010*>(host.run(find("퇴관사유별현황")));
        QVERIFY(w);
        QCOMPARE(w->currentPage(), 3);
        QCOMPARE(w->grdDivision->model()->rowCount(), 3); // page 0 was computed on opening
        QCOMPARE(host.run(find("전체인원현황")), static_cast<QWidget*>(w));
        QCOMPARE(w->currentPage(), 3);
        host.closeAll();
    }
};

QTEST_MAIN(TestHeadcount)
#include "tst_headcount.moc"
