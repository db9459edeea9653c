#pragma once
#include <QDialog>

#include "report/Document.h"

class QPrinter;
class QPrintPreviewWidget;
class QLabel;

namespace report {

// The preview of a report: pages shown as on paper, with printing and saving as PDF.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const Document& doc, const QString& title, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void printDocument(); // "인쇄": the printer dialog, or a message when no printer is installed
    void savePdf();       // "PDF 저장"

    // A page's worth of height where the screen of `near` allows it, never larger than that screen.
    static QSize fittingSize(const QWidget* near);

private:
    void updatePageLabel();

    Document m_doc;
    QString m_title;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_view;
    QLabel* m_pageLabel;
};

} // namespace report
