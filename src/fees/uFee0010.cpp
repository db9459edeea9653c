#include "fees/uFee0010.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "fees/FeeMonthPage.h"
#include "fees/FeeReceiptPage.h"
#include "fees/FeeSettlePage.h"
#include "fees/FeeUnpaidPage.h"
#include "fees/FeeYearEndPage.h"
#include "db/MemberStatus.h"
#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include "report/ExportButtons.h"
#include "ui/KeyboardFlow.h"
#include "ui/MemberChooser.h"

#include "text/Money.h"
#include "ui/PasswordEcho.h"
#include "ui/Dialogs.h"
#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton* toolButton(const QString& caption, QWidget* parent, QLayout* into)
{
    auto* b = new QPushButton(caption, parent);
    into->addWidget(b);
    return b;
}

QString money(const QString& digits)
{
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    return ok ? moneyText(n) : digits;
}

} // namespace

// The lines of the payment page as the grid shows them. Edits go to the register, which takes them
// only on generated lines; a refused edit leaves the line as it was.
class FeeLinesModel : public QAbstractTableModel {
public:
    FeeLinesModel(FeeRegister* r, QObject* parent) : QAbstractTableModel(parent), m_register(r) {}
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_register->count(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : TfFee0010::ColCount; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* const heads[TfFee0010::ColCount] = {"회원번호", "회원명",   "부명", "납부일", "납부일자",
                                                              "납부은행", "수련비", "년월분", "비고",  "선택"};
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= TfFee0010::ColCount)
            return {};
        return QString::fromUtf8(heads[section]);
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!m_register->editable(i.row()))
            return f;
        if (i.column() == TfFee0010::ColCheck)
            f |= Qt::ItemIsUserCheckable;
        else if (i.column() == TfFee0010::ColAmount || i.column() == TfFee0010::ColMonth || i.column() == TfFee0010::ColNote)
            f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || i.row() >= rowCount())
            return {};
        const FeeRegister::Line& l = m_register->lines()[i.row()];
        switch (role) {
        case Qt::CheckStateRole:
            return i.column() == TfFee0010::ColCheck ? QVariant(l.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
        case Qt::TextAlignmentRole:
            switch (i.column()) {
            case TfFee0010::ColPayDay:
            case TfFee0010::ColDate:
            case TfFee0010::ColMonth: return int(Qt::AlignCenter);
            case TfFee0010::ColAmount: return int(Qt::AlignRight | Qt::AlignVCenter);
            default: return int(Qt::AlignLeft | Qt::AlignVCenter);
            }
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (i.column()) {
            case TfFee0010::ColNo: return l.memberNo;
            case TfFee0010::ColName: return l.name;
            case TfFee0010::ColDivision: return l.division;
            case TfFee0010::ColPayDay: return l.memberPayDay;
            case TfFee0010::ColDate: return db::dateText(l.payDate);
            case TfFee0010::ColBank: return l.bank;
            case TfFee0010::ColAmount: return m_register->editable(i.row()) ? l.amount : money(l.amount);
            case TfFee0010::ColMonth: return l.month;
            case TfFee0010::ColNote: return l.note;
            default: return {};
            }
        default:
            return {};
        }
    }
    bool setData(const QModelIndex& i, const QVariant& value, int role) override
    {
        if (!i.isValid())
            return false;
        const int r = i.row();
        bool taken = false;
        if (role == Qt::CheckStateRole && i.column() == TfFee0010::ColCheck)
            taken = m_register->setChecked(r, value.toInt() == Qt::Checked);
        else if (role == Qt::EditRole && i.column() == TfFee0010::ColAmount)
            taken = m_register->setAmount(r, value.toString().remove(u',').trimmed());
        else if (role == Qt::EditRole && i.column() == TfFee0010::ColMonth)
            taken = m_register->setMonth(r, value.toString().trimmed());
        else if (role == Qt::EditRole && i.column() == TfFee0010::ColNote)
            taken = m_register->setNote(r, value.toString());
        if (taken)
            emit dataChanged(i, i);
        return taken;
    }

private:
    FeeRegister* m_register;
};

TfFee0010::TfFee0010(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("수련비"));
    buildUi();
    FormCreate();
}

void TfFee0010::buildUi()
{
    auto* root = new QVBoxLayout(this);

    auto* head = new QHBoxLayout;
    Pan_Company = new QLabel(this);
    QFont big = Pan_Company->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    Pan_Company->setFont(big);
    head->addWidget(Pan_Company);
    head->addStretch();
    edt_PassWord = new QLineEdit(this);
    edt_PassWord->setMaxLength(8);
    echoAsStars(edt_PassWord);
    edt_PassWord->setFixedWidth(90);
    head->addWidget(edt_PassWord);
    Btn_PasswordOk = new QPushButton(QStringLiteral("확  인"), this);
    head->addWidget(Btn_PasswordOk);
    total_num = new QLabel(this);
    head->addWidget(total_num);
    search_num = new QLabel(this);
    head->addWidget(search_num);
    root->addLayout(head);

    auto* bar = new QHBoxLayout;
    Btn_Insert = toolButton(QStringLiteral("입     력"), this, bar);
    Btn_Edit = toolButton(QStringLiteral("수     정"), this, bar);
    Btn_Delete = toolButton(QStringLiteral("삭     제"), this, bar);
    Btn_Query = toolButton(QStringLiteral("조     회"), this, bar);
    Btn_Ok = toolButton(QStringLiteral("확     인"), this, bar);
    Btn_Cancel = toolButton(QStringLiteral("취     소"), this, bar);
    Btn_Print = toolButton(QStringLiteral("발     부"), this, bar);
    btn_Email = toolButton(QStringLiteral("자료생성"), this, bar);
    btn_Exit = toolButton(QStringLiteral("종     료"), this, bar);
    bar->addStretch();
    root->addLayout(bar);

    PageControl1 = new QTabWidget(this);
    root->addWidget(PageControl1, 1);
    ExportButtons::addForPages(bar, this, PageControl1, btn_Exit);

    auto* page0 = new QWidget(PageControl1);
    auto* p0 = new QVBoxLayout(page0);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("이 름"), page0));
    com_Name = new MemberChooser(MemberStatus::notWithdrawn(QStringLiteral("a")), page0);
    com_Name->setMinimumWidth(110);
    filter->addWidget(com_Name);
    filter->addWidget(new QLabel(QStringLiteral("부 명"), page0));
    com_bu = new DivisionFilter(page0);
    com_bu->setMinimumWidth(140);
    filter->addWidget(com_bu);
    filter->addWidget(new QLabel(QStringLiteral("납부 기간 :"), page0));
    dtpk_NabbuFromDate = new DateEdit(page0);
    filter->addWidget(dtpk_NabbuFromDate);
    filter->addWidget(new QLabel(QStringLiteral("~"), page0));
    dtpk_NabbuToDate = new DateEdit(page0);
    filter->addWidget(dtpk_NabbuToDate);
    filter->addStretch();
    p0->addLayout(filter);

    m_model = new FeeLinesModel(&m_register, this);
    DBCtrlGrid1 = new QTableView(page0);
    DBCtrlGrid1->setModel(m_model);
    DBCtrlGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBCtrlGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBCtrlGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    DBCtrlGrid1->verticalHeader()->setVisible(false);
    const int widths[ColCount] = {80, 70, 100, 45, 85, 70, 80, 60, 0, 40};
    for (int c = 0; c < ColCount; ++c)
        DBCtrlGrid1->setColumnWidth(c, widths[c]);
    DBCtrlGrid1->horizontalHeader()->setSectionResizeMode(ColNote, QHeaderView::Stretch);
    p0->addWidget(DBCtrlGrid1, 1);
    PageControl1->addTab(page0, QStringLiteral("납부등록/조회"));

    pageMonth = new FeeMonthPage(PageControl1);
    PageControl1->addTab(pageMonth, QStringLiteral("당월 납부 현황"));
    pageUnpaid = new FeeUnpaidPage(PageControl1);
    PageControl1->addTab(pageUnpaid, QStringLiteral("미납현황/납부 통지서"));
    pageReceipt = new FeeReceiptPage(PageControl1);
    PageControl1->addTab(pageReceipt, QStringLiteral("영수증 발부"));
    pageSettle = new FeeSettlePage(PageControl1);
    PageControl1->addTab(pageSettle, QStringLiteral("수련비 정산"));
    pageYearEnd = new FeeYearEndPage(PageControl1);
    PageControl1->addTab(pageYearEnd, QStringLiteral("연말정산/세무서"));
    connect(pageMonth, &FeeMonthPage::countChanged, this, &TfFee0010::showCount);
    connect(pageUnpaid, &FeeUnpaidPage::countChanged, this, &TfFee0010::showCount);
    connect(pageReceipt, &FeeReceiptPage::countChanged, this, &TfFee0010::showCount);
    connect(pageSettle, &FeeSettlePage::countChanged, this, &TfFee0010::showCount);
    connect(pageYearEnd, &FeeYearEndPage::countChanged, this, &TfFee0010::showCount);
    connect(pageSettle, &FeeSettlePage::stateChanged, this, &TfFee0010::chgButtonState);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfFee0010::Btn_InsertClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfFee0010::Btn_OkClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfFee0010::Btn_QueryClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfFee0010::Btn_DeleteClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfFee0010::Btn_CancelClick);
    connect(Btn_Print, &QPushButton::clicked, this, &TfFee0010::Btn_PrintClick);
    connect(btn_Email, &QPushButton::clicked, this, &TfFee0010::btn_EmailClick);
    connect(btn_Exit, &QPushButton::clicked, this, &TfFee0010::btn_ExitClick);
    connect(Btn_PasswordOk, &QPushButton::clicked, this, &TfFee0010::Btn_PasswordOkClick);
    connect(edt_PassWord, &QLineEdit::returnPressed, this, &TfFee0010::Btn_PasswordOkClick);
    KeyboardFlow::keepEnter(edt_PassWord); // Enter opens the screen, it does not move on
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

void TfFee0010::FormCreate()
{
    resize(788, 480);
    move(0, 0);
    dtpk_NabbuFromDate->setDate(Clock::today());
    dtpk_NabbuToDate->setDate(Clock::today());
    Pan_Company->setText(FeeRegister::schoolName());
    // One list of names for the name field and the five name boxes of the pages.
    m_names = MemberNames::shared(MemberStatus::notWithdrawn(QStringLiteral("a")));
    m_names->load(MemberStatus::notWithdrawn(QStringLiteral("a")));
    com_Name->clear();
    pageMonth->setNames(m_names.data());
    pageUnpaid->setNames(m_names.data());
    pageReceipt->setNames(m_names.data());
    pageSettle->setNames(m_names.data());
    pageYearEnd->setNames(m_names.data());
    total_num->setText(QStringLiteral("총인원 : %1").arg(m_names->rowCount()));
    showCount();
    PageControl1Change();
    setLocked(FeeRegister::screenLocked());
}

FeeRegister::Division TfFee0010::division() const
{
    const DivisionFilter::Condition c = com_bu->condition(QStringLiteral("T_회원.부별코드"));
    return {c.sql, {{QStringLiteral("buCode"), c.buCode}, {QStringLiteral("buCode1"), c.buCode1}}};
}

int TfFee0010::currentPage() const { return PageControl1->currentIndex(); }

void TfFee0010::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= PageControl1->count())
        index = PageRegister;
    {
        const QSignalBlocker block(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    if (runChange)
        PageControl1Change();
}

void TfFee0010::PageControl1Change()
{
    const int page = PageControl1->currentIndex();
    if (page != m_page && page >= PageMonth && page <= PageReceipt && m_register.state() == FeeRegister::State::Entering) {
        m_register.discardGenerated();
        showLines();
    }
    if (page != m_page && m_page == PageSettle)
        pageSettle->discard();
    m_page = page;
    chgButtonState();
    showCount();
}

// Which toolbar actions the page and its state allow. Page 0 keeps its own state, so activating the
// window while lines wait leaves "확     인" and "취     소" usable.
void TfFee0010::chgButtonState()
{
    const QString pageCaption = PageControl1->tabText(m_page);
    btn_Email->setEnabled(pageCaption == QStringLiteral("미납현황/납부 통지서") || pageCaption == QStringLiteral("영수증 발부"));
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Ok, Btn_Print, Btn_Cancel})
        b->setEnabled(false);
    switch (m_page) {
    case PageRegister:
        switch (m_register.state()) {
        case FeeRegister::State::Idle:
            Btn_Query->setEnabled(true);
            Btn_Insert->setEnabled(true);
            break;
        case FeeRegister::State::Entering:
            Btn_Ok->setEnabled(true);
            Btn_Cancel->setEnabled(true);
            break;
        case FeeRegister::State::Showing:
            Btn_Delete->setEnabled(true);
            Btn_Cancel->setEnabled(true);
            break;
        }
        break;
    case PageSettle:
        if (pageSettle->settlement().state() == FeeSettlement::State::Generated) {
            Btn_Ok->setEnabled(true);
            Btn_Cancel->setEnabled(true);
        } else {
            Btn_Query->setEnabled(true);
            Btn_Insert->setEnabled(true);
        }
        break;
    case PageMonth:
        Btn_Query->setEnabled(true);
        break;
    default:
        Btn_Query->setEnabled(true);
        Btn_Print->setEnabled(true);
        break;
    }
}

void TfFee0010::setLocked(bool on)
{
    m_locked = on;
    PageControl1->setEnabled(!on);
    if (on) {
        for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Ok, Btn_Cancel, Btn_Print, btn_Email})
            b->setEnabled(false);
    } else {
        chgButtonState();
    }
    edt_PassWord->setVisible(on);
    Btn_PasswordOk->setVisible(on);
    if (on)
        edt_PassWord->setFocus();
}

void TfFee0010::Btn_PasswordOkClick()
{
    if (!m_locked)
        return;
    if (!FeeRegister::passwordMatches(edt_PassWord->text()))
        return;
    edt_PassWord->clear();
    setLocked(false);
    PageControl1Change();
}

bool TfFee0010::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !m_locked && PageControl1)
        PageControl1Change();
    return QWidget::event(e);
}

void TfFee0010::showCount()
{
    int n = m_register.count();
    switch (PageControl1->currentIndex()) {
    case PageMonth: n = pageMonth->count(); break;
    case PageUnpaid: n = pageUnpaid->count(); break;
    case PageReceipt: n = pageReceipt->count(); break;
    case PageSettle: n = pageSettle->count(); break;
    case PageYearEnd: n = pageYearEnd->count(); break;
    default: break;
    }
    search_num->setText(QStringLiteral("검색인원 : %1").arg(n));
}

void TfFee0010::showLines()
{
    m_model->reset();
    if (m_register.count() > 0 && !DBCtrlGrid1->currentIndex().isValid())
        setCurrentCell(0, ColCheck);
    showCount();
}

// Moving the current cell also ends an edit in progress, handing its text to the register.
void TfFee0010::setCurrentCell(int row, int column) { DBCtrlGrid1->setCurrentIndex(m_model->index(row, column)); }

void TfFee0010::applyFocus()
{
    switch (m_register.focus()) {
    case FeeRegister::Focus::FromDate:
        dtpk_NabbuFromDate->setFocus();
        break;
    case FeeRegister::Focus::Amount:
    case FeeRegister::Focus::Month:
        setCurrentCell(m_register.focusLine(), m_register.focus() == FeeRegister::Focus::Amount ? ColAmount : ColMonth);
        DBCtrlGrid1->setFocus();
        break;
    case FeeRegister::Focus::None:
        break;
    }
}

void TfFee0010::Btn_InsertClick()
{
    if (m_page == PageSettle)
        return pageSettle->Btn_InsertClick();
    if (m_page != PageRegister)
        return;
    setCurrentCell(-1, -1);
    Dialogs::show(m_register.generate(dtpk_NabbuFromDate->date(), dtpk_NabbuToDate->date(), com_Name->text().trimmed(), division()), this);
    showLines();
    chgButtonState();
    applyFocus();
}

void TfFee0010::Btn_OkClick()
{
    if (m_page == PageSettle)
        return pageSettle->Btn_OkClick();
    if (m_page != PageRegister)
        return;
    setCurrentCell(DBCtrlGrid1->currentIndex().row(), ColNo); // ends an edit in progress
    Dialogs::show(m_register.confirm(), this);
    showLines();
    chgButtonState();
    applyFocus();
}

void TfFee0010::Btn_QueryClick()
{
    switch (m_page) {
    case PageMonth: return pageMonth->Btn_QueryClick();
    case PageUnpaid: return pageUnpaid->Btn_QueryClick();
    case PageReceipt: return pageReceipt->Btn_QueryClick();
    case PageSettle: return pageSettle->Btn_QueryClick();
    case PageYearEnd: return pageYearEnd->Btn_QueryClick();
    default: break;
    }
    setCurrentCell(-1, -1);
    m_register.list(dtpk_NabbuFromDate->date(), dtpk_NabbuToDate->date(), com_Name->text().trimmed(), division());
    showLines();
    chgButtonState();
}

void TfFee0010::Btn_DeleteClick()
{
    if (m_page != PageRegister || m_register.count() == 0)
        return;
    const int r = qMax(0, DBCtrlGrid1->currentIndex().row());
    if (Dialogs::show(m_register.remove(r, Dialogs::asker(this)), this))
        showLines();
}

void TfFee0010::Btn_CancelClick()
{
    if (m_page == PageSettle)
        return pageSettle->Btn_CancelClick();
    if (m_page != PageRegister)
        return;
    m_register.cancel();
    showLines();
    chgButtonState();
}

void TfFee0010::Btn_PrintClick()
{
    switch (m_page) {
    case PageUnpaid: return pageUnpaid->Btn_PrintClick();
    case PageReceipt: return pageReceipt->Btn_PrintClick();
    case PageYearEnd: return pageYearEnd->Btn_PrintClick();
    default: break;
    }
}

void TfFee0010::btn_EmailClick()
{
    if (m_page == PageUnpaid)
        pageUnpaid->btn_EmailClick();
    else if (m_page == PageReceipt)
        pageReceipt->btn_EmailClick();
}

void TfFee0010::btn_ExitClick() { close(); }
