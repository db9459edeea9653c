#include "members/JournalBatch.h"

#include "db/DbError.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "members/PersonalRecord.h"

#include <QRegularExpression>

QString JournalBatch::table(Kind k)
{
    switch (k) {
    case Conduct: return QStringLiteral("T_생활기록");
    case Suggestions: return QStringLiteral("T_건의사항");
    case Notices: return QStringLiteral("T_심사평가공지사항");
    case Points: return QStringLiteral("T_벌점");
    }
    return {};
}

QString JournalBatch::dateColumn(Kind k)
{
    switch (k) {
    case Conduct: return QStringLiteral("기록일자");
    case Suggestions: return QStringLiteral("건의일자");
    case Notices: return QStringLiteral("공지일자");
    case Points: return QStringLiteral("벌점일자");
    }
    return {};
}

QString JournalBatch::textColumn(Kind k)
{
    switch (k) {
    case Conduct: return QStringLiteral("생활기록");
    case Suggestions: return QStringLiteral("건의사항");
    case Notices: return QStringLiteral("공지사항");
    case Points: return QStringLiteral("비고2");
    }
    return {};
}

QStringList JournalBatch::choices(Kind k)
{
    QString sql;
    if (k == Conduct)
        sql = QStringLiteral("SELECT 생활기록문항 FROM T_생활기록문항 ORDER BY 생활기록문항");
    else if (k == Notices)
        sql = QStringLiteral("SELECT 심사평가공지사항 FROM T_심사평가공지사항문항 ORDER BY 심사평가공지사항");
    else if (k == Points)
        sql = QStringLiteral("SELECT 벌점코드 & ')' & 벌점명 FROM T_벌점항목 ORDER BY 벌점코드");
    else
        return {};
    QStringList out;
    if (k == Points)
        out.append(QString());
    db::Query q(sql);
    q.open();
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

namespace {

// A name prefix as typed: "%" and "_" are only text.
QString namePrefix(const QString& name) { return db::likeLiteral(name.trimmed()) + u'%'; }

JournalBatch::Line lineOf(const db::Query& q)
{
    JournalBatch::Line l;
    l.no = q.str(QStringLiteral("회원번호"));
    l.name = q.str(QStringLiteral("회원명"));
    l.division = q.str(QStringLiteral("부명"));
    l.grade = q.str(QStringLiteral("학년"));
    l.rank = q.str(QStringLiteral("급품명"));
    l.klass = q.str(QStringLiteral("반"));
    return l;
}

} // namespace

QList<JournalBatch::Line> JournalBatch::forInput(Kind k, const QDate& day, const DivisionFilter::Condition& division,
                                                 const QString& name)
{
    db::Query q;
    q << " SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.학년, T_회원.반, T_급품코드.급품명 "
      << " FROM ((T_회원 LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
      << " LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
      << " WHERE T_회원.회원명 LIKE :name ESCAPE '\\' "
      << " And (퇴관일 is null and 휴관일 is null) "
      << " AND T_회원.입관일 <= :ToDay ";
    DivisionFilter::apply(q, division);
    q << (k == Points ? " Order By T_부별코드.부명, T_회원.회원명" : " Order By T_회원.부별코드, T_회원.급품코드, T_회원.회원명");
    q.bind(QStringLiteral("name"), namePrefix(name));
    q.bind(QStringLiteral("ToDay"), day);
    q.open();
    QList<Line> out;
    while (q.next()) {
        Line l = lineOf(q);
        if (k == Suggestions)
            l.date = db::dateText(day);
        out.append(l);
    }
    return out;
}

QList<JournalBatch::Line> JournalBatch::listing(Kind k, const QDate& from, const QDate& to, const DivisionFilter::Condition& division,
                                                const QString& name)
{
    const QString t = table(k), d = dateColumn(k);
    db::Query q;
    q << " SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.학년, T_회원.반, T_급품코드.급품명, "
      << QStringLiteral(" j.%1 AS 내용, j.%2 AS 일자 ").arg(textColumn(k), d);
    if (k == Points)
        q << ", j.벌점코드, p.벌점수 ";
    q << " FROM ((T_회원 LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
      << " LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
      << QStringLiteral(" INNER JOIN %1 j ON T_회원.회원번호 = j.회원번호 ").arg(t);
    if (k == Points)
        q << " LEFT JOIN T_벌점항목 p ON j.벌점코드 = p.벌점코드 ";
    q << QStringLiteral(" WHERE (j.%1 BETWEEN :FromDate AND :ToDate ) ").arg(d)
      << " AND T_회원.회원명 LIKE :name ESCAPE '\\' "
      << " AND (T_회원.퇴관일 is null and 휴관일 is null) ";
    DivisionFilter::apply(q, division);
    q << QStringLiteral(" Order By T_부별코드.부명, T_회원.회원명, j.%1").arg(d);
    q.bind(QStringLiteral("name"), namePrefix(name));
    q.bind({{QStringLiteral("FromDate"), from}, {QStringLiteral("ToDate"), to}});
    q.open();
    QList<Line> out;
    while (q.next()) {
        Line l = lineOf(q);
        l.entry = q.str(QStringLiteral("내용"));
        l.date = q.str(QStringLiteral("일자"));
        if (k == Points) {
            l.code = q.str(QStringLiteral("벌점코드"));
            l.points = q.isNull(QStringLiteral("벌점수")) ? QString() : QString::number(q.integer(QStringLiteral("벌점수")));
        }
        out.append(l);
    }
    return out;
}

void JournalBatch::setEntry(Kind k, Line& line, const QString& text, const QDate& day)
{
    line.entry = text;
    const bool blank = text.trimmed().isEmpty();
    if (k != Suggestions)
        line.date = blank ? QString() : (line.date.isEmpty() ? db::dateText(day) : line.date);
    if (k == Points) {
        line.code = blank ? QString() : PersonalRecord::codeOf(text);
        line.points = blank ? QString() : QString::number(PersonalRecord::pointsOf(line.code));
    }
}

QString JournalBatch::typedDate(const QString& text)
{
    QString t = text.trimmed();
    static const QRegularExpression digits(QStringLiteral("^\\d{8}$"));
    if (digits.match(t).hasMatch())
        t = t.left(4) + u'-' + t.mid(4, 2) + u'-' + t.mid(6, 2);
    const QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? db::dateText(d) : QString();
}

int JournalBatch::badLine(Kind k, const QList<Line>& lines)
{
    for (int i = 0; i < lines.size(); ++i)
        if (!lines[i].entry.trimmed().isEmpty() && (typedDate(lines[i].date).isEmpty() || (k == Points && lines[i].code.isEmpty())))
            return i;
    return -1;
}

int JournalBatch::problemLine(Kind k, const QList<Line>& lines, QString* why)
{
    QStringList items;
    if (k == Points)
        for (const QString& c : choices(Points))
            if (!c.isEmpty())
                items << PersonalRecord::codeOf(c);
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        if (l.entry.trimmed().isEmpty())
            continue;
        QString problem;
        if (k == Points && !items.contains(l.code))
            problem = QStringLiteral("벌점 항목 '%1'은(는) 목록에 없습니다. 목록에서 고르세요.").arg(l.entry.trimmed());
        else
            problem = db::widthProblem(table(k), textColumn(k), l.entry.trimmed(), k == Points ? QStringLiteral("벌점 항목") : textColumn(k));
        if (!problem.isEmpty()) {
            if (why)
                *why = QStringLiteral("%1(%2) : %3").arg(l.name, l.no, problem);
            return i;
        }
    }
    return -1;
}

int JournalBatch::save(Kind k, const QList<Line>& lines)
{
    const QString t = table(k), d = dateColumn(k);
    if (badLine(k, lines) >= 0)
        throw db::Error(QStringLiteral("일자를 정확히 입력하세요."), t);
    if (QString why; problemLine(k, lines, &why) >= 0)
        throw db::Error(why, t);
    int written = 0;
    db::Transaction tx;
    for (const Line& l : lines) {
        if (l.entry.trimmed().isEmpty())
            continue;
        // One above every 순번 of the member: numbers per date would repeat once a date is corrected.
        const int serial = db::scalarText(QStringLiteral(" SELECT Max(순번) FROM %1 WHERE 회원번호 =:no ").arg(t),
                                          {{QStringLiteral("no"), l.no}})
                               .toInt()
                           + 1;
        db::Query q;
        if (k == Points) {
            q << "Insert Into T_벌점 (회원번호, 순번, 벌점일자, 벌점코드, 비고2) Values (:회원번호, :순번, :일자, :벌점코드, :내용)";
            q.bind(QStringLiteral("벌점코드"), l.code);
        } else {
            q << QStringLiteral("Insert Into %1 (회원번호, 순번, %2, %3) Values (:회원번호, :순번, :일자, :내용)").arg(t, d, textColumn(k));
        }
        q.bind({{QStringLiteral("회원번호"), l.no},
                {QStringLiteral("순번"), serial},
                {QStringLiteral("일자"), typedDate(l.date)},
                {QStringLiteral("내용"), l.entry.trimmed()}});
        q.exec();
        ++written;
    }
    tx.commit();
    return written;
}
