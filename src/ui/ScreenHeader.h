#pragma once
#include <QString>

#include <QList>
#include <QSize>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The head line of the daily-operation screens: the school's name and "총 원 :" with a count.
namespace ScreenHeader {

// Builds the line; the labels are returned for the screen to keep. The total starts as the number of
// members not withdrawn.
QHBoxLayout* build(QWidget* parent, QLabel** schoolName, QLabel** total, QLabel** found = nullptr);
QString schoolName();

// The top of a small list window (certificates, roster): its title, starting size and closing on close,
// the head line with the counts, and the bar of `captions` as Enter-safe buttons, the last of which
// closes the window. The caller adds what follows the buttons (export buttons, the stretch).
struct WindowTop {
    QHBoxLayout* head = nullptr;
    QHBoxLayout* bar = nullptr;
    QLabel* total = nullptr;
    QLabel* found = nullptr;
    QList<QPushButton*> buttons;
};
WindowTop buildWindowTop(QWidget* window, const QString& title, QSize size, const QList<const char*>& captions);
int membersNotWithdrawn();

} // namespace ScreenHeader
