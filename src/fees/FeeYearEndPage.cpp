#include "fees/FeeYearEndPage.h"

#include "db/Clock.h"
#include "fees/FeePageParts.h"
#include "ui/ScreenHost.h"
#include "report/Report.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

FeeYearEndPage::FeeYearEndPage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    com_FeeBu = feepage::divisionBox(filter, this);
    com_FeeName = feepage::nameBox(filter, this);
    filter->addWidget(new QLabel(QStringLiteral("연  도"), this));
    edt_Year = new QLineEdit(QString::number(Clock::today().year()), this);
    edt_Year->setMaxLength(4);
    edt_Year->setFixedWidth(50);
    filter->addWidget(edt_Year);
    filter->addStretch();
    root->addLayout(filter);

    model = new ListModel({QStringLiteral("회원번호"), QStringLiteral("입관일자"), QStringLiteral("회원명"), QStringLiteral("부명"),
                               QStringLiteral("비    고"), QStringLiteral("주소"), QStringLiteral("주민등록번호")},
                              true, this);
    lsv_FeeSend = feepage::listView(model, this);
    root->addWidget(lsv_FeeSend, 1);
    connect(lsv_FeeSend, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { ScreenHost::showMember(model->text(i.row(), ColNo)); });

    auto* filer = new QGridLayout;
    edt_ParentName = new QLineEdit(this);
    edt_ParentJuminNo = new QLineEdit(this);
    edt_Relation = new QLineEdit(QStringLiteral("자"), this);
    edt_DayTime = new QLineEdit(this);
    edt_WeekDay = new QLineEdit(QStringLiteral("5"), this);
    edt_Relation->setFixedWidth(50);
    edt_DayTime->setFixedWidth(40);
    edt_WeekDay->setFixedWidth(40);
    filer->addWidget(new QLabel(QStringLiteral("부모성명"), this), 0, 0);
    filer->addWidget(edt_ParentName, 0, 1);
    filer->addWidget(new QLabel(QStringLiteral("주민등록번호(납세번호)"), this), 0, 2);
    filer->addWidget(edt_ParentJuminNo, 0, 3);
    filer->addWidget(new QLabel(QStringLiteral("관계"), this), 0, 4);
    filer->addWidget(edt_Relation, 0, 5);
    auto* week = new QHBoxLayout;
    week->addWidget(new QLabel(QStringLiteral("1일 수업시간"), this));
    week->addWidget(edt_DayTime);
    week->addWidget(new QLabel(QStringLiteral("시간"), this));
    week->addSpacing(20);
    week->addWidget(new QLabel(QStringLiteral("1주간 수업일수"), this));
    week->addWidget(edt_WeekDay);
    week->addWidget(new QLabel(QStringLiteral("일"), this));
    week->addStretch();
    filer->addLayout(week, 1, 0, 1, 6);
    root->addLayout(filer);
}

void FeeYearEndPage::setNames(QAbstractItemModel* names) { feepage::setNames(com_FeeName, names); }

int FeeYearEndPage::count() const { return model->rows(); }

void FeeYearEndPage::Btn_QueryClick()
{
    m_lines = YearEndStatement::list(com_FeeName->currentText(), com_FeeBu->condition(QStringLiteral("T_회원.부별코드")));
    QList<QStringList> rows;
    rows.reserve(m_lines.size());
    for (const YearEndStatement::Line& l : m_lines)
        rows.append({l.memberNo, l.enrolled, l.name, l.division, QString(), l.address, l.residentNo});
    model->setRows(std::move(rows), true);
    emit countChanged();
}

void FeeYearEndPage::Btn_PrintClick()
{
    const QString problem = YearEndStatement::yearProblem(edt_Year->text());
    if (!problem.isEmpty()) {
        Dialogs::info(QStringLiteral("확인"), problem, this);
        edt_Year->setFocus();
        return;
    }
    QList<YearEndStatement::Line> ticked;
    QList<int> positions;
    for (int r : model->tickedRows()) {
        ticked.append(m_lines[r]);
        positions.append(r);
    }
    if (ticked.isEmpty()) {
        Dialogs::info(QStringLiteral("수련비"), QStringLiteral("발부할 회원이 없습니다. 조회한 뒤 선택하세요."), this);
        return;
    }
    YearEndStatement::Filer f;
    f.parentName = edt_ParentName->text();
    f.parentNo = edt_ParentJuminNo->text();
    f.relation = edt_Relation->text();
    f.hoursPerDay = edt_DayTime->text();
    f.daysPerWeek = edt_WeekDay->text();
    YearEndStatement::print(ticked, positions, edt_Year->text(), f, report::Preview, this);
}
