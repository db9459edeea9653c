#pragma once
#include <QDate>
#include <QList>
#include <QString>

// Awards given to members (T_상장지급), numbered with the school's certificate serial
// (T_도장정보.상장발부, the number the next certificate will carry). The attendance award, the fitness
// awards and the award certificate all record through here, when their pages first go out:
//
//   const qint64 first = AwardWriter::nextSerial();     // the numbers a preview shows
//   ... fill print with first, first + 1, ...
//   job.run("개근상1.rpt", "개근상 발부", dest, this, [=] { AwardWriter::record(awards, first); });
namespace AwardWriter {

struct Award {
    QString memberNo;
    QDate date;     // 지급일자
    QString code;   // 상장코드
    QString name;   // 상장명: 비고2 is code + ")  " + name
    QString remark; // 비고
};

// The number the next award certificate will carry (1 when the school has no record yet).
qint64 nextSerial();

// One award row each, 순번 one above the member's largest, certificates numbered from firstSerial in
// order; 상장발부 ends one above the last. An award without a real date or with a text longer than its
// column is refused. With meritEntry, an award named like a merit item also books
// that item today. One transaction (a savepoint inside the caller's); throws db::Error, writing nothing,
// also when the stored serial is no longer firstSerial.
void record(const QList<Award>& awards, qint64 firstSerial, bool meritEntry = false);

} // namespace AwardWriter
