#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "report/Document.h"

namespace report {

// One line of `print`: lower-case column name -> text (null reads as "").
using Row = QHash<QString, QString>;

// A report layout in our own text format (docs/report-format.md): paper, bands and the items drawn
// in them, with texts that take values from the lines of `print`.
class Layout {
public:
    enum BandKind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter, ReportFooter };

    struct Element {
        Item::Kind kind = Item::Text;
        QRectF rect;                // mm inside the band; Line: from topLeft to bottomRight
        QString text;               // template: "{f01}", "{f02|#,##0}", "{sum f02|#,##0}", "{page}" ...
        TextStyle style;
        double penWidth = 0.2;
        QColor fill;
        bool barcode = false;       // a Picture drawn as the Code 128 symbol of the expanded text
    };
    struct Band {
        BandKind kind = Detail;
        QString column;             // group bands: the column whose value forms the group
        double height = 0;          // mm
        bool newPage = false;       // group header: each group on a new page; detail: each line
        int columns = 1;            // detail: lines side by side (labels, cards)
        double columnWidth = 0;     // mm, 0: the width divided evenly
        QList<Element> elements;
    };

    static std::optional<Layout> parse(const QString& text, QString* error);
    static std::optional<Layout> load(const QString& path, QString* error);

    // Columns to sort the lines by, outermost first ("f03:num:desc"); insertion order breaks ties.
    QStringList orderColumns() const;
    QStringList orderTerms() const; // the same as ORDER BY terms
    // Every column that the layout reads, for checking against the table.
    QStringList columnsUsed() const;

    // Lays out the lines (already in order, end rows still among them) onto pages.
    Document render(const QList<Row>& rows, const QString& title) const;

    // The end rows of the staging conventions, which close a report and are never printed.
    static bool isEndRow(const Row& row);

    // Number and date patterns of the templates, also for screens: "#,##0", "0000", "yyyy-mm-dd" ...
    static QString format(const QString& value, const QString& pattern);

private:
    const Band* band(BandKind kind) const;

    QPageSize m_size = QPageSize(QPageSize::A4);
    bool m_landscape = false;
    double m_left = 15, m_top = 15, m_right = 15, m_bottom = 15;
    TextStyle m_font;
    QStringList m_order;
    QString m_title;
    QList<Band> m_bands;
};

} // namespace report
