// Partner register and goods lines with their one cash-book line per partner, date and direction.
#include "cashbook/CashBook.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/Partners.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QTest>

namespace {

const QDate kDay(2024, 5, 2);

void partner(const QString& code, const QString& name)
{
    QVERIFY(Partners::save({code, name, "123-45-67890", "김대표", "서울", "", "도소매", "운동용품", "02-111-2222", ""}).ok());
}

PartnerDeals::Entry goods(const QString& qty, const QString& price, const QString& tax = QString())
{
    return {"도복", "110", qty, price, PartnerDeals::supplyText(qty, price), tax, ""};
}

// The partner cash lines of the day as "순번:소항목:적요:입금/출금" joined by " | ".
QString cashLines(const QDate& d = kDay)
{
    QStringList out;
    for (const CashLine& l : CashBook::linesOf(d))
        if (l.mainItem == CashBook::kPartnerItem)
            out << QString("%1:%2:%3:%4/%5").arg(l.seq).arg(l.subItem, l.memo).arg(l.income).arg(l.expense);
    return out.join(" | ");
}

// May closes once June has come.
void closeMay()
{
    Clock::setFixed(QDateTime(QDate(2024, 6, 3), QTime(10, 0)));
    MonthClosing::saveOpening("202404", 0, 0);
    MonthClosing::close("202405");
}

int count(const QString& table) { return db::scalar("SELECT count(*) FROM " + table).toInt(); }

} // namespace

class TestPartners : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        partner("A001", "대한스포츠");
        partner("B002", "한국무도사");
    }
    void cleanup() { m_db.reset(); }

    void firstLineMakesCashLineLastTakesItAway()
    {
        CashBook::addLine(kDay, "운영비", "전기료", false, 30000, ""); // cash line 1 is taken
        const auto first = PartnerDeals::add(kDay, "A001", false, goods("3", "1,500"));
        QVERIFY2(first.ok(), qPrintable(first.message));
        QCOMPARE(first.cashSeq, 2);
        QCOMPARE(cashLines(), QString("2:대한스포츠:A001:0/4500"));
        QCOMPARE(db::scalar("SELECT 세액 FROM T_거래").toLongLong(), 0); // empty tax is 0, not in the amount

        const auto second = PartnerDeals::add(kDay, "A001", false, goods("2", "10000", "2000"));
        QVERIFY(second.ok());
        QCOMPARE(second.seq, 2);
        QCOMPARE(second.cashSeq, 2);
        QCOMPARE(cashLines(), QString("2:대한스포츠:A001:0/24500"));
        QCOMPARE(PartnerDeals::totals(kDay, "A001", false).quantity, 5);

        QVERIFY(PartnerDeals::update(kDay, "A001", 2, goods("1", "10000")).ok());
        QCOMPARE(cashLines(), QString("2:대한스포츠:A001:0/14500"));

        QVERIFY(PartnerDeals::remove(kDay, "A001", 1).ok());
        QCOMPARE(cashLines(), QString("2:대한스포츠:A001:0/10000"));
        QVERIFY(PartnerDeals::remove(kDay, "A001", 2).ok());
        QCOMPARE(cashLines(), QString());
        QCOMPARE(count("T_거래"), 0);
        QCOMPARE(CashBook::linesOf(kDay).size(), 1); // the ordinary line stays
    }

    void incomeAndExpenseKeepTwoCashLinesAndShareNumbers()
    {
        QCOMPARE(PartnerDeals::add(kDay, "A001", false, goods("1", "5000")).seq, 1);
        QCOMPARE(PartnerDeals::add(kDay, "A001", true, goods("2", "700")).seq, 2);
        QCOMPARE(PartnerDeals::add(kDay, "B002", true, goods("1", "100")).seq, 1); // numbers count per partner
        QCOMPARE(PartnerDeals::add(kDay, "A001", false, goods("1", "1000")).seq, 3);
        QCOMPARE(cashLines(), QString("1:대한스포츠:A001:0/6000 | 2:대한스포츠:A001:1400/0 | 3:한국무도사:B002:100/0"));
        QCOMPARE(PartnerDeals::lines(kDay, "A001", false).size(), 2);
        QCOMPARE(PartnerDeals::linesOfCashLine(kDay, 2).size(), 1);
        // The day's totals and the month's closing carry the partner lines.
        const CashBook::Totals t = CashBook::dayTotals(kDay);
        QCOMPARE(t.income, 1500);
        QCOMPARE(t.expense, 6000);
        closeMay();
        QCOMPARE(db::scalar("SELECT 당월차변금액 FROM T_금전출납마감 WHERE 마감연월='202405'").toLongLong(), 1500);
        QCOMPARE(db::scalar("SELECT 당월대변금액 FROM T_금전출납마감 WHERE 마감연월='202405'").toLongLong(), 6000);
    }

    void badEntryWritesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");
        const int item = int(PartnerDeals::Field::Item), standard = int(PartnerDeals::Field::Standard),
                  qty = int(PartnerDeals::Field::Quantity), price = int(PartnerDeals::Field::Price),
                  supply = int(PartnerDeals::Field::Supply), tax = int(PartnerDeals::Field::Tax);
        QTest::newRow("quantity not a number") << "도복" << "110" << "세개" << "1000" << "3000" << "" << qty << "수량";
        QTest::newRow("quantity of six digits") << "도복" << "110" << "100000" << "1" << "100000" << "" << qty << "수량";
        QTest::newRow("quantity with a fraction") << "도복" << "110" << "1.5" << "1000" << "1500" << "" << qty << "수량";
        QTest::newRow("negative price") << "도복" << "110" << "1" << "-100" << "100" << "" << price << "단가";
        QTest::newRow("supply not a number") << "도복" << "110" << "1" << "100" << "백원" << "" << supply << "공급가액";
        QTest::newRow("tax not a number") << "도복" << "110" << "1" << "100" << "100" << "십원" << tax << "세액";
        QTest::newRow("missing item") << " " << "110" << "1" << "100" << "100" << "" << item << "품목";
        QTest::newRow("missing standard") << "도복" << "" << "1" << "100" << "100" << "" << standard << "규격";
        QTest::newRow("missing supply") << "도복" << "110" << "1" << "100" << "" << "" << supply << "공급가액";
        QTest::newRow("standard too long") << "도복" << "12345678901" << "1" << "100" << "100" << "" << standard << "규격";
        QTest::newRow("item of 51") << QString(51, u'띠') << "110" << "1" << "100" << "100" << "" << item << "품목은(는) 50자까지 입력할 수 있습니다.";
    }

    void badEntryWritesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QString, standard);
        QFETCH(QString, qty);
        QFETCH(QString, price);
        QFETCH(QString, supply);
        QFETCH(QString, tax);
        QFETCH(int, field);
        QFETCH(QString, message);
        const PartnerDeals::Entry e{item, standard, qty, price, supply, tax, ""};
        const auto r = PartnerDeals::add(kDay, "A001", false, e);
        QCOMPARE(int(r.field), field);
        QVERIFY2(r.message.contains(message), qPrintable(r.message));
        QCOMPARE(count("T_거래"), 0);
        QCOMPARE(count("T_금전출납"), 0);
        // An edit refuses alike and keeps the stored line and amount.
        QVERIFY(PartnerDeals::add(kDay, "A001", false, goods("2", "500")).ok());
        QCOMPARE(int(PartnerDeals::update(kDay, "A001", 1, e).field), field);
        QCOMPARE(cashLines(), QString("1:대한스포츠:A001:0/1000"));
    }

    // A day that does not exist is a wrong date, not a closed month; a partner name wider than its column
    // is refused; a long name cut for its cash line keeps an emoji whole.
    void wrongDatesNamesAndEmoji()
    {
        const auto r = PartnerDeals::add(QDate::fromString("2024-02-30", Qt::ISODate), "A001", false, goods("1", "500"));
        QVERIFY2(r.message.startsWith("일자가 바른 날짜가 아닙니다."), qPrintable(r.message));
        QCOMPARE(count("T_거래"), 0);

        Partner p = *Partners::find("B002");
        p.name = QString(31, u'상');
        const auto refused = Partners::save(p, "B002");
        QCOMPARE(refused.message, QString("거래처명은(는) 30자까지 입력할 수 있습니다. (31자 입력)"));
        QCOMPARE(int(refused.field), int(Partners::Field::Name));
        QCOMPARE(Partners::find("B002")->name, QString("한국무도사"));

        const QString thumbs = QStringLiteral("\U0001F44D\U0001F3FD"); // thumbs up with a skin tone: one character
        const QString name = QString(28, u'가') + thumbs + "끝";
        QCOMPARE(Partners::cashLineName(name), QString(28, u'가') + thumbs);
        QCOMPARE(Partners::cashLineName(QString(29, u'가') + thumbs), QString(29, u'가'));
    }

    // The books' check: a dealing's cash line holds the sum of its goods lines.
    void booksCheckFindsCashLinesOutOfStep()
    {
        QVERIFY(PartnerDeals::add(kDay, "A001", false, goods("2", "500")).ok());
        QVERIFY(PartnerDeals::add(kDay, "A001", false, goods("1", "300")).ok());
        int checked = 0;
        QCOMPARE(PartnerDeals::cashFaults(&checked), QStringList());
        QCOMPARE(checked, 1);
        sqlExec("UPDATE T_금전출납 SET 출금액 = 1000 WHERE 순번 = 1");
        sqlExec("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요) VALUES ('2024-05-03', 1, '거래처출납관리', '한국무도사', 700, 0, 'B002')");
        QCOMPARE(PartnerDeals::cashFaults(),
                 QStringList({"거래 2024-05-02 거래처 A001 출금 (공급가액 합계 1,300원) : 금전출납 순번 1 의 금액 1,000원이 합계와 다릅니다.",
                              "금전출납 2024-05-03 순번 1 (700원) : 이 거래처출납관리 줄의 거래 내역이 없습니다."}));
    }

    void unknownPartnerIsRefused()
    {
        QCOMPARE(int(PartnerDeals::add(kDay, "Z999", false, goods("1", "1")).field), int(PartnerDeals::Field::Partner));
        QCOMPARE(count("T_금전출납"), 0);
    }

    void closedMonthRefusesEveryChange()
    {
        QVERIFY(PartnerDeals::add(kDay, "A001", false, goods("2", "500")).ok());
        closeMay();
        QVERIFY(!PartnerDeals::add(kDay, "A001", false, goods("1", "500")).ok());
        QVERIFY(!PartnerDeals::add(QDate(2024, 4, 30), "A001", true, goods("1", "500")).ok());
        QVERIFY(!PartnerDeals::update(kDay, "A001", 1, goods("9", "500")).ok());
        QVERIFY(!PartnerDeals::remove(kDay, "A001", 1).ok());
        QCOMPARE(count("T_거래"), 1);
        QCOMPARE(cashLines(), QString("1:대한스포츠:A001:0/1000"));
        // The month after is open.
        QVERIFY(PartnerDeals::add(QDate(2024, 6, 1), "A001", false, goods("1", "500")).ok());
    }

    void deletingCashLineTakesItsGoods()
    {
        QVERIFY(PartnerDeals::add(kDay, "A001", false, goods("2", "500")).ok());
        QVERIFY(PartnerDeals::add(kDay, "A001", true, goods("1", "900")).ok());
        QCOMPARE(CashBook::deleteLine(kDay, 1), QString());
        QCOMPARE(count("T_거래"), 1);
        QCOMPARE(cashLines(), QString("2:대한스포츠:A001:900/0"));
    }

    void registerKeepsCodesOfDealings()
    {
        Partner p = *Partners::find("A001");
        p.code = "A01";
        QCOMPARE(int(Partners::save(p, "A001").field), int(Partners::Field::Code));
        p.code = "B002";
        QCOMPARE(Partners::save(p, "A001").message, QString("동일한 코드 존재합니다."));
        p.code = "A001";
        p.name = "";
        QCOMPARE(int(Partners::save(p, "A001").field), int(Partners::Field::Name));

        // Without dealings a code may change; with them it stays and the partner cannot go.
        p = *Partners::find("A001");
        p.code = "A009";
        p.phone2 = "010-0000-1111";
        QVERIFY(Partners::save(p, "A001").ok());
        QVERIFY(!Partners::find("A001"));
        QCOMPARE(Partners::find("A009")->phone2, QString("010-0000-1111"));
        QVERIFY(PartnerDeals::add(kDay, "A009", false, goods("1", "500")).ok());
        p.code = "A010";
        QVERIFY(!Partners::save(p, "A009").ok());
        QVERIFY(!Partners::remove("A009").ok());
        QVERIFY(Partners::find("A009"));
        QVERIFY(Partners::remove("B002").ok());
        QCOMPARE(Partners::entries("  "), QStringList{"A009  대한스포츠"});
        QCOMPARE(Partners::codeOf("A009  대한스포츠"), QString("A009"));
    }
};

QTEST_MAIN(TestPartners)
#include "tst_partners.moc"
