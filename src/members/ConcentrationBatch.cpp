#include "members/ConcentrationBatch.h"

#include "db/DbError.h"
#include "db/Query.h"
#include "db/MemberStatus.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

namespace {

// "##0": whole numbers, halves away from zero.
int whole(double v) { return int(std::lround(v)); }

// Scores are points out of 100, typed whole or with decimals; nothing else (no sign, exponent, nan or
// inf) is a score.
constexpr int kMaxScore = 100;

int wholeOf(const QString& typed, bool* ok)
{
    static const QRegularExpression number(QStringLiteral("^\\d{1,3}(\\.\\d+)?$"));
    const QString t = typed.trimmed();
    bool good = number.match(t).hasMatch();
    const double v = good ? t.toDouble(&good) : 0;
    good = good && v <= kMaxScore;
    if (ok)
        *ok = good;
    return good ? whole(v) : 0;
}

QList<ConcentrationBatch::Line> read(const QDate& day, const DivisionFilter::Condition& division, const QString& name, bool tested)
{
    db::Query q;
    q << " SELECT a.회원번호, a.회원명, c.부명, f.급품명, b.측정일자 AS 측정, "
      << " b.시각본인평균, b.시각나이평균, b.시각기간평균, b.청각본인평균, b.청각나이평균, b.청각기간평균, "
      << " b.종합본인평균, b.종합나이평균, b.종합기간평균 "
      << " FROM ((T_회원 AS a LEFT JOIN T_집중도 AS b ON (a.회원번호 = b.회원번호 AND b.측정일자 = :현재일자)) "
      << " LEFT JOIN T_부별코드 AS c ON a.부별코드 = c.부별코드) "
      << " LEFT JOIN T_급품코드 AS f ON a.급품코드 = f.급품코드 "
      << " WHERE a.퇴관일 Is Null AND a.휴관일 Is Null AND a.입관일 <= :현재일자 ";
    if (tested)
        q << " AND b.측정일자 IS NOT NULL ";
    DivisionFilter::apply(q, division);
    q << " AND a.회원명 LIKE :name ESCAPE '\\' ORDER BY a.부별코드, a.회원명 ";
    q.bind({{QStringLiteral("현재일자"), day}, {QStringLiteral("name"), db::likeLiteral(name.trimmed()) + u'%'}});
    q.open();
    QList<ConcentrationBatch::Line> out;
    const auto num = [&q](const char* c) { return int(q.integer(QString::fromUtf8(c))); };
    const auto text = [&q](const char* c) { return q.isNull(QString::fromUtf8(c)) ? QString() : QString::number(q.integer(QString::fromUtf8(c))); };
    while (q.next()) {
        ConcentrationBatch::Line l;
        l.no = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.division = q.str(QStringLiteral("부명"));
        l.rank = q.str(QStringLiteral("급품명"));
        l.date = db::dateText(day);
        l.visual = text("시각본인평균");
        l.auditory = text("청각본인평균");
        l.visualAge = num("시각나이평균");
        l.visualRank = num("시각기간평균");
        l.auditoryAge = num("청각나이평균");
        l.auditoryRank = num("청각기간평균");
        l.total = num("종합본인평균");
        l.totalAge = num("종합나이평균");
        l.totalRank = num("종합기간평균");
        out.append(l);
    }
    return out;
}

} // namespace

QList<ConcentrationBatch::Line> ConcentrationBatch::forInput(const QDate& day, const DivisionFilter::Condition& division, const QString& name)
{
    return read(day, division, name, false);
}

QList<ConcentrationBatch::Line> ConcentrationBatch::listing(const QDate& day, const DivisionFilter::Condition& division, const QString& name)
{
    return read(day, division, name, true);
}

int ConcentrationBatch::missingScore(const QList<Line>& lines, QString* message)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].ticked)
            continue;
        const Line& l = lines[i];
        for (const auto& [typed, label] : {std::pair{l.visual, QStringLiteral("시각자신")}, std::pair{l.auditory, QStringLiteral("청각자신")}}) {
            if (typed.trimmed().isEmpty()) {
                *message = label + QStringLiteral("을 입력하세요.");
                return i;
            }
            bool ok = false;
            wholeOf(typed, &ok);
            if (!ok) {
                *message = QStringLiteral("%1(%2) : %3 '%4' 은(는) 0에서 %5 사이의 숫자로 입력하세요.")
                               .arg(l.name, l.no, label, typed.trimmed())
                               .arg(kMaxScore);
                return i;
            }
        }
    }
    return -1;
}

int ConcentrationBatch::save(const QDate& day, const QList<Line>& lines)
{
    QString missing;
    if (missingScore(lines, &missing) >= 0)
        throw db::Error(missing, QStringLiteral("T_집중도"));
    int written = 0;
    db::Transaction tx;
    for (const Line& l : lines) {
        if (!l.ticked)
            continue;
        const db::Params p{{QStringLiteral("회원번호"), l.no},
                           {QStringLiteral("측정일자"), day},
                           {QStringLiteral("시각본인평균"), wholeOf(l.visual, nullptr)},
                           {QStringLiteral("청각본인평균"), wholeOf(l.auditory, nullptr)}};
        const bool stored = db::scalar(QStringLiteral("SELECT Count(*) FROM T_집중도 WHERE 회원번호 = :회원번호 AND 측정일자 = :측정일자"),
                                       {{QStringLiteral("회원번호"), l.no}, {QStringLiteral("측정일자"), day}})
                                .toInt()
                            > 0;
        if (stored)
            db::run(QStringLiteral("Update  T_집중도 SET 시각본인평균 =:시각본인평균, 청각본인평균 =:청각본인평균 "
                                   " WHERE 회원번호 =:회원번호 AND 측정일자 =:측정일자 "),
                    p);
        else
            db::run(QStringLiteral("INSERT INTO T_집중도 (회원번호, 측정일자, 시각본인평균, 청각본인평균) "
                                   " VALUES (:회원번호, :측정일자, :시각본인평균, :청각본인평균)"),
                    p);
        ++written;
    }
    recompute(day);
    tx.commit();
    return written;
}

ConcentrationBatch::Overall ConcentrationBatch::overall(const QDate& day)
{
    db::Query q(QStringLiteral("SELECT 시각전체평균, 청각전체평균, 종합전체평균 FROM T_집중도 WHERE 측정일자 = :측정일자"));
    q.bind(QStringLiteral("측정일자"), day).open();
    if (!q.next())
        return {};
    return {int(q.integer(QStringLiteral("시각전체평균"))), int(q.integer(QStringLiteral("청각전체평균"))),
            int(q.integer(QStringLiteral("종합전체평균")))};
}

void ConcentrationBatch::remove(const QString& memberNo, const QDate& day)
{
    db::Transaction tx;
    db::run(QStringLiteral("delete from T_집중도 where 회원번호 = :OLD_회원번호 and 측정일자 = :OLD_측정일자"),
            {{QStringLiteral("OLD_회원번호"), memberNo}, {QStringLiteral("OLD_측정일자"), day}});
    recompute(day);
    tx.commit();
}

ConcentrationBatch::Overall ConcentrationBatch::recompute(const QDate& day)
{
    struct Row {
        QString no, year, rank;
        bool current = false;
        int visual = 0, auditory = 0;
    };
    struct Sum {
        double visual = 0, auditory = 0;
        int count = 0;
    };
    QList<Row> rows;
    {
        db::Query q(QStringLiteral(" SELECT a.회원번호, a.시각본인평균, a.청각본인평균, mid(b.생년월일,1,4) AS 생년, b.급품코드, "
                                   " b.퇴관일, b.휴관일 FROM T_집중도 a INNER JOIN T_회원 b ON a.회원번호 = b.회원번호 "
                                   " WHERE 측정일자 =:측정일자 "));
        q.bind(QStringLiteral("측정일자"), day).open();
        while (q.next())
            rows.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("생년")), q.str(QStringLiteral("급품코드")),
                         q.isNull(QStringLiteral("퇴관일")) && q.isNull(QStringLiteral("휴관일")),
                         int(q.integer(QStringLiteral("시각본인평균"))), int(q.integer(QStringLiteral("청각본인평균")))});
    }
    QHash<QString, Sum> byYear, byRank;
    for (const Row& r : std::as_const(rows)) {
        if (!r.current)
            continue;
        for (Sum* s : {&byYear[r.year], &byRank[r.rank]}) {
            s->visual += r.visual;
            s->auditory += r.auditory;
            ++s->count;
        }
    }
    const auto avg = [](double sum, int count) { return count ? whole(sum / count) : 0; };
    Overall all;
    double sumV = 0, sumA = 0, sumT = 0;
    for (const Row& r : std::as_const(rows)) {
        const Sum y = byYear.value(r.year), k = byRank.value(r.rank);
        const int total = whole((r.visual + r.auditory) / 2.0);
        db::run(QStringLiteral("Update  T_집중도 SET 시각나이평균 =:vy, 청각나이평균 =:ay, 종합나이평균 =:ty, "
                               " 시각기간평균 =:vk, 청각기간평균 =:ak, 종합기간평균 =:tk, 종합본인평균 =:종합본인평균 "
                               " WHERE 회원번호 =:회원번호 AND 측정일자 =:측정일자 "),
                {{QStringLiteral("vy"), avg(y.visual, y.count)},
                 {QStringLiteral("ay"), avg(y.auditory, y.count)},
                 {QStringLiteral("ty"), avg(y.visual + y.auditory, 2 * y.count)},
                 {QStringLiteral("vk"), avg(k.visual, k.count)},
                 {QStringLiteral("ak"), avg(k.auditory, k.count)},
                 {QStringLiteral("tk"), avg(k.visual + k.auditory, 2 * k.count)},
                 {QStringLiteral("종합본인평균"), total},
                 {QStringLiteral("회원번호"), r.no},
                 {QStringLiteral("측정일자"), day}});
        sumV += r.visual;
        sumA += r.auditory;
        sumT += total;
    }
    const int n = int(rows.size());
    all = {avg(sumV, n), avg(sumA, n), avg(sumT, n)};
    db::run(QStringLiteral("Update  T_집중도 SET 시각전체평균 =:v, 청각전체평균 =:a, 종합전체평균 =:t WHERE 측정일자 =:측정일자 "),
            {{QStringLiteral("v"), all.visual}, {QStringLiteral("a"), all.auditory}, {QStringLiteral("t"), all.total},
             {QStringLiteral("측정일자"), day}});
    return all;
}
