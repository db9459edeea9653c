#pragma once
#include <QComboBox>
#include <QString>

namespace db { class Query; }

// The school-year drop-down beside DivisionFilter: an empty entry, "전체", "유치부", "초등부",
// "중고/일반" (each after `indent` blanks), then the grades of T_학년코드 in code order.
//
//   auto* com_year = new SchoolYearFilter(this);
//   db::Query q("SELECT ... FROM T_회원 a WHERE a.퇴관일 IS NULL ");
//   com_year->addCondition(q, "a.학년");        // appends the condition and binds :Year
class SchoolYearFilter : public QComboBox {
    Q_OBJECT
public:
    explicit SchoolYearFilter(QWidget* parent = nullptr, int indent = 5);

    void reload(); // rereads T_학년코드, keeping the chosen entry where it still exists

    // The condition of one entry on `column`; `year` is the value of :Year (only for a grade).
    struct Condition {
        QString sql;
        QString year;
    };
    static Condition conditionFor(int index, const QString& text, const QString& column = QStringLiteral("a.학년"));
    Condition condition(const QString& column = QStringLiteral("a.학년")) const;
    void addCondition(db::Query& q, const QString& column = QStringLiteral("a.학년")) const;

    // The chosen grade ("초등 3"), empty for the fixed entries.
    QString grade() const;

private:
    int m_indent;
};
