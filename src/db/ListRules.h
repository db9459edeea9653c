#pragma once
#include <QString>
#include <QVariant>

#include "db/BufferedSet.h"

namespace db {

// What a "확인" of a list answered: written, or the message to show (caption "확인요망" for a check,
// "오류" for a write the engine refused) and the row and field to put the cursor on.
struct SaveResult {
    bool saved = false;
    QString caption;
    QString message;
    int row = -1;
    QString field;

    static SaveResult check(int row, const QString& field, const QString& message)
    {
        return {false, QStringLiteral("확인요망"), message, row, field};
    }
    static SaveResult refused(const QString& message) { return {false, QStringLiteral("오류"), message, -1, QString()}; }
    static SaveResult done() { return {true, QString(), QString(), -1, QString()}; }
};

// The rules of one list edited in memory and written on "확인": what it reads, which cells take
// typing, what a choice in a cell sets, and the checks and statements of the save. The list
// widgets (ui/ListPanel) only show it; tests drive it directly.
class ListRules {
public:
    virtual ~ListRules() = default;
    virtual BufferedSet& rows() = 0;
    virtual void load() = 0;
    virtual int append() { return rows().append(); }
    virtual void remove(int row) { rows().remove(row); }
    virtual bool editable(int row, const QString& field) const = 0;
    virtual void edit(int row, const QString& field, const QVariant& value) { rows().setValue(row, field, value); }
    virtual SaveResult save() = 0;
    virtual void cancel() { rows().cancel(); }
    bool isDirty() { return rows().isDirty(); }

protected:
    // Applies the pending rows in one transaction (after `before`, inside it); a refusal keeps them
    // pending and answers "저장 에러 입니다." with the engine's message.
    template <class Before>
    SaveResult write(Before before)
    {
        try {
            Transaction t;
            before();
            rows().apply();
            t.commit();
        } catch (const Error& e) {
            return SaveResult::refused(QStringLiteral("저장 에러 입니다.\n") + e.message());
        }
        rows().markApplied();
        return SaveResult::done();
    }
    SaveResult write() { return write([] {}); }
};

} // namespace db
