// The lists and screens as the user meets them: each action is posted like a click and timed until the
// list has painted (the median of five runs), beside the floor of the same rows; the time each large
// screen takes to open in the main window; and the memory of the whole program at the end. They run on
// the large school prepared by bench_main.
#include "Floor.h"

#include "app/uMain.h"
#include "attendance/uAtt0010.h"
#include "cashbook/uMon0010.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "exams/uInp0011.h"
#include "exchange/uUploadCreate1.h"
#include "fees/FeeMonthPage.h"
#include "fees/FeeReceiptPage.h"
#include "fees/FeeUnpaidPage.h"
#include "fees/uFee0010.h"
#include "stats/uTot0010.h"
#include "ui/DateEdit.h"
#include "ui/ScreenHost.h"

#include <QPushButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

const QDate kToday(2026, 12, 10);
const QDate kMonth(2026, 11, 1), kMonthEnd(2026, 11, 30);

// Seen paint events of one widget from the moment the watch is armed.
class PaintWatch : public QObject {
public:
    bool armed = false, painted = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (armed && e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

QWidget* paintTarget(QWidget* view)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(view);
    return area ? area->viewport() : view;
}

// Runs the event loop until `done` says so (or ten seconds have passed); the milliseconds it took from `t`.
double runUntil(const QElapsedTimer& t, const std::function<bool()>& done)
{
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return double(t.nsecsElapsed()) / 1e6;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A click posted to the event queue, as the user's click arrives, timed until `view` has painted
// after the button's own handler (connected before this watch) has run.
double clickUntilPainted(QAbstractButton* button, QWidget* view)
{
    PaintWatch watch;
    QWidget* target = paintTarget(view);
    target->installEventFilter(&watch);
    bool handled = false;
    const auto c = QObject::connect(button, &QAbstractButton::clicked, button, [&] {
        handled = true;
        watch.armed = true;
    });
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    const double ms = runUntil(t, [&] { return handled && watch.painted; });
    QObject::disconnect(c);
    target->removeEventFilter(&watch);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One list case: five posted clicks, the median reported as the iteration's time; `reset` (untimed)
// puts the screen back between clicks; `rows` counts what the list shows.
void clickCase(benchmark::State& state, QAbstractButton* button, QWidget* view, const std::function<int()>& rows,
               const std::function<void()>& reset = {})
{
    if (!button->isEnabled() || !button->isVisible()) {
        state.SkipWithError("the button cannot be pressed");
        return;
    }
    for (auto _ : state) {
        std::vector<double> runs;
        for (int i = 0; i < 5; ++i) {
            runs.push_back(clickUntilPainted(button, view));
            state.counters["rows"] = rows();
            if (reset) {
                reset();
                settle();
            }
        }
        state.SetIterationTime(median(runs) / 1000.0);
    }
}

int modelRows(QAbstractItemView* v) { return v->model() ? v->model()->rowCount() : 0; }

void runFloor(benchmark::State& state, const char* sql, const std::vector<std::string>& params = {})
{
    size_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(n = Floor::program().rows(sql, params));
    state.counters["rows"] = double(n);
}

#define WINDOW_CASE(Name) BENCHMARK(Name)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)

// ---- examinations (the batch screen) ----

void BM_ExamSearchWindow(benchmark::State& state)
{
    TfInp0011 w;
    w.show();
    settle();
    w.edt_num->setText(QString::number(ExamNumber::last()));
    clickCase(state, w.btnsearch, w.DBCtrlGrid2, [&] { return modelRows(w.DBCtrlGrid2); }, [&] { w.btnCancelClick(); });
}
WINDOW_CASE(BM_ExamSearchWindow);

void BM_ExamListWindow(benchmark::State& state)
{
    TfInp0011 w;
    w.show();
    settle();
    w.edt_num->setText(QString::number(ExamNumber::next()));
    w.inToday1->setDate(kToday);
    clickCase(state, w.btnInsert, w.DBCtrlGrid2, [&] { return modelRows(w.DBCtrlGrid2); }, [&] { w.btnCancelClick(); });
}
WINDOW_CASE(BM_ExamListWindow);

// ---- fees ----

void feeCase(benchmark::State& state, int page, const std::function<QTableView*(TfFee0010&)>& setUp)
{
    TfFee0010 w;
    w.show();
    settle();
    w.selectPage(page, true);
    settle();
    QTableView* view = setUp(w);
    clickCase(state, w.Btn_Query, view, [view] { return modelRows(view); });
}

void BM_FeeUnpaidThisMonthWindow(benchmark::State& state)
{
    feeCase(state, TfFee0010::PageUnpaid, [](TfFee0010& w) {
        w.pageUnpaid->dateHyun->setDate(kToday);
        w.pageUnpaid->rb1->setChecked(true);
        return w.pageUnpaid->lvView2;
    });
}
WINDOW_CASE(BM_FeeUnpaidThisMonthWindow);
void BM_FeeUnpaidThisMonthWindow_floor(benchmark::State& state)
{
    const std::string month = kToday.toString("yyyyMM").toStdString();
    const std::string first = std::to_string(kToday.year() - 1) + "01";
    runFloor(state,
             "SELECT a.회원번호, a.회원명, a.부별코드, a.전화번호, a.입관일, a.납부일자, a.성별, a.수련비, a.이메일, a.핸드폰번호, "
             "(SELECT group_concat(g.년월분) FROM T_수련비납부 g WHERE g.회원번호 = a.회원번호 AND g.년월분 BETWEEN ?2 AND ?1) "
             "FROM T_회원 a WHERE NOT EXISTS (SELECT 1 FROM T_수련비납부 p WHERE p.회원번호 = a.회원번호 AND p.년월분 = ?1) "
             "AND substr(a.입관일,1,4) || substr(a.입관일,6,2) <= ?1 AND a.휴관일 IS NULL AND a.퇴관일 IS NULL "
             "ORDER BY a.부별코드, a.회원명",
             {month, first});
}
BENCHMARK(BM_FeeUnpaidThisMonthWindow_floor)->Unit(benchmark::kMillisecond);

// Its floor is the fee benchmarks' BM_FeeUnpaidScreen_floor.
void BM_FeeUnpaidWindow(benchmark::State& state)
{
    feeCase(state, TfFee0010::PageUnpaid, [](TfFee0010& w) {
        w.pageUnpaid->dateHyun->setDate(kToday);
        w.pageUnpaid->rb2->setChecked(true);
        return w.pageUnpaid->lvView2;
    });
}
WINDOW_CASE(BM_FeeUnpaidWindow);

void BM_FeeMonthPayersWindow(benchmark::State& state)
{
    feeCase(state, TfFee0010::PageMonth, [](TfFee0010& w) {
        w.pageMonth->AllToday->setDate(kMonth);
        return w.pageMonth->lvView;
    });
}
WINDOW_CASE(BM_FeeMonthPayersWindow);

void BM_FeeReceiptListWindow(benchmark::State& state)
{
    feeCase(state, TfFee0010::PageReceipt, [](TfFee0010& w) {
        w.pageReceipt->AllToday3->setDate(kMonth);
        w.pageReceipt->AllToday31->setDate(kMonthEnd);
        return w.pageReceipt->lvView3;
    });
}
WINDOW_CASE(BM_FeeReceiptListWindow);

// The payments of a month and of the whole year on the register page (조회).
void feeList(benchmark::State& state, const QDate& from, const QDate& to)
{
    feeCase(state, TfFee0010::PageRegister, [&](TfFee0010& w) {
        w.dtpk_NabbuFromDate->setDate(from);
        w.dtpk_NabbuToDate->setDate(to);
        return w.DBCtrlGrid1;
    });
}
void feeListFloor(benchmark::State& state, const QDate& from, const QDate& to)
{
    runFloor(state,
             "SELECT a.회원번호, b.부명, a.납부일자, a.회원명, a.핸드폰번호, f.납부일자, a.납부은행, f.납부액, f.년월분, f.비고 "
             "FROM T_수련비납부 f LEFT JOIN T_회원 a ON f.회원번호 = a.회원번호 LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
             "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL AND f.납부일자 BETWEEN ? AND ? ORDER BY b.부명, a.회원명, f.년월분",
             {db::dateText(from).toStdString(), db::dateText(to).toStdString()});
}
void BM_FeePaymentsMonthWindow(benchmark::State& s) { feeList(s, kMonth, kMonthEnd); }
void BM_FeePaymentsMonthWindow_floor(benchmark::State& s) { feeListFloor(s, kMonth, kMonthEnd); }
void BM_FeePaymentsYearWindow(benchmark::State& s) { feeList(s, QDate(kToday.year(), 1, 1), QDate(kToday.year(), 12, 31)); }
void BM_FeePaymentsYearWindow_floor(benchmark::State& s) { feeListFloor(s, QDate(kToday.year(), 1, 1), QDate(kToday.year(), 12, 31)); }
WINDOW_CASE(BM_FeePaymentsMonthWindow);
BENCHMARK(BM_FeePaymentsMonthWindow_floor)->Unit(benchmark::kMillisecond);
WINDOW_CASE(BM_FeePaymentsYearWindow);
BENCHMARK(BM_FeePaymentsYearWindow_floor)->Unit(benchmark::kMillisecond);

// ---- attendance: pages 1 to 3 of a month, page 1 of a year (floors: the attendance benchmarks') ----

void attendanceCase(benchmark::State& state, int page, const QDate& from, const QDate& to)
{
    TfAtt0010 w;
    w.show();
    settle();
    w.selectPage(page, true);
    for (DateEdit* d : {w.dtpk_FromGyulDate, w.AllDateFrom, w.inDateFrom})
        d->setDate(from);
    for (DateEdit* d : {w.dtpk_ToGyulDate, w.AllDateTo, w.inDateTo})
        d->setDate(to);
    w.rbGyul2->setChecked(true);
    settle();
    QTableView* view = page == TfAtt0010::PageDaily ? w.lvDays : page == TfAtt0010::PageCounts ? w.lvAll : w.lvPerfect;
    clickCase(state, w.btnRefresh, view, [view] { return modelRows(view); });
}
void BM_AbsencesMonthWindow(benchmark::State& s) { attendanceCase(s, TfAtt0010::PageDaily, kMonth, kMonthEnd); }
void BM_AbsenceCountsMonthWindow(benchmark::State& s) { attendanceCase(s, TfAtt0010::PageCounts, kMonth, kMonthEnd); }
void BM_PerfectAttendanceMonthWindow(benchmark::State& s) { attendanceCase(s, TfAtt0010::PagePerfect, kMonth, kMonthEnd); }
void BM_AbsencesYearWindow(benchmark::State& s) { attendanceCase(s, TfAtt0010::PageDaily, QDate(2026, 1, 1), kMonthEnd); }
void BM_AbsencesYearWindow_floor(benchmark::State& state)
{
    runFloor(state,
             "SELECT m.회원번호, m.회원명, m.입관일, b.부명, m.전화번호, m.이메일, m.핸드폰번호, a.결석일자, r.결석사유, a.비고, "
             "(SELECT group_concat(substr(년월분, 5, 2)) FROM T_수련비납부 f WHERE f.회원번호 = m.회원번호 "
             " AND f.년월분 >= '202601' AND f.년월분 < '202601') "
             "FROM T_결석 a LEFT JOIN T_회원 m ON a.회원번호 = m.회원번호 LEFT JOIN T_부별코드 b ON m.부별코드 = b.부별코드 "
             "LEFT JOIN T_결석사유 r ON a.결석사유코드 = r.결석사유코드 "
             "WHERE a.결석일자 BETWEEN ? AND ? AND m.퇴관일 IS NULL AND m.휴관일 IS NULL ORDER BY a.결석일자, m.부별코드, m.회원명",
             {"2026-01-01", "2026-11-30"});
}
WINDOW_CASE(BM_AbsencesMonthWindow);
WINDOW_CASE(BM_AbsenceCountsMonthWindow);
WINDOW_CASE(BM_PerfectAttendanceMonthWindow);
WINDOW_CASE(BM_AbsencesYearWindow);
BENCHMARK(BM_AbsencesYearWindow_floor)->Unit(benchmark::kMillisecond);

// ---- cash book: a month's lines (floor: BM_CashInquiryMonthScreen_floor) ----

void BM_CashInquiryMonthWindow(benchmark::State& state)
{
    TfMon0010 w;
    w.show();
    settle();
    w.showPage(TfMon0010::PgInquiry);
    w.dtpk_From->setDate(kMonth);
    w.dtpk_To->setDate(kMonthEnd);
    settle();
    QTableView* view = w.grd_Inquiry;
    clickCase(state, w.Btn_Query, view, [view] { return modelRows(view); });
}
WINDOW_CASE(BM_CashInquiryMonthWindow);

// ---- general queries: every page (floors: the query benchmarks' BM_Tot…Screen_floor) ----

TfTot0010* g_tot = nullptr;

TfTot0010& totWindow()
{
    if (!g_tot) {
        g_tot = new TfTot0010;
        g_tot->show();
        qAddPostRoutine([] {
            delete g_tot;
            g_tot = nullptr;
        });
    }
    return *g_tot;
}

void totCase(benchmark::State& state, int page, const std::function<void(TfTot0010&)>& setUp = {})
{
    TfTot0010& w = totWindow();
    w.PageControl1->setCurrentIndex(page);
    settle();
    if (setUp)
        setUp(w);
    QTableView* view = w.page(page).grid;
    clickCase(state, w.BitBtn4, view, [view] { return modelRows(view); });
}

#define TOT_CASE(Name, Page, SetUp)                                                                                  \
    void BM_Tot##Name##Window(benchmark::State& s) { totCase(s, tot::Page, [](TfTot0010& w) { (void)w; SetUp; }); } \
    WINDOW_CASE(BM_Tot##Name##Window);

TOT_CASE(RosterCurrent, Roster, {})
TOT_CASE(RosterWithdrawn, Roster, w.page(tot::Roster).withdrawn->setChecked(true))
TOT_CASE(School, School, w.page(tot::Roster).withdrawn->setChecked(false))
TOT_CASE(Rank, Rank, w.page(tot::Rank).rank->setCurrentIndex(1))
TOT_CASE(DanNumbers, Rank, w.rbDanMode->setChecked(true))
TOT_CASE(Address, Address, {})
TOT_CASE(Birthdays, Birthday, {})
TOT_CASE(Awards, Awards, {})
TOT_CASE(PointsTotal, Points, {})
TOT_CASE(Suggestions, Suggestions, {})
TOT_CASE(OverallLife, Overall, {})
TOT_CASE(Conduct, Conduct, {})
TOT_CASE(Notices, Notices, {})
TOT_CASE(Concentration, Concentration, {})
TOT_CASE(ExamNotes, ExamNotes, {})
TOT_CASE(Register, Register, {})

// ---- the trainees of the notice-file upload ----

void BM_UploadTraineesWindow(benchmark::State& state)
{
    TfUploadCreate1 w;
    w.show();
    settle();
    clickCase(state, w.btn_Refresh, w.ListView_Upload, [&] { return modelRows(w.ListView_Upload); });
}
WINDOW_CASE(BM_UploadTraineesWindow);
void BM_UploadTraineesWindow_floor(benchmark::State& state)
{
    runFloor(state,
             "SELECT a.회원번호, a.회원명, b.부명, c.급품명, a.입관일, a.주민등록번호, a.성별, a.생년월일, a.학년, a.반, d.지역명, "
             "a.전화번호, a.이메일, a.핸드폰번호 FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
             "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드 "
             "WHERE a.퇴관일 IS NULL AND a.휴관일 IS NULL ORDER BY a.부별코드, a.입관일, a.급품코드");
}
BENCHMARK(BM_UploadTraineesWindow_floor)->Unit(benchmark::kMillisecond);

// ---- opening screens in the main window ----

TfMain* g_main = nullptr;

TfMain& mainWindow()
{
    if (!g_main) {
        g_main = new TfMain;
        g_main->show();
        settle();
        qAddPostRoutine([] {
            delete g_main;
            g_main = nullptr;
        });
    }
    return *g_main;
}

// From the request to the screen's first paint in its window, the median of five; closed between.
void openCase(benchmark::State& state, const char* className)
{
    ScreenHost* host = mainWindow().screens();
    for (auto _ : state) {
        std::vector<double> runs;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer t;
            t.start();
            QWidget* s = host->open(QString::fromLatin1(className));
            if (!s) {
                state.SkipWithError("the screen did not open");
                return;
            }
            PaintWatch watch;
            watch.armed = true;
            s->installEventFilter(&watch);
            runs.push_back(runUntil(t, [&] { return watch.painted; }));
            s->removeEventFilter(&watch);
            s->close();
            settle();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        state.SetIterationTime(median(runs) / 1000.0);
    }
}

#define OPEN_CASE(Class)                                                     \
    void BM_Open_##Class(benchmark::State& s) { openCase(s, #Class); }       \
    WINDOW_CASE(BM_Open_##Class);

OPEN_CASE(TfFee0010)
OPEN_CASE(TfPer0020)
OPEN_CASE(TfMon0010)
OPEN_CASE(TfAtt0010)
OPEN_CASE(TfInp0011)
OPEN_CASE(TfTot0010)
OPEN_CASE(TfMem0010)
OPEN_CASE(TfRet0010)
OPEN_CASE(TfInp0010)
OPEN_CASE(TfEve0010)

double statusMB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace

// The memory lines at the end of a run: every screen of the work area open and the large lists shown,
// then all of them closed again; and the peak of the whole run.
void printMemory()
{
    TfMain& w = mainWindow();
    ScreenHost* host = w.screens();
    const double before = statusMB("VmRSS:");
    for (const screens::Factory& f : ScreenHost::programTables().factories)
        if (f.kind == screens::Kind::Child && f.className != QLatin1String("Tfexit"))
            host->open(f.className);
    settle();
    const double screensOpen = statusMB("VmRSS:");
    // The large lists, filled as the user fills them.
    if (auto* fee = qobject_cast<TfFee0010*>(host->screen(QStringLiteral("TfFee0010")))) {
        fee->selectPage(TfFee0010::PageUnpaid, true);
        fee->pageUnpaid->rb2->setChecked(true);
        fee->Btn_QueryClick();
        fee->selectPage(TfFee0010::PageRegister, true);
        fee->dtpk_NabbuFromDate->setDate(QDate(kToday.year(), 1, 1));
        fee->dtpk_NabbuToDate->setDate(QDate(kToday.year(), 12, 31));
        fee->Btn_QueryClick();
    }
    if (auto* att = qobject_cast<TfAtt0010*>(host->screen(QStringLiteral("TfAtt0010")))) {
        att->selectPage(TfAtt0010::PageDaily, true);
        att->dtpk_FromGyulDate->setDate(QDate(2026, 1, 1));
        att->dtpk_ToGyulDate->setDate(kMonthEnd);
        att->btnRefreshClick();
    }
    if (auto* tot = qobject_cast<TfTot0010*>(host->screen(QStringLiteral("TfTot0010")))) {
        for (int page : {tot::Roster, tot::School, tot::Address, tot::Birthday}) {
            tot->PageControl1->setCurrentIndex(page);
            tot->BitBtn4Click();
        }
        tot->PageControl1->setCurrentIndex(tot::Roster);
        tot->page(tot::Roster).withdrawn->setChecked(true);
        tot->BitBtn4Click();
    }
    if (auto* inp = qobject_cast<TfInp0011*>(host->screen(QStringLiteral("TfInp0011")))) {
        inp->edt_num->setText(QString::number(ExamNumber::last()));
        inp->btnsearchClick();
    }
    if (auto* mon = qobject_cast<TfMon0010*>(host->screen(QStringLiteral("TfMon0010")))) {
        mon->showPage(TfMon0010::PgInquiry);
        mon->dtpk_From->setDate(QDate(kToday.year(), 1, 1));
        mon->dtpk_To->setDate(kMonthEnd);
        mon->Btn_QueryClick();
    }
    settle();
    const double listsShown = statusMB("VmRSS:");
    const int open = int(host->openScreens().size());
    host->closeAll();
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    const double closed = statusMB("VmRSS:");
    std::printf("\nmemory (MB): main window %.1f, %d screens open %.1f, large lists shown %.1f, all closed %.1f\n", before, open,
                screensOpen, listsShown, closed);
    std::printf("peak memory (VmHWM): %.1f MB\n", statusMB("VmHWM:"));
}
