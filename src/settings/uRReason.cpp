#include "settings/uRReason.h"

TfRReason::TfRReason(QWidget* parent) : CodeSettingsScreen(QStringLiteral("휴/퇴관 사유 설정"), QString(), {codepages::leaveReasons()}, parent)
{
    // Deleting applies at once, then 확인 or 취소 ends the editing state.
    m_editAfterImmediateDelete = true;
    resize(412, 341);
}
