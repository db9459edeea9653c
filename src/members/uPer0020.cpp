#include "members/uPer0020.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/Session.h"
#include "fees/FeePayments.h"
#include "fitness/Fitness.h"
#include "attendance/Absences.h"
#include "attendance/CheckIns.h"
#include "db/MemberNumber.h"
#include "db/MemberStatus.h"
#include "members/PersonalJournalPanel.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/MemberChooser.h"
#include "ui/StatusLine.h"
#include "ui/InputLanguage.h"
#include "db/SchoolInfo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Col = PersonalJournalPanel::Column;

const char* kTabs[TfPer0020::TabCount] = {"신상명세서", "건의사항", "생활기록", "심사결과", "시상내역", "체력측정",
                                          "출석현황", "수련비납부", "뱃지지급", "상벌점내역", "집중도", "공지사항"};

QStringList column(const char* sql)
{
    QStringList out;
    db::Query q(QString::fromUtf8(sql));
    q.open();
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

// A masked field gives its literals even when nothing was typed: that is an empty value.
QString fieldText(const QLineEdit* e)
{
    const QString t = e->text();
    QString bare = t;
    bare.remove(u'-').remove(u'_');
    return bare.trimmed().isEmpty() ? QString() : t.trimmed();
}

void setComboValue(QComboBox* box, const QVariant& value)
{
    const QString v = value.toString();
    int i = box->findData(v);
    if (i < 0 && !v.isEmpty()) {
        // A code the list no longer holds still shows, and stays as it is unless changed.
        box->addItem(v, v);
        i = box->count() - 1;
    }
    box->setCurrentIndex(i < 0 ? 0 : i);
}

QVBoxLayout* pageLayout(QWidget* page)
{
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    return v;
}

// "yyyy 년 mm 월" choosers of a tab; the years are filled when the screen opens.
QHBoxLayout* yearMonthChooser(QWidget* page, QComboBox** year, QComboBox** month, bool twoDigits)
{
    auto* choose = new QHBoxLayout;
    *year = new QComboBox(page);
    *month = new QComboBox(page);
    for (int m = 1; m <= 12; ++m)
        (*month)->addItem(twoDigits ? QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) : QString::number(m));
    choose->addWidget(*year);
    choose->addWidget(new QLabel(QStringLiteral("년"), page));
    choose->addWidget(*month);
    choose->addWidget(new QLabel(QStringLiteral("월"), page));
    choose->addStretch();
    return choose;
}

// Twelve month cells under their captions "1월" .. "12월".
QGridLayout* monthCells(QWidget* page, QList<QLabel*>* cells)
{
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (int m = 0; m < 12; ++m) {
        auto* cap = new QLabel(QStringLiteral("%1월").arg(m + 1), page);
        cap->setAlignment(Qt::AlignCenter);
        auto* val = new QLabel(page);
        val->setAlignment(Qt::AlignCenter);
        val->setFrameShape(QFrame::Panel);
        val->setFrameShadow(QFrame::Sunken);
        grid->addWidget(cap, 0, m);
        grid->addWidget(val, 1, m);
        cells->append(val);
    }
    return grid;
}

} // namespace

TfPer0020::TfPer0020(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("개인관리"));
    buildUi();
    FormCreate();
}

TfPer0020::~TfPer0020() = default;

TfPer0020* TfPer0020::showMember(const QString& no)
{
    return qobject_cast<TfPer0020*>(ScreenHost::showMember(no));
}

// --- building ------------------------------------------------------------------------------------

void TfPer0020::buildUi()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(3);

    auto* head = new QHBoxLayout;
    Pan_Company = new QLabel(this);
    QFont bold = Pan_Company->font();
    bold.setBold(true);
    Pan_Company->setFont(bold);
    head->addWidget(Pan_Company);
    head->addStretch();
    auto* title = new QLabel(QStringLiteral("개   인   관   리"), this);
    QFont big = bold;
    big.setPointSize(big.pointSize() + 4);
    title->setFont(big);
    head->addWidget(title);
    head->addStretch();
    lbl_No = new QLabel(QStringLiteral("등록번호 :"), this);
    lbl_No->setMinimumWidth(150);
    head->addWidget(lbl_No);
    root->addLayout(head);

    root->addWidget(buildFields());

    TabControl1 = new QTabWidget(this);
    // Twelve tabs fit the window's width; fields that cannot be typed into look so.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; } "
                                 "QLineEdit[readOnly=\"true\"] { background: palette(window); }"));
    for (int t = 0; t < TabCount; ++t) {
        QWidget* page = nullptr;
        switch (t) {
        case TabDetails:
            page = buildDetailsTab();
            break;
        case TabSuggestions:
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Suggestions,
                                            {{QStringLiteral("건 의 일 자"), QStringLiteral("건의일자"), Col::Date, 90},
                                             {QStringLiteral("건 의 내 용"), QStringLiteral("건의사항"), Col::Text, 0}});
            break;
        case TabConduct:
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Conduct,
                                            {{QStringLiteral("기 록 일 자"), QStringLiteral("기록일자"), Col::Date, 90},
                                             {QStringLiteral("생 활 기 록"), QStringLiteral("생활기록"), Col::Phrase, 0}});
            break;
        case TabAwards:
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Awards,
                                            {{QStringLiteral("내 역"), QStringLiteral("비고2"), Col::Chooser, 200},
                                             {QStringLiteral("발 급 일 자"), QStringLiteral("지급일자"), Col::Date, 90},
                                             {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Text, 0}});
            break;
        case TabBadges:
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Badges,
                                            {{QStringLiteral("코드"), QStringLiteral("뱃지코드"), Col::ReadOnly, 50},
                                             {QStringLiteral("내 역"), QStringLiteral("뱃지명"), Col::ReadOnly, 0},
                                             {QStringLiteral("지급"), QStringLiteral("YN"), Col::Tick, 50},
                                             {QStringLiteral("지 급 일 자"), QStringLiteral("지급일자"), Col::ReadOnly, 100}});
            break;
        case TabPoints:
            page = buildPointsTab();
            break;
        case TabNotices:
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Notices,
                                            {{QStringLiteral("공 지 일 자"), QStringLiteral("공지일자"), Col::Date, 90},
                                             {QStringLiteral("개 인 심 사 평 가 공 지 사 항"), QStringLiteral("공지사항"), Col::Phrase, 0}});
            break;
        case TabExams: {
            const QStringList criteria = PersonalRecord::examCriteria();
            QList<Col> cols = {{QStringLiteral("띠색"), QStringLiteral("띠색"), Col::ReadOnly, 45},
                               {QStringLiteral("급품"), QStringLiteral("급품명"), Col::ReadOnly, 55},
                               {QStringLiteral("심사명"), QStringLiteral("심사명"), Col::Text, 45, {}, 6},
                               {QStringLiteral("단증번호"), QStringLiteral("단증번호"), Col::Text, 70, {}, 8},
                               {QStringLiteral("승급일자"), QStringLiteral("승급일자"), Col::ReadOnly, 80},
                               {QStringLiteral("심사일자"), QStringLiteral("심사일자"), Col::Date, 80}};
            for (int i = 0; i < 6; ++i)
                cols.append({criteria[i], QStringLiteral("E%1").arg(i + 1), Col::Text, 42, {}, 3});
            cols.append({QStringLiteral("출석률"), QStringLiteral("출석률"), Col::Text, 45, {}, 3});
            cols.append({QStringLiteral("승벌점"), QStringLiteral("승벌점"), Col::Text, 45, {}, 4});
            cols.append({QStringLiteral("평균"), QStringLiteral("평균"), Col::Text, 40, {}, 3});
            cols.append({QStringLiteral("심사결과평가내용"), QStringLiteral("심사결과평가내용"), Col::ReadOnly, 200});
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Exams, cols);
            break;
        }
        case TabFitness:
            page = buildFitnessTab();
            break;
        case TabAttendance:
            page = buildAttendanceTab();
            break;
        case TabFees:
            page = buildFeesTab();
            break;
        case TabConcentration: {
            QList<Col> cols = {{QStringLiteral("측정일자"), QStringLiteral("측정일자"), Col::ReadOnly, 80}};
            const char* groups[] = {"시각", "청각", "종합"};
            const char* kinds[] = {"본인", "나이", "기간", "전체"};
            const char* kindTitles[] = {"자신", "나이", "기간", "전체"};
            for (int g = 0; g < 3; ++g)
                for (int k = 0; k < 4; ++k)
                    cols.append({QString::fromUtf8(groups[g]) + u' ' + QString::fromUtf8(kindTitles[k]),
                                 QString::fromUtf8(groups[g]) + QString::fromUtf8(kinds[k]) + QStringLiteral("평균"), Col::ReadOnly, 48});
            page = new PersonalJournalPanel(&m_record, PersonalRecord::Concentration, cols);
            break;
        }
        default:
            page = new QWidget;
            break;
        }
        if (auto* p = qobject_cast<PersonalJournalPanel*>(page))
            m_panels.insert(p->list(), p);
        TabControl1->addTab(page, QString::fromUtf8(kTabs[t]));
        if (listOfTab(t) == PersonalRecord::ListCount && t != TabDetails)
            TabControl1->setTabEnabled(t, false);
    }
    for (PersonalJournalPanel* p : std::as_const(m_panels)) {
        const PersonalRecord::List l = p->list();
        connect(p, &PersonalJournalPanel::addClicked, this, [this, l] { ListAddClick(l); });
        connect(p, &PersonalJournalPanel::deleteClicked, this, [this, l] { ListDeleteClick(l); });
        connect(p, &PersonalJournalPanel::cancelClicked, this, [this, l] { ListCancelClick(l); });
    }
    // The middle button of the badges does nothing; the concentration tab is read only.
    m_panels.value(PersonalRecord::Badges)->btnDelete->hide();
    m_panels.value(PersonalRecord::Exams)->btnAdd->hide();
    root->addWidget(TabControl1, 1);

    auto* bar = new QHBoxLayout;
    auto button = [this, bar](const QString& caption) {
        auto* b = new QPushButton(caption, this);
        bar->addWidget(b);
        return b;
    };
    Btn_Insert = button(QStringLiteral("입     력"));
    Btn_Query = button(QStringLiteral("조     회"));
    Btn_Edit = button(QStringLiteral("수     정"));
    Btn_Delete = button(QStringLiteral("삭    제"));
    Btn_Ok = button(QStringLiteral("확     인"));
    Btn_Cancel = button(QStringLiteral("취     소"));
    btn_Exit = button(QStringLiteral("종     료"));
    bar->addStretch();
    btn_Prev = button(QStringLiteral("◀"));
    btn_Next = button(QStringLiteral("▶"));
    btn_Prev->setFixedWidth(32);
    btn_Next->setFixedWidth(32);
    root->addLayout(bar);
    Btn_Insert->setEnabled(false);
    Btn_Query->setEnabled(false);

    connect(Btn_Edit, &QPushButton::clicked, this, &TfPer0020::Btn_EditClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfPer0020::Btn_OkClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfPer0020::Btn_CancelClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfPer0020::Btn_DeleteClick);
    connect(btn_Exit, &QPushButton::clicked, this, &TfPer0020::btn_ExitClick);
    connect(btn_Prev, &QPushButton::clicked, this, &TfPer0020::btn_PrevClick);
    connect(btn_Next, &QPushButton::clicked, this, &TfPer0020::btn_NextClick);
    connect(TabControl1, &QTabWidget::currentChanged, this, [this] { TabControl1Change(); });
}

QWidget* TfPer0020::buildFields()
{
    auto* box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(4, 3, 4, 3);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);

    auto place = [&](int row, int col, const QString& caption, QWidget* w, int span = 1) {
        g->addWidget(new QLabel(caption, box), row, col * 2);
        g->addWidget(w, row, col * 2 + 1, 1, span);
    };
    auto text = [&](const QString& column, int maxLength, const QString& mask = QString()) {
        auto* e = new QLineEdit(box);
        e->setMaxLength(maxLength);
        if (!mask.isEmpty())
            e->setInputMask(mask);
        m_fields.insert(column, e);
        return e;
    };
    auto choice = [&](const QString& column, const QStringList& items) {
        auto* c = new QComboBox(box);
        c->addItem(QString(), QString());
        for (const QString& i : items)
            c->addItem(i, i);
        m_fields.insert(column, c);
        return c;
    };
    auto codes = [&](const QString& column) {
        auto* c = new QComboBox(box);
        m_fields.insert(column, c);
        return c;
    };

    QStringList grades;
    for (const char* s : {"유치 4", "유치 5", "유치 6", "유치 7", "초등 1", "초등 2", "초등 3", "초등 4", "초등 5", "초등 6", "중등 1",
                          "중등 2", "중등 3", "고등 1", "고등 2", "고등 3", "대학교", "일반"})
        grades.append(QString::fromUtf8(s));
    QStringList classes;
    for (int i = 1; i <= 11; ++i)
        classes.append(QString::number(i));

    place(0, 0, QStringLiteral("이   름"), text(QStringLiteral("회원명"), 10));
    auto* eng = text(QStringLiteral("회원명영"), 30);
    eng->installEventFilter(this); // Latin letters while the cursor is in it
    place(0, 1, QStringLiteral("영문이름"), eng);
    place(0, 2, QStringLiteral("한자"), text(QStringLiteral("회원명한문"), 10));
    place(0, 3, QStringLiteral("성   별"), choice(QStringLiteral("성별"), {QStringLiteral("남"), QStringLiteral("여")}));

    auto date = [&](const QString& column) {
        auto* d = new DateEdit(box);
        d->setAllowEmpty(true);
        m_fields.insert(column, d);
        return d;
    };
    place(1, 0, QStringLiteral("생년월일"), date(QStringLiteral("생년월일")));
    place(1, 1, QStringLiteral("양/음"), choice(QStringLiteral("양력음력"), {QStringLiteral("양"), QStringLiteral("음")}));
    auto* resident = text(QStringLiteral("주민등록번호"), 14, QStringLiteral("999999-9999999;_"));
    resident->setMinimumWidth(120);
    place(1, 2, QStringLiteral("주민번호"), resident);
    place(1, 3, QStringLiteral("부별"), codes(QStringLiteral("부별코드")));

    place(2, 0, QStringLiteral("입관일"), date(QStringLiteral("입관일")));
    place(2, 1, QStringLiteral("최초입관일"), text(QStringLiteral("최초입관일"), 10));
    place(2, 2, QStringLiteral("현급"), codes(QStringLiteral("급품코드")));
    place(2, 3, QStringLiteral("학   교"), text(QStringLiteral("학교"), 20));

    place(3, 0, QStringLiteral("학년"), choice(QStringLiteral("학년"), grades));
    place(3, 1, QStringLiteral("반"), choice(QStringLiteral("반"), classes));
    place(3, 2, QStringLiteral("지   역"), codes(QStringLiteral("지역코드")));
    place(3, 3, QStringLiteral("입관동기"), codes(QStringLiteral("입관동기코드")));

    place(4, 0, QStringLiteral("전화"), text(QStringLiteral("전화번호"), 9, QStringLiteral("9999-9999;_")));
    place(4, 1, QStringLiteral("HP"), text(QStringLiteral("핸드폰번호"), 20));
    com_Zip = codes(QStringLiteral("우편번호"));
    com_Zip->setMaxVisibleItems(20);
    place(4, 2, QStringLiteral("우편번호"), com_Zip);
    place(4, 3, QStringLiteral("학 원 수 강"), text(QStringLiteral("타학원수강"), 200));

    // The address takes three columns: a street, building and flat read whole.
    place(5, 0, QStringLiteral("주   소"), text(QStringLiteral("주소"), 50), 3);
    place(5, 2, QStringLiteral("기         타"), text(QStringLiteral("기타사항"), 255), 3);

    com_Course = codes(QStringLiteral("코스코드"));
    com_Place = codes(QStringLiteral("장소코드"));
    com_Time = codes(QStringLiteral("시간"));
    place(6, 0, QStringLiteral("탑 승 코 스"), com_Course);
    place(6, 1, QStringLiteral("장소"), com_Place);
    place(6, 2, QStringLiteral("시간"), com_Time);

    auto* chooser = new QHBoxLayout;
    btn_Choose = new QPushButton(QStringLiteral(".."), box);
    btn_Choose->setFixedWidth(28);
    btn_Choose->setToolTip(QStringLiteral("회원 선택"));
    chooser->addWidget(btn_Choose);
    // Typing a name (or part of the number) finds the member; ".." lists them all.
    Name_Change = new MemberChooser(MemberStatus::notWithdrawn(QStringLiteral("a")), box);
    Name_Change->setMinimumWidth(120);
    chooser->addWidget(Name_Change);
    chooser->addStretch();
    g->addLayout(chooser, 6, 6, 1, 2);

    img_Photo = new QLabel(box);
    img_Photo->setFixedSize(96, 120);
    img_Photo->setFrameShape(QFrame::Box);
    img_Photo->setAlignment(Qt::AlignCenter);
    img_Photo->setContextMenuPolicy(Qt::CustomContextMenu);
    g->addWidget(img_Photo, 0, 8, 6, 1);
    g->setColumnStretch(7, 1);

    connect(img_Photo, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* attach = menu.addAction(QStringLiteral("사진첨부"));
        attach->setEnabled(m_editing);
        if (menu.exec(img_Photo->mapToGlobal(at)) == attach)
            PhotoAttachClick();
    });
    connect(btn_Choose, &QPushButton::clicked, this, &TfPer0020::btn_ChooseClick);
    connect(Name_Change, &MemberChooser::memberChosen, this, &TfPer0020::Name_ChangeClick);
    connect(com_Course, qOverload<int>(&QComboBox::activated), this, [this] {
        loadStops(false);
        loadTimes(false);
    });
    connect(com_Place, qOverload<int>(&QComboBox::activated), this, [this] { loadTimes(false); });
    return box;
}

QWidget* TfPer0020::buildDetailsTab()
{
    auto* page = new QWidget;
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(0, 0, 0, 0);
    auto* family = new PersonalJournalPanel(
        &m_record, PersonalRecord::Family,
        {{QStringLiteral("관  계"), QStringLiteral("관계"), Col::Phrase, 60,
          {QStringLiteral("조부"), QStringLiteral("조모"), QStringLiteral("부"), QStringLiteral("모"), QStringLiteral("형제")}, 8},
         {QStringLiteral("성  명"), QStringLiteral("성명"), Col::Text, 70, {}, 20},
         {QStringLiteral("생 년 월 일"), QStringLiteral("생일"), Col::Date, 82},
         {QStringLiteral("양/음"), QStringLiteral("양력음력"), Col::Choice, 40, {QStringLiteral("양"), QStringLiteral("음")}},
         {QStringLiteral("직  업"), QStringLiteral("직업"), Col::Text, 70, {}, 20},
         {QStringLiteral("비  고"), QStringLiteral("비고"), Col::Text, 0},
         {QStringLiteral("결혼기념일"), QStringLiteral("결혼기념일"), Col::Date, 82}},
        page);
    m_panels.insert(PersonalRecord::Family, family);
    h->addWidget(family, 1);

    auto* status = new QGroupBox(page);
    auto* g = new QGridLayout(status);
    g->setVerticalSpacing(2);
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("휴 관 일 자"), QStringLiteral("최종휴관일")},     {QStringLiteral("퇴 관 일 자"), QStringLiteral("최종퇴관일")},
        {QStringLiteral("휴 관 사 유"), QStringLiteral("최종휴관사유코드")}, {QStringLiteral("퇴 관 사 유"), QStringLiteral("최종퇴관사유코드")},
        {QStringLiteral("휴관==>복관일"), QStringLiteral("복관일휴")},     {QStringLiteral("퇴관==>복관일"), QStringLiteral("복관일퇴")}};
    int r = 0;
    for (const auto& [caption, col] : rows) {
        g->addWidget(new QLabel(caption, status), r, 0);
        auto* e = new QLineEdit(status);
        e->setReadOnly(true);
        e->setFixedWidth(100);
        m_fields.insert(col, e);
        g->addWidget(e, r++, 1);
    }
    // An e-mail address under its caption, across the box: wide enough for the usual address.
    g->addWidget(new QLabel(QStringLiteral("E-mail"), status), r++, 0);
    auto* mail = new QLineEdit(status);
    mail->setMaxLength(50);
    mail->setMinimumWidth(mail->fontMetrics().horizontalAdvance(QString(26, u'm')));
    m_fields.insert(QStringLiteral("이메일"), mail);
    g->addWidget(mail, r, 0, 1, 2);
    h->addWidget(status);
    return page;
}

QWidget* TfPer0020::buildPointsTab()
{
    auto* page = new QWidget;
    auto* v = pageLayout(page);
    v->addLayout(yearMonthChooser(page, &com_PointYear, &com_PointMonth, true));

    auto* panel = new PersonalJournalPanel(&m_record, PersonalRecord::Points,
                                           {{QStringLiteral("내 역"), QStringLiteral("비고2"), Col::Chooser, 220},
                                            {QStringLiteral("상벌점 일자"), QStringLiteral("벌점일자"), Col::Date, 90},
                                            {QStringLiteral("점수"), QStringLiteral("벌점수"), Col::ReadOnly, 60}},
                                           page);
    panel->setRowFilter([this] {
        return m_record.pointRows(com_PointYear->currentText().toInt(), com_PointMonth->currentText().toInt());
    });
    m_panels.insert(PersonalRecord::Points, panel);
    v->addWidget(panel, 1);

    QGridLayout* sums = monthCells(page, &lbl_PointMonths);
    lbl_PointSum = new QLabel(page);
    lbl_PointSum->setFrameShape(QFrame::Panel);
    lbl_PointSum->setFrameShadow(QFrame::Sunken);
    lbl_PointSum->setMinimumWidth(150);
    sums->addWidget(lbl_PointSum, 0, 12, 2, 1);
    v->addLayout(sums);

    connect(com_PointYear, qOverload<int>(&QComboBox::activated), this, [this] { PointYearMonthChange(); });
    connect(com_PointMonth, qOverload<int>(&QComboBox::activated), this, [this] { PointYearMonthChange(); });
    return page;
}

QTableWidget* TfPer0020::smallTable(int rows, const QStringList& columns, QWidget* parent)
{
    auto* t = new QTableWidget(rows, int(columns.size()), parent);
    t->setHorizontalHeaderLabels(columns);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns.size(); ++c) {
            auto* it = new QTableWidgetItem;
            it->setTextAlignment(Qt::AlignCenter);
            t->setItem(r, c, it);
        }
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + rows * t->verticalHeader()->defaultSectionSize() + 4);
    return t;
}

QWidget* TfPer0020::buildFitnessTab()
{
    auto* page = new QWidget;
    auto* v = pageLayout(page);
    const QStringList labels = fitness::itemLabels(6);
    QList<Col> cols = {{QStringLiteral("측정일자"), QStringLiteral("측정일자"), Col::ReadOnly, 80}};
    for (int i = 1; i <= fitness::kItems; ++i)
        cols.append({labels.value(i - 1).isEmpty() ? fitness::itemCode(i) : labels.value(i - 1), fitness::itemCode(i), Col::Text, 48, {}, 6});
    cols.append({QStringLiteral("비만도"), QStringLiteral("비만도"), Col::ReadOnly, 50});
    auto* panel = new PersonalJournalPanel(&m_record, PersonalRecord::Fitness, cols, page);
    m_panels.insert(PersonalRecord::Fitness, panel);
    v->addWidget(panel, 1);

    QStringList heads = {QString()};
    for (int i = 1; i <= fitness::kItems; ++i)
        heads.append(labels.value(i - 1).isEmpty() ? fitness::itemCode(i) : labels.value(i - 1));
    heads.append(QStringLiteral("비만도"));
    grd_FitCompare = smallTable(4, heads, page);
    grd_FitCompare->verticalHeader()->setVisible(false);
    const char* rows[] = {"최초측정", "문 체 부", "증     감", "체 육 관"};
    for (int r = 0; r < 4; ++r)
        grd_FitCompare->item(r, 0)->setText(QString::fromUtf8(rows[r]));
    grd_FitCompare->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    v->addWidget(grd_FitCompare);
    lbl_A13 = new QLabel(page);
    v->addWidget(lbl_A13);
    return page;
}

QWidget* TfPer0020::buildAttendanceTab()
{
    auto* page = new QWidget;
    auto* v = pageLayout(page);
    v->addLayout(yearMonthChooser(page, &com_AbsYear, &com_AbsMonth, false));

    auto* panel = new PersonalJournalPanel(
        &m_record, PersonalRecord::Absences,
        {{QStringLiteral("결 석 일 자"), QStringLiteral("결석일자"), Col::Date, 90},
         {QStringLiteral("결 석 사 유"), QStringLiteral("비고2"), Col::Chooser, 200},
         {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Phrase, 0,
          {QStringLiteral("본인"), QStringLiteral("부모"), QStringLiteral("친척"), QStringLiteral("기타")}}},
        page);
    panel->setRowFilter([this] { return m_record.absenceRows(com_AbsYear->currentText().toInt(), com_AbsMonth->currentText().toInt()); });
    m_panels.insert(PersonalRecord::Absences, panel);
    v->addWidget(panel, 1);

    QStringList months = {QString()};
    for (int m = 1; m <= 12; ++m)
        months.append(QStringLiteral("%1월").arg(m));
    grd_AbsCount = smallTable(2, months, page);
    grd_AbsCount->verticalHeader()->setVisible(false);
    grd_AbsCount->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    v->addWidget(grd_AbsCount);
    lbl_CheckIns = new QLabel(page);
    lbl_CheckIns->setObjectName(QStringLiteral("lbl_CheckIns"));
    v->addWidget(lbl_CheckIns);

    connect(com_AbsYear, qOverload<int>(&QComboBox::activated), this, [this] { AbsenceYearChange(); });
    connect(com_AbsMonth, qOverload<int>(&QComboBox::activated), this, [this] { AbsenceMonthChange(); });
    return page;
}

QWidget* TfPer0020::buildFeesTab()
{
    auto* page = new QWidget;
    auto* v = pageLayout(page);
    auto* top = new QHBoxLayout;
    auto field = [&](const QString& caption, const QString& column, int maxLength, int width) {
        top->addWidget(new QLabel(caption, page));
        auto* e = new QLineEdit(page);
        e->setMaxLength(maxLength);
        e->setFixedWidth(width);
        m_fields.insert(column, e);
        top->addWidget(e);
    };
    field(QStringLiteral("납 부 일 자"), QStringLiteral("납부일자"), 2, 40);
    field(QStringLiteral("수   련   비"), QStringLiteral("수련비"), 9, 80);
    field(QStringLiteral("납부은행"), QStringLiteral("납부은행"), 20, 120);
    top->addStretch();
    com_FeeYear = new QComboBox(page);
    top->addWidget(com_FeeYear);
    top->addWidget(new QLabel(QStringLiteral("년"), page));
    v->addLayout(top);

    v->addLayout(monthCells(page, &lbl_FeeMonths));

    auto* panel = new PersonalJournalPanel(&m_record, PersonalRecord::Fees,
                                           {{QStringLiteral("년 월 분"), QStringLiteral("년월분"), Col::Text, 70, {}, 6},
                                            {QStringLiteral("납 부 일 자"), QStringLiteral("납부일자"), Col::Date, 90},
                                            {QStringLiteral("금 액"), QStringLiteral("납부액"), Col::Money, 90, {}, 11},
                                            {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Text, 0}},
                                           page);
    panel->setRowFilter([this] { return m_record.feeRows(com_FeeYear->currentText().toInt()); });
    m_panels.insert(PersonalRecord::Fees, panel);
    v->addWidget(panel, 1);
    connect(com_FeeYear, qOverload<int>(&QComboBox::activated), this, [this] { FeeYearChange(); });
    return page;
}

// --- opening and showing -------------------------------------------------------------------------

void TfPer0020::FormCreate()
{
    resize(788, 480);
    move(0, 0);
    Pan_Company->setText(SchoolInfo::name());
    loadLists();
    const int year = Clock::today().year();
    for (QComboBox* box : {com_PointYear, com_AbsYear, com_FeeYear}) {
        box->addItem(QString::number(year - 1));
        box->addItem(QString::number(year));
    }
    loadMemberList();
    setEditing(false);
    Refill();
}

void TfPer0020::loadLists()
{
    auto fill = [this](const QString& column, const QString& sql, const QString& code, const QString& name) {
        auto* box = qobject_cast<QComboBox*>(m_fields.value(column));
        const QSignalBlocker block(box);
        box->clear();
        box->addItem(QString(), QString());
        db::Query q(sql);
        q.open();
        while (q.next())
            box->addItem(q.str(name), q.str(code));
    };
    fill(QStringLiteral("급품코드"), QStringLiteral("SELECT * FROM T_급품코드 ORDER BY 급품코드"), QStringLiteral("급품코드"),
         QStringLiteral("급품명"));
    fill(QStringLiteral("지역코드"), QStringLiteral("SELECT * From T_지역코드 Order by  지역명"), QStringLiteral("지역코드"),
         QStringLiteral("지역명"));
    fill(QStringLiteral("부별코드"), QStringLiteral("SELECT * From T_부별코드 ORDER BY 부별코드"), QStringLiteral("부별코드"),
         QStringLiteral("부명"));
    fill(QStringLiteral("입관동기코드"), QStringLiteral("select * from T_입관동기 ORDER BY 사유코드"), QStringLiteral("사유코드"),
         QStringLiteral("사유명"));
    {
        const QSignalBlocker block(com_Zip);
        com_Zip->clear();
        com_Zip->addItem(QString(), QString());
        db::Query q(QStringLiteral("SELECT 우편번호,동 FROM T_우편번호 ORDER BY 우편번호"));
        q.open();
        while (q.next())
            com_Zip->addItem(q.str(QStringLiteral("우편번호")) + u')' + q.str(QStringLiteral("동")), q.str(QStringLiteral("우편번호")));
    }
    com_Course->clear();
    com_Course->addItem(QString(), QString());
    if (db::tableExists(QStringLiteral("T_코스코드"))) {
        db::Query q(QStringLiteral("SELECT   코스코드   , 코스이름 FROM   T_코스코드 ORDER BY 코스이름"));
        q.open();
        while (q.next())
            com_Course->addItem(q.str(QStringLiteral("코스이름")), q.str(QStringLiteral("코스코드")));
    }
    m_panels.value(PersonalRecord::Conduct)
        ->setItems(QStringLiteral("생활기록"), column("select 생활기록문항 from T_생활기록문항 ORDER BY 생활기록문항"));
    m_panels.value(PersonalRecord::Notices)
        ->setItems(QStringLiteral("공지사항"),
                   column("select 심사평가공지사항 from T_심사평가공지사항문항 ORDER BY 심사평가공지사항"));
}

void TfPer0020::loadStops(bool keepValue)
{
    const QString keep = keepValue ? m_record.field(QStringLiteral("장소코드")).toString() : QString();
    com_Place->clear();
    com_Place->addItem(QString(), QString());
    const QString course = com_Course->currentData().toString();
    if (!course.isEmpty() && db::tableExists(QStringLiteral("T_장소코드"))) {
        db::Query q;
        q << " SELECT * FROM  T_장소코드 " << " WHERE    코스코드 =:코스코드  " << " ORDER BY 장소코드";
        q.bind(QStringLiteral("코스코드"), course).open();
        while (q.next())
            com_Place->addItem(q.str(QStringLiteral("장소")), q.str(QStringLiteral("장소코드")));
    }
    setComboValue(com_Place, keep);
}

void TfPer0020::loadTimes(bool keepValue)
{
    const QString keep = keepValue ? m_record.field(QStringLiteral("시간")).toString() : QString();
    com_Time->clear();
    com_Time->addItem(QString(), QString());
    const QString course = com_Course->currentData().toString();
    const QString stop = com_Place->currentData().toString();
    if (!course.isEmpty() && !stop.isEmpty() && db::tableExists(QStringLiteral("T_시간코드"))) {
        db::Query q;
        q << " SELECT * FROM  T_시간코드 " << " WHERE    코스코드 =:코스코드  " << " AND      장소코드 =:장소코드  " << " ORDER BY 시간";
        q.bind({{QStringLiteral("코스코드"), course}, {QStringLiteral("장소코드"), stop}}).open();
        while (q.next())
            com_Time->addItem(q.str(QStringLiteral("시간")), q.str(QStringLiteral("시간")));
    }
    if (keepValue)
        setComboValue(com_Time, keep);
    else
        com_Time->setCurrentIndex(com_Time->count() > 1 ? 1 : 0); // the stop's time
}

void TfPer0020::loadMemberList()
{
    m_members = PersonalRecord::memberList();
    Name_Change->reload();
    m_position = -1;
    for (int i = 0; i < m_members.size(); ++i)
        if (m_members[i].first == Session::selectedMemberNo())
            m_position = i;
}

void TfPer0020::Refill(bool force)
{
    if (m_refilling)
        return;
    const QString no = Session::selectedMemberNo().trimmed();
    if (!force && no == m_lastShown)
        return;
    if (no != m_lastShown && !confirmLeavingEdits()) {
        Session::setSelectedMemberNo(m_lastShown);
        return;
    }
    m_refilling = true;
    if (m_editing)
        setEditing(false);
    m_picture.clear();
    m_lastShown = no;
    m_record.load(no);
    for (int i = 0; i < m_members.size(); ++i)
        if (m_members[i].first == no)
            m_position = i;
    showFields();
    showPhoto();
    {
        const QSignalBlocker by(com_PointYear), bm(com_PointMonth), ay(com_AbsYear), am(com_AbsMonth), fy(com_FeeYear);
        com_PointYear->setCurrentIndex(com_PointYear->count() - 1);
        com_PointMonth->setCurrentIndex(Clock::today().month() - 1);
        com_AbsYear->setCurrentIndex(com_AbsYear->count() - 1);
        com_AbsMonth->setCurrentIndex(Clock::today().month() - 1);
        com_FeeYear->setCurrentIndex(com_FeeYear->count() - 1);
    }
    showPointSums();
    showAbsenceCounts(Clock::today().year());
    showCheckIns();
    showFeeMarks(Clock::today().year());
    showFitnessComparison();
    Name_Change->clear(); // ready for the next name
    m_refilling = false;
    TabControl1Change();
}

bool TfPer0020::confirmLeavingEdits()
{
    if (!m_editing || !m_record.anyChange())
        return true;
    return Dialogs::yesNo(QStringLiteral("확인"),
                          QStringLiteral("수정 중인 자료가 저장되지 않았습니다.\n저장하지 않고 다른 회원을 보시겠습니까?"), this,
                          QMessageBox::Warning);
}

void TfPer0020::showFields()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QVariant v = m_record.field(it.key());
        if (auto* e = qobject_cast<QLineEdit*>(it.value())) {
            e->setText(v.toString());
            e->setCursorPosition(0); // a long address shows its beginning
        } else if (auto* d = qobject_cast<DateEdit*>(it.value()))
            d->setDateText(v.toString());
        else if (auto* c = qobject_cast<QComboBox*>(it.value()); c && c != com_Place && c != com_Time)
            setComboValue(c, v);
    }
    // Status reasons by name.
    for (const char* col : {"최종휴관사유코드", "최종퇴관사유코드"}) {
        const QString code = m_record.field(QString::fromUtf8(col)).toString();
        const QString name = code.isEmpty() ? QString()
                                            : db::scalar(QStringLiteral("SELECT 휴퇴사유 FROM T_휴퇴사유 WHERE 휴퇴사유코드 = :c"),
                                                         {{QStringLiteral("c"), code}})
                                                  .toString();
        qobject_cast<QLineEdit*>(m_fields.value(QString::fromUtf8(col)))->setText(name.isEmpty() ? code : name);
    }
    loadStops(true);
    loadTimes(true);
    lbl_No->setText(QStringLiteral("등록번호 : ") + (m_record.onLeave() ? QStringLiteral("휴관자") : m_record.memberNo()));
}

void TfPer0020::showPhoto()
{
    img_Photo->clear();
    const QString file = !m_picture.isEmpty() ? m_picture
                         : m_record.loaded() ? MemberNumber::photoPath(m_record.memberNo())
                                             : QString();
    if (file.isEmpty() || !QFile::exists(file))
        return;
    const QPixmap pix(file);
    if (!pix.isNull())
        img_Photo->setPixmap(pix.scaled(img_Photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TfPer0020::showPointSums()
{
    const PersonalRecord::PointSums s = m_record.pointSums(com_PointYear->currentText().toInt());
    for (int m = 0; m < 12; ++m)
        lbl_PointMonths[m]->setText(s.months.value(m));
    lbl_PointSum->setText(m_record.loaded() ? s.summary() : QString());
}

void TfPer0020::showAbsenceCounts(int year)
{
    const auto counts = m_record.absenceCounts(year);
    for (int r = 0; r < 2; ++r) {
        grd_AbsCount->item(r, 0)->setText(QString::number(year - 1 + r) + QStringLiteral(" 년"));
        for (int m = 0; m < 12; ++m)
            grd_AbsCount->item(r, m + 1)->setText(m_record.loaded() ? QString::number(counts[r][m]) : QString());
    }
}

void TfPer0020::showCheckIns()
{
    const int year = com_AbsYear->currentText().toInt(), month = com_AbsMonth->currentText().toInt();
    if (!m_record.loaded() || year <= 0 || month < 1 || month > 12) {
        lbl_CheckIns->clear();
        return;
    }
    const CheckIns::MonthAttendance a = CheckIns::monthOf(m_record.memberNo(), year, month);
    lbl_CheckIns->setText(QStringLiteral("%1년 %2월 출석체크 : %3일 / 운영 %4일").arg(year).arg(month).arg(a.daysCheckedIn).arg(a.daysOpen));
}

void TfPer0020::showFeeMarks(int year)
{
    const QStringList marks = m_record.feeMarks(year);
    for (int m = 0; m < 12; ++m)
        lbl_FeeMonths[m]->setText(marks.value(m));
}

void TfPer0020::showFitnessComparison()
{
    const PersonalRecord::FitnessComparison c = m_record.fitnessComparison();
    const QList<QStringList> rows = {c.first, c.national, c.change, c.school};
    for (int r = 0; r < rows.size(); ++r)
        for (int i = 0; i < rows[r].size(); ++i)
            grd_FitCompare->item(r, i + 1)->setText(rows[r][i]);
    grd_FitCompare->item(0, 0)->setText(c.firstDate.isEmpty() ? QStringLiteral("최초측정") : c.firstDate);
    lbl_A13->setText(c.nationalA13.isEmpty() ? QString() : QStringLiteral("문체부 비만도 : ") + c.nationalA13);
}

PersonalRecord::List TfPer0020::listOfTab(int tab)
{
    switch (tab) {
    case TabDetails: return PersonalRecord::Family;
    case TabSuggestions: return PersonalRecord::Suggestions;
    case TabConduct: return PersonalRecord::Conduct;
    case TabAwards: return PersonalRecord::Awards;
    case TabBadges: return PersonalRecord::Badges;
    case TabPoints: return PersonalRecord::Points;
    case TabNotices: return PersonalRecord::Notices;
    case TabExams: return PersonalRecord::Exams;
    case TabFitness: return PersonalRecord::Fitness;
    case TabAttendance: return PersonalRecord::Absences;
    case TabFees: return PersonalRecord::Fees;
    case TabConcentration: return PersonalRecord::Concentration;
    default: return PersonalRecord::ListCount;
    }
}

int TfPer0020::currentPage() const { return TabControl1->currentIndex(); }

void TfPer0020::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= TabCount || !TabControl1->isTabEnabled(index))
        return;
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(index);
    }
    if (runChange)
        TabControl1Change();
}

void TfPer0020::TabControl1Change()
{
    const PersonalRecord::List l = listOfTab(TabControl1->currentIndex());
    if (l == PersonalRecord::ListCount)
        return;
    // A list with unsaved rows is kept as it is (PersonalRecord::openList).
    m_record.openList(l);
    const bool toLast = l == PersonalRecord::Suggestions || l == PersonalRecord::Conduct || l == PersonalRecord::Awards
                        || l == PersonalRecord::Points || l == PersonalRecord::Absences;
    showList(l, toLast);
}

void TfPer0020::showList(PersonalRecord::List l, bool toLast)
{
    PersonalJournalPanel* p = m_panels.value(l);
    if (!p)
        return;
    p->refresh();
    if (toLast)
        p->moveToLast();
    else
        p->moveToFirst();
}

void TfPer0020::PointYearMonthChange()
{
    showList(PersonalRecord::Points, true);
    showPointSums();
}

void TfPer0020::AbsenceYearChange()
{
    showList(PersonalRecord::Absences, true);
    showAbsenceCounts(com_AbsYear->currentText().toInt());
    showCheckIns();
}

void TfPer0020::AbsenceMonthChange()
{
    showList(PersonalRecord::Absences, true);
    showCheckIns();
}

void TfPer0020::FeeYearChange()
{
    showList(PersonalRecord::Fees, false);
    showFeeMarks(com_FeeYear->currentText().toInt());
}

// --- choosing a member ---------------------------------------------------------------------------

void TfPer0020::btn_ChooseClick() { Name_Change->showAll(); }

void TfPer0020::Name_ChangeClick(const QString& no)
{
    if (no.isEmpty())
        return;
    Session::setSelectedMemberNo(no);
    Refill();
}

void TfPer0020::moveTo(int index)
{
    m_position = index;
    Session::setSelectedMemberNo(m_members[index].first);
    Refill();
}

void TfPer0020::btn_NextClick()
{
    if (m_position + 1 >= m_members.size()) {
        Dialogs::error(QStringLiteral("자료 확인"), QStringLiteral("자료의 끝입니다."), this);
        return;
    }
    moveTo(m_position + 1);
}

void TfPer0020::btn_PrevClick()
{
    if (m_position <= 0) {
        Dialogs::error(QStringLiteral("자료 확인"), QStringLiteral("자료의 처음입니다."), this);
        return;
    }
    moveTo(m_position - 1);
}

// --- editing -------------------------------------------------------------------------------------

void TfPer0020::chgEdBoxState()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QString& col = it.key();
        const bool never = col == u"최초입관일" || col.startsWith(u"최종") || col.startsWith(u"복관일");
        if (auto* e = qobject_cast<QLineEdit*>(it.value())) {
            e->setReadOnly(!m_editing || never);
            e->style()->unpolish(e); // the look follows the read-only state
            e->style()->polish(e);
        } else if (auto* d = qobject_cast<DateEdit*>(it.value())) {
            d->setReadOnly(!m_editing);
        } else
            it.value()->setEnabled(m_editing);
    }
    for (PersonalJournalPanel* p : std::as_const(m_panels))
        p->setEditing(m_editing && p->list() != PersonalRecord::Concentration);
    m_panels.value(PersonalRecord::Badges)->grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TfPer0020::chgButtonState()
{
    Btn_Ok->setEnabled(m_editing);
    Btn_Cancel->setEnabled(m_editing);
    btn_Exit->setEnabled(!m_editing);
    // Another member is chosen only after the edits are written or dropped.
    btn_Prev->setEnabled(!m_editing);
    btn_Next->setEnabled(!m_editing);
    btn_Choose->setEnabled(!m_editing);
    Name_Change->setEnabled(!m_editing);
}

void TfPer0020::setEditing(bool on)
{
    m_editing = on;
    chgEdBoxState();
    chgButtonState();
}

void TfPer0020::setFieldText(const QString& column, const QString& text)
{
    QWidget* w = m_fields.value(column);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* d = qobject_cast<DateEdit*>(w))
        d->setDateText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        int i = c->findData(text);
        if (i < 0)
            i = c->findText(text);
        c->setCurrentIndex(i);
    }
}

void TfPer0020::Btn_EditClick()
{
    if (m_record.onLeave()) {
        Dialogs::info(QString(), QStringLiteral("휴관자료는 수정할 수 없습니다."), this);
        return;
    }
    if (!m_record.hasName()) {
        Dialogs::info(QString(), QStringLiteral("회원명을 입력해 주십시요."), this);
        return;
    }
    m_panels.value(PersonalRecord::Awards)->setItems(QStringLiteral("비고2"), PersonalRecord::awardItems());
    m_panels.value(PersonalRecord::Points)->setItems(QStringLiteral("비고2"), PersonalRecord::pointItems());
    m_panels.value(PersonalRecord::Absences)->setItems(QStringLiteral("비고2"), Absences::reasonItems());
    setEditing(true);
}

void TfPer0020::collectFields()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        if (!PersonalRecord::editableColumns().contains(it.key()))
            continue;
        QVariant v;
        if (auto* e = qobject_cast<QLineEdit*>(it.value()))
            v = fieldText(e);
        else if (auto* d = qobject_cast<DateEdit*>(it.value()))
            v = d->dateText();
        else if (auto* c = qobject_cast<QComboBox*>(it.value()))
            v = c->currentData().toString();
        m_record.setField(it.key(), v);
    }
}

void TfPer0020::focusProblem(const PersonalRecord::Problem& p)
{
    if (p.list == PersonalRecord::ListCount) {
        if (QWidget* w = m_fields.value(p.column))
            w->setFocus();
        return;
    }
    for (int t = 0; t < TabCount; ++t)
        if (listOfTab(t) == p.list) {
            selectPage(t, false);
            if (p.list == PersonalRecord::Points) {
                // Show the month of the row.
                const QDate d = QDate::fromString(m_record.cell(p.list, p.row, QStringLiteral("벌점일자")).toString(),
                                                  QStringLiteral("yyyy-MM-dd"));
                if (d.isValid() && com_PointYear->findText(QString::number(d.year())) >= 0) {
                    com_PointYear->setCurrentIndex(com_PointYear->findText(QString::number(d.year())));
                    com_PointMonth->setCurrentIndex(d.month() - 1);
                }
            }
            if (p.list == PersonalRecord::Absences) {
                const QDate d = QDate::fromString(m_record.cell(p.list, p.row, QStringLiteral("결석일자")).toString(),
                                                  QStringLiteral("yyyy-MM-dd"));
                if (d.isValid() && com_AbsYear->findText(QString::number(d.year())) >= 0) {
                    com_AbsYear->setCurrentIndex(com_AbsYear->findText(QString::number(d.year())));
                    com_AbsMonth->setCurrentIndex(d.month() - 1);
                }
            }
            showList(p.list, false);
            m_panels.value(p.list)->selectRow(p.row, true);
        }
}

void TfPer0020::Btn_OkClick()
{
    if (!m_editing)
        return;
    collectFields();
    if (const auto p = m_record.check()) {
        Dialogs::error(p->caption, p->message, this);
        focusProblem(*p);
        return;
    }
    try {
        m_record.save();
    } catch (const db::Error& e) {
        // Nothing was written; what was typed stays for another try or 취소.
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (!m_picture.isEmpty() && !PersonalRecord::storePhoto(m_record.memberNo(), m_picture))
        Dialogs::warning(QStringLiteral("확인"), QStringLiteral("사진을 저장하지 못했습니다."), this);
    m_picture.clear();
    StatusLine::show(QStringLiteral("신상명세서 저장: %1 %2").arg(m_record.memberNo(), m_record.field(QStringLiteral("회원명")).toString()));
    setEditing(false);
    loadMemberList();
    Refill(true);
}

void TfPer0020::Btn_CancelClick()
{
    m_record.cancel();
    m_picture.clear();
    setEditing(false);
    showFields();
    showPhoto();
    TabControl1Change();
}

void TfPer0020::PhotoAttachClick()
{
    if (!m_editing)
        return;
    const QString file = Dialogs::current().openFile(this, QStringLiteral("그림 추가"), ProgramDir::file(QStringLiteral("images")),
                                                     QStringLiteral("그림 파일 (*.bmp *.BMP)"));
    if (file.isEmpty())
        return;
    m_picture = file;
    showPhoto();
}

void TfPer0020::ListAddClick(PersonalRecord::List l)
{
    if (!m_editing)
        return;
    if (l == PersonalRecord::Badges) {
        m_record.awardBadge(Clock::today());
        showList(l, false);
        return;
    }
    const int row = m_record.addRow(l);
    if (row < 0)
        return;
    PersonalJournalPanel* p = m_panels.value(l);
    p->refresh();
    p->selectRow(row, true);
}

void TfPer0020::deleteFeeRow()
{
    PersonalJournalPanel* p = m_panels.value(PersonalRecord::Fees);
    const int row = p->currentRow();
    if (row < 0)
        return;
    if (const auto problem = m_record.feeDeleteProblem(row)) {
        Dialogs::error(problem->caption, problem->message, this);
        return;
    }
    const bool stored = m_record.rows(PersonalRecord::Fees).state(row) != db::BufferedSet::State::Inserted;
    const QString month = m_record.cell(PersonalRecord::Fees, row, QStringLiteral("년월분")).toString();
    if (stored
        && !Dialogs::okCancel(QStringLiteral("삭제확인"),
                              QStringLiteral("삭제하시겠습니까?") + QStringLiteral("\n\n")
                                  + QStringLiteral("수련비와 금전출납의 해당 데이터가 모두 지워집니다.!"),
                              this))
        return;
    try {
        m_record.deleteFeeNow(row);
    } catch (const FeeError& e) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    }
    p->refresh();
    showFeeMarks(com_FeeYear->currentText().toInt());
    if (stored)
        StatusLine::show(QStringLiteral("수련비 삭제: %1 %2").arg(m_record.memberNo(), month));
}

void TfPer0020::ListDeleteClick(PersonalRecord::List l)
{
    if (!m_editing || l == PersonalRecord::Badges || l == PersonalRecord::Concentration)
        return;
    if (l == PersonalRecord::Fees) {
        deleteFeeRow();
        return;
    }
    PersonalJournalPanel* p = m_panels.value(l);
    if (m_record.deleteRow(l, p->currentRow()))
        p->refresh();
}

void TfPer0020::ListCancelClick(PersonalRecord::List l)
{
    if (!m_editing)
        return;
    if (l == PersonalRecord::Badges) {
        m_record.takeBackBadge();
        showList(l, false);
        return;
    }
    m_record.cancelList(l);
    showList(l, l == PersonalRecord::Suggestions || l == PersonalRecord::Conduct || l == PersonalRecord::Awards
                    || l == PersonalRecord::Points || l == PersonalRecord::Absences);
}

// --- deleting ------------------------------------------------------------------------------------

void TfPer0020::Btn_DeleteClick()
{
    if (m_lastShown.isEmpty() || !m_record.loaded()) {
        Dialogs::info(QString(), QStringLiteral("이름을 선택하세요."), this);
        return;
    }
    if (!m_record.hasName()) {
        Dialogs::info(QString(), QStringLiteral("이름을 입력해 주십시요."), this);
        return;
    }
    const auto answer = Dialogs::current().message(this, QMessageBox::Warning, QStringLiteral("확인"),
                                                   QStringLiteral("본 자료는 퇴관자료에 남지를 않고 완전 삭제가 됩니다."),
                                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const QString no = m_record.memberNo();
    const QString name = m_record.field(QStringLiteral("회원명")).toString();
    try {
        PersonalRecord::deleteMember(no, Clock::today());
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(QStringLiteral("회원 삭제: %1 %2").arg(no, name));
    // The member who came after him by name is shown next.
    const int at = m_position;
    m_record.clear();
    setEditing(false);
    Session::setSelectedMemberNo(QString());
    loadMemberList();
    if (!m_members.isEmpty())
        Session::setSelectedMemberNo(m_members[std::clamp(at, 0, int(m_members.size()) - 1)].first);
    m_lastShown = no; // so the refill below is not refused for edits of a member who is gone
    Refill(true);
}

// --- closing -------------------------------------------------------------------------------------

void TfPer0020::btn_ExitClick() { close(); }

bool TfPer0020::event(QEvent* e)
{
    // Every activation shows the member a list screen chose meanwhile.
    if (e->type() == QEvent::WindowActivate && !m_refilling)
        QTimer::singleShot(0, this, [this] { Refill(); });
    return QWidget::event(e);
}

bool TfPer0020::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_fields.value(QStringLiteral("회원명영"))) {
        if (e->type() == QEvent::FocusIn)
            InputLanguage::set(QStringLiteral("ENGLISH"));
        else if (e->type() == QEvent::FocusOut)
            InputLanguage::set(QStringLiteral("KOREA"));
    }
    return QWidget::eventFilter(watched, e);
}

void TfPer0020::closeEvent(QCloseEvent* e)
{
    if (m_editing && m_record.anyChange()
        && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("수정 중인 자료가 저장되지 않았습니다.\n저장하지 않고 닫으시겠습니까?"),
                           this, QMessageBox::Warning)) {
        e->ignore();
        return;
    }
    Session::setSelectedMemberNo(QString());
    m_lastShown.clear();
    e->accept();
}
