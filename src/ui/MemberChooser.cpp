#include "ui/MemberChooser.h"

#include "db/Query.h"
#include "ui/KeyboardFlow.h"
#include "ui/StatusLine.h"

#include "text/NameMatch.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {
const char* const kHeadings[] = {"이름", "회원번호", "부", "생년월일"};
}

MemberNames::MemberNames(QObject* parent) : QAbstractTableModel(parent) {}

QList<MemberNames::Row> MemberNames::read(const QString& condition)
{
    QList<Row> out;
    db::Query q;
    q << "SELECT a.회원번호, a.회원명, a.생년월일, b.부명 "
      << "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 ";
    if (!condition.trimmed().isEmpty())
        q << "WHERE " + condition + " ";
    q << "ORDER BY a.회원명, a.회원번호";
    q.open();
    while (q.next())
        out.append({q.str("회원번호"), q.str("회원명"), q.str("부명"), q.str("생년월일")});
    return out;
}

namespace {
bool sameRows(const QList<MemberNames::Row>& a, const QList<MemberNames::Row>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MemberNames::Row& x, const MemberNames::Row& y) {
        return x.no == y.no && x.name == y.name && x.division == y.division && x.birth == y.birth;
    });
}
} // namespace

void MemberNames::load(const QString& condition)
{
    QList<Row> rows = read(condition);
    // Unchanged names keep the fields that show them as they are (a reset would clear their text).
    if (m_loaded && sameRows(rows, m_rows))
        return;
    beginResetModel();
    m_rows = std::move(rows);
    m_loaded = true;
    endResetModel();
}

QSharedPointer<MemberNames> MemberNames::shared(const QString& condition)
{
    static QHash<QString, QWeakPointer<MemberNames>> lists;
    QSharedPointer<MemberNames> names = lists.value(condition).toStrongRef();
    if (!names) {
        names = QSharedPointer<MemberNames>(new MemberNames);
        lists.insert(condition, names);
    }
    return names;
}

int MemberNames::find(const QString& no) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].no == no)
            return i;
    return -1;
}

int MemberNames::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int MemberNames::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant MemberNames::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Row& r = m_rows[index.row()];
    switch (index.column()) {
    case Name: return r.name;
    case Number: return r.no;
    case Division: return r.division;
    case Birth: return r.birth;
    case Key: return r.name + u' ' + r.no;
    default: return {};
    }
}

QVariant MemberNames::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Key)
        return QString::fromUtf8(kHeadings[section]);
    return {};
}

// The members the search text finds, in the list's order.
class MemberMatches : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setMatch(const NameMatch& m)
    {
        m_match = m;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        const auto* names = static_cast<const MemberNames*>(sourceModel());
        const MemberNames::Row& r = names->row(row);
        return m_match.matches(r.name, r.no);
    }

private:
    NameMatch m_match{QString()};
};

MemberChooser::MemberChooser(const QString& condition, QWidget* parent)
    : QLineEdit(parent), m_condition(condition), m_model(MemberNames::shared(condition)), m_matches(new MemberMatches(this)),
      m_view(new QTreeView(this))
{
    setPlaceholderText(QStringLiteral("이름 또는 번호"));
    setMaxLength(20);
    KeyboardFlow::keepEnter(this); // Enter chooses here
    m_matches->setSourceModel(m_model.data());
    // A window of its own that never takes the focus, so that the field keeps the keys and the
    // input method's composition while the list is open.
    m_view->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    m_view->setAttribute(Qt::WA_ShowWithoutActivating);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setModel(m_matches);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setColumnHidden(MemberNames::Key, true);
    m_view->hide();
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { choose(i.row()); });
    connect(this, &QLineEdit::textEdited, this, &MemberChooser::search);
}

MemberChooser::~MemberChooser() { m_matches->setSourceModel(nullptr); }

void MemberChooser::ensureNames()
{
    if (!m_read)
        reload();
}

void MemberChooser::reload()
{
    m_read = true;
    m_model->load(m_condition);
    if (!m_no.isEmpty() && m_model->find(m_no) < 0)
        m_no.clear();
}

void MemberChooser::setCondition(const QString& condition)
{
    m_condition = condition;
    m_model = MemberNames::shared(condition);
    m_matches->setSourceModel(m_model.data());
    reload();
}

void MemberChooser::setMemberNo(const QString& no)
{
    ensureNames();
    const int i = m_model->find(no);
    m_no = i < 0 ? QString() : no;
    setText(i < 0 ? QString() : m_model->row(i).name);
}

QList<MemberNames::Row> MemberChooser::matches() const
{
    QList<MemberNames::Row> out;
    for (int r = 0; r < m_matches->rowCount(); ++r)
        out.append(m_model->row(m_matches->mapToSource(m_matches->index(r, 0)).row()));
    return out;
}

void MemberChooser::filter(const QString& typed, const QString& composing)
{
    ensureNames();
    static_cast<MemberMatches*>(m_matches)->setMatch(NameMatch(typed, composing));
}

void MemberChooser::search()
{
    m_no.clear();
    // A composition in the middle of the text is taken as typed; at the end it still grows.
    QString done = text();
    QString composing = m_composing;
    if (!composing.isEmpty() && cursorPosition() < done.size()) {
        done.insert(cursorPosition(), composing);
        composing.clear();
    }
    filter(done, composing);
    if (done.trimmed().isEmpty() && composing.isEmpty()) {
        m_view->hide();
        return;
    }
    showList();
}

void MemberChooser::inputMethodEvent(QInputMethodEvent* e)
{
    // The composition is known before the commit searches (textEdited), so both count together.
    const QString before = text();
    const QString was = m_composing;
    m_composing = e->preeditString();
    QLineEdit::inputMethodEvent(e);
    if (text() == before && m_composing != was)
        search(); // only the composition changed
}

void MemberChooser::showAll()
{
    filter(QString());
    setFocus();
    selectAll();
    showList();
}

void MemberChooser::showList()
{
    if (m_matches->rowCount() == 0) {
        m_view->hide();
        StatusLine::show(QStringLiteral("'%1'에 맞는 회원이 없습니다.").arg((text() + m_composing).trimmed()));
        return;
    }
    // Wide enough for the four columns, whatever the width of the field; at most twelve lines.
    for (int c = 0; c < MemberNames::Key; ++c)
        m_view->resizeColumnToContents(c);
    int width = 24;
    for (int c = 0; c < MemberNames::Key; ++c)
        width += m_view->columnWidth(c) + 12;
    const int lines = std::min(m_matches->rowCount(), 12);
    const int line = std::max(m_view->sizeHintForRow(0), fontMetrics().height() + 4);
    m_view->resize(std::max(width, this->width()), line * lines + m_view->header()->sizeHint().height() + 6);
    m_view->move(mapToGlobal(QPoint(0, height())));
    m_view->setCurrentIndex(QModelIndex());
    m_view->show();
}

void MemberChooser::moveInList(int step)
{
    const int rows = m_matches->rowCount();
    if (rows == 0)
        return;
    const int at = m_view->currentIndex().isValid() ? m_view->currentIndex().row() + step : (step > 0 ? 0 : rows - 1);
    m_view->setCurrentIndex(m_matches->index(std::clamp(at, 0, rows - 1), 0));
}

void MemberChooser::choose(int row)
{
    if (row >= 0 && row < m_matches->rowCount())
        chooseNo(m_model->row(m_matches->mapToSource(m_matches->index(row, 0)).row()).no);
}

void MemberChooser::chooseNo(const QString& no)
{
    m_view->hide();
    m_composing.clear();
    setMemberNo(no);
    if (!m_no.isEmpty())
        emit memberChosen(m_no);
}

void MemberChooser::keyPressEvent(QKeyEvent* e)
{
    const bool listed = m_view->isVisible();
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (listed && m_view->currentIndex().isValid()) {
            choose(m_view->currentIndex().row());
        } else if (!(text() + m_composing).trimmed().isEmpty() && m_no.isEmpty()) {
            // One match is taken at once; namesakes are listed to choose from.
            search();
            if (m_matches->rowCount() == 1)
                choose(0);
        }
        e->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (listed) {
            moveInList(e->key() == Qt::Key_Down ? 1 : -1);
        } else if (e->key() == Qt::Key_Down) {
            // Down opens the list: every member when one is chosen already, else those the text matches.
            filter(m_no.isEmpty() ? text() : QString(), m_no.isEmpty() ? m_composing : QString());
            showList();
        }
        e->accept();
        return;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        if (listed) {
            moveInList(e->key() == Qt::Key_PageDown ? 11 : -11);
            e->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (listed) {
            m_view->hide();
            e->accept();
            return;
        }
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(e);
}

void MemberChooser::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // A click into the list keeps it until the click has chosen.
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus() && !m_view->underMouse())
            m_view->hide();
    });
}

void MemberChooser::hideEvent(QHideEvent* e)
{
    m_view->hide();
    QLineEdit::hideEvent(e);
}
