#include "operations/uBuEvent.h"

#include "ui/ScreenHeader.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfBuEvent::TfBuEvent(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfBuEvent");
    setWindowTitle(QStringLiteral("부별행사 등록"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 440);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num));
    auto* lists = new QHBoxLayout;
    const char* headings[4] = {"유치부", "초등부 유급자", "초등부 유품자", "중고/일반"};
    for (int i = 0; i < 4; ++i) {
        m_lists[i] = std::make_unique<CalendarList>(CalendarList::divisionKinds()[i]);
        m_panels[i] = new ListPanel(*m_lists[i], {{"행사일자", "공휴행사일"}, {"행사명", "공휴행사명"}}, this);
        m_panels[i]->setHeading(QString::fromUtf8(headings[i]));
        m_panels[i]->addButtons({});
        m_panels[i]->setFirstFields("공휴행사일", "공휴행사명");
        m_panels[i]->setDate("공휴행사일");
        m_panels[i]->grid()->setColumnWidth(0, 84);
        lists->addWidget(m_panels[i]);
    }
    root->addLayout(lists, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("종     료"), this);
    close->setAutoDefault(false);
    bottom->addWidget(close);
    root->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

TfBuEvent::~TfBuEvent() = default;
