// Enrolment consultations: numbering, the query filters, the entry tab and the two-up address labels.
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "operations/Consultations.h"
#include "operations/uCon0010.h"
#include "report/AddressLabels.h"
#include "report/Report.h"
#include "support/TestDb.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/ListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

void consult(int no, const QString& name, const QString& date, const QString& counsellor = "김관장", const QString& motive = "03")
{
    db::run("INSERT INTO T_입관상담 (순번, 상담일자, 수련생명, 부모명, 주소, 우편번호, 상담자, 방문동기, 학교) "
            "VALUES (:no, :d, :n, :p, :a, '12345', :c, :m, '한빛초')",
            {{"no", no}, {"d", date}, {"n", name}, {"p", name + "부모"}, {"a", name + " 주소"}, {"c", counsellor}, {"m", motive}});
}

QList<report::AddressLabel> labels(int n)
{
    QList<report::AddressLabel> out;
    for (int i = 1; i <= n; ++i)
        out.append({"주소" + QString::number(i), "부모" + QString::number(i), "이름" + QString::number(i), "0000" + QString::number(i % 10)});
    return out;
}

} // namespace

class TestConsult : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void labelPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("threeDigits");
        QTest::addColumn<QString>("lastRow");    // seqno|f01 of the last print row
        QTest::addColumn<bool>("lastHasRight");  // whether its right label is filled
        QTest::addColumn<int>("rows");
        QTest::newRow("three") << 3 << false << "1|2" << false << 2;
        QTest::newRow("four") << 4 << false << "1|2" << true << 2;
        QTest::newRow("a full page") << 24 << false << "1|12" << true << 12;
        QTest::newRow("twenty-five") << 25 << false << "2|1" << false << 13;
        QTest::newRow("three digits") << 25 << true << "2|001" << false << 13;
    }
    void labelPages()
    {
        QFETCH(int, count);
        QFETCH(bool, threeDigits);
        QFETCH(QString, lastRow);
        QFETCH(bool, lastHasRight);
        QFETCH(int, rows);
        report::PrintJob job;
        report::fillAddressLabels(job, labels(count), threeDigits ? report::LabelRowNumber::ThreeDigits : report::LabelRowNumber::Plain);
        QCOMPARE(db::scalar("SELECT count(*) FROM print").toInt(), rows);
        db::Query q("SELECT * FROM print ORDER BY seqno, CAST(f01 AS INTEGER)");
        q.open();
        QString last;
        bool right = false;
        while (q.next()) {
            last = q.str("seqno") + "|" + q.str("f01");
            right = !q.str("가정통신2").isEmpty();
        }
        QCOMPARE(last, lastRow);
        QCOMPARE(right, lastHasRight);
        // The first row holds labels 1 and 2, left and right.
        QCOMPARE(db::scalarText("SELECT f04 FROM print WHERE seqno = 1 AND f01 IN ('1', '001')"), QStringLiteral(" (이름1) 귀하"));
        if (count >= 2)
            QCOMPARE(db::scalarText("SELECT 구분4 || 구분3 || 구분5 FROM print WHERE seqno = 1 AND f01 IN ('1', '001')"),
                     QStringLiteral(" (이름2) 귀하부모200002"));
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/dm.rpt"), ProgramDir::file("report/dm.rpt")));
        const auto doc = job.render("dm.rpt");
        QVERIFY(doc.has_value());
        QCOMPARE(doc->pages.size(), (count + 23) / 24);
    }

    void numberingAndFilters()
    {
        QCOMPARE(Consultations::nextNo(), 1);
        consult(1, "홍길동", "2024-05-01");
        consult(7, "100%김", "2024-05-10", "박사범", "05");
        consult(3, "이몽룡", "2024-04-20");
        QCOMPARE(Consultations::nextNo(), 8);
        QCOMPARE(Consultations::total(), 3);
        auto names = [](const Consultations::Filter& f) {
            QStringList out;
            for (const QStringList& r : Consultations::find(f))
                out.append(r[Consultations::Name]);
            return out;
        };
        Consultations::Filter f;
        QCOMPARE(names(f), (QStringList{"홍길동", "이몽룡", "100%김"})); // by 순번
        f.name = "%";
        QCOMPARE(names(f), QStringList{"100%김"}); // a typed % is a character
        f = {};
        f.counsellor = "박";
        QCOMPARE(names(f), QStringList{"100%김"});
        f = {};
        f.byConsultDate = true;
        f.consultFrom = QDate(2024, 5, 1);
        f.consultTo = QDate(2024, 5, 31);
        QCOMPARE(names(f), (QStringList{"홍길동", "100%김"}));
        f.motiveCode = "03";
        QCOMPARE(names(f), QStringList{"홍길동"});
        QCOMPARE(Consultations::find(f).first()[Consultations::Motive], QStringLiteral("전단지"));
    }

    void entryTab()
    {
        consult(4, "홍길동", "2024-05-01");
        TfCon0010 w;
        QVERIFY(!w.Btn_Insert->isEnabled() && w.Btn_Dm->isEnabled()); // the query tab
        w.Btn_InsertClick();
        QCOMPARE(w.PageControl1->currentIndex(), int(TfCon0010::PgEntry));
        QVERIFY(w.DBEdit_Name->isEnabled() && w.Btn_Ok->isEnabled());
        w.DBEdit_Name->setText("성춘향");
        w.DBEdit_Counsel->setText("김관장");
        w.DBEdit_Phone->setText("1234-5678");
        w.DBEdit_Age->setText("8");
        w.DBCom_Visit->setCode("05");
        w.Btn_OkClick();
        QCOMPARE(db::scalarText("SELECT 수련생명 || 나이 || 전화번호 || 방문동기 FROM T_입관상담 WHERE 순번 = 5"),
                 QStringLiteral("성춘향81234-567805"));
        QVERIFY(!w.DBEdit_Name->isEnabled());
        QCOMPARE(w.total_num->text(), QStringLiteral("2"));

        // Edit and delete need a chosen row of the result list.
        w.Btn_SearchClick(); // back to the query tab
        w.Btn_SearchClick();
        QCOMPARE(w.results()->rowCount(), 2);
        QVERIFY(w.results()->ticked(1));
        w.Btn_EditClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("선택된 항목이 없습니다."));
        w.setCurrentResult(0);
        w.Btn_EditClick();
        QCOMPARE(w.DBEdit_Name->text(), QStringLiteral("홍길동"));
        w.DBEdit_Name->setText("홍길순");
        w.Btn_OkClick();
        QCOMPARE(db::scalarText("SELECT 수련생명 FROM T_입관상담 WHERE 순번 = 4"), QStringLiteral("홍길순"));
        w.Btn_DeleteClick();
        w.Btn_OkClick();
        QCOMPARE(Consultations::total(), 1);
    }

    void nameKeepsItsByteWidth()
    {
        TfCon0010 w;
        w.Btn_InsertClick();
        for (QChar c : QStringLiteral("가나다라마바")) { // typed one syllable at a time
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w.DBEdit_Name, &key);
        }
        QCOMPARE(w.DBEdit_Name->text(), QStringLiteral("가나다라마")); // ten bytes
    }

    // The service holds the same byte widths whoever calls it.
    void serviceRefusesWiderTexts()
    {
        Consultations::Record r;
        r.no = 1;
        r.name = QStringLiteral("가나다라마바");
        try {
            Consultations::insert(r);
            QFAIL("the consultation was written");
        } catch (const db::Error& e) {
            QCOMPARE(e.message(), QStringLiteral("수련생명은(는) 10바이트(한글 5자)까지 입력할 수 있습니다. (12바이트 입력)"));
        }
        QCOMPARE(Consultations::total(), 0);
    }
};

QTEST_MAIN(TestConsult)
#include "tst_consult.moc"
