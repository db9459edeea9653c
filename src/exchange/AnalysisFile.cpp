#include "exchange/AnalysisFile.h"

#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "stats/MovementCounter.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"

#include <QList>

namespace AnalysisFile {

namespace {
QByteArray fixed(const QString& text, int bytes) { return cp949::fixed(text, bytes); }

void section(QByteArray& out, const char* title, const QList<QByteArray>& lines)
{
    out += cp949::encode(QString::fromUtf8(title)) + number(lines.size()) + "\r\n";
    for (const QByteArray& l : lines)
        out += l + "\r\n";
}

QList<QByteArray> headcountLines()
{
    QByteArray totals;
    for (const char* sql : {"select Count(회원번호) from T_입관동기별현황",
                            "select Count(회원번호) from T_회원 where 성별 = '남' and 퇴관일 is null ",
                            "select Count(회원번호) from T_회원 where 성별 = '여' and 퇴관일 is null ",
                            "select count(회원번호) from T_회원 where 휴관일 Is not Null",
                            "select count(회원번호) from T_회원 where 퇴관일 Is not Null",
                            "select count(회원번호) from T_회원 where 복관일퇴 is not null or 복관일휴 is not null ",
                            " SELECT count(회원명) from T_회원 WHERE 퇴관일 Is Null  "})
        totals += number(db::scalar(QString::fromUtf8(sql)).toLongLong());

    // Every code of each grouping in code order with its current members, 0 when it has none.
    struct Group {
        const char* digit;
        const char* from; // the code table "c" joined to the members "a"
        const char* name;
        const char* order;
    };
    const Group groups[] = {{"1", "T_부별코드 c LEFT JOIN T_회원 a ON a.부별코드 = c.부별코드", "c.부명", "c.부별코드"},
                            {"2", "T_급품코드 c LEFT JOIN T_회원 a ON a.급품코드 = c.급품코드", "c.급품명", "c.급품코드"},
                            {"3", "T_학년코드 c LEFT JOIN T_회원 a ON a.학년 = c.학년", "c.학년", "c.학년코드"}};
    QList<QByteArray> lines;
    for (const Group& g : groups) {
        db::Query q;
        q << "SELECT " << g.order << " AS 코드, " << g.name << " AS 명, Count(a.회원번호) AS 인원 FROM " << g.from << " AND "
          << MemberStatus::notWithdrawn(QStringLiteral("a")) << " GROUP BY " << g.order << ", " << g.name << " ORDER BY "
          << g.order;
        q.open();
        while (q.next())
            lines << QByteArray(g.digit) + fixed(q.str(QStringLiteral("명")), 20) + number(lines.size() + 1)
                         + number(q.integer(QStringLiteral("인원"))) + totals;
    }
    return lines;
}

QList<QByteArray> yearLines()
{
    db::Query q(QStringLiteral("SELECT * FROM T_인원현황 ORDER BY 년도"));
    q.open();
    QList<QByteArray> lines;
    const MovementCounter::Kind kinds[] = {MovementCounter::Enrolment, MovementCounter::Return, MovementCounter::Leave,
                                           MovementCounter::Withdrawal};
    while (q.next()) {
        QByteArray l = QByteArray::number(q.integer(QStringLiteral("년도"))).rightJustified(4, '0');
        for (int m = 1; m <= 12; ++m)
            for (MovementCounter::Kind k : kinds)
                l += number(q.integer(MovementCounter::column(k, m)));
        lines << l;
    }
    return lines;
}

// A reason log: member, the date's year, month and day, the code, "yyyymm" and the year again.
QList<QByteArray> logLines(const char* table, const char* dateColumn, const char* codeColumn)
{
    db::Query q;
    q << "SELECT 회원번호, " << dateColumn << " AS 일자, " << codeColumn << " AS 코드 FROM " << table << " ORDER BY "
      << dateColumn << ", 회원번호";
    q.open();
    QList<QByteArray> lines;
    while (q.next()) {
        const QString d = q.str(QStringLiteral("일자"));
        lines << fixed(q.str(QStringLiteral("회원번호")), 9) + fixed(d.mid(0, 4), 4) + fixed(d.mid(5, 2), 2)
                     + fixed(d.mid(8, 2), 2) + fixed(q.str(QStringLiteral("코드")), 2) + fixed(d.mid(0, 4) + d.mid(5, 2), 6)
                     + fixed(d.mid(0, 4), 4);
    }
    return lines;
}

QList<QByteArray> codeLines(const char* table, const char* code, const char* name, int nameWidth)
{
    db::Query q;
    q << "SELECT " << code << " AS 코드, " << name << " AS 명 FROM " << table << " ORDER BY " << code;
    q.open();
    QList<QByteArray> lines;
    while (q.next())
        lines << fixed(q.str(QStringLiteral("코드")), 2) + fixed(q.str(QStringLiteral("명")), nameWidth);
    return lines;
}
} // namespace

QByteArray number(qint64 n)
{
    if (n < 0)
        return '-' + QByteArray::number(-n).rightJustified(5, '0');
    return QByteArray::number(n).rightJustified(6, '0');
}

QString path()
{
    const NoticeFile::School school = NoticeFile::school(); // blanks removed
    return ProgramDir::file(QStringLiteral("분석자료/") + cp949::fileNamePart(cp949::cut(school.name, 4) + u'_' + school.head)
                            + QStringLiteral("_분석자료.txt"));
}

QByteArray build()
{
    QByteArray out = cp949::encode(QStringLiteral("분석자료")) + "\r\n";
    section(out, "전체인원현황:", headcountLines());
    section(out, "연간인원현황:", yearLines());
    section(out, "퇴관사유현황:", logLines("T_퇴관사유별현황", "퇴관일", "퇴관사유코드"));
    section(out, "휴관사유현황:", logLines("T_휴관사유별현황", "휴관일", "휴관사유코드"));
    section(out, "휴퇴사유코드:", codeLines("T_휴퇴사유", "휴퇴사유코드", "휴퇴사유", 50));
    section(out, "입관동기현황:", logLines("T_입관동기별현황", "입관일", "입관동기코드"));
    section(out, "입관동기코드:", codeLines("T_입관동기", "사유코드", "사유명", 10));
    return out;
}

bool write(QString* error) { return cp949::writeFileAtomic(path(), build(), error); }

} // namespace AnalysisFile
