// CSV for spreadsheets: BOM, CR LF, quoting only where a field needs it, whole file or nothing.
#include "text/CsvWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstCsvWriter : public QObject {
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << QStringLiteral("홍길동") << QStringLiteral("홍길동");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blanks kept") << QStringLiteral(" a b ") << QStringLiteral(" a b ");
        QTest::newRow("comma") << QStringLiteral("1,234,500") << QStringLiteral("\"1,234,500\"");
        QTest::newRow("quote doubled") << QStringLiteral("그는 \"네\"") << QStringLiteral("\"그는 \"\"네\"\"\"");
        QTest::newRow("line feed") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
        QTest::newRow("formula kept as text") << QStringLiteral("=HYPERLINK(\"x\")") << QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::newRow("at sign") << QStringLiteral("@SUM(A1)") << QStringLiteral("'@SUM(A1)");
        QTest::newRow("minus arithmetic") << QStringLiteral("-2+3") << QStringLiteral("'-2+3");
        QTest::newRow("minus formula") << QStringLiteral("-A1*2") << QStringLiteral("'-A1*2");
        QTest::newRow("negative won") << QStringLiteral("-50000") << QStringLiteral("-50000");
        QTest::newRow("negative won grouped") << QStringLiteral("-50,000") << QStringLiteral("\"-50,000\"");
        QTest::newRow("phone with country") << QStringLiteral("+82 10-1234-5678") << QStringLiteral("+82 10-1234-5678");
        QTest::newRow("semicolon plain") << QStringLiteral("a;b") << QStringLiteral("a;b");
    }
    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(CsvWriter::field(text), written);
    }

    void wholeFile()
    {
        CsvWriter csv({QStringLiteral("성명"), QStringLiteral("금액")});
        csv.addRow({QStringLiteral("김,철수"), QStringLiteral("70000")});
        csv.addRow({QString(), QStringLiteral("\"")});
        QCOMPARE(csv.rowCount(), 2);
        const QByteArray expected = QByteArray("\xEF\xBB\xBF") + QStringLiteral("성명,금액\r\n").toUtf8()
                                    + QStringLiteral("\"김,철수\",70000\r\n").toUtf8() + ",\"\"\"\"\r\n";
        QCOMPARE(csv.bytes(), expected);
        QCOMPARE(CsvWriter::bytes({QStringLiteral("x")}, {}), QByteArray("\xEF\xBB\xBFx\r\n"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("목록.csv"));
        QString error;
        QVERIFY2(csv.save(path, &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
    }

    void failedSaveIsReported()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!CsvWriter({QStringLiteral("x")}).save(dir.filePath(QStringLiteral("없는폴더/a.csv")), &error));
        QVERIFY(error.contains(QStringLiteral("저장할 수 없습니다")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("없는폴더/a.csv"))));
    }
};

QTEST_GUILESS_MAIN(TstCsvWriter)
#include "tst_csvwriter.moc"
