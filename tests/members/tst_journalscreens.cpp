// The text journal windows driven as the user does: 입력, a sentence typed into a member's line, 확인.
#include "members/uRequire.h"
#include "members/uSimsaGongji.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

void member(const QString& no, const QString& name)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 학년, 반, 수련비, 입관일) "
            "VALUES (:no, :n, '남', '2015-03-04', '05', '03', '초등 5', '1', 100000, '2024-01-05')",
            {{"no", no}, {"n", name}});
}

} // namespace

class TestJournalScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 3, 15), QTime(10, 0)));
        member("202401001", "가나");
        member("202401002", "다라");
    }
    void cleanup() { m_db.reset(); }

    void entryRecorded_data()
    {
        QTest::addColumn<int>("screen"); // 0 건의사항, 1 개인공지사항
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("row");
        QTest::newRow("건의사항") << 0 << "T_건의사항" << "회원번호 || '|' || 건의사항 || '|' || 건의일자";
        QTest::newRow("개인공지사항") << 1 << "T_심사평가공지사항" << "회원번호 || '|' || 공지사항 || '|' || 공지일자";
    }
    void entryRecorded()
    {
        QFETCH(int, screen);
        QFETCH(QString, table);
        QFETCH(QString, row);
        std::unique_ptr<JournalBatchScreen> w;
        if (screen == 0)
            w = std::make_unique<TfRequire>();
        else
            w = std::make_unique<TfSimsaGongji>();
        w->Btn_Insert->click();
        QVERIFY(w->entering() && w->Btn_Ok->isEnabled());
        QAbstractItemModel* m = w->grid->model();
        QCOMPARE(m->rowCount(), 2);
        const int entry = 6, date = 9;
        QCOMPARE(m->index(1, 1).data().toString(), QString("다라"));
        QVERIFY(m->setData(m->index(1, entry), "차량 시간 조정"));
        QCOMPARE(m->index(1, date).data().toString(), QString("2025-03-15"));
        w->Btn_Ok->click();
        QVERIFY(!w->entering());
        QCOMPARE(db::scalarText("SELECT " + row + " FROM " + table), QString("202401002|차량 시간 조정|2025-03-15"));
        QCOMPARE(db::scalar("SELECT Count(*) FROM " + table).toInt(), 1); // the untouched line writes nothing
    }
};

QTEST_MAIN(TestJournalScreens)
#include "tst_journalscreens.moc"
