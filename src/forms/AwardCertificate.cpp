#include "forms/AwardCertificate.h"

#include "db/Query.h"
#include "db/AwardWriter.h"

namespace {

struct FixedType {
    const char* code;
    const char* title;
};
const FixedType kFixed[] = {{"01", "품 새 상"}, {"02", "겨 루 기 상"}, {"03", "우 수 상"}, {"04", "최 우 수 상"},
                            {"05", "개 근 상"}, {"06", "노 력 상"},    {"07", "모 범 상"}, {"08", "표 창 장"},
                            {"09", "감 사 장"}};

QStringList fixedBody(const QString& code, const QString& n, const QString& m)
{
    const int c = code.toInt();
    switch (c) {
    case 1:
        return {QStringLiteral("   위의  수련생은  본  체육관 제 ") + n + QStringLiteral(" 회"),
                QStringLiteral("승급 심사 대회에서 품새 부문에서 우수한"), QStringLiteral("성적을 거두었으므로 이 상장을 줌")};
    case 2:
        return {QStringLiteral("   위의  수련생은  본 체육관 제 ") + n + QStringLiteral(" 회"),
                QStringLiteral("승급심사대회에서 겨루기부문에서 우수한"), QStringLiteral("성적을 거두었으므로 이 상장을 줌")};
    case 3:
        return {QStringLiteral("   위의  수련생은  본  체육관 제 ") + n + QStringLiteral(" 회"),
                QStringLiteral("승급심사대회에서 우수한 성적을 거두었으"), QStringLiteral("므로 이 상장을 줌")};
    case 4:
        return {QStringLiteral("   위의  수련생은  본  체육관  제 ") + n + QStringLiteral(" 회"),
                QStringLiteral("승급심사대회에서 가장 우수한 성적을 거두"), QStringLiteral("었으므로 이 상장을 줌")};
    case 5:
        return {QStringLiteral("   위의 수련생은 ") + m + QStringLiteral(" 개월간 개근 하였으므"), QStringLiteral("로 본 상장을 줌")};
    case 6:
        return {QStringLiteral("   위의 수련생은 그동안  꾸준한 노력의"), QStringLiteral("결과로 실력이  크게 향상 되었으며 맡은"),
                QStringLiteral("바 모든 일을 성실하게 행하여 타 수련생"), QStringLiteral("의 모범이 되므로 이 상장을 주어 칭찬함")};
    case 7:
        return {QStringLiteral("   위의  수련생은  맡은 바 모든 일을  성"), QStringLiteral("실하게 행하여 타 수련생의  모범이 되므로"),
                QStringLiteral("이 상장을 주어 칭찬함")};
    case 8:
        return {QStringLiteral("   위의 수련생은  품행이  단정하고 근면"), QStringLiteral("성실하며 그동안 꾸준한 노력의 결과로 남"),
                QStringLiteral("보다  뛰어난 실력을  나타내어 다른 수련"), QStringLiteral("생에게 모범이 되므로 이에 표창 합니다.")};
    case 9:
        return {QStringLiteral("   귀하께서는  평소 교육에 대한 특별한"), QStringLiteral("관심으로 자녀교육에 온갖 정성을 기울이"),
                QStringLiteral("셨고  본 체육관 발전에 헌식적인 협조를"), QStringLiteral("아끼지 않으셨으므로 감사장을 드립니다.")};
    default: return {};
    }
}

} // namespace

AwardCertificate::AwardCertificate(Fields f) : m_f(std::move(f)), m_number(AwardWriter::nextSerial())
{
    db::Query q(QStringLiteral("SELECT 도장명, 관장명 FROM T_도장정보"));
    q.open();
    if (q.next()) {
        m_school = q.str(QStringLiteral("도장명")).trimmed();
        m_head = q.str(QStringLiteral("관장명")).trimmed();
    }
    q.close();
    if (m_f.code == QStringLiteral("09"))
        m_mother = db::scalar(QStringLiteral("SELECT 성명 FROM T_가족사항 WHERE 회원번호 = :no And 관계 = '모' "), {{"no", m_f.memberNo}})
                       .toString();
}

bool AwardCertificate::fixedType(const QString& code)
{
    for (const FixedType& t : kFixed)
        if (code == QLatin1String(t.code))
            return true;
    return false;
}

QString AwardCertificate::title(const QString& code, const QString& name)
{
    for (const FixedType& t : kFixed)
        if (code == QLatin1String(t.code))
            return QString::fromUtf8(t.title);
    return report::PageBuilder::spaced(name);
}

QStringList AwardCertificate::storedLines(const QString& code)
{
    db::Query q(QStringLiteral("SELECT 상장내용1, 상장내용2, 상장내용3, 상장내용4, 상장내용5 FROM T_상장목록 WHERE 상장코드 = :상장코드"));
    q.bind("상장코드", code).open();
    QStringList lines;
    const bool found = q.next();
    for (int i = 1; i <= 5; ++i)
        lines << (found ? q.str(QStringLiteral("상장내용%1").arg(i)) : QString());
    return lines;
}

bool AwardCertificate::storeLines(const QString& code, const QStringList& lines)
{
    if (code.isEmpty() || fixedType(code))
        return false;
    auto line = [&](int i) { return i < lines.size() ? lines[i] : QString(); };
    db::run(QStringLiteral(" UPDATE T_상장목록 SET 상장내용1 =:상장내용1 , 상장내용2 =:상장내용2 , 상장내용3 =:상장내용3 , "
                           "상장내용4 =:상장내용4 , 상장내용5 =:상장내용5 WHERE 상장코드 =:상장코드 "),
            {{"상장내용1", line(0)}, {"상장내용2", line(1)}, {"상장내용3", line(2)}, {"상장내용4", line(3)},
             {"상장내용5", line(4)}, {"상장코드", code}});
    return true;
}

QString AwardCertificate::lastEdition()
{
    const QVariant v = db::scalar(QStringLiteral("SELECT Max(심사명) FROM T_심사 WHERE 심사구분='체육관'"));
    return v.isNull() ? QString() : v.toString();
}

QStringList AwardCertificate::body() const
{
    if (!fixedType(m_f.code))
        return m_f.lines;
    if (!m_f.forms)
        return fixedBody(m_f.code, m_f.edition, m_f.months);
    // Pre-printed paper: only the edition, placed in the blank of the printed text.
    static const int blanks[] = {33, 32, 33, 34};
    const int c = m_f.code.toInt();
    if (c >= 1 && c <= 4)
        return {QString(blanks[c - 1], u' ') + m_f.edition};
    return {};
}

QString AwardCertificate::printedName() const
{
    return report::PageBuilder::spaced(m_f.code == QStringLiteral("09") ? m_mother : m_f.memberName);
}

void AwardCertificate::build(report::PageBuilder& pages) const
{
    pages.newPage();
    const bool full = !m_f.forms;
    report::TextStyle big;
    big.size = 36;
    big.bold = true;
    big.align = Qt::AlignCenter;
    big.family = QStringLiteral("NanumMyeongjo");
    report::TextStyle line;
    line.size = 16;
    line.family = QStringLiteral("NanumMyeongjo");
    report::TextStyle small = line;
    small.size = 13;
    report::TextStyle center = line;
    center.align = Qt::AlignCenter;

    pages.text(QRectF(25, 25, 80, 8),
               (full ? QStringLiteral("제 ") : QString()) + QString::number(m_number) + (full ? QStringLiteral(" 호") : QString()), small);
    if (full)
        pages.text(QRectF(25, 45, 160, 25), title(m_f.code, m_f.name), big);
    pages.text(QRectF(110, 95, 80, 9), (full ? QStringLiteral("성 명 : ") : QString()) + printedName(), line);
    double y = 130;
    for (const QString& l : body()) {
        pages.text(QRectF(30, y, 150, 10), l, line);
        y += 16; // an empty line between the lines of the body
    }
    pages.text(QRectF(25, 210, 160, 10),
               QStringLiteral("%1년 %2월 %3일").arg(m_f.date.year()).arg(m_f.date.month()).arg(m_f.date.day()), center);
    if (full) {
        report::TextStyle school = center;
        school.size = 20;
        school.bold = true;
        pages.text(QRectF(25, 235, 160, 12), m_school, school);
        pages.text(QRectF(25, 250, 160, 10), QStringLiteral("관 장   ") + m_head, center);
    }
}

void AwardCertificate::record() const
{
    AwardWriter::record({{m_f.memberNo, m_f.date, m_f.code, m_f.name, m_f.remark}}, m_number, true);
}

bool AwardCertificate::run(int destination, QWidget* parent) const
{
    return PageLayout::run(destination, QStringLiteral("상장 발부"), parent, [this] { record(); });
}
