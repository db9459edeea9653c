#include "exams/uPri4040.h"

#include "exams/ResultSheet.h"
#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfPri4040::TfPri4040(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri4040"));
    setWindowTitle(QStringLiteral("승급채점 결과"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(300, 110);

    auto* top = new QVBoxLayout(this);
    lbl_Exam = new QLabel(this);
    lbl_Exam->setAlignment(Qt::AlignCenter);
    top->addWidget(lbl_Exam);
    auto* bar = new QHBoxLayout;
    btnPreview = new QPushButton(QStringLiteral("미리 보기"), this);
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"), this);
    bar->addWidget(btnPreview);
    bar->addWidget(btnPrint);
    top->addLayout(bar);
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    setExam(QDate(), 0);
}

void TfPri4040::setExam(const QDate& date, int examNo)
{
    m_date = date;
    m_examNo = examNo;
    const bool ready = date.isValid() && examNo > 0;
    lbl_Exam->setText(ready ? QStringLiteral("심사 일자 : %1   %2회").arg(date.toString(QStringLiteral("yyyy-MM-dd"))).arg(examNo)
                            : QString());
    btnPreview->setEnabled(ready);
    btnPrint->setEnabled(ready);
}

bool TfPri4040::run(int destination)
{
    if (!m_date.isValid() || m_examNo <= 0)
        return false;
    ResultSheet sheet;
    sheet.load(m_date, m_examNo);
    return sheet.run(destination, QStringLiteral("승급채점 결과"), this);
}

void TfPri4040::btnPreviewClick() { run(report::Preview); }

void TfPri4040::btnPrintClick() { run(report::Printer); }
