#include "db/TextWidths.h"

#include "text/Cp949.h"

#include <QHash>
#include <QTextBoundaryFinder>

namespace db {

namespace {

struct Entry {
    const char* table;
    const char* column;
    int limit;
    bool bytes;
};

// Characters unless marked as bytes.
constexpr Entry kWidths[] = {
    // The member record and its family.
    {"T_회원", "회원번호", 9, false},
    {"T_회원", "회원명", 10, false},
    {"T_회원", "회원명영", 30, false},
    {"T_회원", "회원명한문", 10, false},
    {"T_회원", "성별", 2, false},
    {"T_회원", "부별코드", 2, false},
    {"T_회원", "급품코드", 2, false},
    {"T_회원", "주민등록번호", 14, false},
    {"T_회원", "양력음력", 2, false},
    {"T_회원", "휴관사유코드", 2, false},
    {"T_회원", "퇴관사유코드", 2, false},
    {"T_회원", "우편번호", 7, false},
    {"T_회원", "주소", 50, false},
    {"T_회원", "학교", 20, false},
    {"T_회원", "학년", 10, false},
    {"T_회원", "반", 2, false},
    {"T_회원", "타학원수강", 200, false},
    {"T_회원", "기타사항", 255, false},
    {"T_회원", "입관동기코드", 2, false},
    {"T_회원", "납부은행", 10, false},
    {"T_회원", "코스코드", 1, false},
    {"T_회원", "장소코드", 2, false},
    {"T_회원", "시간", 5, false},
    {"T_회원", "핸드폰번호", 20, false},
    {"T_회원", "이메일", 50, false},
    {"T_가족사항", "관계", 8, false},
    {"T_가족사항", "성명", 20, false},
    {"T_가족사항", "양력음력", 2, false},
    {"T_가족사항", "직업", 20, false},
    {"T_가족사항", "비고", 255, false},
    // Journals, awards and points.
    {"T_건의사항", "건의사항", 255, false},
    {"T_생활기록", "생활기록", 255, false},
    {"T_심사평가공지사항", "공지사항", 255, false},
    {"T_상장지급", "비고", 255, false},
    {"T_상장지급", "비고2", 255, false},
    {"T_벌점", "비고2", 255, false},
    // Absences and examinations.
    {"T_결석", "비고", 255, false},
    {"T_결석", "비고2", 255, false},
    {"T_심사", "단증번호", 8, false},
    // Cash book and partners.
    {"T_금전출납", "대항목", 30, false},
    {"T_금전출납", "소항목", 30, false},
    {"T_금전출납", "적요", 200, false},
    {"T_거래처", "거래처코드", 4, false},
    {"T_거래처", "거래처명", 30, false},
    {"T_거래처", "사업자번호", 20, false},
    {"T_거래처", "성명", 12, false},
    {"T_거래처", "주소", 70, false},
    {"T_거래처", "우편번호", 7, false},
    {"T_거래처", "업태", 20, false},
    {"T_거래처", "종목", 20, false},
    {"T_거래처", "전화1", 15, false},
    {"T_거래처", "전화2", 15, false},
    {"T_거래", "품목", 50, false},
    {"T_거래", "규격", 10, false},
    {"T_거래", "적요", 200, false},
    // Enrolment consultations: widths in bytes.
    {"T_입관상담", "수련생명", 10, true},
    {"T_입관상담", "부모명", 10, true},
    {"T_입관상담", "학년", 10, true},
    {"T_입관상담", "주소", 50, true},
    {"T_입관상담", "우편번호", 7, true},
    {"T_입관상담", "전화번호", 9, true},
    {"T_입관상담", "상담자", 9, true},
};

const QHash<QString, TextWidth>& widths()
{
    static const QHash<QString, TextWidth> map = [] {
        QHash<QString, TextWidth> m;
        for (const Entry& e : kWidths)
            m.insert(QString::fromUtf8(e.table) + u'.' + QString::fromUtf8(e.column), {e.limit, e.bytes});
        return m;
    }();
    return map;
}

} // namespace

std::optional<TextWidth> textWidth(const QString& table, const QString& column)
{
    const auto it = widths().constFind(table + u'.' + column);
    if (it == widths().constEnd())
        return std::nullopt;
    return *it;
}

int charCount(const QString& text)
{
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, text);
    int n = 0;
    while (f.toNextBoundary() > 0)
        ++n;
    return n;
}

QString cutChars(const QString& text, int chars)
{
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int n = 0; n < chars; ++n) {
        const qsizetype next = f.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return text.left(end);
}

QString widthProblem(const QString& table, const QString& column, const QString& value, const QString& label)
{
    const auto w = textWidth(table, column);
    if (!w)
        return {};
    const QString name = label.isEmpty() ? column : label;
    if (w->bytes) {
        const int bytes = cp949::byteLength(value);
        if (bytes <= w->limit)
            return {};
        return QStringLiteral("%1은(는) %2바이트(한글 %3자)까지 입력할 수 있습니다. (%4바이트 입력)")
            .arg(name)
            .arg(w->limit)
            .arg(w->limit / 2)
            .arg(bytes);
    }
    const int chars = charCount(value);
    if (chars <= w->limit)
        return {};
    return QStringLiteral("%1은(는) %2자까지 입력할 수 있습니다. (%3자 입력)").arg(name).arg(w->limit).arg(chars);
}

} // namespace db
