#include "exams/uPri4030.h"

#include "db/Clock.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

TfPri4030::TfPri4030(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri4030"));
    setWindowTitle(QStringLiteral("심사신청서"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(340, 190);

    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Edt_YYYY = new QLineEdit(QString::number(Clock::today().year()), this);
    Edt_YYYY->setMaxLength(4);
    Edt_JudNo = new QLineEdit(this);
    Edt_JudNo->setReadOnly(true);
    dateJ = new DateEdit(Clock::today(), this);
    form->addRow(QStringLiteral("해당년도"), Edt_YYYY);
    form->addRow(QStringLiteral("심사회차"), Edt_JudNo);
    form->addRow(QStringLiteral("신청일"), dateJ);
    top->addLayout(form);
    lbl_Count = new QLabel(this);
    top->addWidget(lbl_Count);

    auto* bar = new QHBoxLayout;
    btnPreview = new QPushButton(QStringLiteral("미리 보기"), this);
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"), this);
    btnOnline = new QPushButton(QStringLiteral("온라인 접수"), this);
    for (QPushButton* b : {btnPreview, btnPrint, btnOnline}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    top->addLayout(bar);
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnOnline, &QPushButton::clicked, this, [this] { btnOnlineClick(); });
    setApplicants({}, QString());
}

void TfPri4030::setApplicants(const QList<NationalApplications::Application>& rows, const QString& examNo)
{
    m_rows = rows;
    Edt_JudNo->setText(examNo.trimmed());
    lbl_Count->setText(QStringLiteral("신청 인원 : %1명").arg(rows.size()));
    const bool ready = !rows.isEmpty();
    for (QPushButton* b : {btnPreview, btnPrint, btnOnline})
        b->setEnabled(ready);
}

void TfPri4030::print(int destination)
{
    if (m_rows.isEmpty())
        return;
    NationalForm::printForm(m_rows, Edt_JudNo->text(), dateJ->date(), destination, this);
}

void TfPri4030::btnPreviewClick() { print(report::Preview); }

void TfPri4030::btnPrintClick() { print(report::Printer); }

void TfPri4030::btnOnlineClick()
{
    const QString year = Edt_YYYY->text().trimmed();
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fourDigits.match(year).hasMatch()) {
        Dialogs::error(QStringLiteral("확인"), QStringLiteral("해당년도를 4자리로 입력하세요."), this);
        Edt_YYYY->setFocus();
        return;
    }
    if (m_rows.isEmpty())
        return;
    const NationalForm::OnlineFile file = NationalForm::onlineFile(m_rows, Edt_JudNo->text(), year);
    QString error;
    if (!NationalForm::writeOnlineFile(file, &error)) {
        Dialogs::error(QStringLiteral("오류"), error, this);
        return;
    }
    QString text = QStringLiteral("심사신청서 자료가 생성되었습니다.");
    if (!file.unmapped.isEmpty())
        text += QStringLiteral("\n\n급품 코드가 없어 급품 칸을 비워 둔 신청자: ") + file.unmapped.join(QStringLiteral(", "));
    Dialogs::info(QStringLiteral("확인"), text, this);
    StatusLine::show(QStringLiteral("심사접수 자료 %1명 생성").arg(m_rows.size()));
}
