// Automatic copies: taken and checked like "자료보관", the oldest removed only after a good copy,
// failures reported now and at the next start, and the restore program lists them first.
#include "backup/AutoBackup.h"
#include "app/DataRestore.h"
#include "backup/DatabaseFile.h"
#include "app/uRestore.h"
#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "settings/uGymInfo.h"
#include "support/TestDb.h"
#include "ui/StatusLine.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {
QStringList names(const QStringList& files)
{
    QStringList out;
    for (const QString& f : files)
        out << QFileInfo(f).fileName();
    return out;
}

void addMember(const QString& no, const QString& name)
{
    db::run(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명) VALUES (:no, :name)"), {{"no", no}, {"name", name}});
}

int membersIn(const QString& file)
{
    const QString name = QStringLiteral("autobackup_probe");
    int n = -1;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(file);
        if (d.open()) {
            QSqlQuery q(d);
            if (q.exec(QStringLiteral("SELECT count(*) FROM T_회원")) && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}
} // namespace

class TstAutoBackup : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 5, 15), QTime(9, 5))); }
    void cleanup() { m_db.reset(); }

    // Each copy opens and passes the check; with keep 3 the fourth run leaves the three newest.
    void keepsTheNewestChecked()
    {
        addMember(QStringLiteral("202401001"), QStringLiteral("홍길동"));
        QStringList taken;
        for (int day = 0; day < 4; ++day) {
            Clock::setFixed(QDateTime(QDate(2024, 5, 15 + day), QTime(21, 30)));
            const AutoBackup::Result r = AutoBackup::take(AutoBackup::folder(), 3);
            QVERIFY2(r.ok, qPrintable(r.error));
            QVERIFY2(DatabaseFile::problem(r.file).isEmpty(), qPrintable(DatabaseFile::problem(r.file)));
            QCOMPARE(membersIn(r.file), 1);
            QCOMPARE(r.removed.size(), day == 3 ? 1 : 0);
            taken << r.file;
        }
        QCOMPARE(names(AutoBackup::copiesIn(AutoBackup::folder())),
                 QStringList({"Tamrin2000_20240518_2130.db", "Tamrin2000_20240517_2130.db", "Tamrin2000_20240516_2130.db"}));
        QVERIFY(!QFileInfo::exists(taken.first()));
    }

    // A copy that cannot be written removes nothing and is reported now and at the next start; other
    // files in the folder are never rotated away.
    void failureRemovesNothingAndIsReported()
    {
        QDir().mkpath(AutoBackup::folder());
        const QStringList old = {"Tamrin2000_20240510_2100.db", "Tamrin2000_20240511_2100.db", "Tamrin2000_20240512_2100.db"};
        for (const QString& n : old) {
            Clock::setFixed(QDateTime::fromString(n.mid(11, 13), QStringLiteral("yyyyMMdd_HHmm")));
            QVERIFY(AutoBackup::take(AutoBackup::folder(), 0).ok);
        }
        QFile mine(AutoBackup::folder() + "손님자료.db");
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.close();

        // The day's copy is in the way as a folder: the copy cannot take its name.
        Clock::setFixed(QDateTime(QDate(2024, 5, 15), QTime(9, 5)));
        QVERIFY(QDir().mkpath(AutoBackup::folder() + AutoBackup::nameAt(Clock::now()) + "/x"));
        AutoBackup::saveSetting({AutoBackup::When::Daily, 1});
        StatusLine::show(QString());
        QVERIFY(AutoBackup::start().messages().isEmpty()); // told on the status line, not in a box
        QVERIFY2(StatusLine::text().startsWith("자동 보관 실패"), qPrintable(StatusLine::text()));
        QCOMPARE(names(AutoBackup::copiesIn(AutoBackup::folder())), QStringList({old[2], old[1], old[0]}));
        QVERIFY(QFileInfo::exists(mine.fileName()));
        QVERIFY(AutoBackup::keptFailure().contains("자동 보관 실패"));

        // The next start shows it once, then takes the day's copy when it can, and keeps one.
        QVERIFY(QDir(AutoBackup::folder() + AutoBackup::nameAt(Clock::now())).removeRecursively());
        Clock::setFixed(QDateTime(QDate(2024, 5, 15), QTime(10, 0)));
        const Answer told = AutoBackup::start();
        QVERIFY(told.ok());
        QCOMPARE(told.messages().size(), 1);
        QCOMPARE(told.messages()[0].level, Message::Level::Warning);
        QVERIFY(told.text().startsWith("지난 자동 보관이 되지 않았습니다.\n2024-05-15 09:05 자동 보관 실패: "));
        QVERIFY(AutoBackup::keptFailure().isEmpty());
        QVERIFY(AutoBackup::start().messages().isEmpty()); // once
        QCOMPARE(names(AutoBackup::copiesIn(AutoBackup::folder())), QStringList{"Tamrin2000_20240515_1000.db"});
        QVERIFY(QFileInfo::exists(mine.fileName()));
    }

    // A copy at the end that fails answers a warning for the window and is kept for the next start.
    void failedCopyAtTheEnd()
    {
        AutoBackup::saveSetting({AutoBackup::When::AtEnd, 14});
        QVERIFY(QDir().mkpath(AutoBackup::folder() + AutoBackup::nameAt(Clock::now()) + "/x"));
        const Answer a = AutoBackup::end();
        QVERIFY(!a.ok());
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].level, Message::Level::Warning);
        QCOMPARE(a.messages()[0].caption, QString("확인요망"));
        QVERIFY2(a.text().startsWith("자동 보관에 실패 하였습니다. 다음 시작 때 다시 알려 드립니다.\n"), qPrintable(a.text()));
        QVERIFY(AutoBackup::keptFailure().contains("자동 보관 실패"));
    }

    // Daily: only the first start of a day takes a copy; at the end: only the end does.
    void whenTheSchoolChose()
    {
        AutoBackup::saveSetting({AutoBackup::When::Daily, 14});
        for (int day = 1; day <= 3; ++day) {
            for (int start = 0; start < 2; ++start) {
                Clock::setFixed(QDateTime(QDate(2024, 6, day), QTime(8 + start, 0)));
                AutoBackup::start();
                AutoBackup::end();
            }
        }
        QCOMPARE(names(AutoBackup::copiesIn(AutoBackup::folder())),
                 QStringList({"Tamrin2000_20240603_0800.db", "Tamrin2000_20240602_0800.db", "Tamrin2000_20240601_0800.db"}));

        QVERIFY(QDir(AutoBackup::folder()).removeRecursively());
        AutoBackup::saveSetting({AutoBackup::When::AtEnd, 14});
        Clock::setFixed(QDateTime(QDate(2024, 6, 4), QTime(8, 0)));
        AutoBackup::start();
        QVERIFY(AutoBackup::copiesIn(AutoBackup::folder()).isEmpty());
        AutoBackup::end();
        QCOMPARE(AutoBackup::copiesIn(AutoBackup::folder()).size(), 1);

        AutoBackup::saveSetting({AutoBackup::When::Off, 14});
        Clock::setFixed(QDateTime(QDate(2024, 6, 5), QTime(8, 0)));
        AutoBackup::start();
        AutoBackup::end();
        QCOMPARE(AutoBackup::copiesIn(AutoBackup::folder()).size(), 1);
    }

    // The school screen shows and saves the setting; 14 copies unless the school chose otherwise.
    void schoolScreenKeepsTheSetting()
    {
        QCOMPARE(AutoBackup::setting().keep, 14);
        QCOMPARE(AutoBackup::setting().when, AutoBackup::When::Off);
        {
            TfGymInfo gym;
            gym.btnEditClick();
            qobject_cast<QComboBox*>(gym.field("자동보관"))->setCurrentIndex(int(AutoBackup::When::Daily));
            qobject_cast<QSpinBox*>(gym.field("자동보관개수"))->setValue(5);
            gym.btnOkClick();
        }
        QCOMPARE(AutoBackup::setting().when, AutoBackup::When::Daily);
        QCOMPARE(AutoBackup::setting().keep, 5);
        TfGymInfo again;
        QCOMPARE(qobject_cast<QComboBox*>(again.field("자동보관"))->currentText(), QString("매일 첫 시작 때"));
        QCOMPARE(qobject_cast<QSpinBox*>(again.field("자동보관개수"))->value(), 5);
    }

    // The restore program lists the automatic copies first, newest on top, and restores one.
    void restoreListsThemFirst()
    {
        addMember(QStringLiteral("202401001"), QStringLiteral("홍길동"));
        QFile manual(ProgramDir::file("backup/내보관.db"));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        for (int day = 1; day <= 2; ++day) {
            Clock::setFixed(QDateTime(QDate(2024, 6, day), QTime(8, 0)));
            QVERIFY(AutoBackup::take(AutoBackup::folder(), 14).ok);
        }
        addMember(QStringLiteral("202401002"), QStringLiteral("김철수"));

        TfRestore w;
        QCOMPARE(w.lst_Backup->topLevelItemCount(), 3);
        QCOMPARE(w.lst_Backup->topLevelItem(0)->text(0), QString("자동 보관: Tamrin2000_20240602_0800.db"));
        QCOMPARE(w.lst_Backup->topLevelItem(1)->text(0), QString("자동 보관: Tamrin2000_20240601_0800.db"));
        QCOMPARE(w.lst_Backup->topLevelItem(2)->text(0), QString("내보관.db"));
        QVERIFY(w.lst_Backup->topLevelItem(0)->text(2).endsWith(" KB"));

        db::closeDatabase();
        const DataRestore::Result r = DataRestore::restore(AutoBackup::copiesIn(AutoBackup::folder()).first(), 0);
        QCOMPARE(int(r.outcome), int(DataRestore::Outcome::Restored));
        QCOMPARE(membersIn(ProgramDir::databaseFile()), 1);
    }
};

QTEST_MAIN(TstAutoBackup)
#include "tst_autobackup.moc"
