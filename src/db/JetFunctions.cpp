// The Jet functions the statements call: registered on every SQLite connection, and the same
// conversions for C++ code that must give the results a statement gives.
#include "db/JetSql.h"

#include "db/Clock.h"

#include <QDate>
#include <QRegularExpression>
#include <QVariant>
#include <cmath>
#include <sqlite3.h>

namespace db {

namespace {

QVariant fromValue(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_value_int64(v)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_value_double(v));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v)));
    }
}

QString numberText(double d)
{
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    QString s = QString::number(d, 'g', 15);
    return s;
}

QString asText(const QVariant& v)
{
    if (v.typeId() == QMetaType::Double)
        return numberText(v.toDouble());
    return v.toString();
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), b.size(), SQLITE_TRANSIENT);
}

void resultNumber(sqlite3_context* ctx, double d)
{
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9e18)
        sqlite3_result_int64(ctx, qint64(d));
    else
        sqlite3_result_double(ctx, d);
}

double toNumber(const QVariant& v)
{
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int)
        return v.toDouble();
    return jet::val(v.toString());
}

QDate toDate(const QVariant& v)
{
    const QString s = v.toString().trimmed();
    QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid() && s.size() == 8)
        d = QDate::fromString(s, QStringLiteral("yyyyMMdd"));
    return d;
}

#define ARGS QList<QVariant> a; for (int k = 0; k < argc; ++k) a.append(fromValue(argv[k]));

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    ARGS
    if (a[0].isNull()) return sqlite3_result_null(ctx);
    const QString s = asText(a[0]);
    const int start = qMax(1, int(toNumber(a[1])));
    const int len = argc > 2 ? int(toNumber(a[2])) : s.size();
    resultText(ctx, s.mid(start - 1, qMax(0, len)));
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant s = fromValue(argv[0]);
    if (s.isNull()) return sqlite3_result_null(ctx);
    resultText(ctx, asText(s).left(qMax(0, int(toNumber(fromValue(argv[1]))))));
}

void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant s = fromValue(argv[0]);
    if (s.isNull()) return sqlite3_result_null(ctx);
    resultText(ctx, asText(s).right(qMax(0, int(toNumber(fromValue(argv[1]))))));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant s = fromValue(argv[0]);
    if (s.isNull()) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, asText(s).size());
}

void fnVal(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant s = fromValue(argv[0]);
    if (s.isNull()) return sqlite3_result_null(ctx);
    resultNumber(ctx, toNumber(s));
}

void fnStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant s = fromValue(argv[0]);
    if (s.isNull()) return sqlite3_result_null(ctx);
    resultText(ctx, jet::str(toNumber(s)));
}

void fnFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    resultText(ctx, jet::format(v, argc > 1 ? asText(fromValue(argv[1])) : QString()));
}

// Jet's "+": null gives null, two texts join, otherwise the values add as numbers ('1' + 2 = 3).
void fnPlus(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB, textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
    if (textA && textB)
        return resultText(ctx, asText(fromValue(argv[0])) + asText(fromValue(argv[1])));
    if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER) {
        qint64 sum = 0;
        if (!__builtin_add_overflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), &sum))
            return sqlite3_result_int64(ctx, sum);
    }
    const double sum = toNumber(fromValue(argv[0])) + toNumber(fromValue(argv[1]));
    if (ta == SQLITE_FLOAT || tb == SQLITE_FLOAT)
        return sqlite3_result_double(ctx, sum);
    resultNumber(ctx, sum);
}

void fnIsNull(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_int(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? 1 : 0);
}

void datePart(sqlite3_context* ctx, sqlite3_value* arg, int part)
{
    const QVariant v = fromValue(arg);
    if (v.isNull()) return sqlite3_result_null(ctx);
    const QDate d = toDate(v);
    if (!d.isValid()) return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, part == 0 ? d.year() : part == 1 ? d.month() : d.day());
}
void fnYear(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 0); }
void fnMonth(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 1); }
void fnDay(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 2); }

void fnWeekday(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QDate d = toDate(fromValue(argv[0]));
    if (!d.isValid()) return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, d.dayOfWeek() % 7 + 1); // Sunday = 1
}

void fnInt(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    resultNumber(ctx, std::floor(toNumber(v)));
}

void fnFix(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    resultNumber(ctx, std::trunc(toNumber(v)));
}

double bankersRound(double x, int digits)
{
    const double f = std::pow(10.0, digits);
    const double y = x * f;
    double r = std::nearbyint(y); // default rounding mode is to nearest-even
    if (std::fabs(y - std::trunc(y)) != 0.5)
        r = std::round(y);
    return r / f;
}

void fnRound(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    const int digits = argc > 1 ? int(toNumber(fromValue(argv[1]))) : 0;
    const double r = bankersRound(toNumber(v), digits);
    if (digits <= 0) resultNumber(ctx, r); else sqlite3_result_double(ctx, r);
}

void fnCInt(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, qint64(bankersRound(toNumber(v), 0)));
}

void fnCDbl(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    sqlite3_result_double(ctx, toNumber(v));
}

void fnCStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QVariant v = fromValue(argv[0]);
    if (v.isNull()) return sqlite3_result_null(ctx);
    resultText(ctx, asText(v));
}

void fnDate(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, Clock::todayText()); }

void fnNow(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, Clock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void fnTime(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, Clock::now().toString(QStringLiteral("hh:mm:ss")));
}

void fnNz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL)
        return sqlite3_result_value(ctx, argv[0]);
    if (argc > 1)
        return sqlite3_result_value(ctx, argv[1]);
    resultText(ctx, QString());
}

void fnInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    ARGS
    int start = 1;
    QVariant s1 = a[0], s2 = argc > 1 ? a[1] : QVariant();
    if (argc > 2) {
        start = int(toNumber(a[0]));
        s1 = a[1];
        s2 = a[2];
    }
    if (s1.isNull() || s2.isNull()) return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, asText(s1).indexOf(asText(s2), qMax(0, start - 1)) + 1);
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    resultText(ctx, QString(qMax(0, sqlite3_value_int(argv[0])), u' '));
}

void fnString(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString c = asText(fromValue(argv[1]));
    resultText(ctx, QString(qMax(0, sqlite3_value_int(argv[0])), c.isEmpty() ? u' ' : c[0]));
}

void fnDateSerial(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    // Jet rolls months and days over: DateSerial(2024, 13, 1) is 2025-01-01, day 0 the last of the month before.
    const int y = sqlite3_value_int(argv[0]), m = sqlite3_value_int(argv[1]), d = sqlite3_value_int(argv[2]);
    const QDate first = QDate(y, 1, 1).addMonths(m - 1);
    resultText(ctx, first.addDays(d - 1).toString(QStringLiteral("yyyy-MM-dd")));
}

void fnDateAdd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString unit = asText(fromValue(argv[0])).toLower();
    const int n = sqlite3_value_int(argv[1]);
    const QDate d = toDate(fromValue(argv[2]));
    if (!d.isValid()) return sqlite3_result_null(ctx);
    QDate r = unit == "yyyy" ? d.addYears(n) : unit == "m" ? d.addMonths(n) : unit == "ww" ? d.addDays(7 * n) : d.addDays(n);
    resultText(ctx, r.toString(QStringLiteral("yyyy-MM-dd")));
}

void fnDateDiff(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString unit = asText(fromValue(argv[0])).toLower();
    const QDate a = toDate(fromValue(argv[1])), b = toDate(fromValue(argv[2]));
    if (!a.isValid() || !b.isValid()) return sqlite3_result_null(ctx);
    qint64 r = a.daysTo(b);
    if (unit == "yyyy") r = b.year() - a.year();
    else if (unit == "m") r = (b.year() - a.year()) * 12 + b.month() - a.month();
    else if (unit == "ww") r = r / 7;
    sqlite3_result_int64(ctx, r);
}

#undef ARGS

QString formatDate(const QDateTime& dt, const QString& pattern)
{
    static const char* const weekdays[] = {"월", "화", "수", "목", "금", "토", "일"};
    QString out;
    const QString p = pattern;
    int i = 0;
    auto run = [&](QChar c) {
        int j = i;
        while (j < p.size() && p[j].toLower() == c)
            ++j;
        return j - i;
    };
    bool lastWasHour = false;
    while (i < p.size()) {
        const QChar c = p[i].toLower();
        const int k = (c == u'y' || c == u'm' || c == u'd' || c == u'h' || c == u'n' || c == u's' || c == u'a') ? run(c) : 1;
        if (c == u'y') {
            out += k >= 3 ? QString::number(dt.date().year()) : QString::number(dt.date().year() % 100).rightJustified(2, u'0');
        } else if (c == u'm') {
            const int v = lastWasHour ? dt.time().minute() : dt.date().month();
            out += k >= 2 ? QString::number(v).rightJustified(2, u'0') : QString::number(v);
        } else if (c == u'd') {
            out += k >= 2 ? QString::number(dt.date().day()).rightJustified(2, u'0') : QString::number(dt.date().day());
        } else if (c == u'h') {
            out += k >= 2 ? QString::number(dt.time().hour()).rightJustified(2, u'0') : QString::number(dt.time().hour());
        } else if (c == u'n') {
            out += k >= 2 ? QString::number(dt.time().minute()).rightJustified(2, u'0') : QString::number(dt.time().minute());
        } else if (c == u's') {
            out += k >= 2 ? QString::number(dt.time().second()).rightJustified(2, u'0') : QString::number(dt.time().second());
        } else if (c == u'a' && k >= 3) {
            out += QString::fromUtf8(weekdays[dt.date().dayOfWeek() - 1]);
        } else {
            out += p.mid(i, k);
        }
        if (c != u':' && c != u' ')
            lastWasHour = (c == u'h');
        i += k;
    }
    return out;
}

QString formatNumber(double value, const QString& pattern)
{
    const int dot = pattern.indexOf(u'.');
    QString intPat = dot >= 0 ? pattern.left(dot) : pattern;
    const QString fracPat = dot >= 0 ? pattern.mid(dot + 1) : QString();
    const bool thousands = intPat.contains(u',');
    intPat.remove(u',');
    int fracDigits = 0, fracRequired = 0;
    for (QChar c : fracPat) {
        if (c == u'0') { ++fracDigits; ++fracRequired; }
        else if (c == u'#') ++fracDigits;
    }
    // Format rounds half away from zero.
    const double f = std::pow(10.0, fracDigits);
    const double rounded = std::round(std::fabs(value) * f + 1e-9) / f;
    const bool negative = value < 0 && rounded != 0;
    QString digits = QString::number(rounded, 'f', fracDigits);
    QString intDigits = digits.section(u'.', 0, 0);
    QString fracText = fracDigits > 0 ? digits.section(u'.', 1, 1) : QString();
    while (fracText.size() > fracRequired && fracText.endsWith(u'0'))
        fracText.chop(1);
    int minInt = intPat.count(u'0');
    if (intDigits == "0" && minInt == 0)
        intDigits.clear();
    while (intDigits.size() < minInt)
        intDigits.prepend(u'0');
    QString intOut;
    if (thousands) {
        for (int i = 0; i < intDigits.size(); ++i) {
            if (i > 0 && (intDigits.size() - i) % 3 == 0)
                intOut += u',';
            intOut += intDigits[i];
        }
        // literal text around the placeholders (rare with thousands) is kept as prefix/suffix
        const int firstPh = intPat.indexOf(QRegularExpression(QStringLiteral("[0#]")));
        const int lastPh = intPat.lastIndexOf(QRegularExpression(QStringLiteral("[0#]")));
        if (firstPh > 0) intOut.prepend(intPat.left(firstPh));
        if (lastPh >= 0 && lastPh + 1 < intPat.size()) intOut += intPat.mid(lastPh + 1);
    } else {
        // Fill the placeholders from the right; literals between them stay in place ("0000-00").
        int d = intDigits.size() - 1;
        for (int i = intPat.size() - 1; i >= 0; --i) {
            const QChar c = intPat[i];
            if (c == u'0' || c == u'#') {
                if (d >= 0)
                    intOut.prepend(intDigits[d--]);
                if (d >= 0 && !intPat.left(i).contains(QRegularExpression(QStringLiteral("[0#]")))) {
                    intOut.prepend(intDigits.left(d + 1));
                    d = -1;
                }
            } else {
                const bool digitsLeft = d >= 0 || intPat.left(i).contains(u'0');
                if (digitsLeft || !intPat.left(i).contains(QRegularExpression(QStringLiteral("[0#]"))))
                    intOut.prepend(c);
            }
        }
        if (d >= 0)
            intOut.prepend(intDigits.left(d + 1));
    }
    QString out = intOut;
    if (!fracText.isEmpty() || (dot >= 0 && fracRequired > 0))
        out += u'.' + fracText;
    else if (dot >= 0 && fracPat.isEmpty())
        out += u'.';
    return negative ? u'-' + out : out;
}

} // namespace

namespace jet {

QString str(double n)
{
    const QString t = numberText(n);
    return n >= 0 ? u' ' + t : t;
}

double val(const QString& s)
{
    // Jet skips blanks and reads the number at the start; anything else ends it.
    QString digits;
    bool seenDot = false, seenDigit = false;
    int i = 0;
    auto skipBlanks = [&] { while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i; };
    skipBlanks();
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        digits += s[i++];
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u' ' || c == u'\t')
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            seenDigit = true;
        } else if (c == u'.' && !seenDot) {
            digits += c;
            seenDot = true;
        } else {
            break;
        }
    }
    return seenDigit ? digits.toDouble() : 0.0;
}

QString format(const QVariant& v, const QString& pattern)
{
    if (v.isNull())
        return {};
    const QString p = pattern;
    const bool datePattern = p.contains(QRegularExpression(QStringLiteral("[yYdDhHnNsS]"))) ||
        (p.contains(QRegularExpression(QStringLiteral("[mM]"))) && !p.contains(QRegularExpression(QStringLiteral("[0#]"))));
    if (datePattern) {
        const QString s = asText(v).trimmed();
        QDateTime dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (!dt.isValid())
            dt = QDateTime(toDate(v), QTime(0, 0));
        if (!dt.isValid()) {
            const QTime t = QTime::fromString(s, QStringLiteral("hh:mm:ss"));
            if (t.isValid())
                dt = QDateTime(QDate(1899, 12, 30), t);
        }
        return dt.isValid() ? formatDate(dt, p) : s;
    }
    double number = 0;
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::Double) {
        number = v.toDouble();
    } else {
        bool ok = false;
        number = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            return v.toString();
    }
    if (p.isEmpty())
        return numberText(number);
    return formatNumber(number, p);
}

} // namespace jet

void registerJetFunctions(sqlite3* h)
{
    struct F {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    static const F fns[] = {
        {"jet_mid", 2, fnMid, true},        {"jet_mid", 3, fnMid, true},     {"jet_left", 2, fnLeft, true},
        {"jet_right", 2, fnRight, true},    {"jet_len", 1, fnLen, true},     {"jet_val", 1, fnVal, true},
        {"jet_str", 1, fnStr, true},        {"jet_format", 1, fnFormat, true}, {"jet_format", 2, fnFormat, true},
        {"jet_isnull", 1, fnIsNull, true},  {"jet_year", 1, fnYear, true},   {"jet_month", 1, fnMonth, true},
        {"jet_day", 1, fnDay, true},        {"jet_int", 1, fnInt, true},     {"jet_fix", 1, fnFix, true},
        {"jet_date", 0, fnDate, false},     {"jet_now", 0, fnNow, false},    {"jet_time", 0, fnTime, false},
        {"jet_nz", 1, fnNz, true},          {"jet_nz", 2, fnNz, true},       {"jet_instr", 2, fnInstr, true},
        {"jet_instr", 3, fnInstr, true},    {"jet_cstr", 1, fnCStr, true},   {"jet_cint", 1, fnCInt, true},
        {"jet_cdbl", 1, fnCDbl, true},      {"jet_space", 1, fnSpace, true}, {"jet_round", 1, fnRound, true},
        {"jet_round", 2, fnRound, true},    {"jet_weekday", 1, fnWeekday, true}, {"jet_dateserial", 3, fnDateSerial, true},
        {"jet_dateadd", 3, fnDateAdd, true}, {"jet_datediff", 3, fnDateDiff, true}, {"jet_string", 2, fnString, true},
        {"jet_plus", 2, fnPlus, true},
    };
    for (const F& f : fns)
        sqlite3_create_function_v2(h, f.name, f.args, SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0),
                                   nullptr, f.fn, nullptr, nullptr, nullptr);
}

} // namespace db
