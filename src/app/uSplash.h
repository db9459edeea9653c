#pragma once
#include <QWidget>

// The start-up picture: a borderless window centred on the screen, shown while the main window is made.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};
