#include "report/Document.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report {

QString defaultFontFamily()
{
    static const QString family = [] {
        const QStringList have = QFontDatabase::families();
        for (const char* f : {"NanumBarunGothic", "NanumMyeongjo", "NanumGothic"})
            if (have.contains(QString::fromLatin1(f)))
                return QString::fromLatin1(f);
        return QStringLiteral("NanumBarunGothic");
    }();
    return family;
}

QStringList Page::texts() const
{
    QStringList out;
    for (const Item& it : items)
        if (it.kind == Item::Text)
            out.append(it.text);
    return out;
}

QSizeF Document::paperMm() const
{
    const QSizeF s = size.size(QPageSize::Millimeter);
    return landscape ? s.transposed() : s;
}

QStringList Document::texts() const
{
    QStringList out;
    for (const Page& p : pages)
        out += p.texts();
    return out;
}

namespace {
QRectF toDots(const QRectF& mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

QPen penOf(double widthMm, double k)
{
    QPen pen(Qt::black);
    pen.setWidthF(qMax(widthMm * k, 1.0));
    return pen;
}
}

namespace {
bool isFigure(const QString& text)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[-+(]?\s*\d[\d,.\-/: ]*\)?\s*[원명개%]?\s*$)"));
    return re.match(text).hasMatch();
}
}

FittedText fitText(const Item& it, QPaintDevice* device, double k)
{
    FittedText out{QFont(it.style.family.isEmpty() ? defaultFontFamily() : it.style.family), it.text};
    out.font.setPointSizeF(it.style.size);
    out.font.setBold(it.style.bold);
    out.font.setItalic(it.style.italic);
    const double room = it.rect.width() * k;
    if (it.style.wrap || it.text.contains(u'\n') || room <= 0)
        return out;
    auto width = [device](const QFont& f, const QString& t) { return QFontMetricsF(f, device).horizontalAdvance(t); };
    const double wide = width(out.font, out.text);
    if (wide <= room)
        return out;
    if (isFigure(out.text)) {
        // A figure shown in part is a wrong figure ("-1,236,479,890원" as ",236,479,890원").
        for (double size = it.style.size * room / wide; size > 0.5; size -= 0.1) {
            out.font.setPointSizeF(size);
            if (width(out.font, out.text) <= room)
                break;
        }
        return out;
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, out.text);
    qsizetype keep = 0;
    for (qsizetype at = characters.toNextBoundary(); at > 0; at = characters.toNextBoundary()) {
        if (width(out.font, out.text.left(at)) > room)
            break;
        keep = at;
    }
    out.text.truncate(keep);
    return out;
}

void paintPage(const Page& page, QPainter& p, double k)
{
    for (const Item& it : page.items) {
        p.save();
        switch (it.kind) {
        case Item::Text: {
            const FittedText fitted = fitText(it, p.device(), k);
            p.setFont(fitted.font);
            p.setPen(Qt::black);
            int flags = int(it.style.align);
            if (it.style.wrap)
                flags |= Qt::TextWordWrap;
            p.drawText(toDots(it.rect, k), flags, fitted.text);
            break;
        }
        case Item::Line:
            p.setPen(penOf(it.penWidth, k));
            p.drawLine(QPointF(it.rect.left() * k, it.rect.top() * k), QPointF(it.rect.right() * k, it.rect.bottom() * k));
            break;
        case Item::Box:
            if (it.penWidth > 0)
                p.setPen(penOf(it.penWidth, k));
            else
                p.setPen(Qt::NoPen);
            p.setBrush(it.fill.isValid() ? QBrush(it.fill) : QBrush(Qt::NoBrush));
            p.drawRect(toDots(it.rect, k));
            break;
        case Item::Image:
            if (!it.image.isNull()) {
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(toDots(it.rect, k), it.image);
            }
            break;
        case Item::Picture:
            p.translate(it.rect.left() * k, it.rect.top() * k);
            p.scale(k / 10.0, k / 10.0);
            p.drawPicture(0, 0, it.picture);
            break;
        }
        p.restore();
    }
}

void preparePaper(const Document& doc, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(doc.size, doc.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool paintDocument(const Document& doc, QPagedPaintDevice& device)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double k = device.logicalDpiX() / 25.4;
    for (int i = 0; i < doc.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(doc.pages[i], p, k);
    }
    return p.end();
}

bool writePdf(const Document& doc, const QString& path, const QString& title)
{
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tamrin"));
    preparePaper(doc, pdf);
    if (!paintDocument(doc, pdf))
        return false;
    return QFileInfo(path).size() > 0;
}

} // namespace report
