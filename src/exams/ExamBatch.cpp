#include "exams/ExamBatch.h"

#include "db/MonthKey.h"
#include "db/Query.h"
#include "db/MemberStatus.h"

#include <QHash>

#include <cmath>

const QString ExamBatch::kSchool = QStringLiteral("체육관");

namespace {

const char* const kScoreColumns[ExamBatch::kItems] = {"E1", "E2", "E3", "E4", "E5", "E6"};

QString scoreColumn(int k) { return QString::fromLatin1(kScoreColumns[k]); }

void addFilter(db::Query& q, const ExamBatch::Filter& f, bool withYear)
{
    q.add(f.division.sql);
    q.bind(QStringLiteral("buCode"), f.division.buCode);
    if (!f.division.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), f.division.buCode1);
    if (withYear) {
        q.add(f.year.sql);
        if (!f.year.year.isEmpty())
            q.bind(QStringLiteral("Year"), f.year.year);
    }
}

QString orderBy(ExamBatch::Sort s)
{
    return s == ExamBatch::Sort::LowFirst ? QStringLiteral("Order by T_회원.급품코드, T_회원.부별코드, T_회원.회원명 ")
                                          : QStringLiteral("Order by T_회원.급품코드 desc , T_회원.부별코드, T_회원.회원명 ");
}

} // namespace

std::pair<QDate, QDate> ExamBatch::monthBefore(const QDate& promotion)
{
    const QString key = monthkey::prevMonth(monthkey::monthKey(promotion));
    return {monthkey::firstDay(key), monthkey::lastDay(key)};
}

namespace {
// The attendance figure and the merit points of each listed member over a month, as two columns
// (출석률, 승벌점) of the listing's own statement: one statement for the whole list.
QString monthFigures(const QString& from, const QString& to)
{
    return QStringLiteral(" ( SELECT count(결석일자) * (-1) from T_결석 WHERE T_결석.회원번호 = T_회원.회원번호 "
                          "   AND T_결석.결석일자 BETWEEN %1 AND %2 ) AS 출석률, "
                          " ( SELECT iif(isnull(sum(벌점수)),0,sum(벌점수)) from T_벌점항목, T_벌점 "
                          "   WHERE T_벌점항목.벌점코드 = T_벌점.벌점코드 AND T_벌점.회원번호 = T_회원.회원번호 "
                          "   AND T_벌점.벌점일자 BETWEEN %1 AND %2 ) AS 승벌점 ")
        .arg(from, to);
}

// One figure of a member for the month before a promotion date; 0 without a date.
int monthFigure(const QString& sql, const QString& memberNo, const QDate& promotion)
{
    if (!promotion.isValid())
        return 0;
    const auto [from, to] = ExamBatch::monthBefore(promotion);
    return db::scalar(sql, {{"no", memberNo}, {"FromMonth", from}, {"ToMonth", to}}).toInt();
}
} // namespace

int ExamBatch::attendanceFigure(const QString& memberNo, const QDate& promotion)
{
    return monthFigure(QStringLiteral(" SELECT count(결석일자) * (-1) from T_결석   "
                                      " WHERE T_결석.회원번호 = :no "
                                      " AND   T_결석.결석일자 BETWEEN :FromMonth AND  :ToMonth  "),
                       memberNo, promotion);
}

int ExamBatch::meritPoints(const QString& memberNo, const QDate& promotion)
{
    return monthFigure(QStringLiteral(" SELECT iif(isnull(sum(벌점수)),0,sum(벌점수)) from T_벌점항목, T_벌점 "
                                      " WHERE T_벌점항목.벌점코드 = T_벌점.벌점코드 AND T_벌점.회원번호 = :no "
                                      " AND T_벌점.벌점일자 BETWEEN :FromMonth AND  :ToMonth  "),
                       memberNo, promotion);
}

namespace {
// The positive scores: how many, and their sum. Items left at 0 are not counted.
std::pair<int, double> positives(const int scores[ExamBatch::kItems])
{
    int n = 0;
    double sum = 0;
    for (int k = 0; k < ExamBatch::kItems; ++k)
        if (scores[k] > 0) {
            ++n;
            sum += scores[k];
        }
    return {n, sum};
}
} // namespace

double ExamBatch::rawAverage(const int scores[kItems], int attendance, int merit, Mode mode, bool withMerit)
{
    auto [n, sum] = positives(scores);
    sum += attendance;
    if (withMerit)
        sum += merit;
    double a = n > 0 ? sum / n : 0;
    a += attendance; // attendance counts before the division and again after it
    if (mode == Mode::Scoring && withMerit)
        a += merit;
    return a;
}

int ExamBatch::rounded(double average) { return int(std::round(average)); }

int ExamBatch::batchAverage(const int scores[kItems])
{
    const auto [n, sum] = positives(scores);
    return n > 0 ? rounded(sum / n) : 0;
}

ExamBatch::ExamBatch() { loadRanks(); }

void ExamBatch::loadRanks()
{
    m_ranks.clear();
    db::Query q(QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드"));
    q.open();
    while (q.next())
        m_ranks.append({q.str(QStringLiteral("급품코드")), q.str(QStringLiteral("급품명"))});
}

QString ExamBatch::rankName(const QString& code) const
{
    for (const Rank& r : m_ranks)
        if (r.code == code)
            return r.name;
    return QString();
}

QString ExamBatch::nextCode(const QString& code) const { return QStringLiteral("%1").arg(code.toInt() + 1, 2, 10, QChar(u'0')); }

QString ExamBatch::prevCode(const QString& code) const { return QStringLiteral("%1").arg(code.toInt() - 1, 2, 10, QChar(u'0')); }

// A row read with its record: the record's rank stays the target, so confirming again or scoring again
// cannot promote twice. The rank before the examination is the one below when the record passed (as
// the result sheet reads it), the record's own rank otherwise.
void ExamBatch::fromRecord(Row& r, const QString& recordedRank, int recordedAverage) const
{
    r.storedRank = recordedRank;
    if (recordedRank.isEmpty())
        return;
    r.target = recordedRank;
    r.targetName = rankName(recordedRank);
    const QString before = prevCode(recordedRank);
    const bool promoted = passes(recordedAverage) && !rankName(before).isEmpty();
    r.rankCode = promoted ? before : recordedRank;
    r.rankName = rankName(r.rankCode);
}

int ExamBatch::list(int examNo, const QDate& date, Mode mode, const Filter& filter)
{
    loadRanks();
    m_rows.clear();
    m_mode = mode;
    const auto [from, to] = monthBefore(date);
    db::Query q;
    q << "SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.입관일, T_급품코드.급품명, T_회원.급품코드, "
      << " Right('0' & Trim(Str(Val(T_회원.급품코드) + 1)), 2 ) As Ugrd, "
      << " T_심사.급품코드 AS 기록급품코드, T_심사.승급일자 AS 기록승급일자, "
      << " T_심사.E1, T_심사.E2, T_심사.E3, T_심사.E4, T_심사.E5, T_심사.E6, T_심사.평균, "
      << monthFigures(QStringLiteral(":FromMonth"), QStringLiteral(":ToMonth"))
      << " FROM ((T_회원 LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
      << "   LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
      // Number, date and kind belong to the join: a member whose records all carry other dates is
      // still a candidate, and each candidate is listed once.
      << "   LEFT JOIN  T_심사  ON (T_회원.회원번호 = T_심사.회원번호 AND T_심사.심사명 = :num "
      << "   AND T_심사.승급일자 = :date1 AND T_심사.심사구분 = :kind) "
      << " WHERE     T_회원.급품코드 < ( Select Max(급품코드) From T_급품코드 ) "
      << " AND " + MemberStatus::active(QStringLiteral("T_회원"))
      << " AND  T_회원.입관일 <= :date1 ";
    addFilter(q, filter, true);
    if (mode == Mode::Danbo)
        q << " and  T_급품코드.급품명 LIKE  '%단보%'  ";
    q << orderBy(filter.sort);
    q.bind({{"num", examNo}, {"date1", date}, {"kind", kSchool}, {"FromMonth", from}, {"ToMonth", to}});
    q.open();
    const QString dateText = db::dateText(date);
    while (q.next()) {
        Row r;
        r.label = QString::number(m_rows.size() + 1);
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.name = q.str(QStringLiteral("회원명"));
        r.division = q.str(QStringLiteral("부명"));
        r.enrolled = q.str(QStringLiteral("입관일"));
        r.date = dateText;
        r.examNo = examNo;
        r.rankCode = q.str(QStringLiteral("급품코드"));
        r.rankName = q.str(QStringLiteral("급품명"));
        r.target = q.str(QStringLiteral("Ugrd"));
        r.targetName = rankName(r.target);
        r.attendance = int(q.integer(QStringLiteral("출석률")));
        r.merit = int(q.integer(QStringLiteral("승벌점")));
        r.selected = mode == Mode::Batch;
        if (!q.isNull(QStringLiteral("기록승급일자"))) {
            r.storedDate = q.str(QStringLiteral("기록승급일자"));
            for (int k = 0; k < kItems; ++k)
                r.scores[k] = int(q.integer(scoreColumn(k)));
            r.average = int(q.integer(QStringLiteral("평균")));
            fromRecord(r, q.str(QStringLiteral("기록급품코드")), r.average);
        }
        m_rows.append(r);
    }
    m_state = m_rows.isEmpty() ? State::Idle : State::Insert;
    return count();
}

int ExamBatch::search(int examNo, Mode mode, const Filter& filter)
{
    loadRanks();
    m_rows.clear();
    m_mode = mode;
    db::Query q;
    q << "SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.입관일, T_회원.급품코드, T_급품코드.급품명, "
      << " T_심사.급품코드 AS 기록급품코드, T_심사.승급일자, "
      << " T_심사.E1, T_심사.E2, T_심사.E3, T_심사.E4, T_심사.E5, T_심사.E6, T_심사.평균 "
      << " FROM ((T_회원 INNER JOIN T_심사 ON T_회원.회원번호 = T_심사.회원번호) "
      << "   LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
      << "   LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드 "
      << " WHERE  (T_심사.심사명 = :num)   AND T_심사.심사구분 = :kind "
      << " and " + MemberStatus::active(QStringLiteral("T_회원"));
    addFilter(q, filter, false);
    q << orderBy(filter.sort) << ", T_심사.승급일자 ";
    q.bind({{"num", examNo}, {"kind", kSchool}});
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.label = r.memberNo;
        r.name = q.str(QStringLiteral("회원명"));
        r.division = q.str(QStringLiteral("부명"));
        r.enrolled = q.str(QStringLiteral("입관일"));
        r.examNo = examNo;
        r.rankCode = q.str(QStringLiteral("급품코드"));
        r.rankName = q.str(QStringLiteral("급품명"));
        r.target = r.rankCode;
        r.targetName = r.rankName;
        // The row stays on its record: its own date and the month before it.
        r.date = q.str(QStringLiteral("승급일자"));
        r.storedDate = r.date;
        for (int k = 0; k < kItems; ++k)
            r.scores[k] = int(q.integer(scoreColumn(k)));
        r.average = int(q.integer(QStringLiteral("평균")));
        fromRecord(r, q.str(QStringLiteral("기록급품코드")), r.average);
        r.selected = mode != Mode::Scoring;
        m_rows.append(r);
    }
    // Each record counts the month before its own date: the figures of all records of one date in two
    // statements, not two per row (an examination has few dates).
    QHash<QString, QList<int>> byDate;
    for (int i = 0; i < m_rows.size(); ++i)
        if (db::parseDate(m_rows[i].date).isValid())
            byDate[m_rows[i].date].append(i);
    for (auto it = byDate.cbegin(); it != byDate.cend(); ++it) {
        const auto [from, to] = monthBefore(db::parseDate(it.key()));
        const QString records = QStringLiteral(" AND 회원번호 IN (SELECT 회원번호 FROM T_심사 WHERE 심사명 = :num "
                                               " AND 승급일자 = :day AND 심사구분 = :kind) GROUP BY 회원번호 ");
        QHash<QString, int> absent, merit;
        db::Query a(QStringLiteral("SELECT 회원번호, count(결석일자) FROM T_결석 WHERE 결석일자 BETWEEN :FromMonth AND :ToMonth")
                    + records);
        a.bind({{"num", examNo}, {"day", it.key()}, {"kind", kSchool}, {"FromMonth", from}, {"ToMonth", to}}).open();
        while (a.next())
            absent.insert(a.value(0).toString(), a.value(1).toInt());
        db::Query m(QStringLiteral("SELECT T_벌점.회원번호, sum(벌점수) FROM T_벌점항목, T_벌점 WHERE T_벌점항목.벌점코드 = T_벌점.벌점코드 "
                                   " AND T_벌점.벌점일자 BETWEEN :FromMonth AND :ToMonth ")
                    + QString(records).replace(QStringLiteral("AND 회원번호 IN"), QStringLiteral("AND T_벌점.회원번호 IN"))
                          .replace(QStringLiteral("GROUP BY 회원번호"), QStringLiteral("GROUP BY T_벌점.회원번호")));
        m.bind({{"num", examNo}, {"day", it.key()}, {"kind", kSchool}, {"FromMonth", from}, {"ToMonth", to}}).open();
        while (m.next())
            merit.insert(m.value(0).toString(), int(m.value(1).toLongLong()));
        for (int i : it.value()) {
            m_rows[i].attendance = -absent.value(m_rows[i].memberNo);
            m_rows[i].merit = merit.value(m_rows[i].memberNo);
        }
    }
    m_state = m_rows.isEmpty() ? State::Idle : State::Search;
    return count();
}

void ExamBatch::cancel()
{
    m_rows.clear();
    m_state = State::Idle;
}

void ExamBatch::setScore(int row, int item, int value) { m_rows[row].scores[item] = value; }

bool ExamBatch::setDate(int row, const QString& date)
{
    const QDate d = QDate::fromString(date.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        return false;
    m_rows[row].date = db::dateText(d);
    return true;
}

void ExamBatch::setTarget(int row, const QString& code)
{
    m_rows[row].target = code;
    m_rows[row].targetName = rankName(code);
}

void ExamBatch::setSelected(int row, bool on) { m_rows[row].selected = on; }

void ExamBatch::click(int row, bool withMerit)
{
    m_rows[row].selected = !m_rows[row].selected;
    if (m_mode != Mode::Batch)
        score(row, withMerit);
}

void ExamBatch::score(int row, bool withMerit)
{
    Row& r = m_rows[row];
    // Decided on the average as it is stored and printed, so 59.5 passes like the 60 it becomes.
    r.average = rounded(rawAverage(r.scores, r.attendance, r.merit, m_mode, withMerit));
    // A record's promotion is a fact of the record (a 일괄 record promotes whatever its average), so a
    // re-score never moves the member again; a rank chosen in the picker still does.
    if (r.recorded())
        setTarget(row, r.storedRank);
    else if (passes(r.average))
        setTarget(row, nextCode(r.rankCode));
    else
        setTarget(row, r.rankCode);
}

int ExamBatch::commit()
{
    if (m_mode == Mode::Batch)
        for (Row& r : m_rows)
            r.average = batchAverage(r.scores);
    int written = 0;
    db::Transaction tx;
    refuseSecondExamOfTheDay();
    for (const Row& r : std::as_const(m_rows)) {
        if (!r.selected)
            continue;
        // A record confirmed again with the rank it holds leaves the member's rank alone: it may have
        // risen since at a later examination.
        if (!r.recorded() || r.target != r.storedRank)
            db::run(QStringLiteral("update T_회원 set 급품코드 = :uGrd where 회원번호 = :no"),
                    {{"uGrd", r.target}, {"no", r.memberNo}});
        // The record is found by the listing's key (number, date, kind), so a national record of the
        // same date stays as it is;
        // a row read from a record updates that record even when its date was changed.
        const QString key = r.recorded() ? r.storedDate : r.date;
        const bool exists = !db::scalar(QStringLiteral(" SELECT 회원번호 FROM T_심사 "
                                                       " WHERE  회원번호   =:회원번호 "
                                                       " AND    승급일자   =:OLD_승급일자 "
                                                       " AND    심사구분   =:심사구분 AND 심사명 = :num "),
                                        {{"회원번호", r.memberNo},
                                         {"OLD_승급일자", key.isEmpty() ? QVariant() : QVariant(key)},
                                         {"심사구분", kSchool},
                                         {"num", r.examNo}})
                                 .isNull();
        db::Query w;
        if (!exists)
            w << "Insert Into T_심사 "
              << "(회원번호, 심사일자, 승급일자, 심사명,심사구분, 급품코드, E1, E2, E3, E4, E5, E6, 출석률, 승벌점, 평균 ) "
              << "Values (:no, :sDate1, :sDate2, :num, :심사구분,:급품코드,:E1,:E2,:E3,:E4,:E5,:E6,:출석률,:승벌점,:심사평균 ) ";
        else // 심사일자 stays: this screen never records it, the personal screen may have
            w << "Update  T_심사 "
              << " SET 승급일자 = :sDate2, 심사명 = :num, 심사구분 = :심사구분, 급품코드 = :급품코드, "
              << " E1 = :E1, E2 = :E2, E3 = :E3, E4 = :E4, E5 = :E5, E6 = :E6, "
              << " 출석률 = :출석률, 승벌점 = :승벌점, 평균 = :심사평균 "
              << " WHERE  회원번호   =:no "
              << " AND    승급일자   =:OLD_승급일자 AND 심사구분 = :심사구분 AND 심사명 = :num ";
        w.bind({{"no", r.memberNo},
                {"sDate1", QVariant()},
                {"sDate2", r.date},
                {"num", r.examNo},
                {"심사구분", kSchool},
                {"급품코드", r.target},
                {"출석률", r.attendance},
                {"승벌점", r.merit},
                {"심사평균", r.average},
                {"OLD_승급일자", key.isEmpty() ? QVariant() : QVariant(key)}});
        for (int k = 0; k < kItems; ++k)
            w.bind(scoreColumn(k), r.scores[k]);
        w.exec();
        ++written;
    }
    tx.commit();
    for (Row& r : m_rows)
        if (r.selected) {
            r.storedDate = r.date;
            r.storedRank = r.target;
        }
    m_state = State::Idle;
    return written;
}

void ExamBatch::refuseSecondExamOfTheDay() const
{
    for (const Row& r : m_rows) {
        if (!r.selected)
            continue;
        // The row's own record (its stored date and number) is no conflict; any other school record of
        // the member on the date it is written to is.
        const QString key = r.recorded() ? r.storedDate : r.date;
        db::Query q(QStringLiteral("SELECT 심사명 FROM T_심사 WHERE 회원번호 = :no AND 승급일자 = :date AND 심사구분 = :kind "
                                   " AND NOT (승급일자 = :key AND 심사명 = :num) "));
        q.bind({{"no", r.memberNo}, {"date", r.date}, {"kind", kSchool}, {"key", key}, {"num", r.examNo}});
        q.open();
        if (q.next())
            throw ExamRefused(QStringLiteral("%1(%2) 회원은 %3 에 제%4회 심사 기록이 있습니다.\n"
                                             "같은 날 다른 심사로 다시 승급할 수 없습니다.")
                                  .arg(r.name, r.memberNo, r.date)
                                  .arg(q.integer(QStringLiteral("심사명"))));
    }
}
