#include "report/NoticeFile.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "text/Cp949.h"

#include <QDir>
#include <QRegularExpression>

namespace {
const QChar kStar(0x2606); // ☆
const QString kRoot = QStringLiteral("인터넷통보자료");

QString withoutBlanks(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}
} // namespace

QString NoticeLine::clean(const QString& value)
{
    QString s = value;
    for (QChar& c : s)
        if (c == kStar || c == u'\r' || c == u'\n')
            c = u' ';
    return s;
}

NoticeLine& NoticeLine::item(const QString& text)
{
    m_text += clean(text);
    m_text += kStar;
    m_parts.append(text);
    return *this;
}

NoticeLine& NoticeLine::piece(const QString& text)
{
    m_text += clean(text);
    m_parts.append(text);
    return *this;
}

NoticeLine& NoticeLine::of(const QString& who)
{
    m_who = who;
    return *this;
}

NoticeFile::NoticeFile(const QString& kind) : m_folder(kind), m_name(kind) {}

NoticeFile::NoticeFile(const QString& folder, const QString& name) : m_folder(folder), m_name(name) {}

const QStringList& NoticeFile::folders()
{
    static const QStringList list{QStringLiteral("수련생자료"), QStringLiteral("결석통보"), QStringLiteral("납부통지서"),
                                  QStringLiteral("납부영수증"), QStringLiteral("심사결과"), QStringLiteral("심사안내문"),
                                  QStringLiteral("체력측정"),   QStringLiteral("통신문"),   QStringLiteral("SMS")};
    return list;
}

bool NoticeFile::addRecipient(const QString& email, const NoticeLine& rest)
{
    const QString address = email.trimmed();
    if (address.isEmpty())
        return false;
    NoticeLine line;
    line.item(address);
    m_lines.append(Line{line.text() + rest.text(), rest.who().isEmpty() ? address : rest.who(), QStringList{address} + rest.parts()});
    return true;
}

void NoticeFile::add(const NoticeLine& line)
{
    m_lines.append(Line{line.text(), line.who().isEmpty() ? QStringLiteral("%1번째 줄").arg(m_lines.size() + 2) : line.who(), line.parts()});
}

cp949::Losses NoticeFile::losses() const
{
    cp949::Losses l;
    for (const Line& line : m_lines)
        for (const QString& part : line.parts)
            l.check(line.who, QString(), part);
    return l;
}

QString NoticeFile::path() const
{
    return ProgramDir::file(kRoot + u'/' + m_folder + u'/' + m_name + QStringLiteral(".txt"));
}

QByteArray NoticeFile::bytes() const
{
    QStringList all;
    all.reserve(m_lines.size() + 1);
    all.append(m_name + kStar);
    for (const Line& l : m_lines)
        all.append(l.text);
    return cp949::lines(all);
}

void NoticeFile::ensureFolders()
{
    QDir root(ProgramDir::path());
    for (const QString& f : folders())
        root.mkpath(kRoot + u'/' + f);
}

bool NoticeFile::save(QString* error) const
{
    ensureFolders();
    QDir(ProgramDir::path()).mkpath(kRoot + u'/' + m_folder);
    return cp949::writeFileAtomic(path(), bytes(), error);
}

Answer NoticeFile::write(const QString& caption) const
{
    QString why;
    if (!save(&why))
        return Answer::refused(caption, why);
    const QString done = QDir::toNativeSeparators(path()) + QStringLiteral(" 파일이 생성되었습니다.");
    if (const cp949::Losses l = losses(); !l.isEmpty())
        return Answer::warning(caption, done + QStringLiteral("\n\n") + l.message());
    return Answer::info(caption, done);
}

Answer NoticeFile::emptyList(const QString& caption)
{
    return Answer::refused(caption, QStringLiteral("자료를 조회하세요."), Message::Level::Info);
}

NoticeFile::School NoticeFile::school()
{
    db::Query q(QStringLiteral("SELECT 도장명,관장명,전화번호 FROM T_도장정보"));
    q.open();
    School s;
    if (q.next()) {
        s.name = withoutBlanks(q.str(QStringLiteral("도장명")));
        s.head = withoutBlanks(q.str(QStringLiteral("관장명")));
        s.phone = withoutBlanks(q.str(QStringLiteral("전화번호")));
    }
    return s;
}
