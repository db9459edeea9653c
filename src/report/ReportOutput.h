#pragma once
#include <QList>
#include <QString>

#include "report/Document.h"

class QWidget;

namespace report {

// Where a finished report goes: the preview window (destination 0) or the default printer (1).
// Tests install a RecordingOutput and read the pages instead of opening windows.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    virtual void preview(const Document& doc, const QString& title, QWidget* parent) = 0;
    virtual bool print(const Document& doc, const QString& title, QWidget* parent) = 0;

    static ReportOutput& current();
    static void install(ReportOutput* out); // nullptr restores the real one; the caller keeps ownership
};

// Whether the printing system takes jobs for a printer: empty when it does, otherwise why not, in
// Korean, naming the report. Qt hands a job to the printing system without looking at the answer, so
// a stopped queue or a printer that does not accept jobs is asked about first.
QString printerRefusal(const QString& printerName, const QString& title);
// The decision from the printer's attributes "printer-state" (5 = stopped) and
// "printer-is-accepting-jobs".
QString refusalOf(const QString& printerName, const QString& title, const QString& state, const QString& accepting);

// The real one: a modal preview window titled with the report's title, from which the user prints or
// saves a PDF; printing goes to the default printer. With no printer installed, or one that does not
// take the job, the user is told so and nothing counts as printed.
class QtReportOutput : public ReportOutput {
public:
    void preview(const Document& doc, const QString& title, QWidget* parent) override;
    bool print(const Document& doc, const QString& title, QWidget* parent) override;

protected:
    virtual QString defaultPrinterName() const; // empty when no printer is installed
    virtual QString refusal(const QString& printerName, const QString& title) const
    {
        return printerRefusal(printerName, title);
    }
};

// The test double: keeps every run.
class RecordingOutput : public ReportOutput {
public:
    struct Run {
        int destination; // 0 preview, 1 printer
        QString title;
        Document doc;
    };
    QList<Run> runs;
    int printsFromPreview = 0; // times the preview's print button is pressed in each preview


    void preview(const Document& doc, const QString& title, QWidget* parent) override;
    bool print(const Document& doc, const QString& title, QWidget* parent) override;
    const Run& last() const { return runs.last(); }
};

} // namespace report
