#pragma once
// Small builders for the fee tests: members, closed months and row counts.
#include "db/Database.h"
#include "db/Query.h"
#include "db/ProgramDir.h"
#include "fees/FeePayments.h"
#include "ui/DivisionFilter.h"
#include "support/TestDb.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
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
    QString payDay = QStringLiteral("10");
    QString email;
    QString mobile;
};

inline void addMember(const Member& m)
{
    db::run("INSERT INTO T_회원 (회원번호, 회원명, 부별코드, 입관일, 수련비, 납부일자, 납부은행, 휴관일, 퇴관일, 이메일, 핸드폰번호) "
            "VALUES (:no, :name, :bu, :enrolled, :fee, :payDay, '국민', :leave, :out, :email, :mobile)",
            {{"no", m.no},
             {"name", m.name},
             {"bu", m.division},
             {"enrolled", m.enrolled.isEmpty() ? QVariant() : QVariant(m.enrolled)},
             {"fee", m.fee},
             {"leave", m.leave.isEmpty() ? QVariant() : QVariant(m.leave)},
             {"out", m.withdrawn.isEmpty() ? QVariant() : QVariant(m.withdrawn)},
             {"payDay", m.payDay.isEmpty() ? QVariant() : QVariant(m.payDay.toInt())},
             {"email", m.email},
             {"mobile", m.mobile}});
}

// A payment as the fee window records it; an amount of 0 (an exempt month) without a cash-book line.
inline void pay(const QString& memberNo, const QString& month, const QString& date, qint64 amount = 100000)
{
    FeePayments::add(memberNo, month, QDate::fromString(date, Qt::ISODate), amount, QString(),
                     amount == 0 ? FeePayments::CashLine::None : FeePayments::CashLine::Write);
}

// The program's own layout files, copied into the test's program folder.
inline void installLayouts()
{
    const QDir from(QStringLiteral(TAMRIN_SOURCE_DIR "/report"));
    for (const QString& f : from.entryList(QDir::Files))
        QFile::copy(from.filePath(f), ProgramDir::file(QStringLiteral("report/") + f));
}

// The lines of the last print run (end row left out), by lower-case column name, in the order written.
inline QList<QHash<QString, QString>> printRows()
{
    QList<QHash<QString, QString>> rows;
    db::Query q("SELECT * FROM print WHERE seqno < 100000 ORDER BY " + db::rowOrderColumn());
    q.open();
    while (q.next()) {
        QHash<QString, QString> r;
        for (int i = 0; i < q.columnCount(); ++i)
            r.insert(q.columnName(i).toLower(), q.value(i).toString());
        rows.append(r);
    }
    return rows;
}

// The "전체" entry of the division drop-down, on the column a statement names.
inline DivisionFilter::Condition everyDivision(const QString& column = QStringLiteral("부별코드"))
{
    return DivisionFilter::conditionFor(1, QStringLiteral("전체"), column);
}

// A file of tests/fees/golden, byte for byte (empty when missing).
inline QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/fees/golden/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline int count(const QString& sql, db::Params params = {}) { return db::scalar(sql, params).toInt(); }
inline int feeRows() { return count("SELECT count(*) FROM T_수련비납부"); }
inline int cashLines() { return count("SELECT count(*) FROM T_금전출납"); }

} // namespace feefix
