// Lists saved as Excel workbooks and CSV: the cells carry their types, the header row is frozen, and a
// screen's saved rows are the rows it shows.
#include "support/TestDb.h"

#include "fees/FeeFixture.h"
#include "fees/FeeUnpaidPage.h"
#include "fees/uFee0010.h"
#include "cashbook/uMon0010.h"
#include "db/Query.h"
#include "ui/StatusLine.h"
#include "report/ListExport.h"
#include "report/ExportButtons.h"
#include "ui/ListModel.h"

#include <QDateEdit>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTest>

namespace {

QString unzipped(const QString& file, const QString& member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The sheet's cells by reference ("C6"): shared strings resolved, each with its type ("s" text, "n" number).
struct Cell {
    QString type;
    QString value;
    int style = 0;
};
QHash<QString, Cell> cells(const QString& file)
{
    QStringList shared;
    static const QRegularExpression si(QStringLiteral("<si><t[^>]*>([^<]*)</t></si>"));
    for (auto it = si.globalMatch(unzipped(file, QStringLiteral("xl/sharedStrings.xml"))); it.hasNext();)
        shared << it.next().captured(1);
    QHash<QString, Cell> out;
    static const QRegularExpression c(QStringLiteral("<c r=\"([A-Z]+\\d+)\"( s=\"(\\d+)\")?( t=\"(\\w+)\")?>(<v>([^<]*)</v>)?</c>"));
    for (auto it = c.globalMatch(unzipped(file, QStringLiteral("xl/worksheets/sheet1.xml"))); it.hasNext();) {
        const auto m = it.next();
        Cell cell{m.captured(5).isEmpty() ? QStringLiteral("n") : m.captured(5), m.captured(7), m.captured(3).toInt()};
        if (cell.type == "s")
            cell.value = shared.value(cell.value.toInt());
        out.insert(m.captured(1), cell);
    }
    return out;
}

} // namespace

class TestListExport : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void workbookCellsCarryTheirTypes()
    {
        QStandardItemModel model(0, 6);
        model.setHorizontalHeaderLabels({"회원번호", "회 원 명", "수련비", "납부일자", "비고", "부별코드"});
        model.appendRow({new QStandardItem("202405001"), new QStandardItem("홍길동"), new QStandardItem("1,234,000"),
                         new QStandardItem("2024-05-03"), new QStandardItem(""), new QStandardItem("01")});
        model.appendRow({new QStandardItem("202405002"), new QStandardItem("김 & <이>"), new QStandardItem("-50,000원"),
                         new QStandardItem("2024-13-01"), new QStandardItem("면제"), new QStandardItem("007")});
        listexport::Table t;
        t.title = "미납현황/납부 통지서";
        t.filters = {"부별: 전체"};
        t.model = &model;
        const QString file = m_db->dir() + "/" + listexport::suggestedName(t.title, QDate(2024, 5, 15), "xlsx");
        QVERIFY(file.endsWith("/미납현황_납부_통지서_20240515.xlsx"));
        QString error;
        QVERIFY2(listexport::writeXlsx(file, t, &error), qPrintable(error));

        const auto c = cells(file);
        // School, title, one filter, a blank line, then the titles on row 5.
        QCOMPARE(c.value("A2").value, QString("미납현황/납부 통지서"));
        QCOMPARE(c.value("A3").value, QString("부별: 전체"));
        QCOMPARE(c.value("B5").value, QString("회 원 명"));
        struct Expect {
            const char* ref;
            const char* type;
            QString value;
        };
        const QList<Expect> expected = {
            {"A6", "s", "202405001"},  {"B6", "s", "홍길동"},   {"C6", "n", "1234000"},
            {"D6", "n", QString::number(QDate(1899, 12, 30).daysTo(QDate(2024, 5, 3)))},
            {"F6", "s", "01"},         {"A7", "s", "202405002"}, {"B7", "s", "김 &amp; &lt;이&gt;"},
            {"C7", "n", "-50000"},     {"D7", "s", "2024-13-01"}, {"E7", "s", "면제"}, {"F7", "s", "007"},
        };
        for (const Expect& e : expected) {
            QVERIFY2(c.contains(e.ref), e.ref);
            QCOMPARE(c.value(e.ref).type, QString(e.type));
            QCOMPARE(c.value(e.ref).value, e.value);
        }
        QVERIFY(!c.contains("E6")); // an empty cell stays empty
        QVERIFY(c.value("C6").style != 0 && c.value("D6").style != 0 && c.value("C6").style != c.value("D6").style);

        const QString sheet = unzipped(file, "xl/worksheets/sheet1.xml");
        QVERIFY2(sheet.contains("ySplit=\"5\"") && sheet.contains("state=\"frozen\""), qPrintable(sheet.left(600)));
        const QString book = unzipped(file, "xl/workbook.xml");
        QVERIFY2(book.contains("name=\"미납현황_납부 통지서\""), qPrintable(book));
        const QString styles = unzipped(file, "xl/styles.xml");
        QVERIFY(styles.contains("formatCode=\"#,##0\"") && styles.contains("formatCode=\"yyyy-mm-dd\""));
    }

    // A list says what its columns hold, and a list shown a page at a time is saved whole.
    void declaredKindsAndLongListsSaved()
    {
        ListModel model({{"회원번호", 80, false, ListModel::Code}, {"금액", 80, false, ListModel::Money},
                         {"일자", 80, false, ListModel::Date}, {"비고", 80}});
        QList<QStringList> rows;
        for (int r = 0; r < 6001; ++r)
            rows.append({QString::number(100 + r), QString::number(1000 + r), "2024-05-03", "2024-05-04"});
        model.setRows(rows);
        QTableView view;
        ListModel::attach(&view, &model);
        QVERIFY(model.rowCount() < 6001 && model.canFetchMore({}));

        const listexport::Table t = ExportButtons::fromView(&view, "긴 목록");
        QCOMPARE(listexport::rows(t).size(), 6001);
        QCOMPARE(listexport::rows(t).last().first(), QString("6100"));
        const QString file = m_db->dir() + "/long.xlsx";
        QString error;
        QVERIFY2(listexport::writeXlsx(file, t, &error), qPrintable(error));
        const auto c = cells(file);
        // A plain figure is money only because its column says so; the number stays text; an
        // undeclared column is still read by its values.
        QCOMPARE(c.value("A5").type, QString("s"));
        QCOMPARE(c.value("B5").type, QString("n"));
        QCOMPARE(c.value("B5").value, QString("1000"));
        QCOMPARE(c.value("C5").type, QString("n"));
        QCOMPARE(c.value("D5").type, QString("n"));
    }

    void csvIsUtf8WithBomAndQuotedFields()
    {
        QStandardItemModel model(0, 3);
        model.setHorizontalHeaderLabels({"회원번호", "비고", "수련비"});
        model.appendRow({new QStandardItem("007"), new QStandardItem("말,\"큰\" 따옴표\n둘째 줄"), new QStandardItem("1,000")});
        listexport::Table t;
        t.title = "목록";
        t.model = &model;
        const QString file = m_db->dir() + "/list.csv";
        QString error;
        QVERIFY2(listexport::writeCsv(file, t, &error), qPrintable(error));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBF") + QString("회원번호,비고,수련비\r\n007,\"말,\"\"큰\"\" 따옴표\n둘째 줄\",1000\r\n").toUtf8()); // money as a plain number
    }

    // The unpaid list saved from the fee window's button: the file's rows are the rows on screen.
    void unpaidListSavedAsShown()
    {
        feefix::addMember({"202301001", "김하늘"});
        feefix::addMember({"202301002", "박산", "04", "2023-03-02", 80000});
        feefix::addMember({"202301003", "이바다"});
        feefix::pay("202301002", "202401", "2024-01-10", 80000);
        TfFee0010 w;
        w.selectPage(TfFee0010::PageUnpaid, true);
        w.pageUnpaid->dateHyun->setDate(QDate(2024, 5, 15));
        w.Btn_QueryClick();
        const QAbstractItemModel* shown = w.pageUnpaid->lvView2->model();
        QCOMPARE(shown->rowCount(), 3);

        auto* excel = w.findChild<QPushButton*>("btnExcel");
        QVERIFY(excel && excel->isVisibleTo(&w));
        m_db->dialogs().files << m_db->dir() + "/미납";
        excel->click();
        QCOMPARE(m_db->dialogs().log.last().kind, QString("save"));
        QVERIFY2(m_db->dialogs().log.last().dir.endsWith("미납현황_납부_통지서_20240515.xlsx"), qPrintable(m_db->dialogs().log.last().dir));
        const auto c = cells(m_db->dir() + "/미납.xlsx");
        QVERIFY(c.value("A3").value.contains("2024-05-15")); // the reference day among the filters
        // Only what selects the list: the notice settings below it are not filters.
        for (int r = 1; r < 40; ++r)
            QVERIFY(!c.value(QString("A%1").arg(r)).value.contains("발행날짜"));
        // The titles row, then one row per listed member: numbers as text with their zeros, names.
        auto heading = [&](int column) { return shown->headerData(column, Qt::Horizontal).toString().trimmed(); };
        int headerRow = 0;
        for (int r = 1; r < 40 && !headerRow; ++r)
            if (c.value(QString("A%1").arg(r)).value == heading(0) && c.value(QString("B%1").arg(r)).value == heading(1))
                headerRow = r;
        QVERIFY(headerRow > 3);
        for (int r = 0; r < shown->rowCount(); ++r) {
            const QString row = QString::number(headerRow + 1 + r);
            QCOMPARE(c.value("A" + row).type, QString("s"));
            QCOMPARE(c.value("A" + row).value, shown->data(shown->index(r, 0)).toString());
            QCOMPARE(c.value("B" + row).value, shown->data(shown->index(r, 1)).toString());
        }
        QVERIFY(!c.contains(QString("A%1").arg(headerRow + 1 + shown->rowCount())));
        QVERIFY(StatusLine::text().contains("미납.xlsx"));

        // Nothing listed: nothing saved, the user is told.
        w.pageUnpaid->model->setRows({}, false);
        m_db->dialogs().files << m_db->dir() + "/빈";
        excel->click();
        QVERIFY(!QFile::exists(m_db->dir() + "/빈.xlsx"));
        QCOMPARE(m_db->dialogs().lastText(), QString("저장할 자료가 없습니다. 먼저 조회하세요."));
    }

    // A month of the cash book: amounts arrive as numbers that add up, dates as dates, numbers keep their zeros.
    void cashBookAddsUpInTheSheet()
    {
        for (const auto& [date, seq, in, out] : QList<std::tuple<QString, int, qint64, qint64>>{
                 {"2024-05-03", 1, 80000, 0}, {"2024-05-03", 2, 0, 12500}, {"2024-05-20", 1, 1230000, 0}})
            db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번) "
                    "VALUES (:d, :s, '운영비', '기타', :i, :o, '', '')",
                    {{"d", date}, {"s", seq}, {"i", in}, {"o", out}});
        TfMon0010 w;
        w.showPage(TfMon0010::PgInquiry);
        w.dtpk_From->setDate(QDate(2024, 5, 1));
        w.dtpk_To->setDate(QDate(2024, 5, 31));
        w.Btn_QueryClick();
        QVERIFY(w.inquiryRows() >= 3);

        m_db->dialogs().files << m_db->dir() + "/출납";
        w.findChild<QPushButton*>("btnExcel")->click();
        const auto c = cells(m_db->dir() + "/출납.xlsx");
        int headerRow = 0;
        for (int r = 1; r < 40 && !headerRow; ++r)
            if (c.value(QString("A%1").arg(r)).value == "날짜")
                headerRow = r;
        QVERIFY(headerRow > 2);
        qint64 income = 0, expense = 0;
        for (int r = 0; r < w.inquiryRows(); ++r) {
            const QString row = QString::number(headerRow + 1 + r);
            QCOMPARE(c.value("A" + row).type, QString("n")); // a real date
            QCOMPARE(QDate(1899, 12, 30).addDays(c.value("A" + row).value.toLongLong()).toString("yyyy-MM-dd"),
                     w.inquiryCell(r, 0));
            if (!w.inquiryCell(r, 1).isEmpty())
                QCOMPARE(c.value("B" + row).value, w.inquiryCell(r, 1)); // "00001" stays text
            QCOMPARE(c.value("E" + row).type, QString("n")); // "0" too: the column is money
            QCOMPARE(c.value("F" + row).type, QString("n"));
            income += c.value("E" + row).value.toLongLong();
            expense += c.value("F" + row).value.toLongLong();
        }
        QCOMPARE(income, 80000 + 1230000);
        QCOMPARE(expense, 12500);
    }
};

QTEST_MAIN(TestListExport)
#include "tst_listexport.moc"
