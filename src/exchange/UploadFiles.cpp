#include "exchange/UploadFiles.h"

#include "db/Clock.h"
#include "db/JetSql.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "text/Cp949.h"
#include "text/Money.h"
#include "ui/DivisionFilter.h"

namespace UploadFiles {

namespace {
using cp949::pad;
using cp949::padR;
using cp949::sp;

const QString kNbsp = QStringLiteral("&nbsp;");
const QString kRowHead = kNbsp + sp(1);
const QString kHyphens87 = QString(87, u'-');
const QString kHyphens35 = QString(35, u'-');

QString nbsp(int n) { return kNbsp.repeated(n); }
QString decimal(const QVariant& v) { return v.isNull() ? QString() : db::jet::format(v, QStringLiteral("##0.0")); }
QString whole(const QVariant& v) { return v.isNull() ? QString() : QString::number(qRound64(v.toDouble())); }

// One block: an empty item, the title, the column titles, then a row item per row. Nothing when
// there are no rows.
// Who a line is about, for the list of characters a file could not hold.
QString memberLabel(const Trainee& t) { return QStringLiteral("%1(%2)").arg(t.name.trimmed(), t.no); }

void block(NoticeLine& line, const QString& title, const QStringList& columnTitles, const QStringList& rows)
{
    if (rows.isEmpty())
        return;
    line.item().item(title);
    for (const QString& c : columnTitles)
        line.item(c);
    for (const QString& r : rows)
        line.item(r);
}

// The member's rows of a query that takes :회원번호, each made into one item.
template <typename Row>
QStringList rowsOf(const QString& sql, const QString& no, Row row)
{
    db::Query q(sql);
    q.bind(QStringLiteral("회원번호"), no);
    q.open();
    QStringList out;
    while (q.next())
        out << row(q);
    return out;
}

const QStringList kFitnessColumns{"A01", "A02", "A03", "A04", "A05", "A06", "A07",
                                  "A08", "A09", "A10", "A11", "A12", "비만도"};

QList<QVariant> fitnessValues(db::Query& q, const QStringList& columns)
{
    QList<QVariant> v;
    for (const QString& c : columns)
        v << q.value(c);
    return v;
}

QString summary(const QString& label, const QList<QVariant>& values)
{
    QStringList cells;
    for (const QVariant& v : values)
        cells << padR(decimal(v), 5);
    return label + sp(1) + cells.join(sp(1));
}

void fitnessBlock(NoticeLine& line, const Trainee& t, const QDate& today)
{
    const QStringList rows = rowsOf(
        QStringLiteral("SELECT TOP 12 * FROM T_체력측정 WHERE 회원번호 = :회원번호 ORDER BY 측정일자 desc"), t.no, [](db::Query& q) {
            QString r = kRowHead + pad(q.str(QStringLiteral("측정일자")), 11) + sp(2);
            for (int i = 0; i < 12; ++i)
                r += padR(decimal(q.value(kFitnessColumns[i])), 5) + sp(1);
            return r + padR(decimal(q.value(QStringLiteral("비만도"))), 5);
        });
    if (rows.isEmpty())
        return;
    QString titles = nbsp(2) + QStringLiteral("측정 일자") + nbsp(5);
    {
        db::Query q(QStringLiteral("SELECT 측정항목명 FROM T_체력측정항목 ORDER BY 측정항목코드"));
        q.open();
        while (q.next())
            titles += pad(cp949::cut(q.str(QStringLiteral("측정항목명")), 4), 6);
    }
    titles += pad(QStringLiteral("비만"), 6);
    line.item().item(QStringLiteral("*.체력측정")).item(titles);
    for (const QString& r : rows)
        line.item(r);

    auto one = [&](const char* which) {
        db::Query q;
        q << "SELECT * FROM T_체력측정 WHERE 회원번호 =:회원번호 "
          << " AND   측정일자 = (Select " << which << "(c.측정일자) From T_체력측정 c WHERE c.회원번호 =:회원번호) ";
        q.bind(QStringLiteral("회원번호"), t.no);
        q.open();
        return q.next() ? fitnessValues(q, kFitnessColumns) : QList<QVariant>();
    };
    const QList<QVariant> first = one("Min");
    const QList<QVariant> last = one("Max");
    if (!first.isEmpty())
        line.item(summary(nbsp(2) + QStringLiteral("최") + nbsp(6) + QStringLiteral("초  "), first));
    if (!last.isEmpty())
        line.item(summary(nbsp(2) + QStringLiteral("최") + nbsp(6) + QStringLiteral("종  "), last));
    QList<QVariant> change;
    for (int i = 0; i < kFitnessColumns.size(); ++i)
        change << last.value(i).toDouble() - first.value(i).toDouble();
    line.item(summary(nbsp(2) + QStringLiteral("증") + nbsp(6) + QStringLiteral("감  "), change));

    // The latest measurement of every member born in the same year (and of the same sex).
    const QString year = t.birth.left(4);
    const bool bySex = t.sex == QStringLiteral("남") || t.sex == QStringLiteral("여");
    db::Query peers;
    peers << "SELECT m.* FROM T_체력측정 m INNER JOIN T_회원 a ON a.회원번호 = m.회원번호 "
          << " WHERE Mid(a.생년월일, 1, 4) = :yyyy "
          << " AND m.측정일자 = (Select Max(c.측정일자) From T_체력측정 c WHERE c.회원번호 = m.회원번호) ";
    peers.bind(QStringLiteral("yyyy"), year);
    if (bySex) {
        peers << " AND a.성별 = :sex ";
        peers.bind(QStringLiteral("sex"), t.sex);
    }
    peers.open();
    QList<double> sums(kFitnessColumns.size(), 0.0);
    int count = 0;
    while (peers.next()) {
        for (int i = 0; i < kFitnessColumns.size(); ++i)
            sums[i] += peers.value(kFitnessColumns[i]).toDouble();
        ++count;
    }
    QList<QVariant> averages;
    for (double s : sums)
        averages << (count ? s / count : 0.0);
    line.item(summary(nbsp(2) + QStringLiteral("평") + nbsp(6) + QStringLiteral("균  "), averages));

    bool yearOk = false;
    const int born = year.toInt(&yearOk);
    if (yearOk) {
        db::Query n(QStringLiteral("SELECT * FROM T_문체부 WHERE 연령 = :age AND 구분 = :kind"));
        n.bind({{QStringLiteral("age"), today.year() - born},
                {QStringLiteral("kind"), t.sex == QStringLiteral("남") ? QStringLiteral("1") : QStringLiteral("0")}});
        n.open();
        if (n.next()) {
            QStringList national = kFitnessColumns.mid(0, 12);
            national << QStringLiteral("A13");
            line.item(summary(nbsp(2) + QStringLiteral("문") + nbsp(2) + QStringLiteral("체") + nbsp(2) + QStringLiteral("부  "),
                              fitnessValues(n, national)));
        }
    }
}

qint64 pointsSum(const QString& no, int year)
{
    db::Query q;
    q << " SELECT  sum(d.벌점수) AS 당해년도상벌점 "
      << " FROM T_벌점 a LEFT JOIN T_벌점항목 d ON a.벌점코드 = d.벌점코드 "
      << " WHERE a.회원번호 = :회원번호 ";
    q.bind(QStringLiteral("회원번호"), no);
    if (year) {
        q << " AND     year(a.벌점일자) =:YYYY ";
        q.bind(QStringLiteral("YYYY"), year);
    }
    q.open();
    return q.next() ? qRound64(q.value(0).toDouble()) : 0;
}
} // namespace

QList<Trainee> trainees(const QString& name, int divisionIndex, const QString& divisionText)
{
    db::Query q;
    q << " SELECT a.회원번호, a.회원명, b.부명, c.급품명, a.입관일, a.주민등록번호, a.성별, a.생년월일, a.학년, a.반, "
      << " d.지역명, a.전화번호, a.이메일, a.핸드폰번호 "
      << " FROM ((T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
      << " LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드) "
      << " LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드 "
      << " WHERE " << MemberStatus::active(QStringLiteral("a"));
    if (!name.trimmed().isEmpty()) {
        q << " AND a.회원명 like :name ESCAPE '\\' ";
        q.bind(QStringLiteral("name"), u'%' + db::likeLiteral(name.trimmed()) + u'%');
    }
    DivisionFilter::addConditionFor(q, divisionIndex, divisionText);
    q << " ORDER BY  a.부별코드,a.입관일,a.급품코드";
    q.open();
    QList<Trainee> out;
    while (q.next()) {
        Trainee t;
        t.no = q.str(QStringLiteral("회원번호"));
        t.name = q.str(QStringLiteral("회원명"));
        t.division = q.str(QStringLiteral("부명"));
        t.rank = q.str(QStringLiteral("급품명"));
        t.enrolled = q.str(QStringLiteral("입관일"));
        t.resident = q.str(QStringLiteral("주민등록번호")).remove(u'-');
        t.sex = q.str(QStringLiteral("성별"));
        t.birth = q.str(QStringLiteral("생년월일"));
        const QString grade = q.str(QStringLiteral("학년"));
        const QString cls = q.str(QStringLiteral("반")).trimmed();
        t.gradeClass = cls.isEmpty() ? grade : grade + u'/' + cls;
        t.region = q.str(QStringLiteral("지역명"));
        t.phone = q.str(QStringLiteral("전화번호"));
        t.email = q.str(QStringLiteral("이메일"));
        t.mobile = q.str(QStringLiteral("핸드폰번호"));
        out << t;
    }
    return out;
}

QStringList commonHeadings()
{
    return {QStringLiteral("   회원번호"), QStringLiteral("   회원명"), QStringLiteral("    부"),   QStringLiteral(" 현급"),
            QStringLiteral(" 입관일자"),   QStringLiteral("주민등록번호"), QStringLiteral("성별"),   QStringLiteral("생년월일"),
            QStringLiteral("  학년/반"),   QStringLiteral("     지역명"), QStringLiteral("     전화번호")};
}

QStringList commonColumns(const Trainee& t)
{
    return {t.no, t.name, t.division, t.rank, t.enrolled, t.resident, t.sex, t.birth, t.gradeClass, t.region, t.phone};
}

NoticeLine recordLine(const Trainee& t, const NoticeFile::School& school, const QDate& today)
{
    NoticeLine line;
    line.of(memberLabel(t)).item(t.name.trimmed()).item(t.resident).item(t.email).item(kHyphens87);
    line.item(QStringLiteral("*.도장명 : ") + school.name)
        .item(QStringLiteral("*.관장명 : ") + school.head)
        .item(QStringLiteral("*.전&nbsp;&nbsp;화 : ") + school.phone)
        .item(QStringLiteral("*.수련생 : ") + t.name)
        .item(QStringLiteral("*.작성일 : ") + db::dateText(today))
        .item(kHyphens87);

    auto dated = [](const char* date, int width, const char* text) {
        return [=](db::Query& q) {
            return kRowHead + pad(q.str(QString::fromUtf8(date)), width) + sp(2) + q.str(QString::fromUtf8(text));
        };
    };
    block(line, QStringLiteral("*.건의사항"), {nbsp(2) + QStringLiteral("건의일자") + nbsp(4) + QStringLiteral("건의내용")},
          rowsOf(QStringLiteral("SELECT TOP 12 * FROM T_건의사항 WHERE 회원번호 = :회원번호 ORDER BY 건의일자 desc, 순번 desc"), t.no,
                 dated("건의일자", 10, "건의사항")));
    block(line, QStringLiteral("*.생활기록"), {nbsp(2) + QStringLiteral("기록일자") + nbsp(4) + QStringLiteral("생활기록내용")},
          rowsOf(QStringLiteral("SELECT TOP 12 * FROM T_생활기록 WHERE 회원번호 = :회원번호 ORDER BY 기록일자 desc, 순번 desc"), t.no,
                 dated("기록일자", 10, "생활기록")));
    block(line, QStringLiteral("*.심사결과"),
          {nbsp(2) + QStringLiteral("승급일자") + nbsp(4) + QStringLiteral("심사명") + nbsp(3) + QStringLiteral("현급") + nbsp(4)
           + QStringLiteral("띠") + nbsp(5) + QStringLiteral("심사결과평가내용")},
          rowsOf(QStringLiteral("SELECT TOP 12 a.승급일자, a.심사명, b.급품명, b.띠색, a.심사결과평가내용 FROM T_심사 a LEFT JOIN "
                                "T_급품코드 b ON a.급품코드 = b.급품코드 WHERE a.회원번호 = :회원번호 ORDER BY a.승급일자 desc"),
                 t.no, [](db::Query& q) {
                     return kRowHead + pad(q.str(QStringLiteral("승급일자")), 12) + sp(2) + pad(whole(q.value(QStringLiteral("심사명"))), 5)
                            + sp(2) + pad(q.str(QStringLiteral("급품명")), 6) + pad(q.str(QStringLiteral("띠색")), 9)
                            + q.str(QStringLiteral("심사결과평가내용"));
                 }));
    {
        QStringList content;
        db::Query q(QStringLiteral("SELECT b.* FROM T_회원 a INNER JOIN T_급별수련내용 b ON a.급품코드 = b.급품코드 "
                                   "WHERE a.회원번호 = :회원번호"));
        q.bind(QStringLiteral("회원번호"), t.no);
        q.open();
        if (q.next())
            for (const char* c : {"기본예절", "기본동작", "품새", "발차기", "정신교육", "비고1", "비고2"})
                if (!q.isNull(QString::fromUtf8(c)))
                    content << QStringLiteral("&nbsp;.") + q.str(QString::fromUtf8(c));
        block(line, QStringLiteral("*.수련내용"), {}, content);
    }
    block(line, QStringLiteral("*.시상내역"),
          {nbsp(2) + QStringLiteral("시상일자") + nbsp(4) + QStringLiteral("시상명") + nbsp(4) + QStringLiteral("비   고")},
          rowsOf(QStringLiteral("SELECT TOP 12 a.지급일자, b.상장명, a.비고 FROM T_상장지급 a LEFT JOIN T_상장목록 b ON a.상장코드 = "
                                "b.상장코드 WHERE a.회원번호 = :회원번호 ORDER BY a.지급일자 desc,a.순번 desc"),
                 t.no, [](db::Query& q) {
                     return kRowHead + pad(q.str(QStringLiteral("지급일자")), 10) + sp(2) + pad(q.str(QStringLiteral("상장명")), 9)
                            + sp(1) + q.str(QStringLiteral("비고"));
                 }));
    fitnessBlock(line, t, today);
    block(line, QStringLiteral("*.출석현황"),
          {nbsp(2) + QStringLiteral("결석 일자") + nbsp(4) + QStringLiteral("결석사유") + nbsp(6) + QStringLiteral("비고")},
          rowsOf(QStringLiteral("SELECT TOP 12 a.결석일자, b.결석사유, a.비고 FROM T_결석 a LEFT JOIN T_결석사유 b ON a.결석사유코드 = "
                                "b.결석사유코드 WHERE a.회원번호 = :회원번호 ORDER BY a.결석일자 desc"),
                 t.no, [](db::Query& q) {
                     return kRowHead + pad(q.str(QStringLiteral("결석일자")), 11) + sp(2) + pad(q.str(QStringLiteral("결석사유")), 12)
                            + sp(2) + q.str(QStringLiteral("비고"));
                 }));
    block(line, QStringLiteral("*.수련비납부현황"),
          {nbsp(2) + QStringLiteral("납부일자") + nbsp(5) + QStringLiteral("납부월") + nbsp(5) + QStringLiteral("금액") + nbsp(7)
           + QStringLiteral("비고")},
          rowsOf(QStringLiteral("SELECT TOP 12 * FROM T_수련비납부 WHERE 회원번호 = :회원번호 ORDER BY 년월분 desc"), t.no,
                 [](db::Query& q) {
                     const QString month = q.str(QStringLiteral("년월분"));
                     return kRowHead + pad(q.str(QStringLiteral("납부일자")), 10) + sp(3) + pad(month.left(4) + u'-' + month.mid(4, 2), 7)
                            + sp(4) + pad(moneyText(q.integer(QStringLiteral("납부액"))), 9) + sp(2) + q.str(QStringLiteral("비고"));
                 }));
    block(line, QStringLiteral("*.뺏지지급현황"), {nbsp(2) + QStringLiteral("지급일자") + nbsp(4) + QStringLiteral("종  류")},
          rowsOf(QStringLiteral("SELECT TOP 12 a.지급일자, b.뱃지명 FROM T_뱃지지급 a LEFT JOIN T_뱃지항목 b ON a.뱃지코드 = b.뱃지코드 "
                                "WHERE a.회원번호 = :회원번호 ORDER BY a.지급일자 desc"),
                 t.no, dated("지급일자", 10, "뱃지명")));
    block(line, QStringLiteral("*.상벌점내역"),
          {nbsp(2) + QStringLiteral("상벌일자") + nbsp(4) + QStringLiteral("상벌내용") + nbsp(24) + QStringLiteral("점수") + nbsp(3)
           + QStringLiteral("당해년도: %1점,  누적: %2점").arg(pointsSum(t.no, today.year())).arg(pointsSum(t.no, 0))},
          rowsOf(QStringLiteral("SELECT TOP 12 a.벌점일자, d.벌점명, d.벌점수 FROM T_벌점 a LEFT JOIN T_벌점항목 d ON a.벌점코드 = "
                                "d.벌점코드 WHERE a.회원번호 = :회원번호 ORDER BY a.벌점일자 desc"),
                 t.no, [](db::Query& q) {
                     return kRowHead + pad(q.str(QStringLiteral("벌점일자")), 10) + sp(2) + pad(q.str(QStringLiteral("벌점명")), 30)
                            + sp(2) + whole(q.value(QStringLiteral("벌점수")));
                 }));
    block(line, QStringLiteral("*.집중도"),
          {nbsp(2) + QStringLiteral("구    분        시 각 집 중 도          청 각 집 중 도          종 합 집 중 도 "),
           nbsp(2) + QStringLiteral("측정일자    자신  나이  기간  전체  자신  나이  기간  전체  자신  나이  기간  전체")},
          rowsOf(QStringLiteral("SELECT TOP 12 * FROM T_집중도 WHERE 회원번호 = :회원번호 ORDER BY 측정일자 desc"), t.no,
                 [](db::Query& q) {
                     QString r = kRowHead + pad(q.str(QStringLiteral("측정일자")), 10);
                     for (const char* c : {"시각본인평균", "시각나이평균", "시각기간평균", "시각전체평균", "청각본인평균", "청각나이평균",
                                           "청각기간평균", "청각전체평균", "종합본인평균", "종합나이평균", "종합기간평균", "종합전체평균"})
                         r += padR(decimal(q.value(QString::fromUtf8(c))), 6);
                     return r;
                 }));
    block(line, QStringLiteral("*.행사참여현황"), {nbsp(2) + QStringLiteral("참가일자    행 사 명            비 고  ")},
          rowsOf(QStringLiteral("SELECT TOP 12 a.참가일자, b.행사명, a.비고 FROM T_행사참가 a LEFT JOIN T_행사목록 b ON a.행사코드 = "
                                "b.행사코드 WHERE a.회원번호 = :회원번호 ORDER BY a.참가일자 desc"),
                 t.no, [](db::Query& q) {
                     return kRowHead + pad(q.str(QStringLiteral("참가일자")), 10) + sp(2) + pad(q.str(QStringLiteral("행사명")), 20)
                            + q.str(QStringLiteral("비고"));
                 }));
    block(line, QStringLiteral("*.공지시항"), {nbsp(2) + QStringLiteral("공지 일자   공지내용")},
          rowsOf(QStringLiteral("SELECT TOP 12 * FROM T_심사평가공지사항 WHERE 회원번호 = :회원번호 ORDER BY 공지일자 desc"), t.no,
                 dated("공지일자", 10, "공지사항")));
    return line;
}

NoticeFile recordFile(const QList<Trainee>& ticked)
{
    NoticeFile file(QStringLiteral("수련생자료"));
    const NoticeFile::School school = NoticeFile::school();
    const QDate today = Clock::today();
    for (const Trainee& t : ticked)
        file.add(recordLine(t, school, today));
    return file;
}

NoticeFile newsletterFile(const QList<Trainee>& ticked)
{
    NoticeFile file(QStringLiteral("통신문"));
    const NoticeFile::School school = NoticeFile::school();
    const QString today = Clock::todayText();
    for (const Trainee& t : ticked) {
        NoticeLine rest;
        rest.of(memberLabel(t)).item(kHyphens35)
            .item(QStringLiteral("* 도장명 : ") + school.name)
            .item(QStringLiteral("* 관장명 : ") + school.head)
            .item(QStringLiteral("* 전&nbsp;&nbsp;&nbsp;화 : ") + school.phone)
            .item(QStringLiteral("* 수련생 : ") + t.name)
            .item(QStringLiteral("* 작성일 : ") + today)
            .item(kHyphens35)
            .piece(t.mobile.trimmed());
        file.addRecipient(t.email, rest);
    }
    return file;
}

NoticeFile smsFile(const QList<Trainee>& ticked)
{
    NoticeFile file(QStringLiteral("SMS"), QStringLiteral("SMS전송"));
    for (const Trainee& t : ticked) {
        NoticeLine line;
        line.of(memberLabel(t)).item(t.name.trimmed()).piece(t.mobile.trimmed());
        file.add(line);
    }
    return file;
}

} // namespace UploadFiles
