// Several desks on one server school at the same moment (PostgreSQL only: ctest label "postgresql").
// Each other desk is this program started again as a child process with "--desk", on its own connection.
#include "db/Clock.h"
#include "db/Concurrency.h"
#include "db/Database.h"
#include "db/Query.h"
#include "cashbook/MonthClosing.h"
#include "db/Session.h"
#include "fees/FeePayments.h"
#include "members/Enrolment.h"
#include "support/ServerTest.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2024, 5, 15), QTime(10, 0));

// A child desk: enrols `count` members, each paying the first month at once (member number, fee
// receipt number and cash-book line numbers all taken), and prints the member numbers.
int desk(const QString& address, int count)
{
    Clock::setFixed(kNow);
    QString why;
    if (!db::openDatabase(address, &why)) {
        fprintf(stderr, "%s\n", qPrintable(why));
        return 2;
    }
    for (int i = 0; i < count; ++i) {
        EnrolmentForm f;
        f.name = QStringLiteral("동시%1").arg(i);
        f.sex = QStringLiteral("남");
        f.divisionCode = QStringLiteral("03");
        f.rankCode = QStringLiteral("01");
        f.enrolDate = QStringLiteral("2024-05-15");
        f.motiveCode = QStringLiteral("01");
        f.fee = QStringLiteral("130000");
        f.payDay = QStringLiteral("15");
        f.paidNow = true;
        try {
            printf("%s\n", qPrintable(db::retrying([&] { return Enrolment::save(f); })));
        } catch (const db::Error& e) {
            fprintf(stderr, "%s\n", qPrintable(e.message()));
            return 1;
        }
    }
    db::closeDatabase();
    return 0;
}

// A child desk that closes `month` and prints the month's income it summed.
int closingDesk(const QString& address, const QString& month)
{
    Clock::setFixed(kNow);
    QString why;
    if (!db::openDatabase(address, &why)) {
        fprintf(stderr, "%s\n", qPrintable(why));
        return 2;
    }
    try {
        MonthClosing::close(month);
    } catch (const std::exception& e) {
        fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    printf("%s\n", qPrintable(db::scalarText(QStringLiteral("SELECT 당월차변금액 FROM T_금전출납마감 WHERE 마감연월 = :m"),
                                               {{QStringLiteral("m"), month}})));
    db::closeDatabase();
    return 0;
}

} // namespace

class TestConcurrency : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        QVERIFY2(servertest::onServer(), "these cases need the test server (scripts/test.sh)");
        m_db = std::make_unique<TestDb>(kNow);
    }
    void cleanup() { m_db.reset(); }

    void threeDesksEnrolInTheSameInstant()
    {
        QList<QProcess*> desks;
        for (int i = 0; i < 3; ++i) {
            auto* p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--desk"), servertest::address(), QStringLiteral("6")});
            desks.append(p);
        }
        QStringList numbers;
        for (QProcess* p : desks) {
            QVERIFY(p->waitForFinished(120000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
            numbers += QString::fromUtf8(p->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        }
        QCOMPARE(numbers.size(), 18);
        QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 18);
        QCOMPARE(db::scalar(QStringLiteral("SELECT count(*) FROM T_회원")).toInt(), 18);
        // Receipt and cash-book numbers are one per payment, and every payment has its cash-book line.
        QCOMPARE(db::scalar(QStringLiteral("SELECT count(DISTINCT 순번) FROM T_수련비납부 WHERE 년월분 = '202405'")).toInt(), 18);
        QCOMPARE(db::scalar(QStringLiteral("SELECT count(DISTINCT 순번) FROM T_금전출납 WHERE 일자 = '2024-05-15'")).toInt(), 18);
        QVERIFY(FeePayments::linkFaults().isEmpty());
    }

    // A closing started while a payment of its month is being written waits for it and sums it; the
    // payment is never written after the closing with the sums already taken.
    void closingWaitsForAPaymentOfItsMonth()
    {
        closeBooksThrough(QStringLiteral("202403"));
        EnrolmentForm f;
        f.name = QStringLiteral("마감중");
        f.sex = QStringLiteral("남");
        f.divisionCode = QStringLiteral("03");
        f.rankCode = QStringLiteral("01");
        f.enrolDate = QStringLiteral("2024-04-01");
        f.motiveCode = QStringLiteral("01");
        f.fee = QStringLiteral("130000");
        f.payDay = QStringLiteral("15");
        const QString no = Enrolment::save(f);
        QProcess closing;
        {
            db::Transaction tx;
            FeePayments::add(no, QStringLiteral("202404"), QDate(2024, 4, 20), 130000, QString());
            closing.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--close"), servertest::address(), QStringLiteral("202404")});
            QVERIFY(closing.waitForStarted());
            QVERIFY2(!closing.waitForFinished(1500), "the closing did not wait for the payment");
            tx.commit();
        }
        QVERIFY(closing.waitForFinished(60000));
        QVERIFY2(closing.exitCode() == 0, closing.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(closing.readAllStandardOutput()).trimmed(), QStringLiteral("130000"));
    }

    void conflictIsTriedAgainThenReported()
    {
        sqlExec("Create Table T_시도 (n Integer)");
        const QString conflict = QStringLiteral("DO $$ BEGIN RAISE EXCEPTION 'busy' USING ERRCODE = 'serialization_failure'; END $$");
        int tries = 0;
        db::retrying([&] {
            db::Transaction tx;
            db::run(QStringLiteral("INSERT INTO T_시도 (n) VALUES (:n)"), {{QStringLiteral("n"), ++tries}});
            if (tries < 3)
                db::run(conflict);
            tx.commit();
        });
        QCOMPARE(tries, 3);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Max(n) & '/' & count(*) FROM T_시도")), QStringLiteral("3/1"));
        tries = 0;
        QVERIFY_THROWS_EXCEPTION(db::ConflictError, db::retrying([&] {
            db::Transaction tx;
            ++tries;
            db::run(conflict);
        }));
        QCOMPARE(tries, 4);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--desk")
        return desk(QString::fromUtf8(argv[2]), QByteArray(argv[3]).toInt());
    if (argc == 4 && QByteArray(argv[1]) == "--close")
        return closingDesk(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
    TestConcurrency t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_concurrency.moc"
