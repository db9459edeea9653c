#pragma once
#include <QString>
#include <QStringList>

#include "db/ListRules.h"

// One of the three code tables of the shuttle service as the screen "탑승 현황" edits it: the courses,
// the stops of each course, the pick-up times at each stop. The codes of a stored row are its key and
// what members point to, so they are never changed in place.
class ShuttleList : public db::ListRules {
public:
    enum Tab { Course = 0, Stop = 1, Time = 2 };
    explicit ShuttleList(Tab tab);

    Tab tab() const { return m_tab; }
    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    // Deletes at once, in one transaction: a course with its stops and times, a stop with its times.
    void remove(int row) override;
    bool editable(int row, const QString& field) const override;
    // A course or stop chosen from its drop-down also sets the code behind the text.
    void edit(int row, const QString& field, const QVariant& value) override;
    // A pending row missing a required field is named, a refused write ("중복된 코드가 존재합니다.")
    // keeps the rows pending for correction.
    db::SaveResult save() override;

    // Drop-down items: "1)통학1호" for courses, "01)정문" for stops; the first item is empty.
    static QStringList courseItems();
    static QStringList stopItems(const QString& courseCode);
    static QString itemText(const QString& code, const QString& name) { return code + u')' + name; }

private:
    Tab m_tab;
    db::BufferedSet m_rows;
};
