#include "support/TestDb.h"

#include "app/Application.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/SchoolInfo.h"
#include "settings/uGymInfo.h"
#include "db/MemberStatus.h"
#include "ui/DateEdit.h"
#include "ui/DisplayScale.h"
#include "ui/KeyboardFlow.h"
#include "ui/MemberChooser.h"
#include "ui/StatusLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
    void enterMovesFocus_data();
    void enterMovesFocus();
    void koreanTranslation();
    void memberChooserNamesakes();
    void displayScaleStoredForNextStart();
    void fileDialogFolders_data();
    void fileDialogFolders();
    void browseModeReadable();
    void smallWindowsOverTheirOwner();
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

void TstUi::displayScaleStoredForNextStart()
{
    TestDb db;
    QCOMPARE(SchoolInfo::displayScaleIn(ProgramDir::databaseFile()), 0); // no choice yet: the screen's DPI
    {
        TfGymInfo gym;
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
}

QTEST_MAIN(TstUi)
#include "tst_ui.moc"
