// Shuttle courses, stops and times: what a save keeps, what a delete takes with it, and what an edit may touch.
#include "db/Query.h"
#include "operations/ShuttleList.h"
#include "operations/uCarTime1.h"
#include "support/TestDb.h"
#include "ui/ListPanel.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

int count(const QString& table, const QString& where = QStringLiteral("1=1"))
{
    return db::scalar("select count(*) from " + table + " where " + where).toInt();
}

void seed()
{
    sqlExec("insert into T_코스코드 values ('1', '통학1호')");
    sqlExec("insert into T_코스코드 values ('2', '통학2호')");
    sqlExec("insert into T_장소코드 values ('1', '01', '정문', '1)통학1호')");
    sqlExec("insert into T_장소코드 values ('1', '02', '아파트', '1)통학1호')");
    sqlExec("insert into T_장소코드 values ('2', '01', '시장', '2)통학2호')");
    sqlExec("insert into T_시간코드 values ('1', '01', '14:30', '1)통학1호', '01)정문')");
    sqlExec("insert into T_시간코드 values ('1', '02', '14:40', '1)통학1호', '02)아파트')");
    sqlExec("insert into T_시간코드 values ('2', '01', '15:00', '2)통학2호', '01)시장')");
}

} // namespace

class TestShuttle : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        seed();
    }
    void cleanup() { m_db.reset(); }

    void deletingCourseTakesItsStopsAndTimes()
    {
        ShuttleList c(ShuttleList::Course);
        c.load();
        c.remove(0);
        QCOMPARE(count("T_코스코드"), 1);
        QCOMPARE(count("T_장소코드", "코스코드 = '1'"), 0);
        QCOMPARE(count("T_시간코드", "코스코드 = '1'"), 0);
        QCOMPARE(count("T_시간코드", "코스코드 = '2'"), 1);
    }

    void courseDeleteIsAllOrNothing()
    {
        // The last step fails: the stops and times deleted before it come back.
        sqlExec("CREATE TRIGGER no_delete BEFORE DELETE ON T_코스코드 BEGIN SELECT RAISE(ABORT, 'refused'); END");
        ShuttleList c(ShuttleList::Course);
        c.load();
        QVERIFY_THROWS_EXCEPTION(db::Error, c.remove(0));
        QCOMPARE(count("T_장소코드", "코스코드 = '1'"), 2);
        QCOMPARE(count("T_시간코드", "코스코드 = '1'"), 2);
    }

    void deletingStopTakesItsTimes()
    {
        ShuttleList c(ShuttleList::Stop);
        c.load();
        c.remove(1); // course 1, stop 02
        QCOMPARE(count("T_장소코드"), 2);
        QCOMPARE(count("T_시간코드", "장소코드 = '02'"), 0);
        QCOMPARE(count("T_시간코드"), 2);
    }

    void duplicateKeepsPendingRows()
    {
        ShuttleList c(ShuttleList::Course);
        c.load();
        int a = c.append();
        c.edit(a, "코스코드", "3");
        c.edit(a, "코스이름", "새 코스");
        int b = c.append();
        c.edit(b, "코스코드", "1");
        const db::SaveResult r = c.save();
        QVERIFY(!r.saved);
        QCOMPARE(r.message, QStringLiteral("중복된 코드가 존재합니다."));
        QCOMPARE(r.caption, QStringLiteral("오류"));
        QCOMPARE(count("T_코스코드"), 2); // nothing written, not even the good row
        QVERIFY(c.isDirty());
        // Corrected, the same pending rows go in.
        c.edit(b, "코스코드", "4");
        QVERIFY(c.save().saved);
        QCOMPARE(count("T_코스코드", "코스코드 in ('3','4')"), 2);
    }

    void missingFieldIsNamed_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("values"); // field=value of the new row
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        QTest::newRow("course code") << int(ShuttleList::Course) << QStringList{"코스이름=노선"}
                                     << "코스코드를 입력하세요." << "코스코드";
        QTest::newRow("stop without course") << int(ShuttleList::Stop) << QStringList{"장소코드=05", "장소=학교"}
                                             << "코스를 선택하세요." << "코스이름비고";
        QTest::newRow("stop code blank") << int(ShuttleList::Stop) << QStringList{"course=2)통학2호", "장소코드=  "}
                                         << "장소코드를 입력하세요." << "장소코드";
        QTest::newRow("time without stop") << int(ShuttleList::Time) << QStringList{"course=1)통학1호", "시간=16:00"}
                                           << "장소를 선택하세요." << "장소비고";
        QTest::newRow("time blank") << int(ShuttleList::Time) << QStringList{"course=1)통학1호", "stop=01)정문"}
                                    << "시간을 입력하세요." << "시간";
    }
    void missingFieldIsNamed()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        QFETCH(QString, field);
        ShuttleList c{ShuttleList::Tab(tab)};
        c.load();
        const int before = c.rows().count();
        const int row = c.append();
        for (const QString& v : values) {
            const QString name = v.section('=', 0, 0), value = v.section('=', 1);
            c.edit(row, name == "course" ? "코스이름비고" : name == "stop" ? "장소비고" : name, value);
        }
        const db::SaveResult r = c.save();
        QVERIFY(!r.saved);
        QCOMPARE(r.message, message);
        QCOMPARE(r.field, field);
        QCOMPARE(r.row, row);
        QCOMPARE(c.rows().count(), before + 1); // the row stays for correction
    }

    void storedCodesAreReadOnly()
    {
        ShuttleList course(ShuttleList::Course), stop(ShuttleList::Stop), time(ShuttleList::Time);
        for (ShuttleList* l : {&course, &stop, &time})
            l->load();
        QVERIFY(!course.editable(0, "코스코드"));
        QVERIFY(course.editable(0, "코스이름"));
        QVERIFY(!stop.editable(0, "코스이름비고"));
        QVERIFY(!stop.editable(0, "장소코드"));
        QVERIFY(stop.editable(0, "장소"));
        QVERIFY(!time.editable(0, "장소비고"));
        QVERIFY(time.editable(0, "시간"));
        QVERIFY(stop.editable(stop.append(), "장소코드"));
        // Renaming a course leaves its stops pointing at it.
        course.edit(0, "코스이름", "통학A");
        QVERIFY(course.save().saved);
        QCOMPARE(count("T_장소코드", "코스코드 = '1'"), 2);
        QCOMPARE(db::scalarText("select 코스이름 from T_코스코드 where 코스코드 = '1'"), QStringLiteral("통학A"));
    }

    void timeTabOffersStopsOfChosenCourse()
    {
        QCOMPARE(ShuttleList::stopItems("1"), (QStringList{"", "01)정문", "02)아파트"}));
        ShuttleList c(ShuttleList::Time);
        c.load();
        const int row = c.append();
        c.edit(row, "코스이름비고", "1)통학1호");
        c.edit(row, "장소비고", "02)아파트");
        QCOMPARE(c.rows().value(row, "장소코드").toString(), QStringLiteral("02"));
        // Another course clears the stop chosen for the first.
        c.edit(row, "코스이름비고", "2)통학2호");
        QCOMPARE(c.rows().value(row, "코스코드").toString(), QStringLiteral("2"));
        QVERIFY(c.rows().value(row, "장소코드").toString().isEmpty());
    }

    void screenInsertSaveAndTabChange()
    {
        TfCarTime1 w;
        w.PageControl1->setCurrentIndex(ShuttleList::Stop);
        w.Btn_InsertClick();
        QVERIFY(w.Btn_Ok->isEnabled() && !w.Btn_Insert->isEnabled());
        ListModel* m = w.panel(ShuttleList::Stop)->model();
        const int row = m->rowCount() - 1;
        QVERIFY(m->setData(m->index(row, m->columnOf("코스이름비고")), "2)통학2호", Qt::EditRole));
        QVERIFY(m->setData(m->index(row, m->columnOf("장소코드")), "07", Qt::EditRole));
        QVERIFY(m->setData(m->index(row, m->columnOf("장소")), "도서관", Qt::EditRole));
        // Rows other than the one being entered take no typing.
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
        w.Btn_OkClick();
        QVERIFY(w.Btn_Insert->isEnabled() && !w.Btn_Ok->isEnabled());
        QCOMPARE(db::scalarText("select 장소 from T_장소코드 where 코스코드 = '2' and 장소코드 = '07'"), QStringLiteral("도서관"));
        QVERIFY(m_db->dialogs().log.isEmpty());

        // A duplicate: the message, and the typed row is still there to correct.
        w.Btn_InsertClick();
        const int dup = m->rowCount() - 1;
        m->setData(m->index(dup, m->columnOf("코스이름비고")), "1)통학1호", Qt::EditRole);
        m->setData(m->index(dup, m->columnOf("장소코드")), "01", Qt::EditRole);
        w.Btn_OkClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("중복된 코드가 존재합니다."));
        QVERIFY(w.Btn_Ok->isEnabled());
        QCOMPARE(m->rowCount(), dup + 1);

        // Going to another tab drops what was pending.
        w.PageControl1->setCurrentIndex(ShuttleList::Time);
        QVERIFY(!w.Btn_Ok->isEnabled());
        QVERIFY(!w.list(ShuttleList::Stop).isDirty());
    }
};

QTEST_MAIN(TestShuttle)
#include "tst_shuttle.moc"
