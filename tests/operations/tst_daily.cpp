// Daily status: the movements of a date, the day's training lines (one row a date) and the day sheet.
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "operations/DailyStatus.h"
#include "operations/uDaily.h"
#include "report/Report.h"
#include "support/TestDb.h"
#include "ui/DateEdit.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void member(const QString& no, const QString& name, const QString& column = {}, const QString& date = {})
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 입관일) VALUES (:no, :n, '05', '2024-01-02')", {{"no", no}, {"n", name}});
    if (!column.isEmpty())
        db::run("UPDATE T_회원 SET " + column + " = :d WHERE 회원번호 = :no", {{"d", date}, {"no", no}});
}

void absent(const QString& no, const QString& date)
{
    db::run("INSERT INTO T_결석 (회원번호, 결석일자) VALUES (:no, :d)", {{"no", no}, {"d", date}});
}

} // namespace

class TestDaily : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void movementsOfADate()
    {
        const QString d = "2024-05-15";
        member("202405001", "새회원", "입관일", d);
        member("202401002", "퇴관생", "퇴관일", d);
        member("202401003", "휴관생", "휴관일", d);
        member("202401004", "휴복귀", "복관일휴", d);
        member("202401005", "퇴복귀", "복관일퇴", d);
        member("202401006", "결석생");
        member("202401007", "다른날", "퇴관일", "2024-05-14");
        absent("202401006", d);
        absent("209901999", d); // a member no longer on the books
        const DailyStatus::Movements m = DailyStatus::read(QDate(2024, 5, 15));
        QCOMPARE(m.names[DailyStatus::Enrolled], QStringList{"새회원"});
        QCOMPARE(m.names[DailyStatus::Withdrawn], QStringList{"퇴관생"});
        QCOMPARE(m.names[DailyStatus::Leave], QStringList{"휴관생"});
        QCOMPARE(m.names[DailyStatus::Returned].size(), 2); // back from leave and from withdrawal
        QVERIFY(m.names[DailyStatus::Returned].contains("휴복귀") && m.names[DailyStatus::Returned].contains("퇴복귀"));
        QCOMPARE(m.names[DailyStatus::Absent].size(), 2);
        QVERIFY(m.names[DailyStatus::Absent].contains(QString()));
        QCOMPARE(DailyStatus::nameBox({"가", "나"}), QStringLiteral("가/나/"));
    }

    void newSheetOnAWrittenDateLeavesOneRow()
    {
        TfDaily w;
        w.dtpk_Date->setDate(QDate(2024, 5, 15));
        w.Btn_InsertClick();
        w.edt_Colour[0]->setText("발차기");
        w.edt_Poom[7]->setText("품새 고려");
        w.Btn_OkClick();
        // "입     력" again: the boxes start empty and "확     인" writes over the day's row, empty lines too.
        w.Btn_InsertClick();
        QVERIFY(w.edt_Colour[0]->text().isEmpty());
        w.edt_Colour[1]->setText("줄넘기");
        w.Btn_OkClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_일일현황").toInt(), 1);
        DailyStatus::Content c;
        QVERIFY(DailyStatus::load(QDate(2024, 5, 15), &c));
        QCOMPARE(c.colour.mid(0, 2), (QStringList{"", "줄넘기"}));
        QCOMPARE(c.poom[7], QString());
        w.Btn_SearchClick();
        QCOMPARE(w.edt_Colour[1]->text(), QStringLiteral("줄넘기"));
        w.Btn_DeleteClick();
        w.Btn_OkClick();
        QCOMPARE(db::scalar("SELECT count(*) FROM T_일일현황").toInt(), 0);
    }

    void daySheet()
    {
        member("202405001", "새회원", "입관일", "2024-05-15");
        absent("202405001", "2024-05-15");
        TfDaily w;
        w.dtpk_Date->setDate(QDate(2024, 5, 15));
        w.Btn_SearchClick();
        QCOMPARE(w.lbl_Count[DailyStatus::Enrolled]->text(), QStringLiteral("1"));
        QCOMPARE(w.edt_Names[DailyStatus::Absent]->text(), QStringLiteral("새회원/"));
        w.Btn_EditClick();
        w.edt_Colour[6]->setText(" 일곱째 ");
        w.edt_Poom[0]->setText("유품 첫째");
        QString counts[DailyStatus::KindCount], boxes[DailyStatus::KindCount];
        for (int k = 0; k < DailyStatus::KindCount; ++k) {
            counts[k] = w.lbl_Count[k]->text();
            boxes[k] = w.edt_Names[k]->text();
        }
        report::PrintJob job;
        DailyStatus::fillSheet(job, QDate(2024, 5, 15), counts, boxes, w.content(), "한빛도장");
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/일일현황.rpt"), ProgramDir::file("report/일일현황.rpt")));
        const auto doc = job.render("일일현황.rpt");
        QVERIFY(doc.has_value());
        db::Query q("SELECT * FROM print WHERE f01 = '2024-05-15'");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("f02"), QStringLiteral("입 관 : 1  퇴 관 : 0  휴 관 : 0  복 관 : 0  결 석 : 1"));
        QCOMPARE(q.str("f03"), QStringLiteral("새회원/"));
        QCOMPARE(q.str("가정통신9"), QStringLiteral("일곱째")); // what the screen shows, saved or not
        QCOMPARE(q.str("가정통신1"), QStringLiteral("유품 첫째"));
        QCOMPARE(q.str("association"), QStringLiteral("한빛도장"));
        QVERIFY(doc->texts().contains("일곱째"));
    }
};

QTEST_MAIN(TestDaily)
#include "tst_daily.moc"
