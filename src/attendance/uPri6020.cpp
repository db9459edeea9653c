#include "attendance/uPri6020.h"

#include "ui/ScreenHost.h"
#include "db/Query.h"
#include "db/AwardWriter.h"
#include "report/Report.h"
#include "ui/StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfPri6020::TfPri6020(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri6020"));
    setWindowTitle(QStringLiteral("개근상 발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(320, 170);
    auto* lay = new QVBoxLayout(this);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lay->addWidget(lblInfo);
    auto* row = new QHBoxLayout;
    btnPreview = new QPushButton(QStringLiteral("미리 보기"), this);
    btnPreview->setObjectName(QStringLiteral("btnPreview"));
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    row->addStretch();
    row->addWidget(btnPreview);
    row->addWidget(btnPrint);
    lay->addLayout(row);
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    setAward(PerfectAttendanceAward({}, {}, {}, {}, {}));
}

TfPri6020* TfPri6020::open(PerfectAttendanceAward award)
{
    ScreenHost* host = ScreenHost::current();
    auto* w = host ? qobject_cast<TfPri6020*>(host->open(QStringLiteral("TfPri6020"))) : nullptr;
    if (!w) {
        w = new TfPri6020;
        w->show();
    }
    w->setAward(std::move(award));
    return w;
}

void TfPri6020::setAward(PerfectAttendanceAward award)
{
    m_award = std::make_unique<PerfectAttendanceAward>(std::move(award));
    const int n = int(m_award->members().size());
    if (n == 0) {
        lblInfo->setText(QStringLiteral("개근상 발부 대상이 없습니다."));
    } else {
        const qint64 next = AwardWriter::nextSerial();
        lblInfo->setText(QStringLiteral("발부 대상 : %1명\n개근 기간 : %2 ~ %3 (%4개월)\n발부 일자 : %5\n상장 번호 : %6호 ~ %7호")
                             .arg(n)
                             .arg(db::dateText(m_award->from()), db::dateText(m_award->to()))
                             .arg(PerfectAttendanceAward::months(m_award->from(), m_award->to()))
                             .arg(db::dateText(m_award->awardDate()))
                             .arg(next)
                             .arg(next + n - 1));
    }
    btnPreview->setEnabled(n > 0);
    btnPrint->setEnabled(n > 0);
}

void TfPri6020::runAward(int destination)
{
    const qint64 before = AwardWriter::nextSerial();
    m_award->run(destination, this);
    const qint64 after = AwardWriter::nextSerial();
    if (after != before)
        StatusLine::show(QStringLiteral("개근상 %1명 발부: %2호 ~ %3호").arg(m_award->members().size()).arg(before).arg(after - 1));
    setAward(*m_award);
}

void TfPri6020::btnPreviewClick() { runAward(report::Preview); }

void TfPri6020::btnPrintClick() { runAward(report::Printer); }
