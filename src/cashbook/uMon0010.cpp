#include "cashbook/uMon0010.h"

#include "cashbook/CashBook.h"
#include "cashbook/CashCategories.h"
#include "cashbook/DealPage.h"
#include "cashbook/PartnerInquiryPanel.h"
#include "cashbook/PartnerRegisterPage.h"
#include "db/MonthKey.h"
#include "cashbook/CashPrint.h"
#include "cashbook/uPri1020.h"
#include "ui/ScreenHost.h"
#include "report/Report.h"
#include "db/Clock.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "text/Money.h"
#include "report/ExportButtons.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardFlow.h"
#include "ui/StatusLine.h"
#include "ui/PasswordEcho.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QAbstractTableModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kIncome = QStringLiteral("입금");
const QString kExpense = QStringLiteral("출금");
enum LineCol { ColSeq, ColMain, ColSub, ColIn, ColOut, ColMemo, ColLink };
enum InqCol { QDateCol, QSeq, QMain, QSub, QIn, QOut, QBal, QMemo };

QString won(qint64 v) { return moneyText(v) + QStringLiteral("원"); }

QTableWidget* makeGrid(const QStringList& headings)
{
    auto* g = new QTableWidget(0, headings.size());
    g->setHorizontalHeaderLabels(headings);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->setVisible(false);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

QTableWidgetItem* cell(const QString& text, bool right = false)
{
    auto* it = new QTableWidgetItem(text);
    if (right)
        it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return it;
}

} // namespace

// The inquiry grid reads the result directly: a year of a large school is tens of thousands of lines,
// too many to copy into grid items one by one.
class CashInquiryModel : public QAbstractTableModel {
public:
    void show(const QList<CashInquiry::Row>* rows, bool byDate)
    {
        beginResetModel();
        m_rows = rows;
        m_byDate = byDate;
        endResetModel();
    }
    void setDateMode(bool byDate)
    {
        m_byDate = byDate;
        emit headerDataChanged(Qt::Horizontal, QBal, QBal);
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() || !m_rows ? 0 : int(m_rows->size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 8; }
    QString text(int r, int c) const
    {
        const CashInquiry::Row& row = m_rows->at(r);
        switch (c) {
        case QDateCol: return db::dateText(row.date);
        case QSeq: return row.carry ? QString() : QStringLiteral("%1").arg(row.seq, 5, 10, QChar(u'0'));
        case QMain: return row.mainItem;
        case QSub: return row.subItem;
        case QIn: return moneyText(row.income);
        case QOut: return moneyText(row.expense);
        case QBal: return m_byDate ? moneyText(row.balance) : QString();
        default: return row.memo;
        }
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || !m_rows)
            return {};
        if (role == Qt::DisplayRole)
            return text(i.row(), i.column());
        if (role == Qt::TextAlignmentRole && (i.column() == QIn || i.column() == QOut || i.column() == QBal))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* const heads[] = {"날짜", "순번", "주항목", "소항목", "입금액", "출금액", "잔액", "적요"};
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 8)
            return {};
        if (section == QBal && !m_byDate)
            return QString();
        return QString::fromUtf8(heads[section]);
    }

private:
    const QList<CashInquiry::Row>* m_rows = nullptr;
    bool m_byDate = true;
};

namespace {

QPushButton* button(const QString& caption, QWidget* parent = nullptr)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

} // namespace

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

// ---------------------------------------------------------------- building

QWidget* TfMon0010::buildRegisterPage()
{
    auto* page = new QWidget;
    dtpk_Date = new DateEdit;
    Calendar = new QCalendarWidget;
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setNavigationBarVisible(false);
    Calendar->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    dtpk_Date->setLocale(Calendar->locale());
    btn_PrevMonth = button(QStringLiteral("◀"));
    btn_NextMonth = button(QStringLiteral("▶"));
    lbl_Month = new QLabel;
    QFont mf = lbl_Month->font();
    mf.setPointSize(mf.pointSize() + 6);
    mf.setBold(true);
    lbl_Month->setFont(mf);
    lbl_InTotal = new QLabel;
    lbl_OutTotal = new QLabel;
    lbl_DayTotal = new QLabel;

    auto* left = new QVBoxLayout;
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(dtpk_Date);
    monthRow->addStretch();
    monthRow->addWidget(btn_PrevMonth);
    monthRow->addWidget(lbl_Month);
    monthRow->addWidget(btn_NextMonth);
    left->addLayout(monthRow);
    left->addWidget(Calendar);
    auto* totals = new QGridLayout;
    const std::pair<QString, QLabel*> sums[] = {{QStringLiteral("입금총액"), lbl_InTotal},
                                                {QStringLiteral("출금총액"), lbl_OutTotal},
                                                {QStringLiteral("하루총계"), lbl_DayTotal}};
    for (int i = 0; i < 3; ++i) {
        sums[i].second->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sums[i].second->setMinimumWidth(140);
        totals->addWidget(new QLabel(sums[i].first), i, 0);
        totals->addWidget(sums[i].second, i, 1);
    }
    totals->setColumnStretch(1, 1);
    left->addLayout(totals);
    left->addStretch();

    grd_Lines = makeGrid({QStringLiteral("No."), QStringLiteral("주항목"), QStringLiteral("소항목"),
                          QStringLiteral("입금액"), QStringLiteral("출금액"), QStringLiteral("적요"), QStringLiteral("수련비순번")});
    grd_Lines->setColumnHidden(ColLink, true);
    // The memo takes what the figures leave (the hidden link column cannot stretch): no scroll bar.
    grd_Lines->horizontalHeader()->setStretchLastSection(false);
    grd_Lines->horizontalHeader()->setSectionResizeMode(ColMemo, QHeaderView::Stretch);
    grd_Lines->setColumnWidth(ColSeq, 40);

    com_MainItem = new QComboBox;
    com_MainItem->setEditable(true);
    com_SubItem = new QComboBox;
    com_SubItem->setEditable(true);
    com_InType = new QComboBox;
    com_InType->addItems({kIncome, kExpense});
    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("주항목")));
    fields->addWidget(com_MainItem, 1);
    fields->addWidget(new QLabel(QStringLiteral("소항목")));
    fields->addWidget(com_SubItem, 1);
    fields->addWidget(new QLabel(QStringLiteral("입력형식")));
    fields->addWidget(com_InType);

    pnl_Lower = new QStackedWidget;
    // Ordinary lines
    auto* cashPanel = new QGroupBox(QStringLiteral("금전출납관리"));
    edt_Amount = new QLineEdit;
    edt_Amount->setMaxLength(10);
    edt_Amount->setAlignment(Qt::AlignRight);
    edt_Memo = new QLineEdit;
    edt_Memo->setMaxLength(200);
    btn_AddNext = button(QStringLiteral("추가입력"));
    btn_DayPrint = button(QStringLiteral("프린트"));
    auto* cg = new QGridLayout(cashPanel);
    cg->addWidget(new QLabel(QStringLiteral("금액")), 0, 0);
    cg->addWidget(edt_Amount, 0, 1);
    cg->addWidget(new QLabel(QStringLiteral("적요")), 1, 0);
    cg->addWidget(edt_Memo, 1, 1);
    cg->addWidget(btn_AddNext, 1, 2);
    cg->addWidget(btn_DayPrint, 0, 2);
    cg->setRowStretch(2, 1);
    pnl_Lower->addWidget(cashPanel);
    // Fee lines
    auto* feePanel = new QGroupBox(QStringLiteral("회원출납관리"));
    lbl_Member = new QLabel;
    lbl_Member->setTextFormat(Qt::PlainText);
    grd_Payments = makeGrid({QStringLiteral("납부월"), QStringLiteral("납부일자"), QStringLiteral("납부액")});
    btn_ToFee = button(QStringLiteral("수련비납부로.."));
    auto* fg = new QGridLayout(feePanel);
    fg->addWidget(lbl_Member, 0, 0);
    fg->addWidget(btn_ToFee, 0, 1, Qt::AlignTop);
    fg->addWidget(grd_Payments, 1, 0, 1, 2);
    pnl_Lower->addWidget(feePanel);
    // Partner lines
    auto* dealPanel = new QGroupBox(QStringLiteral("거래처출납관리"));
    grd_Deals = makeGrid({QStringLiteral("순번"), QStringLiteral("품목"), QStringLiteral("규격"), QStringLiteral("수량"),
                          QStringLiteral("단가"), QStringLiteral("공급가액"), QStringLiteral("세액"), QStringLiteral("비고")});
    btn_ToDeal = button(QStringLiteral("거래 내역 으로.."));
    connect(btn_ToDeal, &QPushButton::clicked, this, &TfMon0010::btn_ToDealClick);
    auto* dg = new QVBoxLayout(dealPanel);
    dg->addWidget(grd_Deals);
    dg->addWidget(btn_ToDeal, 0, Qt::AlignRight);
    pnl_Lower->addWidget(dealPanel);

    // The day's lines take the free height; the panels under them show a few rows of their own.
    for (QTableWidget* g : {grd_Payments, grd_Deals})
        g->setMaximumHeight(g->horizontalHeader()->sizeHint().height() + 5 * g->verticalHeader()->defaultSectionSize() + 4);
    pnl_Lower->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    // The panel is as tall as the page it shows, not as its tallest page.
    auto fitPage = [this](int shown) {
        for (int i = 0; i < pnl_Lower->count(); ++i)
            pnl_Lower->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        pnl_Lower->updateGeometry();
    };
    connect(pnl_Lower, &QStackedWidget::currentChanged, this, fitPage);
    fitPage(0);
    auto* right = new QVBoxLayout;
    right->addWidget(grd_Lines, 1);
    right->addLayout(fields);
    right->addWidget(pnl_Lower);

    auto* lay = new QHBoxLayout(page);
    lay->addLayout(left);
    lay->addLayout(right, 1);

    connect(dtpk_Date, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!m_loading)
            setRegisterDate(d);
    });
    connect(Calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_loading)
            setRegisterDate(Calendar->selectedDate());
    });
    connect(btn_PrevMonth, &QPushButton::clicked, this, &TfMon0010::btn_PrevMonthClick);
    connect(btn_NextMonth, &QPushButton::clicked, this, &TfMon0010::btn_NextMonthClick);
    connect(grd_Lines, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_loading && !inEntry())
            selectLine(row);
    });
    connect(com_MainItem, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!m_loading && inEntry())
            loadSubItems(t);
    });
    connect(btn_AddNext, &QPushButton::clicked, this, &TfMon0010::btn_AddNextClick);
    connect(btn_DayPrint, &QPushButton::clicked, this, &TfMon0010::btn_DayPrintClick);
    connect(btn_ToFee, &QPushButton::clicked, this, &TfMon0010::btn_ToFeeClick);
    chgEdBoxState(false);
    return page;
}

QWidget* TfMon0010::buildCodesPage()
{
    auto* page = new QWidget;
    auto makeList = [](const QString& title, const QStringList& heads, QTableWidget*& grid, QLineEdit*& code,
                       QLineEdit*& name, int codeLen, std::array<QPushButton**, 5> buttons) {
        auto* box = new QGroupBox(title);
        grid = makeGrid(heads);
        code = new QLineEdit;
        code->setMaxLength(codeLen);
        name = new QLineEdit;
        name->setMaxLength(30);
        auto* edits = new QHBoxLayout;
        edits->addWidget(code);
        edits->addWidget(name, 1);
        auto* btns = new QHBoxLayout;
        const QStringList captions{QStringLiteral("추가"), QStringLiteral("수정"), QStringLiteral("삭제"),
                                   QStringLiteral("확인"), QStringLiteral("취소")};
        for (int i = 0; i < 5; ++i) {
            *buttons[i] = button(captions[i]);
            btns->addWidget(*buttons[i]);
        }
        auto* v = new QVBoxLayout(box);
        v->addWidget(grid, 1);
        v->addLayout(edits);
        v->addLayout(btns);
        return box;
    };
    QWidget* cats = makeList(QStringLiteral("구분코드 등록"), {QStringLiteral("구분코드"), QStringLiteral("구분 이름")},
                             grd_Category, edt_CatCode, edt_CatName, 3,
                             {&btn_CatAdd, &btn_CatEdit, &btn_CatDelete, &btn_CatOk, &btn_CatCancel});
    QWidget* dets = makeList(QStringLiteral("상세코드 등록"), {QStringLiteral("상세코드"), QStringLiteral("상세 이름")},
                             grd_Detail, edt_DetCode, edt_DetName, 4,
                             {&btn_DetAdd, &btn_DetEdit, &btn_DetDelete, &btn_DetOk, &btn_DetCancel});
    auto* legend = new QGroupBox(QStringLiteral("구분코드 범위"));
    auto* lg = new QGridLayout(legend);
    lg->addWidget(new QLabel(QStringLiteral("입/출금등록")), 0, 0);
    lg->addWidget(new QLabel(QStringLiteral("000 ~ 999")), 0, 1);
    lg->addWidget(new QLabel(QStringLiteral("거래 내역")), 1, 0);
    lg->addWidget(new QLabel(QStringLiteral("000 ~ 999를") + QStringLiteral(" 제외한 나머지")), 1, 1);

    auto* lay = new QHBoxLayout(page);
    lay->addWidget(cats, 1);
    lay->addWidget(dets, 1);
    lay->addWidget(legend, 0, Qt::AlignTop);

    connect(grd_Category, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (m_loading)
            return;
        if (m_cat != ListState::Browse)
            setCatState(ListState::Browse);
        edt_CatCode->setText(row >= 0 ? grd_Category->item(row, 0)->text() : QString());
        edt_CatName->setText(row >= 0 ? grd_Category->item(row, 1)->text() : QString());
        loadDetails();
    });
    connect(grd_Detail, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (m_loading)
            return;
        if (m_det != ListState::Browse)
            setDetState(ListState::Browse);
        edt_DetCode->setText(row >= 0 ? grd_Detail->item(row, 0)->text() : QString());
        edt_DetName->setText(row >= 0 ? grd_Detail->item(row, 1)->text() : QString());
    });
    connect(btn_CatAdd, &QPushButton::clicked, this, &TfMon0010::btn_CatAddClick);
    connect(btn_CatEdit, &QPushButton::clicked, this, &TfMon0010::btn_CatEditClick);
    connect(btn_CatDelete, &QPushButton::clicked, this, &TfMon0010::btn_CatDeleteClick);
    connect(btn_CatOk, &QPushButton::clicked, this, &TfMon0010::btn_CatOkClick);
    connect(btn_CatCancel, &QPushButton::clicked, this, &TfMon0010::btn_CatCancelClick);
    connect(btn_DetAdd, &QPushButton::clicked, this, &TfMon0010::btn_DetAddClick);
    connect(btn_DetEdit, &QPushButton::clicked, this, &TfMon0010::btn_DetEditClick);
    connect(btn_DetDelete, &QPushButton::clicked, this, &TfMon0010::btn_DetDeleteClick);
    connect(btn_DetOk, &QPushButton::clicked, this, &TfMon0010::btn_DetOkClick);
    connect(btn_DetCancel, &QPushButton::clicked, this, &TfMon0010::btn_DetCancelClick);
    setCatState(ListState::Browse);
    setDetState(ListState::Browse);
    return page;
}

QWidget* TfMon0010::buildInquiryPage()
{
    auto* page = new QWidget;
    rdo_Date = new QRadioButton(QStringLiteral("입/출금 일자별 조회"));
    rdo_Item = new QRadioButton(QStringLiteral("입/출금 항목별 조회"));
    rdo_Partner = new QRadioButton(QStringLiteral("거래처거래내역 조회"));
    rdo_Date->setChecked(true);
    dtpk_From = new DateEdit;
    dtpk_To = new DateEdit;
    for (QDateEdit* d : {dtpk_From, dtpk_To}) {
        d->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    lbl_QMain = new QLabel(QStringLiteral("주 항목 :"));
    lbl_QSub = new QLabel(QStringLiteral("소 항목 :"));
    com_QMain = new QComboBox;
    com_QSub = new QComboBox;
    com_QMain->setMinimumWidth(110);
    com_QSub->setMinimumWidth(110);

    auto* modes = new QHBoxLayout;
    modes->addWidget(rdo_Date);
    modes->addWidget(rdo_Item);
    modes->addWidget(rdo_Partner);
    modes->addStretch();
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("날짜별 조회 :")));
    filter->addWidget(dtpk_From);
    filter->addWidget(new QLabel(QStringLiteral("~")));
    filter->addWidget(dtpk_To);
    filter->addSpacing(20);
    filter->addWidget(lbl_QMain);
    filter->addWidget(com_QMain);
    filter->addWidget(lbl_QSub);
    filter->addWidget(com_QSub);
    filter->addStretch();

    m_inquiryModel = new CashInquiryModel;
    m_inquiryModel->setParent(this);
    grd_Inquiry = new QTableView;
    grd_Inquiry->setModel(m_inquiryModel);
    grd_Inquiry->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd_Inquiry->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_Inquiry->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_Inquiry->verticalHeader()->setVisible(false);
    grd_Inquiry->verticalHeader()->setDefaultSectionSize(grd_Inquiry->fontMetrics().height() + 6);
    grd_Inquiry->horizontalHeader()->setStretchLastSection(true);

    lbl_QIn = new QLabel;
    lbl_QOut = new QLabel;
    lbl_QDiff = new QLabel;
    lbl_QCurrent = new QLabel;
    btn_ListPrint = button(QStringLiteral("프린트"));
    auto* totals = new QHBoxLayout;
    const std::pair<QString, QLabel*> parts[] = {{QStringLiteral("입금총액"), lbl_QIn},
                                                 {QStringLiteral("출금총액"), lbl_QOut},
                                                 {QStringLiteral("잔      액"), lbl_QDiff},
                                                 {QStringLiteral("현      잔"), lbl_QCurrent}};
    for (const auto& [caption, label] : parts) {
        totals->addWidget(new QLabel(caption));
        label->setMinimumWidth(96);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(label);
        totals->addSpacing(8);
    }
    totals->addStretch();
    totals->addWidget(btn_ListPrint);

    auto* cashPart = new QWidget;
    auto* cashLay = new QVBoxLayout(cashPart);
    cashLay->setContentsMargins(0, 0, 0, 0);
    cashLay->addLayout(filter);
    cashLay->addWidget(grd_Inquiry, 1);
    cashLay->addLayout(totals);
    pnl_PartnerInquiry = new PartnerInquiryPanel;
    stk_Inquiry = new QStackedWidget;
    stk_Inquiry->addWidget(cashPart);
    stk_Inquiry->addWidget(pnl_PartnerInquiry);
    auto* lay = new QVBoxLayout(page);
    lay->addLayout(modes);
    lay->addWidget(stk_Inquiry, 1);
    connect(rdo_Partner, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(pnl_PartnerInquiry, &PartnerInquiryPanel::found, this, [this](int n) { lbl_Found->setText(QString::number(n)); });

    connect(rdo_Date, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(rdo_Item, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(com_QMain, &QComboBox::currentTextChanged, this, [this] {
        if (!m_loading)
            loadQuerySubItems();
    });
    connect(btn_ListPrint, &QPushButton::clicked, this, &TfMon0010::btn_ListPrintClick);
    return page;
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

// ---------------------------------------------------------------- register page

QDate TfMon0010::registerDate() const { return dtpk_Date->date(); }

void TfMon0010::setRegisterDate(const QDate& d)
{
    const bool was = m_loading;
    m_loading = true;
    dtpk_Date->setDate(d);
    Calendar->setCurrentPage(d.year(), d.month());
    Calendar->setSelectedDate(d);
    lbl_Month->setText(QStringLiteral("%1").arg(d.month(), 2, 10, QChar(u'0')));
    m_loading = was;
    if (!m_loading) {
        if (inEntry())
            Btn_CancelClick();
        loadDay();
    }
}

void TfMon0010::btn_PrevMonthClick() { setRegisterDate(monthkey::shiftMonth(registerDate(), -1)); }

void TfMon0010::btn_NextMonthClick() { setRegisterDate(monthkey::shiftMonth(registerDate(), 1)); }

void TfMon0010::loadDay()
{
    m_loading = true;
    const QList<CashLine> lines = CashBook::linesOf(registerDate());
    grd_Lines->setRowCount(0);
    grd_Lines->setRowCount(qMax(1, int(lines.size())));
    for (int r = 0; r < lines.size(); ++r) {
        const CashLine& l = lines[r];
        grd_Lines->setItem(r, ColSeq, cell(QStringLiteral("%1").arg(l.seq, 5, 10, QChar(u'0'))));
        grd_Lines->setItem(r, ColMain, cell(l.mainItem));
        grd_Lines->setItem(r, ColSub, cell(l.subItem));
        grd_Lines->setItem(r, ColIn, cell(moneyText(l.income), true));
        grd_Lines->setItem(r, ColOut, cell(moneyText(l.expense), true));
        grd_Lines->setItem(r, ColMemo, cell(l.memo));
        grd_Lines->setItem(r, ColLink, cell(l.feeLink));
    }
    const QString current = com_MainItem->currentText();
    com_MainItem->clear();
    com_MainItem->addItems(CashBook::mainItems());
    com_MainItem->setCurrentText(current);
    m_loading = false;
    showTotals();
    grd_Lines->setCurrentCell(0, 0);
    selectLine(0);
}

void TfMon0010::showTotals()
{
    const CashBook::Totals t = CashBook::dayTotals(registerDate());
    lbl_InTotal->setText(won(t.income));
    lbl_OutTotal->setText(won(t.expense));
    lbl_DayTotal->setText(won(t.net()));
}

int TfMon0010::selectedRow() const
{
    const int r = grd_Lines->currentRow();
    if (r < 0 || !grd_Lines->item(r, ColSeq))
        return -1;
    return r;
}

void TfMon0010::selectLine(int row)
{
    m_loading = true;
    if (row < 0 || !grd_Lines->item(row, ColSeq)) {
        com_MainItem->setCurrentText(QString());
        com_SubItem->clear();
        com_SubItem->setCurrentText(QString());
        edt_Amount->clear();
        edt_Memo->clear();
        pnl_Lower->setCurrentIndex(0);
        m_loading = false;
        return;
    }
    const QString mainItem = grd_Lines->item(row, ColMain)->text();
    const QString feeLink = grd_Lines->item(row, ColLink)->text();
    const QString in = grd_Lines->item(row, ColIn)->text();
    const bool income = in != QStringLiteral("0");
    com_MainItem->setCurrentText(mainItem);
    loadSubItems(mainItem);
    com_SubItem->setCurrentText(grd_Lines->item(row, ColSub)->text());
    com_InType->setCurrentText(income ? kIncome : kExpense);
    edt_Amount->clear();
    edt_Memo->clear();
    if (!CashBook::isFeeLink(feeLink) && mainItem != CashBook::kPartnerItem) {
        edt_Amount->setText(QString(income ? in : grd_Lines->item(row, ColOut)->text()).remove(u','));
        edt_Memo->setText(grd_Lines->item(row, ColMemo)->text());
    }
    showLowerPanel(mainItem, feeLink, row);
    m_loading = false;
}

void TfMon0010::loadSubItems(const QString& mainItem)
{
    const bool was = m_loading;
    m_loading = true;
    com_SubItem->clear();
    com_SubItem->addItems(CashBook::subItems(mainItem));
    com_SubItem->setCurrentIndex(-1);
    m_loading = was;
}

void TfMon0010::showLowerPanel(const QString& mainItem, const QString& feeLink, int row)
{
    if (CashBook::isFeeLink(feeLink)) {
        pnl_Lower->setCurrentIndex(1);
        const CashBook::Member m = CashBook::memberOf(feeLink);
        lbl_Member->setText(QStringLiteral("회원명 : %1\n성별 : %2\n부별 : %3\n급품 : %4\n회원번호 : %5\n생일 : %6\n전화번호 : %7\n현재수련비 : %8")
                                .arg(m.name, m.sex, m.division, m.rank, m.no, m.birth, m.phone, moneyText(m.fee)));
        const QList<CashBook::Payment> pays = CashBook::paymentsOf(feeLink.left(9));
        grd_Payments->setRowCount(pays.size());
        for (int r = 0; r < pays.size(); ++r) {
            grd_Payments->setItem(r, 0, cell(pays[r].month));
            grd_Payments->setItem(r, 1, cell(db::dateText(pays[r].paid)));
            grd_Payments->setItem(r, 2, cell(moneyText(pays[r].amount), true));
        }
        btn_ToFee->setEnabled(ScreenHost::current() && ScreenHost::current()->hasFactory(QStringLiteral("TfFee0010")));
    } else if (mainItem == CashBook::kPartnerItem) {
        pnl_Lower->setCurrentIndex(2);
        const QList<DealLine> deals = PartnerDeals::linesOfCashLine(registerDate(), grd_Lines->item(row, ColSeq)->text().toInt());
        grd_Deals->setRowCount(deals.size());
        for (int r = 0; r < deals.size(); ++r) {
            const DealLine& d = deals[r];
            const QString cells[] = {QStringLiteral("%1").arg(d.seq, 5, 10, QChar(u'0')), d.item, d.standard, moneyText(d.quantity),
                                     moneyText(d.price), moneyText(d.supply), moneyText(d.tax), d.memo};
            for (int c = 0; c < 8; ++c)
                grd_Deals->setItem(r, c, cell(cells[c], c >= 3 && c <= 6));
        }
    } else {
        pnl_Lower->setCurrentIndex(0);
    }
}

void TfMon0010::chgEdBoxState(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{com_MainItem, com_SubItem, com_InType, edt_Amount, edt_Memo, btn_AddNext})
        w->setEnabled(on);
    grd_Lines->setEnabled(!on);
    dtpk_Date->setEnabled(!on);
    Calendar->setEnabled(!on);
    btn_PrevMonth->setEnabled(!on);
    btn_NextMonth->setEnabled(!on);
}

void TfMon0010::chgButtonState(bool editing)
{
    if (editing) {
        Btn_Insert->setEnabled(m_entry == Entry::New);
        Btn_Edit->setEnabled(m_entry == Entry::Edit);
        Btn_Delete->setEnabled(false);
    } else {
        Btn_Insert->setEnabled(true);
        Btn_Edit->setEnabled(true);
        Btn_Delete->setEnabled(true);
    }
}

void TfMon0010::Btn_InsertClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_InsertClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_InsertClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Add); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    m_loading = true;
    QString mainItem = com_MainItem->currentText();
    if (mainItem == CashBook::kFeeItem || mainItem == CashBook::kPartnerItem || mainItem.isEmpty())
        mainItem = com_MainItem->count() > 0 ? com_MainItem->itemText(0) : QString();
    com_MainItem->setCurrentText(mainItem);
    m_loading = false;
    loadSubItems(mainItem);
    com_SubItem->setCurrentText(QString());
    edt_Amount->clear();
    edt_Memo->clear();
    pnl_Lower->setCurrentIndex(0);
    com_InType->setCurrentText(kExpense);
    m_entry = Entry::New;
    chgEdBoxState(true);
    chgButtonState(true);
    com_MainItem->setFocus();
}

void TfMon0010::Btn_EditClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_EditClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_EditClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    // Fee and partner lines are changed where they were written.
    if (selectedRow() < 0 || pnl_Lower->currentIndex() != 0)
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Edit); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    m_entry = Entry::Edit;
    chgEdBoxState(true);
    chgButtonState(true);
    com_MainItem->setFocus();
}

bool TfMon0010::saveEntry()
{
    const QString mainItem = com_MainItem->currentText().trimmed();
    const QString subItem = com_SubItem->currentText().trimmed();
    const QString kind = com_InType->currentText();
    const QString amountText = edt_Amount->text().trimmed();
    if (mainItem.isEmpty() || subItem.isEmpty() || kind.isEmpty() || amountText.isEmpty())
        return false;
    bool ok = false;
    const qint64 amount = QString(amountText).remove(u',').toLongLong(&ok);
    if (!ok) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("'%1'은(는) 올바른 금액이 아닙니다.").arg(amountText), this);
        edt_Amount->setFocus();
        return false;
    }
    const bool income = kind == kIncome;
    int seq = 0;
    QString refusal;
    if (m_entry == Entry::New) {
        refusal = CashBook::addLine(registerDate(), mainItem, subItem, income, amount, edt_Memo->text(), &seq);
    } else {
        seq = grd_Lines->item(selectedRow(), ColSeq)->text().toInt();
        refusal = CashBook::updateLine(registerDate(), seq, mainItem, subItem, income, amount, edt_Memo->text());
    }
    if (!refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return false;
    }
    showStatus(QStringLiteral("금전출납 저장: %1 %2 %3 %4").arg(db::dateText(registerDate()), mainItem, subItem, won(amount)));
    endEntry();
    loadDay();
    for (int r = 0; r < grd_Lines->rowCount(); ++r)
        if (grd_Lines->item(r, ColSeq) && grd_Lines->item(r, ColSeq)->text().toInt() == seq) {
            grd_Lines->setCurrentCell(r, 0);
            selectLine(r);
        }
    return true;
}

void TfMon0010::endEntry()
{
    m_entry = Entry::None;
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfMon0010::Btn_SaveClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_SaveClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_SaveClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || !inEntry())
        return;
    saveEntry();
}

void TfMon0010::btn_AddNextClick()
{
    if (inEntry() && saveEntry())
        Btn_InsertClick();
}

void TfMon0010::Btn_CancelClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_CancelClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_CancelClick();
        return;
    }
    if (!inEntry())
        return;
    endEntry();
    selectLine(grd_Lines->currentRow());
}

void TfMon0010::Btn_DeleteClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_DeleteClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_DeleteClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    if (!grd_Lines->item(0, ColSeq)) {
        showStatus(QStringLiteral("확인 : 지울수 없는 줄 입니다. "));
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Delete); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    const QString mainItem = grd_Lines->item(row, ColMain)->text();
    const bool feeLine = CashBook::isFeeLink(grd_Lines->item(row, ColLink)->text());
    const int seq = grd_Lines->item(row, ColSeq)->text().toInt();
    QString question = QStringLiteral("삭제하시겠습니까?");
    if (feeLine)
        question += QStringLiteral("\n\n수련비납부의 내용도 지워집니다.!");
    else if (mainItem == CashBook::kPartnerItem)
        question += QStringLiteral("\n\n거래 내역의 내용도 모두 지워집니다.!");
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), question, this))
        return;
    QString refusal;
    bool failed = false;
    try {
        refusal = CashBook::deleteLine(registerDate(), seq);
    } catch (const db::Error&) {
        if (!feeLine)
            throw;
        failed = true;
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("삭제 에러 입니다."), this);
    }
    if (!refusal.isEmpty())
        Dialogs::error(QStringLiteral("오류"), refusal, this);
    else if (!failed)
        showStatus(QStringLiteral("금전출납 삭제: %1 %2 %3")
                       .arg(db::dateText(registerDate()), mainItem, grd_Lines->item(row, ColSub)->text()));
    loadDay();
}

void TfMon0010::btn_ToDealClick()
{
    const int row = selectedRow();
    if (row < 0 || grd_Lines->item(row, ColMain)->text() != CashBook::kPartnerItem)
        return;
    const QString partner = grd_Lines->item(row, ColMemo)->text();
    const bool income = grd_Lines->item(row, ColIn)->text() != QStringLiteral("0");
    const QDate day = registerDate();
    selectPage(PgDeal, true);
    pg_Deal->showDealing(partner, income, day);
}

void TfMon0010::pageEntryChanged(bool editing)
{
    setToolbar(!editing, !editing, !editing, false, true, true);
}

void TfMon0010::btn_ToFeeClick()
{
    if (!ScreenHost::current())
        return;
    screens::Entry e;
    e.target = QStringLiteral("TfFee0010");
    e.page = 0;
    e.select = screens::Select::Always;
    e.change = screens::Change::Always;
    ScreenHost::current()->run(e);
}

// ---------------------------------------------------------------- categories page

void TfMon0010::loadCategories()
{
    const QString keep = currentCategory();
    m_loading = true;
    const QList<CashCategories::Code> list = CashCategories::categories();
    grd_Category->setRowCount(list.size());
    int select = list.isEmpty() ? -1 : 0;
    for (int r = 0; r < list.size(); ++r) {
        grd_Category->setItem(r, 0, cell(list[r].code));
        grd_Category->setItem(r, 1, cell(list[r].name));
        if (list[r].code == keep)
            select = r;
    }
    grd_Category->setCurrentCell(select, 0);
    m_loading = false;
    edt_CatCode->setText(select >= 0 ? list[select].code : QString());
    edt_CatName->setText(select >= 0 ? list[select].name : QString());
    loadDetails();
}

QString TfMon0010::currentCategory() const
{
    const int r = grd_Category->currentRow();
    return r >= 0 && grd_Category->item(r, 0) ? grd_Category->item(r, 0)->text() : QString();
}

void TfMon0010::loadDetails()
{
    const QString keep = edt_DetCode->text();
    m_loading = true;
    const QList<CashCategories::Code> list = CashCategories::details(currentCategory());
    grd_Detail->setRowCount(list.size());
    int select = list.isEmpty() ? -1 : 0;
    for (int r = 0; r < list.size(); ++r) {
        grd_Detail->setItem(r, 0, cell(list[r].code));
        grd_Detail->setItem(r, 1, cell(list[r].name));
        if (list[r].code == keep)
            select = r;
    }
    grd_Detail->setCurrentCell(select, 0);
    m_loading = false;
    edt_DetCode->setText(select >= 0 ? list[select].code : QString());
    edt_DetName->setText(select >= 0 ? list[select].name : QString());
}

void TfMon0010::setCatState(ListState s)
{
    m_cat = s;
    const bool browse = s == ListState::Browse;
    btn_CatAdd->setEnabled(browse || s == ListState::Add);
    btn_CatEdit->setEnabled(browse || s == ListState::Edit);
    btn_CatDelete->setEnabled(browse);
    btn_CatOk->setEnabled(!browse);
    btn_CatCancel->setEnabled(!browse);
    edt_CatCode->setEnabled(s == ListState::Add);
    edt_CatName->setEnabled(!browse);
    for (QWidget* w : std::initializer_list<QWidget*>{grd_Detail, btn_DetAdd, btn_DetEdit, btn_DetDelete})
        w->setEnabled(browse);
}

void TfMon0010::setDetState(ListState s)
{
    m_det = s;
    const bool browse = s == ListState::Browse;
    btn_DetAdd->setEnabled(browse || s == ListState::Add);
    btn_DetEdit->setEnabled(browse || s == ListState::Edit);
    btn_DetDelete->setEnabled(browse);
    btn_DetOk->setEnabled(!browse);
    btn_DetCancel->setEnabled(!browse);
    edt_DetCode->setEnabled(s == ListState::Add);
    edt_DetName->setEnabled(!browse);
    for (QWidget* w : std::initializer_list<QWidget*>{grd_Category, btn_CatAdd, btn_CatEdit, btn_CatDelete})
        w->setEnabled(browse);
}

void TfMon0010::btn_CatAddClick()
{
    if (m_cat != ListState::Browse)
        return;
    setCatState(ListState::Add);
    edt_CatCode->clear();
    edt_CatName->clear();
    edt_CatCode->setFocus();
}

void TfMon0010::btn_CatEditClick()
{
    if (m_cat != ListState::Browse || currentCategory().isEmpty())
        return;
    setCatState(ListState::Edit);
    edt_CatName->setFocus();
}

void TfMon0010::btn_CatOkClick()
{
    if (m_cat == ListState::Browse)
        return;
    const QString code = CashCategories::normalize(edt_CatCode->text());
    const QString name = edt_CatName->text().trimmed();
    if (!CashCategories::validCategory(code, name))
        return;
    if (m_cat == ListState::Add) {
        if (CashCategories::categoryExists(code)) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("동일한 코드 존재합니다."), this);
            edt_CatCode->setFocus();
            return;
        }
        CashCategories::addCategory(code, name);
    } else {
        CashCategories::renameCategory(currentCategory(), name);
    }
    setCatState(ListState::Browse);
    m_loading = true;
    grd_Category->setCurrentCell(-1, 0);
    m_loading = false;
    loadCategories();
    for (int r = 0; r < grd_Category->rowCount(); ++r)
        if (grd_Category->item(r, 0)->text() == code)
            grd_Category->setCurrentCell(r, 0);
}

void TfMon0010::btn_CatCancelClick()
{
    setCatState(ListState::Browse);
    const int r = grd_Category->currentRow();
    edt_CatCode->setText(r >= 0 ? grd_Category->item(r, 0)->text() : QString());
    edt_CatName->setText(r >= 0 ? grd_Category->item(r, 1)->text() : QString());
}

void TfMon0010::btn_CatDeleteClick()
{
    if (m_cat != ListState::Browse || edt_CatCode->text().isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    CashCategories::deleteCategory(edt_CatCode->text());
    loadCategories();
}

void TfMon0010::btn_DetAddClick()
{
    if (m_det != ListState::Browse || currentCategory().isEmpty())
        return;
    setDetState(ListState::Add);
    edt_DetCode->clear();
    edt_DetName->clear();
    edt_DetCode->setFocus();
}

void TfMon0010::btn_DetEditClick()
{
    if (m_det != ListState::Browse || grd_Detail->currentRow() < 0)
        return;
    setDetState(ListState::Edit);
    edt_DetName->setFocus();
}

void TfMon0010::btn_DetOkClick()
{
    if (m_det == ListState::Browse)
        return;
    const QString category = currentCategory();
    const QString code = CashCategories::normalize(edt_DetCode->text());
    const QString name = edt_DetName->text().trimmed();
    if (!CashCategories::validDetail(code, name))
        return;
    if (m_det == ListState::Add) {
        if (CashCategories::detailExists(category, code)) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("동일한 코드 존재합니다."), this);
            edt_DetCode->setFocus();
            return;
        }
        CashCategories::addDetail(category, code, name);
    } else {
        const QString old = grd_Detail->item(grd_Detail->currentRow(), 0)->text();
        CashCategories::updateDetail(category, old, category, code, name);
    }
    setDetState(ListState::Browse);
    edt_DetCode->setText(code);
    loadDetails();
}

void TfMon0010::btn_DetCancelClick()
{
    setDetState(ListState::Browse);
    const int r = grd_Detail->currentRow();
    edt_DetCode->setText(r >= 0 ? grd_Detail->item(r, 0)->text() : QString());
    edt_DetName->setText(r >= 0 ? grd_Detail->item(r, 1)->text() : QString());
}

void TfMon0010::btn_DetDeleteClick()
{
    if (m_det != ListState::Browse || edt_DetCode->text().isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    CashCategories::deleteDetail(currentCategory(), edt_DetCode->text());
    edt_DetCode->clear();
    loadDetails();
}

// ---------------------------------------------------------------- inquiry page

bool TfMon0010::dateMode() const { return rdo_Date->isChecked(); }

bool TfMon0010::partnerMode() const { return rdo_Partner->isChecked(); }

void TfMon0010::clearInquiry()
{
    m_result = {};
    m_inquiryModel->show(&m_result.rows, dateMode());
    for (QLabel* l : {lbl_QIn, lbl_QOut, lbl_QDiff, lbl_QCurrent})
        l->clear();
    lbl_Found->setText(QStringLiteral("0"));
}

void TfMon0010::ModeChange()
{
    clearInquiry();
    stk_Inquiry->setCurrentIndex(partnerMode() ? 1 : 0);
    if (partnerMode()) {
        pnl_PartnerInquiry->reset();
        return;
    }
    const bool item = rdo_Item->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lbl_QMain, lbl_QSub, com_QMain, com_QSub})
        w->setVisible(item);
    grd_Inquiry->setColumnHidden(QBal, item);
    m_inquiryModel->setDateMode(!item);
    if (item)
        loadQueryItems();
}

void TfMon0010::loadQueryItems()
{
    m_loading = true;
    com_QMain->clear();
    com_QMain->addItem(CashInquiry::kAll);
    com_QMain->addItems(CashBook::mainItems());
    m_loading = false;
    loadQuerySubItems();
}

void TfMon0010::loadQuerySubItems()
{
    com_QSub->clear();
    com_QSub->addItem(CashInquiry::kAll);
    if (com_QMain->currentText() != CashInquiry::kAll)
        com_QSub->addItems(CashBook::subItems(com_QMain->currentText()));
}

void TfMon0010::Btn_QueryClick()
{
    if (PgCtr->currentIndex() != PgInquiry)
        return;
    if (partnerMode()) {
        pnl_PartnerInquiry->Btn_QueryClick();
        return;
    }
    const bool byDate = dateMode();
    m_result = byDate ? CashInquiry::byDate(dtpk_From->date(), dtpk_To->date())
                      : CashInquiry::byItem(com_QMain->currentText(), com_QSub->currentText(), dtpk_From->date(),
                                            dtpk_To->date());
    m_inquiryModel->show(&m_result.rows, byDate);
    lbl_QIn->setText(won(m_result.income));
    lbl_QOut->setText(won(m_result.expense));
    lbl_QDiff->setText(won(m_result.difference()));
    lbl_QCurrent->setText(won(m_result.current));
    lbl_Found->setText(QString::number(m_result.found));
}

int TfMon0010::inquiryRows() const { return m_inquiryModel->rowCount(); }

QString TfMon0010::inquiryCell(int row, int column) const
{
    if (row < 0 || row >= m_inquiryModel->rowCount() || column < 0 || column >= m_inquiryModel->columnCount())
        return {};
    return m_inquiryModel->text(row, column);
}

QStringList TfMon0010::inquiryTotals() const
{
    return {lbl_QIn->text(), lbl_QOut->text(), lbl_QDiff->text(), lbl_QCurrent->text()};
}

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

void TfMon0010::btn_DayPrintClick()
{
    auto* sheet = new TfPri1020(registerDate(), this);
    sheet->show();
}

void TfMon0010::btn_ListPrintClick()
{
    if (inquiryCell(0, 0).isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조회를 하신후에 프린트를 하실수 있습니다."), this);
        return;
    }
    CashPrint::PeriodList list;
    list.from = dtpk_From->date();
    list.to = dtpk_To->date();
    list.dateMode = dateMode();
    for (int r = 0; r < inquiryRows(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_inquiryModel->columnCount(); ++c)
            cells << inquiryCell(r, c);
        list.rows << cells;
    }
    list.totals = inquiryTotals();
    CashPrint::printPeriodList(list, report::Preview, this);
}
