// Membership cards and the roster.
#include "forms/MembershipCards.h"
#include "forms/Roster.h"
#include "forms/uPri0040.h"
#include "forms/uPri8030.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "report/Barcode.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "support/TestDb.h"
#include "ui/DivisionFilter.h"
#include "ui/MemberChooser.h"
#include "ui/SchoolYearFilter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& division, const QString& rank = "03",
            const QString& grade = "초등 3", const QString& out = QString())
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 학년, 전화번호, 입관일, 퇴관일) "
            "VALUES (:no, :n, '남', '2015-03-04', :bu, :r, :g, '02-123-4567', '2023-01-05', :o)",
            {{"no", no}, {"n", name}, {"bu", division}, {"r", rank}, {"g", grade}, {"o", out.isEmpty() ? QVariant() : QVariant(out)}});
}

bool hasImage(const report::Document& doc)
{
    for (const report::Page& p : doc.pages)
        for (const report::Item& i : p.items)
            if (i.kind == report::Item::Image)
                return true;
    return false;
}

// The barcodes a decoder reads on one page painted as a scanner would see it (300 dpi), in reading order.
QStringList scanned(const report::Page& page, const QString& dir)
{
    const double k = 300 / 25.4;
    QImage image(int(210 * k), int(297 * k), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    report::paintPage(page, p, k);
    p.end();
    const QString file = dir + "/page.png";
    if (!image.save(file))
        return {"(그림 저장 실패)"};
    QProcess zbar;
    zbar.start("zbarimg", {"--quiet", "--raw", "-Sdisable", "-Scode128.enable", file});
    if (!zbar.waitForFinished(60000) || zbar.exitStatus() != QProcess::NormalExit)
        return {"(zbarimg 없음: " + zbar.errorString() + ")"};
    QStringList out = QString::fromLatin1(zbar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    out.sort();
    return out;
}

} // namespace

class TestCardsRoster : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        db::run("INSERT INTO T_도장정보 (도장명, 관장명) VALUES ('한빛 태권도', '김관장')");
        QDir().mkpath(ProgramDir::file("report"));
        for (const QString name : {"관원증1.rpt", "관원증2.rpt", "수련명부.rpt"})
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
        m_out.runs.clear();
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void sevenCardsOnThreePages()
    {
        const QStringList names = {"가", "나", "다", "라", "마", "바", "사"};
        for (int i = 0; i < names.size(); ++i)
            member(QString("20230100%1").arg(i + 1), names[i] + "철수", "05");
        member("202301009", "아퇴관", "05", "03", "초등 3", "2024-01-01");
        member("202301010", "자다른부", "06");
        QVERIFY(MembershipCards::printDivision("05", false, report::Preview));
        QStringList pages;
        db::Query q("SELECT 발부일자, seqno, f02 FROM print WHERE seqno < 999 ORDER BY seqno");
        q.open();
        while (q.next())
            pages << q.str("발부일자") + ":" + q.str("f02");
        QCOMPARE(pages, (QStringList{"00000001:가철수", "00000001:나철수", "00000001:다철수", "00000002:라철수", "00000002:마철수",
                                     "00000002:바철수", "00000003:사철수"}));
        QCOMPARE(db::scalar("SELECT count(*) FROM print WHERE 발부일자 = '99999999'").toInt(), 1);
        const report::Document& doc = m_out.last().doc;
        QCOMPARE(doc.pages.size(), 3);
        QVERIFY(doc.pages[0].contains("성      명 : 가철수"));
        QVERIFY(doc.pages[2].contains("성      명 : 사철수"));
        QVERIFY(doc.texts().contains("한빛 태권도"));
    }

    // A card scanned at the door gives back its member number, on the layouts of both kinds of paper and
    // on the single card; the printed fields keep their places beside it.
    void cardBarcodesScanBackToTheNumber()
    {
        member("202301001", "가철수", "05");
        member("202301002", "나철수", "05");
        member("202312345", "다철수", "05");
        member("202301004", "라철수", "05");
        for (bool forms : {false, true}) {
            QVERIFY(MembershipCards::printDivision("05", forms, report::Preview));
            const report::Document& doc = m_out.last().doc;
            QCOMPARE(doc.pages.size(), 2);
            QCOMPARE(scanned(doc.pages[0], m_db->dir()), (QStringList{"202301001", "202301002", "202312345"}));
            QCOMPARE(scanned(doc.pages[1], m_db->dir()), (QStringList{"202301004"}));
            QVERIFY(doc.pages[0].contains(forms ? "202301001" : "No. 202301001"));
        }
        TfPri0040 w;
        w.Com_Name->setMemberNo("202312345");
        QVERIFY(w.run(report::Preview));
        QCOMPARE(scanned(m_out.last().doc.pages[0], m_db->dir()), (QStringList{"202312345"}));
        // A value Code 128 cannot carry draws no bars at all rather than wrong ones.
        QVERIFY(report::code128("홍길동", QSizeF(30, 6)).isNull());
        QVERIFY(!report::code128("202301001", QSizeF(30, 6)).isNull());
    }

    void singleCardByNumberWithItsPhoto()
    {
        member("202301001", "홍길동", "05");
        member("202302001", "홍길동", "06"); // a namesake in another division
        TfPri0040 w;
        w.Com_Name->setMemberNo("202302001");
        QVERIFY(w.run(report::Preview));
        const report::Document& doc = m_out.last().doc;
        QCOMPARE(doc.pages.size(), 1);
        QVERIFY(doc.texts().contains("No. 202302001"));
        QVERIFY(doc.texts().contains("소      속 : 초등4학년부"));
        QVERIFY(doc.texts().contains("사   진"));
        QVERIFY(!hasImage(doc)); // no photograph: an empty frame

        QDir().mkpath(ProgramDir::file("images"));
        QImage photo(40, 50, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        QVERIFY(photo.save(ProgramDir::file("images/202302001.bmp")));
        w.rdo_Forms->setChecked(true);
        QVERIFY(w.run(report::Preview));
        QVERIFY(hasImage(m_out.last().doc));
        QVERIFY(!m_out.last().doc.texts().contains("관 원 증"));
        QVERIFY(m_out.last().doc.texts().contains("홍길동"));
    }

    void rosterFiltersAndPrints()
    {
        member("202301001", "홍길동", "05", "03", "초등 3");
        member("202301002", "김철수", "05", "06", "초등 4");
        member("202301003", "이영희", "12", "06", "일반");
        member("202301004", "박퇴관", "05", "03", "초등 3", "2024-01-01");
        TfPri8030 w;
        w.com_bu->setCurrentText("     초등부");
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 2);
        QCOMPARE(w.rows()[0].name, QString("김철수")); // higher rank first
        w.com_Year->setCurrentText("초등 3");
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 1);

        w.com_Year->setCurrentIndex(1); // 전체
        w.com_bu->setCurrentIndex(1);   // 전체
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 3);
        w.rows()[2].ticked = false;
        w.edt_Title->setText("여름 캠프");
        QVERIFY(w.Btn_PrintClick(report::Preview));
        QCOMPARE(db::scalar("SELECT count(*) FROM print WHERE seqno < 100000").toInt(), 2);
        QCOMPARE(db::scalar("SELECT f08 FROM print WHERE seqno = 1").toString(), QString("여름 캠프 "));
        QCOMPARE(db::scalar("SELECT association FROM print WHERE seqno = 1").toString(), QString("한빛 태권도"));
        QVERIFY(m_out.last().doc.texts().contains("여름 캠프 수련생 명부"));
    }
};

QTEST_MAIN(TestCardsRoster)
#include "tst_cardsroster.moc"
