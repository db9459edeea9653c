#include "report/PreviewWindow.h"

#include "report/Report.h"
#include "report/ReportOutput.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace report {

PreviewWindow::PreviewWindow(const Document& doc, const QString& title, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_title(title), m_printer(new QPrinter(QPrinter::HighResolution))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(fittingSize(parent));
    m_printer->setFullPage(true);
    m_printer->setDocName(title);
    preparePaper(m_doc, *m_printer);

    m_view = new QPrintPreviewWidget(m_printer, this);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { paintDocument(m_doc, *p); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, [this] { updatePageLabel(); });

    auto button = [this](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_pageLabel = new QLabel(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(button(QStringLiteral("인쇄"), [this] { printDocument(); }));
    bar->addWidget(button(QStringLiteral("PDF 저장"), [this] { savePdf(); }));
    bar->addSpacing(20);
    bar->addWidget(button(QStringLiteral("◀ 이전"), [this] { m_view->setCurrentPage(m_view->currentPage() - 1); updatePageLabel(); }));
    bar->addWidget(m_pageLabel);
    bar->addWidget(button(QStringLiteral("다음 ▶"), [this] { m_view->setCurrentPage(m_view->currentPage() + 1); updatePageLabel(); }));
    bar->addSpacing(20);
    bar->addWidget(button(QStringLiteral("확대"), [this] { m_view->zoomIn(); }));
    bar->addWidget(button(QStringLiteral("축소"), [this] { m_view->zoomOut(); }));
    bar->addWidget(button(QStringLiteral("폭 맞춤"), [this] { m_view->fitToWidth(); }));
    bar->addWidget(button(QStringLiteral("전체 쪽"), [this] { m_view->fitInView(); }));
    bar->addStretch();
    bar->addWidget(button(QStringLiteral("닫기"), [this] { accept(); }));

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(bar);
    lay->addWidget(m_view, 1);
    m_view->fitToWidth();
}

PreviewWindow::~PreviewWindow() { delete m_printer; }

QSize PreviewWindow::fittingSize(const QWidget* near)
{
    // A page's height where the screen allows it, always inside the screen with room for the frame.
    QSize want(900, 1000);
    const QScreen* s = near ? near->screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QSize room = s->availableGeometry().size() - QSize(40, 60);
        want = want.boundedTo(room);
    }
    return want;
}

void PreviewWindow::updatePageLabel()
{
    m_pageLabel->setText(QStringLiteral(" %1 / %2 쪽 ").arg(m_view->currentPage()).arg(m_view->pageCount()));
}

void PreviewWindow::printDocument()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Dialogs::warning(QStringLiteral("확인"), QStringLiteral("설치된 프린터가 없습니다.\n"
                                                                "프린터를 설치하거나 'PDF 저장'으로 파일을 만드세요."), this);
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(m_title);
    preparePaper(m_doc, printer);
    QPrintDialog dlg(&printer, this);
    dlg.setWindowTitle(QStringLiteral("인쇄"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (const QString refused = printerRefusal(printer.printerName(), m_title); !refused.isEmpty()) {
        Dialogs::warning(QStringLiteral("확인"), refused, this);
        return;
    }
    recordedOutput([&] {
        if (paintDocument(m_doc, printer) && printer.printerState() != QPrinter::Error
            && printer.printerState() != QPrinter::Aborted)
            return true;
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("인쇄하지 못했습니다. 프린터를 확인하세요."), this);
        return false;
    });
}

void PreviewWindow::savePdf()
{
    QString path = Dialogs::current().saveFile(this, QStringLiteral("PDF로 저장"), m_title + QStringLiteral(".pdf"),
                                               QStringLiteral("PDF 파일 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    recordedOutput([&] {
        if (writePdf(m_doc, path, m_title)) {
            // The file dialog may have started anywhere: say where the file went.
            Dialogs::info(QStringLiteral("PDF 저장"), QStringLiteral("PDF 파일을 저장했습니다.\n%1").arg(QDir::toNativeSeparators(path)),
                          this);
            return true;
        }
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("PDF 파일을 저장하지 못했습니다.\n%1").arg(path), this);
        return false;
    });
}

} // namespace report
