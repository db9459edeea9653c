#include "members/uDanNoInput.h"
#include "ui/ListModel.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/Query.h"
#include "db/Session.h"
#include "exams/ExamScreenParts.h"
#include "stats/TotModels.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/StatusLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using NationalApplications::Application;

TfrmDanNoInput::TfrmDanNoInput(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmDanNoInput"));
    setWindowTitle(QStringLiteral("단증번호 일괄입력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 520);

    auto* top = new QVBoxLayout(this);
    const ExamScreenParts::Header h = ExamScreenParts::addHeader(this, top, QStringLiteral("단  증  번  호  일  괄  입  력"));
    Pan_Company = h.company;
    total_num = h.total;
    search_num = h.found;

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Insert = button("입     력");
    Btn_Edit = button("수     정");
    Btn_Delete = button("삭     제");
    Btn_Query = button("조     회");
    Btn_Confirm = button("확     인");
    Btn_Cancel = button("취     소");
    Btn_Exit = button("종     료");
    bar->addStretch();
    top->addLayout(bar);

    auto* form = new QGridLayout;
    Com_Name = new QComboBox(this);
    Com_Name->setEditable(true);
    Com_Name->setMinimumWidth(110);
    Com_Name->addItem(QString());
    {
        db::Query q(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE 퇴관일 IS NULL ORDER BY 회원명"));
        q.open();
        while (q.next())
            Com_Name->addItem(q.str(QStringLiteral("회원명")));
    }
    Com_Bu = new DivisionFilter(this, 6);
    Com_Belt = new QComboBox(this);
    Com_Belt->addItem(QString());
    Com_Belt->addItems(tot::poomDanRanks());
    examname = new QLineEdit(this);
    examname->setObjectName(QStringLiteral("examname"));
    examname->setMaximumWidth(70);
    chk_Date = new QCheckBox(QStringLiteral("심 사 일 자"), this);
    examdate = new DateEdit(Clock::today(), this);
    form->addWidget(new QLabel(QStringLiteral("이   름"), this), 0, 0);
    form->addWidget(Com_Name, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("부   별"), this), 0, 2);
    form->addWidget(Com_Bu, 0, 3);
    form->addWidget(new QLabel(QStringLiteral("급   품"), this), 0, 4);
    form->addWidget(Com_Belt, 0, 5);
    form->addWidget(new QLabel(QStringLiteral("심 사 명"), this), 1, 0);
    form->addWidget(examname, 1, 1);
    form->addWidget(chk_Date, 1, 2);
    form->addWidget(examdate, 1, 3);
    form->setColumnStretch(6, 1);
    top->addLayout(form);

    m_model = new ApplicationModel(&m_rows, this);
    grid = new QTableView(this);
    ListModel::attach(grid, m_model);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    ExamScreenParts::setColumnWidths(grid, {40, 80, 70, 70, 70, 60, 84, 84, 90, 100});
    top->addWidget(grid, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, [this] { Btn_InsertClick(); });
    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Delete, &QPushButton::clicked, this, [this] { Btn_DeleteClick(); });
    connect(Btn_Query, &QPushButton::clicked, this, [this] { Btn_QueryClick(); });
    connect(Btn_Confirm, &QPushButton::clicked, this, [this] { Btn_ConfirmClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!m_model->editable())
            openMember(i.row());
    });
    setMode(Mode::Idle);
}

void TfrmDanNoInput::setMode(Mode m)
{
    m_mode = m;
    const bool idle = m == Mode::Idle;
    const bool listed = m == Mode::Listed;
    const bool writing = m == Mode::Entering || m == Mode::Editing;
    Btn_Insert->setEnabled(idle || listed);
    Btn_Query->setEnabled(idle || listed);
    Btn_Edit->setEnabled(listed && !m_rows.isEmpty());
    Btn_Delete->setEnabled(listed && !m_rows.isEmpty());
    Btn_Confirm->setEnabled(writing);
    Btn_Cancel->setEnabled(writing);
    m_model->setEditable(writing);
}

NationalApplications::Filter TfrmDanNoInput::filter() const
{
    NationalApplications::Filter f;
    f.name = Com_Name->currentText();
    f.divisionIndex = Com_Bu->currentIndex();
    f.divisionText = Com_Bu->currentText();
    f.rankCode = codes::codeOf(Com_Belt->currentText());
    f.examNo = examname->text();
    f.byDate = chk_Date->isChecked();
    f.examDate = examdate->date();
    return f;
}

void TfrmDanNoInput::showRows()
{
    m_model->reset();
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_rows.size()));
}

void TfrmDanNoInput::refuse(const tot::Problem& p)
{
    Dialogs::warning(QStringLiteral("확인요망"), p.message, this);
    if (p.field == QStringLiteral("examname"))
        examname->setFocus();
    else if (p.field == QStringLiteral("Com_Belt"))
        Com_Belt->setFocus();
}

void TfrmDanNoInput::Btn_InsertClick()
{
    tot::Problem p;
    const QString item = Com_Belt->currentText();
    const QString rankName = item.contains(u')') ? item.mid(item.indexOf(u')') + 1).trimmed() : QString();
    QList<Application> lines;
    if (!DanNumbers::lines(filter(), examname->text(), examdate->date(), codes::codeOf(item), rankName, &lines, &p)) {
        refuse(p);
        return;
    }
    m_rows = lines;
    m_read.clear();
    showRows();
    setMode(lines.isEmpty() ? Mode::Idle : Mode::Entering);
}

void TfrmDanNoInput::Btn_QueryClick()
{
    tot::Problem p;
    QList<Application> rows;
    if (!NationalApplications::query(filter(), &rows, &p)) {
        refuse(p);
        return;
    }
    m_rows = rows;
    m_read = rows;
    showRows();
    setMode(Mode::Listed);
    if (rows.isEmpty())
        Dialogs::info(QStringLiteral("확인"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfrmDanNoInput::Btn_EditClick()
{
    if (m_rows.isEmpty())
        return;
    setMode(Mode::Editing);
}

void TfrmDanNoInput::Btn_DeleteClick()
{
    const QModelIndex at = grid->currentIndex();
    const int row = at.isValid() ? at.row() : 0;
    if (m_mode != Mode::Listed || row >= m_read.size())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    const Application stored = m_read[row];
    try {
        NationalApplications::remove(stored);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    }
    m_rows.removeAt(row);
    m_read.removeAt(row);
    showRows();
    setMode(Mode::Listed);
    StatusLine::show(QStringLiteral("단증번호 삭제: %1 %2").arg(stored.memberNo, stored.name));
}

void TfrmDanNoInput::Btn_ConfirmClick()
{
    grid->setCurrentIndex(QModelIndex()); // closes an open editor so its text is kept
    tot::Problem p;
    int written = 0;
    try {
        written = DanNumbers::confirm(m_rows, &p);
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    if (!p.ok()) {
        Dialogs::warning(QStringLiteral("확인요망"), p.message, this);
        return;
    }
    if (m_mode == Mode::Editing) {
        m_read = m_rows;
        setMode(Mode::Listed);
    } else {
        setMode(Mode::Idle);
    }
    StatusLine::show(QStringLiteral("단증번호 %1건 저장").arg(written));
}

void TfrmDanNoInput::Btn_CancelClick()
{
    if (m_mode == Mode::Editing) {
        m_rows = m_read;
        showRows();
        setMode(Mode::Listed);
        return;
    }
    m_rows.clear();
    m_read.clear();
    showRows();
    setMode(Mode::Idle);
}

void TfrmDanNoInput::openMember(int row)
{
    if (row < 0 || row >= m_rows.size() || !ScreenHost::current())
        return;
    Session::setSelectedMemberNo(m_rows[row].memberNo);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
