#include "app/Application.h"

#include "app/Pictures.h"
#include "db/DbError.h"
#include "ui/AppStyle.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardFlow.h"
#include "ui/WindowPlacement.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tamrin"));
    applyFonts();
}

namespace {
QString g_title;
}

void Application::setTitle(const QString& title) { g_title = title; }

QString Application::title() { return g_title; }

bool Application::loadTranslations()
{
    static QTranslator* qt = nullptr;
    if (qt)
        return true;
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    auto* t = new QTranslator(qApp);
    if (!t->load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QApplication::installTranslator(t);
    qt = t;
    return true;
}

void Application::applyFonts()
{
    static bool once = false;
    if (!once) {
        once = true;
        QApplication::setStyle(new AppStyle);
        loadTranslations();
        QApplication::setWindowIcon(Pictures::icon());
        KeyboardFlow::install();
        WindowPlacement::install();
    }
    // Screens in NanumGothic where the school fonts are missing.
    QFont f(QStringLiteral("NanumGothic"), 9);
    f.setFamilies({QStringLiteral("굴림"), QStringLiteral("NanumGothic"), QStringLiteral("NanumBarunGothic")});
    QApplication::setFont(f);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), e.message());
    } catch (const std::exception& e) {
        Dialogs::error(QStringLiteral("오류"), QString::fromLocal8Bit(e.what()));
    }
    return false;
}
