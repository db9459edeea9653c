#pragma once
#include <QWidget>
#include <memory>

#include "attendance/PerfectAttendanceAward.h"

class QLabel;
class QPushButton;

// "개근상 발부": prints the perfect-attendance certificates of the members the attendance window handed
// over when it opened this window; the awards are recorded when the pages first go out.
class TfPri6020 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri6020(QWidget* parent = nullptr);

    // Opens the window (through the screen host when there is one) with these awards.
    static TfPri6020* open(PerfectAttendanceAward award);
    void setAward(PerfectAttendanceAward award);

    void btnPreviewClick();
    void btnPrintClick();

    QLabel* lblInfo = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;

private:
    void runAward(int destination);

    std::unique_ptr<PerfectAttendanceAward> m_award;
};
