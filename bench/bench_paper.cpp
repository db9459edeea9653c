// Examination paperwork lists through their windows, each beside its floor: the rank-certificate
// list, the application list with last month's absences and points, the month's badge listing and
// the mailing list of current members with their parents.
// They run on the large school of bench_main.
#include "Floor.h"

#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "exams/uPri0070.h"
#include "exams/uPriSinchung.h"
#include "forms/uDmPrint.h"
#include "members/uInp0010.h"
#include "members/uJibjung.h"
#include "members/uLife.h"
#include "members/uInp0020.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_RankCertificateScreen(benchmark::State& state)
{
    TfPri0070 w;
    for (auto _ : state)
        w.BitBtn0Click();
}
BENCHMARK(BM_RankCertificateScreen)->Unit(benchmark::kMillisecond);

void BM_RankCertificateScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, a.생년월일, b.급품명, d.부명, a.학년, a.반 FROM T_회원 a, T_급품코드 b, T_부별코드 d "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND a.급품코드 = b.급품코드 AND a.부별코드 = d.부별코드 "
            "ORDER BY a.부별코드, b.급품코드, a.회원명",
            {}));
}
BENCHMARK(BM_RankCertificateScreen_floor)->Unit(benchmark::kMillisecond);

void BM_ExamApplicationScreen(benchmark::State& state)
{
    TfPriSinchung w;
    for (auto _ : state)
        w.BitBtn0Click();
}
BENCHMARK(BM_ExamApplicationScreen)->Unit(benchmark::kMillisecond);

void BM_ExamApplicationScreen_floor(benchmark::State& state)
{
    const QString before = Clock::today().addMonths(-1).toString(QStringLiteral("yyyy-MM"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, a.급품코드, b.급품명, c.부명, a.학년, a.반, -coalesce(x.n, 0), coalesce(p.s, 0), "
            "n.급품코드, n.급품명 FROM T_회원 a LEFT JOIN T_급품코드 b ON a.급품코드 = b.급품코드 "
            "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 "
            "LEFT JOIN (SELECT 회원번호, count(*) AS n FROM T_결석 WHERE substr(결석일자, 1, 7) = ?1 GROUP BY 회원번호) x "
            "ON x.회원번호 = a.회원번호 "
            "LEFT JOIN (SELECT t.회원번호, sum(i.벌점수) AS s FROM T_벌점 t JOIN T_벌점항목 i ON i.벌점코드 = t.벌점코드 "
            "WHERE substr(t.벌점일자, 1, 7) = ?1 GROUP BY t.회원번호) p ON p.회원번호 = a.회원번호 "
            "LEFT JOIN T_급품코드 n ON n.급품코드 = printf('%02d', CAST(a.급품코드 AS INTEGER) + 1) "
            "WHERE a.퇴관일 IS NULL ORDER BY a.부별코드, b.급품코드",
            {before.toStdString()}));
}
BENCHMARK(BM_ExamApplicationScreen_floor)->Unit(benchmark::kMillisecond);

void BM_BadgeScreen(benchmark::State& state)
{
    TfInp0020 w;
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_BadgeScreen)->Unit(benchmark::kMillisecond);

void BM_BadgeScreen_floor(benchmark::State& state)
{
    const QDate today = Clock::today();
    const QString start = QDate(today.year(), today.month(), 1).toString(Qt::ISODate);
    const QString end = QDate(today.year(), today.month(), today.daysInMonth()).toString(Qt::ISODate);
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, a.입관일, b.부명, a.학년, a.반, g.급품명, m.MaxNo, c.지급일자 "
            "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 LEFT JOIN T_급품코드 g ON a.급품코드 = g.급품코드 "
            "LEFT JOIN (SELECT 회원번호, Max(뱃지코드) AS MaxNo FROM T_뱃지지급 GROUP BY 회원번호) m ON m.회원번호 = a.회원번호 "
            "LEFT JOIN T_뱃지지급 c ON c.회원번호 = a.회원번호 AND c.뱃지코드 = m.MaxNo "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND a.회원번호 IN "
            "(SELECT 회원번호 FROM T_뱃지지급 WHERE 지급일자 BETWEEN ?1 AND ?2) ORDER BY b.부명, a.입관일, a.회원명",
            {start.toStdString(), end.toStdString()}));
}
BENCHMARK(BM_BadgeScreen_floor)->Unit(benchmark::kMillisecond);

void BM_DmScreen(benchmark::State& state)
{
    TfDmPrint w;
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_DmScreen)->Unit(benchmark::kMillisecond);

void BM_DmScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT m.회원번호, m.회원명, b.부명, g.급품명, m.학교, m.학년, m.생년월일, r.지역명, m.주소, m.우편번호, m.최초입관일, "
            "m.입관일, m.이메일, f.성명, f.생일, o.생일 FROM T_회원 m LEFT JOIN T_부별코드 b ON m.부별코드 = b.부별코드 "
            "LEFT JOIN T_급품코드 g ON m.급품코드 = g.급품코드 LEFT JOIN T_지역코드 r ON m.지역코드 = r.지역코드 "
            "LEFT JOIN T_가족사항 f ON f.회원번호 = m.회원번호 AND f.관계 = '부' "
            "LEFT JOIN T_가족사항 o ON o.회원번호 = m.회원번호 AND o.관계 = '모' "
            "WHERE m.퇴관일 IS NULL AND m.휴관일 IS NULL ORDER BY m.부별코드, m.급품코드"));
}
BENCHMARK(BM_DmScreen_floor)->Unit(benchmark::kMillisecond);

// Batch input: the grade-and-fee list, the conduct lines of every current member, the concentration lines.
void BM_GradeFeeScreen(benchmark::State& state)
{
    TfInp0010 w;
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_GradeFeeScreen)->Unit(benchmark::kMillisecond);

void BM_GradeFeeScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT m.회원번호, m.회원명, m.입관일, m.전화번호, b.부명, m.반, m.부별코드, m.학년, n.학년, m.수련비 FROM T_회원 m "
            "JOIN T_부별코드 b ON m.부별코드 = b.부별코드 JOIN T_학년코드 a ON m.학년 = a.학년 "
            "LEFT JOIN T_학년코드 n ON n.학년코드 = min(a.학년코드 + 1, 18) WHERE m.퇴관일 IS NULL AND m.휴관일 IS NULL "
            "ORDER BY m.부별코드, m.회원명"));
}
BENCHMARK(BM_GradeFeeScreen_floor)->Unit(benchmark::kMillisecond);

void BM_ConductBatchScreen(benchmark::State& state)
{
    TfLife w;
    for (auto _ : state) {
        w.Btn_InsertClick();
        w.Btn_CancelClick();
    }
}
BENCHMARK(BM_ConductBatchScreen)->Unit(benchmark::kMillisecond);

void BM_ConductBatchScreen_floor(benchmark::State& state)
{
    const std::string today = Clock::todayText().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT m.회원번호, m.회원명, b.부명, m.학년, g.급품명 FROM T_회원 m LEFT JOIN T_급품코드 g ON m.급품코드 = g.급품코드 "
            "LEFT JOIN T_부별코드 b ON m.부별코드 = b.부별코드 WHERE m.퇴관일 IS NULL AND m.휴관일 IS NULL AND m.입관일 <= ?1 "
            "ORDER BY m.부별코드, m.급품코드, m.회원명",
            {today}));
}
BENCHMARK(BM_ConductBatchScreen_floor)->Unit(benchmark::kMillisecond);

void BM_ConcentrationScreen(benchmark::State& state)
{
    TfJibjung w;
    for (auto _ : state) {
        w.Btn_InsertClick();
        w.Btn_CancelClick();
    }
}
BENCHMARK(BM_ConcentrationScreen)->Unit(benchmark::kMillisecond);

void BM_ConcentrationScreen_floor(benchmark::State& state)
{
    const std::string today = Clock::todayText().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT m.회원번호, m.회원명, c.부명, f.급품명, coalesce(b.측정일자, ?1), b.* FROM T_회원 m "
            "LEFT JOIN T_집중도 b ON b.회원번호 = m.회원번호 AND b.측정일자 = ?1 LEFT JOIN T_부별코드 c ON m.부별코드 = c.부별코드 "
            "LEFT JOIN T_급품코드 f ON m.급품코드 = f.급품코드 WHERE m.퇴관일 IS NULL AND m.휴관일 IS NULL AND m.입관일 <= ?1 "
            "ORDER BY m.부별코드, m.회원명",
            {today}));
}
BENCHMARK(BM_ConcentrationScreen_floor)->Unit(benchmark::kMillisecond);

} // namespace
