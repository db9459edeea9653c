#include "backup/BooksCheck.h"

#include "backup/DatabaseFile.h"
#include "backup/DatabaseFile.h"
#include "db/Database.h"
#include "db/Query.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/Partners.h"
#include "db/DbError.h"
#include "fees/FeePayments.h"
#include "stats/MovementCounter.h"
#include "text/Cp949.h"

#include <functional>

namespace {

BooksCheck::Item checked(const QString& what, const QString& unit, const std::function<QStringList(int*)>& check)
{
    BooksCheck::Item item{what, {}, {}};
    int n = 0;
    try {
        item.faults = check(&n);
        item.counted = unit.arg(n);
    } catch (const db::Error& e) {
        item.counted = QStringLiteral("-");
        item.faults << QStringLiteral("검사하지 못했습니다: ") + e.message();
    }
    return item;
}

// Pads to a width in display columns (a Hangul syllable takes two, as in CP949 bytes).
QString padded(const QString& text, int width)
{
    const int used = int(cp949::encode(text).size());
    return text + QString(std::max(0, width - used), u' ');
}

} // namespace

QList<BooksCheck::Item> BooksCheck::run(const QString& file)
{
    QList<Item> items;
    if (db::isServerAddress(file)) {
        // The server keeps its own files whole; what it can lack is the program's tables.
        const bool tables = db::tableExists(QStringLiteral("T_회원")) && db::tableExists(QStringLiteral("T_수련비납부"));
        items.append({QStringLiteral("서버 데이터베이스"), db::describeServer(file),
                      tables ? QStringList() : QStringList{QStringLiteral("프로그램의 표가 없습니다.")}});
    } else {
        const QString damage = DatabaseFile::problem(file);
        items.append({QStringLiteral("자료 파일 무결성"), QStringLiteral("파일 1개"), damage.isEmpty() ? QStringList() : QStringList{damage}});
    }
    items.append(checked(QStringLiteral("수련비 납부와 금전출납"), QStringLiteral("납부 %1건"), &FeePayments::linkFaults));
    items.append(checked(QStringLiteral("월마감 금액과 누계"), QStringLiteral("마감 %1개월"), &MonthClosing::chainFaults));
    items.append(checked(QStringLiteral("거래처 거래와 금전출납"), QStringLiteral("거래 %1건"), &PartnerDeals::cashFaults));
    items.append(checked(QStringLiteral("인원현황과 휴관/퇴관 기록"), QStringLiteral("%1개 연도"), &MovementCounter::counterFaults));
    return items;
}

bool BooksCheck::clean(const QList<Item>& items)
{
    for (const Item& i : items)
        if (!i.faults.isEmpty())
            return false;
    return true;
}

QString BooksCheck::table(const QList<Item>& items)
{
    QString out = padded(QStringLiteral("검사 항목"), 28) + padded(QStringLiteral("검사 대상"), 16) + QStringLiteral("결과\n");
    out += QString(56, u'-') + u'\n';
    for (const Item& i : items)
        out += padded(i.what, 28) + padded(i.counted, 16)
            + (i.faults.isEmpty() ? QStringLiteral("이상 없음") : QStringLiteral("불일치 %1건").arg(i.faults.size())) + u'\n';
    for (const Item& i : items) {
        if (i.faults.isEmpty())
            continue;
        out += u'\n' + QStringLiteral("[%1]\n").arg(i.what);
        for (const QString& f : i.faults)
            out += QStringLiteral("  - ") + f + u'\n';
    }
    return out;
}
