// The national poom/dan application: the printed form and the online application file, byte for byte.
#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "exams/NationalForm.h"
#include "exams/uPri4030.h"
#include "report/Report.h"
#include "text/Cp949.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using NationalForm::Applicant;

class TstNationalForm : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static QByteArray golden(const char* name)
    {
        QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exams/golden/") + QString::fromUtf8(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void member(const QString& no, const QString& name, const QString& hanja, const QString& latin, const QString& resident,
                       const QString& sex, const QString& postcode, const QString& address, const QString& born, const QString& rank)
    {
        auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
        db::run("INSERT INTO T_회원 (회원번호, 회원명, 회원명한문, 회원명영, 주민등록번호, 성별, 우편번호, 주소, 생년월일, 부별코드, 급품코드, "
                "입관일, 양력음력, 납부일자) VALUES (:no, :name, :h, :l, :r, :sex, :post, :addr, :born, '12', :rank, '2020-01-01', '양', 10)",
                {{"no", no}, {"name", name}, {"h", orNull(hanja)}, {"l", orNull(latin)}, {"r", resident}, {"sex", sex},
                 {"post", orNull(postcode)}, {"addr", address}, {"born", born}, {"rank", rank}});
    }

    static void registered(const QString& no, const QString& rank, int exam, const QString& date, const QString& certificate)
    {
        db::run("INSERT INTO T_국기원승품 (회원번호, 급품코드, 부별코드, 회원명, 심사명, 심사일자, 단증번호) "
                "VALUES (:no, :rank, '12', '', :exam, :d, :c)",
                {{"no", no}, {"rank", rank}, {"exam", exam}, {"d", date}, {"c", certificate.isEmpty() ? QVariant() : QVariant(certificate)}});
    }

    static Applicant applicant(const QString& no, const QString& name, const QString& rankCode, const QString& rankName)
    {
        Applicant a;
        a.memberNo = no;
        a.name = name;
        a.rankCode = rankCode;
        a.rankName = rankName;
        a.examNo = QStringLiteral("7");
        a.examDate = QStringLiteral("2024-06-01");
        return a;
    }

    // A "2품단보" of 15 with an earlier certified "단보" application, a name longer than its field and
    // an address whose cut falls after a Latin letter; a "단보" of 14 without a certificate.
    QList<Applicant> twoApplicants()
    {
        sqlExec("INSERT INTO T_도장정보 (도장명, 단체가입번호, 전화번호, 관장명, 단증번호, 구, 단, 태권도협회) "
                "VALUES ('A한빛 태권도', 'A1234567', '02-123-4567', '김 관장', 'D7001', '강남 구', '7단', '서울시태권도협회')");
        member("202001001", "남궁가나다라마", "南宮佳", "NAMGUNG GANADARAMA BAEK", "100101-3123456", "남", "06236",
               "서울특별시 강남구 테헤란로 123길 45 한빛빌라 101B동 302호", "2010-01-01", "13");
        member("202001002", "이소라", "", "LEE SORA", "110203-4123456", "여", "", "부산시 해운대구", "2011-02-03", "11");
        registered("202001001", "11", 3, "2021-06-12", "P-1001");
        registered("202001001", "13", 7, "2024-06-01", "");
        registered("202001002", "11", 7, "2024-06-01", "");
        return {applicant("202001001", "남궁가나다라마", "13", "2품단보"), applicant("202001002", "이소라", "11", "단보")};
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void onlineFileByteForByte()
    {
        const QList<Applicant> rows = twoApplicants();
        const NationalForm::OnlineFile file = NationalForm::onlineFile(rows, "7", "2024");
        QCOMPARE(file.path, ProgramDir::file(QStringLiteral("심사접수/A한-김관장-강남구-2024-7.txt")));
        QCOMPARE(file.bytes, golden("심사접수.txt"));
        QVERIFY(file.unmapped.isEmpty());
        QVERIFY(NationalForm::writeOnlineFile(file));
        QFile written(file.path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file.bytes);
    }

    // The name takes at most 4, 6 and 6 bytes of school, head and district: never padded, never half
    // a syllable.
    void onlineFileName_data()
    {
        QTest::addColumn<QString>("school");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("name");
        QTest::newRow("short values") << "한" << "김철" << "" << "한-김철--2026-45.txt";
        QTest::newRow("long enough") << "한빛태권도" << "김관장님" << "강남구청" << "한빛-김관장-강남구-2026-45.txt";
        QTest::newRow("a syllable on the edge") << "A한빛" << "AB김관장" << "1구" << "A한-AB김관-1구-2026-45.txt";
    }
    void onlineFileName()
    {
        QFETCH(QString, school);
        QFETCH(QString, head);
        QFETCH(QString, district);
        QFETCH(QString, name);
        sqlExec("DELETE FROM T_도장정보");
        db::run("INSERT INTO T_도장정보 (도장명, 관장명, 구) VALUES (:s, :h, :d)", {{"s", school}, {"h", head}, {"d", district}});
        QCOMPARE(NationalForm::onlineFile({}, "45", "2026").path, ProgramDir::file(QStringLiteral("심사접수/") + name));
    }

    // A rank without a code keeps the record at 306 bytes and is named.
    void unmappedRankKeepsTheWidth()
    {
        QList<Applicant> rows = twoApplicants();
        rows[1].rankName = QStringLiteral("1품/1단");
        const NationalForm::OnlineFile file = NationalForm::onlineFile(rows, "7", "2024");
        const QList<QByteArray> lines = file.bytes.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[2].size(), NationalForm::kRecordBytes);
        QCOMPARE(lines[2].mid(219, 2), QByteArray("  "));  // field 15
        QCOMPARE(lines[2].mid(237, 2), QByteArray("  "));  // field 18
        QCOMPARE(lines[2].mid(239, 4), QByteArray("0007")); // what follows stays in place
        QCOMPARE(file.unmapped, QStringList{"이소라"});
    }

    void rankAndSchoolCodes_data()
    {
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<QString>("heldText");
        QTest::addColumn<QString>("appliedText");
        QTest::newRow("단보") << "단보" << "00" << "01" << "1품(단)" << "1품(단)";
        QTest::newRow("4품단보") << "4품단보" << "03" << "04" << "4품(단)" << "4단";
        QTest::newRow("4단") << "4단" << "" << "" << "4품(단)" << "5단";
        QTest::newRow("9단") << "9단" << "08" << "09" << "9단" << "10단";
        QTest::newRow("10단") << " 10단 " << "09" << "10" << "10단" << "";
        QTest::newRow("1품/1단") << "1품/1단" << "" << "" << "1품/1단" << "";
    }
    void rankAndSchoolCodes()
    {
        QFETCH(QString, rank);
        QFETCH(QString, held);
        QFETCH(QString, applied);
        QFETCH(QString, heldText);
        QFETCH(QString, appliedText);
        QCOMPARE(NationalForm::heldRankCode(rank), held);
        QCOMPARE(NationalForm::appliedRankCode(rank), applied);
        QCOMPARE(NationalForm::heldRankText(rank), heldText);
        QCOMPARE(NationalForm::appliedRankText(rank), appliedText);
    }

    void categoryAndDan()
    {
        QCOMPARE(NationalForm::category("2품단보", "2010-03-05", 2024), QString("2")); // 15
        QCOMPARE(NationalForm::category("2품단보", "2011-03-05", 2024), QString("1")); // 14
        QCOMPARE(NationalForm::category("5단", "2015-03-05", 2024), QString("2"));
        QCOMPARE(NationalForm::category("단보", "", 2024), QString("1"));             // no birth date: age 0
        QCOMPARE(NationalForm::danCode("7단"), QString("07"));
        QCOMPARE(NationalForm::danCode("사범"), QString("  "));
    }

    void formLines()
    {
        const QList<Applicant> rows = twoApplicants();
        report::PrintJob job;
        QCOMPARE(NationalForm::fillForm(rows, "7", QDate(2024, 5, 20), job), 2);
        db::Query q("SELECT * FROM print WHERE seqno < 100000 ORDER BY seqno");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("F01"), QString("P-1001"));
        QCOMPARE(q.str("F06"), QString("2010 년 01 월 01 일 "));
        QCOMPARE(q.str("F08") + q.str("F09"), QString("【 】"));
        QVERIFY(q.isNull("F10"));
        QCOMPARE(q.str("F12"), QString("1품(단)"));
        QCOMPARE(q.str("F13"), QString("2021 년 06 월 12 일"));
        QCOMPARE(q.str("F14"), QString("2품(단)"));
        QCOMPARE(q.str("F16"), QString("2024 년 05 월 20 일"));
        QCOMPARE(q.str("F20"), QString("7단 - D7001"));
        QVERIFY(q.next());
        QCOMPARE(q.str("F01") + q.str("F12") + q.str("F13"), QString());
        QCOMPARE(q.str("F10") + q.str("F11"), QString("【 】"));
        QCOMPARE(q.str("F14"), QString("1품(단)"));
        QDir().mkpath(ProgramDir::file("report"));
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/심사신청서.rpt"), ProgramDir::file("report/심사신청서.rpt")));
        QString error;
        const auto doc = job.render(QStringLiteral("심사신청서.rpt"), QString(), &error);
        QVERIFY2(doc, qPrintable(error));
        QCOMPARE(doc->pages.size(), 2);
        QVERIFY(doc->texts().join(u'\n').contains(QStringLiteral("남궁가나다라마")));
    }

    // The window keeps the rows it was given and refuses a year that is not four digits.
    void windowWritesTheFile()
    {
        const QList<Applicant> rows = twoApplicants();
        TfPri4030 w;
        w.setApplicants(rows, "7");
        w.Edt_YYYY->setText("24");
        w.btnOnlineClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("해당년도를 4자리로 입력하세요."));
        QVERIFY(!QFile::exists(ProgramDir::file(QStringLiteral("심사접수/A한-김관장-강남구-24-7.txt"))));
        w.Edt_YYYY->setText("2024");
        w.btnOnlineClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("심사신청서 자료가 생성되었습니다."));
        QFile f(ProgramDir::file(QStringLiteral("심사접수/A한-김관장-강남구-2024-7.txt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), golden("심사접수.txt"));
    }
};

QTEST_MAIN(TstNationalForm)
#include "tst_nationalform.moc"
