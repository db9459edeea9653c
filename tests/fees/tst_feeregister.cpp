// The payment page of the fee window without widgets: generate, confirm, list, delete, cancel.
#include "fees/FeeFixture.h"
#include "fees/FeePayments.h"
#include "fees/FeeRegister.h"
#include "ui/StatusLine.h"
#include "support/ServerTest.h"

#include <QTest>

using namespace feefix;

namespace {
const FeeRegister::Division kAll{" AND T_회원.부별코드 like :buCode ", {{"buCode", "%"}}};

QStringList months(const FeeRegister& r)
{
    QStringList out;
    for (const auto& l : r.lines())
        out << l.memberNo.right(3) + ":" + l.month;
    return out;
}
} // namespace

class TestFeeRegister : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
    }
    void cleanup() { m_db.reset(); }

    void offeredMonths_data()
    {
        QTest::addColumn<QString>("enrolled");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("withdrawn");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("expected");
        const QDate jan(2024, 1, 1), jun(2024, 6, 30);
        QTest::newRow("after enrolment only") << "2024-03-15" << "" << "" << "" << jan << jun << "202404 202405 202406";
        QTest::newRow("paid month skipped") << "2023-01-10" << "" << "" << "202405" << QDate(2024, 4, 1) << jun
                                            << "202404 202406";
        QTest::newRow("no enrolment date") << "" << "" << "" << "" << QDate(2024, 5, 20) << jun << "202405 202406";
        QTest::newRow("on leave") << "2023-01-10" << "2024-02-01" << "" << "" << jan << jun << "";
        QTest::newRow("withdrawn") << "2023-01-10" << "" << "2024-02-01" << "" << jan << jun << "";
        QTest::newRow("period backwards") << "2023-01-10" << "" << "" << "" << jun << QDate(2024, 4, 1) << "";
    }
    void offeredMonths()
    {
        QFETCH(QString, enrolled);
        QFETCH(QString, leave);
        QFETCH(QString, withdrawn);
        QFETCH(QString, paid);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, expected);
        addMember({"202301001", "김하늘", "03", enrolled, 100000, leave, withdrawn});
        if (!paid.isEmpty())
            sqlExec("INSERT INTO T_수련비납부 VALUES ('202301001', '" + paid + "', 1, '2024-01-05', 100000, '')");
        FeeRegister r;
        QVERIFY(r.generate(from, to, "", kAll).ok());
        QStringList got;
        for (const auto& l : r.lines())
            got << l.month;
        QCOMPARE(got.join(' '), expected);
        QCOMPARE(r.state(), FeeRegister::State::Entering);
    }

    void generatedLineAndFilters()
    {
        addMember({"202301001", "김하늘", "03"});
        addMember({"202301002", "김바다", "12", "2023-01-10", 140000});
        addMember({"202301003", "이산", "03"});
        FeeRegister r;
        r.generate(QDate(2024, 5, 1), QDate(2024, 5, 31), "김", kAll);
        QCOMPARE(months(r), QStringList({"002:202405", "001:202405"})); // 중등부 before 초등1학년부 by name
        const auto& l = r.lines()[0];
        QCOMPARE(l.name, QString("김바다"));
        QCOMPARE(l.division, QString("중등부"));
        QCOMPARE(l.amount, QString("140000"));
        QCOMPARE(l.payDate, QDate(2024, 5, 31));
        QCOMPARE(l.memberPayDay, QString("10"));
        QCOMPARE(l.bank, QString("국민"));
        QVERIFY(l.isNew && !l.checked);
        r.generate(QDate(2024, 5, 1), QDate(2024, 5, 31), "", {" AND T_회원.부별코드 like :buCode ", {{"buCode", "03%"}}});
        QCOMPARE(months(r), QStringList({"001:202405", "003:202405"}));
    }

    void crossYearRefused()
    {
        addMember({"202301001", "김하늘"});
        FeeRegister r;
        const Answer a = r.generate(QDate(2024, 11, 1), QDate(2025, 1, 31), "", kAll);
        QVERIFY(!a.ok());
        QCOMPARE(a.messages(), QList<Message>({{Message::Level::Error, "확인요망", "납부기간의 연도를 통일하세요."}}));
        QCOMPARE(r.focus(), FeeRegister::Focus::FromDate);
        QCOMPARE(r.count(), 0);
        QCOMPARE(r.state(), FeeRegister::State::Idle);
    }

    void confirmSavesTickedLines()
    {
        addMember({"202301001", "김하늘"});
        addMember({"202301002", "이바다"});
        FeeRegister r;
        r.generate(QDate(2024, 4, 1), QDate(2024, 6, 30), "", kAll);
        QCOMPARE(r.count(), 6);
        r.setChecked(0, true); // 김하늘 April
        r.setChecked(1, true); // 김하늘 May, let off
        r.setAmount(1, "0");
        r.setNote(1, "형제할인");
        r.setChecked(3, true); // 이바다 April
        const Answer a = r.confirm();
        QVERIFY(a.ok());
        QCOMPARE(r.state(), FeeRegister::State::Idle);
        QVERIFY(!r.editable(0));
        QVERIFY(!r.setChecked(2, true));
        QCOMPARE(feeRows(), 3);
        QCOMPARE(cashLines(), 3);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 일자 = '2024-06-30' AND 대항목 = '수련비'"), 3);
        QCOMPARE(count("SELECT 입금액 FROM T_금전출납 WHERE 적요 = '형제할인'"), 0);
        // April: 김하늘 first, 이바다 second of the month.
        QCOMPARE(count("SELECT 순번 FROM T_수련비납부 WHERE 회원번호 = '202301002' AND 년월분 = '202404'"), 2);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 = '202301002-0002'"), 1);
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(StatusLine::text(), QString("수련비 3건 저장"));
    }

    // A period that offers nothing says why on the status line.
    void emptyListSaysWhy_data()
    {
        QTest::addColumn<QString>("enrolled");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");
        QTest::newRow("enrolled this month") << "2024-05-03" << "" << "" << "이번 달 입관자는 다음 달부터 납부 대상입니다.";
        QTest::newRow("every month paid") << "2023-01-10" << "202405" << "" << "기간 안의 수련비가 모두 납부되었습니다.";
        QTest::newRow("nobody of that name") << "2023-01-10" << "" << "박" << "조건에 맞는 재원생이 없습니다.";
        QTest::newRow("lines offered: nothing to say") << "2024-04-03" << "" << "" << "";
    }
    void emptyListSaysWhy()
    {
        QFETCH(QString, enrolled);
        QFETCH(QString, paid);
        QFETCH(QString, name);
        QFETCH(QString, why);
        addMember({"202405001", "김하늘", "03", enrolled});
        if (!paid.isEmpty())
            sqlExec("INSERT INTO T_수련비납부 VALUES ('202405001', '" + paid + "', 1, '2024-05-03', 100000, '')");
        StatusLine::show(QString());
        FeeRegister r;
        QVERIFY(r.generate(QDate(2024, 5, 1), QDate(2024, 5, 31), name, kAll).ok());
        QCOMPARE(r.count(), why.isEmpty() ? 1 : 0);
        QCOMPARE(StatusLine::text(), why);
    }

    void closedMonthBoundary()
    {
        addMember({"202301001", "김하늘"});
        closeBooksThrough("202403");
        FeeRegister r;
        r.generate(QDate(2024, 3, 1), QDate(2024, 3, 31), "", kAll);
        r.setChecked(0, true);
        const Answer closed = r.confirm();
        QVERIFY(!closed.ok());
        QCOMPARE(closed.messages(), QList<Message>({{Message::Level::Error, "오류",
                                                     "납부일자는 마감월 이후 이어야 합니다.\n2024-03 월 이후로 입력하세요."}}));
        QCOMPARE(r.focus(), FeeRegister::Focus::Amount);
        QCOMPARE(r.state(), FeeRegister::State::Entering);
        QCOMPARE(feeRows(), 0);

        r.generate(QDate(2024, 3, 1), QDate(2024, 4, 1), "", kAll);
        r.setChecked(0, true); // March, paid late on the first open day
        QVERIFY(r.confirm().ok());
        QCOMPARE(count("SELECT count(*) FROM T_수련비납부 WHERE 년월분 = '202403' AND 납부일자 = '2024-04-01'"), 1);
        QCOMPARE(cashLines(), 1);

        // Paid in May for an old month: the closed month is about the payment date, where the cash-book
        // line goes, so the line is taken like a generated one.
        r.generate(QDate(2024, 5, 1), QDate(2024, 5, 31), "", kAll);
        r.setChecked(0, true);
        r.setMonth(0, "202312");
        const Answer late = r.confirm();
        QVERIFY(late.ok());
        QVERIFY2(late.messages().isEmpty(), qPrintable(late.text()));
        QCOMPARE(db::scalarText("SELECT 납부일자 FROM T_수련비납부 WHERE 년월분 = '202312'"), QString("2024-05-31"));
        QCOMPARE(cashLines(), 2);
    }

    void editedLineChecks_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<int>("focus");
        const int month = int(FeeRegister::Focus::Month);
        QTest::newRow("no such month") << "202413" << "100000" << "김하늘(202301001) 202413 : 년월분은 yyyymm" << month;
        QTest::newRow("dash form") << "2024-07" << "100000" << "김하늘(202301001) 2024-07 : 년월분은 yyyymm" << month;
        QTest::newRow("already paid") << "202402" << "100000" << "김하늘(202301001) 202402 : 이미 납부된 월" << month;
        QTest::newRow("twice in the batch") << "202406" << "100000" << "김하늘(202301001) 202406 : 같은 월이 두 줄에" << month;
        QTest::newRow("amount not a number") << "202405" << "십만원" << "김하늘(202301001) 202405 : 수련비는 0 이상의 숫자로"
                                             << int(FeeRegister::Focus::Amount);
        QTest::newRow("negative amount") << "202405" << "-5000" << "수련비는 0 이상의 숫자로" << int(FeeRegister::Focus::Amount);
    }
    void editedLineChecks()
    {
        QFETCH(QString, month);
        QFETCH(QString, amount);
        QFETCH(QString, reported);
        QFETCH(int, focus);
        addMember({"202301001", "김하늘"});
        addMember({"202301002", "이바다"});
        sqlExec("INSERT INTO T_수련비납부 VALUES ('202301001', '202402', 1, '2024-02-05', 100000, '')");
        closeBooksThrough("202401");
        FeeRegister r;
        r.generate(QDate(2024, 5, 1), QDate(2024, 6, 30), "", kAll);
        QCOMPARE(months(r), QStringList({"001:202405", "001:202406", "002:202405", "002:202406"}));
        r.setChecked(0, true);
        r.setChecked(1, true);
        r.setChecked(2, true);
        r.setMonth(0, month);
        r.setAmount(0, amount);
        const Answer a = r.confirm();
        QVERIFY(!a.ok());
        QVERIFY2(a.text().contains(reported), qPrintable(a.text()));
        QCOMPARE(int(r.focus()), focus);
        QCOMPARE(r.focusLine(), month == "202406" ? 1 : 0);
        QCOMPARE(r.state(), FeeRegister::State::Entering);
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 0);
        // Corrected, the batch goes through.
        r.setMonth(0, "202407");
        r.setAmount(0, "100000");
        QVERIFY(r.confirm().ok());
        QCOMPARE(feeRows(), 4);
        QCOMPARE(cashLines(), 3);
    }

    void failedLineLeavesNeitherRow()
    {
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server rolls back the same transaction");
        addMember({"202301001", "김하늘"});
        addMember({"202301002", "이바다"});
        sqlExec("CREATE TRIGGER t_fail BEFORE INSERT ON T_금전출납 WHEN NEW.소항목 = '김하늘' "
                "BEGIN SELECT RAISE(ABORT, 'fail'); END");
        FeeRegister r;
        r.generate(QDate(2024, 5, 1), QDate(2024, 5, 31), "", kAll);
        r.setChecked(0, true);
        r.setChecked(1, true);
        const Answer a = r.confirm();
        QVERIFY(a.ok()); // the other line was saved
        QCOMPARE(a.messages(), QList<Message>({{Message::Level::Error, "확인요망", "저장 에러 입니다."}}));
        QVERIFY(!FeePayments::isPaid("202301001", "202405"));
        QVERIFY(FeePayments::isPaid("202301002", "202405"));
        QCOMPARE(cashLines(), 1);
    }

    void listAndDelete()
    {
        addMember({"202301001", "김하늘"});
        addMember({"202301002", "이바다", "03", "2023-01-10", 100000, "2024-05-20"}); // on leave: never listed
        FeePayments::add("202301001", "202404", QDate(2024, 5, 10), 100000, "");
        FeePayments::add("202301001", "202405", QDate(2024, 5, 10), 110000, "");
        FeePayments::add("202301001", "202406", QDate(2024, 6, 1), 100000, "");
        FeePayments::add("202301002", "202405", QDate(2024, 5, 10), 100000, "");
        FeeRegister r;
        r.list(QDate(2024, 5, 1), QDate(2024, 5, 31), "", kAll);
        QCOMPARE(r.state(), FeeRegister::State::Showing);
        QCOMPARE(months(r), QStringList({"001:202404", "001:202405"}));
        QVERIFY(r.lines()[0].checked && !r.editable(0));

        QList<Question> asked;
        const auto answering = [&asked](bool yes) {
            return [&asked, yes](const Question& q) {
                asked.append(q);
                return yes;
            };
        };
        const Answer kept = r.remove(1, answering(false));
        QVERIFY(!kept.ok() && kept.messages().isEmpty());
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].caption, QString("삭제확인"));
        QCOMPARE(asked[0].text, QString("삭제하시겠습니까?\n\n수련비와 금전출납의 해당 데이터가 모두 지워집니다.!"));
        QCOMPARE(int(asked[0].buttons), int(Question::Buttons::OkCancel));
        QCOMPARE(feeRows(), 4);

        // April and May both carry link -0001 on 2024-05-10: only May's own line goes.
        QVERIFY(r.remove(1, answering(true)).ok());
        QCOMPARE(months(r), QStringList({"001:202404"}));
        QVERIFY(!FeePayments::isPaid("202301001", "202405"));
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 일자 = '2024-05-10' AND 수련비순번 = '202301001-0001' AND 입금액 = 100000"), 1);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 입금액 = 110000"), 0);
        QCOMPARE(cashLines(), 3);

        r.cancel();
        QCOMPARE(r.count(), 0);
        QCOMPARE(r.state(), FeeRegister::State::Idle);
    }

    void deleteInClosedMonthRefused()
    {
        addMember({"202301001", "김하늘"});
        FeePayments::add("202301001", "202403", QDate(2024, 3, 10), 100000, "");
        closeBooksThrough("202403");
        FeeRegister r;
        r.list(QDate(2024, 3, 1), QDate(2024, 3, 31), "", kAll);
        bool asked = false;
        const Answer a = r.remove(0, [&asked](const Question&) { return asked = true; });
        QVERIFY(!asked);
        QCOMPARE(a.messages(), QList<Message>({{Message::Level::Error, "오류", "마감된 자료는 삭제 할 수 없습니다.\n\n마감취소후 작업하세요."}}));
        QCOMPARE(r.count(), 1);
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
    }

    void cancelDropsGeneratedLines()
    {
        addMember({"202301001", "김하늘"});
        FeeRegister r;
        r.generate(QDate(2024, 4, 1), QDate(2024, 5, 31), "", kAll);
        r.setChecked(0, true);
        r.cancel();
        QCOMPARE(r.count(), 0);
        QCOMPARE(r.state(), FeeRegister::State::Idle);
        QVERIFY(!r.confirm().ok());
        QCOMPARE(feeRows(), 0);
    }

    void screenLock_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("locked");
        QTest::newRow("no school record") << "" << false;
        QTest::newRow("no password") << "NULL, '1'" << false;
        QTest::newRow("flag off") << "'1234', '0'" << false;
        QTest::newRow("flag on") << "'1234', '1'" << true;
    }
    void screenLock()
    {
        QFETCH(QString, row);
        QFETCH(bool, locked);
        sqlExec("DELETE FROM T_도장정보");
        if (!row.isEmpty())
            sqlExec("INSERT INTO T_도장정보 (수련비화면, 수련비화면체크유무) VALUES (" + row + ")");
        QCOMPARE(FeeRegister::screenLocked(), locked);
        QCOMPARE(FeeRegister::passwordMatches("1234"), locked);
        QVERIFY(!FeeRegister::passwordMatches("123"));
    }
};

QTEST_GUILESS_MAIN(TestFeeRegister)
#include "tst_feeregister.moc"
