#include "fees/PaymentNotices.h"

#include "db/Clock.h"
#include "db/MonthKey.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "fees/FeeStatus.h"
#include "fees/IssueNumbers.h"
#include "report/Layout.h"
#include "report/Report.h"
#include "text/Cp949.h"
#include "text/Money.h"
#include "report/NoticeFile.h"

#include <QRegularExpression>

namespace {

using Values = QList<std::pair<QString, QVariant>>;

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString yearMonth(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM")); }
QString withoutBlanks(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }

struct School {
    QString bank, name, phone, head;
};
School school()
{
    db::Query q("SELECT 납부은행, 도장명, 전화번호, 관장명 FROM T_도장정보");
    q.open();
    School s;
    if (q.next())
        s = {q.str("납부은행"), q.str("도장명"), q.str("전화번호"), q.str("관장명")};
    return s;
}

struct Member {
    QString no, name, enrolled, payDay, sex, birth, rank;
    qint64 fee = 0;
};
Member readMember(const QString& no)
{
    db::Query q("SELECT * FROM T_회원 WHERE 회원번호 =:회원번호");
    q.bind("회원번호", no).open();
    Member m;
    m.no = no;
    if (q.next()) {
        m.name = q.str("회원명");
        m.enrolled = db::dateText(q.date("입관일"));
        m.payDay = q.str("납부일자").trimmed();
        m.sex = q.str("성별").trimmed();
        m.birth = q.str("생년월일");
        m.rank = q.str("급품코드");
        m.fee = q.integer("수련비");
    }
    return m;
}

QString monthDay(const QDate& d) { return QStringLiteral("%1월%2일").arg(d.month()).arg(d.day()); }

// Rank, its training content and the latest promotion. The examination tables come with the
// examination screens; until they are there those fields stay empty.
void addRank(Values& v, const Member& m)
{
    QString promoted;
    if (db::tableExists(QStringLiteral("T_심사"))) {
        db::Query q("Select T_심사.승급일자,T_급품코드.급품명 ,T_급품코드.띠색 "
                    "From T_심사 Left Join T_급품코드 On T_심사.급품코드= T_급품코드.급품코드 "
                    "Where 회원번호=:회원번호 "
                    "ORDER BY 승급일자 desc, T_급품코드.급품코드 desc ");
        q.bind("회원번호", m.no).open();
        if (q.next())
            promoted = FeeStatus::spacedDate(q.date("승급일자"));
    }
    v.append({"f02", promoted});
    db::Query r("Select a.급품코드, b.급품명, b.띠색 From T_회원 a Left Join T_급품코드 b On a.급품코드=b.급품코드 "
                "Where a.회원번호=:회원번호");
    r.bind("회원번호", m.no).open();
    QString name, colour;
    if (r.next()) {
        name = r.str("급품명");
        colour = r.str("띠색");
    }
    v.append({"f03", name});
    v.append({"f04", colour});
    QStringList content(7);
    if (db::tableExists(QStringLiteral("T_급별수련내용"))) {
        db::Query c("Select * From T_급별수련내용 where 급품코드=:급품코드 ");
        c.bind("급품코드", m.rank).open();
        if (c.next()) {
            int i = 0;
            for (const char* col : {"기본예절", "기본동작", "품새", "발차기", "정신교육", "비고1", "비고2"})
                content[i++] = c.str(QString::fromUtf8(col));
        }
    }
    for (int i = 0; i < 7; ++i)
        v.append({QStringLiteral("f%1").arg(5 + i, 2, 10, QLatin1Char('0')), content[i]});
}

// Absences and daily-life records of the month before the reference month.
void addLastMonth(Values& v, const Member& m, const QDate& reference)
{
    const QDate before = reference.addMonths(-1);
    const QString ym = yearMonth(before);
    QStringList days;
    {
        db::Query q("Select Mid(결석일자,9,2) As 일 From T_결석 Where 회원번호=:회원번호 And Mid(결석일자,1,7)=:년달 "
                    "ORDER BY 결석일자");
        q.bind({{"회원번호", m.no}, {"년달", ym}}).open();
        while (q.next())
            days.append(q.str("일"));
    }
    v.append({"결석일", days.isEmpty() ? QString() : QString::number(before.month()) + QStringLiteral("월: ") + days.join(QStringLiteral(", "))});

    QStringList cells(20);
    {
        db::Query q("Select T_결석.결석일자,T_결석사유.결석사유 From T_결석 LEFT JOIN T_결석사유 "
                    "ON T_결석.결석사유코드= T_결석사유.결석사유코드"
                    " Where 회원번호=:회원번호 And Mid(결석일자,1,7)=:년달 "
                    "ORDER BY 결석일자 DESC ");
        q.bind({{"회원번호", m.no}, {"년달", ym}}).open();
        for (int i = 0; i < 5 && q.next(); ++i) {
            cells[2 * i] = q.str("결석일자");
            cells[2 * i + 1] = q.str("결석사유");
        }
    }
    {
        db::Query q("Select 기록일자, 생활기록 From T_생활기록 Where mid(기록일자,1,7)=:년달 and 회원번호=:회원번호 "
                    "order by 기록일자 desc,순번 desc ");
        q.bind({{"회원번호", m.no}, {"년달", ym}}).open();
        for (int i = 0; i < 5 && q.next(); ++i) {
            cells[10 + 2 * i] = q.str("기록일자");
            cells[10 + 2 * i + 1] = q.str("생활기록");
        }
    }
    for (int i = 0; i < 20; ++i)
        v.append({QStringLiteral("f%1").arg(12 + i), cells[i]});
}

// Concentration: the newest row to J01..J12 and, when there are more, the oldest to I01..I12.
void addConcentration(Values& v, const Member& m)
{
    static const char* const cols[12] = {"시각본인평균", "시각나이평균", "시각기간평균", "시각전체평균",
                                         "청각본인평균", "청각나이평균", "청각기간평균", "청각전체평균",
                                         "종합본인평균", "종합나이평균", "종합기간평균", "종합전체평균"};
    db::Query q(" SELECT * FROM T_집중도 WHERE 회원번호=:회원번호  ORDER BY 측정일자 DESC ");
    q.bind("회원번호", m.no).open();
    QList<QStringList> rows;
    while (q.next()) {
        QStringList r;
        for (const char* c : cols)
            r.append(q.isNull(QString::fromUtf8(c)) ? QString() : QString::number(qRound64(q.real(QString::fromUtf8(c)))));
        rows.append(r);
    }
    for (int i = 0; i < 12; ++i) {
        v.append({QStringLiteral("J%1").arg(two(i + 1)), rows.isEmpty() ? QString() : rows.first()[i]});
        v.append({QStringLiteral("I%1").arg(two(i + 1)), rows.size() > 1 ? rows.last()[i] : QString()});
    }
}

void addMerit(Values& v, const Member& m, int year)
{
    const QString sql = QStringLiteral(" SELECT sum(d.벌점수) AS 상벌점 "
                                       " FROM T_벌점 AS a LEFT JOIN T_벌점항목 AS d ON a.벌점코드 = d.벌점코드 "
                                       " WHERE a.회원번호 =:회원번호 ");
    const qint64 thisYear = db::scalar(sql + QStringLiteral(" AND year(a.벌점일자) =:YYYY "), {{"회원번호", m.no}, {"YYYY", year}}).toLongLong();
    const qint64 all = db::scalar(sql, {{"회원번호", m.no}}).toLongLong();
    v.append({"k01", QStringLiteral("상벌점수:   당해년도: %1점,  누적: %2점").arg(thisYear).arg(all)});
}

// The fitness part of "측정표": the first and the latest measurement, their difference, the average of
// the members born in the same year at their own latest measurement, and the national values.
// The measurement tables come with the fitness screens; until they are there it stays empty.
void addFitness(Values& v, const Member& m)
{
    {
        db::Query q("Select * From T_체력측정항목 ");
        q.open();
        for (int i = 1; i <= 12; ++i)
            v.append({QStringLiteral("구분%1").arg(i), q.next() ? cp949::cut(q.str("측정항목명").trimmed(), 6) : QString()});
    }
    static const char* const pos[13] = {"A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09", "A10", "비만도", "A11", "A12"};
    auto cell = [](QChar letter, int i) { return QStringLiteral("%1%2").arg(letter).arg(two(i + 1)); };
    auto blank = [&](QChar letter) {
        for (int i = 0; i < 13; ++i)
            v.append({cell(letter, i), QString()});
    };
    if (!db::tableExists(QStringLiteral("T_체력측정"))) {
        for (QChar c : {u'a', u'b', u'c', u'd', u'e'})
            blank(c);
        return;
    }
    auto measurement = [&](const QString& day, double out[13]) {
        db::Query q("Select * From T_체력측정 Where 회원번호=:회원번호 and 측정일자=:측정일자 ");
        q.bind({{"회원번호", m.no}, {"측정일자", day}}).open();
        if (!q.next())
            return false;
        for (int i = 0; i < 13; ++i)
            out[i] = q.real(QString::fromUtf8(pos[i]));
        return true;
    };
    const QString first = db::scalar("Select Min(측정일자) From T_체력측정 where 회원번호=:회원번호", {{"회원번호", m.no}}).toString();
    const QString latest = db::scalar("Select Max(측정일자) From T_체력측정 where 회원번호=:회원번호", {{"회원번호", m.no}}).toString();
    double a[13] = {}, b[13] = {};
    const bool hasA = !first.isEmpty() && measurement(first, a);
    const bool hasB = !latest.isEmpty() && measurement(latest, b);
    for (int i = 0; i < 13; ++i)
        v.append({cell(u'a', i), hasA ? report::Layout::format(QString::number(a[i]), QStringLiteral("##0.0")) : QString()});
    for (int i = 0; i < 13; ++i)
        v.append({cell(u'b', i), hasB ? report::Layout::format(QString::number(b[i]), QStringLiteral("##0.0")) : QString()});
    for (int i = 0; i < 13; ++i)
        v.append({cell(u'c', i), hasA && hasB ? report::Layout::format(QString::number(b[i] - a[i]), QStringLiteral("#0.0")) : QString()});

    // Members born in the same year (of the same sex when it is known), each at his latest measurement.
    const QString birthYear = m.birth.left(4);
    const bool bySex = m.sex == QStringLiteral("남") || m.sex == QStringLiteral("여");
    double sum[13] = {};
    int counted[13] = {};
    if (!birthYear.isEmpty()) {
        db::Query q;
        q << "SELECT f.* FROM T_체력측정 f INNER JOIN T_회원 w ON w.회원번호 = f.회원번호 "
             "WHERE Mid(w.생년월일,1,4) = :년 "
          << (bySex ? "AND w.성별 = :성별 " : "")
          << "AND f.측정일자 = (SELECT Max(g.측정일자) FROM T_체력측정 g WHERE g.회원번호 = f.회원번호)";
        q.bind("년", birthYear);
        if (bySex)
            q.bind("성별", m.sex);
        q.open();
        while (q.next())
            for (int i = 0; i < 13; ++i) {
                const QString col = QString::fromUtf8(pos[i]);
                if (!q.isNull(col) && q.real(col) != 0) {
                    sum[i] += q.real(col);
                    ++counted[i];
                }
            }
    }
    for (int i = 0; i < 13; ++i)
        v.append({cell(u'd', i), counted[i] ? report::Layout::format(QString::number(sum[i] / counted[i]), QStringLiteral("##0.0")) : QString()});

    static const char* const national[13] = {"A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09", "A10", "A13", "A11", "A12"};
    QStringList e(13);
    if (!birthYear.isEmpty() && db::tableExists(QStringLiteral("T_문체부"))) {
        db::Query q(" SELECT * FROM T_문체부  WHERE 연령=:연령  AND 구분=:구분 ");
        q.bind({{"연령", Clock::today().year() - birthYear.toInt()}, {"구분", m.sex == QStringLiteral("남") ? "1" : "0"}}).open();
        if (q.next())
            for (int i = 0; i < 13; ++i)
                e[i] = report::Layout::format(QString::number(qint64(q.real(QString::fromUtf8(national[i])))), QStringLiteral("##0.0"));
    }
    for (int i = 0; i < 13; ++i)
        v.append({cell(u'e', i), e[i]});
}

QStringList individualNotices(const Member& m, const QDate& reference)
{
    db::Query q(" Select TOP 12 * From T_심사평가공지사항 "
                " Where 회원번호=:회원번호 And Mid(공지일자,1,7)=:공지년달 "
                " ORDER BY 공지일자 desc ,순번 desc ");
    q.bind({{"회원번호", m.no}, {"공지년달", yearMonth(reference)}}).open();
    QStringList out;
    while (q.next())
        out.append(q.str("공지사항"));
    return out;
}

} // namespace

const PaymentNotices::KindInfo& PaymentNotices::info(Kind kind)
{
    static const KindInfo kinds[] = {
        {QStringLiteral("측정표"), QStringLiteral("fee11.rpt"), QStringLiteral("fee12.rpt"), QStringLiteral("납부통지서(측정표)"), 1},
        {QStringLiteral("통신문"), QStringLiteral("fee21.rpt"), QStringLiteral("fee22.rpt"), QStringLiteral("납부통지서(통신문)"), 1},
        {QStringLiteral("안내문"), QStringLiteral("fee31.rpt"), QStringLiteral("fee32.rpt"), QStringLiteral("납부통지서(안내문)"), 1},
        {QStringLiteral("통지서"), QStringLiteral("fee41.rpt"), QStringLiteral("fee42.rpt"), QStringLiteral("납부통지서(통지서)"), 3},
        {QStringLiteral("미납통지"), QStringLiteral("fee51.rpt"), QStringLiteral("fee52.rpt"), QStringLiteral("납부통지서(미납통지)"), 1},
        {QStringLiteral("집중도"), QStringLiteral("fee61.rpt"), QStringLiteral("fee62.rpt"), QStringLiteral("납부통지서(집중도)"), 1},
        {QStringLiteral("영수증"), QStringLiteral("fee71.rpt"), QStringLiteral("fee72.rpt"), QStringLiteral("납부통지서(영수증)"), 3},
    };
    return kinds[kind];
}

QString PaymentNotices::loadLetter(LetterChoice choice)
{
    if (choice == LetterChoice::Personal)
        return db::scalar("Select 개인 from T_가정통신문").toString();
    if (choice == LetterChoice::Group)
        return db::scalar("Select 단체 from T_가정통신문").toString();
    return QString();
}

bool PaymentNotices::saveLetter(LetterChoice choice, const QString& text)
{
    if (choice != LetterChoice::Personal && choice != LetterChoice::Group)
        return false;
    db::Transaction tx;
    SchoolInfo::ensureLetterRow();
    db::run(choice == LetterChoice::Personal ? QStringLiteral("UPDATE T_가정통신문 SET 개인 = :글") : QStringLiteral("UPDATE T_가정통신문 SET 단체 = :글"),
            {{"글", text}});
    tx.commit();
    return true;
}

QStringList PaymentNotices::letterLines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = t.isEmpty() ? QStringList() : t.split(u'\n');
    lines = lines.mid(0, 16);
    for (QString& l : lines)
        l = cp949::cut(l, 110);
    return lines;
}

bool PaymentNotices::print(const QStringList& memberNos, const Options& o, int destination, QWidget* parent)
{
    const KindInfo& kind = info(o.kind);
    const School s = school();
    const QDate today = Clock::today();
    const int y = o.reference.year(), n = o.reference.month();
    const QDate deadline = o.issued.addDays(o.daysToPay);
    const QStringList letter = letterLines(o.letterText);
    const bool numbered = o.kind == Receipt;
    const int last = numbered ? IssueNumbers::last(IssueNumbers::Notice, today) : 0;

    db::createTempTable(QStringLiteral("(회원번호 String(9))"));
    for (const QString& no : memberNos)
        db::run("INSERT INTO T_Temp (회원번호) VALUES (:회원번호)", {{"회원번호", no}});

    report::PrintJob job;
    int k = 0;
    for (const QString& no : memberNos) {
        const Member m = readMember(no);
        const FeeStatus::Notice fig =
            FeeStatus::notice({m.enrolled, m.fee}, o.reference, FeeStatus::paymentsOf(no, FeeStatus::firstMonth(o.reference), FeeStatus::lastMonth(o.reference)));
        Values v;
        v.append({"seqno", k / kind.perSheet + 1});
        v.append({"회원번호", no});
        v.append({"회원명", m.name});
        v.append({"f01", m.name});
        v.append({"mm", QString::number(deadline.month())});
        v.append({"dd", QString::number(deadline.day())});
        v.append({"f32", m.payDay + QStringLiteral("일")});
        for (int i = 0; i < 12; ++i)
            v.append({QStringLiteral("m%1").arg(two(i + 1)), fig.labels[i]});
        v.append({"전년도분", FeeStatus::wonIfAny(fig.prevSum)});
        v.append({"미납년도", fig.prevSum > 0 ? QString::number(y - 1) + QStringLiteral("년 미납월 : ") + fig.prevLabel : QString()});
        v.append({"미납월분라벨", fig.curSum > 0 ? QStringLiteral("미납월분") : QString()});
        v.append({"f35", FeeStatus::wonIfAny(fig.curSum)});
        v.append({"f34", fig.currentDue ? FeeStatus::won(fig.fee) : QString()});
        v.append({"당월", fig.currentDue ? QString::number(n) + QStringLiteral(" 월분") : QString()});
        v.append({"f33", FeeStatus::won(fig.total)});
        v.append({"f36", FeeStatus::spacedDate(deadline)});
        v.append({"발부일자", FeeStatus::spacedDate(o.issued)});
        v.append({"입관일자", FeeStatus::dateWords(db::parseDate(m.enrolled))});
        v.append({"f37", s.bank});
        v.append({"f38", s.name});
        v.append({"f39", s.phone});
        v.append({"관장명", s.head});
        addRank(v, m);
        addLastMonth(v, m, o.reference);
        QStringList paragraphs = o.letter == LetterChoice::Individual ? individualNotices(m, o.reference) : letter;
        for (int i = 0; i < 16; ++i)
            v.append({QStringLiteral("가정통신%1").arg(i + 1), paragraphs.value(i)});
        addMerit(v, m, y);
        if (numbered) {
            const QDate next = today.addMonths(1);
            v.append({"L01", monthDay(FeeStatus::dueDay(today.year(), today.month(), m.payDay)) + QStringLiteral(" ~ ")
                                 + monthDay(FeeStatus::dueDay(next.year(), next.month(), m.payDay))});
            v.append({"L02", (fig.prevList.trimmed() + u' ' + fig.curList.trimmed()).trimmed()});
            v.append({"L03", IssueNumbers::text(today, last + k + 1)});
            v.append({"L04", withoutBlanks(s.name) + QStringLiteral("  ") + s.phone});
        }
        addConcentration(v, m);
        if (o.kind == Measure)
            addFitness(v, m);
        job.add(v);
        ++k;
    }
    const report::Record record = numbered ? IssueNumbers::takeWhenPrinted(IssueNumbers::Notice, today, last, k) : report::Record();
    return job.run(o.forms ? kind.formsLayout : kind.fullLayout, kind.title, destination, parent, record);
}

NoticeFile PaymentNotices::dataFile(const QList<UnpaidList::Line>& lines, const Options& o)
{
    NoticeFile file(QStringLiteral("납부통지서"));
    const NoticeFile::School s = NoticeFile::school();
    const QString bank = school().bank;
    const QDate deadline = o.issued.addDays(o.daysToPay);
    const int y = o.reference.year(), n = o.reference.month();
    const QString dashes = QStringLiteral("-----------------------------------");
    for (const UnpaidList::Line& l : lines) {
        if (l.email.trimmed().isEmpty())
            continue;
        const FeeStatus::Notice fig = FeeStatus::notice(
            {l.enrolled, l.fee}, o.reference, FeeStatus::paymentsOf(l.memberNo, FeeStatus::firstMonth(o.reference), FeeStatus::lastMonth(o.reference)));
        NoticeLine t;
        t.item(dashes)
            .item(QStringLiteral("* 도장명 : ") + s.name)
            .item(QStringLiteral("* 관장명 : ") + s.head)
            .item(QStringLiteral("* 전&nbsp;&nbsp;&nbsp;화 : ") + s.phone)
            .item(QStringLiteral("* 수련생 : ") + l.name)
            .item(QStringLiteral("* 작성일 : ") + Clock::todayText())
            .item(dashes)
            .item();
        t.item(QStringLiteral("<font color=\"#585F08\">안녕 하세요. 항상 본 체육관에 많은 관심을 가지고 성원하여 주시는 부모님께 진심으로 감사를"))
            .item(QStringLiteral("드립니다. 그러한 부모님의 성원에 보답 드리고자 항상 수련생지도에 최선의 노력을 다 하도록 "))
            .item(QStringLiteral("하겠습니다. 다름이 아니라 ") + l.name
                  + QStringLiteral(" 군(양)의<font color=\"fuchsia\"> 수련비 납부일</font>이 오는<font color=\"blue\">")
                  + QString::number(deadline.month()) + QStringLiteral("월") + QString::number(deadline.day()) + QStringLiteral("일")
                  + QStringLiteral("</font> 임을 알려 드립니다."))
            .item()
            .item(QStringLiteral("납부내역은 아래와 같습니다. 궁금하신 점이 있으시면 체육관으로 연락해 주시면 자세히 안내"))
            .item(QStringLiteral("해 드리도록 하겠습니다. 아울러 ") + l.name + QStringLiteral(" 군(양)의 체육관에서의 생활에 관한 모든 자료는 홈페"))
            .item(QStringLiteral("이지에서 열람하시거나 연락을 주시면 바로 자료를 보내(e-mail로) 드리도록 하겠습니다.</font>"))
            .item();
        t.item(QStringLiteral("<font color=\"#DE200F\">※.수련비 납부현황"))
            .item(QStringLiteral("&nbsp;&nbsp;*.입관일자 : ") + l.enrolled)
            .item(QStringLiteral("&nbsp;&nbsp;*.납부일자 : ") + l.payDay + QStringLiteral("일"));
        for (int i = 0; i < 12; ++i)
            if (!fig.labels[i].isEmpty())
                t.item(QStringLiteral("&nbsp;&nbsp;*.%1월 : ").arg(i + 1) + fig.labels[i]);
        if (fig.prevSum > 0)
            t.item(QStringLiteral("&nbsp;&nbsp;*.%1년 미납월 : ").arg(y - 1) + fig.prevLabel + QStringLiteral(" / ") + FeeStatus::won(fig.prevSum));
        t.item(QStringLiteral("&nbsp;&nbsp;*.당월회비: %1 월분").arg(n) + QStringLiteral(" / ") + FeeStatus::won(fig.fee))
            .item(QStringLiteral("&nbsp;&nbsp;*.납부금액 : ") + FeeStatus::won(fig.total) + QStringLiteral("</font>"))
            .item();
        t.item(QStringLiteral("<font color=\"fuchsia\">※.위의 수련비를&nbsp;<font color=\"blue\">")
               + QStringLiteral("%1년 %2월 %3일").arg(deadline.year()).arg(deadline.month()).arg(deadline.day())
               + QStringLiteral("</font>&nbsp;까지 납부하여 주시기 바랍니다.</font>"))
            .item()
            .item(QStringLiteral("<font color=\"green\">※.납부은행 : ") + bank + QStringLiteral("</font>"))
            .piece(l.mobile);
        file.addRecipient(l.email, t);
    }
    return file;
}
