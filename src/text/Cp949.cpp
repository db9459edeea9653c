#include "text/Cp949.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <iconv.h>

namespace cp949 {

namespace {

// Encodes one character (one or two UTF-16 units); empty when CP949 has no code for it.
QByteArray encodeOne(iconv_t cd, const QString& ch)
{
    QByteArray in = ch.toUtf8();
    char out[8];
    char* ip = in.data();
    size_t il = size_t(in.size());
    char* op = out;
    size_t ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1) || il != 0)
        return {};
    return QByteArray(out, int(op - out));
}

struct Converter {
    iconv_t to = iconv_t(-1);
    iconv_t from = iconv_t(-1);
    Converter()
    {
        to = iconv_open("CP949", "UTF-8");
        from = iconv_open("UTF-8", "CP949");
    }
    ~Converter()
    {
        if (to != iconv_t(-1)) iconv_close(to);
        if (from != iconv_t(-1)) iconv_close(from);
    }
};

Converter& conv()
{
    static Converter c;
    return c;
}

} // namespace

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        QString ch(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            ch += text[++i];
        const QByteArray b = encodeOne(conv().to, ch);
        out.append(b.isEmpty() ? QByteArray("?") : b);
    }
    return out;
}

QString lost(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80)
            continue;
        QString ch(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            ch += text[++i];
        if (encodeOne(conv().to, ch).isEmpty() && !out.contains(ch))
            out += ch;
    }
    return out;
}

void Losses::check(const QString& who, const QString& field, const QString& text)
{
    const QString chars = lost(text);
    if (chars.isEmpty())
        return;
    const QString line = (field.isEmpty() ? who : who + u' ' + field) + QStringLiteral(" : %1 (%2)").arg(text.trimmed(), chars);
    if (!m_lines.contains(line))
        m_lines.append(line);
}

QString Losses::message() const
{
    if (m_lines.isEmpty())
        return {};
    return QStringLiteral("다음 글자는 CP949로 쓸 수 없어 파일에 '?'로 기록되었습니다.\n") + m_lines.join(u'\n');
}

QString decode(const QByteArray& bytes)
{
    QString out;
    int i = 0;
    const int n = bytes.size();
    while (i < n) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x81) {
            out += QChar(b);
            ++i;
            continue;
        }
        const int len = i + 1 < n ? 2 : 1;
        QByteArray in = bytes.mid(i, len);
        char buf[8];
        char* ip = in.data();
        size_t il = size_t(in.size());
        char* op = buf;
        size_t ol = sizeof buf;
        iconv(conv().from, nullptr, nullptr, nullptr, nullptr);
        if (iconv(conv().from, &ip, &il, &op, &ol) == size_t(-1)) {
            out += u'?';
            // A broken pair keeps its second byte when that is plain ASCII (a line break, a digit).
            i += len == 2 && uchar(bytes[i + 1]) < 0x41 ? 1 : len;
            continue;
        }
        out += QString::fromUtf8(buf, int(op - buf));
        i += len;
    }
    return out;
}

bool decodeStrict(const QByteArray& bytes, QString* out)
{
    QString text;
    const int n = bytes.size();
    for (int i = 0; i < n;) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x20 || b == 0x7F || b == 0x80 || b == 0xFF)
            return false;
        if (b < 0x80) {
            text += QChar(b);
            ++i;
            continue;
        }
        if (i + 1 == n) // a lone lead byte at the end
            break;
        const QString ch = decode(bytes.mid(i, 2));
        if (ch.size() != 1 || ch == QStringLiteral("?"))
            return false;
        text += ch;
        i += 2;
    }
    if (out)
        *out = text;
    return true;
}

int byteLength(const QString& text) { return int(encode(text).size()); }

QString sp(int n) { return QString(qMax(0, n), u' '); }

QString pad(const QString& text, int bytes)
{
    const QString t = text.trimmed();
    return t + sp(bytes - byteLength(t));
}

QString padR(const QString& text, int bytes)
{
    const QString t = text.trimmed();
    return sp(bytes - byteLength(t)) + t;
}

QString cut(const QString& text, int bytes)
{
    QString out;
    int used = 0;
    for (int i = 0; i < text.size(); ++i) {
        QString ch(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            ch += text[++i];
        const int w = byteLength(ch);
        if (used + w > bytes)
            break;
        out += ch;
        used += w;
    }
    return out;
}

QByteArray fixed(const QString& text, int bytes)
{
    // A line break or tab inside a fixed-width field would break the line: blanked.
    QString t = text;
    for (QChar& c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    QByteArray b = encode(cut(t, bytes));
    if (b.size() < bytes)
        b.append(QByteArray(bytes - b.size(), ' '));
    return b;
}

QString fileNamePart(const QString& text)
{
    QString s = text;
    for (QChar& c : s)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = u'_';
    return s;
}

QByteArray lines(const QStringList& ls)
{
    QByteArray out;
    for (const QString& l : ls) {
        out += encode(l);
        out += "\r\n";
    }
    return out;
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    // Unbuffered: a buffered short write (disk full) is lost in the flush and the cut file committed.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = QStringLiteral("파일을 저장할 수 없습니다: %1\n%2").arg(path, f.errorString());
        return false;
    }
    return true;
}

} // namespace cp949
