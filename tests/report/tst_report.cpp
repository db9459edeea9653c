#include "support/TestDb.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "report/Layout.h"
#include "report/PageLayout.h"
#include "report/PreviewWindow.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace report;

namespace {

void putLayout(const QString& name, const QByteArray& text)
{
    QFile f(ProgramDir::file(QStringLiteral("report/") + name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void copyFixture(const QString& name)
{
    const QString to = ProgramDir::file(QStringLiteral("report/") + name);
    QFile::remove(to);
    QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/report/fixtures/") + name, to));
}

// Fills print through the job as a screen would and renders the test list.
Document renderList(const QList<QStringList>& lines)
{
    PrintJob job;
    int seq = 0;
    for (const QStringList& l : lines)
        job.add({{"seqno", ++seq}, {"G01", l[0]}, {"f04", l[1]}, {"f01", l[2]}, {"f02", l[3]}, {"f03", l[4]},
                 {"association", QStringLiteral("태권도장")}});
    QString error;
    auto doc = job.render(QStringLiteral("test_list.rpt"), QStringLiteral("명단"), &error);
    if (!doc)
        qWarning("%s", qPrintable(error));
    return doc.value_or(Document());
}

// The real output on a machine without a printer.
struct NoPrinter : QtReportOutput {
    QString defaultPrinterName() const override { return QString(); }
};

// The real output with a printer whose queue the printing system reports stopped.
struct StoppedPrinter : QtReportOutput {
    QString defaultPrinterName() const override { return QStringLiteral("사무실"); }
    QString refusal(const QString& printer, const QString& title) const override
    {
        return refusalOf(printer, title, QStringLiteral("5"), QStringLiteral("true"));
    }
};

} // namespace

class TstReport : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        ReportOutput::install(&m_out);
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        copyFixture(QStringLiteral("test_list.rpt"));
    }
    void cleanup()
    {
        ReportOutput::install(nullptr);
        m_db.reset();
    }

    void staging_columnsMatchWithoutCase()
    {
        sqlExec(QStringLiteral("INSERT INTO Print (SEQNO, F01, g01, Association, 가정통신16, 구분12, n13) "
                               "VALUES (1, 'a', '01', '도장', '문단', '1', 'x')"));
        QCOMPARE(db::scalarText(QStringLiteral("SELECT f01 & G01 & association FROM PRINT")), QStringLiteral("a01도장"));
    }

    void groupsTotalsAndPageNumbers()
    {
        // Two divisions given out of order by their keys; the layout sorts by G01, then seqno.
        QList<QStringList> lines;
        for (int i = 1; i <= 60; ++i)
            lines.append({QStringLiteral("02"), QStringLiteral("초등부"), QStringLiteral("초등%1").arg(i, 2, 10, QChar(u'0')),
                          QStringLiteral("2024-03-05"), QStringLiteral("80000")});
        lines.append({QStringLiteral("01"), QStringLiteral("유치부"), QStringLiteral("유치1"), QStringLiteral("2023-12-01"),
                      QStringLiteral("70000")});
        const Document doc = renderList(lines);
        QVERIFY(doc.pages.size() >= 2);

        const QStringList all = doc.texts();
        // Report header once, with the school name and the title given at run time.
        QCOMPARE(all.count(QStringLiteral("태권도장")), 1);
        QVERIFY(doc.pages[0].contains(QStringLiteral("명단")));
        // The 01 group comes first although its line was written last.
        const int kinder = int(all.indexOf(QStringLiteral("[01] 유치부 (1명)")));
        const int elem = int(all.indexOf(QStringLiteral("[02] 초등부 (60명)")));
        QVERIFY(kinder >= 0 && elem > kinder);
        QCOMPARE(all.indexOf(QStringLiteral("유치1")), kinder + 1);
        QVERIFY(all.indexOf(QStringLiteral("소계 1명")) > kinder && all.indexOf(QStringLiteral("소계 1명")) < elem);
        QVERIFY(all.contains(QStringLiteral("70,000원")));
        // Formats of the detail lines, and the totals.
        QVERIFY(all.contains(QStringLiteral("2024년 3월 5일")));
        QVERIFY(all.contains(QStringLiteral("소계 60명")));
        QVERIFY(all.contains(QStringLiteral("4,800,000원")));
        QVERIFY(doc.pages.last().contains(QStringLiteral("합계 61명")));
        QVERIFY(doc.pages.last().contains(QStringLiteral("4,870,000원")));
        // Every page has its header and "n / total".
        const QString total = QString::number(doc.pages.size());
        for (int p = 0; p < doc.pages.size(); ++p) {
            QVERIFY(doc.pages[p].contains(QStringLiteral("회원명")));
            QVERIFY2(doc.pages[p].contains(QStringLiteral("%1 / %2").arg(p + 1).arg(total)), qPrintable(total));
        }
        // Lines keep their order within the group and none is lost or doubled.
        QCOMPARE(all.filter(QStringLiteral("초등")).size() - 1, 60);
        QVERIFY(all.indexOf(QStringLiteral("초등09")) < all.indexOf(QStringLiteral("초등10")));
        // Nothing is drawn below the page footer's place.
        for (const Page& p : doc.pages)
            for (const Item& it : p.items)
                QVERIFY(it.rect.bottom() <= 297 - 15 + 0.01);
    }

    void emptyListGivesReportWithoutLines()
    {
        const Document doc = renderList({});
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Count(*) FROM print")), QStringLiteral("1"));
        QCOMPARE(doc.pages.size(), 1);
        const QStringList texts = doc.texts();
        QVERIFY(texts.contains(QStringLiteral("합계 0명")));
        QVERIFY(texts.contains(QStringLiteral("0원")));
        QVERIFY(texts.filter(QStringLiteral("소계")).isEmpty());
        QVERIFY(texts.filter(QStringLiteral("999")).isEmpty()); // the end row is no group and no line
        QVERIFY(texts.contains(QStringLiteral("1 / 1")));
    }

    void secondPrintHoldsOnlyItsOwnLines()
    {
        renderList({{QStringLiteral("01"), QStringLiteral("유치부"), QStringLiteral("첫째"), QString(), QStringLiteral("1")}});
        const Document doc = renderList({{QStringLiteral("01"), QStringLiteral("유치부"), QStringLiteral("둘째"), QString(),
                                          QStringLiteral("2")}});
        QVERIFY(doc.texts().contains(QStringLiteral("둘째")));
        QVERIFY(!doc.texts().contains(QStringLiteral("첫째")));
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Count(*) FROM print WHERE seqno = 100000")), QStringLiteral("1"));
    }

    void otherEndRowsAreNotPrinted()
    {
        putLayout(QStringLiteral("rows.rpt"), "order f05\n[detail 5]\ntext 0 0 50 5 \"<{f05}|{발부일자}>\"\n");
        PrintJob job;
        job.setEndRow(PrintJob::EndRow::None);
        job.add({{"f05", "01"}});
        addFitnessEndRow();
        addCardEndRow();
        addPlanEndRow();
        AddPrintEndRow();
        const auto doc = job.render(QStringLiteral("rows.rpt"));
        QVERIFY(doc);
        QCOMPARE(doc->texts(), QStringList{QStringLiteral("<01|>")});
    }

    void destinations()
    {
        PrintJob job;
        job.add({{"seqno", 1}, {"G01", "01"}, {"f01", QStringLiteral("홍길동")}});
        QVERIFY(job.run(QStringLiteral("test_list.rpt"), QStringLiteral("일일결석자"), Preview));
        QVERIFY(runLayout(QStringLiteral("report\\TEST_LIST.rpt"), QStringLiteral("일일결석자"), Printer));
        QCOMPARE(m_out.runs.size(), 2);
        QCOMPARE(m_out.runs[0].destination, 0);
        QCOMPARE(m_out.runs[0].title, QStringLiteral("일일결석자"));
        QVERIFY(m_out.runs[0].doc.texts().contains(QStringLiteral("홍길동")));
        QCOMPARE(m_out.runs[1].destination, 1);
    }

    // A printout that records (awards, receipts) does so once, when its pages first go out, and only
    // when they did go out.
    void recordsOnceWhenPagesFirstGoOut_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("printsFromPreview");
        QTest::addColumn<bool>("recordFails");
        QTest::addColumn<int>("recorded");
        QTest::addColumn<int>("printed");
        QTest::newRow("preview only") << int(Preview) << 0 << false << 0 << 0;
        QTest::newRow("preview, printed twice") << int(Preview) << 2 << false << 1 << 2;
        QTest::newRow("straight to the printer") << int(Printer) << 0 << false << 1 << 1;
        QTest::newRow("record fails: nothing goes out") << int(Printer) << 0 << true << 0 << 0;
        QTest::newRow("record fails in the preview") << int(Preview) << 1 << true << 0 << 0;
    }
    void recordsOnceWhenPagesFirstGoOut()
    {
        QFETCH(int, destination);
        QFETCH(int, printsFromPreview);
        QFETCH(bool, recordFails);
        QFETCH(int, recorded);
        QFETCH(int, printed);
        m_out.printsFromPreview = printsFromPreview;
        PrintJob job;
        job.add({{"seqno", 1}, {"G01", "01"}, {"f01", QStringLiteral("홍길동")}});
        const auto record = [&] {
            db::run(QStringLiteral("INSERT INTO T_상장지급 (회원번호, 순번) VALUES ('202401001', 1)"));
            if (recordFails)
                db::run(QStringLiteral("INSERT INTO 없는표 VALUES (1)"));
        };
        job.run(QStringLiteral("test_list.rpt"), QStringLiteral("상장"), destination, nullptr, record);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Count(*) FROM T_상장지급")), QString::number(recorded));
        int out = 0;
        for (const auto& r : m_out.runs)
            out += r.destination == Printer;
        QCOMPARE(out, printed);
        QCOMPARE(m_db->dialogs().saw(QStringLiteral("없는표")), recordFails);
    }

    void recordIsUndoneWhenThePrinterIsMissing()
    {
        NoPrinter none;
        ReportOutput::install(&none);
        PrintJob job;
        QVERIFY(!job.run(QStringLiteral("test_list.rpt"), QStringLiteral("상장"), Printer, nullptr,
                         [] { db::run(QStringLiteral("INSERT INTO T_상장지급 (회원번호, 순번) VALUES ('202401001', 1)")); }));
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Count(*) FROM T_상장지급")), QStringLiteral("0"));
    }

    void printerMissingIsSaid()
    {
        NoPrinter none;
        ReportOutput::install(&none);
        PrintJob job;
        QVERIFY(!job.run(QStringLiteral("test_list.rpt"), QStringLiteral("일일결석자"), Printer));
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("프린터가 없어")));
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("일일결석자")));
    }

    void printerRefusals_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("accepting");
        QTest::addColumn<QString>("says");
        QTest::newRow("idle") << "3" << "true" << "";
        QTest::newRow("printing") << "4" << "true" << "";
        QTest::newRow("queue stopped") << "5" << "true" << "대기열이 멈춰";
        QTest::newRow("not accepting jobs") << "3" << "false" << "작업을 받지 않아";
        QTest::newRow("attributes unknown") << "" << "" << "";
    }
    void printerRefusals()
    {
        QFETCH(QString, state);
        QFETCH(QString, accepting);
        QFETCH(QString, says);
        const QString r = refusalOf(QStringLiteral("사무실"), QStringLiteral("상장"), state, accepting);
        QCOMPARE(r.isEmpty(), says.isEmpty());
        QVERIFY2(r.contains(says) && (says.isEmpty() || (r.contains(QStringLiteral("사무실")) && r.contains(QStringLiteral("상장")))),
                 qPrintable(r));
    }

    // A job the printing system refuses is said so, and nothing is recorded as printed.
    void refusedJobIsSaidAndNotRecorded()
    {
        StoppedPrinter stopped;
        ReportOutput::install(&stopped);
        PrintJob job;
        QVERIFY(!job.run(QStringLiteral("test_list.rpt"), QStringLiteral("상장"), Printer, nullptr,
                         [] { db::run(QStringLiteral("INSERT INTO T_상장지급 (회원번호, 순번) VALUES ('202401001', 1)")); }));
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QVERIFY2(m_db->dialogs().lastText().contains(QStringLiteral("대기열이 멈춰")), qPrintable(m_db->dialogs().lastText()));
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Count(*) FROM T_상장지급")), QStringLiteral("0"));
    }

    // A text too wide for its box is cut between characters, the longest whole-character start that fits.
    void wideTextIsCutBetweenCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Hangul syllables") << QStringLiteral("가나다라마바사아자차카타파하가나다라마바사");
        // Each syllable written as two joining letters: a cut may not fall between them.
        QTest::newRow("joining letters") << QString(QStringLiteral("\u1100\u1161")).repeated(24);
        QTest::newRow("letters and digits") << QStringLiteral("Taekwondo 2024 겨울 수련회 안내문 제목");
    }
    void wideTextIsCutBetweenCharacters()
    {
        QFETCH(QString, text);
        QImage device(100, 100, QImage::Format_RGB32);
        device.setDotsPerMeterX(11811); // 300 dpi
        device.setDotsPerMeterY(11811);
        const double k = device.logicalDpiX() / 25.4;
        Item it;
        it.rect = QRectF(0, 0, 25, 6);
        it.text = text;
        const FittedText f = fitText(it, &device, k);
        QVERIFY(!f.text.isEmpty() && f.text.size() < text.size());
        QVERIFY(text.startsWith(f.text));
        QCOMPARE(f.font.pointSizeF(), it.style.size); // a text keeps its size
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        characters.setPosition(int(f.text.size()));
        QVERIFY(characters.isAtBoundary());
        const QFontMetricsF m(f.font, &device);
        QVERIFY(m.horizontalAdvance(f.text) <= it.rect.width() * k);
        characters.toNextBoundary();
        QVERIFY(m.horizontalAdvance(text.left(characters.position())) > it.rect.width() * k); // the longest that fits
    }

    void badLayoutsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("보고서 양식 파일이 없습니다.");
        QTest::newRow("unknown band") << QByteArray("[body 5]\n") << QStringLiteral("1번째 줄: 알 수 없는 구역");
        QTest::newRow("bad number") << QByteArray("# x\n[detail 5]\ntext 0 a 10 5 \"{f01}\"\n") << QStringLiteral("3번째 줄");
        QTest::newRow("open quote") << QByteArray("[detail 5]\ntext 0 0 10 5 \"{f01}\n") << QStringLiteral("따옴표");
        QTest::newRow("unknown column") << QByteArray("[detail 5]\ntext 0 0 10 5 \"{f99}\"\n") << QStringLiteral("f99");
        QTest::newRow("barcode without value") << QByteArray("[detail 5]\nbarcode 0 0 30 5\n") << QStringLiteral("내용");
    }
    void badLayoutsAreNamed()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, says);
        if (!text.isEmpty())
            putLayout(QStringLiteral("깨진양식.rpt"), text);
        PrintJob job;
        QVERIFY(!job.run(QStringLiteral("깨진양식.rpt"), QStringLiteral("제목"), Preview));
        QVERIFY(m_out.runs.isEmpty());
        QCOMPARE(m_db->dialogs().log.size(), 1);
        const QString msg = m_db->dialogs().lastText();
        QVERIFY2(msg.contains(QStringLiteral("깨진양식.rpt")) && msg.contains(says), qPrintable(msg));
    }

    void formats_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("result");
        QTest::newRow("thousands") << "1234567" << ",##0" << "1,234,567";
        QTest::newRow("thousands #") << "80000" << "#,##0" << "80,000";
        QTest::newRow("negative") << "-1500" << "#,##0" << "-1,500";
        QTest::newRow("zero") << "0" << "#,##0" << "0";
        QTest::newRow("already grouped") << "1,500" << "#,##0원" << "1,500원";
        QTest::newRow("zero padded") << "7" << "0000" << "0007";
        QTest::newRow("one decimal") << "12.35" << "##0.0" << "12.4";
        QTest::newRow("optional decimal") << "12" << "##0.#" << "12";
        QTest::newRow("empty stays empty") << "" << "#,##0" << "";
        QTest::newRow("text stays text") << "미납" << "#,##0" << "미납";
        QTest::newRow("date") << "2024-03-05" << "yyyy.mm.dd" << "2024.03.05";
        QTest::newRow("date korean") << "2024-03-05" << "yyyy년 m월 d일" << "2024년 3월 5일";
        QTest::newRow("date digits") << "20241231" << "yy/mm/dd" << "24/12/31";
    }
    void formats()
    {
        QFETCH(QString, value);
        QFETCH(QString, pattern);
        QFETCH(QString, result);
        QCOMPARE(Layout::format(value, pattern), result);
    }

    void labelsSideBySideAndOnePerPage()
    {
        putLayout(QStringLiteral("labels.rpt"), "page 100x100\nmargins 0 0 0 0\n[detail 30 columns=3 width=30]\ntext 0 0 30 10 \"{f01}\"\n");
        putLayout(QStringLiteral("sheets.rpt"), "page A5 landscape\n[group-header G01 10 newpage]\ntext 0 0 50 5 \"{G01}\"\n[detail 5]\ntext 0 0 50 5 \"{f01}\"\n");
        PrintJob job;
        for (int i = 1; i <= 10; ++i)
            job.add({{"seqno", i}, {"G01", i <= 5 ? "A" : "B"}, {"f01", QString::number(i)}});
        auto labels = job.render(QStringLiteral("labels.rpt"));
        QVERIFY(labels);
        // Three across, three rows a page: 9 on the first page, the tenth on the second.
        QCOMPARE(labels->pages.size(), 2);
        QCOMPARE(labels->pages[0].texts().size(), 9);
        const QList<Item>& it = labels->pages[0].items;
        QCOMPARE(it[1].rect.left(), 30.0);
        QCOMPARE(it[1].rect.top(), it[0].rect.top());
        QCOMPARE(it[3].rect.left(), 0.0);
        QCOMPARE(it[3].rect.top(), 30.0);
        QCOMPARE(labels->pages[1].texts(), QStringList{QStringLiteral("10")});

        auto sheets = renderLayout(QStringLiteral("sheets.rpt"));
        QVERIFY(sheets);
        QCOMPARE(sheets->pages.size(), 2);
        QVERIFY(sheets->landscape);
        QCOMPARE(sheets->pages[1].texts().first(), QStringLiteral("B"));
    }

    // A barcode element draws the bars of its line's value in its rectangle, and nothing for a value
    // Code 128 cannot carry.
    void barcodeElement()
    {
        putLayout(QStringLiteral("codes.rpt"), "[detail 10]\nbarcode 5 2 30 6 \"{f01}\"\ntext 40 0 30 5 \"{f02}\"\n");
        PrintJob job;
        job.add({{"seqno", 1}, {"f01", "202401001"}, {"f02", "가"}});
        job.add({{"seqno", 2}, {"f01", "홍길동"}, {"f02", "나"}});
        auto doc = job.render(QStringLiteral("codes.rpt"));
        QVERIFY(doc);
        QList<Item> bars;
        for (const Item& i : doc->pages[0].items)
            if (i.kind == Item::Picture)
                bars.append(i);
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars[0].text, QStringLiteral("202401001"));
        QCOMPARE(bars[0].rect.width(), 30.0);
        QVERIFY(!bars[0].picture.isNull());
        // The bars stay inside the rectangle (picture units are 0.1 mm).
        const QRect drawn = bars[0].picture.boundingRect();
        QVERIFY2(drawn.left() >= 0 && drawn.right() <= 300 && drawn.bottom() <= 60, qPrintable(QStringLiteral("%1 %2 %3").arg(drawn.left()).arg(drawn.right()).arg(drawn.bottom())));
        QCOMPARE(doc->pages[0].texts(), (QStringList{"가", "나"}));
    }

    void orderByNumberAndTitleFromLayout()
    {
        putLayout(QStringLiteral("num.rpt"), "\xEF\xBB\xBFtitle \"번호순\"\norder f01:num:desc\n[detail 5]\ntext 0 0 50 5 \"{f01}\"\n");
        PrintJob job;
        for (const char* v : {"9", "10", "2"})
            job.add({{"f01", v}});
        QVERIFY(job.run(QStringLiteral("num.rpt"), QString(), Preview));
        QCOMPARE(m_out.last().doc.texts(), QStringList({"10", "9", "2"}));
        QCOMPARE(m_out.last().title, QStringLiteral("번호순"));
    }

    void previewSavesPdf()
    {
        PrintJob job;
        job.add({{"seqno", 1}, {"G01", "01"}, {"f01", QStringLiteral("홍길동")}});
        const auto doc = job.render(QStringLiteral("test_list.rpt"), QStringLiteral("일일결석자"));
        QVERIFY(doc);
        PreviewWindow w(*doc, QStringLiteral("일일결석자"));
        QCOMPARE(w.windowTitle(), QStringLiteral("일일결석자"));
        const QString path = m_db->dir() + QStringLiteral("/저장");
        m_db->dialogs().files << path;
        w.savePdf();
        QVERIFY(QFile(path + QStringLiteral(".pdf")).size() > 0);
        QVERIFY(m_db->dialogs().log.size() == 2 && m_db->dialogs().log[0].kind == u"save");
        // Where the file went, in so many words.
        QCOMPARE(m_db->dialogs().log[1].kind, QString("information"));
        QVERIFY(m_db->dialogs().log[1].text.contains(QDir::toNativeSeparators(path + QStringLiteral(".pdf"))));
    }

    void pdfUsesFontWithRealSpaces()
    {
        PrintJob job;
        job.add({{"seqno", 1}, {"G01", "01"}, {"f01", QStringLiteral("홍 길 동")}});
        const QString pdf = m_db->dir() + QStringLiteral("/out.pdf");
        QVERIFY(job.exportPdf(QStringLiteral("test_list.rpt"), pdf, QStringLiteral("명단")));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("NanumBarunGothic") || bytes.contains("NanumMyeongjo"));
        QVERIFY(!bytes.contains("/NanumGothic"));
        // The blank is mapped back to U+0020, so copying and searching the PDF keep the spaces.
        QVERIFY(bytes.contains("<0020>"));
    }

    void pageLayoutBaseSharesTheOutput()
    {
        struct Certificate : PageLayout {
            QString name;
            bool landscape() const override { return true; }
            void build(PageBuilder& b) const override
            {
                b.text(QRectF(20, 20, 200, 20), PageBuilder::spaced(name));
                b.box(QRectF(10, 10, 277, 190));
                b.newPage();
                b.text(QRectF(20, 20, 200, 20), QStringLiteral("둘째 장"));
            }
        } c;
        c.name = QStringLiteral("홍 길동");
        QVERIFY(c.run(Preview, QStringLiteral("상장")));
        QCOMPARE(m_out.last().title, QStringLiteral("상장"));
        QCOMPARE(m_out.last().doc.pages.size(), 2);
        QVERIFY(m_out.last().doc.landscape);
        QCOMPARE(m_out.last().doc.pages[0].texts(), QStringList{QStringLiteral("홍 길 동 ")});
        QVERIFY(c.exportPdf(m_db->dir() + QStringLiteral("/c.pdf")));
        QVERIFY(QFile(m_db->dir() + QStringLiteral("/c.pdf")).size() > 0);
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
