#include "members/uRequire.h"

TfRequire::TfRequire(QWidget* parent)
    : JournalBatchScreen(JournalBatch::Suggestions, QStringLiteral("TfRequire"), QStringLiteral("건의사항내용 일괄입력"), QStringLiteral("건의 일자 :"),
                         QStringLiteral("건 의 사 항"), parent)
{
}
