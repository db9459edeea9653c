#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "db/Query.h"
#include "report/Document.h"

class QWidget;

namespace db { class Transaction; }

namespace report {

// Destinations of a report run.
enum Destination { Preview = 0, Printer = 1 };

// What a printout records (awards, certificates, receipts, numbered notices). It runs once per run, the
// first time the pages go to the printer or into a PDF (destination 1, or the preview's buttons), inside
// one transaction that is kept only when the pages went out. A db::Error it throws is shown with the
// engine's message and nothing goes out. A preview alone records nothing.
using Record = std::function<void()>;

// Thrown by a record to head the error box with its own words ("저장 에러 입니다.") above the engine's
// message, in a box of its own caption; anything else is shown as "Error가 발생하였습니다.".
class RecordError : public db::Error {
public:
    RecordError(const QString& heading, const db::Error& cause, const QString& caption = QStringLiteral("확인요망"))
        : db::Error(cause.message(), cause.sql()), m_heading(heading), m_caption(caption) {}
    QString heading() const { return m_heading; }
    QString caption() const { return m_caption; }

private:
    QString m_heading;
    QString m_caption;
};

// Sends pages out (to a printer or a PDF) through the record of the run under way, when there is one.
// Used by the outputs; false when the record failed or `output` did.
bool recordedOutput(const std::function<bool()>& output);

// The end rows that close the lines of a report in `print`.
void AddPrintEndRow();      // seqno 100000, G01 "999": the usual one
void addFitnessEndRow();    // f05 "zzzzzzzz": fitness tables sorted by division
void addPlanEndRow();       // 발부일자 "99999999": training plans
void addCardEndRow();       // 발부일자 "99999999", seqno 999: membership cards

// The fill-and-run sequence of every printing screen, written once:
//
//   report::PrintJob job;                                   // empties print
//   while (q.next())
//       job.add({{"f01", q.str("회원명")}, {"f02", q.str("결석일자")}, {"association", school}});
//   job.run("일일결석.rpt", "일일결석자", report::Preview, this); // end row, then the layout
//
// The lines are written in one transaction, so a long list is quick; an error while filling throws
// db::Error (the engine's message reaches the user) and leaves the table as it was.
class PrintJob {
public:
    enum class EndRow { General, Fitness, Plan, Card, None };

    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // One line: column names (any case) and their values, bound as parameters.
    PrintJob& add(db::Params values);
    PrintJob& add(const QList<std::pair<QString, QVariant>>& values);
    // Any further statement on print (INSERT ... SELECT, UPDATE to complete lines).
    int exec(const QString& jet, db::Params params = {});
    int lines() const { return m_lines; }

    void setEndRow(EndRow kind) { m_endRow = kind; } // General unless told

    // Adds the end row, commits the lines and runs the layout report/<layoutFile>. False when the
    // layout could not be run (the user has seen why) or the printer was not reached.
    bool run(const QString& layoutFile, const QString& windowTitle, int destination, QWidget* parent = nullptr,
             const Record& record = {});
    // The same into a PDF file (tools and tests).
    bool exportPdf(const QString& layoutFile, const QString& pdfPath, const QString& windowTitle = QString());
    // The same into pages in memory (tests).
    std::optional<Document> render(const QString& layoutFile, const QString& windowTitle = QString(),
                                   QString* error = nullptr);

private:
    void finish();

    std::unique_ptr<db::Transaction> m_tx;
    EndRow m_endRow = EndRow::General;
    int m_lines = 0;
    bool m_finished = false;
};

// The full name of a layout file: ProgramDir + "report/" + name.
QString layoutPath(const QString& layoutFile);

// Runs a layout over what `print` holds now. A missing or broken layout is reported in Korean with the
// file's name and gives false.
bool runLayout(const QString& layoutFile, const QString& windowTitle, int destination, QWidget* parent = nullptr,
               const Record& record = {});
bool exportLayoutPdf(const QString& layoutFile, const QString& pdfPath, const QString& windowTitle = QString());
// Without any message: the pages, or nothing with the reason in *error.
std::optional<Document> renderLayout(const QString& layoutFile, const QString& windowTitle = QString(),
                                     QString* error = nullptr);

// Sends a finished document to a destination (used by the built-in page layouts as well).
bool deliver(const Document& doc, const QString& windowTitle, int destination, QWidget* parent = nullptr,
             const Record& record = {});

} // namespace report
