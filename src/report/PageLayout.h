#pragma once
#include <QPageSize>
#include <QString>
#include <functional>

#include "report/Document.h"

class QWidget;

namespace report {

// Draws onto the pages of a Document in millimetres from the paper's corner.
class PageBuilder {
public:
    explicit PageBuilder(Document& doc) : m_doc(doc) {}
    void newPage();
    int pageCount() const { return int(m_doc.pages.size()); }
    QSizeF paperMm() const { return m_doc.paperMm(); }

    void text(const QRectF& mm, const QString& text, const TextStyle& style = TextStyle());
    void line(QPointF from, QPointF to, double widthMm = 0.2);
    void box(const QRectF& mm, double widthMm = 0.2, const QColor& fill = QColor());
    void image(const QRectF& mm, const QImage& image);
    void picture(const QRectF& mm, const QPicture& picture); // picture units: 0.1 mm
    // A Code 128 symbol of `data` over the rectangle, quiet zones included; nothing when it cannot be encoded.
    void barcode(const QRectF& mm, const QString& data);

    // Spaced-out names and titles of certificates: blanks removed, each character followed by one blank.
    static QString spaced(const QString& text);

private:
    Page& page();
    Document& m_doc;
};

// Base of the built-in page layouts (certificates, cards, sheets): a subclass fills its fields, draws
// its pages in build(), and shares the report engine's preview, printer and PDF.
class PageLayout {
public:
    virtual ~PageLayout() = default;

    Document document() const;                                      // the pages as built now
    void preview(const QString& windowTitle, QWidget* parent = nullptr) const;
    bool print(const QString& windowTitle, QWidget* parent = nullptr) const;
    // 0 preview, 1 printer; `record` as in report::Record (once, when the pages first go out).
    bool run(int destination, const QString& windowTitle, QWidget* parent = nullptr,
             const std::function<void()>& record = {}) const;
    bool exportPdf(const QString& path) const;

protected:
    virtual QPageSize pageSize() const { return QPageSize(QPageSize::A4); }
    virtual bool landscape() const { return false; }
    virtual void build(PageBuilder& pages) const = 0;
};

} // namespace report
