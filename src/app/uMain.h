#pragma once
#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QStatusBar;
class ScreenHost;

// The main window: opens the database for the whole run, holds the menu, the toolbar and the work
// area where the screens open, and the main-screen lock.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString kAlias; // "Tamrin2000", the name of the database
    static const QString kNotYet; // tooltip of an entry whose screen is not built yet
    static const int kStatusMs;   // how long a status-line notice stays

    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;
    static TfMain* instance();

    bool databaseReady() const { return m_ready; }

    // The status line at the bottom (StatusLine::show from anywhere lands here).
    static void showStatus(const QString& text);
    // "KOREA" or "ENGLISH" (see ui/InputLanguage.h).
    static void SetInputLanguage(const QString& mode);

    void SetMainScreenEnabled(bool flag);
    bool locked() const { return m_locked; }

    // Handlers, callable from tests.
    void FormShow();
    void Btn_OkClick();

    ScreenHost* screens() const { return m_host; }
    QMdiArea* workArea() const { return m_area; }
    QStatusBar* StatusBar1() const { return statusBar(); }
    QLineEdit* edt_PassWord() const { return m_password; }
    QPushButton* Btn_Ok() const { return m_ok; }
    QMenu* topMenu(const QString& caption) const { return m_menus.value(caption); }
    // The action of a menu item, by its captions from the top menu down.
    QAction* menuItem(const QStringList& place) const { return m_items.value(place.join(u'|')); }
    QPushButton* toolButton(const QString& name) const; // BitBtn1 .. BitBtn7

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void buildMenus();
    void buildToolbar();
    void placePasswordControls();
    void FormClose();

    bool m_ready = false;
    bool m_shown = false;
    bool m_closed = false;
    bool m_sessionEnding = false; // logout or shutdown: nobody answers questions now
    QPointer<QMdiSubWindow> m_statusScreen; // the screen the status line's notice was given on
    bool m_locked = false;
    QMdiArea* m_area = nullptr;
    ScreenHost* m_host = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_ok = nullptr;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QAction*> m_items;
    QList<QPushButton*> m_toolButtons;
};
