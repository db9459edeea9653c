// Holiday and division-event calendars: the date typing aid and what "확인" lets through.
#include "db/Query.h"
#include "operations/CalendarList.h"
#include "operations/uBuEvent.h"
#include "operations/uHoliday.h"
#include "support/TestDb.h"
#include "ui/DateTypingAid.h"
#include "ui/ListPanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

int rows(const QString& kind)
{
    return db::scalar("select count(*) from T_공휴행사일 where 공휴행사구분명 = :k", {{"k", kind}}).toInt();
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void typingAid_data()
    {
        QTest::addColumn<QString>("keys"); // "<" is Backspace
        QTest::addColumn<QString>("text");
        QTest::newRow("eight digits") << "20240505" << "2024-05-05";
        // The typed "-" stays beside the automatic one; the count goes on from the whole text.
        QTest::newRow("dash after automatic dash") << "2024-05" << "2024--0-5";
        QTest::newRow("backspace adds none") << "2024<" << "2024";
        QTest::newRow("backspace back to four") << "20245<<" << "2024";
        QTest::newRow("digit after backspace") << "2024<4" << "20244";
    }
    void typingAid()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QLineEdit e;
        DateTypingAid::install(&e);
        for (QChar c : keys) {
            if (c == u'<')
                QTest::keyClick(&e, Qt::Key_Backspace);
            else
                QTest::keyClicks(&e, QString(c));
        }
        QCOMPARE(e.text(), text);
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: saved
        QTest::addColumn<QString>("field");
        QTest::newRow("holiday") << "공휴일" << "2024-05-05" << "어린이날" << "" << "";
        QTest::newRow("no date") << "공휴일" << " " << "어린이날" << "휴무일을 입력하세요." << "공휴행사일";
        QTest::newRow("no such day") << "공휴일" << "2024-02-30" << "없는날" << "날짜 형식을 확인하세요." << "공휴행사일";
        QTest::newRow("not a date") << "공휴일" << "2024-5-5" << "어린이날" << "날짜 형식을 확인하세요." << "공휴행사일";
        QTest::newRow("event no date") << "유치부" << "" << "소풍" << "행사일자를 입력하세요." << "공휴행사일";
        QTest::newRow("event bad date") << "중고일반" << "2024-13-01" << "소풍" << "행사일자 형식을 확인하세요." << "공휴행사일";
        QTest::newRow("event no name") << "초등부유급자" << "2024-06-01" << " " << "행사명을 입력하세요." << "공휴행사명";
        QTest::newRow("holiday without name") << "공휴일" << "2024-06-06" << "" << "" << "";
    }
    void saveChecks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, date);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, field);
        sqlExec("insert into T_공휴행사일 values ('" + kind + "', '2024-01-01', '신정')");
        CalendarList list(kind);
        list.load();
        const int row = list.append();
        list.edit(row, "공휴행사일", date);
        list.edit(row, "공휴행사명", name);
        const db::SaveResult r = list.save();
        QCOMPARE(r.saved, message.isEmpty());
        QCOMPARE(r.message, message);
        QCOMPARE(r.field, field);
        QCOMPARE(rows(kind), message.isEmpty() ? 2 : 1);
        QCOMPARE(list.isDirty(), !message.isEmpty());
    }

    void dateTwiceIsRefusedAndKept()
    {
        sqlExec("insert into T_공휴행사일 values ('공휴일', '2024-05-05', '어린이날')");
        sqlExec("insert into T_공휴행사일 values ('유치부', '2024-05-05', '체육대회')"); // another kind: no clash
        CalendarList list(CalendarList::kHolidays);
        list.load();
        const int row = list.append();
        list.edit(row, "공휴행사일", "2024-05-05");
        list.edit(row, "공휴행사명", "대체공휴일");
        const db::SaveResult r = list.save();
        QVERIFY(!r.saved);
        QCOMPARE(r.message, QStringLiteral("2024-05-05 은(는) 이미 등록된 날짜입니다."));
        QCOMPARE(r.row, row);
        QVERIFY(list.isDirty());
        list.edit(row, "공휴행사일", "2024-05-06");
        QVERIFY(list.save().saved);
        QCOMPARE(rows("공휴일"), 2);
    }

    void storedEntryKeepsItsDate()
    {
        sqlExec("insert into T_공휴행사일 values ('공휴일', '2024-05-05', '어린이날')");
        CalendarList list(CalendarList::kHolidays);
        list.load();
        QVERIFY(!list.editable(0, "공휴행사일"));
        list.edit(0, "공휴행사명", "어린이 날");
        QVERIFY(list.save().saved);
        QCOMPARE(db::scalarText("select 공휴행사명 from T_공휴행사일 where 공휴행사일 = '2024-05-05'"), QStringLiteral("어린이 날"));
    }

    void screensKeepPendingRowAfterBadDate()
    {
        TfHoliday w;
        ListPanel* p = w.panel();
        p->Btn_InsertClick();
        QVERIFY(p->Btn_Ok->isEnabled() && !p->Btn_Insert->isEnabled());
        ListModel* m = p->model();
        QVERIFY(m->setData(m->index(0, 0), "2024-02-30", Qt::EditRole));
        QVERIFY(m->setData(m->index(0, 1), "없는날", Qt::EditRole));
        QVERIFY(!p->Btn_OkClick());
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("날짜 형식을 확인하세요."));
        QVERIFY(p->pending());
        QCOMPARE(p->currentRow(), 0);
        QCOMPARE(rows("공휴일"), 0);
        m->setData(m->index(0, 0), "2024-02-29", Qt::EditRole);
        QVERIFY(p->Btn_OkClick());
        QCOMPARE(rows("공휴일"), 1);

        // The division screen: each list has its own pending state.
        TfBuEvent b;
        b.panel(2)->Btn_InsertClick();
        QVERIFY(b.panel(2)->pending() && !b.panel(0)->pending());
        QVERIFY(b.panel(0)->Btn_Insert->isEnabled() && !b.panel(2)->Btn_Insert->isEnabled());
        b.panel(2)->Btn_CancelClick();
        QCOMPARE(b.panel(2)->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
