#include "operations/uDaily.h"

#include "ui/ScreenHost.h"
#include "db/DbError.h"
#include "ui/ScreenHeader.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"
#include "ui/BarButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Where each kind of record is made: the menu entries that open those screens on the right page
// (the withdrawal screen with its entry button captioned for the page).
const QStringList kEntryPlaces[DailyStatus::KindCount] = {
    {"개인관리", "신상명세서"},
    {"퇴관처리", "퇴관처리"},
    {"퇴관처리", "휴관처리"},
    {"퇴관처리", "복관처리"},
    {"출석관리", "일일결석자확인"},
};

const screens::Entry* entryAt(const QStringList& place) { return ScreenHost::programEntry(place); }

} // namespace

TfDaily::TfDaily(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfDaily");
    setWindowTitle(QStringLiteral("일일 현황"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 480);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num));
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfDaily::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입     력", &TfDaily::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수     정", &TfDaily::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭     제", &TfDaily::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조     회", &TfDaily::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확     인", &TfDaily::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취     소", &TfDaily::Btn_CancelClick);
    Btn_Print = button("Btn_Print", "인     쇄", &TfDaily::Btn_PrintClick);
    Btn_Exit = button("Btn_Exit", "종     료", nullptr);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);

    auto* dateRow = new QHBoxLayout;
    dtpk_Date = new DateEdit(this);
    dateRow->addWidget(new QLabel(QStringLiteral("작업일자"), this));
    dateRow->addWidget(dtpk_Date);
    dateRow->addStretch();
    root->addLayout(dateRow);

    auto* moves = new QGridLayout;
    const char* titles[] = {"입관자", "퇴관자", "휴관자", "복관자", "결석자"};
    const char* counts[] = {"입 관 :", "퇴 관 :", "휴 관 :", "복 관 :", "결 석 :"};
    for (int k = 0; k < DailyStatus::KindCount; ++k) {
        btn_Open[k] = new QPushButton(QString::fromUtf8(titles[k]), this);
        btn_Open[k]->setAutoDefault(false);
        lbl_Count[k] = new QLabel(QStringLiteral("0"), this);
        edt_Names[k] = new QLineEdit(this);
        edt_Names[k]->setReadOnly(true);
        moves->addWidget(btn_Open[k], k, 0);
        moves->addWidget(new QLabel(QString::fromUtf8(counts[k]), this), k, 1);
        moves->addWidget(lbl_Count[k], k, 2);
        moves->addWidget(edt_Names[k], k, 3);
        connect(btn_Open[k], &QPushButton::clicked, this, [this, k] { openKind(k); });
        const screens::Entry* e = entryAt(kEntryPlaces[k]);
        btn_Open[k]->setEnabled(e && ScreenHost::current() && ScreenHost::current()->available(*e));
    }
    moves->setColumnStretch(3, 1);
    root->addLayout(moves);

    auto* box = new QGroupBox(QStringLiteral("수     련     내     용"), this);
    auto* lines = new QGridLayout(box);
    lines->addWidget(new QLabel(QStringLiteral("유급자"), box), 0, 0, Qt::AlignHCenter);
    lines->addWidget(new QLabel(QStringLiteral("유품자"), box), 0, 1, Qt::AlignHCenter);
    for (int i = 0; i < 8; ++i) {
        edt_Colour[i] = new QLineEdit(box);
        edt_Poom[i] = new QLineEdit(box);
        edt_Colour[i]->setMaxLength(60);
        edt_Poom[i]->setMaxLength(60);
        lines->addWidget(edt_Colour[i], i + 1, 0);
        lines->addWidget(edt_Poom[i], i + 1, 1);
    }
    lines->setVerticalSpacing(1);
    root->addWidget(box, 1);

    chgEdBoxState(false);
    chgButtonState();
    showContent(); // today's lines at opening
}

DailyStatus::Content TfDaily::content() const
{
    DailyStatus::Content c;
    for (int i = 0; i < 8; ++i) {
        c.colour.append(edt_Colour[i]->text());
        c.poom.append(edt_Poom[i]->text());
    }
    return c;
}

void TfDaily::clearAll()
{
    for (int k = 0; k < DailyStatus::KindCount; ++k) {
        edt_Names[k]->clear();
        lbl_Count[k]->setText(QStringLiteral("0"));
    }
    for (int i = 0; i < 8; ++i) {
        edt_Colour[i]->clear();
        edt_Poom[i]->clear();
    }
}

void TfDaily::showContent()
{
    DailyStatus::Content c;
    if (!DailyStatus::load(dtpk_Date->date(), &c))
        return;
    for (int i = 0; i < 8; ++i) {
        edt_Colour[i]->setText(c.colour.value(i));
        edt_Poom[i]->setText(c.poom.value(i));
    }
}

void TfDaily::chgEdBoxState(bool on)
{
    for (int i = 0; i < 8; ++i) {
        edt_Colour[i]->setReadOnly(!on);
        edt_Poom[i]->setReadOnly(!on);
    }
}

void TfDaily::chgButtonState()
{
    const bool pending = m_mode != Mode::Browse;
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Search, Btn_Print, Btn_Exit})
        b->setEnabled(!pending);
    Btn_Ok->setEnabled(pending);
    Btn_Cancel->setEnabled(pending);
}

void TfDaily::Btn_SearchClick()
{
    clearAll();
    const DailyStatus::Movements m = DailyStatus::read(dtpk_Date->date());
    for (int k = 0; k < DailyStatus::KindCount; ++k) {
        lbl_Count[k]->setText(QString::number(m.names[k].size()));
        edt_Names[k]->setText(DailyStatus::nameBox(m.names[k]));
    }
    showContent();
}

void TfDaily::Btn_InsertClick()
{
    clearAll(); // a new day sheet
    m_mode = Mode::Insert;
    chgEdBoxState(true);
    chgButtonState();
    edt_Colour[0]->setFocus();
}

void TfDaily::Btn_EditClick()
{
    m_mode = Mode::Edit;
    chgEdBoxState(true);
    chgButtonState();
    edt_Colour[0]->setFocus();
}

void TfDaily::Btn_DeleteClick()
{
    m_mode = Mode::Delete;
    chgButtonState();
}

void TfDaily::Btn_OkClick()
{
    try {
        if (m_mode == Mode::Delete)
            DailyStatus::remove(dtpk_Date->date());
        else if (m_mode != Mode::Browse)
            DailyStatus::save(dtpk_Date->date(), content());
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), (m_mode == Mode::Delete ? QStringLiteral("삭제 에러 입니다.\n")
                                                                      : QStringLiteral("저장 에러 입니다.\n")) + e.message(), this);
        return;
    }
    StatusLine::show(QStringLiteral("%1 일일현황을 %2하였습니다.")
                         .arg(dtpk_Date->dateText(), m_mode == Mode::Delete ? QStringLiteral("삭제") : QStringLiteral("저장")));
    Btn_CancelClick();
}

void TfDaily::Btn_CancelClick()
{
    clearAll();
    m_mode = Mode::Browse;
    chgEdBoxState(false);
    chgButtonState();
}

void TfDaily::Btn_PrintClick()
{
    QString counts[DailyStatus::KindCount], boxes[DailyStatus::KindCount];
    for (int k = 0; k < DailyStatus::KindCount; ++k) {
        counts[k] = lbl_Count[k]->text();
        boxes[k] = edt_Names[k]->text();
    }
    report::PrintJob job;
    DailyStatus::fillSheet(job, dtpk_Date->date(), counts, boxes, content(), Pan_Company->text());
    job.run("일일현황.rpt", "일일현황", report::Preview, this);
}

void TfDaily::openKind(int kind)
{
    const screens::Entry* e = entryAt(kEntryPlaces[kind]);
    if (e && ScreenHost::current())
        ScreenHost::current()->run(*e);
}
