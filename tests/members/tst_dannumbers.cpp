// Batch Dan numbers: lines for a national examination, written into the register and the members'
// "국기원" examination records through the register's save.
#include "stats/QueryFixture.h"

#include "db/Query.h"
#include "members/DanNumbers.h"
#include "members/uDanNoInput.h"
#include "stats/TotModels.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using DanNumbers::Application;

namespace {

int count(const QString& sql) { return db::scalar(sql).toInt(); }

QList<Application> linesFor(const QString& exam = "31", const QDate& date = QDate(2024, 6, 1))
{
    QList<Application> rows;
    tot::Problem p;
    if (!DanNumbers::lines(NationalApplications::Filter(), exam, date, "12", "1품/1단", &rows, &p))
        qWarning("refused: %s", qPrintable(p.message));
    return rows;
}

QString national(const QString& columns)
{
    return db::scalarText("SELECT " + columns + " FROM T_심사 WHERE 심사구분 = '국기원'");
}

} // namespace

class TstDanNumbers : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        fixture::member({.no = "202401001", .name = "김단", .division = "12", .rank = "11"});
        fixture::member({.no = "202401002", .name = "이단", .division = "12", .rank = "11", .leave = "2024-03-01"});
        fixture::member({.no = "202401003", .name = "박퇴관", .rank = "11", .out = "2024-03-01"});
    }
    void cleanup() { m_db.reset(); }

    void linesAndRefusals()
    {
        QList<Application> rows = linesFor();
        QCOMPARE(rows.size(), 2); // withdrawn left out, on leave listed
        QCOMPARE(rows[0].memberNo, QString("202401001"));
        QCOMPARE(rows[0].rankCode + rows[0].rankName + rows[0].examNo + rows[0].examDate, QString("121품/1단312024-06-01"));
        QVERIFY(!rows[0].include);
        tot::Problem p;
        QVERIFY(!DanNumbers::lines({}, "", QDate(2024, 6, 1), "12", "1품/1단", &rows, &p));
        QCOMPARE(p.message, QString("심사명을 입력하세요."));
        QVERIFY(!DanNumbers::lines({}, "31", QDate(2024, 6, 1), "", "", &rows, &p));
        QCOMPARE(p.message, QString("급품을 선택하세요."));
    }

    // Twice the same line: one register row, one national record; a certificate number given later
    // reaches that record, a corrected date moves it, and a school examination of that day stays.
    void confirmKeepsOneRecord()
    {
        fixture::exam("202401001", "2024-06-15", 12, "체육관", "10", {80, 80}, 80);
        QList<Application> rows = linesFor();
        rows[0].include = true;
        rows[0].applicantNo = "A-7";
        tot::Problem p;
        QCOMPARE(DanNumbers::confirm(rows, &p), 1);
        QCOMPARE(DanNumbers::confirm(rows, &p), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사구분 = '국기원'"), 1);
        QCOMPARE(national("승급일자 || '/' || 심사명 || '/' || 평가 || '/' || 급품코드"), QString("2024-06-01/31/합격/12"));

        rows[0].certificateNo = "D-500";
        DanNumbers::confirm(rows, &p);
        QCOMPARE(national("단증번호"), QString("D-500"));

        rows[0].examDate = "2024-06-15"; // corrected onto the day of a school examination
        DanNumbers::confirm(rows, &p);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사구분 = '국기원'"), 1);
        QCOMPARE(national("승급일자 || '/' || 심사일자 || '/' || 단증번호"), QString("2024-06-15/2024-06-15/D-500"));
        QCOMPARE(db::scalarText("SELECT 심사명 || '/' || 평균 || '/' || IIf(단증번호 = '', '-', 단증번호) FROM T_심사 WHERE 심사구분 = '체육관'"),
                 QString("12/80/-"));
        QCOMPARE(db::scalarText("SELECT 심사일자 FROM T_국기원승품"), QString("2024-06-15"));
    }

    // Every ticked line is checked before anything is written; the message names the line.
    void badLineWritesNothing()
    {
        QList<Application> rows = linesFor();
        rows[0].include = rows[1].include = true;
        rows[1].examNo = "3l";
        tot::Problem p;
        QCOMPARE(DanNumbers::confirm(rows, &p), 0);
        QCOMPARE(p.message, QString("이단: 심사명은 숫자로 입력하세요."));
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품"), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_심사"), 0);
    }

    void windowEntersAndConfirms()
    {
        TfrmDanNoInput w;
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("심사명을 입력하세요."));
        w.examname->setText("31");
        w.Com_Belt->setCurrentIndex(w.Com_Belt->findText("12)", Qt::MatchStartsWith));
        w.Btn_InsertClick();
        QCOMPARE(w.rows().size(), 2);
        QVERIFY(w.Btn_Confirm->isEnabled());
        w.model()->setData(w.model()->index(0, ApplicationModel::Check), Qt::Checked, Qt::CheckStateRole);
        w.model()->setData(w.model()->index(0, ApplicationModel::Applicant), "A-1", Qt::EditRole);
        w.Btn_ConfirmClick();
        QCOMPARE(db::scalarText("SELECT 회원번호 || '/' || 응심번호 FROM T_국기원승품"), QString("202401001/A-1"));
        QVERIFY(!w.Btn_Confirm->isEnabled());
        w.Btn_QueryClick();
        QCOMPARE(w.rows().size(), 1);
        QVERIFY(w.Btn_Edit->isEnabled());
    }
};

QTEST_MAIN(TstDanNumbers)
#include "tst_dannumbers.moc"
