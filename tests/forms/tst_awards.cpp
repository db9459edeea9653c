// The award certificate: titles and texts per type, and what printing it records.
#include "forms/AwardCertificate.h"
#include "forms/uPri0010.h"
#include "db/Query.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "support/TestDb.h"
#include "ui/CodeCombo.h"
#include "ui/MemberChooser.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

qint64 serial() { return db::scalar("SELECT 상장발부 FROM T_도장정보").toLongLong(); }
int count(const QString& sql) { return db::scalar(sql).toInt(); }

void member(const QString& no, const QString& name)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 입관일) VALUES (:no, :n, '남', '05', '03', '2023-01-05')",
            {{"no", no}, {"n", name}});
}

AwardCertificate::Fields fields(const QString& code, const QString& name)
{
    AwardCertificate::Fields f;
    f.memberNo = "202301001";
    f.memberName = "홍길동";
    f.code = code;
    f.name = name;
    f.edition = "12";
    f.months = "6";
    f.date = QDate(2025, 6, 9);
    return f;
}

// The member's awards as "순번:상장코드:비고2" in order.
QStringList awards()
{
    QStringList out;
    db::Query q("SELECT * FROM T_상장지급 WHERE 회원번호='202301001' ORDER BY 순번");
    q.open();
    while (q.next())
        out << QString("%1:%2:%3").arg(q.integer("순번")).arg(q.str("상장코드"), q.str("비고2"));
    return out;
}

} // namespace

class TestAwards : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        db::run("INSERT INTO T_도장정보 (도장명, 관장명, 상장발부) VALUES ('한빛 태권도', '김관장', 57)");
        member("202301001", "홍길동");
        db::run("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명) VALUES ('202301001', 1, '모', '김영희')");
        db::run("INSERT INTO T_상장목록 (상장코드, 상장명) VALUES ('10', '봉사활동')");
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void everyTypePrintsItsTitleAndText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        const QString member = "성 명 : 홍 길 동 ";
        QTest::newRow("01") << "01" << "품 새 상" << "   위의  수련생은  본  체육관 제 12 회" << member;
        QTest::newRow("02") << "02" << "겨 루 기 상" << "   위의  수련생은  본 체육관 제 12 회" << member;
        QTest::newRow("03") << "03" << "우 수 상" << "므로 이 상장을 줌" << member;
        QTest::newRow("04") << "04" << "최 우 수 상" << "   위의  수련생은  본  체육관  제 12 회" << member;
        QTest::newRow("05") << "05" << "개 근 상" << "   위의 수련생은 6 개월간 개근 하였으므" << member;
        QTest::newRow("06") << "06" << "노 력 상" << "의 모범이 되므로 이 상장을 주어 칭찬함" << member;
        QTest::newRow("07") << "07" << "모 범 상" << "이 상장을 주어 칭찬함" << member;
        QTest::newRow("08") << "08" << "표 창 장" << "생에게 모범이 되므로 이에 표창 합니다." << member;
        QTest::newRow("09 to the mother") << "09" << "감 사 장" << "아끼지 않으셨으므로 감사장을 드립니다." << "성 명 : 김 영 희 ";
        QTest::newRow("free type") << "10" << "봉 사 활 동 " << "첫째 줄" << member;
    }
    void everyTypePrintsItsTitleAndText()
    {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QFETCH(QString, line);
        QFETCH(QString, name);
        AwardCertificate::Fields f = fields(code, "봉사활동");
        f.lines = {"첫째 줄", "", "", "", ""};
        const QStringList texts = AwardCertificate(f).document().texts();
        for (const QString& t : {title, line, name, QString("제 57 호"), QString("2025년 6월 9일"), QString("한빛 태권도")})
            QVERIFY2(texts.contains(t), qPrintable(t + " | " + texts.join(" | ")));
    }

    void formsPaperKeepsOnlyTheVariableParts()
    {
        AwardCertificate::Fields f = fields("02", "겨루기상");
        f.forms = true;
        const QStringList texts = AwardCertificate(f).document().texts();
        QVERIFY(texts.contains(QString(32, u' ') + "12"));
        QVERIFY(texts.contains("57"));
        QVERIFY(texts.contains("홍 길 동 "));
        QVERIFY(!texts.contains("겨 루 기 상"));
        QVERIFY(!texts.contains("한빛 태권도"));
        f.code = "05";
        f.months = "";
        QCOMPARE(AwardCertificate(f).body(), QStringList());
        f.forms = false;
        QCOMPARE(AwardCertificate(f).body().first(), QString("   위의 수련생은  개월간 개근 하였으므"));
    }

    void printsAreNumberedAndRecordedOnce()
    {
        // A preview alone uses no number and writes nothing.
        QVERIFY(AwardCertificate(fields("10", "봉사활동")).run(report::Preview));
        QCOMPARE(serial(), 57);
        QCOMPARE(awards(), QStringList());

        QVERIFY(AwardCertificate(fields("10", "봉사활동")).run(report::Printer));
        m_out.printsFromPreview = 2; // printed twice from one preview: one award
        QVERIFY(AwardCertificate(fields("03", "우수상")).run(report::Preview));
        QVERIFY(m_out.last().doc.texts().contains("제 58 호"));
        QCOMPARE(serial(), 59);
        QCOMPARE(awards(), (QStringList{"1:10:10)  봉사활동", "2:03:03)  우수상"}));
        // The award named like a merit item booked it once; 우수상 matches none.
        QCOMPARE(count("SELECT count(*) FROM T_벌점 WHERE 벌점코드=(SELECT 벌점코드 FROM T_벌점항목 WHERE 벌점명='봉사활동')"), 1);
        QCOMPARE(count("SELECT count(*) FROM T_벌점"), 1);

        // After a deletion the next award goes above the largest.
        db::run("DELETE FROM T_상장지급 WHERE 순번 = 1");
        m_out.printsFromPreview = 0;
        QVERIFY(AwardCertificate(fields("07", "모범상")).run(report::Printer));
        QCOMPARE(awards(), (QStringList{"2:03:03)  우수상", "3:07:07)  모범상"}));
        QCOMPARE(serial(), 60);
    }

    void screenChecksAndStoresFreeLines()
    {
        TfPri0010 w;
        QVERIFY(!w.run(report::Printer));
        QCOMPARE(m_db->dialogs().lastText(), QString("성명을 선택하세요."));
        w.Com_Name->setMemberNo("202301001");
        QVERIFY(!w.run(report::Printer));
        QCOMPARE(m_db->dialogs().lastText(), QString("상장명을 선택하세요."));
        w.btn_StoreClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("상장명을 선택하세요."));

        w.Com_Award->setCode("10");
        w.edt_Line[0]->setText("위 수련생은 봉사에 힘썼으므로");
        w.btn_StoreClick();
        QCOMPARE(AwardCertificate::storedLines("10").first(), QString("위 수련생은 봉사에 힘썼으므로"));
        w.Com_Award->setCode("03");
        QVERIFY(w.edt_Line[0]->text().isEmpty());
        QVERIFY(!AwardCertificate::storeLines("03", {"x"}));
        w.Com_Award->setCode("10");
        QCOMPARE(w.edt_Line[0]->text(), QString("위 수련생은 봉사에 힘썼으므로"));
        QVERIFY(w.run(report::Printer));
        QVERIFY(m_out.last().doc.texts().contains("위 수련생은 봉사에 힘썼으므로"));
        QCOMPARE(awards(), QStringList{"1:10:10)  봉사활동"});
    }
};

QTEST_MAIN(TestAwards)
#include "tst_awards.moc"
