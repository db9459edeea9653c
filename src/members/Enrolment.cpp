#include "members/Enrolment.h"

#include "db/MonthKey.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "db/ClosedMonth.h"
#include "fees/FeePayments.h"
#include "db/MemberNumber.h"
#include "stats/MovementCounter.h"
#include "db/SchoolInfo.h"
#include "text/ResidentNo.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QVariant>

namespace {

// A masked date field left empty still holds its separators.
bool blankDate(const QString& text) { return QString(text).remove(u'-').trimmed().isEmpty(); }
bool blankText(const QString& text) { return text.trimmed().isEmpty(); }

QDate dateOf(const QString& text) { return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd")); }

// Optional texts: blank is stored as null, like a field nobody touched.
QVariant textOrNull(const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() ? QVariant() : QVariant(t);
}

QVariant maskedOrNull(const QString& text)
{
    return QString(text).remove(u'-').trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed());
}

QVariant dateOrNull(const QString& text) { return blankDate(text) ? QVariant() : QVariant(dateOf(text)); }

QVariant numberOrNull(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? QVariant(n) : QVariant();
}

const QDate kFirstDay(1900, 1, 1);

} // namespace

bool EnrolmentFamily::isBlank() const
{
    return blankText(relation) && blankText(name) && blankDate(birthday) && blankText(job) && blankText(note)
        && blankDate(wedding);
}

bool EnrolmentSuggestion::isBlank() const { return blankText(text); }

QString Enrolment::findNo(QString* error) { return MemberNumber::next(error); }

QString Enrolment::closedMonthMessage(const QString& enrolDate)
{
    return QStringLiteral("입관월 ") + enrolDate.mid(0, 7) + QStringLiteral("은 이미 마감처리된 월입니다.") + QStringLiteral("\n\n")
        + QStringLiteral("마감취소후 입관원서등록을 하세요.");
}

namespace {

// The first typed text longer than its column.
Enrolment::Problem widthProblem(const EnrolmentForm& f)
{
    using F = Enrolment::Field;
    const struct {
        const char16_t* column;
        const QString& text;
        F field;
    } member[] = {
        {u"회원명", f.name, F::Name},          {u"회원명영", f.nameEnglish, F::None}, {u"회원명한문", f.nameHanja, F::None},
        {u"학교", f.school, F::None},          {u"학년", f.grade, F::None},           {u"반", f.classNo, F::None},
        {u"핸드폰번호", f.mobile, F::None},    {u"이메일", f.email, F::None},         {u"주소", f.address, F::None},
        {u"타학원수강", f.otherAcademy, F::None}, {u"기타사항", f.remarks, F::None},  {u"납부은행", f.bank, F::None},
    };
    for (const auto& m : member)
        if (QString p = db::widthProblem(QStringLiteral("T_회원"), QString::fromUtf16(m.column), m.text.trimmed()); !p.isEmpty())
            return {m.field, p};
    for (int i = 0; i < f.family.size(); ++i) {
        const EnrolmentFamily& m = f.family[i];
        for (const auto& [column, text] : {std::pair{QStringLiteral("관계"), m.relation}, std::pair{QStringLiteral("성명"), m.name},
                                           std::pair{QStringLiteral("직업"), m.job}, std::pair{QStringLiteral("비고"), m.note}})
            if (QString p = db::widthProblem(QStringLiteral("T_가족사항"), column, text.trimmed()); !p.isEmpty())
                return {F::Family, QStringLiteral("가족사항 %1번째 줄: %2").arg(i + 1).arg(p)};
    }
    for (int i = 0; i < f.suggestions.size(); ++i)
        if (QString p = db::widthProblem(QStringLiteral("T_건의사항"), QStringLiteral("건의사항"), f.suggestions[i].text.trimmed());
            !p.isEmpty())
            return {F::Suggestion, QStringLiteral("건의사항 %1번째 줄: %2").arg(i + 1).arg(p)};
    return {};
}

} // namespace

Enrolment::Problem Enrolment::validate(const EnrolmentForm& f)
{
    // Required fields, checked in this order; the last one missing is reported, so the name comes first.
    const struct {
        bool missing;
        const char16_t* label;
        Field field;
    } required[] = {
        {blankText(f.motiveCode), u"입관동기", Field::Motive},
        {blankText(f.payDay), u"납부일자", Field::PayDay},
        {blankText(f.fee), u"수련비", Field::Fee},
        {blankText(f.regionCode), u"지역", Field::Region},
        {blankText(f.rankCode), u"현급", Field::Rank},
        {blankDate(f.enrolDate), u"입관일", Field::EnrolDate},
        {blankText(f.divisionCode), u"부별", Field::Division},
        {blankText(f.sex), u"성별", Field::Sex},
        {blankText(f.calendar), u"양/음", Field::Calendar},
        {blankDate(f.birthDate), u"생년월일", Field::BirthDate},
        {blankText(f.name), u"이름", Field::Name},
    };
    Problem p;
    for (const auto& r : required) {
        if (r.missing) {
            p.field = r.field;
            p.message = QString::fromUtf16(r.label) + requiredSuffix();
        }
    }
    if (!p.ok())
        return p;

    static const QRegularExpression resident(QStringLiteral("^\\d{6}-\\d{7}$"));
    if (!resident.match(ResidentNo::normalized(f.residentNo)).hasMatch())
        return {Field::ResidentNo, QStringLiteral("주민등록번호를 13자리로 입력하세요.")};

    const QDate birth = dateOf(f.birthDate);
    if (!birth.isValid())
        return {Field::BirthDate, QStringLiteral("생년월일을 바른 날짜로 입력하세요. (예: 2015-03-02)")};
    if (birth < kFirstDay)
        return {Field::BirthDate, QStringLiteral("생년월일은 1900년 이후로 입력하세요.")};
    const QDate enrol = dateOf(f.enrolDate);
    if (!enrol.isValid())
        return {Field::EnrolDate, QStringLiteral("입관일을 바른 날짜로 입력하세요. (예: 2024-05-02)")};
    if (enrol < kFirstDay)
        return {Field::EnrolDate, QStringLiteral("입관일은 1900년 이후로 입력하세요.")};

    bool ok = false;
    const int day = f.payDay.trimmed().toInt(&ok);
    if (!ok || day < 1 || day > 31)
        return {Field::PayDay, QStringLiteral("납부일자는 1에서 31 사이의 날짜로 입력하세요.")};
    const qint64 fee = f.fee.trimmed().toLongLong(&ok);
    if (!ok || fee < 0)
        return {Field::Fee, QStringLiteral("수련비는 0 이상의 금액으로 입력하세요.")};

    for (int i = 0; i < f.family.size(); ++i) {
        const EnrolmentFamily& m = f.family[i];
        if (m.isBlank())
            continue;
        if ((!blankDate(m.birthday) && !dateOf(m.birthday).isValid())
            || (!blankDate(m.wedding) && !dateOf(m.wedding).isValid()))
            return {Field::Family,
                    QStringLiteral("가족사항 %1번째 줄의 날짜를 YYYY-MM-DD 형식의 바른 날짜로 입력하세요.").arg(i + 1)};
    }
    for (int i = 0; i < f.suggestions.size(); ++i) {
        const EnrolmentSuggestion& s = f.suggestions[i];
        if (s.isBlank())
            continue;
        if (!dateOf(s.date).isValid())
            return {Field::Suggestion,
                    QStringLiteral("건의사항 %1번째 줄의 건의날짜를 YYYY-MM-DD 형식의 바른 날짜로 입력하세요.").arg(i + 1)};
    }

    if (Problem p = widthProblem(f); !p.ok())
        return p;

    if (db::isClosedMonth(monthkey::monthKey(enrol))) {
        Problem closed{Field::EnrolDate, closedMonthMessage(db::dateText(enrol))};
        closed.closedMonth = true;
        return closed;
    }
    return {};
}

QString Enrolment::save(const EnrolmentForm& f, bool* photoSaved)
{
    if (photoSaved)
        *photoSaved = false;
    const QDate enrol = dateOf(f.enrolDate);
    // The form was checked when typed; the month may have been closed since.
    if (!enrol.isValid())
        throw db::Error(QStringLiteral("입관일을 YYYY-MM-DD 형식의 바른 날짜로 입력하세요."), QString());
    if (const Problem p = widthProblem(f); !p.ok())
        throw db::Error(p.message, QString());
    db::Transaction tx;
    if (db::isClosedMonth(monthkey::monthKey(enrol)))
        throw db::Error(closedMonthMessage(db::dateText(enrol)), QString());
    QString why;
    const QString no = findNo(&why);
    if (no.isEmpty())
        throw db::Error(why, QString());

    db::Query member;
    member << "insert into T_회원 "
           << "(회원번호, 회원명, 회원명영, 회원명한문, 성별, 부별코드, 급품코드, 주민등록번호, 양력음력, 생년월일, "
           << "지역코드, 입관일, 전화번호, 우편번호, 주소, 학교, 학년, 반, 타학원수강, 기타사항, 납부일자, "
           << "입관동기코드, 최초입관일, 수련비, 납부은행, 코스코드, 장소코드, 시간, 핸드폰번호, 이메일) "
           << "values (:회원번호, :회원명, :회원명영, :회원명한문, :성별, :부별코드, :급품코드, :주민등록번호, :양력음력, :생년월일, "
           << ":지역코드, :입관일, :전화번호, :우편번호, :주소, :학교, :학년, :반, :타학원수강, :기타사항, :납부일자, "
           << ":입관동기코드, :입관일, :수련비, :납부은행, :코스코드, :장소코드, :시간, :핸드폰번호, :이메일)";
    member.bind({{"회원번호", no},
                 {"회원명", f.name.trimmed()},
                 {"회원명영", textOrNull(f.nameEnglish)},
                 {"회원명한문", textOrNull(f.nameHanja)},
                 {"성별", f.sex.trimmed()},
                 {"부별코드", f.divisionCode.trimmed()},
                 {"급품코드", f.rankCode.trimmed()},
                 {"주민등록번호", ResidentNo::normalized(f.residentNo)},
                 {"양력음력", f.calendar.trimmed()},
                 {"생년월일", dateOf(f.birthDate)},
                 {"지역코드", numberOrNull(f.regionCode)},
                 {"입관일", enrol},
                 {"전화번호", maskedOrNull(f.phone)},
                 {"우편번호", textOrNull(postalCodeOf(f.postalItem))},
                 {"주소", textOrNull(f.address)},
                 {"학교", textOrNull(f.school)},
                 {"학년", textOrNull(f.grade)},
                 {"반", textOrNull(f.classNo)},
                 {"타학원수강", textOrNull(f.otherAcademy)},
                 {"기타사항", textOrNull(f.remarks)},
                 {"납부일자", numberOrNull(f.payDay)},
                 {"입관동기코드", f.motiveCode.trimmed()},
                 {"수련비", numberOrNull(f.fee)},
                 {"납부은행", textOrNull(f.bank)},
                 {"코스코드", textOrNull(f.courseCode)},
                 {"장소코드", textOrNull(f.stopCode)},
                 {"시간", textOrNull(f.time)},
                 {"핸드폰번호", textOrNull(f.mobile)},
                 {"이메일", textOrNull(f.email)}});
    member.exec();

    // Rows left blank in the grids are not written; the others are numbered 1, 2, 3 in their order.
    int seq = 0;
    for (const EnrolmentFamily& m : f.family) {
        if (m.isBlank())
            continue;
        db::run("insert into T_가족사항 (회원번호, 순번, 관계, 성명, 생일, 양력음력, 직업, 비고, 결혼기념일) "
                "values (:회원번호, :순번, :관계, :성명, :생일, :양력음력, :직업, :비고, :결혼기념일)",
                {{"회원번호", no},
                 {"순번", ++seq},
                 {"관계", textOrNull(m.relation)},
                 {"성명", textOrNull(m.name)},
                 {"생일", dateOrNull(m.birthday)},
                 {"양력음력", textOrNull(m.calendar)},
                 {"직업", textOrNull(m.job)},
                 {"비고", textOrNull(m.note)},
                 {"결혼기념일", dateOrNull(m.wedding)}});
    }
    seq = 0;
    for (const EnrolmentSuggestion& s : f.suggestions) {
        if (s.isBlank())
            continue;
        db::run("insert into T_건의사항 (회원번호, 순번, 건의일자, 건의사항) values (:회원번호, :순번, :건의일자, :건의사항)",
                {{"회원번호", no}, {"순번", ++seq}, {"건의일자", dateOf(s.date)}, {"건의사항", s.text.trimmed()}});
    }

    if (f.paidNow && !blankText(f.fee))
        FeePayments::add(no, monthkey::monthKey(enrol), enrol, f.fee.trimmed().toLongLong(), QStringLiteral("신규입관"));

    MovementCounter::countEnrolment(no, enrol, f.motiveCode);
    tx.commit();

    // The picture goes beside the program only once the member exists.
    if (!f.photoFile.isEmpty()) {
        const QImage picture(f.photoFile);
        const QString target = MemberNumber::photoPath(no);
        const bool ok = !picture.isNull() && QDir().mkpath(QFileInfo(target).absolutePath())
            && picture.save(target, "BMP");
        if (photoSaved)
            *photoSaved = ok;
    }
    return no;
}

QStringList Enrolment::grades()
{
    // The names of T_학년코드, so a member's grade always matches its code table.
    return {QStringLiteral("유치 4"), QStringLiteral("유치 5"), QStringLiteral("유치 6"), QStringLiteral("유치 7"),
            QStringLiteral("초등 1"), QStringLiteral("초등 2"), QStringLiteral("초등 3"), QStringLiteral("초등 4"),
            QStringLiteral("초등 5"), QStringLiteral("초등 6"), QStringLiteral("중등 1"), QStringLiteral("중등 2"),
            QStringLiteral("중등 3"), QStringLiteral("고등 1"), QStringLiteral("고등 2"), QStringLiteral("고등 3"),
            QStringLiteral("대학교"), QStringLiteral("일반")};
}

QStringList Enrolment::relations()
{
    return {QStringLiteral("조부"), QStringLiteral("조모"), QStringLiteral("부"), QStringLiteral("모"), QStringLiteral("형제")};
}

QStringList Enrolment::classes()
{
    QStringList out;
    for (int i = 1; i <= 12; ++i)
        out.append(QString::number(i));
    return out;
}

qint64 Enrolment::divisionFee(const QString& divisionCode)
{
    return db::scalar("SELECT 수련비 From T_부별코드 WHERE 부별코드 = :부별코드", {{"부별코드", divisionCode}}).toLongLong();
}

QList<QPair<QString, QString>> Enrolment::stopsOf(const QString& courseCode)
{
    QList<QPair<QString, QString>> out;
    db::Query q;
    q << " SELECT * FROM  T_장소코드 " << " WHERE    코스코드 =:코스코드  " << " ORDER BY 장소코드 ";
    q.bind("코스코드", courseCode).open();
    while (q.next())
        out.append({q.str("장소코드"), q.str("장소")});
    return out;
}

QString Enrolment::timeOf(const QString& courseCode, const QString& stopCode)
{
    db::Query q;
    q << " SELECT * FROM  T_시간코드 " << " WHERE    코스코드 =:코스코드  " << " AND      장소코드 =:장소코드  "
      << " ORDER BY 시간 ";
    q.bind({{"코스코드", courseCode}, {"장소코드", stopCode}}).open();
    return q.next() ? q.str("시간") : QString();
}

int Enrolment::enrolledCount() { return db::scalar("select Count(회원번호) from T_입관동기별현황").toInt(); }

QString Enrolment::schoolName() { return SchoolInfo::name(); }

QString Enrolment::postalCodeOf(const QString& postalItem)
{
    const int cut = postalItem.indexOf(u')');
    return (cut < 0 ? postalItem : postalItem.left(cut)).trimmed();
}
