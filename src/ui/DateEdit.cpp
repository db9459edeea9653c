#include "ui/DateEdit.h"

#include "db/Clock.h"
#include "ui/StatusLine.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
// The lowest date the field holds stands for "no date": it is shown blank.
const QDate kBlank(1752, 9, 14);
const QString kFormat = QStringLiteral("yyyy-MM-dd");
}

DateEdit::DateEdit(QWidget* parent) : DateEdit(Clock::today(), parent) {}

DateEdit::DateEdit(const QDate& date, QWidget* parent) : QDateEdit(date, parent)
{
    setDisplayFormat(kFormat);
    setCalendarPopup(true);
    // Screens hear of the date once it is whole, not of every digit on the way.
    setKeyboardTracking(false);
    setMinimumDate(kBlank);
}

void DateEdit::prepareCalendar()
{
    if (m_calendarReady)
        return;
    m_calendarReady = true;
    calendarWidget()->installEventFilter(this);
}

void DateEdit::mousePressEvent(QMouseEvent* e)
{
    // The press on the arrow opens the calendar; it is made here, the first time.
    if (calendarPopup())
        prepareCalendar();
    QDateEdit::mousePressEvent(e);
}

void DateEdit::setAllowEmpty(bool on)
{
    m_allowEmpty = on;
    setSpecialValueText(on ? QStringLiteral(" ") : QString());
    setEmpty(); // blank until a date is given (or today for a date that must be there)
}

bool DateEdit::isEmpty() const { return m_allowEmpty && date() == kBlank; }

void DateEdit::setEmpty()
{
    m_typing = false;
    setDate(m_allowEmpty ? kBlank : Clock::today());
}

QString DateEdit::dateText() const { return isEmpty() ? QString() : date().toString(kFormat); }

void DateEdit::setDateText(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed().left(10), kFormat);
    if (d.isValid() && d > kBlank)
        setDate(d);
    else
        setEmpty();
}

QDate DateEdit::reference() const { return isEmpty() || date() == kBlank ? Clock::today() : date(); }

QDate DateEdit::fromDigits(const QString& digits, const QDate& shown)
{
    for (const QChar c : digits)
        if (!c.isDigit())
            return {};
    auto num = [&](int from, int n) { return digits.mid(from, n).toInt(); };
    QDate d;
    switch (digits.size()) {
    case 1:
    case 2:
        d = QDate(shown.year(), shown.month(), digits.toInt());
        break;
    case 4:
        d = QDate(shown.year(), num(0, 2), num(2, 2));
        break;
    case 6: {
        // Two-digit years up to this year are this century's (birth dates included).
        const int yy = num(0, 2);
        const int thisYear = Clock::today().year() % 100;
        d = QDate((yy <= thisYear ? 2000 : 1900) + yy, num(2, 2), num(4, 2));
        break;
    }
    case 8:
        d = QDate(num(0, 4), num(4, 2), num(6, 2));
        break;
    default:
        break;
    }
    return d.isValid() && d > kBlank ? d : QDate();
}

void DateEdit::showTyped()
{
    // The digits typed so far, in the shape of the date they are becoming.
    QString t = m_digits.left(4);
    if (m_digits.size() > 4)
        t += u'-' + m_digits.mid(4, 2);
    if (m_digits.size() > 6)
        t += u'-' + m_digits.mid(6, 2);
    // Unheard by the date itself: "2024-02-3" on the way to "2024-02-30" must not become the 3rd.
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(t);
    lineEdit()->setCursorPosition(t.size());
}

void DateEdit::finishTyping()
{
    if (!m_typing)
        return;
    m_typing = false;
    const QString digits = m_digits;
    m_digits.clear();
    const QDate d = fromDigits(digits, reference());
    if (d.isValid()) {
        setDate(d);
        setCurrentSection(QDateTimeEdit::DaySection); // the arrows go on by days from here
        return;
    }
    StatusLine::show(QStringLiteral("없는 날짜입니다: %1").arg(digits));
    setDate(date()); // shows the date it had
}

void DateEdit::cancelTyping()
{
    m_typing = false;
    m_digits.clear();
    setDate(date());
}

void DateEdit::keyPressEvent(QKeyEvent* e)
{
    const QString text = e->text();
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && text.size() == 1 && text[0].isDigit() && !isReadOnly()) {
        if (!m_typing) {
            m_typing = true;
            m_digits.clear();
        }
        if (m_digits.size() < 8)
            m_digits += text[0];
        showTyped();
        if (m_digits.size() == 8)
            finishTyping();
        e->accept();
        return;
    }
    if (m_typing) {
        switch (e->key()) {
        case Qt::Key_Backspace:
            m_digits.chop(1);
            if (m_digits.isEmpty())
                cancelTyping();
            else
                showTyped();
            e->accept();
            return;
        case Qt::Key_Escape:
            cancelTyping();
            e->accept();
            return;
        case Qt::Key_Minus:
        case Qt::Key_Slash:
        case Qt::Key_Period:
            e->accept(); // separators come by themselves
            return;
        default:
            finishTyping();
            break;
        }
    } else if ((e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace) && plain && !isReadOnly()) {
        // Parts of a date cannot be rubbed out one by one: the whole date goes, where it may.
        if (m_allowEmpty)
            setEmpty();
        e->accept();
        return;
    }
    QDateEdit::keyPressEvent(e);
}

void DateEdit::focusInEvent(QFocusEvent* e)
{
    m_typing = false;
    m_digits.clear();
    QDateEdit::focusInEvent(e);
}

void DateEdit::focusOutEvent(QFocusEvent* e)
{
    finishTyping();
    QDateEdit::focusOutEvent(e);
}

void DateEdit::stepBy(int steps)
{
    finishTyping();
    if (isEmpty()) {
        setDate(Clock::today()); // the arrows start from today, not from the blank
        return;
    }
    QDateEdit::stepBy(steps);
}

bool DateEdit::eventFilter(QObject* watched, QEvent* e)
{
    // The calendar of a blank field opens on this month.
    if (m_calendarReady && watched == calendarWidget() && e->type() == QEvent::Show && isEmpty())
        calendarWidget()->setCurrentPage(Clock::today().year(), Clock::today().month());
    return QDateEdit::eventFilter(watched, e);
}
