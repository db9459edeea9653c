#pragma once
#include <QDate>
#include <QWidget>

#include "report/PageLayout.h"

class QPushButton;

// "일일정산표": the lines of one cash-book day with their sums, previewed or printed.
class TfPri1020 : public QWidget, public report::PageLayout {
    Q_OBJECT
public:
    explicit TfPri1020(const QDate& day, QWidget* parent = nullptr);
    QDate day() const { return m_day; }

    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

protected:
    void build(report::PageBuilder& pages) const override;

private:
    QDate m_day;
};
