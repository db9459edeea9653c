#pragma once
#include <QMainWindow>

// The main window: opens the database for the whole run.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;
    bool databaseReady() const { return m_ready; }

private:
    bool m_ready = false;
};
