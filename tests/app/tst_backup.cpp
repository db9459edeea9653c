// Backup of the open database, the restore program's work, and the hand-over between the two programs.
#include "backup/DataBackup.h"
#include "backup/AutoBackup.h"
#include "app/DataRestore.h"
#include "backup/DatabaseFile.h"
#include "app/ProgramStarter.h"
#include "ui/ScreenHost.h"
#include "app/uMain.h"
#include "app/uRestore.h"
#include "app/Screens.h"
#include "db/Database.h"
#include "db/QuickCheck.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "members/uPer0010.h"
#include "support/TestDb.h"

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>
#include <QTreeWidget>
#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

// Counts and sums that must come back equal after a restore.
struct Totals {
    qint64 members = 0, fees = 0, feeSum = 0, lines = 0, lineSum = 0;
    bool operator==(const Totals&) const = default;
};

qint64 one(sqlite3* h, const char* sql)
{
    sqlite3_stmt* st = nullptr;
    qint64 v = -1;
    if (sqlite3_prepare_v2(h, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return v;
}

Totals totalsOf(sqlite3* h)
{
    return {one(h, "SELECT count(*) FROM T_회원"), one(h, "SELECT count(*) FROM T_수련비납부"),
            one(h, "SELECT coalesce(sum(납부액),0) FROM T_수련비납부"), one(h, "SELECT count(*) FROM T_금전출납"),
            one(h, "SELECT coalesce(sum(입금액),0) FROM T_금전출납")};
}

Totals totalsOfFile(const QString& file)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    const Totals t = totalsOf(h);
    sqlite3_close(h);
    return t;
}

Totals liveTotals() { return totalsOf(DatabaseFile::mainHandle()); }

sqlite3* secondConnection()
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(ProgramDir::databaseFile().toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(h, 5000);
    // Keep the commits in the WAL file, where a plain copy of the database file would miss them.
    sqlite3_exec(h, "PRAGMA wal_autocheckpoint=0", nullptr, nullptr, nullptr);
    return h;
}

// A fee payment and its cash-book line, written together as the fee screen does.
bool payFee(sqlite3* h, int i, bool commit = true)
{
    const QByteArray sql = QStringLiteral(
                               "BEGIN IMMEDIATE;"
                               "INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('M%1', '202401', %1, '2024-01-15', %2);"
                               "INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액, 수련비순번) VALUES ('2024-01-15', %1, '01', %2, 0, '202401%1');")
                               .arg(i)
                               .arg(1000 * (i % 7 + 1))
                               .toUtf8()
        + (commit ? "COMMIT;" : "");
    return sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void addMembers(int n, int from = 1)
{
    for (int i = from; i < from + n; ++i)
        sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 주소) VALUES ('2024010%1', '회원%1', '%2')")
                    .arg(i, 2, 10, QLatin1Char('0'))
                    .arg(QString(200, QChar(u'가' + i % 50))));
}

void damage(const QString& file, const QString& how)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 size = f.size();
    if (how == "text") {
        f.resize(0);
        f.write("회원번호,회원명\n202401001,홍길동\n");
    } else if (how == "truncated") {
        f.resize(size / 2);
    } else if (how == "garbage page") {
        // A page in the middle of the file, header and cells overwritten.
        f.seek((size / 2 / 4096) * 4096);
        f.write(QByteArray(3000, '\xAB'));
    }
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    QStringList m_started;

    // A menu item of the main window's table, run as the menu runs it.
    static void menuItem(const QString& name, QWidget* main = nullptr)
    {
        for (const screens::NamedAction& a : screens::actions())
            if (a.name == name)
                return a.run(main);
        QFAIL(qPrintable("no menu item " + name));
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        m_started.clear();
        ProgramStarter::install([this](const QString& program, const QStringList&) {
            m_started << program;
            return true;
        });
    }
    void cleanup()
    {
        ProgramStarter::install({});
        m_db.reset();
    }

    // The copy holds what was committed, also what still sits in the WAL file, and nothing of a
    // transaction another connection has not committed; restored, it gives the same counts and sums.
    void backupWhileAnotherConnectionWritesRestoresEqual()
    {
        addMembers(20);
        sqlite3* other = secondConnection();
        for (int i = 1; i <= 30; ++i)
            QVERIFY(payFee(other, i));
        QVERIFY(QFileInfo(ProgramDir::databaseFile() + "-wal").size() > 0);
        QVERIFY(payFee(other, 31, false)); // open and unfinished while the copy is taken
        const Totals committed = liveTotals();
        QCOMPARE(committed.fees, 30);

        const QString copy = ProgramDir::file("backup/mid.db");
        QString error;
        QVERIFY2(DataBackup::copyTo(copy, &error), qPrintable(error));
        QCOMPARE(totalsOfFile(copy), committed);
        QVERIFY(!QFileInfo::exists(copy + "-wal"));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);

        // A writer that does not stop while copies are taken: every copy is whole and consistent.
        std::atomic<bool> stop = false;
        std::atomic<int> written = 0;
        std::thread writer([&] {
            for (int i = 100; !stop && i < 5000; ++i)
                if (payFee(other, i))
                    ++written;
        });
        for (int k = 0; k < 5; ++k) {
            const QString c = ProgramDir::file(QStringLiteral("backup/run%1.db").arg(k));
            QVERIFY2(DataBackup::copyTo(c, &error), qPrintable(error));
            QCOMPARE(DatabaseFile::problem(c), QString());
            const Totals t = totalsOfFile(c);
            QCOMPARE(t.fees, t.lines);
            QCOMPARE(t.feeSum, t.lineSum);
            QTest::qWait(5);
        }
        stop = true;
        writer.join();
        QVERIFY(written > 0);
        sqlite3_close(other);
        QVERIFY(liveTotals().fees > committed.fees);

        db::closeDatabase();
        const DataRestore::Result r = DataRestore::restore(copy, 0);
        QCOMPARE(int(r.outcome), int(DataRestore::Outcome::Restored));
        QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
        QCOMPARE(liveTotals(), committed);
        // The data before the restore was kept, with the rows written after the copy.
        QVERIFY(QFileInfo::exists(r.safetyCopy));
        QCOMPARE(totalsOfFile(r.safetyCopy).fees, committed.fees + 1 + written);
    }

    void backupTarget_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("ok");
        QTest::newRow("replaces an existing file") << "backup/Tamrin2000.db" << true;
        QTest::newRow("name without a kind") << "backup/오늘" << true;
        QTest::newRow("folder that does not exist") << "없는폴더/Tamrin2000.db" << false;
        QTest::newRow("the database in use") << "Data/Tamrin2000.db" << false;
    }
    void backupTarget()
    {
        QFETCH(QString, target);
        QFETCH(bool, ok);
        addMembers(3);
        const QString file = ProgramDir::file(target);
        if (target.startsWith("backup/")) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older copy");
        }
        m_db->dialogs().files << file;
        menuItem("@backup");

        const QString written = QFileInfo(file).suffix().isEmpty() ? file + ".db" : file;
        const auto& log = m_db->dialogs().log;
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].kind, QString("save"));
        QCOMPARE(log[0].caption, QString("보관할 곳을 선택하세요 "));
        if (ok) {
            QCOMPARE(log[1].kind, QString("information"));
            QCOMPARE(log[1].text, QString("자료가 성공적으로 보관 되었습니다."));
            QCOMPARE(DatabaseFile::problem(written), QString());
            QCOMPARE(totalsOfFile(written).members, 3);
        } else {
            QCOMPARE(log[1].kind, QString("critical"));
            QCOMPARE(log[1].text, QString("자료 보관에 실패 하였습니다. 관리자에게 문의 하세요."));
        }
        // Whatever happened, the program's own data is whole and nothing half-written is left over.
        QCOMPARE(liveTotals().members, 3);
        QVERIFY(!QFileInfo::exists(written + ".part"));
    }

    void cancelledSaveDialogDoesNothing()
    {
        menuItem("@backup");
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QVERIFY(QDir(ProgramDir::file("backup")).isEmpty());
    }

    void restoreRefusesDamagedCopy_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("text file") << "text";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("garbage page") << "garbage page";
        QTest::newRow("another program's database") << "foreign";
    }
    void restoreRefusesDamagedCopy()
    {
        QFETCH(QString, how);
        addMembers(60);
        const QString copy = ProgramDir::file("backup/copy.db");
        QVERIFY(DataBackup::copyTo(copy));
        if (how == "foreign") {
            QFile::remove(copy);
            sqlite3* h = nullptr;
            sqlite3_open(copy.toUtf8().constData(), &h);
            sqlite3_exec(h, "CREATE TABLE members(id); INSERT INTO members VALUES(1);", nullptr, nullptr, nullptr);
            sqlite3_close(h);
        } else {
            damage(copy, how);
        }
        addMembers(1, 61);
        db::closeDatabase();
        const QByteArray before = [] {
            QFile f(ProgramDir::databaseFile());
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        const DataRestore::Result r = DataRestore::restore(copy, 0);
        QCOMPARE(int(r.outcome), int(DataRestore::Outcome::Damaged));
        QVERIFY(!r.detail.isEmpty());
        QFile f(ProgramDir::databaseFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QDir(ProgramDir::file("Data")).entryList(QDir::Files), QStringList{"Tamrin2000.db"});
        QCOMPARE(DataRestore::backups().size(), 1); // no safety copy for a restore that never happened
        QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
        QCOMPARE(liveTotals().members, 61);
    }

    // A damaged data file is noticed at the start: the newest automatic copy that passes the check is
    // offered (a newer damaged copy is passed over), and taking it puts its data back to work on.
    void damagedFileOffersNewestGoodCopy()
    {
        addMembers(60);
        const AutoBackup::Result good = AutoBackup::take(AutoBackup::folder(), 0);
        QVERIFY2(good.ok, qPrintable(good.error));
        const QString bad = AutoBackup::folder() + AutoBackup::nameAt(QDateTime(QDate(2024, 5, 16), QTime(9, 0)));
        QVERIFY(QFile::copy(good.file, bad));
        damage(bad, "garbage page");
        addMembers(1, 61);
        db::closeDatabase();
        // The member register's root page overwritten.
        sqlite3* h = nullptr;
        sqlite3_open_v2(ProgramDir::databaseFile().toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr);
        const qint64 root = one(h, "SELECT rootpage FROM sqlite_master WHERE name = 'T_회원'");
        const qint64 pageSize = one(h, "PRAGMA page_size");
        sqlite3_close(h);
        QVERIFY(root > 1 && pageSize > 0);
        {
            QFile f(ProgramDir::databaseFile());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek((root - 1) * pageSize);
            f.write(QByteArray(3000, '\xAB'));
        }

        RecordingDialogs& dlg = m_db->dialogs();
        dlg.answers << QMessageBox::Yes;
        TfMain w;
        QVERIFY(w.databaseReady());
        QVERIFY2(!dlg.log.isEmpty() && dlg.log.first().text.contains("손상"), qPrintable(dlg.lastText()));
        QVERIFY2(dlg.log.first().text.contains(QFileInfo(good.file).fileName()), qPrintable(dlg.log.first().text));
        QCOMPARE(liveTotals().members, 60);
        QVERIFY(db::quickCheck().isEmpty());
        QCOMPARE(dlg.log.size(), 2);
        QCOMPARE(dlg.log[0].kind, QString("question"));
        QCOMPARE(dlg.log[1].kind, QString("information"));
        QVERIFY2(dlg.log[1].text.startsWith(QFileInfo(good.file).fileName() + " 의 자료로 되돌렸습니다.\n손상된 파일: "),
                 qPrintable(dlg.log[1].text));
    }

    // The copy "자료보관" suggests carries the day, so the copies of different days stand side by side.
    void suggestedBackupNameCarriesTheDate()
    {
        QCOMPARE(QFileInfo(DataBackup::suggestedFile()).fileName(), QString("Tamrin2000_20240515.db"));
    }

    void restoreWaitsForTheProgramToLetGo()
    {
        addMembers(2);
        const QString copy = ProgramDir::file("backup/copy.db");
        QVERIFY(DataBackup::copyTo(copy));
        addMembers(1, 3);
        const DataRestore::Result r = DataRestore::restore(copy, 0);
        QCOMPARE(int(r.outcome), int(DataRestore::Outcome::InUse));
        QCOMPARE(liveTotals().members, 3);
        QCOMPARE(DataRestore::backups().size(), 1);
    }

    // As a user does it: back up, add rows, restore through the restore program, and start again.
    void backUpAddRestoreThroughTheRestoreProgram()
    {
        addMembers(5);
        RecordingDialogs& dlg = m_db->dialogs();
        dlg.files << DataBackup::suggestedFile();
        menuItem("@backup");
        QVERIFY(dlg.saw("자료가 성공적으로 보관 되었습니다."));
        addMembers(4, 6);
        sqlExec("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202401006', '202405', 1, '2024-05-15', 50000)");

        // "자료복구": anything but Yes leaves the program running.
        dlg.clear();
        dlg.answers << QMessageBox::Cancel;
        menuItem("@restore");
        QVERIFY(db::connection().isOpen());
        QVERIFY(m_started.isEmpty());
        dlg.answers << QMessageBox::Yes;
        menuItem("@restore");
        QCOMPARE(dlg.log.last().text, QString("자료 복구를 위해서는 Tamrin2000을 종료해야 합니다. 종료 하시겠습니까?"));
        QCOMPARE(dlg.log.last().kind, QString("warning"));
        QVERIFY(!QSqlDatabase::contains(db::kConnection));
        QCOMPARE(m_started, QStringList{ProgramStarter::restoreProgram()});

        // The restore program lists the backup, restores it and starts the program again.
        dlg.clear();
        TfRestore w;
        w.waitMs = 0;
        QCOMPARE(w.lst_Backup->topLevelItemCount(), 1);
        QCOMPARE(w.lst_Backup->currentItem()->text(0), QString("Tamrin2000_20240515.db"));
        dlg.answers << QMessageBox::Yes << QMessageBox::Yes;
        w.Btn_RestoreClick();
        QVERIFY2(dlg.saw("자료가 성공적으로 복구 되었습니다."), qPrintable(dlg.lastText()));
        QCOMPARE(m_started.last(), ProgramStarter::mainProgram());
        QCOMPARE(w.lst_Backup->topLevelItemCount(), 2); // the safety copy can itself be restored

        QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
        QCOMPARE(liveTotals().members, 5);
        QCOMPARE(liveTotals().fees, 0);
    }

    // A typed enrolment form is not dropped by the hand-over: kept, the program stays as it was.
    void handOverKeepsUnsavedWorkWhenAsked()
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        auto* form = qobject_cast<TfPer0010*>(host.open("TfPer0010"));
        QVERIFY(form);
        form->BitBtn1Click();
        m_db->dialogs().answers << QMessageBox::Yes << QMessageBox::No;
        menuItem("@restore", &main);
        QCOMPARE(host.screen("TfPer0010"), form);
        QVERIFY(form->entering());
        QVERIFY(db::connection().isOpen());
        QVERIFY(m_started.isEmpty());
    }

    // Open screens are closed before the connection goes; a restore program that does not start is reported.
    void handOverReportsARestoreProgramThatDoesNotStart()
    {
        QMainWindow main;
        auto* area = new QMdiArea(&main);
        main.setCentralWidget(area);
        ScreenHost host(&main, area);
        QVERIFY(host.open("TfDel10"));
        ProgramStarter::install([](const QString&, const QStringList&) { return false; });
        m_db->dialogs().answers << QMessageBox::Yes;
        menuItem("@restore", &main);
        QCOMPARE(host.openScreens(), QStringList());
        QCOMPARE(m_db->dialogs().lastText(), QString("자료 복구에 실패 하였습니다. 관리자에게 문의 하세요."));
        QVERIFY(!QSqlDatabase::contains(db::kConnection));
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
