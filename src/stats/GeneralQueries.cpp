#include "stats/GeneralQueries.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "stats/HeadcountFigures.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"
#include "stats/GeneralQueryParts.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace tot {

namespace parts {

const QString kZeroDate = QStringLiteral("1899-12-30");

QString shownDate(const QString& d) { return d.startsWith(kZeroDate) ? QString() : d; }

// --- shared filters ---------------------------------------------------------------------------------

void addLike(db::Query& q, const QString& column, const QString& param, const QString& pattern)
{
    q << QStringLiteral(" AND %1 like :%2 ESCAPE '\\' ").arg(column, param);
    q.bind(param, pattern);
}

void addTyped(db::Query& q, const QString& column, const QString& param, const QString& typed, Match m)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return;
    addLike(q, column, param, (m == Contains ? QStringLiteral("%") : QString()) + db::likeLiteral(t) + u'%');
}

void addExactName(db::Query& q, const QString& column, const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return;
    q << QStringLiteral(" AND %1 = :Name ").arg(column);
    q.bind(QStringLiteral("Name"), t);
}

void addStatus(db::Query& q, Status s, const QString& alias)
{
    q << QStringLiteral(" AND %1 ").arg(s == Status::Current ? MemberStatus::notWithdrawn(alias) : MemberStatus::withdrawn(alias));
}

void addDates(db::Query& q, const Input& in, const QString& column)
{
    if (!in.useDates)
        return;
    q << QStringLiteral(" AND %1 Between :S AND :E ").arg(column);
    q.bind(QStringLiteral("S"), in.from);
    q.bind(QStringLiteral("E"), in.to);
}

void addRank(db::Query& q, const Input& in, const QString& codeColumn, const QString& nameColumn, bool exact)
{
    if (in.rankIndex > 4) {
        const QString code = codes::codeOf(in.rankText).trimmed();
        if (!exact) {
            q << QStringLiteral(" AND %1 like :belt ").arg(codeColumn);
            q.bind(QStringLiteral("belt"), code + u'%');
            return;
        }
        const QString to = codes::codeOf(in.rankToText).trimmed();
        if (to.isEmpty()) {
            q << QStringLiteral(" AND %1=:belt ").arg(codeColumn);
            q.bind(QStringLiteral("belt"), code);
        } else {
            q << QStringLiteral(" AND %1 BETWEEN :Frombelt AND :Tobelt ").arg(codeColumn);
            q.bind(QStringLiteral("Frombelt"), code);
            q.bind(QStringLiteral("Tobelt"), to);
        }
    } else if (in.rankIndex >= 2) {
        // The poom group without the provisional-dan ranks.
        q << QStringLiteral(" AND %1 like :beltname  AND NOT ( %1 like  :beltname1 ) ").arg(nameColumn);
        q.bind(QStringLiteral("beltname"), in.rankText.trimmed() + u'%');
        q.bind(QStringLiteral("beltname1"), QStringLiteral("%단보%"));
    } else {
        q << QStringLiteral(" AND %1 like :belt ").arg(codeColumn);
        q.bind(QStringLiteral("belt"), QStringLiteral("%"));
    }
}


} // namespace parts

using namespace parts;

namespace {

// --- the shared row builder ---------------------------------------------------------------------

QString ageSex(const QString& birth, const QString& sex)
{
    bool ok = false;
    const int y = birth.left(4).toInt(&ok);
    const QString age = ok && birth.size() >= 4 ? QString::number(Clock::today().year() - y + 1) : QString();
    return age + u'/' + sex;
}

// A cell by its position, as Query::str reads it (a whole number stored as a real reads without ".0").
QString cell(const db::Query& q, int i)
{
    const QVariant v = q.value(i);
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (d == qint64(d))
            return QString::number(qint64(d));
    }
    return v.toString();
}

QString leaveMark(const db::Query& q) { return q.str(QStringLiteral("휴관일")).trimmed().isEmpty() ? QString() : QStringLiteral("V"); }

// This month's payment joined to the member: at most one row, the month being part of the key.
const QString kMemberWithFee =
    QStringLiteral("(T_회원 a LEFT JOIN T_수련비납부 p ON (p.회원번호 = a.회원번호 AND p.년월분 = :mon))");

QString feeColumn() { return QStringLiteral(", p.년월분 AS 납부월 "); }

void bindMonth(db::Query& q) { q.bind(QStringLiteral("mon"), Clock::thisMonthKey()); }

QStringList memberHeaders(int page, Status s)
{
    QStringList h{QStringLiteral("이    름")};
    switch (page) {
    case School: h << QStringLiteral("학    교"); break;
    case Birthday: h << QStringLiteral("생년월일"); break;
    case Awards: h << QStringLiteral("상장명/지급일자"); break;
    default: h << (s == Status::Current ? QStringLiteral("입 관 일") : QStringLiteral("퇴 관 일")); break;
    }
    h << QStringLiteral("부    명");
    h << (page == Address ? QStringLiteral("지 역 명") : QStringLiteral("나이/성"));
    if (page == Address)
        h << QStringLiteral("주    소");
    else
        h << QStringLiteral("학 년") << QStringLiteral("반") << QStringLiteral("현    급");
    h << QStringLiteral("전화번호");
    if (page == Roster)
        h << QStringLiteral("핸드폰번호");
    h << QStringLiteral("수련비") << QStringLiteral("휴관");
    if (page == Rank)
        h << QStringLiteral("승 급 일");
    return h;
}

// The positions of the columns the row builder reads, found once per listing (-1: not selected).
struct MemberColumns {
    int no, name, second, division, area, address, birth, sex, grade, classNo, rank, phone, mobile, paidMonth, payDay,
        leave, promoted, prize, given;
    MemberColumns(const db::Query& q, int page, Status s)
    {
        auto at = [&](const char* n) { return q.columnIndex(QString::fromUtf8(n)); };
        no = at("회원번호");
        name = at("회원명");
        second = page == School ? at("학교") : page == Birthday ? at("생년월일") : at(s == Status::Current ? "입관일" : "퇴관일");
        division = at("부명");
        area = at("지역명");
        address = at("주소");
        birth = at("생년월일");
        sex = at("성별");
        grade = at("학년");
        classNo = at("반");
        rank = at("급품명");
        phone = at("전화번호");
        mobile = at("핸드폰번호");
        paidMonth = at("납부월");
        payDay = at("납부일자");
        leave = at("휴관일");
        promoted = at("승급일");
        prize = at("상장명");
        given = at("지급일자");
    }
};

Row memberRow(const db::Query& q, const MemberColumns& k, int page)
{
    Row r;
    r.memberNo = cell(q, k.no);
    QStringList& c = r.cells;
    c << cell(q, k.name);
    c << (page == Awards ? cell(q, k.prize) + u'/' + cell(q, k.given) : cell(q, k.second));
    c << cell(q, k.division);
    if (page == Address)
        c << cell(q, k.area) << cell(q, k.address);
    else
        c << ageSex(cell(q, k.birth), cell(q, k.sex)) << cell(q, k.grade) << cell(q, k.classNo) << cell(q, k.rank);
    c << cell(q, k.phone);
    if (page == Roster)
        c << cell(q, k.mobile);
    // Paid this month or not, then the member's payment day; "V" when on leave.
    c << (q.value(k.paidMonth).isNull() ? QStringLiteral("미납/") : QStringLiteral("납부/")) + cell(q, k.payDay)
      << (cell(q, k.leave).trimmed().isEmpty() ? QString() : QStringLiteral("V"));
    if (page == Rank)
        c << cell(q, k.promoted);
    return r;
}

Listing readMembers(db::Query& q, int page, Status s)
{
    Listing l;
    l.headers = memberHeaders(page, s);
    q.open();
    const MemberColumns k(q, page, s);
    while (q.next())
        l.rows.append(memberRow(q, k, page));
    l.found = int(l.rows.size());
    return l;
}

// Pages 7, 10 and 14: a journal's date and text beside the member.
Listing readJournal(db::Query& q, const QString& dateColumn, const QString& textColumn, const QString& dateTitle,
                    const QString& textTitle)
{
    Listing l;
    l.headers = QStringList{QStringLiteral("이    름"), QStringLiteral("부    명"), QStringLiteral("현    급"), dateTitle, textTitle};
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("급품명"))
                << q.str(dateColumn) << q.str(textColumn);
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

// The columns the row builder reads, from T_회원 a, T_부별코드 b, T_급품코드 c.
const QString kMemberColumns = QStringLiteral(
    "SELECT a.회원번호, a.회원명, a.입관일, a.퇴관일, a.휴관일, a.성별, "
    "a.학년, a.반, a.전화번호, a.생년월일, a.학교, a.주소, "
    "a.우편번호, a.납부일자, a.핸드폰번호,b.부명, c.급품명 ");
const QString kMemberTables = QStringLiteral("FROM ") + kMemberWithFee + QStringLiteral(
    ", T_부별코드 b, T_급품코드 c "
    "WHERE a.급품코드 = c.급품코드 "
    "AND a.부별코드 = b.부별코드 ");

// --- pages ------------------------------------------------------------------------------------------

Listing roster(const Input& in)
{
    db::Query q;
    q << kMemberColumns << feeColumn() << kMemberTables;
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addStatus(q, in.status);
    addDates(q, in, in.status == Status::Current ? QStringLiteral("a.입관일") : QStringLiteral("a.퇴관일"));
    addOrder(q, Roster, in);
    bindMonth(q);
    return readMembers(q, Roster, in.status);
}

Listing school(const Input& in)
{
    db::Query q;
    q << kMemberColumns << feeColumn() << kMemberTables;
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addTyped(q, QStringLiteral("a.학교"), QStringLiteral("School"), in.school, StartsWith);
    const SchoolYearFilter::Condition g = SchoolYearFilter::conditionFor(in.gradeIndex, in.gradeText, QStringLiteral("a.학년"));
    q << g.sql;
    if (!g.year.isEmpty())
        q.bind(QStringLiteral("Year"), g.year);
    if (!in.classNo.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.반 =:Class ");
        q.bind(QStringLiteral("Class"), in.classNo.trimmed());
    }
    addTyped(q, QStringLiteral("a.성별"), QStringLiteral("Sex"), in.sex, StartsWith);
    addStatus(q, in.status);
    addOrder(q, School, in);
    bindMonth(q);
    return readMembers(q, School, in.status);
}

Listing rankPage(const Input& in)
{
    db::Query q;
    q << kMemberColumns << feeColumn()
      << QStringLiteral(", (SELECT Max(s.승급일자) FROM T_심사 s WHERE s.회원번호 = a.회원번호 AND s.급품코드 = a.급품코드) AS 승급일 ")
      << kMemberTables;
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, StartsWith);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addRank(q, in, QStringLiteral("a.급품코드"), QStringLiteral("c.급품명"), true);
    addStatus(q, in.status);
    addOrder(q, Rank, in);
    bindMonth(q);
    return readMembers(q, Rank, in.status);
}

Listing danNumbers(const Input& in)
{
    db::Query q(QStringLiteral(
        "SELECT d.회원번호, a.회원명, a.입관일, b.부명, c.급품명, d.심사명, d.심사일자, d.단증번호, a.전화번호, "
        "( SELECT MAX(T_심사.승급일자) FROM T_심사 WHERE T_심사.회원번호=d.회원번호 AND T_심사.급품코드= d.급품코드 "
        "AND T_심사.승급일자 < d.심사일자 ) AS 심사_승급일자 "
        "FROM ((T_국기원승품 d LEFT JOIN T_회원 a ON d.회원번호 = a.회원번호) "
        "LEFT JOIN T_부별코드 b ON d.부별코드 = b.부별코드) "
        "LEFT JOIN T_급품코드 c ON d.급품코드 = c.급품코드 "
        " WHERE NOT( d.회원번호 IS NULL ) "));
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("회원명"), in.name, StartsWith);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("d.부별코드"));
    if (!in.danRankCode.trimmed().isEmpty()) {
        q << QStringLiteral(" AND d.급품코드=:급품코드 ");
        q.bind(QStringLiteral("급품코드"), in.danRankCode.trimmed());
    }
    if (!in.examNo.trimmed().isEmpty()) {
        q << QStringLiteral(" AND d.심사명=:심사명 ");
        q.bind(QStringLiteral("심사명"), in.examNo.trimmed().toLongLong());
    }
    q << QStringLiteral(" Order By d.심사명, d.급품코드 ,d.심사일자 ");
    Listing l;
    l.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("입 관 일"), QStringLiteral("부    명"), QStringLiteral("급 품 명"),
                            QStringLiteral("승 급 일"), QStringLiteral("심 사 명"), QStringLiteral("심사일자"), QStringLiteral("단증번호"),
                            QStringLiteral("전화번호")};
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("입관일")) << q.str(QStringLiteral("부명"))
                << q.str(QStringLiteral("급품명")) << q.str(QStringLiteral("심사_승급일자")) << q.str(QStringLiteral("심사명"))
                << shownDate(q.str(QStringLiteral("심사일자"))) << q.str(QStringLiteral("단증번호")) << q.str(QStringLiteral("전화번호"));
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

Listing address(const Input& in)
{
    db::Query q;
    q << kMemberColumns << QStringLiteral(", d.지역명 ") << feeColumn()
      << QStringLiteral("FROM ((") + kMemberWithFee + QStringLiteral(" LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
                        "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드) "
                        "LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드 "
                        "WHERE a.회원번호 Is Not Null ");
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addTyped(q, QStringLiteral("a.주소"), QStringLiteral("Addr"), in.address, StartsWith);
    addTyped(q, QStringLiteral("a.우편번호"), QStringLiteral("Zip"), in.zipCode, StartsWith);
    if (!in.areaCode.trimmed().isEmpty()) {
        q << QStringLiteral(" AND a.지역코드=:Area ");
        q.bind(QStringLiteral("Area"), in.areaCode.trimmed().toLongLong());
    }
    addStatus(q, in.status);
    addOrder(q, Address, in);
    bindMonth(q);
    return readMembers(q, Address, in.status);
}

void addBirthParts(db::Query& q, const Input& in, const QString& column)
{
    if (!in.birthParts)
        return;
    if (in.byYear) {
        q << QStringLiteral("AND Year(%1) = :year ").arg(column);
        q.bind(QStringLiteral("year"), in.year);
    }
    if (in.byMonth) {
        q << QStringLiteral("AND Month(%1) = :Month ").arg(column);
        q.bind(QStringLiteral("Month"), in.month);
    }
    if (in.byDay) {
        q << QStringLiteral("AND Day(%1) = :Day ").arg(column);
        q.bind(QStringLiteral("Day"), in.day);
    }
}

Listing birthdays(const Input& in)
{
    db::Query q;
    q << kMemberColumns << feeColumn()
      << QStringLiteral("FROM (") + kMemberWithFee + QStringLiteral(" LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
                        "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 WHERE a.회원번호 Is Not Null ");
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    addTyped(q, QStringLiteral("a.양력음력"), QStringLiteral("YN"), in.solarLunar, Contains);
    addStatus(q, in.status);
    addBirthParts(q, in, QStringLiteral("a.생년월일"));
    addOrder(q, Birthday, in);
    bindMonth(q);
    return readMembers(q, Birthday, in.status);
}

Listing family(const Input& in)
{
    const bool wedding = in.birthMode == Input::Wedding;
    const QString dateColumn = wedding ? QStringLiteral("결혼기념일") : QStringLiteral("생일");
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, b.부별코드,b.부명, c.관계, c.성명, c.생일, c.결혼기념일,c.직업, c.비고 "
                               "FROM (T_회원 a INNER JOIN T_가족사항 c ON a.회원번호 = c.회원번호) "
                               "LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 WHERE a.회원번호 Is Not Null "));
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral(" AND c.%1 Is  NOT Null ").arg(dateColumn);
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, StartsWith);
    addStatus(q, in.status);
    addTyped(q, QStringLiteral("c.양력음력"), QStringLiteral("YN"), in.solarLunar, Contains);
    addBirthParts(q, in, QStringLiteral("c.") + dateColumn);
    addOrder(q, Birthday, in);
    Listing l;
    l.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("관 계"), QStringLiteral("성    명"),
                            wedding ? QStringLiteral("결혼기념일") : QStringLiteral("생    일"), QStringLiteral("직    업"),
                            QStringLiteral("비    고")};
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("관계"))
                << q.str(QStringLiteral("성명")) << q.str(dateColumn) << q.str(QStringLiteral("직업")) << q.str(QStringLiteral("비고"));
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

Listing awards(const Input& in)
{
    db::Query q;
    q << kMemberColumns << QStringLiteral(", d.지급일자, e.상장명 ") << feeColumn()
      << QStringLiteral("FROM ") + kMemberWithFee + QStringLiteral(", T_부별코드 b, T_급품코드 c, T_상장지급 d, T_상장목록 e "
                        "WHERE a.급품코드 = c.급품코드 AND a.부별코드 = b.부별코드 "
                        "AND a.회원번호 = d.회원번호 AND d.상장코드 = e.상장코드 ");
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    if (!in.prizeCode.trimmed().isEmpty())
        addLike(q, QStringLiteral("e.상장코드"), QStringLiteral("Prize"), db::likeLiteral(in.prizeCode.trimmed()) + u'%');
    addStatus(q, in.status);
    if (in.useDates) {
        q << QStringLiteral("AND (d.지급일자 Between :S AND :E) ");
        q.bind(QStringLiteral("S"), in.from);
        q.bind(QStringLiteral("E"), in.to);
    }
    q << QStringLiteral("ORDER BY b.부별코드, a.회원명, e.상장명, d.지급일자 asc");
    bindMonth(q);
    return readMembers(q, Awards, in.status);
}

Listing journal(const Input& in, const QString& table, const QString& dateColumn, const QString& textColumn,
                const QString& order, const QString& dateTitle, const QString& textTitle)
{
    db::Query q;
    q << QStringLiteral("SELECT a.회원번호, a.회원명, b.부명, c.급품명, d.%1, d.%2 ").arg(dateColumn, textColumn)
      << QStringLiteral("FROM T_회원 a, T_부별코드 b, T_급품코드 c, %1 d "
                        "WHERE a.급품코드 = c.급품코드 AND a.부별코드 = b.부별코드 AND a.회원번호 = d.회원번호 ").arg(table);
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addStatus(q, in.status);
    addDates(q, in, QStringLiteral("d.") + dateColumn);
    q << order;
    return readJournal(q, dateColumn, textColumn, dateTitle, textTitle);
}

Listing boarding(const Input& in)
{
    // A stop may have several times: the member's own time is shown when he has one.
    db::Query q(QStringLiteral(
        "SELECT a.회원번호, a.회원명, a.부별코드, b.부명, c.급품명, a.학년, a.반, a.전화번호, a.입관일, a.휴관일, a.퇴관일, "
        "d.코스이름, a.시간 AS 회원시간, "
        "( SELECT e.장소 FROM  T_장소코드 e  WHERE  a.코스코드 =e.코스코드 AND  a.장소코드=e.장소코드  ) As 장소, "
        "( SELECT Min(f.시간) FROM  T_시간코드 f  WHERE  a.코스코드 =f.코스코드 AND  a.장소코드=f.장소코드  ) As 시간 "
        "FROM ((T_회원 a INNER JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
        "INNER JOIN T_급품코드 c ON a.급품코드 = c.급품코드) "
        "INNER JOIN T_코스코드 d ON a.코스코드 = d.코스코드 WHERE a.회원번호 Is Not Null "));
    addStatus(q, in.status);
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    if (!in.courseCode.trimmed().isEmpty()) {
        q << QStringLiteral(" AND a.코스코드 =:Course ");
        q.bind(QStringLiteral("Course"), in.courseCode.trimmed());
    }
    if (!in.time.trimmed().isEmpty()) {
        q << QStringLiteral(" AND a.시간 =:Time  ");
        q.bind(QStringLiteral("Time"), in.time.trimmed());
    }
    addOrder(q, Boarding, in);
    Listing l;
    l.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("급 품 명"), QStringLiteral("학 년"),
                            QStringLiteral("반"), QStringLiteral("코스이름"), QStringLiteral("장    소"), QStringLiteral("시 간"),
                            QStringLiteral("전화번호"), in.status == Status::Current ? QStringLiteral("휴관") : QStringLiteral("퇴관")};
    const QString place = in.place.trimmed();
    q.open();
    while (q.next()) {
        ++l.found;
        const QString stop = q.str(QStringLiteral("장소")).trimmed();
        if (!place.isEmpty() && stop != place)
            continue;
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        const QString own = q.str(QStringLiteral("회원시간")).trimmed();
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("급품명"))
                << q.str(QStringLiteral("학년")) << q.str(QStringLiteral("반")) << q.str(QStringLiteral("코스이름"))
                << q.str(QStringLiteral("장소")) << (own.isEmpty() ? q.str(QStringLiteral("시간")) : own)
                << q.str(QStringLiteral("전화번호")) << leaveMark(q);
        l.rows.append(r);
    }
    return l;
}

// --- page 12: concentration -----------------------------------------------------------------------

const char* const kConcentration[] = {"시각본인평균", "시각나이평균", "시각기간평균", "시각전체평균",
                                      "청각본인평균", "청각나이평균", "청각기간평균", "청각전체평균",
                                      "종합본인평균", "종합나이평균", "종합기간평균", "종합전체평균"};

Listing concentration(const Input& in)
{
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, e.부명, f.급품명, b.측정일자"));
    for (const char* c : kConcentration)
        q << QStringLiteral(", b.") + QString::fromUtf8(c);
    q << QStringLiteral(" FROM ((T_회원 a INNER JOIN T_집중도 b ON a.회원번호 = b.회원번호) "
                        "LEFT JOIN T_부별코드 e ON a.부별코드 = e.부별코드) "
                        "LEFT JOIN T_급품코드 f ON a.급품코드 = f.급품코드 ");
    q << QStringLiteral("WHERE %1 ").arg(MemberStatus::active(QStringLiteral("a")));
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("Name"), in.name, Contains);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addRank(q, in, QStringLiteral("f.급품코드"), QStringLiteral("f.급품명"));
    addDates(q, in, QStringLiteral("b.측정일자"));
    q << QStringLiteral(" ORDER BY   a.부별코드,a.급품코드, a.회원명, b.측정일자 ");
    Listing l;
    l.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("급 품 명"), QStringLiteral("측정일자"),
                            QStringLiteral("시각본인"), QStringLiteral("시각나이"), QStringLiteral("시각기간"), QStringLiteral("시각종합"),
                            QStringLiteral("청각본인"), QStringLiteral("청각나이"), QStringLiteral("청각기간"), QStringLiteral("청각종합"),
                            QStringLiteral("종합본인"), QStringLiteral("종합나이"), QStringLiteral("종합기간"), QStringLiteral("집중도")};
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("급품명"))
                << q.str(QStringLiteral("측정일자"));
        for (const char* c : kConcentration) {
            const QVariant v = q.value(QString::fromUtf8(c));
            r.cells << (v.isNull() ? QString() : QString::number(std::llround(v.toDouble())));
        }
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

// --- page 13: examination evaluations -------------------------------------------------------------

Listing examNotes(const Input& in)
{
    Listing l;
    l.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("학    년"), QStringLiteral("급 품 명"),
                            QStringLiteral("승급일자"), QStringLiteral("심사결과 평가내용")};
    db::Query q(QStringLiteral(
        "SELECT a.회원번호, a.회원명, b.부명, a.학년, c.급품명, s.승급일자, s.심사결과평가내용 "
        "FROM ((T_회원 a INNER JOIN T_심사 s ON a.회원번호 = s.회원번호) "
        "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드) "
        "LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "));
    q << QStringLiteral("WHERE %1 ").arg(MemberStatus::active(QStringLiteral("a")));
    addTyped(q, QStringLiteral("a.회원명"), QStringLiteral("name"), in.name, StartsWith);
    q << QStringLiteral("AND   s.심사구분='체육관' AND   s.심사결과평가내용 IS NOT NULL ");
    if (!in.examNo.trimmed().isEmpty()) {
        q << QStringLiteral("AND s.심사명 =:SimsaName ");
        q.bind(QStringLiteral("SimsaName"), in.examNo.trimmed().toLongLong());
    }
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("a.부별코드"));
    addRank(q, in, QStringLiteral("a.급품코드"), QStringLiteral("c.급품명"));
    addDates(q, in, QStringLiteral("s.승급일자"));
    q << QStringLiteral("Order By a.부별코드,a.급품코드,a.회원명");
    q.open();
    while (q.next()) {
        Row r;
        r.memberNo = q.str(QStringLiteral("회원번호"));
        r.cells << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("학년"))
                << q.str(QStringLiteral("급품명")) << shownDate(q.str(QStringLiteral("승급일자")))
                << q.str(QStringLiteral("심사결과평가내용"));
        l.rows.append(r);
    }
    l.found = int(l.rows.size());
    return l;
}

// --- sort choices ---------------------------------------------------------------------------------------

struct Sort {
    const char* label;
    const char* sql;
};

const QList<Sort>& sorts(int page)
{
    static const QList<Sort> none;
    static const QList<Sort> roster = {
        {"이름순", "ORDER BY a.회원명, a.입관일, b.부별코드, c.급품명 asc"},
        {"부별순", "ORDER BY b.부별코드, a.입관일, a.회원명, a.학교, a.학년 asc"},
        {"입관일순", "ORDER BY a.입관일 desc, b.부별코드 , a.회원명 , c.급품명 asc"},
    };
    static const QList<Sort> school = {
        {"학교순", "ORDER BY a.학교, a.학년, a.반"},
        {"성별순", "ORDER BY a.성별, a.학교, a.학년, a.반"},
        {"급별순", "ORDER BY c.급품코드, a.학교, a.학년, a.반"},
    };
    static const QList<Sort> rank = {
        {"급별순", "ORDER BY c.급품코드, b.부별코드, a.학년, a.회원명 asc"},
        {"이름순", "ORDER BY a.회원명, c.급품코드, b.부별코드 asc"},
        {"부별순", "ORDER BY b.부별코드, a.학년, a.회원명 , c.급품코드 asc"},
    };
    static const QList<Sort> address = {
        {"지역순", "ORDER BY d.지역명, a.주소, b.부별코드, a.입관일, a.회원명 asc"},
        {"주소순", "ORDER BY a.주소, b.부별코드, a.입관일, a.회원명, d.지역명 asc"},
        {"부별순", "ORDER BY b.부별코드,d.지역명,a.회원명 asc"},
    };
    static const QList<Sort> birthday = {
        {"이름순", "ORDER BY a.회원명, a.입관일, b.부별코드, c.급품명 asc"},
        {"부별순", "ORDER BY b.부별코드, a.학교, a.회원명, a.학년 asc"},
        {"생년월일", "ORDER BY a.생년월일, b.부별코드, a.회원명 asc"},
        {"남/여", "ORDER BY  a.성별, a.생년월일, b.부별코드, a.회원명  asc"},
    };
    static const QList<Sort> boarding = {
        {"코스순", "ORDER BY a.코스코드, a.시간, a.장소코드,a.부별코드, a.회원명 asc"},
        {"부별순", "ORDER BY a.부별코드, a.코스코드, a.시간, a.장소코드, a.회원명 asc"},
        {"탑승시간", "ORDER BY  a.시간,a.코스코드, a.장소코드,a.부별코드, a.회원명 asc"},
        {"탑승장소", "ORDER BY a.장소코드, a.코스코드, a.시간, a.부별코드, a.회원명 asc"},
    };
    switch (page) {
    case Roster: return roster;
    case School: return school;
    case Rank: return rank;
    case Address: return address;
    case Birthday: return birthday;
    case Boarding: return boarding;
    default: return none;
    }
}

} // namespace

void parts::addOrder(db::Query& q, int page, const Input& in)
{
    if (page == Birthday && in.birthMode != Input::Trainee) {
        // Family and wedding lists: by their own date; "남/여" leaves them unsorted.
        const QString d = in.birthMode == Input::Wedding ? QStringLiteral("c.결혼기념일") : QStringLiteral("c.생일");
        switch (in.sort) {
        case 0: q << QStringLiteral(" ORDER BY a.회원명,b.부별코드,%1 ").arg(d); break;
        case 1: q << QStringLiteral(" ORDER BY b.부별코드,%1,a.회원명 ").arg(d); break;
        case 2: q << QStringLiteral(" ORDER BY %1,b.부별코드,a.회원명 ").arg(d); break;
        default: break;
        }
        return;
    }
    if (page == Roster && in.sort == 2 && in.status == Status::Withdrawn) {
        q << QStringLiteral("ORDER BY a.퇴관일, b.부별코드, a.회원명, c.급품명 asc");
        return;
    }
    const QList<Sort>& s = sorts(page);
    if (s.isEmpty())
        return;
    const int i = in.sort >= 0 && in.sort < s.size() ? in.sort : defaultSort(page);
    q << u' ' + QString::fromUtf8(s[i].sql);
}

namespace {

// --- printing ---------------------------------------------------------------------------------------------

struct PrintMap {
    const char* layout;
    const char* title;
    QList<int> cells; // f01, f02 ... from these cells of a row
};

PrintMap printMap(int page, const Input& in)
{
    switch (page) {
    case Roster: return {"tot00.rpt", "명단/부별/입관일", {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}};
    case School: return {"tot01.rpt", "학교/학년/성별", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    case Rank:
        if (in.danMode)
            return {"tot02_2.rpt", "단 현황", {0, 1, 2, 3, 4, 5, 6, 7, 8}};
        return {"tot02_1.rpt", "급품 현황", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    case Address: return {"tot03.rpt", "주소(지역명)", {0, 1, 2, 3, 4, 5, 6, 7}};
    case Birthday:
        if (in.birthMode == Input::Trainee)
            return {"tot41.rpt", "생일(수련생)", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
        return {"tot42.rpt", in.birthMode == Input::Wedding ? "결혼기념일" : "생일(가족)", {0, 1, 2, 3, 4, 5, 6}};
    case Awards: return {"tot05.rpt", "시상내역", {0, 1, 2, 4, 5, 6, 7, 8, 9}};
    case Points: return {"tot06.rpt", "상벌점 내역", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    case Suggestions: return {"tot07.rpt", "건의내역", {0, 1, 2, 3, 4}};
    case Overall: {
        const char* title = in.section == Input::Life ? "종합시상내역(생활부문)"
                            : in.section == Input::Fitness ? "종합시상내역(체력부문)"
                                                            : "종합시상내역(심사부문)";
        return {"tot08.rpt", title, {0, 1, 2, 3, 4, 5, 6, 7}};
    }
    case Conduct: return {"tot10.rpt", "생활기록", {0, 1, 2, 3, 4}};
    case Boarding: return {"탑승현황.rpt", "탑승현황", {5, 6, 7, 1, 0, 3, 2, 8}};
    case Concentration: return {"집중도.rpt", "집중도", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
    case ExamNotes: return {"심사평가.rpt", "심사평가", {0, 1, 2, 3, 4, 5}};
    case Notices: return {"tot15.rpt", "개인공지사항", {0, 1, 2, 3, 4}};
    default: return {"", "", {}};
    }
}

QString fieldName(int k) { return QStringLiteral("f%1").arg(k, 2, 10, QChar(u'0')); }

} // namespace

// --- public -------------------------------------------------------------------------------------------

QStringList pageCaptions()
{
    return {QStringLiteral("명단/부별/입관일"), QStringLiteral("학교/학년/성별"), QStringLiteral("급품/단증번호"),
            QStringLiteral("주소/지역"), QStringLiteral("생일/결혼기념일"), QStringLiteral("시상내역"),
            QStringLiteral("상벌점내역"), QStringLiteral("건의사항"), QStringLiteral("종합시상"),
            QStringLiteral("국기원/심사신청서/접수증"), QStringLiteral("생활기록"), QStringLiteral("탑승현황"),
            QStringLiteral("집중도"), QStringLiteral("심사평가"), QStringLiteral("개인공지사항")};
}

QStringList sortChoices(int page, Input::BirthMode mode)
{
    QStringList out;
    for (const Sort& s : sorts(page))
        out << QString::fromUtf8(s.label);
    if (page == Birthday && mode == Input::Wedding)
        out[2] = QStringLiteral("결혼기념");
    return out;
}

int defaultSort(int page) { return page == Address ? 2 : page == Birthday ? 3 : 0; }

QStringList rankEntries()
{
    QStringList out{QString(), QStringLiteral("전체"), QStringLiteral("1품"), QStringLiteral("2품"), QStringLiteral("3품")};
    db::Query q(QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드 asc"));
    q.open();
    while (q.next())
        out << codes::itemText(q.str(QStringLiteral("급품코드")), q.str(QStringLiteral("급품명")));
    return out;
}

QStringList poomDanRanks()
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 "
                               "WHERE Right(Trim(급품명),2) = '단보' "
                               "Or Right(Trim(급품명),1) = '단' "
                               "ORDER BY 급품코드 asc"));
    q.open();
    while (q.next())
        out << codes::itemText(q.str(QStringLiteral("급품코드")), q.str(QStringLiteral("급품명")));
    return out;
}

void addRankCondition(db::Query& q, int rankIndex, const QString& rankText, const QString& rankToText,
                      const QString& codeColumn, const QString& nameColumn, bool exact)
{
    Input in;
    in.rankIndex = rankIndex;
    in.rankText = rankText;
    in.rankToText = rankToText;
    addRank(q, in, codeColumn, nameColumn, exact);
}

QString examNumberMessage() { return QStringLiteral("심사명은 숫자로 입력하세요."); }

bool run(int page, const Input& in, Listing* out, Problem* problem)
{
    Problem scratch;
    Problem* p = problem ? problem : &scratch;
    *p = Problem();
    *out = Listing();
    switch (page) {
    case Roster: *out = roster(in); return true;
    case School: *out = school(in); return true;
    case Rank:
        if (in.danMode && !in.examNo.trimmed().isEmpty() && ExamNumber::parse(in.examNo) == 0) {
            *p = {examNumberMessage(), QStringLiteral("edt_SisaName")};
            return false;
        }
        *out = in.danMode ? danNumbers(in) : rankPage(in);
        return true;
    case Address: *out = address(in); return true;
    case Birthday: *out = in.birthMode == Input::Trainee ? birthdays(in) : family(in); return true;
    case Awards: *out = awards(in); return true;
    case Points: {
        bool ok = false;
        const int y = in.yearText.trimmed().toInt(&ok);
        if (!ok || y < 1900 || y > 9999) {
            *p = {QStringLiteral("년도를 선택하세요."), QStringLiteral("Com_year")};
            return false;
        }
        *out = points(in);
        return true;
    }
    case Suggestions:
        *out = journal(in, QStringLiteral("T_건의사항"), QStringLiteral("건의일자"), QStringLiteral("건의사항"),
                       QStringLiteral("ORDER BY b.부별코드, d.건의일자,a.회원명"), QStringLiteral("건의일자"), QStringLiteral("건 의 사 항"));
        return true;
    case Overall: return overall(in, out, p);
    case Conduct:
        *out = journal(in, QStringLiteral("T_생활기록"), QStringLiteral("기록일자"), QStringLiteral("생활기록"),
                       QStringLiteral("ORDER BY b.부별코드,d.기록일자, 회원명 asc"), QStringLiteral("기록일자"), QStringLiteral("생 활 기 록"));
        return true;
    case Boarding: *out = boarding(in); return true;
    case Concentration: *out = concentration(in); return true;
    case ExamNotes:
        if (!in.examNo.trimmed().isEmpty() && ExamNumber::parse(in.examNo) == 0) {
            *p = {examNumberMessage(), QStringLiteral("edt_SimsaName")};
            return false;
        }
        *out = examNotes(in);
        return true;
    case Notices:
        *out = journal(in, QStringLiteral("T_심사평가공지사항"), QStringLiteral("공지일자"), QStringLiteral("공지사항"),
                       QStringLiteral("ORDER BY b.부별코드,d.공지일자, 회원명 asc"), QStringLiteral("공지일자"), QStringLiteral("공 지 사 항"));
        return true;
    default: return true;
    }
}

PrintPlan printPlan(int page, const Input& in)
{
    const PrintMap m = printMap(page, in);
    return {QString::fromUtf8(m.layout), QString::fromUtf8(m.title)};
}

void fillPrint(int page, const Input& in, const Listing& l, report::PrintJob& job)
{
    const PrintMap m = printMap(page, in);
    const QString school = HeadcountFigures::schoolName();
    QList<std::pair<QString, QVariant>> extra;
    if (page == Birthday && in.birthMode != Input::Trainee) {
        const bool wedding = in.birthMode == Input::Wedding;
        extra = {{QStringLiteral("f08"), wedding ? QStringLiteral("결혼기념일") : QStringLiteral("생일(가족)")},
                 {QStringLiteral("f09"), wedding ? QStringLiteral("결혼기념일") : QStringLiteral("생년월일")}};
    } else if (page == Overall) {
        static const char* const captions[3][4] = {{"상벌점", "결석일", "총점", " (생활부문)"},
                                                   {"최초값", "최종값", "증감", " (체력부문)"},
                                                   {"", "총점", "평균", " (심사부문)"}};
        for (int k = 0; k < 4; ++k)
            extra.append({fieldName(9 + k), QString::fromUtf8(captions[in.section][k])});
        const QString item = in.section == Input::Life ? QString()
                             : in.itemCode.trimmed() == QStringLiteral("E0") ? QStringLiteral("최우수")
                                                                              : in.itemName.trimmed();
        extra.append({QStringLiteral("f13"), item});
    }
    int seq = 0;
    for (const Row& r : l.rows) {
        QList<std::pair<QString, QVariant>> line{{QStringLiteral("seqno"), ++seq}, {QStringLiteral("association"), school}};
        for (int k = 0; k < m.cells.size(); ++k)
            line.append({fieldName(k + 1), r.cells.value(m.cells[k]).trimmed()});
        line.append(extra);
        job.add(line);
    }
}

bool print(int page, const Input& in, const Listing& l, int destination, QWidget* parent)
{
    report::PrintJob job;
    fillPrint(page, in, l, job);
    const PrintPlan s = printPlan(page, in);
    return job.run(s.layout, s.title, destination, parent);
}

int fillCourseRoster(const QString& courseCode, report::PrintJob& job)
{
    // The boarders of every course and stop, read once.
    QHash<QString, QStringList> boarders; // "course|stop" -> names
    {
        db::Query m(QStringLiteral("SELECT m.코스코드, m.장소코드, m.회원명 FROM T_회원 m WHERE %1 "
                                   "AND m.코스코드 Is Not Null ORDER BY m.회원명").arg(MemberStatus::active(QStringLiteral("m"))));
        m.open();
        while (m.next())
            boarders[m.str(QStringLiteral("코스코드")) + u'|' + m.str(QStringLiteral("장소코드"))] << m.str(QStringLiteral("회원명")).trimmed();
    }
    db::Query q(QStringLiteral(" SELECT c.코스코드,c.코스이름,j.장소코드,j.장소,t.시간 "
                               "FROM (T_코스코드 c LEFT JOIN T_장소코드 j ON c.코스코드 = j.코스코드) "
                               "LEFT JOIN T_시간코드 t ON j.코스코드 = t.코스코드 AND j.장소코드 = t.장소코드 "));
    if (!courseCode.trimmed().isEmpty()) {
        q << QStringLiteral("WHERE c.코스코드 = :Course ");
        q.bind(QStringLiteral("Course"), courseCode.trimmed());
    }
    q << QStringLiteral("  ORDER BY   c.코스코드,t.시간 ");
    const QString school = HeadcountFigures::schoolName();
    int lines = 0;
    q.open();
    while (q.next()) {
        const QStringList names = boarders.value(q.str(QStringLiteral("코스코드")) + u'|' + q.str(QStringLiteral("장소코드")));
        if (names.isEmpty())
            continue;
        job.add({{QStringLiteral("seqno"), ++lines},
                 {QStringLiteral("f01"), q.str(QStringLiteral("코스이름"))},
                 {QStringLiteral("f02"), q.str(QStringLiteral("장소"))},
                 {QStringLiteral("f03"), q.str(QStringLiteral("시간"))},
                 {QStringLiteral("f04"), q.str(QStringLiteral("코스코드"))},
                 {QStringLiteral("f05"), names.join(u',')},
                 {QStringLiteral("association"), school}});
    }
    return lines;
}

bool printCourseRoster(const QString& courseCode, int destination, QWidget* parent)
{
    report::PrintJob job;
    fillCourseRoster(courseCode, job);
    return job.run(QStringLiteral("차량코스.rpt"), QStringLiteral("운행코스별 탑승자 명단"), destination, parent);
}

} // namespace tot
