#include "support/TestDb.h"

#include "app/Application.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/SchoolInfo.h"
#include "settings/uGymInfo.h"
#include "db/MemberStatus.h"
#include "ui/DateEdit.h"
#include "ui/BoxTitle.h"
#include "ui/DisplayScale.h"
#include "ui/FrozenColumns.h"
#include "ui/ListModel.h"
#include "ui/KeyboardFlow.h"
#include "ui/MemberChooser.h"
#include "ui/StatusLine.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QScopeGuard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// Keys as a user types them: digits and letters as text, named keys in braces ("{Enter}").
void typeKeys(QWidget* w, const QString& keys)
{
    static const QHash<QString, Qt::Key> named = {{"Enter", Qt::Key_Return}, {"Backspace", Qt::Key_Backspace},
                                                  {"Esc", Qt::Key_Escape},   {"Up", Qt::Key_Up},
                                                  {"Delete", Qt::Key_Delete}, {"End", Qt::Key_End},
                                                  {"Home", Qt::Key_Home},    {"Minus", Qt::Key_Minus}};
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i] == u'{') {
            const int end = keys.indexOf(u'}', i);
            const Qt::Key k = named.value(keys.mid(i + 1, end - i - 1));
            QTest::keyClick(w, k, Qt::NoModifier);
            i = end;
        } else {
            QTest::keyClick(w, keys[i].toLatin1());
        }
    }
}

// Hangul arrives through the input method, one finished syllable at a time.
void commitText(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QInputMethodEvent e;
        e.setCommitString(QString(c));
        QApplication::sendEvent(w, &e);
    }
}

void activate(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TstUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Application::applyFonts(); // style, translations and keyboard flow, as the program has them
    }

    void dateTyping_data();
    void dateTyping();
    void dateSignalsOnceWhenWhole();
    void calendarBuiltOnFirstUse();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void koreanTranslation();
    void memberChooserNamesakes();
    void memberSearch_data();
    void memberSearch();
    void frozenColumnsStayInView();
    void boxTitlesNameTheirScreen();
    void numberColumnsNeverCut();
    void displayScaleStoredForNextStart();
    void fileDialogFolders_data();
    void fileDialogFolders();
    void browseModeReadable();
    void smallWindowsOverTheirOwner();
    void answersBecomeBoxes();
};

void TstUi::dateTyping_data()
{
    QTest::addColumn<QString>("before"); // "" = blank
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("complaint"); // the status line says the date does not exist

    QTest::newRow("eight digits make the date") << "2023-01-10" << false << "20241205" << "2024-12-05" << false;
    QTest::newRow("from the end of the field") << "2023-01-10" << false << "{End}20241205" << "2024-12-05" << false;
    QTest::newRow("separators typed along") << "2023-01-10" << false << "2024{Minus}12{Minus}05" << "2024-12-05" << false;
    QTest::newRow("six digits: yymmdd") << "2023-01-10" << false << "150302{Enter}" << "2015-03-02" << false;
    QTest::newRow("six digits: last century") << "2023-01-10" << false << "981231{Enter}" << "1998-12-31" << false;
    QTest::newRow("four digits: month and day of the shown year") << "2023-01-10" << false << "1205{Enter}" << "2023-12-05"
                                                                  << false;
    QTest::newRow("one digit: day of the shown month") << "2023-02-10" << false << "5{Enter}" << "2023-02-05" << false;
    QTest::newRow("backspace takes one digit back") << "2023-01-10" << false << "20249{Backspace}1205" << "2024-12-05" << false;
    QTest::newRow("escape keeps the date") << "2023-01-10" << false << "2024{Esc}" << "2023-01-10" << false;
    QTest::newRow("no 30th of February") << "2023-01-10" << false << "20240230" << "2023-01-10" << true;
    QTest::newRow("no 13th month") << "2023-01-10" << false << "1301{Enter}" << "2023-01-10" << true;
    QTest::newRow("three digits make nothing") << "2023-01-10" << false << "125{Enter}" << "2023-01-10" << true;
    QTest::newRow("arrow steps the day") << "2024-12-05" << false << "{End}{Up}" << "2024-12-06" << false;
    QTest::newRow("arrow after typing") << "2023-01-10" << false << "20241205{Up}" << "2024-12-06" << false;
    QTest::newRow("blank stays blank") << "" << true << "" << "" << false;
    QTest::newRow("blank typed into") << "" << true << "20160709" << "2016-07-09" << false;
    QTest::newRow("blank: arrow starts today") << "" << true << "{Up}" << "2024-05-15" << false;
    QTest::newRow("blank: day of this month") << "" << true << "3{Enter}" << "2024-05-03" << false;
    QTest::newRow("delete empties an optional date") << "2016-07-09" << true << "{Delete}" << "" << false;
    QTest::newRow("delete keeps a required date") << "2016-07-09" << false << "{Delete}" << "2016-07-09" << false;
}

void TstUi::dateTyping()
{
    QFETCH(QString, before);
    QFETCH(bool, allowEmpty);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(bool, complaint);
    TestDb db; // the clock on 2024-05-15
    StatusLine::show(QString());
    DateEdit edit;
    edit.setAllowEmpty(allowEmpty);
    edit.setDateText(before);
    QCOMPARE(edit.dateText(), before);
    activate(&edit);
    edit.setFocus();
    typeKeys(&edit, keys);
    QCOMPARE(edit.dateText(), after);
    QCOMPARE(StatusLine::text().contains(QStringLiteral("없는 날짜")), complaint);
    // What the field shows is the date it holds.
    QCOMPARE(edit.text().trimmed(), after);
}

void TstUi::dateSignalsOnceWhenWhole()
{
    TestDb db;
    DateEdit edit(QDate(2023, 1, 10));
    activate(&edit);
    QSignalSpy changed(&edit, &QDateEdit::dateChanged);
    typeKeys(&edit, QStringLiteral("20241205"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDate(), QDate(2024, 12, 5));
}

// A screen full of date fields does not build a calendar for each: the first press on the arrow does,
// and a blank field's calendar opens on this month.
void TstUi::calendarBuiltOnFirstUse()
{
    Clock::setFixed(QDateTime(QDate(2024, 6, 12), QTime(9, 0)));
    const auto restore = qScopeGuard([] { Clock::reset(); });
    DateEdit edit;
    edit.setAllowEmpty(true);
    edit.resize(120, edit.sizeHint().height());
    activate(&edit);
    QVERIFY(!edit.findChild<QCalendarWidget*>());
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 6, edit.height() / 2));
    auto* calendar = edit.findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->yearShown(), 2024);
    QCOMPARE(calendar->monthShown(), 6);
    calendar->window()->hide();
}

void TstUi::enterMovesFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");

    QTest::newRow("line edit to date") << "name" << int(Qt::Key_Return) << 0 << "date";
    QTest::newRow("keypad enter too") << "name" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "date";
    QTest::newRow("date to drop-down") << "date" << int(Qt::Key_Return) << 0 << "combo";
    QTest::newRow("shift+enter goes back") << "date" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "name";
    QTest::newRow("drop-down to check box") << "combo" << int(Qt::Key_Return) << 0 << "check";
    QTest::newRow("check box to memo") << "check" << int(Qt::Key_Return) << 0 << "memo";
    QTest::newRow("tab leaves the memo") << "memo" << int(Qt::Key_Tab) << 0 << "save";
    QTest::newRow("enter in the memo is a new line") << "memo" << int(Qt::Key_Return) << 0 << "memo";
    QTest::newRow("enter presses the button") << "save" << int(Qt::Key_Return) << 0 << "save";
    QTest::newRow("a search box keeps its enter") << "search" << int(Qt::Key_Return) << 0 << "search";
    QTest::newRow("grid cells keep their enter") << "grid" << int(Qt::Key_Return) << 0 << "grid";
}

void TstUi::enterMovesFocus()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);
    TestDb db;
    QWidget form;
    auto* lay = new QVBoxLayout(&form);
    auto add = [&](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        lay->addWidget(w);
        return w;
    };
    add(new QLineEdit, "name");
    add(new DateEdit, "date");
    auto* combo = static_cast<QComboBox*>(add(new QComboBox, "combo"));
    combo->addItems({"양", "음"});
    add(new QCheckBox("납부"), "check");
    auto* memo = static_cast<QPlainTextEdit*>(add(new QPlainTextEdit, "memo"));
    auto* save = static_cast<QPushButton*>(add(new QPushButton("확     인"), "save"));
    auto* search = static_cast<QLineEdit*>(add(new QLineEdit, "search"));
    KeyboardFlow::keepEnter(search);
    auto* grid = static_cast<QTableWidget*>(add(new QTableWidget(2, 2), "grid"));
    int clicks = 0;
    connect(save, &QPushButton::clicked, [&] { ++clicks; });
    activate(&form);
    auto* start = form.findChild<QWidget*>(from);
    start->setFocus();
    QCOMPARE(QApplication::focusWidget(), start);
    if (start == grid)
        grid->setCurrentCell(0, 0);

    QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(clicks, from == "save" ? 1 : 0);
    QVERIFY(!memo->toPlainText().contains(u'\t'));
    if (from == "memo" && key == Qt::Key_Return)
        QCOMPARE(memo->toPlainText(), QStringLiteral("\n"));
}

void TstUi::koreanTranslation()
{
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("취소"));
    QVERIFY(box.button(QDialogButtonBox::Ok)->text().contains(QStringLiteral("확인")));
}

void TstUi::memberChooserNamesakes()
{
    TestDb db;
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 생년월일) VALUES "
            "('202401001', '홍길동', '03', '2015-03-02'), ('202402007', '홍길동', '12', '2009-11-20'), "
            "('202403002', '홍길순', '03', '2016-01-05'), ('202404001', '김철수', '04', '2014-06-30')");
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 퇴관일) VALUES ('202301001', '홍길동', '2023-12-31')");
    MemberChooser chooser(MemberStatus::notWithdrawn("a"));
    QSignalSpy chosen(&chooser, &MemberChooser::memberChosen);
    activate(&chooser);

    // Typing narrows the list as the name grows; the one who left is not offered.
    commitText(&chooser, QStringLiteral("홍길"));
    QCOMPARE(chooser.matches().size(), 3);
    commitText(&chooser, QStringLiteral("동"));
    const QList<MemberNames::Row> namesakes = chooser.matches();
    QCOMPARE(namesakes.size(), 2);
    QVERIFY(chooser.list()->isVisible());
    // The list tells them apart by number, division and birth date.
    QAbstractItemModel* shown = chooser.list()->model();
    QCOMPARE(shown->index(1, MemberNames::Birth).data().toString(), QStringLiteral("2009-11-20"));
    QVERIFY(!shown->index(1, MemberNames::Division).data().toString().isEmpty());
    QVERIFY(!chooser.list()->isColumnHidden(MemberNames::Birth));
    // Enter with namesakes chooses nobody by itself.
    chooser.list()->hide();
    QTest::keyClick(&chooser, Qt::Key_Return);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(chooser.list()->isVisible());
    chooser.choose(1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toString(), QStringLiteral("202402007"));
    QCOMPARE(chooser.memberNo(), QStringLiteral("202402007"));
    QCOMPARE(chooser.text(), QStringLiteral("홍길동"));

    // A part of the number finds too, and a single match is taken by Enter.
    chooser.clear();
    QTest::keyClicks(&chooser, QStringLiteral("04001"));
    QCOMPARE(chooser.matches().size(), 1);
    chooser.list()->hide();
    QTest::keyClick(&chooser, Qt::Key_Return);
    QCOMPARE(chooser.memberNo(), QStringLiteral("202404001"));
    QCOMPARE(chooser.text(), QStringLiteral("김철수"));

    // Nothing matches: no list, and the status line says so.
    chooser.clear();
    commitText(&chooser, QStringLiteral("박"));
    QVERIFY(chooser.matches().isEmpty());
    QVERIFY(chooser.memberNo().isEmpty());
    QVERIFY(StatusLine::text().contains(QStringLiteral("없습니다")));
}

void TstUi::memberSearch_data()
{
    // Steps as the input method sends them, where the platform sends them (the focus object):
    // "committed/composing", e.g. "하/느" commits 하 and starts composing 느.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("found"); // member numbers, in list order

    const QString kimHaneul = "202401001,202405005", all = "202401001,202405005,202401002,202402003,202403004,202406006";
    QTest::newRow("start of the name") << QStringList{"김/", "하/"} << kimHaneul;
    QTest::newRow("middle of the name") << QStringList{"민/"} << "202402003,202406006";
    QTest::newRow("end of the name") << QStringList{"하/", "늘/"} << kimHaneul + ",202403004";
    QTest::newRow("start, two syllables") << QStringList{"박/", "민/"} << "202402003";
    QTest::newRow("namesakes both listed") << QStringList{"김/", "하/", "늘/"} << kimHaneul;
    QTest::newRow("composing syllable counts") << QStringList{"김/", "/하"} << kimHaneul + ",202401002";
    QTest::newRow("composing tail may lead the next") << QStringList{"김/", "/한"} << kimHaneul + ",202401002";
    QTest::newRow("composing consonant alone") << QStringList{"/ㅂ"} << "202402003";
    QTest::newRow("typing 하늘 through the input method")
        << QStringList{"/ㅎ", "/하", "/한", "하/느", "/늘"} << kimHaneul + ",202403004";
    QTest::newRow("이, then 하늘 composed") << QStringList{"이/", "/하", "/한", "하/느"} << "202403004";
    QTest::newRow("digits narrow by number") << QStringList{"2/", "0/", "2/", "4/", "0/", "1/"} << "202401001,202401002";
    QTest::newRow("digits: one number") << QStringList{"3/", "0/", "0/", "4/"} << "202403004";
    QTest::newRow("digits: all") << QStringList{"2/", "0/", "2/", "4/"} << all;
    QTest::newRow("nobody") << QStringList{"정/"} << "";
}

void TstUi::memberSearch()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, found);
    TestDb db;
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 생년월일) VALUES "
            "('202401001', '김하늘', '03', '2015-03-02'), ('202405005', '김하늘', '12', '2009-11-20'), "
            "('202401002', '김한결', '03', '2016-01-05'), ('202402003', '박민준', '04', '2014-06-30'), "
            "('202403004', '이하늘', '04', '2014-02-01'), ('202406006', '최수민', '05', '2013-07-07')");
    QWidget window;
    auto* chooser = new MemberChooser(MemberStatus::notWithdrawn("a"), &window);
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(chooser);
    layout->addWidget(other);
    activate(&window);
    chooser->setFocus();
    for (const QString& step : steps) {
        const qsizetype slash = step.indexOf(u'/');
        const QString commit = step.left(slash), composing = step.mid(slash + 1);
        QObject* target = QGuiApplication::focusObject();
        QVERIFY2(target == chooser, "the field keeps the keyboard while the list is open");
        if (composing.isEmpty() && commit.size() == 1 && commit[0].isDigit()) {
            QTest::keyClick(chooser, commit[0].toLatin1());
            continue;
        }
        QInputMethodEvent e(composing, {});
        e.setCommitString(commit);
        QApplication::sendEvent(target, &e);
    }
    QStringList numbers;
    for (const MemberNames::Row& r : chooser->matches())
        numbers << r.no;
    QCOMPARE(numbers.join(u','), found);
    QCOMPARE(chooser->list()->isVisible(), !found.isEmpty());
    if (found.isEmpty())
        return;
    // Down and Enter choose from the list; the composition ends with the choice.
    QTest::keyClick(chooser, Qt::Key_Down);
    QTest::keyClick(chooser, Qt::Key_Return);
    QCOMPARE(chooser->memberNo(), found.section(u',', 0, 0));
    QVERIFY(!chooser->list()->isVisible());
}

// A wide grid scrolled sideways keeps its number and name columns at its left edge, scrolling up and
// down with the grid and sharing its selection; a grid that fits its room needs none.
void TstUi::frozenColumnsStayInView()
{
    ListModel model;
    QList<ListModel::Column> cols = {{"회원번호", 80}, {"회원명", 70}};
    for (int i = 0; i < 12; ++i)
        cols.append({QStringLiteral("항목%1").arg(i), 60, true, ListModel::Number});
    model.setColumns(cols);
    QList<QStringList> rows;
    for (int r = 0; r < 40; ++r)
        rows.append({QStringLiteral("2024010%1").arg(r, 2, 10, QChar(u'0')), QStringLiteral("회원%1").arg(r)});
    model.setRows(rows);
    QTableView view;
    ListModel::attach(&view, &model);
    QTableView* frozen = FrozenColumns::install(&view, 2);
    view.resize(400, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(frozen->isVisible());
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    view.verticalScrollBar()->setValue(20);
    QApplication::processEvents();
    QCOMPARE(frozen->x(), view.frameWidth());
    QCOMPARE(frozen->width(), view.columnWidth(0) + view.columnWidth(1) + 1);
    QVERIFY(!frozen->isColumnHidden(1) && frozen->isColumnHidden(2));
    QCOMPARE(frozen->columnViewportPosition(0), 0);
    QCOMPARE(frozen->rowAt(0), view.rowAt(0));
    QVERIFY(frozen->rowAt(0) > 0);
    QCOMPARE(frozen->selectionModel(), view.selectionModel());
    // Wide enough for every column: nothing to hold.
    view.resize(1400, 240);
    QTRY_VERIFY(!frozen->isVisible());
}

void TstUi::boxTitlesNameTheirScreen()
{
    QMainWindow main;
    main.setWindowTitle("Tamrin2000_Windows7_20220101");
    auto* screen = new QWidget(&main);
    screen->setWindowTitle("입관원서 등록");
    auto* field = new QLineEdit(screen);
    QCOMPARE(boxTitle(field, "확인요망"), QString("확인요망 - 입관원서 등록"));
    QCOMPARE(boxTitle(field, ""), QString("입관원서 등록"));
    QCOMPARE(boxTitle(new QLineEdit(&main), "확인"), QString("확인")); // never the program's own title
    QCOMPARE(boxTitle(nullptr, "오류"), QString("오류"));
}

// A grid's number columns widen to their widest figure; a column of words keeps the screen's width.
void TstUi::numberColumnsNeverCut()
{
    ListModel model;
    model.setColumns({{"번호", 20}, {"이름", 20}, {"금액", 20}});
    QTableView view;
    ListModel::attach(&view, &model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int nameWidth = view.columnWidth(1);
    model.setRows({{"202612001", "홍길동입니다", "1,300,000 원"}, {"00", "", "0"}});
    const QFontMetrics fm(view.font());
    QTRY_VERIFY(view.columnWidth(0) >= fm.horizontalAdvance("202612001"));
    QTRY_VERIFY(view.columnWidth(2) >= fm.horizontalAdvance("1,300,000 원"));
    QCOMPARE(view.columnWidth(1), nameWidth);
}

void TstUi::displayScaleStoredForNextStart()
{
    TestDb db;
    QCOMPARE(SchoolInfo::displayScaleIn(ProgramDir::databaseFile()), 0); // no choice yet: the screen's DPI
    {
        TfGymInfo gym;
        // A scale that would put the main window off this screen is greyed and says why.
        auto* scale = gym.findChild<QComboBox*>("화면배율");
        QVERIFY(scale);
        const int big = scale->findData(200);
        QVERIFY(!qobject_cast<QStandardItemModel*>(scale->model())->item(big)->isEnabled());
        QVERIFY(scale->itemText(big).contains(QStringLiteral("선택할 수 없음")));
        QVERIFY(scale->itemData(big, Qt::ToolTipRole).toString().contains(QStringLiteral("커집니다")));
        QCOMPARE(scale->itemText(scale->findData(100)), QStringLiteral("100 %"));
        gym.btnEditClick();
        gym.setText("도장명", "한빛태권도");
        gym.setChosenScale(150);
        gym.btnOkClick();
        QVERIFY2(db.dialogs().log.isEmpty(), qPrintable(db.dialogs().lastText()));
        QVERIFY(StatusLine::text().contains(QStringLiteral("150 %")));
    }
    // What the next start reads, beside the program's own connection.
    QCOMPARE(SchoolInfo::displayScaleIn(ProgramDir::databaseFile()), 150);
    QCOMPARE(SchoolInfo::displayScale(), 150);
    QCOMPARE(SchoolInfo::displayScaleIn(ProgramDir::file("Data/없는파일.db")), 0);
    // A larger scale only where the main window still fits the screen.
    QVERIFY(DisplayScale::fits(150, QSize(798, 596), QSize(1280, 984), 100));
    QVERIFY(!DisplayScale::fits(150, QSize(798, 596), QSize(1024, 728), 100));
    QVERIFY(DisplayScale::fits(200, QSize(798, 596), QSize(1280, 984), 150)); // screen measured at 150 %
}

// What rules answer becomes one box per message at its level; a question is agreed only with its yes
// button (예 or 확인), and one closed without a button takes its default.
void TstUi::answersBecomeBoxes()
{
    RecordingDialogs dlg;
    Dialogs::install(&dlg);
    Answer told = Answer::refused("오류", "첫째");
    told.tell(Message::Level::Warning, "확인요망", "둘째").tell(Message::Level::Info, "확인", "셋째");
    QVERIFY(!Dialogs::show(told));
    QCOMPARE(dlg.log.size(), 3);
    const QStringList kinds = {"critical", "warning", "information"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dlg.log[i].kind, kinds[i]);
        QCOMPARE(dlg.log[i].caption, told.messages()[i].caption);
        QCOMPARE(dlg.log[i].text, told.messages()[i].text);
    }
    QVERIFY(Dialogs::show(Answer::done()));
    QVERIFY(!Dialogs::show(Answer::declined()));
    QCOMPARE(dlg.log.size(), 3);

    using B = Question::Buttons;
    struct Case {
        B buttons;
        bool yesByDefault;
        QMessageBox::StandardButton pressed; // NoButton: closed, the default taken
        bool agreed;
    };
    const Case cases[] = {
        {B::OkCancel, true, QMessageBox::NoButton, true},     {B::OkCancel, true, QMessageBox::Cancel, false},
        {B::OkCancel, false, QMessageBox::NoButton, false},   {B::OkCancel, true, QMessageBox::Ok, true},
        {B::YesNo, true, QMessageBox::No, false},             {B::YesNo, true, QMessageBox::Yes, true},
        {B::YesNoCancel, false, QMessageBox::NoButton, false}, {B::YesNoCancel, false, QMessageBox::Cancel, false},
        {B::YesNoCancel, false, QMessageBox::Yes, true},
    };
    for (const Case& c : cases) {
        dlg.clear();
        if (c.pressed != QMessageBox::NoButton)
            dlg.answers << c.pressed;
        Question q;
        q.buttons = c.buttons;
        q.yesByDefault = c.yesByDefault;
        q.caption = "확인";
        q.text = "종료 하시겠습니까?";
        QCOMPARE(Dialogs::asker(nullptr)(q), c.agreed);
        QCOMPARE(dlg.log.size(), 1);
        QCOMPARE(dlg.log[0].kind, QString("question"));
        QCOMPARE(dlg.log[0].text, q.text);
    }
    Question warned;
    warned.level = Message::Level::Warning;
    dlg.clear();
    Dialogs::ask(warned);
    QCOMPARE(dlg.log[0].kind, QString("warning"));
    Dialogs::install(nullptr);
}

void TstUi::fileDialogFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("inDocuments");
    QTest::newRow("bare pdf name") << "일일현황.pdf" << true;
    QTest::newRow("nothing given") << "" << true;
    QTest::newRow("absolute backup path") << QDir::tempPath() + "/backup/Tamrin2000.db" << false;
}

void TstUi::fileDialogFolders()
{
    QFETCH(QString, dir);
    QFETCH(bool, inDocuments);
    const QString got = Dialogs::fittingPath(dir);
    QVERIFY(QFileInfo(got).isAbsolute());
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QFileInfo(docs).isDir())
        docs = QDir::homePath();
    QCOMPARE(got.startsWith(docs), inDocuments);
    if (!inDocuments)
        QCOMPARE(got, dir);
    QVERIFY(got.endsWith(dir));
}

void TstUi::browseModeReadable()
{
    // A field switched off in browse mode is drawn in the text colour, a button still greyed.
    QLineEdit field;
    field.setEnabled(false);
    QPushButton button;
    button.setEnabled(false);
    const QColor text = field.palette().color(QPalette::Disabled, QPalette::Text);
    QVERIFY2(text.lightness() < 90, qPrintable(text.name()));
    QVERIFY(button.palette().color(QPalette::Disabled, QPalette::ButtonText).lightness() > text.lightness() + 40);
    // Grid rows as tall as their font needs, not the platform's roomy default.
    QTableWidget grid(3, 2);
    const int h = grid.verticalHeader()->defaultSectionSize();
    QVERIFY2(h >= grid.fontMetrics().height() && h <= grid.fontMetrics().height() + 8, qPrintable(QString::number(h)));
}


void TstUi::smallWindowsOverTheirOwner()
{
    QWidget owner;
    owner.setGeometry(100, 80, 798, 596);
    owner.show();
    auto* small = new QWidget(&owner, Qt::Window); // a print window of a screen
    small->resize(300, 200);
    small->show();
    // Over the middle, give or take the frame, not at the desktop's corner.
    QVERIFY2((small->geometry().center() - owner.geometry().center()).manhattanLength() <= 6,
             qPrintable(QStringLiteral("%1,%2").arg(small->x()).arg(small->y())));
    // A window that placed itself keeps its place.
    auto* placed = new QWidget(&owner, Qt::Window);
    placed->setGeometry(10, 10, 200, 100);
    placed->show();
    QCOMPARE(placed->geometry().topLeft(), QPoint(10, 10));
    // A second window of the same size (월마감작업, then 월마감취소) does not hide the first.
    auto* second = new QWidget(&owner, Qt::Window);
    second->resize(300, 200);
    second->show();
    QVERIFY(second->pos() != small->pos());
    QVERIFY((second->geometry().center() - owner.geometry().center()).manhattanLength() <= 80);
}

QTEST_MAIN(TstUi)
#include "tst_ui.moc"
