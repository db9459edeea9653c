#include "ui/MemberChooser.h"

#include "db/Query.h"
#include "ui/KeyboardFlow.h"
#include "ui/StatusLine.h"

#include <QAbstractProxyModel>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>

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

void MemberNames::load(const QString& condition)
{
    beginResetModel();
    m_rows = read(condition);
    endResetModel();
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
    case Key: return r.name + u' ' + r.no; // what typing searches: the name or the number
    default: return {};
    }
}

QVariant MemberNames::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Key)
        return QString::fromUtf8(kHeadings[section]);
    return {};
}

MemberChooser::MemberChooser(const QString& condition, QWidget* parent)
    : QLineEdit(parent), m_condition(condition), m_model(new MemberNames(this)), m_completer(new QCompleter(this)),
      m_view(new QTreeView)
{
    setPlaceholderText(QStringLiteral("이름 또는 번호"));
    setMaxLength(20);
    KeyboardFlow::keepEnter(this); // Enter chooses here
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->header()->setStretchLastSection(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_completer->setModel(m_model);
    m_completer->setPopup(m_view); // the completer owns the view from here
    m_view->setColumnHidden(MemberNames::Key, true);
    m_completer->setCompletionColumn(MemberNames::Key);
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(this);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& i) {
        const auto* proxy = qobject_cast<const QAbstractProxyModel*>(i.model());
        const QModelIndex src = proxy ? proxy->mapToSource(i) : i;
        if (src.isValid())
            chooseNo(m_model->row(src.row()).no);
    });
    connect(this, &QLineEdit::textEdited, this, &MemberChooser::search);
    reload();
}

void MemberChooser::reload()
{
    m_model->load(m_condition);
    if (!m_no.isEmpty() && m_model->find(m_no) < 0)
        m_no.clear();
}

void MemberChooser::setCondition(const QString& condition)
{
    m_condition = condition;
    reload();
}

void MemberChooser::setMemberNo(const QString& no)
{
    const int i = m_model->find(no);
    m_no = i < 0 ? QString() : no;
    setText(i < 0 ? QString() : m_model->row(i).name);
}

QList<MemberNames::Row> MemberChooser::matches() const
{
    QList<MemberNames::Row> out;
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(m_completer->completionModel());
    for (int r = 0; r < m_completer->completionCount(); ++r) {
        const QModelIndex i = m_completer->completionModel()->index(r, 0);
        const QModelIndex src = proxy ? proxy->mapToSource(i) : i;
        if (src.isValid())
            out.append(m_model->row(src.row()));
    }
    return out;
}

void MemberChooser::search(const QString& typed)
{
    m_no.clear();
    m_completer->setCompletionPrefix(typed.trimmed());
    if (typed.trimmed().isEmpty()) {
        m_view->hide();
        return;
    }
    showList();
}

void MemberChooser::showAll()
{
    m_completer->setCompletionPrefix(QString());
    setFocus();
    selectAll();
    showList();
}

void MemberChooser::showList()
{
    if (m_completer->completionCount() == 0) {
        m_view->hide();
        StatusLine::show(QStringLiteral("'%1'에 맞는 회원이 없습니다.").arg(text().trimmed()));
        return;
    }
    // Wide enough for the four columns, whatever the width of the field.
    for (int c = 0; c < MemberNames::Key; ++c)
        m_view->resizeColumnToContents(c);
    int width = 24;
    for (int c = 0; c < MemberNames::Key; ++c)
        width += m_view->columnWidth(c) + 12;
    m_completer->complete(QRect(0, 0, std::max(width, this->width()), height()));
}

void MemberChooser::choose(int row)
{
    const QList<MemberNames::Row> list = matches();
    if (row >= 0 && row < list.size())
        chooseNo(list[row].no);
}

void MemberChooser::chooseNo(const QString& no)
{
    m_view->hide();
    setMemberNo(no);
    if (!m_no.isEmpty())
        emit memberChosen(m_no);
}

void MemberChooser::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !m_view->isVisible()) {
        // One match is taken at once; namesakes are listed to choose from.
        if (!text().trimmed().isEmpty() && m_no.isEmpty()) {
            m_completer->setCompletionPrefix(text().trimmed());
            const QList<MemberNames::Row> list = matches();
            if (list.size() == 1)
                chooseNo(list.first().no);
            else
                showList();
        }
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Down && !m_view->isVisible()) {
        // Down opens the list: every member when one is chosen already, else those the text matches.
        m_completer->setCompletionPrefix(m_no.isEmpty() ? text().trimmed() : QString());
        showList();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
