#include "operations/ParticipationCertificate.h"

#include "db/Query.h"

using report::PageBuilder;
using report::TextStyle;

namespace {

TextStyle style(double size, bool bold = false, Qt::Alignment align = Qt::AlignCenter)
{
    TextStyle s;
    s.family = QStringLiteral("NanumMyeongjo");
    s.size = size;
    s.bold = bold;
    s.align = align;
    return s;
}

} // namespace

QString ParticipationCertificate::dateText(const QDate& d)
{
    return QStringLiteral("%1년 %2월 %3일").arg(d.year()).arg(d.month()).arg(d.day());
}

QStringList ParticipationCertificate::bodyLines(const QString& eventCode)
{
    db::Query q("SELECT *  FROM T_행사목록 WHERE  행사코드 =:행사코드 ");
    q.bind("행사코드", eventCode);
    q.open();
    QStringList out;
    const bool found = q.next();
    for (int i = 1; i <= 5; ++i)
        out.append(found ? q.str("행사내용" + QString::number(i)) : QString());
    return out;
}

void ParticipationCertificate::storeBodyLines(const QString& eventCode, const QStringList& lines)
{
    db::run(" UPDATE T_행사목록 SET 행사내용1 =:행사내용1 , 행사내용2 =:행사내용2 , 행사내용3 =:행사내용3 , "
            "행사내용4 =:행사내용4 , 행사내용5 =:행사내용5 WHERE 행사코드 =:행사코드 ",
            {{"행사내용1", lines.value(0)}, {"행사내용2", lines.value(1)}, {"행사내용3", lines.value(2)},
             {"행사내용4", lines.value(3)}, {"행사내용5", lines.value(4)}, {"행사코드", eventCode}});
}

void ParticipationCertificate::build(PageBuilder& pages) const
{
    const bool fixed = fixedText(eventCode);
    const TextStyle body = style(15, false, Qt::AlignLeft | Qt::AlignVCenter);
    for (const QString& name : names) {
        pages.newPage();
        if (!forms) {
            pages.text(QRectF(20, 40, 170, 20), QStringLiteral("참 가 증 서"), style(32, true));
            pages.text(QRectF(110, 85, 30, 10), QStringLiteral("성 명 :"), style(15, false, Qt::AlignRight | Qt::AlignVCenter));
        }
        const QString subtitle = fixed ? QStringLiteral("( 극 기 훈 련 )") : "( " + PageBuilder::spaced(eventName).trimmed() + " )";
        if (!forms || !fixed)
            pages.text(QRectF(20, 62, 170, 10), subtitle, style(16));
        pages.text(QRectF(142, 85, 50, 10), PageBuilder::spaced(name), style(15, true, Qt::AlignLeft | Qt::AlignVCenter));
        if (fixed) {
            // The sentence around the edition and the event's name; on Forms paper only those two print,
            // each where the printed sentence leaves room for it.
            if (!forms) {
                pages.text(QRectF(25, 115, 160, 12), "위 수련생은 " + organiser + "에서 주관" + "하는   제" + edition + "회"
                                                         + eventName + "에 참가하여", body);
                pages.text(QRectF(25, 131, 160, 12), QStringLiteral("투철한  희생정신과 인내력으로 전 훈련과정"), body);
                pages.text(QRectF(25, 147, 160, 12), QStringLiteral("을  마치었으므로 본 참가 증서를 줌."), body);
            } else {
                pages.text(QRectF(95, 115, 15, 12), edition, body);
                pages.text(QRectF(112, 115, 60, 12), eventName, body);
            }
        } else if (!forms) {
            for (int i = 0; i < 5; ++i)
                pages.text(QRectF(25, 115 + i * 16, 160, 12), lines.value(i), body);
        }
        pages.text(QRectF(20, 215, 170, 10), dateText(date), style(15));
        pages.text(QRectF(20, 240, 170, 14), PageBuilder::spaced(organiser), style(20, true));
    }
}
