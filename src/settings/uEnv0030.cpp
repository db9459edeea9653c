#include "settings/uEnv0030.h"

TfEnv0030::TfEnv0030(QWidget* parent) : CodeSettingsScreen(QStringLiteral("항목 설정"), QString(), codepages::env0030Pages(), parent)
{
    resize(487, 418);
}
