// The envelope of the notice files: CP949, CR LF, "☆"-terminated items, e-mail first, whole or nothing.
#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstNoticeFile : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void envelopeBytes()
    {
        NoticeFile file(QStringLiteral("통신문"));
        NoticeLine a;
        a.item(QStringLiteral("이름☆끝\r\n둘")).item().piece(QStringLiteral("010-1234"));
        QVERIFY(file.addRecipient(QStringLiteral(" kim@x.kr "), a));
        QVERIFY(!file.addRecipient(QStringLiteral("  "), a)); // no address: skipped
        QCOMPARE(file.lineCount(), 1);
        const QByteArray star("\xA1\xD9");
        QCOMPARE(file.bytes(), cp949::encode(QStringLiteral("통신문")) + star + "\r\n" + "kim@x.kr" + star
                                   + cp949::encode(QStringLiteral("이름 끝  둘")) + star + star + "010-1234\r\n");
        QCOMPARE(file.path(), ProgramDir::file(QStringLiteral("인터넷통보자료/통신문/통신문.txt")));
    }

    void smsFileKeepsLinesWithoutAddress()
    {
        NoticeFile file(QStringLiteral("SMS"), QStringLiteral("SMS전송"));
        NoticeLine l;
        l.item(QStringLiteral("홍길동")).piece(QString());
        file.add(l);
        QVERIFY(file.save());
        QCOMPARE(readAll(ProgramDir::file(QStringLiteral("인터넷통보자료/SMS/SMS전송.txt"))),
                 cp949::encode(QStringLiteral("SMS전송☆\r\n홍길동☆\r\n")));
    }

    void foldersAreMadeAndTheUserIsTold()
    {
        for (const QString& kind : NoticeFile::folders())
            QVERIFY2(QDir(ProgramDir::file(QStringLiteral("인터넷통보자료/") + kind)).exists(), qPrintable(kind));
        QVERIFY(QDir(ProgramDir::file(QStringLiteral("인터넷통보자료/결석통보"))).removeRecursively());
        NoticeFile file(QStringLiteral("결석통보"));
        const Answer a = file.write(QStringLiteral("출석 관리"));
        QVERIFY(a.ok());
        QCOMPARE(readAll(file.path()), cp949::encode(QStringLiteral("결석통보☆\r\n")));
        QCOMPARE(a.messages(), QList<Message>({{Message::Level::Info, QStringLiteral("출석 관리"),
                                                QDir::toNativeSeparators(file.path()) + QStringLiteral(" 파일이 생성되었습니다.")}}));
    }

    void failedWriteLeavesThePreviousFileWhole()
    {
        NoticeFile old(QStringLiteral("결석통보"));
        NoticeLine l;
        l.item(QStringLiteral("a@b.c"));
        old.add(l);
        QVERIFY(old.save());
        const QByteArray before = readAll(old.path());

        NoticeFile big(QStringLiteral("결석통보"));
        NoticeLine longLine;
        longLine.item(QString(4000, u'가'));
        big.add(longLine);
        // Files may not grow past 1 KB while writing: the write fails half-way.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        const Answer written = big.write(QStringLiteral("출석 관리"));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!written.ok());
        QCOMPARE(written.messages().size(), 1);
        QCOMPARE(written.messages()[0].level, Message::Level::Error);
        QCOMPARE(readAll(old.path()), before);
        QCOMPARE(QDir(QFileInfo(old.path()).path()).entryList(QDir::Files), QStringList{QStringLiteral("결석통보.txt")});
    }

    // Characters CP949 cannot hold are written as "?" as before; the one message after the file lists
    // the member (or the address, or the line) and the item that lost them.
    void lostCharactersAreListed()
    {
        NoticeFile file(QStringLiteral("SMS"), QStringLiteral("SMS전송"));
        NoticeLine named;
        named.of(QStringLiteral("홍길동(202401001)")).item(QStringLiteral("*.수련생 : 홍길동 \U0001F600")).piece(QStringLiteral("010-1234-5678"));
        file.add(named);
        NoticeLine plain;
        plain.item(QStringLiteral("赟")).piece(QStringLiteral("010"));
        file.add(plain);
        NoticeLine clean;
        clean.item(QStringLiteral("김철수")).piece(QStringLiteral("010"));
        file.add(clean);
        NoticeFile mail(QStringLiteral("결석통보"));
        mail.addRecipient(QStringLiteral("caf\u00e9@x.kr"), clean);
        QCOMPARE(mail.losses().lines(), QStringList{QStringLiteral("caf\u00e9@x.kr : caf\u00e9@x.kr (\u00e9)")});

        const Answer a = file.write(QStringLiteral("SMS"));
        QVERIFY(a.ok());
        QVERIFY(readAll(file.path()).contains(cp949::encode(QStringLiteral("*.수련생 : 홍길동 ?☆010-1234-5678"))));
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].level, Message::Level::Warning);
        QCOMPARE(a.text(),
                 QDir::toNativeSeparators(file.path()) + QStringLiteral(" 파일이 생성되었습니다.\n\n")
                     + QStringLiteral("다음 글자는 CP949로 쓸 수 없어 파일에 '?'로 기록되었습니다.\n"
                                      "홍길동(202401001) : *.수련생 : 홍길동 \U0001F600 (\U0001F600)\n"
                                      "3번째 줄 : 赟 (赟)"));
    }

    void schoolFieldsWithoutBlanks()
    {
        sqlExec(QStringLiteral("DELETE FROM T_도장정보"));
        sqlExec(QStringLiteral("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호) VALUES (' 한국 태권도 ', '김 관장', '02) 123 4567')"));
        const NoticeFile::School s = NoticeFile::school();
        QCOMPARE(s.name, QStringLiteral("한국태권도"));
        QCOMPARE(s.head, QStringLiteral("김관장"));
        QCOMPARE(s.phone, QStringLiteral("02)1234567"));
    }
};

QTEST_MAIN(TstNoticeFile)
#include "tst_noticefile.moc"
