#include "report/Report.h"

#include "db/Database.h"

#include "db/ProgramDir.h"
#include "report/Layout.h"
#include "report/ReportOutput.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace report {

void AddPrintEndRow() { db::run(QStringLiteral("INSERT INTO print (seqno,G01) VALUES (100000,'999') ")); }
void addFitnessEndRow() { db::run(QStringLiteral("INSERT INTO print (f05,f03) VALUES ('zzzzzzzz','') ")); }
void addPlanEndRow() { db::run(QStringLiteral("INSERT INTO print ( 발부일자) VALUES ( '99999999')")); }
void addCardEndRow() { db::run(QStringLiteral("INSERT INTO print (발부일자, seqno ) VALUES ('99999999',999)")); }

// ---- the fill-and-run sequence

PrintJob::PrintJob() : m_tx(std::make_unique<db::Transaction>())
{
    db::run(QStringLiteral("DELETE FROM print"));
}

PrintJob::~PrintJob() = default; // an unfinished job rolls back: print keeps what it held

PrintJob& PrintJob::add(db::Params values)
{
    return add(QList<std::pair<QString, QVariant>>(values.begin(), values.end()));
}

PrintJob& PrintJob::add(const QList<std::pair<QString, QVariant>>& values)
{
    QStringList cols, marks;
    for (int i = 0; i < values.size(); ++i) {
        cols.append(values[i].first);
        marks.append(QStringLiteral(":v%1").arg(i));
    }
    db::Query q(QStringLiteral("INSERT INTO print (%1) VALUES (%2)").arg(cols.join(u','), marks.join(u',')));
    for (int i = 0; i < values.size(); ++i)
        q.bind(QStringLiteral("v%1").arg(i), values[i].second);
    q.exec();
    ++m_lines;
    return *this;
}

int PrintJob::exec(const QString& jet, db::Params params) { return db::run(jet, params); }

void PrintJob::finish()
{
    if (m_finished)
        return;
    switch (m_endRow) {
    case EndRow::General: AddPrintEndRow(); break;
    case EndRow::Fitness: addFitnessEndRow(); break;
    case EndRow::Plan: addPlanEndRow(); break;
    case EndRow::Card: addCardEndRow(); break;
    case EndRow::None: break;
    }
    m_tx->commit();
    m_finished = true;
}

bool PrintJob::run(const QString& layoutFile, const QString& windowTitle, int destination, QWidget* parent,
                   const Record& record)
{
    finish();
    return runLayout(layoutFile, windowTitle, destination, parent, record);
}

bool PrintJob::exportPdf(const QString& layoutFile, const QString& pdfPath, const QString& windowTitle)
{
    finish();
    return exportLayoutPdf(layoutFile, pdfPath, windowTitle);
}

std::optional<Document> PrintJob::render(const QString& layoutFile, const QString& windowTitle, QString* error)
{
    finish();
    return renderLayout(layoutFile, windowTitle, error);
}

// ---- running a layout

QString layoutPath(const QString& layoutFile)
{
    QString name = layoutFile;
    name.replace(u'\\', u'/');
    if (QFileInfo(name).isAbsolute())
        return name;
    if (name.startsWith(QStringLiteral("report/"), Qt::CaseInsensitive))
        name = name.mid(7);
    const QString exact = ProgramDir::file(QStringLiteral("report/") + name);
    if (QFileInfo::exists(exact))
        return exact;
    // The screens name some files with another letter case ("mon02_i.Rpt").
    const QDir dir(ProgramDir::file(QStringLiteral("report")));
    for (const QString& f : dir.entryList(QDir::Files))
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(f);
    return exact;
}

std::optional<Document> renderLayout(const QString& layoutFile, const QString& windowTitle, QString* error)
{
    QString why;
    const QString path = layoutPath(layoutFile);
    const auto layout = Layout::load(path, &why);
    if (!layout) {
        if (error) *error = why;
        return std::nullopt;
    }
    const QSqlRecord rec = db::connection().record(QStringLiteral("print"));
    QStringList missing;
    for (const QString& c : layout->columnsUsed())
        if (rec.indexOf(c) < 0)
            missing.append(c);
    if (!missing.isEmpty()) {
        if (error)
            *error = QStringLiteral("보고서 양식 파일이 올바르지 않습니다.\n%1\n출력 자료에 없는 항목: %2")
                         .arg(path, missing.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    QString sql = QStringLiteral("SELECT * FROM print ORDER BY ");
    for (const QString& c : layout->orderTerms())
        sql += c + QStringLiteral(", ");
    sql += db::rowOrderColumn();
    QSqlQuery q(db::connection());
    if (!q.exec(sql))
        throw db::Error(q.lastError().text(), sql);
    QList<Row> rows;
    const QSqlRecord cols = q.record();
    while (q.next()) {
        Row r;
        for (int i = 0; i < cols.count(); ++i)
            r.insert(cols.fieldName(i).toLower(), q.value(i).toString());
        rows.append(r);
    }
    return layout->render(rows, windowTitle);
}

namespace {
// The record of the run being delivered; the preview is modal, so its buttons act inside the run.
struct PendingRecord {
    const Record* record;
    bool done;
};
PendingRecord* g_pending = nullptr;
} // namespace

bool recordedOutput(const std::function<bool()>& output)
{
    if (!g_pending || !g_pending->record || !*g_pending->record || g_pending->done)
        return output();
    try {
        db::Transaction tx;
        (*g_pending->record)();
        if (!output())
            return false;
        tx.commit();
    } catch (const RecordError& e) {
        Dialogs::error(e.caption(), e.heading() + u'\n' + e.message());
        return false;
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("Error가 발생하였습니다.\n%1").arg(e.message()));
        return false;
    }
    g_pending->done = true;
    return true;
}

bool deliver(const Document& doc, const QString& windowTitleIn, int destination, QWidget* parent, const Record& record)
{
    const QString windowTitle = windowTitleIn.isEmpty() ? doc.title : windowTitleIn;
    PendingRecord pending{&record, false};
    PendingRecord* outer = std::exchange(g_pending, &pending);
    struct Restore {
        PendingRecord* outer;
        ~Restore() { g_pending = outer; }
    } restore{outer};
    if (destination == Printer)
        return recordedOutput([&] { return ReportOutput::current().print(doc, windowTitle, parent); });
    ReportOutput::current().preview(doc, windowTitle, parent);
    return true;
}

bool runLayout(const QString& layoutFile, const QString& windowTitle, int destination, QWidget* parent,
               const Record& record)
{
    QString why;
    const auto doc = renderLayout(layoutFile, windowTitle, &why);
    if (!doc) {
        Dialogs::error(QStringLiteral("오류"), why, parent);
        return false;
    }
    return deliver(*doc, windowTitle, destination, parent, record);
}

bool exportLayoutPdf(const QString& layoutFile, const QString& pdfPath, const QString& windowTitle)
{
    QString why;
    const auto doc = renderLayout(layoutFile, windowTitle, &why);
    if (!doc) {
        Dialogs::error(QStringLiteral("오류"), why);
        return false;
    }
    return writePdf(*doc, pdfPath, windowTitle);
}

} // namespace report
