#include "exams/uPri0070.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/Session.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

TfPri0070::TfPri0070(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri0070"));
    setWindowTitle(QStringLiteral("급증 발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 480);

    auto* top = new QVBoxLayout(this);
    const auto head = ExamScreenParts::addPrintTop(this, top, {"조     회", "발     부"});
    m_header = head.header;
    BitBtn0 = head.buttons[0];
    btn_Print = head.buttons[1];
    btn_Exit = head.close;

    auto* form = new QGridLayout;
    Com_name = new QComboBox(this);
    Com_name->setEditable(true);
    Com_name->setMinimumWidth(110);
    Com_name->addItem(QString());
    {
        db::Query q(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE ") + MemberStatus::active() + QStringLiteral(" ORDER BY 회원명"));
        q.open();
        while (q.next())
            Com_name->addItem(q.str(QStringLiteral("회원명")));
    }
    Com_Bu = new DivisionFilter(this);
    Edit1 = new QLineEdit(this);
    Edit1->setFixedWidth(50);
    const int last = ExamNumber::last();
    Edit1->setText(last > 0 ? QString::number(last) : QString());
    indate = new DateEdit(Clock::today(), this);
    form->addWidget(new QLabel(QStringLiteral("개 인"), this), 0, 0);
    form->addWidget(Com_name, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("부 별"), this), 0, 2);
    form->addWidget(Com_Bu, 0, 3);
    form->addWidget(new QLabel(QStringLiteral("심 사 명"), this), 1, 0);
    auto* exam = new QHBoxLayout;
    exam->addWidget(Edit1);
    exam->addWidget(new QLabel(QStringLiteral("회"), this));
    exam->addStretch();
    form->addLayout(exam, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("심 사 일 자"), this), 1, 2);
    form->addWidget(indate, 1, 3);
    auto* style = new QFrame(this);
    style->setFrameShape(QFrame::StyledPanel);
    auto* sl = new QHBoxLayout(style);
    sl->setContentsMargins(6, 2, 6, 2);
    rdo_Gen = new QRadioButton(QStringLiteral("형식 출력"), style);
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"), style);
    rdo_Gen->setChecked(true);
    sl->addWidget(rdo_Gen);
    sl->addWidget(rdo_Forms);
    form->addWidget(style, 0, 4, 2, 1);
    form->setColumnStretch(5, 1);
    top->addLayout(form);

    m_model = new ListModel({QString(), QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부"), QStringLiteral("현급"),
                             QStringLiteral("생년월일"), QStringLiteral("학년"), QStringLiteral("반"), QStringLiteral("비고")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_lines[r].ticked; }, [this](int r, bool on) { m_lines[r].ticked = on; });
    grid = new QTableView(this);
    ListModel::setUpView(grid, m_model, {24, 80, 70, 80, 70, 84, 60, 40, 120});
    top->addWidget(grid, 1);

    connect(BitBtn0, &QPushButton::clicked, this, [this] { BitBtn0Click(); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { btn_PrintClick(); });
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(i.row()); });
}

void TfPri0070::BitBtn0Click()
{
    m_lines = RankCertificates::search(Com_name->currentText(), Com_Bu->currentIndex(), Com_Bu->currentText());
    m_model->show(int(m_lines.size()), [this](int r, int c) -> QString {
        const RankCertificates::Line& l = m_lines[r];
        switch (c) {
        case 1: return l.memberNo;
        case 2: return l.name;
        case 3: return l.division;
        case 4: return l.rankName;
        case 5: return l.birthDate;
        case 6: return l.schoolYear;
        case 7: return l.classGroup;
        default: return QString();
        }
    });
    ExamScreenParts::showFound(m_header, int(m_lines.size()));
}

void TfPri0070::btn_PrintClick()
{
    RankCertificates::Issue issue;
    issue.examName = Edit1->text().trimmed();
    issue.examDate = indate->date();
    issue.forms = rdo_Forms->isChecked();
    int issued = 0;
    try {
        issued = RankCertificates::fill(m_lines, issue);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("급증 발부 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (issued > 0)
        StatusLine::show(QStringLiteral("급증 %1장 발부: %2번까지").arg(issued).arg(RankCertificates::counter()));
    report::runLayout(RankCertificates::layoutFor(issue.forms), QStringLiteral("급증발부"), report::Preview, this);
}

void TfPri0070::openMember(int row)
{
    if (row < 0 || row >= m_lines.size() || !ScreenHost::current())
        return;
    Session::setSelectedMemberNo(m_lines[row].memberNo);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
