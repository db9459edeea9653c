#include "SchoolGenerator.h"
#include "FitnessData.h"

#include "OperationsData.h"
#include "PartnerData.h"

#include "attendance/Absences.h"
#include "attendance/CheckIns.h"
#include "cashbook/CashBook.h"
#include "cashbook/MonthClosing.h"
#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/ExamNumber.h"
#include "exams/ExamBatch.h"
#include "exchange/TransferFile.h"
#include "exams/ExamNotices.h"
#include "fees/FeePayments.h"
#include "fees/FeeSettlement.h"
#include "fees/IssueNumbers.h"
#include "forms/AwardCertificate.h"
#include "forms/CompletionCertificates.h"
#include "members/Badges.h"
#include "members/ConcentrationBatch.h"
#include "members/Enrolment.h"
#include "db/MemberStatus.h"
#include "members/PersonalRecord.h"
#include "members/Retirement.h"
#include "stats/NationalApplications.h"
#include "text/Cp949.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <random>

GeneratorOptions GeneratorOptions::demo() { return {}; }

GeneratorOptions GeneratorOptions::large()
{
    GeneratorOptions o;
    o.members = 10000;
    o.current = 3000;
    o.years = 10;
    o.otherLinesPerMonth = 30;
    return o;
}

namespace {

const char* const kSurnames[] = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임", "한", "오", "서", "신", "권", "황", "안", "송", "류", "홍"};
const char* const kGiven[] = {"민준", "서연", "도윤", "서윤", "시우", "지우", "주원", "하은", "하준", "지호",
                              "지유", "준서", "수아", "예준", "지아", "현우", "서아", "건우", "다은", "우진",
                              "채원", "선우", "예린", "민재", "소율", "연우", "하린", "유준", "지민", "은우"};
const char* const kSchools[] = {"한빛초등학교", "새솔초등학교", "푸른초등학교", "누리중학교", "하늘고등학교"};
const char* const kJobs[] = {"회사원", "자영업", "교사", "공무원", "주부", "의사", "간호사"};

struct Expense {
    const char* main;
    const char* sub;
    bool income;
    int low, high; // thousands of won
};
const Expense kOther[] = {
    {"운영비", "임대료", false, 1500, 1500}, {"운영비", "전기요금", false, 80, 250}, {"운영비", "수도요금", false, 20, 60},
    {"차량유지비", "주유", false, 60, 150},   {"용품", "도복구입", false, 100, 400}, {"용품", "도복판매", true, 30, 90},
    {"심사", "심사비", true, 30, 60},         {"행사", "행사비", true, 20, 50},       {"운영비", "간식", false, 10, 40},
};

// A school examination of everyone attending, through the examination screen's rules: most are
// promoted with their scores, and each examined member gets an evaluation sentence.
void holdExamination(const QDate& day, std::mt19937& rng)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ExamBatch exam;
    const int number = ExamNumber::next();
    if (exam.list(number, day, ExamBatch::Mode::Batch, {}) == 0)
        return;
    for (int i = 0; i < exam.count(); ++i) {
        for (int k = 0; k < 5; ++k)
            exam.setScore(i, k, pick(55, 98));
        exam.setSelected(i, pick(0, 99) >= 8);
    }
    exam.commit();
    const QStringList sentences = ExamNotices::sentences();
    auto rows = ExamNotices::evaluations(number, QString(), DivisionFilter::conditionFor(0, QString(), QStringLiteral("T_회원.부별코드")));
    for (auto& r : rows) {
        r.sentence = sentences.isEmpty() ? QString() : sentences[pick(0, int(sentences.size()) - 1)];
        r.selected = !sentences.isEmpty();
    }
    ExamNotices::saveEvaluations(rows);
}

// Shuttle riders and personal journals through the personal screen's record: about one member in
// five rides a course, and attending members get conduct notes, suggestions and personal notices.
int addRidersAndJournals(std::mt19937& rng, const QDate& today)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const kConduct[] = {"수업 태도가 좋음", "품새 연습에 열심히 참여함", "친구와 다툼이 있어 상담함", "지각이 잦음"};
    static const char* const kSuggestions[] = {"차량 시간 조정 요청", "토요일 수업 문의", "도복 교환 요청"};
    static const char* const kNotices[] = {"다음 심사 준비: 품새 복습", "겨루기 대회 참가 안내", "보호대 준비 바랍니다"};
    QList<QString> courses;
    db::Query cq("SELECT 코스코드 FROM T_코스코드 ORDER BY 코스코드");
    cq.open();
    while (cq.next())
        courses.append(cq.str("코스코드"));
    QStringList members;
    db::Query mq(QStringLiteral("SELECT 회원번호 FROM T_회원 WHERE ") + MemberStatus::notWithdrawn() + QStringLiteral(" ORDER BY 회원번호"));
    mq.open();
    while (mq.next())
        members.append(mq.str("회원번호"));
    int written = 0;
    for (const QString& no : members) {
        const int dice = pick(0, 9);
        if (dice >= 6)
            continue;
        PersonalRecord r;
        if (!r.load(no))
            continue;
        if (dice <= 1 && !courses.isEmpty()) {
            const QString course = courses[pick(0, int(courses.size()) - 1)];
            const auto stops = Enrolment::stopsOf(course);
            if (!stops.isEmpty()) {
                const QString stop = stops[pick(0, int(stops.size()) - 1)].first;
                r.setField("코스코드", course);
                r.setField("장소코드", stop);
                r.setField("시간", Enrolment::timeOf(course, stop));
            }
        }
        auto journal = [&](PersonalRecord::List l, const char* column, const char* const* texts, int n, int days) {
            r.openList(l);
            const int row = r.addRow(l);
            r.setCell(l, row, PersonalRecord::dateColumnOf(l), today.addDays(-pick(1, days)).toString("yyyy-MM-dd"));
            r.setCell(l, row, column, QString::fromUtf8(texts[pick(0, n - 1)]));
        };
        journal(PersonalRecord::Conduct, "생활기록", kConduct, 4, 300);
        if (dice == 2 || dice == 5)
            journal(PersonalRecord::Suggestions, "건의사항", kSuggestions, 3, 200);
        if (dice >= 3)
            journal(PersonalRecord::Notices, "공지사항", kNotices, 3, 60);
        r.save();
        ++written;
    }
    return written;
}

// The poom and dan holders applied for at the national headquarters a month ago, through the
// register's own confirm; half of them already have their certificate numbers.
// Certificates as the school hands them out: completion certificates to about one member in ten at
// the end of last year and two months ago, and an excellence award each quarter of the last year to a
// few, through the certificate rules (numbers from the school's counters, awards with their merit entry).
int handOutCertificates(std::mt19937& rng, const QDate& today)
{
    int handed = 0;
    const QStringList lines = {QStringLiteral("위 사람은 본 체육관에서 소정의 과정을"), QStringLiteral("성실히 수련하였기에"),
                               QStringLiteral("이 증서를 수여합니다.")};
    for (const QDate& day : {QDate(today.year() - 1, 12, 20), today.addMonths(-2)}) {
        QList<CompletionCertificates::Row> rows =
            CompletionCertificates::query(DivisionFilter::conditionFor(0, QString(), QStringLiteral("a.부별코드")), QString());
        for (auto& r : rows)
            r.ticked = std::uniform_int_distribution<int>(0, 9)(rng) == 0;
        CompletionCertificates::record(rows, lines, CompletionCertificates::lastNumber() + 1, day);
        handed += int(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.ticked; }));
    }
    const QList<CompletionCertificates::Row> current =
        CompletionCertificates::query(DivisionFilter::conditionFor(0, QString(), QStringLiteral("a.부별코드")), QString());
    if (current.isEmpty())
        return handed;
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const QDate day = today.addMonths(-3 * quarter);
        for (int k = 0; k < std::max<int>(1, int(current.size()) / 40); ++k) {
            const auto& m = current[std::uniform_int_distribution<int>(0, int(current.size()) - 1)(rng)];
            AwardCertificate::Fields f;
            f.memberNo = m.memberNo;
            f.memberName = m.name;
            f.code = QStringLiteral("03");
            f.name = QStringLiteral("우수상");
            f.edition = AwardCertificate::lastEdition();
            f.date = day;
            AwardCertificate(f).record();
            ++handed;
        }
    }
    return handed;
}

// Concentration tests on two days of the last months: about half the members tested each time,
// their own scores typed as the batch window takes them, the day's averages computed by its rules.
int testConcentration(std::mt19937& rng, const QDate& today)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int tested = 0;
    for (const QDate& day : {today.addMonths(-3), today.addMonths(-1)}) {
        QList<ConcentrationBatch::Line> lines =
            ConcentrationBatch::forInput(day, DivisionFilter::conditionFor(1, QStringLiteral("전체"), QStringLiteral("a.부별코드")), QString());
        for (auto& l : lines) {
            l.ticked = pick(0, 1) == 0;
            l.visual = QString::number(pick(55, 99));
            l.auditory = QString::number(pick(50, 99));
        }
        tested += ConcentrationBatch::save(day, lines);
    }
    return tested;
}

int applyNationally(const QDate& today)
{
    NationalApplications::Filter f;
    QList<NationalApplications::Application> rows;
    const QDate examDay = today.addMonths(-1);
    if (!NationalApplications::candidates(f, QStringLiteral("1"), examDay, &rows))
        return 0;
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].applicantNo = QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        if (i % 2 == 0)
            // Eight digits, as the register keeps them: the year's last two and a running number.
            rows[i].certificateNo = QStringLiteral("%1%2").arg(examDay.year() % 100, 2, 10, QLatin1Char('0')).arg(i + 1, 6, 10, QLatin1Char('0'));
    }
    return NationalApplications::confirm(rows);
}

// Absence reasons as the entry screen offers them, with how often each is chosen (percent).
const std::pair<const char*, int> kReasons[] = {{"01)  질병", 35}, {"02)  가족행사", 15}, {"03)  학교행사", 15}, {"04)  여행", 10},
                                                {"05)  타학원", 10}, {"06)  무단결석", 10}, {"99)  기타", 5}};
const char* const kReporters[] = {"본인", "부모", "친척", "기타", ""};

struct Member {
    QString no;
    QString name;
    QString division;
    qint64 fee = 0;
    QDate enrolled;
    bool withdrawn = false;
    bool onLeave = false;
    QDate leaveSince;
};

// A member's division by age at enrolment, as the school codes group them.
QString divisionForAge(int age, std::mt19937& rng)
{
    if (age <= 5) return "01";
    if (age <= 7) return "02";
    if (age <= 13) {
        const int grade = age - 7; // 1..6
        if (std::uniform_int_distribution<int>(0, 9)(rng) == 0)
            return grade <= 3 ? "09" : "10";
        return QStringLiteral("%1").arg(2 + grade, 2, 10, QLatin1Char('0'));
    }
    if (age <= 16) return "12";
    if (age <= 19) return "13";
    return std::uniform_int_distribution<int>(0, 3)(rng) == 0 ? "15" : "14";
}

QString gradeForAge(int age)
{
    if (age <= 7) return QStringLiteral("유치 %1").arg(qBound(4, age, 7));
    if (age <= 13) return QStringLiteral("초등 %1").arg(age - 7);
    if (age <= 16) return QStringLiteral("중등 %1").arg(age - 13);
    if (age <= 19) return QStringLiteral("고등 %1").arg(age - 16);
    return age <= 23 ? QStringLiteral("대학교") : QStringLiteral("일반");
}

// The check-ins of one month for the members attending then (see the caller).
int checkInMonth(std::mt19937& rng, const QList<Member>& members, const QSet<QString>& absent, const QDate& from, const QDate& to)
{
    QList<CheckIns::Entry> entries;
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        if (d.dayOfWeek() > 5)
            continue;
        const QString day = db::dateText(d);
        for (const Member& m : members) {
            if (m.withdrawn || m.onLeave || m.enrolled > d || (d.dayOfWeek() + m.no.right(3).toInt()) % 5 >= 3
                || absent.contains(m.no + day))
                continue;
            const int code = m.division.toInt();
            const int hour = code <= 2 ? 14 : code <= 11 ? 15 + code % 3 : 19;
            const int minute = std::uniform_int_distribution<int>(0, 29)(rng);
            const int second = std::uniform_int_distribution<int>(0, 59)(rng);
            entries.append({m.no, QDateTime(d, QTime(hour, minute, second))});
        }
    }
    return CheckIns::recordMany(entries);
}

} // namespace

bool SchoolGenerator::run(const QString& file, QString* error, GeneratorReport* report,
                          const std::function<void(const QString&)>& progress)
{
    for (const QString& f : {file, file + "-wal", file + "-shm"})
        QFile::remove(f);
    Clock::setFixed(QDateTime(m_o.today, QTime(10, 0)));
    if (!db::openDatabase(file, error))
        return false;
    // A generated file need not survive a power cut while it is being made.
    db::run("PRAGMA synchronous=OFF");

    std::mt19937 rng(m_o.seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&](int percent) { return pick(0, 99) < percent; };

    const QDate firstMonth = QDate(m_o.today.year(), m_o.today.month(), 1).addMonths(-12 * m_o.years + 1);
    const int months = 12 * m_o.years;
    GeneratorReport r;
    QList<Member> members;
    QHash<QString, qint64> divisionFee;
    {
        db::Query q("SELECT 부별코드, 수련비 FROM T_부별코드");
        q.open();
        while (q.next())
            divisionFee.insert(q.str("부별코드"), q.integer("수련비"));
    }
    db::run("UPDATE T_도장정보 SET 도장명 = :n", {{"n", QStringLiteral("한마음 태권도장")}});
    if (db::scalar("SELECT count(*) FROM T_도장정보").toInt() == 0)
        db::run("INSERT INTO T_도장정보 (도장명) VALUES (:n)", {{"n", QStringLiteral("한마음 태권도장")}});

    try {
        // Opening balance: the month before the first one.
        Clock::setFixed(QDateTime(firstMonth, QTime(9, 0)));
        MonthClosing::saveOpening(firstMonth.addMonths(-1).toString("yyyyMM"), 3000000, 0);

        // Partners deal on their own random sequence, so the rest of the school stays as it was for a seed.
        PartnerData::setUp();
        std::mt19937 partnerRng(m_o.seed + 11);
        std::mt19937 checkInRng(m_o.seed + 19);

        const int toWithdraw = m_o.members - m_o.current;
        int enrolled = 0, withdrawnSoFar = 0;
        for (int mi = 0; mi < months; ++mi) {
            const QDate monthStart = firstMonth.addMonths(mi);
            const QDate monthEnd = std::min(monthStart.addMonths(1).addDays(-1), m_o.today);
            const QString monthKey = monthStart.toString("yyyyMM");
            db::Transaction tx; // a month at a time: much faster, and all or nothing
            auto dayIn = [&](int from = 1) { return monthStart.addDays(pick(from, monthEnd.day()) - 1); };

            // Enrolments of the month, spread so the total comes out right.
            const int enrolTarget = int(qint64(m_o.members) * (mi + 1) / months);
            QList<QDate> enrolDays;
            for (int k = enrolled; k < enrolTarget; ++k)
                enrolDays.append(dayIn());
            std::sort(enrolDays.begin(), enrolDays.end());
            for (const QDate& d : enrolDays) {
                Clock::setFixed(QDateTime(d, QTime(15, 0)));
                const int age = chance(15) ? pick(20, 45) : pick(5, 16);
                EnrolmentForm f;
                f.name = QString::fromUtf8(kSurnames[pick(0, 19)]) + QString::fromUtf8(kGiven[pick(0, 29)]);
                f.sex = chance(60) ? QStringLiteral("남") : QStringLiteral("여");
                const QDate birth = d.addYears(-age).addDays(-pick(0, 364));
                f.birthDate = db::dateText(birth);
                f.calendar = QStringLiteral("양");
                f.residentNo = birth.toString("yyMMdd") + "-" + (f.sex == "남" ? "3" : "4") + QString::number(pick(100000, 999999));
                f.divisionCode = divisionForAge(age, rng);
                f.enrolDate = db::dateText(d);
                f.school = age < 20 ? QString::fromUtf8(kSchools[pick(0, 4)]) : QString();
                f.grade = gradeForAge(age);
                f.classNo = QString::number(pick(1, 12));
                f.rankCode = QStringLiteral("01");
                f.regionCode = QString::number(pick(1, 3));
                f.phone = QStringLiteral("%1-%2").arg(pick(2000, 9999)).arg(pick(1000, 9999));
                f.mobile = QStringLiteral("010-%1-%2").arg(pick(1000, 9999)).arg(pick(1000, 9999));
                if (chance(40))
                    f.email = QStringLiteral("parent%1@example.kr").arg(enrolled + 1);
                f.address = QStringLiteral("도장로 %1길 %2").arg(pick(1, 80)).arg(pick(1, 200));
                f.payDay = QString::number(pick(1, 28));
                f.fee = QString::number(divisionFee.value(f.divisionCode, 130000));
                f.bank = QStringLiteral("계좌이체");
                f.motiveCode = QStringLiteral("0%1").arg(pick(1, 6));
                f.paidNow = chance(90);
                EnrolmentFamily mother{QStringLiteral("모"), QString::fromUtf8(kSurnames[pick(0, 19)]) + QString::fromUtf8(kGiven[pick(0, 29)]),
                                       QString(), QStringLiteral("양"), QString::fromUtf8(kJobs[pick(0, 6)]), QString(), QString()};
                // Her birthday and wedding day follow from the child's birth, leaving the random sequence as it was.
                mother.birthday = db::dateText(birth.addYears(-31).addDays(enrolled % 300));
                mother.wedding = db::dateText(birth.addYears(-3).addDays(enrolled % 200));
                if (age < 20)
                    f.family.append(mother);
                const Enrolment::Problem problem = Enrolment::validate(f);
                if (!problem.ok())
                    throw db::Error(problem.message, f.name);
                Member m;
                m.no = Enrolment::save(f);
                m.name = f.name;
                m.division = f.divisionCode;
                m.fee = f.fee.toLongLong();
                m.enrolled = d;
                members.append(m);
                ++enrolled;
                if (f.paidNow) ++r.payments, ++r.cashLines;
            }
            Clock::setFixed(QDateTime(monthEnd, QTime(20, 0)));

            // Fees of the month for everyone attending who has not paid it yet.
            for (Member& m : members) {
                if (m.withdrawn || m.onLeave || m.enrolled > monthStart.addMonths(1).addDays(-1))
                    continue;
                if (m.enrolled.toString("yyyyMM") == monthKey)
                    continue; // paid (or left unpaid) at enrolment
                if (chance(4))
                    continue; // some months stay unpaid
                if (FeePayments::isPaid(m.no, monthKey))
                    continue;
                FeePayments::add(m.no, monthKey, dayIn(), m.fee, QString());
                ++r.payments;
                ++r.cashLines;
            }

            // Absences of the month: most members miss a day or two, some none; entered on weekdays
            // through the entry rules, so an unexcused one books its penalty.
            QSet<QString> absent; // member number + day
            for (const Member& m : std::as_const(members)) {
                if (m.withdrawn || m.onLeave || m.enrolled >= monthEnd)
                    continue;
                const int roll = pick(0, 99);
                const int days = roll < 40 ? 0 : roll < 75 ? 1 : roll < 93 ? 2 : 3;
                QList<QDate> taken;
                for (int k = 0; k < days; ++k) {
                    const QDate d = dayIn(m.enrolled > monthStart ? m.enrolled.day() + 1 : 1);
                    if (d.dayOfWeek() > 5 || taken.contains(d))
                        continue;
                    taken.append(d);
                    int w = pick(0, 99);
                    const char* reason = kReasons[0].first;
                    for (const auto& [text, weight] : kReasons) {
                        if (w < weight) {
                            reason = text;
                            break;
                        }
                        w -= weight;
                    }
                    Absences::add({m.no, d, QString::fromUtf8(reason), QString::fromUtf8(kReporters[pick(0, 4)])});
                    absent.insert(m.no + db::dateText(d));
                    ++r.absences;
                }
            }

            // Check-ins at the door in the last year: each member on three weekdays of five at his
            // division's class hour, except the days he was absent; through the check-in rules.
            if (monthStart > m_o.today.addYears(-1))
                r.checkIns += checkInMonth(checkInRng, members, absent, monthStart, monthEnd);

            // Receipts handed out for about a third of the month's payments (at least one when any was made).
            const int paidThisMonth = db::scalar("SELECT count(*) FROM T_수련비납부 WHERE 납부일자 BETWEEN :a AND :b AND 납부액 > 0",
                                                 {{"a", monthStart}, {"b", monthEnd}})
                                          .toInt();
            IssueNumbers::take(IssueNumbers::Receipt, monthEnd, IssueNumbers::last(IssueNumbers::Receipt, monthEnd), (paidThisMonth + 2) / 3);

            // Other income and expense lines.
            for (int k = 0; k < m_o.otherLinesPerMonth; ++k) {
                const Expense& e = kOther[k == 0 ? 0 : pick(1, int(std::size(kOther)) - 1)];
                const QString msg = CashBook::addLine(dayIn(), QString::fromUtf8(e.main), QString::fromUtf8(e.sub), e.income,
                                                      qint64(pick(e.low, e.high)) * 1000, QString());
                if (!msg.isEmpty())
                    throw db::Error(msg, QStringLiteral("cash line"));
                ++r.cashLines;
            }

            // Goods bought from partners, each day's lines on one cash line per partner and direction.
            PartnerData::addMonth(partnerRng, monthStart, monthEnd, m_o.members > 1000 ? 6 : 2);

            // Leaves, returns and withdrawals near the end of the month.
            const int withdrawTarget = int(qint64(toWithdraw) * (mi + 1) / months);
            QList<int> candidates;
            for (int i = 0; i < members.size(); ++i)
                if (!members[i].withdrawn && members[i].enrolled.addMonths(2) <= monthStart)
                    candidates.append(i);
            std::shuffle(candidates.begin(), candidates.end(), rng);
            const QDate eventDay = monthEnd.day() > 25 ? monthStart.addDays(24) : monthEnd;
            QList<Retirement::Line> outs, leaves, backs;
            for (int i : candidates) {
                Member& m = members[i];
                if (withdrawnSoFar + outs.size() < withdrawTarget) {
                    Retirement::Line l;
                    l.memberNo = m.no;
                    l.name = m.name;
                    l.day = db::dateText(eventDay);
                    l.reason = QStringLiteral("0%1) ").arg(pick(1, 7));
                    l.chosen = true;
                    outs.append(l);
                    m.withdrawn = true;
                    m.onLeave = false;
                } else if (m.onLeave && m.leaveSince.addMonths(2) <= monthStart) {
                    Retirement::Line l;
                    l.memberNo = m.no;
                    l.name = m.name;
                    l.since = db::dateText(m.leaveSince);
                    l.checked = true;
                    backs.append(l);
                    m.onLeave = false;
                } else if (!m.onLeave && leaves.size() < 2 && chance(5)) {
                    Retirement::Line l;
                    l.memberNo = m.no;
                    l.name = m.name;
                    l.day = db::dateText(eventDay);
                    l.reason = QStringLiteral("07) ");
                    l.chosen = true;
                    leaves.append(l);
                    m.onLeave = true;
                    m.leaveSince = eventDay;
                }
            }
            Retirement::withdraw(outs);
            Retirement::leave(leaves);
            Retirement::giveReturn(backs, Retirement::FromLeave, eventDay);
            withdrawnSoFar += int(outs.size());
            if (monthStart.month() % 3 == 0) // a school examination each quarter
                holdExamination(eventDay, rng);
            // Progress badges each month of the last year, to everyone the badge screen proposes.
            if (monthStart > m_o.today.addYears(-1)) {
                const QDate handedOut = std::min(eventDay, m_o.today);
                r.badges += Badges::issue(Badges::proposals({}, handedOut), handedOut);
            }
            tx.commit();

            if (monthStart.addMonths(1) <= QDate(m_o.today.year(), m_o.today.month(), 1)) {
                Clock::setFixed(QDateTime(monthStart.addMonths(1), QTime(9, 0))); // a month closes once it is over
                const QString refusal = MonthClosing::checkClose(monthKey);
                if (!refusal.isEmpty())
                    throw db::Error(refusal, monthKey);
                MonthClosing::close(monthKey);
                ++r.closedMonths;
            }
            if (progress && (mi % 12 == 11 || mi == months - 1))
                progress(QStringLiteral("%1: 회원 %2명").arg(monthKey).arg(enrolled));
        }
        // Calendars, exercises and plans, consultations, events, daily sheets and shuttle codes.
        const OperationsData::Counts ops = OperationsData::add(m_o.seed, m_o.today, months, m_o.members > 1000 ? 3 : 1);
        if (progress)
            progress(QStringLiteral("일일업무: 상담 %1건, 행사참가 %2건, 수련계획 %3줄").arg(ops.consultations).arg(ops.participations).arg(ops.planRows));
        // Fitness on its own random sequence, so the rest of the school stays as it was for a seed.
        std::mt19937 fitnessRng(m_o.seed + 7);
        generateFitness(fitnessRng, m_o.today, std::max(10, m_o.current / 15));
        // Riders, journals and national applications, likewise on sequences of their own.
        std::mt19937 journalRng(m_o.seed + 11);
        Clock::setFixed(QDateTime(m_o.today, QTime(11, 0)));
        const int journals = addRidersAndJournals(journalRng, m_o.today);
        const int applications = applyNationally(m_o.today);
        std::mt19937 concentrationRng(m_o.seed + 17);
        testConcentration(concentrationRng, m_o.today);
        std::mt19937 certificateRng(m_o.seed + 13);
        const int certificates = handOutCertificates(certificateRng, m_o.today);
        if (progress)
            progress(QStringLiteral("개인기록: %1명, 국기원 심사 신청 %2건, 수료증과 상장 %3장").arg(journals).arg(applications).arg(certificates));
        // A transfer file waiting in 입관자료, as another school sends one: the record of the member
        // who withdrew last, named as the export names it.
        db::Query leaver(QStringLiteral("SELECT 회원번호, 회원명, 주민등록번호 FROM T_회원 WHERE 퇴관일 IS NOT NULL "
                                        "ORDER BY 퇴관일 DESC, 회원번호 DESC"));
        leaver.open();
        if (leaver.next()) {
            const QString name = QFileInfo(TransferFile::exportPath(leaver.str(QStringLiteral("주민등록번호")),
                                                                    leaver.str(QStringLiteral("회원명"))))
                                     .fileName();
            QString why;
            if (!cp949::writeFileAtomic(ProgramDir::file(QStringLiteral("입관자료/") + name),
                                        TransferFile::build(leaver.str(QStringLiteral("회원번호"))), &why))
                throw db::Error(why, name);
        }
    } catch (const db::Error& e) {
        if (error)
            *error = e.message() + "\n" + e.sql();
        Clock::reset();
        return false;
    } catch (const FeeError& e) {
        if (error)
            *error = e.message();
        Clock::reset();
        return false;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        Clock::reset();
        return false;
    }
    // A few unpaid months of this year settled as exempt, as the settlement page records them.
    if (m_o.today.month() > 1) {
        FeeSettlement settle;
        settle.generate(QDate(m_o.today.year(), 1, 1), QDate(m_o.today.year(), m_o.today.month() - 1, 1), QString(),
                        DivisionFilter::conditionFor(1, QStringLiteral("전체"), QStringLiteral("T_회원.부별코드")));
        for (int i = 0; i < settle.count(); ++i)
            settle.setChecked(i, i % 4 == 0);
        const int before = db::scalar("SELECT count(*) FROM T_수련비납부").toInt();
        if (!settle.record()) {
            if (error)
                *error = QStringLiteral("수련비 정산을 기록하지 못했습니다.");
            return false;
        }
        r.settlements = db::scalar("SELECT count(*) FROM T_수련비납부").toInt() - before;
    }
    db::run("PRAGMA synchronous=FULL");
    db::run("PRAGMA wal_checkpoint(TRUNCATE)");
    Clock::setFixed(QDateTime(m_o.today, QTime(10, 0)));
    r.members = int(members.size());
    r.current = int(std::count_if(members.begin(), members.end(), [](const Member& m) { return !m.withdrawn; }));
    if (report)
        *report = r;
    return true;
}
