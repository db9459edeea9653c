#include "members/uPer0010.h"

#include "ui/ScreenHost.h"
#include "cashbook/uEndCancel.h"
#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/DbError.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "fees/FeePayments.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/InputLanguage.h"
#include "ui/ListModel.h"
#include "text/ResidentNo.h"
#include "ui/ResidentNoEdit.h"
#include "ui/StatusLine.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Code drop-downs "code)  name", nothing chosen until the user chooses.
void fillCodes(CodeCombo* box, const QString& sql, bool emptyFirst = false)
{
    box->loadSql(sql, emptyFirst);
    box->setCurrentIndex(-1);
}

QLineEdit* masked(const QString& mask)
{
    auto* e = new QLineEdit;
    e->setInputMask(mask);
    return e;
}

QComboBox* list(const QStringList& items)
{
    auto* c = new QComboBox;
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

QString comboText(const QComboBox* c) { return c->currentIndex() < 0 ? QString() : c->currentText(); }

// The family and suggestion lists: every cell typed into while the form is entered (the grid is
// disabled otherwise), a cell opening as it becomes current.
CheckedCellDelegate* grid(QTableView* view, ListModel* model)
{
    model->setEditing(true);
    CheckedCellDelegate* cells = ListModel::attach(view, model);
    view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    return cells;
}

} // namespace

TfPer0010::TfPer0010(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("입관원서 등록"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    FormCreate();
}

void TfPer0010::buildUi()
{
    Pan_Company = new QLabel;
    QFont big = Pan_Company->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    Pan_Company->setFont(big);
    auto* title = new QLabel(QStringLiteral("입   관   원   서   등   록"));
    title->setFont(big);
    lbl_Total = new QLabel;
    id = new QLabel(QStringLiteral("등록번호 :"));
    auto* head = new QHBoxLayout;
    head->addWidget(Pan_Company);
    head->addStretch();
    head->addWidget(title);
    head->addStretch();
    head->addWidget(lbl_Total);
    head->addSpacing(12);
    head->addWidget(id);

    edt_Name = new QLineEdit;
    edt_Name->setMaxLength(10);
    edt_NameEng = new QLineEdit;
    edt_NameEng->setMaxLength(30);
    edt_NameEng->setInputMethodHints(Qt::ImhLatinOnly);
    edt_NameHanja = new QLineEdit;
    edt_NameHanja->setMaxLength(10);
    edt_Birth = new DateEdit;
    edt_Birth->setAllowEmpty(true);
    com_Calendar = list({QStringLiteral("양"), QStringLiteral("음")});
    com_Sex = list({QStringLiteral("남"), QStringLiteral("여")});
    edt_Jumin = new ResidentNoEdit;
    com_bu = new CodeCombo;
    edt_EnrolDate = new DateEdit;
    edt_EnrolDate->setAllowEmpty(true);
    lbl_FirstDate = new QLabel;
    edt_School = new QLineEdit;
    edt_School->setMaxLength(20);
    com_Grade = list(Enrolment::grades());
    com_Class = list(Enrolment::classes());
    com_Rank = new CodeCombo;
    com_Region = new CodeCombo;
    edt_Phone = masked(QStringLiteral("9999-9999"));
    edt_Mobile = new QLineEdit;
    edt_Mobile->setMaxLength(20);
    edt_Email = new QLineEdit;
    edt_Email->setMaxLength(50);
    com_Postal = new QComboBox;
    com_Postal->setEditable(true);
    com_Postal->setInsertPolicy(QComboBox::NoInsert);
    edt_Address = new QLineEdit;
    edt_Address->setMaxLength(50);
    edt_Academy = new QLineEdit;
    edt_Academy->setMaxLength(200);
    edt_Remarks = new QLineEdit;
    edt_Remarks->setMaxLength(255);
    edt_PayDay = new QLineEdit;
    edt_PayDay->setValidator(new QIntValidator(1, 31, edt_PayDay));
    edt_Fee = new QLineEdit;
    edt_Fee->setValidator(new QIntValidator(0, 99999999, edt_Fee));
    edt_Fee->setAlignment(Qt::AlignRight);
    edt_Bank = new QLineEdit;
    edt_Bank->setMaxLength(10);
    com_Motive = new CodeCombo;
    com_Course = new CodeCombo;
    com_Stop = new CodeCombo;
    edt_Time = new QLineEdit;
    edt_Time->setMaxLength(5);
    rb_Paid = new QRadioButton(QStringLiteral("납부"));
    rb_Unpaid = new QRadioButton(QStringLiteral("미납"));
    rb_Unpaid->setChecked(true);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(3);
    int row = 0;
    auto put = [&](int r, int c, const QString& caption, QWidget* w, int span = 1) {
        fields->addWidget(new QLabel(caption), r, c * 2);
        fields->addWidget(w, r, c * 2 + 1, 1, span);
    };
    put(row, 0, QStringLiteral("이   름"), edt_Name);
    put(row, 1, QStringLiteral("영문이름"), edt_NameEng);
    put(row++, 2, QStringLiteral("한  자"), edt_NameHanja);
    put(row, 0, QStringLiteral("생 년 월 일"), edt_Birth);
    put(row, 1, QStringLiteral("양/음"), com_Calendar);
    put(row++, 2, QStringLiteral("성   별"), com_Sex);
    put(row, 0, QStringLiteral("주민번호"), edt_Jumin);
    put(row, 1, QStringLiteral("부별"), com_bu);
    put(row++, 2, QStringLiteral("입관일"), edt_EnrolDate);
    put(row, 0, QStringLiteral("학   교"), edt_School);
    put(row, 1, QStringLiteral("학년"), com_Grade);
    put(row++, 2, QStringLiteral("반"), com_Class);
    put(row, 0, QStringLiteral("현급"), com_Rank);
    put(row, 1, QStringLiteral("지   역"), com_Region);
    put(row++, 2, QStringLiteral("최초입관일"), lbl_FirstDate);
    put(row, 0, QStringLiteral("전화"), edt_Phone);
    put(row, 1, QStringLiteral("HP"), edt_Mobile);
    put(row++, 2, QStringLiteral("E-mail"), edt_Email);
    put(row, 0, QStringLiteral("우편번호"), com_Postal);
    put(row++, 1, QStringLiteral("주   소"), edt_Address, 3);
    put(row, 0, QStringLiteral("학 원 수 강"), edt_Academy);
    put(row++, 1, QStringLiteral("기         타"), edt_Remarks, 3);
    put(row, 0, QStringLiteral("납부일자"), edt_PayDay);
    put(row, 1, QStringLiteral("수련비"), edt_Fee);
    put(row++, 2, QStringLiteral("납부은행"), edt_Bank);
    put(row, 0, QStringLiteral("입 관 동 기"), com_Motive);
    auto* paid = new QHBoxLayout;
    paid->addWidget(rb_Paid);
    paid->addWidget(rb_Unpaid);
    paid->addStretch();
    fields->addLayout(paid, row++, 3);
    put(row, 0, QStringLiteral("탑승코스"), com_Course);
    put(row, 1, QStringLiteral("장  소"), com_Stop);
    put(row++, 2, QStringLiteral("시 간"), edt_Time);
    for (int c : {1, 3, 5})
        fields->setColumnStretch(c, 1);

    Image1 = new QLabel;
    Image1->setFixedSize(110, 140);
    Image1->setFrameShape(QFrame::Box);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setContextMenuPolicy(Qt::DefaultContextMenu);
    Image1->installEventFilter(this);
    Image1->setToolTip(QStringLiteral("오른쪽 단추를 눌러 사진첨부"));

    // Relations and 양/음 from a list; the two dates checked as they are typed.
    family = new ListModel({{QStringLiteral("관  계"), 0, true, ListModel::Text, Enrolment::relations()},
                            {QStringLiteral("성  명"), 0, true, ListModel::Text},
                            {QStringLiteral("생 년 월 일"), 0, true, ListModel::Date},
                            {QStringLiteral("양/음"), 0, true, ListModel::Text, {QStringLiteral("양"), QStringLiteral("음")}},
                            {QStringLiteral("직  업"), 0, true, ListModel::Text},
                            {QStringLiteral("비  고"), 0, true, ListModel::Text},
                            {QStringLiteral("결혼기념일"), 0, true, ListModel::Date}},
                           this);
    DBGrid1 = new QTableView;
    grid(DBGrid1, family);
    DBGrid1->installEventFilter(this);
    BitBtn8 = new QPushButton(QStringLiteral("추가 "));
    BitBtn9 = new QPushButton(QStringLiteral("취소 "));
    auto* famButtons = new QVBoxLayout;
    famButtons->addWidget(new QLabel(QStringLiteral("가족사항")));
    famButtons->addWidget(BitBtn8);
    famButtons->addWidget(BitBtn9);
    famButtons->addStretch();
    auto* family = new QHBoxLayout;
    family->addLayout(famButtons);
    family->addWidget(DBGrid1, 1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(fields, 1);
    auto* photo = new QVBoxLayout;
    photo->addWidget(Image1);
    photo->addStretch();
    upper->addLayout(photo);

    auto* page1 = new QWidget;
    auto* p1 = new QVBoxLayout(page1);
    p1->setContentsMargins(4, 4, 4, 4);
    p1->addLayout(upper);
    p1->addLayout(family, 1);

    suggestions = new ListModel({{QStringLiteral("건 의 날 짜"), 110, true, ListModel::Date},
                                 {QStringLiteral("건 의 내 용"), 0, true, ListModel::Text}},
                                this);
    DBGrid2 = new QTableView;
    grid(DBGrid2, suggestions)->setMaxLength(SugText, 255);
    DBGrid2->installEventFilter(this);
    BitBtn10 = new QPushButton(QStringLiteral("추가 "));
    BitBtn11 = new QPushButton(QStringLiteral("취소 "));
    auto* sugButtons = new QHBoxLayout;
    sugButtons->addWidget(BitBtn10);
    sugButtons->addWidget(BitBtn11);
    sugButtons->addStretch();
    auto* page2 = new QWidget;
    auto* p2 = new QVBoxLayout(page2);
    p2->addLayout(sugButtons);
    p2->addWidget(DBGrid2, 1);

    PageControl1 = new QTabWidget;
    PageControl1->addTab(page1, QStringLiteral("신상명세서"));
    PageControl1->addTab(page2, QStringLiteral("건의사항"));

    BitBtn1 = new QPushButton(QStringLiteral("입     력"));
    BitBtn2 = new QPushButton(QStringLiteral("수     정"));
    BitBtn3 = new QPushButton(QStringLiteral("삭     제"));
    BitBtn4 = new QPushButton(QStringLiteral("조     회"));
    BitBtn5 = new QPushButton(QStringLiteral("확     인"));
    BitBtn6 = new QPushButton(QStringLiteral("취     소"));
    BitBtn7 = new QPushButton(QStringLiteral("종     료"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7})
        bar->addWidget(b);
    for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn4})
        b->setEnabled(false); // this screen only creates members

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addLayout(head);
    root->addWidget(PageControl1, 1);
    root->addLayout(bar);

    // Enter after the last field lands on "확     인": the form is saved without the mouse; the family
    // and suggestion lists follow it.
    setTabOrder(edt_Time, BitBtn5);
    connect(BitBtn1, &QPushButton::clicked, this, &TfPer0010::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TfPer0010::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TfPer0010::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn8, &QPushButton::clicked, this, &TfPer0010::BitBtn8Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TfPer0010::BitBtn9Click);
    connect(BitBtn10, &QPushButton::clicked, this, &TfPer0010::BitBtn10Click);
    connect(BitBtn11, &QPushButton::clicked, this, &TfPer0010::BitBtn11Click);
    connect(com_bu, &QComboBox::activated, this, &TfPer0010::com_buChange);
    connect(com_Course, &QComboBox::activated, this, &TfPer0010::com_CourseChange);
    connect(com_Stop, &QComboBox::activated, this, &TfPer0010::com_StopChange);
    connect(edt_Name, &QLineEdit::textEdited, this, &TfPer0010::edt_NameChange);
    edt_Birth->installEventFilter(this);
    connect(edt_Jumin, &QLineEdit::editingFinished, this, &TfPer0010::edt_JuminExit);
    edt_NameEng->installEventFilter(this);
    connect(edt_EnrolDate, &QDateEdit::dateChanged, this, [this] { lbl_FirstDate->setText(edt_EnrolDate->dateText()); });
}

void TfPer0010::FormCreate()
{
    resize(788, 480);
    move(0, 0);
    QString why;
    m_no = Enrolment::findNo(&why);
    id->setText(QStringLiteral("등록번호 : ") + m_no);
    openLists();
    showCount();
    Pan_Company->setText(Enrolment::schoolName());
    clearFields();
    chgEdBoxState(false);
    chgButtonState(false);
    PageControl1->setCurrentIndex(0);
}

void TfPer0010::openLists()
{
    fillCodes(com_bu, QStringLiteral("SELECT 부별코드, 부명 From T_부별코드 ORDER BY 부별코드"));
    fillCodes(com_Region, QStringLiteral("SELECT 지역코드, 지역명 From T_지역코드 Order by 지역명"));
    fillCodes(com_Rank, QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드"));
    fillCodes(com_Motive, QStringLiteral("select 사유코드, 사유명 from T_입관동기 ORDER BY 사유코드"));
    fillCodes(com_Course, QStringLiteral("SELECT   코스코드   , 코스이름 FROM   T_코스코드 ORDER BY 코스이름"), true);
    com_Stop->clear();
    com_Postal->clear();
    db::Query q("SELECT 우편번호 & ')' & '  ' & 동 FROM T_우편번호 ORDER BY 우편번호");
    q.open();
    QStringList postal;
    while (q.next())
        postal.append(q.value(0).toString());
    com_Postal->addItems(postal);
    com_Postal->setCurrentIndex(-1);
}

void TfPer0010::showCount()
{
    lbl_Total->setText(QStringLiteral("총 입관원 : ") + QString::number(Enrolment::enrolledCount()));
}

QList<QWidget*> TfPer0010::inputFields() const
{
    return {edt_Name, edt_NameEng, edt_NameHanja, edt_Birth, com_Calendar, com_Sex, edt_Jumin, com_bu,
            edt_EnrolDate, edt_School, com_Grade, com_Class, com_Rank, com_Region, edt_Phone, edt_Mobile,
            edt_Email, com_Postal, edt_Address, edt_Academy, edt_Remarks, edt_PayDay, edt_Fee, edt_Bank,
            com_Motive, com_Course, com_Stop, edt_Time, rb_Paid, rb_Unpaid, DBGrid1, DBGrid2, Image1};
}

void TfPer0010::clearFields()
{
    for (QWidget* w : inputFields()) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->clear();
        else if (auto* d = qobject_cast<DateEdit*>(w))
            d->setEmpty();
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(-1);
            if (c->isEditable())
                c->setEditText(QString());
        }
    }
    com_Stop->clear();
    rb_Unpaid->setChecked(true);
    family->setRows({});
    suggestions->setRows({});
    Image1->clear();
    m_photo.clear();
    m_familyAdded = false;
    m_suggestAdded = false;
}

void TfPer0010::chgEdBoxState(bool on)
{
    for (QWidget* w : inputFields())
        w->setEnabled(on);
}

void TfPer0010::chgButtonState(bool editing)
{
    m_entering = editing;
    BitBtn1->setEnabled(!editing);
    BitBtn7->setEnabled(!editing);
    BitBtn5->setEnabled(editing);
    BitBtn6->setEnabled(editing);
    BitBtn8->setEnabled(editing);
    BitBtn9->setEnabled(editing && m_familyAdded);
    BitBtn10->setEnabled(editing);
    BitBtn11->setEnabled(editing);
}

void TfPer0010::BitBtn1Click()
{
    QString why;
    const QString no = Enrolment::findNo(&why);
    if (no.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), why, this);
        return;
    }
    m_no = no;
    id->setText(QStringLiteral("등록번호 : ") + m_no);
    openLists();
    clearFields();
    chgEdBoxState(true);
    const QString today = Clock::todayText();
    edt_EnrolDate->setDateText(today);
    edt_PayDay->setText(QString::number(today.mid(8, 2).toInt()));
    chgButtonState(true);
    PageControl1->setCurrentIndex(0);
    edt_Name->setFocus();
}

EnrolmentForm TfPer0010::form() const
{
    EnrolmentForm f;
    f.name = edt_Name->text();
    f.nameEnglish = edt_NameEng->text();
    f.nameHanja = edt_NameHanja->text();
    f.birthDate = edt_Birth->dateText();
    f.calendar = comboText(com_Calendar);
    f.sex = comboText(com_Sex);
    f.residentNo = edt_Jumin->text();
    f.divisionCode = com_bu->code();
    f.enrolDate = edt_EnrolDate->dateText();
    f.school = edt_School->text();
    f.grade = comboText(com_Grade);
    f.classNo = comboText(com_Class);
    f.rankCode = com_Rank->code();
    f.regionCode = com_Region->code();
    f.phone = edt_Phone->text();
    f.mobile = edt_Mobile->text();
    f.email = edt_Email->text();
    f.postalItem = com_Postal->currentText();
    f.address = edt_Address->text();
    f.otherAcademy = edt_Academy->text();
    f.remarks = edt_Remarks->text();
    f.payDay = edt_PayDay->text();
    f.fee = edt_Fee->text();
    f.bank = edt_Bank->text();
    f.motiveCode = com_Motive->code();
    f.courseCode = com_Course->code();
    f.stopCode = com_Stop->code();
    f.time = edt_Time->text();
    f.paidNow = rb_Paid->isChecked();
    for (int r = 0; r < family->rows(); ++r)
        f.family.append({family->text(r, FamRelation), family->text(r, FamName), family->text(r, FamBirthday),
                         family->text(r, FamCalendar), family->text(r, FamJob), family->text(r, FamNote),
                         family->text(r, FamWedding)});
    for (int r = 0; r < suggestions->rows(); ++r)
        f.suggestions.append({suggestions->text(r, SugDate), suggestions->text(r, SugText)});
    f.photoFile = m_photo;
    return f;
}

void TfPer0010::focusField(Enrolment::Field field)
{
    QWidget* w = nullptr;
    switch (field) {
    case Enrolment::Field::Name: w = edt_Name; break;
    case Enrolment::Field::BirthDate: w = edt_Birth; break;
    case Enrolment::Field::Calendar: w = com_Calendar; break;
    case Enrolment::Field::Sex: w = com_Sex; break;
    case Enrolment::Field::ResidentNo: w = edt_Jumin; break;
    case Enrolment::Field::Division: w = com_bu; break;
    case Enrolment::Field::EnrolDate: w = edt_EnrolDate; break;
    case Enrolment::Field::Rank: w = com_Rank; break;
    case Enrolment::Field::Region: w = com_Region; break;
    case Enrolment::Field::Fee: w = edt_Fee; break;
    case Enrolment::Field::PayDay: w = edt_PayDay; break;
    case Enrolment::Field::Motive: w = com_Motive; break;
    case Enrolment::Field::Family: w = DBGrid1; break;
    case Enrolment::Field::Suggestion: w = DBGrid2; break;
    case Enrolment::Field::None: break;
    }
    if (!w)
        return;
    PageControl1->setCurrentIndex(w == DBGrid2 ? 1 : 0);
    w->setFocus();
}

void TfPer0010::BitBtn5Click()
{
    if (!m_entering)
        return;
    // A cell still being edited belongs to the form.
    for (QTableView* g : {DBGrid1, DBGrid2})
        g->setCurrentIndex(QModelIndex()); // commits an open cell editor
    const EnrolmentForm f = form();
    const Enrolment::Problem problem = Enrolment::validate(f);
    if (!problem.ok()) {
        Dialogs::error(QStringLiteral("오류"), problem.message, this);
        focusField(problem.field);
        if (problem.closedMonth)
            openEndCancel();
        return;
    }
    QString no;
    bool photoSaved = false;
    try {
        no = Enrolment::save(f, &photoSaved);
    } catch (const db::Error& e) { // nothing was written; the reason helps the user (numbers run out ...)
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    } catch (const FeeError& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(QStringLiteral("입관 저장: %1 %2").arg(no, f.name.trimmed()));
    // The header shows the number the next application will take.
    QString why;
    const QString next = Enrolment::findNo(&why);
    m_no = next.isEmpty() ? no : next;
    id->setText(QStringLiteral("등록번호 : ") + m_no);
    if (!f.photoFile.isEmpty() && !photoSaved)
        Dialogs::warning(QStringLiteral("확인요망"),
                         QStringLiteral("회원은 등록되었으나 사진을 저장하지 못했습니다.\n개인관리에서 사진을 다시 첨부하세요."), this);
    clearFields();
    chgEdBoxState(false);
    chgButtonState(false);
    showCount();
    PageControl1->setCurrentIndex(0);
}

void TfPer0010::BitBtn6Click()
{
    clearFields();
    chgEdBoxState(false);
    chgButtonState(false);
    PageControl1->setCurrentIndex(0);
}

void TfPer0010::BitBtn8Click()
{
    const int r = family->rows();
    family->appendRow(QStringList(FamCount));
    m_familyAdded = true;
    BitBtn9->setEnabled(true);
    DBGrid1->setFocus();
    DBGrid1->setCurrentIndex(family->index(r, FamRelation));
}

void TfPer0010::BitBtn9Click()
{
    family->setRows({});
    m_familyAdded = false;
    BitBtn9->setEnabled(false);
}

void TfPer0010::BitBtn10Click()
{
    const int r = suggestions->rows();
    suggestions->appendRow({Clock::todayText(), QString()});
    m_suggestAdded = true;
    PageControl1->setCurrentIndex(1);
    DBGrid2->setFocus();
    DBGrid2->setCurrentIndex(suggestions->index(r, SugDate));
}

void TfPer0010::BitBtn11Click()
{
    suggestions->setRows({});
    m_suggestAdded = false;
}

void TfPer0010::mnuPhotoClick()
{
    const QString file = Dialogs::current().openFile(this, QStringLiteral("그림 추가"), ProgramDir::file(QStringLiteral("images")),
                                                     QStringLiteral("그림 파일 (*.bmp *.BMP)"));
    if (file.isEmpty())
        return;
    const QPixmap picture(file);
    if (picture.isNull()) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("그림 파일을 읽을 수 없습니다.\n") + file, this);
        return;
    }
    m_photo = file;
    Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TfPer0010::com_buChange()
{
    const QString code = com_bu->code();
    if (!code.isEmpty())
        edt_Fee->setText(QString::number(Enrolment::divisionFee(code)));
}

void TfPer0010::com_CourseChange()
{
    com_Stop->clear();
    edt_Time->clear();
    const QString course = com_Course->code();
    if (course.isEmpty())
        return;
    com_Stop->addItem(QString());
    for (const auto& stop : Enrolment::stopsOf(course))
        com_Stop->addItem(codes::itemText(stop.first, stop.second));
    com_Stop->setCurrentIndex(-1);
}

void TfPer0010::com_StopChange()
{
    const QString course = com_Course->code();
    const QString stop = com_Stop->code();
    edt_Time->setText(course.isEmpty() || stop.isEmpty() ? QString() : Enrolment::timeOf(course, stop));
}

void TfPer0010::edt_BirthExit()
{
    const QString birth = edt_Birth->dateText();
    if (QString(edt_Jumin->text()).remove(u'-').trimmed().isEmpty() && birth.size() == 10)
        edt_Jumin->setText(birth.mid(2, 2) + birth.mid(5, 2) + birth.mid(8, 2) + u'-');
    else
        edt_JuminExit();
}

void TfPer0010::edt_JuminExit()
{
    // A lunar birthday may differ from the number's date, so this is said, not refused.
    const QString number = edt_Jumin->text().trimmed(), birth = edt_Birth->dateText();
    if (!ResidentNo::agreesWithBirth(number, birth))
        StatusLine::show(QStringLiteral("주민등록번호 앞 6자리 %1이(가) 생년월일 %2과(와) 다릅니다.").arg(number.left(6), birth));
}

void TfPer0010::edt_NameChange() { edt_NameHanja->setText(edt_Name->text()); }

void TfPer0010::openEndCancel()
{
    // Through the main window's single-instance rule; without a main window (tests) one of our own.
    static QPointer<TfEndCancel> own;
    QWidget* w = nullptr;
    ScreenHost* host = ScreenHost::current();
    if (host && host->hasFactory(QStringLiteral("TfEndCancel")))
        w = host->open(QStringLiteral("TfEndCancel"));
    if (!w) {
        if (!own)
            own = new TfEndCancel(window());
        own->showNormal();
        own->raise();
        w = own;
    }
    if (auto* cancel = qobject_cast<TfEndCancel*>(w)) {
        // The month to reopen is the last one closed.
        const QString m = db::lastClosedMonth();
        cancel->setMonth(QDate(m.left(4).toInt(), m.mid(4, 2).toInt(), 1));
    }
}

void TfPer0010::closeEvent(QCloseEvent* event)
{
    // "종     료" is off while a form is typed; the window's own close button asks instead of losing it.
    if (m_entering
        && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("입력 중인 입관원서가 있습니다.\n저장하지 않고 종료하시겠습니까?"), this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool TfPer0010::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::ContextMenu && m_entering) {
        QMenu menu(this);
        QAction* add = menu.addAction(QStringLiteral("사진첨부"));
        if (menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos()) == add)
            mnuPhotoClick();
        return true;
    }
    if (watched == edt_Birth && event->type() == QEvent::FocusOut)
        edt_BirthExit();
    if (watched == edt_NameEng && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        InputLanguage::set(event->type() == QEvent::FocusIn ? QStringLiteral("ENGLISH") : QStringLiteral("KOREA"));
    }
    if ((watched == DBGrid1 || watched == DBGrid2) && event->type() == QEvent::KeyPress && m_entering) {
        auto* g = static_cast<QTableView*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const int col = g->currentIndex().column();
        const bool appendCol = g == DBGrid1 ? (col == FamName || col == FamBirthday || col == FamJob || col == FamNote
                                                || col == FamWedding)
                                            : col == SugText;
        if (key->key() == Qt::Key_Down && appendCol && g->currentIndex().row() == g->model()->rowCount() - 1) {
            if (g == DBGrid1)
                BitBtn8Click();
            else
                BitBtn10Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
