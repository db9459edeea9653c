#include "ui/AppStyle.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOption>

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int AppStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_HeaderDefaultSectionSizeVertical) {
        // The rows of a grid are measured by the grid's font, not the platform's generous default.
        const QWidget* view = widget ? widget->parentWidget() : nullptr;
        const QFontMetrics fm = view ? view->fontMetrics() : widget ? widget->fontMetrics() : QFontMetrics(QApplication::font());
        return rowHeight(fm.height());
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void AppStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == CE_ComboBoxLabel && !(option->state & State_Enabled)) {
        // A drop-down in browse mode shows its choice as a field shows its text.
        QStyleOptionComboBox copy = *qstyleoption_cast<const QStyleOptionComboBox*>(option);
        copy.palette.setColor(QPalette::Disabled, QPalette::ButtonText, copy.palette.color(QPalette::Disabled, QPalette::Text));
        QProxyStyle::drawControl(element, &copy, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const
{
    if (hint == SH_Workspace_FillSpaceOnMaximize)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize AppStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const
{
    if (type == CT_PushButton) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        // The frame is drawn within the blank, so the caption keeps its room.
        if (button && !(button->features & QStyleOptionButton::CommandLinkButton))
            return QSize(size.width() + 2 * kButtonPadX, size.height() + 2 * kButtonPadY);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void AppStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    readableDisabled(palette);
}

void AppStyle::readableDisabled(QPalette& palette)
{
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text).lighter(130));
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Window));
}
