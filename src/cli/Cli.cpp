#include "cli/Cli.h"

#include "backup/AutoBackup.h"
#include "backup/BooksCheck.h"
#include "backup/DataBackup.h"
#include "attendance/AbsenceReports.h"
#include "cashbook/CashInquiry.h"
#include "db/Clock.h"
#include "db/Database.h"
#include "db/DatabaseChoice.h"
#include "db/SchoolCopy.h"
#include "db/DbError.h"
#include "db/MonthKey.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "exchange/UploadFiles.h"
#include "fees/PaymentNotices.h"
#include "fees/Receipts.h"
#include "fees/UnpaidList.h"
#include "stats/GeneralQueries.h"
#include "text/Answer.h"
#include "text/CsvWriter.h"
#include "report/NoticeFile.h"
#include "ui/DivisionFilter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <algorithm>
#include <tuple>

namespace cli {
namespace {

// A command line taken apart: the words in order and the options with their values.
struct Args {
    QStringList words;
    QHash<QString, QString> options; // "--keep" -> "3"; switches have an empty value
    bool help = false;
};

const QStringList kValued = {"--program-dir", "--keep", "--division", "--from", "--to", "--date", "--month", "--csv", "--database"};
const QStringList kSwitches = {"--withdrawn"};

bool parse(const QStringList& in, Args* a, QString* why)
{
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QString& w = in[i];
        if (w == QLatin1String("--help") || w == QLatin1String("-h")) {
            a->help = true;
        } else if (kValued.contains(w)) {
            if (i + 1 >= in.size()) {
                *why = w + QStringLiteral(" 뒤에 값을 주세요.");
                return false;
            }
            a->options.insert(w, in[++i]);
        } else if (kSwitches.contains(w)) {
            a->options.insert(w, QString());
        } else if (w.startsWith(QLatin1String("--"))) {
            *why = QStringLiteral("알 수 없는 옵션입니다: ") + w;
            return false;
        } else {
            a->words.append(w);
        }
    }
    return true;
}

struct Failure {
    int code;
    QString text;
};

[[noreturn]] void fail(const QString& text, int code = Failed) { throw Failure{code, text}; }

// What the rules answered, in the words the windows show: the texts on the output, or a refusal on
// the error output with a failing exit code.
void tell(const Answer& answer, QTextStream& out)
{
    if (!answer.ok())
        fail(answer.text());
    if (!answer.messages().isEmpty())
        out << answer.text() << Qt::endl;
}

QDate dateOption(const Args& a, const QString& name, const QDate& otherwise)
{
    if (!a.options.contains(name))
        return otherwise;
    // Exactly the ten characters of a day: "2024-03-01xyz" is a typing slip, not 1 March.
    const QDate d = QDate::fromString(a.options.value(name).trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        fail(name + QStringLiteral(" 의 날짜를 YYYY-MM-DD 로 주세요: ") + a.options.value(name), Usage);
    return d;
}

// --division: a division code ("05") or one of the groups of the drop-down; all divisions without it.
// The drop-down entry it stands for, as index and text.
std::pair<int, QString> divisionEntry(const Args& a)
{
    static const QStringList groups = {QStringLiteral("전체"), QStringLiteral("유치부"), QStringLiteral("초등부"), QStringLiteral("중고/일반")};
    const QString v = a.options.value(QStringLiteral("--division")).trimmed();
    if (v.isEmpty())
        return {1, groups[0]};
    if (groups.contains(v))
        return {int(groups.indexOf(v)) + 1, v};
    if (db::scalar(QStringLiteral("SELECT count(*) FROM T_부별코드 WHERE 부별코드 = :c"), {{"c", v}}).toInt() == 0)
        fail(QStringLiteral("부별코드 %1 이(가) 없습니다.").arg(v), Usage);
    return {5, v + QStringLiteral(")")};
}

DivisionFilter::Condition division(const Args& a, const QString& column)
{
    const auto [index, text] = divisionEntry(a);
    return DivisionFilter::conditionFor(index, text, column);
}

// What a command works on: --database, or the choice kept beside the program (the embedded file by default).
QString chosenDatabase(const Args& a)
{
    if (a.options.contains(QStringLiteral("--database")))
        return a.options.value(QStringLiteral("--database"));
    return DatabaseChoice::load().address();
}

// The dbMain of the program folder for one command: kept when it is already open on that database.
class OpenDatabase {
public:
    explicit OpenDatabase(const Args& a)
    {
        const QString target = chosenDatabase(a);
        const QSqlDatabase d = db::connection();
        if (d.isValid() && d.isOpen()
            && (db::isServerAddress(target) ? db::currentAddress() == target
                                            : QFileInfo(d.databaseName()).canonicalFilePath() == QFileInfo(target).canonicalFilePath()))
            return;
        // A missing file would be made anew, empty: that is never what a routine job wants.
        if (!db::isServerAddress(target) && !QFileInfo(target).isFile())
            fail(QStringLiteral("자료 파일이 없습니다: ") + QDir::toNativeSeparators(target));
        QString why;
        if (!db::openDatabase(target, &why))
            fail(why);
        m_opened = true;
    }
    ~OpenDatabase()
    {
        if (m_opened)
            db::closeDatabase();
    }
    OpenDatabase(const OpenDatabase&) = delete;
    OpenDatabase& operator=(const OpenDatabase&) = delete;

private:
    bool m_opened = false;
};

// copy --to ADDRESS|FILE [--from ADDRESS|FILE]: the school into an empty database of either engine.
int copy(const Args& a, QTextStream& out)
{
    if (a.words.size() > 1)
        fail(QStringLiteral("copy 는 --from 과 --to 만 받습니다."), Usage);
    const QString to = a.options.value(QStringLiteral("--to"));
    if (to.isEmpty())
        fail(QStringLiteral("--to 로 옮겨 갈 곳을 주세요 (postgresql://사용자@호스트:포트/데이터베이스 또는 파일)."), Usage);
    const QString from = a.options.value(QStringLiteral("--from"), chosenDatabase(a));
    if (!db::isServerAddress(from) && !QFileInfo(from).isFile())
        fail(QStringLiteral("자료 파일이 없습니다: ") + QDir::toNativeSeparators(from));
    if (!db::isServerAddress(to) && QFileInfo::exists(to))
        fail(QStringLiteral("이미 있는 파일에는 옮기지 않습니다: ") + QDir::toNativeSeparators(to));
    const QString target = db::isServerAddress(to) ? to : QFileInfo(to).absoluteFilePath();
    const db::CopyResult r = db::copySchool(db::isServerAddress(from) ? from : QFileInfo(from).absoluteFilePath(), target);
    if (!r.ok) {
        if (!db::isServerAddress(to))
            QFile::remove(target);
        fail(QStringLiteral("옮기지 못했습니다. 대상에는 아무것도 쓰지 않았습니다.\n") + r.error);
    }
    qint64 rows = 0;
    for (const db::CopiedTable& t : r.tables)
        rows += t.rows;
    out << QStringLiteral("%1개 표, %2줄을 옮겼습니다 (표마다 줄 수 확인).").arg(r.tables.size()).arg(rows) << Qt::endl;
    // The target is checked as `check` checks a school; a program's open database is opened again after.
    const QString before = db::currentAddress();
    QString why;
    if (!db::openDatabase(target, &why))
        fail(why);
    const QList<BooksCheck::Item> items = BooksCheck::run(target);
    db::closeDatabase();
    if (!before.isEmpty())
        db::openDatabase(before);
    out << BooksCheck::table(items);
    const bool clean = BooksCheck::clean(items);
    out << Qt::endl << (clean ? QStringLiteral("이상이 없습니다.") : QStringLiteral("맞지 않는 자료가 있습니다.")) << Qt::endl;
    return clean ? Ok : Failed;
}

int backup(const Args& a, QTextStream& out)
{
    if (a.words.size() > 2)
        fail(QStringLiteral("보관할 파일은 하나만 주세요."), Usage);
    int keep = -1;
    if (a.options.contains(QStringLiteral("--keep"))) {
        bool ok = false;
        keep = a.options.value(QStringLiteral("--keep")).toInt(&ok);
        if (!ok || keep < 1)
            fail(QStringLiteral("--keep 에는 1 이상의 개수를 주세요."), Usage);
    }
    const QString target = a.words.value(1);
    const bool toFolder = target.isEmpty() || target.endsWith(u'/') || QFileInfo(target).isDir();
    if (!toFolder && keep > 0)
        fail(QStringLiteral("--keep 은 폴더에 날짜 이름으로 보관할 때만 씁니다."), Usage);
    OpenDatabase open(a);
    if (!toFolder) {
        QString why;
        if (!DataBackup::copyTo(QFileInfo(target).absoluteFilePath(), &why))
            fail(QStringLiteral("자료 보관에 실패 하였습니다: ") + why);
        out << QStringLiteral("보관하였습니다 (검사 통과): ") << QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()) << Qt::endl;
        return Ok;
    }
    const QString dir = target.isEmpty() ? AutoBackup::folder() : QFileInfo(target).absoluteFilePath();
    const AutoBackup::Result r = AutoBackup::take(dir, keep > 0 ? keep : AutoBackup::setting().keep);
    if (!r.ok)
        fail(QStringLiteral("자료 보관에 실패 하였습니다: ") + r.error);
    out << QStringLiteral("보관하였습니다 (검사 통과): ") << QDir::toNativeSeparators(r.file) << Qt::endl;
    for (const QString& f : r.removed)
        out << QStringLiteral("오래된 보관본을 지웠습니다: ") << QDir::toNativeSeparators(f) << Qt::endl;
    return Ok;
}

int check(const Args& a, QTextStream& out)
{
    if (a.words.size() > 1)
        fail(QStringLiteral("check 는 인자를 받지 않습니다."), Usage);
    OpenDatabase open(a);
    const QList<BooksCheck::Item> items = BooksCheck::run(chosenDatabase(a));
    out << BooksCheck::table(items);
    const bool clean = BooksCheck::clean(items);
    out << Qt::endl << (clean ? QStringLiteral("이상이 없습니다.") : QStringLiteral("맞지 않는 자료가 있습니다.")) << Qt::endl;
    return clean ? Ok : Failed;
}

int notices(const Args& a, QTextStream& out)
{
    if (a.words.size() != 2)
        fail(QStringLiteral("만들 통보 파일의 종류를 하나 주세요 (결석통보, 납부통지서, 납부영수증, 수련생자료, 통신문, SMS)."), Usage);
    const QString kind = a.words[1];
    OpenDatabase open(a);
    NoticeFile file(kind);
    if (kind == QStringLiteral("결석통보")) {
        const QDate from = dateOption(a, QStringLiteral("--from"), Clock::today());
        const QDate to = dateOption(a, QStringLiteral("--to"), from);
        if (from > to)
            fail(QStringLiteral("--from 이 --to 보다 늦습니다."), Usage);
        const QList<AbsenceReports::DailyLine> lines =
            AbsenceReports::daily({division(a, QStringLiteral("T_회원.부별코드")), QString()}, from, to);
        file = AbsenceReports::absenceNotice(lines, from, to);
    } else if (kind == QStringLiteral("납부통지서")) {
        UnpaidList::Filter f;
        f.reference = dateOption(a, QStringLiteral("--date"), Clock::today());
        f.division = division(a, QStringLiteral("부별코드"));
        PaymentNotices::Options o;
        o.reference = f.reference;
        o.issued = f.reference;
        file = PaymentNotices::dataFile(UnpaidList::list(f).lines, o);
    } else if (kind == QStringLiteral("납부영수증")) {
        const QDate to = dateOption(a, QStringLiteral("--to"), Clock::today());
        const QDate from = dateOption(a, QStringLiteral("--from"), QDate(to.year(), to.month(), 1));
        if (from > to)
            fail(QStringLiteral("--from 이 --to 보다 늦습니다."), Usage);
        file = Receipts::dataFile(Receipts::list(from, to, QString(), division(a, QStringLiteral("b.부별코드"))));
    } else if (kind == QStringLiteral("수련생자료") || kind == QStringLiteral("통신문") || kind == QStringLiteral("SMS")) {
        const auto [index, text] = divisionEntry(a);
        const QList<UploadFiles::Trainee> trainees = UploadFiles::trainees(QString(), index, text);
        file = kind == QStringLiteral("수련생자료") ? UploadFiles::recordFile(trainees)
            : kind == QStringLiteral("통신문")      ? UploadFiles::newsletterFile(trainees)
                                                    : UploadFiles::smsFile(trainees);
    } else {
        fail(QStringLiteral("알 수 없는 통보 파일입니다: %1 (결석통보, 납부통지서, 납부영수증, 수련생자료, 통신문, SMS)").arg(kind), Usage);
    }
    if (file.isEmpty())
        fail(kind == QStringLiteral("SMS") ? QStringLiteral("대상이 없어 파일을 만들지 않았습니다.")
                                           : QStringLiteral("E-mail이 있는 대상이 없어 파일을 만들지 않았습니다."));
    tell(file.write(kind), out);
    out << QStringLiteral("(%1줄)").arg(file.lineCount()) << Qt::endl;
    return file.losses().isEmpty() ? Ok : CharactersLost;
}

QString money(qint64 won) { return QString::number(won); }

int exportList(const Args& a, QTextStream& out)
{
    if (a.words.size() != 2)
        fail(QStringLiteral("내보낼 목록을 하나 주세요 (members, unpaid, cashbook)."), Usage);
    const QString csvFile = a.options.value(QStringLiteral("--csv"));
    if (csvFile.isEmpty())
        fail(QStringLiteral("--csv 로 저장할 파일을 주세요."), Usage);
    const QString list = a.words[1];
    if (list != QLatin1String("members") && list != QLatin1String("unpaid") && list != QLatin1String("cashbook"))
        fail(QStringLiteral("알 수 없는 목록입니다: %1 (members, unpaid, cashbook)").arg(list), Usage);
    OpenDatabase open(a);
    QStringList header;
    QList<QStringList> rows;
    if (list == QLatin1String("members")) {
        // The roster page of the general queries, as the screen lists it.
        tot::Input in;
        std::tie(in.divisionIndex, in.divisionText) = divisionEntry(a);
        in.status = a.options.contains(QStringLiteral("--withdrawn")) ? tot::Status::Withdrawn : tot::Status::Current;
        in.sort = tot::defaultSort(tot::Roster);
        tot::Listing l;
        tot::Problem p;
        if (!tot::run(tot::Roster, in, &l, &p))
            fail(p.message, Usage);
        header = QStringList{QStringLiteral("회원번호")} + l.headers;
        for (const tot::Row& r : std::as_const(l.rows))
            rows.append(QStringList{r.memberNo} + r.cells);
    } else if (list == QLatin1String("unpaid")) {
        const QString month = a.options.value(QStringLiteral("--month"));
        if (!FeePayments::isValidMonth(month))
            fail(QStringLiteral("--month 에 yyyymm 형식의 연월을 주세요."), Usage);
        UnpaidList::Filter f;
        f.reference = std::min(monthkey::lastDay(month), std::max(Clock::today(), monthkey::firstDay(month)));
        f.division = division(a, QStringLiteral("부별코드"));
        header = {"회원번호", "회원명", "부별", "입관일", "전화번호", "납부일", "미납월", "성별", "E-mail", "핸드폰", "수련비", "미납액"};
        for (const UnpaidList::Line& l : UnpaidList::list(f).lines)
            rows.append({l.memberNo, l.name, l.division, l.enrolled, l.phone, l.payDay, l.months, l.sex, l.email, l.mobile,
                         money(l.fee), money(l.owed)});
    } else {
        const QDate from = dateOption(a, QStringLiteral("--from"), QDate());
        const QDate to = dateOption(a, QStringLiteral("--to"), QDate());
        if (!from.isValid() || !to.isValid() || from > to)
            fail(QStringLiteral("--from 과 --to 로 기간을 주세요 (YYYY-MM-DD)."), Usage);
        header = {"날짜", "순번", "주항목", "소항목", "입금액", "출금액", "잔액", "적요"};
        for (const CashInquiry::Row& r : CashInquiry::byDate(from, to).rows)
            rows.append({db::dateText(r.date), r.carry ? QString() : QString::number(r.seq), r.mainItem, r.subItem, money(r.income),
                         money(r.expense), money(r.balance), r.memo});
    }
    QString why;
    CsvWriter csv(header);
    for (const QStringList& r : std::as_const(rows))
        csv.addRow(r);
    if (!csv.save(QFileInfo(csvFile).absoluteFilePath(), &why))
        fail(why);
    out << QDir::toNativeSeparators(QFileInfo(csvFile).absoluteFilePath()) << QStringLiteral(" 에 %1줄을 저장하였습니다.").arg(rows.size())
        << Qt::endl;
    return Ok;
}

const QStringList kCommands = {"backup", "check", "notices", "export", "copy"};

} // namespace

QString help(const QString& command)
{
    if (command == QLatin1String("backup"))
        return QStringLiteral(
            "사용법: tamrin-cli backup [파일|폴더] [--keep N]\n"
            "  프로그램이 실행 중이어도 자료를 한 시점 그대로 보관하고, 보관본을 무결성 검사합니다.\n"
            "  파일을 주면 그 이름으로 보관합니다 (같은 이름의 파일은 검사를 통과한 뒤에만 바뀝니다).\n"
            "  파일을 주지 않으면 backup/자동/ 에, 폴더를 주면 그 폴더에 Tamrin2000_YYYYMMDD_HHMM.db 로 보관하고\n"
            "  날짜 이름의 보관본을 최근 N개만 남깁니다 (기본: 체육관 정보의 자동 보관 개수).\n");
    if (command == QLatin1String("check"))
        return QStringLiteral(
            "사용법: tamrin-cli check\n"
            "  자료 파일의 무결성과 장부를 검사합니다: 수련비 납부마다 금전출납 줄이 꼭 하나 있는지,\n"
            "  마감한 달의 금액이 그 달 줄의 합계와 같고 누계가 다음 달로 이어지는지, 거래처 거래마다 금전출납 줄이\n"
            "  품목 공급가액의 합계와 같은지, 인원현황의 휴관/퇴관 수가 기록과 같은지.\n"
            "  검사한 것과 맞지 않는 것을 표로 보여 줍니다. 맞지 않는 것이 있으면 종료 코드 1.\n");
    if (command == QLatin1String("notices"))
        return QStringLiteral(
            "사용법: tamrin-cli notices 종류 [--division 부별코드]\n"
            "  인터넷통보자료 폴더에 통보 파일을 만듭니다 (화면에서 만드는 것과 같은 내용).\n"
            "  결석통보    [--from YYYY-MM-DD] [--to YYYY-MM-DD]  기간의 결석 (기본: 오늘)\n"
            "  납부통지서  [--date YYYY-MM-DD]                     그 날 당월 수련비를 내지 않은 회원 (기본: 오늘)\n"
            "  납부영수증  [--from YYYY-MM-DD] [--to YYYY-MM-DD]  기간에 낸 수련비 (기본: 이달 1일부터 오늘까지)\n"
            "  수련생자료                                         다니는 수련생의 기록 (휴관 제외)\n"
            "  통신문                                             다니는 수련생 중 E-mail이 있는 사람\n"
            "  SMS                                                다니는 수련생 모두\n"
            "  --division 에는 부별코드(예: 05)나 유치부, 초등부, 중고/일반 을 줍니다 (기본: 전체).\n"
            "  CP949로 쓸 수 없는 글자(일부 한자, 이모지 등)는 파일에 '?'로 기록되고, 그 회원과 내용을 보여 준 뒤\n"
            "  종료 코드 3 으로 끝납니다.\n");
    if (command == QLatin1String("copy"))
        return QStringLiteral(
            "사용법: tamrin-cli copy --to 대상 [--from 원본]\n"
            "  체육관 자료를 다른 데이터베이스로 옮깁니다: 이 PC 의 자료 파일을 서버로, 서버의 자료를 파일로.\n"
            "  대상은 postgresql://사용자@호스트:포트/데이터베이스 (비어 있는 데이터베이스) 또는 새 파일 이름입니다.\n"
            "  모든 표를 한 번에 옮기고 표마다 줄 수를 맞춰 본 뒤, check 와 같은 검사를 대상에 합니다.\n"
            "  원본의 기본값은 지금 쓰는 데이터베이스입니다. 암호는 PostgreSQL 의 암호 파일(~/.pgpass)에 둡니다.\n");
    if (command == QLatin1String("export"))
        return QStringLiteral(
            "사용법: tamrin-cli export 목록 --csv 파일\n"
            "  목록을 UTF-8 CSV 파일(첫 줄 제목)로 저장합니다.\n"
            "  members   [--division 부별코드] [--withdrawn]   회원 명단 (기본: 현재 회원)\n"
            "  unpaid    --month YYYYMM [--division 부별코드]   그 달 수련비 미납 명단\n"
            "  cashbook  --from YYYY-MM-DD --to YYYY-MM-DD     기간의 금전출납 (전월이월과 잔액 포함)\n");
    return QStringLiteral(
        "사용법: tamrin-cli [--program-dir 폴더] 명령 [인자...]\n"
        "  backup   자료를 보관하고 검사합니다\n"
        "  check    자료 파일과 장부를 검사합니다\n"
        "  notices  통보 파일을 만듭니다\n"
        "  export   목록을 CSV 파일로 저장합니다\n"
        "  copy     자료를 서버(PostgreSQL)나 다른 파일로 옮깁니다\n"
        "  --program-dir  프로그램 폴더 (기본: tamrin-cli 가 있는 폴더)\n"
        "  --database     postgresql://사용자@호스트:포트/데이터베이스 (기본: 체육관 정보의 데이터베이스 설정)\n"
        "  명령마다 --help 로 자세한 사용법을 봅니다.\n"
        "  종료 코드: 0 성공, 1 실패, 2 잘못된 명령, 3 파일은 만들었으나 CP949로 쓸 수 없는 글자가 '?'로 바뀜.\n");
}

int run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Args a;
    QString why;
    if (!parse(args, &a, &why)) {
        err << why << Qt::endl << help(a.words.value(0));
        return Usage;
    }
    const QString command = a.words.value(0);
    if (a.help || command == QLatin1String("help")) {
        out << help(command == QLatin1String("help") ? a.words.value(1) : command);
        return Ok;
    }
    if (!kCommands.contains(command)) {
        err << (command.isEmpty() ? QStringLiteral("명령을 주세요.") : QStringLiteral("알 수 없는 명령입니다: ") + command) << Qt::endl
            << help();
        return Usage;
    }
    if (a.options.contains(QStringLiteral("--program-dir"))) {
        const QString dir = a.options.value(QStringLiteral("--program-dir"));
        if (!QFileInfo(dir).isDir()) {
            err << QStringLiteral("프로그램 폴더가 없습니다: ") << dir << Qt::endl;
            return Usage;
        }
        ProgramDir::set(QFileInfo(dir).absoluteFilePath());
    }
    try {
        if (command == QLatin1String("backup"))
            return backup(a, out);
        if (command == QLatin1String("check"))
            return check(a, out);
        if (command == QLatin1String("notices"))
            return notices(a, out);
        if (command == QLatin1String("copy"))
            return copy(a, out);
        return exportList(a, out);
    } catch (const Failure& f) {
        err << f.text << Qt::endl;
        if (f.code == Usage)
            err << help(command);
        return f.code;
    } catch (const db::Error& e) {
        err << QStringLiteral("자료를 읽을 수 없습니다: ") << e.message() << Qt::endl;
        return Failed;
    }
}

} // namespace cli
