#pragma once
#include "db/DbError.h"
#include "db/JetSql.h"
#include "db/Query.h"

#include <QThread>

namespace db {

// The server gave up a transaction because another desk's got in its way (serialization failure,
// deadlock). Nothing of it was written; the same work may simply be done again.
class ConflictError : public Error {
public:
    using Error::Error;
};

// Runs `work`, which opens its own Transaction, again when it meets a ConflictError: a few tries, then
// the conflict reaches the caller as any failed save does. Inside a caller's transaction the whole of
// that transaction is lost, so there it is passed on at once.
template <class F>
auto retrying(F&& work, int tries = 4) -> decltype(work())
{
    for (int attempt = 1;; ++attempt) {
        try {
            return work();
        } catch (const ConflictError&) {
            if (attempt >= tries || Transaction::active())
                throw;
            QThread::msleep(15 * attempt);
        }
    }
}

// Desks take running numbers one at a time: called inside the writing transaction before the highest
// number is read, it waits until another desk's transaction that took a number of the same kind has
// committed or rolled back, so the Max() read next sees its number. The server releases it at the end
// of the transaction. The embedded file has one writer at a time already.
inline void lockNumbers(const QString& kind)
{
    if (onServer())
        run(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(:kind))"), {{QStringLiteral("kind"), QStringLiteral("tamrin:") + kind}});
}

} // namespace db
