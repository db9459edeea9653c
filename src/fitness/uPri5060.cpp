#include "fitness/uPri5060.h"

#include "db/Clock.h"
#include "fitness/ScreenParts.h"
#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

TfPri5060::TfPri5060(QWidget* parent)
    : FitnessResultScreen(QStringLiteral("체력측정결과 평가"), QStringLiteral("체 력 측 정 결 과   평 가"), true, parent)
{
    setObjectName(QStringLiteral("TfPri5060"));
    resize(780, 500);
    Btn_Data = fitness::ui::button(QStringLiteral("자료생성"));
    toolbar()->insertWidget(2, Btn_Data);
    connect(Btn_Print, &QPushButton::clicked, this, &TfPri5060::Btn_PrintClick);
    connect(Btn_Data, &QPushButton::clicked, this, &TfPri5060::Btn_DataClick);
}

void TfPri5060::Btn_PrintClick()
{
    report::PrintJob job;
    FitnessResults::fillEvaluation(job, ticked(), Clock::today());
    job.run(Rd2->isChecked() ? QStringLiteral("측정결과6.rpt") : QStringLiteral("측정결과5.rpt"), QStringLiteral("체력측정결과 일괄출력"),
            report::Preview, this);
}

void TfPri5060::Btn_DataClick()
{
    if (members().isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(windowTitle()), this);
        return;
    }
    const NoticeFile file = FitnessResults::dataFile(ticked(), Clock::today());
    if (Dialogs::show(file.write(windowTitle()), this))
        fitness::ui::notify(QStringLiteral("체력측정 자료 %1건을 만들었습니다.").arg(file.lineCount()));
}
