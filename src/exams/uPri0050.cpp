#include "exams/uPri0050.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/Session.h"
#include "report/Report.h"
#include "report/NoticeFile.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {
constexpr int kContentChars = 250;
}

TfPri0050::TfPri0050(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri0050"));
    setWindowTitle(QStringLiteral("심사 안내문 인쇄"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 540);

    auto* top = new QVBoxLayout(this);
    const auto head = ExamScreenParts::addPrintTop(this, top, {"조     회", "발     부", "자료생성"});
    m_header = head.header;
    BitBtn0 = head.buttons[0];
    btn_Print = head.buttons[1];
    btn_File = head.buttons[2];
    btn_Exit = head.close;

    auto* form = new QGridLayout;
    const auto exam = ExamScreenParts::addExamFields(this, form);
    sim_date = exam.date;
    sim_time = exam.time;
    sim_num = exam.number;
    sim_place = exam.place;
    Edit1 = exam.dress;
    Com_Bu = new DivisionFilter(this);
    sim_Main = new QPlainTextEdit(this);
    sim_Main->setPlainText(db::scalar(QStringLiteral("SELECT 심사 FROM T_가정통신문")).toString().trimmed());
    sim_Main->setMaximumHeight(90);
    connect(sim_Main, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = sim_Main->toPlainText();
        if (t.size() > kContentChars) {
            sim_Main->setPlainText(t.left(kContentChars));
            sim_Main->moveCursor(QTextCursor::End);
        }
    });
    form->addWidget(new QLabel(QStringLiteral("부 명"), this), 1, 4);
    form->addWidget(Com_Bu, 1, 5);
    auto* style = new QFrame(this);
    style->setFrameShape(QFrame::StyledPanel);
    auto* sl = new QHBoxLayout(style);
    sl->setContentsMargins(6, 2, 6, 2);
    rdo_Gen = new QRadioButton(QStringLiteral("형식 출력"), style);
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"), style);
    rdo_Gen->setChecked(true);
    sl->addWidget(rdo_Gen);
    sl->addWidget(rdo_Forms);
    form->addWidget(style, 0, 6, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("심사 내용"), this), 2, 0, Qt::AlignTop);
    form->addWidget(sim_Main, 2, 1, 1, 6);
    form->setColumnStretch(7, 1);
    top->addLayout(form);

    m_model = new ListModel({QString(), QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부"), QStringLiteral("현급"),
                             QStringLiteral("학년"), QStringLiteral("반"), QStringLiteral("이메일"), QStringLiteral("비고")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grid = new QTableView(this);
    ListModel::setUpView(grid, m_model, {24, 80, 70, 80, 70, 60, 40, 150, 80});
    top->addWidget(grid, 1);

    connect(BitBtn0, &QPushButton::clicked, this, [this] { BitBtn0Click(); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { btn_PrintClick(); });
    connect(btn_File, &QPushButton::clicked, this, [this] { btn_FileClick(); });
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(i.row()); });
}

ExamPaperwork::Invitation TfPri0050::invitation() const
{
    ExamPaperwork::Invitation inv;
    static_cast<ExamPaperwork::Sitting&>(inv) = ExamScreenParts::sittingOf({sim_date, sim_time, sim_num, sim_place, Edit1}, sim_Main);
    return inv;
}

void TfPri0050::BitBtn0Click()
{
    m_rows = ExamPaperwork::invitationList(Com_Bu->currentIndex(), Com_Bu->currentText());
    m_model->show(int(m_rows.size()), [this](int r, int c) -> QString {
        const ExamPaperwork::Trainee& t = m_rows[r];
        switch (c) {
        case 1: return t.memberNo;
        case 2: return t.name;
        case 3: return t.division;
        case 4: return t.rankName;
        case 5: return t.schoolYear;
        case 6: return t.classGroup;
        case 7: return t.email;
        default: return QString();
        }
    });
    ExamScreenParts::showFound(m_header, int(m_rows.size()));
}

void TfPri0050::btn_PrintClick()
{
    if (sim_place->text().trimmed().isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("심사장소를 입력하세요."), this);
        sim_place->setFocus();
        return;
    }
    const ExamPaperwork::Invitation inv = invitation();
    report::PrintJob job;
    ExamPaperwork::fillInvitation(m_rows, inv, job);
    ExamPaperwork::storeInvitationText(inv.content);
    job.run(rdo_Forms->isChecked() ? QStringLiteral("심사안내2.rpt") : QStringLiteral("심사안내1.rpt"), QStringLiteral("심사안내문"),
            report::Preview, this);
}

void TfPri0050::btn_FileClick()
{
    if (m_rows.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(windowTitle()), this);
        return;
    }
    const NoticeFile file = ExamPaperwork::invitationFile(m_rows, invitation(), Clock::today());
    if (Dialogs::show(file.write(windowTitle()), this))
        StatusLine::show(QStringLiteral("심사안내문 자료 %1명 생성").arg(file.lineCount()));
}

void TfPri0050::openMember(int row)
{
    if (row < 0 || row >= m_rows.size() || !ScreenHost::current())
        return;
    Session::setSelectedMemberNo(m_rows[row].memberNo);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
