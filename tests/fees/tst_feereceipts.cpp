// Receipts of payments and the year-end statement: what each paper carries, and the receipt data file.
#include "fees/FeeFixture.h"
#include "fees/Receipts.h"
#include "fees/YearEndStatement.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"

#include <QFile>
#include <QTest>

using namespace feefix;

class TestFeeReceipts : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        report::ReportOutput::install(&m_out);
        m_out.runs.clear();
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        installLayouts();
        sqlExec("DELETE FROM T_도장정보");
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호, 사업자등록번호, 주소) "
                "VALUES ('한빛 태권도', '김 관장', '02-123-4567', '123-45-67890', '서울시 한빛로 1')");
        addMember({"202301001", "가람", "03", "2023-01-10", 100000, "", "", "10", "garam@example.com", "010-1111-2222"});
        addMember({"202301002", "나래", "03", "2023-01-10", 90000, "", "", "10", "", "010-3333-4444"});
        addMember({"202301003", "다솜", "12", "2023-01-10", 120000, "", "", "10", "dasom@example.com", ""});
        addMember({"202301004", "라온", "03", "2023-01-10", 100000, "2024-02-01"}); // on leave: never listed
    }
    void cleanup()
    {
        m_db.reset();
        report::ReportOutput::install(nullptr);
    }

    // Each receipt carries the amount, month and date of its own fee row, three to a sheet.
    void receiptsCarryTheirPayments()
    {
        pay("202301001", "202402", "2024-02-03");
        pay("202301001", "202403", "2024-03-02", 95000);
        pay("202301002", "202402", "2024-02-28", 90000);
        pay("202301003", "202402", "2024-02-10", 0);
        pay("202301004", "202402", "2024-02-10");
        pay("202301001", "202401", "2024-01-31"); // outside the period
        const QList<Receipts::Line> lines = Receipts::list(QDate(2024, 2, 1), QDate(2024, 3, 5), QString(), everyDivision("b.부별코드"));
        QStringList listed;
        for (const auto& l : lines)
            listed << l.name + " " + l.month;
        QCOMPARE(listed, QStringList({"가람 202402", "가람 202403", "나래 202402", "다솜 202402"}));

        QVERIFY(Receipts::print(lines, "첫째 줄\n둘째 줄\n셋째 줄", false, report::Preview));
        QCOMPARE(m_out.last().title, QString("영수증"));
        const auto rows = printRows();
        QCOMPARE(rows.size(), 4);
        QStringList seq;
        for (int i = 0; i < rows.size(); ++i) {
            const auto& r = rows[i];
            const Receipts::Line& l = lines[i];
            const QDate paid = QDate::fromString(l.paidOn, Qt::ISODate);
            // The row behind the receipt, read again.
            QCOMPARE(count("SELECT 납부액 FROM T_수련비납부 WHERE 회원번호 = :n AND 년월분 = :m", {{"n", l.memberNo}, {"m", l.month}}),
                     int(l.amount));
            QCOMPARE(r.value("회원명"), l.name);
            QCOMPARE(r.value("f02"), QString::number(l.month.right(2).toInt()) + " ");
            QCOMPARE(r.value("f03"), QLocale(QLocale::English).toString(l.amount) + "원");
            QCOMPARE(r.value("f04"), QStringLiteral("%1년 %2월 %3일 ").arg(paid.year()).arg(paid.month()).arg(paid.day()));
            QCOMPARE(r.value("f01"), QStringLiteral("03-%1").arg(i + 1, 4, 10, QLatin1Char('0')));
            QCOMPARE(r.value("발부일자"), QString(" 2024년 3월 5일 "));
            QCOMPARE(r.value("가정통신1") + "|" + r.value("가정통신2"), QString("첫째 줄|둘째 줄"));
            QCOMPARE(r.value("관장명") + "|" + r.value("association"), QString("김 관장|한빛 태권도"));
            seq << r.value("seqno");
        }
        QCOMPARE(seq.join(','), QString("1,1,1,2"));
        QCOMPARE(rows[1].value("f03"), QString("95,000원"));
        QCOMPARE(rows[3].value("f03"), QString("0원")); // an exempt month still gets its paper
        QCOMPARE(m_out.last().doc.pages.size(), 2);

        QVERIFY(Receipts::print(lines.mid(0, 1), QString(), true, report::Preview));
        QVERIFY(m_out.last().doc.texts().contains("03-0001"));
        QVERIFY(!m_out.last().doc.texts().contains("영    수    증")); // data only, for the printed form
    }

    // The receipt data file, byte for byte: e-mail needed, exempt months left out.
    void receiptDataFile()
    {
        pay("202301001", "202402", "2024-02-03");
        pay("202301001", "202403", "2024-03-02", 1250000);
        pay("202301002", "202402", "2024-02-28", 90000); // no e-mail
        pay("202301003", "202402", "2024-02-10", 0);     // exempt
        pay("202301003", "202403", "2024-03-04", 120000);
        const QList<Receipts::Line> lines = Receipts::list(QDate(2024, 2, 1), QDate(2024, 3, 5), QString(), everyDivision("b.부별코드"));
        QCOMPARE(lines.size(), 5);
        const NoticeFile file = Receipts::dataFile(lines);
        QCOMPARE(file.lineCount(), 3);
        const QByteArray expected = golden(QStringLiteral("납부영수증.txt"));
        QVERIFY(!expected.isEmpty());
        if (file.bytes() != expected)
            qWarning().noquote() << cp949::decode(file.bytes());
        QCOMPARE(file.bytes(), expected);
        QVERIFY(file.path().endsWith("/인터넷통보자료/납부영수증/납부영수증.txt"));
    }

    // The year's fee rows, month by month, and their sum to the won.
    void yearEndStatement()
    {
        pay("202301001", "202403", "2024-03-02");
        pay("202301001", "202404", "2024-03-05");
        pay("202301001", "202312", "2023-12-02"); // another year
        sqlExec("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명) VALUES ('202301001', 1, '모', '이엄마'), ('202301001', 2, '부', '가아빠')");
        const QList<YearEndStatement::Line> all = YearEndStatement::list(QString(), everyDivision("T_회원.부별코드"));
        QStringList names;
        for (const auto& l : all)
            names << l.name;
        QCOMPARE(names, QStringList({"가람", "나래", "다솜"}));
        YearEndStatement::Filer filer;
        filer.relation = " 자 ";
        filer.hoursPerDay = "1";
        QVERIFY(YearEndStatement::print({all[0], all[2]}, {0, 2}, "2024", filer, report::Preview));
        QCOMPARE(m_out.last().title, QString("연말정산"));
        const auto rows = printRows();
        QCOMPARE(rows.size(), 2);
        const auto& r = rows[0];
        for (int m = 14; m <= 25; ++m)
            QCOMPARE(r.value(QStringLiteral("f%1").arg(m)), m == 16 || m == 17 ? QString("100,000 원") : QString());
        QCOMPARE(r.value("f26"), QString("200,000 원"));
        QCOMPARE(r.value("f26"), QLocale(QLocale::English).toString(count("SELECT sum(납부액) FROM T_수련비납부 WHERE 회원번호 = '202301001' AND 년월분 LIKE '2024%'")) + " 원");
        QCOMPARE(r.value("f01"), QString("가아빠")); // no name typed: the father
        QCOMPARE(r.value("f07") + "|" + r.value("f08") + "|" + r.value("f30"), QString("자|한빛태권도|김관장"));
        QCOMPARE(r.value("f09") + "|" + r.value("f10") + "|" + r.value("f11"), QString("123-45-67890|서울시 한빛로 1|02-123-4567"));
        QCOMPARE(r.value("f12") + "|" + r.value("f13"), QString("1|5"));
        QCOMPARE(r.value("f27"), QString("2024 년 3월 5일"));
        QCOMPARE(rows[1].value("seqno"), QString("2"));
        QCOMPARE(rows[1].value("f26"), QString("0 원"));
        QCOMPARE(m_out.last().doc.pages.size(), 2);
    }

    // Every month lands in its own box, the two-digit months of the autumn too.
    void yearEndMonthsInTheirBoxes()
    {
        for (const char* m : {"202401", "202409", "202410", "202411", "202412"})
            pay("202301001", m, "2024-03-05");
        const QList<YearEndStatement::Line> all = YearEndStatement::list(QString(), everyDivision("T_회원.부별코드"));
        QVERIFY(YearEndStatement::print({all[0]}, {0}, "2024", {}, report::Preview));
        const auto r = printRows().value(0);
        QStringList boxes;
        for (int m = 14; m <= 25; ++m)
            boxes << (r.value(QStringLiteral("f%1").arg(m)).isEmpty() ? "-" : "o");
        QCOMPARE(boxes.join(QString()), QString("o-------oooo"));
        QCOMPARE(r.value("f26"), QString("500,000 원"));
    }

    void yearMustBeFourDigits_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << "" << "연도를 입력하세요.";
        QTest::newRow("blanks") << "   " << "연도를 입력하세요.";
        QTest::newRow("three digits") << "202" << "연도를 4자리로 입력하세요.";
        QTest::newRow("a letter") << "20a4" << "연도를 4자리로 입력하세요.";
        QTest::newRow("five digits") << "20245" << "연도를 4자리로 입력하세요.";
        QTest::newRow("fine") << "2024" << "";
    }
    void yearMustBeFourDigits()
    {
        QFETCH(QString, year);
        QTEST(YearEndStatement::yearProblem(year), "problem");
    }
};

QTEST_MAIN(TestFeeReceipts)
#include "tst_feereceipts.moc"
