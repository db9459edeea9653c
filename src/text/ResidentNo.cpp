#include "text/ResidentNo.h"

#include <QRegularExpression>

namespace ResidentNo {

namespace {
QString digitsOf(QStringView s)
{
    QString out;
    for (const QChar c : s)
        if (c.isDigit())
            out += c;
    return out;
}

QString formatted(const QString& digits) { return digits.left(6) + u'-' + digits.mid(6); }
} // namespace

QString normalized(const QString& typed)
{
    const QString text = typed.trimmed();
    const QString all = digitsOf(text);
    if (all.size() == 13)
        return formatted(all);
    // A whole number typed after the pre-filled "yymmdd-".
    const qsizetype dash = text.indexOf(u'-');
    if (dash >= 0) {
        const QString after = digitsOf(QStringView(text).mid(dash + 1));
        if (after.size() == 13)
            return formatted(after);
    }
    return text;
}

bool agreesWithBirth(const QString& number, const QString& birthDate)
{
    static const QRegularExpression whole(QStringLiteral("^\\d{6}-\\d{7}$"));
    static const QRegularExpression date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!whole.match(number).hasMatch() || !date.match(birthDate).hasMatch())
        return true;
    return number.left(6) == birthDate.mid(2, 2) + birthDate.mid(5, 2) + birthDate.mid(8, 2);
}

} // namespace ResidentNo
