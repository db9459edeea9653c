#include "members/uSimsaGongji.h"

TfSimsaGongji::TfSimsaGongji(QWidget* parent)
    : JournalBatchScreen(JournalBatch::Notices, QStringLiteral("TfSimsaGongji"), QStringLiteral("개인공지사항 일괄입력"), QStringLiteral("공지 일자 :"),
                         QStringLiteral("공 지 사 항"), parent)
{
}
