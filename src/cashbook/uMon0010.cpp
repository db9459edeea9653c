#include "cashbook/uMon0010.h"

#include "cashbook/CashBook.h"
#include "cashbook/CashPageParts.h"
#include "cashbook/DealPage.h"
#include "cashbook/PartnerInquiryPanel.h"
#include "cashbook/PartnerRegisterPage.h"
#include "db/Clock.h"
#include "report/ExportButtons.h"
#include "ui/KeyboardFlow.h"
#include "ui/PasswordEcho.h"
#include "ui/StatusLine.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using cashpage::button;

TfMon0010::TfMon0010(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("금전출납"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* top = new QHBoxLayout;
    auto* heading = new QLabel(QStringLiteral("금   전   출   납"));
    QFont hf = heading->font();
    hf.setPointSize(hf.pointSize() + 8);
    hf.setBold(true);
    heading->setFont(hf);
    lbl_SchoolName = new QLabel(CashBook::schoolName());
    lbl_Found = new QLabel(QStringLiteral("0"));
    top->addWidget(heading);
    top->addStretch();
    top->addWidget(lbl_SchoolName);
    top->addSpacing(24);
    top->addWidget(new QLabel(QStringLiteral("검색건수 :")));
    top->addWidget(lbl_Found);

    auto* bar = new QHBoxLayout;
    Btn_Insert = button(QStringLiteral("입     력"));
    Btn_Edit = button(QStringLiteral("수     정"));
    Btn_Delete = button(QStringLiteral("삭     제"));
    Btn_Query = button(QStringLiteral("조     회"));
    Btn_Save = button(QStringLiteral("확     인"));
    Btn_Cancel = button(QStringLiteral("취     소"));
    Btn_Print = button(QStringLiteral("인     쇄"));
    Btn_Close = button(QStringLiteral("종     료"));
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Save, Btn_Cancel, Btn_Print, Btn_Close})
        bar->addWidget(b);
    bar->addStretch();
    edt_PassWord = new QLineEdit;
    edt_PassWord->setMaxLength(8);
    echoAsStars(edt_PassWord);
    edt_PassWord->setFixedWidth(100);
    Btn_Ok = button(QStringLiteral("확  인"));
    bar->addWidget(edt_PassWord);
    bar->addWidget(Btn_Ok);

    PgCtr = new QTabWidget;
    PgCtr->addTab(buildRegisterPage(), QStringLiteral("입/출금등록"));
    pg_Deal = new DealPage;
    pg_Partner = new PartnerRegisterPage;
    PgCtr->addTab(pg_Deal, QStringLiteral("거래 내역"));
    PgCtr->addTab(pg_Partner, QStringLiteral("거래처등록"));
    PgCtr->addTab(buildCodesPage(), QStringLiteral("입/출금항목등록"));
    PgCtr->addTab(buildInquiryPage(), QStringLiteral("입/출금내역조회"));
    connect(pg_Deal, &DealPage::entryChanged, this, &TfMon0010::pageEntryChanged);
    connect(pg_Partner, &PartnerRegisterPage::entryChanged, this, &TfMon0010::pageEntryChanged);
    ExportButtons::addForPages(bar, this, PgCtr, Btn_Close);

    auto* root = new QVBoxLayout(this);
    // Thin top and bottom margins: a day of 13 lines stays in sight under the screen's own title bar.
    const QMargins m = root->contentsMargins();
    root->setContentsMargins(m.left(), 4, m.right(), 4);
    root->setSpacing(2);
    root->addLayout(top);
    root->addLayout(bar);
    root->addWidget(PgCtr, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfMon0010::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfMon0010::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfMon0010::Btn_DeleteClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfMon0010::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfMon0010::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfMon0010::Btn_CancelClick);
    connect(Btn_Print, &QPushButton::clicked, this, &TfMon0010::Btn_PrintClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfMon0010::Btn_OkClick);
    connect(edt_PassWord, &QLineEdit::returnPressed, this, &TfMon0010::Btn_OkClick);
    KeyboardFlow::keepEnter(edt_PassWord); // Enter opens the book, it does not move on
    connect(PgCtr, &QTabWidget::currentChanged, this, [this] { PgCtrChange(); });

    m_loading = true;
    setRegisterDate(Clock::today());
    dtpk_From->setDate(Clock::today());
    dtpk_To->setDate(Clock::today());
    m_loading = false;
    loadCategories();
    setLocked(CashBook::screenLocked());
    if (!m_locked)
        PgCtrChange();
}

// ---------------------------------------------------------------- window

int TfMon0010::currentPage() const { return PgCtr->currentIndex(); }

void TfMon0010::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= PgCtr->count() || !PgCtr->isTabEnabled(index))
        index = PgRegister;
    {
        QSignalBlocker block(PgCtr);
        PgCtr->setCurrentIndex(index);
    }
    if (runChange && !m_locked)
        PgCtrChange();
}

void TfMon0010::setLocked(bool on)
{
    m_locked = on;
    edt_PassWord->setVisible(on);
    Btn_Ok->setVisible(on);
    PgCtr->setEnabled(!on);
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Save, Btn_Cancel, Btn_Print})
        b->setEnabled(!on);
    if (on)
        edt_PassWord->setFocus();
}

void TfMon0010::Btn_OkClick()
{
    if (!CashBook::passwordMatches(edt_PassWord->text()))
        return;
    edt_PassWord->clear();
    setLocked(false);
    PgCtrChange();
}

void TfMon0010::setToolbar(bool insert, bool edit, bool del, bool query, bool save, bool cancel)
{
    Btn_Insert->setEnabled(insert);
    Btn_Edit->setEnabled(edit);
    Btn_Delete->setEnabled(del);
    Btn_Query->setEnabled(query);
    Btn_Save->setEnabled(save);
    Btn_Cancel->setEnabled(cancel);
    Btn_Print->setEnabled(true);
}

void TfMon0010::PgCtrChange()
{
    if (m_locked)
        return;
    if (inEntry())
        endEntry(); // the register page reloads below when it is shown again
    pg_Deal->Btn_CancelClick();
    pg_Partner->Btn_CancelClick();
    if (m_cat != ListState::Browse)
        btn_CatCancelClick();
    if (m_det != ListState::Browse)
        btn_DetCancelClick();
    switch (PgCtr->currentIndex()) {
    case PgRegister:
    case PgDeal:
    case PgPartner:
        setToolbar(true, true, true, false, true, true);
        break;
    case PgCodes:
        setToolbar(false, false, false, false, false, false);
        break;
    case PgInquiry:
        setToolbar(false, false, false, true, false, false);
        break;
    }
    if (PgCtr->currentIndex() == PgRegister) {
        loadDay();
    } else if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->reload();
    } else if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->load();
    } else if (PgCtr->currentIndex() == PgCodes) {
        loadCategories();
    } else if (PgCtr->currentIndex() == PgInquiry) {
        m_loading = true;
        dtpk_From->setDate(Clock::today());
        dtpk_To->setDate(Clock::today());
        m_loading = false;
        ModeChange();
    }
}

void TfMon0010::Refresh()
{
    if (inEntry())
        endEntry();
    clearInquiry();
    loadDay();
}

void TfMon0010::showStatus(const QString& text) { StatusLine::show(text); }

void TfMon0010::Btn_PrintClick()
{
    if (PgCtr->currentIndex() == PgRegister)
        btn_DayPrintClick();
    else if (PgCtr->currentIndex() == PgDeal)
        pg_Deal->btn_PrintClick();
    else if (PgCtr->currentIndex() == PgInquiry && partnerMode())
        pnl_PartnerInquiry->btn_ListPrintClick();
    else if (PgCtr->currentIndex() == PgInquiry)
        btn_ListPrintClick();
}
