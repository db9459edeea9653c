#pragma once
#include <QWidget>

#include "operations/CalendarList.h"

class ListPanel;

// 공휴일 및 공통 행사등록: the public holidays and the events common to every division.
class TfHoliday : public QWidget {
    Q_OBJECT
public:
    explicit TfHoliday(QWidget* parent = nullptr);
    ListPanel* panel() const { return m_panel; }
    CalendarList& list() { return m_list; }

private:
    CalendarList m_list{CalendarList::kHolidays};
    ListPanel* m_panel = nullptr;
};
