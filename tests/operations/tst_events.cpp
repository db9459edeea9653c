// Event participation: numbering from both entry tabs, the batch as one write, the query, and the
// certificates of fixed and free event types.
#include "db/Query.h"
#include "operations/EventParticipation.h"
#include "operations/ParticipationCertificate.h"
#include "operations/uEve0010.h"
#include "operations/uEve0020.h"
#include "support/TestDb.h"
#include "ui/ListPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& bu = "05", const QString& out = {})
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 급품코드, 학년, 입관일, 퇴관일) VALUES (:no, :n, :bu, '03', '초등 3', '2024-01-02', :out)",
            {{"no", no}, {"n", name}, {"bu", bu}, {"out", out.isEmpty() ? QVariant() : QVariant(out)}});
}

void record(const QString& no, int seq, const QString& code = "01", const QString& date = "2024-03-01")
{
    db::run("INSERT INTO T_행사참가 VALUES (:no, :s, :d, :c, '', :c2)",
            {{"no", no}, {"s", seq}, {"d", date}, {"c", code}, {"c2", code + ")  행사"}});
}

QList<int> numbers(const QString& no)
{
    QList<int> out;
    db::Query q("SELECT 순번 FROM T_행사참가 WHERE 회원번호 = :no ORDER BY 순번");
    q.bind("no", no).open();
    while (q.next())
        out.append(int(q.integer("순번")));
    return out;
}

} // namespace

class TestEvents : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        sqlExec("INSERT INTO T_행사목록 (행사코드, 행사명, 행사내용1, 행사내용2) VALUES ('05', '여름 캠프', '위 어린이는', '캠프를 잘 마쳤습니다.')");
        member("202401001", "김하나");
        for (int s = 1; s <= 3; ++s)
            record("202401001", s);
        member("202401002", "이두리", "12");
        member("202401003", "박퇴관", "05", "2024-02-01");
    }
    void cleanup() { m_db.reset(); }

    void nextNumberFromBothTabs()
    {
        // Entry tab: two new records before "확인" take 4 and 5.
        MemberEvents m;
        m.setMember("202401001");
        const int a = m.append();
        const int b = m.append();
        QCOMPARE(m.rows().value(a, "순번").toInt(), 4);
        QCOMPARE(m.rows().value(b, "순번").toInt(), 5);
        m.edit(a, "비고2", "05)  여름 캠프");
        m.edit(b, "비고2", "01)  하계 극기훈련");
        QVERIFY(m.save().saved);
        QCOMPARE(numbers("202401001"), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(db::scalarText("SELECT 행사코드 FROM T_행사참가 WHERE 순번 = 4"), QStringLiteral("05"));

        // Batch tab: the next one, and 1 for a member without records.
        QVERIFY(EventParticipation::addBatch({{"202401001", "a"}, {"202401002", "b"}}, "05)  여름 캠프", QDate(2024, 5, 1)).saved);
        QCOMPARE(numbers("202401001").last(), 6);
        QCOMPARE(numbers("202401002"), QList<int>{1});
        QCOMPARE(db::scalarText("SELECT 비고2 FROM T_행사참가 WHERE 회원번호 = '202401002'"), QStringLiteral("05)  여름 캠프"));
    }

    void recordNeedsEvent()
    {
        MemberEvents m;
        m.setMember("202401002");
        m.append();
        QCOMPARE(m.save().message, QStringLiteral("행사명은 필수입력 입니다."));
        QCOMPARE(numbers("202401002"), QList<int>{});
    }

    void batchWritesAllOrNothing_data()
    {
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("message"); // start of it; empty: written
        QTest::newRow("none ticked") << QStringList{} << "05)  여름 캠프" << "";
        QTest::newRow("no event") << QStringList{"202401002"} << "" << "행사명은 필수입력 입니다.";
        QTest::newRow("failing member") << QStringList{"202401002", "BAD"} << "05)  여름 캠프" << "저장 에러 입니다.";
    }
    void batchWritesAllOrNothing()
    {
        QFETCH(QStringList, members);
        QFETCH(QString, event);
        QFETCH(QString, message);
        sqlExec("CREATE TRIGGER refuse BEFORE INSERT ON T_행사참가 WHEN NEW.회원번호 = 'BAD' BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QList<EventParticipation::BatchLine> lines;
        for (const QString& m : members)
            lines.append({m, QString()});
        const db::SaveResult r = EventParticipation::addBatch(lines, event, QDate(2024, 5, 1));
        QCOMPARE(r.saved, message.isEmpty());
        QVERIFY(message.isEmpty() ? r.message.isEmpty() : r.message.startsWith(message));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_행사참가").toInt(), 3); // the member's three records only
    }

    void queryFindsActiveMembersOfOneEvent()
    {
        record("202401002", 1, "05", "2024-04-10");
        record("202401003", 1, "05", "2024-04-10"); // withdrawn: not listed
        EventParticipation::Filter f;
        f.eventCode = "05";
        QList<QStringList> rows = EventParticipation::find(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].mid(0, 5), (QStringList{"202401002", "이두리", "여름 캠프", "2024-04-10", "중등부"}));
        f.eventCode.clear();
        f.byDate = true;
        f.from = QDate(2024, 3, 1);
        f.to = QDate(2024, 3, 31);
        QCOMPARE(EventParticipation::find(f).size(), 3);
        f.name = "이두리";
        QCOMPARE(EventParticipation::find(f).size(), 0);
    }

    void certificateTexts_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("forms");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QString sentence = "위 수련생은 한빛도장에서 주관하는   제3회하계 극기훈련에 참가하여";
        QTest::newRow("fixed form") << "01)  하계 극기훈련" << false
                                    << QStringList{"참 가 증 서", "성 명 :", sentence, "( 극 기 훈 련 )", "김 하 나 ", "한 빛 도 장 ", "2024년 5월 15일"}
                                    << QStringList{"위 어린이는"};
        QTest::newRow("fixed forms") << "01)  하계 극기훈련" << true << QStringList{"3", "하계 극기훈련", "김 하 나 ", "2024년 5월 15일"}
                                     << QStringList{"참 가 증 서", "성 명 :", sentence, "( 극 기 훈 련 )"};
        QTest::newRow("free form") << "05)  여름 캠프" << false
                                   << QStringList{"참 가 증 서", "( 여 름 캠 프 )", "위 어린이는", "캠프를 잘 마쳤습니다.", "김 하 나 "}
                                   << QStringList{"( 극 기 훈 련 )"};
        QTest::newRow("free forms") << "05)  여름 캠프" << true << QStringList{"( 여 름 캠 프 )", "김 하 나 ", "한 빛 도 장 "}
                                    << QStringList{"참 가 증 서", "성 명 :", "위 어린이는"};
    }
    void certificateTexts()
    {
        QFETCH(QString, event);
        QFETCH(bool, forms);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        TfEve0020 w;
        w.setUp(event, {"김하나", "이두리"});
        w.edt_Count->setText("3");
        w.edt_Host->setText("한빛도장");
        (forms ? w.rb_Forms : w.rb_Form)->setChecked(true);
        const report::Document doc = w.certificate().document();
        QCOMPARE(doc.pages.size(), 2);
        const QStringList texts = doc.pages[0].texts();
        for (const QString& t : present)
            QVERIFY2(texts.contains(t), qPrintable(t));
        for (const QString& t : absent)
            QVERIFY2(!texts.contains(t), qPrintable(t));
        QVERIFY(doc.pages[1].texts().contains("이 두 리 "));
    }

    void certificateFollowsEventOfEachIssue()
    {
        record("202401002", 1, "05", "2024-04-10");
        TfEve0010 w;
        // "발     부" with the filter on 전체 is refused even when the rows are of one event.
        w.Btn_SearchClick();
        w.Btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("행사명이 동일해야 합니다."));
        w.com_Event->setCurrentIndex(w.com_Event->findText("01)  하계 극기훈련"));
        w.Btn_SearchClick();
        w.Btn_PrintClick();
        QVERIFY(w.certificates());
        QCOMPARE(w.certificates()->certificate().eventCode, QStringLiteral("01"));
        QCOMPARE(w.certificates()->certificate().names.size(), 3);
        QVERIFY(w.certificates()->pnl_Lines->isHidden());
        // A second issue for another event sets the open certificate screen up anew.
        w.com_Event->setCurrentIndex(w.com_Event->findText("05)  여름 캠프"));
        w.Btn_SearchClick();
        w.Btn_PrintClick();
        const ParticipationCertificate c = w.certificates()->certificate();
        QCOMPARE(c.eventCode, QStringLiteral("05"));
        QCOMPARE(c.names, QStringList{"이두리"});
        QCOMPARE(c.lines.value(0), QStringLiteral("위 어린이는"));
        QVERIFY(!w.certificates()->pnl_Lines->isHidden());
        // "기 록" stores the edited lines with the event type.
        w.certificates()->edt_Line[2]->setText("수고했어요");
        w.certificates()->btn_RecordClick();
        QCOMPARE(db::scalarText("SELECT 행사내용3 FROM T_행사목록 WHERE 행사코드 = '05'"), QStringLiteral("수고했어요"));
    }

    void screenBatchAndMemberTabs()
    {
        TfEve0010 w;
        w.PageControl1->setCurrentIndex(TfEve0010::PgBatch);
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("행사명은 필수입력 입니다."));
        w.com_Event2->setCurrentIndex(w.com_Event2->findText("05)  여름 캠프"));
        w.Btn_InsertClick();
        QCOMPARE(w.batch()->rowCount(), 2); // the withdrawn member is not a candidate
        QCOMPARE(w.batch()->tickedRows().size(), 2);
        w.batch()->setTicked(0, false);
        w.Btn_OkClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_행사참가 WHERE 행사코드 = '05'").toInt(), 1);

        w.PageControl1->setCurrentIndex(TfEve0010::PgMember);
        w.Btn_SearchClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("선택된 이름이 없습니다."));
        w.openMember("202401001");
        QCOMPARE(w.records()->model()->rowCount(), w.memberEvents().rows().count());
        QCOMPARE(w.memberEvents().rows().value(0, "순번").toInt(), numbers("202401001").last()); // newest first
    }
};

QTEST_MAIN(TestEvents)
#include "tst_events.moc"
