#pragma once
#include <QString>
#include <optional>

// How much text each column holds, kept in this one table for every service that writes text: a value
// that does not fit is refused with the field named, never stored longer than its column or cut
// without a word. Windows may stop typing at the same width; the service checks whoever calls it.
namespace db {

struct TextWidth {
    int limit = 0;
    bool bytes = false; // counted in CP949 bytes (a Hangul syllable takes two), else in characters
};

// The width of a text column; nothing for a column without one (dates, numbers, unknown columns).
std::optional<TextWidth> textWidth(const QString& table, const QString& column);

// Characters as the user sees them: an emoji with its modifiers or a syllable with combining marks
// counts once.
int charCount(const QString& text);
// The longest head of `text` with at most `chars` characters, never cut inside one.
QString cutChars(const QString& text, int chars);

// The refusal of a value longer than its column, naming `label` (the column's name when empty) and
// the limit: "반은(는) 2자까지 입력할 수 있습니다. (14자 입력)". Empty when the value fits.
QString widthProblem(const QString& table, const QString& column, const QString& value, const QString& label = {});

} // namespace db
