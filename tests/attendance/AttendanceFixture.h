#pragma once
// Members as the attendance tests need them, and a few counts.
#include "db/Query.h"
#include "support/TestDb.h"

#include <QString>
#include <QVariant>

namespace attfix {

struct Member {
    QString no;
    QString name;
    QString division = QStringLiteral("03");
    QString grade = QStringLiteral("10");     // 급품코드
    QString enrolled = QStringLiteral("2023-01-10");
    QString leave;                             // 휴관일
    QString withdrawn;                         // 퇴관일
    QString year;                              // 학년
    QString email;
    QString mobile;
    QString born = QStringLiteral("2015-07-03");
    QString phone = QStringLiteral("02-123-4567");
};

inline QVariant orNull(const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); }

inline void addMember(const Member& m)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 급품코드, 입관일, 휴관일, 퇴관일, 학년, 이메일, 핸드폰번호, "
            "생년월일, 전화번호, 성별, 양력음력, 납부일자) "
            "VALUES (:no, :name, :bu, :grade, :enrolled, :leave, :out, :year, :mail, :mobile, :born, :phone, '남', '양', 10)",
            {{"no", m.no},
             {"name", m.name},
             {"bu", m.division},
             {"grade", m.grade},
             {"enrolled", orNull(m.enrolled)},
             {"leave", orNull(m.leave)},
             {"out", orNull(m.withdrawn)},
             {"year", orNull(m.year)},
             {"mail", orNull(m.email)},
             {"mobile", orNull(m.mobile)},
             {"born", orNull(m.born)},
             {"phone", m.phone}});
}

inline void addAbsence(const QString& no, const QString& date, const QString& code = QStringLiteral("01"),
                       const QString& note = QString())
{
    db::run("INSERT INTO T_결석 (회원번호, 결석일자, 결석사유코드, 비고) VALUES (:no, :d, :c, :n)",
            {{"no", no}, {"d", date}, {"c", code}, {"n", orNull(note)}});
}

inline int count(const QString& sql, db::Params params = {}) { return db::scalar(sql, params).toInt(); }

} // namespace attfix
