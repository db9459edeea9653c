#include "fitness/uPri8040.h"

#include "db/Query.h"
#include "fitness/ScreenParts.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/Dialogs.h"
#include "ui/MemberChooser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui = fitness::ui;

TfPri8040::TfPri8040(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri8040"));
    setWindowTitle(QStringLiteral("체력측정 시상"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 330);

    Com_name = new MemberChooser(MemberStatus::active(QStringLiteral("a")));
    Com_Prize = new QComboBox;
    Com_Prize->addItem(QString());
    {
        db::Query q(QStringLiteral("SELECT * FROM    T_체력측정항목 ORDER BY  측정항목코드"));
        q.open();
        while (q.next())
            Com_Prize->addItem(q.str(QStringLiteral("측정항목명")), q.str(QStringLiteral("측정항목코드")));
    }
    Rdo_Yes = new QRadioButton(QStringLiteral("예"));
    Rdo_No = new QRadioButton(QStringLiteral("아니오"));
    Rdo_Yes->setChecked(true);
    auto* times = new QButtonGroup(this);
    times->addButton(Rdo_Yes);
    times->addButton(Rdo_No);
    edt_no = new QLineEdit;
    edt_no->setMaxLength(3);
    edt_no->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    indate = ui::dateEdit();
    Edit1 = new QLineEdit;
    Edit1->setMaxLength(255);
    rdo_Form = new QRadioButton(QStringLiteral("형식 출력"));
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"));
    rdo_Form->setChecked(true);
    auto* style = new QButtonGroup(this);
    style->addButton(rdo_Form);
    style->addButton(rdo_Forms);
    btn_Preview = ui::button(QStringLiteral("미리 보기"));
    btn_Print = ui::button(QStringLiteral("  프 린 트"));

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("성 명")), 0, 0);
    g->addWidget(Com_name, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("종 목")), 1, 0);
    g->addWidget(Com_Prize, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("횟수포함")), 2, 0);
    auto* timesRow = new QHBoxLayout;
    timesRow->addWidget(Rdo_Yes);
    timesRow->addWidget(Rdo_No);
    timesRow->addSpacing(12);
    timesRow->addWidget(new QLabel(QStringLiteral("제")));
    timesRow->addWidget(edt_no);
    timesRow->addWidget(new QLabel(QStringLiteral("회")));
    timesRow->addStretch();
    g->addLayout(timesRow, 2, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("발 부 일 자")), 3, 0);
    g->addWidget(indate, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("비 고")), 4, 0);
    g->addWidget(Edit1, 4, 1, 1, 3);
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(rdo_Form);
    styleRow->addWidget(rdo_Forms);
    styleRow->addStretch();
    g->addLayout(styleRow, 5, 1, 1, 3);
    g->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_Preview);
    buttons->addWidget(btn_Print);

    auto* root = new QVBoxLayout(this);
    root->addWidget(ui::title(QStringLiteral("체 력 측 정   시 상")));
    root->addLayout(g);
    root->addStretch();
    root->addLayout(buttons);

    connect(btn_Preview, &QPushButton::clicked, this, &TfPri8040::btn_PreviewClick);
    connect(btn_Print, &QPushButton::clicked, this, &TfPri8040::btn_PrintClick);
}

bool TfPri8040::run(int destination)
{
    if (Com_name->memberNo().isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("시상할 수련생을 선택하세요."), this);
        Com_name->setFocus();
        return false;
    }
    if (Com_Prize->currentData().toString().isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("종목을 선택하세요."), this);
        Com_Prize->setFocus();
        return false;
    }
    FitnessAward::Fields f;
    f.memberNo = Com_name->memberNo();
    f.memberName = db::scalar(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE 회원번호 = :no"), {{QStringLiteral("no"), f.memberNo}}).toString();
    f.schoolYear = db::scalar(QStringLiteral("SELECT 학년 FROM T_회원 WHERE 회원번호 = :no"), {{QStringLiteral("no"), f.memberNo}}).toString();
    f.itemCode = Com_Prize->currentData().toString();
    f.itemName = Com_Prize->currentText();
    f.withCompetition = Rdo_Yes->isChecked();
    f.competition = edt_no->text();
    f.date = indate->date();
    f.remark = Edit1->text();
    f.forms = rdo_Forms->isChecked();
    const FitnessAward award(f);
    const qint64 before = award.number();
    const bool ok = award.run(destination, this);
    if (ok && db::scalar(QStringLiteral("SELECT 상장발부 FROM T_도장정보")).toLongLong() > before)
        ui::notify(QStringLiteral("체력측정 시상 기록: 제 %1 호 %2 %3").arg(before).arg(f.memberName, f.itemName));
    return ok;
}

void TfPri8040::btn_PreviewClick() { run(report::Preview); }

void TfPri8040::btn_PrintClick() { run(report::Printer); }
