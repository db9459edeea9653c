#include "members/uBuljum.h"

TfBuljum::TfBuljum(QWidget* parent)
    : JournalBatchScreen(JournalBatch::Points, QStringLiteral("TfBuljum"), QStringLiteral("상벌점 일괄입력"), QStringLiteral("상벌 일자 :"),
                         QStringLiteral("상 벌 항 목"), parent)
{
}
