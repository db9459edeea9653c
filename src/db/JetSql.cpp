// Statements in the Jet dialect made ready for the engine: a tokeniser, the rewrites of Jet's operators
// and functions, and the translation cache.
#include "db/JetSql.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>

namespace db {

namespace {

enum class Tok { Space, Word, Number, String, Param, Date, Punct, Comment, Raw };

struct Token {
    Tok type;
    QString text;
    bool arith = false; // a parameter next to + - * /
};

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

QList<Token> tokenize(const QString& s)
{
    QList<Token> out;
    const int n = s.size();
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        const int start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace())
                ++i;
            out.append({Tok::Space, s.mid(start, i - start)});
        } else if (c == u'\'' || c == u'"') {
            // Jet takes both quotes as text literals; SQLite only the single one.
            QString body;
            ++i;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) {
                        body += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                body += s[i++];
            }
            body.replace(u'\'', QStringLiteral("''"));
            out.append({Tok::String, u'\'' + body + u'\''});
        } else if (c == u'[') {
            while (i < n && s[i] != u']')
                ++i;
            i = qMin(n, i + 1);
            out.append({Tok::Word, s.mid(start, i - start)});
        } else if (c == u'#') {
            const int close = s.indexOf(u'#', i + 1);
            static const QRegularExpression dateRe(QStringLiteral("^[0-9]{1,4}[-/][0-9]{1,2}[-/][0-9]{1,4}( [0-9:]+)?$"));
            const QString inner = close > 0 ? s.mid(i + 1, close - i - 1) : QString();
            if (close > 0 && dateRe.match(inner).hasMatch()) {
                out.append({Tok::Date, inner});
                i = close + 1;
            } else {
                out.append({Tok::Punct, QString(c)});
                ++i;
            }
        } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            while (i < n && s[i] != u'\n')
                ++i;
            out.append({Tok::Comment, s.mid(start, i - start)});
        } else if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
            const int end = s.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            out.append({Tok::Comment, s.mid(start, i - start)});
        } else if (c == u':' && i + 1 < n && (s[i + 1].isLetter() || s[i + 1] == u'_')) {
            ++i;
            while (i < n && isWordChar(s[i]))
                ++i;
            out.append({Tok::Param, s.mid(start + 1, i - start - 1)});
        } else if (c.isDigit()) {
            while (i < n && (s[i].isDigit() || s[i] == u'.'))
                ++i;
            out.append({Tok::Number, s.mid(start, i - start)});
        } else if (isWordChar(c)) {
            while (i < n && isWordChar(s[i]))
                ++i;
            out.append({Tok::Word, s.mid(start, i - start)});
        } else {
            if ((c == u'<' || c == u'>' || c == u'|' || c == u'!') && i + 1 < n
                && (s[i + 1] == u'=' || s[i + 1] == u'>' || s[i + 1] == u'|')) {
                out.append({Tok::Punct, s.mid(i, 2)});
                i += 2;
            } else {
                out.append({Tok::Punct, QString(c)});
                ++i;
            }
        }
    }
    return out;
}

// Jet function name -> the function registered on the connection (or SQLite's own where it agrees).
const QHash<QString, QString>& functionMap()
{
    static const QHash<QString, QString> map = {
        {"mid", "jet_mid"},       {"left", "jet_left"},     {"right", "jet_right"},   {"len", "jet_len"},
        {"val", "jet_val"},       {"str", "jet_str"},       {"format", "jet_format"}, {"isnull", "jet_isnull"},
        {"year", "jet_year"},     {"month", "jet_month"},   {"day", "jet_day"},       {"int", "jet_int"},
        {"fix", "jet_fix"},       {"date", "jet_date"},     {"now", "jet_now"},       {"time", "jet_time"},
        {"nz", "jet_nz"},         {"ucase", "upper"},       {"lcase", "lower"},       {"instr", "jet_instr"},
        {"cstr", "jet_cstr"},     {"cint", "jet_cint"},     {"clng", "jet_cint"},     {"cdbl", "jet_cdbl"},
        {"sgn", "sign"},          {"space", "jet_space"},   {"round", "jet_round"},   {"iif", "iif"},
        {"trim", "trim"},         {"ltrim", "ltrim"},       {"rtrim", "rtrim"},       {"weekday", "jet_weekday"},
        {"dateserial", "jet_dateserial"}, {"dateadd", "jet_dateadd"}, {"datediff", "jet_datediff"},
        {"string", "jet_string"},
    };
    return map;
}

// Column types of Create Table in Jet -> SQLite types with the affinity the values need.
QString createType(const QString& lower, bool* dropLength)
{
    *dropLength = false;
    if (lower == "string" || lower == "text" || lower == "char" || lower == "varchar") {
        *dropLength = true;
        return QStringLiteral("TEXT");
    }
    if (lower == "memo" || lower == "longtext" || lower == "datetime" || lower == "date")
        return QStringLiteral("TEXT");
    if (lower == "integer" || lower == "long" || lower == "short" || lower == "byte" || lower == "counter"
        || lower == "currency" || lower == "bit" || lower == "yesno")
        return QStringLiteral("INTEGER");
    if (lower == "double" || lower == "single" || lower == "float" || lower == "real")
        return QStringLiteral("REAL");
    return {};
}

// The same column kinds on PostgreSQL: texts compare by code point as SQLite's BINARY does, whole
// numbers are 64 bits as SQLite's are, and REAL is a double.
QString pgType(const QString& sqliteType)
{
    if (sqliteType == QLatin1String("TEXT"))
        return QStringLiteral("TEXT COLLATE \"C\"");
    if (sqliteType == QLatin1String("INTEGER"))
        return QStringLiteral("BIGINT");
    if (sqliteType == QLatin1String("REAL"))
        return QStringLiteral("DOUBLE PRECISION");
    return sqliteType;
}

// Words that SQLite reserves but Jet lets a statement use as a column alias ("'0' As Check").
bool isSqliteKeyword(const QString& lower)
{
    static const QSet<QString> words = {
        "abort", "action", "add", "after", "all", "alter", "analyze", "and", "as", "asc", "attach", "before",
        "begin", "between", "by", "cascade", "case", "cast", "check", "collate", "column", "commit", "conflict",
        "constraint", "create", "cross", "current", "database", "default", "deferred", "delete", "desc", "detach",
        "distinct", "do", "drop", "each", "else", "end", "escape", "except", "exclude", "exclusive", "exists",
        "explain", "fail", "filter", "first", "following", "for", "foreign", "from", "full", "glob", "group",
        "groups", "having", "if", "ignore", "immediate", "in", "index", "indexed", "initially", "inner", "insert",
        "instead", "intersect", "into", "is", "isnull", "join", "key", "last", "left", "like", "limit", "match",
        "natural", "no", "not", "nothing", "notnull", "null", "of", "offset", "on", "or", "order", "others",
        "outer", "over", "partition", "plan", "pragma", "preceding", "primary", "query", "raise", "range",
        "recursive", "references", "regexp", "reindex", "release", "rename", "replace", "restrict", "right",
        "rollback", "row", "rows", "savepoint", "select", "set", "table", "temp", "temporary", "then", "ties",
        "to", "transaction", "trigger", "unbounded", "union", "unique", "update", "using", "vacuum", "values",
        "view", "virtual", "when", "where", "window", "with", "without"};
    return words.contains(lower);
}

int nextSignificant(const QList<Token>& t, int i)
{
    for (int j = i + 1; j < t.size(); ++j)
        if (t[j].type != Tok::Space && t[j].type != Tok::Comment)
            return j;
    return -1;
}

int prevSignificant(const QList<Token>& t, int i)
{
    for (int j = i - 1; j >= 0; --j)
        if (t[j].type != Tok::Space && t[j].type != Tok::Comment)
            return j;
    return -1;
}

QString jetDateLiteral(const QString& inner)
{
    // #yyyy-mm-dd# or #m/d/yyyy#
    const QStringList parts = inner.split(QRegularExpression(QStringLiteral("[-/ ]")));
    QDate d;
    if (parts.size() >= 3) {
        if (parts[0].size() == 4)
            d = QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
        else
            d = QDate(parts[2].toInt(), parts[0].toInt(), parts[1].toInt());
    }
    return u'\'' + (d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : inner) + u'\'';
}

// Jet's "&" joins texts, reads a null operand as empty text and binds more loosely than arithmetic but
// more tightly than comparisons; SQLite's "||" gives null for a null operand and binds tightest of all.
// Each operand of a chain a & b & c is therefore wrapped as ifnull((a),''), the operand running at its
// own bracket depth up to a comparison, a comma, a clause word or the bracket that encloses it.
void wrapConcatOperands(QList<Token>& t)
{
    static const QSet<QString> stopWords = {
        "select", "from", "where", "and", "or", "not", "like", "between", "is", "in", "when", "then", "else", "end",
        "as", "on", "by", "having", "case", "distinct", "distinctrow", "top", "set", "values", "union", "all", "escape",
        "asc", "desc", "order", "group", "into", "join", "left", "right", "inner", "outer", "exists", "mod"};
    auto isStop = [&](int k) {
        const Token& x = t[k];
        if (x.type == Tok::Punct)
            return x.text == "," || x.text == "=" || x.text == "<>" || x.text == "<" || x.text == ">" || x.text == "<="
                || x.text == ">=" || x.text == ";" || x.text == "!=";
        if (x.type == Tok::Word) {
            int nx = k + 1;
            while (nx < t.size() && (t[nx].type == Tok::Space || t[nx].type == Tok::Comment))
                ++nx;
            const bool call = nx < t.size() && t[nx].type == Tok::Punct && t[nx].text == "(";
            const QString lower = x.text.toLower();
            // Left( and Right( are functions; IN (…) and EXISTS (…) stay clause words.
            return stopWords.contains(lower) && !(call && (lower == "left" || lower == "right"));
        }
        return false;
    };
    QList<int> before(t.size() + 1, 0), after(t.size() + 1, 0); // wrappers to open before / close after a token
    QList<bool> done(t.size(), false);
    for (int i = 0; i < t.size(); ++i) {
        if (!(t[i].type == Tok::Punct && t[i].text == "&") || done[i])
            continue;
        // Left end of the chain: back over balanced brackets to a stop or the enclosing "(".
        int start = i - 1;
        for (int nest = 0; start >= 0; --start) {
            const Token& x = t[start];
            if (x.type == Tok::Punct && x.text == ")") { ++nest; continue; }
            if (x.type == Tok::Punct && x.text == "(") { if (nest == 0) break; --nest; continue; }
            if (nest == 0 && isStop(start)) break;
        }
        // The operands: from there to each "&" of the same depth, and on to the right end.
        QList<std::pair<int, int>> operands;
        int from = start + 1;
        int k = i;
        for (int nest = 0; k <= t.size(); ++k) {
            if (k == t.size()) { operands.append({from, k - 1}); break; }
            const Token& x = t[k];
            if (x.type == Tok::Punct && x.text == "(") { ++nest; continue; }
            if (x.type == Tok::Punct && x.text == ")") {
                if (nest == 0) { operands.append({from, k - 1}); break; }
                --nest;
                continue;
            }
            if (nest > 0)
                continue;
            if (x.type == Tok::Punct && x.text == "&") {
                operands.append({from, k - 1});
                done[k] = true;
                from = k + 1;
                continue;
            }
            if (isStop(k)) { operands.append({from, k - 1}); break; }
        }
        for (auto [a, b] : operands) {
            while (a <= b && (t[a].type == Tok::Space || t[a].type == Tok::Comment)) ++a;
            while (b >= a && (t[b].type == Tok::Space || t[b].type == Tok::Comment)) --b;
            if (a > b)
                continue;
            ++before[a];
            ++after[b];
        }
    }
    QList<Token> out;
    for (int i = 0; i < t.size(); ++i) {
        for (int n = 0; n < before[i]; ++n)
            out.append({Tok::Raw, QStringLiteral("ifnull((")});
        out.append(t[i]);
        for (int n = 0; n < after[i]; ++n)
            out.append({Tok::Raw, QStringLiteral("),'')")});
    }
    t = out;
}

// Jet's "+" joins two texts and adds numbers; SQLite's always adds ('2024' + '03' = 2027). Each chain
// a + b - c + d at one level becomes jet_plus(jet_plus(a, b) - c, d), which decides by the values' types.
// Operands follow Jet's precedence: "*", "/", "\", "^" and Mod bind tighter, "&" and comparisons looser.
// A chain that does not parse as such is left as it is.
bool isClauseWord(const Token& x, bool call)
{
    static const QSet<QString> words = {
        "select", "from", "where", "and", "or", "not", "like", "between", "is", "in", "when", "then", "else", "end",
        "as", "on", "by", "having", "case", "distinct", "distinctrow", "top", "set", "values", "union", "all", "escape",
        "asc", "desc", "order", "group", "into", "join", "left", "right", "inner", "outer", "exists", "mod"};
    const QString lower = x.text.toLower();
    return words.contains(lower) && !(call && (lower == "left" || lower == "right"));
}

void wrapPlusChains(QList<Token>& t)
{
    auto isPunct = [&](int k, const char* p) { return k >= 0 && k < t.size() && t[k].type == Tok::Punct && t[k].text == QLatin1String(p); };
    auto isCall = [&](int k) { return isPunct(nextSignificant(t, k), "("); };
    auto isPrimary = [&](int k) {
        const Token& x = t[k];
        return x.type == Tok::Number || x.type == Tok::String || x.type == Tok::Param || x.type == Tok::Date
            || (x.type == Tok::Word && !isClauseWord(x, isCall(k)));
    };
    auto isTighterOp = [&](int k) {
        return isPunct(k, "*") || isPunct(k, "/") || isPunct(k, "\\") || isPunct(k, "^")
            || (k >= 0 && t[k].type == Tok::Word && t[k].text.compare("mod", Qt::CaseInsensitive) == 0);
    };
    // An operand ends here (so a following "+" or "-" is binary).
    auto endsOperand = [&](int k) { return k >= 0 && (isPunct(k, ")") || isPrimary(k)); };
    auto matching = [&](int k, int step) {
        const QString open = step > 0 ? "(" : ")", close = step > 0 ? ")" : "(";
        for (int nest = 0; k >= 0 && k < t.size(); k += step) {
            if (t[k].type != Tok::Punct)
                continue;
            if (t[k].text == open)
                ++nest;
            else if (t[k].text == close && --nest == 0)
                return k;
        }
        return -1;
    };
    // First token of the chain that holds the binary operator at k, or -1.
    auto chainStart = [&](int k) {
        int j = prevSignificant(t, k), start = -1;
        for (;;) {
            if (j < 0)
                return -1;
            if (isPunct(j, ")")) {
                j = matching(j, -1);
                if (j < 0)
                    return -1;
                const int fn = prevSignificant(t, j);
                if (fn >= 0 && t[fn].type == Tok::Word && isPrimary(fn))
                    j = fn;
            } else if (!isPrimary(j)) {
                return -1;
            }
            start = j;
            for (;;) { // an operator before the operand, or the chain's start
                const int p = prevSignificant(t, start);
                if (isPunct(p, ".")) {
                    j = prevSignificant(t, p);
                    if (j < 0 || t[j].type != Tok::Word)
                        return -1;
                    start = j;
                    continue;
                }
                if ((isPunct(p, "+") || isPunct(p, "-")) && !endsOperand(prevSignificant(t, p))) {
                    start = p; // unary sign
                    continue;
                }
                if (isPunct(p, "+") || isPunct(p, "-") || isTighterOp(p)) {
                    j = prevSignificant(t, p);
                    break;
                }
                return start;
            }
        }
    };
    // From the chain's start: the operands' first and last tokens and the "+"/"-" between them.
    struct Chain {
        QList<std::pair<int, int>> operands;
        QList<int> ops;
    };
    auto readChain = [&](int k) {
        Chain c;
        int from = k;
        for (;;) {
            while (isPunct(k, "+") || isPunct(k, "-"))
                k = nextSignificant(t, k);
            if (k < 0)
                return Chain{};
            if (isPunct(k, "(")) {
                k = matching(k, 1);
            } else if (isPrimary(k)) {
                if (isCall(k))
                    k = matching(nextSignificant(t, k), 1);
            } else {
                return Chain{};
            }
            if (k < 0)
                return Chain{};
            const int n = nextSignificant(t, k);
            if (isPunct(n, ".") || isTighterOp(n)) {
                k = nextSignificant(t, n);
                continue;
            }
            c.operands.append({from, k});
            if (isPunct(n, "+") || isPunct(n, "-")) {
                c.ops.append(n);
                from = k = nextSignificant(t, n);
                continue;
            }
            return c;
        }
    };
    QList<int> before(t.size(), 0), after(t.size(), 0);
    QList<bool> toComma(t.size(), false), done(t.size(), false);
    bool any = false;
    for (int i = 0; i < t.size(); ++i) {
        if (!isPunct(i, "+") || done[i] || !endsOperand(prevSignificant(t, i)))
            continue;
        const int start = chainStart(i);
        const Chain c = start < 0 ? Chain{} : readChain(start);
        if (!c.ops.contains(i))
            continue;
        for (int n = 0; n < c.ops.size(); ++n) {
            const int op = c.ops[n];
            done[op] = true;
            if (t[op].text != "+")
                continue;
            ++before[c.operands.first().first];
            toComma[op] = true;
            ++after[c.operands[n + 1].second];
            any = true;
        }
    }
    if (!any)
        return;
    QList<Token> out;
    for (int i = 0; i < t.size(); ++i) {
        for (int n = 0; n < before[i]; ++n) {
            out.append({Tok::Word, QStringLiteral("jet_plus")});
            out.append({Tok::Punct, QStringLiteral("(")});
        }
        out.append(toComma[i] ? Token{Tok::Punct, QStringLiteral(",")} : t[i]);
        for (int n = 0; n < after[i]; ++n)
            out.append({Tok::Punct, QStringLiteral(")")});
    }
    t = out;
}

// PostgreSQL has no Jet functions of its own and casts nothing implicitly to text: each call gets the
// function the schema step created, its arguments cast to the kinds it takes ('t' text, 'n' numeric,
// 'd' double, '-' as is). IIf, IsNull, Nz, CStr and CDbl become expressions; Date(), Now() and Time()
// become parameters bound from the Clock.
struct PgCall {
    const char* name;
    const char* kinds;
};

const QHash<QString, PgCall>& pgCalls()
{
    static const QHash<QString, PgCall> map = {
        {"mid", {"jet_mid", "tnn"}},       {"left", {"jet_left", "tn"}},       {"right", {"jet_right", "tn"}},
        {"len", {"jet_len", "t"}},         {"val", {"jet_val", "t"}},          {"str", {"jet_str", "n"}},
        {"format", {"jet_format", "tt"}},  {"year", {"jet_year", "t"}},        {"month", {"jet_month", "t"}},
        {"day", {"jet_day", "t"}},         {"int", {"jet_int", "n"}},          {"fix", {"jet_fix", "n"}},
        {"nz", {"coalesce", "-"}},         {"ucase", {"upper", "t"}},          {"lcase", {"lower", "t"}},
        {"instr", {"jet_instr", "t"}},     {"cstr", {"", "t"}},                {"cint", {"jet_cint", "n"}},
        {"clng", {"jet_cint", "n"}},       {"cdbl", {"", "d"}},                {"sgn", {"sign", "n"}},
        {"space", {"jet_space", "n"}},     {"round", {"jet_round", "n"}},      {"trim", {"trim", "t"}},
        {"ltrim", {"ltrim", "t"}},         {"rtrim", {"rtrim", "t"}},          {"weekday", {"jet_weekday", "t"}},
        {"dateserial", {"jet_dateserial", "n"}}, {"dateadd", {"jet_dateadd", "tnt"}},
        {"datediff", {"jet_datediff", "ttt"}},   {"string", {"jet_string", "nt"}},
    };
    return map;
}

void rewriteCallsForPostgres(QList<Token>& t)
{
    auto isPunct = [&](int k, const char* p) { return k >= 0 && k < t.size() && t[k].type == Tok::Punct && t[k].text == QLatin1String(p); };
    QList<QStringList> before(t.size()), after(t.size());
    QList<int> drop;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].type != Tok::Word)
            continue;
        const int open = nextSignificant(t, i);
        if (!isPunct(open, "("))
            continue;
        const QString lower = t[i].text.toLower();
        int close = -1;
        QList<std::pair<int, int>> args;
        QList<int> commas;
        for (int k = open + 1, nest = 0, from = open + 1; k < t.size(); ++k) {
            if (isPunct(k, "(")) { ++nest; continue; }
            if (isPunct(k, ")") && nest > 0) { --nest; continue; }
            if (nest == 0 && (isPunct(k, ",") || isPunct(k, ")"))) {
                if (isPunct(k, ","))
                    commas.append(k);
                int a = from, b = k - 1;
                while (a <= b && (t[a].type == Tok::Space || t[a].type == Tok::Comment)) ++a;
                while (b >= a && (t[b].type == Tok::Space || t[b].type == Tok::Comment)) --b;
                if (a <= b)
                    args.append({a, b});
                from = k + 1;
                if (isPunct(k, ")")) { close = k; break; }
            }
        }
        if (close < 0)
            continue;
        if ((lower == "date" || lower == "now" || lower == "time") && args.isEmpty()) {
            t[i] = {Tok::Param, lower == "date" ? kClockDate : lower == "now" ? kClockNow : kClockTime};
            for (int k = i + 1; k <= close; ++k)
                drop.append(k);
            continue;
        }
        if (lower == "iif" && args.size() == 3) {
            t[i] = {Tok::Raw, QStringLiteral("(CASE WHEN jet_cond")};
            t[commas[0]] = {Tok::Raw, QStringLiteral(") THEN (")};
            t[commas[1]] = {Tok::Raw, QStringLiteral(") ELSE (")};
            after[close].prepend(QStringLiteral(" END)"));
            continue;
        }
        if (lower == "isnull" && args.size() == 1) {
            t[i] = {Tok::Raw, QStringLiteral("(CASE WHEN ")};
            after[close].prepend(QStringLiteral(" IS NULL THEN 1 ELSE 0 END)"));
            continue;
        }
        const auto it = pgCalls().constFind(lower);
        if (it == pgCalls().constEnd())
            continue;
        t[i] = {Tok::Raw, QString::fromLatin1(it->name)};
        const QByteArray kinds(it->kinds);
        for (int n = 0; n < args.size(); ++n) {
            const char kind = kinds[qMin(n, int(kinds.size()) - 1)];
            if (kind == '-')
                continue;
            const QString type = kind == 't' ? QStringLiteral("text") : kind == 'n' ? QStringLiteral("numeric") : QStringLiteral("double precision");
            before[args[n].first].append(QStringLiteral("CAST(("));
            after[args[n].second].prepend(QStringLiteral(") AS ") + type + u')');
        }
        // InStr(start, s1, s2): the start is a number.
        if (lower == "instr" && args.size() == 3) {
            before[args[0].first].last() = QStringLiteral("CAST((");
            after[args[0].second].first() = QStringLiteral(") AS numeric)");
        }
    }
    QList<Token> out;
    for (int i = 0; i < t.size(); ++i) {
        for (const QString& r : before[i])
            out.append({Tok::Raw, r});
        if (!drop.contains(i))
            out.append(t[i]);
        for (const QString& r : after[i])
            out.append({Tok::Raw, r});
    }
    t = out;
}

TranslatedSql translate(const QString& jet, Dialect dialect)
{
    const bool pg = dialect == Dialect::Postgres;
    QList<Token> t = tokenize(jet);
    // A number bound next to an operator stays a number on an engine that types its literals.
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].type != Tok::Param)
            continue;
        for (int k : {prevSignificant(t, i), nextSignificant(t, i)}) {
            if (k >= 0 && ((t[k].type == Tok::Punct && QStringLiteral("+-*/\\").contains(t[k].text))
                           || (t[k].type == Tok::Word && t[k].text.compare("mod", Qt::CaseInsensitive) == 0)))
                t[i].arith = true;
        }
    }
    wrapPlusChains(t);
    wrapConcatOperands(t);
    if (pg && !jet.trimmed().startsWith(QLatin1String("create"), Qt::CaseInsensitive))
        rewriteCallsForPostgres(t); // String(9) in a Create Table is a type
    TranslatedSql out;
    bool createTable = false, createTempDone = false;
    {
        const int a = nextSignificant(t, -1);
        const int b = a >= 0 ? nextSignificant(t, a) : -1;
        createTable = a >= 0 && b >= 0 && t[a].text.compare("create", Qt::CaseInsensitive) == 0
            && t[b].text.compare("table", Qt::CaseInsensitive) == 0;
    }
    struct PendingLimit {
        int depth;
        QString n;
    };
    QList<PendingLimit> limits;
    int depth = 0;
    bool seenWhere = false;
    QString sql;
    auto flushLimits = [&](int closingDepth) {
        while (!limits.isEmpty() && limits.last().depth >= closingDepth) {
            sql += QStringLiteral(" LIMIT ") + limits.last().n;
            limits.removeLast();
        }
    };
    int cut = 0; // where the text after the last parameter begins
    for (int i = 0; i < t.size(); ++i) {
        Token& tok = t[i];
        switch (tok.type) {
        case Tok::Space:
        case Tok::Comment:
        case Tok::Number:
            sql += tok.text;
            break;
        case Tok::Raw:
            // Jet's "&" reads a null or a number as text; PostgreSQL's coalesce wants one type.
            if (pg && tok.text == QLatin1String("ifnull(("))
                sql += QStringLiteral("coalesce(CAST((");
            else if (pg && tok.text == QLatin1String("),'')"))
                sql += QStringLiteral(") AS text),'')");
            else
                sql += tok.text;
            break;
        case Tok::String:
            sql += tok.text;
            break;
        case Tok::Date:
            sql += jetDateLiteral(tok.text);
            break;
        case Tok::Param: {
            out.params.append(tok.text);
            out.arithmetic.append(tok.arith);
            out.pieces.append(sql.mid(cut));
            sql += u'?';
            cut = int(sql.size());
            break;
        }
        case Tok::Punct:
            if (tok.text == "&") {
                sql += QStringLiteral("||");
            } else if (tok.text == "/") {
                // Jet divides as decimals; SQLite truncates when both sides are whole (an average of
                // whole scores). "*" and "/" share one level, so the factor keeps the order intact.
                sql += QStringLiteral("* 1.0 /");
            } else if (tok.text == "(") {
                ++depth;
                sql += tok.text;
            } else if (tok.text == ")") {
                flushLimits(depth);
                --depth;
                sql += tok.text;
            } else if (tok.text == ";") {
                flushLimits(0);
                sql += tok.text;
            } else if (tok.text == "=" && seenWhere) {
                const int nx = nextSignificant(t, i);
                if (nx >= 0 && t[nx].type == Tok::Param && t[nx].text.startsWith(QStringLiteral("OLD_"), Qt::CaseInsensitive))
                    // a row whose old value is null must still be found; blanks keep "번호=:OLD_번호" apart
                    sql += pg ? QStringLiteral(" IS NOT DISTINCT FROM ") : QStringLiteral(" IS ");
                else
                    sql += tok.text;
            } else {
                sql += tok.text;
            }
            break;
        case Tok::Word: {
            const QString lower = tok.text.toLower();
            const int nx = nextSignificant(t, i);
            const bool call = nx >= 0 && t[nx].type == Tok::Punct && t[nx].text == "(";
            if (lower == "where")
                seenWhere = true;
            if (createTable) {
                bool dropLength = false;
                QString type = createType(lower, &dropLength);
                if (pg && lower == "table" && !createTempDone) {
                    // The scratch table belongs to one desk: a temporary table of the session.
                    const int nm = nextSignificant(t, i);
                    if (nm >= 0 && t[nm].text.compare("T_Temp", Qt::CaseInsensitive) == 0)
                        sql += QStringLiteral("TEMP ");
                    createTempDone = true;
                }
                if (pg)
                    type = pgType(type);
                const int pv = prevSignificant(t, i);
                const bool afterColumn = pv >= 0 && t[pv].type == Tok::Word;
                if (!type.isEmpty() && afterColumn) {
                    sql += type;
                    if (dropLength && call) {
                        // skip "(n)"
                        int j = nx + 1;
                        while (j < t.size() && !(t[j].type == Tok::Punct && t[j].text == ")"))
                            ++j;
                        i = j;
                    }
                    break;
                }
                sql += tok.text;
                break;
            }
            if (isSqliteKeyword(lower) && !call) {
                const int pv = prevSignificant(t, i);
                if (pv >= 0 && t[pv].type == Tok::Word && t[pv].text.compare("as", Qt::CaseInsensitive) == 0) {
                    sql += u'"' + tok.text + u'"';
                    break;
                }
            }
            if (lower == "distinctrow") {
                sql += QStringLiteral("DISTINCT");
                break;
            }
            if (lower == "top") {
                const int pv = prevSignificant(t, i);
                const bool afterSelect = pv >= 0
                    && (t[pv].text.compare("select", Qt::CaseInsensitive) == 0
                        || t[pv].text.compare("distinct", Qt::CaseInsensitive) == 0
                        || t[pv].text.compare("distinctrow", Qt::CaseInsensitive) == 0);
                if (afterSelect && nx >= 0 && t[nx].type == Tok::Number) {
                    limits.append({depth, t[nx].text});
                    i = nx;
                    break;
                }
            }
            if (lower == "mod" && !call) {
                sql += u'%';
                break;
            }
            if (pg && lower == "like" && !call) {
                sql += QStringLiteral("ILIKE"); // SQLite's LIKE ignores the case of Latin letters
                break;
            }
            if (pg && tok.text.startsWith(u'[')) {
                const QString inner = tok.text.mid(1, tok.text.size() - 2);
                static const QRegularExpression plain(QStringLiteral("^\\w+$"));
                sql += plain.match(inner).hasMatch() ? inner : u'"' + inner + u'"';
                break;
            }
            if (call && !pg) {
                const auto it = functionMap().constFind(lower);
                if (it != functionMap().constEnd()) {
                    sql += it.value();
                    break;
                }
            }
            if (lower == "true" && !call) {
                sql += u'1';
                break;
            }
            if (lower == "false" && !call) {
                sql += u'0';
                break;
            }
            sql += tok.text;
            break;
        }
        }
    }
    flushLimits(0);
    out.pieces.append(sql.mid(cut));
    out.sql = sql;
    return out;
}

} // namespace

QString postgresFunctions()
{
    QFile f(QStringLiteral(":/pg/jet_functions.sql"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const TranslatedSql& translateJet(const QString& jet, Dialect dialect)
{
    static QHash<QString, TranslatedSql> cache[2];
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    QHash<QString, TranslatedSql>& c = cache[dialect == Dialect::Postgres ? 1 : 0];
    auto it = c.constFind(jet);
    if (it == c.constEnd())
        it = c.insert(jet, translate(jet, dialect));
    return it.value();
}

} // namespace db
