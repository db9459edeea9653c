#include "report/Barcode.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace report {

QPicture code128(const QString& data, const QSizeF& mm, QString* error)
{
    QPicture picture;
    bool printable = !data.isEmpty();
    for (QChar c : data)
        printable = printable && c.unicode() >= 0x20 && c.unicode() <= 0x7e;
    if (!printable) {
        if (error)
            *error = data.isEmpty() ? QStringLiteral("바코드 값이 없습니다.") : QStringLiteral("바코드에 쓸 수 없는 글자가 있습니다: %1").arg(data);
        return picture;
    }
    const QByteArray bytes = data.toLatin1();
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;                           // the card prints the number as text itself
    symbol->output_options |= BARCODE_QUIET_ZONES;  // ten modules either side, for the scanner
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size())) >= ZINT_ERROR
        || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0
        || symbol->vector->height <= 0) {
        if (error)
            *error = QString::fromLatin1(symbol->errtxt);
        return QPicture();
    }
    const double sx = mm.width() * 10.0 / symbol->vector->width;
    const double sy = mm.height() * 10.0 / symbol->vector->height;
    QPainter p(&picture);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        p.drawRect(QRectF(r->x * sx, r->y * sy, r->width * sx, r->height * sy));
    p.end();
    return picture;
}

} // namespace report
