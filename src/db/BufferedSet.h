#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "db/Query.h"

namespace db {

// Rows read by a query and held in memory while the user adds, edits and deletes them; "확인" applies
// them with the screen's INSERT/UPDATE/DELETE statements, where ":col" is the row's new value and
// ":OLD_col" the value it had when read (compared null-safely). "취소" discards the changes.
class BufferedSet {
public:
    enum class State { Unchanged, Inserted, Modified };

    void open(const QString& selectSql, Params params = {});
    void setStatements(const QString& insertSql, const QString& updateSql, const QString& deleteSql);
    void setParam(const QString& name, const QVariant& value); // extra parameters of the statements

    QStringList columns() const { return m_columns; }
    int count() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    QVariant value(int row, const QString& column) const;
    QVariant oldValue(int row, const QString& column) const;
    void setValue(int row, const QString& column, const QVariant& value);
    State state(int row) const { return m_rows[row].state; }

    int append();             // a new empty row, returns its index
    void remove(int row);     // a stored row is deleted on apply; a new one just disappears
    // A row already written or deleted by other means leaves the set as if it had never been read.
    void forget(int row);
    int deletedCount() const { return m_deleted.size(); }
    QVariant deletedValue(int i, const QString& column) const; // the stored value of a deleted row
    bool isDirty() const;

    void apply();             // runs the statements; throws db::Error. Call inside a Transaction.
    void markApplied();       // after the commit: the buffer becomes the stored state
    void cancel();            // back to the stored state

private:
    struct Row {
        QList<QVariant> cur;
        QList<QVariant> orig;
        State state = State::Unchanged;
    };
    int col(const QString& name) const;
    void runFor(const QString& sql, const Row& row);
    void bindRow(Query& q, const Row& row) const;
    void checkUnchanged(const QString& updateSql, const Row& row);

public:
    // What a save is told when another desk changed or deleted the row since it was read.
    static QString changedMessage();

private:

    QStringList m_columns;
    QHash<QString, int> m_index;  // lower-case column -> position
    QList<Row> m_rows;
    QList<Row> m_deleted;
    QList<Row> m_saved;           // rows as last read or applied, for cancel
    QString m_insert, m_update, m_delete;
    QHash<QString, QVariant> m_extra;
};

} // namespace db
