#include "fitness/FitnessResultScreen.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/Session.h"
#include "stats/HeadcountFigures.h"
#include "fitness/ScreenParts.h"
#include "db/MemberStatus.h"
#include "report/ExportButtons.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui = fitness::ui;

FitnessResultScreen::FitnessResultScreen(const QString& caption, const QString& spacedTitle, bool evaluation, QWidget* parent)
    : QWidget(parent), m_evaluation(evaluation)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* top = ui::heading(spacedTitle, int(HeadcountFigures::currentMembers()), &lbl_Total, &lbl_Found);

    auto* bar = ui::toolbar({{&Btn_Query, QStringLiteral("조     회")}, {&Btn_Print, QStringLiteral("인     쇄")}});
    m_toolbar = bar;
    Btn_Close = ui::button(QStringLiteral("종     료"));
    bar->addWidget(Btn_Close);
    ExportButtons::addForWindow(bar, this, Btn_Close);

    auto* filters = new QHBoxLayout;
    Com_Name = new QComboBox;
    Com_Name->setEditable(true);
    Com_Name->addItem(QString());
    {
        db::Query q(QStringLiteral("SELECT DISTINCT 회원명 FROM T_회원 WHERE ") + MemberStatus::notWithdrawn() + QStringLiteral(" ORDER BY 회원명"));
        q.open();
        while (q.next())
            Com_Name->addItem(q.str(QStringLiteral("회원명")));
    }
    Com_Name->setCurrentIndex(0);
    Com_Bu = new DivisionFilter;
    Rd1 = new QRadioButton(QStringLiteral("형식출력"));
    Rd2 = new QRadioButton(QStringLiteral("Forms출력"));
    Rd1->setChecked(true);
    auto* style = new QButtonGroup(this);
    style->addButton(Rd1);
    style->addButton(Rd2);
    filters->addWidget(new QLabel(QStringLiteral("이 름")));
    filters->addWidget(Com_Name, 1);
    filters->addWidget(new QLabel(QStringLiteral("부 명")));
    filters->addWidget(Com_Bu, 1);
    filters->addWidget(Rd1);
    filters->addWidget(Rd2);

    m_options = new QHBoxLayout;

    model = new ListModel(this);
    model->setCheckable(true);
    QList<ListModel::Column> cols = {{QStringLiteral("회원번호"), 86}, {QStringLiteral("이 름"), 64}, {QStringLiteral("부"), 90},
                                     {QStringLiteral("입관일자"), 76}, {QStringLiteral("나이"), 36}, {QStringLiteral("성"), 28},
                                     {QStringLiteral("최종 측정일자"), 84}, {QStringLiteral("현 급"), 56},
                                     {QStringLiteral("전화 번호"), 90}, {QStringLiteral("생년월일"), 76}};
    if (evaluation)
        cols.append({{QStringLiteral("학년"), 50}, {QStringLiteral("나이"), 36}, {QStringLiteral("이메일"), 120},
                     {QStringLiteral("핸드폰번호"), 90}});
    model->setColumns(cols);
    lst_Members = ui::gridView(model);
    connect(lst_Members, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { lst_MembersDblClick(i.row()); });

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(bar);
    root->addLayout(filters);
    root->addLayout(m_options);
    root->addWidget(lst_Members, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &FitnessResultScreen::Btn_QueryClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
}

void FitnessResultScreen::Btn_QueryClick()
{
    m_members = FitnessResults::list(Com_Name->currentText(), Com_Bu->condition());
    const int year = Clock::today().year();
    QList<QStringList> rows;
    rows.reserve(m_members.size());
    for (const FitnessResults::Member& m : m_members) {
        QStringList r = {m.no, m.name, m.division, m.enrolDate, FitnessResults::ageText(m.birthDate, year, QString()), m.sex,
                         m.latestDate, m.rank, m.phone, m.birthDate};
        if (m_evaluation)
            r << m.schoolYear << FitnessResults::ageText(m.birthDate, year, QStringLiteral("0")) << m.email << m.mobile;
        rows.append(r);
    }
    model->setRows(rows);
    lbl_Found->setText(QString::number(m_members.size()));
}

void FitnessResultScreen::lst_MembersDblClick(int row)
{
    if (row < 0 || row >= m_members.size())
        return;
    Session::setSelectedMemberNo(m_members[row].no);
    if (ScreenHost* host = ScreenHost::current())
        host->open(QStringLiteral("TfPer0020"));
}

QList<FitnessResults::Member> FitnessResultScreen::ticked() const
{
    QList<FitnessResults::Member> out;
    for (int r : model->tickedRows())
        out.append(m_members[r]);
    return out;
}
