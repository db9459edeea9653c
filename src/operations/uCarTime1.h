#pragma once
#include <QWidget>
#include <memory>

#include "operations/ShuttleList.h"

class ListPanel;
class QPushButton;
class QTabWidget;

// 탑승 현황: the shuttle courses, their stops and the pick-up times, one tab each; the toolbar acts on
// the tab in front.
class TfCarTime1 : public QWidget {
    Q_OBJECT
public:
    explicit TfCarTime1(QWidget* parent = nullptr);
    ~TfCarTime1() override;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void PageControl1Change();

    ListPanel* panel(ShuttleList::Tab tab) const { return m_panels[tab]; }
    ListPanel* current() const;
    ShuttleList& list(ShuttleList::Tab tab) { return *m_lists[tab]; }

    QTabWidget* PageControl1 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    void chgButtonState(bool editing);

    std::unique_ptr<ShuttleList> m_lists[3];
    ListPanel* m_panels[3] = {};
};
