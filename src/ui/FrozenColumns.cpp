#include "ui/FrozenColumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

QTableView* FrozenColumns::install(QTableView* view, int count)
{
    auto* f = new FrozenColumns(view, count);
    return f->m_frozen;
}

FrozenColumns::FrozenColumns(QTableView* view, int count)
    : QObject(view), m_view(view), m_frozen(new QTableView(view)), m_count(count)
{
    m_frozen->setObjectName(view->objectName() + QStringLiteral("_frozen"));
    m_frozen->setModel(view->model());
    m_frozen->setSelectionModel(view->selectionModel());
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setSelectionBehavior(view->selectionBehavior());
    m_frozen->setSelectionMode(view->selectionMode());
    m_frozen->setVerticalScrollMode(view->verticalScrollMode());
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->verticalHeader()->hide();
    m_frozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->horizontalHeader()->setFixedHeight(view->horizontalHeader()->height());
    // A line on its right edge tells where the sliding part begins.
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid palette(mid); }"));
    view->viewport()->stackUnder(m_frozen);

    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column < m_count) {
            m_frozen->setColumnWidth(column, size);
            place();
        }
    });
    connect(view->verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { m_frozen->setRowHeight(row, size); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, view->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(view->verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(view->horizontalScrollBar(), &QAbstractSlider::rangeChanged, this, [this] { place(); });
    connect(m_frozen, &QAbstractItemView::doubleClicked, view, &QAbstractItemView::doubleClicked);
    connect(m_frozen, &QAbstractItemView::clicked, view, &QAbstractItemView::clicked);
    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { columns(); });
    connect(view->model(), &QAbstractItemModel::layoutChanged, this, [this] { columns(); });
    connect(view->model(), &QAbstractItemModel::columnsInserted, this, [this] { columns(); });
    connect(view->model(), &QAbstractItemModel::headerDataChanged, this, [this] { columns(); });
    view->installEventFilter(this);
    view->horizontalHeader()->installEventFilter(this);
    columns();
    m_frozen->show();
}

void FrozenColumns::columns()
{
    m_frozen->verticalHeader()->setDefaultSectionSize(m_view->verticalHeader()->defaultSectionSize());
    for (int c = 0; c < m_view->model()->columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= m_count || m_view->isColumnHidden(c));
        if (c < m_count)
            m_frozen->setColumnWidth(c, m_view->columnWidth(c));
    }
    place();
}

void FrozenColumns::place()
{
    int width = 0;
    for (int c = 0; c < m_count && c < m_view->model()->columnCount(); ++c)
        if (!m_view->isColumnHidden(c))
            width += m_view->columnWidth(c);
    m_frozen->horizontalHeader()->setFixedHeight(m_view->horizontalHeader()->height());
    const int left = m_view->frameWidth() + (m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0);
    m_frozen->setGeometry(left, m_view->frameWidth(), width + 1,
                          m_view->viewport()->height() + m_view->horizontalHeader()->height());
    // Only while the grid is scrolled sideways, or wider than its room, is there something to hold.
    m_frozen->setVisible(m_view->horizontalScrollBar()->maximum() > 0);
    m_frozen->verticalScrollBar()->setValue(m_view->verticalScrollBar()->value());
}

bool FrozenColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)
        place();
    return QObject::eventFilter(watched, event);
}
