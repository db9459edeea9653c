#include "stats/uTot0010.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "stats/HeadcountFigures.h"
#include "stats/TotModels.h"
#include "report/ExportButtons.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/KeyboardFlow.h"
#include "ui/SchoolYearFilter.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using namespace tot;
using NationalApplications::Application;


namespace {

QDateEdit* dateBox(QWidget* parent, const QString& name)
{
    auto* d = new DateEdit(parent);
    d->setObjectName(name);
    return d;
}

QPushButton* toolButton(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

// Drop-downs size by a few characters, not by their (long) lists.
template <class Box>
Box* narrow(Box* b, int chars)
{
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    b->setMinimumContentsLength(chars);
    return b;
}

QTableView* newGrid(QWidget* parent)
{
    auto* g = new QTableView(parent);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->setVisible(false);
    g->horizontalHeader()->setResizeContentsPrecision(50);
    g->setAlternatingRowColors(true);
    return g;
}

QStringList column(const QString& sql)
{
    QStringList out;
    db::Query q(sql);
    q.open();
    while (q.next())
        out << q.value(0).toString();
    return out;
}

const char* const kNameBoxes[PageCount] = {"Com_Name", "Com_Name1", "Com_Name2", "Com_Name3", "Com_Name4",
                                           "Com_Name5", "Com_Name6", "Com_Name7", "Com_Name8", "Com_Name10",
                                           "Com_Name11", "Com_Name12", "cbo_JibjujgdoName", "cbo_SimsaPerName",
                                           "Com_SimsaGongjiName"};
const char* const kDivisionBoxes[PageCount] = {"Com_Bu", "Com_bu1", "Com_Nobu2", "Com_bu3", "Com_Bu4", "Com_bu5",
                                               "Com_bu6", "Com_Bu7", "Com_bu9", "Com_bu10", "Com_Bu11", "Com_bu12",
                                               "cbo_JibjungdoBu", "cbo_SimsaBuName", "Com_SimsaGongjiBu"};

} // namespace

TfTot0010::TfTot0010(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfTot0010"));
    setWindowTitle(QStringLiteral("종합관리"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 480);

    m_currentNames = new QStringListModel(this);
    m_withdrawnNames = new QStringListModel(this);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(3);
    auto* head = new QHBoxLayout;
    Pan_Company = new QLabel(this);
    QFont bold = Pan_Company->font();
    bold.setBold(true);
    Pan_Company->setFont(bold);
    head->addWidget(Pan_Company);
    head->addStretch();
    auto* title = new QLabel(QStringLiteral("종   합   관   리"), this);
    QFont big = bold;
    big.setPointSize(big.pointSize() + 4);
    title->setFont(big);
    head->addWidget(title);
    head->addStretch();
    total_num = new QLabel(this);
    search_num = new QLabel(QStringLiteral("검색인원 : "), this);
    head->addWidget(total_num);
    head->addSpacing(10);
    head->addWidget(search_num);
    root->addLayout(head);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    BitBtn1 = toolButton(QStringLiteral("입     력"), this);
    BitBtn2 = toolButton(QStringLiteral("수     정"), this);
    BitBtn3 = toolButton(QStringLiteral("삭     제"), this);
    BitBtn4 = toolButton(QStringLiteral("조     회"), this);
    BitBtn5 = toolButton(QStringLiteral("확     인"), this);
    BitBtn6 = toolButton(QStringLiteral("취     소"), this);
    BitBtn8 = toolButton(QStringLiteral("인     쇄"), this);
    BitBtn7 = toolButton(QStringLiteral("종     료"), this);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn8, BitBtn7})
        bar->addWidget(b);
    bar->addStretch();
    root->addLayout(bar);

    PageControl1 = new QTabWidget(this);
    ExportButtons::addForPages(bar, this, PageControl1, BitBtn7);
    PageControl1->setUsesScrollButtons(true);
    const QStringList captions = pageCaptions();
    for (int i = 0; i < PageCount; ++i)
        PageControl1->addTab(i == Register ? buildRegisterPage() : buildPage(i), captions[i]);
    root->addWidget(PageControl1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
    connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
    connect(BitBtn7, &QPushButton::clicked, this, &QWidget::close);

    FormCreate();
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    PageControl1Change();
}

TfTot0010::~TfTot0010() = default;

void TfTot0010::FormCreate()
{
    Pan_Company->setText(HeadcountFigures::schoolName());
    total_num->setText(QStringLiteral("총 원 :") + QString::number(HeadcountFigures::currentMembers()));
    m_currentNames->setStringList(column(QStringLiteral("SELECT 회원명 from T_회원 WHERE ") + MemberStatus::notWithdrawn() +
                                         QStringLiteral(" ORDER BY 회원명")));
    // Filling the list makes a drop-down pick its first name: every page starts on everyone.
    for (Page& p : m_pages)
        if (p.name)
            p.name->setCurrentIndex(-1);
    Com_Name10->addItems(NationalApplications::registeredNames());
    Com_Name10->setCurrentIndex(-1);
    edt_SimsaName->setText(QString::number(std::max(ExamNumber::last(), 1)));
    // Enter in any filter runs the page's query instead of moving on.
    for (QWidget* f : PageControl1->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractItemView*>(f) || qobject_cast<QAbstractItemView*>(f->parentWidget()))
            continue;
        if (qobject_cast<QLineEdit*>(f) || qobject_cast<QComboBox*>(f) || qobject_cast<QAbstractSpinBox*>(f)
            || qobject_cast<QCheckBox*>(f) || qobject_cast<QRadioButton*>(f))
            KeyboardFlow::keepEnter(f);
    }
}

// --- building -----------------------------------------------------------------------------------------

QComboBox* TfTot0010::nameBox(int i, QWidget* parent)
{
    auto* box = narrow(new QComboBox(parent), 8);
    box->setObjectName(QString::fromUtf8(kNameBoxes[i]));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setModel(m_currentNames);
    box->setMaxVisibleItems(20);
    if (auto* v = qobject_cast<QListView*>(box->view()))
        v->setUniformItemSizes(true);
    box->setCurrentIndex(-1);
    return box;
}

// Name, division, status and date range, the filters most pages share.
void TfTot0010::addShared(int i, QLayout* row, QLayout* datesRow, bool status, const QString& datesCaption)
{
    Page& p = m_pages[i];
    QWidget* w = p.widget;
    auto* l = static_cast<QHBoxLayout*>(row);
    l->addWidget(new QLabel(QStringLiteral("이름"), w));
    p.name = nameBox(i, w);
    l->addWidget(p.name);
    l->addWidget(new QLabel(QStringLiteral("부별"), w));
    p.division = narrow(new DivisionFilter(w), 9);
    p.division->setObjectName(QString::fromUtf8(kDivisionBoxes[i]));
    l->addWidget(p.division);
    if (status) {
        p.current = new QRadioButton(QStringLiteral("현재원"), w);
        p.withdrawn = new QRadioButton(QStringLiteral("퇴관원"), w);
        p.current->setChecked(true);
        auto* g = new QButtonGroup(w);
        g->addButton(p.current);
        g->addButton(p.withdrawn);
        l->addWidget(p.current);
        l->addWidget(p.withdrawn);
        connect(p.withdrawn, &QRadioButton::toggled, this, [this, i] { statusChanged(i); });
    }
    l->addStretch();
    if (!datesCaption.isEmpty()) {
        auto* d = static_cast<QHBoxLayout*>(datesRow);
        p.dates = new QCheckBox(datesCaption, w);
        p.from = dateBox(w, QStringLiteral("dtpFrom%1").arg(i));
        p.to = dateBox(w, QStringLiteral("dtpTo%1").arg(i));
        d->addWidget(p.dates);
        d->addWidget(p.from);
        d->addWidget(new QLabel(QStringLiteral("~"), w));
        d->addWidget(p.to);
    }
}

QWidget* TfTot0010::buildPage(int i)
{
    Page& p = m_pages[i];
    p.widget = new QWidget(this);
    QWidget* w = p.widget;
    auto* lay = new QVBoxLayout(w);
    lay->setContentsMargins(3, 3, 3, 3);
    lay->setSpacing(3);
    auto* row1 = new QHBoxLayout;
    auto* row2 = new QHBoxLayout;
    auto* row3 = new QHBoxLayout;
    lay->addLayout(row1);
    lay->addLayout(row2);
    lay->addLayout(row3);

    auto label = [&](QHBoxLayout* r, const QString& text) { r->addWidget(new QLabel(text, w)); };
    auto rankBox = [&](const QString& name) {
        auto* b = narrow(new QComboBox(w), 7);
        b->setObjectName(name);
        b->addItems(rankEntries());
        p.rank = b;
        return b;
    };

    switch (i) {
    case Roster: addShared(i, row1, row2, true, QStringLiteral("검색 조건에 입관일자 포함")); break;
    case School:
        addShared(i, row1, row2, true, QString());
        label(row2, QStringLiteral("학교"));
        Edit2 = new QLineEdit(w);
        Edit2->setObjectName(QStringLiteral("Edit2"));
        Edit2->setMaximumWidth(110);
        row2->addWidget(Edit2);
        label(row2, QStringLiteral("학년"));
        Com_Grade = narrow(new SchoolYearFilter(w), 7);
        Com_Grade->setObjectName(QStringLiteral("Com_Grade"));
        row2->addWidget(Com_Grade);
        label(row2, QStringLiteral("반"));
        Com_Class = new QComboBox(w);
        Com_Class->setObjectName(QStringLiteral("Com_Class"));
        Com_Class->addItem(QString());
        for (int k = 1; k <= 11; ++k)
            Com_Class->addItem(QString::number(k));
        row2->addWidget(Com_Class);
        label(row2, QStringLiteral("성별"));
        Com_Sex = new QComboBox(w);
        Com_Sex->setObjectName(QStringLiteral("Com_Sex"));
        Com_Sex->addItems({QString(), QStringLiteral("남"), QStringLiteral("여")});
        row2->addWidget(Com_Sex);
        break;
    case Rank: {
        addShared(i, row1, row2, true, QString());
        rbRankMode = new QRadioButton(QStringLiteral("급품조회"), w);
        rbDanMode = new QRadioButton(QStringLiteral("단증번호 조회"), w);
        rbRankMode->setChecked(true);
        auto* g = new QButtonGroup(w);
        g->addButton(rbRankMode);
        g->addButton(rbDanMode);
        row2->addWidget(rbRankMode);
        row2->addWidget(rbDanMode);
        label(row2, QStringLiteral("급품"));
        QComboBox* belt1 = rankBox(QStringLiteral("Com_belt1"));
        row2->addWidget(belt1);
        lblTilde = new QLabel(QStringLiteral("~"), w);
        row2->addWidget(lblTilde);
        Com_belt2 = narrow(new QComboBox(w), 7);
        Com_belt2->setObjectName(QStringLiteral("Com_belt2"));
        Com_belt2->addItem(QString());
        for (const QString& r : rankEntries().mid(5))
            Com_belt2->addItem(r);
        row2->addWidget(Com_belt2);
        cbo_DangNoBelt = narrow(new CodeCombo(w), 7);
        cbo_DangNoBelt->setObjectName(QStringLiteral("cbo_DangNoBelt"));
        cbo_DangNoBelt->addItem(QString());
        cbo_DangNoBelt->addItems(poomDanRanks());
        row2->addWidget(cbo_DangNoBelt);
        lbl_SisaName = new QLabel(QStringLiteral("심사명"), w);
        row2->addWidget(lbl_SisaName);
        edt_SisaName = new QLineEdit(w);
        edt_SisaName->setObjectName(QStringLiteral("edt_SisaName"));
        edt_SisaName->setMaximumWidth(60);
        row2->addWidget(edt_SisaName);
        connect(rbDanMode, &QRadioButton::toggled, this, [this] { danModeChanged(); });
        connect(belt1, &QComboBox::currentIndexChanged, this, [this](int k) {
            lblTilde->setVisible(k > 4 && !rbDanMode->isChecked());
            Com_belt2->setVisible(k > 4 && !rbDanMode->isChecked());
            if (k <= 4)
                Com_belt2->setCurrentIndex(0);
        });
        break;
    }
    case Address:
        addShared(i, row1, row2, true, QString());
        label(row2, QStringLiteral("주소"));
        addr = new QLineEdit(w);
        addr->setObjectName(QStringLiteral("addr"));
        row2->addWidget(addr);
        label(row2, QStringLiteral("우편번호"));
        Com_zip = narrow(new CodeCombo(w), 10);
        Com_zip->setObjectName(QStringLiteral("Com_zip"));
        Com_zip->loadSql(QStringLiteral("SELECT 우편번호, 동 FROM T_우편번호 ORDER BY 동 asc"), true);
        row2->addWidget(Com_zip);
        label(row2, QStringLiteral("지역"));
        Com_area = narrow(new CodeCombo(w), 8);
        Com_area->setObjectName(QStringLiteral("Com_area"));
        Com_area->loadSql(QStringLiteral("SELECT 지역코드, 지역명 FROM T_지역코드 ORDER BY 지역명 asc"), true);
        for (int k = 0; k < Com_area->count(); ++k)
            if (Com_area->itemText(k).indexOf(u')') == 1)
                Com_area->setItemText(k, u' ' + Com_area->itemText(k));
        row2->addWidget(Com_area);
        break;
    case Birthday: {
        addShared(i, row1, row2, true, QString());
        rbTrainee = new QRadioButton(QStringLiteral("수련생"), w);
        rbFamily = new QRadioButton(QStringLiteral("가족생일"), w);
        rbWedding = new QRadioButton(QStringLiteral("결혼기념일"), w);
        rbTrainee->setChecked(true);
        auto* g = new QButtonGroup(w);
        for (QRadioButton* b : {rbTrainee, rbFamily, rbWedding}) {
            g->addButton(b);
            row2->addWidget(b);
            connect(b, &QRadioButton::toggled, this, [this](bool on) {
                if (on)
                    birthModeChanged();
            });
        }
        label(row2, QStringLiteral("양/음"));
        Com_YN = new QComboBox(w);
        Com_YN->setObjectName(QStringLiteral("Com_YN"));
        Com_YN->addItems({QString(), QStringLiteral("양"), QStringLiteral("음")});
        row2->addWidget(Com_YN);
        chkBirth = new QCheckBox(QStringLiteral("검색 조건에 생년월일 포함"), w);
        row2->addWidget(chkBirth);
        const QDate today = Clock::today();
        auto part = [&](QCheckBox*& box, QSpinBox*& spin, const QString& caption, int lo, int hi, int value) {
            box = new QCheckBox(caption, w);
            spin = new QSpinBox(w);
            spin->setRange(lo, hi);
            spin->setValue(value);
            row3->addWidget(box);
            row3->addWidget(spin);
            box->setEnabled(false);
        };
        part(chkYear, seYear, QStringLiteral("년"), 1900, 2999, today.year());
        part(chkMonth, seMonth, QStringLiteral("월"), 1, 12, today.month());
        part(chkDay, seDay, QStringLiteral("일"), 1, 31, today.day());
        connect(chkBirth, &QCheckBox::toggled, this, [this](bool on) {
            for (QCheckBox* b : {chkYear, chkMonth, chkDay})
                b->setEnabled(on);
        });
        break;
    }
    case Awards:
        addShared(i, row1, row2, true, QString());
        label(row2, QStringLiteral("상장"));
        Com_Prize = narrow(new CodeCombo(w), 10);
        Com_Prize->setObjectName(QStringLiteral("Com_Prize"));
        Com_Prize->load(QStringLiteral("T_상장목록"), QStringLiteral("상장코드"), QStringLiteral("상장명"), true);
        row2->addWidget(Com_Prize);
        p.dates = new QCheckBox(QStringLiteral("검색 조건에 지급일자 포함"), w);
        p.from = dateBox(w, QStringLiteral("dtpFrom5"));
        p.to = dateBox(w, QStringLiteral("dtpTo5"));
        row2->addWidget(p.dates);
        row2->addWidget(p.from);
        row2->addWidget(new QLabel(QStringLiteral("~"), w));
        row2->addWidget(p.to);
        break;
    case Points: {
        addShared(i, row1, row2, false, QString());
        label(row2, QStringLiteral("년도"));
        Com_year = new QComboBox(w);
        Com_year->setObjectName(QStringLiteral("Com_year"));
        const int y = Clock::today().year();
        Com_year->addItems({QString::number(y - 1), QString::number(y)});
        Com_year->setCurrentIndex(1);
        row2->addWidget(Com_year);
        p.dates = new QCheckBox(QStringLiteral("검색 조건에 벌점일자 포함"), w);
        p.from = dateBox(w, QStringLiteral("dtpFrom6"));
        p.to = dateBox(w, QStringLiteral("dtpTo6"));
        row2->addWidget(p.dates);
        row2->addWidget(p.from);
        row2->addWidget(new QLabel(QStringLiteral("~"), w));
        row2->addWidget(p.to);
        break;
    }
    case Suggestions: addShared(i, row1, row2, true, QStringLiteral("검색 조건에 건의일자 포함")); break;
    case Overall: {
        addShared(i, row1, row2, false, QString());
        label(row2, QStringLiteral("년도"));
        Com_year9 = new QComboBox(w);
        Com_year9->setObjectName(QStringLiteral("Com_year9"));
        Com_year9->setEditable(true);
        const int y = Clock::today().year();
        Com_year9->addItems({QString::number(y - 1), QString::number(y)});
        Com_year9->setCurrentIndex(1);
        row2->addWidget(Com_year9);
        label(row2, QStringLiteral("부문"));
        Com_Section = new QComboBox(w);
        Com_Section->setObjectName(QStringLiteral("Com_Section"));
        Com_Section->addItems({QStringLiteral("생 활 부 문"), QStringLiteral("체 력 부 문"), QStringLiteral("심 사 부 문")});
        row2->addWidget(Com_Section);
        Com_body = narrow(new CodeCombo(w), 12);
        Com_body->setObjectName(QStringLiteral("Com_body"));
        Com_body->load(QStringLiteral("T_체력측정항목"), QStringLiteral("측정항목코드"), QStringLiteral("측정항목명"), true);
        row2->addWidget(Com_body);
        Com_Exam = narrow(new CodeCombo(w), 12);
        Com_Exam->setObjectName(QStringLiteral("Com_Exam"));
        Com_Exam->load(QStringLiteral("T_심사항목"), QStringLiteral("심사항목코드"), QStringLiteral("심사항목명"));
        Com_Exam->insertItem(0, QStringLiteral("E0)  최우수"));
        Com_Exam->insertItem(0, QString());
        Com_Exam->setCurrentIndex(0);
        row2->addWidget(Com_Exam);
        connect(Com_Section, &QComboBox::currentIndexChanged, this, [this] { sectionChanged(); });
        break;
    }
    case Conduct: addShared(i, row1, row2, true, QStringLiteral("검색 조건에 기록일자 포함")); break;
    case Boarding:
        addShared(i, row1, row2, true, QString());
        label(row2, QStringLiteral("코스"));
        Com_Course = narrow(new CodeCombo(w), 9);
        Com_Course->setObjectName(QStringLiteral("Com_Course"));
        Com_Course->load(QStringLiteral("T_코스코드"), QStringLiteral("코스코드"), QStringLiteral("코스이름"), true);
        row2->addWidget(Com_Course);
        label(row2, QStringLiteral("시간"));
        Com_Time = narrow(new QComboBox(w), 6);
        Com_Time->setObjectName(QStringLiteral("Com_Time"));
        Com_Time->addItem(QString());
        Com_Time->addItems(column(QStringLiteral("SELECT DISTINCT 시간 FROM T_시간코드 ORDER BY 1")));
        row2->addWidget(Com_Time);
        label(row2, QStringLiteral("장소"));
        Com_Jangso = narrow(new QComboBox(w), 9);
        Com_Jangso->setObjectName(QStringLiteral("Com_Jangso"));
        Com_Jangso->addItem(QString());
        Com_Jangso->addItems(column(QStringLiteral("SELECT DISTINCT  장소 FROM T_장소코드 ORDER BY 1")));
        row2->addWidget(Com_Jangso);
        btnCoursePrint = toolButton(QStringLiteral("코스별 탑승자 인쇄"), w);
        row2->addWidget(btnCoursePrint);
        connect(btnCoursePrint, &QPushButton::clicked, this, [this] { btnCoursePrintClick(); });
        break;
    case Concentration:
        addShared(i, row1, row2, false, QStringLiteral("검색 조건에 측정일자 포함"));
        p.dates->setChecked(true);
        label(row2, QStringLiteral("급품"));
        row2->addWidget(rankBox(QStringLiteral("cbo_GradeJibjungdo")));
        break;
    case ExamNotes:
        addShared(i, row1, row2, false, QStringLiteral("검색 조건에 승급일자 포함"));
        label(row2, QStringLiteral("심사명"));
        edt_SimsaName = new QLineEdit(w);
        edt_SimsaName->setObjectName(QStringLiteral("edt_SimsaName"));
        edt_SimsaName->setMaximumWidth(60);
        row2->addWidget(edt_SimsaName);
        label(row2, QStringLiteral("급품"));
        row2->addWidget(rankBox(QStringLiteral("cbo_SimsaBeltName")));
        break;
    case Notices: addShared(i, row1, row2, true, QStringLiteral("검색 조건에 공지일자 포함")); break;
    default: break;
    }

    const QStringList sorts = sortChoices(i);
    if (!sorts.isEmpty() || i == Points) {
        auto* g = new QButtonGroup(w);
        const QStringList labels = i == Points ? QStringList{QStringLiteral("총점순"), QStringLiteral("누적순")} : sorts;
        for (int k = 0; k < labels.size(); ++k) {
            auto* b = new QRadioButton(labels[k], w);
            g->addButton(b, k);
            row3->addWidget(b);
            p.sorts << b;
        }
        p.sorts[i == Points ? 0 : defaultSort(i)]->setChecked(true);
    }
    row2->addStretch();
    row3->addStretch();

    p.grid = newGrid(w);
    p.model = new ListModel(p.grid);
    ListModel::attach(p.grid, p.model);
    lay->addWidget(p.grid, 1);
    if (i == Notices)
        connect(p.grid, &QTableView::clicked, this, [this, i](const QModelIndex& x) { openMember(i, x.row()); });
    else
        connect(p.grid, &QTableView::doubleClicked, this, [this, i](const QModelIndex& x) { openMember(i, x.row()); });
    if (i == Rank)
        danModeChanged();
    if (i == Overall)
        sectionChanged();
    return w;
}

QWidget* TfTot0010::buildRegisterPage()
{
    Page& p = m_pages[Register];
    p.widget = new QWidget(this);
    QWidget* w = p.widget;
    auto* lay = new QVBoxLayout(w);
    lay->setContentsMargins(3, 3, 3, 3);
    lay->setSpacing(3);
    auto* row = new QHBoxLayout;
    lay->addLayout(row);
    row->addWidget(new QLabel(QStringLiteral("이름"), w));
    Com_Name10 = narrow(new QComboBox(w), 8);
    Com_Name10->setObjectName(QStringLiteral("Com_Name10"));
    Com_Name10->setEditable(true);
    Com_Name10->setInsertPolicy(QComboBox::NoInsert);
    p.name = Com_Name10;
    row->addWidget(Com_Name10);
    row->addWidget(new QLabel(QStringLiteral("부별"), w));
    Com_bu10 = narrow(new DivisionFilter(w), 9);
    Com_bu10->setObjectName(QStringLiteral("Com_bu10"));
    p.division = Com_bu10;
    row->addWidget(Com_bu10);
    row->addWidget(new QLabel(QStringLiteral("급품"), w));
    Com_Belt10 = narrow(new CodeCombo(w), 7);
    Com_Belt10->setObjectName(QStringLiteral("Com_Belt10"));
    Com_Belt10->addItem(QString());
    Com_Belt10->addItems(poomDanRanks());
    row->addWidget(Com_Belt10);
    row->addWidget(new QLabel(QStringLiteral("심사명"), w));
    examname = new QLineEdit(w);
    examname->setObjectName(QStringLiteral("examname"));
    examname->setMaximumWidth(60);
    row->addWidget(examname);
    CheckBox4 = new QCheckBox(QStringLiteral("심 사 일 자"), w);
    row->addWidget(CheckBox4);
    examdate = dateBox(w, QStringLiteral("examdate"));
    row->addWidget(examdate);
    row->addStretch();
    row = new QHBoxLayout;
    lay->addLayout(row);
    auto* printBox = new QGroupBox(QStringLiteral("인쇄시"), w);
    auto* pl = new QHBoxLayout(printBox);
    pl->setContentsMargins(4, 0, 4, 0);
    rbS1 = new QRadioButton(QStringLiteral("심사신청서"), printBox);
    rbS2 = new QRadioButton(QStringLiteral("접수증"), printBox);
    rbS2->setChecked(true);
    pl->addWidget(rbS1);
    pl->addWidget(rbS2);
    row->addWidget(printBox);
    row->addStretch();

    DBCtrlGrid10 = newGrid(w);
    DBCtrlGrid10->setObjectName(QStringLiteral("DBCtrlGrid10"));
    m_appModel = new ApplicationModel(&m_apps, DBCtrlGrid10);
    ListModel::attach(DBCtrlGrid10, m_appModel);
    // Cell by cell: the row holds four fields to type.
    DBCtrlGrid10->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    DBCtrlGrid10->setSelectionBehavior(QAbstractItemView::SelectItems);
    p.grid = DBCtrlGrid10;
    lay->addWidget(DBCtrlGrid10, 1);
    connect(DBCtrlGrid10, &QTableView::doubleClicked, this, [this](const QModelIndex& x) {
        if (!m_appModel->editable())
            openMember(Register, x.row());
    });
    return w;
}

// --- pages ----------------------------------------------------------------------------------------------

int TfTot0010::currentPage() const { return PageControl1->currentIndex(); }

void TfTot0010::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= PageControl1->count())
        return;
    QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(index);
    if (runChange)
        PageControl1Change();
}

void TfTot0010::PageControl1Change()
{
    const int i = currentPage();
    if (i != Register && m_mode != RegisterMode::Entered && m_mode != RegisterMode::Browse) {
        m_apps = m_appsRead; // leaving the page drops what confirm has not written
        m_appModel->reset();
        m_appModel->setEditable(false);
    }
    if (i == Register) {
        setRegisterMode(RegisterMode::Entered);
        return;
    }
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn5, BitBtn6})
        b->setEnabled(false);
    BitBtn4->setEnabled(true);
    BitBtn8->setEnabled(true);
    if (i == Rank && rbDanMode->isChecked())
        rbRankMode->setChecked(true);
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_pages[i].listing.found));
}

void TfTot0010::statusChanged(int i)
{
    Page& p = m_pages[i];
    const bool out = p.withdrawn && p.withdrawn->isChecked();
    if (out && !m_withdrawnLoaded) {
        m_withdrawnNames->setStringList(column(QStringLiteral("SELECT 회원명 from T_회원 WHERE ") + MemberStatus::withdrawn() +
                                               QStringLiteral(" ORDER BY 회원명")));
        m_withdrawnLoaded = true;
    }
    const QString typed = p.name->currentText();
    p.name->setModel(out ? m_withdrawnNames : m_currentNames);
    p.name->setCurrentIndex(-1);
    p.name->setEditText(typed);
}

void TfTot0010::danModeChanged()
{
    const bool dan = rbDanMode->isChecked();
    Page& p = m_pages[Rank];
    p.rank->setVisible(!dan);
    const bool range = !dan && p.rank->currentIndex() > 4;
    lblTilde->setVisible(range);
    Com_belt2->setVisible(range);
    for (QRadioButton* b : p.sorts)
        b->setVisible(!dan);
    cbo_DangNoBelt->setVisible(dan);
    lbl_SisaName->setVisible(dan);
    edt_SisaName->setVisible(dan);
    // The dan-number list does not filter by status: the choice is held on 현재원.
    if (dan)
        p.current->setChecked(true);
    p.current->setEnabled(!dan);
    p.withdrawn->setEnabled(!dan);
    p.listing = Listing();
    ::showListing(p.model, &p.listing);
}

void TfTot0010::birthModeChanged()
{
    Page& p = m_pages[Birthday];
    const bool wedding = rbWedding->isChecked();
    chkBirth->setText(wedding ? QStringLiteral("검색 조건에 결혼기념일 포함") : QStringLiteral("검색 조건에 생년월일 포함"));
    const QStringList labels = sortChoices(Birthday, wedding ? Input::Wedding : Input::Trainee);
    for (int k = 0; k < p.sorts.size(); ++k)
        p.sorts[k]->setText(labels.value(k));
    ::showListing(p.model, rbTrainee->isChecked() ? &p.listing : &familyListing);
}

void TfTot0010::sectionChanged()
{
    const int s = Com_Section->currentIndex();
    Com_body->setVisible(s == Input::Fitness);
    Com_Exam->setVisible(s == Input::Exam);
    Page& p = m_pages[Overall];
    p.listing = Listing();
    p.listing.headers = QStringList{QStringLiteral("회 원 명"), QStringLiteral("부    명"), QStringLiteral("입 관 일"),
                                    QStringLiteral("급 품 명"), QStringLiteral("학    년")};
    p.listing.headers << (s == Input::Life      ? QStringList{QStringLiteral("상 벌 점"), QStringLiteral("결 석 일"), QStringLiteral("총   점")}
                          : s == Input::Fitness ? QStringList{QStringLiteral("최초측정값"), QStringLiteral("최종측정값"), QStringLiteral("증   감")}
                                                : QStringList{QString(), QStringLiteral("총   점"), QStringLiteral("평   균")});
    ::showListing(p.model, &p.listing);
}

Input TfTot0010::input(int i) const
{
    const Page& p = m_pages[i];
    Input in;
    if (p.name)
        in.name = p.name->currentText();
    if (p.division) {
        in.divisionIndex = p.division->currentIndex();
        in.divisionText = p.division->currentText();
    }
    in.status = p.withdrawn && p.withdrawn->isChecked() ? Status::Withdrawn : Status::Current;
    if (p.dates) {
        in.useDates = p.dates->isChecked();
        in.from = p.from->date();
        in.to = p.to->date();
    }
    if (p.rank) {
        in.rankIndex = p.rank->currentIndex();
        in.rankText = p.rank->currentText();
    }
    for (int k = 0; k < p.sorts.size(); ++k)
        if (p.sorts[k]->isChecked())
            in.sort = k;
    switch (i) {
    case School:
        in.school = Edit2->text();
        in.gradeIndex = Com_Grade->currentIndex();
        in.gradeText = Com_Grade->currentText();
        in.classNo = Com_Class->currentText();
        in.sex = Com_Sex->currentText();
        break;
    case Rank:
        in.danMode = rbDanMode->isChecked();
        in.rankToText = Com_belt2->isVisible() || in.rankIndex > 4 ? Com_belt2->currentText() : QString();
        in.danRankCode = cbo_DangNoBelt->code();
        in.examNo = edt_SisaName->text();
        break;
    case Address:
        in.address = addr->text();
        in.zipCode = Com_zip->code();
        in.areaCode = Com_area->code();
        break;
    case Birthday:
        in.birthMode = rbTrainee->isChecked() ? Input::Trainee : rbFamily->isChecked() ? Input::Family : Input::Wedding;
        in.solarLunar = Com_YN->currentText();
        in.birthParts = chkBirth->isChecked();
        in.byYear = chkYear->isChecked();
        in.byMonth = chkMonth->isChecked();
        in.byDay = chkDay->isChecked();
        in.year = seYear->value();
        in.month = seMonth->value();
        in.day = seDay->value();
        break;
    case Awards: in.prizeCode = Com_Prize->code(); break;
    case Points:
        in.yearText = Com_year->currentText();
        in.cumulativeOrder = in.sort == 1;
        break;
    case Overall:
        in.yearText = Com_year9->currentText();
        in.section = Input::Section(Com_Section->currentIndex());
        if (in.section == Input::Fitness) {
            in.itemCode = Com_body->code().trimmed();
            in.itemName = Com_body->currentText().section(u')', 1).trimmed();
        } else if (in.section == Input::Exam) {
            in.itemCode = Com_Exam->code().trimmed();
            in.itemName = Com_Exam->currentText().section(u')', 1).trimmed();
        }
        break;
    case Boarding:
        in.courseCode = Com_Course->code();
        in.time = Com_Time->currentText();
        in.place = Com_Jangso->currentText();
        break;
    case ExamNotes: in.examNo = edt_SimsaName->text(); break;
    default: break;
    }
    return in;
}

QWidget* TfTot0010::fieldNamed(const QString& name) const { return name.isEmpty() ? nullptr : findChild<QWidget*>(name); }

void TfTot0010::refuse(const Problem& p)
{
    Dialogs::warning(QStringLiteral("확인요망"), p.message, this);
    if (QWidget* f = fieldNamed(p.field))
        f->setFocus();
}

void TfTot0010::showListing(int i)
{
    Page& p = m_pages[i];
    const bool family = i == Birthday && !rbTrainee->isChecked();
    ::showListing(p.model, family ? &familyListing : &p.listing);
    p.grid->resizeColumnsToContents();
}

void TfTot0010::runPage(int i)
{
    Page& p = m_pages[i];
    const Input in = input(i);
    const bool family = i == Birthday && in.birthMode != Input::Trainee;
    Listing& target = family ? familyListing : p.listing;
    Listing found;
    Problem problem;
    if (!tot::run(i, in, &found, &problem)) {
        refuse(problem);
        return;
    }
    target = std::move(found);
    showListing(i);
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(target.found));
    if (target.rows.isEmpty())
        Dialogs::error(QStringLiteral("종합관리"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfTot0010::BitBtn4Click()
{
    const int i = currentPage();
    if (i == Register)
        queryRegister();
    else
        runPage(i);
}

void TfTot0010::BitBtn8Click()
{
    const int i = currentPage();
    if (i == Register) {
        const Problem p = NationalApplications::checkReceipt(examname->text(), m_apps);
        if (!p.ok()) {
            if (p.message == QStringLiteral("조회된 자료가 없습니다."))
                Dialogs::info(QStringLiteral("확인"), p.message, this);
            else
                refuse(p);
            return;
        }
        if (rbS2->isChecked())
            NationalApplications::printReceipt(m_apps, report::Preview, this);
        else if (ScreenHost::current()) {
            // The form keeps its own copy: it goes on working when this page closes.
            if (QWidget* form = ScreenHost::current()->open(QStringLiteral("TfPri4030")))
                QMetaObject::invokeMethod(form, "setApplicants", Q_ARG(QList<NationalApplications::Application>, m_apps),
                                          Q_ARG(QString, m_apps.first().examNo));
        }
        return;
    }
    const Input in = input(i);
    const bool family = i == Birthday && in.birthMode != Input::Trainee;
    tot::print(i, in, family ? familyListing : m_pages[i].listing, report::Preview, this);
}

void TfTot0010::btnCoursePrintClick() { printCourseRoster(Com_Course->code(), report::Preview, this); }

void TfTot0010::openMember(int page, int row)
{
    QString no;
    if (page == Register)
        no = m_apps.value(row).memberNo;
    else {
        const bool family = page == Birthday && !rbTrainee->isChecked();
        const Listing& l = family ? familyListing : m_pages[page].listing;
        if (row >= 0 && row < l.rows.size())
            no = l.rows[row].memberNo;
    }
    if (!no.isEmpty())
        ScreenHost::showMember(no);
}

void TfTot0010::keyPressEvent(QKeyEvent* e)
{
    // Enter anywhere on the screen runs the query of the page.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && BitBtn4->isEnabled()) {
        BitBtn4Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

// --- page 9: the application register ---------------------------------------------------------------------
