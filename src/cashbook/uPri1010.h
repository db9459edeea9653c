#pragma once
#include <QDate>
#include <QWidget>

#include "report/PageLayout.h"

class QLineEdit;
class QPushButton;

// "거래명세표": the goods lines of one partner, date and direction as a statement of transactions.
class TfPri1010 : public QWidget, public report::PageLayout {
    Q_OBJECT
public:
    TfPri1010(const QDate& day, const QString& partner, bool income, QWidget* parent = nullptr);

    QLineEdit* edt_Receiver = nullptr;
    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

protected:
    void build(report::PageBuilder& pages) const override;

private:
    QDate m_day;
    QString m_partner;
    bool m_income;
};
