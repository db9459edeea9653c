#include "Floor.h"

#include "db/JetSql.h"
#include "db/Query.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVariant>
#include <cstdio>
#include <stdexcept>

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The index just past the quoted text that starts at i.
qsizetype skipQuoted(const QString& s, qsizetype i)
{
    for (++i; i < s.size(); ++i)
        if (s[i] == u'\'') {
            if (i + 1 < s.size() && s[i + 1] == u'\'')
                ++i;
            else
                return i + 1;
        }
    return i;
}

// The arguments of the call whose "(" is at open, split at its own commas; *close gets its ")".
QStringList callArguments(const QString& s, qsizetype open, qsizetype* close)
{
    QStringList args;
    int depth = 0;
    qsizetype from = open + 1;
    for (qsizetype i = open; i < s.size();) {
        const QChar c = s[i];
        if (c == u'\'') {
            i = skipQuoted(s, i);
            continue;
        }
        if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            args << s.mid(from, i - from).trimmed();
            *close = i;
            return args;
        } else if (c == u',' && depth == 1) {
            args << s.mid(from, i - from).trimmed();
            from = i + 1;
        }
        ++i;
    }
    throw std::runtime_error("floor: unbalanced brackets");
}

QString unquoted(const QString& literal) { return literal.mid(1, literal.size() - 2); }

QString serverDate(const QStringList& args)
{
    QString e = QStringLiteral("CAST(%1 AS DATE)").arg(args[0]);
    static const QRegularExpression step(QStringLiteral("^([+-]?\\d+) (day|month|year)s?$"));
    for (qsizetype k = 1; k < args.size(); ++k) {
        const QString mod = unquoted(args[k]);
        if (mod == QLatin1String("start of month")) {
            e = QStringLiteral("date_trunc('month', %1)").arg(e);
            continue;
        }
        const QRegularExpressionMatch m = step.match(mod);
        if (!m.hasMatch())
            throw std::runtime_error("floor: date modifier without a server spelling");
        // Written as a subtraction: the statement layer reads every "+" as Jet's.
        e = QStringLiteral("(%1 - interval '%2 %3')").arg(e).arg(-m.captured(1).toInt()).arg(m.captured(2));
    }
    return QStringLiteral("to_char(%1, 'YYYY-MM-DD')").arg(e);
}

// One SQLite-only call in the engine's spelling; empty when it stays as written.
QString rewriteCall(const QString& name, const QStringList& a, bool server)
{
    if (name == QLatin1String("date") && !a.isEmpty())
        return server ? serverDate(a) : QStringLiteral("strftime('%Y-%m-%d', %1)").arg(a.join(QStringLiteral(", ")));
    if (!server)
        return {};
    if (name == QLatin1String("group_concat") && (a.size() == 1 || a.size() == 2))
        return QStringLiteral("string_agg(CAST(%1 AS TEXT), %2)").arg(a[0], a.size() == 2 ? a[1] : QStringLiteral("','"));
    if (name == QLatin1String("ifnull") && a.size() == 2)
        return QStringLiteral("coalesce(%1, %2)").arg(a[0], a[1]);
    if ((name == QLatin1String("min") || name == QLatin1String("max")) && a.size() == 2)
        return QStringLiteral("%1(%2, %3)").arg(name == QLatin1String("min") ? "least" : "greatest", a[0], a[1]);
    if (name == QLatin1String("strftime") && a.size() == 2) {
        static const QHash<QString, std::pair<int, int>> parts = {
            {"%Y", {1, 4}}, {"%m", {6, 2}}, {"%d", {9, 2}}, {"%Y-%m", {1, 7}}, {"%Y-%m-%d", {1, 10}}};
        const auto it = parts.constFind(unquoted(a[0]));
        if (it == parts.constEnd())
            throw std::runtime_error("floor: strftime pattern without a server spelling");
        return QStringLiteral("substr(%1, %2, %3)").arg(a[1]).arg(it->first).arg(it->second);
    }
    if (name == QLatin1String("printf") && a.size() == 2) {
        static const QRegularExpression zeroPadded(QStringLiteral("^%0(\\d+)d$"));
        const QRegularExpressionMatch m = zeroPadded.match(unquoted(a[0]));
        if (!m.hasMatch())
            throw std::runtime_error("floor: printf pattern without a server spelling");
        return QStringLiteral("lpad(CAST(%1 AS TEXT), %2, '0')").arg(a[1], m.captured(1));
    }
    return {};
}

QString rewriteCalls(const QString& s, bool server)
{
    static const QSet<QString> names = {"date", "group_concat", "ifnull", "min", "max", "strftime", "printf"};
    QString out;
    for (qsizetype i = 0; i < s.size();) {
        if (s[i] == u'\'') {
            const qsizetype end = skipQuoted(s, i);
            out += s.mid(i, end - i);
            i = end;
            continue;
        }
        if (!isWordChar(s[i]) || (i > 0 && (isWordChar(s[i - 1]) || s[i - 1] == u'.'))) {
            out += s[i++];
            continue;
        }
        qsizetype end = i;
        while (end < s.size() && isWordChar(s[end]))
            ++end;
        const QString word = s.mid(i, end - i);
        qsizetype open = end;
        while (open < s.size() && s[open] == u' ')
            ++open;
        if (open < s.size() && s[open] == u'(' && names.contains(word.toLower())) {
            qsizetype close = 0;
            QStringList args = callArguments(s, open, &close);
            for (QString& a : args)
                a = rewriteCalls(a, server);
            const QString call = rewriteCall(word.toLower(), args, server);
            out += call.isEmpty() ? word + u'(' + args.join(QStringLiteral(", ")) + u')' : call;
            i = close + 1;
            continue;
        }
        out += word;
        i = end;
    }
    return out;
}

} // namespace

Floor& Floor::program()
{
    static Floor f;
    return f;
}

QString Floor::prepare(const QString& sql, bool server)
{
    // "?" and "?N" become the named parameters :p1, :p2 ... of the statement layer.
    const QString calls = rewriteCalls(sql, server);
    QString out;
    int next = 0;
    for (qsizetype i = 0; i < calls.size();) {
        if (calls[i] == u'\'') {
            const qsizetype end = skipQuoted(calls, i);
            out += calls.mid(i, end - i);
            i = end;
        } else if (calls[i] == u'?') {
            qsizetype end = i + 1;
            while (end < calls.size() && calls[end].isDigit())
                ++end;
            const int n = end > i + 1 ? calls.mid(i + 1, end - i - 1).toInt() : ++next;
            out += QStringLiteral(":p%1").arg(n);
            i = end;
        } else {
            out += calls[i++];
        }
    }
    return out;
}

size_t Floor::rows(const char* sql, const std::vector<std::string>& params)
{
    const QString text = QString::fromUtf8(sql);
    auto it = m_prepared.constFind(text);
    if (it == m_prepared.constEnd())
        it = m_prepared.insert(text, prepare(text, db::onServer()));
    db::Query q(*it);
    for (size_t i = 0; i < params.size(); ++i)
        q.bind(QStringLiteral("p%1").arg(i + 1), QString::fromStdString(params[i]));
    try {
        q.open();
    } catch (const db::Error& e) {
        // One floor the engine refuses shows as no rows and its message; the other cases still run.
        std::fprintf(stderr, "floor failed: %s\n%s\n", qPrintable(e.message()), qPrintable(*it));
        return 0;
    }
    std::vector<QVariant> cells;
    size_t n = 0;
    while (q.next()) {
        for (int c = 0; c < q.columnCount(); ++c)
            cells.push_back(q.value(c));
        ++n;
    }
    return n;
}
