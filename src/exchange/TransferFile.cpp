#include "exchange/TransferFile.h"

#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/MemberNumber.h"
#include "db/MemberStatus.h"
#include "stats/MovementCounter.h"
#include "text/Cp949.h"
#include "text/Money.h"

#include <QDir>
#include <cmath>

namespace {
using K = TransferFile::Kind;

const QString kMember = QStringLiteral("T_회원");
const QByteArray kNullDate("NULL      ");
constexpr int kDateWidth = 10;

TransferFile::Section section(const char* table, std::initializer_list<TransferFile::Field> fields)
{
    return {QString::fromUtf8(table), QList<TransferFile::Field>(fields)};
}

TransferFile::Field f(const char* column, int width, K kind = K::Text)
{
    return {QString::fromUtf8(column), width, kind};
}
TransferFile::Field date(const char* column, K kind = K::Date) { return f(column, kDateWidth, kind); }
TransferFile::Field num(const char* column, int width = 13) { return f(column, width, K::Number); }

QList<TransferFile::Section> makeSections()
{
    QList<TransferFile::Section> s;
    s << section("T_회원",
                 {f("회원명", 10), f("회원명영", 30), f("회원명한문", 10), f("성별", 2), f("부별코드", 2), f("급품코드", 2),
                  f("주민등록번호", 14), f("양력음력", 2), date("생년월일"), f("지역코드", 1, K::AreaZero), date("최초입관일"),
                  date("입관일", K::NullDate), date("퇴관일", K::NullDate), date("휴관일", K::NullDate),
                  f("휴관사유코드", 2, K::BlankCode), f("퇴관사유코드", 2, K::BlankCode), date("복관일휴", K::NullDate),
                  date("복관일퇴", K::NullDate), f("전화번호", 9), f("우편번호", 7), f("주소", 50), f("학교", 20), f("학년", 10),
                  f("반", 2), f("타학원수강", 200), f("기타사항", 255), num("납부일자", 3), f("입관동기코드", 2),
                  date("최종휴관일", K::NullDate), date("최종퇴관일", K::NullDate), f("최종휴관사유코드", 2, K::BlankCode),
                  f("최종퇴관사유코드", 2, K::BlankCode), num("수련비"), f("납부은행", 10, K::BlankCode),
                  f("코스코드", 1, K::BlankCode), f("장소코드", 2, K::BlankCode), f("시간", 5, K::BlankCode)});
    s << section("T_가족사항", {num("순번"), f("관계", 8), f("성명", 20), date("생일"), f("양력음력", 2), f("직업", 20),
                               f("비고", 255), date("결혼기념일")});
    s << section("T_건의사항", {num("순번"), date("건의일자"), f("건의사항", 255)});
    s << section("T_결석", {date("결석일자"), f("결석사유코드", 2), f("비고", 255), f("비고2", 255)});
    s << section("T_뱃지지급", {f("뱃지코드", 2), date("지급일자")});
    s << section("T_벌점", {num("순번"), date("벌점일자"), f("벌점코드", 2), f("비고2", 255)});
    s << section("T_상장지급", {date("지급일자"), f("상장코드", 2), num("순번"), f("비고", 255), f("비고2", 255)});
    s << section("T_생활기록", {num("순번"), date("기록일자"), f("생활기록", 255)});
    s << section("T_심사", {date("승급일자"), num("심사명"), f("심사구분", 6), f("단증번호", 8), date("심사일자"), f("급품코드", 2),
                           num("E1"), num("E2"), num("E3"), num("E4"), num("E5"), num("E6"), num("출석률"), num("승벌점"),
                           num("평균"), f("평가", 10), f("심사결과평가내용", 255)});
    s << section("T_집중도", {date("측정일자"), num("시각본인평균"), num("시각나이평균"), num("시각기간평균"), num("시각전체평균"),
                             num("청각본인평균"), num("청각나이평균"), num("청각기간평균"), num("청각전체평균"),
                             num("종합본인평균"), num("종합나이평균"), num("종합기간평균"), num("종합전체평균")});
    s << section("T_체력측정", {date("측정일자"), num("A01"), num("A02"), num("A03"), num("A04"), num("A05"), num("A06"),
                               num("A07"), num("A08"), num("A09"), num("A10"), num("A11"), num("A12"), num("비만도")});
    s << section("T_행사참가", {num("순번"), date("참가일자"), f("행사코드", 2), f("비고", 255), f("비고2", 25)});
    return s;
}

bool isDigits(const QByteArray& b)
{
    if (b.isEmpty())
        return false;
    for (char c : b)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// One field read back; false when it is not what its kind allows.
bool readField(const QByteArray& raw, const TransferFile::Field& f, QVariant* out)
{
    switch (f.kind) {
    case K::Date:
    case K::NullDate: {
        if (raw == kNullDate) {
            *out = QVariant();
            return true;
        }
        if (raw.size() != kDateWidth || raw[4] != '-' || raw[7] != '-' || !isDigits(raw.left(4)) || !isDigits(raw.mid(5, 2))
            || !isDigits(raw.mid(8, 2)))
            return false;
        const QDate d(raw.left(4).toInt(), raw.mid(5, 2).toInt(), raw.mid(8, 2).toInt());
        if (!d.isValid())
            return false;
        *out = d == QDate(1899, 12, 30) ? QVariant() : QVariant(QString::fromLatin1(raw));
        return true;
    }
    case K::Number:
    case K::AreaZero: {
        const QByteArray t = raw.trimmed();
        if (t.isEmpty()) {
            *out = QVariant();
            return true;
        }
        const QByteArray digits = t.startsWith('-') ? t.mid(1) : t;
        if (!isDigits(digits))
            return false;
        *out = t.toLongLong();
        return true;
    }
    case K::Text:
    case K::BlankCode: {
        QString text;
        if (!cp949::decodeStrict(raw, &text))
            return false;
        text = text.trimmed();
        *out = text.isEmpty() ? QVariant() : QVariant(text);
        return true;
    }
    }
    return false;
}

QString lineWhere(const QString& table, int line) { return QStringLiteral("%1 %2번째 줄").arg(table).arg(line); }
QString headerWhere(const QString& table) { return table + QStringLiteral(" 머리줄"); }

// Thrown while importing a section line that the database refuses (a key twice, a missing 순번).
struct LineRefused {
    QString where;
};

void insertRow(const QString& table, const QStringList& columns, const QVariantList& values)
{
    QStringList names;
    for (int i = 0; i < columns.size(); ++i)
        names << QStringLiteral(":v%1").arg(i);
    db::Query q;
    q << "INSERT INTO " << table << " (" << columns.join(u',') << ") VALUES (" << names.join(u',') << ")";
    for (int i = 0; i < values.size(); ++i)
        q.bind(QStringLiteral("v%1").arg(i), values[i]);
    q.exec();
}
} // namespace

int TransferFile::Section::lineLength() const
{
    int n = int(fields.size()) - 1;
    for (const Field& x : fields)
        n += x.width;
    return n;
}

const QList<TransferFile::Section>& TransferFile::sections()
{
    static const QList<Section> s = makeSections();
    return s;
}

qint64 TransferFile::roundHalfEven(double v)
{
    const double r = std::nearbyint(v); // the default rounding mode: halves to even
    return qint64(r);
}

QByteArray TransferFile::field(const QVariant& value, const Field& f)
{
    switch (f.kind) {
    case Kind::AreaZero:
        return cp949::fixed(QStringLiteral("0"), f.width);
    case Kind::NullDate:
        return kNullDate;
    case Kind::BlankCode:
        return QByteArray(f.width, ' ');
    case Kind::Date: {
        const QDate d = db::parseDate(value);
        if (!d.isValid() || d == QDate(1899, 12, 30))
            return kNullDate;
        return db::dateText(d).toLatin1();
    }
    case Kind::Number: {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (value.isNull() || !ok || !std::isfinite(v))
            return QByteArray(f.width, ' ');
        return cp949::fixed(QString::number(roundHalfEven(v)), f.width);
    }
    case Kind::Text:
        break;
    }
    return cp949::fixed(value.toString(), f.width);
}

QList<QStringList> TransferFile::withdrawnMembers(const QString& name, const QDate& withdrawnOn)
{
    db::Query q;
    q << " SELECT    a.회원번호,  a.회원명,  a.입관일, b.부명,a.주민등록번호 "
      << " FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
      << " WHERE " << MemberStatus::withdrawn(QStringLiteral("a"))
      << " AND   a.회원명 LIKE :회원명 ESCAPE '\\' ";
    q.bind(QStringLiteral("회원명"), db::likeLiteral(name.trimmed()) + u'%');
    if (withdrawnOn.isValid()) {
        q << " AND a.퇴관일 =:퇴관일 ";
        q.bind(QStringLiteral("퇴관일"), db::dateText(withdrawnOn));
    }
    q << " ORDER BY a.부별코드,a.회원명 ";
    q.open();
    QList<QStringList> rows;
    while (q.next())
        rows << QStringList{q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명")), q.str(QStringLiteral("입관일")),
                            q.str(QStringLiteral("부명")), q.str(QStringLiteral("주민등록번호"))};
    return rows;
}

QByteArray TransferFile::build(const QString& memberNo, cp949::Losses* losses)
{
    QByteArray out;
    QString who = memberNo;
    for (const Section& s : sections()) {
        db::Query q;
        q << "SELECT * FROM " << s.table << " WHERE 회원번호 = :회원번호 ORDER BY " << s.fields.first().column;
        q.bind(QStringLiteral("회원번호"), memberNo);
        q.open();
        QByteArray lines;
        int count = 0;
        while (q.next()) {
            QByteArrayList parts;
            if (s.table == kMember)
                who = QStringLiteral("%1(%2)").arg(q.str(QStringLiteral("회원명")).trimmed(), memberNo);
            for (const Field& x : s.fields) {
                parts << field(q.value(x.column), x);
                if (losses && x.kind == Kind::Text)
                    losses->check(who, s.table == kMember ? x.column : s.table + u' ' + x.column, q.str(x.column));
            }
            lines += parts.join(',') + "\r\n";
            ++count;
        }
        out += cp949::encode(s.table) + ',' + QByteArray::number(count) + "\r\n" + lines;
    }
    return out;
}

QString TransferFile::exportPath(const QString& residentNo, const QString& name)
{
    const QString base = QString(residentNo).remove(u'-').trimmed() + name.trimmed();
    return ProgramDir::file(QStringLiteral("퇴관자료/") + cp949::fileNamePart(base) + QStringLiteral(".txt"));
}

bool TransferFile::exportMembers(const QStringList& memberNos, QString* error, cp949::Losses* losses)
{
    for (const QString& no : memberNos) {
        db::Query q(QStringLiteral("SELECT 회원명, 주민등록번호 FROM T_회원 WHERE 회원번호 = :회원번호"));
        q.bind(QStringLiteral("회원번호"), no);
        q.open();
        if (!q.next())
            continue;
        const QString path = exportPath(q.str(QStringLiteral("주민등록번호")), q.str(QStringLiteral("회원명")));
        if (!cp949::writeFileAtomic(path, build(no, losses), error))
            return false;
    }
    return true;
}

TransferFile::Parsed TransferFile::parse(const QByteArray& bytes)
{
    Parsed p;
    if (bytes.isEmpty()) {
        p.outcome = Outcome::Empty;
        return p;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    int at = 0;
    // The next line without its CR; false when the file has no more lines or a line lacks its CR.
    auto nextLine = [&](QByteArray* line) {
        while (at < lines.size()) {
            QByteArray l = lines[at++];
            const bool last = at == lines.size();
            if (!last) {
                if (!l.endsWith('\r'))
                    return false;
                l.chop(1);
            }
            *line = l;
            return true;
        }
        return false;
    };

    // The first line tells a transfer file, whatever its line ends: one written with LF alone is a
    // damaged transfer file, not some other file.
    QByteArray first = lines.first();
    if (first.endsWith('\r'))
        first.chop(1);
    if (cp949::decode(first.left(6)).trimmed() != kMember) {
        p.outcome = Outcome::NotTransfer;
        return p;
    }
    const bool crlf = lines.size() > 1 && lines.first().endsWith('\r');
    QByteArray line;
    at = 0;
    p.outcome = Outcome::Damaged;
    const QList<Section>& all = sections();
    for (int si = 0; si < all.size(); ++si) {
        const Section& s = all[si];
        const QByteArray head = cp949::encode(s.table) + ',';
        if (!nextLine(&line) || !line.startsWith(head)) {
            p.where = headerWhere(s.table) + (crlf ? QString() : QStringLiteral(" (줄 끝이 CR LF가 아닙니다)"));
            return p;
        }
        const QByteArray countText = line.mid(head.size());
        if (!isDigits(countText) || countText.size() > 9) {
            p.where = headerWhere(s.table);
            return p;
        }
        const int count = countText.toInt();
        if (si == 0 && count == 0) {
            p.outcome = Outcome::NoMember;
            return p;
        }
        if (si == 0 && count != 1) {
            p.where = headerWhere(s.table);
            return p;
        }
        const int length = s.lineLength();
        QList<QVariantList> rows;
        for (int r = 1; r <= count; ++r) {
            p.where = lineWhere(s.table, r);
            if (!nextLine(&line) || line.size() != length)
                return p;
            QVariantList values;
            int pos = 0;
            for (int fi = 0; fi < s.fields.size(); ++fi) {
                const Field& x = s.fields[fi];
                if (fi > 0) {
                    if (line[pos] != ',')
                        return p;
                    ++pos;
                }
                QVariant v;
                if (!readField(line.mid(pos, x.width), x, &v))
                    return p;
                values << v;
                pos += x.width;
            }
            rows << values;
        }
        p.sections << rows;
    }
    // Nothing but line ends after the last section.
    while (at < lines.size()) {
        const QByteArray rest = lines[at++];
        if (!rest.isEmpty() && rest != "\r") {
            p.where = QStringLiteral("%1 뒤").arg(all.last().table);
            return p;
        }
    }
    p.where.clear();
    p.outcome = Outcome::Imported;
    return p;
}

namespace {

// The value of a member-section column in a parsed file.
QVariant memberValue(const TransferFile::Parsed& p, const QString& column)
{
    const QList<TransferFile::Field>& fields = TransferFile::sections().first().fields;
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].column == column)
            return p.sections.value(0).value(0).value(i);
    return {};
}

// A fee a school could charge for a month, in won.
constexpr qint64 kMaxFee = 99'999'999;

} // namespace

QString TransferFile::memberProblem(const Parsed& p)
{
    if (memberValue(p, QStringLiteral("회원명")).toString().trimmed().isEmpty())
        return QStringLiteral("회원명이 없습니다");
    const QVariant fee = memberValue(p, QStringLiteral("수련비"));
    if (!fee.isNull() && (fee.toLongLong() < 0 || fee.toLongLong() > kMaxFee))
        return QStringLiteral("수련비 %1원은 0원에서 %2원 사이가 아닙니다").arg(moneyText(fee.toLongLong()), moneyText(kMaxFee));
    const QVariant day = memberValue(p, QStringLiteral("납부일자"));
    if (!day.isNull() && (day.toLongLong() < 1 || day.toLongLong() > 31))
        return QStringLiteral("납부일자 %1 은(는) 1에서 31 사이가 아닙니다").arg(day.toLongLong());
    return {};
}

QStringList TransferFile::unknownCodes(const Parsed& p)
{
    QStringList out;
    const QString sex = memberValue(p, QStringLiteral("성별")).toString();
    if (!sex.isEmpty() && sex != QStringLiteral("남") && sex != QStringLiteral("여"))
        out << QStringLiteral("성별 '%1'").arg(sex);
    const struct {
        const char16_t* column;
        const char16_t* label;
        const char16_t* table;
        const char16_t* key;
    } codes[] = {{u"부별코드", u"부별코드", u"T_부별코드", u"부별코드"},
                 {u"급품코드", u"급품코드", u"T_급품코드", u"급품코드"},
                 {u"입관동기코드", u"입관동기코드", u"T_입관동기", u"사유코드"}};
    for (const auto& c : codes) {
        const QString code = memberValue(p, QString::fromUtf16(c.column)).toString();
        if (code.isEmpty())
            continue;
        if (db::scalar(QStringLiteral("SELECT Count(*) FROM %1 WHERE %2 = :code").arg(QString::fromUtf16(c.table), QString::fromUtf16(c.key)),
                       {{QStringLiteral("code"), code}})
                .toInt()
            == 0)
            out << QStringLiteral("%1 '%2'").arg(QString::fromUtf16(c.label), code);
    }
    return out;
}

TransferFile::Result TransferFile::import(const QByteArray& bytes, bool acceptUnknownCodes)
{
    Result r;
    const Parsed p = parse(bytes);
    r.outcome = p.outcome;
    switch (p.outcome) {
    case Outcome::Empty:
        r.message = QStringLiteral("파일에 입관 자료가 존재하지 않습니다.");
        return r;
    case Outcome::NotTransfer:
        r.message = QStringLiteral("입관자료 파일인지 확인하세요.");
        return r;
    case Outcome::NoMember:
        r.message = QStringLiteral("입관자료가 존재하지 않는 파일입니다.");
        return r;
    case Outcome::Damaged:
        r.message = QStringLiteral("입관자료 파일이 손상되었습니다: ") + p.where;
        return r;
    case Outcome::Imported:
    case Outcome::Failed:
    case Outcome::UnknownCodes:
        break;
    }

    if (const QString bad = memberProblem(p); !bad.isEmpty()) {
        r.outcome = Outcome::Damaged;
        r.message = QStringLiteral("입관자료 파일이 손상되었습니다: ") + lineWhere(kMember, 1) + QStringLiteral(" (") + bad + u')';
        return r;
    }
    if (const QStringList codes = unknownCodes(p); !codes.isEmpty() && !acceptUnknownCodes) {
        r.outcome = Outcome::UnknownCodes;
        r.message = QStringLiteral("이 도장에 없는 코드가 있습니다:\n") + codes.join(u'\n')
            + QStringLiteral("\n\n코드가 없으면 이 회원은 부별, 급품별 목록에 나오지 않습니다.");
        return r;
    }

    const QList<Section>& all = sections();
    const QDate today = Clock::today();
    try {
        db::Transaction tx;
        QString why;
        const QString no = MemberNumber::next(today, &why);
        if (no.isEmpty()) {
            r.outcome = Outcome::Failed;
            r.message = why;
            return r;
        }
        const QVariantList& member = p.sections[0][0];
        QString motive;
        {
            QStringList columns{QStringLiteral("회원번호")};
            QVariantList values{no};
            const Section& s = all[0];
            for (int i = 0; i < s.fields.size(); ++i) {
                const Field& x = s.fields[i];
                columns << x.column;
                if (x.column == QStringLiteral("입관일"))
                    values << db::dateText(today);
                else if (x.kind == Kind::NullDate || x.kind == Kind::BlankCode)
                    values << QVariant();
                else
                    values << member[i];
                if (x.column == QStringLiteral("회원명"))
                    r.name = member[i].toString();
                if (x.column == QStringLiteral("입관동기코드"))
                    motive = member[i].toString();
            }
            try {
                insertRow(kMember, columns, values);
            } catch (const db::Error&) {
                throw LineRefused{lineWhere(kMember, 1)};
            }
        }
        for (int si = 1; si < all.size(); ++si) {
            const Section& s = all[si];
            QStringList columns{QStringLiteral("회원번호")};
            for (const Field& x : s.fields)
                columns << x.column;
            for (int li = 0; li < p.sections[si].size(); ++li) {
                QVariantList values{no};
                values << p.sections[si][li];
                try {
                    insertRow(s.table, columns, values);
                } catch (const db::Error&) {
                    throw LineRefused{lineWhere(s.table, li + 1)};
                }
            }
        }
        MovementCounter::countEnrolment(no, today, motive);
        tx.commit();
        r.memberNo = no;
        r.outcome = Outcome::Imported;
        r.message = QStringLiteral("입관 처리가 되었습니다.");
    } catch (const LineRefused& e) {
        r.outcome = Outcome::Damaged;
        r.message = QStringLiteral("입관자료 파일이 손상되었습니다: ") + e.where;
    } catch (const db::Error& e) {
        r.outcome = Outcome::Failed;
        r.message = QStringLiteral("저장 에러 입니다.\n") + e.message();
    }
    return r;
}
