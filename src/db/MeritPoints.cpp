#include "db/MeritPoints.h"

#include "db/Query.h"

namespace MeritPoints {

QString itemCode(const QString& itemName)
{
    return db::scalar(QStringLiteral("SELECT 벌점코드 FROM T_벌점항목 WHERE 벌점명 =:벌점명 "), {{"벌점명", itemName}})
        .toString();
}

bool has(const QString& memberNo, const QDate& day, const QString& code)
{
    return !db::scalar(QStringLiteral(" SELECT 벌점코드 FROM T_벌점 "
                                      " WHERE 회원번호=:회원번호 "
                                      " AND 벌점일자 =:Today "
                                      " AND 벌점코드=:벌점코드"),
                       {{"회원번호", memberNo}, {"Today", day}, {"벌점코드", code}})
                .isNull();
}

void add(const QString& memberNo, const QDate& day, const QString& code, const QString& itemName)
{
    const int top = db::scalarText(QStringLiteral(" SELECT MAX(순번) AS 최대순번 FROM T_벌점 "
                                                  " WHERE 회원번호=:회원번호 "),
                                   {{"회원번호", memberNo}})
                        .toInt();
    db::run(QStringLiteral("Insert Into T_벌점 "
                           "(회원번호, 순번, 벌점일자, 벌점코드, 비고2) "
                           "Values (:회원번호, :순번,:벌점일자, :벌점코드, :비고2)"),
            {{"회원번호", memberNo},
             {"순번", top + 1},
             {"벌점일자", day},
             {"벌점코드", code},
             {"비고2", code + QStringLiteral(") ") + itemName}});
}

} // namespace MeritPoints
