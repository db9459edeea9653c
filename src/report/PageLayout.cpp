#include "report/PageLayout.h"

#include "report/Barcode.h"
#include "report/Report.h"

namespace report {

void PageBuilder::newPage() { m_doc.pages.append(Page()); }

Page& PageBuilder::page()
{
    if (m_doc.pages.isEmpty())
        newPage();
    return m_doc.pages.last();
}

void PageBuilder::text(const QRectF& mm, const QString& text, const TextStyle& style)
{
    Item it;
    it.kind = Item::Text;
    it.rect = mm;
    it.text = text;
    it.style = style;
    page().items.append(it);
}

void PageBuilder::line(QPointF from, QPointF to, double widthMm)
{
    Item it;
    it.kind = Item::Line;
    it.rect = QRectF(from, to);
    it.penWidth = widthMm;
    page().items.append(it);
}

void PageBuilder::box(const QRectF& mm, double widthMm, const QColor& fill)
{
    Item it;
    it.kind = Item::Box;
    it.rect = mm;
    it.penWidth = widthMm;
    it.fill = fill;
    page().items.append(it);
}

void PageBuilder::image(const QRectF& mm, const QImage& image)
{
    Item it;
    it.kind = Item::Image;
    it.rect = mm;
    it.image = image;
    page().items.append(it);
}

void PageBuilder::barcode(const QRectF& mm, const QString& data)
{
    Item it;
    it.kind = Item::Picture;
    it.rect = mm;
    it.text = data;
    it.picture = code128(data, mm.size());
    if (!it.picture.isNull())
        page().items.append(it);
}

void PageBuilder::picture(const QRectF& mm, const QPicture& picture)
{
    Item it;
    it.kind = Item::Picture;
    it.rect = mm;
    it.picture = picture;
    page().items.append(it);
}

QString PageBuilder::spaced(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (!c.isSpace())
            out += c + QStringLiteral(" ");
    return out;
}

Document PageLayout::document() const
{
    Document doc;
    doc.size = pageSize();
    doc.landscape = landscape();
    PageBuilder b(doc);
    build(b);
    if (doc.pages.isEmpty())
        b.newPage();
    return doc;
}

void PageLayout::preview(const QString& windowTitle, QWidget* parent) const
{
    deliver(document(), windowTitle, Preview, parent);
}

bool PageLayout::print(const QString& windowTitle, QWidget* parent) const
{
    return deliver(document(), windowTitle, Printer, parent);
}

bool PageLayout::run(int destination, const QString& windowTitle, QWidget* parent,
                     const std::function<void()>& record) const
{
    return deliver(document(), windowTitle, destination, parent, record);
}

bool PageLayout::exportPdf(const QString& path) const { return writePdf(document(), path); }

} // namespace report
