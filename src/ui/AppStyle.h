#pragma once
#include <QProxyStyle>

class QPalette;

// The program's look on top of the platform style:
//   - grid rows as tall as their font needs (a view that sets its own row height keeps it);
//   - fields that cannot be typed into (browse mode) keep dark text on the window colour: a read-only
//     look that stays readable, while disabled buttons and labels still look disabled;
//   - a maximised screen inside the main window keeps its own title bar, so its buttons never crowd
//     the menus of the main window off the menu bar;
//   - push buttons as wide as their captions with a small margin: the platform's minimum button width
//     would push the screens' toolbars past the fixed work area of the main window. (A style sheet
//     would do the same, but an application style sheet re-polishes a whole screen each time it is
//     placed in its window.)
class AppStyle : public QProxyStyle {
    Q_OBJECT
public:
    AppStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;

    // Height of a grid row for the given font height.
    static int rowHeight(int fontHeight) { return fontHeight + 4; }
    // The blank around a push button's caption, each side.
    static constexpr int kButtonPadX = 7, kButtonPadY = 3;
    // The palette of browse mode applied to `palette`.
    static void readableDisabled(QPalette& palette);
};
