#pragma once
#include <QDate>
#include <QString>
#include <QWidget>

class QDateEdit;
class QPushButton;

// The small window shared by month-end closing and its cancellation: a month, "확     인" and "종     료".
// The two differ only in their words and in the operation they run.
class MonthEndWindow : public QWidget {
    Q_OBJECT
public:
    struct Texts {
        QString title;      // window title, also the caption of its message boxes
        QString heading;    // spaced heading
        QString monthLabel;
        QString work;       // "마감작업" / "마감취소": the question "<month> <work> 하시겠습니까?"
        QString failure;
        QString done;
        QString resultCaption; // caption of the failure and completion boxes
    };
    void setMonth(const QDate& firstDay);

    QDateEdit* dtpk_Month = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Close = nullptr;
    void Btn_OkClick();

protected:
    MonthEndWindow(const Texts& texts, QString (*check)(const QString&), void (*run)(const QString&), QWidget* parent);

private:
    Texts m_texts;
    QString (*m_check)(const QString&);
    void (*m_run)(const QString&);
};
