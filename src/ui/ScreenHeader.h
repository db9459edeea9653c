#pragma once
#include <QString>

class QHBoxLayout;
class QLabel;
class QWidget;

// The head line of the daily-operation screens: the school's name and "총 원 :" with a count.
namespace ScreenHeader {

// Builds the line; the labels are returned for the screen to keep. The total starts as the number of
// members not withdrawn.
QHBoxLayout* build(QWidget* parent, QLabel** schoolName, QLabel** total, QLabel** found = nullptr);
QString schoolName();
int membersNotWithdrawn();

} // namespace ScreenHeader
