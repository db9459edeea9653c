#pragma once
#include <QDate>
#include <QList>
#include <QWidget>

#include "cashbook/Partners.h"

class DateEdit;
class ListModel;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The page "거래 내역" of the cash book: the goods lines of one partner, date and direction, entered
// and deleted through PartnerDeals, driven by the window's toolbar.
class DealPage : public QWidget {
    Q_OBJECT
public:
    explicit DealPage(QWidget* parent = nullptr);

    // Partners and goods groups read again, then the lines of what is chosen.
    void reload();
    // "거래 내역 으로..": one partner, direction and date.
    void showDealing(const QString& partner, bool income, const QDate& date);

    QString partnerCode() const;
    bool income() const;
    QDate date() const;
    bool inEntry() const { return m_entry != Entry::None; }
    const QList<DealLine>& shownLines() const { return m_lines; }
    int selectedRow() const;
    void selectRow(int row);

    void Btn_InsertClick();
    void Btn_EditClick();
    bool Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_DeleteClick();
    void btn_AddNextClick();
    void btn_PrintClick();

    QComboBox* com_Partner = nullptr;
    QComboBox* com_InType = nullptr;
    QLineEdit* edt_CashSeq = nullptr;
    DateEdit* dtpk_Date = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QPushButton* btn_PrevMonth = nullptr;
    QPushButton* btn_NextMonth = nullptr;
    QLabel* lbl_Partner = nullptr;
    QTableView* grd_Deal = nullptr;
    QLabel* lbl_Count = nullptr;
    QLabel* lbl_Sum = nullptr;
    QLineEdit* edt_Item = nullptr;
    QCheckBox* chk_FromList = nullptr;
    QComboBox* com_Group = nullptr;
    QComboBox* com_Goods = nullptr;
    QLineEdit* edt_Standard = nullptr;
    QLineEdit* edt_Qty = nullptr;
    QLineEdit* edt_Price = nullptr;
    QLineEdit* edt_Supply = nullptr;
    QLineEdit* edt_Tax = nullptr;
    QLineEdit* edt_Memo = nullptr;
    QPushButton* btn_AddNext = nullptr;
    QPushButton* btn_Print = nullptr;

signals:
    void entryChanged(bool editing);

private:
    enum class Entry { None, New, Edit };
    void load();
    void setDate(const QDate& d);
    void showRow(int row);
    void clearFields();
    void chgEdBoxState(bool on);
    void setEntry(Entry e);
    void fillSupply();
    void setPicking(bool on);
    QString itemText() const;

    Entry m_entry = Entry::None;
    bool m_loading = false;
    QList<DealLine> m_lines;
    ListModel* m_model = nullptr;
};
