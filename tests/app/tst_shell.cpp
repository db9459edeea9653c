#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QSqlDatabase>
#include <QTest>
#include <QDir>

#include <csignal>

#include "app/Application.h"
#include "backup/AutoBackup.h"
#include "app/LaunchScreen.h"
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "app/uMain.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/uMon0010.h"
#include "settings/uGymInfo.h"
#include "fees/uFee0010.h"
#include "db/Clock.h"
#include "db/DatabaseChoice.h"
#include "db/JetSql.h"
#include "db/Database.h"
#include "db/DbError.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "members/uPer0010.h"
#include "support/TestDb.h"
#include "ui/InputLanguage.h"
#include "ui/ScreenPages.h"

using namespace screens;

namespace {

// Stands in for a screen with pages: records how the opener chose its page.
class FakeScreen : public QWidget, public IScreenPages {
public:
    FakeScreen()
    {
        auto* b = new QPushButton(QStringLiteral("입     력"), this);
        b->setObjectName(QStringLiteral("btnInsert"));
    }
    int currentPage() const override { return page; }
    void selectPage(int index, bool runChange) override
    {
        page = index;
        calls.append({index, runChange});
    }
    int page = 0;
    QList<std::pair<int, bool>> calls;
};

// What a user would see wrong on an opened screen: two child widgets on top of each other, or a caption
// squeezed below the room its text needs. Widgets that draw their own insides (grids, drop-downs, dates,
// tab bars) are looked at from outside only.
QStringList layoutFaults(QWidget* screen)
{
    QStringList out;
    auto name = [](const QWidget* w) {
        QString t;
        if (auto* l = qobject_cast<const QLabel*>(w))
            t = l->text();
        else if (auto* b = qobject_cast<const QAbstractButton*>(w))
            t = b->text();
        return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), t.left(12));
    };
    // Grid columns as wide as their headings.
    for (QTableView* g : screen->findChildren<QTableView*>()) {
        if (!g->isVisibleTo(screen) || !g->horizontalHeader()->isVisible())
            continue;
        for (int c = 0; c < g->model()->columnCount(); ++c) {
            if (g->isColumnHidden(c))
                continue;
            const int need = g->horizontalHeader()->fontMetrics().horizontalAdvance(
                                 g->model()->headerData(c, Qt::Horizontal).toString().trimmed())
                             + 6;
            if (g->columnWidth(c) < need)
                out << QStringLiteral("column '%1' of %2 cut: %3 of %4")
                           .arg(g->model()->headerData(c, Qt::Horizontal).toString(), g->objectName())
                           .arg(g->columnWidth(c))
                           .arg(need);
        }
    }
    // A masked field (resident number, telephone) shows its whole mask.
    for (QLineEdit* e : screen->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(screen) || e->inputMask().isEmpty())
            continue;
        const int need = e->fontMetrics().horizontalAdvance(e->displayText()) + 8;
        if (e->width() < need)
            out << QStringLiteral("masked field %1 cut: %2 of %3").arg(e->objectName()).arg(e->width()).arg(need);
    }
    QList<QWidget*> parents{screen};
    parents += screen->findChildren<QWidget*>();
    for (QWidget* p : std::as_const(parents)) {
        if (!p->isVisibleTo(screen) && p != screen)
            continue;
        bool inside = false;
        for (QWidget* a = p; a && a != screen; a = a->parentWidget())
            inside = inside || qobject_cast<QAbstractScrollArea*>(a) || qobject_cast<QComboBox*>(a)
                     || qobject_cast<QAbstractSpinBox*>(a) || qobject_cast<QTabBar*>(a);
        if (inside)
            continue;
        QList<QWidget*> kids;
        for (QObject* o : p->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && w->isVisibleTo(screen))
                kids.append(w);
        for (int i = 0; i < kids.size(); ++i) {
            for (int j = i + 1; j < kids.size(); ++j)
                if (kids[i]->geometry().intersects(kids[j]->geometry()))
                    out << QStringLiteral("%1 overlaps %2").arg(name(kids[i]), name(kids[j]));
            if (qobject_cast<QLabel*>(kids[i]) || qobject_cast<QAbstractButton*>(kids[i])) {
                const QSize need = kids[i]->minimumSizeHint();
                if (kids[i]->width() < need.width() || kids[i]->height() < need.height())
                    out << QStringLiteral("%1 cut: %2x%3 of %4x%5")
                               .arg(name(kids[i]))
                               .arg(kids[i]->width())
                               .arg(kids[i]->height())
                               .arg(need.width())
                               .arg(need.height());
            }
        }
    }
    return out;
}

const Entry& entryAt(const QStringList& place)
{
    for (const Entry& e : entries())
        if (e.place == place)
            return e;
    qFatal("no entry %s", qPrintable(place.join('|')));
}

class FakeInput : public InputLanguage::Backend {
public:
    int mode = 0;
    int sets = 0;
    int conversionMode() override { return mode; }
    void setModes(int conversion, int) override
    {
        mode = conversion;
        ++sets;
    }
};

} // namespace

class TstShell : public QObject {
    Q_OBJECT
private slots:
    void openScreenRules_data();
    void openScreenRules();
    void singleInstanceAndClose();
    void withdrawalCaptionAndGuard();
    void tableIsConsistent();
    void lockStates_data();
    void lockStates();
    void unlockWithPassword();
    void lockPasswordsEchoStars();
    void inputLanguage_data();
    void inputLanguage();
    void startUpValues();
    void unreachableServerAtStartUp_data();
    void unreachableServerAtStartUp();
    void smokeOpenEveryEntry();
    void enabledEntriesShowTheirPage();
    void closingAsksForUnsavedWork();
    void mainWindowGrows();
    void menusStayWithCashBook();
    void statusNoticeStaysWithItsScreen();
    void sessionEndBacksUpAndCloses();
    void failedCopyAtTheEnd();
};

// Each entry of the real table run against fake screens of the same class names.
void TstShell::openScreenRules_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("alreadyOpen");
    QTest::addColumn<int>("pageBefore");
    QTest::addColumn<int>("pageAfter");
    QTest::addColumn<int>("changeRan"); // -1: no page chosen, 0: chosen without change handling, 1: with it

    QTest::newRow("인원현황 open keeps its page") << "인원현황|퇴관사유별현황" << true << 0 << 0 << -1;
    QTest::newRow("인원현황 new opens on 3") << "인원현황|퇴관사유별현황" << false << 0 << 3 << 0;
    QTest::newRow("신상명세서 new: no change") << "개인관리|신상명세서" << false << 0 << 0 << 0;
    QTest::newRow("신상명세서 open: change") << "개인관리|신상명세서" << true << 5 << 0 << 1;
    QTest::newRow("건의사항 always + change") << "개인관리|건의사항" << false << 0 << 1 << 1;
    QTest::newRow("뱃지 지급현황 new: change") << "종합관리|뱃지지급현황입력/조회|지급현황" << false << 0 << 1 << 1;
    QTest::newRow("뱃지 지급현황 open: no change") << "종합관리|뱃지지급현황입력/조회|지급현황" << true << 2 << 1 << 0;
    QTest::newRow("체력측정표 open keeps page") << "체력측정|체력측정표인쇄" << true << 0 << 0 << -1;
    QTest::newRow("체력측정표 new + change") << "체력측정|체력측정표인쇄" << false << 0 << 2 << 1;
    QTest::newRow("종합관리 busy page 13") << "종합관리|심사결과평가내용조회" << true << 0 << 13 << 1;
    QTest::newRow("일일결석자 from 기타") << "기  타|인터넷통보자료|일일결석자" << true << 0 << 1 << 1;
    QTest::newRow("launch 결석자입력 without change") << "TfSM_input|결석자입력" << true << 2 << 0 << 0;
    QTest::newRow("launch 입관상담 new only") << "TfSM_input|입관상담" << true << 0 << 0 << -1;
    QTest::newRow("launch 입관상담 new") << "TfSM_input|입관상담" << false << 0 << 1 << 0;
    QTest::newRow("launch without page") << "TfSM_query|출석관리" << true << 2 << 2 << -1;
    QTest::newRow("launch 국기원 page 9") << "TfSM_sim|국기원" << false << 0 << 9 << 1;
}

void TstShell::openScreenRules()
{
    QFETCH(QString, place);
    QFETCH(bool, alreadyOpen);
    QFETCH(int, pageBefore);
    QFETCH(int, pageAfter);
    QFETCH(int, changeRan);

    const Entry& e = entryAt(place.split('|'));
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    ScreenHost host(&main, area, {{e.target, Kind::Child, false, [] { return new FakeScreen; }}});

    if (alreadyOpen) {
        auto* s = static_cast<FakeScreen*>(host.open(e.target));
        s->page = pageBefore;
        s->calls.clear();
    }
    auto* s = static_cast<FakeScreen*>(host.run(e));
    QVERIFY(s);
    QCOMPARE(area->subWindowList().size(), 1);
    QCOMPARE(s->page, pageAfter);
    if (changeRan < 0) {
        QVERIFY(s->calls.isEmpty());
    } else {
        QCOMPARE(s->calls.size(), 1);
        QCOMPARE(s->calls.first().second, changeRan == 1);
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr); // busy cursor given back
}

void TstShell::singleInstanceAndClose()
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    ScreenHost host(&main, area, {{"TfFee0010", Kind::Child, false, [] { return new FakeScreen; }}});
    QWidget* first = host.run(entryAt({"수련비", "수련비납부등록"}));
    QWidget* second = host.run(entryAt({"수련비", "수련비납부등록"}));
    QCOMPARE(first, second);
    QCOMPARE(area->subWindowList().size(), 1);

    // The screen's own close ends its child window and the next request creates it anew.
    QPointer<QWidget> old(first);
    first->close();
    QTRY_VERIFY(old.isNull());
    QTRY_COMPARE(area->subWindowList().size(), 0);
    QCOMPARE(host.screen("TfFee0010"), nullptr);
    QWidget* again = host.run(entryAt({"수련비", "수련비납부등록"}));
    QVERIFY(again);
    QCOMPARE(area->subWindowList().size(), 1);

    // A screen that fails while it starts (a database error) leaves the main window drawing.
    ScreenHost failing(&main, area, {{"TfFee0010", Kind::Child, false, []() -> QWidget* { throw db::Error("locked", "select"); }}});
    QVERIFY_THROWS_EXCEPTION(db::Error, failing.open("TfFee0010"));
    QVERIFY(main.updatesEnabled());
    QCOMPARE(failing.screen("TfFee0010"), nullptr);
}

void TstShell::withdrawalCaptionAndGuard()
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    bool allow = true;
    int guardCalls = 0;
    ScreenHost host(&main, area,
                    {{"TfRet0010", Kind::Child, false, [] { return new FakeScreen; }},
                     {"TfMon0010", Kind::Child, true, [] { return new FakeScreen; }}},
                    {{"CheckMonthClosing", [&](QWidget*) { ++guardCalls; return allow; }}});

    auto* ret = static_cast<FakeScreen*>(host.run(entryAt({"퇴관처리", "퇴관처리"})));
    QCOMPARE(ret->page, 0);
    QCOMPARE(ret->findChild<QPushButton*>("btnInsert")->text(), QStringLiteral("퇴     관"));
    host.run(entryAt({"퇴관처리", "휴관처리"}));
    QCOMPARE(ret->page, 1);
    QCOMPARE(ret->findChild<QPushButton*>("btnInsert")->text(), QStringLiteral("휴     관"));
    // The launch screen opens it without touching the caption or the page.
    host.run(entryAt({"TfSM_ret", "복관처리"}));
    QCOMPARE(ret->page, 1);
    QCOMPARE(ret->findChild<QPushButton*>("btnInsert")->text(), QStringLiteral("휴     관"));

    auto* mon = static_cast<FakeScreen*>(host.run(entryAt({"금전출납", "입/출금항목등록"})));
    QVERIFY(mon);
    QCOMPARE(mon->page, 3);
    allow = false;
    QCOMPARE(host.run(entryAt({"금전출납", "입/출금내역조회"})), nullptr);
    QCOMPARE(mon->page, 3);
    QCOMPARE(mon->calls.size(), 1);
    // The launch-screen buttons ask the guard too.
    const int before = guardCalls;
    QCOMPARE(host.run(entryAt({"TfSM_query", "금전출납"})), nullptr);
    QCOMPARE(guardCalls, before + 1);
    QCOMPARE(mon->page, 3);
    allow = true;
    QCOMPARE(host.run(entryAt({"TfSM_query", "금전출납"})), mon);
    QCOMPARE(mon->page, 0);
    // Without its guard the cash book cannot be reached at all.
    ScreenHost bare(&main, area, {{"TfMon0010", Kind::Child, true, [] { return new FakeScreen; }}}, {});
    QVERIFY(!bare.available(entryAt({"금전출납", "입/출금항목등록"})));
    QVERIFY(!bare.available(entryAt({"TfSM_input", "수입지출등록"})));
}

void TstShell::tableIsConsistent()
{
    // The two ways to the daily absentees are one and the same.
    const Entry& a = entryAt({"기  타", "인터넷통보자료", "일일결석자"});
    const Entry& b = entryAt({"출석관리", "일일결석자확인"});
    QCOMPARE(a.target, b.target);
    QCOMPARE(a.page, b.page);
    QVERIFY(a.select == b.select && a.change == b.change && a.busy == b.busy);

    QStringList launchTargets;
    for (const Entry& e : entries()) {
        QVERIFY2(!e.place.isEmpty() && !e.target.isEmpty(), qPrintable(e.place.join('|')));
        if (e.page >= 0)
            QVERIFY2(e.select != Select::None, qPrintable(e.place.join('|')));
        // Every way into the cash book runs the closing guard first (or waits for its page to be built).
        if (e.target == "TfMon0010")
            QVERIFY2(e.guard == QStringLiteral("CheckMonthClosing") || e.guard == QStringLiteral("later"),
                     qPrintable(e.place.join('|')));
    }
}

void TstShell::lockStates_data()
{
    QTest::addColumn<bool>("row");
    QTest::addColumn<QVariant>("password");
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("locked");
    QTest::newRow("no school record") << false << QVariant() << "" << false;
    QTest::newRow("no password, lock on") << true << QVariant() << "1" << false;
    QTest::newRow("password, lock off") << true << QVariant("1234") << "0" << false;
    QTest::newRow("password, lock on") << true << QVariant("1234") << "1" << true;
}

void TstShell::lockStates()
{
    QFETCH(bool, row);
    QFETCH(QVariant, password);
    QFETCH(QString, check);
    QFETCH(bool, locked);
    TestDb db;
    if (row)
        db::run("insert into T_도장정보 (도장명, 메인화면, 메인화면체크유무) values ('한빛태권도', :pw, :chk)",
                {{"pw", password}, {"chk", check}});
    TfMain w;
    QVERIFY(w.databaseReady());
    w.show();
    QCOMPARE(w.locked(), locked);
    QCOMPARE(w.edt_PassWord()->isVisible(), locked);
    QCOMPARE(w.Btn_Ok()->isVisible(), locked);
    for (const QString& top : topMenus())
        QCOMPARE(w.topMenu(top)->menuAction()->isEnabled(), !locked);
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(w.toolButton(QStringLiteral("BitBtn%1").arg(i))->isEnabled(), !locked);
}

void TstShell::unlockWithPassword()
{
    TestDb db;
    db::run("insert into T_도장정보 (도장명, 메인화면, 메인화면체크유무) values ('한빛태권도', '7788', '1')");
    TfMain w;
    w.show();
    QVERIFY(w.locked());
    QLineEdit* pw = w.edt_PassWord();
    QCOMPARE(pw->maxLength(), 8);
    QCOMPARE(pw->echoMode(), QLineEdit::Password);

    pw->setText("778");
    QTest::keyClick(pw, Qt::Key_Return);
    QVERIFY(w.locked());
    QCOMPARE(pw->text(), QStringLiteral("778")); // a wrong password stays, silently
    QVERIFY(db.dialogs().log.isEmpty());

    pw->setText("7788");
    QTest::keyClick(pw, Qt::Key_Return);
    QVERIFY(!w.locked());
    QVERIFY(!pw->isVisible());
    QVERIFY(w.topMenu("수련비")->menuAction()->isEnabled());
}

// The lock passwords show "*" for each character typed, not the style's dot.
void TstShell::lockPasswordsEchoStars()
{
    TestDb db;
    TfMain main;
    TfFee0010 fee;
    TfMon0010 cash;
    TfGymInfo school;
    QList<QLineEdit*> fields{main.edt_PassWord(), fee.edt_PassWord, cash.edt_PassWord};
    for (const char* column : {"메인화면", "금전출납화면", "수련비화면"})
        fields << school.findChild<QLineEdit*>(QString::fromUtf8(column));
    for (QLineEdit* f : std::as_const(fields)) {
        QVERIFY(f);
        f->setText(QStringLiteral("a1가"));
        QCOMPARE(f->displayText(), QStringLiteral("***"));
    }
}

void TstShell::inputLanguage_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("sets");
    QTest::newRow("KOREA from Latin") << 0 << "KOREA" << 1 << 1;
    QTest::newRow("KOREA in Hangul") << 1 << "KOREA" << 1 << 0;
    QTest::newRow("ENGLISH from Hangul") << 1 << "ENGLISH" << 0 << 1;
    QTest::newRow("ENGLISH in Latin") << 0 << "ENGLISH" << 0 << 0;
    QTest::newRow("full-width left alone") << 8 << "KOREA" << 8 << 0;
    QTest::newRow("unknown request") << 0 << "JAPAN" << 0 << 0;
}

void TstShell::inputLanguage()
{
    QFETCH(int, current);
    QFETCH(QString, request);
    QFETCH(int, after);
    QFETCH(int, sets);
    FakeInput input;
    input.mode = current;
    InputLanguage::install(&input);
    QLineEdit field;
    field.show();
    field.setFocus();
    QApplication::setActiveWindow(&field);
    InputLanguage::set(request);
    InputLanguage::install(nullptr);
    QCOMPARE(input.mode, after);
    QCOMPARE(input.sets, sets);
    if (request == "ENGLISH" && QApplication::focusWidget() == &field)
        QVERIFY(field.inputMethodHints() & Qt::ImhLatinOnly);
}

void TstShell::startUpValues()
{
    TestDb db;
    db::run("insert into T_금전출납마감 (마감연월, 마감여부) values ('202403', '1'), ('202404', '0')");
    db::run("delete from T_가정통신문");
    FakeInput input;
    InputLanguage::install(&input);
    TfMain w;
    InputLanguage::install(nullptr);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tamrin2000_Windows7_20220101"));
    QCOMPARE(Application::title(), QStringLiteral("Tamrin2000_Windows7"));
    QCOMPARE(w.size(), QSize(798, 596));
    QCOMPARE(db::lastClosedMonth(), QStringLiteral("202403"));
    QCOMPARE(db::scalar("select count(*) from T_가정통신문").toInt(), 1);
    QCOMPARE(input.mode, 1); // Hangul from the start
    TfMain::showStatus("마감된 월입니다.");
    QCOMPARE(w.StatusBar1()->currentMessage(), QStringLiteral("마감된 월입니다."));
}

// What stood when the question was asked: the answer comes before anything is opened or written.
class StartUpDialogs : public RecordingDialogs {
public:
    bool fileAtQuestion = true;
    bool openAtQuestion = true;
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override
    {
        if (log.isEmpty()) {
            fileAtQuestion = QFileInfo::exists(ProgramDir::databaseFile());
            openAtQuestion = QSqlDatabase::database(db::kConnection, false).isOpen();
        }
        return RecordingDialogs::message(parent, icon, caption, text, buttons, defaultButton);
    }
};

void TstShell::unreachableServerAtStartUp_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opensFile");
    QTest::addColumn<bool>("opensGymInfo");
    QTest::newRow("예: the embedded file") << int(QMessageBox::Yes) << true << false;
    QTest::newRow("아니오: the file and 체육관 정보") << int(QMessageBox::No) << true << true;
    QTest::newRow("취소: nothing") << int(QMessageBox::Cancel) << false << false;
}

void TstShell::unreachableServerAtStartUp()
{
    QFETCH(int, answer);
    QFETCH(bool, opensFile);
    QFETCH(bool, opensGymInfo);
    TestDb db;
    db::closeDatabase();
    for (const QString& f : QDir(ProgramDir::file("Data")).entryList(QDir::Files))
        QVERIFY(QFile::remove(ProgramDir::file("Data/" + f)));
    DatabaseChoice choice;
    choice.server = true;
    choice.host = QStringLiteral("127.0.0.1");
    choice.port = 1; // nothing listens there
    choice.database = QStringLiteral("school");
    choice.user = QStringLiteral("tamrin");
    QVERIFY(choice.save());
    StartUpDialogs dialogs;
    dialogs.answers = {QMessageBox::StandardButton(answer)};
    Dialogs::install(&dialogs);

    auto* w = new TfMain;
    QCOMPARE(dialogs.log.size(), 1);
    const QString text = dialogs.log[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("서버의 데이터베이스에 연결할 수 없습니다: 127.0.0.1:1/school\n")), qPrintable(text));
    QVERIFY2(text.section(u'\n', 1, 1).trimmed().size() > 5, qPrintable(text)); // the engine's reason
    QVERIFY(text.contains(QStringLiteral("예: 이 PC 의 자료 파일로 엽니다.")));
    QVERIFY(text.contains(QStringLiteral("체육관 정보")));
    QVERIFY(!dialogs.fileAtQuestion);
    QVERIFY(!dialogs.openAtQuestion);

    QCOMPARE(w->databaseReady(), opensFile);
    QCOMPARE(QFileInfo::exists(ProgramDir::databaseFile()), opensFile);
    QVERIFY(!db::onServer());
    QCOMPARE(w->screens() && w->screens()->screen(QStringLiteral("TfGymInfo")) != nullptr, opensGymInfo);
    QVERIFY(DatabaseChoice::load().server); // the setting is the user's to change, not ours
    delete w;
    Dialogs::install(&db.dialogs());
}

void TstShell::smokeOpenEveryEntry()
{
    Application::applyFonts(); // the program's fonts and button style, as main() has them
    TestDb db;
    MonthClosing::saveOpening("202404", 0, 0); // the books are open, so the cash-book guard lets through
    auto* w = new TfMain;
    w->show();
    QVERIFY(!w->locked());
    ScreenHost* host = w->screens();
    QStringList opened;
    for (const Entry& e : entries()) {
        if (e.target.startsWith('@'))
            continue;
        const bool menu = topMenus().contains(e.place.first());
        if (menu) {
            QAction* a = w->menuItem(e.place);
            QVERIFY2(a, qPrintable(e.place.join('|')));
            QCOMPARE(a->isEnabled(), host->available(e));
            if (!a->isEnabled())
                continue;
            a->trigger();
        } else {
            QWidget* ls = host->open(e.place.first());
            QVERIFY(ls);
            QPushButton* b = static_cast<LaunchScreen*>(ls)->button(e.place.last());
            QVERIFY2(b, qPrintable(e.place.join('|')));
            if (!b->isEnabled())
                continue;
            b->click();
        }
        QWidget* s = host->screen(e.target);
        QVERIFY2(s, qPrintable(e.place.join('|')));
        QVERIFY(s->isVisible());
        QApplication::processEvents(); // the layouts settle as they do before the user sees the screen
        // A screen inside the work area must fit it: the main window has a fixed size, so anything wider
        // or taller would be cut off. It opens at the size it was designed for (its frame included), and
        // shows every caption whole with no widget over another.
        if (s->window() == w && !qobject_cast<LaunchScreen*>(s) && e.target != "Tfexit") {
            const QSize need = s->minimumSizeHint().expandedTo(s->minimumSize());
            const QRect room = w->workArea()->viewport()->rect();
            QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3").arg(e.target).arg(need.width()).arg(need.height())));
            auto* frame = qobject_cast<QMdiSubWindow*>(s->parentWidget());
            QVERIFY(frame);
            const QSize designed = ScreenHost::designedSize(s).boundedTo(room.size());
            QVERIFY2(room.contains(frame->geometry()) && frame->width() >= designed.width() && frame->height() >= designed.height(),
                     qPrintable(QStringLiteral("%1 opens %2x%3 at %4,%5, designed %6x%7")
                                    .arg(e.target)
                                    .arg(frame->width())
                                    .arg(frame->height())
                                    .arg(frame->x())
                                    .arg(frame->y())
                                    .arg(designed.width())
                                    .arg(designed.height())));
            QVERIFY(s->width() >= need.width() && s->height() >= need.height());
            const QStringList faults = layoutFaults(s);
            QVERIFY2(faults.isEmpty(), qPrintable(e.target + u' ' + faults.join(QStringLiteral("; "))));
        } else if (s->isWindow()) {
            QVERIFY2(s->width() >= s->minimumSizeHint().width() && s->height() >= s->minimumSizeHint().height(),
                     qPrintable(e.target));
            const QStringList faults = layoutFaults(s);
            QVERIFY2(faults.isEmpty(), qPrintable(e.target + u' ' + faults.join(QStringLiteral("; "))));
        }
        opened << e.target;
        s->close();
        QTRY_VERIFY(!host->screen(e.target));
    }
    // Every toolbar launch screen opens maximised with its spaced title.
    for (int i = 2; i <= 7; ++i) {
        w->toolButton(QStringLiteral("BitBtn%1").arg(i))->click();
    }
    auto* input = qobject_cast<LaunchScreen*>(host->screen("TfSM_input"));
    QVERIFY(input);
    QCOMPARE(input->title(), QStringLiteral("등 록 업 무"));
    QVERIFY(input->parentWidget()->isMaximized());
    QVERIFY(host->screen("TfSM_env"));
    QVERIFY(opened.contains("TfGymInfo") && opened.contains("TfEnviron") && opened.contains("TfRReason"));
    QVERIFY2(db.dialogs().log.isEmpty(), qPrintable(db.dialogs().lastText()));

    w->close();
    QVERIFY(db.dialogs().saw("종료"));
    delete w;
}


// An enabled entry that names a page must show that page: a page not built yet keeps its entry disabled
// rather than showing another page in its place.
void TstShell::enabledEntriesShowTheirPage()
{
    TestDb db;
    MonthClosing::saveOpening("202404", 0, 0);
    auto* w = new TfMain;
    w->show();
    ScreenHost* host = w->screens();
    for (const Entry& e : entries()) {
        if (e.page < 0 || !host->available(e))
            continue;
        const bool menu = topMenus().contains(e.place.first());
        if (menu)
            w->menuItem(e.place)->trigger();
        else
            static_cast<LaunchScreen*>(host->open(e.place.first()))->button(e.place.last())->click();
        QWidget* s = host->screen(e.target);
        QVERIFY2(s, qPrintable(e.place.join('|')));
        auto* pages = dynamic_cast<IScreenPages*>(s);
        QVERIFY2(pages, qPrintable(e.place.join('|')));
        QVERIFY2(pages->currentPage() == e.page, qPrintable(e.place.join('|')));
        s->close();
        QTRY_VERIFY(!host->screen(e.target));
    }
    QVERIFY2(db.dialogs().log.isEmpty(), qPrintable(db.dialogs().lastText()));
    delete w;
}

// Ending the program gives a screen with unsaved work the same question as its own close button.
void TstShell::closingAsksForUnsavedWork()
{
    TestDb db;
    auto* w = new TfMain;
    w->show();
    w->menuItem({"개인관리", "신규등록", "입관원서"})->trigger();
    auto* form = qobject_cast<TfPer0010*>(w->screens()->screen("TfPer0010"));
    QVERIFY(form);
    form->BitBtn1Click();
    QVERIFY(form->entering());

    db.dialogs().answers << QMessageBox::No;
    w->toolButton("BitBtn1")->click();
    QCOMPARE(db.dialogs().log.size(), 1);
    QVERIFY(db.dialogs().lastText().contains("입관원서"));
    QVERIFY(w->isVisible());
    QCOMPARE(w->screens()->screen("TfPer0010"), form);
    QVERIFY(form->entering());
    QVERIFY(QSqlDatabase::database(db::kConnection, false).isOpen());

    db.dialogs().answers << QMessageBox::Yes;
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(db.dialogs().lastText(), QStringLiteral("종료"));
    delete w;
}

// A copy at the end that fails is shown when the user closes the program; at a logout nobody could
// answer a box, so it is only kept for the next start.
void TstShell::failedCopyAtTheEnd()
{
    TestDb db;
    AutoBackup::saveSetting({AutoBackup::When::AtEnd, 5});
    QVERIFY(QDir().mkpath(AutoBackup::folder() + AutoBackup::nameAt(Clock::now()) + "/x"));
    const QString failed = QStringLiteral("자동 보관에 실패 하였습니다. 다음 시작 때 다시 알려 드립니다.");
    for (const bool logout : {false, true}) {
        db.dialogs().clear();
        auto* w = new TfMain;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (logout)
            ::raise(SIGTERM);
        else
            w->close();
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(db.dialogs().saw(failed), !logout);
        delete w;
    }
}

QTEST_MAIN(TstShell)
#include "tst_shell.moc"

// The main window starts at its designed size, never gets smaller, and a larger or maximised one gives
// its room to the screens inside: the unpaid list shows more lines.
void TstShell::mainWindowGrows()
{
    Application::applyFonts();
    TestDb db;
    auto* w = new TfMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->size(), QSize(798, 596));
    QCOMPARE(w->minimumSize(), QSize(798, 596));
    QVERIFY(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(w->maximumSize().width() > 798);
    QAction* unpaid = w->menuItem({QStringLiteral("수련비"), QStringLiteral("미납현황/납부통지서")});
    QVERIFY(unpaid);
    unpaid->trigger();
    auto* fee = qobject_cast<TfFee0010*>(w->screens()->screen(QStringLiteral("TfFee0010")));
    QVERIFY(fee);
    QTableView* list = nullptr;
    for (QTableView* v : fee->findChildren<QTableView*>())
        if (v->isVisibleTo(fee) && (!list || v->height() > list->height()))
            list = v;
    QVERIFY(list);
    QTRY_VERIFY(list->height() > 0);
    const int before = list->height(), widthBefore = list->width();
    w->resize(1280, 960); // what maximising does on a larger screen
    QTRY_VERIFY2(list->height() >= before + 300, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(list->height())));
    QVERIFY(list->width() >= widthBefore + 400);
    // Back to the start size: the screen fits the area again.
    w->resize(798, 596);
    auto* frame = qobject_cast<QMdiSubWindow*>(fee->parentWidget());
    QVERIFY(frame);
    QTRY_VERIFY(frame->mdiArea()->viewport()->rect().contains(frame->geometry()));
    QVERIFY(list->height() <= before + 40);
    delete w;
}

// The cash book opens maximised inside the main window; every top menu stays on the menu bar (none
// behind the "»" of a crowded bar), 기  타 › 자료보관 included.
void TstShell::menusStayWithCashBook()
{
    Application::applyFonts();
    TestDb db;
    MonthClosing::saveOpening("202404", 0, 0);
    auto* w = new TfMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->menuItem({QStringLiteral("금전출납"), QStringLiteral("수입/지출등록")})->trigger();
    auto* cash = w->screens()->screen(QStringLiteral("TfMon0010"));
    QVERIFY(cash);
    QTRY_VERIFY(qobject_cast<QMdiSubWindow*>(cash->parentWidget())->isMaximized());
    QMenuBar* bar = w->menuBar();
    QApplication::processEvents();
    for (QAction* a : bar->actions()) {
        const QRect at = bar->actionGeometry(a);
        QVERIFY2(!at.isEmpty() && at.right() < bar->width(), qPrintable(a->text()));
    }
    auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(!more || !more->isVisible());
    QVERIFY(w->menuItem({QStringLiteral("기  타"), QStringLiteral("자료보관")})->isEnabled());
    delete w;
}

// A status-line notice fades after a while and does not follow the user to the next screen.
void TstShell::statusNoticeStaysWithItsScreen()
{
    TestDb db;
    auto* w = new TfMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->screens()->open(QStringLiteral("TfPer0010"));
    TfMain::showStatus(QStringLiteral("없는 날짜입니다."));
    QCOMPARE(w->StatusBar1()->currentMessage(), QStringLiteral("없는 날짜입니다."));
    QVERIFY(TfMain::kStatusMs > 0 && TfMain::kStatusMs <= 15000);
    w->screens()->open(QStringLiteral("TfSM_input"));
    QTRY_VERIFY(w->StatusBar1()->currentMessage().isEmpty());
    delete w;
}

// Logout or shutdown (SIGTERM) ends the program as its close box does, without questions nobody could
// answer: the automatic copy "at the end" is taken and the database closes.
void TstShell::sessionEndBacksUpAndCloses()
{
    TestDb db;
    AutoBackup::saveSetting({AutoBackup::When::AtEnd, 5});
    auto* w = new TfMain;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* form = qobject_cast<TfPer0010*>(w->screens()->open(QStringLiteral("TfPer0010")));
    QVERIFY(form);
    form->BitBtn1Click(); // a form being typed would ask on an ordinary close
    QVERIFY(AutoBackup::copiesIn(AutoBackup::folder()).isEmpty());
    ::raise(SIGTERM);
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(AutoBackup::copiesIn(AutoBackup::folder()).size(), 1);
    QVERIFY(!QSqlDatabase::database(db::kConnection, false).isOpen());
    QVERIFY2(db.dialogs().log.isEmpty(), qPrintable(db.dialogs().lastText()));
    delete w;
}
