#include "exams/uInp0011.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "exams/ExamScreenParts.h"
#include "exams/ExamSettings.h"
#include "exams/uPri4040.h"
#include "report/ExportButtons.h"
#include "ui/FrozenColumns.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"
#include "ui/DateEdit.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

using Col = TfInp0011::Column;

TfInp0011::TfInp0011(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfInp0011"));
    setWindowTitle(QStringLiteral("심사결과/심사채점"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 490);

    auto* top = new QVBoxLayout(this);
    const ExamScreenParts::Header header = ExamScreenParts::addHeader(this, top, QStringLiteral("심사결과/심사채점 일괄입력"));
    Pan_Company = header.company;
    total_num = header.total;
    search_num = header.found;

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption) { return ExamScreenParts::addButton(this, bar, caption, name); };
    btnInsert = button("btnInsert", "입     력");
    btnEdit = button("btnEdit", "수     정");
    btnDelete = button("btnDelete", "삭     제");
    btnsearch = button("btnsearch", "조     회");
    btnOk = button("btnOk", "확     인");
    btnCancel = button("btnCancel", "취     소");
    btnExit = button("btnExit", "종     료");
    ExportButtons::addForWindow(bar, this, btnExit);
    bar->addStretch();
    Button1 = button("Button1", "심사 결과 발표");
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
    top->addLayout(bar);

    auto* inputs = new QHBoxLayout;
    com_bu = new DivisionFilter(this);
    com_bu->setObjectName(QStringLiteral("com_bu"));
    com_bu->setFixedWidth(130);
    Com_Year = new SchoolYearFilter(this);
    Com_Year->setObjectName(QStringLiteral("Com_Year"));
    Com_Year->setFixedWidth(100);
    edt_num = new QLineEdit(this);
    edt_num->setObjectName(QStringLiteral("edt_num"));
    edt_num->setFixedWidth(50);
    edt_num->setMaxLength(9);
    inToday1 = new DateEdit(Clock::today(), this);
    inToday1->setObjectName(QStringLiteral("inToday1"));
    inputs->addWidget(new QLabel(QStringLiteral("부 명"), this));
    inputs->addWidget(com_bu);
    inputs->addWidget(new QLabel(QStringLiteral("학  년"), this));
    inputs->addWidget(Com_Year);
    inputs->addWidget(new QLabel(QStringLiteral("심사명"), this));
    inputs->addWidget(edt_num);
    inputs->addWidget(new QLabel(QStringLiteral("현재 일자"), this));
    inputs->addWidget(inToday1);
    inputs->addStretch();
    top->addLayout(inputs);

    auto* choices = new QHBoxLayout;
    auto* modeBox = new QFrame(this);
    modeBox->setFrameShape(QFrame::StyledPanel);
    auto* ml = new QHBoxLayout(modeBox);
    ml->setContentsMargins(6, 2, 6, 2);
    rbgenUp = new QRadioButton(QStringLiteral("일괄"), modeBox);
    rbEvalUp = new QRadioButton(QStringLiteral("채점"), modeBox);
    rbDanbo = new QRadioButton(QStringLiteral("단보"), modeBox);
    for (QRadioButton* r : {rbgenUp, rbEvalUp, rbDanbo})
        ml->addWidget(r);
    rbgenUp->setChecked(true);
    chk_SeungBul = new QCheckBox(QStringLiteral("상벌포함"), this);
    auto* sortBox = new QFrame(this);
    sortBox->setFrameShape(QFrame::StyledPanel);
    auto* sl = new QHBoxLayout(sortBox);
    sl->setContentsMargins(6, 2, 6, 2);
    rdo_GubSort = new QRadioButton(QStringLiteral("유급자순"), sortBox);
    rdo_PumSort = new QRadioButton(QStringLiteral("유품자순"), sortBox);
    sl->addWidget(rdo_GubSort);
    sl->addWidget(rdo_PumSort);
    rdo_GubSort->setChecked(true);
    choices->addWidget(modeBox);
    choices->addWidget(chk_SeungBul);
    choices->addWidget(sortBox);
    choices->addStretch();
    top->addLayout(choices);

    m_model = new ListModel(gridColumns(), this);
    m_model->setEditable([this](int, int c) {
        return m_model->editing() && (c == ColDate || c == ColTarget || (c >= ColE1 && c < ColAttendance));
    });
    m_model->setCheckColumn(ColSelect, [this](int r) { return m_batch.row(r).selected; }, [this](int r, bool) {
        if (m_model->editing())
            m_batch.click(r, chk_SeungBul->isChecked());
    });
    m_model->setAccept([this](int row, int c, const QVariant& v) {
        if (c == ColDate)
            return m_batch.setDate(row, v.toString()); // refused when not a date; taken when it is
        if (c < ColE1 || c >= ColAttendance)
            return true;
        bool ok = false;
        v.toString().trimmed().toInt(&ok);
        if (!ok) {
            // Said, not dropped: the user would think the score was taken.
            const ExamBatch::Row& r = m_batch.row(row);
            Dialogs::error(QStringLiteral("확인요망"),
                           QStringLiteral("%1(%2) : %3 '%4' 은(는) 숫자로 입력하세요.")
                               .arg(r.name, r.memberNo, m_model->column(c).heading, v.toString().trimmed()),
                           this);
        }
        return ok;
    });
    m_model->setOnEdit([this](int row, int c, const QVariant& v) {
        if (c == ColTarget)
            m_batch.setTarget(row, codeOfRank(v.toString()));
        else if (c != ColDate)
            m_batch.setScore(row, c - ColE1, v.toString().trimmed().toInt());
    });
    DBCtrlGrid2 = new QTableView(this);
    DBCtrlGrid2->setObjectName(QStringLiteral("DBCtrlGrid2"));
    CheckedCellDelegate* cells = ListModel::attach(DBCtrlGrid2, m_model);
    cells->setChoices(ColTarget, [this](int) {
        QStringList names;
        for (const ExamBatch::Rank& r : m_batch.ranks())
            names.append(r.name);
        return names;
    });
    DBCtrlGrid2->setEditTriggers(QAbstractItemView::AllEditTriggers);
    FrozenColumns::install(DBCtrlGrid2, ColName + 1); // number and name stay beside the promotion columns
    top->addWidget(DBCtrlGrid2, 1);

    connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
    connect(btnsearch, &QPushButton::clicked, this, [this] { btnsearchClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(rbEvalUp, &QRadioButton::toggled, Button1, &QPushButton::setEnabled);

    edt_num->setText(QString::number(ExamNumber::next()));
    Button1->setEnabled(false);
    chgButtonState(false);
}

TfInp0011::~TfInp0011() = default;

QAbstractItemModel* TfInp0011::gridModel() const { return m_model; }

QList<ListModel::Column> TfInp0011::gridColumns()
{
    QList<ListModel::Column> cols = {{QStringLiteral("번호"), 70, false, ListModel::Code}, {QStringLiteral("회원 명"), 70},
                                     {QStringLiteral("부 명"), 80}, {QStringLiteral("승급일자"), 80, false, ListModel::Date},
                                     {QStringLiteral("전 급"), 60}};
    const QStringList items = ExamItems::names();
    for (int i = 0; i < ColAttendance - ColE1; ++i)
        cols.append({items.value(i), 46, false, ListModel::Number});
    cols += {{QStringLiteral("출석률"), 46, false, ListModel::Number}, {QStringLiteral("상벌점"), 46, false, ListModel::Number},
             {QStringLiteral("평 균"), 42, false, ListModel::Number}, {QStringLiteral("현 급"), 70}, {QStringLiteral("선 택"), 40}};
    return cols;
}

QString TfInp0011::codeOfRank(const QString& name) const
{
    for (const ExamBatch::Rank& r : m_batch.ranks())
        if (r.name == name || r.code == name)
            return r.code;
    return name;
}

void TfInp0011::showRows()
{
    m_model->show(m_batch.count(), [this](int row, int c) {
        const ExamBatch::Row& r = m_batch.row(row);
        switch (c) {
        case ColNo: return r.label;
        case ColName: return r.name;
        case ColDivision: return r.division;
        case ColDate: return r.date;
        case ColBefore: return r.rankName;
        case ColAttendance: return QString::number(r.attendance);
        case ColMerit: return QString::number(r.merit);
        case ColAverage: return QString::number(r.average);
        case ColTarget: return r.targetName;
        case ColSelect: return QString();
        default: return QString::number(r.scores[c - ColE1]);
        }
    });
}

ExamBatch::Mode TfInp0011::mode() const
{
    if (rbEvalUp->isChecked())
        return ExamBatch::Mode::Scoring;
    if (rbDanbo->isChecked())
        return ExamBatch::Mode::Danbo;
    return ExamBatch::Mode::Batch;
}

ExamBatch::Filter TfInp0011::filter(bool withYear) const
{
    ExamBatch::Filter f;
    f.division = com_bu->condition(QStringLiteral("T_회원.부별코드"));
    if (withYear)
        f.year = Com_Year->condition(QStringLiteral("T_회원.학년"));
    f.sort = rdo_PumSort->isChecked() ? ExamBatch::Sort::HighFirst : ExamBatch::Sort::LowFirst;
    return f;
}

void TfInp0011::setModes(bool enabled)
{
    for (QRadioButton* r : {rbgenUp, rbEvalUp, rbDanbo})
        r->setEnabled(enabled);
}

// Browsing: 입력 and 조회; editing: only 확인 and 취소, the grid's cells open.
void TfInp0011::chgButtonState(bool editing)
{
    btnInsert->setEnabled(!editing);
    btnsearch->setEnabled(!editing);
    btnExit->setEnabled(!editing);
    btnOk->setEnabled(editing);
    btnCancel->setEnabled(editing);
    m_model->setEditing(editing);
    setModes(!editing);
}

void TfInp0011::showCount() { search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_batch.count())); }

void TfInp0011::btnInsertClick() { openRows(false); }

void TfInp0011::btnsearchClick() { openRows(true); }

// Lists the candidates or searches the records; with rows the grid opens for editing.
void TfInp0011::openRows(bool search)
{
    const int num = ExamNumber::parse(edt_num->text());
    if (num == 0) {
        if (search)
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("심사횟수를 입력하세요."), this);
        else
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("심사명을 입력하십시오."), this);
        edt_num->setFocus();
        return;
    }
    if (search)
        m_batch.search(num, mode(), filter(false));
    else
        m_batch.list(num, inToday1->date(), mode(), filter(true));
    showRows();
    showCount();
    if (m_batch.count() > 0)
        chgButtonState(true);
    else
        setModes(true);
}

void TfInp0011::btnOkClick()
{
    if (m_batch.state() == ExamBatch::State::Idle)
        return;
    DBCtrlGrid2->setCurrentIndex(QModelIndex()); // a cell still being typed is taken first
    int written = 0;
    try {
        written = m_batch.commit();
    } catch (const ExamRefused& e) {
        Dialogs::warning(QStringLiteral("확인요망"), e.message(), this);
        return;
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    showRows();
    chgButtonState(false);
    StatusLine::show(QStringLiteral("심사결과 저장: 제%1회 %2명").arg(m_batch.rows().isEmpty() ? 0 : m_batch.row(0).examNo).arg(written));
}

void TfInp0011::btnCancelClick()
{
    m_batch.cancel();
    showRows();
    chgButtonState(false);
    showCount();
}

void TfInp0011::Button1Click()
{
    const int num = ExamNumber::parse(edt_num->text());
    if (num == 0) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("심사횟수를 입력하세요."), this);
        edt_num->setFocus();
        return;
    }
    if (auto* sheet = qobject_cast<TfPri4040*>(ScreenHost::current() ? ScreenHost::current()->open(QStringLiteral("TfPri4040")) : nullptr))
        sheet->setExam(inToday1->date(), num);
}

void TfInp0011::closeEvent(QCloseEvent* event)
{
    if (m_batch.state() != ExamBatch::State::Idle
        && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 심사 결과가 있습니다.\n저장하지 않고 종료하시겠습니까?"), this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
