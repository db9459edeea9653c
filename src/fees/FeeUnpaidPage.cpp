#include "fees/FeeUnpaidPage.h"
#include "ui/FrozenColumns.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "fees/FeePageParts.h"
#include "fees/FeeStatus.h"
#include "ui/ScreenHost.h"
#include "report/Report.h"
#include "report/NoticeFile.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

namespace {
QSpinBox* daySpin(QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setRange(1, 31);
    s->setValue(Clock::today().day());
    return s;
}
} // namespace

FeeUnpaidPage::FeeUnpaidPage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("현재 일자 :"), this));
    dateHyun = feepage::dateBox(this);
    filter->addWidget(dateHyun);
    com_buAll2 = feepage::divisionBox(filter, this);
    com_Name2 = feepage::nameBox(filter, this);
    filter->addStretch();
    root->addLayout(filter);

    auto* mode = new QHBoxLayout;
    auto* modes = new QButtonGroup(this);
    rb1 = new QRadioButton(QStringLiteral("당월"), this);
    rb2 = new QRadioButton(QStringLiteral("미납월"), this);
    rb1->setChecked(true);
    modes->addButton(rb1);
    modes->addButton(rb2);
    mode->addWidget(rb1);
    mode->addWidget(rb2);
    rb3 = new QCheckBox(QStringLiteral("납부일"), this);
    mode->addWidget(rb3);
    edtS1 = daySpin(this);
    mode->addWidget(edtS1);
    mode->addWidget(new QLabel(QStringLiteral("~"), this));
    edtS2 = daySpin(this);
    mode->addWidget(edtS2);
    mode->addStretch();
    mode->addWidget(new QLabel(QStringLiteral("총미납금액:"), this));
    lbl_MinabTot = new QLabel(QStringLiteral("0 원"), this);
    lbl_MinabTot->setMinimumWidth(100);
    lbl_MinabTot->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mode->addWidget(lbl_MinabTot);
    btn_List = new QPushButton(QStringLiteral("미납자 명단"), this);
    btn_List->setToolTip(QStringLiteral("조회한 미납자와 미납액을 한 장의 명단으로 인쇄합니다."));
    mode->addWidget(btn_List);
    connect(btn_List, &QPushButton::clicked, this, &FeeUnpaidPage::btn_ListClick);
    root->addLayout(mode);

    model = new ListModel({QStringLiteral("     회원번호"), QStringLiteral("  회원명"), QStringLiteral("      부  명"),
                               QStringLiteral("   입관 일자"), QStringLiteral("     전화번호"), QStringLiteral("납부일"),
                               QStringLiteral("            수련비 미납월"), QStringLiteral("미납액"), QStringLiteral("조회-성별"),
                               QStringLiteral("조회용-이메일"), QStringLiteral("조회용-핸드폰번호")},
                              true, this);
    lvView2 = feepage::listView(model, this);
    FrozenColumns::install(lvView2, ColName + 1);
    root->addWidget(lvView2, 1);
    connect(lvView2, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { ScreenHost::showMember(model->text(i.row(), ColNo)); });

    auto* bottom = new QHBoxLayout;
    auto* letter = new QVBoxLayout;
    auto* letterBar = new QHBoxLayout;
    auto* letters = new QButtonGroup(this);
    RadioButton1 = new QRadioButton(QStringLiteral("개인전체공지"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("전체공지"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("개인개별공지"), this);
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3}) {
        letters->addButton(b);
        letterBar->addWidget(b);
    }
    Button2 = new QPushButton(QStringLiteral("기   록"), this);
    letterBar->addWidget(Button2);
    letterBar->addStretch();
    letter->addLayout(letterBar);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4 + 10);
    letter->addWidget(Memo1);
    bottom->addLayout(letter, 1);

    auto* issue = new QGridLayout;
    auto* issuedOn = new QHBoxLayout;
    issuedOn->addWidget(new QLabel(QStringLiteral("발행날짜"), this));
    dateBal = feepage::dateBox(this);
    issuedOn->addWidget(dateBal);
    issuedOn->addStretch();
    issue->addLayout(issuedOn, 0, 0, 1, 4);
    auto* due = new QHBoxLayout;
    due->addWidget(new QLabel(QStringLiteral("월분 납부통지서를 발부날짜로부터"), this));
    ComboBox2 = new QComboBox(this);
    ComboBox2->addItems({"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"});
    ComboBox2->setCurrentIndex(2);
    due->addWidget(ComboBox2);
    due->addWidget(new QLabel(QStringLiteral("일 까지..."), this));
    due->addStretch();
    issue->addLayout(due, 1, 0, 1, 4);
    auto* layouts = new QButtonGroup(this);
    Rd6 = new QRadioButton(QStringLiteral("형식출력"), this);
    Rd7 = new QRadioButton(QStringLiteral("Forms출력"), this);
    Rd6->setChecked(true);
    layouts->addButton(Rd6);
    layouts->addButton(Rd7);
    issue->addWidget(Rd6, 2, 0);
    issue->addWidget(Rd7, 2, 1);
    auto* kinds = new QButtonGroup(this);
    Rd1 = new QRadioButton(QStringLiteral("측정표"), this);
    Rd2 = new QRadioButton(QStringLiteral("통신문"), this);
    Rd4 = new QRadioButton(QStringLiteral("통지서"), this);
    Rd3 = new QRadioButton(QStringLiteral("안내문"), this);
    Rd5 = new QRadioButton(QStringLiteral("미납통지"), this);
    Rdo_Jibjungdo = new QRadioButton(QStringLiteral("집중도"), this);
    Rdo_Require = new QRadioButton(QStringLiteral("영수증"), this);
    Rd1->setChecked(true);
    int at = 0;
    for (QRadioButton* b : {Rd1, Rd2, Rd4, Rd3, Rd5, Rdo_Jibjungdo, Rdo_Require}) {
        kinds->addButton(b);
        issue->addWidget(b, 3 + at / 4, at % 4);
        ++at;
    }
    bottom->addLayout(issue);
    root->addLayout(bottom);

    connect(dateHyun, &QDateEdit::dateChanged, this, &FeeUnpaidPage::dateHyunChange);
    connect(Button2, &QPushButton::clicked, this, &FeeUnpaidPage::Button2Click);
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                letterChosen();
        });
}

void FeeUnpaidPage::setNames(QAbstractItemModel* names) { feepage::setNames(com_Name2, names); }

int FeeUnpaidPage::count() const { return model->rows(); }

void FeeUnpaidPage::dateHyunChange()
{
    edtS1->setValue(dateHyun->date().day());
    edtS2->setValue(dateHyun->date().day());
    dateBal->setDate(dateHyun->date());
}

PaymentNotices::LetterChoice FeeUnpaidPage::letterChoice() const
{
    if (RadioButton1->isChecked())
        return PaymentNotices::LetterChoice::Personal;
    if (RadioButton2->isChecked())
        return PaymentNotices::LetterChoice::Group;
    if (RadioButton3->isChecked())
        return PaymentNotices::LetterChoice::Individual;
    return PaymentNotices::LetterChoice::None;
}

void FeeUnpaidPage::letterChosen()
{
    const PaymentNotices::LetterChoice c = letterChoice();
    Memo1->setPlainText(c == PaymentNotices::LetterChoice::Individual ? QString() : PaymentNotices::loadLetter(c));
}

void FeeUnpaidPage::Button2Click()
{
    try {
        if (PaymentNotices::saveLetter(letterChoice(), Memo1->toPlainText()))
            StatusLine::show(QStringLiteral("가정통신문을 기록했습니다."));
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다.") + u'\n' + e.message(), this);
    }
}

PaymentNotices::Options FeeUnpaidPage::options() const
{
    PaymentNotices::Options o;
    o.reference = dateHyun->date();
    o.issued = dateBal->date();
    o.daysToPay = ComboBox2->currentText().toInt();
    o.forms = Rd7->isChecked();
    o.kind = Rd2->isChecked()             ? PaymentNotices::Letter
             : Rd3->isChecked()           ? PaymentNotices::Guide
             : Rd4->isChecked()           ? PaymentNotices::Bill
             : Rd5->isChecked()           ? PaymentNotices::Overdue
             : Rdo_Jibjungdo->isChecked() ? PaymentNotices::Focus
             : Rdo_Require->isChecked()   ? PaymentNotices::Receipt
                                          : PaymentNotices::Measure;
    o.letter = letterChoice();
    o.letterText = Memo1->toPlainText();
    return o;
}

QList<UnpaidList::Line> FeeUnpaidPage::tickedLines() const
{
    QList<UnpaidList::Line> out;
    for (int r : model->tickedRows())
        out.append(m_result.lines[r]);
    return out;
}

void FeeUnpaidPage::Btn_QueryClick()
{
    UnpaidList::Filter f;
    f.reference = dateHyun->date();
    f.name = com_Name2->currentText();
    f.division = com_buAll2->condition(QStringLiteral("부별코드"));
    f.mode = rb2->isChecked() ? UnpaidList::Mode::AnyMonth : UnpaidList::Mode::ThisMonth;
    f.byPayDay = rb3->isChecked();
    f.fromDay = edtS1->value();
    f.toDay = edtS2->value();
    m_result = UnpaidList::list(f);
    QList<QStringList> rows;
    rows.reserve(m_result.lines.size());
    for (const UnpaidList::Line& l : m_result.lines)
        rows.append({l.memberNo, l.name, l.division, l.enrolled, l.phone, l.payDay, UnpaidList::readableMonths(l.months, f.reference),
                     FeeStatus::won(l.owed), l.sex, l.email, l.mobile});
    model->setRows(std::move(rows), true);
    lbl_MinabTot->setText(FeeStatus::won(m_result.total));
    emit countChanged();
}

void FeeUnpaidPage::Btn_PrintClick()
{
    QStringList members;
    for (const UnpaidList::Line& l : tickedLines())
        members.append(l.memberNo);
    if (members.isEmpty()) {
        Dialogs::info(QStringLiteral("수련비"), QStringLiteral("발부할 회원이 없습니다. 조회한 뒤 선택하세요."), this);
        return;
    }
    PaymentNotices::print(members, options(), report::Preview, this);
}

void FeeUnpaidPage::btn_ListClick()
{
    if (m_result.lines.isEmpty()) {
        Dialogs::info(QStringLiteral("수련비"), QStringLiteral("인쇄할 미납자가 없습니다. 먼저 조회하세요."), this);
        return;
    }
    const QString school = db::scalar(QStringLiteral("SELECT 도장명 FROM T_도장정보")).toString();
    report::PrintJob job;
    int seq = 0;
    for (const UnpaidList::Line& l : m_result.lines)
        job.add({{"seqno", ++seq},
                 {"f01", l.memberNo},
                 {"f02", l.name},
                 {"f03", l.division},
                 {"f04", l.phone},
                 {"f05", UnpaidList::readableMonths(l.months, dateHyun->date())},
                 {"f06", QString::number(l.owed)},
                 {"f08", dateHyun->date().toString(QStringLiteral("yyyy-MM-dd"))},
                 {"association", school}});
    job.run(QStringLiteral("미납명단.rpt"), QStringLiteral("미납자 명단"), report::Preview, this);
}

void FeeUnpaidPage::btn_EmailClick()
{
    if (m_result.lines.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(QStringLiteral("수련비")), this);
        return;
    }
    Dialogs::show(PaymentNotices::dataFile(tickedLines(), options()).write(QStringLiteral("수련비")), this);
}
