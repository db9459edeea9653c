#include "settings/uAbsRsn.h"

TfAbsRsn::TfAbsRsn(QWidget* parent) : CodeSettingsScreen(QStringLiteral("결석사유코드 설정"), QString(), {codepages::absenceReasons()}, parent)
{
    resize(412, 341);
}
