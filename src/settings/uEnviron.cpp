#include "settings/uEnviron.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

TfEnviron::TfEnviron(QWidget* parent)
    : CodeSettingsScreen(QStringLiteral("항목 설정"), QStringLiteral("항    목    설    정"), codepages::environPages(), parent)
{
    resize(487, 418);
}

void TfEnviron::FormActivate()
{
    if (!editing())
        setPageIndex(0);
}

void TfEnviron::afterApply(int pageIndex)
{
    if (pageIndex != 4)
        return;
    // Open screens that caption their columns with the fitness items read them again.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        for (QWidget* s : w->findChildren<QWidget*>(QStringLiteral("TfPer0020")))
            QMetaObject::invokeMethod(s, "Set_Bodset");
        for (QWidget* s : w->findChildren<QWidget*>(QStringLiteral("TfBod0010")))
            QMetaObject::invokeMethod(s, "Set_BodSet");
    }
}
