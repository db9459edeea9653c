#include "db/ExamNumber.h"

#include "db/Query.h"

namespace ExamNumber {

int last()
{
    return db::scalar(QStringLiteral("SELECT Max(심사명) AS M_n FROM T_심사 WHERE  심사구분 ='체육관'")).toInt();
}

int next() { return last() + 1; }

int parse(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return 0;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return 0;
    return t.toInt();
}

} // namespace ExamNumber
