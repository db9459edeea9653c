#include "operations/uEve0020.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "report/Report.h"
#include "ui/StatusLine.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfEve0020::TfEve0020(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfEve0020");
    setWindowTitle(QStringLiteral("참가증서 발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(460, 380);
    auto* root = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edt_Count = new QLineEdit(this);
    edt_Host = new QLineEdit(this);
    edt_Host->setMaxLength(16);
    form->addRow(QStringLiteral("횟   차:"), edt_Count);
    form->addRow(QStringLiteral("주최명 :"), edt_Host);
    root->addLayout(form);
    auto* modes = new QHBoxLayout;
    rb_Form = new QRadioButton(QStringLiteral("형식 출력"), this);
    rb_Forms = new QRadioButton(QStringLiteral("Forms 출력"), this);
    rb_Form->setChecked(true);
    modes->addWidget(rb_Form);
    modes->addWidget(rb_Forms);
    modes->addStretch();
    root->addLayout(modes);

    pnl_Lines = new QWidget(this);
    auto* lines = new QFormLayout(pnl_Lines);
    for (int i = 0; i < 5; ++i) {
        edt_Line[i] = new QLineEdit(pnl_Lines);
        edt_Line[i]->setMaxLength(40);
        lines->addRow(i == 0 ? QStringLiteral("상장내용 :") : QString(), edt_Line[i]);
    }
    btn_Record = new QPushButton(QStringLiteral("기 록"), pnl_Lines);
    btn_Record->setAutoDefault(false);
    lines->addRow(QString(), btn_Record);
    root->addWidget(pnl_Lines);
    pnl_Fixed = new QWidget(this);
    auto* fixed = new QVBoxLayout(pnl_Fixed);
    fixed->addWidget(new QLabel(QStringLiteral("본 상장에 대한 내용은"), pnl_Fixed));
    fixed->addWidget(new QLabel(QStringLiteral("이미 설정이 되어 있습니다."), pnl_Fixed));
    root->addWidget(pnl_Fixed);
    root->addStretch();

    auto* bar = new QHBoxLayout;
    btn_Preview = new QPushButton(QStringLiteral("미리 보기"), this);
    btn_Print = new QPushButton(QStringLiteral("  프 린 트"), this);
    auto* close = new QPushButton(QStringLiteral("종     료"), this);
    bar->addStretch();
    for (QPushButton* b : {btn_Preview, btn_Print, close}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    root->addLayout(bar);
    connect(btn_Record, &QPushButton::clicked, this, &TfEve0020::btn_RecordClick);
    connect(btn_Preview, &QPushButton::clicked, this, &TfEve0020::btn_PreviewClick);
    connect(btn_Print, &QPushButton::clicked, this, &TfEve0020::btn_PrintClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TfEve0020::setUp(const QString& eventItem, const QStringList& names)
{
    m_eventCode = codes::codeOf(eventItem);
    m_eventName = eventItem.mid(eventItem.indexOf(u')') + 1).trimmed();
    m_names = names;
    const bool fixed = ParticipationCertificate::fixedText(m_eventCode);
    pnl_Lines->setVisible(!fixed);
    pnl_Fixed->setVisible(fixed);
    const QStringList body = fixed ? QStringList() : ParticipationCertificate::bodyLines(m_eventCode);
    for (int i = 0; i < 5; ++i)
        edt_Line[i]->setText(body.value(i));
}

ParticipationCertificate TfEve0020::certificate() const
{
    ParticipationCertificate c;
    c.names = m_names;
    c.eventCode = m_eventCode;
    c.eventName = m_eventName;
    c.edition = edt_Count->text().trimmed();
    c.organiser = edt_Host->text().trimmed();
    c.forms = rb_Forms->isChecked();
    c.date = Clock::today();
    if (!ParticipationCertificate::fixedText(m_eventCode))
        for (QLineEdit* e : edt_Line)
            c.lines.append(e->text());
    return c;
}

void TfEve0020::btn_RecordClick()
{
    QStringList lines;
    for (QLineEdit* e : edt_Line)
        lines.append(e->text());
    ParticipationCertificate::storeBodyLines(m_eventCode, lines);
    StatusLine::show(QStringLiteral("상장내용을 기록하였습니다."));
}

void TfEve0020::btn_PreviewClick() { certificate().run(report::Preview, windowTitle(), this); }

void TfEve0020::btn_PrintClick() { certificate().run(report::Printer, windowTitle(), this); }
