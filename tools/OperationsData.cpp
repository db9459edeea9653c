#include "OperationsData.h"

#include "db/Clock.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "operations/CalendarList.h"
#include "operations/Consultations.h"
#include "operations/DailyStatus.h"
#include "operations/EventParticipation.h"
#include "operations/ExerciseCatalogue.h"
#include "operations/ShuttleList.h"
#include "operations/TrainingPlan.h"

#include <QHash>
#include <random>

namespace OperationsData {

namespace {

void check(const db::SaveResult& r, const QString& what)
{
    if (!r.saved)
        throw db::Error(r.message, what);
}

void addRow(db::ListRules& list, const QList<std::pair<QString, QVariant>>& values)
{
    const int row = list.append();
    for (const auto& [field, value] : values)
        list.edit(row, field, value);
}

struct Exercise {
    int code;
    const char* kind;
    const char* name;
    int range;
    QList<const char*> subs;
};

const QList<Exercise>& catalogue()
{
    static const QList<Exercise> list = {
        {1, "매일고정", "준비운동", 0, {}},
        {2, "매일반복", "기본동작", 2, {"주춤서기", "앞굽이", "뒷굽이", "아래막기", "몸통지르기"}},
        {3, "매일반복", "품새", 1, {"태극1장", "태극2장", "태극3장", "태극4장", "태극5장", "태극6장", "태극7장", "태극8장"}},
        {4, "주기반복", "겨루기", 1, {"앞차기 겨루기", "돌려차기 겨루기", "자유 겨루기"}},
        {5, "주기반복", "격파", 0, {}},
        {6, "매일고정", "정리운동", 0, {}},
    };
    return list;
}

} // namespace

Counts add(quint32 seed, const QDate& today, int months, int perMonth)
{
    std::mt19937 rng(seed ^ 0x5a17u);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const kNames[] = {"김민준", "이서연", "박지호", "최하은", "정도윤", "강서준", "조지우", "윤하린", "장시우", "임예린"};
    static const char* const kCounsel[] = {"김관장", "박사범", "이사범"};
    Counts n;
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-months + 1);

    // Holidays of every year of the span, and a few division events a year.
    {
        CalendarList holidays(CalendarList::kHolidays);
        holidays.load();
        static const char* const kFixed[][2] = {{"01-01", "신정"}, {"03-01", "삼일절"}, {"05-05", "어린이날"}, {"06-06", "현충일"},
                                                {"08-15", "광복절"}, {"10-03", "개천절"}, {"10-09", "한글날"}, {"12-25", "성탄절"}};
        for (int y = first.year(); y <= today.year(); ++y)
            for (const auto& h : kFixed)
                addRow(holidays, {{"공휴행사일", QString::number(y) + "-" + h[0]}, {"공휴행사명", QString::fromUtf8(h[1])}});
        check(holidays.save(), "holidays");
        n.calendar += holidays.rows().count();
        for (const QString& kind : CalendarList::divisionKinds()) {
            CalendarList events(kind);
            events.load();
            for (int y = first.year(); y <= today.year(); ++y) {
                addRow(events, {{"공휴행사일", db::dateText(QDate(y, 4, 10 + pick(0, 8)))}, {"공휴행사명", QStringLiteral("봄 체육대회")}});
                addRow(events, {{"공휴행사일", db::dateText(QDate(y, 10, 14 + pick(0, 8)))}, {"공휴행사명", QStringLiteral("가을 승급심사")}});
            }
            check(events.save(), kind);
            n.calendar += events.rows().count();
        }
    }

    // The catalogue, every division's selection and this year's plans up to this month.
    for (const PlanDivision& d : planDivisions()) {
        MainExercises mains(d.name);
        mains.load();
        for (const Exercise& e : catalogue())
            addRow(mains, {{"주운동코드", e.code}, {"반복구분", QString::fromUtf8(e.kind)}, {"주운동명", QString::fromUtf8(e.name)},
                           {"범위", e.range}});
        check(mains.save(), "T_주운동코드");
        SubExercises subs(d.name);
        PlanSelection selection(d.name);
        selection.load();
        for (const Exercise& e : catalogue()) {
            subs.setMain(e.code);
            for (int i = 0; i < e.subs.size(); ++i)
                addRow(subs, {{"세부운동코드", i + 1}, {"세부운동명", QString::fromUtf8(e.subs[i])}});
            check(subs.save(), "T_세부운동코드");
            n.exercises += 1 + int(e.subs.size());
            addRow(selection, {{"주운동명", QStringLiteral("%1)  %2").arg(e.code).arg(QString::fromUtf8(e.name))}});
        }
        check(selection.save(), "T_수련계획환경설정");
    }
    TrainingPlan::generate({QDate(today.year(), 1, 1), today}, {1, 2, 3, 4}, [](const QString&) { return true; });
    n.planRows = db::scalar("SELECT count(*) FROM T_수련계획표").toInt();

    // Consultations, event participation and daily sheets month by month.
    db::run("INSERT INTO T_행사목록 (행사코드, 행사명, 행사내용1, 행사내용2, 행사내용3) VALUES ('03', '시범공연', "
            "'위 수련생은 도장 시범공연에', '참가하여 태권도의 멋을', '널리 알렸으므로 이 증서를 줌.')");
    const QStringList events = EventParticipation::eventItems();
    QHash<QString, QString> enrolled; // a member takes part only in events after his enrolment
    {
        db::Query q("SELECT 회원번호, 입관일 FROM T_회원");
        q.open();
        while (q.next())
            enrolled.insert(q.str("회원번호"), q.str("입관일"));
    }
    int no = Consultations::nextNo();
    for (int m = 0; m < months; ++m) {
        const QDate start = first.addMonths(m);
        const QDate end = std::min(start.addMonths(1).addDays(-1), today);
        auto dayIn = [&] { return start.addDays(pick(0, end.day() - 1)); };
        db::Transaction t;
        for (int k = pick(2, 4) * perMonth; k > 0; --k) {
            Consultations::Record r;
            r.no = no++;
            const QDate d = dayIn();
            r.consultDate = db::dateText(d);
            r.expectedDate = db::dateText(d.addDays(pick(3, 20)));
            r.name = QString::fromUtf8(kNames[pick(0, 9)]);
            r.parent = r.name.left(1) + QStringLiteral("부모");
            r.age = pick(5, 12);
            r.school = QStringLiteral("한빛초");
            r.grade = QStringLiteral("초등 %1").arg(pick(1, 6));
            r.address = QStringLiteral("도장로 %1길 %2").arg(pick(1, 80)).arg(pick(1, 200));
            r.phone = QStringLiteral("%1-%2").arg(pick(2000, 9999)).arg(pick(1000, 9999));
            r.motive = QStringLiteral("0%1").arg(pick(1, 6));
            r.counsellor = QString::fromUtf8(kCounsel[pick(0, 2)]);
            r.memo = QStringLiteral("수련 시간과 차량 운행을 문의함.");
            Consultations::insert(r);
            ++n.consultations;
        }
        // One event a month for the members then attending one division.
        Clock::setFixed(QDateTime(end, QTime(18, 0)));
        QList<EventParticipation::BatchLine> lines;
        const QString bu = QStringLiteral("%1").arg(pick(1, 14), 2, 10, QChar(u'0'));
        const QDate eventDay = dayIn();
        for (const QStringList& c : EventParticipation::candidates(" AND a.부별코드 = :buCode ", bu, QString()))
            if (enrolled.value(c[0]) <= db::dateText(eventDay))
                lines.append({c[0], QString()});
        check(EventParticipation::addBatch(lines, events[pick(0, int(events.size()) - 1)], eventDay), "T_행사참가");
        n.participations += int(lines.size());
        // The daily sheets of the month's last weekdays.
        for (QDate d = end; d >= start && d > end.addDays(-7 * perMonth); d = d.addDays(-1)) {
            if (d.dayOfWeek() > 5)
                continue;
            DailyStatus::Content c;
            for (int i = 0; i < 8; ++i) {
                c.colour.append(i < 4 ? QStringLiteral("기본동작 %1").arg(pick(1, 20)) : QString());
                c.poom.append(i < 3 ? QStringLiteral("품새 태극%1장").arg(pick(1, 8)) : QString());
            }
            DailyStatus::save(d, c);
            ++n.dailyRows;
        }
        t.commit();
    }
    Clock::setFixed(QDateTime(today, QTime(10, 0)));

    // Three shuttle courses, their stops and pick-up times.
    ShuttleList courses(ShuttleList::Course), stops(ShuttleList::Stop), times(ShuttleList::Time);
    courses.load();
    for (int c = 1; c <= 3; ++c)
        addRow(courses, {{"코스코드", QString::number(c)}, {"코스이름", QStringLiteral("통학%1호").arg(c)}});
    check(courses.save(), "T_코스코드");
    stops.load();
    times.load();
    static const char* const kStops[] = {"정문", "아파트 입구", "시장 앞", "학교 후문"};
    for (int c = 1; c <= 3; ++c)
        for (int s = 1; s <= 4; ++s) {
            const QString course = ShuttleList::itemText(QString::number(c), QStringLiteral("통학%1호").arg(c));
            const QString stop = QStringLiteral("%1").arg(s, 2, 10, QChar(u'0'));
            addRow(stops, {{"코스이름비고", course}, {"장소코드", stop}, {"장소", QString::fromUtf8(kStops[s - 1])}});
            addRow(times, {{"코스이름비고", course}, {"장소비고", ShuttleList::itemText(stop, QString::fromUtf8(kStops[s - 1]))},
                           {"시간", QStringLiteral("%1:%2").arg(13 + c).arg(s * 10, 2, 10, QChar(u'0'))}});
        }
    check(stops.save(), "T_장소코드");
    check(times.save(), "T_시간코드");
    n.shuttle = 3 + stops.rows().count() + times.rows().count();
    return n;
}

} // namespace OperationsData
