#include "db/AwardWriter.h"

#include "db/Concurrency.h"
#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "db/MeritPoints.h"

namespace AwardWriter {

qint64 nextSerial()
{
    const QVariant v = db::scalar(QStringLiteral("SELECT 상장발부 FROM T_도장정보"));
    return v.isNull() ? 1 : v.toLongLong();
}

void record(const QList<Award>& awards, qint64 firstSerial, bool meritEntry)
{
    if (awards.isEmpty())
        return;
    for (const Award& a : awards) {
        if (!a.date.isValid())
            throw db::Error(QStringLiteral("회원번호 %1 : 지급일자가 바른 날짜가 아닙니다. YYYY-MM-DD 형식의 바른 날짜로 입력하세요.")
                                .arg(a.memberNo),
                            QStringLiteral("T_상장지급"));
        for (const auto& [column, text] : {std::pair{QStringLiteral("비고"), a.remark},
                                           std::pair{QStringLiteral("비고2"), codes::itemText(a.code, a.name)}})
            if (QString p = db::widthProblem(QStringLiteral("T_상장지급"), column, text, column == u"비고" ? column : QStringLiteral("상장명"));
                !p.isEmpty())
                throw db::Error(QStringLiteral("회원번호 %1 : %2").arg(a.memberNo, p), QStringLiteral("T_상장지급"));
    }
    db::Transaction tx;
    db::lockNumbers(QStringLiteral("상장발부"));
    // The numbers were printed as the serial stood; another issue since (here or at another desk)
    // would give them twice.
    if (nextSerial() != firstSerial)
        throw db::Error(QStringLiteral("상장 번호가 그 사이에 바뀌었습니다. 다시 발부하세요."), QStringLiteral("T_도장정보.상장발부"));
    db::Query top(QStringLiteral("SELECT Max(순번) FROM T_상장지급 WHERE 회원번호 = :no"));
    db::Query insert(QStringLiteral("INSERT INTO T_상장지급 "
                                    "( 회원번호,지급일자,상장코드,순번,비고,비고2)  "
                                    " Values(:no, :date, :P_code, :sunbun, :etc, :etc2)"));
    for (const Award& a : awards) {
        top.bind(QStringLiteral("no"), a.memberNo).open();
        const qint64 seq = (top.next() ? top.value(0).toLongLong() : 0) + 1;
        top.close();
        insert.bind({{"no", a.memberNo},
                     {"date", a.date},
                     {"P_code", a.code},
                     {"sunbun", seq},
                     {"etc", a.remark},
                     {"etc2", codes::itemText(a.code, a.name)}})
            .exec();
        if (meritEntry) {
            const QString item = MeritPoints::itemCode(a.name);
            if (!item.isEmpty())
                MeritPoints::add(a.memberNo, Clock::today(), item, a.name);
        }
    }
    const qint64 next = firstSerial + awards.size();
    // A school that has not saved its record yet keeps the serial in a row of its own.
    if (db::run(QStringLiteral("UPDATE T_도장정보 SET 상장발부 = :P_Count"), {{"P_Count", next}}) == 0)
        db::run(QStringLiteral("INSERT INTO T_도장정보 (상장발부) VALUES (:P_Count)"), {{"P_Count", next}});
    tx.commit();
}

} // namespace AwardWriter
