#include "exams/ExamPaperwork.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "report/Report.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

#include <QLocale>
#include <QRegularExpression>

namespace ExamPaperwork {

namespace {

QString schoolName() { return SchoolInfo::name(); }

QString dateText(const QDate& d) { return QStringLiteral("%1년 %2월 %3일 ").arg(d.year()).arg(d.month()).arg(d.day()); }
QString clockText(const QTime& t) { return QStringLiteral("%1시 %2분").arg(t.hour()).arg(t.minute()); }

QStringList contentLines(const QString& content, int n)
{
    QStringList lines = content.split(u'\n');
    for (QString& l : lines)
        l.remove(u'\r');
    while (lines.size() < n)
        lines << QString();
    return lines.mid(0, n);
}

// A count or sum of the month shown only when it is not zero.
QVariant unlessZero(const QString& v) { return v.isEmpty() || v == QStringLiteral("0") ? QVariant() : QVariant(v); }

void storeText(const QString& column, const QString& content)
{
    SchoolInfo::ensureLetterRow();
    db::run(QStringLiteral("Update T_가정통신문 Set %1 = :sim").arg(column),
            {{QStringLiteral("sim"), content.isEmpty() ? QStringLiteral(" ") : content}});
}

} // namespace

QString previousMonth(const QDate& d) { return d.addMonths(-1).toString(QStringLiteral("yyyy-MM")); }

QStringList itemNames()
{
    QStringList names;
    db::Query q(QStringLiteral("select 심사항목명 from T_심사항목 ORDER BY 심사항목코드"));
    q.open();
    while (q.next() && names.size() < 6)
        names << q.str(QStringLiteral("심사항목명"));
    while (names.size() < 6)
        names << QString();
    return names;
}

QString spacedSchoolName(const QString& name)
{
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    const QString compact = QString(name).remove(blanks);
    QString out;
    for (int i = 0; i < compact.size(); ++i) {
        out += compact[i];
        if (compact[i].isHighSurrogate() && i + 1 < compact.size())
            out += compact[++i];
        out += QStringLiteral("     ");
    }
    return out;
}

QString momentText(const QDate& d, const QTime& t) { return dateText(d) + clockText(t); }

QString weekdayName(const QDate& d)
{
    static const char* const names[] = {"월요일", "화요일", "수요일", "목요일", "금요일", "토요일", "일요일"};
    return d.isValid() ? QString::fromUtf8(names[d.dayOfWeek() - 1]) : QString();
}

int fillScoringSheet(const SheetOptions& o, report::PrintJob& job)
{
    const QString school = schoolName();
    const QStringList items = itemNames();
    const QDate today = Clock::today();
    db::Query q(QStringLiteral(" select a.회원명, a.전화번호, a.입관일, b.급품명 ,a.휴관일,a.생년월일,"
                               " (Select count(결석일자) * (-1) from T_결석 c where c.회원번호 = a.회원번호 "
                               " AND    trim(left(c.결석일자, 7)) =:BeforeMonthly)  As 출석률, "
                               " (select sum(벌점수) from T_벌점항목 Right Join T_벌점 ON T_벌점항목.벌점코드 = T_벌점.벌점코드 "
                               "where T_벌점.회원번호 = a.회원번호 AND    trim(left(T_벌점.벌점일자, 7)) =:BeforeMonthly ) As 승벌점 "
                               " from T_회원 a INNER JOIN  T_급품코드 b ON  a.급품코드 = b.급품코드 "
                               " where a.퇴관일 IS NULL      "));
    q.bind(QStringLiteral("BeforeMonthly"), previousMonth(o.examDate));
    DivisionFilter::addConditionFor(q, o.divisionIndex, o.divisionText, QStringLiteral("a.부별코드"));
    const SchoolYearFilter::Condition year = SchoolYearFilter::conditionFor(o.yearIndex, o.yearText, QStringLiteral("a.학년"));
    q << year.sql;
    if (!year.year.isEmpty())
        q.bind(QStringLiteral("Year"), year.year);
    q << (o.highestFirst ? QStringLiteral(" ORDER BY a.급품코드 desc, a.부별코드,  a.회원명")
                         : QStringLiteral(" ORDER BY a.급품코드, a.부별코드,  a.회원명"));
    q.open();
    auto common = [&](QList<std::pair<QString, QVariant>>& v) {
        for (int k = 0; k < 6; ++k)
            v.append({QStringLiteral("A0%1").arg(k + 1), items[k]});
        v.append({QStringLiteral("발부일자"), db::dateText(today)});
        v.append({QStringLiteral("association"), school});
    };
    int n = 0;
    while (q.next()) {
        const QDate born = db::parseDate(q.str(QStringLiteral("생년월일")));
        QString age;
        if (!q.str(QStringLiteral("휴관일")).trimmed().isEmpty())
            age = QStringLiteral("휴관");
        else if (born.isValid())
            age = QString::number(today.year() - born.year() + 1);
        QList<std::pair<QString, QVariant>> v{{QStringLiteral("seqno"), ++n},
                                              {QStringLiteral("회원명"), q.str(QStringLiteral("회원명"))},
                                              {QStringLiteral("f01"), q.str(QStringLiteral("입관일"))},
                                              {QStringLiteral("f02"), q.str(QStringLiteral("급품명"))},
                                              {QStringLiteral("f03"), unlessZero(q.str(QStringLiteral("출석률")))},
                                              {QStringLiteral("f04"), unlessZero(q.str(QStringLiteral("승벌점")))},
                                              {QStringLiteral("f05"), age}};
        common(v);
        job.add(v);
    }
    // Blank lines to one short of a full page, as the sheet has always been printed.
    const int filler = n % kSheetLines == 0 ? 0 : kSheetLines - 1 - n % kSheetLines;
    for (int k = 1; k <= filler; ++k) {
        QList<std::pair<QString, QVariant>> v{{QStringLiteral("seqno"), n + k}};
        common(v);
        job.add(v);
    }
    return n;
}

namespace {

Trainee readTrainee(const db::Query& q)
{
    Trainee t;
    t.memberNo = q.str(QStringLiteral("회원번호"));
    t.name = q.str(QStringLiteral("회원명"));
    t.rankCode = q.str(QStringLiteral("급품코드"));
    t.rankName = q.str(QStringLiteral("급품명"));
    t.division = q.str(QStringLiteral("부명"));
    t.schoolYear = q.str(QStringLiteral("학년"));
    t.classGroup = q.str(QStringLiteral("반"));
    return t;
}

QString nextRankName(const QString& code)
{
    if (code.trimmed().isEmpty())
        return QString();
    const QString next = QStringLiteral("%1").arg(code.trimmed().toInt() + 1, 2, 10, QChar(u'0'));
    return db::scalar(QStringLiteral("SELECT 급품명 FROM T_급품코드 WHERE 급품코드 = :c"), {{QStringLiteral("c"), next}}).toString();
}

} // namespace

QList<Trainee> invitationList(int divisionIndex, const QString& divisionText)
{
    db::Query q(QStringLiteral(" SELECT a.회원번호, a.회원명, a.급품코드, b.급품명,c.부명,a.학년, a.반 ,a.이메일, a.핸드폰번호"
                               " FROM ((T_회원 a LEFT JOIN T_급품코드 b ON a.급품코드 = b.급품코드) "
                               " LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드) "
                               " WHERE a.퇴관일 IS NULL "));
    DivisionFilter::addConditionFor(q, divisionIndex, divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral(" ORDER BY a.부별코드, b.급품코드");
    q.open();
    QList<Trainee> out;
    while (q.next()) {
        Trainee t = readTrainee(q);
        t.email = q.str(QStringLiteral("이메일"));
        t.mobile = q.str(QStringLiteral("핸드폰번호"));
        out.append(t);
    }
    return out;
}

QList<Trainee> applicationList(int divisionIndex, const QString& divisionText, const QDate& examDate, bool withPoints)
{
    db::Query q(QStringLiteral(" SELECT a.회원번호, a.회원명, a.급품코드, b.급품명,c.부명,a.학년, a.반, "
                               "( Select count(T_결석.결석일자) * (-1) from T_결석  "
                               " where T_결석.회원번호 = a.회원번호 "
                               " and trim(left(T_결석.결석일자, 7)) = :BeforeMonth) As 출석률, "));
    q << (withPoints ? QStringLiteral("(select IIF(sum(벌점수) is Null ,0,sum(벌점수)) from T_벌점항목, T_벌점 "
                                      "where T_벌점항목.벌점코드 = T_벌점.벌점코드 "
                                      "and T_벌점.회원번호 = a.회원번호 and trim(left(T_벌점.벌점일자, 7)) = :BeforeMonth) As 승벌점, ")
                     : QStringLiteral(" 0 As 승벌점, "))
      << QStringLiteral("   ( Select 급품코드 From T_급품코드 Where 급품코드= Right('0' & Trim(Str(Val(a.급품코드) + 1)), 2 )) As 응심급코드, "
                        "   ( Select 급품명 From T_급품코드 Where 급품코드= Right('0' & Trim(Str(Val(a.급품코드) + 1)), 2 )) As 응심급 "
                        " FROM ((T_회원 a LEFT JOIN T_급품코드 b ON a.급품코드 = b.급품코드) "
                        " LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드) "
                        " WHERE a.퇴관일 IS NULL ");
    q.bind(QStringLiteral("BeforeMonth"), previousMonth(examDate));
    DivisionFilter::addConditionFor(q, divisionIndex, divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral("ORDER BY a.부별코드, b.급품코드");
    q.open();
    QList<Trainee> out;
    while (q.next()) {
        Trainee t = readTrainee(q);
        t.attendance = q.str(QStringLiteral("출석률"));
        t.points = q.str(QStringLiteral("승벌점"));
        t.nextRankCode = q.str(QStringLiteral("응심급코드"));
        t.nextRankName = q.str(QStringLiteral("응심급"));
        out.append(t);
    }
    return out;
}

int fillInvitation(const QList<Trainee>& rows, const Invitation& inv, report::PrintJob& job)
{
    const QString school = schoolName();
    const QString moment = momentText(inv.date, inv.time);
    const QString dayTime = weekdayName(inv.date) + u' ' + clockText(inv.time);
    const QStringList lines = contentLines(inv.content, 5);
    int n = 0;
    for (const Trainee& t : rows) {
        if (!t.ticked)
            continue;
        job.add({{QStringLiteral("seqno"), ++n},
                 {QStringLiteral("f01"), moment},
                 {QStringLiteral("f02"), inv.examNo},
                 {QStringLiteral("f03"), t.name},
                 {QStringLiteral("f04"), t.rankName},
                 {QStringLiteral("f05"), nextRankName(t.rankCode)},
                 {QStringLiteral("f06"), moment},
                 {QStringLiteral("f07"), dayTime},
                 {QStringLiteral("f08"), inv.place},
                 {QStringLiteral("f09"), inv.attire},
                 {QStringLiteral("가정통신1"), lines[0]},
                 {QStringLiteral("가정통신2"), lines[1]},
                 {QStringLiteral("가정통신3"), lines[2]},
                 {QStringLiteral("가정통신4"), lines[3]},
                 {QStringLiteral("가정통신5"), lines[4]},
                 {QStringLiteral("f10"), school}});
    }
    return n;
}

void storeInvitationText(const QString& content) { storeText(QStringLiteral("심사"), content); }
void storeApplicationText(const QString& content) { storeText(QStringLiteral("심사신청서내용"), content); }

NoticeFile invitationFile(const QList<Trainee>& rows, const Invitation& inv, const QDate& today)
{
    const NoticeFile::School s = NoticeFile::school();
    NoticeFile file(QStringLiteral("심사안내문"));
    const QString date = dateText(inv.date);
    const QString time = clockText(inv.time);
    const QString rule = QStringLiteral("-----------------------------------");
    QStringList content = inv.content.split(u'\n');
    for (QString& l : content)
        l.remove(u'\r');
    for (const Trainee& t : rows) {
        if (!t.ticked)
            continue;
        const QString name = t.name.trimmed();
        NoticeLine l;
        l.item(rule)
            .item(QStringLiteral("* 도장명 : ") + s.name)
            .item(QStringLiteral("* 관장명 : ") + s.head)
            .item(QStringLiteral("* 전&nbsp;&nbsp;&nbsp;화 : ") + s.phone)
            .item(QStringLiteral("* 수련생 : ") + name)
            .item(QStringLiteral("* 작성일 : ") + db::dateText(today))
            .item(rule)
            .item()
            .piece(QStringLiteral("<font color=\"purple\">안녕하세요. "))
            .item(QStringLiteral(" 오는  ") + date + time + QStringLiteral(" 에 아래와 같이 저희 체육관의 제 ") + inv.examNo +
                  QStringLiteral(" 회 정기승급"))
            .item(QStringLiteral("심사가 있으니 바쁘시더라도 꼭 참석 하시어 ") + name + QStringLiteral(" 군(양)이 그동안 열심히 수련한 모습을"))
            .item(QStringLiteral("지켜봐 주시기 바랍니다. "))
            .item()
            .item(QStringLiteral("현재 ") + name + QStringLiteral(" 군(양) 은 <font color=\"red\">") + t.rankName.trimmed() +
                  QStringLiteral("</font> 이며 승급 예정 품(단)급은<font color=\"blue\">  ") + nextRankName(t.rankCode) +
                  QStringLiteral("</font> 입니다. 감사 합니다."))
            .item()
            .item(QStringLiteral("부모님께서는 바쁘시더라도 꼭 참석하시어 수련생의 사기진작과 본 심사대회를 빛내 주시기"))
            .item(QStringLiteral("바랍니다.</font>"))
            .item()
            .item(QStringLiteral("<font color=\"navy\">※.심사안내"))
            .item(QStringLiteral("&nbsp;. 심사일자: ") + date + QStringLiteral("  /  ") + weekdayName(inv.date) + u' ' + time)
            .item(QStringLiteral("&nbsp;. 심사장소: ") + inv.place)
            .item(QStringLiteral("&nbsp;. 심사복장: ") + inv.attire + QStringLiteral("</font>"))
            .item()
            .item(QStringLiteral("※.심사내용"));
        for (const QString& c : content)
            l.item(QStringLiteral("&nbsp;") + c);
        l.piece(t.mobile.trimmed());
        file.addRecipient(t.email, l);
    }
    return file;
}

Problem checkApplication(const Application& a)
{
    if (a.month.trimmed().isEmpty())
        return {QStringLiteral("접수월을 입력하세요."), QStringLiteral("msk_JumsuMM")};
    if (a.day.trimmed().isEmpty())
        return {QStringLiteral("접수일을 입력하세요."), QStringLiteral("msk_JumsuDD")};
    if (a.place.trimmed().isEmpty())
        return {QStringLiteral("심사장소를 입력하세요."), QStringLiteral("sim_place")};
    if (a.attire.trimmed().isEmpty())
        return {QStringLiteral("심사복장을 입력하세요."), QStringLiteral("Edt_Dobok")};
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,12}$"));
    const QString fee = a.fee.trimmed().isEmpty() ? QStringLiteral("0") : a.fee.trimmed();
    if (!whole.match(fee).hasMatch())
        return {QStringLiteral("심사비는 숫자로 입력하세요."), QStringLiteral("Edit_SimsaFee")};
    return {};
}

QString timeText(const QDate& d, const QTime& t)
{
    const QString day = QStringLiteral("%1년 %2월 %3일 ").arg(d.year()).arg(d.month()).arg(d.day());
    if (t.hour() < 12)
        return day + QStringLiteral("오전 %1시").arg(t.hour(), 2, 10, QChar(u'0'));
    return day + QStringLiteral("오후 %1시").arg(t.hour() - 12);
}

namespace {
qint64 feeValue(const Application& a) { return a.fee.trimmed().toLongLong(); }
QString grouped(qint64 v) { return QLocale(QLocale::English).toString(v); }
} // namespace

QString feeText(const Application& a)
{
    const qint64 fee = feeValue(a);
    if (fee == 0)
        return QString();
    const QString f = grouped(fee);
    if (a.forms)
        return QString(12, u' ') + f + QStringLiteral(" 원");
    if (a.kind == Kind::ContentAndScores || a.kind == Kind::ScoringAndResult)
        return QStringLiteral("4.심 사 비 : ") + f + QStringLiteral(" 원");
    return QStringLiteral("심 사 비 :  ") + f + QStringLiteral(" 원");
}

QString deadlineText(const Application& a)
{
    const QString when = a.month + QStringLiteral("월 ") + a.day + QStringLiteral("일");
    if (a.forms)
        return when;
    return (feeValue(a) != 0 ? QStringLiteral("본 승급심사 신청서는 심사비와 함께 ") : QStringLiteral("본 승급심사 신청서는 ")) + when +
           QStringLiteral(" 까지 접수하시기 바랍니다.");
}

QString layoutFor(Kind kind, bool forms)
{
    return QStringLiteral("심사신청%1.rpt").arg(int(kind) * 2 + (forms ? 2 : 1));
}

QString titleFor(Kind kind)
{
    static const char* const names[] = {"영역평가 신청서", "심사내용및 평가표", "심사채점및 결과평가", "영역별평가 및 안내문"};
    return QStringLiteral("심사신청서 (%1)").arg(QString::fromUtf8(names[int(kind)]));
}

int fillApplication(const QList<Trainee>& rows, const Application& a, report::PrintJob& job)
{
    QStringList areas(4);
    {
        db::Query q(QStringLiteral(" SELECT * FROM T_급별심사평가내용 ORDER BY 급품코드"));
        q.open();
        if (q.next())
            for (int k = 0; k < 4; ++k)
                areas[k] = q.str(QStringLiteral("평가항목%1").arg(k + 1));
    }
    const QStringList items = itemNames();
    const QString school = spacedSchoolName(schoolName());
    const QString time = timeText(a.date, a.time);
    const QString fee = feeText(a);
    const QString deadline = deadlineText(a);
    const QStringList lines = contentLines(a.content, 10);
    static const char* const contentColumns[] = {"F05", "F06", "F07", "F08", "F09", "F10", "F23", "F25", "F27", "F29"};
    int i = -1, n = 0;
    for (const Trainee& t : rows) {
        ++i;
        if (!t.ticked)
            continue;
        ++n;
        QStringList content(6);
        bool hasContent = false;
        {
            db::Query c(QStringLiteral("SELECT * FROM T_급별심사평가내용 WHERE 급품코드 = :c"));
            c.bind(QStringLiteral("c"), t.rankCode).open();
            if (c.next()) {
                hasContent = true;
                for (int k = 0; k < 6; ++k)
                    content[k] = c.str(QStringLiteral("E%1심사내용").arg(k + 1));
            }
        }
        QList<std::pair<QString, QVariant>> v{{QStringLiteral("seqno"), i},
                                              {QStringLiteral("회원명"), t.name},
                                              {QStringLiteral("g01"), t.division},
                                              {QStringLiteral("g02"), t.schoolYear},
                                              {QStringLiteral("g03"), t.rankName},
                                              {QStringLiteral("g04"), t.nextRankName},
                                              {QStringLiteral("구분1"), a.examNo},
                                              {QStringLiteral("구분2"), time},
                                              {QStringLiteral("구분3"), a.place},
                                              {QStringLiteral("구분4"), a.attire},
                                              {QStringLiteral("구분5"), fee.isEmpty() ? QVariant() : QVariant(fee)},
                                              {QStringLiteral("가정통신1"), deadline},
                                              {QStringLiteral("H01"), t.attendance},
                                              {QStringLiteral("H02"), t.points},
                                              {QStringLiteral("association"), school}};
        for (int k = 0; k < 6; ++k) {
            v.append({QStringLiteral("A0%1").arg(k + 1), items[k]});
            v.append({QStringLiteral("C0%1").arg(k + 1), hasContent ? QVariant(content[k]) : QVariant()});
        }
        for (int k = 0; k < 10; ++k)
            v.append({QString::fromUtf8(contentColumns[k]), lines[k]});
        for (int k = 0; k < 4; ++k)
            v.append({QStringLiteral("B0%1").arg(k + 1), cp949::cut(areas[k], 8)});
        job.add(v);
    }
    return n;
}

} // namespace ExamPaperwork

namespace ExamPaperwork {

QList<RankContent> loadContent()
{
    db::Query q(QStringLiteral("SELECT a.급품코드 AS bCode, b.급품코드, b.급품명, "
                               "a.E1심사내용, a.E2심사내용, a.E3심사내용, a.E4심사내용, a.E5심사내용, a.E6심사내용 "
                               "FROM T_급별심사평가내용 AS a RIGHT JOIN T_급품코드 AS b ON a.급품코드 = b.급품코드 "
                               "ORDER BY b.급품코드;"));
    q.open();
    QList<RankContent> out;
    while (q.next()) {
        RankContent r;
        r.rankCode = q.str(QStringLiteral("급품코드"));
        r.rankName = q.str(QStringLiteral("급품명"));
        for (int k = 1; k <= 6; ++k)
            r.contents << q.str(QStringLiteral("E%1심사내용").arg(k));
        out.append(r);
    }
    return out;
}

QStringList loadAreas()
{
    QStringList areas(4);
    db::Query q(QStringLiteral(" Select * From  T_급별심사평가내용 ORDER BY 급품코드"));
    q.open();
    if (q.next())
        for (int k = 0; k < 4; ++k)
            areas[k] = q.str(QStringLiteral("평가항목%1").arg(k + 1));
    return areas;
}

void saveContent(const QList<RankContent>& rows, const QStringList& areas)
{
    db::Transaction tx;
    for (const RankContent& r : rows) {
        const bool found = db::scalar(QStringLiteral(" Select Count(*) From  T_급별심사평가내용  WHERE 급품코드=:급품코드 "),
                                      {{QStringLiteral("급품코드"), r.rankCode}})
                               .toInt() > 0;
        db::Query q(found ? QStringLiteral(" UPDATE T_급별심사평가내용 SET E1심사내용 =:E1, E2심사내용 =:E2, E3심사내용 =:E3, "
                                           "E4심사내용 =:E4, E5심사내용 =:E5, E6심사내용 =:E6, 평가항목1 =:A1, 평가항목2 =:A2, "
                                           "평가항목3 =:A3, 평가항목4 =:A4  WHERE  급품코드=:급품코드 ")
                          : QStringLiteral("Insert Into T_급별심사평가내용 (급품코드, E1심사내용, E2심사내용, E3심사내용, E4심사내용, "
                                           "E5심사내용, E6심사내용, 평가항목1, 평가항목2, 평가항목3, 평가항목4) "
                                           "Values (:급품코드, :E1, :E2, :E3, :E4, :E5, :E6, :A1, :A2, :A3, :A4)"));
        q.bind(QStringLiteral("급품코드"), r.rankCode);
        for (int k = 0; k < 6; ++k)
            q.bind(QStringLiteral("E%1").arg(k + 1), r.contents.value(k));
        for (int k = 0; k < 4; ++k)
            q.bind(QStringLiteral("A%1").arg(k + 1), areas.value(k).left(kAreaChars));
        q.exec();
    }
    tx.commit();
}

} // namespace ExamPaperwork
