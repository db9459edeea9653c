#include "fees/IssueNumbers.h"

#include "db/Query.h"
#include "report/Report.h"

namespace {
QString four(int n) { return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')); }
QString yearOf(const QDate& d) { return d.toString(QStringLiteral("yyyy")); }
QString monthOf(const QDate& d) { return d.toString(QStringLiteral("MM")); }
} // namespace

QString IssueNumbers::table(Kind kind)
{
    return kind == Notice ? QStringLiteral("T_통지서발급번호") : QStringLiteral("T_영수증발급번호");
}

int IssueNumbers::last(Kind kind, const QDate& day)
{
    db::Query q(QStringLiteral("SELECT * FROM %1 WHERE  발부년도 =:발부년도 AND    발부월   =:발부월").arg(table(kind)));
    q.bind({{"발부년도", yearOf(day)}, {"발부월", monthOf(day)}}).open();
    return q.next() ? q.str("일련번호").trimmed().toInt() : 0;
}

QString IssueNumbers::text(const QDate& day, int number) { return monthOf(day) + u'-' + four(number); }

void IssueNumbers::take(Kind kind, const QDate& day, int expectedLast, int count)
{
    if (count <= 0)
        return;
    db::Transaction tx;
    const int now = last(kind, day);
    if (now != expectedLast)
        throw db::Error(QStringLiteral("%1월 발급번호가 %2 에서 %3 (으)로 바뀌어 이 출력의 번호를 쓸 수 없습니다. 다시 발부하세요.")
                            .arg(monthOf(day), four(expectedLast), four(now)),
                        table(kind));
    const db::Params key{{"발부년도", yearOf(day)}, {"발부월", monthOf(day)}};
    if (db::scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE 발부년도 =:발부년도 AND 발부월 =:발부월").arg(table(kind)), key)
            .toInt()
        == 0)
        db::run(QStringLiteral("INSERT INTO %1 ( 발부년도, 발부월, 일련번호 ) VALUES (:발부년도, :발부월, :일련번호 )").arg(table(kind)),
                {{"발부년도", yearOf(day)}, {"발부월", monthOf(day)}, {"일련번호", four(0)}});
    db::run(QStringLiteral("UPDATE %1 SET 일련번호=:일련번호 WHERE 발부년도 =:발부년도 AND 발부월=:발부월").arg(table(kind)),
            {{"일련번호", four(expectedLast + count)}, {"발부년도", yearOf(day)}, {"발부월", monthOf(day)}});
    tx.commit();
}

std::function<void()> IssueNumbers::takeWhenPrinted(Kind kind, const QDate& day, int expectedLast, int count)
{
    if (count <= 0)
        return {};
    return [=] {
        try {
            take(kind, day, expectedLast, count);
        } catch (const db::Error& e) {
            throw report::RecordError(QStringLiteral("저장 에러 입니다."), e);
        }
    };
}
