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

// The real one: a modal preview window titled with the report's title, from which the user prints or
// saves a PDF; printing goes to the default printer, and with no printer installed the user is told so.
class QtReportOutput : public ReportOutput {
public:
    void preview(const Document& doc, const QString& title, QWidget* parent) override;
    bool print(const Document& doc, const QString& title, QWidget* parent) override;

protected:
    virtual QString defaultPrinterName() const; // empty when no printer is installed
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
