// The trainee-record, newsletter and SMS files and the screens that write them.
#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "exchange/UploadFiles.h"
#include "exchange/uUploadCreate1.h"
#include "exchange/uUploadCreate2.h"
#include "exchange/uUploadCreate9.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {
QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exchange/golden/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("golden file missing");
    return f.readAll();
}

QByteArray written(const QString& relative)
{
    QFile f(ProgramDir::file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
}

void fill()
{
    for (const char* t : {"T_도장정보", "T_급품코드", "T_상장목록", "T_체력측정항목", "T_문체부", "T_결석사유", "T_뱃지항목",
                          "T_벌점항목", "T_행사목록", "T_급별수련내용"})
        sqlExec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(t));
    sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호) VALUES ('한국 태권도장', '김 관장', '02-123 4567')");
    sqlExec("INSERT INTO T_급품코드 VALUES ('05', '5급', '파랑띠')");
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 성별, 생년월일, 부별코드, 급품코드, 입관일, 이메일, 핸드폰번호) VALUES"
            " ('202401001', '홍길동', '150101-3123456', '남', '2015-01-01', '03', '05', '2024-01-02', 'hong@mail.kr', '010-1111-2222')");
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 성별, 생년월일, 부별코드, 입관일, 핸드폰번호) VALUES"
            " ('202401002', '김영희', '150202-4123456', '여', '', '03', '2024-01-03', '010-2222-3333')");
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 성별, 부별코드, 입관일, 이메일) VALUES"
            " ('202401004', '이철수', '150303-3123456', '남', '12', '2024-01-04', 'lee@mail.kr')");
    // Withdrawn and on leave: in no list, the first still a peer of the fitness average.
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 입관일, 퇴관일) VALUES"
            " ('202401003', '박퇴관', '남', '2015-06-01', '03', '2024-01-01', '2024-04-30')");
    sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 입관일, 휴관일) VALUES ('202401005', '최휴관', '03', '2024-01-01', '2024-04-01')");

    sqlExec("INSERT INTO T_건의사항 VALUES ('202401001', 1, '2024-03-01', '연습 희망')");
    sqlExec("INSERT INTO T_생활기록 VALUES ('202401001', 1, '2024-03-02', '성실함')");
    sqlExec("INSERT INTO T_심사 (회원번호, 승급일자, 심사명, 급품코드, 심사결과평가내용) VALUES ('202401001', '2024-04-01', 3, '05', '잘함')");
    sqlExec("INSERT INTO T_급별수련내용 (급품코드, 기본예절, 품새) VALUES ('05', '인사', '태극3장')");
    sqlExec("INSERT INTO T_상장목록 (상장코드, 상장명) VALUES ('01', '우수상장')");
    sqlExec("INSERT INTO T_상장지급 VALUES ('202401001', '2024-02-10', '01', 1, '반장', NULL)");
    sqlExec("INSERT INTO T_체력측정항목 VALUES ('01', '윗몸일으키기')");
    sqlExec("INSERT INTO T_체력측정항목 VALUES ('02', '제자리멀리뛰기')");
    sqlExec("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, 비만도) VALUES ('202401001', '2024-01-10', 100, 20, 10)");
    sqlExec("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, 비만도) VALUES ('202401001', '2024-04-10', 110.5, 22, 12)");
    sqlExec("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, 비만도) VALUES ('202401003', '2024-02-10', 50, 10, 5)");
    sqlExec("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, 비만도) VALUES ('202401003', '2024-04-10', 91.5, 18, 8)");
    sqlExec("INSERT INTO T_문체부 (연령, 구분, A01, A02, A13) VALUES (9, '1', 95, 21, 11)");
    sqlExec("INSERT INTO T_문체부 (연령, 구분, A01, A02, A13) VALUES (9, '0', 1, 1, 1)");
    sqlExec("INSERT INTO T_결석사유 VALUES ('01', '감기')");
    sqlExec("INSERT INTO T_결석 VALUES ('202401001', '2024-03-05', '01', '연락함', NULL)");
    sqlExec("INSERT INTO T_수련비납부 VALUES ('202401001', '202404', 1, '2024-04-05', 120000, '카드')");
    sqlExec("INSERT INTO T_뱃지항목 VALUES ('01', '성실뱃지')");
    sqlExec("INSERT INTO T_뱃지지급 VALUES ('202401001', '01', '2024-02-20')");
    sqlExec("INSERT INTO T_벌점항목 VALUES ('01', '청소', 2)");
    sqlExec("INSERT INTO T_벌점 VALUES ('202401001', 1, '2024-03-10', '01', NULL)");
    sqlExec("INSERT INTO T_벌점 VALUES ('202401001', 2, '2023-12-01', '01', NULL)");
    sqlExec("INSERT INTO T_집중도 VALUES ('202401001', '2024-02-01', 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61)");
    sqlExec("INSERT INTO T_행사목록 (행사코드, 행사명) VALUES ('01', '봄 소풍')");
    sqlExec("INSERT INTO T_행사참가 VALUES ('202401001', 1, '2024-04-20', '01', '참가', NULL)");
    sqlExec("INSERT INTO T_심사평가공지사항 VALUES ('202401001', 1, '2024-04-25', '다음 심사 6월')");
}
} // namespace

class TstUploadFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        fill();
    }
    void cleanup() { m_db.reset(); }

    void listsCurrentTraineesNotOnLeave()
    {
        TfUploadCreate2 screen;
        screen.btn_RefreshClick();
        QCOMPARE(screen.list()->rowCount(), 3);
        QCOMPARE(screen.list()->texts().first(),
                 (QStringList{"202401001", "홍길동", "초등1학년부", "5급", "2024-01-02", "1501013123456", "남", "2015-01-01", "", "", "",
                              "hong@mail.kr", "010-1111-2222"}));
        QVERIFY(screen.list()->ticked(0) && screen.list()->ticked(2));
        screen.Com_Name->setText("영");
        screen.btn_RefreshClick();
        QCOMPARE(screen.list()->text(0, 1), QString("김영희"));
        QCOMPARE(screen.list()->rowCount(), 1);
        screen.Com_Name->setText("없는이름");
        screen.btn_RefreshClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("조건에 맞는 자료가 없습니다."));
    }

    void filesMatchTheirLayouts_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("golden");
        QTest::newRow("trainee records") << 1 << "인터넷통보자료/수련생자료/수련생자료.txt" << "수련생자료.txt";
        QTest::newRow("newsletter") << 2 << "인터넷통보자료/통신문/통신문.txt" << "통신문.txt";
        QTest::newRow("sms") << 9 << "인터넷통보자료/SMS/SMS전송.txt" << "SMS전송.txt";
    }
    void filesMatchTheirLayouts()
    {
        QFETCH(int, screen);
        QFETCH(QString, path);
        QFETCH(QString, golden);
        std::unique_ptr<UploadScreen> w;
        if (screen == 1)
            w = std::make_unique<TfUploadCreate1>();
        else if (screen == 2)
            w = std::make_unique<TfUploadCreate2>();
        else
            w = std::make_unique<TfUploadCreate9>();
        w->btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("자료를 조회하세요."));
        w->btn_RefreshClick();
        if (screen == 1)
            w->list()->setTicked(2, false); // the trainee records of 홍길동 (every block) and 김영희 (none)
        w->btn_PrintClick();
        QVERIFY(m_db->dialogs().lastText().endsWith(" 파일이 생성되었습니다."));
        QCOMPARE(written(path), ::golden(golden));
        // Nothing ticked: the first line alone.
        for (int r = 0; r < w->list()->rowCount(); ++r)
            w->list()->setTicked(r, false);
        w->btn_PrintClick();
        QCOMPARE(written(path), ::golden(golden).left(::golden(golden).indexOf("\r\n") + 2));
    }
};

QTEST_MAIN(TstUploadFiles)
#include "tst_uploadfiles.moc"
