#pragma once
// Small builders for the fitness tests: trainees, measurements, national rows and layouts.
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "fitness/Fitness.h"
#include "support/TestDb.h"

#include <QFile>
#include <QString>
#include <QTest>

namespace fitfix {

struct Trainee {
    QString no;
    QString name;
    QString sex = QStringLiteral("남");
    QString birth = QStringLiteral("2015-03-02");
    QString division = QStringLiteral("05");
    QString enrolled = QStringLiteral("2023-01-10");
    QString email;
    QString mobile;
    QString leave;
    QString withdrawn;
};

inline void addTrainee(const Trainee& t)
{
    auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 성별, 생년월일, 부별코드, 급품코드, 입관일, 학년, 이메일, 핸드폰번호, 휴관일, 퇴관일) "
            "VALUES (:no, :name, :sex, :birth, :bu, '03', :enrolled, '초등 5', :email, :mobile, :leave, :out)",
            {{"no", t.no}, {"name", t.name}, {"sex", t.sex}, {"birth", t.birth}, {"bu", t.division},
             {"enrolled", orNull(t.enrolled)}, {"email", orNull(t.email)}, {"mobile", orNull(t.mobile)},
             {"leave", orNull(t.leave)}, {"out", orNull(t.withdrawn)}});
}

// A measurement: the values given fill A01, A02 ...; the rest and the obesity index as given.
inline void addMeasurement(const QString& no, const QString& date, const QList<double>& values, double fat = 0)
{
    db::Query q("INSERT INTO T_체력측정 (회원번호, 측정일자, A01, A02, A03, A04, A05, A06, A07, A08, A09, A10, A11, A12, 비만도) "
                "VALUES (:no, :d, :A01, :A02, :A03, :A04, :A05, :A06, :A07, :A08, :A09, :A10, :A11, :A12, :fat)");
    q.bind({{"no", no}, {"d", date}, {"fat", fat}});
    for (int i = 1; i <= fitness::kItems; ++i)
        q.bind(fitness::itemCode(i), values.value(i - 1));
    q.exec();
}

inline int count(const QString& sql, db::Params params = {}) { return db::scalar(sql, params).toInt(); }

// Copies a layout of the program into the test's program folder.
inline void useLayout(const QString& name)
{
    QFile::remove(ProgramDir::file("report/" + name));
    QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
}

// Makes every insert of a table for one key (an SQL literal: "'202301001'", "9") fail, as a full disk
// or a broken file would.
inline void failInsertsOf(const QString& table, const QString& column, const QString& value)
{
    db::run(QStringLiteral("CREATE TRIGGER fail_%1 BEFORE INSERT ON %1 WHEN NEW.%2 = %3 BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END")
                .arg(table, column, value));
}

} // namespace fitfix
