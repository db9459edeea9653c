// The door and the desk on the large school prepared by bench_main, each beside its floor: one scan
// through the check-in window (field -> member shown and stored) and the day's absences proposed from
// the check-ins ("출석체크 반영" on the absence entry page, the day's lines included).
#include "Floor.h"

#include "attendance/uAtt0010.h"
#include "attendance/uCheckIn.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "ui/DateEdit.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

const QDate kToday(2026, 12, 10);

// Current members by number: each scan is another member's first of the day, so it is stored.
QStringList currentMembers()
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 회원번호 FROM T_회원 WHERE 퇴관일 Is Null AND 휴관일 Is Null ORDER BY 회원번호"));
    q.open();
    while (q.next())
        out << q.str(QStringLiteral("회원번호"));
    return out;
}

void BM_CheckInScanScreen(benchmark::State& state)
{
    const QStringList members = currentMembers();
    TfCheckIn w;
    // A day after the generated year, so the scans do not change the proposals measured below.
    QDateTime at(kToday.addDays(1), QTime(15, 0));
    int i = 0;
    for (auto _ : state) {
        Clock::setFixed(at);
        w.edt_Input->setText(members[i % members.size()]);
        w.edt_InputReturn();
        benchmark::DoNotOptimize(w.lastResult().outcome);
        at = at.addSecs(1);
        ++i;
    }
    Clock::setFixed(QDateTime(kToday, QTime(10, 0)));
}
BENCHMARK(BM_CheckInScanScreen)->Unit(benchmark::kMillisecond);

// The floor: the member with his division, the check-in of the last ten minutes, the insert, on a
// writable connection of its own (the shared floor connection only reads).
void BM_CheckInScanScreen_floor(benchmark::State& state)
{
    const QStringList members = currentMembers();
    sqlite3* con = nullptr;
    sqlite3_open_v2(ProgramDir::databaseFile().toUtf8().constData(), &con, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(con, 5000);
    auto run = [con](const char* sql, std::initializer_list<std::string> params) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(con, sql, -1, &st, nullptr);
        int i = 0;
        for (const std::string& p : params)
            sqlite3_bind_text(st, ++i, p.c_str(), int(p.size()), SQLITE_TRANSIENT);
        int n = 0;
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                n += sqlite3_column_bytes(st, c);
        sqlite3_finalize(st);
        return n;
    };
    QDateTime at(kToday.addDays(2), QTime(15, 0));
    int i = 0;
    for (auto _ : state) {
        const std::string no = members[i % members.size()].toStdString();
        const std::string now = at.toString("yyyy-MM-dd hh:mm:ss").toStdString();
        benchmark::DoNotOptimize(run("SELECT a.회원번호, a.회원명, a.생년월일, a.퇴관일, a.휴관일, b.부명 FROM T_회원 a "
                                     "LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 WHERE a.회원번호 = ?",
                                     {no}));
        benchmark::DoNotOptimize(run("SELECT Max(체크일시) FROM T_출석체크 WHERE 회원번호 = ? AND 체크일시 > datetime(?, '-10 minutes') "
                                     "AND 체크일시 < datetime(?, '+10 minutes')",
                                     {no, now, now}));
        run("INSERT INTO T_출석체크 (회원번호, 체크일시, 구분) VALUES (?, ?, '번호')", {no, now});
        at = at.addSecs(1);
        ++i;
    }
    sqlite3_close(con);
}
BENCHMARK(BM_CheckInScanScreen_floor)->Unit(benchmark::kMillisecond);

void BM_AbsencesFromCheckInsScreen(benchmark::State& state)
{
    TfAtt0010 w;
    w.selectPage(TfAtt0010::PageEntry, true);
    w.dtpk_FromDate->setDate(kToday);
    for (auto _ : state) {
        w.btn_CheckInClick();
        state.counters["lines"] = w.entry().count();
        w.btnCancelClick(); // the held proposals go
        w.btnCancelClick(); // and the list
    }
}
BENCHMARK(BM_AbsencesFromCheckInsScreen)->Unit(benchmark::kMillisecond);

// The floor: every current member enrolled by the day with his absence of that day, and whether he
// checked in that day.
void BM_AbsencesFromCheckInsScreen_floor(benchmark::State& state)
{
    const std::string day = kToday.toString("yyyy-MM-dd").toStdString(), next = kToday.addDays(1).toString("yyyy-MM-dd").toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, g.급품명, b.부명, a.전화번호, c.비고, c.결석일자, c.결석사유코드, r.결석사유, c.비고2, a.학년, a.반, "
            "EXISTS (SELECT 1 FROM T_출석체크 k WHERE k.회원번호 = a.회원번호 AND k.체크일시 >= ? AND k.체크일시 < ?) AS came "
            "FROM T_회원 a LEFT JOIN T_급품코드 g ON a.급품코드 = g.급품코드 LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
            "LEFT JOIN T_결석 c ON c.회원번호 = a.회원번호 AND c.결석일자 = ? LEFT JOIN T_결석사유 r ON c.결석사유코드 = r.결석사유코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND a.입관일 <= ? ORDER BY b.부명, a.회원명",
            {day, next, day, day}));
}
BENCHMARK(BM_AbsencesFromCheckInsScreen_floor)->Unit(benchmark::kMillisecond);

} // namespace
