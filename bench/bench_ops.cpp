// Daily-operation lists through their windows, each beside its floor: the event query of a year, the
// consultation register and a day's movements. They run on the large school prepared by bench_main.
#include "Floor.h"

#include "cashbook/PartnerInquiryPanel.h"
#include "cashbook/uMon0010.h"
#include "db/ProgramDir.h"
#include "forms/uPri8010.h"
#include "forms/uPri8030.h"
#include "operations/uCon0010.h"
#include "operations/uDaily.h"
#include "operations/uEve0010.h"
#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QDate kToday(2026, 12, 10);

void BM_EventQueryYearScreen(benchmark::State& state)
{
    TfEve0010 w;
    w.dtpk_From->setDate(kToday.addYears(-1));
    w.dtpk_To->setDate(kToday);
    w.chk_Date->setChecked(true);
    for (auto _ : state)
        w.Btn_SearchClick();
}
BENCHMARK(BM_EventQueryYearScreen)->Unit(benchmark::kMillisecond);

void BM_EventQueryYearScreen_floor(benchmark::State& state)
{
    const std::string from = kToday.addYears(-1).toString("yyyy-MM-dd").toStdString(), to = kToday.toString("yyyy-MM-dd").toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, e.행사명, d.참가일자, b.부명, a.학년, c.급품명, a.전화번호, d.비고 "
            "FROM T_행사참가 d JOIN T_회원 a ON a.회원번호 = d.회원번호 JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
            "JOIN T_급품코드 c ON a.급품코드 = c.급품코드 JOIN T_행사목록 e ON d.행사코드 = e.행사코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND d.참가일자 BETWEEN ? AND ? ORDER BY b.부명, e.행사명, d.참가일자",
            {from, to}));
}
BENCHMARK(BM_EventQueryYearScreen_floor)->Unit(benchmark::kMillisecond);

// The partner inquiry of ten years, every filter at "전체", as the cash-book window shows it.
void BM_PartnerInquiryScreen(benchmark::State& state)
{
    TfMon0010 w;
    w.showPage(TfMon0010::PgInquiry);
    w.rdo_Partner->setChecked(true);
    w.pnl_PartnerInquiry->dtpk_From->setDate(kToday.addYears(-10));
    w.pnl_PartnerInquiry->dtpk_To->setDate(kToday);
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_PartnerInquiryScreen)->Unit(benchmark::kMillisecond);

void BM_PartnerInquiryScreen_floor(benchmark::State& state)
{
    const std::string from = kToday.addYears(-10).toString("yyyy-MM-dd").toStdString(), to = kToday.toString("yyyy-MM-dd").toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.*, b.거래처명 FROM T_거래 a LEFT JOIN T_거래처 b ON a.거래처코드 = b.거래처코드 "
            "WHERE a.일자 BETWEEN ? AND ? ORDER BY a.일자 DESC, a.금전출납순번, a.순번",
            {from, to}));
}
BENCHMARK(BM_PartnerInquiryScreen_floor)->Unit(benchmark::kMillisecond);

// The roster and the completion-certificate list of every current member, as their windows show them.
void BM_RosterAllScreen(benchmark::State& state)
{
    TfPri8030 w;
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_RosterAllScreen)->Unit(benchmark::kMillisecond);

void BM_RosterAllScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, b.부명, a.회원명, c.급품명, a.전화번호, a.학년 FROM T_회원 a, T_부별코드 b, T_급품코드 c "
            "WHERE a.퇴관일 IS NULL AND a.급품코드 = c.급품코드 AND a.부별코드 = b.부별코드 ORDER BY a.부별코드, a.급품코드 DESC, a.학년"));
}
BENCHMARK(BM_RosterAllScreen_floor)->Unit(benchmark::kMillisecond);

void BM_CompletionListScreen(benchmark::State& state)
{
    TfPri8010 w;
    for (auto _ : state)
        w.Btn_QueryClick();
}
BENCHMARK(BM_CompletionListScreen)->Unit(benchmark::kMillisecond);

void BM_CompletionListScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, a.생년월일, b.급품명, d.부명, a.학년, a.반 FROM T_회원 a "
            "LEFT JOIN T_급품코드 b ON a.급품코드 = b.급품코드 LEFT JOIN T_부별코드 d ON a.부별코드 = d.부별코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.부별코드, a.회원명"));
}
BENCHMARK(BM_CompletionListScreen_floor)->Unit(benchmark::kMillisecond);

void BM_ConsultationAllScreen(benchmark::State& state)
{
    TfCon0010 w;
    for (auto _ : state)
        w.Btn_SearchClick();
}
BENCHMARK(BM_ConsultationAllScreen)->Unit(benchmark::kMillisecond);

void BM_ConsultationAllScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.수련생명, a.상담자, a.상담일자, b.사유명, a.학교, a.학년, a.전화번호, a.예상입관일, a.순번, a.주소, a.부모명, a.우편번호 "
            "FROM T_입관상담 a LEFT JOIN T_입관동기 b ON a.방문동기 = b.사유코드 WHERE a.순번 <> 0 ORDER BY a.순번"));
}
BENCHMARK(BM_ConsultationAllScreen_floor)->Unit(benchmark::kMillisecond);

void BM_DailyStatusScreen(benchmark::State& state)
{
    TfDaily w;
    w.dtpk_Date->setDate(kToday.addDays(-3));
    for (auto _ : state)
        w.Btn_SearchClick();
}
BENCHMARK(BM_DailyStatusScreen)->Unit(benchmark::kMillisecond);

void BM_DailyStatusScreen_floor(benchmark::State& state)
{
    const std::string d = kToday.addDays(-3).toString("yyyy-MM-dd").toStdString();
    for (auto _ : state) {
        size_t n = Floor::program().rows("SELECT 회원명 FROM T_회원 WHERE 입관일 = ?1 UNION ALL SELECT 회원명 FROM T_회원 WHERE 퇴관일 = ?1 "
                                  "UNION ALL SELECT 회원명 FROM T_회원 WHERE 휴관일 = ?1 "
                                  "UNION ALL SELECT 회원명 FROM T_회원 WHERE 복관일휴 = ?1 OR 복관일퇴 = ?1",
                                  {d});
        n += Floor::program().rows("SELECT a.회원명 FROM T_결석 r LEFT JOIN T_회원 a ON r.회원번호 = a.회원번호 WHERE r.결석일자 = ?", {d});
        n += Floor::program().rows("SELECT * FROM T_일일현황 WHERE 일자 = ?", {d});
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_DailyStatusScreen_floor)->Unit(benchmark::kMillisecond);

} // namespace
