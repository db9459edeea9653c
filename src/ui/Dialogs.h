#pragma once
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "text/Answer.h"

class QWidget;

// Every message box, question and file dialog of the program goes through here, so tests can
// record what the user would have seen and answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) = 0;

    // The folder a file dialog starts in: a bare file name or relative path goes to the user's documents
    // folder (never the folder the program was started from); an absolute path stays.
    static QString fittingPath(const QString& dir);

    static Dialogs& current();
    static void install(Dialogs* d); // nullptr restores the real dialogs; the caller keeps ownership

    // The usual boxes. Captions are the short Korean words the screens use ("확인", "오류" ...).
    static void info(const QString& caption, const QString& text, QWidget* parent = nullptr);
    static void warning(const QString& caption, const QString& text, QWidget* parent = nullptr);
    static void error(const QString& caption, const QString& text, QWidget* parent = nullptr);
    static bool yesNo(const QString& caption, const QString& text, QWidget* parent = nullptr,
                      QMessageBox::Icon icon = QMessageBox::Question);
    static bool okCancel(const QString& caption, const QString& text, QWidget* parent = nullptr,
                         QMessageBox::Icon icon = QMessageBox::Question);
    // Yes / No / Cancel: returns the button pressed.
    static QMessageBox::StandardButton yesNoCancel(const QString& caption, const QString& text, QWidget* parent = nullptr);

    // What rules answered, one box per message in order; returns answer.ok().
    static bool show(const Answer& answer, QWidget* parent = nullptr);
    // A question of the rules as a box; true for 예/확인.
    static bool ask(const Question& question, QWidget* parent = nullptr);
    // The way the rules ask from this window.
    static Ask asker(QWidget* parent);
};

// The real dialogs.
class QtDialogs : public Dialogs {
public:
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
};

// The test double: records every box and answers from queues (default: the box's default button,
// empty file names).
class RecordingDialogs : public Dialogs {
public:
    struct Entry {
        QString kind;     // "information", "warning", "critical", "question", "open", "save"
        QString caption;
        QString text;
        QString dir = {}; // file dialogs: where it opened
    };
    QList<Entry> log;
    QList<QMessageBox::StandardButton> answers;
    QStringList files;

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;

    QString lastText() const { return log.isEmpty() ? QString() : log.last().text; }
    bool saw(const QString& textPart) const;
    void clear() { log.clear(); }
};
