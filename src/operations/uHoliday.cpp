#include "operations/uHoliday.h"

#include "ui/CheckedCellDelegate.h"
#include "ui/ListPanel.h"

#include <QTableView>
#include <QVBoxLayout>

TfHoliday::TfHoliday(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfHoliday");
    setWindowTitle(QStringLiteral("공휴일 및 공통 행사등록"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(460, 420);
    auto* root = new QVBoxLayout(this);
    m_panel = new ListPanel(m_list, {{"공휴/행사일", "공휴행사일"}, {"공휴일 및 공통 행사명", "공휴행사명"}}, this);
    ListPanel::Captions c;
    c.insert = QStringLiteral("입력");
    c.search = QStringLiteral("조회");
    c.close = QStringLiteral("종료");
    m_panel->addButtons(c);
    m_panel->setFirstFields("공휴행사일", "공휴행사명");
    m_panel->setDate("공휴행사일");
    m_panel->grid()->setColumnWidth(0, 100);
    root->addWidget(m_panel);
    connect(m_panel, &ListPanel::closeRequested, this, &QWidget::close);
}
