#include "attendance/CheckInListPage.h"

#include "db/Clock.h"
#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include "report/ExportButtons.h"
#include "ui/ListModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

CheckInListPage::CheckInListPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CheckInListPage"));
    auto* lay = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    com_bu = new DivisionFilter(this);
    com_bu->setObjectName(QStringLiteral("com_bu"));
    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(10);
    const QDate today = Clock::today();
    dtpk_FromDate = new DateEdit(QDate(today.year(), today.month(), 1), this);
    dtpk_FromDate->setObjectName(QStringLiteral("dtpk_FromDate"));
    dtpk_ToDate = new DateEdit(today, this);
    dtpk_ToDate->setObjectName(QStringLiteral("dtpk_ToDate"));
    rbByDay = new QRadioButton(QStringLiteral("일자별"), this);
    rbByDay->setObjectName(QStringLiteral("rbByDay"));
    rbByDay->setChecked(true);
    rbByMember = new QRadioButton(QStringLiteral("회원별"), this);
    rbByMember->setObjectName(QStringLiteral("rbByMember"));
    btnRefresh = new QPushButton(QStringLiteral("조     회"), this);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    row->addWidget(new QLabel(QStringLiteral("부 명"), this));
    row->addWidget(com_bu);
    row->addWidget(new QLabel(QStringLiteral("이 름"), this));
    row->addWidget(edName);
    row->addWidget(new QLabel(QStringLiteral("조회 기간"), this));
    row->addWidget(dtpk_FromDate);
    row->addWidget(new QLabel(QStringLiteral("~"), this));
    row->addWidget(dtpk_ToDate);
    row->addStretch();
    lay->addLayout(row);
    row = new QHBoxLayout;
    row->addWidget(rbByDay);
    row->addWidget(rbByMember);
    row->addStretch();
    row->addWidget(btnRefresh);
    lay->addLayout(row);
    lvList = new QTableView(this);
    lvList->setObjectName(QStringLiteral("lvList"));
    m_dayModel = new ListModel({QStringLiteral("일자"), QStringLiteral("시각"), QStringLiteral("회원번호"), QStringLiteral("회원명"),
                                QStringLiteral("부  명"), QStringLiteral("구분")},
                               this);
    m_memberModel = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부  명"), QStringLiteral("출석일수"),
                                   QStringLiteral("체크횟수"), QStringLiteral("처음"), QStringLiteral("마지막")},
                                  this);
    m_memberModel->setRightAligned(3);
    m_memberModel->setRightAligned(4);
    ListModel::setUpView(lvList, m_dayModel, {90, 70, 90, 80, 100, 50});
    lay->addWidget(lvList, 1);
    ExportButtons::add(row, this, [this] {
        return ExportButtons::fromView(lvList, QStringLiteral("출석 현황"), ExportButtons::filtersOf(this, lvList));
    });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
}

CheckInReports::Filter CheckInListPage::filter() const { return {com_bu->condition(QStringLiteral("b.부별코드")), edName->text()}; }

// All the lines listed, also those of a long list not yet handed to the view.
int CheckInListPage::lineCount() const
{
    const auto* m = qobject_cast<const ListModel*>(lvList->model());
    return m ? m->rows() : 0;
}

void CheckInListPage::btnRefreshClick()
{
    const QDate from = dtpk_FromDate->date(), to = dtpk_ToDate->date();
    if (rbByDay->isChecked()) {
        m_days = CheckInReports::byDay(filter(), from, to);
        m_dayModel->show(int(m_days.size()), [this](int r, int c) {
            const CheckInReports::DayLine& l = m_days[r];
            const QString cells[] = {l.at.left(10), l.at.mid(11, 5), l.memberNo, l.name, l.division, l.how};
            return cells[c];
        });
        if (lvList->model() != m_dayModel)
            ListModel::setUpView(lvList, m_dayModel, {90, 70, 90, 80, 100, 50});
        return;
    }
    m_members = CheckInReports::byMember(filter(), from, to);
    m_memberModel->show(int(m_members.size()), [this](int r, int c) {
        const CheckInReports::MemberLine& l = m_members[r];
        const QString cells[] = {l.memberNo, l.name, l.division, QString::number(l.days), QString::number(l.times),
                                 l.first.left(16), l.last.left(16)};
        return cells[c];
    });
    if (lvList->model() != m_memberModel)
        ListModel::setUpView(lvList, m_memberModel, {90, 80, 100, 70, 70, 120, 120});
}
