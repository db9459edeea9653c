#include "report/ReportOutput.h"

#include "report/PreviewWindow.h"
#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace report {

namespace {
QtReportOutput g_real;
ReportOutput* g_current = nullptr;
}

ReportOutput& ReportOutput::current() { return g_current ? *g_current : g_real; }

void ReportOutput::install(ReportOutput* out) { g_current = out; }

void QtReportOutput::preview(const Document& doc, const QString& title, QWidget* parent)
{
    PreviewWindow w(doc, title, parent);
    w.exec();
}

QString QtReportOutput::defaultPrinterName() const
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return QString();
    return QPrinterInfo::defaultPrinterName().isEmpty() ? QPrinterInfo::availablePrinterNames().first()
                                                        : QPrinterInfo::defaultPrinterName();
}

bool QtReportOutput::print(const Document& doc, const QString& title, QWidget* parent)
{
    const QString name = defaultPrinterName();
    if (name.isEmpty()) {
        Dialogs::warning(QStringLiteral("확인"),
                         QStringLiteral("설치된 프린터가 없어 '%1'을(를) 인쇄하지 못했습니다.\n"
                                        "프린터를 설치한 뒤 다시 인쇄하세요.").arg(title),
                         parent);
        return false;
    }
    QPrinter printer(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(title);
    preparePaper(doc, printer);
    if (!paintDocument(doc, printer)) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("'%1'을(를) 인쇄하지 못했습니다. 프린터를 확인하세요.").arg(title),
                       parent);
        return false;
    }
    return true;
}

void RecordingOutput::preview(const Document& doc, const QString& title, QWidget*)
{
    runs.append({0, title, doc});
    for (int i = 0; i < printsFromPreview; ++i)
        recordedOutput([&] {
            runs.append({1, title, doc});
            return true;
        });
}

bool RecordingOutput::print(const Document& doc, const QString& title, QWidget*)
{
    runs.append({1, title, doc});
    return true;
}

} // namespace report
