#include "exams/ExamNotices.h"

#include "db/Query.h"
#include "exams/ExamBatch.h"
#include "exams/ExamSettings.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "report/NoticeFile.h"
#include "db/SchoolInfo.h"

#include <QHash>

namespace ExamNotices {

namespace {

void addDivision(db::Query& q, const DivisionFilter::Condition& d)
{
    q.add(d.sql);
    q.bind(QStringLiteral("buCode"), d.buCode);
    if (!d.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), d.buCode1);
}

QString namePattern(const QString& prefix) { return db::likeLiteral(prefix.trimmed()) + u'%'; }

// A stored promotion date as the lists show it: null and the zero date of imported files are empty.
QString shownDate(const QString& d) { return d == QStringLiteral("1899-12-30") ? QString() : d; }

bool blank(const QString& s) { return s.trimmed().isEmpty(); }

// The notice text and training content of each rank, read once per print or file.
class RankTexts {
public:
    RankTexts()
    {
        for (int k = 1; k <= NoticeTexts::kPieces; ++k)
            m_pieces.append(QStringLiteral("심사결과안내%1").arg(k));
    }
    QString piece(const QString& rank, int k)
    {
        return row(m_notice, QStringLiteral("SELECT * FROM T_심사결과안내문 WHERE 급품코드 = :code"), m_pieces, rank).value(k - 1);
    }
    QString training(const QString& rank, int field)
    {
        return row(m_training, QStringLiteral("SELECT * FROM T_급별수련내용 WHERE 급품코드 = :code"), TrainingContent::fields(), rank)
            .value(field);
    }

private:
    static const QStringList& row(QHash<QString, QStringList>& cache, const QString& sql, const QStringList& columns,
                                  const QString& rank)
    {
        auto it = cache.find(rank);
        if (it == cache.end()) {
            QStringList values;
            db::Query q(sql);
            q.bind(QStringLiteral("code"), rank).open();
            const bool found = q.next();
            for (const QString& c : columns)
                values.append(found ? q.str(c) : QString());
            it = cache.insert(rank, values);
        }
        return *it;
    }
    QStringList m_pieces;
    QHash<QString, QStringList> m_notice, m_training;
};

} // namespace

// ---- evaluation sentences ----

QList<Evaluation> evaluations(int examNo, const QString& namePrefix, const DivisionFilter::Condition& division)
{
    db::Query q;
    q << "SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.학년, T_급품코드.급품명, T_심사.승급일자, '0' AS 선택, "
      // The member's latest sentence of a school examination.
      << " ( SELECT x.심사결과평가내용 FROM T_심사 x WHERE x.회원번호 = T_회원.회원번호 AND x.심사구분 = '체육관' "
      << "   AND x.심사결과평가내용 Is Not Null AND x.승급일자 = ( SELECT Max(y.승급일자) FROM T_심사 y "
      << "   WHERE y.회원번호 = T_회원.회원번호 AND y.심사구분 = '체육관' AND y.심사결과평가내용 Is Not Null ) ) AS 최근평가 "
      << " FROM (((T_회원 INNER JOIN T_심사      ON T_회원.회원번호 =  T_심사.회원번호) "
      << "   LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
      << "   LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
      << " WHERE T_회원.회원명 LIKE :name ESCAPE '\\' "
      << " AND " + MemberStatus::active(QStringLiteral("T_회원"))
      << " AND   T_심사.심사구분='체육관' "
      << " AND T_심사.심사명 =:SimsaName ";
    addDivision(q, division);
    q << " Order By T_회원.부별코드,T_회원.급품코드,T_회원.회원명";
    q.bind({{"name", namePattern(namePrefix)}, {"SimsaName", examNo}});
    q.open();
    QList<Evaluation> out;
    while (q.next()) {
        Evaluation e;
        e.memberNo = q.str(QStringLiteral("회원번호"));
        e.name = q.str(QStringLiteral("회원명"));
        e.division = q.str(QStringLiteral("부명"));
        e.grade = q.str(QStringLiteral("학년"));
        e.rankName = q.str(QStringLiteral("급품명"));
        e.date = q.str(QStringLiteral("승급일자"));
        e.sentence = q.str(QStringLiteral("최근평가"));
        out.append(e);
    }
    return out;
}

QStringList sentences()
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 심사결과평가내용 FROM T_심사결과평가내용 ORDER BY 심사결과평가내용"));
    q.open();
    while (q.next())
        out.append(q.str(QStringLiteral("심사결과평가내용")));
    return out;
}

int saveEvaluations(const QList<Evaluation>& rows)
{
    int written = 0;
    db::Transaction tx;
    for (const Evaluation& e : rows) {
        if (!e.selected)
            continue;
        // The whole key: a national record of the same date keeps its own sentence.
        db::run(QStringLiteral(" Update T_심사 "
                               " SET   심사결과평가내용 =:심사결과평가내용"
                               " WHERE 회원번호 =:회원번호 "
                               " AND   승급일자 =:OLD_승급일자 "
                               " AND   심사구분 = '체육관' "),
                {{"심사결과평가내용", e.sentence},
                 {"회원번호", e.memberNo},
                 {"OLD_승급일자", e.date.isEmpty() ? QVariant() : QVariant(e.date)}});
        ++written;
    }
    tx.commit();
    return written;
}

// ---- result notices ----

QStringList beltItems()
{
    const QString blanks(6, u' ');
    QStringList out{QString(), blanks + QStringLiteral("전체"), blanks + QStringLiteral("1품"), blanks + QStringLiteral("2품"),
                    blanks + QStringLiteral("3품")};
    db::Query q(QStringLiteral("SELECT 급품코드, 급품명 FROM T_급품코드 ORDER BY 급품코드"));
    q.open();
    while (q.next())
        out.append(q.str(QStringLiteral("급품코드")) + QStringLiteral(")  ") + q.str(QStringLiteral("급품명")));
    return out;
}

QList<Notice> search(const Filter& f)
{
    db::Query q;
    q << "SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_급품코드.급품명, T_심사.승급일자, T_심사.심사명, "
      << " T_심사.심사결과평가내용, T_회원.급품코드, T_급품코드.띠색, T_회원.이메일, T_회원.핸드폰번호 "
      << " FROM T_회원 INNER JOIN T_심사 ON T_회원.회원번호 = T_심사.회원번호 ";
    if (f.text == TextChoice::With) // one text per rank, so a member is listed once
        q << " INNER JOIN  T_심사결과안내문  ON T_회원.급품코드 =  T_심사결과안내문.급품코드 ";
    q << " LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드 "
      << " LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드 "
      << " WHERE T_회원.회원명 LIKE :name ESCAPE '\\' "
      << " AND " + MemberStatus::active(QStringLiteral("T_회원"))
      << " AND   T_심사.심사구분='체육관' "
      << " AND   T_심사.승급일자 = "
      << " ( SELECT Max(T_심사.승급일자) as 승급일 FROM   T_심사  WHERE  T_회원.회원번호=T_심사.회원번호) ";
    if (f.text == TextChoice::Without)
        q << " AND  T_회원.급품코드 not  in   (select  급품코드  from   T_심사결과안내문 where 급품코드 Is Not Null )";
    if (!f.examNo.trimmed().isEmpty()) {
        q << "AND T_심사.심사명 =:SimsaName ";
        q.bind(QStringLiteral("SimsaName"), f.examNo.trimmed().toInt());
    }
    addDivision(q, f.division);
    const QString belt = f.beltText.trimmed();
    if (f.beltIndex > 4) {
        q << "AND T_회원.급품코드 like :belt ";
        q.bind(QStringLiteral("belt"), belt.section(u')', 0, 0).trimmed() + u'%');
    } else if (belt == QStringLiteral("1품") || belt == QStringLiteral("2품") || belt == QStringLiteral("3품")) {
        q << " AND T_급품코드.급품명 like :beltname " << " AND NOT ( T_급품코드.급품명 like  :beltname1 ) ";
        q.bind({{"beltname", belt + u'%'}, {"beltname1", QStringLiteral("%단보%")}});
    } else {
        q << " AND T_회원.급품코드 like :belt ";
        q.bind(QStringLiteral("belt"), QStringLiteral("%"));
    }
    if (f.byDate) {
        q << "AND T_심사.승급일자 >=:S AND  T_심사.승급일자<=:E ";
        q.bind({{"S", f.from}, {"E", f.to}});
    }
    q << "Order By T_회원.부별코드,T_회원.급품코드,T_회원.회원명";
    q.bind(QStringLiteral("name"), namePattern(f.name));
    q.open();
    QList<Notice> out;
    while (q.next()) {
        Notice n;
        n.memberNo = q.str(QStringLiteral("회원번호"));
        n.name = q.str(QStringLiteral("회원명"));
        n.division = q.str(QStringLiteral("부명"));
        n.rankName = q.str(QStringLiteral("급품명"));
        n.date = shownDate(q.str(QStringLiteral("승급일자")));
        n.examNo = int(q.integer(QStringLiteral("심사명")));
        n.sentence = q.str(QStringLiteral("심사결과평가내용"));
        n.rankCode = q.str(QStringLiteral("급품코드"));
        n.beltColor = q.str(QStringLiteral("띠색"));
        n.email = q.str(QStringLiteral("이메일"));
        n.mobile = q.str(QStringLiteral("핸드폰번호"));
        out.append(n);
    }
    return out;
}

Rank previousRank(const QString& memberNo, const QString& rankCode)
{
    const QVariant code = db::scalar(QStringLiteral("  SELECT TOP 1 급품코드    "
                                                    "  FROM T_심사  "
                                                    "  WHERE 회원번호 =:회원번호 "
                                                    "  AND   VAL(급품코드) <VAL(:급품코드) "
                                                    "  AND   심사구분 ='체육관' "
                                                    "  ORDER BY 급품코드 DESC "),
                                     {{"회원번호", memberNo}, {"급품코드", rankCode}});
    Rank r;
    if (code.isNull())
        return r;
    db::Query q(QStringLiteral("  SELECT 급품명, 띠색           "
                               "  FROM   T_급품코드             "
                               "  WHERE  급품코드 =:급품코드    "));
    q.bind(QStringLiteral("급품코드"), code).open();
    if (q.next()) {
        r.name = q.str(QStringLiteral("급품명"));
        r.color = q.str(QStringLiteral("띠색"));
    }
    return r;
}

QString monthlyNote(const QString& memberNo, const QDate& today)
{
    return db::scalar(QStringLiteral("  SELECT TOP 1 공지사항    "
                                     "  FROM T_심사평가공지사항  "
                                     "  WHERE 회원번호 =:회원번호 "
                                     "  AND   mid(공지일자,1,7) =:공지년월 "
                                     "  ORDER BY 순번 DESC "),
                      {{"회원번호", memberNo}, {"공지년월", today.toString(QStringLiteral("yyyy-MM"))}})
        .toString();
}

void fillPrint(report::PrintJob& job, const QList<Notice>& rows, TextChoice text, const QDate& today)
{
    RankTexts texts;
    const QString school = SchoolInfo::name();
    for (int i = 0; i < rows.size(); ++i) {
        const Notice& n = rows[i];
        if (!n.ticked)
            continue;
        const Rank prev = previousRank(n.memberNo, n.rankCode);
        const QString before = prev.name + u'/' + prev.color;
        QList<std::pair<QString, QVariant>> line{
            {QStringLiteral("SEQNO"), i},
            {QStringLiteral("f01"), texts.piece(n.rankCode, 1)},
            {QStringLiteral("회원명"), n.name + (text == TextChoice::With ? QStringLiteral(" 군(양)이") : QStringLiteral(" 군(양)의"))},
            {QStringLiteral("F06"), n.name},
            {QStringLiteral("f02"), texts.piece(n.rankCode, 2)},
            {QStringLiteral("f03"), QStringLiteral("제") + QString::number(n.examNo) + QStringLiteral("회")},
            {QStringLiteral("f04"), texts.piece(n.rankCode, 3)},
            {QStringLiteral("구분1"), before == QStringLiteral("/") ? QString() : before},
            {QStringLiteral("구분2"), n.rankName + u'/' + n.beltColor},
            {QStringLiteral("구분3"), n.date},
            {QStringLiteral("f05"), n.sentence},
            {QStringLiteral("f29"), monthlyNote(n.memberNo, today)},
            {QStringLiteral("association"), school}};
        for (int k = 1; k <= 11; ++k)
            line.append({QStringLiteral("가정통신%1").arg(k), texts.piece(n.rankCode, k + 3)});
        static const char* const trainingColumns[] = {"f07", "f08", "f09", "f10", "f23", "f25", "f27"};
        for (int k = 0; k < 7; ++k)
            line.append({QString::fromLatin1(trainingColumns[k]), texts.training(n.rankCode, k)});
        job.add(line);
    }
}

QString layoutFor(TextChoice text, bool forms)
{
    if (text == TextChoice::With)
        return forms ? QStringLiteral("심사통지2.rpt") : QStringLiteral("심사통지1.rpt");
    return forms ? QStringLiteral("심사통지4.rpt") : QStringLiteral("심사통지3.rpt");
}

NoticeFile dataFile(const QList<Notice>& rows, TextChoice text, const QDate& today)
{
    static const QString rule = QStringLiteral("-----------------------------------");
    NoticeFile file(QStringLiteral("심사결과"));
    const NoticeFile::School s = NoticeFile::school();
    RankTexts texts;
    for (const Notice& n : rows) {
        if (!n.ticked || blank(n.email))
            continue;
        NoticeLine l;
        l.item(rule);
        l.item(QStringLiteral("* 도장명 : ") + s.name)
            .item(QStringLiteral("* 관장명 : ") + s.head)
            .item(QStringLiteral("* 전&nbsp;&nbsp;&nbsp;화 : ") + s.phone)
            .item(QStringLiteral("* 수련생 : ") + n.name.trimmed())
            .item(QStringLiteral("* 작성일 : ") + today.toString(QStringLiteral("yyyy-MM-dd")))
            .item(rule)
            .item();
        if (text == TextChoice::With) {
            l.piece(QStringLiteral("<font color=\"#585F08\">") + texts.piece(n.rankCode, 1))
                .piece(QStringLiteral("&nbsp;&nbsp;") + n.name + QStringLiteral(" 군(양)이"))
                .piece(QStringLiteral("&nbsp;&nbsp;") + texts.piece(n.rankCode, 2))
                .piece(QStringLiteral("&nbsp;&nbsp;제") + QString::number(n.examNo) + QStringLiteral("회&nbsp;&nbsp;"));
            for (int k = 3; k <= 13; ++k)
                if (!blank(texts.piece(n.rankCode, k)))
                    l.item(texts.piece(n.rankCode, k));
            if (!blank(texts.piece(n.rankCode, 14)))
                l.item(texts.piece(n.rankCode, 14)).piece(QStringLiteral("</font>"));
            l.item();
        }
        const Rank prev = previousRank(n.memberNo, n.rankCode);
        l.item(QStringLiteral("<font color=\"#C0230D\">※.심사결과"));
        if (blank(prev.name) && blank(prev.color))
            l.item(QStringLiteral("&nbsp;*.전&nbsp;&nbsp;&nbsp;급 : "));
        else
            l.item(QStringLiteral("&nbsp;*.전&nbsp;&nbsp;&nbsp;급 : ") + prev.name + u'/' + prev.color);
        l.item(QStringLiteral("&nbsp;*.현&nbsp;&nbsp;&nbsp;급 : ") + n.rankName + u'/' + n.beltColor)
            .item(QStringLiteral("&nbsp;*.승급일 : ") + n.date)
            .item()
            .piece(QStringLiteral("</font>"));
        if (!n.sentence.isEmpty())
            l.item(QStringLiteral("<font color=\"#06119B\">※.심사결과 종합 평가내용"))
                .item(QStringLiteral("&nbsp;*.") + n.sentence)
                .item()
                .piece(QStringLiteral("</font>"));
        l.item(QStringLiteral("<font color=\"#2D9955\">※.수련내용"));
        for (int k = 0; k < TrainingContent::fields().size(); ++k) {
            const QString t = texts.training(n.rankCode, k);
            if (!blank(t))
                l.item(QStringLiteral("&nbsp;*.") + t + (k == 0 ? QStringLiteral("&nbsp;&nbsp;") : QString()));
        }
        l.piece(QStringLiteral("</font>")).item();
        const QString note = monthlyNote(n.memberNo, today);
        if (!blank(note))
            l.item(QStringLiteral("※.관장님 공지사항")).item(QStringLiteral("&nbsp;*.") + note);
        l.piece(n.mobile.trimmed());
        file.addRecipient(n.email, l);
    }
    return file;
}

} // namespace ExamNotices
