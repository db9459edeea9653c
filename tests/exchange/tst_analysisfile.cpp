// The analysis file for the central office, and its screen.
#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "exchange/AnalysisFile.h"
#include "exchange/uAssSend.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstAnalysisFile : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        for (const char* t : {"T_부별코드", "T_급품코드", "T_학년코드", "T_휴퇴사유", "T_입관동기", "T_도장정보"})
            sqlExec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(t));
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명) VALUES ('한국 태권도장', '김 관장')");
        sqlExec("INSERT INTO T_부별코드 (부별코드, 부명) VALUES ('03', '초등부')");
        sqlExec("INSERT INTO T_부별코드 (부별코드, 부명) VALUES ('01', '유치부')");
        sqlExec("INSERT INTO T_급품코드 (급품코드, 급품명) VALUES ('02', '9급')");
        sqlExec("INSERT INTO T_급품코드 (급품코드, 급품명) VALUES ('01', '10급')");
        sqlExec("INSERT INTO T_학년코드 VALUES (2, '초등 1')");
        sqlExec("INSERT INTO T_학년코드 VALUES (1, '유치 7')");
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 학년, 입관일) VALUES"
                " ('202301001', '가', '남', '01', '01', '유치 7', '2023-01-05')");
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 학년, 입관일, 휴관일) VALUES"
                " ('202301002', '나', '여', '03', '01', '초등 1', '2023-01-06', '2024-02-01')");
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 학년, 입관일, 퇴관일, 복관일휴) VALUES"
                " ('202301003', '다', '남', '03', '02', '초등 1', '2023-01-07', '2024-03-10', '2024-03-01')");
        sqlExec("INSERT INTO T_인원현황 (년도, 입관01, 휴관02, 복관03, 퇴관03) VALUES (2024, 3, 1, 1, 1)");
        sqlExec("INSERT INTO T_퇴관사유별현황 VALUES ('202301003', '2024-03-10', '02')");
        sqlExec("INSERT INTO T_휴관사유별현황 VALUES ('202301002', '2024-02-01', '01')");
        sqlExec("INSERT INTO T_휴퇴사유 VALUES ('02', '학업')");
        sqlExec("INSERT INTO T_휴퇴사유 VALUES ('01', '이사')");
        sqlExec("INSERT INTO T_입관동기별현황 VALUES ('202301001', '2023-01-05', '01')");
        sqlExec("INSERT INTO T_입관동기 VALUES ('01', '친구소개')");
    }
    void cleanup() { m_db.reset(); }

    void fileMatchesLayout()
    {
        QFile golden(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exchange/golden/분석자료.txt"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(AnalysisFile::build(), golden.readAll());
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("school");
        QTest::addColumn<QString>("name");
        QTest::newRow("two syllables") << "한국 태권도장" << "한국_김관장_분석자료.txt";
        QTest::newRow("never half a syllable") << "A 한국" << "A한_김관장_분석자료.txt";
        QTest::newRow("short name") << "K" << "K_김관장_분석자료.txt";
    }
    void fileName()
    {
        QFETCH(QString, school);
        QFETCH(QString, name);
        db::run("UPDATE T_도장정보 SET 도장명 = :n", {{"n", school}});
        QCOMPARE(AnalysisFile::path(), ProgramDir::file("분석자료/" + name));
    }

    void screenMakesTheFolderAndTheFile()
    {
        QDir(ProgramDir::file("분석자료")).removeRecursively();
        TfAssSend screen;
        screen.btn_SendClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("작업이 완료되었습니다."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("중앙보고자료"));
        QFile f(AnalysisFile::path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), AnalysisFile::build());
    }
};

QTEST_MAIN(TstAnalysisFile)
#include "tst_analysisfile.moc"
