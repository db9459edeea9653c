#include "fitness/FitnessResults.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "fitness/Fitness.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "text/Cp949.h"

using fitness::fmt1;
using fitness::kItems;

namespace {

using Line = QList<std::pair<QString, QVariant>>;

QString col(const char* letter, int i) { return QStringLiteral("%1%2").arg(QString::fromUtf8(letter)).arg(i, 2, 10, QChar(u'0')); }

// What both sheets and the data file show of one trainee.
struct Figures {
    fitness::Measurement first, latest;
    fitness::Values diff{};
    fitness::Values average{};
};

Figures figuresOf(const FitnessResults::Member& m, fitness::GroupAverages& averages)
{
    Figures f;
    f.first = fitness::firstMeasurement(m.no);
    f.latest = fitness::latestMeasurement(m.no);
    for (int i = 0; i <= kItems; ++i)
        f.diff[i] = f.latest.v[i] - f.first.v[i];
    f.average = averages.of(m.birthDate.left(4), m.sex);
    return f;
}

std::optional<double> latestValue(const Figures& f, int item)
{
    return f.latest.found() ? std::optional<double>(f.latest.v[item - 1]) : std::nullopt;
}

void addValues(Line& line, const char* letter, const fitness::Values& v)
{
    for (int i = 0; i <= kItems; ++i)
        line.append({col(letter, i + 1), fmt1(v[i])});
}

} // namespace

QList<FitnessResults::Member> FitnessResults::list(const QString& typedName, const DivisionFilter::Condition& division)
{
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, b.부명, a.입관일, a.생년월일, a.성별, c.급품명, a.전화번호, a.학년, "
                               "a.이메일, a.핸드폰번호, (Select Max(d.측정일자) From T_체력측정 d Where d.회원번호 = a.회원번호) AS 최종측정일자 "
                               "FROM (T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드) "
                               "LEFT JOIN T_급품코드 c ON a.급품코드 = c.급품코드 WHERE "));
    q << MemberStatus::active(QStringLiteral("a")) << QStringLiteral(" AND a.회원명 like :name ESCAPE '\\' ") << division.sql;
    q.bind(QStringLiteral("name"), db::likeLiteral(typedName.trimmed()) + u'%');
    q.bind(QStringLiteral("buCode"), division.buCode);
    if (!division.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), division.buCode1);
    q << QStringLiteral("ORDER BY a.부별코드  ,a.회원명, a.급품코드 desc ");
    q.open();
    QList<Member> out;
    while (q.next()) {
        Member m;
        m.no = q.str(QStringLiteral("회원번호"));
        m.name = q.str(QStringLiteral("회원명"));
        m.division = q.str(QStringLiteral("부명"));
        m.enrolDate = q.str(QStringLiteral("입관일"));
        m.birthDate = q.str(QStringLiteral("생년월일"));
        m.sex = q.str(QStringLiteral("성별"));
        m.latestDate = q.str(QStringLiteral("최종측정일자"));
        m.rank = q.str(QStringLiteral("급품명"));
        m.phone = q.str(QStringLiteral("전화번호"));
        m.schoolYear = q.str(QStringLiteral("학년"));
        m.email = q.str(QStringLiteral("이메일"));
        m.mobile = q.str(QStringLiteral("핸드폰번호"));
        out.append(m);
    }
    return out;
}


QString FitnessResults::ageText(const QString& birthDate, int year, const QString& none)
{
    const int age = fitness::referenceAge(birthDate, year);
    return age ? QString::number(age) : none;
}

QString FitnessResults::letter()
{
    return db::scalar(QStringLiteral("SELECT 체력측정평가 FROM T_가정통신문")).toString();
}

void FitnessResults::saveLetter(const QString& text)
{
    SchoolInfo::ensureLetterRow();
    db::Transaction t;
    db::run(QStringLiteral("UPDATE T_가정통신문 SET 체력측정평가 = :text"), {{QStringLiteral("text"), text}});
    t.commit();
}

QString FitnessResults::concentrationLine(const QList<QVariant>& twelve)
{
    static const int gaps[12] = {2, 3, 2, 3, 2, 3, 3, 2, 2, 3, 3, 2};
    QString out;
    for (int i = 0; i < 12; ++i) {
        const QVariant v = twelve.value(i);
        const QString n = v.isNull() || v.toString().trimmed().isEmpty() ? QString() : QString::number(qRound64(v.toDouble()));
        out += QString(gaps[i], u' ') + n.rightJustified(3, u' ') + u' ';
    }
    return out;
}

void FitnessResults::fillHistory(report::PrintJob& job, const QList<Member>& ticked, bool concentration,
                                 const QString& letterText, const QDate& today)
{
    static const char* const averageColumns[] = {"가정통신11", "가정통신12", "가정통신13", "가정통신14", "가정통신15",
                                                 "관장명",     "발부일자",   "입관일자",   "미납년도",   "전년도분",
                                                 "당월",       "결석일",     "미납월분라벨"};
    static const char* const historyLetters[] = {"B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M"};
    static const char* const concentrationColumns[] = {"시각본인평균", "시각나이평균", "시각기간평균", "시각전체평균",
                                                       "청각본인평균", "청각나이평균", "청각기간평균", "청각전체평균",
                                                       "종합본인평균", "종합나이평균", "종합기간평균", "종합전체평균"};
    const QStringList names = fitness::itemLabels();
    const QString school = SchoolInfo::name();
    const QStringList letterLines = letterText.split(u'\n');
    fitness::GroupAverages averages;
    for (int p = 0; p < ticked.size(); ++p) {
        const Member& m = ticked[p];
        const Figures f = figuresOf(m, averages);
        Line line = {{QStringLiteral("seqno"), p},
                     {QStringLiteral("회원번호"), m.no},
                     {QStringLiteral("회원명"), m.name},
                     {QStringLiteral("F14"), f.first.date},
                     {QStringLiteral("association"), school}};
        for (int i = 0; i < kItems; ++i)
            line.append({QStringLiteral("구분%1").arg(i + 1), names[i]});
        addValues(line, "A", f.first.v);
        addValues(line, "N", f.diff);
        for (int i = 0; i <= kItems; ++i)
            line.append({QString::fromUtf8(averageColumns[i]), fmt1(f.average[i])});
        const fitness::Measurement national =
            fitness::nationalValues(fitness::yearDifference(m.birthDate, today.year()), fitness::sexCode(m.sex));
        for (int i = 0; i <= kItems; ++i)
            line.append({QStringLiteral("F%1").arg(28 + i), national.found() ? fmt1(national.v[i]) : QString()});
        if (!concentration) {
            for (int i = 0; i < 10; ++i)
                line.append({QStringLiteral("가정통신%1").arg(i + 1), cp949::cut(QString(letterLines.value(i)).remove(u'\r'), 110)});
        } else {
            db::Query c(QStringLiteral(" SELECT * FROM T_집중도 WHERE  회원번호=:회원번호  ORDER BY 측정일자 DESC "));
            c.bind(QStringLiteral("회원번호"), m.no);
            c.open();
            for (int j = 0; j < 5 && c.next(); ++j) {
                QList<QVariant> twelve;
                for (const char* name : concentrationColumns)
                    twelve.append(c.value(QString::fromUtf8(name)));
                line.append({QStringLiteral("가정통신%1").arg(2 * j + 1), c.str(QStringLiteral("측정일자"))});
                line.append({QStringLiteral("가정통신%1").arg(2 * j + 2), concentrationLine(twelve)});
            }
        }
        const QList<fitness::Measurement> rows = fitness::history(m.no, 12);
        for (int j = 0; j < rows.size(); ++j) {
            line.append({QStringLiteral("F%1").arg(15 + j), rows[j].date});
            addValues(line, historyLetters[j], rows[j].v);
        }
        job.add(line);
    }
}

void FitnessResults::fillEvaluation(report::PrintJob& job, const QList<Member>& ticked, const QDate& today)
{
    static const char* const sentenceColumns[] = {"F01", "F02", "F03", "F04", "F05", "F06", "F07", "F08",
                                                  "F09", "F10", "F11", "F12", "F23", "F25", "F27", "F29",
                                                  "F31", "가정통신1", "가정통신2", "가정통신3", "가정통신4", "가정통신5",
                                                  "가정통신6", "가정통신7"};
    const QStringList names = fitness::itemLabels();
    const QString school = SchoolInfo::name();
    fitness::GroupAverages averages;
    for (int p = 0; p < ticked.size(); ++p) {
        const Member& m = ticked[p];
        const Figures f = figuresOf(m, averages);
        const int age = fitness::referenceAge(m.birthDate, today.year());
        const QString sex = fitness::sexCode(m.sex);
        Line line = {{QStringLiteral("seqno"), p},
                     {QStringLiteral("회원명"), m.name},
                     {QStringLiteral("G01"), m.schoolYear},
                     {QStringLiteral("G02"), m.sex},
                     {QStringLiteral("G03"), QString::number(age)},
                     {QStringLiteral("G04"), m.rank},
                     {QStringLiteral("association"), school}};
        for (int i = 0; i < kItems; ++i)
            line.append({QStringLiteral("구분%1").arg(i + 1), names[i]});
        addValues(line, "A", f.first.v);
        addValues(line, "B", f.latest.v);
        addValues(line, "C", f.diff);
        addValues(line, "D", f.average);
        const fitness::Measurement national = fitness::nationalValues(age, sex);
        for (int i = 0; i <= kItems; ++i)
            line.append({col("E", i + 1), national.found() ? fmt1(national.v[i]) : QString()});
        const fitness::TraineeGrades grades(age, sex);
        for (int i = 1; i <= kItems; ++i) {
            const fitness::Grade g = grades.grade(i, latestValue(f, i));
            line.append({col("K", i), g.label});
            line.append({QString::fromUtf8(sentenceColumns[2 * i - 2]), g.sentence});
            line.append({QString::fromUtf8(sentenceColumns[2 * i - 1]), g.sentence2});
        }
        job.add(line);
    }
}

NoticeFile FitnessResults::dataFile(const QList<Member>& ticked, const QDate& today)
{
    using cp949::pad;
    using cp949::padR;
    const NoticeFile::School school = NoticeFile::school();
    const QString hyphens = QStringLiteral("-----------------------------------");
    const QString nb = QStringLiteral("&nbsp;");

    QString header = QStringLiteral("측&nbsp;정&nbsp;일&nbsp;자&nbsp;&nbsp;&nbsp;");
    {
        db::Query q(QStringLiteral(" SELECT *  FROM T_체력측정항목   ORDER BY 측정항목코드"));
        q.open();
        while (q.next())
            header += pad(cp949::cut(q.str(QStringLiteral("측정항목명")).trimmed(), 4), 6);
        header += pad(QStringLiteral("비만"), 6) + QStringLiteral("&nbsp;&nbsp;&nbsp;");
    }
    const QStringList names = fitness::itemLabels();
    // Thirteen values laid out as a measurement line: each right-aligned in five places.
    auto values = [&](const fitness::Values& v) {
        QString out;
        for (int i = 0; i < kItems; ++i)
            out += padR(fmt1(v[i]), 5) + u' ' + nb;
        return out + padR(fmt1(v[kItems]), 5);
    };
    const QString gap1 = u' ' + nb, gap2 = u' ' + nb + nb;

    NoticeFile file(QStringLiteral("체력측정"));
    fitness::GroupAverages averages;
    for (const Member& m : ticked) {
        if (m.email.trimmed().isEmpty())
            continue;
        NoticeLine line;
        line.item(hyphens)
            .item(QStringLiteral("* 도장명 : ") + school.name)
            .item(QStringLiteral("* 관장명 : ") + school.head)
            .item(QStringLiteral("* 전&nbsp;&nbsp;&nbsp;화 : ") + school.phone)
            .item(QStringLiteral("* 수련생 : ") + m.name.trimmed())
            .item(QStringLiteral("* 작성일 : ") + db::dateText(today))
            .item(hyphens)
            .item();
        const Figures f = figuresOf(m, averages);
        if (f.latest.found()) {
            line.item().item(QStringLiteral("<font color=\"navy\">※.체력측정 결과")).item(header);
            for (const fitness::Measurement& r : fitness::history(m.no, 12))
                line.item(u' ' + pad(r.date, 15) + QStringLiteral("  ") + nb + values(r.v));
            line.item(QStringLiteral("최&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;초  ") + gap1 + values(f.first.v))
                .item(QStringLiteral("최&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;종  ") + gap1 + values(f.latest.v))
                .item(QStringLiteral("증&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;감  ") + gap2 + values(f.diff))
                .item(QStringLiteral("평&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;균  ") + gap2 + values(f.average));
            const fitness::Measurement national =
                fitness::nationalValues(fitness::yearDifference(m.birthDate, today.year()), fitness::sexCode(m.sex));
            if (national.found())
                line.item(QStringLiteral("문&nbsp;&nbsp;&nbsp;체&nbsp;&nbsp;&nbsp;부") + gap1 + values(national.v))
                    .item(QStringLiteral("</font>"));
        }
        line.item(QStringLiteral("※.체력 측정결과 평가내역"));
        const fitness::TraineeGrades grades(fitness::referenceAge(m.birthDate, today.year()), fitness::sexCode(m.sex));
        for (int i = 1; i <= kItems; ++i) {
            const fitness::Grade g = grades.grade(i, latestValue(f, i));
            line.item(QStringLiteral("*.") + names[i - 1] + g.label + QStringLiteral(" : ") + g.sentence + g.sentence2);
        }
        line.piece(m.mobile.trimmed());
        file.addRecipient(m.email.trimmed(), line);
    }
    return file;
}
