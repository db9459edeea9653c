#pragma once
#include <QList>
#include <QWidget>

#include "cashbook/Partners.h"

class ListModel;
class QLineEdit;
class QTableView;

// The page "거래처등록" of the cash book: the partner list beside the boxes of the chosen partner,
// driven by the window's toolbar.
class PartnerRegisterPage : public QWidget {
    Q_OBJECT
public:
    explicit PartnerRegisterPage(QWidget* parent = nullptr);

    void load(const QString& select = QString());
    bool inEntry() const { return m_entry != Entry::None; }
    QString currentCode() const;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_DeleteClick();

    QTableView* grd_Partner = nullptr;
    QLineEdit* edt_Code = nullptr;
    QLineEdit* edt_Name = nullptr;
    QLineEdit* edt_BizNo = nullptr;
    QLineEdit* edt_Owner = nullptr;
    QLineEdit* edt_Address = nullptr;
    QLineEdit* edt_Zip = nullptr;
    QLineEdit* edt_BizType = nullptr;
    QLineEdit* edt_BizItem = nullptr;
    QLineEdit* edt_Phone1 = nullptr;
    QLineEdit* edt_Phone2 = nullptr;

signals:
    void entryChanged(bool editing);
    void partnersChanged();

private:
    enum class Entry { None, New, Edit };
    void showPartner(int row);
    void chgEdBoxState(bool on);
    void setEntry(Entry e);
    Partner typed() const;

    Entry m_entry = Entry::None;
    QList<Partner> m_partners;
    ListModel* m_model = nullptr;
};
