#pragma once
#include <QString>

class QWidget;

// The title of a message box: its short word ("확인요망") with the caption of the screen it belongs
// to, so that a box never shows the bare program name.
QString boxTitle(const QWidget* parent, const QString& caption);
