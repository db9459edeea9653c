#include "exams/NationalForm.h"

#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "report/Report.h"
#include "text/Cp949.h"

#include <QRegularExpression>

namespace NationalForm {

namespace {

const QString kZeroDate = QStringLiteral("1899-12-30");

// The ranks of the online record in the order of their codes: the held code is the position, the
// applied-for code one more.
const QStringList& recordRanks()
{
    static const QStringList r = {QStringLiteral("단보"), QStringLiteral("2품단보"), QStringLiteral("3품단보"),
                                  QStringLiteral("4품단보"), QStringLiteral("5단"),    QStringLiteral("6단"),
                                  QStringLiteral("7단"),     QStringLiteral("8단"),    QStringLiteral("9단"),
                                  QStringLiteral("10단")};
    return r;
}

QString blankFree(const QString& s)
{
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    return QString(s).remove(blanks).trimmed();
}

bool isDate(const QString& d) { return db::parseDate(d).isValid() && !d.startsWith(kZeroDate); }

// "2010 년 03 월 05 일"
QString longDate(const QString& d)
{
    const QDate x = db::parseDate(d);
    if (!isDate(d))
        return QString();
    return QStringLiteral("%1 년 %2 월 %3 일").arg(x.year()).arg(x.month(), 2, 10, QChar(u'0')).arg(x.day(), 2, 10, QChar(u'0'));
}

struct School {
    QString name, group, phone, head, certificate, district, dan, association;
};

School readSchool(bool blankFreeValues)
{
    School s;
    db::Query q(QStringLiteral(" SELECT 도장명,단체가입번호,전화번호,관장명,단증번호,구,단,태권도협회 from t_도장정보"));
    q.open();
    if (q.next()) {
        auto v = [&](const char* c) {
            const QString t = q.str(QString::fromUtf8(c));
            return blankFreeValues ? blankFree(t) : t.trimmed();
        };
        s = {v("도장명"), v("단체가입번호"), v("전화번호"), v("관장명"), v("단증번호"), v("구"), v("단"), v("태권도협회")};
    }
    return s;
}

// The member's certified applications (a certificate number present): the certificate and rank of the
// latest one, and the date of the one of the highest rank.
struct Certified {
    QString certificate, rankName, highestDate;
};

Certified certified(const QString& no)
{
    Certified c;
    db::Query latest(QStringLiteral("Select a.단증번호, c.급품명 From T_국기원승품 a LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "
                                    "Where a.회원번호= :no AND a.단증번호 <> '' "
                                    "AND a.심사일자 = (select MAX(b.심사일자) from T_국기원승품 b "
                                    "WHERE a.회원번호 = b.회원번호 and b.단증번호 <> '') "
                                    "ORDER BY a.급품코드 DESC"));
    latest.bind(QStringLiteral("no"), no).open();
    if (latest.next()) {
        c.certificate = latest.str(QStringLiteral("단증번호")).trimmed();
        c.rankName = latest.str(QStringLiteral("급품명")).trimmed();
    }
    db::Query highest(QStringLiteral("SELECT a.심사일자 FROM T_국기원승품 a "
                                     "WHERE a.회원번호= :no AND a.단증번호 <> '' "
                                     "AND a.급품코드 = (Select Max(급품코드) from T_국기원승품 b "
                                     "Where b.회원번호 = a.회원번호 and b.단증번호 <> '')"));
    highest.bind(QStringLiteral("no"), no).open();
    if (highest.next())
        c.highestDate = highest.str(QStringLiteral("심사일자")).left(10);
    return c;
}

struct Member {
    QString name, nameHanja, nameLatin, resident, sex, postcode, address, birth;
};

Member readMember(const QString& no)
{
    Member m;
    db::Query q(QStringLiteral("SELECT a.* FROM T_회원 a WHERE a.회원번호 =:회원번호 "));
    q.bind(QStringLiteral("회원번호"), no).open();
    if (q.next()) {
        auto v = [&](const char* c) { return q.str(QString::fromUtf8(c)).trimmed(); };
        m = {v("회원명"), v("회원명한문"), v("회원명영"), v("주민등록번호"), v("성별"), v("우편번호"), v("주소"), v("생년월일").left(10)};
    }
    return m;
}

// The rank name of the applicant's register row of this examination.
QString appliedRankName(const Applicant& a, const QString& examNo)
{
    db::Query q(QStringLiteral("Select c.급품명 From T_국기원승품 a INNER JOIN T_급품코드 c ON a.급품코드 = c.급품코드 "
                               "Where a.심사명 = :exam and a.회원번호 = :no "));
    q.bind(QStringLiteral("exam"), examNo.trimmed().toLongLong()).bind(QStringLiteral("no"), a.memberNo).open();
    return q.next() ? q.str(QStringLiteral("급품명")).trimmed() : a.rankName.trimmed();
}

} // namespace

namespace {
// The poom candidates as the form names them, "" for other ranks.
QString poomText(const QString& n)
{
    static const QStringList poom = {QStringLiteral("단보"), QStringLiteral("2품단보"), QStringLiteral("3품단보")};
    const int i = int(poom.indexOf(n));
    return i < 0 ? QString() : QStringLiteral("%1품(단)").arg(i + 1);
}
} // namespace

QString heldRankText(const QString& rankName)
{
    const QString n = rankName.trimmed();
    if (!poomText(n).isEmpty())
        return poomText(n);
    if (n == QStringLiteral("4품단보") || n == QStringLiteral("4단"))
        return QStringLiteral("4품(단)");
    return n;
}

QString appliedRankText(const QString& rankName)
{
    const QString n = rankName.trimmed();
    if (!poomText(n).isEmpty())
        return poomText(n);
    if (n == QStringLiteral("4품단보"))
        return QStringLiteral("4단");
    static const QRegularExpression dan(QStringLiteral("^([4-9])단$"));
    const auto m = dan.match(n);
    return m.hasMatch() ? QStringLiteral("%1단").arg(m.captured(1).toInt() + 1) : QString();
}

QString heldRankCode(const QString& rankName)
{
    const int i = int(recordRanks().indexOf(rankName.trimmed()));
    return i < 0 ? QString() : QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'));
}

QString appliedRankCode(const QString& rankName)
{
    const int i = int(recordRanks().indexOf(rankName.trimmed()));
    return i < 0 ? QString() : QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
}

QString danCode(const QString& dan)
{
    const QString d = dan.trimmed();
    if (!d.endsWith(u'단'))
        return QStringLiteral("  ");
    return QStringLiteral("%1").arg(d.chopped(1).trimmed().toInt(), 2, 10, QChar(u'0'));
}

QString category(const QString& rankName, const QString& birthDate, int thisYear)
{
    static const QStringList poom = {QStringLiteral("단보"), QStringLiteral("2품단보"), QStringLiteral("3품단보"),
                                     QStringLiteral("4품단보")};
    const int age = isDate(birthDate) ? thisYear - db::parseDate(birthDate).year() + 1 : 0;
    return poom.contains(rankName.trimmed()) && age <= 14 ? QStringLiteral("1") : QStringLiteral("2");
}

int fillForm(const QList<Applicant>& rows, const QString& examNo, const QDate& applied, report::PrintJob& job)
{
    const School school = readSchool(false);
    const QString appliedText = longDate(db::dateText(applied));
    int n = 0;
    for (const Applicant& a : rows) {
        const Member m = readMember(a.memberNo);
        const Certified c = certified(a.memberNo);
        const bool male = m.sex == QStringLiteral("남");
        const QString held = c.rankName.isEmpty() ? QString() : heldRankText(c.rankName);
        const QString birth = longDate(m.birth);
        job.add({{QStringLiteral("seqno"), ++n},
                 {QStringLiteral("F01"), c.certificate},
                 {QStringLiteral("F02"), m.address},
                 {QStringLiteral("F03"), m.name},
                 {QStringLiteral("F04"), m.nameHanja},
                 {QStringLiteral("F05"), m.nameLatin},
                 {QStringLiteral("F06"), birth.isEmpty() ? QString() : birth + u' '},
                 {QStringLiteral("F07"), m.resident},
                 {QStringLiteral("F08"), male ? QVariant(QStringLiteral("【 ")) : QVariant()},
                 {QStringLiteral("F09"), male ? QVariant(QStringLiteral("】")) : QVariant()},
                 {QStringLiteral("F10"), male ? QVariant() : QVariant(QStringLiteral("【 "))},
                 {QStringLiteral("F11"), male ? QVariant() : QVariant(QStringLiteral("】"))},
                 {QStringLiteral("F12"), held},
                 {QStringLiteral("F13"), held.isEmpty() ? QString() : longDate(c.highestDate)},
                 {QStringLiteral("F14"), appliedRankText(appliedRankName(a, examNo))},
                 {QStringLiteral("F15"), m.name},
                 {QStringLiteral("F16"), appliedText},
                 {QStringLiteral("F17"), school.name},
                 {QStringLiteral("F18"), school.phone},
                 {QStringLiteral("F19"), school.head},
                 {QStringLiteral("F20"), school.dan + QStringLiteral(" - ") + school.certificate},
                 {QStringLiteral("F21"), school.district},
                 {QStringLiteral("F22"), school.association}});
    }
    return n;
}

bool printForm(const QList<Applicant>& rows, const QString& examNo, const QDate& applied, int destination, QWidget* parent)
{
    report::PrintJob job;
    fillForm(rows, examNo, applied, job);
    return job.run(QStringLiteral("심사신청서.rpt"), QStringLiteral("심사신청서"), destination, parent);
}

OnlineFile onlineFile(const QList<Applicant>& rows, const QString& examNo, const QString& year)
{
    const School s = readSchool(true);
    OnlineFile out;
    // At most that many bytes: a short value is not padded, a syllable that does not fit is left out.
    auto head = [](const QString& t, int bytes) { return cp949::cut(t, bytes); };
    out.path = ProgramDir::file(QStringLiteral("심사접수/")) + head(s.name, 4) + u'-' + head(s.head, 6) + u'-' +
               head(s.district, 6) + u'-' + year + u'-' + examNo.trimmed() + QStringLiteral(".txt");
    out.bytes = cp949::encode(QStringLiteral("심사접수")) + "\r\n";
    const int thisYear = Clock::today().year();
    const QString exam = QStringLiteral("%1").arg(examNo.trimmed().toLongLong(), 4, 10, QChar(u'0'));
    bool first = true;
    for (const Applicant& a : rows) {
        const Member m = readMember(a.memberNo);
        const Certified c = certified(a.memberNo);
        const QString rank = a.rankName.trimmed();
        QString held = heldRankCode(rank), applied = appliedRankCode(rank);
        if (held.isEmpty())
            out.unmapped << a.name;
        const QString highest = isDate(c.highestDate) ? db::parseDate(c.highestDate).toString(QStringLiteral("yyyyMMdd")) : QString();
        QByteArray r;
        r += cp949::fixed(m.name, 12);
        r += cp949::fixed(m.nameHanja, 12);
        r += cp949::fixed(m.nameLatin, 20);
        r += cp949::fixed(m.resident.mid(0, 6), 6);
        r += cp949::fixed(m.resident.mid(7, 7), 7);
        r += m.sex == QStringLiteral("남") ? "1" : "2";
        r += cp949::fixed(m.postcode, 7);
        r += QByteArray(30, ' ');
        r += cp949::fixed(s.name, 50);
        r += cp949::fixed(s.group, 8);
        r += cp949::fixed(s.phone, 16);
        r += cp949::fixed(s.head, 12);
        r += cp949::fixed(s.certificate, 8);
        r += cp949::fixed(s.district, 30);
        r += cp949::fixed(held, 2);
        r += cp949::fixed(c.certificate, 8);
        r += cp949::fixed(highest, 8);
        r += cp949::fixed(applied, 2);
        r += cp949::fixed(exam, 4);
        r += cp949::fixed(danCode(s.dan), 2);
        r += cp949::fixed(m.address, 50);
        r += cp949::fixed(category(rank, m.birth, thisYear), 1);
        r += cp949::fixed(isDate(m.birth) ? m.birth : QString(), 10);
        if (!first)
            out.bytes += "\r\n";
        out.bytes += r;
        first = false;
    }
    return out;
}

bool writeOnlineFile(const OnlineFile& file, QString* error) { return cp949::writeFileAtomic(file.path, file.bytes, error); }

} // namespace NationalForm
