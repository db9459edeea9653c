#include "report/ReportOutput.h"

#include "report/PreviewWindow.h"
#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace report {

namespace {
QtReportOutput g_real;
ReportOutput* g_current = nullptr;
}

ReportOutput& ReportOutput::current() { return g_current ? *g_current : g_real; }

void ReportOutput::install(ReportOutput* out) { g_current = out; }

QString refusalOf(const QString& printerName, const QString& title, const QString& state, const QString& accepting)
{
    if (accepting.trimmed().compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("프린터 '%1'이(가) 인쇄 작업을 받지 않아 '%2'을(를) 인쇄하지 못했습니다.\n"
                              "프린터 설정에서 작업 받기를 켠 뒤 다시 인쇄하세요.").arg(printerName, title);
    if (state.trimmed() == QStringLiteral("5"))
        return QStringLiteral("프린터 '%1'의 인쇄 대기열이 멈춰 있어 '%2'을(를) 인쇄하지 못했습니다.\n"
                              "프린터 설정에서 대기열을 다시 시작한 뒤 인쇄하세요.").arg(printerName, title);
    return {};
}

QString printerRefusal(const QString& printerName, const QString& title)
{
    // "printer/instance" names an instance of a queue; the queue answers.
    const QByteArray queue = printerName.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return {}; // not known to the printing system by that name: Qt reports what it can
    const QString state = QString::fromUtf8(cupsGetOption("printer-state", dest->num_options, dest->options));
    const QString accepting = QString::fromUtf8(cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    return refusalOf(printerName, title, state, accepting);
}

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
    if (const QString refused = refusal(name, title); !refused.isEmpty()) {
        Dialogs::warning(QStringLiteral("확인"), refused, parent);
        return false;
    }
    QPrinter printer(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(title);
    preparePaper(doc, printer);
    if (!paintDocument(doc, printer) || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
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
