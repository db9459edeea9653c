#include "cashbook/CashCategories.h"

#include "db/Query.h"

QList<CashCategories::Code> CashCategories::categories()
{
    QList<Code> list;
    db::Query q(QStringLiteral("Select * From T_코드구분 Order by 구분코드"));
    q.open();
    while (q.next())
        list.append({q.str("구분코드"), q.str("구분이름")});
    return list;
}

QList<CashCategories::Code> CashCategories::details(const QString& category)
{
    QList<Code> list;
    db::Query q(QStringLiteral("Select * From T_코드상세 Where 구분코드 = :구분코드 Order By 상세코드"));
    q.bind("구분코드", category).open();
    while (q.next())
        list.append({q.str("상세코드"), q.str("상세이름")});
    return list;
}

bool CashCategories::validCategory(const QString& code, const QString& name)
{
    return code.trimmed().size() == 3 && !name.trimmed().isEmpty();
}

bool CashCategories::validDetail(const QString& code, const QString& name)
{
    return code.trimmed().size() == 4 && !name.trimmed().isEmpty();
}

bool CashCategories::categoryExists(const QString& code)
{
    return db::scalar(QStringLiteral("Select Count(*) From T_코드구분 Where 구분코드 = :구분코드 "),
                      {{"구분코드", normalize(code)}}).toInt() > 0;
}

bool CashCategories::detailExists(const QString& category, const QString& code)
{
    return db::scalar(QStringLiteral("Select Count(*) From T_코드상세 Where 구분코드 = :구분코드 And 상세코드 = :상세코드 "),
                      {{"구분코드", category}, {"상세코드", normalize(code)}}).toInt() > 0;
}

void CashCategories::addCategory(const QString& code, const QString& name)
{
    db::run(QStringLiteral("Insert Into T_코드구분 (구분코드, 구분이름) Values (:구분코드, :구분이름)"),
            {{"구분코드", normalize(code)}, {"구분이름", name.trimmed()}});
}

void CashCategories::renameCategory(const QString& code, const QString& name)
{
    db::run(QStringLiteral("Update T_코드구분 Set 구분이름 = :구분이름 Where 구분코드 = :OLD_구분코드"),
            {{"구분이름", name.trimmed()}, {"OLD_구분코드", code}});
}

void CashCategories::deleteCategory(const QString& code)
{
    db::Transaction tx;
    db::run(QStringLiteral("Delete From T_코드상세 where 구분코드 = :구분코드 "), {{"구분코드", code}});
    db::run(QStringLiteral("Delete From T_코드구분 Where 구분코드 = :OLD_구분코드"), {{"OLD_구분코드", code}});
    tx.commit();
}

void CashCategories::addDetail(const QString& category, const QString& code, const QString& name)
{
    db::run(QStringLiteral("Insert Into T_코드상세 (구분코드, 상세코드, 상세이름) Values (:구분코드, :상세코드, :상세이름)"),
            {{"구분코드", category}, {"상세코드", normalize(code)}, {"상세이름", name.trimmed()}});
}

void CashCategories::updateDetail(const QString& oldCategory, const QString& oldCode, const QString& category,
                                  const QString& code, const QString& name)
{
    db::run(QStringLiteral("Update T_코드상세 Set 구분코드 = :구분코드, 상세코드 = :상세코드, 상세이름 = :상세이름 "
                           "Where 구분코드 = :OLD_구분코드 And 상세코드 = :OLD_상세코드"),
            {{"구분코드", category}, {"상세코드", normalize(code)}, {"상세이름", name.trimmed()},
             {"OLD_구분코드", oldCategory}, {"OLD_상세코드", oldCode}});
}

void CashCategories::deleteDetail(const QString& category, const QString& code)
{
    db::run(QStringLiteral("Delete From T_코드상세 Where 구분코드 = :OLD_구분코드 And 상세코드 = :OLD_상세코드"),
            {{"OLD_구분코드", category}, {"OLD_상세코드", code}});
}
