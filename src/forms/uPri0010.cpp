#include "forms/uPri0010.h"

#include "forms/AwardCertificate.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/AwardWriter.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/MemberChooser.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("상장발부");

QPushButton* button(const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfPri0010::TfPri0010(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("상장 발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(520, 420);

    Com_Name = new MemberChooser(MemberStatus::active(QStringLiteral("a")));
    Com_Award = new CodeCombo;
    Com_Award->load(QStringLiteral("T_상장목록"), QStringLiteral("상장코드"), QStringLiteral("상장명"), true);
    edt_Count = new QLineEdit(AwardCertificate::lastEdition());
    edt_Count->setMaxLength(3);
    edt_Count->setMaximumWidth(60);
    edt_Months = new QLineEdit;
    edt_Months->setMaxLength(2);
    edt_Months->setMaximumWidth(60);
    dtpk_Date = new DateEdit(Clock::today());
    edt_Remark = new QLineEdit;
    edt_Remark->setMaxLength(100);
    rdo_Form = new QRadioButton(QStringLiteral("형식 출력"));
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"));
    rdo_Form->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(rdo_Form);
    group->addButton(rdo_Forms);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("성   명 : ")), 0, 0);
    g->addWidget(Com_Name, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("상장명 :")), 1, 0);
    g->addWidget(Com_Award, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("횟   수 :")), 2, 0);
    g->addWidget(edt_Count, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("개월수 : ")), 2, 2);
    g->addWidget(edt_Months, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("발 부 일 자")), 3, 0);
    g->addWidget(dtpk_Date, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("비   고")), 4, 0);
    g->addWidget(edt_Remark, 4, 1, 1, 3);
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(rdo_Form);
    styleRow->addWidget(rdo_Forms);
    styleRow->addStretch();
    g->addLayout(styleRow, 5, 1, 1, 3);
    g->setColumnStretch(3, 1);

    // Fixed types carry their own text; other types five lines kept with the type.
    pnl_Text = new QStackedWidget;
    auto* fixed = new QLabel(QStringLiteral("본 상장에 대한 내용은\n이미 설정이 되어 있습니다.\n내용을 수정하고자 할 경우 \n"
                                            "환경정의에서 상장명을 추가후\n현재화면에서 내용을 설정하십시요."));
    fixed->setAlignment(Qt::AlignCenter);
    pnl_Text->addWidget(fixed);
    auto* free = new QWidget;
    auto* fg = new QGridLayout(free);
    fg->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        edt_Line[i] = new QLineEdit;
        edt_Line[i]->setMaxLength(38);
        fg->addWidget(new QLabel(QStringLiteral("상장내용 :")), i, 0);
        fg->addWidget(edt_Line[i], i, 1);
    }
    btn_Store = button(QStringLiteral("기 록"));
    fg->addWidget(btn_Store, 5, 1, Qt::AlignRight);
    pnl_Text->addWidget(free);

    btn_Preview = button(QStringLiteral("미리 보기"));
    btn_Print = button(QStringLiteral("  프 린 트"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_Preview);
    buttons->addWidget(btn_Print);

    auto* root = new QVBoxLayout(this);
    root->addLayout(g);
    root->addWidget(pnl_Text);
    root->addStretch();
    root->addLayout(buttons);

    connect(Com_Award, &QComboBox::currentIndexChanged, this, &TfPri0010::Com_AwardChange);
    connect(btn_Store, &QPushButton::clicked, this, &TfPri0010::btn_StoreClick);
    connect(btn_Preview, &QPushButton::clicked, this, [this] { run(report::Preview); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { run(report::Printer); });
    Com_AwardChange();
}

void TfPri0010::Com_AwardChange()
{
    const QString code = Com_Award->code();
    const bool free = !code.isEmpty() && !AwardCertificate::fixedType(code);
    pnl_Text->setCurrentIndex(free ? 1 : 0);
    const QStringList lines = free ? AwardCertificate::storedLines(code) : QStringList();
    for (int i = 0; i < 5; ++i)
        edt_Line[i]->setText(lines.value(i));
}

void TfPri0010::btn_StoreClick()
{
    const QString code = Com_Award->code();
    if (code.isEmpty()) {
        Dialogs::error(kCaption, QStringLiteral("상장명을 선택하세요."), this);
        Com_Award->setFocus();
        return;
    }
    QStringList lines;
    for (QLineEdit* e : edt_Line)
        lines << e->text();
    if (AwardCertificate::storeLines(code, lines))
        StatusLine::show(QStringLiteral("상장내용 기록: %1").arg(Com_Award->currentText()));
}

bool TfPri0010::run(int destination)
{
    if (Com_Name->memberNo().isEmpty()) {
        Dialogs::error(kCaption, QStringLiteral("성명을 선택하세요."), this);
        Com_Name->setFocus();
        return false;
    }
    if (Com_Award->code().isEmpty()) {
        Dialogs::error(kCaption, QStringLiteral("상장명을 선택하세요."), this);
        Com_Award->setFocus();
        return false;
    }
    AwardCertificate::Fields f;
    f.memberNo = Com_Name->memberNo();
    f.memberName = db::scalar(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE 회원번호 = :no"), {{"no", f.memberNo}}).toString();
    f.code = Com_Award->code();
    const QString item = Com_Award->currentText();
    f.name = item.contains(u')') ? item.mid(item.indexOf(u')') + 1).trimmed() : item.trimmed();
    f.edition = edt_Count->text().trimmed();
    f.months = edt_Months->text().trimmed();
    f.date = dtpk_Date->date();
    f.remark = edt_Remark->text();
    for (QLineEdit* e : edt_Line)
        f.lines << e->text();
    f.forms = rdo_Forms->isChecked();
    const AwardCertificate award(f);
    const qint64 number = award.number();
    const bool ok = award.run(destination, this);
    if (ok && AwardWriter::nextSerial() > number)
        StatusLine::show(QStringLiteral("상장 발부 기록: 제 %1 호 %2 %3").arg(number).arg(f.memberName, f.name));
    return ok;
}
