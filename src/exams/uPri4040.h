#pragma once
#include <QDate>
#include <QWidget>

class QLabel;
class QPushButton;

// 승급채점 결과: previews or prints the result sheet of one committed examination. The opener hands
// over the promotion date and the examination number.
class TfPri4040 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri4040(QWidget* parent = nullptr);

    void setExam(const QDate& date, int examNo);
    QDate date() const { return m_date; }
    int examNo() const { return m_examNo; }

    void btnPreviewClick();
    void btnPrintClick();

    QLabel* lbl_Exam = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;

private:
    bool run(int destination);

    QDate m_date;
    int m_examNo = 0;
};
