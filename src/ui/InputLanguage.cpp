#include "ui/InputLanguage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace {

// fcitx5-remote prints 0 (closed), 1 (inactive: Latin) or 2 (active: Hangul); -o and -c switch.
class PlatformBackend : public InputLanguage::Backend {
public:
    int conversionMode() override
    {
        if (!remoteAvailable())
            return m_mode;
        QProcess p;
        p.start(m_remote, {});
        if (!p.waitForFinished(500))
            return m_mode;
        const int state = QString::fromLatin1(p.readAllStandardOutput()).trimmed().toInt();
        m_mode = state == 2 ? InputLanguage::Hangul : InputLanguage::Alphanumeric;
        return m_mode;
    }
    void setModes(int conversion, int) override
    {
        m_mode = conversion;
        if (remoteAvailable())
            QProcess::execute(m_remote, {conversion == InputLanguage::Hangul ? QStringLiteral("-o") : QStringLiteral("-c")});
    }

private:
    bool remoteAvailable()
    {
        if (!m_checked) {
            m_checked = true;
            const QString platform = QGuiApplication::platformName();
            if (platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal"))
                m_remote = QStandardPaths::findExecutable(QStringLiteral("fcitx5-remote"));
        }
        return !m_remote.isEmpty();
    }
    bool m_checked = false;
    QString m_remote;
    int m_mode = InputLanguage::Alphanumeric;
};

PlatformBackend g_platform;
InputLanguage::Backend* g_backend = nullptr;

void applyHints(bool latin)
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return;
    Qt::InputMethodHints h = w->inputMethodHints();
    if (latin)
        h |= Qt::ImhPreferLatin | Qt::ImhLatinOnly;
    else
        h &= ~(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    if (h != w->inputMethodHints()) {
        w->setInputMethodHints(h);
        QGuiApplication::inputMethod()->update(Qt::ImHints);
    }
}

} // namespace

void InputLanguage::install(Backend* backend) { g_backend = backend; }

InputLanguage::Backend& InputLanguage::backend() { return g_backend ? *g_backend : g_platform; }

void InputLanguage::set(const QString& mode)
{
    Backend& b = backend();
    if (mode == QStringLiteral("KOREA")) {
        if (b.conversionMode() == Alphanumeric)
            b.setModes(Hangul, 1);
        applyHints(false);
    } else if (mode == QStringLiteral("ENGLISH")) {
        if (b.conversionMode() == Hangul)
            b.setModes(Alphanumeric, 0);
        applyHints(true);
    }
}
