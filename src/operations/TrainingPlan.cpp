#include "operations/TrainingPlan.h"

#include "db/CodeTables.h"
#include "db/MonthKey.h"
#include "db/ProgramDir.h"
#include "report/Report.h"
#include "text/Cp949.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

// ---- selection

PlanSelection::PlanSelection(const QString& division) : m_division(division) {}

void PlanSelection::load()
{
    // Entries whose main exercise no longer exists drop out with the join.
    m_rows.open(QStringLiteral(
                    "SELECT a.부명, a.주운동코드, a.출력순번, b.반복구분, b.주운동명, b.범위 FROM T_수련계획환경설정 a "
                    "INNER JOIN T_주운동코드 b ON a.부명 = b.부명 AND a.주운동코드 = b.주운동코드 "
                    "WHERE a.부명 = :부명 ORDER BY a.출력순번"),
                {{"부명", m_division}});
}

QStringList PlanSelection::mainItems() const
{
    QStringList out;
    db::Query q("SELECT 주운동코드, 주운동명 FROM T_주운동코드 WHERE 부명 = :부명 ORDER BY 주운동명");
    q.bind("부명", m_division);
    q.open();
    while (q.next())
        out.append(codes::itemText(q.str("주운동코드"), q.str("주운동명")));
    return out;
}

void PlanSelection::edit(int row, const QString& field, const QVariant& value)
{
    if (field != QStringLiteral("주운동명")) {
        m_rows.setValue(row, field, value);
        return;
    }
    const QString item = value.toString();
    db::Query q("SELECT * FROM T_주운동코드 WHERE 부명 = :부명 AND 주운동코드 = :code");
    q.bind("부명", m_division).bind("code", codes::codeOf(item).toInt());
    q.open();
    if (!q.next())
        return;
    m_rows.setValue(row, "주운동코드", q.value("주운동코드"));
    m_rows.setValue(row, "반복구분", q.value("반복구분"));
    m_rows.setValue(row, "주운동명", q.value("주운동명"));
    m_rows.setValue(row, "범위", q.value("범위"));
}

bool PlanSelection::editable(int row, const QString& field) const
{
    return field == QStringLiteral("주운동명") && m_rows.state(row) == db::BufferedSet::State::Inserted;
}

db::SaveResult PlanSelection::save()
{
    for (int row = 0; row < m_rows.count(); ++row)
        if (m_rows.value(row, "주운동코드").isNull())
            return db::SaveResult::check(row, "주운동명", "주 운동명을 선택하세요.");
    return write([this] {
        db::run("DELETE FROM T_수련계획환경설정 WHERE 부명 = :부명", {{"부명", m_division}});
        db::Query ins("INSERT INTO T_수련계획환경설정 (부명, 주운동코드, 출력순번) VALUES (:부명, :주운동코드, :출력순번)");
        for (int row = 0; row < m_rows.count(); ++row) {
            m_rows.setValue(row, "출력순번", row + 1);
            ins.bind("부명", m_division).bind("주운동코드", m_rows.value(row, "주운동코드")).bind("출력순번", row + 1);
            ins.exec();
        }
    });
}

namespace TrainingPlan {

namespace {

const QString kRest = QStringLiteral("공휴일");
const QString kFixed = QStringLiteral("매일고정");
const QString kRotating = QStringLiteral("매일반복");
const QString kPeriodic = QStringLiteral("주기반복");
const QString kStars = QString(32, u'*');

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); }

struct Entry {
    int code = 0;
    QString kind;
    QString name;
    int range = 0;
};

QList<Entry> selection(const QString& division)
{
    QList<Entry> out;
    db::Query q("SELECT b.주운동코드, b.반복구분, b.주운동명, b.범위 FROM T_수련계획환경설정 a "
                "INNER JOIN T_주운동코드 b ON a.부명 = b.부명 AND a.주운동코드 = b.주운동코드 "
                "WHERE a.부명 = :부명 ORDER BY a.출력순번");
    q.bind("부명", division);
    q.open();
    while (q.next())
        out.append({int(q.integer("주운동코드")), q.str("반복구분"), q.str("주운동명"), int(q.integer("범위"))});
    return out;
}

struct Sub {
    int code;
    QString name;
};

// The texts and range of one day of a rotating exercise.
struct Choice {
    QString shortText, longText;
    int start = 0, end = 0;
};

class Rotation {
public:
    explicit Rotation(const QString& division) : m_division(division) {}

    Choice next(const Entry& e)
    {
        const QList<Sub>& subs = subsOf(e.code);
        Choice c;
        if (subs.isEmpty() || (subs.size() >= 2 && e.range <= 0)) {
            c.shortText = c.longText = e.name;
            return c;
        }
        if (subs.size() == 1) {
            c.shortText = c.longText = subs.first().name;
            return c;
        }
        // Where the last stored day of this exercise stopped; a missing end, the last code, or a
        // code that no longer exists starts the cycle again.
        db::Query q("SELECT TOP 1 저장순서, 완료범위 FROM T_수련계획표 WHERE 부명 = :부명 AND 주운동코드 = :k ORDER BY 저장순서 DESC");
        q.bind("부명", m_division).bind("k", e.code);
        q.open();
        int start = 0;
        if (q.next() && !q.isNull("완료범위")) {
            const int last = int(q.integer("완료범위"));
            for (int i = 0; i < subs.size(); ++i)
                if (subs[i].code == last && i + 1 < subs.size())
                    start = i + 1;
        }
        if (e.range == 1) {
            const Sub& s = subs[start];
            c.shortText = c.longText = e.name + " : " + s.name;
            c.start = 0;
            c.end = s.code;
            return c;
        }
        const int endIndex = (start + e.range - 1) % int(subs.size());
        c.start = subs[start].code;
        c.end = subs[endIndex].code;
        c.shortText = e.name + " " + QString::number(c.start) + "-" + QString::number(c.end);
        QStringList names;
        for (const Sub& s : subs)
            if (c.start <= c.end ? (s.code >= c.start && s.code <= c.end) : s.code >= c.start)
                names.append(s.name);
        if (c.start > c.end)
            for (const Sub& s : subs)
                if (s.code <= c.end)
                    names.append(s.name);
        c.longText = e.name + " : " + names.join(", ");
        return c;
    }

private:
    const QList<Sub>& subsOf(int k)
    {
        auto it = m_subs.find(k);
        if (it == m_subs.end()) {
            QList<Sub> list;
            db::Query q("SELECT 세부운동코드, 세부운동명 FROM T_세부운동코드 WHERE 부명 = :부명 AND 주운동코드 = :k ORDER BY 세부운동코드");
            q.bind("부명", m_division).bind("k", k);
            q.open();
            while (q.next())
                list.append({int(q.integer("세부운동코드")), q.str("세부운동명")});
            it = m_subs.insert(k, list);
        }
        return it.value();
    }

    QString m_division;
    QHash<int, QList<Sub>> m_subs;
};

} // namespace

int weekOfMonth(const QDate& d)
{
    const int w1 = QDate(d.year(), d.month(), 1).dayOfWeek() % 7 + 1; // Sunday 1 .. Saturday 7
    return (d.day() + w1 - 2) / 7 + 1;
}

QString weekdayLetter(const QDate& d)
{
    static const char* const letters[] = {"일", "월", "화", "수", "목", "금", "토"};
    return QString::fromUtf8(letters[d.dayOfWeek() % 7]);
}

Generated generateMonth(const PlanDivision& div, int year, int month, const Ask& ask)
{
    const QString yyyy = QString::number(year), mm = two(month);
    const int existing = db::scalar("SELECT COUNT(*) FROM T_수련계획표 WHERE 부명 = :부명 AND 연 = :연 AND 월 = :월",
                                    {{"부명", div.name}, {"연", yyyy}, {"월", mm}}).toInt();
    if (existing > 0) {
        const QString q = "'" + yyyy + "년" + mm + "월 " + div.name + "'" + " 수련계획표가 존재합니다." + "\n" + "'" + yyyy
                          + "년" + mm + "월" + "'" + " 이후 수련계획표는 삭제됩니다." + "\n\n" + "다시 작성하시겠습니까?";
        if (ask && !ask(q))
            return Generated::Kept;
    }
    const QList<Entry> s = selection(div.name);
    db::Transaction t;
    db::run("DELETE FROM T_수련계획표 WHERE 부명 = :부명 AND 연 = :연 AND 월 >= :월",
            {{"부명", div.name}, {"연", yyyy}, {"월", mm}});
    if (s.isEmpty()) {
        t.commit();
        return Generated::NoSelection;
    }
    db::Query restIns("INSERT INTO T_수련계획표 (연, 월, 일, 부명, 부코드, 주운동코드, 주운동명, 출력주운동명, 출력세부운동명, 반복구분, 출력순서, 주) "
                      "VALUES (:연, :월, :일, :부명, :부코드, :주운동코드, :주운동명, :출력주운동명, :출력세부운동명, :반복구분, :출력순서, :주)");
    db::Query rotIns("INSERT INTO T_수련계획표 (연, 월, 일, 부명, 부코드, 주운동코드, 주운동명, 출력주운동명, 출력세부운동명, 반복구분, 시작범위, 완료범위, 출력순서, 주) "
                     "VALUES (:연, :월, :일, :부명, :부코드, :주운동코드, :주운동명, :출력주운동명, :출력세부운동명, :반복구분, :시작범위, :완료범위, :출력순서, :주)");
    auto bindDay = [&](db::Query& q, const QDate& d) {
        q.bind("연", yyyy).bind("월", mm).bind("일", two(d.day())).bind("부명", div.name).bind("부코드", div.code)
            .bind("주", weekOfMonth(d));
    };
    const int n = monthkey::daysInMonth(year, month);
    QList<bool> rest(n + 1, false);
    db::Query names("SELECT 공휴행사명 FROM T_공휴행사일 WHERE 공휴행사구분명= '공휴일' AND Mid(공휴행사일,1,10) = :d "
                    "UNION ALL SELECT 공휴행사명 FROM T_공휴행사일 WHERE 공휴행사구분명= :부명 AND Mid(공휴행사일,1,10) = :d");
    for (int day = 1; day <= n; ++day) {
        const QDate d(year, month, day);
        const int dow = d.dayOfWeek();
        QString name, shortText;
        if (dow == Qt::Sunday) {
            name = shortText = kRest;
        } else {
            names.bind("d", db::dateText(d)).bind("부명", div.name);
            names.open();
            const QString n1 = names.next() ? names.str("공휴행사명") : QString();
            names.close();
            if (!n1.isEmpty() || dow == Qt::Saturday) {
                name = n1.isEmpty() ? kRest : n1;
                shortText = n1.isEmpty() ? QStringLiteral("휴무") : n1;
            }
        }
        if (name.isEmpty())
            continue;
        rest[day] = true;
        bindDay(restIns, d);
        restIns.bind("주운동코드", QVariant()).bind("주운동명", name).bind("출력주운동명", shortText)
            .bind("출력세부운동명", shortText).bind("반복구분", kRest).bind("출력순서", 1);
        restIns.exec();
    }

    Rotation rotation(div.name);
    auto storeRotating = [&](const Entry& e, const QDate& d, int position) {
        const Choice c = rotation.next(e);
        bindDay(rotIns, d);
        rotIns.bind("주운동코드", e.code).bind("주운동명", e.name).bind("출력주운동명", c.shortText)
            .bind("출력세부운동명", c.longText).bind("반복구분", e.kind).bind("시작범위", c.start).bind("완료범위", c.end)
            .bind("출력순서", position);
        rotIns.exec();
    };
    for (int p = 0; p < s.size(); ++p) {
        if (s[p].kind != kFixed)
            continue;
        for (int day = 1; day <= n; ++day) {
            if (rest[day])
                continue;
            bindDay(restIns, QDate(year, month, day));
            restIns.bind("주운동코드", s[p].code).bind("주운동명", s[p].name).bind("출력주운동명", s[p].name)
                .bind("출력세부운동명", s[p].name).bind("반복구분", kFixed).bind("출력순서", p + 1);
            restIns.exec();
        }
    }
    for (int p = 0; p < s.size(); ++p) {
        if (s[p].kind != kRotating)
            continue;
        for (int day = 1; day <= n; ++day)
            if (!rest[day])
                storeRotating(s[p], QDate(year, month, day), p + 1);
    }
    // Periodic exercises take the training days in turn, all on the line of the first of them.
    int first = -1;
    for (int p = 0; p < s.size() && first < 0; ++p)
        if (s[p].kind == kPeriodic)
            first = p;
    if (first >= 0) {
        int cursor = first;
        for (int day = 1; day <= n; ++day) {
            for (int i = 0; i < s.size() && s[cursor].kind != kPeriodic; ++i)
                cursor = (cursor + 1) % int(s.size());
            if (rest[day])
                continue;
            storeRotating(s[cursor], QDate(year, month, day), first + 1);
            cursor = (cursor + 1) % int(s.size());
        }
    }
    t.commit();
    return Generated::Done;
}

Check checkGeneration(const Period& p)
{
    if (p.from.year() != p.to.year())
        return {false, QStringLiteral("작성기간의 연도를 통일하세요.")};
    if (p.from.month() > p.to.month())
        return {false, QStringLiteral("시작월<=완료월 확인하세요.")};
    return {};
}

void generate(const Period& p, const QList<int>& tickedCodes, const Ask& ask)
{
    for (int m = p.from.month(); m <= p.to.month(); ++m)
        for (const PlanDivision& d : planDivisions())
            if (tickedCodes.contains(d.code))
                generateMonth(d, p.from.year(), m, ask);
}

Check checkOutput(const Period& p, Output output, Format format, int tickedCount)
{
    if (monthkey::monthKey(p.from) > monthkey::monthKey(p.to))
        return {false, QStringLiteral("시작월<=완료월 확인하세요.")};
    if (output == Output::Weekly && format != Format::File && tickedCount > 2)
        return {false, QStringLiteral("인쇄 작업시 작성 구분은 2개 까지만 선택 가능합니다.")};
    return {};
}

namespace {

struct Line {
    QString y, m, d;
    QString division;
    int code = 0;
    QVariant mainCode;
    QString mainName, shortText, longText, kind;
    int order = 1;
    int week = 0;
};

QString spaceIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

QList<QList<Line>> daysOf(const PlanDivision& div, const QString& yyyy, const QString& mm)
{
    QList<QList<Line>> days;
    db::Query q("SELECT * FROM T_수련계획표 WHERE 부명 = :부명 AND 연 = :연 AND 월 = :월 "
                "ORDER BY 부명, 연, 월, 주, 일, 출력순서, 저장순서");
    q.bind("부명", div.name).bind("연", yyyy).bind("월", mm);
    q.open();
    while (q.next()) {
        Line l{q.str("연"), q.str("월"), q.str("일"), q.str("부명"), int(q.integer("부코드")), q.value("주운동코드"),
               q.str("주운동명"), q.str("출력주운동명"), q.str("출력세부운동명"), q.str("반복구분"),
               int(q.integer("출력순서")), int(q.integer("주"))};
        if (days.isEmpty() || days.last().first().d != l.d)
            days.append(QList<Line>());
        days.last().append(l);
    }
    // Each day on at least 8 lines: a rest day carries its label on the fourth.
    for (QList<Line>& day : days) {
        Line blank = day.first();
        blank.shortText = blank.longText = QStringLiteral(" ");
        if (day.first().kind == kRest) {
            const Line label = day.first();
            day = QList<Line>(8, blank);
            day[3] = label;
        } else {
            while (day.size() < 8)
                day.append(blank);
        }
    }
    return days;
}

} // namespace

void buildWorkTable(const Period& p, Output output, const QList<int>& tickedCodes)
{
    db::Transaction t;
    db::run("DELETE FROM T_출력수련계획표");
    db::run("DELETE FROM Print");
    db::Query ins("INSERT INTO T_출력수련계획표 (연, 월, 일, 부명1, 부코드1, 주운동코드1, 주운동명1, 출력주운동명1, 출력세부운동명1, "
                  "반복구분1, 출력순서1, 주, 일순번) VALUES (:연, :월, :일, :부명1, :부코드1, :주운동코드1, :주운동명1, "
                  ":출력주운동명1, :출력세부운동명1, :반복구분1, :출력순서1, :주, :일순번)");
    db::Query upd("UPDATE T_출력수련계획표 SET 부명2 = :부명2, 출력주운동명2 = :출력주운동명2, 출력세부운동명2 = :출력세부운동명2 "
                  "WHERE 연 = :연 AND 월 = :월 AND 일 = :일 AND 일순번 = :일순번");
    db::Query ins2("INSERT INTO T_출력수련계획표 (연, 월, 일, 부코드1, 주, 일순번, 부명2, 출력주운동명2, 출력세부운동명2) "
                   "VALUES (:연, :월, :일, :부코드1, :주, :일순번, :부명2, :출력주운동명2, :출력세부운동명2)");
    for (QDate m(p.from.year(), p.from.month(), 1); monthkey::monthKey(m) <= monthkey::monthKey(p.to); m = m.addMonths(1)) {
        const QString yyyy = QString::number(m.year()), mm = two(m.month());
        int slot = 0;
        for (const PlanDivision& div : planDivisions()) {
            if (!tickedCodes.contains(div.code))
                continue;
            // The slot is the division's place among the ticked ones, as the titles are; a daily
            // plan puts every division on its own rows.
            slot = output == Output::Weekly ? slot + 1 : 1;
            if (slot > 2)
                continue;
            for (const QList<Line>& day : daysOf(div, yyyy, mm)) {
                for (int k = 0; k < day.size(); ++k) {
                    const Line& l = day[k];
                    if (slot == 1) {
                        ins.bind("연", l.y).bind("월", l.m).bind("일", l.d).bind("부명1", l.division).bind("부코드1", l.code)
                            .bind("주운동코드1", l.mainCode).bind("주운동명1", spaceIfEmpty(l.mainName))
                            .bind("출력주운동명1", l.shortText).bind("출력세부운동명1", l.longText)
                            .bind("반복구분1", spaceIfEmpty(l.kind)).bind("출력순서1", l.order).bind("주", l.week)
                            .bind("일순번", k + 1);
                        ins.exec();
                        continue;
                    }
                    upd.bind("부명2", l.division).bind("출력주운동명2", spaceIfEmpty(l.shortText))
                        .bind("출력세부운동명2", spaceIfEmpty(l.longText)).bind("연", l.y).bind("월", l.m).bind("일", l.d)
                        .bind("일순번", k + 1);
                    // The first ticked division may have no plan this month: the second still prints.
                    if (upd.exec() == 0) {
                        ins2.bind("연", l.y).bind("월", l.m).bind("일", l.d).bind("부코드1", l.code).bind("주", l.week)
                            .bind("일순번", k + 1).bind("부명2", l.division).bind("출력주운동명2", spaceIfEmpty(l.shortText))
                            .bind("출력세부운동명2", spaceIfEmpty(l.longText));
                        ins2.exec();
                    }
                }
            }
        }
    }
    t.commit();
}

PrintFill fillPrint(report::PrintJob& job, Output output, Format format, const QList<int>& tickedCodes)
{
    const bool form = format != Format::Forms;
    job.setEndRow(report::PrintJob::EndRow::Plan);
    const bool weekly = output == Output::Weekly;
    QStringList titles;
    for (const PlanDivision& d : planDivisions())
        if (tickedCodes.contains(d.code))
            titles.append(d.name);
    // Weekly: the lines of one day side by side for both divisions; daily: one row per day and division.
    db::Query q(weekly ? "SELECT * FROM T_출력수련계획표 ORDER BY 부코드1, 연, 월, 주, 일, 저장순서"
                       : "SELECT * FROM T_출력수련계획표 ORDER BY 연, 월, 일, 부코드1, 저장순서");
    q.open();
    QString key;
    QList<std::pair<QString, QVariant>> row;
    int k = 0;
    auto flush = [&] {
        if (!row.isEmpty())
            job.add(row);
        row.clear();
    };
    // An empty line is empty text, not null, as the layouts and readers of print expect.
    auto item = [](const QString& text) { return text.trimmed().isEmpty() ? QStringLiteral("") : "· " + text; };
    while (q.next()) {
        const QString y = q.str("연"), m = q.str("월"), d = q.str("일");
        const int week = int(q.integer("주"));
        const int code = int(q.integer("부코드1"));
        const QString rowKey = weekly ? y + m + two(week) + "|" + d : y + m + d + "|" + QString::number(code);
        if (rowKey != key) {
            flush();
            key = rowKey;
            k = 0;
            if (weekly) {
                row = {{"발부일자", y + m + two(week)}, {"구분1", titles.value(0, "")}, {"구분2", titles.value(1, "")},
                       {"f01", QString::number(m.toInt())}, {"f02", QString::number(week)},
                       {"f03", weekdayLetter(QDate(y.toInt(), m.toInt(), d.toInt()))}, {"f04", "(" + d + ")"}};
            } else {
                QStringList letters = {"", "", "", ""};
                for (const PlanDivision& div : planDivisions())
                    if (div.code == code)
                        letters = div.letters;
                row = {{"발부일자", y + m + d}, {"SeqNo", code},
                       {"f01", QString::number(m.toInt()) + "월" + QString::number(d.toInt()) + "일"},
                       {"f02", letters[0]}, {"f03", letters[1]}, {"f04", letters[2]}, {"f05", letters[3]}};
            }
        }
        if (++k > 8)
            continue;
        if (weekly) {
            row.append({"가정통신" + QString::number(k), item(q.str("출력주운동명1"))});
            row.append({"가정통신" + QString::number(k + 8), item(q.str("출력주운동명2"))});
        } else {
            row.append({"가정통신" + QString::number(k), item(q.str("출력세부운동명1"))});
        }
    }
    flush();
    if (weekly) {
        job.exec("DELETE FROM print WHERE f03 = '일'");
        return {form ? "주간수련1.rpt" : "주간수련2.rpt", "주간계획안"};
    }
    return {form ? "일일수련1.rpt" : "일일수련2.rpt", "일일 수련계획안"};
}

QStringList textLines(const Period& p, Output output, const QList<int>& tickedCodes)
{
    QStringList codes;
    for (int c : tickedCodes)
        codes.append(QString::number(c));
    db::Query q("SELECT * FROM T_수련계획표 WHERE MID(연+월,1,6) >= :from AND MID(연+월,1,6) <= :to ");
    q.bind("from", monthkey::monthKey(p.from)).bind("to", monthkey::monthKey(p.to));
    if (!codes.isEmpty())
        q << "AND 부코드 IN (" + codes.join(",") + ") ";
    q << (output == Output::Weekly ? "ORDER BY 연, 월, 주,부코드,일,출력순서" : "ORDER BY 연, 월, 일, 부코드,출력순서");
    q.open();
    auto label = [](int code) {
        for (const PlanDivision& d : planDivisions())
            if (d.code == code)
                return d.label;
        return QString();
    };
    QStringList out;
    QString lastBlock, lastDay;
    bool first = true;
    int lastCode = 0;
    while (q.next()) {
        const QString y = q.str("연"), m = q.str("월"), d = q.str("일");
        const int code = int(q.integer("부코드"));
        const QDate date(y.toInt(), m.toInt(), d.toInt());
        if (output == Output::Weekly) {
            const int week = int(q.integer("주"));
            const QString block = y + m + two(week) + "|" + QString::number(code);
            if (block != lastBlock) {
                out << QString() << kStars
                    << "주간수련계획안(" + y + "년" + QString::number(m.toInt()) + "월 " + QString::number(week) + "주)"
                    << kStars << label(code);
                lastBlock = block;
                lastDay.clear(); // each block starts with its first day's date, even the same day as before
            }
            if (d != lastDay) {
                out << QString() << y + "." + m + ". " + d + " " + weekdayLetter(date) << QString();
                lastDay = d;
            }
            const QString text = q.str("출력주운동명").trimmed();
            if (!text.isEmpty())
                out << text;
        } else {
            if (y + m + d != lastDay) {
                out << QString() << kStars << y + "년" + m + "월 " + d + "일" + " " + weekdayLetter(date) << kStars;
                lastDay = y + m + d;
            }
            if (first || code != lastCode)
                out << QString() << label(code);
            const QString text = q.str("출력세부운동명").trimmed();
            if (!text.isEmpty())
                out << text;
        }
        first = false;
        lastCode = code;
    }
    return out;
}

QString textFilePath(Output output)
{
    return ProgramDir::file(QStringLiteral("수련계획/") + (output == Output::Weekly ? "주간수련계획" : "일일수련계획") + ".txt");
}

bool writeTextFile(const Period& p, Output output, const QList<int>& tickedCodes, bool* empty, QString* error)
{
    const QStringList lines = textLines(p, output, tickedCodes);
    if (empty)
        *empty = lines.isEmpty();
    return cp949::writeFileAtomic(textFilePath(output), lines.isEmpty() ? QByteArray() : cp949::lines(lines), error);
}

} // namespace TrainingPlan
