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

// The school record and the division table, for a branch where the settings schema has not landed.
inline void ensureSettingsTables()
{
    if (!db::tableExists("T_부별코드")) {
        sqlExec("CREATE TABLE T_부별코드 (부별코드 TEXT NOT NULL PRIMARY KEY, 부명 TEXT, 수련비 INTEGER DEFAULT 0)");
        sqlExec("INSERT INTO T_부별코드 VALUES ('01', '유치부', 120000)");
        sqlExec("INSERT INTO T_부별코드 VALUES ('03', '초등1학년부', 130000)");
        sqlExec("INSERT INTO T_부별코드 VALUES ('12', '중등부', 140000)");
    }
    if (!db::tableExists("T_도장정보")) {
        sqlExec("CREATE TABLE T_도장정보 (도장명 TEXT, 관장명 TEXT, 수련비화면 TEXT, 수련비화면체크유무 TEXT DEFAULT '0')");
    }
}

inline int count(const QString& sql, db::Params params = {}) { return db::scalar(sql, params).toInt(); }
inline int feeRows() { return count("SELECT count(*) FROM T_수련비납부"); }
inline int cashLines() { return count("SELECT count(*) FROM T_금전출납"); }

} // namespace feefix
