// The school-year drop-down and the members each entry selects.
#include "support/TestDb.h"

#include "db/Query.h"
#include "ui/SchoolYearFilter.h"

#include <QTest>

class TstSchoolYearFilter : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void entries()
    {
        SchoolYearFilter f;
        QCOMPARE(f.count(), 5 + 18);
        QCOMPARE(f.itemText(0), QString());
        QCOMPARE(f.itemText(4), QStringLiteral("     중고/일반"));
        QCOMPARE(f.itemText(5), QStringLiteral("유치 4"));
        QCOMPARE(f.itemText(22), QStringLiteral("일반"));
        f.setCurrentIndex(11);
        QCOMPARE(f.grade(), QStringLiteral("초등 3"));
        f.setCurrentIndex(3);
        QCOMPARE(f.grade(), QString());
    }

    void selects_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("names");
        QTest::newRow("empty") << QString() << "유치원생,초등생,중학생,대학생,직장인,미정";
        QTest::newRow("all") << "     전체" << "유치원생,초등생,중학생,대학생,직장인,미정";
        QTest::newRow("kindergarten") << "     유치부" << "유치원생";
        QTest::newRow("elementary") << "     초등부" << "초등생";
        QTest::newRow("older") << "     중고/일반" << "중학생,대학생,직장인";
        QTest::newRow("one grade") << "초등 6" << "초등생";
        QTest::newRow("grade nobody has") << "고등 2" << "";
    }
    void selects()
    {
        QFETCH(QString, entry);
        QFETCH(QString, names);
        const QList<QPair<QString, QString>> members{{"유치원생", "유치 7"}, {"초등생", "초등 6"}, {"중학생", "중등 1"},
                                                     {"대학생", "대학교"},   {"직장인", "일반"},   {"미정", ""}};
        int n = 0;
        for (const auto& [name, year] : members)
            db::run("INSERT INTO T_회원 (회원번호, 회원명, 학년) VALUES (:no, :name, :year)",
                    {{"no", QStringLiteral("2024010%1").arg(++n, 2, 10, QChar(u'0'))}, {"name", name}, {"year", year}});
        SchoolYearFilter f;
        f.setCurrentIndex(f.findText(entry));
        QVERIFY(f.currentIndex() >= 0);
        db::Query q("SELECT a.회원명 FROM T_회원 a WHERE 1 = 1 ");
        f.addCondition(q);
        q.add(" ORDER BY a.회원번호");
        q.open();
        QStringList found;
        while (q.next())
            found << q.str("회원명");
        QCOMPARE(found.join(u','), names);
    }
};

QTEST_MAIN(TstSchoolYearFilter)
#include "tst_schoolyearfilter.moc"
