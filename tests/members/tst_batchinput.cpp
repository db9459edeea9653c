// Batch input: division, grade, class and fee; journal entries for many members; concentration scores
// with the averages of their test date.
#include "members/ConcentrationBatch.h"
#include "members/GradeFeeBatch.h"
#include "members/JournalBatch.h"
#include "members/uBuljum.h"
#include "members/uInp0010.h"
#include "members/uJibjung.h"
#include "members/uLife.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "support/TestDb.h"
#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& grade, const QString& birth = "2015-03-04",
            const QString& rank = "03", const QString& enrolled = "2024-01-05", const QString& out = QString())
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 학년, 반, 수련비, 입관일, 퇴관일) "
            "VALUES (:no, :n, '남', :b, '05', :r, :g, '1', 100000, :e, :o)",
            {{"no", no}, {"n", name}, {"b", birth}, {"r", rank}, {"g", grade}, {"e", enrolled},
             {"o", out.isEmpty() ? QVariant() : QVariant(out)}});
}

qint64 n(const QString& sql) { return db::scalar(sql).toLongLong(); }
QString text(const QString& sql) { return db::scalarText(sql); }

DivisionFilter::Condition all(const QString& column = QStringLiteral("T_회원.부별코드"))
{
    return DivisionFilter::conditionFor(1, QStringLiteral("전체"), column);
}

} // namespace

class TestBatchInput : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 3, 15), QTime(10, 0)));
        member("202401001", "가나", "초등 5");
        member("202401002", "다라", "일반");
        member("202401003", "마바", "없는학년");
        member("202401004", "사아", "초등 1", "2015-03-04", "03", "2024-01-05", "2025-01-31");
    }
    void cleanup() { m_db.reset(); }

    void nextGrades_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("next");
        QTest::newRow("code 9 to 10") << "초등 5" << "초등 6";
        QTest::newRow("last stays") << "일반" << "일반";
        QTest::newRow("kindergarten to school") << "유치 7" << "초등 1";
        QTest::newRow("unknown") << "없는학년" << "";
    }
    void nextGrades()
    {
        QFETCH(QString, grade);
        QFETCH(QString, next);
        QCOMPARE(GradeFeeBatch::nextGrade(grade), next);
    }

    void gradeFeeBatch()
    {
        // The list shows only members with a known grade; the input lists them all; never the withdrawn.
        QCOMPARE(GradeFeeBatch::lines(all(), false).size(), 2);
        QList<GradeFeeBatch::Line> lines = GradeFeeBatch::lines(all(), true);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(GradeFeeBatch::parseFee("60000").value_or(-1), 60000);
        QVERIFY(!GradeFeeBatch::parseFee("6만").has_value());
        for (auto& l : lines) {
            l.klass = "2";
            l.fee = "60000";
        }
        lines[1].selected = false; // 다라 stays as he is
        // Grades unticked: class and division written, grade and fee unchanged.
        QCOMPARE(GradeFeeBatch::save(lines, false, false), 2);
        QCOMPARE(text("SELECT 학년 || '/' || 반 || '/' || 수련비 FROM T_회원 WHERE 회원번호 = '202401001'"), QString("초등 5/2/100000"));
        QCOMPARE(text("SELECT 반 FROM T_회원 WHERE 회원번호 = '202401002'"), QString("1"));
        // Both ticked: the next grade and the fee; an unknown grade is kept.
        QCOMPARE(GradeFeeBatch::save(lines, true, true), 2);
        QCOMPARE(text("SELECT 학년 || '/' || 수련비 FROM T_회원 WHERE 회원번호 = '202401001'"), QString("초등 6/60000"));
        QCOMPARE(text("SELECT 학년 || '/' || 수련비 FROM T_회원 WHERE 회원번호 = '202401003'"), QString("없는학년/60000"));
        QCOMPARE(text("SELECT 학년 || '/' || 수련비 FROM T_회원 WHERE 회원번호 = '202401002'"), QString("일반/100000"));
    }

    // The window: a fee change needs a fee; confirm writes the ticked lines and resets the boxes.
    void gradeFeeWindow()
    {
        TfInp0010 w;
        w.chk_Fee->setChecked(true);
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("수련비를 입력하세요."));
        QVERIFY(!w.editing());
        w.edt_Fee->setText("60000");
        w.Btn_InsertClick();
        QVERIFY(w.editing());
        QCOMPARE(w.lines().size(), 3);
        w.chk_Grade->setChecked(true);
        w.Btn_OkClick();
        QVERIFY(!w.editing());
        QVERIFY(!w.chk_Fee->isChecked() && !w.chk_Grade->isChecked() && w.edt_Fee->text().isEmpty());
        QCOMPARE(text("SELECT 학년 || '/' || 수련비 FROM T_회원 WHERE 회원번호 = '202401001'"), QString("초등 6/60000"));
        QCOMPARE(text("SELECT 수련비 FROM T_회원 WHERE 회원번호 = '202401004'"), QString("100000")); // withdrawn: untouched
    }

    // 순번 one above the member's largest over all days, so that an entry whose date is corrected later
    // never meets another with its key; only lines with an entry.
    void journalNumbers()
    {
        const QDate day(2025, 3, 15);
        QList<JournalBatch::Line> lines = JournalBatch::forInput(JournalBatch::Conduct, day, all(), QString());
        QCOMPARE(lines.size(), 3);
        JournalBatch::setEntry(JournalBatch::Conduct, lines[0], "인사를 잘함", day);
        QCOMPARE(lines[0].date, QString("2025-03-15"));
        QCOMPARE(JournalBatch::save(JournalBatch::Conduct, lines), 1);
        QCOMPARE(JournalBatch::save(JournalBatch::Conduct, lines), 1);
        lines = JournalBatch::forInput(JournalBatch::Conduct, day.addDays(1), all(), QString());
        JournalBatch::setEntry(JournalBatch::Conduct, lines[0], "정리정돈", day.addDays(1));
        JournalBatch::save(JournalBatch::Conduct, lines);
        QCOMPARE(text("SELECT group_concat(기록일자 || ':' || 순번, ',') FROM (SELECT * FROM T_생활기록 ORDER BY 기록일자, 순번)"),
                 QString("2025-03-15:1,2025-03-15:2,2025-03-16:3"));

        QList<JournalBatch::Line> notices = JournalBatch::forInput(JournalBatch::Notices, day, all(), "가");
        QCOMPARE(notices.size(), 1);
        JournalBatch::setEntry(JournalBatch::Notices, notices[0], "심사 준비", day);
        JournalBatch::save(JournalBatch::Notices, notices);
        notices = JournalBatch::forInput(JournalBatch::Notices, day.addDays(3), all(), "가");
        JournalBatch::setEntry(JournalBatch::Notices, notices[0], "도복 지참", day.addDays(3));
        JournalBatch::save(JournalBatch::Notices, notices);
        QCOMPARE(n("SELECT Max(순번) FROM T_심사평가공지사항 WHERE 회원번호 = '202401001'"), 2);

        // Clearing an entry clears its date; nothing is recorded for it.
        JournalBatch::setEntry(JournalBatch::Conduct, lines[0], "", day);
        QVERIFY(lines[0].date.isEmpty());
        QCOMPARE(JournalBatch::save(JournalBatch::Conduct, lines), 0);
        // A typed "%" is only text.
        QCOMPARE(JournalBatch::forInput(JournalBatch::Conduct, day, all(), "%").size(), 0);
        // A member enrolled after the entry date is not offered.
        QCOMPARE(JournalBatch::forInput(JournalBatch::Conduct, QDate(2023, 12, 31), all(), QString()).size(), 0);
    }

    // The journal windows: entries typed into the grid are recorded together with their dates.
    void journalWindows()
    {
        TfLife life;
        life.Btn_InsertClick();
        QVERIFY(life.entering() && !life.Btn_Insert->isEnabled() && life.Btn_Ok->isEnabled());
        QAbstractItemModel* m = life.grid->model();
        const int entry = 6, date = 9;
        QVERIFY(m->setData(m->index(1, entry), "인사를 잘함"));
        QCOMPARE(m->index(1, date).data().toString(), QString("2025-03-15"));
        QVERIFY(life.Btn_OkClick());
        QVERIFY(!life.entering());
        QCOMPARE(text("SELECT 회원번호 || '|' || 생활기록 || '|' || 기록일자 FROM T_생활기록"), QString("202401002|인사를 잘함|2025-03-15"));

        TfBuljum points;
        points.Btn_InsertClick();
        m = points.grid->model();
        QVERIFY(m->setData(m->index(0, entry), "04)지각"));
        QCOMPARE(m->index(0, 8).data().toString(), QString("-1"));
        QVERIFY(m->setData(m->index(0, date), "20250230"));
        QVERIFY(!points.Btn_OkClick());
        QCOMPARE(m_db->dialogs().lastText(), QString("일자를 정확히 입력하세요."));
        QCOMPARE(n("SELECT count(*) FROM T_벌점"), 0);
        QVERIFY(m->setData(m->index(0, date), "20250314"));
        QVERIFY(points.Btn_OkClick());
        QCOMPARE(text("SELECT 벌점일자 || '|' || 비고2 FROM T_벌점"), QString("2025-03-14|04)지각"));
    }

    // The concentration window: the auditory score ticks its line; a ticked line needs both scores.
    void concentrationWindow()
    {
        TfJibjung w;
        w.dtpk_Date->setDate(QDate(2025, 3, 15));
        w.Btn_InsertClick();
        QVERIFY(w.editing());
        QAbstractItemModel* m = w.grid->model();
        QVERIFY(m->setData(m->index(0, TfJibjung::ColVisual), "70"));
        QVERIFY(!w.lines()[0].ticked);
        QVERIFY(m->setData(m->index(0, TfJibjung::ColAuditory), "90"));
        QVERIFY(w.lines()[0].ticked);
        w.lines()[1].ticked = true;
        QVERIFY(m->setData(m->index(1, TfJibjung::ColVisual), "80"));
        QVERIFY(!w.Btn_OkClick());
        QCOMPARE(m_db->dialogs().lastText(), QString("청각자신을 입력하세요."));
        w.lines()[1].ticked = false;
        QVERIFY(w.Btn_OkClick());
        QVERIFY(!w.editing());
        QCOMPARE(w.lines().size(), 1); // the date listed again: only the member tested
        QCOMPARE(w.lbl_Visual->text(), QString("70"));
        QCOMPARE(w.lbl_Overall->text(), QString("80"));
        QVERIFY(w.Btn_Edit->isEnabled() && w.Btn_Delete->isEnabled());
    }

    void pointItems()
    {
        const QDate day(2025, 3, 15);
        QList<JournalBatch::Line> lines = JournalBatch::forInput(JournalBatch::Points, day, all(), "가");
        QVERIFY(JournalBatch::choices(JournalBatch::Points).contains("04)지각"));
        JournalBatch::setEntry(JournalBatch::Points, lines[0], "04)지각", day);
        QCOMPARE(lines[0].code, QString("04"));
        QCOMPARE(lines[0].points, QString("-1"));
        QCOMPARE(JournalBatch::typedDate("20240315"), QString("2024-03-15"));
        QCOMPARE(JournalBatch::typedDate("20240230"), QString());
        lines[0].date = JournalBatch::typedDate("20240230");
        QCOMPARE(JournalBatch::badLine(JournalBatch::Points, lines), 0);
        QVERIFY_THROWS_EXCEPTION(db::Error, JournalBatch::save(JournalBatch::Points, lines)); // the service checks too
        QCOMPARE(n("SELECT count(*) FROM T_벌점"), 0);
        lines[0].date = "2025-03-14";
        QCOMPARE(JournalBatch::badLine(JournalBatch::Points, lines), -1);
        QCOMPARE(JournalBatch::save(JournalBatch::Points, lines), 1);
        QCOMPARE(text("SELECT 벌점코드 || '|' || 비고2 || '|' || 벌점일자 FROM T_벌점"), QString("04|04)지각|2025-03-14"));
    }

    // A failure on a later line leaves none of the batch written: journal lines and concentration scores alike.
    void failedBatchWritesNothing()
    {
        const QDate day(2025, 3, 15);
        QList<JournalBatch::Line> lines = JournalBatch::forInput(JournalBatch::Conduct, day, all(), QString());
        QVERIFY(lines.size() >= 2);
        for (JournalBatch::Line& l : lines)
            JournalBatch::setEntry(JournalBatch::Conduct, l, "인사를 잘함", day);
        sqlExec(QString("CREATE TRIGGER t_fail BEFORE INSERT ON T_생활기록 WHEN NEW.회원번호 = '%1' "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(lines[1].no));
        QVERIFY_THROWS_EXCEPTION(db::Error, JournalBatch::save(JournalBatch::Conduct, lines));
        QCOMPARE(n("SELECT count(*) FROM T_생활기록"), 0);
        sqlExec("DROP TRIGGER t_fail");

        QList<ConcentrationBatch::Line> scores = ConcentrationBatch::forInput(day, all("a.부별코드"), QString());
        QVERIFY(scores.size() >= 2);
        for (ConcentrationBatch::Line& l : scores) {
            l.visual = "70";
            l.auditory = "60";
            l.ticked = true;
        }
        sqlExec(QString("CREATE TRIGGER t_fail BEFORE INSERT ON T_집중도 WHEN NEW.회원번호 = '%1' "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(scores[1].no));
        QVERIFY_THROWS_EXCEPTION(db::Error, ConcentrationBatch::save(day, scores));
        QCOMPARE(n("SELECT count(*) FROM T_집중도"), 0);
        sqlExec("DROP TRIGGER t_fail");
    }

    // Values the batch services refuse whoever calls them: the message names member and field, and
    // nothing of the batch is written.
    void batchRefusesBadValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("class wider than 2") << "class" << "가나다라마바사아자차카타파하" << ") : 반은(는) 2자까지 입력할 수 있습니다. (14자 입력)";
        QTest::newRow("conduct of 300") << "conduct" << QString(300, u'가') << "가나(202401001) : 생활기록은(는) 255자까지 입력할 수 있습니다. (300자 입력)";
        QTest::newRow("point item not in list") << "points" << "99)없음" << "가나(202401001) : 벌점 항목 '99)없음'은(는) 목록에 없습니다.";
        QTest::newRow("score nan") << "score" << "nan" << ") : 시각자신 'nan' 은(는) 0에서 100 사이의 숫자로 입력하세요.";
        QTest::newRow("score inf") << "score" << "inf" << "'inf' 은(는) 0에서 100";
        QTest::newRow("score exponent") << "score" << "1e3" << "'1e3' 은(는) 0에서 100";
        QTest::newRow("score negative") << "score" << "-5" << "'-5' 은(는) 0에서 100";
        QTest::newRow("score too large") << "score" << "99999999999" << "'99999999999' 은(는) 0에서 100";
        QTest::newRow("score above range") << "score" << "100.5" << "'100.5' 은(는) 0에서 100";
    }
    void batchRefusesBadValues()
    {
        QFETCH(QString, kind);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const QDate day(2025, 3, 15);
        const QString before = text("SELECT group_concat(회원번호 || 반, ',') FROM T_회원");
        try {
            if (kind == "class") {
                QList<GradeFeeBatch::Line> lines = GradeFeeBatch::lines(all(), true);
                lines[1].klass = "3";
                lines[0].klass = value;
                GradeFeeBatch::save(lines, false, false);
            } else if (kind == "score") {
                QList<ConcentrationBatch::Line> lines = ConcentrationBatch::forInput(day, all("a.부별코드"), QString());
                for (ConcentrationBatch::Line& l : lines) {
                    l.visual = l.auditory = "70";
                    l.ticked = true;
                }
                lines[0].visual = value;
                ConcentrationBatch::save(day, lines);
            } else {
                const auto k = kind == "conduct" ? JournalBatch::Conduct : JournalBatch::Points;
                QList<JournalBatch::Line> lines = JournalBatch::forInput(k, day, all(), QString());
                JournalBatch::setEntry(k, lines[1], k == JournalBatch::Points ? "04)지각" : "인사를 잘함", day);
                JournalBatch::setEntry(k, lines[0], value, day);
                JournalBatch::save(k, lines);
            }
            QFAIL("the batch was written");
        } catch (const db::Error& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QCOMPARE(text("SELECT group_concat(회원번호 || 반, ',') FROM T_회원"), before);
        QCOMPARE(n("SELECT (SELECT count(*) FROM T_집중도) + (SELECT count(*) FROM T_생활기록) + (SELECT count(*) FROM T_벌점)"), 0);
    }

    // Three members born the same year with visual 70, 80, 95: each gets 82 as age average.
    void concentrationAverages()
    {
        member("202401005", "자차", "초등 3", "2015-07-01", "04");
        const QDate day(2025, 3, 15);
        QList<ConcentrationBatch::Line> lines = ConcentrationBatch::forInput(day, all("a.부별코드"), QString());
        QCOMPARE(lines.size(), 4);
        const QStringList visual = {"70", "80", "", "95"};
        for (int i = 0; i < lines.size(); ++i) {
            lines[i].visual = visual[i];
            lines[i].auditory = "60";
            lines[i].ticked = i != 2;
        }
        QString message;
        lines[2].ticked = true;
        QCOMPARE(ConcentrationBatch::missingScore(lines, &message), 2);
        QCOMPARE(message, QString("시각자신을 입력하세요."));
        QVERIFY_THROWS_EXCEPTION(db::Error, ConcentrationBatch::save(day, lines));
        QCOMPARE(n("SELECT count(*) FROM T_집중도"), 0);
        lines[2].ticked = false;
        QCOMPARE(ConcentrationBatch::save(day, lines), 3);
        QCOMPARE(n("SELECT count(*) FROM T_집중도 WHERE 시각나이평균 = 82"), 3);
        // Rank: 가나 and 다라 hold rank 03 (70, 80: 75); 자차 alone in 04.
        QCOMPARE(n("SELECT 시각기간평균 FROM T_집중도 WHERE 회원번호 = '202401001'"), 75);
        QCOMPARE(n("SELECT 시각기간평균 FROM T_집중도 WHERE 회원번호 = '202401005'"), 95);
        QCOMPARE(n("SELECT 종합본인평균 FROM T_집중도 WHERE 회원번호 = '202401005'"), 78); // (95 + 60) / 2 = 77.5
        QCOMPARE(n("SELECT count(DISTINCT 시각전체평균) FROM T_집중도"), 1);
        // Deleting one member's scores changes the others' averages.
        ConcentrationBatch::remove("202401005", day);
        QCOMPARE(n("SELECT count(*) FROM T_집중도 WHERE 시각나이평균 = 75"), 2);
    }
};

QTEST_MAIN(TestBatchInput)
#include "tst_batchinput.moc"
