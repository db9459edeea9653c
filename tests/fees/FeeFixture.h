#pragma once
// Small builders for the fee tests: members, closed months and row counts.
#include "db/Query.h"
#include "db/Session.h"
#include "support/TestDb.h"

#include <QString>

namespace feefix {

struct Member {
    QString no;
    QString name;
    QString division = QStringLiteral("03");
    QString enrolled = QStringLiteral("2023-01-10");
    qint64 fee = 100000;
    QString leave;     // 휴관일
    QString withdrawn; // 퇴관일
};

inline void addMember(const Member& m)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 입관일, 수련비, 납부일자, 납부은행, 휴관일, 퇴관일) "
            "VALUES (:no, :name, :bu, :enrolled, :fee, 10, '국민', :leave, :out)",
            {{"no", m.no},
             {"name", m.name},
             {"bu", m.division},
             {"enrolled", m.enrolled.isEmpty() ? QVariant() : QVariant(m.enrolled)},
             {"fee", m.fee},
             {"leave", m.leave.isEmpty() ? QVariant() : QVariant(m.leave)},
             {"out", m.withdrawn.isEmpty() ? QVariant() : QVariant(m.withdrawn)}});
}

inline int count(const QString& sql, db::Params params = {}) { return db::scalar(sql, params).toInt(); }
inline int feeRows() { return count("SELECT count(*) FROM T_수련비납부"); }
inline int cashLines() { return count("SELECT count(*) FROM T_금전출납"); }

} // namespace feefix
