#pragma once
#include <QPicture>
#include <QSizeF>
#include <QString>

namespace report {

// A Code 128 symbol of `data` (printable ASCII, as a member number), bars only, its quiet zones
// included, stretched over `mm`; picture units are 0.1 mm like every picture of a page. An empty
// picture when the data cannot be encoded (empty, or a character Code 128 does not carry); `error`
// then says why.
QPicture code128(const QString& data, const QSizeF& mm, QString* error = nullptr);

} // namespace report
