// Exchange lists through their windows, each beside its floor: the trainees of the notice-file screens
// and the withdrawn members of the transfer-file export. They run on the large school of bench_main.
#include "Floor.h"

#include "db/ProgramDir.h"
#include "exchange/uDataSend.h"
#include "exchange/uUploadCreate1.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_UploadTraineesScreen(benchmark::State& state)
{
    TfUploadCreate1 w;
    for (auto _ : state)
        w.btn_RefreshClick();
}
BENCHMARK(BM_UploadTraineesScreen)->Unit(benchmark::kMillisecond);

void BM_UploadTraineesScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, b.부명, c.급품명, a.입관일, a.주민등록번호, a.성별, a.생년월일, a.학년, a.반, d.지역명, "
            "a.전화번호, a.이메일, a.핸드폰번호 FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
            "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드 "
            "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.부별코드, a.입관일, a.급품코드",
            {}));
}
BENCHMARK(BM_UploadTraineesScreen_floor)->Unit(benchmark::kMillisecond);

void BM_WithdrawnMembersScreen(benchmark::State& state)
{
    TfDataSend w;
    for (auto _ : state)
        w.btn_QueryClick();
}
BENCHMARK(BM_WithdrawnMembersScreen)->Unit(benchmark::kMillisecond);

void BM_WithdrawnMembersScreen_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Floor::program().rows(
            "SELECT a.회원번호, a.회원명, a.입관일, b.부명, a.주민등록번호 FROM T_회원 a LEFT JOIN T_부별코드 b "
            "ON a.부별코드 = b.부별코드 WHERE a.퇴관일 IS NOT NULL AND a.회원명 LIKE '%' ORDER BY a.부별코드, a.회원명",
            {}));
}
BENCHMARK(BM_WithdrawnMembersScreen_floor)->Unit(benchmark::kMillisecond);

} // namespace
