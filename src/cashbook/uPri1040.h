#pragma once
#include <QWidget>

#include "cashbook/Partners.h"
#include "report/PageLayout.h"

class QPushButton;

// "거래출납조회": the partner inquiry as filtered, with its income, expense and balance.
class TfPri1040 : public QWidget, public report::PageLayout {
    Q_OBJECT
public:
    // What the heading shows of each filter: the partner's name, goods and remark texts, direction.
    struct Caption {
        QString partner, item, direction, memo;
    };
    TfPri1040(const PartnerDeals::Filter& filter, const Caption& caption, QWidget* parent = nullptr);

    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

protected:
    bool landscape() const override { return true; }
    void build(report::PageBuilder& pages) const override;

private:
    PartnerDeals::Filter m_filter;
    Caption m_caption;
};
