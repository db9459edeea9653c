#include "members/uPer0020.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/Session.h"
#include "fees/FeePayments.h"
#include "attendance/Absences.h"
#include "db/MemberNumber.h"
#include "db/MemberStatus.h"
#include "members/PersonalJournalPanel.h"
#include "members/PersonalPages.h"
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
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

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
        case TabDetails: {
            auto* details = new PersonalDetailsPage(&m_record);
            m_panels.insert(PersonalRecord::Family, details->panel);
            m_fields.insert(details->fields);
            page = details;
            break;
        }
        case TabPoints:
            m_points = new PersonalPointsPage(&m_record);
            m_panels.insert(PersonalRecord::Points, m_points->panel);
            com_PointYear = m_points->com_PointYear;
            com_PointMonth = m_points->com_PointMonth;
            lbl_PointMonths = m_points->lbl_PointMonths;
            lbl_PointSum = m_points->lbl_PointSum;
            connect(m_points, &PersonalPointsPage::chosen, this, [this] { PointYearMonthChange(); });
            page = m_points;
            break;
        case TabFitness:
            m_fitness = new PersonalFitnessPage(&m_record);
            m_panels.insert(PersonalRecord::Fitness, m_fitness->panel);
            grd_FitCompare = m_fitness->grd_FitCompare;
            lbl_A13 = m_fitness->lbl_A13;
            page = m_fitness;
            break;
        case TabAttendance:
            m_attendance = new PersonalAttendancePage(&m_record);
            m_panels.insert(PersonalRecord::Absences, m_attendance->panel);
            com_AbsYear = m_attendance->com_AbsYear;
            com_AbsMonth = m_attendance->com_AbsMonth;
            grd_AbsCount = m_attendance->grd_AbsCount;
            lbl_CheckIns = m_attendance->lbl_CheckIns;
            connect(m_attendance, &PersonalAttendancePage::yearChosen, this, [this] { AbsenceYearChange(); });
            connect(m_attendance, &PersonalAttendancePage::monthChosen, this, [this] { AbsenceMonthChange(); });
            page = m_attendance;
            break;
        case TabFees:
            m_fees = new PersonalFeesPage(&m_record);
            m_panels.insert(PersonalRecord::Fees, m_fees->panel);
            m_fields.insert(m_fees->fields);
            com_FeeYear = m_fees->com_FeeYear;
            lbl_FeeMonths = m_fees->lbl_FeeMonths;
            connect(m_fees, &PersonalFeesPage::yearChosen, this, [this] { FeeYearChange(); });
            page = m_fees;
            break;
        default:
            page = personal::journalTab(&m_record, listOfTab(t));
            if (!page)
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
    m_points->showSums();
    m_attendance->showCounts(Clock::today().year());
    m_attendance->showCheckIns();
    m_fees->showMarks(Clock::today().year());
    m_fitness->showComparison();
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
    m_points->showSums();
}

void TfPer0020::AbsenceYearChange()
{
    showList(PersonalRecord::Absences, true);
    m_attendance->showCounts(com_AbsYear->currentText().toInt());
    m_attendance->showCheckIns();
}

void TfPer0020::AbsenceMonthChange()
{
    showList(PersonalRecord::Absences, true);
    m_attendance->showCheckIns();
}

void TfPer0020::FeeYearChange()
{
    showList(PersonalRecord::Fees, false);
    m_fees->showMarks(com_FeeYear->currentText().toInt());
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
    m_fees->showMarks(com_FeeYear->currentText().toInt());
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
