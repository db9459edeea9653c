#include "members/uJibjung.h"

#include "db/DbError.h"
#include "ui/ScreenHeader.h"
#include "ui/BarButton.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "report/ExportButtons.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString number(int v) { return QString::number(v); }
}

TfJibjung::TfJibjung(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfJibjung"));
    setWindowTitle(QStringLiteral("집중도  일괄입력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 480);

    auto* bar = new QHBoxLayout;
    const ui::EditBar b = ui::addEditBar(this, bar);
    Btn_Insert = b.insert;
    Btn_Edit = b.edit;
    Btn_Delete = b.remove;
    Btn_Query = b.query;
    Btn_Ok = b.ok;
    Btn_Cancel = b.cancel;
    Btn_Print = b.print;
    Btn_Close = b.close;
    ExportButtons::addForWindow(bar, this, Btn_Close);
    bar->addStretch();
    QLabel* school = nullptr;
    QHBoxLayout* head = ScreenHeader::build(this, &school, &lbl_Total, &lbl_Found);

    Com_bu = new DivisionFilter;
    edt_Name = new QLineEdit;
    edt_Name->setMaximumWidth(120);
    dtpk_Date = new DateEdit;
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("부 명")));
    filter->addWidget(Com_bu);
    filter->addWidget(new QLabel(QStringLiteral("이 름")));
    filter->addWidget(edt_Name);
    filter->addSpacing(12);
    filter->addWidget(new QLabel(QStringLiteral("현재 일자 :")));
    filter->addWidget(dtpk_Date);
    filter->addStretch();

    lbl_Visual = new QLabel;
    lbl_Auditory = new QLabel;
    lbl_Overall = new QLabel;
    auto* averages = new QHBoxLayout;
    averages->addWidget(new QLabel(QStringLiteral("전체 평균  시각:")));
    averages->addWidget(lbl_Visual);
    averages->addWidget(new QLabel(QStringLiteral("청각:")));
    averages->addWidget(lbl_Auditory);
    averages->addWidget(new QLabel(QStringLiteral("종합:")));
    averages->addWidget(lbl_Overall);
    averages->addStretch();

    m_model = new ListModel({QStringLiteral("선택"), QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부명"),
                             QStringLiteral("현  급"), QStringLiteral("측정일자"), QStringLiteral("시각 자신"), QStringLiteral("시각 나이"),
                             QStringLiteral("시각 기간"), QStringLiteral("청각 자신"), QStringLiteral("청각 나이"),
                             QStringLiteral("청각 기간"), QStringLiteral("종합 자신"), QStringLiteral("종합 나이"),
                             QStringLiteral("종합 기간")},
                            this);
    m_model->setCheckColumn(ColTick, [this](int r) { return m_lines[r].ticked; }, [this](int r, bool on) { m_lines[r].ticked = on; });
    m_model->setEditing([this](int, int c) { return m_editing && (c == ColVisual || c == ColAuditory); },
                        [this](int r, int c, const QString& text) {
                            if (c == ColVisual)
                                m_lines[r].visual = text.trimmed();
                            else {
                                m_lines[r].auditory = text.trimmed();
                                m_lines[r].ticked = true; // leaving the auditory box ticks the line
                            }
                            m_model->refresh();
                        });
    for (int c = ColVisual; c < ColCount; ++c)
        m_model->setRightAligned(c);
    grid = new QTableView;
    ListModel::setUpView(grid, m_model, {36, 80, 64, 80, 56, 80, 44, 44, 44, 44, 44, 44, 44, 44, 44});

    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(filter);
    root->addWidget(grid, 1);
    root->addLayout(averages);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfJibjung::Btn_InsertClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfJibjung::Btn_QueryClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfJibjung::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfJibjung::Btn_DeleteClick);
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfJibjung::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    setMode(Mode::Idle, false);
}

QString TfJibjung::cell(int row, int column) const
{
    const ConcentrationBatch::Line& l = m_lines[row];
    switch (column) {
    case ColNo: return l.no;
    case ColName: return l.name;
    case ColDivision: return l.division;
    case ColRank: return l.rank;
    case ColDate: return l.date;
    case ColVisual: return l.visual;
    case ColVisualAge: return number(l.visualAge);
    case ColVisualRank: return number(l.visualRank);
    case ColAuditory: return l.auditory;
    case ColAuditoryAge: return number(l.auditoryAge);
    case ColAuditoryRank: return number(l.auditoryRank);
    case ColTotal: return number(l.total);
    case ColTotalAge: return number(l.totalAge);
    case ColTotalRank: return number(l.totalRank);
    default: return QString();
    }
}

void TfJibjung::showLines()
{
    m_model->show(int(m_lines.size()), [this](int r, int c) { return cell(r, c); });
    lbl_Found->setText(QString::number(m_lines.size()));
}

void TfJibjung::showOverall(const ConcentrationBatch::Overall& o)
{
    lbl_Visual->setText(number(o.visual));
    lbl_Auditory->setText(number(o.auditory));
    lbl_Overall->setText(number(o.total));
}

void TfJibjung::setMode(Mode mode, bool editing)
{
    m_mode = mode;
    m_editing = editing;
    Btn_Insert->setEnabled(!editing);
    Btn_Query->setEnabled(!editing);
    Btn_Edit->setEnabled(!editing && mode == Mode::Listed && !m_lines.isEmpty());
    Btn_Delete->setEnabled(!editing && mode == Mode::Listed && !m_lines.isEmpty());
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    Btn_Print->setEnabled(false);
    dtpk_Date->setEnabled(!editing);
    grid->setEditTriggers(editing ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

void TfJibjung::Btn_InsertClick()
{
    m_lines = ConcentrationBatch::forInput(dtpk_Date->date(), Com_bu->condition(QStringLiteral("a.부별코드")), edt_Name->text());
    showLines();
    if (m_lines.isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
        setMode(Mode::Idle, false);
        return;
    }
    setMode(Mode::Entering, true);
    grid->setFocus();
    grid->setCurrentIndex(m_model->index(0, ColVisual));
}

void TfJibjung::Btn_QueryClick()
{
    m_lines = ConcentrationBatch::listing(dtpk_Date->date(), Com_bu->condition(QStringLiteral("a.부별코드")), edt_Name->text());
    showLines();
    setMode(Mode::Listed, false);
    if (m_lines.isEmpty())
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfJibjung::Btn_EditClick()
{
    if (m_mode == Mode::Listed && !m_lines.isEmpty())
        setMode(Mode::Listed, true);
}

void TfJibjung::Btn_DeleteClick()
{
    const int row = grid->currentIndex().row();
    if (m_mode != Mode::Listed || row < 0 || row >= m_lines.size())
        return;
    const ConcentrationBatch::Line l = m_lines[row];
    if (!Dialogs::yesNo(QStringLiteral("삭제확인"), l.name + QStringLiteral("의 집중도 자료를 삭제하시겠습니까?"), this))
        return;
    try {
        ConcentrationBatch::remove(l.no, dtpk_Date->date());
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    showOverall(ConcentrationBatch::overall(dtpk_Date->date()));
    Btn_QueryClick();
    StatusLine::show(l.name + QStringLiteral("의 집중도 자료를 삭제하였습니다."));
}

bool TfJibjung::Btn_OkClick()
{
    finishEditing(grid);
    QString message;
    const int missing = ConcentrationBatch::missingScore(m_lines, &message);
    if (missing >= 0) {
        Dialogs::error(QStringLiteral("확인요망"), message, this);
        const bool visual = message.startsWith(QStringLiteral("시각"));
        grid->setCurrentIndex(m_model->index(missing, visual ? ColVisual : ColAuditory));
        grid->setFocus();
        return false;
    }
    int written = 0;
    try {
        written = ConcentrationBatch::save(dtpk_Date->date(), m_lines);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return false;
    }
    showOverall(ConcentrationBatch::overall(dtpk_Date->date()));
    Btn_QueryClick();
    StatusLine::show(QStringLiteral("집중도 %1명을 기록하였습니다.").arg(written));
    return true;
}

void TfJibjung::Btn_CancelClick()
{
    finishEditing(grid);
    m_lines.clear();
    showLines();
    setMode(Mode::Idle, false);
}
