#pragma once
#include <QComboBox>
#include <QString>

namespace db { class Query; }

// The division drop-down of the list screens: an empty entry, "전체", "유치부", "초등부", "중고/일반"
// (each after `indent` blanks), then one "code) name" entry per row of T_부별코드 in code order.
//
//   auto* com_bu = new DivisionFilter(this);        // fills itself from T_부별코드
//   db::Query q;
//   q << "SELECT ... FROM T_회원 a WHERE a.퇴관일 is null ";
//   com_bu->addCondition(q, "a.부별코드");            // appends the condition and binds :buCode/:buCode1
//
// Kindergarten divisions are 01-02, elementary school 03-11, older trainees and adults 12 and up.
class DivisionFilter : public QComboBox {
    Q_OBJECT
public:
    explicit DivisionFilter(QWidget* parent = nullptr, int indent = 5);

    void reload(); // rereads T_부별코드, keeping the chosen entry where it still exists

    // The condition of one entry: SQL text on `column` and the values of :buCode and :buCode1.
    struct Condition {
        QString sql;
        QString buCode;
        QString buCode1; // only for the elementary range
    };
    static Condition conditionFor(int index, const QString& text, const QString& column = QStringLiteral("a.부별코드"));
    Condition condition(const QString& column = QStringLiteral("a.부별코드")) const;
    void addCondition(db::Query& q, const QString& column = QStringLiteral("a.부별코드")) const;
    // The same for an entry given by index and text (rules classes without the widget).
    static void addConditionFor(db::Query& q, int index, const QString& text, const QString& column = QStringLiteral("a.부별코드"));
    // The same for a condition taken earlier (rules classes get it from their screen).
    static void apply(db::Query& q, const Condition& c);

    // The chosen division's code ("05"), empty for the fixed entries.
    QString divisionCode() const;

private:
    int m_indent;
};
