#include "PartnerData.h"

#include "cashbook/Partners.h"
#include "db/DbError.h"
#include "db/Query.h"

namespace {

struct Goods {
    const char* name;
    const char* standard;
    int low, high; // unit price in hundreds of won
};
const Goods kGoods[] = {{"도복", "110", 250, 450}, {"도복", "130", 300, 500}, {"띠", "유급", 30, 60},
                        {"보호대", "S", 150, 300}, {"미트", "대", 200, 400},  {"음료", "박스", 80, 150}};

} // namespace

void PartnerData::setUp()
{
    const Partner partners[] = {
        {"A001", "대한스포츠", "123-45-67890", "김상철", "서울시 중구 무도로 12", "04500", "도소매", "운동용품", "02-111-2222", ""},
        {"A002", "한국무도사", "220-81-55555", "이영희", "서울시 마포구 도장길 3", "04000", "제조", "도복", "02-333-4444", "010-1234-5678"},
        {"B001", "푸른음료", "105-11-22222", "박민수", "경기도 고양시 물길 7", "10200", "도매", "음료", "031-555-6666", ""}};
    for (const Partner& p : partners)
        if (const Partners::Refusal r = Partners::save(p); !r.ok())
            throw db::Error(r.message, p.code);
    db::run("INSERT INTO T_코드구분 (구분코드, 구분이름) VALUES ('A01', '도장용품')");
    const char* names[] = {"도복", "띠", "보호대", "미트"};
    int n = 0;
    for (const char* name : names)
        db::run("INSERT INTO T_코드상세 (구분코드, 상세코드, 상세이름) VALUES ('A01', :c, :n)",
                {{"c", QStringLiteral("%1").arg(++n, 4, 10, QChar(u'0'))}, {"n", QString::fromUtf8(name)}});
}

int PartnerData::addMonth(std::mt19937& rng, const QDate& first, const QDate& last, int days)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const codes[] = {"A001", "A002", "B001"};
    int lines = 0;
    for (int d = 0; d < days; ++d) {
        const QDate day = first.addDays(pick(0, first.daysTo(last)));
        const QString partner = QString::fromLatin1(codes[pick(0, 2)]);
        const bool income = pick(0, 9) == 0; // now and then goods go back for money
        for (int k = pick(1, 3); k > 0; --k) {
            const Goods& g = kGoods[pick(0, int(std::size(kGoods)) - 1)];
            const QString qty = QString::number(pick(1, 20));
            const QString price = QString::number(pick(g.low, g.high) * 100);
            const PartnerDeals::Result r = PartnerDeals::add(
                day, partner, income,
                {QString::fromUtf8(g.name), QString::fromUtf8(g.standard), qty, price, PartnerDeals::supplyText(qty, price), QString(), QString()});
            if (!r.ok())
                throw db::Error(r.message, QStringLiteral("goods line"));
            ++lines;
        }
    }
    return lines;
}
