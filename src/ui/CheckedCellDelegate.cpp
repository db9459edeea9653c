#include "ui/CheckedCellDelegate.h"

#include "db/Clock.h"
#include "ui/DateEdit.h"
#include "ui/DateTypingAid.h"
#include "ui/StatusLine.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QToolTip>

namespace {
const char* const kIndex = "checkedCellIndex";

QModelIndex indexOf(const QWidget* editor) { return editor->property(kIndex).value<QPersistentModelIndex>(); }

QString headingOf(const QModelIndex& index)
{
    return index.model() ? index.model()->headerData(index.column(), Qt::Horizontal).toString().simplified() : QString();
}
} // namespace

CheckedCellDelegate::CheckedCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

CheckedCellDelegate::CheckedCellDelegate(Kind allColumns, QObject* parent) : QStyledItemDelegate(parent), m_default(allColumns) {}

void CheckedCellDelegate::setKind(int column, Kind kind) { m_kinds[column] = kind; }

void CheckedCellDelegate::setMaxLength(int column, int length) { m_lengths[column] = length; }

void CheckedCellDelegate::setChoices(int column, const QStringList& items, bool freeText)
{
    m_choices[column] = [items](int) { return items; };
    m_freeText[column] = freeText;
    m_firstByDefault.remove(column);
}

void CheckedCellDelegate::setChoices(int column, std::function<QStringList(int)> items, bool freeText)
{
    m_choices[column] = std::move(items);
    m_freeText[column] = freeText;
    m_firstByDefault.insert(column);
}

bool CheckedCellDelegate::check(Kind kind, const QString& typed, const QString& before, const QString& heading,
                                QString* kept, QString* message)
{
    const QString t = typed.trimmed();
    *kept = t;
    if (t.isEmpty() || kind == Text)
        return true;
    bool ok = false;
    switch (kind) {
    case Number:
        t.toDouble(&ok);
        if (!ok)
            *message = QStringLiteral("'%1' 칸에는 숫자를 입력하세요. 입력한 값 : %2").arg(heading, t);
        return ok;
    case WholeNumber:
        t.toLongLong(&ok);
        if (!ok)
            *message = QStringLiteral("'%1' 칸에는 숫자만 입력하세요. 입력한 값 : %2").arg(heading, t);
        return ok;
    case Date: {
        QDate shown = QDate::fromString(before.trimmed(), QStringLiteral("yyyy-MM-dd"));
        if (!shown.isValid())
            shown = Clock::today();
        QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
        if (!d.isValid()) {
            const QString digits = QString(t).remove(u'-');
            bool onlyDigits = !digits.isEmpty();
            for (const QChar c : digits)
                onlyDigits = onlyDigits && c.isDigit();
            if (onlyDigits)
                d = DateEdit::fromDigits(digits, shown);
        }
        if (!d.isValid()) {
            *message = QStringLiteral("'%1' 칸의 날짜 %2은(는) 없는 날짜입니다. (예: 2015-03-02 또는 20150302)").arg(heading, t);
            return false;
        }
        *kept = d.toString(QStringLiteral("yyyy-MM-dd"));
        return true;
    }
    case Text: break;
    }
    return true;
}

QWidget* CheckedCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* w = nullptr;
    if (m_choices.contains(index.column())) {
        auto* c = new QComboBox(parent);
        c->setEditable(m_freeText.value(index.column()));
        if (c->lineEdit() && m_lengths.contains(index.column()))
            c->lineEdit()->setMaxLength(m_lengths.value(index.column()));
        c->addItems(m_choices.value(index.column())(index.row()));
        // A choice is taken at once, as the list's own drop-down would.
        connect(c, &QComboBox::activated, this, [this, c] { emit const_cast<CheckedCellDelegate*>(this)->commitData(c); });
        w = c;
    } else {
        w = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (m_lengths.contains(index.column()))
                e->setMaxLength(m_lengths.value(index.column()));
            else if (kindOf(index.column()) == Date)
                e->setMaxLength(10);
            if (kindOf(index.column()) == Date)
                DateTypingAid::install(e); // "-" after the year and the month, as in the other date cells
        }
    }
    if (w)
        w->setProperty(kIndex, QVariant::fromValue(QPersistentModelIndex(index)));
    return w;
}

void CheckedCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* c = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        const int at = c->findText(text);
        if (at < 0 && c->isEditable())
            c->setEditText(text);
        else if (at < 0 && m_firstByDefault.contains(index.column()))
            c->setCurrentIndex(0); // a new row's cell starts on the first choice
        else
            c->setCurrentIndex(at);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CheckedCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* c = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, c->currentText());
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(editor);
    if (e && !accept(e))
        return; // the cell keeps its value; the message is out
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool CheckedCellDelegate::accept(QLineEdit* editor) const
{
    const QModelIndex index = indexOf(editor);
    const Kind kind = kindOf(index.column());
    if (kind == Text)
        return true;
    QString kept, message;
    if (!check(kind, editor->text(), index.data(Qt::EditRole).toString(), headingOf(index), &kept, &message)) {
        StatusLine::show(message);
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), message, editor);
        return false;
    }
    if (kept != editor->text())
        editor->setText(kept);
    return true;
}

bool CheckedCellDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && kindOf(indexOf(editor).column()) != Text) {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                if (!accept(editor))
                    return true; // stay in the cell
                break;
            default: break;
            }
        } else if (event->type() == QEvent::FocusOut && editor->isVisible()) {
            // Leaving a refused value by clicking elsewhere keeps the editor open with it.
            if (!accept(editor))
                return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
