// Benchmarks of the main operations on a generated large school. Each list operation runs beside its
// floor (the same rows by one hand-written query on the same engine); the table at the end gives
// ours / floor. The large school is generated once into the build folder and reused.
//   tamrin_bench [--database postgresql://…] [benchmark options]   the school in the file, or on a server
//   tamrin_bench --prepare-only                                    only makes the large school's file
#include "Floor.h"
#include "SchoolGenerator.h"

#include "app/Application.h"
#include "app/uMain.h"
#include "attendance/uAtt0010.h"
#include "cashbook/CashInquiry.h"
#include "cashbook/uMon0010.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/JetSql.h"
#include "db/Database.h"
#include "db/DatabaseChoice.h"
#include "db/QuickCheck.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "fees/FeeMonthPage.h"
#include "fees/FeeReceiptPage.h"
#include "fees/FeeRegister.h"
#include "fees/FeeUnpaidPage.h"
#include "fees/uFee0010.h"
#include "exams/uInp0011.h"
#include "exams/uPriSimsaTongji.h"
#include "exams/uSimsaEst.h"
#include "fitness/uBod0010.h"
#include "fitness/uPri5060.h"
#include "members/Enrolment.h"
#include "db/MemberNumber.h"
#include "db/MemberRecords.h"
#include "members/Retirement.h"
#include "members/uRet0010.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "stats/HeadcountFigures.h"
#include "stats/uMem0010.h"
#include "ui/Dialogs.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <unistd.h>
#include <memory>

namespace {

const QDate kToday(2026, 12, 10);
QString g_programDir;   // a program folder whose Data/Tamrin2000.db is the large school
QString g_dbFile;
QString g_address;      // what the cases run on: the program folder's file or a server
Floor* g_floor = nullptr;
RecordingDialogs g_dialogs;

QString benchDir() { return QStringLiteral(TAMRIN_BENCH_DIR); }

// The server address as the program keeps it beside itself, so the start-up case opens it as a desk does.
DatabaseChoice choiceFor(const QString& address)
{
    DatabaseChoice c;
    if (address.isEmpty())
        return c;
    const QUrl u(address);
    c.server = true;
    c.host = QUrlQuery(u).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (c.host.isEmpty())
        c.host = u.host();
    c.port = u.port(5432);
    c.database = u.path().mid(1);
    c.user = u.userName();
    return c;
}

bool prepareLargeSchool(const QString& server)
{
    QDir().mkpath(benchDir());
    g_dbFile = benchDir() + "/large.db";
    if (!QFile::exists(g_dbFile)) {
        std::fprintf(stderr, "큰 도장 자료를 만드는 중입니다 (한 번만): %s\n", qPrintable(g_dbFile));
        QString error;
        GeneratorReport r;
        SchoolGenerator g(GeneratorOptions::large());
        ProgramDir::set(benchDir());
        if (!g.run(g_dbFile + ".tmp", &error, &r, [](const QString& s) { std::fprintf(stderr, "  %s\n", qPrintable(s)); })) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
        db::closeDatabase();
        QFile::rename(g_dbFile + ".tmp", g_dbFile);
        std::fprintf(stderr, "회원 %d명 (현재 %d명), 수련비 %d건, 금전출납 %d건, 결석 %d건\n", r.members, r.current, r.payments,
                     r.cashLines, r.absences);
    }
    // The program folder: layouts from the built program and a fresh copy of the large school, so the
    // enrolments of one run do not pile up in the next.
    // A folder per engine: its setting beside the program says which database the start-up opens.
    g_programDir = benchDir() + (server.isEmpty() ? "/program" : "/program-server");
    QDir().mkpath(g_programDir + "/Data");
    for (const char* f : {"/Data/Tamrin2000.db", "/Data/Tamrin2000.db-wal", "/Data/Tamrin2000.db-shm"})
        QFile::remove(g_programDir + f);
    QFile::copy(g_dbFile, g_programDir + "/Data/Tamrin2000.db");
    QFile::remove(g_programDir + "/report");
    QFile::link(QStringLiteral(TAMRIN_PROGRAM_DIR) + "/report", g_programDir + "/report");
    QFile::remove(g_programDir + "/images");
    QFile::link(QStringLiteral(TAMRIN_PROGRAM_DIR) + "/images", g_programDir + "/images");
    ProgramDir::set(g_programDir);
    Clock::setFixed(QDateTime(kToday, QTime(10, 0)));
    Dialogs::install(&g_dialogs);
    const DatabaseChoice choice = choiceFor(server);
    QString error;
    if (!choice.save(&error) || !db::openDatabase(choice.address(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    g_address = choice.address();
    if (db::onServer())
        std::fprintf(stderr, "서버: %s (%s)\n", qPrintable(db::describeServer(g_address)),
                     db::scalar(QStringLiteral("SELECT CAST(inet_server_addr() AS TEXT)")).isNull() ? "로컬 소켓" : "TCP");
    g_floor = &Floor::program();
    return true;
}

const FeeRegister::Division kAllDivisions{};

// A window as the user has it: shown offscreen, every posted event (layout, painting) handled.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

double residentMB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// ---- start-up ----

void BM_StartUp(benchmark::State& state)
{
    db::closeDatabase();
    for (auto _ : state) {
        TfMain w;
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.databaseReady());
        w.close();
    }
    db::openDatabase(g_address);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

// The look at the data file that every start makes before anyone works on it (goal: well under 100 ms).
void BM_StartUpQuickCheck(benchmark::State& state)
{
    if (db::onServer()) {
        state.SkipWithError("the embedded file's check");
        return;
    }
    for (auto _ : state) {
        const QString problem = db::quickCheck();
        if (!problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    }
}
BENCHMARK(BM_StartUpQuickCheck)->Unit(benchmark::kMillisecond);

void BM_StartUpQuickCheck_floor(benchmark::State& state)
{
    if (db::onServer()) {
        state.SkipWithError("the embedded file's check");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(g_floor->rows("PRAGMA quick_check('T_회원')"));
}
BENCHMARK(BM_StartUpQuickCheck_floor)->Unit(benchmark::kMillisecond);

// ---- fees ----

void BM_FeeGenerateYear(benchmark::State& state)
{
    for (auto _ : state) {
        FeeRegister r;
        r.generate(QDate(kToday.year(), 1, 1), QDate(kToday.year(), 12, 31), QString(), kAllDivisions);
        state.counters["lines"] = r.count();
    }
}
BENCHMARK(BM_FeeGenerateYear)->Unit(benchmark::kMillisecond);

void BM_FeeGenerateYear_floor(benchmark::State& state)
{
    const std::string year = std::to_string(kToday.year());
    for (auto _ : state) {
        state.counters["lines"] = double(g_floor->rows(
            "WITH RECURSIVE m(k) AS (SELECT ?1 || '01' UNION ALL SELECT CAST(k + 1 AS TEXT) FROM m WHERE k < ?1 || '12') "
            "SELECT a.회원번호, a.회원명, a.수련비, b.부명, a.납부일자, a.납부은행, m.k FROM T_회원 a "
            "LEFT JOIN T_부별코드 b ON b.부별코드 = a.부별코드 CROSS JOIN m "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND substr(m.k,1,4) || '-' || substr(m.k,5,2) > substr(a.입관일,1,7) "
            "AND NOT EXISTS (SELECT 1 FROM T_수련비납부 f WHERE f.회원번호 = a.회원번호 AND f.년월분 = m.k) "
            "ORDER BY b.부명, a.회원명",
            {year}));
    }
}
BENCHMARK(BM_FeeGenerateYear_floor)->Unit(benchmark::kMillisecond);

// The same year as the user sees it: the fee window fills its grid.
void BM_FeeGenerateYearScreen(benchmark::State& state)
{
    const double before = residentMB();
    TfFee0010 w;
    w.show();
    settle();
    w.dtpk_NabbuFromDate->setDate(QDate(kToday.year(), 1, 1));
    w.dtpk_NabbuToDate->setDate(QDate(kToday.year(), 12, 31));
    for (auto _ : state) {
        w.Btn_InsertClick();
        settle();
        state.PauseTiming();
        state.counters["lines"] = w.register0().count();
        w.Btn_CancelClick();
        settle();
        state.ResumeTiming();
    }
    state.counters["MB"] = residentMB() - before;
}
BENCHMARK(BM_FeeGenerateYearScreen)->Unit(benchmark::kMillisecond);
void BM_FeeGenerateYearScreen_floor(benchmark::State& state) { BM_FeeGenerateYear_floor(state); }
BENCHMARK(BM_FeeGenerateYearScreen_floor)->Unit(benchmark::kMillisecond);

void BM_FeeListMonth(benchmark::State& state)
{
    const QDate from = QDate(kToday.year(), kToday.month(), 1).addMonths(-1);
    for (auto _ : state) {
        FeeRegister r;
        r.list(from, from.addMonths(1).addDays(-1), QString(), kAllDivisions);
        state.counters["lines"] = r.count();
    }
}
BENCHMARK(BM_FeeListMonth)->Unit(benchmark::kMillisecond);

void BM_FeeListMonth_floor(benchmark::State& state)
{
    const QDate from(kToday.year(), kToday.month(), 1);
    const std::string a = db::dateText(from.addMonths(-1)).toStdString(), b = db::dateText(from.addDays(-1)).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, b.부명, a.납부일자, a.회원명, a.핸드폰번호, f.납부일자, a.납부은행, f.납부액, f.년월분, f.비고 "
            "FROM T_수련비납부 f LEFT JOIN T_회원 a ON f.회원번호 = a.회원번호 LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND f.납부일자 BETWEEN ? AND ? ORDER BY b.부명, a.회원명, f.년월분",
            {a, b}));
}
BENCHMARK(BM_FeeListMonth_floor)->Unit(benchmark::kMillisecond);

// The fee window's list pages as the user sees them: the window fills its list through the model.
void feePage(benchmark::State& state, int page, const std::function<void(TfFee0010&)>& setUp)
{
    TfFee0010 w;
    w.selectPage(page, true);
    setUp(w);
    for (auto _ : state) {
        w.Btn_QueryClick();
        state.counters["lines"] = w.search_num->text().section(' ', -1).toInt();
    }
}
const QDate kLastMonth = QDate(kToday.year(), kToday.month(), 1).addMonths(-1);

void BM_FeeMonthPayersScreen(benchmark::State& state)
{
    feePage(state, TfFee0010::PageMonth, [](TfFee0010& w) { w.pageMonth->AllToday->setDate(kLastMonth); });
}
void BM_FeeMonthPayersScreen_floor(benchmark::State& state)
{
    const std::string month = kLastMonth.toString("yyyyMM").toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, a.입관일, a.전화번호, a.납부일자, a.납부은행, f.납부일자, "
            "(SELECT group_concat(g.년월분) FROM T_수련비납부 g WHERE g.회원번호 = a.회원번호 AND g.년월분 >= substr(?1,1,4) || '01' "
            "AND g.년월분 < ?1) FROM T_회원 a INNER JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
            "INNER JOIN T_수련비납부 f ON f.회원번호 = a.회원번호 AND f.년월분 = ?1 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY f.납부일자, b.부별코드, a.회원명",
            {month}));
}
BENCHMARK(BM_FeeMonthPayersScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeeMonthPayersScreen_floor)->Unit(benchmark::kMillisecond);

// Every member with any unpaid month of the last two years: the widest unpaid list.
void BM_FeeUnpaidScreen(benchmark::State& state)
{
    feePage(state, TfFee0010::PageUnpaid, [](TfFee0010& w) {
        w.pageUnpaid->dateHyun->setDate(kToday);
        w.pageUnpaid->rb2->setChecked(true);
    });
}
void BM_FeeUnpaidScreen_floor(benchmark::State& state)
{
    const std::string month = kToday.toString("yyyyMM").toStdString();
    const std::string first = std::to_string(kToday.year() - 1) + "01";
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, a.부별코드, a.전화번호, a.입관일, a.납부일자, a.성별, a.수련비, a.이메일, a.핸드폰번호, "
            "(SELECT group_concat(g.년월분) FROM T_수련비납부 g WHERE g.회원번호 = a.회원번호 AND g.년월분 BETWEEN ?2 AND ?1) "
            "FROM T_회원 a WHERE substr(a.입관일,1,4) || substr(a.입관일,6,2) <= ?1 AND a.휴관일 IS NULL AND a.퇴관일 IS NULL "
            "ORDER BY a.부별코드, a.회원명",
            {month, first}));
}
BENCHMARK(BM_FeeUnpaidScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeeUnpaidScreen_floor)->Unit(benchmark::kMillisecond);

void BM_FeeReceiptListScreen(benchmark::State& state)
{
    feePage(state, TfFee0010::PageReceipt, [](TfFee0010& w) {
        w.pageReceipt->AllToday3->setDate(kLastMonth);
        w.pageReceipt->AllToday31->setDate(kLastMonth.addMonths(1).addDays(-1));
    });
}
void BM_FeeReceiptListScreen_floor(benchmark::State& state)
{
    const std::string a = db::dateText(kLastMonth).toStdString(), b = db::dateText(kLastMonth.addMonths(1).addDays(-1)).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT f.회원번호, f.년월분, f.납부일자, f.납부액, f.비고, a.회원명, c.부명, a.이메일, a.핸드폰번호 "
            "FROM T_수련비납부 f INNER JOIN T_회원 a ON f.회원번호 = a.회원번호 LEFT JOIN T_부별코드 c ON c.부별코드 = a.부별코드 "
            "WHERE f.납부일자 BETWEEN ? AND ? AND a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.부별코드, a.회원명, f.년월분",
            {a, b}));
}
BENCHMARK(BM_FeeReceiptListScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeeReceiptListScreen_floor)->Unit(benchmark::kMillisecond);

// ---- cash book ----

void cashInquiry(benchmark::State& state, int months)
{
    const QDate to = QDate(kToday.year(), kToday.month(), 1).addDays(-1);
    const QDate from = to.addDays(1).addMonths(-months);
    for (auto _ : state) {
        const CashInquiry::Result r = CashInquiry::byDate(from, to);
        state.counters["lines"] = r.found;
    }
}
void cashInquiryFloor(benchmark::State& state, int months)
{
    const QDate to = QDate(kToday.year(), kToday.month(), 1).addDays(-1);
    const QDate from = to.addDays(1).addMonths(-months);
    const std::string a = db::dateText(from).toStdString(), b = db::dateText(to).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT 일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번, "
            "sum(입금액 - 출금액) OVER (ORDER BY 일자, 순번) FROM T_금전출납 WHERE 일자 BETWEEN ? AND ? ORDER BY 일자, 순번",
            {a, b}));
}
void BM_CashInquiryMonth(benchmark::State& s) { cashInquiry(s, 1); }
void BM_CashInquiryMonth_floor(benchmark::State& s) { cashInquiryFloor(s, 1); }
void BM_CashInquiryYear(benchmark::State& s) { cashInquiry(s, 12); }
void BM_CashInquiryYear_floor(benchmark::State& s) { cashInquiryFloor(s, 12); }
// The same inquiry as the user sees it: the cash-book window fills its grid.
void cashInquiryScreen(benchmark::State& state, int months)
{
    const QDate to = QDate(kToday.year(), kToday.month(), 1).addDays(-1);
    TfMon0010 w;
    w.PgCtr->setCurrentIndex(TfMon0010::PgInquiry);
    w.dtpk_From->setDate(to.addDays(1).addMonths(-months));
    w.dtpk_To->setDate(to);
    for (auto _ : state)
        w.Btn_QueryClick();
}
void BM_CashInquiryMonthScreen(benchmark::State& s) { cashInquiryScreen(s, 1); }
void BM_CashInquiryMonthScreen_floor(benchmark::State& s) { cashInquiryFloor(s, 1); }
void BM_CashInquiryYearScreen(benchmark::State& s) { cashInquiryScreen(s, 12); }
void BM_CashInquiryYearScreen_floor(benchmark::State& s) { cashInquiryFloor(s, 12); }
BENCHMARK(BM_CashInquiryMonthScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryMonthScreen_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryYearScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryYearScreen_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryMonth_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CashInquiryYear_floor)->Unit(benchmark::kMillisecond);

// ---- headcount ----

void BM_HeadcountCurrent(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(HeadcountFigures::overall());
}
BENCHMARK(BM_HeadcountCurrent)->Unit(benchmark::kMillisecond);

void BM_HeadcountCurrent_floor(benchmark::State& state)
{
    for (auto _ : state) {
        size_t n = g_floor->rows("SELECT b.부별코드, b.부명, count(a.회원번호) FROM T_부별코드 b LEFT JOIN T_회원 a "
                                 "ON a.부별코드 = b.부별코드 AND a.퇴관일 IS NULL GROUP BY b.부별코드");
        n += g_floor->rows("SELECT g.급품코드, g.급품명, count(a.회원번호) FROM T_급품코드 g LEFT JOIN T_회원 a "
                           "ON a.급품코드 = g.급품코드 AND a.퇴관일 IS NULL GROUP BY g.급품코드");
        n += g_floor->rows("SELECT g.학년, count(a.회원번호) FROM T_학년코드 g LEFT JOIN T_회원 a "
                           "ON a.학년 = g.학년 AND a.퇴관일 IS NULL GROUP BY g.학년");
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_HeadcountCurrent_floor)->Unit(benchmark::kMillisecond);

void BM_HeadcountYear(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(HeadcountFigures::yearRows(kToday.year()));
}
BENCHMARK(BM_HeadcountYear)->Unit(benchmark::kMillisecond);

void BM_HeadcountYear_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_floor->rows("SELECT * FROM T_인원현황 WHERE 년도 <= ? ORDER BY 년도",
                                               {std::to_string(kToday.year())}));
}
BENCHMARK(BM_HeadcountYear_floor)->Unit(benchmark::kMillisecond);

void BM_HeadcountComparison(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(HeadcountFigures::comparisonRows(kToday.year()));
}
BENCHMARK(BM_HeadcountComparison)->Unit(benchmark::kMillisecond);

void BM_HeadcountComparison_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_floor->rows("SELECT * FROM T_인원현황 WHERE 년도 BETWEEN ? AND ?",
                                               {std::to_string(kToday.year() - 2), std::to_string(kToday.year())}));
}
BENCHMARK(BM_HeadcountComparison_floor)->Unit(benchmark::kMillisecond);

void headcountReason(benchmark::State& state, HeadcountFigures::ReasonLog log)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(HeadcountFigures::reasonRows(log, kToday.year()));
}
void headcountReasonFloor(benchmark::State& state, const char* sql)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_floor->rows(sql));
}
void BM_HeadcountWithdrawalReasons(benchmark::State& s) { headcountReason(s, HeadcountFigures::ReasonLog::Withdrawals); }
void BM_HeadcountWithdrawalReasons_floor(benchmark::State& s)
{
    headcountReasonFloor(s, "SELECT substr(퇴관일,1,4), 퇴관사유코드, count(*) FROM T_퇴관사유별현황 GROUP BY 1, 2");
}
void BM_HeadcountLeaveReasons(benchmark::State& s) { headcountReason(s, HeadcountFigures::ReasonLog::Leaves); }
void BM_HeadcountLeaveReasons_floor(benchmark::State& s)
{
    headcountReasonFloor(s, "SELECT substr(휴관일,1,4), 휴관사유코드, count(*) FROM T_휴관사유별현황 GROUP BY 1, 2");
}
void BM_HeadcountMotives(benchmark::State& s) { headcountReason(s, HeadcountFigures::ReasonLog::Motives); }
void BM_HeadcountMotives_floor(benchmark::State& s)
{
    headcountReasonFloor(s, "SELECT substr(입관일,1,4), 입관동기코드, count(*) FROM T_입관동기별현황 GROUP BY 1, 2");
}
BENCHMARK(BM_HeadcountWithdrawalReasons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountWithdrawalReasons_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountLeaveReasons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountLeaveReasons_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountMotives)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountMotives_floor)->Unit(benchmark::kMillisecond);

// The reason pages as the user sees them: the headcount window recomputes the page.
void headcountReasonScreen(benchmark::State& state, int page)
{
    TfMem0010 w;
    w.show();
    settle();
    w.selectPage(page, true);
    for (auto _ : state) {
        w.BitBtn4Click();
        settle();
    }
}
void BM_HeadcountWithdrawalReasonsScreen(benchmark::State& s) { headcountReasonScreen(s, 3); }
void BM_HeadcountWithdrawalReasonsScreen_floor(benchmark::State& s) { BM_HeadcountWithdrawalReasons_floor(s); }
void BM_HeadcountMotivesScreen(benchmark::State& s) { headcountReasonScreen(s, 5); }
void BM_HeadcountMotivesScreen_floor(benchmark::State& s) { BM_HeadcountMotives_floor(s); }
BENCHMARK(BM_HeadcountWithdrawalReasonsScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountWithdrawalReasonsScreen_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountMotivesScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadcountMotivesScreen_floor)->Unit(benchmark::kMillisecond);

// ---- withdrawal, leave and return ----

enum class RetList { Withdrawn, WithdrawalCandidates, LeaveCandidates, ReturnsAfterWithdrawal };

QList<Retirement::Line> retLines(RetList l)
{
    const Retirement::Filter all{QString(), {}};
    switch (l) {
    case RetList::Withdrawn: return Retirement::withdrawnMembers(all, false, {}, {});
    case RetList::WithdrawalCandidates: return Retirement::withdrawalCandidates(all, kToday);
    case RetList::LeaveCandidates: return Retirement::leaveCandidates(all, kToday);
    case RetList::ReturnsAfterWithdrawal: return Retirement::returnCandidates(all, Retirement::FromWithdrawal);
    }
    return {};
}

void retRules(benchmark::State& state, RetList l)
{
    for (auto _ : state)
        state.counters["lines"] = double(retLines(l).size());
}

// The list as the window shows it: "조     회" for the withdrawn members, the event button for the
// candidates of a batch (cancelled again, untimed).
void retScreen(benchmark::State& state, RetList l)
{
    const double before = residentMB();
    TfRet0010 w;
    w.show();
    settle();
    const int page = l == RetList::LeaveCandidates ? 1 : l == RetList::ReturnsAfterWithdrawal ? 2 : 0;
    w.selectPage(page, true);
    w.rbo_rtBack->setChecked(l == RetList::ReturnsAfterWithdrawal);
    QTableView* g = page == 0 ? w.DBCtrlGrid1 : page == 1 ? w.DBCtrlGrid2 : w.DBCtrlGrid3;
    for (auto _ : state) {
        if (l == RetList::Withdrawn)
            w.btnSearchClick();
        else
            w.btnInsertClick();
        settle();
        state.PauseTiming();
        state.counters["lines"] = g->model()->rowCount();
        if (w.batchOpen())
            w.btnCancelClick();
        settle();
        state.ResumeTiming();
    }
    state.counters["MB"] = residentMB() - before;
}

void retFloor(benchmark::State& state, RetList l)
{
    const std::string month = db::dateText(kToday).left(7).toStdString();
    const char* cols = "SELECT a.회원번호, a.회원명, a.입관일, a.퇴관일, a.휴관일, a.생년월일, a.성별, b.부명, a.전화번호, "
                       "r.휴퇴사유코드 || ') ' || r.휴퇴사유 FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 ";
    std::string sql = cols;
    switch (l) {
    case RetList::Withdrawn:
    case RetList::ReturnsAfterWithdrawal:
        sql += "LEFT JOIN T_휴퇴사유 r ON a.퇴관사유코드 = r.휴퇴사유코드 WHERE a.퇴관일 IS NOT NULL AND a.퇴관일 <> '' "
               "ORDER BY a.퇴관일, a.회원명";
        break;
    case RetList::WithdrawalCandidates:
        sql += "LEFT JOIN T_휴퇴사유 r ON a.퇴관사유코드 = r.휴퇴사유코드 WHERE ifnull(a.퇴관일, '') = '' "
               "AND substr(a.입관일, 1, 7) <= ? ORDER BY a.퇴관일, a.회원명";
        break;
    case RetList::LeaveCandidates:
        sql += "LEFT JOIN T_휴퇴사유 r ON a.휴관사유코드 = r.휴퇴사유코드 WHERE ifnull(a.퇴관일, '') = '' "
               "AND ifnull(a.휴관일, '') = '' AND substr(a.입관일, 1, 7) <= ? ORDER BY a.휴관일, a.회원명";
        break;
    }
    const bool byMonth = l == RetList::WithdrawalCandidates || l == RetList::LeaveCandidates;
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(sql.c_str(), byMonth ? std::vector<std::string>{month}
                                                                             : std::vector<std::string>{}));
}

#define RET_BENCH(Name, list)                                                             \
    void BM_Ret##Name(benchmark::State& s) { retRules(s, list); }                        \
    void BM_Ret##Name##_floor(benchmark::State& s) { retFloor(s, list); }                \
    void BM_Ret##Name##Screen(benchmark::State& s) { retScreen(s, list); }               \
    void BM_Ret##Name##Screen_floor(benchmark::State& s) { retFloor(s, list); }          \
    BENCHMARK(BM_Ret##Name)->Unit(benchmark::kMillisecond);                              \
    BENCHMARK(BM_Ret##Name##_floor)->Unit(benchmark::kMillisecond);                      \
    BENCHMARK(BM_Ret##Name##Screen)->Unit(benchmark::kMillisecond);                      \
    BENCHMARK(BM_Ret##Name##Screen_floor)->Unit(benchmark::kMillisecond);
RET_BENCH(Withdrawn, RetList::Withdrawn)
RET_BENCH(WithdrawalCandidates, RetList::WithdrawalCandidates)
RET_BENCH(LeaveCandidates, RetList::LeaveCandidates)
RET_BENCH(ReturnsAfterWithdrawal, RetList::ReturnsAfterWithdrawal)
#undef RET_BENCH

// ---- fitness ----

// The measuring day of a whole school: every attending member with his latest values.
void BM_FitnessEntryScreen(benchmark::State& state)
{
    TfBod0010 w;
    w.inToday->setDate(kToday);
    for (auto _ : state) {
        w.Btn_InsertClick();
        w.Btn_CancelClick();
        state.counters["lines"] = double(w.rows().size());
    }
}
void BM_FitnessEntryScreen_floor(benchmark::State& state)
{
    const std::string day = db::dateText(kToday).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, a.성별, c.부별코드, c.부명, b.* FROM (T_회원 a LEFT JOIN T_체력측정 b ON a.회원번호 = b.회원번호 "
            "AND b.측정일자 = (SELECT max(d.측정일자) FROM T_체력측정 d WHERE d.회원번호 = a.회원번호)) "
            "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND a.입관일 <= ? "
            "ORDER BY c.부별코드, a.회원명",
            {day}));
}
BENCHMARK(BM_FitnessEntryScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitnessEntryScreen_floor)->Unit(benchmark::kMillisecond);

// A year of measurements searched.
void BM_FitnessSearchYearScreen(benchmark::State& state)
{
    TfBod0010 w;
    w.inDateFrom->setDate(kToday.addYears(-1));
    w.inDateTo->setDate(kToday);
    for (auto _ : state) {
        w.Btn_QueryClick();
        state.counters["lines"] = double(w.rows().size());
    }
}
void BM_FitnessSearchYearScreen_floor(benchmark::State& state)
{
    const std::string from = db::dateText(kToday.addYears(-1)).toStdString(), to = db::dateText(kToday).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, a.성별, c.부별코드, c.부명, b.* FROM T_체력측정 b JOIN T_회원 a ON a.회원번호 = b.회원번호 "
            "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL "
            "AND b.측정일자 BETWEEN ? AND ? ORDER BY b.측정일자, c.부별코드, a.회원명",
            {from, to}));
}
BENCHMARK(BM_FitnessSearchYearScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitnessSearchYearScreen_floor)->Unit(benchmark::kMillisecond);

// The trainee list of the evaluation sheets, with each member's latest measuring day.
void BM_FitnessResultListScreen(benchmark::State& state)
{
    TfPri5060 w;
    for (auto _ : state) {
        w.Btn_QueryClick();
        state.counters["lines"] = double(w.members().size());
    }
}
void BM_FitnessResultListScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, a.입관일, a.생년월일, a.성별, c.급품명, a.전화번호, a.학년, a.이메일, a.핸드폰번호, "
            "(SELECT max(d.측정일자) FROM T_체력측정 d WHERE d.회원번호 = a.회원번호) FROM T_회원 a "
            "LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.부별코드, a.회원명, a.급품코드 DESC"));
}
BENCHMARK(BM_FitnessResultListScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitnessResultListScreen_floor)->Unit(benchmark::kMillisecond);

// ---- attendance ----

// The attendance window's lists as the user fills them: a day's entry lines for every current member,
// a month of absences, the month's absence counts of everyone absent, and the month's perfect attendance.
const QDate kAbsMonth(2026, 11, 1), kAbsMonthEnd(2026, 11, 30);

void BM_AbsenceEntryDay(benchmark::State& state)
{
    TfAtt0010 w;
    w.show();
    settle();
    w.dtpk_FromDate->setDate(QDate(2026, 11, 16));
    for (auto _ : state) {
        w.btnInsertClick();
        settle();
        state.counters["lines"] = w.entry().count();
        w.btnCancelClick();
        w.btnCancelClick();
    }
}
void BM_AbsenceEntryDay_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT m.회원번호, m.회원명, g.급품명, b.부명, m.전화번호, a.비고, a.결석일자, a.결석사유코드, r.결석사유, m.학년, m.반 "
            "FROM T_회원 m LEFT JOIN T_급품코드 g ON m.급품코드 = g.급품코드 LEFT JOIN T_부별코드 b ON m.부별코드 = b.부별코드 "
            "LEFT JOIN T_결석 a ON a.회원번호 = m.회원번호 AND a.결석일자 = ?1 LEFT JOIN T_결석사유 r ON a.결석사유코드 = r.결석사유코드 "
            "WHERE m.퇴관일 IS NULL AND m.휴관일 IS NULL AND m.입관일 <= ?1 ORDER BY b.부명, m.회원명",
            {"2026-11-16"}));
}
BENCHMARK(BM_AbsenceEntryDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbsenceEntryDay_floor)->Unit(benchmark::kMillisecond);

void attendancePage(benchmark::State& state, int page)
{
    TfAtt0010 w;
    w.show();
    settle();
    w.selectPage(page, true);
    for (DateEdit* d : {w.dtpk_FromGyulDate, w.AllDateFrom, w.inDateFrom})
        d->setDate(kAbsMonth);
    for (DateEdit* d : {w.dtpk_ToGyulDate, w.AllDateTo, w.inDateTo})
        d->setDate(kAbsMonthEnd);
    w.rbGyul2->setChecked(true);
    for (auto _ : state) {
        w.btnRefreshClick();
        settle();
        state.counters["lines"] = page == TfAtt0010::PageDaily ? w.dailyLines().size()
                                  : page == TfAtt0010::PageCounts ? w.countLines().size()
                                                                  : w.perfectLines().size();
    }
}
void BM_AbsencesMonth(benchmark::State& s) { attendancePage(s, TfAtt0010::PageDaily); }
void BM_AbsencesMonth_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT m.회원번호, m.회원명, m.입관일, b.부명, m.전화번호, m.이메일, m.핸드폰번호, a.결석일자, r.결석사유, a.비고, "
            "(SELECT group_concat(substr(년월분, 5, 2)) FROM T_수련비납부 f WHERE f.회원번호 = m.회원번호 AND substr(f.년월분, 1, 4) = '2026') "
            "FROM T_결석 a LEFT JOIN T_회원 m ON a.회원번호 = m.회원번호 LEFT JOIN T_부별코드 b ON m.부별코드 = b.부별코드 "
            "LEFT JOIN T_결석사유 r ON a.결석사유코드 = r.결석사유코드 "
            "WHERE a.결석일자 BETWEEN ? AND ? AND m.퇴관일 IS NULL AND m.휴관일 IS NULL ORDER BY a.결석일자, m.부별코드, m.회원명",
            {"2026-11-01", "2026-11-30"}));
}
void BM_AbsenceCountsMonth(benchmark::State& s) { attendancePage(s, TfAtt0010::PageCounts); }
void BM_AbsenceCountsMonth_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT m.회원번호, m.회원명, m.전화번호, m.입관일, b.부명, "
            "(SELECT group_concat(substr(결석일자, 9, 2), ' ') FROM T_결석 e WHERE e.회원번호 = m.회원번호 AND e.결석일자 BETWEEN ?1 AND ?2), "
            "(SELECT group_concat(substr(년월분, 5, 2)) FROM T_수련비납부 f WHERE f.회원번호 = m.회원번호 AND substr(f.년월분, 1, 4) = '2026') "
            "FROM T_회원 m JOIN T_부별코드 b ON b.부별코드 = m.부별코드 "
            "WHERE m.회원번호 IN (SELECT 회원번호 FROM T_결석 WHERE 결석일자 BETWEEN ?1 AND ?2) "
            "AND m.퇴관일 IS NULL AND m.휴관일 IS NULL ORDER BY b.부명, m.회원명",
            {"2026-11-01", "2026-11-30"}));
}
void BM_PerfectAttendanceMonth(benchmark::State& s) { attendancePage(s, TfAtt0010::PagePerfect); }
void BM_PerfectAttendanceMonth_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT m.회원번호, m.회원명, m.성별, m.생년월일, m.양력음력, m.입관일, m.급품코드, g.급품명, b.부명 "
            "FROM T_회원 m JOIN T_급품코드 g ON g.급품코드 = m.급품코드 JOIN T_부별코드 b ON b.부별코드 = m.부별코드 "
            "WHERE NOT EXISTS (SELECT 1 FROM T_결석 e WHERE e.회원번호 = m.회원번호 AND e.결석일자 BETWEEN ?1 AND ?2) "
            "AND m.입관일 <= ?1 AND m.퇴관일 IS NULL AND m.휴관일 IS NULL ORDER BY b.부명, m.급품코드 DESC",
            {"2026-11-01", "2026-11-30"}));
}
BENCHMARK(BM_AbsencesMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbsencesMonth_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbsenceCountsMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbsenceCountsMonth_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerfectAttendanceMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerfectAttendanceMonth_floor)->Unit(benchmark::kMillisecond);

// ---- enrolment ----

void BM_MemberNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Enrolment::findNo());
}
BENCHMARK(BM_MemberNumber)->Unit(benchmark::kMillisecond);

void BM_MemberNumber_floor(benchmark::State& state)
{
    // The same search by hand: the highest number of the month over every table that holds one.
    std::string sql = "SELECT max(top) FROM (SELECT max(회원번호) AS top FROM T_회원 WHERE 회원번호 >= ?1 AND 회원번호 < ?2";
    for (const auto& t : MemberRecords::keyedTables())
        if (db::tableExists(QString::fromUtf8(t.name)))
            sql += std::string(" UNION ALL SELECT max(회원번호) FROM ") + t.name + " WHERE 회원번호 >= ?1 AND 회원번호 < ?2";
    sql += " UNION ALL SELECT max(substr(수련비순번, 1, 9)) FROM T_금전출납 WHERE 수련비순번 >= ?1 AND 수련비순번 < ?2) AS tops";
    for (auto _ : state)
        benchmark::DoNotOptimize(g_floor->rows(sql.c_str(), {"202612000", "202612999~"}));
}
BENCHMARK(BM_MemberNumber_floor)->Unit(benchmark::kMillisecond);

void BM_EnrolmentSave(benchmark::State& state)
{
    int k = 0;
    for (auto _ : state) {
        EnrolmentForm f;
        f.name = QStringLiteral("벤치%1").arg(++k);
        f.birthDate = "2016-04-01";
        f.calendar = QStringLiteral("양");
        f.sex = QStringLiteral("남");
        f.residentNo = "160401-3123456";
        f.divisionCode = "05";
        f.enrolDate = db::dateText(kToday);
        f.rankCode = "01";
        f.regionCode = "1";
        f.payDay = "10";
        f.fee = "130000";
        f.motiveCode = "01";
        f.paidNow = true;
        f.family.append({QStringLiteral("모"), QStringLiteral("김엄마"), QString(), QStringLiteral("양"), QString(), QString(), QString()});
        benchmark::DoNotOptimize(Enrolment::save(f));
    }
}
BENCHMARK(BM_EnrolmentSave)->Unit(benchmark::kMillisecond)->Iterations(20);

// ---- examinations ----

// The candidates of a new examination through the batch screen: every member attending.
void BM_ExamListScreen(benchmark::State& state)
{
    TfInp0011 w;
    w.edt_num->setText(QString::number(ExamNumber::next()));
    w.inToday1->setDate(kToday);
    for (auto _ : state) {
        w.btnInsertClick();
        state.counters["lines"] = w.batch().count();
        w.btnCancelClick();
    }
}
void BM_ExamListScreen_floor(benchmark::State& state)
{
    const std::string from = db::dateText(QDate(kToday.year(), kToday.month(), 1).addMonths(-1)).toStdString();
    const std::string to = db::dateText(QDate(kToday.year(), kToday.month(), 1).addDays(-1)).toStdString();
    const std::string num = std::to_string(ExamNumber::next()), day = db::dateText(kToday).toStdString();
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, a.입관일, g.급품명, a.급품코드, s.E1, s.E2, s.E3, s.E4, s.E5, s.E6, s.평균, "
            "(SELECT -count(*) FROM T_결석 x WHERE x.회원번호 = a.회원번호 AND x.결석일자 BETWEEN ?1 AND ?2), "
            "(SELECT coalesce(sum(p.벌점수), 0) FROM T_벌점 v JOIN T_벌점항목 p ON p.벌점코드 = v.벌점코드 "
            " WHERE v.회원번호 = a.회원번호 AND v.벌점일자 BETWEEN ?1 AND ?2) "
            "FROM T_회원 a LEFT JOIN T_부별코드 b ON b.부별코드 = a.부별코드 LEFT JOIN T_급품코드 g ON g.급품코드 = a.급품코드 "
            "LEFT JOIN T_심사 s ON s.회원번호 = a.회원번호 AND s.심사명 = ?3 AND s.승급일자 = ?4 AND s.심사구분 = '체육관' "
            "WHERE a.급품코드 < (SELECT max(급품코드) FROM T_급품코드) AND a.퇴관일 IS NULL AND a.휴관일 IS NULL "
            "AND a.입관일 <= ?4 ORDER BY a.급품코드, a.부별코드, a.회원명",
            {from, to, num, day}));
}
BENCHMARK(BM_ExamListScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamListScreen_floor)->Unit(benchmark::kMillisecond);

// The records of the last examination, searched on the batch screen (figures of each record's month).
void BM_ExamSearchScreen(benchmark::State& state)
{
    TfInp0011 w;
    w.edt_num->setText(QString::number(ExamNumber::last()));
    for (auto _ : state) {
        w.btnsearchClick();
        state.counters["lines"] = w.batch().count();
        w.btnCancelClick();
    }
}
void BM_ExamSearchScreen_floor(benchmark::State& state)
{
    const std::string num = std::to_string(ExamNumber::last());
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, a.입관일, a.급품코드, g.급품명, s.급품코드, s.승급일자, s.E1, s.E2, s.E3, s.E4, "
            "s.E5, s.E6, s.평균, "
            "(SELECT -count(*) FROM T_결석 x WHERE x.회원번호 = a.회원번호 AND x.결석일자 BETWEEN date(s.승급일자, 'start of month', '-1 month') "
            " AND date(s.승급일자, 'start of month', '-1 day')), "
            "(SELECT coalesce(sum(p.벌점수), 0) FROM T_벌점 v JOIN T_벌점항목 p ON p.벌점코드 = v.벌점코드 WHERE v.회원번호 = a.회원번호 "
            " AND v.벌점일자 BETWEEN date(s.승급일자, 'start of month', '-1 month') AND date(s.승급일자, 'start of month', '-1 day')) "
            "FROM T_회원 a JOIN T_심사 s ON s.회원번호 = a.회원번호 LEFT JOIN T_부별코드 b ON b.부별코드 = a.부별코드 "
            "LEFT JOIN T_급품코드 g ON g.급품코드 = a.급품코드 WHERE s.심사명 = ?1 AND s.심사구분 = '체육관' "
            "AND a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.급품코드, a.부별코드, a.회원명, s.승급일자",
            {num}));
}
BENCHMARK(BM_ExamSearchScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamSearchScreen_floor)->Unit(benchmark::kMillisecond);

// The members of the last examination with their latest sentence, on the evaluation screen.
void BM_ExamEvaluationScreen(benchmark::State& state)
{
    TfSimsaEst w;
    w.edt_SimsaName->setText(QString::number(ExamNumber::last()));
    for (auto _ : state) {
        w.Btn_SearchClick();
        state.counters["lines"] = double(w.rows().size());
    }
}
void BM_ExamEvaluationScreen_floor(benchmark::State& state)
{
    const std::string num = std::to_string(ExamNumber::last());
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, a.학년, g.급품명, s.승급일자, "
            "(SELECT x.심사결과평가내용 FROM T_심사 x WHERE x.회원번호 = a.회원번호 AND x.심사구분 = '체육관' "
            " AND x.심사결과평가내용 IS NOT NULL ORDER BY x.승급일자 DESC LIMIT 1) "
            "FROM T_회원 a JOIN T_심사 s ON s.회원번호 = a.회원번호 LEFT JOIN T_급품코드 g ON g.급품코드 = a.급품코드 "
            "LEFT JOIN T_부별코드 b ON b.부별코드 = a.부별코드 WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL "
            "AND s.심사구분 = '체육관' AND s.심사명 = ?1 ORDER BY a.부별코드, a.급품코드, a.회원명",
            {num}));
}
BENCHMARK(BM_ExamEvaluationScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamEvaluationScreen_floor)->Unit(benchmark::kMillisecond);

// Every member whose latest promotion is a school examination, on the result-notice screen.
void BM_ExamNoticeScreen(benchmark::State& state)
{
    TfPriSimsaTongji w;
    w.sim_num->clear();
    for (auto _ : state) {
        w.BitBtn0Click();
        state.counters["lines"] = double(w.rows().size());
    }
}
void BM_ExamNoticeScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["lines"] = double(g_floor->rows(
            "SELECT a.회원번호, a.회원명, b.부명, g.급품명, s.승급일자, s.심사명, s.심사결과평가내용, a.급품코드, g.띠색, "
            "a.이메일, a.핸드폰번호 FROM T_회원 a JOIN T_심사 s ON s.회원번호 = a.회원번호 "
            "LEFT JOIN T_급품코드 g ON g.급품코드 = a.급품코드 LEFT JOIN T_부별코드 b ON b.부별코드 = a.부별코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND s.심사구분 = '체육관' "
            "AND s.승급일자 = (SELECT max(y.승급일자) FROM T_심사 y WHERE y.회원번호 = a.회원번호) "
            "ORDER BY a.부별코드, a.급품코드, a.회원명"));
}
BENCHMARK(BM_ExamNoticeScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamNoticeScreen_floor)->Unit(benchmark::kMillisecond);

// ---- printing ----

void BM_Print1000LinesPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        report::PrintJob job;
        db::Query q("SELECT 일자, 대항목, 소항목, 입금액, 출금액, 적요 FROM T_금전출납 ORDER BY 일자 DESC, 순번 LIMIT 1000");
        q.open();
        while (q.next())
            job.add({{"가정통신1", q.str("일자")}, {"가정통신2", q.str("대항목")}, {"가정통신3", q.str("소항목")},
                     {"가정통신4", q.str("입금액")}, {"가정통신5", q.str("출금액")}, {"가정통신7", q.str("적요")}});
        if (!job.exportPdf("mon02_d.rpt", dir.filePath("list.pdf")))
            state.SkipWithError("layout could not be rendered");
        state.counters["lines"] = job.lines();
    }
}
BENCHMARK(BM_Print1000LinesPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The table of ours / floor at the end of the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            std::string name = r.benchmark_name();
            name = name.substr(0, name.find('/')); // without "/iterations:1/manual_time"
            const double ms = r.GetAdjustedRealTime(); // in the benchmark's unit (ms)
            const auto pos = name.find("_floor");
            const auto rows = r.counters.find("rows") != r.counters.end() ? r.counters.find("rows") : r.counters.find("lines");
            if (pos != std::string::npos)
                m_floor[name.substr(0, pos)] = ms;
            else
                m_ours.emplace_back(name, ms);
            if (pos == std::string::npos && rows != r.counters.end())
                m_rows[name] = rows->second.value;
        }
    }
    // A measure through a window ("…Screen") also shows the rules-only figure of the same list, so
    // the cost of the widgets stands out.
    // A measure through the main window ("…Window") takes the floor of the same list measured on the
    // bare screen ("…Screen") or by its rules alone when it has none of its own.
    std::map<std::string, double>::const_iterator floorOf(const std::string& name) const
    {
        auto it = m_floor.find(name);
        const auto window = name.rfind("Window");
        if (it == m_floor.end() && window != std::string::npos && window + 6 == name.size()) {
            it = m_floor.find(name.substr(0, window) + "Screen");
            if (it == m_floor.end())
                it = m_floor.find(name.substr(0, window));
        }
        return it;
    }

    void Finalize() override
    {
        std::map<std::string, double> ours(m_ours.begin(), m_ours.end());
        std::printf("\n%-40s %12s %12s %12s %8s %8s\n", "operation", "ours (ms)", "rules (ms)", "floor (ms)", "ratio", "rows");
        for (const auto& [name, ms] : m_ours) {
            const auto it = floorOf(name);
            const auto screen = name.rfind("Screen");
            const auto rules = screen != std::string::npos && screen + 6 == name.size() ? ours.find(name.substr(0, screen))
                                                                                     : ours.end();
            char rulesText[32] = "-", floorText[32] = "-", ratioText[32] = "-";
            if (rules != ours.end())
                std::snprintf(rulesText, sizeof rulesText, "%.2f", rules->second);
            if (it != m_floor.end()) {
                std::snprintf(floorText, sizeof floorText, "%.2f", it->second);
                std::snprintf(ratioText, sizeof ratioText, "%.2f", it->second > 0 ? ms / it->second : 0.0);
            }
            char rowsText[32] = "-";
            if (const auto n = m_rows.find(name); n != m_rows.end())
                std::snprintf(rowsText, sizeof rowsText, "%.0f", n->second);
            std::printf("%-40s %12.2f %12s %12s %8s %8s\n", name.c_str(), ms, rulesText, floorText, ratioText, rowsText);
        }
        ConsoleReporter::Finalize();
    }

private:
    std::vector<std::pair<std::string, double>> m_ours;
    std::map<std::string, double> m_floor;
    std::map<std::string, double> m_rows;
};

} // namespace

void printMemory(); // bench_window.cpp

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    // Our own options go before Google Benchmark reads the rest.
    QString server;
    bool prepareOnly = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--database") && i + 1 < argc)
            server = QString::fromLocal8Bit(argv[++i]);
        else if (a.startsWith(QLatin1String("--database=")))
            server = a.mid(11);
        else if (a == QLatin1String("--prepare-only"))
            prepareOnly = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (!server.isEmpty() && !db::isServerAddress(server)) {
        std::fprintf(stderr, "--database 에는 postgresql://사용자@호스트:포트/데이터베이스 를 주세요.\n");
        return 2;
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!prepareLargeSchool(server))
        return 1;
    if (prepareOnly) {
        db::closeDatabase();
        std::printf("%s\n", qPrintable(g_dbFile));
        return 0;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printMemory();
    g_floor = nullptr;
    db::closeDatabase();
    return 0;
}
