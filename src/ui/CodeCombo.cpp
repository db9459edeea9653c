#include "ui/CodeCombo.h"

#include "db/CodeTables.h"
#include "db/Query.h"

CodeCombo::CodeCombo(QWidget* parent) : QComboBox(parent) {}

void CodeCombo::load(const QString& table, const QString& codeColumn, const QString& nameColumn, bool emptyFirst)
{
    loadSql(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1 asc").arg(codeColumn, nameColumn, table), emptyFirst);
}

void CodeCombo::loadSql(const QString& sql, bool emptyFirst)
{
    clear();
    if (emptyFirst)
        addItem(QString());
    db::Query q(sql);
    q.open();
    while (q.next())
        addItem(codes::itemText(q.value(0).toString(), q.value(1).toString(), m_blanks));
}

QString CodeCombo::code() const { return currentIndex() < 0 ? QString() : codes::codeOf(currentText()); }

bool CodeCombo::setCode(const QString& code)
{
    for (int i = 0; i < count(); ++i) {
        if (!itemText(i).isEmpty() && codes::codeOf(itemText(i)) == code) {
            setCurrentIndex(i);
            return true;
        }
    }
    setCurrentIndex(-1);
    return false;
}
