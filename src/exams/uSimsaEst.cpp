#include "exams/uSimsaEst.h"

#include "db/ExamNumber.h"
#include "db/Query.h"
#include "exams/ExamScreenParts.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/DivisionFilter.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using ExamNotices::Evaluation;


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

    m_model = new ListModel({{QStringLiteral("회원번호"), 80, false, ListModel::Code}, {QStringLiteral("회 원 명"), 70},
                             {QStringLiteral("부 명"), 90}, {QStringLiteral("학 년"), 60}, {QStringLiteral("현 급"), 60},
                             {QStringLiteral("승급일자"), 80, false, ListModel::Date}, {QStringLiteral("심 사 결 과 평 가 내 용"), 250},
                             {QStringLiteral("선 택"), 40}},
                            this);
    m_model->setEditable([this](int, int c) { return m_editing && c == ColSentence; });
    m_model->setOnEdit([this](int r, int, const QVariant& v) {
        m_rows[r].sentence = v.toString();
        m_rows[r].selected = true; // a sentence chosen is meant to be saved
    });
    m_model->setCheckColumn(ColSelect, [this](int r) { return m_rows[r].selected; }, [this](int r, bool on) {
        if (m_editing)
            m_rows[r].selected = on;
    });
    grid = new QTableView(this);
    CheckedCellDelegate* cells = ListModel::attach(grid, m_model);
    // The school's sentences, read when the cell opens; any other sentence may be typed.
    cells->setChoices(ColSentence, [](int) { return ExamNotices::sentences(); }, true);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
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

void TfSimsaEst::showRows()
{
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const Evaluation& e = m_rows[r];
        switch (c) {
        case ColNo: return e.memberNo;
        case ColName: return e.name;
        case ColDivision: return e.division;
        case ColGrade: return e.grade;
        case ColRank: return e.rankName;
        case ColDate: return e.date == QStringLiteral("1899-12-30") ? QString() : e.date;
        case ColSentence: return e.sentence;
        default: return QString();
        }
    });
}

void TfSimsaEst::chgButtonState(bool editing)
{
    m_editing = editing;
    Btn_Insert->setEnabled(!editing);
    Btn_Search->setEnabled(!editing);
    Btn_Edit->setEnabled(!editing && !m_rows.isEmpty());
    Btn_Exit->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    m_model->setEditing(editing);
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
    showRows();
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
    showRows();
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
