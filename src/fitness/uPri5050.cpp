#include "fitness/uPri5050.h"

#include "db/Clock.h"
#include "report/Report.h"

#include <QButtonGroup>
#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

TfPri5050::TfPri5050(QWidget* parent)
    : FitnessResultScreen(QStringLiteral("체력측정결과 일괄출력"), QStringLiteral("체 력 측 정 결 과   일 괄 출 력"), false, parent)
{
    setObjectName(QStringLiteral("TfPri5050"));
    resize(780, 500);
    Memo1 = new QPlainTextEdit;
    Memo1->setPlainText(FitnessResults::letter());
    Memo1->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    rdo_Tongsinmun = new QRadioButton(QStringLiteral("통신문"));
    rdo_Jibjungdo = new QRadioButton(QStringLiteral("집중도"));
    rdo_Tongsinmun->setChecked(true);
    auto* content = new QButtonGroup(this); // apart from the style choice
    content->addButton(rdo_Tongsinmun);
    content->addButton(rdo_Jibjungdo);
    options()->addWidget(new QLabel(QStringLiteral("가정통신문(10줄)")));
    options()->addWidget(Memo1, 1);
    options()->addWidget(rdo_Tongsinmun);
    options()->addWidget(rdo_Jibjungdo);
    connect(Btn_Print, &QPushButton::clicked, this, &TfPri5050::Btn_PrintClick);
}

QString TfPri5050::layoutName() const
{
    const int n = (rdo_Jibjungdo->isChecked() ? 3 : 1) + (Rd2->isChecked() ? 1 : 0);
    return QStringLiteral("측정결과%1.rpt").arg(n);
}

void TfPri5050::Btn_PrintClick()
{
    // The letter used is the default of the next opening.
    FitnessResults::saveLetter(Memo1->toPlainText());
    report::PrintJob job;
    FitnessResults::fillHistory(job, ticked(), rdo_Jibjungdo->isChecked(), Memo1->toPlainText(), Clock::today());
    job.run(layoutName(), QStringLiteral("체력측정결과 일괄출력"), report::Preview, this);
}
