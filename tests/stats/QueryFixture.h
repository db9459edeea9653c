#pragma once
// Small builders for the general-query and application-register tests.
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QFile>
#include <QTest>

namespace fixture {

struct Member {
    QString no;
    QString name;
    QString division = QStringLiteral("05");
    QString rank = QStringLiteral("01");
    QString enrolled = QStringLiteral("2024-01-05");
    QString out;      // 퇴관일
    QString leave;    // 휴관일
    QString birth;
    QString sex = QStringLiteral("남");
    QString payDay = QStringLiteral("10");
};

inline QVariant orNull(const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); }

inline void member(const Member& m)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 급품코드, 입관일, 퇴관일, 휴관일, 생년월일, 성별, 납부일자, 학교, 학년, 반, 전화번호) "
            "VALUES (:no, :name, :bu, :rank, :in, :out, :leave, :birth, :sex, :pay, '한빛초등학교', '초등 3', '2', '555-1234')",
            {{"no", m.no}, {"name", m.name}, {"bu", m.division}, {"rank", m.rank}, {"in", m.enrolled}, {"out", orNull(m.out)},
             {"leave", orNull(m.leave)}, {"birth", orNull(m.birth)}, {"sex", m.sex}, {"pay", m.payDay.toInt()}});
}

inline void paid(const QString& no, const QString& month)
{
    static int seq = 0;
    db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES (:no, :m, :s, '2024-05-01', 130000)",
            {{"no", no}, {"m", month}, {"s", ++seq}});
}

inline void points(const QString& no, const QString& day, const QString& code)
{
    const int seq = db::scalar("SELECT Count(*) FROM T_벌점").toInt() + 1;
    db::run("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES (:no, :s, :d, :c)", {{"no", no}, {"s", seq}, {"d", day}, {"c", code}});
}

inline void absence(const QString& no, const QString& day)
{
    db::run("INSERT INTO T_결석 (회원번호, 결석일자) VALUES (:no, :d)", {{"no", no}, {"d", day}});
}

inline void exam(const QString& no, const QString& day, int number, const QString& kind, const QString& rank,
                 const QList<int>& scores = {0, 0, 0, 0, 0, 0}, int average = 0, const QString& note = QString())
{
    db::run("INSERT INTO T_심사 (회원번호, 승급일자, 심사명, 심사구분, 단증번호, 심사일자, 급품코드, E1, E2, E3, E4, E5, E6, "
            "출석률, 승벌점, 평균, 평가, 심사결과평가내용) VALUES (:no, :d, :n, :k, '', '1899-12-30', :r, :e1, :e2, :e3, :e4, :e5, :e6, "
            "0, 0, :avg, '', :note)",
            {{"no", no}, {"d", day}, {"n", number}, {"k", kind}, {"r", rank}, {"e1", scores.value(0)}, {"e2", scores.value(1)},
             {"e3", scores.value(2)}, {"e4", scores.value(3)}, {"e5", scores.value(4)}, {"e6", scores.value(5)}, {"avg", average},
             {"note", orNull(note)}});
}

inline void school(const QString& name = QStringLiteral("한빛 태권도"))
{
    db::run("DELETE FROM T_도장정보");
    db::run("INSERT INTO T_도장정보 (도장명, 관장명, 구, 전화번호, 단체가입번호) VALUES (:n, '홍관장', '서울 중구', ' 02-123-4567 ', 'G-77')",
            {{"n", name}});
}

inline void installLayout(const QString& name)
{
    QFile::remove(ProgramDir::file("report/" + name));
    QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
}

} // namespace fixture
