#include "exams/uSimsaEst.h"

#include "db/ExamNumber.h"
#include "db/Query.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using ExamNotices::Evaluation;

class EvaluationModel : public QAbstractTableModel {
public:
    EvaluationModel(QList<Evaluation>& rows, QObject* parent) : QAbstractTableModel(parent), m_rows(rows) {}
    void reload()
    {
        beginResetModel();
        endResetModel();
    }
    void setEditable(bool on)
    {
        beginResetModel();
        m_editable = on;
        endResetModel();
    }
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : TfSimsaEst::ColumnCount; }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        const Evaluation& e = m_rows[i.row()];
        if (i.column() == TfSimsaEst::ColSelect)
            return role == Qt::CheckStateRole ? QVariant(e.selected ? Qt::Checked : Qt::Unchecked) : QVariant();
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        switch (i.column()) {
        case TfSimsaEst::ColNo: return e.memberNo;
        case TfSimsaEst::ColName: return e.name;
        case TfSimsaEst::ColDivision: return e.division;
        case TfSimsaEst::ColGrade: return e.grade;
        case TfSimsaEst::ColRank: return e.rankName;
        case TfSimsaEst::ColDate: return e.date == QStringLiteral("1899-12-30") ? QString() : e.date;
        default: return e.sentence;
        }
    }
    bool setData(const QModelIndex& i, const QVariant& v, int role) override
    {
        if (!i.isValid() || !m_editable)
            return false;
        Evaluation& e = m_rows[i.row()];
        if (i.column() == TfSimsaEst::ColSelect && role == Qt::CheckStateRole)
            e.selected = v.toInt() == Qt::Checked;
        else if (i.column() == TfSimsaEst::ColSentence && role == Qt::EditRole) {
            e.sentence = v.toString();
            e.selected = true; // a sentence chosen is meant to be saved
        } else
            return false;
        emit dataChanged(index(i.row(), 0), index(i.row(), TfSimsaEst::ColumnCount - 1));
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (m_editable && i.column() == TfSimsaEst::ColSelect)
            f |= Qt::ItemIsUserCheckable;
        if (m_editable && i.column() == TfSimsaEst::ColSentence)
            f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        static const char* const heads[] = {"회원번호", "회 원 명", "부 명", "학 년", "현 급", "승급일자", "심 사 결 과 평 가 내 용", "선 택"};
        if (o != Qt::Horizontal || role != Qt::DisplayRole || s < 0 || s >= TfSimsaEst::ColumnCount)
            return {};
        return QString::fromUtf8(heads[s]);
    }

private:
    QList<Evaluation>& m_rows;
    bool m_editable = false;
};

namespace {
// The sentence drop-down: the stored sentences, or any text typed.
class SentenceBox : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->addItems(ExamNotices::sentences());
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }
};
} // namespace

TfSimsaEst::TfSimsaEst(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfSimsaEst"));
    setWindowTitle(QStringLiteral("심사결과 평가입력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 470);

    auto* top = new QVBoxLayout(this);
    m_header = ExamScreenParts::addHeader(this, top);
    Pan_Company = m_header.company;
    total_num = m_header.total;
    search_num = m_header.found;

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Insert = button("입     력");
    Btn_Edit = button("수     정");
    Btn_Search = button("조     회");
    Btn_Ok = button("확     인");
    Btn_Cancel = button("취     소");
    Btn_Exit = button("종     료");
    ExportButtons::addForWindow(bar, this, Btn_Exit);
    bar->addStretch();
    top->addLayout(bar);

    auto* inputs = new QHBoxLayout;
    Com_bu = new DivisionFilter(this);
    Com_bu->setObjectName(QStringLiteral("Com_bu"));
    edt_Name = new QLineEdit(this);
    edt_Name->setFixedWidth(90);
    edt_SimsaName = new QLineEdit(this);
    edt_SimsaName->setFixedWidth(50);
    edt_SimsaName->setMaxLength(9);
    inputs->addWidget(new QLabel(QStringLiteral("부 명"), this));
    inputs->addWidget(Com_bu);
    inputs->addWidget(new QLabel(QStringLiteral("이 름"), this));
    inputs->addWidget(edt_Name);
    inputs->addWidget(new QLabel(QStringLiteral("심 사 명"), this));
    inputs->addWidget(edt_SimsaName);
    inputs->addStretch();
    top->addLayout(inputs);

    m_model = new EvaluationModel(m_rows, this);
    grid = new QTableView(this);
    grid->setModel(m_model);
    grid->setItemDelegateForColumn(ColSentence, new SentenceBox(grid));
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ExamScreenParts::setColumnWidths(grid, {80, 70, 90, 60, 60, 80, 250, 40});
    top->addWidget(grid, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, [this] { Btn_InsertClick(); });
    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Search, &QPushButton::clicked, this, [this] { Btn_SearchClick(); });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);

    edt_SimsaName->setText(QString::number(std::max(ExamNumber::last(), 1)));
    chgButtonState(false);
}

QAbstractItemModel* TfSimsaEst::gridModel() const { return m_model; }

void TfSimsaEst::chgButtonState(bool editing)
{
    m_editing = editing;
    Btn_Insert->setEnabled(!editing);
    Btn_Search->setEnabled(!editing);
    Btn_Edit->setEnabled(!editing && !m_rows.isEmpty());
    Btn_Exit->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    m_model->setEditable(editing);
}

bool TfSimsaEst::list()
{
    const int num = ExamNumber::parse(edt_SimsaName->text());
    if (num == 0) {
        Dialogs::error(QStringLiteral("입력 확인"), QStringLiteral("심사명은 필수 입력입니다."), this);
        edt_SimsaName->setFocus();
        return false;
    }
    m_rows = ExamNotices::evaluations(num, edt_Name->text(), Com_bu->condition(QStringLiteral("T_회원.부별코드")));
    m_listed = m_rows;
    m_model->reload();
    ExamScreenParts::showFound(m_header, int(m_rows.size()));
    return true;
}

void TfSimsaEst::Btn_InsertClick()
{
    if (!list())
        return;
    chgButtonState(!m_rows.isEmpty());
    if (!m_rows.isEmpty()) {
        grid->setCurrentIndex(m_model->index(0, ColSentence));
        grid->setFocus();
    }
}

void TfSimsaEst::Btn_EditClick()
{
    if (m_rows.isEmpty())
        return;
    chgButtonState(true);
}

void TfSimsaEst::Btn_SearchClick()
{
    if (list())
        chgButtonState(false);
}

void TfSimsaEst::Btn_OkClick()
{
    grid->setCurrentIndex(QModelIndex()); // a sentence still being typed is taken first
    int written = 0;
    try {
        written = ExamNotices::saveEvaluations(m_rows);
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    for (auto& r : m_rows)
        r.selected = false;
    m_listed = m_rows;
    chgButtonState(false);
    StatusLine::show(QStringLiteral("심사결과 평가 %1건 저장").arg(written));
}

void TfSimsaEst::Btn_CancelClick()
{
    m_rows = m_listed;
    m_model->reload();
    chgButtonState(false);
}

void TfSimsaEst::closeEvent(QCloseEvent* event)
{
    if (m_editing && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 평가내용이 있습니다.\n저장하지 않고 종료하시겠습니까?"), this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
