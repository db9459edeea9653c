#include "fees/YearEndStatement.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "fees/FeeStatus.h"
#include "report/Report.h"

#include <QRegularExpression>

namespace {
QString withoutBlanks(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); }
} // namespace

QList<YearEndStatement::Line> YearEndStatement::list(const QString& name, const DivisionFilter::Condition& division)
{
    db::Query q;
    q << " SELECT T_회원.회원번호, T_회원.입관일, T_회원.회원명, T_부별코드.부명, "
         "        T_회원.주소,     T_회원.주민등록번호 "
         " FROM T_회원 LEFT JOIN T_부별코드  ON T_회원.부별코드 = T_부별코드.부별코드 "
         " Where T_회원.회원명 like :name "
         " And T_회원.퇴관일 is null "
         " And T_회원.휴관일 is null ";
    DivisionFilter::apply(q, division);
    q << " Order By T_부별코드.부별코드, T_회원.회원명 ";
    q.bind("name", name.trimmed() + u'%');
    q.open();
    QList<Line> lines;
    while (q.next())
        lines.append({q.str("회원번호"), db::dateText(q.date("입관일")), q.str("회원명"), q.str("부명"), q.str("주소"),
                      q.str("주민등록번호")});
    return lines;
}

QString YearEndStatement::yearProblem(const QString& year)
{
    const QString y = year.trimmed();
    if (y.isEmpty())
        return QStringLiteral("연도를 입력하세요.");
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fourDigits.match(y).hasMatch())
        return QStringLiteral("연도를 4자리로 입력하세요.");
    return QString();
}

bool YearEndStatement::print(const QList<Line>& ticked, const QList<int>& positions, const QString& yearText,
                             const Filer& filer, int destination, QWidget* parent)
{
    const QString year = yearText.trimmed();
    QString school, business, address, phone, head;
    {
        db::Query q("SELECT 도장명, 사업자등록번호, 주소, 전화번호, 관장명 FROM T_도장정보");
        q.open();
        if (q.next()) {
            school = q.str("도장명");
            business = q.str("사업자등록번호");
            address = q.str("주소");
            phone = q.str("전화번호");
            head = q.str("관장명");
        }
    }
    const QDate today = Clock::today();
    const QString issued = QStringLiteral("%1 년 %2월 %3일").arg(today.year()).arg(today.month()).arg(today.day());

    report::PrintJob job;
    for (int i = 0; i < ticked.size(); ++i) {
        const Line& l = ticked[i];
        QString payer = filer.parentName.trimmed();
        if (payer.isEmpty())
            payer = db::scalar(" SELECT 성명 FROM T_가족사항         WHERE 관계 ='부' AND 회원번호=:회원번호",
                                {{"회원번호", l.memberNo}})
                         .toString();
        QList<std::pair<QString, QVariant>> v{{"seqno", positions.value(i, i)},
                                              {"f01", payer},
                                              {"f02", filer.parentNo},
                                              {"f03", l.address},
                                              {"f04", l.residentNo},
                                              {"회원명", l.name},
                                              {"f05", l.address},
                                              {"f07", filer.relation.trimmed()},
                                              {"f08", withoutBlanks(school)},
                                              {"f09", business},
                                              {"f10", address},
                                              {"f11", phone},
                                              {"f12", filer.hoursPerDay},
                                              {"f13", filer.daysPerWeek},
                                              {"f27", issued},
                                              {"f29", issued},
                                              {"f30", withoutBlanks(head)}};
        QString months[12];
        qint64 sum = 0;
        db::Query q(" SELECT   년월분,납부액 "
                    " FROM     T_수련비납부"
                    " WHERE    회원번호 =:회원번호    "
                    " AND      년월분 >= :년 AND 년월분 < :다음해 ");
        q.bind({{"회원번호", l.memberNo}, {"년", year}, {"다음해", QString::number(year.toInt() + 1)}}).open();
        while (q.next()) {
            const int m = q.str("년월분").mid(4, 2).toInt();
            if (m < 1 || m > 12)
                continue;
            months[m - 1] = FeeStatus::won(q.integer("납부액"));
            sum += q.integer("납부액");
        }
        for (int m = 0; m < 12; ++m)
            v.append({QStringLiteral("f%1").arg(14 + m), months[m]});
        v.append({"f26", FeeStatus::won(sum)});
        job.add(v);
    }
    return job.run(QStringLiteral("납입증명.rpt"), QStringLiteral("연말정산"), destination, parent);
}
