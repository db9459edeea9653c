#include "operations/uMainTrain.h"

#include "operations/PlanDivisions.h"
#include "ui/ScreenHeader.h"
#include "ui/ListPanel.h"
#include "ui/BarButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TfMainTrain::TfMainTrain(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfMainTrain");
    setWindowTitle(QStringLiteral("주운동/세부운동 등록"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 470);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num));
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfMainTrain::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입     력", &TfMainTrain::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수     정", &TfMainTrain::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭     제", &TfMainTrain::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조     회", &TfMainTrain::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확     인", &TfMainTrain::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취     소", &TfMainTrain::Btn_CancelClick);
    Btn_Exit = button("Btn_Exit", "종     료", nullptr);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);

    PageControl1 = new QTabWidget(this);
    for (int i = 0; i < 4; ++i) {
        const PlanDivision& d = planDivisions()[i];
        m_mains[i] = std::make_unique<MainExercises>(d.name);
        m_subs[i] = std::make_unique<SubExercises>(d.name);
        auto* page = new QWidget(this);
        auto* lay = new QVBoxLayout(page);
        m_main[i] = new ListPanel(*m_mains[i], {{"구분", "반복구분"}, {"코드", "주운동코드"}, {"반복 범위", "범위"}, {"주운동 명", "주운동명"}}, page);
        m_main[i]->addButtons({});
        m_main[i]->setFirstFields("반복구분", "반복구분");
        m_main[i]->setChoices("반복구분", [](int) { return MainExercises::kinds(); });
        m_main[i]->setMaxLength("주운동코드", 2);
        m_main[i]->setMaxLength("범위", 2);
        m_sub[i] = new ListPanel(*m_subs[i], {{"코드", "세부운동코드"}, {"세부운동 명", "세부운동명"}}, page);
        m_sub[i]->addButtons({});
        m_sub[i]->setFirstFields("세부운동코드", "세부운동명");
        m_sub[i]->setMaxLength("세부운동코드", 2);
        lay->addWidget(m_main[i], 3);
        lay->addWidget(m_sub[i], 2);
        PageControl1->addTab(page, d.caption);
        for (ListPanel* p : {m_main[i], m_sub[i]}) {
            connect(p, &ListPanel::used, this, [this, p] {
                m_active = p;
                chgButtonState();
            });
            connect(p, &ListPanel::pendingChanged, this, &TfMainTrain::chgButtonState);
        }
        connect(m_main[i], &ListPanel::currentRowChanged, this, [this, i](int row) { showSubsOf(i, row); });
        connect(m_main[i], &ListPanel::pendingChanged, this, [this, i](bool pending) {
            if (!pending)
                showSubsOf(i, m_main[i]->currentRow());
        });
        showSubsOf(i, -1);
    }
    root->addWidget(PageControl1, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int i) {
        m_active = m_main[i];
        chgButtonState();
    });
    m_active = m_main[0];
    chgButtonState();
}

TfMainTrain::~TfMainTrain() = default;

void TfMainTrain::showSubsOf(int i, int mainRow)
{
    if (m_sub[i]->pending())
        return;
    db::BufferedSet& mains = m_mains[i]->rows();
    // A main exercise not yet written has no sub-exercises to show.
    const bool stored = mainRow >= 0 && mainRow < mains.count() && mains.state(mainRow) != db::BufferedSet::State::Inserted;
    m_subs[i]->setMain(stored ? mains.oldValue(mainRow, "주운동코드") : QVariant());
    m_sub[i]->refresh();
}

void TfMainTrain::chgButtonState()
{
    const bool editing = m_active && m_active->pending();
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Search, Btn_Exit})
        b->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfMainTrain::Btn_InsertClick() { m_active->Btn_InsertClick(); }
void TfMainTrain::Btn_EditClick() { m_active->Btn_EditClick(); }
void TfMainTrain::Btn_DeleteClick() { m_active->Btn_DeleteClick(); }
void TfMainTrain::Btn_SearchClick() { m_active->Btn_SearchClick(); }
void TfMainTrain::Btn_OkClick() { m_active->Btn_OkClick(); }
void TfMainTrain::Btn_CancelClick() { m_active->Btn_CancelClick(); }
