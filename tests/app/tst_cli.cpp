// tamrin-cli on a small school: backup while the program writes, the books' check finding what was
// changed by hand, notice files equal to the screen's, CSV lists, and wrong command lines refused.
#include "attendance/AttendanceFixture.h"
#include "attendance/uAtt0010.h"
#include "cashbook/CashBook.h"
#include "cashbook/MonthClosing.h"
#include "backup/PeriodDeletion.h"
#include "cli/Cli.h"
#include "db/Database.h"
#include "db/DbError.h"
#include "db/ProgramDir.h"
#include "exchange/uUploadCreate1.h"
#include "exchange/uUploadCreate2.h"
#include "exchange/uUploadCreate9.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "stats/MovementCounter.h"
#include "support/TestDb.h"
#include "text/Cp949.h"

#include <QDir>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

Run cliRun(QStringList args)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    args.prepend(ProgramDir::path());
    args.prepend(QStringLiteral("--program-dir"));
    r.code = cli::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int countIn(const QString& file, const QString& sql)
{
    const QString name = QStringLiteral("cli_probe");
    int n = -1;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(file);
        if (d.open()) {
            QSqlQuery q(d);
            if (q.exec(sql) && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}

// Three members paying through the fee rules, January closed, a leave and a withdrawal counted.
void smallSchool()
{
    attfix::addMember({"202401001", "김태권", "03", "10", "2024-01-05", {}, {}, {}, "kim@x.kr", "010-1111-2222"});
    attfix::addMember({"202401002", "이품새", "05", "10", "2024-01-06", {}, {}, {}, "lee@x.kr"});
    attfix::addMember({"202401003", "박겨루", "12", "10", "2024-01-07"});
    attfix::addMember({"202401004", "최발차", "12", "10", "2024-01-08"});
    MonthClosing::saveOpening("202312", 500000, 200000);
    FeePayments::add("202401001", "202401", QDate(2024, 1, 10), 100000, {});
    FeePayments::add("202401002", "202401", QDate(2024, 1, 12), 90000, QStringLiteral("형제, \"할인\""));
    QCOMPARE(CashBook::addLine(QDate(2024, 1, 20), QStringLiteral("운영비"), QString(), false, 30000, QStringLiteral("도복")), QString());
    MonthClosing::close("202401");
    FeePayments::add("202401001", "202402", QDate(2024, 2, 10), 100000, {});
    MovementCounter::countLeave("202401003", QDate(2024, 3, 2), "01");
    db::run("UPDATE T_회원 SET 휴관일 = '2024-03-02' WHERE 회원번호 = '202401003'");
    MovementCounter::countWithdrawal("202401004", QDate(2024, 4, 30), "01");
    db::run("UPDATE T_회원 SET 퇴관일 = '2024-04-30' WHERE 회원번호 = '202401004'");
}

} // namespace

class TstCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        smallSchool();
    }
    void cleanup() { m_db.reset(); }

    void cleanBooksPass()
    {
        const Run r = cliRun({"check"});
        QVERIFY2(r.code == cli::Ok, qPrintable(r.out + r.err));
        QCOMPARE(r.out.count(QStringLiteral("이상 없음")), 5);
        QVERIFY(r.out.contains(QStringLiteral("납부 3건")));
        QVERIFY(r.out.contains(QStringLiteral("마감 3개월")));
        QVERIFY(r.out.contains(QStringLiteral("이상이 없습니다.")));
    }

    void checkNamesWhatWasChangedByHand_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("named");
        QTest::newRow("fee line deleted") << "DELETE FROM T_금전출납 WHERE 일자 = '2024-02-10'"
                                          << "202401001 2024년 02월분 (2024-02-10, 100,000원) : 금전출납에 이 납부의 줄이 없습니다.";
        QTest::newRow("fee line amount") << "UPDATE T_금전출납 SET 입금액 = 1 WHERE 일자 = '2024-02-10'"
                                         << "입금액 1원이 납부액과 다릅니다.";
        QTest::newRow("fee row deleted") << "DELETE FROM T_수련비납부 WHERE 년월분 = '202402'"
                                         << "금전출납 2024-02-10 순번 1 (수련비순번 202401001-0001, 100,000원) : 이 줄의 수련비 납부 자료가 없습니다.";
        QTest::newRow("closing total") << "UPDATE T_금전출납마감 SET 당월차변금액 = 당월차변금액 + 1000 WHERE 마감연월 = '202401'"
                                       << "2024-01 : 마감 당월 금액(입금 191,000원, 출금 30,000원)이 금전출납 줄의 합계(입금 190,000원, 출금 30,000원)와 다릅니다.";
        QTest::newRow("running total") << "UPDATE T_금전출납마감 SET 대변누계금액 = 0 WHERE 마감연월 = '202402'"
                                       << "2024-02 : 누계(입금 690,000원, 출금 0원)가 전월 누계(입금 690,000원, 출금 230,000원)에 당월 금액을 더한 값과 다릅니다.";
        QTest::newRow("leave counter") << "UPDATE T_인원현황 SET 휴관03 = 2 WHERE 년도 = 2024"
                                       << "2024년 3월 휴관 : 인원현황 2명, 기록 1명";
        QTest::newRow("withdrawal log") << "DELETE FROM T_퇴관사유별현황" << "2024년 4월 퇴관 : 인원현황 1명, 기록 0명";
        QTest::newRow("partner line without goods")
            << "INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요) VALUES ('2024-03-05', 1, '거래처출납관리', '한빛', 700, 0, 'A001')"
            << "금전출납 2024-03-05 순번 1 (700원) : 이 거래처출납관리 줄의 거래 내역이 없습니다.";
    }
    void checkNamesWhatWasChangedByHand()
    {
        QFETCH(QString, sql);
        QFETCH(QString, named);
        sqlExec(sql);
        const Run r = cliRun({"check"});
        QCOMPARE(r.code, int(cli::Failed));
        QVERIFY2(r.out.contains(named), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("불일치")));
        QVERIFY(r.out.contains(QStringLiteral("맞지 않는 자료가 있습니다.")));
    }

    // The real executable copies the database while this connection holds an uncommitted write: the
    // copy passes its check, holds what was committed and nothing of the open transaction.
    void backupWhileAnotherConnectionWrites()
    {
        QDir().mkpath(ProgramDir::file("backup/nightly"));
        db::Transaction open;
        db::run("INSERT INTO T_회원 (회원번호, 회원명) VALUES ('202405001', '미확정')");
        QProcess p;
        p.start(QStringLiteral(TAMRIN_CLI), {"--program-dir", ProgramDir::path(), "backup", ProgramDir::file("backup/nightly"), "--keep", "2"});
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(p.exitCode() == 0, qPrintable(out + QString::fromUtf8(p.readAllStandardError())));
        QVERIFY(out.contains(QStringLiteral("보관하였습니다 (검사 통과): ")));
        open.commit();
        // The process runs on the real clock.
        const QStringList copies = QDir(ProgramDir::file("backup/nightly")).entryList({"Tamrin2000_????????_????.db"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        const QString copy = ProgramDir::file("backup/nightly/") + copies.first();
        QCOMPARE(countIn(copy, "SELECT count(*) FROM T_회원"), 4);
        QCOMPARE(countIn(copy, "SELECT count(*) FROM T_수련비납부"), 3);

        // To a file: an existing one is replaced; a folder that is not there is refused, non-zero.
        Run r = cliRun({"backup", ProgramDir::file("backup/손.db")});
        QCOMPARE(r.code, int(cli::Ok));
        QCOMPARE(countIn(ProgramDir::file("backup/손.db"), "SELECT count(*) FROM T_회원"), 5);
        r = cliRun({"backup", ProgramDir::file("없는/폴더/손.db")});
        QCOMPARE(r.code, int(cli::Failed));
        QVERIFY(r.err.startsWith(QStringLiteral("자료 보관에 실패 하였습니다")));
    }

    // The absence file written by the command is the file the attendance screen writes.
    void noticesAsTheScreenWrites()
    {
        attfix::addAbsence("202401001", "2024-05-15", "01", QStringLiteral("감기"));
        attfix::addAbsence("202401002", "2024-05-15");
        attfix::addAbsence("202401003", "2024-05-15");
        const QString path = ProgramDir::file("인터넷통보자료/결석통보/결석통보.txt");
        {
            TfAtt0010 w;
            w.selectPage(TfAtt0010::PageDaily, true);
            w.btnRefreshClick();
            w.Btn_EmailClick();
        }
        const QByteArray screen = readAll(path);
        QVERIFY(screen.contains("kim@x.kr") && screen.contains("lee@x.kr"));
        QVERIFY(QFile::remove(path));
        const Run r = cliRun({"notices", QStringLiteral("결석통보")});
        QVERIFY2(r.code == cli::Ok, qPrintable(r.err));
        QVERIFY2(r.out.contains(QDir::toNativeSeparators(path) + QStringLiteral(" 파일이 생성되었습니다.\n(2줄)")), qPrintable(r.out));
        QCOMPARE(readAll(path), screen);

        // One division only: the member of division 05.
        QVERIFY2(cliRun({"notices", QStringLiteral("결석통보"), "--division", "05"}).code == cli::Ok, "division");
        QVERIFY(!readAll(path).contains("kim@x.kr") && readAll(path).contains("lee@x.kr"));

        // Payment notices of May: both members with an e-mail owe May.
        QCOMPARE(cliRun({"notices", QStringLiteral("납부통지서")}).code, int(cli::Ok));
        const QByteArray fees = readAll(ProgramDir::file("인터넷통보자료/납부통지서/납부통지서.txt"));
        QVERIFY(fees.contains("kim@x.kr") && fees.contains("lee@x.kr"));

        // Receipts of February: only 김태권 paid then.
        const Run receipts = cliRun({"notices", QStringLiteral("납부영수증"), "--from", "2024-02-01", "--to", "2024-02-29"});
        QVERIFY2(receipts.code == cli::Ok, qPrintable(receipts.err));
        const QByteArray paid = readAll(ProgramDir::file("인터넷통보자료/납부영수증/납부영수증.txt"));
        QVERIFY(paid.contains("kim@x.kr") && !paid.contains("lee@x.kr"));
    }

    // The trainee files, written by their screens with every row ticked and by the command.
    void traineeFilesAsTheScreensWrite_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("records") << "수련생자료" << "인터넷통보자료/수련생자료/수련생자료.txt";
        QTest::newRow("newsletter") << "통신문" << "인터넷통보자료/통신문/통신문.txt";
        QTest::newRow("sms") << "SMS" << "인터넷통보자료/SMS/SMS전송.txt";
    }
    void traineeFilesAsTheScreensWrite()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);
        std::unique_ptr<UploadScreen> w;
        if (kind == "수련생자료")
            w = std::make_unique<TfUploadCreate1>();
        else if (kind == "통신문")
            w = std::make_unique<TfUploadCreate2>();
        else
            w = std::make_unique<TfUploadCreate9>();
        w->btn_RefreshClick();
        w->btn_PrintClick();
        const QByteArray screen = readAll(ProgramDir::file(path));
        QVERIFY(screen.contains(kind == "SMS" ? "010-1111-2222" : "kim@x.kr"));
        QVERIFY(QFile::remove(ProgramDir::file(path)));
        const Run r = cliRun({"notices", kind});
        QVERIFY2(r.code == cli::Ok, qPrintable(r.err));
        QCOMPARE(readAll(ProgramDir::file(path)), screen);
    }

    void exportLists_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("members") << QStringList{"members"} << QString()
                                 << QStringList{"202401001,김태권", "202401002,이품새"};
        QTest::newRow("members of 05") << QStringList{"members", "--division", "05"} << QString() << QStringList{"202401002,이품새"};
        QTest::newRow("unpaid February")
            << QStringList{"unpaid", "--month", "202402"}
            << "회원번호,회원명,부별,입관일,전화번호,납부일,미납월,성별,E-mail,핸드폰,수련비,미납액"
            << QStringList{"202401002,이품새,"};
        QTest::newRow("cash book of January")
            << QStringList{"cashbook", "--from", "2024-01-01", "--to", "2024-01-31"} << "날짜,순번,주항목,소항목,입금액,출금액,잔액,적요"
            << QStringList{"2024-01-01,,전월이월,,0,0,300000,\r\n", "2024-01-10,1,수련비,김태권,100000,0,400000,\r\n",
                           "2024-01-12,1,수련비,이품새,90000,0,490000,\"형제, \"\"할인\"\"\"\r\n", "2024-01-20,1,운영비,,0,30000,460000,도복\r\n"};
    }
    void exportLists()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, header);
        QFETCH(QStringList, lines);
        const QString file = ProgramDir::file("목록.csv");
        const Run r = cliRun(QStringList{"export"} + args + QStringList{"--csv", file});
        QVERIFY2(r.code == cli::Ok, qPrintable(r.err));
        const QByteArray bytes = readAll(file);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(bytes.mid(3));
        QVERIFY(text.endsWith("\r\n"));
        if (!header.isEmpty())
            QCOMPARE(text.section("\r\n", 0, 0), header);
        else
            QVERIFY(text.startsWith(QStringLiteral("회원번호,")));
        for (const QString& l : lines)
            QVERIFY2(text.contains(l), qPrintable(l + "\n" + text));
        if (args.contains("05"))
            QVERIFY(!text.contains(QStringLiteral("김태권")));
        if (args.first() == "unpaid")
            QVERIFY(!text.contains(QStringLiteral("김태권"))); // paid February
    }

    // A name CP949 cannot hold: the file is written, the member and item are listed, the exit status
    // says so.
    void noticesListLostCharacters()
    {
        db::run("UPDATE T_회원 SET 회원명 = :n WHERE 회원번호 = '202401001'", {{"n", QStringLiteral("김\u8d5f")}});
        const Run r = cliRun({"notices", "SMS"});
        QCOMPARE(r.code, int(cli::CharactersLost));
        QVERIFY2(r.out.contains(QStringLiteral("다음 글자는 CP949로 쓸 수 없어 파일에 '?'로 기록되었습니다.\n김\u8d5f(202401001) : 김\u8d5f (\u8d5f)")),
                 qPrintable(r.out));
        QVERIFY(readAll(ProgramDir::file("인터넷통보자료/SMS/SMS전송.txt")).contains(cp949::encode(QStringLiteral("김?☆010-1111-2222"))));
        QVERIFY(cliRun({"--help"}).out.contains(QStringLiteral("3 파일은 만들었으나 CP949로 쓸 수 없는 글자가 '?'로 바뀜")));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("nothing") << QStringList{} << 2 << "명령을 주세요.";
        QTest::newRow("unknown") << QStringList{"restore"} << 2 << "알 수 없는 명령입니다: restore";
        QTest::newRow("unknown option") << QStringList{"check", "--fast"} << 2 << "알 수 없는 옵션입니다: --fast";
        QTest::newRow("no csv") << QStringList{"export", "members"} << 2 << "--csv 로 저장할 파일을 주세요.";
        QTest::newRow("bad month") << QStringList{"export", "unpaid", "--month", "202413", "--csv", "x.csv"} << 2
                                   << "--month 에 yyyymm 형식의 연월을 주세요.";
        QTest::newRow("bad period") << QStringList{"export", "cashbook", "--from", "2024-02-01", "--to", "2024-01-01", "--csv", "x.csv"}
                                    << 2 << "--from 과 --to 로 기간을 주세요";
        QTest::newRow("no such division") << QStringList{"notices", "결석통보", "--division", "77"} << 2 << "부별코드 77 이(가) 없습니다.";
        QTest::newRow("unknown notice") << QStringList{"notices", "상장"} << 2 << "알 수 없는 통보 파일입니다: 상장";
        QTest::newRow("keep zero") << QStringList{"backup", "--keep", "0"} << 2 << "--keep 에는 1 이상의 개수를 주세요.";
        QTest::newRow("text after the date") << QStringList{"notices", "결석통보", "--from", "2024-03-01xyz"} << 2
                                             << "--from 의 날짜를 YYYY-MM-DD 로 주세요: 2024-03-01xyz";
        QTest::newRow("nobody to notify") << QStringList{"notices", "결석통보", "--from", "2020-01-01"} << 1
                                          << "E-mail이 있는 대상이 없어 파일을 만들지 않았습니다.";
    }
    void wrongCommandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, says);
        const Run r = cliRun(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
    }

    // Fee rows of a closed month deleted by period: their cash lines stay (January still matches its
    // lines) without the fee link, and the books stay clean.
    void periodDeletionKeepsBooksCheckable()
    {
        QCOMPARE(PeriodDeletion::deleteFees(QDate(2024, 1, 1), QDate(2024, 1, 31)), 2);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납 WHERE 일자 BETWEEN '2024-01-01' AND '2024-01-31'").toInt(), 3);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 Is Not Null AND 일자 < '2024-02-01'").toInt(), 0);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 = '202401001-0001' AND 일자 = '2024-02-10'").toInt(), 1);
        const Run r = cliRun({"check"});
        QVERIFY2(r.code == cli::Ok, qPrintable(r.out + r.err));
    }

    // A file that is no database: said in Korean, the engine's own words after it.
    void fileThatIsNoDatabase()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Data"));
        QFile f(dir.filePath("Data/Tamrin2000.db"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        db::closeDatabase();
        QString out, err;
        QTextStream o(&out), e(&err);
        QCOMPARE(cli::run({"--program-dir", dir.path(), "check"}, o, e), int(cli::Failed));
        e.flush();
        QVERIFY2(err.startsWith(QStringLiteral("자료 파일이 아니거나 손상된 파일입니다: ")), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("file is not a database")), qPrintable(err));
    }

    void helpOfEachCommand()
    {
        for (const QString& command : {"backup", "check", "notices", "export"}) {
            const Run r = cliRun({command, "--help"});
            QCOMPARE(r.code, int(cli::Ok));
            QVERIFY2(r.out.startsWith(QStringLiteral("사용법: tamrin-cli ") + command), qPrintable(r.out));
        }
        QTemporaryDir empty;
        QStringList args = {"--program-dir", empty.path(), "check"};
        QString out, err;
        QTextStream o(&out), e(&err);
        db::closeDatabase();
        QCOMPARE(cli::run(args, o, e), int(cli::Failed));
        e.flush();
        QVERIFY(err.startsWith(QStringLiteral("자료 파일이 없습니다")));
        QVERIFY(!QFileInfo::exists(empty.filePath("Data/Tamrin2000.db")));
    }
};

QTEST_MAIN(TstCli)
#include "tst_cli.moc"
