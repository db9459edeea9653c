// CP949 bytes and widths of the files that leave the program.
#include "text/Cp949.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCp949 : public QObject {
    Q_OBJECT
private slots:
    void encodeAndDecode()
    {
        QCOMPARE(cp949::encode("가"), QByteArray("\xB0\xA1"));
        QCOMPARE(cp949::encode("똠"), QByteArray("\x8C\x63")); // outside KS X 1001: the Windows extension
        QCOMPARE(cp949::decode(cp949::encode("김철수 ABC 123")), QString("김철수 ABC 123"));
        QCOMPARE(cp949::encode("a😀b"), QByteArray("a?b")); // no code: "?" and the rest kept
        QCOMPARE(cp949::byteLength("홍길동A"), 7);
        // A stray lead byte does not swallow the line break after it.
        QCOMPARE(cp949::decode(QByteArray("\xB0\r\n") + cp949::encode("가")), QString("?\r\n가"));
    }

    void widths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QByteArray>("fixed");
        QTest::newRow("five syllables fit 10") << "가나다라마" << 10 << cp949::encode("가나다라마");
        QTest::newRow("cut at a syllable") << "가나다" << 5 << QByteArray(cp949::encode("가나") + " ");
        QTest::newRow("padded") << "AB" << 4 << QByteArray("AB  ");
        QTest::newRow("mixed cut") << "A가나" << 4 << QByteArray(cp949::encode("A가") + " ");
    }
    void widths()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QFETCH(QByteArray, fixed);
        QCOMPARE(cp949::fixed(text, bytes), fixed);
        QCOMPARE(cp949::fixed(text, bytes).size(), bytes);
    }

    void padNeverCuts()
    {
        QCOMPARE(cp949::pad(" 김철수 ", 8), QString("김철수  "));
        QCOMPARE(cp949::padR("12", 5), QString("   12"));
        QCOMPARE(cp949::pad("가나다라마바", 10), QString("가나다라마바"));
        QCOMPARE(cp949::sp(3), QString("   "));
    }

    void linesAndAtomicWrite()
    {
        QCOMPARE(cp949::lines({"가", "b"}), QByteArray("\xB0\xA1\r\nb\r\n"));
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/파일.txt");
        QVERIFY(cp949::writeFileAtomic(path, cp949::lines({"첫 줄"})));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(cp949::decode(f.readAll()), QString("첫 줄\r\n"));
    }
};

QTEST_MAIN(TestCp949)
#include "tst_cp949.moc"
