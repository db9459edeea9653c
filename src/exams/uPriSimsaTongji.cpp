#include "exams/uPriSimsaTongji.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/Session.h"
#include "exams/ExamScreenParts.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "report/NoticeFile.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

using ExamNotices::Notice;

TfPriSimsaTongji::TfPriSimsaTongji(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPriSimsaTongji"));
    setWindowTitle(QStringLiteral("심사결과통지서일괄발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 480);

    auto* top = new QVBoxLayout(this);
    m_header = ExamScreenParts::addHeader(this, top);
    Pan_Company = m_header.company;
    total_num = m_header.total;
    search_num = m_header.found;

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    BitBtn0 = button("조     회");
    btn_Print = button("발     부");
    btn_Email = button("자료생성");
    btn_Exit = button("종     료");
    ExportButtons::addForWindow(bar, this, btn_Exit);
    bar->addStretch();
    top->addLayout(bar);

    auto* form = new QGridLayout;
    dtpk_SeungFromDate = new DateEdit(Clock::today(), this);
    dtpk_SeungToDate = new DateEdit(Clock::today(), this);
    chk_SeungDate = new QCheckBox(QStringLiteral("검색 조건에 심사일 포함"), this);
    auto* dates = new QHBoxLayout;
    dates->addWidget(dtpk_SeungFromDate);
    dates->addWidget(new QLabel(QStringLiteral("~"), this));
    dates->addWidget(dtpk_SeungToDate);
    dates->addWidget(chk_SeungDate);
    dates->addStretch();
    form->addWidget(new QLabel(QStringLiteral("승 급 일"), this), 0, 0);
    form->addLayout(dates, 0, 1, 1, 5);

    Com_Bu = new DivisionFilter(this);
    Com_Bu->setObjectName(QStringLiteral("Com_Bu"));
    sim_num = new QLineEdit(this);
    sim_num->setMaxLength(3);
    sim_num->setFixedWidth(50);
    Com_Name = new QComboBox(this);
    Com_Name->setEditable(true);
    Com_Name->setMinimumWidth(100);
    cbo_Belt = new QComboBox(this);
    form->addWidget(new QLabel(QStringLiteral("부 명"), this), 1, 0);
    form->addWidget(Com_Bu, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("횟 수"), this), 1, 2);
    form->addWidget(sim_num, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("이 름"), this), 1, 4);
    form->addWidget(Com_Name, 1, 5);
    form->addWidget(new QLabel(QStringLiteral("급 품"), this), 1, 6);
    form->addWidget(cbo_Belt, 1, 7);
    form->setColumnStretch(8, 1);
    top->addLayout(form);

    auto* choices = new QHBoxLayout;
    auto* textBox = new QFrame(this);
    textBox->setFrameShape(QFrame::StyledPanel);
    auto* tl = new QHBoxLayout(textBox);
    tl->setContentsMargins(6, 2, 6, 2);
    opt_Info = new QRadioButton(QStringLiteral("통지서 안내문 포함"), textBox);
    opt_NotInfo = new QRadioButton(QStringLiteral("통지서 안내문 포함 안함"), textBox);
    opt_InfoAll = new QRadioButton(QStringLiteral("통지서 안내문 포함안한 전체"), textBox);
    for (QRadioButton* r : {opt_Info, opt_NotInfo, opt_InfoAll})
        tl->addWidget(r);
    opt_InfoAll->setChecked(true);
    auto* styleBox = new QFrame(this);
    styleBox->setFrameShape(QFrame::StyledPanel);
    auto* sl = new QHBoxLayout(styleBox);
    sl->setContentsMargins(6, 2, 6, 2);
    rdo_Gen = new QRadioButton(QStringLiteral("형식 출력"), styleBox);
    opt_Forms = new QRadioButton(QStringLiteral("Forms 출력"), styleBox);
    sl->addWidget(rdo_Gen);
    sl->addWidget(opt_Forms);
    rdo_Gen->setChecked(true);
    choices->addWidget(textBox);
    choices->addWidget(styleBox);
    choices->addStretch();
    top->addLayout(choices);

    m_model = new ListModel({{QString(), 24}, {QStringLiteral("회원번호"), 80, false, ListModel::Code}, {QStringLiteral("회원명"), 70},
                             {QStringLiteral("부"), 80}, {QStringLiteral("현급"), 60}, {QStringLiteral("승급일자"), 80, false, ListModel::Date},
                             {QStringLiteral("횟수"), 40, false, ListModel::Number}, {QStringLiteral("심사결과평가 내용"), 200},
                             {QStringLiteral("급품코드"), 60, false, ListModel::Code}, {QStringLiteral("띠색"), 60}, {QStringLiteral("전응심급"), 60},
                             {QStringLiteral("전띠색"), 60}, {QStringLiteral("조회용-이메일"), 120}, {QStringLiteral("조회용-핸드폰번호"), 110}},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grid = new QTableView(this);
    ListModel::attach(grid, m_model);
    ExamScreenParts::setColumnWidths(grid, {24, 76, 64, 80, 60, 76, 36, 200, 50, 60, 50, 40, 120, 100});
    top->addWidget(grid, 1);

    connect(BitBtn0, &QPushButton::clicked, this, [this] { BitBtn0Click(); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { btn_PrintClick(); });
    connect(btn_Email, &QPushButton::clicked, this, [this] { btn_EmailClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    for (QRadioButton* r : {opt_Info, opt_NotInfo, opt_InfoAll})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                clearList(); // the list belongs to the choice it was made with
        });
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(i); });

    sim_num->setText(QString::number(ExamNumber::last()));
    Com_Name->addItem(QString());
    {
        db::Query q(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE ") + MemberStatus::active() + QStringLiteral(" ORDER BY 회원명"));
        q.open();
        while (q.next())
            Com_Name->addItem(q.str(QStringLiteral("회원명")));
    }
    Com_Name->setCurrentIndex(0);
    cbo_Belt->addItems(ExamNotices::beltItems());
}

QAbstractItemModel* TfPriSimsaTongji::gridModel() const { return m_model; }

ExamNotices::TextChoice TfPriSimsaTongji::textChoice() const
{
    if (opt_Info->isChecked())
        return ExamNotices::TextChoice::With;
    if (opt_NotInfo->isChecked())
        return ExamNotices::TextChoice::Without;
    return ExamNotices::TextChoice::All;
}

void TfPriSimsaTongji::showRows()
{
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const Notice& n = m_rows[r];
        switch (c) {
        case 1: return n.memberNo;
        case 2: return n.name;
        case 3: return n.division;
        case 4: return n.rankName;
        case 5: return n.date;
        case 6: return QString::number(n.examNo);
        case 7: return n.sentence;
        case 8: return n.rankCode;
        case 9: return n.beltColor;
        case 12: return n.email;
        case 13: return n.mobile;
        default: return QString(); // 전응심급, 전띠색
        }
    });
}

void TfPriSimsaTongji::clearList()
{
    m_rows.clear();
    showRows();
    ExamScreenParts::showFound(m_header, 0);
}

void TfPriSimsaTongji::BitBtn0Click()
{
    const QString typed = sim_num->text().trimmed();
    if (!typed.isEmpty() && ExamNumber::parse(typed) == 0 && typed != QStringLiteral("0")) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("심사횟수를 입력하세요."), this);
        sim_num->setFocus();
        return;
    }
    ExamNotices::Filter f;
    f.name = Com_Name->currentText();
    f.examNo = typed;
    f.division = Com_Bu->condition(QStringLiteral("T_회원.부별코드"));
    f.beltIndex = cbo_Belt->currentIndex();
    f.beltText = cbo_Belt->currentText();
    f.text = textChoice();
    f.byDate = chk_SeungDate->isChecked();
    f.from = dtpk_SeungFromDate->date();
    f.to = dtpk_SeungToDate->date();
    m_rows = ExamNotices::search(f);
    showRows();
    ExamScreenParts::showFound(m_header, int(m_rows.size()));
    if (m_rows.isEmpty())
        Dialogs::error(QStringLiteral("종합관리"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfPriSimsaTongji::btn_PrintClick()
{
    if (m_rows.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(windowTitle()), this);
        return;
    }
    report::PrintJob job;
    ExamNotices::fillPrint(job, m_rows, textChoice(), Clock::today());
    job.run(ExamNotices::layoutFor(textChoice(), opt_Forms->isChecked()), QStringLiteral("심사결과통지서"), report::Preview, this);
}

void TfPriSimsaTongji::btn_EmailClick()
{
    if (m_rows.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(windowTitle()), this);
        return;
    }
    const NoticeFile file = ExamNotices::dataFile(m_rows, textChoice(), Clock::today());
    if (Dialogs::show(file.write(windowTitle()), this))
        StatusLine::show(QStringLiteral("심사결과 자료 %1명 생성").arg(file.lineCount()));
}

void TfPriSimsaTongji::openMember(const QModelIndex& index)
{
    if (!index.isValid() || !ScreenHost::current())
        return;
    Session::setSelectedMemberNo(m_rows[index.row()].memberNo);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
