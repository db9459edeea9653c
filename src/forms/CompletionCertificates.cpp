#include "forms/CompletionCertificates.h"

#include "db/Concurrency.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "report/PageLayout.h"
#include "report/Report.h"

namespace CompletionCertificates {

namespace {

QString lineAt(const QStringList& lines, int i) { return i < lines.size() ? lines[i].trimmed() : QString(); }

QString dayText(const QDate& d) { return QStringLiteral("%1년 %2월 %3일").arg(d.year()).arg(d.month()).arg(d.day()); }

} // namespace

QList<Row> query(const DivisionFilter::Condition& division, const QString& name)
{
    db::Query q(QStringLiteral(" SELECT a.회원번호, a.회원명, a.생년월일, b.급품명,d.부명,a.학년,a.반  FROM ((T_회원 AS a LEFT JOIN  "
                               "T_급품코드 AS b ON a.급품코드= b.급품코드) LEFT JOIN  T_부별코드 AS d ON a.부별코드= d.부별코드)  "
                               "WHERE a.퇴관일 Is Null  AND a.휴관일 Is Null "));
    if (!name.trimmed().isEmpty())
        q.add(QStringLiteral("AND a.회원명 = :name ")).bind("name", name.trimmed());
    DivisionFilter::apply(q, division);
    q.add(QStringLiteral(" ORDER BY a.부별코드, a.회원명"));
    q.open();
    QList<Row> rows;
    while (q.next())
        rows.append({q.str("회원번호"), q.str("회원명"), q.str("부명"), q.str("급품명"), db::dateText(q.date("생년월일")),
                     q.str("학년"), q.str("반"), QString(), true});
    return rows;
}

QStringList storedLines()
{
    db::Query q(QStringLiteral("SELECT 수료증내용1, 수료증내용2, 수료증내용3, 수료증내용4, 수료증내용5 FROM T_도장정보"));
    q.open();
    const bool found = q.next();
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << (found ? q.str(QStringLiteral("수료증내용%1").arg(i)) : QString());
    return lines;
}

qint64 lastNumber() { return db::scalar(QStringLiteral("SELECT 수료증발부 FROM T_도장정보")).toLongLong(); }

void record(const QList<Row>& rows, const QStringList& lines, qint64 firstNumber, const QDate& day)
{
    db::Transaction tx;
    db::lockNumbers(QStringLiteral("수료증발부"));
    // The numbers were printed as the counter stood; another issue since (here or at another desk)
    // would give them twice.
    if (lastNumber() != firstNumber - 1)
        throw db::Error(QStringLiteral("수료증 번호가 그 사이에 바뀌었습니다. 다시 발부하세요."), QStringLiteral("T_도장정보.수료증발부"));
    db::Query insert(QStringLiteral("INSERT INTO T_수료증지급 (회원번호, 수료번호, 회원명, 지급일자,비고)  "
                                    "Values(:회원번호, :수료번호, :회원명, :지급일자,:비고)"));
    qint64 n = firstNumber - 1;
    for (const Row& r : rows) {
        if (!r.ticked)
            continue;
        insert.bind({{"회원번호", r.memberNo}, {"수료번호", ++n}, {"회원명", r.name}, {"지급일자", db::dateText(day)},
                     {"비고", r.remark}})
            .exec();
    }
    const db::Params values = {{"iBalgubNo", n},
                               {"수료증내용1", lineAt(lines, 0)},
                               {"수료증내용2", lineAt(lines, 1)},
                               {"수료증내용3", lineAt(lines, 2)},
                               {"수료증내용4", lineAt(lines, 3)},
                               {"수료증내용5", lineAt(lines, 4)}};
    const QString set = QStringLiteral(" 수료증발부 = :iBalgubNo , 수료증내용1 = :수료증내용1 , 수료증내용2 = :수료증내용2 , "
                                       "수료증내용3 = :수료증내용3 , 수료증내용4 = :수료증내용4 , 수료증내용5 = :수료증내용5");
    // A school that has not saved its record yet keeps the counter in a row of its own.
    if (db::run(QStringLiteral("UPDATE T_도장정보 SET") + set, values) == 0)
        db::run(QStringLiteral("INSERT INTO T_도장정보 (수료증발부, 수료증내용1, 수료증내용2, 수료증내용3, 수료증내용4, 수료증내용5) "
                               "VALUES (:iBalgubNo, :수료증내용1, :수료증내용2, :수료증내용3, :수료증내용4, :수료증내용5)"),
                values);
    tx.commit();
}

bool issue(const QList<Row>& rows, const QStringList& lines, bool forms, int destination, QWidget* parent)
{
    QString school, head;
    {
        db::Query q(QStringLiteral("SELECT 도장명, 관장명 FROM T_도장정보"));
        q.open();
        if (q.next()) {
            school = q.str("도장명");
            head = q.str("관장명");
        }
    }
    const QDate today = Clock::today();
    const qint64 first = lastNumber() + 1;
    report::PrintJob job;
    qint64 n = first - 1;
    int i = 0;
    for (const Row& r : rows) {
        if (!r.ticked)
            continue;
        job.add({{"seqno", i++},
                 {"구분1", QStringLiteral("수 료 증")},
                 {"f01", QString::number(++n)},
                 {"f02", report::PageBuilder::spaced(r.name)},
                 {"f03", lineAt(lines, 0)},
                 {"f04", lineAt(lines, 1)},
                 {"가정통신3", lineAt(lines, 2)},
                 {"가정통신4", lineAt(lines, 3)},
                 {"가정통신5", lineAt(lines, 4)},
                 {"f05", dayText(today)},
                 {"f06", school},
                 {"f07", head}});
    }
    const QList<Row> issued = rows;
    return job.run(forms ? QStringLiteral("수료증2.rpt") : QStringLiteral("수료증1.rpt"), QStringLiteral("수료증 발부"),
                   destination, parent, [issued, lines, first, today] {
                       try {
                           record(issued, lines, first, today);
                       } catch (const db::Error& e) {
                           throw report::RecordError(QStringLiteral("저장 에러 입니다."), e, QStringLiteral("오류"));
                       }
                   });
}

QList<Issued> find(const QString& namePrefix, bool byDate, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral("SELECT * FROM T_수료증지급 WHERE 회원명 Like :name ESCAPE '\\' "));
    q.bind("name", db::likeLiteral(namePrefix.trimmed()) + u'%');
    if (byDate)
        q.add(QStringLiteral("AND 지급일자 Between :S AND :E ")).bind({{"S", db::dateText(from)}, {"E", db::dateText(to)}});
    q.add(QStringLiteral("ORDER BY 수료번호"));
    q.open();
    QList<Issued> list;
    while (q.next())
        list.append({q.integer("수료번호"), q.str("회원번호"), q.str("회원명"), q.str("지급일자"), q.str("비고")});
    return list;
}

void remove(qint64 number)
{
    db::run(QStringLiteral("DELETE FROM T_수료증지급 WHERE 수료번호 = :no"), {{"no", number}});
}

} // namespace CompletionCertificates
