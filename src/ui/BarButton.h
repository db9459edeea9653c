#pragma once
#include <QBoxLayout>
#include <QPushButton>

namespace ui {

// A button of a screen's toolbar: named for tests and key handling, never the dialog's default
// button (Enter belongs to the fields), added at the end of the bar.
QPushButton* addBarButton(QWidget* screen, QBoxLayout* bar, const char* caption, const char* name = nullptr);

// The same, connected to the screen's handler.
template <class Screen>
QPushButton* addBarButton(Screen* screen, QBoxLayout* bar, const char* name, const char* caption, void (Screen::*handler)())
{
    QPushButton* b = addBarButton(static_cast<QWidget*>(screen), bar, caption, name);
    if (handler)
        QObject::connect(b, &QPushButton::clicked, screen, handler);
    return b;
}

// The eight buttons of an editing screen's bar, in their usual order.
struct EditBar {
    QPushButton *insert, *edit, *remove, *query, *ok, *cancel, *print, *close;
};
EditBar addEditBar(QWidget* screen, QBoxLayout* bar);

} // namespace ui
