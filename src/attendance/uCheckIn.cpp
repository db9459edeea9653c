#include "attendance/uCheckIn.h"

#include "attendance/CheckInChartPage.h"
#include "attendance/CheckInListPage.h"
#include "db/Clock.h"
#include "db/SchoolInfo.h"
#include "db/MemberNumber.h"
#include "ui/KeyboardFlow.h"

#include <QCheckBox>
#include <algorithm>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("출석 체크");

QLabel* label(QWidget* parent, const QString& name, int points, bool bold = false)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setPointSize(points);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

} // namespace

TfCheckIn::TfCheckIn(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfCheckIn"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 620);

    auto* top = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    lbl_School = label(this, QStringLiteral("lbl_School"), 20, true);
    lbl_School->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbl_School->setText(SchoolInfo::name());
    lbl_Clock = label(this, QStringLiteral("lbl_Clock"), 20);
    chk_Kiosk = new QCheckBox(QStringLiteral("키오스크"), this);
    chk_Kiosk->setObjectName(QStringLiteral("chk_Kiosk"));
    btnExit = new QPushButton(QStringLiteral("종     료"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    head->addWidget(lbl_School, 1);
    head->addWidget(lbl_Clock);
    head->addSpacing(16);
    head->addWidget(chk_Kiosk);
    head->addWidget(btnExit);
    top->addLayout(head);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildDoorPage(), kCaption);
    listPage = new CheckInListPage(this);
    chartPage = new CheckInChartPage(this);
    PageControl1->addTab(listPage, QStringLiteral("출석 현황"));
    PageControl1->addTab(chartPage, QStringLiteral("출석 그래프"));
    top->addWidget(PageControl1, 1);

    // At the door only the field takes the keyboard: a scanner's keys never land on a button.
    for (QWidget* w : {static_cast<QWidget*>(chk_Kiosk), static_cast<QWidget*>(btnExit), static_cast<QWidget*>(lst_Namesakes)})
        w->setFocusPolicy(Qt::NoFocus);
    edt_Input->installEventFilter(this);
    KeyboardFlow::keepEnter(edt_Input); // Enter checks in, it does not move on

    connect(chk_Kiosk, &QCheckBox::toggled, this, [this](bool on) { setKiosk(on); });
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(lst_Namesakes, &QListWidget::itemActivated, this, [this](QListWidgetItem* i) { pickNamesake(lst_Namesakes->row(i)); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == PageDoor)
            edt_Input->setFocus();
    });
    m_clear.setSingleShot(true);
    m_clear.setInterval(kShowMs);
    connect(&m_clear, &QTimer::timeout, this, [this] { clearShown(); });
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, [this] { tick(); });
    m_clock.start();
    tick();
    clearShown();
    setKiosk(false);
    edt_Input->setFocus();
}

QWidget* TfCheckIn::buildDoorPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* prompt = label(w, QStringLiteral("lbl_Prompt"), 18);
    prompt->setText(QStringLiteral("관원증을 대거나 번호 또는 이름을 입력하고 Enter를 누르세요."));
    lay->addWidget(prompt);
    edt_Input = new QLineEdit(w);
    edt_Input->setObjectName(QStringLiteral("edt_Input"));
    edt_Input->setMaxLength(20);
    edt_Input->setAlignment(Qt::AlignCenter);
    QFont big = edt_Input->font();
    big.setPointSize(32);
    edt_Input->setFont(big);
    lay->addWidget(edt_Input);

    auto* row = new QHBoxLayout;
    lbl_Photo = label(w, QStringLiteral("lbl_Photo"), 14);
    lbl_Photo->setFixedSize(180, 230);
    lbl_Photo->setFrameShape(QFrame::Box);
    row->addWidget(lbl_Photo);
    auto* who = new QVBoxLayout;
    lbl_Name = label(w, QStringLiteral("lbl_Name"), 48, true);
    lbl_Division = label(w, QStringLiteral("lbl_Division"), 28);
    lbl_Message = label(w, QStringLiteral("lbl_Message"), 22);
    who->addWidget(lbl_Name);
    who->addWidget(lbl_Division);
    who->addWidget(lbl_Message);
    lst_Namesakes = new QListWidget(w);
    lst_Namesakes->setObjectName(QStringLiteral("lst_Namesakes"));
    QFont listFont = lst_Namesakes->font();
    listFont.setPointSize(22);
    lst_Namesakes->setFont(listFont);
    who->addWidget(lst_Namesakes, 1);
    row->addLayout(who, 1);
    lay->addLayout(row, 1);
    lbl_Flags = label(w, QStringLiteral("lbl_Flags"), 18, true);
    lbl_Flags->setStyleSheet(QStringLiteral("color: #b00000;"));
    lay->addWidget(lbl_Flags);
    return w;
}

void TfCheckIn::setKiosk(bool on)
{
    if (chk_Kiosk->isChecked() != on)
        chk_Kiosk->setChecked(on); // comes back here through toggled
    lbl_Flags->setVisible(!on);
    chk_Kiosk->setVisible(!on);
    PageControl1->tabBar()->setVisible(!on);
    if (on)
        PageControl1->setCurrentIndex(PageDoor);
    for (int i = PageList; i <= PageChart; ++i)
        PageControl1->setTabEnabled(i, !on);
}

bool TfCheckIn::kiosk() const { return chk_Kiosk->isChecked(); }

void TfCheckIn::tick() { lbl_Clock->setText(Clock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm"))); }

void TfCheckIn::edt_InputReturn()
{
    const QString typed = edt_Input->text().trimmed();
    edt_Input->clear();
    // While namesakes are listed, Enter alone takes the one highlighted and "2" the second of them.
    if (!m_namesakes.isEmpty()) {
        bool isRow = false;
        const int n = typed.toInt(&isRow);
        if (typed.isEmpty()) {
            pickNamesake(lst_Namesakes->currentRow());
            return;
        }
        if (isRow && typed.size() <= 2 && n >= 1 && n <= m_namesakes.size()) {
            pickNamesake(n - 1);
            return;
        }
    }
    if (typed.isEmpty())
        return;
    const CheckIns::Result r = CheckIns::checkIn(typed, Clock::now());
    if (r.outcome == CheckIns::Outcome::Choose)
        showChoice(r);
    else
        showResult(r);
}

void TfCheckIn::pickNamesake(int row)
{
    if (row < 0 || row >= m_namesakes.size())
        return;
    const QString no = m_namesakes[row].no;
    showResult(CheckIns::checkInNumber(no, Clock::now(), CheckIns::kByName));
}

void TfCheckIn::showChoice(const CheckIns::Result& r)
{
    clearShown();
    m_last = r;
    m_namesakes = r.namesakes;
    for (int i = 0; i < m_namesakes.size(); ++i) {
        const CheckIns::Member& m = m_namesakes[i];
        lst_Namesakes->addItem(QStringLiteral("%1)  %2  %3  %4").arg(i + 1).arg(m.name, m.division, m.no));
    }
    lst_Namesakes->setCurrentRow(0);
    lst_Namesakes->show();
    lbl_Message->setText(r.message() + QStringLiteral("\n(↑↓ 후 Enter, 또는 순번 입력 후 Enter)"));
    m_clear.start();
    edt_Input->setFocus();
}

void TfCheckIn::showResult(const CheckIns::Result& r)
{
    m_namesakes.clear();
    lst_Namesakes->clear();
    lst_Namesakes->hide();
    m_last = r;
    lbl_Name->setText(r.member.name);
    lbl_Division->setText(r.member.division);
    lbl_Message->setText(r.message());
    const bool welcome = r.outcome == CheckIns::Outcome::Recorded || r.outcome == CheckIns::Outcome::Repeat;
    lbl_Message->setStyleSheet(welcome ? QStringLiteral("color: #005a00;") : QStringLiteral("color: #b00000;"));
    QPixmap photo;
    const QString path = r.member.no.isEmpty() ? QString() : MemberNumber::photoPath(r.member.no);
    if (!path.isEmpty() && QFile::exists(path))
        photo.load(path);
    if (photo.isNull()) {
        lbl_Photo->setPixmap(QPixmap());
        lbl_Photo->setText(r.member.no.isEmpty() ? QString() : QStringLiteral("사   진"));
    } else {
        lbl_Photo->setPixmap(photo.scaled(lbl_Photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    QStringList flags;
    if (welcome) {
        const CheckIns::Flags f = CheckIns::flagsOf(r.member.no, Clock::today());
        if (!f.unpaidMonths.isEmpty())
            flags << QStringLiteral("미납: %1월").arg(f.unpaidMonths);
        if (f.birthday)
            flags << QStringLiteral("오늘 생일");
        if (f.exam)
            flags << QStringLiteral("이번 달 심사");
    }
    lbl_Flags->setText(flags.join(QStringLiteral("   ·   ")));
    m_clear.start();
    edt_Input->setFocus();
}

void TfCheckIn::clearShown()
{
    m_clear.stop();
    m_namesakes.clear();
    lst_Namesakes->clear();
    lst_Namesakes->hide();
    lbl_Name->clear();
    lbl_Division->clear();
    lbl_Message->clear();
    lbl_Flags->clear();
    lbl_Photo->setPixmap(QPixmap());
    lbl_Photo->clear();
}

bool TfCheckIn::eventFilter(QObject* o, QEvent* e)
{
    // Enter is taken here, so it is handled once and never travels on to the window; up and down move
    // through the namesakes without leaving the field.
    if (o == edt_Input && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edt_InputReturn();
            return true;
        }
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !m_namesakes.isEmpty()) {
            const int n = lst_Namesakes->count();
            const int at = lst_Namesakes->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            lst_Namesakes->setCurrentRow(std::clamp(at, 0, n - 1));
            m_clear.start();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TfCheckIn::keyPressEvent(QKeyEvent* e)
{
    // Keys that reach the window itself (the field had lost the focus) go to the field.
    if (PageControl1->currentIndex() == PageDoor && !e->text().isEmpty() && (e->text()[0].isPrint() || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        edt_Input->setFocus();
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            edt_InputReturn();
        else
            edt_Input->insert(e->text());
        return;
    }
    QWidget::keyPressEvent(e);
}
