#include "fees/Receipts.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/Query.h"
#include "fees/FeeStatus.h"
#include "fees/IssueNumbers.h"
#include "report/Report.h"
#include "text/Money.h"
#include "report/NoticeFile.h"

#include <QHash>

QList<Receipts::Line> Receipts::list(const QDate& from, const QDate& to, const QString& name, const DivisionFilter::Condition& division)
{
    db::Query q;
    q << " Select a.회원번호, a.년월분, a.납부일자, a.납부액, a.비고, b.회원명, b.부별코드, b.이메일, b.핸드폰번호 "
         " From T_수련비납부 a INNER Join T_회원 b On a.회원번호 = b.회원번호 "
         " Where a.납부일자 Between :부터 And :까지  "
         " and   b.회원명 LIKE :회원명  ";
    DivisionFilter::apply(q, division);
    q << " and b.퇴관일 Is Null "
         " and b.휴관일 Is Null "
         " order by b.부별코드,b.회원명 , a.년월분";
    q.bind({{"부터", from}, {"까지", to}, {"회원명", name.trimmed() + u'%'}});
    q.open();
    const QHash<QString, QString> divisions = codes::divisionNames();
    QList<Line> lines;
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.division = divisions.value(q.str("부별코드"));
        l.month = q.str("년월분");
        l.paidOn = db::dateText(q.date("납부일자"));
        l.amount = q.integer("납부액");
        l.note = q.str("비고");
        l.email = q.str("이메일");
        l.mobile = q.str("핸드폰번호");
        lines.append(l);
    }
    return lines;
}

bool Receipts::print(const QList<Line>& lines, const QString& footer, bool forms, int destination, QWidget* parent)
{
    const QDate today = Clock::today();
    const int last = IssueNumbers::last(IssueNumbers::Receipt, today);
    QString text = footer;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList foot = text.split(u'\n');
    QString head, school;
    {
        db::Query q("SELECT 도장명, 관장명 FROM T_도장정보");
        q.open();
        if (q.next()) {
            school = q.str("도장명");
            head = q.str("관장명");
        }
    }

    report::PrintJob job;
    int k = 0;
    for (const Line& l : lines) {
        const QDate paid = db::parseDate(l.paidOn);
        job.add({{"seqno", k / 3 + 1},
                 {"회원명", l.name},
                 {"발부일자", FeeStatus::spacedDate(today)},
                 {"관장명", head},
                 {"가정통신1", foot.value(0).left(110)},
                 {"가정통신2", foot.value(1).left(110)},
                 {"f01", IssueNumbers::text(today, last + k + 1)},
                 {"f02", QString::number(l.month.mid(4, 2).toInt()) + u' '},
                 {"f03", moneyText(l.amount) + QStringLiteral("원")},
                 {"f04", FeeStatus::dateWords(paid)},
                 {"association", school}});
        ++k;
    }
    const report::Record record = IssueNumbers::takeWhenPrinted(IssueNumbers::Receipt, today, last, k);
    return job.run(forms ? QStringLiteral("영수증2.rpt") : QStringLiteral("영수증.rpt"), QStringLiteral("영수증"), destination,
                   parent, record);
}

NoticeFile Receipts::dataFile(const QList<Line>& lines)
{
    NoticeFile file(QStringLiteral("납부영수증"));
    const NoticeFile::School s = NoticeFile::school();
    const QString dashes = QStringLiteral("-----------------------------------");
    for (const Line& l : lines) {
        if (l.amount == 0)
            continue;
        NoticeLine t;
        t.item(dashes)
            .item(QStringLiteral("*.도장명 : ") + s.name)
            .item(QStringLiteral("*.관장명 : ") + s.head)
            .item(QStringLiteral("*.전&nbsp;&nbsp;&nbsp;화 : ") + s.phone)
            .item(QStringLiteral("*.수련생 : ") + l.name)
            .item(QStringLiteral("*.작성일 : ") + Clock::todayText())
            .item(dashes)
            .item(QStringLiteral("<font color=\"#C0230D\">*.납부일 : ") + l.paidOn)
            .item(QStringLiteral("*.납부액 : <font color=\"blue\">") + moneyText(l.amount) + QStringLiteral("</font>") + QStringLiteral(" 원"))
            .item(QStringLiteral("*.납부월 : ") + l.month.left(4) + u'-' + l.month.mid(4, 2))
            .piece(QStringLiteral("</font>"))
            .item(dashes)
            .item(QStringLiteral("*.위와 같이 수련비를 수납하였습니다."))
            .item(dashes)
            .piece(l.mobile);
        file.addRecipient(l.email, t);
    }
    return file;
}
