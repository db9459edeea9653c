#pragma once
#include <QTimer>
#include <QWidget>

#include "attendance/CheckIns.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class CheckInListPage;
class CheckInChartPage;

// "출석 체크": the window at the door. One field takes what a card scanner types (the number and Enter)
// or a typed number or name; the member's name, photo and division stay shown for a few seconds. Desk
// flags (unpaid months, birthday, examination) show only when the kiosk mode is off. Everything works
// from the keyboard: keys typed anywhere in the window go to the field. At the desk two more pages list
// the check-ins and chart them.
class TfCheckIn : public QWidget {
    Q_OBJECT
public:
    enum Page { PageDoor = 0, PageList = 1, PageChart = 2 };
    static constexpr int kShowMs = 5000; // how long a member stays shown

    explicit TfCheckIn(QWidget* parent = nullptr);

    // Kiosk: the door PC's public screen, without desk flags and without the desk pages.
    void setKiosk(bool on);
    bool kiosk() const;

    void edt_InputReturn(); // Enter in the field
    void clearShown();      // the member shown goes, after kShowMs

    const CheckIns::Result& lastResult() const { return m_last; }

    QTabWidget* PageControl1 = nullptr;
    QLabel* lbl_School = nullptr;
    QLabel* lbl_Clock = nullptr;
    QCheckBox* chk_Kiosk = nullptr;
    QLineEdit* edt_Input = nullptr;
    QLabel* lbl_Photo = nullptr;
    QLabel* lbl_Name = nullptr;
    QLabel* lbl_Division = nullptr;
    QLabel* lbl_Message = nullptr;
    QLabel* lbl_Flags = nullptr;
    QListWidget* lst_Namesakes = nullptr;
    QPushButton* btnExit = nullptr;
    CheckInListPage* listPage = nullptr;
    CheckInChartPage* chartPage = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* buildDoorPage();
    void showResult(const CheckIns::Result& r);
    void showChoice(const CheckIns::Result& r);
    void pickNamesake(int row);
    void tick();

    CheckIns::Result m_last;
    QList<CheckIns::Member> m_namesakes;
    QTimer m_clear;
    QTimer m_clock;
};
