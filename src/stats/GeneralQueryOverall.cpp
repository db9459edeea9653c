// The overall awards page of the general queries: conduct, fitness and examination sections.
#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/MemberStatus.h"
#include "db/Query.h"
#include "stats/GeneralQueryParts.h"
#include "ui/DivisionFilter.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace tot::parts {

namespace {

// --- page 8: overall awards --------------------------------------------------------------------------

QString oneDecimal(double v) { return QLocale(QLocale::English).toString(v, 'f', 1); }

// A measured value cut after its first decimal digit (12.345 -> 12.3); empty counts as 0.
double cutValue(const QVariant& v)
{
    if (v.isNull())
        return 0;
    QString t = v.toString().trimmed();
    const qsizetype dot = t.indexOf(u'.');
    if (dot >= 0)
        t = t.left(dot + 2);
    return t.toDouble();
}

QStringList overallHeaders(Input::Section s)
{
    QStringList h{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("입 관 일"), QStringLiteral("급 품 명"),
                  QStringLiteral("학    년")};
    switch (s) {
    case Input::Life: h << QStringLiteral("상 벌 점") << QStringLiteral("결 석 일") << QStringLiteral("총   점"); break;
    case Input::Fitness: h << QStringLiteral("최초측정값") << QStringLiteral("최종측정값") << QStringLiteral("증   감"); break;
    case Input::Exam: h << QString() << QStringLiteral("총   점") << QStringLiteral("평   균"); break;
    }
    return h;
}

void bindYear(db::Query& q, int year)
{
    q.bind(QStringLiteral("S"), QStringLiteral("%1-01-01").arg(year, 4, 10, QChar(u'0')));
    q.bind(QStringLiteral("E"), QStringLiteral("%1-12-31").arg(year, 4, 10, QChar(u'0')));
}

Row overallRow(const db::Query& q)
{
    Row r;
    r.memberNo = q.str(QStringLiteral("회원번호"));
    r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("입관일"))
            << q.str(QStringLiteral("급품명")) << q.str(QStringLiteral("학년"));
    return r;
}

// Points summed in the year, absences counted in that year, 100 + points - absences; every attending
// member is listed, with or without entries.
Listing lifeSection(const Input& in, int year)
{
    db::Query q(QStringLiteral(
        "SELECT (100 + Nz(p.점수, 0) - Nz(k.결석, 0)) AS 총점, a.회원번호, a.회원명, a.부별코드, e.부명, a.입관일, f.급품명, a.학년, "
        "Nz(p.점수, 0) AS 승벌점, Nz(k.결석, 0) AS 결석일 "
        "FROM (((T_회원 a "
        "LEFT JOIN (SELECT b.회원번호, Sum(c.벌점수) AS 점수 FROM T_벌점 b INNER JOIN T_벌점항목 c ON b.벌점코드 = c.벌점코드 "
        "           WHERE b.벌점일자 Between :S AND :E GROUP BY b.회원번호) p ON p.회원번호 = a.회원번호) "
        "LEFT JOIN (SELECT d.회원번호, Count(*) AS 결석 FROM T_결석 d WHERE d.결석일자 Between :S AND :E GROUP BY d.회원번호) k "
        "          ON k.회원번호 = a.회원번호) "
        "LEFT JOIN T_부별코드 e ON a.부별코드 = e.부별코드) "
        "LEFT JOIN T_급품코드 f ON a.급품코드 = f.급품코드 "));
    q << QStringLiteral("WHERE %1 ").arg(MemberStatus::active(QStringLiteral("a")));
    addExactName(q, QStringLiteral("a.회원명"), in.name);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral(" ORDER BY 1 DESC , a.부별코드, a.입관일 ");
    bindYear(q, year);
    Listing l;
    l.headers = overallHeaders(Input::Life);
    q.open();
    while (q.next()) {
        Row r = overallRow(q);
        r.cells << QString::number(q.integer(QStringLiteral("승벌점"))) << QString::number(q.integer(QStringLiteral("결석일")))
                << QString::number(q.integer(QStringLiteral("총점")));
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

// The first and the last measurement of the item in the year, read with the member.
Listing fitnessSection(const Input& in, int year, const QString& code)
{
    db::Query q(QStringLiteral(
        "SELECT a.회원번호 , a.회원명, a.학년, a.입관일, b.부명, c.급품명, "
        "(SELECT TOP 1 m.%1 FROM T_체력측정 m WHERE m.회원번호 = a.회원번호 AND m.측정일자 Between :S AND :E "
        " ORDER BY m.측정일자) AS Min_Value, "
        "(SELECT TOP 1 n.%1 FROM T_체력측정 n WHERE n.회원번호 = a.회원번호 AND n.측정일자 Between :S AND :E "
        " ORDER BY n.측정일자 DESC) AS Max_Value "
        "FROM (T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
        "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 ").arg(code));
    q << QStringLiteral("WHERE %1 ").arg(MemberStatus::active(QStringLiteral("a")));
    addExactName(q, QStringLiteral("a.회원명"), in.name);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral(" ORDER BY a.부별코드, a.회원명 ");
    bindYear(q, year);
    Listing l;
    l.headers = overallHeaders(Input::Fitness);
    q.open();
    while (q.next()) {
        Row r = overallRow(q);
        const double first = cutValue(q.value(QStringLiteral("Min_Value")));
        double last = cutValue(q.value(QStringLiteral("Max_Value")));
        if (last == 0)
            last = first;
        r.cells << oneDecimal(first) << oneDecimal(last) << oneDecimal(last - first);
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

Listing examSection(const Input& in, int year, const QString& code)
{
    const QString column = code == QStringLiteral("E0") ? QStringLiteral("평균") : code;
    // 12.0: the engine divides two whole numbers as whole numbers, Jet does not.
    db::Query q(QStringLiteral(
        "SELECT a.회원번호, b.회원명, b.부별코드, c.부명, b.입관일, d.급품명, b.학년, b.급품코드, "
        " Format(SUM(a.%1), '##0.0') AS 합계, "
        " Format((SUM(a.%1) / 12.0), '##0.0') AS 평균값 "
        "FROM ((T_심사 a INNER JOIN T_회원 b ON a.회원번호 = b.회원번호) "
        "LEFT JOIN T_부별코드 c ON b.부별코드 = c.부별코드) "
        "LEFT JOIN T_급품코드 d ON b.급품코드 = d.급품코드 "
        " WHERE a.승급일자 Between :S AND :E ").arg(column));
    q << QStringLiteral(" AND %1 ").arg(MemberStatus::active(QStringLiteral("b")));
    addExactName(q, QStringLiteral("b.회원명"), in.name);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("b.부별코드"));
    q << QStringLiteral(" GROUP BY a.회원번호, b.회원명, b.부별코드, c.부명, b.입관일, d.급품명, b.학년, b.급품코드 "
                        "  ORDER BY  SUM(a.%1)  DESC, b.급품코드, b.입관일").arg(column);
    bindYear(q, year);
    Listing l;
    l.headers = overallHeaders(Input::Exam);
    q.open();
    while (q.next()) {
        Row r = overallRow(q);
        r.cells << QString() << q.str(QStringLiteral("합계")) << q.str(QStringLiteral("평균값"));
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

// Item codes become column names: only the known ones are accepted.
bool fitnessItem(const QString& code)
{
    static const QRegularExpression re(QStringLiteral("^A(0[1-9]|1[0-2])$"));
    return re.match(code).hasMatch();
}
bool examItem(const QString& code)
{
    static const QRegularExpression re(QStringLiteral("^E[0-6]$"));
    return re.match(code).hasMatch();
}

} // namespace

bool overall(const Input& in, Listing* out, Problem* problem)
{
    bool ok = false;
    const int year = in.yearText.trimmed().toInt(&ok);
    if (!ok || year < 1900 || year > 9999) {
        *problem = {QStringLiteral("년도를 입력하세요."), QStringLiteral("Com_year9")};
        return false;
    }
    const QString code = in.itemCode.trimmed();
    switch (in.section) {
    case Input::Life:
        *out = lifeSection(in, year);
        return true;
    case Input::Fitness:
        if (code.isEmpty()) {
            *problem = {QStringLiteral("항목을 선택하세요"), QStringLiteral("Com_body")};
            return false;
        }
        if (!fitnessItem(code)) {
            *problem = {QStringLiteral("체력측정 항목이 올바르지 않습니다."), QStringLiteral("Com_body")};
            return false;
        }
        *out = fitnessSection(in, year, code);
        return true;
    case Input::Exam:
        if (code.isEmpty()) {
            *problem = {QStringLiteral("항목을 선택하세요"), QStringLiteral("Com_Exam")};
            return false;
        }
        if (!examItem(code)) {
            *problem = {QStringLiteral("심사 항목이 올바르지 않습니다."), QStringLiteral("Com_Exam")};
            return false;
        }
        *out = examSection(in, year, code);
        return true;
    }
    return false;
}

// --- page 11: boarding ---------------------------------------------------------------------------------

} // namespace tot::parts
