// Creates a school database: `tamrin_generate --demo <program folder>` or `--large <file>`.
#include "SchoolGenerator.h"

#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "report/NoticeFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription("Tamrin school generator");
    p.addHelpOption();
    p.addOption({"demo", "small demo school (about 120 members over two years)"});
    p.addOption({"large", "large school (10,000 members over ten years, about 3,000 current)"});
    p.addOption({"seed", "random seed", "n", "1"});
    p.addOption({"members", "enrolments over the whole span", "n"});
    p.addOption({"current", "members remaining at the end", "n"});
    p.addOption({"years", "years of history", "n"});
    p.addOption({"today", "last day of the history (YYYY-MM-DD)", "date"});
    p.addPositionalArgument("target", "a program folder (its Data/Tamrin2000.db is written) or a .db file");
    p.process(app);

    GeneratorOptions o = p.isSet("large") ? GeneratorOptions::large() : GeneratorOptions::demo();
    o.seed = p.value("seed").toUInt();
    if (p.isSet("members")) o.members = p.value("members").toInt();
    if (p.isSet("current")) o.current = p.value("current").toInt();
    if (p.isSet("years")) o.years = p.value("years").toInt();
    if (p.isSet("today")) o.today = QDate::fromString(p.value("today"), "yyyy-MM-dd");
    if (!o.today.isValid() || o.members <= 0 || o.current < 0 || o.current > o.members || o.years <= 0) {
        std::fprintf(stderr, "잘못된 옵션입니다.\n");
        return 2;
    }
    const QStringList args = p.positionalArguments();
    if (args.size() != 1)
        p.showHelp(2);
    QString file = args[0];
    if (!file.endsWith(".db", Qt::CaseInsensitive)) {
        ProgramDir::set(file);
        ProgramDir::ensureFolders();
        NoticeFile::ensureFolders();
        file = ProgramDir::databaseFile();
    } else {
        ProgramDir::set(QFileInfo(file).absolutePath());
    }
    QString error;
    GeneratorReport r;
    SchoolGenerator g(o);
    const bool ok = g.run(file, &error, &r, [](const QString& s) { std::fprintf(stderr, "%s\n", qPrintable(s)); });
    db::closeDatabase();
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s: 회원 %d명 (현재 %d명), 수련비 %d건, 금전출납 %d건, 결석 %d건, 출석체크 %d건, 뱃지 %d건, 마감 %d개월\n", qPrintable(file),
                r.members, r.current, r.payments, r.cashLines, r.absences, r.checkIns, r.badges, r.closedMonths);
    return 0;
}
