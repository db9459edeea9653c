#include "ui/ByteLimit.h"

#include "text/Cp949.h"

#include <QLineEdit>

void ByteLimit::install(QLineEdit* edit, int bytes) { edit->setValidator(new ByteLimit(bytes, edit)); }

QValidator::State ByteLimit::validate(QString& input, int&) const
{
    return cp949::byteLength(input) <= m_bytes ? Acceptable : Invalid;
}
