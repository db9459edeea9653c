// The result printouts of the trainees: history sheet, evaluation sheet and the fitness data file.
#include "FitnessFixture.h"

#include "fitness/FitnessResults.h"
#include "fitness/uPri5050.h"
#include "fitness/uPri5060.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "text/Cp949.h"
#include "ui/ListModel.h"

#include <QPlainTextEdit>
#include <QRadioButton>

using namespace fitfix;

class TestFitnessResults : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    const QDate kToday{2025, 6, 10};

    static QList<FitnessResults::Member> everyone()
    {
        return FitnessResults::list(QString(), DivisionFilter::conditionFor(1, "     전체"));
    }
    static FitnessResults::Member member(const QString& no)
    {
        for (const FitnessResults::Member& m : everyone())
            if (m.no == no)
                return m;
        return {};
    }
    // The staging row of a member as the fill left it.
    static QString printed(const QString& column, const QString& where)
    {
        return db::scalar(QStringLiteral("SELECT %1 FROM print WHERE %2").arg(column, where)).toString();
    }
    static void nationalRow(int age, const QString& sex, double height, double weight, double third, double a13)
    {
        db::run("INSERT INTO T_문체부 (연령, 구분, A01, A02, A03, A13) VALUES (:a, :s, :h, :w, :t, :f)",
                {{"a", age}, {"s", sex}, {"h", height}, {"w", weight}, {"t", third}, {"f", a13}});
    }
    static void gradeRow(int age, const QString& sex, const QString& item, double mean, double interval, const QString& s5,
                         const QString& s55)
    {
        const std::array<double, 10> b = fitness::gradeBounds(mean, interval);
        db::Query q("INSERT INTO T_체력등급표 (연령, 체력측정항목코드, 구분, [1등급], [2등급], [3등급], [4등급], [5등급], [6등급], [7등급], "
                    "[8등급], [9등급], [10등급], [5등급평가내용], [55등급평가내용]) VALUES (:a, :i, :s, :b1, :b2, :b3, :b4, :b5, :b6, "
                    ":b7, :b8, :b9, :b10, :s5, :s55)");
        q.bind({{"a", age}, {"i", item}, {"s", sex}, {"s5", s5}, {"s55", s55}});
        for (int k = 0; k < 10; ++k)
            q.bind(QStringLiteral("b%1").arg(k + 1), b[k]);
        q.exec();
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호, 상장발부) VALUES ('한빛 태권도', '김 관장', '02-123-4567', 1)");
        addTrainee({"202301001", "가나다", "남", "2015-03-02", "05", "2023-01-10", "a@x.kr", "010-1111-2222"});
        addTrainee({"202301002", "나무", "남", "2015-08-08", "05", "2023-01-10"});
        addTrainee({"202301003", "다라마", "여", "2016-07-07", "05", "2023-01-10", "c@x.kr", "010-3333-4444"});
        addMeasurement("202301001", "2025-03-02", {130, 30, 150}, 111.1);
        addMeasurement("202301001", "2025-05-02", {132.5, 31, 155}, 96.5);
        addMeasurement("202301002", "2025-04-01", {127.5, 29, 145}, 100);
        nationalRow(10, "1", 140, 35, 160, 97.2);
        nationalRow(11, "1", 145, 38, 165, 99.9);
        gradeRow(11, "1", "A01", 130, 2.5, "보통입니다.", "조금 더 노력해요.");
    }
    void cleanup() { m_db.reset(); }

    void list()
    {
        const QList<FitnessResults::Member> all = everyone();
        QCOMPARE(all.size(), 3);
        QCOMPARE(member("202301001").latestDate, QString("2025-05-02"));
        QVERIFY(member("202301003").latestDate.isEmpty());
        QCOMPARE(FitnessResults::list("가", DivisionFilter::conditionFor(1, "     전체")).size(), 1);
        // A typed % is a character of the name, not a pattern.
        QCOMPARE(FitnessResults::list("%", DivisionFilter::conditionFor(1, "     전체")).size(), 0);
        QCOMPARE(FitnessResults::ageText("2015-03-02", 2025, ""), QString("11"));
        QCOMPARE(FitnessResults::ageText("", 2025, "0"), QString("0"));
    }

    void historySheet()
    {
        addMeasurement("202301001", "2025-06-01", {133, 31.5, 156}, 95.0);
        report::PrintJob job;
        FitnessResults::fillHistory(job, {member("202301001"), member("202301003")}, false, "첫 줄\n둘째 줄", kToday);
        const QString a = "회원번호 = '202301001'", c = "회원번호 = '202301003'";
        // Three measurements: three dated series, latest first; the rest stay empty.
        QCOMPARE(printed("F15", a), QString("2025-06-01"));
        QCOMPARE(printed("F17", a), QString("2025-03-02"));
        QCOMPARE(printed("B01", a), QString("133.0"));
        QCOMPARE(printed("D13", a), QString("111.1"));
        QVERIFY(printed("F18", a).isEmpty() && printed("E01", a).isEmpty());
        QCOMPARE(printed("F14", a), QString("2025-03-02"));
        QCOMPARE(printed("N01", a), QString("3.0"));
        QCOMPARE(printed("N13", a), QString("-16.1"));
        // Averages over the latest of each boy born in 2015: (133 + 127.5) / 2.
        QCOMPARE(printed("가정통신11", a), QString("130.3"));
        QCOMPARE(printed("미납월분라벨", a), QString("97.5"));
        // Born 2015, printed 2025: the national row of age 10.
        QCOMPARE(printed("F28", a), QString("140.0"));
        QCOMPARE(printed("F40", a), QString("97.2"));
        QCOMPARE(printed("가정통신1", a), QString("첫 줄"));
        QCOMPARE(printed("가정통신2", a), QString("둘째 줄"));
        QCOMPARE(printed("seqno", c), QString("1"));
        // Never measured: zeros for the values, no dates.
        QCOMPARE(printed("A01", c), QString("0.0"));
        QVERIFY(printed("F14", c).isEmpty() && printed("F15", c).isEmpty());
    }

    void letterLinesCut()
    {
        const QString longLine = QString(60, QChar(u'가')); // 120 bytes
        report::PrintJob job;
        FitnessResults::fillHistory(job, {member("202301003")}, false, longLine, kToday);
        QCOMPARE(printed("가정통신1", "seqno = 0"), QString(55, QChar(u'가')));
    }

    void concentration()
    {
        for (int d = 1; d <= 7; ++d)
            db::run("INSERT INTO T_집중도 (회원번호, 측정일자, 시각본인평균, 종합전체평균) VALUES ('202301001', :d, :v, 123)",
                    {{"d", QStringLiteral("2025-0%1-01").arg(d)}, {"v", d}});
        report::PrintJob job;
        FitnessResults::fillHistory(job, {member("202301001")}, true, QString(), kToday);
        QCOMPARE(printed("가정통신1", "seqno = 0"), QString("2025-07-01"));
        QCOMPARE(printed("가정통신9", "seqno = 0"), QString("2025-03-01")); // the fifth latest; two older ones are left
        // 7 after a gap of two: two blanks, "7", one blank; empty averages three blanks; 123 whole.
        const QString line = printed("가정통신2", "seqno = 0");
        QVERIFY2(line.startsWith("    7 " "      " "     "), qPrintable(line));
        QVERIFY2(line.endsWith("  123 "), qPrintable(line));
        QCOMPARE(line.size(), 12 * 4 + 30);
    }

    void evaluationSheet()
    {
        gradeRow(10, "0", "A01", 100, 1, "x", "y"); // 다라마's age and sex
        report::PrintJob job;
        FitnessResults::fillEvaluation(job, {member("202301001"), member("202301003")}, kToday);
        const QString a = "seqno = 0", c = "seqno = 1";
        QCOMPARE(printed("G03", a), QString("11"));
        QCOMPARE(printed("E01", a), QString("145.0")); // the national row of age 11 here
        QCOMPARE(printed("B01", a), QString("132.5"));
        QCOMPARE(printed("C13", a), QString("-14.6"));
        // 132.5 against 130 ± 2.5 steps: grade 5, with its two sentences.
        QCOMPARE(printed("K01", a), QString("(5등급)"));
        QCOMPARE(printed("F01", a), QString("보통입니다."));
        QCOMPARE(printed("F02", a), QString("조금 더 노력해요."));
        // No grade row for the item: no grade, not "(1등급)".
        QVERIFY(printed("K03", a).isEmpty() && printed("F05", a).isEmpty());
        // Never measured: no grade either, even where a row exists for the age.
        QVERIFY(printed("K01", c).isEmpty());
        QCOMPARE(printed("G03", c), QString("10"));
    }

    // Built by hand from the file's layout; today is fixed. 나무 has no e-mail, 다라마 no measurement.
    void dataFileGolden()
    {
        const QString nb = "&nbsp;";
        auto r5 = [](const QString& v) { return QString(5 - v.size(), u' ') + v; };
        auto values = [&](const QStringList& v13) {
            QString s;
            for (int i = 0; i < 12; ++i)
                s += r5(v13[i]) + " " + nb;
            return s + r5(v13[12]);
        };
        auto with = [](QString a01, QString a02, QString a03, QString fat) {
            QStringList v(13, "0.0");
            v[0] = a01, v[1] = a02, v[2] = a03, v[12] = fat;
            return v;
        };
        const QString head = "* 도장명 : 한빛태권도☆* 관장명 : 김관장☆* 전&nbsp;&nbsp;&nbsp;화 : 02-123-4567☆";
        const QString rule = "-----------------------------------☆";
        QString a = "a@x.kr☆" + rule + head + "* 수련생 : 가나다☆* 작성일 : 2025-06-10☆" + rule + "☆";
        a += "☆<font color=\"navy\">※.체력측정 결과☆";
        a += "측&nbsp;정&nbsp;일&nbsp;자&nbsp;&nbsp;&nbsp;신장  체중  제자  윗몸  앉아  50m   왕복  팔굽  눈감  사이  악력  줄넘  비만  "
             "&nbsp;&nbsp;&nbsp;☆";
        a += " 2025-05-02     " "  " + nb + values(with("132.5", "31.0", "155.0", "96.5")) + "☆";
        a += " 2025-03-02     " "  " + nb + values(with("130.0", "30.0", "150.0", "111.1")) + "☆";
        a += "최&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;초   " + nb + values(with("130.0", "30.0", "150.0", "111.1")) + "☆";
        a += "최&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;종   " + nb + values(with("132.5", "31.0", "155.0", "96.5")) + "☆";
        a += "증&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;감   " + nb + nb + values(with("2.5", "1.0", "5.0", "-14.6")) + "☆";
        a += "평&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;균   " + nb + nb + values(with("130.0", "30.0", "150.0", "98.3")) + "☆";
        a += "문&nbsp;&nbsp;&nbsp;체&nbsp;&nbsp;&nbsp;부 " + nb + values(with("140.0", "35.0", "160.0", "97.2")) + "☆</font>☆";
        a += "※.체력 측정결과 평가내역☆*.신장(5등급) : 보통입니다.조금 더 노력해요.☆";
        const QStringList rest = {"체중", "제자리", "윗몸일", "앉아윗", "50m달", "왕복오", "팔굽혀", "눈감고", "사이드", "악력", "줄넘기"};
        for (const QString& n : rest)
            a += "*." + n + " : ☆";
        a += "010-1111-2222";
        QString c = "c@x.kr☆" + rule + head + "* 수련생 : 다라마☆* 작성일 : 2025-06-10☆" + rule + "☆";
        c += "※.체력 측정결과 평가내역☆*.신장 : ☆";
        for (const QString& n : rest)
            c += "*." + n + " : ☆";
        c += "010-3333-4444";
        const QByteArray expected = cp949::encode("체력측정☆\r\n" + a + "\r\n" + c + "\r\n");

        QCOMPARE(everyone().size(), 3);
        QVERIFY(FitnessResults::dataFile(everyone(), kToday).save());
        QFile f(ProgramDir::file("인터넷통보자료/체력측정/체력측정.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        if (written != expected) {
            const QStringList got = cp949::decode(written).split("☆"), want = cp949::decode(expected).split("☆");
            for (int i = 0; i < std::min(got.size(), want.size()); ++i)
                QCOMPARE(got[i], want[i]);
        }
        QCOMPARE(written, expected);
    }

    void screens()
    {
        useLayout("측정결과1.rpt");
        useLayout("측정결과5.rpt");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        {
            TfPri5050 w;
            w.Btn_QueryClick();
            QCOMPARE(w.model->rows(), 3);
            w.model->setTicked(1, false);
            w.Memo1->setPlainText("다음 측정은 9월입니다.");
            QCOMPARE(w.layoutName(), QString("측정결과1.rpt"));
            w.Btn_PrintClick();
            QCOMPARE(FitnessResults::letter(), QString("다음 측정은 9월입니다."));
            QCOMPARE(out.last().title, QString("체력측정결과 일괄출력"));
            QCOMPARE(out.last().doc.pages.size(), 2);
            QVERIFY(out.last().doc.texts().contains("다음 측정은 9월입니다."));
            w.rdo_Jibjungdo->setChecked(true);
            w.Rd2->setChecked(true);
            QVERIFY(w.rdo_Jibjungdo->isChecked()); // the style and the content are two choices
            QCOMPARE(w.layoutName(), QString("측정결과4.rpt"));
        }
        {
            TfPri5060 w;
            w.Btn_DataClick();
            QCOMPARE(m_db->dialogs().lastText(), QString("자료를 조회하세요."));
            QVERIFY(!QFile::exists(ProgramDir::file("인터넷통보자료/체력측정/체력측정.txt")));
            w.Btn_QueryClick();
            w.Btn_PrintClick();
            QVERIFY(out.last().doc.texts().contains("(5등급)"));
            w.Btn_DataClick();
            QVERIFY(m_db->dialogs().lastText().endsWith("체력측정.txt 파일이 생성되었습니다."));
            QCOMPARE(m_db->dialogs().log.last().caption, QString("체력측정결과 평가"));
        }
        report::ReportOutput::install(nullptr);
    }
};

QTEST_MAIN(TestFitnessResults)
#include "tst_fitnessresults.moc"
