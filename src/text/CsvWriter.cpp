#include "text/CsvWriter.h"

#include <QRegularExpression>
#include <QSaveFile>

CsvWriter::CsvWriter(const QStringList& header) : m_header(header) {}

void CsvWriter::addRow(const QStringList& fields) { m_rows.append(fields); }

QByteArray CsvWriter::bytes() const { return bytes(m_header, m_rows); }

namespace {

// A typed text that a spreadsheet would run as a formula ("=HYPERLINK(...)" in a name or a note)
// is kept as text with a leading apostrophe; numbers such as "-50000" or "+82-10-..." stay as they are.
QString inert(const QString& text)
{
    if (text.isEmpty() || !QStringLiteral("=+-@\t\r").contains(text.front()))
        return text;
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9][0-9,.\\- ]*$"));
    return number.match(text).hasMatch() ? text : QLatin1Char('\'') + text;
}

} // namespace

QString CsvWriter::field(const QString& raw)
{
    const QString text = inert(raw);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvWriter::bytes(const QStringList& header, const QList<QStringList>& rows)
{
    auto line = [](const QStringList& fields) {
        QStringList out;
        out.reserve(fields.size());
        for (const QString& f : fields)
            out.append(field(f));
        return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
    };
    QByteArray data("\xEF\xBB\xBF");
    data += line(header);
    for (const QStringList& row : rows)
        data += line(row);
    return data;
}

bool CsvWriter::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray data = bytes();
        if (file.write(data) == data.size() && file.commit())
            return true;
    }
    if (error)
        *error = path + QStringLiteral(" 파일을 저장할 수 없습니다: ") + file.errorString();
    return false;
}
