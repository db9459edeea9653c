#pragma once
#include <QString>
#include <QStringList>

#include "db/ListRules.h"

// One list of T_공휴행사일: the public holidays and common events ("공휴일") or the events of one plan
// division ("유치부", "초등부유급자", "초등부유품자", "중고일반"), edited in memory and written on "확인".
// An entry is found by its kind and date, so a stored entry's date is never changed: delete it and
// enter a new one.
class CalendarList : public db::ListRules {
public:
    explicit CalendarList(const QString& kind);

    static const QString kHolidays;            // "공휴일"
    static const QStringList& divisionKinds(); // the four plan divisions, in screen order

    QString kind() const { return m_kind; }
    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    bool editable(int row, const QString& field) const override; // new row: date and name; stored: the name
    // Checks every row (a date that exists as "yyyy-mm-dd", division events named, no date twice) and
    // writes the pending changes in one transaction. Whatever stops it keeps them pending.
    db::SaveResult save() override;

    static bool isDate(const QString& text); // "yyyy-mm-dd" of a day that exists

private:
    QString m_kind;
    db::BufferedSet m_rows;
};
