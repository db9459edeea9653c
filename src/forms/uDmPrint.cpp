#include "forms/uDmPrint.h"

#include "ui/ScreenHost.h"
#include "db/Query.h"
#include "db/Session.h"
#include "ui/ScreenHeader.h"
#include "stats/GeneralQueries.h"
#include "report/NoticeFile.h"
#include "ui/BarButton.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "report/ExportButtons.h"
#include "ui/ListModel.h"
#include "ui/SchoolYearFilter.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char* const kCaption = "DM발송";
}

TfDmPrint::TfDmPrint(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfDmPrint"));
    setWindowTitle(QStringLiteral("DM 발송"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 500);

    auto* bar = new QHBoxLayout;
    Btn_Query = ui::addBarButton(this, bar, "조     회", "Btn_Query");
    Btn_Dm = ui::addBarButton(this, bar, "DM 발 송", "Btn_Dm");
    Btn_Email = ui::addBarButton(this, bar, "E-mail", "Btn_Email");
    Btn_Close = ui::addBarButton(this, bar, "종     료", "Btn_Close");
    ExportButtons::addForWindow(bar, this, Btn_Close);
    bar->addStretch();
    QLabel* school = nullptr;
    QHBoxLayout* head = ScreenHeader::build(this, &school, &lbl_Total, &lbl_Found);

    // Status and the member filters.
    rdo_Current = new QRadioButton(QStringLiteral("현재원"));
    rdo_Leave = new QRadioButton(QStringLiteral("휴관원"));
    rdo_Out = new QRadioButton(QStringLiteral("퇴관원"));
    auto* statuses = new QButtonGroup(this);
    for (QRadioButton* r : {rdo_Current, rdo_Leave, rdo_Out})
        statuses->addButton(r);
    rdo_Current->setChecked(true);
    com_Name = new QComboBox;
    com_Name->setEditable(true);
    com_Name->setMinimumWidth(100);
    com_bu = new DivisionFilter;
    com_Belt = new QComboBox;
    com_Belt->addItems(tot::rankEntries());
    edt_School = new QLineEdit;
    com_Year = new SchoolYearFilter;
    com_Area = new CodeCombo;
    // One leading blank for one-digit codes keeps the names in a column.
    db::Query areas(QStringLiteral("SELECT 지역코드, 지역명 FROM T_지역코드 ORDER BY 지역코드"));
    areas.open();
    com_Area->addItem(QString());
    while (areas.next()) {
        const QString code = areas.str(QStringLiteral("지역코드"));
        com_Area->addItem((code.size() == 1 ? QStringLiteral(" ") : QString()) + code + QStringLiteral(") ")
                          + areas.str(QStringLiteral("지역명")));
    }
    edt_Address = new QLineEdit;

    auto* filter = new QGridLayout;
    auto* statusRow = new QHBoxLayout;
    for (QRadioButton* r : {rdo_Current, rdo_Leave, rdo_Out})
        statusRow->addWidget(r);
    statusRow->addSpacing(12);
    statusRow->addWidget(new QLabel(QStringLiteral("이    름")));
    statusRow->addWidget(com_Name, 1);
    filter->addLayout(statusRow, 0, 0, 1, 4);
    filter->addWidget(new QLabel(QStringLiteral("부    별")), 0, 4);
    filter->addWidget(com_bu, 0, 5);
    filter->addWidget(new QLabel(QStringLiteral("현   급")), 1, 0);
    filter->addWidget(com_Belt, 1, 1);
    filter->addWidget(new QLabel(QStringLiteral("학   교")), 1, 2);
    filter->addWidget(edt_School, 1, 3);
    filter->addWidget(new QLabel(QStringLiteral("학   년")), 1, 4);
    filter->addWidget(com_Year, 1, 5);
    filter->addWidget(new QLabel(QStringLiteral("지   역")), 2, 0);
    filter->addWidget(com_Area, 2, 1);
    filter->addWidget(new QLabel(QStringLiteral("주   소")), 2, 2);
    filter->addWidget(edt_Address, 2, 3, 1, 3);

    // Birthday ranges (월-일) on the left, date ranges on the right.
    auto* ranges = new QGridLayout;
    const char* const births[] = {"본인생일 조건에 포함", "부  생일 조건에 포함", "모  생일 조건에 포함"};
    QCheckBox** birthBoxes[] = {&chk_Self, &chk_Father, &chk_Mother};
    for (int i = 0; i < 3; ++i) {
        *birthBoxes[i] = new QCheckBox(QString::fromUtf8(births[i]));
        ranges->addWidget(*birthBoxes[i], i, 0);
        for (int k = 0; k < 2; ++k) {
            edt_Birth[i][k] = new QLineEdit;
            edt_Birth[i][k]->setInputMask(QStringLiteral("00-00;_"));
            edt_Birth[i][k]->setFixedWidth(52);
            edt_Birth[i][k]->setToolTip(QStringLiteral("(월-일)"));
        }
        ranges->addWidget(edt_Birth[i][0], i, 1);
        ranges->addWidget(new QLabel(QStringLiteral("~")), i, 2);
        ranges->addWidget(edt_Birth[i][1], i, 3);
    }
    const char* const dates[] = {"입관일자 조건에 포함", "복관일자 조건에 포함", "퇴관일자 조건에 포함", "휴관일자 조건에 포함"};
    for (int i = 0; i < 4; ++i) {
        chk_Date[i] = new QCheckBox(QString::fromUtf8(dates[i]));
        dtp_Date[i][0] = new DateEdit;
        dtp_Date[i][1] = new DateEdit;
        const int row = i, col = 5;
        ranges->addWidget(chk_Date[i], row, col);
        ranges->addWidget(dtp_Date[i][0], row, col + 1);
        ranges->addWidget(new QLabel(QStringLiteral("~")), row, col + 2);
        ranges->addWidget(dtp_Date[i][1], row, col + 3);
    }
    ranges->setColumnMinimumWidth(4, 12);
    ranges->setColumnStretch(9, 1);

    m_model = new ListModel({QStringLiteral("회원번호"), QStringLiteral("이  름"), QStringLiteral("부"), QStringLiteral("현급"),
                             QStringLiteral("학교"), QStringLiteral("학년"), QStringLiteral("입관일자"), QStringLiteral("복관일자"),
                             QStringLiteral("퇴관일자"), QStringLiteral("휴관일자"), QStringLiteral("본인생일"), QStringLiteral("부 생일"),
                             QStringLiteral("보호자성명"), QStringLiteral("모 생일"), QStringLiteral("지역"), QStringLiteral("주소"),
                             QStringLiteral("우편번호"), QStringLiteral("E-mail")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grd_List = new QTableView;
    ListModel::setUpView(grd_List, m_model, {90, 60, 70, 60, 80, 60, 80, 80, 80, 80, 80, 80, 70, 80, 60, 200, 60, 140});

    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(filter);
    root->addLayout(ranges);
    root->addWidget(grd_List, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &TfDmPrint::Btn_QueryClick);
    connect(Btn_Dm, &QPushButton::clicked, this, [this] { Btn_DmClick(0); });
    connect(Btn_Email, &QPushButton::clicked, this, &TfDmPrint::Btn_EmailClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(statuses, &QButtonGroup::buttonClicked, this, [this] { statusChanged(); });
    connect(grd_List, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!i.isValid() || !ScreenHost::current())
            return;
        Session::setSelectedMemberNo(m_rows[i.row()].memberNo);
        ScreenHost::current()->open(QStringLiteral("TfPer0020"));
    });
    statusChanged();
}

DmMailing::Status TfDmPrint::status() const
{
    return rdo_Leave->isChecked() ? DmMailing::OnLeave : rdo_Out->isChecked() ? DmMailing::Withdrawn : DmMailing::Current;
}

void TfDmPrint::statusChanged()
{
    m_rows.clear();
    m_model->show(0, [](int, int) { return QString(); });
    lbl_Found->setText(QStringLiteral("0"));
    com_Name->clear();
    com_Name->addItem(QString());
    com_Name->addItems(DmMailing::names(status()));
}

void TfDmPrint::Btn_QueryClick()
{
    DmMailing::Filter f;
    f.status = status();
    f.name = com_Name->currentText();
    f.division = com_bu->condition(QStringLiteral("T_회원.부별코드"));
    f.rankIndex = com_Belt->currentIndex();
    f.rankText = com_Belt->currentText();
    f.school = edt_School->text();
    f.grade = com_Year->condition(QStringLiteral("T_회원.학년"));
    const QString area = com_Area->code().trimmed();
    f.regionCode = area.isEmpty() ? -1 : area.toInt();
    f.address = edt_Address->text();
    DmMailing::Range* births[] = {&f.self, &f.father, &f.mother};
    QCheckBox* birthBoxes[] = {chk_Self, chk_Father, chk_Mother};
    for (int i = 0; i < 3; ++i) {
        // An untouched mask reads "-": an empty end.
        auto text = [](const QLineEdit* e) { return e->text() == QStringLiteral("-") ? QString() : e->text(); };
        *births[i] = {birthBoxes[i]->isChecked(), text(edt_Birth[i][0]), text(edt_Birth[i][1])};
        const QString problem = DmMailing::rangeProblem(*births[i], true);
        if (!problem.isEmpty()) {
            Dialogs::error(QString::fromUtf8(kCaption), problem, this);
            edt_Birth[i][0]->setFocus();
            return;
        }
    }
    DmMailing::Range* dates[] = {&f.enrolled, &f.returned, &f.withdrawn, &f.leave};
    for (int i = 0; i < 4; ++i) {
        *dates[i] = {chk_Date[i]->isChecked(), dtp_Date[i][0]->dateText(), dtp_Date[i][1]->dateText()};
        const QString problem = DmMailing::rangeProblem(*dates[i], false);
        if (!problem.isEmpty()) {
            Dialogs::error(QString::fromUtf8(kCaption), problem, this);
            dtp_Date[i][0]->setFocus();
            return;
        }
    }
    m_rows = DmMailing::query(f);
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const DmMailing::Row& x = m_rows[r];
        const QString cells[] = {x.memberNo, x.name, x.division, x.rank, x.school, x.grade, x.enrolled, x.returned, x.withdrawn,
                                 x.leave, x.birthday, x.fatherBirthday, x.guardian, x.motherBirthday, x.region, x.address, x.zip,
                                 x.email};
        return cells[c];
    });
    lbl_Found->setText(QString::number(m_rows.size()));
    if (m_rows.isEmpty())
        Dialogs::error(QString::fromUtf8(kCaption), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

bool TfDmPrint::anyTicked() const
{
    for (const auto& r : m_rows)
        if (r.ticked)
            return true;
    return false;
}

bool TfDmPrint::Btn_DmClick(int destination)
{
    if (!anyTicked()) {
        Dialogs::error(QString::fromUtf8(kCaption), QStringLiteral("발송할 수련생을 조회하여 선택하세요."), this);
        return false;
    }
    return DmMailing::printLabels(m_rows, destination, this);
}

void TfDmPrint::Btn_EmailClick()
{
    if (m_rows.isEmpty()) {
        Dialogs::info(QString::fromUtf8(kCaption), QStringLiteral("자료를 조회하세요."), this);
        return;
    }
    NoticeFile file = DmMailing::mailingFile(m_rows);
    if (file.isEmpty()) {
        Dialogs::info(QString::fromUtf8(kCaption), QStringLiteral("E-mail이 모두 존재하지 않습니다."), this);
        return;
    }
    Dialogs::show(file.write(QString::fromUtf8(kCaption)), this);
}
