#include "forms/uPri8030.h"

#include "ui/ScreenHost.h"
#include "db/Session.h"
#include "ui/ScreenHeader.h"
#include "stats/GeneralQueries.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/SchoolYearFilter.h"
#include "report/ExportButtons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfPri8030::TfPri8030(QWidget* parent) : QWidget(parent)
{
    const ScreenHeader::WindowTop frame = ScreenHeader::buildWindowTop(this, QStringLiteral("수련생 명부"), {700, 500}, {"조     회", "인     쇄", "종     료"});
    Btn_Query = frame.buttons[0];
    Btn_Print = frame.buttons[1];
    Btn_Close = frame.buttons[2];
    lbl_Total = frame.total;
    lbl_Found = frame.found;
    QHBoxLayout* bar = frame.bar;
    QHBoxLayout* head = frame.head;
    ExportButtons::addForWindow(bar, this, Btn_Close);
    bar->addStretch();

    com_bu = new DivisionFilter;
    com_Year = new SchoolYearFilter;
    com_FromBelt = new QComboBox;
    com_ToBelt = new QComboBox;
    const QStringList ranks = tot::rankEntries();
    com_FromBelt->addItems(ranks);
    com_ToBelt->addItem(QString());
    com_ToBelt->addItems(ranks.mid(5));
    edt_Title = new QLineEdit;
    edt_Title->setMaxLength(40);
    auto* filter = new QGridLayout;
    filter->addWidget(new QLabel(QStringLiteral("부  별")), 0, 0);
    filter->addWidget(com_bu, 0, 1);
    filter->addWidget(new QLabel(QStringLiteral("학  년")), 0, 2);
    filter->addWidget(com_Year, 0, 3);
    filter->addWidget(new QLabel(QStringLiteral("급   품")), 1, 0);
    auto* belts = new QHBoxLayout;
    belts->addWidget(com_FromBelt);
    belts->addWidget(new QLabel(QStringLiteral("~")));
    belts->addWidget(com_ToBelt);
    filter->addLayout(belts, 1, 1, 1, 3);
    filter->addWidget(new QLabel(QStringLiteral("행 사 명")), 2, 0);
    filter->addWidget(edt_Title, 2, 1, 1, 3);
    filter->setColumnStretch(4, 1);

    m_model = new ListModel({QStringLiteral("회원번호"), QStringLiteral("부"), QStringLiteral("이 름"), QStringLiteral("현 급"),
                             QStringLiteral("전화 번호"), QStringLiteral("학 년"), QStringLiteral("비고")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grd_List = new QTableView;
    ListModel::setUpView(grd_List, m_model, {100, 90, 80, 70, 100, 60, 80});

    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(filter);
    root->addWidget(grd_List, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &TfPri8030::Btn_QueryClick);
    connect(Btn_Print, &QPushButton::clicked, this, [this] { Btn_PrintClick(0); });
    connect(grd_List, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            ScreenHost::showMember(m_rows[i.row()].memberNo);
    });
}

void TfPri8030::Btn_QueryClick()
{
    Roster::Filter f;
    f.division = com_bu->condition();
    f.grade = com_Year->condition();
    f.rankIndex = com_FromBelt->currentIndex();
    f.rankText = com_FromBelt->currentText();
    f.rankToText = com_ToBelt->currentText();
    m_rows = Roster::query(f);
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const Roster::Row& row = m_rows[r];
        const QString cells[] = {row.memberNo, row.division, row.name, row.rank, row.phone, row.grade, QString()};
        return cells[c];
    });
    lbl_Found->setText(QString::number(m_rows.size()));
}

bool TfPri8030::Btn_PrintClick(int destination)
{
    bool any = false;
    for (const auto& r : m_rows)
        any = any || r.ticked;
    if (!any) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("인쇄할 수련생을 조회하여 선택하세요."), this);
        return false;
    }
    return Roster::print(m_rows, com_bu->currentText(), edt_Title->text().trimmed(), destination, this);
}
