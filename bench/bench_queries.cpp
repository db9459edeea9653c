// The general-query pages (종합관리) through their window, each beside its floor: the same base rows
// by one hand-written query. A page runs as the user runs it: page chosen, filters set, 조회 pressed,
// the list shown. They run on the large school prepared by bench_main.
#include "Floor.h"

#include "db/ProgramDir.h"
#include "stats/uTot0010.h"
#include "ui/CodeCombo.h"

#include <QComboBox>
#include <QLabel>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

// One window for every page; it goes with the application (a static destroyed after it would crash).
TfTot0010* g_window = nullptr;

TfTot0010& window()
{
    if (!g_window) {
        g_window = new TfTot0010;
        g_window->show();
        qAddPostRoutine([] {
            delete g_window;
            g_window = nullptr;
        });
    }
    return *g_window;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

using Setup = std::function<void(TfTot0010&)>;

void runScreen(benchmark::State& state, int page, const Setup& setup)
{
    TfTot0010& w = window();
    w.PageControl1->setCurrentIndex(page);
    settle();
    if (setup)
        setup(w);
    for (auto _ : state) {
        w.BitBtn4Click();
        settle();
    }
    state.counters["rows"] = w.search_num->text().section(u':', 1).trimmed().toDouble();
}

void runFloor(benchmark::State& state, const char* sql, const std::vector<std::string>& params = {})
{
    size_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(n = Floor::program().rows(sql, params));
    state.counters["rows"] = double(n);
}

void withdrawn(TfTot0010& w, int page) { w.page(page).withdrawn->setChecked(true); }

// The member columns most pages show, with division and rank names.
#define MEMBERS                                                                                                       \
    "SELECT a.회원번호, a.회원명, a.입관일, a.퇴관일, a.휴관일, a.성별, a.학년, a.반, a.전화번호, a.생년월일, a.학교, " \
    "a.주소, a.우편번호, a.납부일자, a.핸드폰번호, b.부명, c.급품명 FROM T_회원 a JOIN T_부별코드 b ON a.부별코드 = " \
    "b.부별코드 JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "

#define QUERY_CASE(Name, Page, SetupBody, FloorSql)                                                                   \
    void BM_Tot##Name##Screen(benchmark::State& s) { runScreen(s, tot::Page, [](TfTot0010& w) { (void)w; SetupBody; }); } \
    void BM_Tot##Name##Screen_floor(benchmark::State& s) { runFloor(s, FloorSql); }                               \
    BENCHMARK(BM_Tot##Name##Screen)->Unit(benchmark::kMillisecond);                                               \
    BENCHMARK(BM_Tot##Name##Screen_floor)->Unit(benchmark::kMillisecond);

QUERY_CASE(RosterCurrent, Roster, {}, MEMBERS "WHERE a.퇴관일 IS NULL ORDER BY a.회원명, a.입관일")
QUERY_CASE(RosterWithdrawn, Roster, withdrawn(w, tot::Roster), MEMBERS "WHERE a.퇴관일 IS NOT NULL ORDER BY a.회원명, a.입관일")
QUERY_CASE(School, School, {}, MEMBERS "WHERE a.퇴관일 IS NULL ORDER BY a.학교, a.학년, a.반")
QUERY_CASE(Rank, Rank, w.page(tot::Rank).rank->setCurrentIndex(1),
           "SELECT a.회원번호, a.회원명, a.학년, b.부명, c.급품명, (SELECT Max(s.승급일자) FROM T_심사 s WHERE s.회원번호 = "
           "a.회원번호 AND s.급품코드 = a.급품코드) FROM T_회원 a JOIN T_부별코드 b ON a.부별코드 = b.부별코드 JOIN T_급품코드 c "
           "ON a.급품코드 = c.급품코드 WHERE a.퇴관일 IS NULL ORDER BY c.급품코드, b.부별코드, a.학년, a.회원명")
QUERY_CASE(DanNumbers, Rank, w.rbDanMode->setChecked(true),
           "SELECT d.*, a.회원명, b.부명, c.급품명 FROM T_국기원승품 d LEFT JOIN T_회원 a ON d.회원번호 = a.회원번호 "
           "LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 LEFT JOIN T_급품코드 c ON d.급품코드 = c.급품코드")
QUERY_CASE(Address, Address, {},
           MEMBERS "LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드 WHERE a.퇴관일 IS NULL ORDER BY d.지역명, a.주소")
QUERY_CASE(Birthdays, Birthday, {}, MEMBERS "WHERE a.퇴관일 IS NULL ORDER BY a.회원명, a.입관일")
QUERY_CASE(FamilyBirthdays, Birthday, w.rbFamily->setChecked(true),
           "SELECT a.회원번호, a.회원명, b.부명, f.관계, f.성명, f.생일, f.직업, f.비고 FROM T_회원 a JOIN T_가족사항 f "
           "ON a.회원번호 = f.회원번호 LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 WHERE f.생일 IS NOT NULL "
           "AND a.퇴관일 IS NULL ORDER BY a.회원명")
QUERY_CASE(Awards, Awards, {},
           MEMBERS "JOIN T_상장지급 d ON a.회원번호 = d.회원번호 JOIN T_상장목록 e ON d.상장코드 = e.상장코드 "
                   "WHERE a.퇴관일 IS NULL ORDER BY b.부별코드, a.회원명, e.상장명, d.지급일자")
QUERY_CASE(PointsTotal, Points, {},
           "SELECT a.회원번호, strftime('%m', a.벌점일자) AS m, sum(b.벌점수) FROM T_벌점 a JOIN T_벌점항목 b ON a.벌점코드 = "
           "b.벌점코드 JOIN T_회원 c ON a.회원번호 = c.회원번호 WHERE c.퇴관일 IS NULL AND a.벌점일자 BETWEEN '2026-01-01' AND "
           "'2026-12-31' GROUP BY a.회원번호, m")
QUERY_CASE(Suggestions, Suggestions, {},
           "SELECT a.회원번호, a.회원명, b.부명, c.급품명, d.건의일자, d.건의사항 FROM T_회원 a JOIN T_부별코드 b ON "
           "a.부별코드 = b.부별코드 JOIN T_급품코드 c ON a.급품코드 = c.급품코드 JOIN T_건의사항 d ON a.회원번호 = "
           "d.회원번호 WHERE a.퇴관일 IS NULL ORDER BY b.부별코드, d.건의일자, a.회원명")
QUERY_CASE(OverallLife, Overall, {},
           "SELECT a.회원번호, a.회원명, (SELECT sum(c.벌점수) FROM T_벌점 p JOIN T_벌점항목 c ON p.벌점코드 = c.벌점코드 "
           "WHERE p.회원번호 = a.회원번호 AND p.벌점일자 BETWEEN '2026-01-01' AND '2026-12-31'), (SELECT count(*) FROM T_결석 d "
           "WHERE d.회원번호 = a.회원번호 AND d.결석일자 BETWEEN '2026-01-01' AND '2026-12-31') FROM T_회원 a WHERE "
           "a.퇴관일 IS NULL AND a.휴관일 IS NULL")
QUERY_CASE(Conduct, Conduct, {},
           "SELECT a.회원번호, a.회원명, b.부명, c.급품명, d.기록일자, d.생활기록 FROM T_회원 a JOIN T_부별코드 b ON "
           "a.부별코드 = b.부별코드 JOIN T_급품코드 c ON a.급품코드 = c.급품코드 JOIN T_생활기록 d ON a.회원번호 = "
           "d.회원번호 WHERE a.퇴관일 IS NULL ORDER BY b.부별코드, d.기록일자, a.회원명")
QUERY_CASE(Notices, Notices, {},
           "SELECT a.회원번호, a.회원명, b.부명, c.급품명, d.공지일자, d.공지사항 FROM T_회원 a JOIN T_부별코드 b ON "
           "a.부별코드 = b.부별코드 JOIN T_급품코드 c ON a.급품코드 = c.급품코드 JOIN T_심사평가공지사항 d ON a.회원번호 = "
           "d.회원번호 WHERE a.퇴관일 IS NULL ORDER BY b.부별코드, d.공지일자, a.회원명")
QUERY_CASE(Boarding, Boarding, {},
           "SELECT a.회원번호, a.회원명, a.장소코드, a.시간, b.부명, d.코스이름, (SELECT e.장소 FROM T_장소코드 e WHERE "
           "a.코스코드 = e.코스코드 AND a.장소코드 = e.장소코드) FROM T_회원 a JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
           "JOIN T_코스코드 d ON a.코스코드 = d.코스코드 WHERE a.퇴관일 IS NULL ORDER BY a.코스코드, a.시간, a.장소코드")
QUERY_CASE(Concentration, Concentration, {},
           "SELECT a.회원번호, a.회원명, b.* FROM T_회원 a JOIN T_집중도 b ON a.회원번호 = b.회원번호 WHERE a.퇴관일 IS NULL")
QUERY_CASE(ExamNotes, ExamNotes, {},
           "SELECT a.회원번호, a.회원명, s.* FROM T_회원 a JOIN T_심사 s ON a.회원번호 = s.회원번호 WHERE s.심사명 = "
           "(SELECT max(심사명) FROM T_심사 WHERE 심사구분 <> '국기원')")
QUERY_CASE(Register, Register, {}, "SELECT d.*, a.회원명 FROM T_국기원승품 d LEFT JOIN T_회원 a ON d.회원번호 = a.회원번호")

} // namespace
