#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Korean text for files that leave the program: code page CP949 (Windows 949, through glibc iconv),
// widths counted in bytes (a Hangul syllable is two). A character CP949 cannot hold becomes "?".
namespace cp949 {

QByteArray encode(const QString& text);
// The characters of text that CP949 cannot hold (each once, in order): encode() writes "?" for them.
QString lost(const QString& text);

// What a file writer could not write: one line per member and field that lost characters, so the
// user is told after the file is written (nothing else in the layout changes).
class Losses {
public:
    void check(const QString& who, const QString& field, const QString& text);
    bool isEmpty() const { return m_lines.isEmpty(); }
    QStringList lines() const { return m_lines; }   // "홍길동(202401001) 회원명한문 : 洪𠀀童 (𠀀)"
    QString message() const;                        // a heading and the lines; empty when none

private:
    QStringList m_lines;
};
QString decode(const QByteArray& bytes);
int byteLength(const QString& text);
// Bytes read from a file that must be CP949 text without control characters. A lead byte left alone
// at the very end (a field cut inside a syllable by an older writer) is dropped. False when any
// other byte does not form a character.
bool decodeStrict(const QByteArray& bytes, QString* out);

// Column helpers of the notice files. They never cut: a longer text stays whole.
QString pad(const QString& text, int bytes);   // trimmed, blanks appended up to n bytes
QString padR(const QString& text, int bytes);  // trimmed, blanks put in front (right-aligned)
QString sp(int n);                             // n blanks

// Fixed-width field: control characters blanked, cut to at most n bytes without splitting a
// syllable, then padded with blanks to exactly n bytes.
QByteArray fixed(const QString& text, int bytes);
QString cut(const QString& text, int bytes);    // the longest head of text that fits n bytes

// A name made fit for a file name: the characters file systems reserve become "_".
QString fileNamePart(const QString& text);

// Lines joined with CR LF (each line ended by CR LF), encoded.
QByteArray lines(const QStringList& lines);

// Writes bytes to a temporary file beside the target and renames it into place, so a reader never
// sees half a file. Returns false with the reason when it cannot.
bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace cp949
