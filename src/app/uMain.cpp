#include "app/uMain.h"

#include "app/Application.h"
#include "backup/AutoBackup.h"
#include "app/LaunchScreen.h"
#include "app/Pictures.h"
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "app/SessionEnd.h"
#include "app/StartCheck.h"
#include "db/Database.h"
#include "db/DatabaseChoice.h"
#include "db/ProgramDir.h"
#include "report/NoticeFile.h"
#include "db/SchoolInfo.h"
#include "ui/Dialogs.h"
#include "ui/InputLanguage.h"
#include "ui/KeyboardFlow.h"
#include "ui/StatusLine.h"
#include "ui/PasswordEcho.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

const QString TfMain::kAlias = QStringLiteral("Tamrin2000");
const QString TfMain::kNotYet = QStringLiteral("준비 중인 기능입니다.");
const int TfMain::kStatusMs = 10000;

namespace {

TfMain* g_main = nullptr;

// The work area paints our background picture at its top left, unscaled.
class WorkArea : public QMdiArea {
public:
    explicit WorkArea(QWidget* parent) : QMdiArea(parent), m_back(Pictures::background()) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), QColor(0xdc, 0xe6, 0xf0));
        p.drawPixmap(0, 0, m_back);
    }

private:
    QPixmap m_back;
};

struct ToolButton {
    const char* name;
    const char* caption;
    const char* opens; // launch screen, or nullptr for the exit button
};
const ToolButton kToolButtons[] = {
    {"BitBtn2", " 등 록 업 무", "TfSM_input"}, {"BitBtn3", " 조 회 업 무", "TfSM_query"}, {"BitBtn4", " 퇴 관 업 무", "TfSM_ret"},
    {"BitBtn5", " 양 식 출 력", "TfSM_form"},  {"BitBtn6", " 심 사 업 무", "TfSM_sim"},   {"BitBtn7", " 환 경 정 의", "TfSM_env"},
    {"BitBtn1", " 종       료", nullptr},
};

} // namespace

TfMain::TfMain(QWidget* parent) : QMainWindow(parent)
{
    g_main = this;
    FormCreate();
}

TfMain::~TfMain()
{
    if (m_host)
        m_host->closeAll();
    if (g_main == this) {
        g_main = nullptr;
        StatusLine::install({});
    }
    db::closeDatabase();
}

TfMain* TfMain::instance() { return g_main; }

void TfMain::FormCreate()
{
    // 798 × 596 (in the chosen display scale) to start with and at the least; larger, or maximised, the
    // screens inside grow with it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(798, 596);
    resize(798, 596);
    QFont f = font();
    f.setFamilies({QStringLiteral("굴림"), QStringLiteral("NanumGothic"), QStringLiteral("NanumBarunGothic")});
    f.setPixelSize(12);
    setFont(f);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(798 / 2, 596 / 2));

    setWindowTitle(kAlias + QStringLiteral("_Windows7") + QStringLiteral("_20220101"));
    Application::setTitle(kAlias + QStringLiteral("_Windows7"));

    m_area = new WorkArea(this);
    m_area->setObjectName(QStringLiteral("WorkArea"));
    // A maximised launch screen must not maximise every screen opened after it.
    m_area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(m_area);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // A notice fades after a while and belongs to the screen it was given on.
    StatusLine::install([this](const QString& text) {
        statusBar()->showMessage(text, kStatusMs);
        m_statusScreen = m_area->activeSubWindow();
    });
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub && sub != m_statusScreen)
            statusBar()->clearMessage();
    });

    m_password = new QLineEdit(m_area->viewport());
    m_password->setObjectName(QStringLiteral("edt_PassWord"));
    m_password->setMaxLength(8);
    echoAsStars(m_password);
    m_password->setFixedWidth(110);
    m_password->installEventFilter(this);
    KeyboardFlow::keepEnter(m_password); // Enter unlocks, it does not move on
    m_ok = new QPushButton(QStringLiteral("확  인"), m_area->viewport());
    m_ok->setObjectName(QStringLiteral("Btn_Ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TfMain::Btn_OkClick);
    m_password->hide();
    m_ok->hide();
    m_area->viewport()->installEventFilter(this);

    ProgramDir::ensureFolders();
    NoticeFile::ensureFolders();
    QString error;
    const DatabaseChoice choice = DatabaseChoice::load();
    bool fixSetting = false;
    if (choice.server) {
        m_ready = db::openDatabase(choice.address(), &error);
        if (!m_ready) {
            // Nothing was written anywhere: the desk may go on with its own file, or correct the setting.
            const QMessageBox::StandardButton answer = Dialogs::yesNoCancel(
                QStringLiteral("오류"),
                error + QStringLiteral("\n\n예: 이 PC 의 자료 파일로 엽니다.\n"
                                       "아니오: 이 PC 의 자료 파일로 열고 체육관 정보에서 데이터베이스 설정을 고칩니다.\n"
                                       "취소: 아무것도 열지 않습니다."),
                this);
            if (answer == QMessageBox::Cancel)
                return;
            fixSetting = answer == QMessageBox::No;
            error.clear();
        }
    }
    if (!m_ready) {
        // A damaged file is noticed before anyone works on it; the newest good automatic copy is offered.
        m_ready = Dialogs::show(StartCheck::openChecked(ProgramDir::databaseFile(), Dialogs::asker(this)), this);
    }
    if (!m_ready)
        return;
    // Logout or shutdown ends the program as the close box does, without questions nobody can answer.
    SessionEnd::install([self = QPointer<TfMain>(this)] {
        if (!self)
            return;
        self->m_sessionEnding = true;
        self->close();
    });
    SchoolInfo::ensureLetterRow();
    Dialogs::show(AutoBackup::start(), this);

    m_host = new ScreenHost(this, m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        // Launch screens always fill the work area when they come to the front.
        if (sub && qobject_cast<LaunchScreen*>(sub->widget()) && !sub->isMaximized())
            sub->showMaximized();
    });
    buildMenus();
    buildToolbar();
    SetInputLanguage(QStringLiteral("KOREA"));
    if (fixSetting)
        m_host->open(QStringLiteral("TfGymInfo"));
}

void TfMain::buildMenus()
{
    for (const QString& top : screens::topMenus()) {
        QMenu* m = menuBar()->addMenu(top);
        m->setObjectName(top);
        m_menus.insert(top, m);
    }
    QHash<QString, QMenu*> subMenus;
    for (const screens::Entry& e : screens::entries()) {
        QMenu* menu = m_menus.value(e.place.first());
        if (!menu)
            continue; // a launch-screen button
        QString path = e.place.first();
        for (int i = 1; i + 1 < e.place.size(); ++i) {
            path += u'|' + e.place[i];
            QMenu* sub = subMenus.value(path);
            if (!sub) {
                sub = menu->addMenu(e.place[i]);
                subMenus.insert(path, sub);
            }
            menu = sub;
        }
        QAction* a = menu->addAction(e.place.last());
        a->setEnabled(m_host->available(e));
        if (!a->isEnabled()) {
            a->setToolTip(kNotYet);
            menu->setToolTipsVisible(true);
        }
        connect(a, &QAction::triggered, this, [this, e] { m_host->run(e); });
        m_items.insert(e.place.join(u'|'), a);
    }
}

void TfMain::buildToolbar()
{
    auto* bar = new QToolBar(QStringLiteral("ToolBar"), this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    addToolBar(Qt::BottomToolBarArea, bar);
    for (const ToolButton& t : kToolButtons) {
        auto* b = new QPushButton(QString::fromUtf8(t.caption), bar);
        b->setObjectName(QString::fromUtf8(t.name));
        b->setMinimumHeight(30);
        b->setFocusPolicy(Qt::NoFocus);
        if (t.opens) {
            const QString cls = QString::fromUtf8(t.opens);
            connect(b, &QPushButton::clicked, this, [this, cls] { m_host->open(cls); });
        } else {
            connect(b, &QPushButton::clicked, this, &QWidget::close);
        }
        bar->addWidget(b);
        m_toolButtons.append(b);
    }
}

QPushButton* TfMain::toolButton(const QString& name) const
{
    for (QPushButton* b : m_toolButtons)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

void TfMain::showStatus(const QString& text) { StatusLine::show(text); }

void TfMain::SetInputLanguage(const QString& mode) { InputLanguage::set(mode); }

void TfMain::SetMainScreenEnabled(bool flag)
{
    m_locked = !flag;
    for (QMenu* m : std::as_const(m_menus))
        m->menuAction()->setEnabled(flag);
    for (QPushButton* b : std::as_const(m_toolButtons))
        b->setEnabled(flag);
    m_password->setVisible(!flag);
    m_ok->setVisible(!flag);
    placePasswordControls();
}

void TfMain::placePasswordControls()
{
    const QRect r = m_area->viewport()->rect();
    m_ok->adjustSize();
    m_ok->move(r.right() - m_ok->width() - 12, r.bottom() - m_ok->height() - 12);
    m_password->move(m_ok->x() - m_password->width() - 6, m_ok->y() + (m_ok->height() - m_password->height()) / 2);
}

void TfMain::FormShow()
{
    SetMainScreenEnabled(!SchoolInfo::mainScreenLocked());
    if (m_password->isVisible())
        m_password->setFocus();
}

void TfMain::Btn_OkClick()
{
    // A wrong password is ignored: the screen stays locked and the text stays in the field.
    if (SchoolInfo::mainPasswordMatches(m_password->text()))
        SetMainScreenEnabled(true);
}

void TfMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_shown && m_ready) {
        m_shown = true;
        FormShow();
    }
}

bool TfMain::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_password && e->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            Btn_OkClick();
    } else if (watched == m_area->viewport() && e->type() == QEvent::Resize) {
        placePasswordControls();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TfMain::closeEvent(QCloseEvent* e)
{
    if (!m_closed) {
        // A screen with unsaved work asks first; the program stays when the user keeps the work.
        if (!m_sessionEnding && m_host && !m_host->askToCloseAll()) {
            e->ignore();
            return;
        }
        FormClose();
    }
    e->accept();
}

void TfMain::FormClose()
{
    m_closed = true;
    if (m_host) {
        // Screens hold queries on the connection: they go before it does.
        m_host->closeAll();
        if (!m_sessionEnding) {
            m_host->open(QStringLiteral("Tfexit"));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    if (m_ready) {
        // At a logout nobody can answer a box; the failure is kept for the next start anyway.
        const Answer backedUp = AutoBackup::end();
        if (!m_sessionEnding)
            Dialogs::show(backedUp, this);
    }
    db::closeDatabase();
    if (!m_sessionEnding)
        Dialogs::info(QStringLiteral("확인"), QStringLiteral("종료"), this);
}
