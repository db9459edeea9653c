#include "exams/ExamSettings.h"

#include "db/CodeTables.h"
#include "db/Query.h"
#include "text/Cp949.h"

#include <QSet>

void ExamItems::open()
{
    m_set.open(QStringLiteral("select * from T_심사항목 order by 심사항목코드"));
    m_set.setStatements(QString(),
                        QStringLiteral("update T_심사항목 set   심사항목명 = :심사항목명 where   심사항목코드 = :OLD_심사항목코드"),
                        QString());
}

void ExamItems::save()
{
    db::Transaction tx;
    m_set.apply();
    tx.commit();
    m_set.markApplied();
}

QStringList ExamItems::names(int bytes)
{
    QStringList out;
    db::Query q(QStringLiteral("select 심사항목명 from T_심사항목 order by 심사항목코드"));
    q.open();
    while (out.size() < 6 && q.next()) {
        const QString n = q.str(QStringLiteral("심사항목명"));
        out.append(bytes > 0 ? cp949::cut(n, bytes) : n);
    }
    while (out.size() < 6)
        out.append(QString());
    return out;
}

void NoticeTexts::open()
{
    m_set.open(QStringLiteral("select  * from T_심사결과안내문 order by 심사결과안내코드 asc"));
    QStringList cols{QStringLiteral("심사결과안내코드"), QStringLiteral("급품코드"), QStringLiteral("급품코드비고")};
    for (int k = 1; k <= kPieces; ++k)
        cols.append(QStringLiteral("심사결과안내%1").arg(k));
    QStringList sets, params;
    for (const QString& c : cols) {
        sets.append(QStringLiteral("  %1 = :%1").arg(c));
        params.append(u':' + c);
    }
    m_set.setStatements(QStringLiteral("insert into T_심사결과안내문 (%1) values (%2)").arg(cols.join(u','), params.join(u',')),
                        QStringLiteral("update T_심사결과안내문 set %1 where   심사결과안내코드 = :OLD_심사결과안내코드 and   급품코드 = :OLD_급품코드")
                            .arg(sets.join(u',')),
                        QStringLiteral("delete from T_심사결과안내문 where   심사결과안내코드 = :OLD_심사결과안내코드 and   급품코드 = :OLD_급품코드"));
}

int NoticeTexts::append()
{
    int last = 0;
    for (int i = 0; i < m_set.count(); ++i)
        last = std::max(last, m_set.value(i, QStringLiteral("심사결과안내코드")).toInt());
    // Rows deleted in this edit keep their numbers until written: never reuse one of the table.
    last = std::max(last, db::scalar(QStringLiteral("SELECT Max(심사결과안내코드) FROM T_심사결과안내문")).toInt());
    const int row = m_set.append();
    m_set.setValue(row, QStringLiteral("심사결과안내코드"), last + 1);
    return row;
}

void NoticeTexts::setRank(int row, const QString& rankItem)
{
    m_set.setValue(row, QStringLiteral("급품코드비고"), rankItem);
    m_set.setValue(row, QStringLiteral("급품코드"), codes::codeOf(rankItem).trimmed());
}

void NoticeTexts::setPiece(int row, int piece, const QString& text)
{
    m_set.setValue(row, QStringLiteral("심사결과안내%1").arg(piece), text);
}

QString NoticeTexts::duplicateRank() const
{
    QSet<QString> seen;
    for (int i = 0; i < m_set.count(); ++i) {
        const QString code = m_set.value(i, QStringLiteral("급품코드")).toString();
        if (code.isEmpty())
            continue;
        if (seen.contains(code))
            return m_set.value(i, QStringLiteral("급품코드비고")).toString();
        seen.insert(code);
    }
    return QString();
}

QString NoticeTexts::save()
{
    for (int i = 0; i < m_set.count(); ++i)
        if (m_set.value(i, QStringLiteral("급품코드")).toString().isEmpty())
            return QStringLiteral("급품을 선택하세요.");
    const QString twice = duplicateRank();
    if (!twice.isEmpty())
        return QStringLiteral("%1 의 안내문이 이미 있습니다. 급품마다 안내문은 하나입니다.").arg(twice);
    db::Transaction tx;
    m_set.apply();
    tx.commit();
    m_set.markApplied();
    return QString();
}

QStringList NoticeTexts::rankItems()
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드"));
    q.open();
    while (q.next())
        out.append(q.str(QStringLiteral("급품코드")) + u')' + q.str(QStringLiteral("급품명")));
    return out;
}

const QStringList& TrainingContent::fields()
{
    static const QStringList f{QStringLiteral("기본예절"), QStringLiteral("기본동작"), QStringLiteral("품새"), QStringLiteral("발차기"),
                               QStringLiteral("정신교육"), QStringLiteral("비고1"),    QStringLiteral("비고2")};
    return f;
}

void TrainingContent::open()
{
    m_set.open(QStringLiteral("select b.급품코드 As Code, b.급품명, a.* from T_급별수련내용 a Right Join T_급품코드 b "
                              "ON a.급품코드 = b.급품코드 order by b.급품코드 asc"));
    QStringList sets;
    for (const QString& f : fields())
        sets.append(QStringLiteral("%1 = :%1").arg(f));
    m_set.setStatements(QString(), QStringLiteral("UPDATE T_급별수련내용 SET %1 WHERE 급품코드 = :Code").arg(sets.join(QStringLiteral(", "))),
                        QString());
}

void TrainingContent::save()
{
    db::Transaction tx;
    for (int i = 0; i < m_set.count(); ++i)
        if (m_set.oldValue(i, QStringLiteral("급품코드")).isNull())
            db::run(QStringLiteral("Insert Into T_급별수련내용 (급품코드) Values (:bCode) "), {{"bCode", m_set.value(i, QStringLiteral("Code"))}});
    m_set.apply();
    tx.commit();
    m_set.markApplied();
    // The rows created now hold their own code.
    for (int i = 0; i < m_set.count(); ++i)
        if (m_set.value(i, QStringLiteral("급품코드")).isNull())
            m_set.setValue(i, QStringLiteral("급품코드"), m_set.value(i, QStringLiteral("Code")));
    m_set.markApplied();
}
