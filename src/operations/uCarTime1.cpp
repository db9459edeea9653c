#include "operations/uCarTime1.h"

#include "ui/ListPanel.h"
#include "ui/BarButton.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfCarTime1::TfCarTime1(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfCarTime1");
    setWindowTitle(QStringLiteral("탑승 현황"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 420);

    auto* root = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfCarTime1::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입력", &TfCarTime1::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수정", &TfCarTime1::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭제", &TfCarTime1::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조회", &TfCarTime1::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확인", &TfCarTime1::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취소", &TfCarTime1::Btn_CancelClick);
    Btn_Exit = button("Btn_Exit", "종료", nullptr);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);

    const QList<ListModel::Column> columns[3] = {
        {{"코스코드", "코스코드"}, {"코스", "코스이름"}},
        {{"장소코드", "장소코드"}, {"장소", "장소"}, {"코스이름", "코스이름비고"}},
        {{"시간", "시간"}, {"코스이름", "코스이름비고"}, {"장소", "장소비고"}},
    };
    const char* titles[3] = {"코스", "장소", "시간"};
    PageControl1 = new QTabWidget(this);
    for (int t = 0; t < 3; ++t) {
        m_lists[t] = std::make_unique<ShuttleList>(ShuttleList::Tab(t));
        m_panels[t] = new ListPanel(*m_lists[t], columns[t], this);
        connect(m_panels[t], &ListPanel::pendingChanged, this, &TfCarTime1::chgButtonState);
        PageControl1->addTab(m_panels[t], QString::fromUtf8(titles[t]));
    }
    // Codes: one character for a course, two for a stop, five for a time such as "07:30".
    m_panels[ShuttleList::Course]->setMaxLength("코스코드", 1);
    m_panels[ShuttleList::Course]->setFirstFields("코스코드", "코스이름");
    m_panels[ShuttleList::Stop]->setMaxLength("장소코드", 2);
    m_panels[ShuttleList::Stop]->setFirstFields("코스이름비고", "장소");
    m_panels[ShuttleList::Time]->setMaxLength("시간", 5);
    m_panels[ShuttleList::Time]->setFirstFields("코스이름비고", "시간");
    const auto courses = [](int) { return ShuttleList::courseItems(); };
    m_panels[ShuttleList::Stop]->setChoices("코스이름비고", courses);
    m_panels[ShuttleList::Time]->setChoices("코스이름비고", courses);
    m_panels[ShuttleList::Time]->setChoices("장소비고", [this](int row) {
        return ShuttleList::stopItems(m_lists[ShuttleList::Time]->rows().value(row, "코스코드").toString());
    });
    root->addWidget(PageControl1, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfCarTime1::PageControl1Change);
    chgButtonState(false);
}

TfCarTime1::~TfCarTime1() = default;

ListPanel* TfCarTime1::current() const { return m_panels[PageControl1->currentIndex()]; }

void TfCarTime1::chgButtonState(bool editing)
{
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Search, Btn_Exit})
        b->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfCarTime1::Btn_InsertClick() { current()->Btn_InsertClick(); }
void TfCarTime1::Btn_EditClick() { current()->Btn_EditClick(); }
void TfCarTime1::Btn_DeleteClick() { current()->Btn_DeleteClick(); }
void TfCarTime1::Btn_SearchClick() { current()->Btn_SearchClick(); }
void TfCarTime1::Btn_OkClick() { current()->Btn_OkClick(); }
void TfCarTime1::Btn_CancelClick() { current()->Btn_CancelClick(); }

void TfCarTime1::PageControl1Change()
{
    // Another tab: what was pending is dropped and the tab in front is read again.
    for (ListPanel* p : m_panels)
        if (p->pending())
            p->Btn_CancelClick();
    current()->Btn_SearchClick();
}
