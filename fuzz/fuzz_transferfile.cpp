// Any bytes to the transfer-file import on an in-memory database: each input is imported whole or
// refused with nothing written, and the database is put back for the next one.
#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "exchange/TransferFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {
// Rows of every table the import writes.
qint64 footprint()
{
    QString sql = QStringLiteral("SELECT (SELECT Count(*) FROM T_회원) * 1000000 + (SELECT Count(*) FROM T_입관동기별현황) * 1000"
                                 " + (SELECT Count(*) FROM T_인원현황)");
    qint64 n = db::scalar(sql).toLongLong();
    for (const auto& s : TransferFile::sections())
        n += db::scalar(QStringLiteral("SELECT Count(*) FROM ") + s.table).toLongLong() * 7;
    return n + db::scalar(QStringLiteral("SELECT Sum(입관12) FROM T_인원현황")).toLongLong();
}

[[noreturn]] void fail(const char* why)
{
    std::fprintf(stderr, "fuzz_transferfile: %s\n", why);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    ProgramDir::set(dir.path());
    Clock::setFixed(QDateTime(QDate(2024, 12, 15), QTime(10, 0)));
    QString error;
    if (!db::openDatabase(QStringLiteral(":memory:"), &error))
        fail(qPrintable(error));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    db::Transaction outer; // rolled back: every input meets the same database
    const qint64 before = footprint();
    const TransferFile::Result r = TransferFile::import(bytes);
    const qint64 after = footprint();
    if (r.outcome == TransferFile::Outcome::Imported) {
        if (db::scalarText(QStringLiteral("SELECT Count(*) FROM T_회원")) != QStringLiteral("1"))
            fail("imported, but not one member");
    } else if (after != before) {
        fail("refused, but the database changed");
    }
    if (r.message.isEmpty())
        fail("no message");
    return 0;
}
