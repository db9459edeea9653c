#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

namespace report {

// Printed output in millimetres from the paper's top-left corner, kept as a list of pages with what
// is drawn on them. Layout runs and built-in page layouts both produce one; the preview, the printer
// and PDF paint it, and tests read its texts directly.

// The Hangul font of printed output. Its spaces survive in PDF text, unlike NanumGothic's.
QString defaultFontFamily();

struct TextStyle {
    QString family;            // empty: defaultFontFamily()
    double size = 10;          // points
    bool bold = false;
    bool italic = false;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;         // break lines at blanks inside the rectangle
};

struct Item {
    enum Kind { Text, Line, Box, Image, Picture };
    Kind kind = Text;
    QRectF rect;               // Line: from topLeft to bottomRight
    QString text;
    TextStyle style;
    double penWidth = 0.2;     // mm; 0 for no outline on a box
    QColor fill;               // invalid: no fill
    QImage image;
    QPicture picture;          // painted with 1 unit = 0.1 mm (charts and free drawings)
};

struct Page {
    QList<Item> items;
    QStringList texts() const; // the texts drawn, in drawing order
    bool contains(const QString& text) const { return texts().contains(text); }
};

struct Document {
    QPageSize size = QPageSize(QPageSize::A4);
    bool landscape = false;
    QString title;             // the layout's own title when the screen gives none
    QList<Page> pages;

    QSizeF paperMm() const;    // width and height with the orientation applied
    QStringList texts() const; // all pages
};

// How a text item goes onto a device: a figure (an amount, a count, a date) too wide for its box is
// drawn in a smaller font so that all of it shows; any other text too wide loses characters at its
// end, whole characters only. Wrapped and multi-line texts are drawn as they are.
struct FittedText {
    QFont font;
    QString text;
};
FittedText fitText(const Item& item, QPaintDevice* device, double dotsPerMm);

// Paints one page onto a painter whose device shows the whole paper from its corner.
void paintPage(const Page& page, QPainter& painter, double dotsPerMm);

// Sets up a printer or PDF writer for the document: paper, orientation, no margins.
void preparePaper(const Document& doc, QPagedPaintDevice& device);

// Paints the whole document; false when the device cannot be painted (for example an unwritable file).
bool paintDocument(const Document& doc, QPagedPaintDevice& device);

// Writes the document as a PDF file.
bool writePdf(const Document& doc, const QString& path, const QString& title = QString());

} // namespace report
