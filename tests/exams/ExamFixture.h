#pragma once
// Members, records and figures as the examination tests need them.
#include "attendance/AttendanceFixture.h"

#include "db/Query.h"

namespace examfix {

using attfix::addMember;
using attfix::count;
using attfix::Member;

inline void addRecord(const QString& no, const QString& date, int examNo, const QString& rank,
                      const QString& kind = QStringLiteral("체육관"), int average = 70, const QString& sentence = QString())
{
    db::run("INSERT INTO T_심사 (회원번호, 승급일자, 심사명, 심사구분, 급품코드, E1, 평균, 심사결과평가내용) "
            "VALUES (:no, :d, :n, :k, :r, :a, :a, :s)",
            {{"no", no}, {"d", date}, {"n", examNo}, {"k", kind}, {"r", rank}, {"a", average}, {"s", attfix::orNull(sentence)}});
}

inline QString rankOf(const QString& no)
{
    return db::scalar("SELECT 급품코드 FROM T_회원 WHERE 회원번호 = :no", {{"no", no}}).toString();
}

inline int records(const QString& no)
{
    return count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = :no", {{"no", no}});
}

inline void addMerit(const QString& no, int seq, const QString& date, const QString& code)
{
    db::run("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES (:no, :s, :d, :c)",
            {{"no", no}, {"s", seq}, {"d", date}, {"c", code}});
}

} // namespace examfix
