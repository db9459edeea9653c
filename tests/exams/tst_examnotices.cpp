// After the examination: evaluation sentences, the notice search, the print lines, the "심사결과"
// notice file, and the per-rank notice texts and training content.
#include "ExamFixture.h"

#include "db/ProgramDir.h"
#include "exams/ExamNotices.h"
#include "exams/ExamSettings.h"
#include "report/Report.h"
#include "report/NoticeFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace examfix;
using ExamNotices::TextChoice;

Q_DECLARE_METATYPE(ExamNotices::TextChoice)

class TstExamNotices : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    const QString kim = QStringLiteral("202301001"), lee = QStringLiteral("202301002"), park = QStringLiteral("202301003");
    const QDate today{2024, 5, 15};

    static QByteArray golden(const char* name)
    {
        QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exams/golden/") + QString::fromUtf8(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void setPieces(NoticeTexts& t, int row, const QStringList& pieces)
    {
        for (int k = 0; k < pieces.size(); ++k)
            t.setPiece(row, k + 1, pieces[k]);
    }

    // Kim (6급, an earlier 7급 record, a sentence, training content, two notes this month and a notice
    // text for his rank), Lee (9급, first record, nothing else), Park (6급 without an e-mail).
    void school()
    {
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호) VALUES ('한빛 태권도', '김 관장', '02-123 4567')");
        addMember({kim, "김태권", "03", "05", "2023-01-10", {}, {}, {}, "a@x.kr", "010-1111-2222 "});
        addMember({lee, "이품새", "03", "02", "2023-01-10", {}, {}, {}, "b@x.kr", "010-3333-4444"});
        addMember({park, "박메일", "03", "05", "2023-01-10", {}, {}, {}, "", "010-5555-6666"});
        addRecord(kim, "2024-02-10", 2, "04");
        addRecord(kim, "2024-05-10", 3, "05", "체육관", 80, "품새가 정확합니다.");
        addRecord(lee, "2024-05-10", 3, "02");
        addRecord(park, "2024-05-10", 3, "05");
        sqlExec("INSERT INTO T_심사평가공지사항 (회원번호, 순번, 공지일자, 공지사항) VALUES "
                "('202301001', 1, '2024-05-02', '첫 메모'), ('202301001', 2, '2024-05-09', '5월에는 겨루기를 연습합니다.'), "
                "('202301001', 3, '2024-04-30', '지난달 메모')");
        TrainingContent tc;
        tc.open();
        tc.setText(4, 0, "인사 예절"); // rank 05
        tc.setText(4, 2, "태극 4장");
        tc.save();
        NoticeTexts nt;
        nt.open();
        const int r = nt.append();
        nt.setRank(r, "05)6급");
        setPieces(nt, r, {"이번 승급심사에서", "우수한 성적으로", "승급하였습니다.", "앞으로도 열심히", " ", "", "", "", "", "", "", "", "",
                          "감사합니다."});
        QVERIFY(nt.save().isEmpty());
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(today, QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    // The file built by hand, byte for byte: with and without the notice text, a member without an
    // earlier rank, sentence and note present and absent, a member without e-mail left out.
    void noticeFile_data()
    {
        QTest::addColumn<TextChoice>("choice");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<int>("listed");
        QTest::newRow("with notice text") << TextChoice::With << "심사결과_안내문포함.txt" << 2;
        QTest::newRow("everyone") << TextChoice::All << "심사결과_전체.txt" << 3;
    }
    void noticeFile()
    {
        QFETCH(TextChoice, choice);
        QFETCH(QString, golden);
        QFETCH(int, listed);
        school();
        ExamNotices::Filter f;
        f.text = choice;
        const auto rows = ExamNotices::search(f);
        QCOMPARE(rows.size(), listed);
        const NoticeFile file = ExamNotices::dataFile(rows, choice, today);
        QCOMPARE(file.bytes(), TstExamNotices::golden(golden.toUtf8().constData()));
        QVERIFY(file.save());
        QVERIFY(file.path().endsWith(QStringLiteral("인터넷통보자료/심사결과/심사결과.txt")));
    }

    void searchFilters()
    {
        school();
        ExamNotices::Filter f;
        f.text = TextChoice::Without;
        auto rows = ExamNotices::search(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].memberNo, lee);
        QCOMPARE(rows[0].examNo, 3);
        QCOMPARE(rows[0].date, QStringLiteral("2024-05-10"));

        // A national examination after the school's hides the member; the zero date shows empty.
        addRecord(lee, "2024-05-12", 501, "03", "국기원");
        f.text = TextChoice::All;
        QCOMPARE(ExamNotices::search(f).size(), 2);
        sqlExec("UPDATE T_심사 SET 승급일자 = '1899-12-30' WHERE 회원번호 = '202301003'");
        sqlExec("DELETE FROM T_심사 WHERE 회원번호 = '202301001'");
        rows = ExamNotices::search(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].memberNo, park);
        QCOMPARE(rows[0].date, QString());

        f.name = "박";
        QCOMPARE(ExamNotices::search(f).size(), 1);
        f.name = "%";
        QCOMPARE(ExamNotices::search(f).size(), 0);
        f.name.clear();
        f.examNo = "2";
        QCOMPARE(ExamNotices::search(f).size(), 0);
        f.examNo.clear();
        f.byDate = true;
        f.from = QDate(1899, 12, 30);
        f.to = QDate(1899, 12, 30);
        QCOMPARE(ExamNotices::search(f).size(), 1);
    }

    void poomGroups_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("members");
        QTest::newRow("1품") << 2 << QStringList{"202302001"};
        QTest::newRow("2품") << 3 << QStringList{"202302003"};
        QTest::newRow("전체") << 1 << QStringList{"202302002", "202302001", "202302004", "202302003"};
        QTest::newRow("단보 rank") << 5 + 10 << QStringList{"202302002"};
    }
    void poomGroups()
    {
        QFETCH(int, index);
        QFETCH(QStringList, members);
        const QStringList ranks{"12", "11", "14", "13"}; // 1품/1단, 단보, 2품/2단, 2품단보
        for (int i = 0; i < ranks.size(); ++i) {
            const QString no = QStringLiteral("20230200%1").arg(i + 1);
            addMember({no, QStringLiteral("회원%1").arg(i), "12", ranks[i]});
            addRecord(no, "2024-05-10", 3, ranks[i]);
        }
        ExamNotices::Filter f;
        f.beltIndex = index;
        f.beltText = ExamNotices::beltItems().value(index);
        QStringList found;
        for (const auto& n : ExamNotices::search(f))
            found << n.memberNo;
        QCOMPARE(found, members);
    }

    void printLines()
    {
        school();
        ExamNotices::Filter f;
        f.text = TextChoice::All;
        auto rows = ExamNotices::search(f);
        rows[2].ticked = false; // Park
        report::PrintJob job;
        ExamNotices::fillPrint(job, rows, TextChoice::All, today);
        QCOMPARE(job.lines(), 2);
        db::Query q("SELECT * FROM print ORDER BY seqno");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.integer("seqno"), 0);
        QCOMPARE(q.str("회원명"), QStringLiteral("이품새 군(양)의"));
        QCOMPARE(q.str("구분1"), QString());
        QCOMPARE(q.str("구분2"), QStringLiteral("9급/노란띠"));
        QCOMPARE(q.str("f03"), QStringLiteral("제3회"));
        QCOMPARE(q.str("f01"), QString());
        QVERIFY(q.next());
        QCOMPARE(q.integer("seqno"), 1);
        QCOMPARE(q.str("f06"), QStringLiteral("김태권"));
        QCOMPARE(q.str("구분1"), QStringLiteral("7급/초록띠"));
        QCOMPARE(q.str("구분3"), QStringLiteral("2024-05-10"));
        QCOMPARE(q.str("f01"), QStringLiteral("이번 승급심사에서"));
        QCOMPARE(q.str("f04"), QStringLiteral("승급하였습니다."));
        QCOMPARE(q.str("가정통신1"), QStringLiteral("앞으로도 열심히"));
        QCOMPARE(q.str("가정통신11"), QStringLiteral("감사합니다."));
        QCOMPARE(q.str("f05"), QStringLiteral("품새가 정확합니다."));
        QCOMPARE(q.str("f07"), QStringLiteral("인사 예절"));
        QCOMPARE(q.str("f09"), QStringLiteral("태극 4장"));
        QCOMPARE(q.str("f29"), QStringLiteral("5월에는 겨루기를 연습합니다."));
        QCOMPARE(q.str("association"), QStringLiteral("한빛 태권도"));
        QVERIFY(!q.next());
        QCOMPARE(ExamNotices::layoutFor(TextChoice::With, false), QStringLiteral("심사통지1.rpt"));
        QCOMPARE(ExamNotices::layoutFor(TextChoice::Without, true), QStringLiteral("심사통지4.rpt"));
    }

    // Every layout runs over the lines: the texts the letter needs reach the page.
    void layoutsRun()
    {
        school();
        ExamNotices::Filter f;
        f.text = TextChoice::With;
        const auto rows = ExamNotices::search(f);
        for (const char* layout : {"심사통지1.rpt", "심사통지2.rpt", "심사통지3.rpt", "심사통지4.rpt"}) {
            const QString name = QString::fromUtf8(layout);
            QDir().mkpath(ProgramDir::file("report"));
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
            report::PrintJob job;
            ExamNotices::fillPrint(job, rows, TextChoice::With, today);
            QString error;
            const auto doc = job.render(name, QString(), &error);
            QVERIFY2(doc, qPrintable(error));
            QCOMPARE(doc->pages.size(), 2);
            const QString all = doc->texts().join(u'\n');
            QVERIFY2(all.contains(QStringLiteral("6급/파란띠")) && all.contains(QStringLiteral("품새가 정확합니다.")), layout);
        }
    }

    // The sentence goes to the record of this examination only, by its whole key.
    void evaluationSaved()
    {
        school();
        addRecord(lee, "2024-05-10", 88, "02", "국기원");
        auto rows = ExamNotices::evaluations(3, QString(), DivisionFilter::conditionFor(0, QString(), "T_회원.부별코드"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].memberNo, lee);
        QCOMPARE(rows[1].memberNo, kim);
        QCOMPARE(rows[1].sentence, QStringLiteral("품새가 정확합니다."));
        rows[0].sentence = "기합이 좋습니다.";
        rows[0].selected = true;
        rows[2].sentence = "쓰지 않음";
        QCOMPARE(ExamNotices::saveEvaluations(rows), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사결과평가내용 = '기합이 좋습니다.' AND 심사구분 = '체육관'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사구분 = '국기원' AND 심사결과평가내용 Is Null"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사결과평가내용 = '쓰지 않음'"), 0);
        QCOMPARE(ExamNotices::evaluations(3, "이", DivisionFilter::conditionFor(0, QString(), "T_회원.부별코드")).size(), 1);
        QVERIFY(!ExamNotices::sentences().isEmpty());

        // A failing row leaves the others unwritten.
        sqlExec("CREATE TRIGGER refuse BEFORE UPDATE ON T_심사 WHEN new.회원번호 = '202301003' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        for (auto& r : rows) {
            r.selected = true;
            r.sentence = "모두";
        }
        QVERIFY_THROWS_EXCEPTION(db::Error, ExamNotices::saveEvaluations(rows));
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사결과평가내용 = '모두'"), 0);
    }

    void noticeTextPerRank()
    {
        NoticeTexts t;
        t.open();
        const int a = t.append();
        QCOMPARE(t.set().value(a, "심사결과안내코드").toInt(), 1);
        QCOMPARE(t.save(), QStringLiteral("급품을 선택하세요."));
        t.setRank(a, "05)6급");
        t.setPiece(a, 1, "첫째");
        const int b = t.append();
        QCOMPARE(t.set().value(b, "심사결과안내코드").toInt(), 2);
        t.setRank(b, "05)6급");
        QCOMPARE(t.save(), QStringLiteral("05)6급 의 안내문이 이미 있습니다. 급품마다 안내문은 하나입니다."));
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문"), 0);
        t.setRank(b, "06)5급");
        QCOMPARE(t.save(), QString());
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문 WHERE 급품코드 = '05' AND 급품코드비고 = '05)6급' AND 심사결과안내1 = '첫째'"), 1);

        // Deleting the first and giving its rank to a new one in the same edit: the number is not reused.
        t.remove(0);
        const int c = t.append();
        QCOMPARE(t.set().value(c, "심사결과안내코드").toInt(), 3);
        t.setRank(c, "05)6급");
        QCOMPARE(t.save(), QString());
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문 WHERE 급품코드 = '05' AND 심사결과안내코드 = 3"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문"), 2);
    }

    void trainingContentStored()
    {
        TrainingContent tc;
        tc.open();
        QCOMPARE(tc.count(), 23);
        QCOMPARE(tc.rankName(0), QStringLiteral("10급"));
        tc.setText(1, 3, "앞차기"); // a rank without a row yet
        tc.save();
        QCOMPARE(count("SELECT Count(*) FROM T_급별수련내용"), 23);
        QCOMPARE(count("SELECT Count(*) FROM T_급별수련내용 WHERE 급품코드 = '02' AND 발차기 = '앞차기'"), 1);
        tc.setText(1, 3, "옆차기");
        tc.save();
        QCOMPARE(count("SELECT Count(*) FROM T_급별수련내용 WHERE 급품코드 = '02' AND 발차기 = '옆차기'"), 1);
        tc.open();
        QCOMPARE(tc.text(1, 3), QStringLiteral("옆차기"));

        // The names of the items, cut for the sheets.
        ExamItems items;
        items.open();
        items.setName(0, "기본동작평가");
        items.save();
        QCOMPARE(ExamItems::names(6).first(), QStringLiteral("기본동"));
        QCOMPARE(ExamItems::names().first(), QStringLiteral("기본동작평가"));
    }
};

QTEST_MAIN(TstExamNotices)
#include "tst_examnotices.moc"
