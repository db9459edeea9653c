#pragma once
#include <QDateEdit>

// The date field of every screen: "YYYY-MM-DD", a calendar to pick from, the arrow keys and the wheel
// step the part under the cursor. Digits typed anywhere in the field make the whole date:
//   "20241205" -> 2024-12-05   "241205" -> 2024-12-05   "1205" -> the 5th of December of the shown year
//   "5" or "05" -> the 5th of the shown month
// A typed date that does not exist leaves the field as it was and says so on the status line.
//
//   auto* dtpk_From = new DateEdit(this);             // today
//   auto* edt_Birth = new DateEdit(this);
//   edt_Birth->setAllowEmpty(true);                    // blank until typed; Delete empties it again
//   edt_Birth->setDateText(row.value("생년월일"));     // "" or "YYYY-MM-DD"
//   QString birth = edt_Birth->dateText();             // "" when blank
class DateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);
    explicit DateEdit(const QDate& date, QWidget* parent = nullptr);

    void setAllowEmpty(bool on); // and starts blank (today when turned off)
    bool allowEmpty() const { return m_allowEmpty; }
    bool isEmpty() const;
    void setEmpty(); // blank when allowed, otherwise today
    QString dateText() const;
    void setDateText(const QString& text);

    // The date that the typed digits make, judged against the date shown (or today when blank);
    // an invalid date when they make none.
    static QDate fromDigits(const QString& digits, const QDate& shown);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void stepBy(int steps) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void showTyped();
    void finishTyping();
    void cancelTyping();
    QDate reference() const;
    void prepareCalendar();

    bool m_allowEmpty = false;
    bool m_typing = false;
    bool m_calendarReady = false; // the popup calendar is built on first use, not with the field
    QString m_digits;
};
