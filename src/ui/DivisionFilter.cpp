#include "ui/DivisionFilter.h"

#include "db/CodeTables.h"
#include "db/Query.h"

DivisionFilter::DivisionFilter(QWidget* parent, int indent) : QComboBox(parent), m_indent(indent)
{
    setObjectName(QStringLiteral("com_bu"));
    reload();
}

void DivisionFilter::reload()
{
    const QString chosen = currentText();
    clear();
    const QString blanks(m_indent, u' ');
    addItem(QString());
    for (const char* word : {"전체", "유치부", "초등부", "중고/일반"})
        addItem(blanks + QString::fromUtf8(word));
    db::Query q(QStringLiteral("SELECT 부별코드, 부명 FROM T_부별코드 ORDER BY 부별코드 asc"));
    q.open();
    while (q.next())
        addItem(codes::itemText(q.str("부별코드"), q.str("부명"), QStringLiteral(" ")));
    const int at = findText(chosen);
    setCurrentIndex(at >= 0 ? at : 0);
}

DivisionFilter::Condition DivisionFilter::conditionFor(int index, const QString& text, const QString& column)
{
    Condition c;
    const QString t = text.trimmed();
    if (index > 4) {
        c.sql = QStringLiteral(" AND a.부별코드 like :buCode ");
        c.buCode = codes::codeOf(t) + u'%';
    } else if (t == QStringLiteral("유치부")) {
        c.sql = QStringLiteral(" AND a.부별코드 <= :buCode ");
        c.buCode = QStringLiteral("02");
    } else if (t == QStringLiteral("초등부")) {
        c.sql = QStringLiteral(" AND ( a.부별코드 BETWEEN :buCode AND  :buCode1) ");
        c.buCode = QStringLiteral("03");
        c.buCode1 = QStringLiteral("11");
    } else if (t == QStringLiteral("중고/일반")) {
        c.sql = QStringLiteral(" AND a.부별코드 >= :buCode  ");
        c.buCode = QStringLiteral("12");
    } else { // empty or 전체
        c.sql = QStringLiteral(" AND a.부별코드 like :buCode ");
        c.buCode = QStringLiteral("%");
    }
    c.sql.replace(QStringLiteral("a.부별코드"), column);
    return c;
}

DivisionFilter::Condition DivisionFilter::condition(const QString& column) const
{
    return conditionFor(currentIndex(), currentText(), column);
}

void DivisionFilter::addCondition(db::Query& q, const QString& column) const
{
    addConditionFor(q, currentIndex(), currentText(), column);
}

void DivisionFilter::addConditionFor(db::Query& q, int index, const QString& text, const QString& column)
{
    apply(q, conditionFor(index, text, column));
}

void DivisionFilter::apply(db::Query& q, const Condition& c)
{
    q.add(c.sql);
    q.bind(QStringLiteral("buCode"), c.buCode);
    if (!c.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), c.buCode1);
}

QString DivisionFilter::divisionCode() const { return currentIndex() > 4 ? codes::codeOf(currentText()).trimmed() : QString(); }
