#include "text/NameMatch.h"

namespace {

constexpr char16_t kFirst = 0xAC00, kLast = 0xD7A3;

bool isSyllable(QChar c) { return c.unicode() >= kFirst && c.unicode() <= kLast; }

struct Parts {
    int lead, vowel, tail; // tail 0 = none
};

Parts split(QChar c)
{
    const int s = c.unicode() - kFirst;
    return {s / (21 * 28), (s / 28) % 21, s % 28};
}

// Compatibility jamo (what an input method shows for a lone consonant) to lead-consonant index.
int leadOfJamo(QChar c)
{
    static const char16_t leads[] = {0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141, 0x3142, 0x3143, 0x3145,
                                     0x3146, 0x3147, 0x3148, 0x3149, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
    for (int i = 0; i < 19; ++i)
        if (leads[i] == c.unicode())
            return i;
    return -1;
}

// A tail consonant as the lead of the next syllable (하+ㄴ shows 한 before 늘 takes the ㄴ); -1 for
// tails that cannot lead.
int tailAsLead(int tail)
{
    static const int leads[28] = {-1, 0, 1, -1, 2, -1, -1, 3, 5, -1, -1, -1, -1, -1, -1, -1,
                                  6, 7, -1, 9, 10, 11, 12, 14, 15, 16, 17, 18};
    return leads[tail];
}

// A vowel that typing one more vowel can still change (ㅗ → ㅘ ㅙ ㅚ, ㅜ → ㅝ ㅞ ㅟ, ㅡ → ㅢ).
bool vowelGrows(int from, int to)
{
    if (from == to)
        return true;
    switch (from) {
    case 8: return to == 9 || to == 10 || to == 11;
    case 13: return to == 14 || to == 15 || to == 16;
    case 18: return to == 19;
    default: return false;
    }
}

// A tail that one more consonant can still change (ㄱ → ㄳ, ㄴ → ㄵ ㄶ, ㄹ → ㄺ … ㅀ, ㅂ → ㅄ).
bool tailGrows(int from, int to)
{
    if (from == to)
        return true;
    switch (from) {
    case 1: return to == 3;
    case 4: return to == 5 || to == 6;
    case 8: return to >= 9 && to <= 15;
    case 17: return to == 18;
    default: return false;
    }
}

// Whether the composed character `c` can still become the name's text at `at`.
bool composes(QChar c, const QString& name, qsizetype at)
{
    if (at >= name.size())
        return false;
    const QChar n = name[at];
    if (n.toCaseFolded() == c.toCaseFolded())
        return true;
    if (!isSyllable(n))
        return false;
    const Parts got = split(n);
    if (const int lead = leadOfJamo(c); lead >= 0)
        return got.lead == lead;
    if (!isSyllable(c))
        return false;
    const Parts typed = split(c);
    if (typed.lead != got.lead)
        return false;
    if (typed.tail == 0)
        return vowelGrows(typed.vowel, got.vowel);
    if (typed.vowel != got.vowel)
        return false;
    if (tailGrows(typed.tail, got.tail))
        return true;
    // The tail moves on to lead the next syllable once its vowel is typed.
    return got.tail == 0 && at + 1 < name.size() && isSyllable(name[at + 1]) &&
           split(name[at + 1]).lead == tailAsLead(typed.tail);
}

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

NameMatch::NameMatch(const QString& typed, const QString& composing)
    : m_done(typed), m_composing(composing.trimmed())
{
    // Blanks at the ends never belong to a name; the composed text, when there is one, ends the search.
    if (m_composing.isEmpty())
        m_done = m_done.trimmed();
    else
        while (!m_done.isEmpty() && m_done.front().isSpace())
            m_done.remove(0, 1);
    m_byNumber = m_composing.isEmpty() && allDigits(m_done);
}

bool NameMatch::matches(const QString& name, const QString& number) const
{
    if (isEmpty())
        return true;
    if (m_byNumber)
        return number.contains(m_done);
    return matchesName(name);
}

bool NameMatch::matchesName(const QString& name) const
{
    if (m_composing.isEmpty())
        return name.contains(m_done, Qt::CaseInsensitive);
    // Finished part where it stands, then the composed characters right after it.
    for (qsizetype from = 0; from + m_done.size() <= name.size(); ++from) {
        if (!m_done.isEmpty() && QStringView(name).mid(from, m_done.size()).compare(m_done, Qt::CaseInsensitive) != 0)
            continue;
        qsizetype at = from + m_done.size();
        bool ok = true;
        for (qsizetype i = 0; i < m_composing.size() && ok; ++i) {
            const bool last = i + 1 == m_composing.size();
            ok = last ? composes(m_composing[i], name, at)
                      : at < name.size() && name[at].toCaseFolded() == m_composing[i].toCaseFolded();
            ++at;
        }
        if (ok)
            return true;
    }
    return false;
}
