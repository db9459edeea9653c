#pragma once
#include <QList>
#include <QWidget>

#include "cashbook/Partners.h"

class DateEdit;
class ListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The mode "거래처거래내역 조회" of the cash book's inquiry page: goods lines of a period by partner,
// goods, direction and remark, with their totals and the printed list.
class PartnerInquiryPanel : public QWidget {
    Q_OBJECT
public:
    explicit PartnerInquiryPanel(QWidget* parent = nullptr);

    void reset();              // lists read again, grid and totals cleared
    void Btn_QueryClick();
    void btn_ListPrintClick();
    PartnerDeals::Filter filter() const;
    const QList<PartnerDeals::InquiryRow>& rows() const { return m_rows; }

    DateEdit* dtpk_From = nullptr;
    DateEdit* dtpk_To = nullptr;
    QComboBox* com_Partner = nullptr;
    QComboBox* com_Group = nullptr;
    QComboBox* com_Goods = nullptr;
    QComboBox* com_InOut = nullptr;
    QLineEdit* edt_Memo = nullptr;
    QTableView* grd_Deals = nullptr;
    QLabel* lbl_Count = nullptr;
    QLabel* lbl_Sum = nullptr;
    QPushButton* btn_ListPrint = nullptr;

signals:
    void found(int count);

private:
    QList<PartnerDeals::InquiryRow> m_rows;
    ListModel* m_model = nullptr;
    bool m_queried = false;
};
