#include "fees/FeeMonthPage.h"

#include "fees/FeePageParts.h"
#include "fees/MonthPayers.h"
#include "ui/ScreenHost.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

FeeMonthPage::FeeMonthPage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("납부월 분:"), this));
    AllToday = feepage::dateBox(this);
    filter->addWidget(AllToday);
    com_buAll = feepage::divisionBox(filter, this);
    com_Name1 = feepage::nameBox(filter, this);
    filter->addWidget(new QLabel(QStringLiteral("납부은행"), this));
    Edt_NabbuBank = new QLineEdit(this);
    Edt_NabbuBank->setFixedWidth(80);
    filter->addWidget(Edt_NabbuBank);
    filter->addStretch();
    root->addLayout(filter);

    auto* order = new QHBoxLayout;
    Opt_N1 = new QRadioButton(QStringLiteral("납부일자순"), this);
    Opt_N2 = new QRadioButton(QStringLiteral("부별순"), this);
    Opt_N3 = new QRadioButton(QStringLiteral("은행순"), this);
    Opt_N1->setChecked(true);
    for (QRadioButton* b : {Opt_N1, Opt_N2, Opt_N3})
        order->addWidget(b);
    order->addStretch();
    root->addLayout(order);

    model = new ListModel({QStringLiteral("  회원번호"), QStringLiteral(" 회원명"), QStringLiteral("  부  명"),
                               QStringLiteral(" 입관 일자"), QStringLiteral(" 전화번호"), QStringLiteral("납부일"),
                               QStringLiteral(" 납부일자"), QStringLiteral("  납부은행"), QStringLiteral("수련비 미납월")},
                              false, this);
    lvView = feepage::listView(model, this);
    root->addWidget(lvView, 1);
    connect(lvView, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { ScreenHost::showMember(model->text(i.row(), ColNo)); });
}

void FeeMonthPage::setNames(QAbstractItemModel* names) { feepage::setNames(com_Name1, names); }

int FeeMonthPage::count() const { return model->rows(); }

void FeeMonthPage::Btn_QueryClick()
{
    const MonthPayers::Order order = Opt_N2->isChecked()   ? MonthPayers::Order::Division
                                     : Opt_N3->isChecked() ? MonthPayers::Order::Bank
                                                           : MonthPayers::Order::PayDate;
    const QList<MonthPayers::Line> lines = MonthPayers::list(AllToday->date(), com_Name1->currentText(),
                                                             com_buAll->condition(QStringLiteral("T_회원.부별코드")),
                                                             Edt_NabbuBank->text(), order);
    QList<QStringList> rows;
    rows.reserve(lines.size());
    for (const MonthPayers::Line& l : lines)
        rows.append({l.memberNo, l.name, l.division, l.enrolled, l.phone, l.payDay, l.paidOn, l.bank, l.unpaidMonths});
    model->setRows(std::move(rows), true);
    emit countChanged();
}
