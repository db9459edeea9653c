#include "report/Layout.h"

#include "report/Barcode.h"

#include "db/Clock.h"
#include "db/ProgramDir.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace report {

namespace {

const QChar kPagesMark(0xE000); // stands for the page count until the last page is known

struct Token {
    QString text;
    bool quoted = false;
};

// Splits a line at blanks; "double quotes" keep blanks, \" and \\ escape inside them.
bool tokenize(const QString& line, QList<Token>& out, QString* error)
{
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n)
            break;
        Token t;
        bool onlyQuoted = true;
        while (i < n && !line[i].isSpace()) {
            if (line[i] == u'"') {
                ++i;
                bool closed = false;
                while (i < n) {
                    if (line[i] == u'\\' && i + 1 < n) {
                        t.text += line[i + 1] == u'n' ? QChar(u'\n') : line[i + 1];
                        i += 2;
                    } else if (line[i] == u'"') {
                        ++i;
                        closed = true;
                        break;
                    } else {
                        t.text += line[i++];
                    }
                }
                if (!closed) {
                    *error = QStringLiteral("따옴표가 닫히지 않았습니다.");
                    return false;
                }
            } else {
                onlyQuoted = false;
                t.text += line[i++];
            }
        }
        t.quoted = onlyQuoted;
        out.append(t);
    }
    return true;
}

bool toNumber(const QString& s, double& v)
{
    bool ok = false;
    v = s.toDouble(&ok);
    return ok;
}

std::optional<QPageSize> pageSizeOf(const QString& name)
{
    static const QHash<QString, QPageSize::PageSizeId> named = {
        {QStringLiteral("a3"), QPageSize::A3}, {QStringLiteral("a4"), QPageSize::A4},
        {QStringLiteral("a5"), QPageSize::A5}, {QStringLiteral("a6"), QPageSize::A6},
        {QStringLiteral("b4"), QPageSize::JisB4}, {QStringLiteral("b5"), QPageSize::JisB5},
        {QStringLiteral("letter"), QPageSize::Letter}};
    const QString key = name.toLower();
    if (named.contains(key))
        return QPageSize(named.value(key));
    static const QRegularExpression wh(QStringLiteral(R"(^(\d+(?:\.\d+)?)x(\d+(?:\.\d+)?)$)"));
    const auto m = wh.match(key);
    if (m.hasMatch())
        return QPageSize(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    return std::nullopt;
}

// Reads the options of an item or a band; false with a message for an unknown one.
bool applyTextOption(const QString& key, const QString& value, TextStyle& st, QString* error)
{
    if (key == u"align") {
        const Qt::Alignment v = st.align & Qt::AlignVertical_Mask;
        if (value == u"left") st.align = v | Qt::AlignLeft;
        else if (value == u"center") st.align = v | Qt::AlignHCenter;
        else if (value == u"right") st.align = v | Qt::AlignRight;
        else if (value == u"justify") st.align = v | Qt::AlignJustify;
        else { *error = QStringLiteral("align 값은 left, center, right, justify 중 하나입니다."); return false; }
        return true;
    }
    if (key == u"valign") {
        const Qt::Alignment h = st.align & Qt::AlignHorizontal_Mask;
        if (value == u"top") st.align = h | Qt::AlignTop;
        else if (value == u"middle") st.align = h | Qt::AlignVCenter;
        else if (value == u"bottom") st.align = h | Qt::AlignBottom;
        else { *error = QStringLiteral("valign 값은 top, middle, bottom 중 하나입니다."); return false; }
        return true;
    }
    if (key == u"size") {
        double v;
        if (!toNumber(value, v) || v <= 0) { *error = QStringLiteral("size 값이 숫자가 아닙니다."); return false; }
        st.size = v;
        return true;
    }
    if (key == u"font") {
        st.family = value;
        return true;
    }
    *error = QStringLiteral("알 수 없는 설정 '%1'").arg(key);
    return false;
}

struct Context {
    const Row* row = nullptr;
    const QList<Row>* rows = nullptr;
    int from = 0, to = 0; // range of count and sum
    int page = 0;
    QString title;
};

QString expression(const QString& exprIn, const Context& c)
{
    const QString expr = exprIn.trimmed();
    const QString low = expr.toLower();
    if (low == u"page") return QString::number(c.page);
    if (low == u"pages") return QString(kPagesMark);
    if (low == u"title") return c.title;
    if (low == u"today") return Clock::todayText();
    if (low == u"count") return QString::number(qMax(0, c.to - c.from));
    if (low.startsWith(QStringLiteral("sum "))) {
        const QString col = low.mid(4).trimmed();
        double total = 0;
        bool fraction = false;
        for (int i = c.from; i < c.to && c.rows; ++i) {
            QString s = c.rows->at(i).value(col).trimmed();
            s.remove(u',');
            double v;
            if (toNumber(s, v)) {
                total += v;
                if (v != std::floor(v)) fraction = true;
            }
        }
        return fraction ? QString::number(total, 'f', 2) : QString::number(qint64(std::llround(total)));
    }
    return c.row ? c.row->value(low) : QString();
}

QString expand(const QString& tpl, const Context& c)
{
    if (!tpl.contains(u'{') && !tpl.contains(u'}'))
        return tpl;
    QString out;
    for (int i = 0; i < tpl.size(); ++i) {
        const QChar ch = tpl[i];
        if (ch == u'{' && i + 1 < tpl.size() && tpl[i + 1] == u'{') { out += u'{'; ++i; continue; }
        if (ch == u'}' && i + 1 < tpl.size() && tpl[i + 1] == u'}') { out += u'}'; ++i; continue; }
        if (ch == u'{') {
            const int close = int(tpl.indexOf(u'}', i + 1));
            if (close < 0) { out += tpl.mid(i); break; }
            const QString inner = tpl.mid(i + 1, close - i - 1);
            const int bar = int(inner.indexOf(u'|'));
            const QString value = expression(bar < 0 ? inner : inner.left(bar), c);
            out += bar < 0 ? value : Layout::format(value, inner.mid(bar + 1));
            i = close;
            continue;
        }
        out += ch;
    }
    return out;
}

// Column names a template reads.
void templateColumns(const QString& tpl, QStringList& out)
{
    static const QRegularExpression re(QStringLiteral(R"(\{([^{}|]+)(?:\|[^{}]*)?\})"));
    QString t = tpl;
    t.replace(QStringLiteral("{{"), QString()).replace(QStringLiteral("}}"), QString());
    auto it = re.globalMatch(t);
    while (it.hasNext()) {
        const QString e = it.next().captured(1).trimmed().toLower();
        if (e == u"page" || e == u"pages" || e == u"title" || e == u"today" || e == u"count")
            continue;
        out.append(e.startsWith(QStringLiteral("sum ")) ? e.mid(4).trimmed() : e);
    }
}

} // namespace

std::optional<Layout> Layout::load(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.exists()) {
        *error = QStringLiteral("보고서 양식 파일이 없습니다.\n%1").arg(path);
        return std::nullopt;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("보고서 양식 파일을 열 수 없습니다.\n%1").arg(path);
        return std::nullopt;
    }
    QString why;
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    auto layout = parse(text, &why);
    if (!layout)
        *error = QStringLiteral("보고서 양식 파일이 올바르지 않습니다.\n%1\n%2").arg(path, why);
    return layout;
}

std::optional<Layout> Layout::parse(const QString& text, QString* error)
{
    Layout l;
    Band* band = nullptr;
    const QStringList lines = text.split(u'\n');
    auto fail = [&](int lineNo, const QString& why) {
        *error = QStringLiteral("%1번째 줄: %2").arg(lineNo).arg(why);
        return std::nullopt;
    };
    for (int ln = 0; ln < lines.size(); ++ln) {
        const int lineNo = ln + 1;
        QString line = lines[ln].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString why;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return fail(lineNo, QStringLiteral("구역 머리글은 ]로 끝나야 합니다."));
            QList<Token> t;
            if (!tokenize(line.mid(1, line.size() - 2), t, &why))
                return fail(lineNo, why);
            if (t.isEmpty())
                return fail(lineNo, QStringLiteral("구역 이름이 없습니다."));
            static const QHash<QString, BandKind> kinds = {
                {QStringLiteral("report-header"), ReportHeader}, {QStringLiteral("page-header"), PageHeader},
                {QStringLiteral("group-header"), GroupHeader},   {QStringLiteral("detail"), Detail},
                {QStringLiteral("group-footer"), GroupFooter},   {QStringLiteral("page-footer"), PageFooter},
                {QStringLiteral("report-footer"), ReportFooter}};
            const QString kindName = t[0].text.toLower();
            if (!kinds.contains(kindName))
                return fail(lineNo, QStringLiteral("알 수 없는 구역 '%1'").arg(t[0].text));
            Band b;
            b.kind = kinds.value(kindName);
            int k = 1;
            if (b.kind == GroupHeader || b.kind == GroupFooter) {
                if (t.size() < 2)
                    return fail(lineNo, QStringLiteral("그룹 구역에는 묶을 항목 이름이 필요합니다."));
                b.column = t[1].text.toLower();
                k = 2;
            }
            if (k >= t.size() || !toNumber(t[k].text, b.height) || b.height < 0)
                return fail(lineNo, QStringLiteral("구역의 높이(mm)가 필요합니다."));
            for (++k; k < t.size(); ++k) {
                const QString opt = t[k].text.toLower();
                if (opt == u"newpage") { b.newPage = true; continue; }
                const int eq = int(opt.indexOf(u'='));
                const QString key = opt.left(eq), val = opt.mid(eq + 1);
                double v;
                if (eq > 0 && key == u"columns" && toNumber(val, v) && v >= 1) { b.columns = int(v); continue; }
                if (eq > 0 && key == u"width" && toNumber(val, v) && v > 0) { b.columnWidth = v; continue; }
                return fail(lineNo, QStringLiteral("알 수 없는 구역 설정 '%1'").arg(t[k].text));
            }
            if (b.kind != GroupHeader && b.kind != GroupFooter && l.band(b.kind))
                return fail(lineNo, QStringLiteral("'%1' 구역이 두 번 있습니다.").arg(t[0].text));
            l.m_bands.append(b);
            band = &l.m_bands.last();
            continue;
        }

        QList<Token> t;
        if (!tokenize(line, t, &why))
            return fail(lineNo, why);
        const QString word = t[0].text.toLower();

        if (!band) { // settings of the whole layout
            if (word == u"page") {
                if (t.size() < 2 || t.size() > 3)
                    return fail(lineNo, QStringLiteral("page 다음에 용지(A4, 90x55 …)와 방향을 씁니다."));
                const auto size = pageSizeOf(t[1].text);
                if (!size)
                    return fail(lineNo, QStringLiteral("알 수 없는 용지 '%1'").arg(t[1].text));
                l.m_size = *size;
                if (t.size() == 3) {
                    const QString o = t[2].text.toLower();
                    if (o != u"portrait" && o != u"landscape")
                        return fail(lineNo, QStringLiteral("방향은 portrait 또는 landscape 입니다."));
                    l.m_landscape = o == u"landscape";
                }
            } else if (word == u"margins") {
                double v[4];
                if (t.size() != 5)
                    return fail(lineNo, QStringLiteral("margins 다음에 왼쪽 위 오른쪽 아래 여백(mm) 네 개를 씁니다."));
                for (int i = 0; i < 4; ++i)
                    if (!toNumber(t[i + 1].text, v[i]) || v[i] < 0)
                        return fail(lineNo, QStringLiteral("여백이 숫자가 아닙니다."));
                l.m_left = v[0]; l.m_top = v[1]; l.m_right = v[2]; l.m_bottom = v[3];
            } else if (word == u"font") {
                double size;
                if (t.size() != 3 || !toNumber(t[2].text, size) || size <= 0)
                    return fail(lineNo, QStringLiteral("font 다음에 글꼴 이름과 크기를 씁니다."));
                l.m_font.family = t[1].text;
                l.m_font.size = size;
            } else if (word == u"order") {
                static const QRegularExpression orderRe(QStringLiteral(R"(^[^:\s]+(:num)?(:desc)?$)"));
                for (int i = 1; i < t.size(); ++i) {
                    if (!orderRe.match(t[i].text.toLower()).hasMatch())
                        return fail(lineNo, QStringLiteral("order 항목 '%1'이(가) 올바르지 않습니다.").arg(t[i].text));
                    l.m_order.append(t[i].text.toLower());
                }
            } else if (word == u"title") {
                if (t.size() != 2)
                    return fail(lineNo, QStringLiteral("title 다음에 제목을 따옴표로 씁니다."));
                l.m_title = t[1].text;
            } else {
                return fail(lineNo, QStringLiteral("알 수 없는 설정 '%1'").arg(t[0].text));
            }
            continue;
        }

        // An item of the current band.
        Element e;
        e.style = l.m_font;
        int need = 4;
        if (word == u"text") e.kind = Item::Text;
        else if (word == u"line") e.kind = Item::Line;
        else if (word == u"box") e.kind = Item::Box;
        else if (word == u"image") e.kind = Item::Image;
        else if (word == u"barcode") { e.kind = Item::Picture; e.barcode = true; }
        else return fail(lineNo, QStringLiteral("알 수 없는 항목 '%1'").arg(t[0].text));
        if (t.size() < need + 1)
            return fail(lineNo, QStringLiteral("%1 다음에 위치와 크기(mm) 네 개가 필요합니다.").arg(word));
        double v[4];
        for (int i = 0; i < 4; ++i)
            if (t[i + 1].quoted || !toNumber(t[i + 1].text, v[i]))
                return fail(lineNo, QStringLiteral("위치와 크기가 숫자가 아닙니다."));
        if (e.kind == Item::Line)
            e.rect = QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
        else
            e.rect = QRectF(v[0], v[1], v[2], v[3]);
        bool haveText = false;
        for (int i = 5; i < t.size(); ++i) {
            const Token& tok = t[i];
            const int eq = int(tok.text.indexOf(u'='));
            if (tok.quoted || (eq < 0 && tok.text.toLower() != u"bold" && tok.text.toLower() != u"italic"
                               && tok.text.toLower() != u"wrap")) {
                if (haveText || e.kind == Item::Line || e.kind == Item::Box)
                    return fail(lineNo, QStringLiteral("'%1' 는 이 항목에 쓸 수 없습니다.").arg(tok.text));
                e.text = tok.text;
                haveText = true;
                continue;
            }
            const QString key = eq < 0 ? tok.text.toLower() : tok.text.left(eq).toLower();
            const QString val = eq < 0 ? QString() : tok.text.mid(eq + 1);
            if (key == u"bold") e.style.bold = true;
            else if (key == u"italic") e.style.italic = true;
            else if (key == u"wrap") e.style.wrap = true;
            else if (key == u"width") {
                if (!toNumber(val, e.penWidth) || e.penWidth < 0)
                    return fail(lineNo, QStringLiteral("width 값이 숫자가 아닙니다."));
            } else if (key == u"fill") {
                e.fill = QColor(val);
                if (!e.fill.isValid())
                    return fail(lineNo, QStringLiteral("fill 색이 올바르지 않습니다."));
            } else if (!applyTextOption(key, key == u"font" ? val : val.toLower(), e.style, &why)) {
                return fail(lineNo, why);
            }
        }
        if ((e.kind == Item::Text || e.kind == Item::Image || e.barcode) && !haveText)
            return fail(lineNo, QStringLiteral("%1 항목에 내용(따옴표 안)이 없습니다.").arg(word));
        band->elements.append(e);
    }
    if (!l.band(Detail) && l.m_bands.isEmpty())
        return fail(int(lines.size()), QStringLiteral("구역이 하나도 없습니다."));
    return l;
}

const Layout::Band* Layout::band(BandKind kind) const
{
    for (const Band& b : m_bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

QStringList Layout::orderColumns() const
{
    if (!m_order.isEmpty())
        return m_order;
    QStringList out;
    for (const Band& b : m_bands)
        if (b.kind == GroupHeader || b.kind == GroupFooter)
            if (!out.contains(b.column))
                out.append(b.column);
    out.append(QStringLiteral("seqno"));
    return out;
}

QStringList Layout::orderTerms() const
{
    QStringList out;
    for (const QString& o : orderColumns()) {
        const QString c = o.section(u':', 0, 0);
        QString term = o.contains(QStringLiteral(":num")) ? QStringLiteral("CAST(%1 AS REAL)").arg(c) : c;
        if (o.contains(QStringLiteral(":desc")))
            term += QStringLiteral(" DESC");
        out.append(term);
    }
    return out;
}

QStringList Layout::columnsUsed() const
{
    QStringList out;
    for (const QString& o : orderColumns())
        out.append(o.section(u':', 0, 0));
    for (const Band& b : m_bands) {
        if (!b.column.isEmpty())
            out.append(b.column);
        for (const Element& e : b.elements)
            templateColumns(e.text, out);
    }
    out.removeDuplicates();
    return out;
}

bool Layout::isEndRow(const Row& r)
{
    if (r.value(QStringLiteral("seqno")) == u"100000" && r.value(QStringLiteral("g01")) == u"999")
        return true;
    if (r.value(QStringLiteral("f05")) == u"zzzzzzzz")
        return true;
    return r.value(QStringLiteral("발부일자")) == u"99999999";
}

QString Layout::format(const QString& valueIn, const QString& pattern)
{
    const QString value = valueIn.trimmed();
    if (value.isEmpty() || pattern.isEmpty())
        return valueIn;
    if (pattern.contains(QStringLiteral("yy")) || pattern.contains(QStringLiteral("dd"))) {
        static const QRegularExpression dateRe(QStringLiteral(R"(^(\d{4})-?(\d{2})-?(\d{2}))"));
        const auto m = dateRe.match(value);
        if (!m.hasMatch())
            return valueIn;
        const QString y = m.captured(1), mo = m.captured(2), d = m.captured(3);
        QString out;
        for (int i = 0; i < pattern.size();) {
            const QStringView rest = QStringView(pattern).mid(i);
            if (rest.startsWith(u"yyyy")) { out += y; i += 4; }
            else if (rest.startsWith(u"yy")) { out += y.right(2); i += 2; }
            else if (rest.startsWith(u"mm")) { out += mo; i += 2; }
            else if (rest.startsWith(u"dd")) { out += d; i += 2; }
            else if (rest.startsWith(u"m")) { out += QString::number(mo.toInt()); i += 1; }
            else if (rest.startsWith(u"d")) { out += QString::number(d.toInt()); i += 1; }
            else out += pattern[i++];
        }
        return out;
    }
    QString digits = value;
    digits.remove(u',');
    double v;
    if (!toNumber(digits, v))
        return valueIn;
    static const QRegularExpression coreRe(QStringLiteral("[#0,.]+"));
    const auto m = coreRe.match(pattern);
    if (!m.hasMatch())
        return valueIn;
    const QString prefix = pattern.left(m.capturedStart()), suffix = pattern.mid(m.capturedEnd());
    const QString core = m.captured();
    const int dot = int(core.indexOf(u'.'));
    const QString intPart = dot < 0 ? core : core.left(dot);
    const QString decPart = dot < 0 ? QString() : core.mid(dot + 1);
    const int maxDec = int(decPart.count(u'0') + decPart.count(u'#'));
    const int minDec = int(decPart.count(u'0'));
    const int minInt = int(intPart.count(u'0'));
    // Half away from zero on the decimal text, as a person would round 12.35 (binary 12.3499…).
    const double scale = std::pow(10.0, maxDec);
    const double rounded = std::round(std::fabs(v) * scale * (1 + 1e-12)) / scale;
    QString num = QString::number(rounded, 'f', maxDec);
    QString ip = num, dp;
    if (maxDec > 0) {
        ip = num.section(u'.', 0, 0);
        dp = num.section(u'.', 1);
        while (dp.size() > minDec && dp.endsWith(u'0'))
            dp.chop(1);
    }
    if (ip == u"0" && minInt == 0)
        ip.clear();
    while (ip.size() < minInt)
        ip.prepend(u'0');
    if (intPart.contains(u',')) {
        for (int i = int(ip.size()) - 3; i > 0; i -= 3)
            ip.insert(i, u',');
    }
    QString out = ip;
    if (!dp.isEmpty())
        out += u'.' + dp;
    const bool negative = v < 0 && !(out.isEmpty() || out.count(u'0') + out.count(u',') + out.count(u'.') == out.size());
    return prefix + (negative ? QStringLiteral("-") : QString()) + out + suffix;
}

namespace {

class Renderer {
public:
    Renderer(const Layout& l, const QList<Layout::Band>& bands, const Document& paper, double left, double top,
             double right, double bottom, const QString& title)
        : m_bands(bands), m_left(left), m_top(top), m_title(title)
    {
        Q_UNUSED(l);
        m_doc = paper;
        const QSizeF s = paper.paperMm();
        m_width = s.width() - left - right;
        m_pageBottom = s.height() - bottom;
        for (const auto& b : bands) {
            if (b.kind == Layout::PageFooter) m_pageFooter = &b;
            if (b.kind == Layout::PageHeader) m_pageHeader = &b;
            if (b.kind == Layout::ReportHeader) m_reportHeader = &b;
            if (b.kind == Layout::ReportFooter) m_reportFooter = &b;
            if (b.kind == Layout::Detail) m_detail = &b;
            if (b.kind == Layout::GroupHeader || b.kind == Layout::GroupFooter) {
                if (!m_groups.contains(b.column)) {
                    m_groups.append(b.column);
                    m_groupHeader.append(nullptr);
                    m_groupFooter.append(nullptr);
                }
                const int g = int(m_groups.indexOf(b.column));
                (b.kind == Layout::GroupHeader ? m_groupHeader[g] : m_groupFooter[g]) = &b;
            }
        }
        m_limit = m_pageBottom - (m_pageFooter ? m_pageFooter->height : 0);
    }

    Document run(const QList<Row>& rows)
    {
        m_rows = &rows;
        const int n = int(rows.size());
        const Row empty;
        startPage(n ? rows[0] : empty);
        if (n == 0 && m_detail == nullptr) {} // nothing to lay out between the headers and footers
        QList<int> groupStart(m_groups.size(), 0);
        for (int i = 0; i < n; ++i) {
            const Row& r = rows[i];
            int changed = int(m_groups.size());
            if (i == 0) {
                changed = 0;
            } else {
                for (int g = 0; g < m_groups.size(); ++g)
                    if (rows[i - 1].value(m_groups[g]) != r.value(m_groups[g])) { changed = g; break; }
            }
            if (i > 0)
                for (int g = int(m_groups.size()) - 1; g >= changed; --g)
                    closeGroup(g, rows[i - 1], groupStart[g], i);
            for (int g = changed; g < m_groups.size(); ++g) {
                groupStart[g] = i;
                if (const Layout::Band* h = m_groupHeader[g]) {
                    flushColumns();
                    if (h->newPage && i > 0)
                        breakPage(r);
                    // A heading never stays alone at the foot of a page.
                    ensure(h->height + (m_detail ? m_detail->height : 0), r);
                    place(*h, r, i, groupEnd(g, i));
                }
            }
            if (m_detail)
                placeDetail(r, i);
        }
        for (int g = int(m_groups.size()) - 1; g >= 0 && n > 0; --g)
            closeGroup(g, rows[n - 1], groupStart[g], n);
        flushColumns();
        if (m_reportFooter)
            place(*m_reportFooter, n ? rows[n - 1] : empty, 0, n);
        endPage(n ? rows[n - 1] : empty);

        const QString total = QString::number(m_doc.pages.size());
        for (Page& p : m_doc.pages)
            for (Item& it : p.items)
                if (it.kind == Item::Text && it.text.contains(kPagesMark))
                    it.text.replace(kPagesMark, total);
        return m_doc;
    }

private:
    // One past the last line of the group at level g that starts at line i.
    int groupEnd(int g, int i) const
    {
        const QList<Row>& rows = *m_rows;
        int k = i + 1;
        for (; k < rows.size(); ++k) {
            bool same = true;
            for (int h = 0; h <= g && same; ++h)
                same = rows[k].value(m_groups[h]) == rows[i].value(m_groups[h]);
            if (!same)
                break;
        }
        return k;
    }

    void closeGroup(int g, const Row& last, int from, int to)
    {
        if (const Layout::Band* f = m_groupFooter[g]) {
            flushColumns();
            place(*f, last, from, to);
        }
    }

    void placeDetail(const Row& r, int i)
    {
        const Layout::Band& d = *m_detail;
        if (d.newPage && i > 0) {
            flushColumns();
            breakPage(r);
        }
        if (d.columns <= 1) {
            place(d, r, i, i + 1);
            return;
        }
        const double colWidth = d.columnWidth > 0 ? d.columnWidth : m_width / d.columns;
        if (m_column == 0)
            ensure(d.height, r);
        draw(d, r, i, i + 1, m_column * colWidth);
        if (++m_column >= d.columns)
            flushColumns();
    }

    void flushColumns()
    {
        if (m_column > 0) {
            m_y += m_detail->height;
            m_column = 0;
        }
    }

    void place(const Layout::Band& b, const Row& r, int from, int to)
    {
        ensure(b.height, r);
        draw(b, r, from, to, 0);
        m_y += b.height;
    }

    void ensure(double h, const Row& r)
    {
        if (m_y + h > m_limit + 1e-6 && m_y > m_bodyTop + 1e-6)
            breakPage(r);
    }

    void breakPage(const Row& r)
    {
        endPage(m_lastRow ? *m_lastRow : r);
        startPage(r);
    }

    void startPage(const Row& r)
    {
        m_doc.pages.append(Page());
        m_y = m_top;
        if (m_doc.pages.size() == 1 && m_reportHeader) {
            draw(*m_reportHeader, r, 0, int(m_rows->size()), 0);
            m_y += m_reportHeader->height;
        }
        if (m_pageHeader) {
            draw(*m_pageHeader, r, 0, int(m_rows->size()), 0);
            m_y += m_pageHeader->height;
        }
        m_bodyTop = m_y;
    }

    void endPage(const Row& r)
    {
        if (m_pageFooter) {
            const double y = m_y;
            m_y = m_pageBottom - m_pageFooter->height;
            draw(*m_pageFooter, r, 0, int(m_rows->size()), 0);
            m_y = y;
        }
    }

    void draw(const Layout::Band& b, const Row& r, int from, int to, double dx)
    {
        m_lastRow = &r;
        Context c;
        c.row = &r;
        c.rows = m_rows;
        c.from = from;
        c.to = to;
        c.page = int(m_doc.pages.size());
        c.title = m_title;
        Page& page = m_doc.pages.last();
        for (const Layout::Element& e : b.elements) {
            Item it;
            it.kind = e.kind;
            it.style = e.style;
            it.penWidth = e.penWidth;
            it.fill = e.fill;
            it.rect = e.rect.translated(m_left + dx, m_y);
            if (e.kind == Item::Text) {
                it.text = expand(e.text, c);
            } else if (e.kind == Item::Image) {
                const QString rel = expand(e.text, c);
                if (!m_images.contains(rel))
                    m_images.insert(rel, QImage(ProgramDir::file(rel)));
                it.image = m_images.value(rel);
                if (it.image.isNull())
                    continue;
            } else if (e.barcode) {
                // The value stays readable beside its bars; a value that cannot be encoded draws nothing.
                it.text = expand(e.text, c);
                it.picture = code128(it.text, e.rect.size());
                if (it.picture.isNull())
                    continue;
            }
            page.items.append(it);
        }
    }

    const QList<Layout::Band>& m_bands;
    const Layout::Band* m_pageHeader = nullptr;
    const Layout::Band* m_pageFooter = nullptr;
    const Layout::Band* m_reportHeader = nullptr;
    const Layout::Band* m_reportFooter = nullptr;
    const Layout::Band* m_detail = nullptr;
    QStringList m_groups;
    QList<const Layout::Band*> m_groupHeader, m_groupFooter;
    const QList<Row>* m_rows = nullptr;
    const Row* m_lastRow = nullptr;
    QHash<QString, QImage> m_images;
    Document m_doc;
    double m_left, m_top, m_width = 0, m_pageBottom = 0, m_limit = 0;
    double m_y = 0, m_bodyTop = 0;
    int m_column = 0;
    QString m_title;
};

} // namespace

Document Layout::render(const QList<Row>& rowsIn, const QString& title) const
{
    QList<Row> rows;
    for (const Row& r : rowsIn)
        if (!isEndRow(r))
            rows.append(r);
    Document paper;
    paper.size = m_size;
    paper.landscape = m_landscape;
    paper.title = title.isEmpty() ? m_title : title;
    Renderer r(*this, m_bands, paper, m_left, m_top, m_right, m_bottom, paper.title);
    return r.run(rows);
}

} // namespace report
