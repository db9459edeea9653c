#include "report/ListExport.h"

#include "db/SchoolInfo.h"
#include "text/CsvWriter.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <xlsxwriter.h>

namespace listexport {

namespace {

QList<int> columnsOf(const Table& t)
{
    if (!t.columns.isEmpty() || !t.model)
        return t.columns;
    QList<int> out;
    for (int c = 0; c < t.model->columnCount(); ++c)
        if (!t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed().isEmpty())
            out.append(c);
    return out;
}

QString cellText(const QAbstractItemModel* m, int row, int column)
{
    return m->data(m->index(row, column), Qt::DisplayRole).toString();
}

const QRegularExpression& datePattern()
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return re;
}

// "1,234,000", "-5,000원", "30000원": money as shown on the screens.
bool moneyValue(const QString& text, double* value, bool needMark)
{
    static const QRegularExpression re(QStringLiteral("^(-?)(\\d{1,3}(?:,\\d{3})+|\\d+)(원?)$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    if (needMark && !m.captured(2).contains(u',') && m.captured(3).isEmpty())
        return false;
    QString digits = m.captured(2);
    digits.remove(u',');
    bool ok = false;
    const double v = digits.toDouble(&ok);
    if (!ok)
        return false;
    *value = m.captured(1).isEmpty() ? v : -v;
    return true;
}

// The kind a cell is written as.
Kind resolved(Kind k, const QString& text, double* number, QDate* date)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Kind::Text;
    switch (k) {
    case Kind::Text: return Kind::Text;
    case Kind::Money: return moneyValue(t, number, false) ? Kind::Money : Kind::Text;
    case Kind::Number: {
        bool ok = false;
        *number = QString(t).remove(u',').toDouble(&ok);
        return ok ? Kind::Number : Kind::Text;
    }
    case Kind::Date:
    case Kind::Auto:
        if (datePattern().match(t).hasMatch()) {
            *date = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
            if (date->isValid())
                return Kind::Date;
        }
        if (k == Kind::Auto && moneyValue(t, number, true))
            return Kind::Money;
        return Kind::Text;
    }
    return Kind::Text;
}

// The kinds of the columns: an automatic column whose amounts are all money, one at least written as
// money ("1,234" or "500원"), is money throughout, so that its "0" and "800" add up with the rest.
// Codes with leading zeros ("007") keep it text.
QList<Kind> columnKinds(const Table& t, const QList<int>& cols, int count)
{
    QList<Kind> out;
    for (int i = 0; i < cols.size(); ++i) {
        const Kind given = i < t.kinds.size() ? t.kinds[i] : Kind::Auto;
        if (given != Kind::Auto) {
            out.append(given);
            continue;
        }
        bool marked = false, allMoney = true;
        for (int r = 0; r < count && allMoney; ++r) {
            const QString s = cellText(t.model, r, cols[i]).trimmed();
            if (s.isEmpty())
                continue;
            double v = 0;
            const QString digits = s.startsWith(u'-') ? s.mid(1) : s;
            allMoney = moneyValue(s, &v, false) && !(digits.size() > 1 && digits.startsWith(u'0'));
            marked = marked || moneyValue(s, &v, true);
        }
        out.append(allMoney && marked ? Kind::Money : Kind::Auto);
    }
    return out;
}

// Width in Excel characters: a Hangul or other wide character takes two.
double displayWidth(const QString& s)
{
    double w = 0;
    for (const QChar ch : s)
        w += ch.unicode() >= 0x1100 ? 2.0 : 1.0;
    return w;
}

QString sheetName(const QString& title)
{
    QString s = title;
    static const QRegularExpression bad(QStringLiteral("[\\[\\]:*?/\\\\]"));
    s.replace(bad, QStringLiteral("_"));
    s = s.trimmed();
    if (s.isEmpty())
        s = QStringLiteral("목록");
    return s.left(31);
}

QString temporaryBeside(const QString& file)
{
    const QFileInfo fi(file);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + QStringLiteral(".tmp");
}

bool replaceWith(const QString& temporary, const QString& file, QString* error)
{
    QFile::remove(file);
    if (QFile::rename(temporary, file))
        return true;
    QFile::remove(temporary);
    if (error)
        *error = QStringLiteral("파일을 저장할 수 없습니다: %1").arg(QDir::toNativeSeparators(file));
    return false;
}

} // namespace

QString suggestedName(const QString& title, const QDate& day, const QString& extension)
{
    QString base = title.trimmed();
    static const QRegularExpression bad(QStringLiteral("[\\\\/:*?\"<>|\\s]+"));
    base.replace(bad, QStringLiteral("_"));
    return base + u'_' + day.toString(QStringLiteral("yyyyMMdd")) + u'.' + extension;
}

QStringList headers(const Table& t)
{
    QStringList out;
    for (int c : columnsOf(t))
        out << t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed(); // as the list shows it
    return out;
}

QList<QStringList> rows(const Table& t)
{
    QList<QStringList> out;
    if (!t.model)
        return out;
    const QList<int> cols = columnsOf(t);
    for (int r = 0; r < t.model->rowCount(); ++r) {
        QStringList line;
        for (int c : cols)
            line << cellText(t.model, r, c);
        out.append(line);
    }
    return out;
}

bool writeXlsx(const QString& file, const Table& t, QString* error)
{
    const QString temporary = temporaryBeside(file);
    const QByteArray name = QFile::encodeName(temporary);
    lxw_workbook* book = workbook_new(name.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("파일을 만들 수 없습니다: %1").arg(QDir::toNativeSeparators(file));
        return false;
    }
    const QByteArray sheetTitle = sheetName(t.title).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetTitle.constData());
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* heading = workbook_add_format(book);
    format_set_bold(heading);
    format_set_bottom(heading, LXW_BORDER_THIN);
    format_set_bg_color(heading, 0xEEEEEE);
    lxw_format* won = workbook_add_format(book);
    format_set_num_format(won, "#,##0");
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "yyyy-mm-dd");

    auto text = [&](int row, int col, const QString& s, lxw_format* f) {
        const QByteArray b = s.toUtf8();
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), b.constData(), f);
    };

    // School, title and filters above the list.
    int row = 0;
    text(row++, 0, SchoolInfo::name(), bold);
    text(row++, 0, t.title, bold);
    for (const QString& f : t.filters)
        text(row++, 0, f, nullptr);
    ++row;

    const QList<int> cols = columnsOf(t);
    const QStringList titles = headers(t);
    QList<double> widths;
    for (int i = 0; i < titles.size(); ++i) {
        text(row, i, titles[i], heading);
        widths.append(displayWidth(titles[i]));
    }
    const int headerRow = row++;
    worksheet_freeze_panes(sheet, lxw_row_t(headerRow + 1), 0);

    const int count = t.model ? t.model->rowCount() : 0;
    const QList<Kind> kinds = columnKinds(t, cols, count);
    for (int r = 0; r < count; ++r, ++row) {
        for (int i = 0; i < cols.size(); ++i) {
            const QString s = cellText(t.model, r, cols[i]);
            double number = 0;
            QDate date;
            const Kind k = resolved(kinds[i], s, &number, &date);
            switch (k) {
            case Kind::Money:
                worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(i), number, won);
                break;
            case Kind::Number:
                worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(i), number, nullptr);
                break;
            case Kind::Date: {
                lxw_datetime dt{date.year(), date.month(), date.day(), 0, 0, 0.0};
                worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(i), &dt, dateFormat);
                break;
            }
            default:
                if (!s.isEmpty())
                    text(row, i, s, nullptr);
                break;
            }
            widths[i] = std::max(widths[i], k == Kind::Date ? 10.0 : displayWidth(s));
        }
    }
    for (int i = 0; i < widths.size(); ++i)
        worksheet_set_column(sheet, lxw_col_t(i), lxw_col_t(i), std::min(widths[i] + 2, 60.0), nullptr);

    const lxw_error e = workbook_close(book);
    if (e != LXW_NO_ERROR) {
        QFile::remove(temporary);
        if (error)
            *error = QStringLiteral("파일을 저장할 수 없습니다: %1\n%2").arg(QDir::toNativeSeparators(file), QString::fromUtf8(lxw_strerror(e)));
        return false;
    }
    return replaceWith(temporary, file, error);
}

bool writeCsv(const QString& file, const Table& t, QString* error)
{
    // Money as a plain number ("130000"), as tamrin-cli writes it, so other programs can add it up.
    CsvWriter csv(headers(t));
    const QList<int> cols = columnsOf(t);
    const QList<Kind> kinds = t.model ? columnKinds(t, cols, t.model->rowCount()) : QList<Kind>();
    QList<QStringList> lines = rows(t);
    for (QStringList& line : lines) {
        for (int i = 0; i < line.size() && i < kinds.size(); ++i) {
            double number = 0;
            QDate date;
            if (resolved(kinds[i], line[i], &number, &date) == Kind::Money)
                line[i] = QString::number(number, 'f', 0);
        }
        csv.addRow(line);
    }
    return csv.save(file, error);
}

} // namespace listexport
