#pragma once
#include <QWidget>
#include <memory>

#include "operations/CalendarList.h"

class ListPanel;
class QLabel;

// 부별행사 등록: the events of the four plan divisions, one list each side by side.
class TfBuEvent : public QWidget {
    Q_OBJECT
public:
    explicit TfBuEvent(QWidget* parent = nullptr);
    ~TfBuEvent() override;
    ListPanel* panel(int i) const { return m_panels[i]; }

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;

private:
    std::unique_ptr<CalendarList> m_lists[4];
    ListPanel* m_panels[4] = {};
};
