// The transfer file of a withdrawn member: its fields, the bytes written, the import and what it refuses.
#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "exchange/TransferFile.h"
#include "exchange/uDataReceive.h"
#include "exchange/uDataSend.h"
#include "ui/ListModel.h"
#include "stats/MovementCounter.h"
#include "text/Cp949.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>

namespace {
const QString kRich = QStringLiteral("202301005");
const QString kBare = QStringLiteral("202302001");

QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exchange/golden/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("golden file missing");
    return f.readAll();
}

void addMembers()
{
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 회원명영, 회원명한문, 성별, 부별코드, 급품코드, 주민등록번호, 양력음력, 생년월일,"
            " 지역코드, 최초입관일, 입관일, 퇴관일, 퇴관사유코드, 전화번호, 우편번호, 주소, 학교, 학년, 반, 타학원수강, 기타사항, 납부일자,"
            " 입관동기코드, 최종퇴관일, 최종퇴관사유코드, 수련비, 납부은행, 코스코드, 장소코드, 시간, 핸드폰번호) VALUES ('202301005',"
            " '홍길동', 'Hong Gildong', '洪吉童', '남', '03', '05', '150101-3123456', '양', '2015-01-01', 3, '2022-03-02', '2023-01-05',"
            " '2024-04-30', '01', '0212345678', '123-456', '서울시 강남구 역삼동 123', '역삼초등학교', '초등 3', '2', '피아노',"
            " '알레르기', 5, '02', '2024-04-30', '01', 120000, '국민', '1', '01', '15:00', '010-1234-5678')");
    db::run("UPDATE T_회원 SET 기타사항 = :t", {{"t", QString("알레르기\r\n있음")}});
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 주민등록번호, 생년월일, 최초입관일, 입관일, 퇴관일, 수련비)"
            " VALUES ('202302001', '김영희', '남', '03', '05', '150101-3123456', '', '2022-03-02', '2023-02-01', '2024-04-30', 0)");
    sqlExec("INSERT INTO T_가족사항 VALUES ('202301005', 1, '부', '홍판서', '1980-05-05', '양', '회사원', '', NULL)");
    sqlExec("INSERT INTO T_건의사항 VALUES ('202301005', 1, '2023-06-01', '발차기 연습 희망')");
    sqlExec("INSERT INTO T_결석 VALUES ('202301005', '2023-07-03', '01', '감기', NULL)");
    sqlExec("INSERT INTO T_뱃지지급 VALUES ('202301005', '03', '2023-08-15')");
    sqlExec("INSERT INTO T_벌점 VALUES ('202301005', 2, '2023-09-01', '04', '청소')");
    sqlExec("INSERT INTO T_상장지급 VALUES ('202301005', '2023-10-10', '01', 7, '우수상', NULL)");
    sqlExec("INSERT INTO T_생활기록 VALUES ('202301005', 1, '2023-11-11', '성실함')");
    sqlExec("INSERT INTO T_심사 VALUES ('202301005', '2023-12-20', 12, '승급', '', '2023-12-16', '05', 80, 85, 90, 75, 70, 95,"
            " 92, 3, 82, '우수', '품새가 정확함')");
    sqlExec("INSERT INTO T_집중도 VALUES ('202301005', '2024-01-10', 12.5, 13.5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16)");
    sqlExec("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, A03, 비만도) VALUES ('202301005', '2024-02-02', 135.5, 134.5,"
            " 20.25, -3.5)");
    sqlExec("INSERT INTO T_행사참가 VALUES ('202301005', 1, '2024-03-01', '02', '여름캠프', '버스')");
}

// Every row of the member tables, so a refused import can be shown to have changed nothing.
QStringList snapshot()
{
    QStringList all;
    QStringList tables{QStringLiteral("T_회원"), QStringLiteral("T_인원현황"), QStringLiteral("T_입관동기별현황")};
    for (const auto& s : TransferFile::sections())
        tables << s.table;
    tables.removeDuplicates();
    for (const QString& t : tables) {
        db::Query q(QStringLiteral("SELECT * FROM ") + t);
        q.open();
        while (q.next()) {
            QStringList row{t};
            for (int i = 0; i < q.columnCount(); ++i)
                row << q.value(i).toString();
            all << row.join(u'|');
        }
    }
    all.sort();
    return all;
}

QByteArray replaced(QByteArray bytes, const QByteArray& from, const QByteArray& to)
{
    const int at = int(bytes.indexOf(from));
    if (at < 0)
        qFatal("fixture text not found");
    return bytes.replace(at, from.size(), to);
}
} // namespace

class TstTransferFile : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMembers();
    }
    void cleanup() { m_db.reset(); }

    void fields_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("five syllables fill 10") << "회원명" << QVariant("가나다라마") << cp949::encode("가나다라마");
        QTest::newRow("cut at a syllable") << "회원명" << QVariant("A가나다라마") << QByteArray(cp949::encode("A가나다라") + " ");
        QTest::newRow("line breaks blanked") << "우편번호" << QVariant("12\r\n3") << QByteArray("12  3  ");
        QTest::newRow("12.5 to 12") << "수련비" << QVariant(12.5) << QByteArray("12           ");
        QTest::newRow("13.5 to 14") << "수련비" << QVariant(13.5) << QByteArray("14           ");
        QTest::newRow("135.5 to 136") << "수련비" << QVariant(135.5) << QByteArray("136          ");
        QTest::newRow("134.5 to 134") << "수련비" << QVariant(134.5) << QByteArray("134          ");
        QTest::newRow("empty date") << "생년월일" << QVariant("") << QByteArray("NULL      ");
        QTest::newRow("zero date") << "생년월일" << QVariant("1899-12-30") << QByteArray("NULL      ");
        QTest::newRow("invalid date") << "생년월일" << QVariant("2024-02-30") << QByteArray("NULL      ");
        QTest::newRow("date") << "생년월일" << QVariant("2015-01-01") << QByteArray("2015-01-01");
        QTest::newRow("area code always 0") << "지역코드" << QVariant(7) << QByteArray("0");
        QTest::newRow("status date always NULL") << "퇴관일" << QVariant("2024-04-30") << QByteArray("NULL      ");
    }
    void fields()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, bytes);
        for (const auto& f : TransferFile::sections().first().fields) {
            if (f.column == column) {
                QCOMPARE(TransferFile::field(value, f), bytes);
                return;
            }
        }
        QFAIL("no such field");
    }

    void exportMatchesLayout_data()
    {
        QTest::addColumn<QString>("no");
        QTest::addColumn<QString>("file");
        QTest::newRow("a row in every section") << kRich << "퇴관자료_전체.txt";
        QTest::newRow("member only, no birth date") << kBare << "퇴관자료_기록없음.txt";
    }
    void exportMatchesLayout()
    {
        QFETCH(QString, no);
        QFETCH(QString, file);
        QVERIFY(TransferFile::exportMembers({no}));
        QFile f(TransferFile::exportPath("150101-3123456", no == kRich ? "홍길동" : "김영희"));
        QVERIFY(f.fileName().endsWith("퇴관자료/1501013123456" + QString(no == kRich ? "홍길동" : "김영희") + ".txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), golden(file));
    }

    void importGivesTheSameRecordUnderANewNumber()
    {
        const qint64 before = MovementCounter::counter(2024, MovementCounter::Enrolment, 5);
        const TransferFile::Result r = TransferFile::import(TransferFile::build(kRich));
        QCOMPARE(r.message, QString("입관 처리가 되었습니다."));
        QCOMPARE(r.memberNo, QString("202405001"));
        QCOMPARE(r.name, QString("홍길동"));
        // Every section reads back as it was written (rounded values included).
        QCOMPARE(TransferFile::build(r.memberNo), TransferFile::build(kRich));
        db::Query q(QStringLiteral("SELECT * FROM T_회원 WHERE 회원번호 = '202405001'"));
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("입관일"), QString("2024-05-15"));
        QCOMPARE(q.str("최초입관일"), QString("2022-03-02"));
        QVERIFY(q.isNull("퇴관일") && q.isNull("퇴관사유코드") && q.isNull("최종퇴관일") && q.isNull("납부은행"));
        QCOMPARE(q.value("지역코드").toInt(), 0);
        QCOMPARE(q.value("수련비").toLongLong(), 120000);
        QCOMPARE(q.str("기타사항"), QString("알레르기  있음"));
        QCOMPARE(db::scalar("SELECT A01 FROM T_체력측정 WHERE 회원번호 = '202405001'").toDouble(), 136.0);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), before + 1);
        QCOMPARE(db::scalarText("SELECT 입관일 & '/' & 입관동기코드 FROM T_입관동기별현황 WHERE 회원번호 = '202405001'"),
                 QString("2024-05-15/02"));
    }

    void emptyBirthDateImportsAsNull()
    {
        const TransferFile::Result r = TransferFile::import(golden("퇴관자료_기록없음.txt"));
        QCOMPARE(r.outcome, TransferFile::Outcome::Imported);
        QVERIFY(db::scalar("SELECT 생년월일 FROM T_회원 WHERE 회원번호 = :no", {{"no", r.memberNo}}).isNull());
        // No motive: no log row, the counter still moves.
        QCOMPARE(db::scalarText("SELECT Count(*) FROM T_입관동기별현황"), QString("0"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), 1);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray good = golden("퇴관자료_전체.txt");
        const QByteArray damaged = "입관자료 파일이 손상되었습니다: ";
        auto msg = [&](const char* where) { return QString::fromUtf8(damaged + where); };
        const QByteArray member = cp949::encode("T_회원,1");
        QTest::newRow("empty") << QByteArray() << "파일에 입관 자료가 존재하지 않습니다.";
        QTest::newRow("wrong first line") << replaced(good, member, cp949::encode("T_가족,1")) << "입관자료 파일인지 확인하세요.";
        QTest::newRow("member count 0") << replaced(good, member, cp949::encode("T_회원,0")) << "입관자료가 존재하지 않는 파일입니다.";
        QTest::newRow("member count 2") << replaced(good, member, cp949::encode("T_회원,2")) << msg("T_회원 머리줄");
        QTest::newRow("count above the lines")
            << replaced(good, cp949::encode("T_행사참가,1"), cp949::encode("T_행사참가,2")) << msg("T_행사참가 2번째 줄");
        QTest::newRow("count not a number")
            << replaced(good, cp949::encode("T_심사,1"), cp949::encode("T_심사, 1")) << msg("T_심사 머리줄");
        QTest::newRow("a line one byte short")
            << replaced(good, cp949::encode("성실함 "), cp949::encode("성실함")) << msg("T_생활기록 1번째 줄");
        QTest::newRow("a bad date") << replaced(good, "2023-07-03", "2023-02-30") << msg("T_결석 1번째 줄");
        QTest::newRow("a letter in a number") << replaced(good, "120000 ", "12O000 ") << msg("T_회원 1번째 줄");
        QTest::newRow("an unknown section")
            << replaced(good, cp949::encode("T_뱃지지급,1"), cp949::encode("T_뱃지목록,1")) << msg("T_뱃지지급 머리줄");
        QTest::newRow("bytes after the end") << QByteArray(good + "T_기타,0\r\n") << msg("T_행사참가 뒤");
        QTest::newRow("a broken character") << replaced(good, cp949::encode("감기"), QByteArray("\xB0\x20\xB1\xE2"))
                                            << msg("T_결석 1번째 줄");
        QTest::newRow("a bare line feed") << replaced(good, "\r\n" + cp949::encode("T_결석"), "\n" + cp949::encode("T_결석"))
                                          << msg("T_건의사항 1번째 줄");
        QTest::newRow("line ends without CR") << QByteArray(good).replace("\r\n", "\n") << msg("T_회원 머리줄 (줄 끝이 CR LF가 아닙니다)");
        QTest::newRow("a member without name") << replaced(good, cp949::encode("홍길동    "), QByteArray(10, ' '))
                                               << msg("T_회원 1번째 줄 (회원명이 없습니다)");
        QTest::newRow("a fee below nothing") << replaced(good, "120000       ", "-999999999999")
                                             << msg("T_회원 1번째 줄 (수련비 -999,999,999,999원은 0원에서 99,999,999원 사이가 아닙니다)");
        QTest::newRow("a key twice") << replaced(good, cp949::encode("T_결석,1\r\n"), cp949::encode("T_결석,2\r\n") + good.mid(good.indexOf("2023-07-03"), 527))
                                     << msg("T_결석 2번째 줄");
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QStringList before = snapshot();
        const QString path = ProgramDir::file("입관자료/손상.txt");
        QVERIFY(cp949::writeFileAtomic(path, bytes));
        TfDataReceive screen;
        screen.importFile(QStringLiteral("손상.txt"));
        QCOMPARE(m_db->dialogs().lastText(), message);
        QVERIFY(QFile::exists(path));
        QCOMPARE(snapshot(), before);
    }

    // Codes this school does not have are shown and asked about; refused, nothing is written, accepted,
    // the member comes in as the file has him.
    void unknownCodesAreAskedAbout()
    {
        sqlExec("UPDATE T_회원 SET 성별 = 'XX', 부별코드 = 'ZZ', 급품코드 = 'QQ' WHERE 회원번호 = '202301005'");
        const QString path = ProgramDir::file("입관자료/코드.txt");
        QVERIFY(cp949::writeFileAtomic(path, TransferFile::build(kRich)));
        const QStringList before = snapshot();
        TfDataReceive screen;
        m_db->dialogs().answers = {QMessageBox::No};
        screen.importFile(QStringLiteral("코드.txt"));
        QCOMPARE(m_db->dialogs().lastText(), QString("이 도장에 없는 코드가 있습니다:\n성별 'XX'\n부별코드 'ZZ'\n급품코드 'QQ'\n\n"
                                                     "코드가 없으면 이 회원은 부별, 급품별 목록에 나오지 않습니다.\n\n그대로 입관 처리하시겠습니까?"));
        QCOMPARE(snapshot(), before);
        QVERIFY(QFile::exists(path));
        m_db->dialogs().answers = {QMessageBox::Yes};
        screen.importFile(QStringLiteral("코드.txt"));
        QCOMPARE(m_db->dialogs().lastText(), QString("입관 처리가 되었습니다."));
        QCOMPARE(db::scalarText("SELECT 부별코드 FROM T_회원 WHERE 회원번호 = '202405001'"), QString("ZZ"));
    }

    // Characters CP949 cannot hold: the file is written as before (with "?") and the user is told which
    // member and field lost them.
    void unencodableCharactersAreListed()
    {
        db::run("UPDATE T_회원 SET 회원명한문 = :h, 학교 = :s WHERE 회원번호 = '202301005'",
                {{"h", QString::fromUtf8("洪\xF0\xA0\x80\x80童")}, {"s", QString::fromUtf8("Caf\xC3\xA9 \xF0\x9F\x98\x80")}});
        sqlExec("UPDATE T_생활기록 SET 생활기록 = '赟' WHERE 회원번호 = '202301005'");
        cp949::Losses losses;
        const QByteArray bytes = TransferFile::build(kRich, &losses);
        QVERIFY(bytes.contains(cp949::encode("洪?童")));
        QCOMPARE(losses.lines(), QStringList({QString::fromUtf8("홍길동(202301005) 회원명한문 : 洪\xF0\xA0\x80\x80童 (\xF0\xA0\x80\x80)"),
                                              QString::fromUtf8("홍길동(202301005) 학교 : Caf\xC3\xA9 \xF0\x9F\x98\x80 (\xC3\xA9\xF0\x9F\x98\x80)"),
                                              QString::fromUtf8("홍길동(202301005) T_생활기록 생활기록 : 赟 (赟)")}));
        QCOMPARE(TransferFile::sections().first().lineLength() + 2, int(bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2) - bytes.indexOf("\r\n")));

        TfDataSend screen;
        screen.edt_Name->setText("홍");
        screen.btn_QueryClick();
        screen.list()->setTicked(0, true);
        screen.btn_SendClick();
        QCOMPARE(m_db->dialogs().log.last().kind, QString("warning"));
        QCOMPARE(m_db->dialogs().lastText(), "퇴관자료 생성이 완료되었습니다.\n\n" + losses.message());
        QVERIFY(QFile::exists(TransferFile::exportPath("150101-3123456", "홍길동")));
    }

    void aLeadByteLeftByAnOldCutIsDropped()
    {
        // "가나다라A마" cut at byte 10 by an older writer: the name field ends in half a syllable.
        QByteArray bytes = golden("퇴관자료_기록없음.txt");
        bytes = replaced(bytes, cp949::encode("김영희") + "    ", cp949::encode("가나다라A마").left(10));
        const TransferFile::Result r = TransferFile::import(bytes);
        QCOMPARE(r.outcome, TransferFile::Outcome::Imported);
        QCOMPARE(r.name, QString("가나다라A"));
    }

    void aFailureAfterTheMemberLeavesNothing()
    {
        const QStringList before = snapshot();
        sqlExec("CREATE TRIGGER t_fail BEFORE INSERT ON T_입관동기별현황 BEGIN SELECT RAISE(ABORT, 'injected'); END");
        const TransferFile::Result r = TransferFile::import(TransferFile::build(kRich));
        QCOMPARE(r.outcome, TransferFile::Outcome::Failed);
        QVERIFY(r.message.startsWith("저장 에러 입니다."));
        QCOMPARE(snapshot(), before);
    }

    void exportScreenWritesTheTickedMembers()
    {
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('202401001', '홍재원', '2024-01-02')"); // not withdrawn
        TfDataSend screen;
        screen.btn_SendClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("퇴관자료를 조회후 선택하세요."));
        screen.edt_Name->setText("홍");
        screen.btn_QueryClick();
        QCOMPARE(screen.list()->texts(), (QList<QStringList>{{"202301005", "홍길동", "2023-01-05", "초등1학년부", "150101-3123456"}}));
        screen.btn_SendClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("퇴관 대상자를 선택하세요."));
        screen.list()->setTicked(0, true);
        screen.btn_SendClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("퇴관자료 생성이 완료되었습니다."));
        QFile f(TransferFile::exportPath("150101-3123456", "홍길동"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), golden("퇴관자료_전체.txt"));
        // By withdrawal date.
        QCOMPARE(TransferFile::withdrawnMembers("", QDate(2024, 4, 30)).size(), 2);
        QCOMPARE(TransferFile::withdrawnMembers("", QDate(2024, 4, 29)).size(), 0);
    }

    void importScreenEnrolsAndRemovesTheFile()
    {
        const QString path = ProgramDir::file("입관자료/홍길동.txt");
        QVERIFY(cp949::writeFileAtomic(path, TransferFile::build(kRich)));
        TfDataReceive screen;
        QCOMPARE(screen.files(), QStringList{"홍길동.txt"});
        screen.importFile(QStringLiteral("홍길동.txt"));
        QCOMPARE(m_db->dialogs().lastText(), QString("입관 처리가 되었습니다."));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(screen.files(), QStringList());
        QCOMPARE(screen.imported(), QStringList{"홍길동"});
        QCOMPARE(db::scalarText("SELECT 회원명 FROM T_회원 WHERE 회원번호 = '202405001'"), QString("홍길동"));
    }

    // As the user does it: the button with nothing chosen, then a click on the file and the button.
    void importScreenDrivenByItsButton()
    {
        QVERIFY(cp949::writeFileAtomic(ProgramDir::file("입관자료/가가가.txt"), TransferFile::build(kRich)));
        QVERIFY(cp949::writeFileAtomic(ProgramDir::file("입관자료/홍길동.txt"), TransferFile::build(kRich)));
        TfDataReceive screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QTest::mouseClick(screen.btn_Receive, Qt::LeftButton);
        QCOMPARE(m_db->dialogs().lastText(), QString("입관 대상자를 선택하세요."));
        const QRect second = screen.lst_Files->visualRect(screen.lst_Files->model()->index(1, 0));
        QTest::mouseClick(screen.lst_Files->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseClick(screen.btn_Receive, Qt::LeftButton);
        QCOMPARE(m_db->dialogs().lastText(), QString("입관 처리가 되었습니다."));
        QCOMPARE(screen.imported(), QStringList{"홍길동"});
        QCOMPARE(screen.files(), QStringList{"가가가.txt"});
        QCOMPARE(db::scalarText("SELECT 회원명 FROM T_회원 WHERE 회원번호 = '202405001'"), QString("홍길동"));
    }
};

QTEST_MAIN(TstTransferFile)
#include "tst_transferfile.moc"
