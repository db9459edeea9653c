#include "ui/Dialogs.h"
#include "ui/BoxTitle.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QPushButton>

namespace {
QtDialogs g_real;
Dialogs* g_current = nullptr;

QString kindOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Information: return QStringLiteral("information");
    case QMessageBox::Warning: return QStringLiteral("warning");
    case QMessageBox::Critical: return QStringLiteral("critical");
    case QMessageBox::Question: return QStringLiteral("question");
    default: return QStringLiteral("message");
    }
}
}

QString Dialogs::fittingPath(const QString& dir)
{
    if (!dir.isEmpty() && QFileInfo(dir).isAbsolute())
        return dir;
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QFileInfo(docs).isDir())
        docs = QDir::homePath();
    return dir.isEmpty() ? docs : QDir(docs).filePath(dir);
}

QString boxTitle(const QWidget* parent, const QString& caption)
{
    // The nearest window title below the main window's (whose title is the program's own name).
    QString screen;
    for (const QWidget* w = parent; w && screen.isEmpty(); w = w->parentWidget()) {
        if (w->inherits("QMainWindow"))
            break;
        screen = w->windowTitle().trimmed();
    }
    const QString word = caption.trimmed();
    if (screen.isEmpty() || screen == word)
        return word.isEmpty() ? screen : word;
    return word.isEmpty() ? screen : word + QStringLiteral(" - ") + screen;
}

Dialogs& Dialogs::current() { return g_current ? *g_current : g_real; }

void Dialogs::install(Dialogs* d) { g_current = d; }

void Dialogs::info(const QString& caption, const QString& text, QWidget* parent)
{
    current().message(parent, QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Dialogs::warning(const QString& caption, const QString& text, QWidget* parent)
{
    current().message(parent, QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Dialogs::error(const QString& caption, const QString& text, QWidget* parent)
{
    current().message(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool Dialogs::yesNo(const QString& caption, const QString& text, QWidget* parent, QMessageBox::Icon icon)
{
    return current().message(parent, icon, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool Dialogs::okCancel(const QString& caption, const QString& text, QWidget* parent, QMessageBox::Icon icon)
{
    return current().message(parent, icon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

QMessageBox::StandardButton Dialogs::yesNoCancel(const QString& caption, const QString& text, QWidget* parent)
{
    return current().message(parent, QMessageBox::Question, caption, text,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool Dialogs::show(const Answer& answer, QWidget* parent)
{
    for (const Message& m : answer.messages()) {
        const QMessageBox::Icon icon = m.level == Message::Level::Error     ? QMessageBox::Critical
                                       : m.level == Message::Level::Warning ? QMessageBox::Warning
                                                                            : QMessageBox::Information;
        current().message(parent, icon, m.caption, m.text, QMessageBox::Ok, QMessageBox::Ok);
    }
    return answer.ok();
}

bool Dialogs::ask(const Question& q, QWidget* parent)
{
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton yes = QMessageBox::Yes, no = QMessageBox::No;
    switch (q.buttons) {
    case Question::Buttons::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        yes = QMessageBox::Ok;
        no = QMessageBox::Cancel;
        break;
    case Question::Buttons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case Question::Buttons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    const QMessageBox::Icon icon = q.level == Message::Level::Error     ? QMessageBox::Critical
                                   : q.level == Message::Level::Warning ? QMessageBox::Warning
                                                                        : QMessageBox::Question;
    return current().message(parent, icon, q.caption, q.text, buttons, q.yesByDefault ? yes : no) == yes;
}

Ask Dialogs::asker(QWidget* parent)
{
    return [parent](const Question& q) { return ask(q, parent); };
}

QMessageBox::StandardButton QtDialogs::message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                               const QString& text, QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, boxTitle(parent, caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Korean button texts, as the school expects them.
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, "확인"}, {QMessageBox::Cancel, "취소"}, {QMessageBox::Yes, "예"}, {QMessageBox::No, "아니오"}};
    for (const auto& [b, name] : names)
        if (QAbstractButton* btn = box.button(b))
            btn->setText(QString::fromUtf8(name));
    return QMessageBox::StandardButton(box.exec());
}

QString QtDialogs::openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, fittingPath(dir), filter);
}

QString QtDialogs::saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, fittingPath(dir), filter);
}

QMessageBox::StandardButton RecordingDialogs::message(QWidget*, QMessageBox::Icon icon, const QString& caption,
                                                      const QString& text, QMessageBox::StandardButtons,
                                                      QMessageBox::StandardButton defaultButton)
{
    log.append({kindOf(icon), caption, text});
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

QString RecordingDialogs::openFile(QWidget*, const QString& caption, const QString& dir, const QString&)
{
    log.append({QStringLiteral("open"), caption, QString(), fittingPath(dir)});
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString RecordingDialogs::saveFile(QWidget*, const QString& caption, const QString& dir, const QString&)
{
    log.append({QStringLiteral("save"), caption, QString(), fittingPath(dir)});
    return files.isEmpty() ? QString() : files.takeFirst();
}

bool RecordingDialogs::saw(const QString& textPart) const
{
    for (const Entry& e : log)
        if (e.text.contains(textPart))
            return true;
    return false;
}
