#include "members/JournalBatchScreen.h"

#include "db/DbError.h"
#include "ui/ScreenHeader.h"
#include "ui/BarButton.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "report/ExportButtons.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

JournalBatchScreen::JournalBatchScreen(JournalBatch::Kind kind, const QString& objectName, const QString& caption,
                                       const QString& dateCaption, const QString& entryCaption, QWidget* parent)
    : QWidget(parent), m_kind(kind)
{
    setObjectName(objectName);
    setWindowTitle(caption);
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
    bar->addStretch();
    QLabel* school = nullptr;
    QHBoxLayout* head = ScreenHeader::build(this, &school, &lbl_Total, &lbl_Found);

    Com_bu = new DivisionFilter;
    edt_Name = new QLineEdit;
    edt_Name->setMaximumWidth(120);
    dtpk_From = new DateEdit;
    dtpk_To = new DateEdit;
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("부 명")));
    filter->addWidget(Com_bu);
    filter->addWidget(new QLabel(QStringLiteral("이 름")));
    filter->addWidget(edt_Name);
    filter->addSpacing(12);
    filter->addWidget(new QLabel(dateCaption));
    filter->addWidget(dtpk_From);
    filter->addWidget(new QLabel(QStringLiteral("~")));
    filter->addWidget(dtpk_To);
    filter->addStretch();

    QStringList headers = {QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부명"), QStringLiteral("학년"),
                           QStringLiteral("현  급"), QStringLiteral("반"), entryCaption, QStringLiteral("코드"),
                           QStringLiteral("점수"), QStringLiteral("일자")};
    m_model = new ListModel(headers, this);
    m_model->setEditing([this](int, int c) { return m_entering && (c == ColEntry || (m_kind == JournalBatch::Points && c == ColDate)); },
                        [this](int r, int c, const QString& text) {
                            if (c == ColEntry)
                                setEntry(r, text);
                            else
                                m_lines[r].date = JournalBatch::typedDate(text).isEmpty() ? text : JournalBatch::typedDate(text);
                            m_model->refresh();
                        });
    grid = new QTableView;
    CheckedCellDelegate* cells = ListModel::setUpView(grid, m_model, {90, 70, 90, 60, 60, 40, 260, 40, 40, 90});
    const QStringList choices = JournalBatch::choices(kind);
    if (!choices.isEmpty())
        cells->setChoices(ColEntry, choices, kind != JournalBatch::Points);
    if (kind != JournalBatch::Points)
        for (int c : {ColClass, ColCode, ColPoints})
            grid->setColumnHidden(c, true);

    ExportButtons::addForWindow(bar, this, Btn_Close);
    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(filter);
    root->addWidget(grid, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, &JournalBatchScreen::Btn_InsertClick);
    connect(Btn_Query, &QPushButton::clicked, this, &JournalBatchScreen::Btn_QueryClick);
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &JournalBatchScreen::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    setEntering(false);
}

QString JournalBatchScreen::cell(int row, int column) const
{
    const JournalBatch::Line& l = m_lines[row];
    switch (column) {
    case ColNo: return l.no;
    case ColName: return l.name;
    case ColDivision: return l.division;
    case ColGrade: return l.grade;
    case ColRank: return l.rank;
    case ColClass: return l.klass;
    case ColEntry: return l.entry;
    case ColCode: return l.code;
    case ColPoints: return l.points;
    default: return l.date;
    }
}

void JournalBatchScreen::showLines()
{
    m_model->show(int(m_lines.size()), [this](int r, int c) { return cell(r, c); });
    lbl_Found->setText(QString::number(m_lines.size()));
}

void JournalBatchScreen::setEntering(bool on)
{
    m_entering = on;
    Btn_Insert->setEnabled(!on);
    Btn_Query->setEnabled(!on);
    Btn_Ok->setEnabled(on);
    Btn_Cancel->setEnabled(on);
    for (QPushButton* b : {Btn_Edit, Btn_Delete, Btn_Print})
        b->setEnabled(false);
    grid->setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

void JournalBatchScreen::setEntry(int row, const QString& text)
{
    if (row < 0 || row >= m_lines.size())
        return;
    JournalBatch::setEntry(m_kind, m_lines[row], text, dtpk_From->date());
}

void JournalBatchScreen::Btn_InsertClick()
{
    m_lines = JournalBatch::forInput(m_kind, dtpk_From->date(), Com_bu->condition(QStringLiteral("T_회원.부별코드")), edt_Name->text());
    showLines();
    if (m_lines.isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
        return;
    }
    setEntering(true);
    grid->setFocus();
    grid->setCurrentIndex(m_model->index(0, ColEntry));
}

void JournalBatchScreen::Btn_QueryClick()
{
    m_lines = JournalBatch::listing(m_kind, dtpk_From->date(), dtpk_To->date(), Com_bu->condition(QStringLiteral("T_회원.부별코드")),
                                    edt_Name->text());
    showLines();
    if (m_lines.isEmpty())
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

bool JournalBatchScreen::Btn_OkClick()
{
    finishEditing(grid);
    int bad = JournalBatch::badLine(m_kind, m_lines);
    if (bad >= 0) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("일자를 정확히 입력하세요."), this);
        grid->setCurrentIndex(m_model->index(bad, ColDate));
        return false;
    }
    if (QString why; (bad = JournalBatch::problemLine(m_kind, m_lines, &why)) >= 0) {
        Dialogs::error(QStringLiteral("확인요망"), why, this);
        grid->setCurrentIndex(m_model->index(bad, ColEntry));
        return false;
    }
    int written = 0;
    try {
        written = JournalBatch::save(m_kind, m_lines);
    } catch (const db::Error& e) {
        // Nothing was written: the lines stay for another try.
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("Error가 발생하였습니다.\n") + e.message(), this);
        return false;
    }
    setEntering(false);
    m_lines.clear();
    showLines();
    StatusLine::show(QStringLiteral("%1: %2건을 기록하였습니다.").arg(windowTitle()).arg(written));
    return true;
}

void JournalBatchScreen::Btn_CancelClick()
{
    finishEditing(grid);
    m_lines.clear();
    showLines();
    setEntering(false);
}
