#include "exams/uPriSinchung.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/Session.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "report/ExportButtons.h"

#include <QCheckBox>
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

TfPriSinchung::TfPriSinchung(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPriSinchung"));
    setWindowTitle(QStringLiteral("승급심사신청서 인쇄"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 600);

    auto* top = new QVBoxLayout(this);
    const auto head = ExamScreenParts::addPrintTop(this, top, {"조     회", "인     쇄"});
    m_header = head.header;
    BitBtn0 = head.buttons[0];
    BitBtn1 = head.buttons[1];
    btn_Exit = head.close;

    const QDate today = Clock::today();
    auto* form = new QGridLayout;
    const auto exam = ExamScreenParts::addExamFields(this, form);
    sim_date = exam.date;
    sim_time = exam.time;
    sim_num = exam.number;
    sim_place = exam.place;
    Edt_Dobok = exam.dress;
    Edit_SimsaFee = new QLineEdit(QStringLiteral("0"), this);
    msk_JumsuMM = new QLineEdit(QString::number(today.month()), this);
    msk_JumsuDD = new QLineEdit(QString::number(today.day()), this);
    for (QLineEdit* e : {msk_JumsuMM, msk_JumsuDD}) {
        e->setMaxLength(3);
        e->setFixedWidth(40);
    }
    msk_JumsuMM->setObjectName(QStringLiteral("msk_JumsuMM"));
    msk_JumsuDD->setObjectName(QStringLiteral("msk_JumsuDD"));
    sim_place->setObjectName(QStringLiteral("sim_place"));
    Edt_Dobok->setObjectName(QStringLiteral("Edt_Dobok"));
    Edit_SimsaFee->setObjectName(QStringLiteral("Edit_SimsaFee"));
    chk_SeungBul = new QCheckBox(QStringLiteral("상벌 포함"), this);
    chk_SeungBul->setChecked(true);
    Com_Bu = new DivisionFilter(this);
    sim_Main = new QPlainTextEdit(this);
    sim_Main->setPlainText(db::scalar(QStringLiteral("SELECT 심사신청서내용 FROM T_가정통신문")).toString().trimmed());
    sim_Main->setMaximumHeight(110);
    form->addWidget(new QLabel(QStringLiteral("심 사 비"), this), 1, 4);
    form->addWidget(Edit_SimsaFee, 1, 5);
    auto* receipt = new QHBoxLayout;
    receipt->addWidget(msk_JumsuMM);
    receipt->addWidget(new QLabel(QStringLiteral("월"), this));
    receipt->addWidget(msk_JumsuDD);
    receipt->addWidget(new QLabel(QStringLiteral("일"), this));
    receipt->addStretch();
    form->addWidget(new QLabel(QStringLiteral("접수일자"), this), 2, 0);
    form->addLayout(receipt, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("부 명"), this), 2, 2);
    form->addWidget(Com_Bu, 2, 3);
    form->addWidget(chk_SeungBul, 2, 4, 1, 2);
    form->addWidget(new QLabel(QStringLiteral(" 심사 내용 "), this), 3, 0, Qt::AlignTop);
    form->addWidget(sim_Main, 3, 1, 1, 5);
    form->addWidget(new QLabel(QStringLiteral("표시되어 있는 곳까지 세로로 10줄"), this), 4, 1, 1, 5);

    auto* kinds = new QFrame(this);
    kinds->setFrameShape(QFrame::StyledPanel);
    auto* kl = new QVBoxLayout(kinds);
    kl->setContentsMargins(6, 2, 6, 2);
    Rd1 = new QRadioButton(QStringLiteral("영역평가 신청서"), kinds);
    Rd2 = new QRadioButton(QStringLiteral("심사내용및 평가표"), kinds);
    Rd3 = new QRadioButton(QStringLiteral("심사채점및 결과평가"), kinds);
    Rd4 = new QRadioButton(QStringLiteral("영역별평가 및 안내문"), kinds);
    Rd1->setChecked(true);
    for (QRadioButton* r : {Rd1, Rd2, Rd3, Rd4})
        kl->addWidget(r);
    auto* styles = new QFrame(this);
    styles->setFrameShape(QFrame::StyledPanel);
    auto* sl = new QVBoxLayout(styles);
    sl->setContentsMargins(6, 2, 6, 2);
    rdo_ReportType1 = new QRadioButton(QStringLiteral("형식출력"), styles);
    rdo_ReportType2 = new QRadioButton(QStringLiteral("Forms출력"), styles);
    rdo_ReportType1->setChecked(true);
    sl->addWidget(rdo_ReportType1);
    sl->addWidget(rdo_ReportType2);
    form->addWidget(kinds, 0, 6, 5, 1);
    form->addWidget(styles, 0, 7, 5, 1, Qt::AlignTop);
    form->setColumnStretch(8, 1);
    top->addLayout(form);

    m_model = new ListModel({QString(), QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부"), QStringLiteral("현급"),
                             QStringLiteral("학년"), QStringLiteral("반"), QStringLiteral("비고"), QStringLiteral("응심급"),
                             QStringLiteral("응심급코드"), QStringLiteral("출석률")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grid = new QTableView(this);
    ListModel::setUpView(grid, m_model, {24, 80, 70, 80, 70, 60, 40, 60, 70, 40, 50});
    top->addWidget(grid, 1);

    connect(BitBtn0, &QPushButton::clicked, this, [this] { BitBtn0Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(i.row()); });
}

ExamPaperwork::Application TfPriSinchung::application() const
{
    ExamPaperwork::Application a;
    static_cast<ExamPaperwork::Sitting&>(a) = ExamScreenParts::sittingOf({sim_date, sim_time, sim_num, sim_place, Edt_Dobok}, sim_Main);
    a.fee = Edit_SimsaFee->text().trimmed();
    a.month = msk_JumsuMM->text().trimmed();
    a.day = msk_JumsuDD->text().trimmed();
    a.kind = Rd2->isChecked()   ? ExamPaperwork::Kind::ContentAndScores
             : Rd3->isChecked() ? ExamPaperwork::Kind::ScoringAndResult
             : Rd4->isChecked() ? ExamPaperwork::Kind::AreasAndNotice
                                : ExamPaperwork::Kind::AreaApplication;
    a.forms = rdo_ReportType2->isChecked();
    return a;
}

void TfPriSinchung::BitBtn0Click()
{
    m_rows = ExamPaperwork::applicationList(Com_Bu->currentIndex(), Com_Bu->currentText(), sim_date->date(), chk_SeungBul->isChecked());
    m_model->show(int(m_rows.size()), [this](int r, int c) -> QString {
        const ExamPaperwork::Trainee& t = m_rows[r];
        switch (c) {
        case 1: return t.memberNo;
        case 2: return t.name;
        case 3: return t.division;
        case 4: return t.rankName;
        case 5: return t.schoolYear;
        case 6: return t.classGroup;
        case 8: return t.nextRankName;
        case 9: return t.nextRankCode;
        case 10: return t.attendance;
        default: return QString();
        }
    });
    ExamScreenParts::showFound(m_header, int(m_rows.size()));
}

void TfPriSinchung::BitBtn1Click()
{
    if (Edit_SimsaFee->text().trimmed().isEmpty())
        Edit_SimsaFee->setText(QStringLiteral("0"));
    const ExamPaperwork::Application a = application();
    const ExamPaperwork::Problem p = ExamPaperwork::checkApplication(a);
    if (!p.ok()) {
        Dialogs::error(QStringLiteral("확인요망"), p.message, this);
        if (auto* field = findChild<QWidget*>(p.field))
            field->setFocus();
        return;
    }
    report::PrintJob job;
    ExamPaperwork::fillApplication(m_rows, a, job);
    ExamPaperwork::storeApplicationText(a.content);
    job.run(ExamPaperwork::layoutFor(a.kind, a.forms), ExamPaperwork::titleFor(a.kind), report::Preview, this);
}

void TfPriSinchung::openMember(int row)
{
    if (row < 0 || row >= m_rows.size() || !ScreenHost::current())
        return;
    Session::setSelectedMemberNo(m_rows[row].memberNo);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
