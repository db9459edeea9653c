#include "members/uLife.h"

TfLife::TfLife(QWidget* parent)
    : JournalBatchScreen(JournalBatch::Conduct, QStringLiteral("TfLife"), QStringLiteral("생활기록  일괄입력"), QStringLiteral("기록 일자 :"),
                         QStringLiteral("생 활 기 록"), parent)
{
}
