#include "ui/SchoolYearFilter.h"

#include "db/Query.h"

namespace {
constexpr int kFixedEntries = 5;

QString anyOf(const QString& column, const QStringList& grades)
{
    QStringList terms;
    for (const QString& g : grades)
        terms.append(column + QStringLiteral("='") + g + u'\'');
    return QStringLiteral(" AND (    ") + terms.join(QStringLiteral(" or ")) + QStringLiteral(")  ");
}
} // namespace

SchoolYearFilter::SchoolYearFilter(QWidget* parent, int indent) : QComboBox(parent), m_indent(indent)
{
    setObjectName(QStringLiteral("com_year"));
    reload();
}

void SchoolYearFilter::reload()
{
    const QString chosen = currentText();
    clear();
    const QString blanks(m_indent, u' ');
    addItem(QString());
    for (const char* word : {"전체", "유치부", "초등부", "중고/일반"})
        addItem(blanks + QString::fromUtf8(word));
    db::Query q(QStringLiteral("SELECT 학년 FROM T_학년코드 ORDER BY 학년코드 asc"));
    q.open();
    while (q.next())
        addItem(q.str(QStringLiteral("학년")));
    const int at = findText(chosen);
    setCurrentIndex(at >= 0 ? at : 0);
}

SchoolYearFilter::Condition SchoolYearFilter::conditionFor(int index, const QString& text, const QString& column)
{
    Condition c;
    const QString t = text.trimmed();
    if (index >= kFixedEntries) {
        c.sql = QStringLiteral(" AND %1 like :Year ").arg(column);
        c.year = text;
    } else if (t == QStringLiteral("유치부")) {
        c.sql = anyOf(column, {QStringLiteral("유치 4"), QStringLiteral("유치 5"), QStringLiteral("유치 6"), QStringLiteral("유치 7")});
    } else if (t == QStringLiteral("초등부")) {
        QStringList g;
        for (int i = 1; i <= 6; ++i)
            g.append(QStringLiteral("초등 %1").arg(i));
        c.sql = anyOf(column, g);
    } else if (t == QStringLiteral("중고/일반")) {
        QStringList g;
        for (int i = 1; i <= 3; ++i)
            g.append(QStringLiteral("중등 %1").arg(i));
        for (int i = 1; i <= 3; ++i)
            g.append(QStringLiteral("고등 %1").arg(i));
        g << QStringLiteral("대학교") << QStringLiteral("일반");
        c.sql = anyOf(column, g);
    }
    return c; // empty or 전체: no condition
}

SchoolYearFilter::Condition SchoolYearFilter::condition(const QString& column) const
{
    return conditionFor(currentIndex(), currentText(), column);
}

void SchoolYearFilter::addCondition(db::Query& q, const QString& column) const
{
    const Condition c = condition(column);
    q.add(c.sql);
    if (!c.year.isEmpty())
        q.bind(QStringLiteral("Year"), c.year);
}

QString SchoolYearFilter::grade() const { return currentIndex() >= kFixedEntries ? currentText() : QString(); }
