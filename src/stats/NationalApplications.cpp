#include "stats/NationalApplications.h"

#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/JetSql.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/DivisionFilter.h"

#include <array>

namespace NationalApplications {

namespace {

const QString kZeroDate = QStringLiteral("1899-12-30");

Application readRow(const db::Query& q)
{
    Application a;
    a.memberNo = q.str(QStringLiteral("회원번호"));
    a.name = q.str(QStringLiteral("회원명"));
    a.birthDate = q.str(QStringLiteral("생년월일"));
    a.rankCode = q.str(QStringLiteral("급품코드"));
    a.divisionCode = q.str(QStringLiteral("부별코드"));
    a.divisionName = q.str(QStringLiteral("부명"));
    a.rankName = q.str(QStringLiteral("급품명"));
    a.include = q.str(QStringLiteral("Check")) != QStringLiteral("0");
    a.examNo = q.str(QStringLiteral("심사명"));
    a.examDate = q.str(QStringLiteral("심사일자"));
    a.applicantNo = q.str(QStringLiteral("응심번호"));
    a.certificateNo = q.str(QStringLiteral("단증번호"));
    return a;
}

bool badNumber(const QString& typed, tot::Problem* problem)
{
    if (typed.trimmed().isEmpty() || ExamNumber::parse(typed) > 0)
        return false;
    if (problem)
        *problem = {tot::examNumberMessage(), QStringLiteral("examname")};
    return true;
}

QVariant orNull(const QString& s) { return s.trimmed().isEmpty() ? QVariant() : QVariant(s.trimmed()); }

// The member's national examination record, keyed as every examination record by member, promotion
// date and kind: a school examination of the same day stays as it is. `storedDate` is the date the
// register row held before this save.
void recordExam(const Application& a, const QString& storedDate, Record record)
{
    const QString date = a.examDate.trimmed();
    auto exists = [&](const QString& d) {
        return !d.isEmpty() &&
               db::scalar(QStringLiteral("SELECT Count(*) FROM T_심사 "
                                         "WHERE 회원번호 = :회원번호 AND 승급일자 = :승급일자 AND 심사구분 = '국기원'"),
                          {{QStringLiteral("회원번호"), a.memberNo}, {QStringLiteral("승급일자"), d}})
                       .toInt() > 0;
    };
    const QString at = exists(storedDate) ? storedDate : date;
    const bool found = exists(at);
    const db::Params values{{QStringLiteral("회원번호"), a.memberNo},
                            {QStringLiteral("급품코드"), a.rankCode},
                            {QStringLiteral("승급일자"), date},
                            {QStringLiteral("심사일자"), date},
                            {QStringLiteral("이전일자"), at},
                            {QStringLiteral("심사명"), a.examNo.trimmed().toLongLong()},
                            {QStringLiteral("단증번호"), a.certificateNo.trimmed()},
                            {QStringLiteral("심사구분"), QStringLiteral("국기원")},
                            {QStringLiteral("평가"), record == Record::Always ? QStringLiteral("합격") : QString()}};
    if (found) {
        db::run(QStringLiteral("UPDATE T_심사 SET "
                               "심사명 = :심사명, 단증번호 = :단증번호, 심사일자  =:심사일자 , 승급일자 = :승급일자 "
                               "WHERE 회원번호 = :회원번호 AND 승급일자 = :이전일자 AND 심사구분  =:심사구분"),
                values);
    } else {
        db::run(QStringLiteral("INSERT INTO T_심사(회원번호, 승급일자,"
                               "심사명, 심사구분,단증번호, 심사일자, 급품코드, E1, "
                               "E2, E3, E4, E5, E6, 출석률, 승벌점, 평균, 평가) "
                               "VALUES (:회원번호, :승급일자, :심사명, :심사구분, :단증번호, :심사일자, :급품코드, "
                               "0, 0, 0, 0, 0, 0, 0, 0, 0, :평가)"),
                values);
    }
}

// The nine rank counters of the receipt, by rank name.
int counterOf(const QString& rankName)
{
    static const QStringList names = {QStringLiteral("단보"), QStringLiteral("2품단보"), QStringLiteral("3품단보"),
                                      QStringLiteral("4품단보"), QStringLiteral("5단"), QStringLiteral("6단"),
                                      QStringLiteral("7단"), QStringLiteral("8단"), QStringLiteral("9단")};
    const QString n = rankName.trimmed();
    if (n == QStringLiteral("4단"))
        return 3;
    return int(names.indexOf(n));
}

} // namespace

QStringList registeredNames()
{
    QStringList out;
    db::Query q(QStringLiteral("Select Distinct(회원명) AS 회원명 from T_국기원승품 ORDER BY 1"));
    q.open();
    while (q.next())
        out << q.str(QStringLiteral("회원명"));
    return out;
}

bool query(const Filter& f, QList<Application>* out, tot::Problem* problem)
{
    out->clear();
    if (badNumber(f.examNo, problem))
        return false;
    db::Query q(QStringLiteral("Select d.회원번호, d.회원명, d.생년월일, d.급품코드,b.부별코드, b.부명, c.급품명, "
                               "'1' AS Check, "
                               "d.심사명, d.심사일자, d.심사일자 AS fake, d.응심번호, d.단증번호 "
                               "From (( T_국기원승품 d "
                               "INNER JOIN T_급품코드 c ON d.급품코드=c.급품코드 ) "
                               "INNER JOIN T_회원 a ON a.회원번호=d.회원번호 ) "
                               "INNER JOIN T_부별코드 b ON b.부별코드=a.부별코드 "
                               "WHERE Not( d.심사명 Is Null ) "));
    if (!f.name.trimmed().isEmpty()) {
        q << QStringLiteral("AND d.회원명 like :회원명 ESCAPE '\\' ");
        q.bind(QStringLiteral("회원명"), db::likeLiteral(f.name.trimmed()));
    }
    DivisionFilter::addConditionFor(q, f.divisionIndex, f.divisionText, QStringLiteral("b.부별코드"));
    if (!f.rankCode.trimmed().isEmpty()) {
        q << QStringLiteral("AND d.급품코드 = :급품코드 ");
        q.bind(QStringLiteral("급품코드"), f.rankCode.trimmed());
    }
    if (!f.examNo.trimmed().isEmpty()) {
        q << QStringLiteral("AND d.심사명 =:심사명 ");
        q.bind(QStringLiteral("심사명"), f.examNo.trimmed().toLongLong());
    }
    if (f.byDate) {
        q << QStringLiteral("AND d.심사일자 = :심사일자 ");
        q.bind(QStringLiteral("심사일자"), f.examDate);
    }
    q << QStringLiteral("Order By d.심사명, d.급품코드 , d.생년월일 ");
    q.open();
    while (q.next())
        out->append(readRow(q));
    return true;
}

bool candidates(const Filter& f, const QString& examNo, const QDate& examDate, QList<Application>* out, tot::Problem* problem)
{
    out->clear();
    if (examNo.trimmed().isEmpty()) {
        if (problem)
            *problem = {QStringLiteral("심사명을 입력하세요"), QStringLiteral("examname")};
        return false;
    }
    if (badNumber(examNo, problem))
        return false;
    db::Query q(QStringLiteral("Select a.회원번호, a.회원명, a.생년월일, a.급품코드, a.부별코드, b.부명, c.급품명, "
                               "'1' AS Check, "
                               "NULL AS 심사명, NULL AS 심사일자, NULL AS 응심번호, NULL AS 단증번호 "
                               "From (T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
                               "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "
                               "WHERE (Right(Trim(c.급품명),2) = '단보' Or Right(Trim(c.급품명),1) = '단' ) "));
    q << QStringLiteral("AND %1  ").arg(MemberStatus::active(QStringLiteral("a")))
      << QStringLiteral("AND a.회원번호 NOT IN (  SELECT e.회원번호  FROM  T_국기원승품 e WHERE e.회원번호= a.회원번호 AND e.급품코드=a.급품코드 ) ");
    if (!f.name.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.회원명 like :회원명 ESCAPE '\\' ");
        q.bind(QStringLiteral("회원명"), db::likeLiteral(f.name.trimmed()));
    }
    DivisionFilter::addConditionFor(q, f.divisionIndex, f.divisionText, QStringLiteral("a.부별코드"));
    if (!f.rankCode.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.급품코드 =:급품코드 ");
        q.bind(QStringLiteral("급품코드"), f.rankCode.trimmed());
    }
    q << QStringLiteral("Order by c.급품코드 asc, a.회원명 ");
    q.open();
    while (q.next()) {
        Application a = readRow(q);
        a.include = true;
        a.examNo = examNo.trimmed();
        a.examDate = db::dateText(examDate);
        a.applicantNo.clear();
        a.certificateNo.clear();
        out->append(a);
    }
    return true;
}

tot::Problem check(const QList<Application>& rows)
{
    for (const Application& a : rows) {
        if (!a.include)
            continue;
        if (ExamNumber::parse(a.examNo) == 0)
            return {QStringLiteral("%1: %2").arg(a.name, tot::examNumberMessage()), QStringLiteral("심사명")};
        const QDate d = db::parseDate(a.examDate);
        if (!d.isValid() || a.examDate.trimmed().startsWith(kZeroDate))
            return {QStringLiteral("%1: 심사일자를 확인하세요.").arg(a.name), QStringLiteral("심사일자")};
        // The number goes on into the member's examination record as well.
        if (QString p = db::widthProblem(QStringLiteral("T_심사"), QStringLiteral("단증번호"), a.certificateNo.trimmed()); !p.isEmpty())
            return {QStringLiteral("%1: %2").arg(a.name, p), QStringLiteral("단증번호")};
    }
    return {};
}

void save(const Application& a, Record record)
{
    if (QString p = db::widthProblem(QStringLiteral("T_심사"), QStringLiteral("단증번호"), a.certificateNo.trimmed()); !p.isEmpty())
        throw db::Error(QStringLiteral("%1: %2").arg(a.name, p), QString());
    db::Transaction tx;
    const db::Params key{{QStringLiteral("회원번호"), a.memberNo}, {QStringLiteral("급품코드"), a.rankCode}};
    db::Query stored(QStringLiteral("Select 심사일자 From T_국기원승품 Where 회원번호=:회원번호 and 급품코드=:급품코드 "));
    stored.bind(key).open();
    const bool found = stored.next();
    const QString storedDate = found ? stored.str(QStringLiteral("심사일자")).left(10) : QString();
    stored.close();
    const db::Params values{{QStringLiteral("회원번호"), a.memberNo},
                            {QStringLiteral("급품코드"), a.rankCode},
                            {QStringLiteral("부별코드"), orNull(a.divisionCode)},
                            {QStringLiteral("회원명"), a.name},
                            {QStringLiteral("심사명"), a.examNo.trimmed().toLongLong()},
                            {QStringLiteral("심사일자"), a.examDate.trimmed()},
                            {QStringLiteral("응심번호"), orNull(a.applicantNo)},
                            {QStringLiteral("단증번호"), orNull(a.certificateNo)},
                            {QStringLiteral("생년월일"), orNull(a.birthDate)}};
    if (found)
        db::run(QStringLiteral("Update T_국기원승품 Set 심사명=:심사명, 심사일자=:심사일자, 응심번호=:응심번호, 단증번호=:단증번호 "
                               "Where 회원번호=:회원번호 and 급품코드=:급품코드 "),
                values);
    else
        db::run(QStringLiteral("INSERT INTO T_국기원승품 (회원번호,급품코드,부별코드,회원명,심사명,심사일자,응심번호,단증번호,생년월일) "
                               "Values(:회원번호,:급품코드,:부별코드,:회원명,:심사명,:심사일자,:응심번호,:단증번호,:생년월일)"),
                values);
    if (record == Record::Always || !a.certificateNo.trimmed().isEmpty())
        recordExam(a, storedDate, record);
    tx.commit();
}

int confirm(const QList<Application>& rows, Record record)
{
    db::Transaction tx;
    int written = 0;
    for (const Application& a : rows) {
        if (!a.include)
            continue;
        save(a, record);
        ++written;
    }
    tx.commit();
    return written;
}

void remove(const Application& a)
{
    db::Transaction tx;
    db::run(QStringLiteral("delete from T_국기원승품 where 회원번호 = :OLD_회원번호 and 급품코드 = :OLD_급품코드 and 심사명 = :OLD_심사명"),
            {{QStringLiteral("OLD_회원번호"), a.memberNo},
             {QStringLiteral("OLD_급품코드"), a.rankCode},
             {QStringLiteral("OLD_심사명"), a.examNo.trimmed().isEmpty() ? QVariant() : QVariant(a.examNo.trimmed().toLongLong())}});
    tx.commit();
}

tot::Problem checkReceipt(const QString& examName, const QList<Application>& rows)
{
    if (examName.trimmed().isEmpty())
        return {QStringLiteral("심사명을 입력하세요."), QStringLiteral("examname")};
    if (rows.isEmpty())
        return {QStringLiteral("조회된 자료가 없습니다."), QString()};
    for (const Application& a : rows)
        if (a.examNo.trimmed() != rows.first().examNo.trimmed())
            return {QStringLiteral("심사명을 통일 시키셔야 합니다."), QString()};
    return {};
}

int fillReceipt(const QList<Application>& rows, report::PrintJob& job)
{
    QString group, district, phone, owner, school;
    {
        db::Query s(QStringLiteral("SELECT 단체가입번호, 구, 전화번호, 관장명, 도장명 FROM T_도장정보"));
        s.open();
        if (s.next()) {
            group = s.str(QStringLiteral("단체가입번호"));
            district = s.str(QStringLiteral("구"));
            phone = s.str(QStringLiteral("전화번호")).trimmed();
            owner = s.str(QStringLiteral("관장명"));
            school = s.str(QStringLiteral("도장명"));
        }
    }
    const QDate today = Clock::today();
    const QString issued = QStringLiteral(" %1 년 %2 월 %3 일").arg(today.year()).arg(today.month(), 2, 10, QChar(u'0')).arg(today.day(), 2, 10, QChar(u'0'));
    const QString issuedShort = QStringLiteral(" %1 년 %2 월 %3 일").arg(today.year()).arg(today.month()).arg(today.day());

    std::array<int, 9> counts{};
    int page = 0, line = 0;
    QString exam;
    auto counters = [&](QList<std::pair<QString, QVariant>>& v) {
        int sum = 0;
        for (int k = 0; k < 9; ++k) {
            v.append({QStringLiteral("f%1").arg(12 + k), QString::number(counts[k])});
            sum += counts[k];
        }
        v.append({QStringLiteral("G03"), QString::number(sum)});
    };
    int n = 0;
    for (const Application& a : rows) {
        ++n;
        if (n % kReceiptLines == 1) {
            ++page;
            line = 0;
            counts.fill(0);
        }
        ++line;
        const int c = counterOf(a.rankName);
        if (c >= 0)
            ++counts[c];
        exam = a.examNo.trimmed();
        QList<std::pair<QString, QVariant>> v{
            {QStringLiteral("G01"), db::jet::format(page, QStringLiteral("#,000"))},
            {QStringLiteral("SEQNO"), line},
            {QStringLiteral("당월"), exam},
            {QStringLiteral("a01"), QString::number(n)},
            {QStringLiteral("a02"), group},
            {QStringLiteral("f01"), QString()},
            {QStringLiteral("f02"), a.name},
            {QStringLiteral("f03"), a.birthDate},
            {QStringLiteral("f04"), a.certificateNo},
            {QStringLiteral("f05"), QString()},
            {QStringLiteral("f06"), a.examDate},
            {QStringLiteral("f07"), QString()},
            {QStringLiteral("f08"), district},
            {QStringLiteral("f09"), phone},
            {QStringLiteral("f10"), issued},
            {QStringLiteral("f11"), a.rankCode}};
        counters(v);
        v.append({QStringLiteral("관장명"), owner});
        v.append({QStringLiteral("association"), school});
        v.append({QStringLiteral("G02"), a.rankName});
        job.add(v);
    }
    // Blank lines complete the last page.
    const int fill = n % kReceiptLines == 0 ? 0 : kReceiptLines - n % kReceiptLines;
    for (int k = 0; k < fill; ++k) {
        QList<std::pair<QString, QVariant>> v{{QStringLiteral("G01"), db::jet::format(page, QStringLiteral("#,000"))},
                                              {QStringLiteral("seqno"), ++line},
                                              {QStringLiteral("당월"), exam},
                                              {QStringLiteral("f08"), district},
                                              {QStringLiteral("f09"), phone},
                                              {QStringLiteral("f10"), issuedShort}};
        counters(v);
        v.append({QStringLiteral("관장명"), owner});
        v.append({QStringLiteral("association"), school});
        job.add(v);
    }
    return n + fill;
}

bool printReceipt(const QList<Application>& rows, int destination, QWidget* parent)
{
    report::PrintJob job; // empties print: no lines of an earlier report remain
    fillReceipt(rows, job);
    return job.run(QStringLiteral("접수증.rpt"), QStringLiteral("접수증"), destination, parent);
}

} // namespace NationalApplications
