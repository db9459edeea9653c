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
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"
#include "ui/DateEdit.h"
#include "ui/StatusLine.h"

#include <QAbstractTableModel>
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
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using Col = TfInp0011::Column;

// The candidate grid reads the rows of the examination directly; edits go to ExamBatch.
class ExamGridModel : public QAbstractTableModel {
public:
    ExamGridModel(ExamBatch& batch, std::function<bool()> withMerit, QObject* parent)
        : QAbstractTableModel(parent), m_batch(batch), m_withMerit(std::move(withMerit))
    {
        m_items = ExamItems::names();
    }

    void reload()
    {
        beginResetModel();
        endResetModel();
    }
    void setEditable(bool on)
    {
        m_editable = on;
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, Col::ColumnCount - 1));
    }
    bool editable() const { return m_editable; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_batch.count(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : Col::ColumnCount; }

    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        const ExamBatch::Row& r = m_batch.row(i.row());
        const int c = i.column();
        if (c == Col::ColSelect)
            return role == Qt::CheckStateRole ? QVariant(r.selected ? Qt::Checked : Qt::Unchecked) : QVariant();
        if (role == Qt::TextAlignmentRole)
            return c >= Col::ColE1 && c <= Col::ColAverage ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role == Qt::EditRole && c >= Col::ColE1 && c < Col::ColAttendance)
            return r.scores[c - Col::ColE1];
        if (role == Qt::EditRole && c == Col::ColTarget)
            return r.target;
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        switch (c) {
        case Col::ColNo: return r.label;
        case Col::ColName: return r.name;
        case Col::ColDivision: return r.division;
        case Col::ColDate: return r.date;
        case Col::ColBefore: return r.rankName;
        case Col::ColAttendance: return r.attendance;
        case Col::ColMerit: return r.merit;
        case Col::ColAverage: return r.average;
        case Col::ColTarget: return r.targetName;
        default: return r.scores[c - Col::ColE1];
        }
    }

    bool setData(const QModelIndex& i, const QVariant& v, int role) override
    {
        if (!i.isValid() || !m_editable)
            return false;
        const int c = i.column(), row = i.row();
        if (c == Col::ColSelect && role == Qt::CheckStateRole) {
            m_batch.click(row, m_withMerit());
        } else if (role != Qt::EditRole) {
            return false;
        } else if (c == Col::ColDate) {
            if (!m_batch.setDate(row, v.toString()))
                return false;
        } else if (c >= Col::ColE1 && c < Col::ColAttendance) {
            bool ok = false;
            const int n = v.toString().trimmed().toInt(&ok);
            if (!ok) {
                // Said, not dropped: the user would think the score was taken.
                const ExamBatch::Row& r = m_batch.row(row);
                Dialogs::error(QStringLiteral("확인요망"),
                               QStringLiteral("%1(%2) : %3 '%4' 은(는) 숫자로 입력하세요.")
                                   .arg(r.name, r.memberNo, m_items.value(c - Col::ColE1), v.toString().trimmed()),
                               qobject_cast<QWidget*>(QObject::parent()));
                return false;
            }
            m_batch.setScore(row, c - Col::ColE1, n);
        } else if (c == Col::ColTarget) {
            m_batch.setTarget(row, v.toString());
        } else {
            return false;
        }
        emit dataChanged(index(row, 0), index(row, Col::ColumnCount - 1));
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!m_editable)
            return f;
        const int c = i.column();
        if (c == Col::ColSelect)
            f |= Qt::ItemIsUserCheckable;
        else if (c == Col::ColDate || c == Col::ColTarget || (c >= Col::ColE1 && c < Col::ColAttendance))
            f |= Qt::ItemIsEditable;
        return f;
    }

    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        if (section >= Col::ColE1 && section < Col::ColAttendance)
            return m_items.value(section - Col::ColE1);
        static const char* const heads[] = {"번호", "회원 명", "부 명", "승급일자", "전 급"};
        static const char* const tail[] = {"출석률", "상벌점", "평 균", "현 급", "선 택"};
        if (section < Col::ColE1)
            return QString::fromUtf8(heads[section]);
        if (section < Col::ColumnCount)
            return QString::fromUtf8(tail[section - Col::ColAttendance]);
        return {};
    }

private:
    ExamBatch& m_batch;
    std::function<bool()> m_withMerit;
    QStringList m_items;
    bool m_editable = false;
};

namespace {

// The target-rank picker over the 현 급 cell: every rank by name, the code stored.
class RankPicker : public QStyledItemDelegate {
public:
    RankPicker(const ExamBatch& batch, QObject* parent) : QStyledItemDelegate(parent), m_batch(batch) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        for (const ExamBatch::Rank& r : m_batch.ranks())
            box->addItem(r.name, r.code);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole)));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentData(), Qt::EditRole);
    }

private:
    const ExamBatch& m_batch;
};

} // namespace

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

    m_model = new ExamGridModel(m_batch, [this] { return chk_SeungBul->isChecked(); }, this);
    DBCtrlGrid2 = new QTableView(this);
    DBCtrlGrid2->setObjectName(QStringLiteral("DBCtrlGrid2"));
    DBCtrlGrid2->setModel(m_model);
    DBCtrlGrid2->setItemDelegateForColumn(ColTarget, new RankPicker(m_batch, DBCtrlGrid2));
    DBCtrlGrid2->verticalHeader()->setVisible(false);
    DBCtrlGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    DBCtrlGrid2->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ExamScreenParts::setColumnWidths(DBCtrlGrid2, {70, 70, 80, 80, 60, 46, 46, 46, 46, 46, 46, 46, 46, 42, 70, 40});
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
    m_model->setEditable(editing);
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
    m_model->reload();
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
    m_model->reload();
    chgButtonState(false);
    StatusLine::show(QStringLiteral("심사결과 저장: 제%1회 %2명").arg(m_batch.rows().isEmpty() ? 0 : m_batch.row(0).examNo).arg(written));
}

void TfInp0011::btnCancelClick()
{
    m_batch.cancel();
    m_model->reload();
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
