#include "members/GradeFeeBatch.h"

#include "db/Query.h"
#include "db/TextWidths.h"

#include <QHash>

namespace {

// Grade name -> code, and code -> name, of T_학년코드.
struct Grades {
    QHash<QString, int> code;
    QHash<int, QString> name;
    int last = 0;
};

Grades readGrades()
{
    Grades g;
    db::Query q(QStringLiteral("SELECT 학년코드, 학년 FROM T_학년코드"));
    q.open();
    while (q.next()) {
        const int c = int(q.integer(QStringLiteral("학년코드")));
        g.code.insert(q.str(QStringLiteral("학년")).trimmed(), c);
        g.name.insert(c, q.str(QStringLiteral("학년")));
        g.last = std::max(g.last, c);
    }
    return g;
}

QString nextOf(const Grades& g, const QString& grade)
{
    const auto it = g.code.constFind(grade.trimmed());
    if (it == g.code.constEnd())
        return QString();
    return it.value() >= g.last ? g.name.value(it.value()) : g.name.value(it.value() + 1);
}

} // namespace

QString GradeFeeBatch::nextGrade(const QString& grade) { return nextOf(readGrades(), grade); }

QList<GradeFeeBatch::Line> GradeFeeBatch::lines(const DivisionFilter::Condition& division, bool all)
{
    const Grades grades = readGrades();
    db::Query q;
    q << " SELECT T_회원.회원번호, T_회원.회원명, T_회원.입관일, "
      << " T_회원.전화번호, T_부별코드.부명, T_부별코드.부명 As 전부명, "
      << " T_회원.반, T_회원.부별코드, T_회원.학년, T_회원.수련비, a.학년코드 ";
    if (all)
        q << " FROM ( T_회원 LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
          << " LEFT JOIN T_학년코드 AS a ON T_회원.학년 = a.학년 "
          << " WHERE 퇴관일 IS NULL AND 휴관일 IS NULL ";
    else
        q << " FROM T_회원, T_부별코드, T_학년코드 AS a "
          << " WHERE T_회원.학년=a.학년 AND T_회원.부별코드 = T_부별코드.부별코드 "
          << " AND (퇴관일 is null and 휴관일 is null) ";
    DivisionFilter::apply(q, division);
    q << " ORDER BY T_회원.부별코드, T_회원.회원명 ";
    q.open();
    QList<Line> out;
    while (q.next()) {
        Line l;
        l.no = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.enrolled = q.str(QStringLiteral("입관일"));
        l.phone = q.str(QStringLiteral("전화번호"));
        l.oldDivision = q.str(QStringLiteral("전부명"));
        l.grade = q.str(QStringLiteral("학년"));
        l.nextGrade = nextOf(grades, l.grade);
        l.divisionCode = q.str(QStringLiteral("부별코드"));
        l.divisionName = q.str(QStringLiteral("부명"));
        l.klass = q.str(QStringLiteral("반"));
        l.fee = q.isNull(QStringLiteral("수련비")) ? QString() : QString::number(q.integer(QStringLiteral("수련비")));
        out.append(l);
    }
    return out;
}

std::optional<qint64> GradeFeeBatch::parseFee(const QString& text)
{
    QString t = text.trimmed();
    t.remove(u',');
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v < 0)
        return std::nullopt;
    return v;
}

int GradeFeeBatch::save(const QList<Line>& lines, bool grades, bool fees)
{
    int written = 0;
    db::Transaction tx;
    for (const Line& l : lines) {
        if (!l.selected)
            continue;
        // A grade the code table does not know has no next one: it stays as it is.
        const bool grade = grades && !l.nextGrade.isEmpty();
        if (QString p = db::widthProblem(QStringLiteral("T_회원"), QStringLiteral("반"), l.klass); !p.isEmpty())
            throw db::Error(QStringLiteral("%1(%2) : %3").arg(l.name, l.no, p), QString());
        db::Query q;
        q << "update T_회원 " << "set  반 = :반  " << ",    부별코드 = :부별코드 ";
        if (fees)
            q << ", 수련비 = :수련비 ";
        if (grade)
            q << ", 학년 = :uGrd ";
        q << "where 회원번호 = :no ";
        q.bind({{QStringLiteral("반"), l.klass}, {QStringLiteral("부별코드"), l.divisionCode}, {QStringLiteral("no"), l.no}});
        if (fees) {
            const auto fee = parseFee(l.fee);
            if (!fee)
                throw db::Error(QStringLiteral("%1 : 수련비 '%2' 는 숫자가 아닙니다.").arg(l.name, l.fee), QString());
            q.bind(QStringLiteral("수련비"), *fee);
        }
        if (grade)
            q.bind(QStringLiteral("uGrd"), l.nextGrade);
        q.exec();
        ++written;
    }
    tx.commit();
    return written;
}
