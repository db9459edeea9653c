#include "FitnessData.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "fitness/Adults.h"
#include "fitness/Measurements.h"
#include "fitness/NationalValues.h"

#include <cmath>

namespace {

// Rough national means by age (years) and sex, item by item: height, weight, standing jump, sit-ups,
// sit-and-reach, 50 m (seconds), shuttle run, push-ups, one-leg stand, side step, grip, rope skipping.
fitness::Values nationalMean(int age, bool male)
{
    const double a = std::min(age, 18);
    const double f = male ? 1.0 : 0.93;
    fitness::Values v{};
    v[0] = std::min(75.0 + 6.2 * a, male ? 174.0 : 161.0);
    v[1] = std::min(6.0 + 2.9 * a, male ? 68.0 : 55.0) * f;
    v[2] = (55.0 + 10.0 * a) * f;
    v[3] = (4.0 + 2.4 * a) * f;
    v[4] = 6.0 + 0.4 * a + (male ? 0 : 3);
    v[5] = std::max(7.0, 13.5 - 0.4 * a) / f;
    v[6] = (3.0 * a) * f;
    v[7] = (1.6 * a) * f;
    v[8] = 2.5 * a;
    v[9] = (12.0 + 1.8 * a) * f;
    v[10] = (2.0 * a - 2.0) * f;
    v[11] = (10.0 * a) * f;
    for (double& x : v)
        x = fitness::round1(x);
    return v;
}

const char* const kSentences[5][2] = {
    {"또래보다 매우 뛰어납니다.", "지금처럼 꾸준히 수련하세요."},
    {"또래보다 우수합니다.", "조금만 더 노력하면 최상위입니다."},
    {"또래 평균 수준입니다.", "꾸준한 운동으로 더 좋아질 수 있습니다."},
    {"또래보다 조금 부족합니다.", "가정에서도 함께 운동해 주세요."},
    {"많이 부족합니다.", "기초 체력 운동이 필요합니다."},
};

void nationalValues()
{
    const QStringList intervals = {"3.0", "2.0", "8.0", "3.0", "2.0", "0.5", "4.0", "3.0", "4.0", "3.0", "2.0", "10.0"};
    EvaluationTexts texts(EvaluationTexts::Kind::Trainee);
    for (const QString& sex : {QStringLiteral("1"), QStringLiteral("0")}) {
        QList<NationalValues::Row> rows;
        for (int age = 4; age <= 20; ++age) {
            NationalValues::Row r;
            r.age = age;
            r.v = nationalMean(age, sex == QStringLiteral("1"));
            rows.append(r);
        }
        NationalValues::save(sex, rows, {}, intervals);
        QStringList first, second;
        for (int g = 0; g < 10; ++g) {
            first.append(QString::fromUtf8(kSentences[g / 2][0]));
            second.append(QString::fromUtf8(kSentences[g / 2][1]));
        }
        for (int age = 4; age <= 20; ++age)
            for (int i = 1; i <= fitness::kItems; ++i)
                texts.save(fitness::itemCode(i), QString::number(age), sex, first, second);
    }
}

int trainees(std::mt19937& rng, const QDate& today)
{
    std::normal_distribution<double> spread(0.0, 1.0);
    QHash<QString, QString> birth, sex;
    {
        db::Query q("SELECT 회원번호, 생년월일, 성별 FROM T_회원");
        q.open();
        while (q.next()) {
            birth.insert(q.str("회원번호"), q.str("생년월일"));
            sex.insert(q.str("회원번호"), q.str("성별"));
        }
    }
    // Each member keeps a level of his own, so his measurements make a line that grows with his age.
    QHash<QString, double> level;
    int written = 0;
    const DivisionFilter::Condition all = DivisionFilter::conditionFor(1, QStringLiteral("     전체"));
    for (int back = 3; back >= 0; --back) {
        const QDate day = QDate(today.year(), today.month() >= 9 ? 9 : 3, 15).addMonths(-6 * back);
        if (day > today)
            continue;
        Clock::setFixed(QDateTime(day, QTime(17, 0)));
        QList<Measurements::Row> rows = Measurements::forEntry(day, all);
        for (Measurements::Row& r : rows) {
            if (!level.contains(r.no))
                level.insert(r.no, spread(rng) * 0.8);
            const int age = day.year() - fitness::birthYear(birth.value(r.no));
            const fitness::Values mean = nationalMean(std::max(age, 4), sex.value(r.no) == QStringLiteral("남"));
            for (int i = 1; i <= fitness::kItems; ++i) {
                const double step = i == 1 ? 3.0 : (i == 2 ? 2.0 : mean[i - 1] * 0.08);
                Measurements::setValue(r, i, std::max(0.0, mean[i - 1] + step * (level.value(r.no) + 0.4 * spread(rng))));
            }
        }
        written += Measurements::save(rows);
    }
    return written;
}

QString adultName(std::mt19937& rng, int k)
{
    static const char* const surnames[] = {"김", "이", "박", "최", "정", "강", "조", "윤"};
    static const char* const given[] = {"영희", "철수", "미경", "성호", "은주", "동현", "지영", "상우", "혜진", "재훈"};
    return QString::fromUtf8(surnames[std::uniform_int_distribution<int>(0, 7)(rng)]) + QString::fromUtf8(given[k % 10]);
}

std::pair<int, int> adultsAndMeasurements(std::mt19937& rng, const QDate& today, int count)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    // Grade ranges: five of every item by sex and age band, the higher values in the higher grades.
    EvaluationTexts texts(EvaluationTexts::Kind::Adult);
    const double base[8] = {165, 62, 30, 25, 10, 200, 20, 30}; // the middle of grade 3
    const double width[8] = {4, 4, 4, 5, 3, 15, 8, 8};
    const char* const bands[][2] = {{"20", "29"}, {"30", "39"}, {"40", "49"}, {"50", "59"}, {"60", "99"}};
    for (const QString& sex : {QStringLiteral("1"), QStringLiteral("0")})
        for (int item = 1; item <= fitness::kAdultItems; ++item) {
            QList<Adults::Range> rows;
            for (int b = 0; b < 5; ++b) {
                Adults::Range r;
                r.fromAge = QString::fromUtf8(bands[b][0]).toInt();
                r.toAge = QString::fromUtf8(bands[b][1]).toInt();
                const double mid = base[item - 1] * (sex == QStringLiteral("1") ? 1.0 : 0.88) * (1.0 - 0.05 * b);
                const double w = width[item - 1];
                // As the grade-range screen has them: grade 1 up to its upper end, grade 5 from its lower end on.
                r.v = {0, fitness::round1(mid - 1.5 * w - 0.1), fitness::round1(mid - 1.5 * w), fitness::round1(mid - 0.5 * w - 0.1),
                       fitness::round1(mid - 0.5 * w), fitness::round1(mid + 0.5 * w - 0.1), fitness::round1(mid + 0.5 * w),
                       fitness::round1(mid + 1.5 * w - 0.1), fitness::round1(mid + 1.5 * w), 9999};
                rows.append(r);
            }
            Adults::saveRanges(fitness::itemCode(item), sex, rows, {});
            QStringList first, second;
            for (int g = 0; g < 5; ++g) { // grade 5 the best
                first.append(QString::fromUtf8(kSentences[4 - g][0]));
                second.append(QString::fromUtf8(kSentences[4 - g][1]));
            }
            for (int b = 0; b < 5; ++b)
                texts.save(fitness::itemCode(item), QStringLiteral("%1~%2").arg(QString::fromUtf8(bands[b][0]), QString::fromUtf8(bands[b][1])),
                           sex, first, second);
        }
    int measured = 0;
    for (int k = 0; k < count; ++k) {
        Adults::Adult a;
        a.no = Adults::nextNo();
        a.name = adultName(rng, k);
        a.sex = pick(0, 1) ? QStringLiteral("1") : QStringLiteral("0");
        a.relation = pick(0, 3) ? QStringLiteral("1") : QStringLiteral("2");
        a.birthDate = QDate(pick(1970, 1998), pick(1, 12), pick(1, 28)).toString("yyyy-MM-dd");
        a.traineeName = a.relation == QStringLiteral("1") ? adultName(rng, k + 3) : QString();
        Adults::save(a, true);
        QList<Adults::Row> rows;
        for (int t = pick(1, 3); t > 0; --t) {
            Adults::Row r;
            r.no = a.no;
            r.name = a.name;
            r.sex = a.sex;
            r.date = today.addMonths(-4 * t).toString("yyyy-MM-dd");
            const double f = a.sex == QStringLiteral("1") ? 1.0 : 0.88;
            Adults::setValue(r, 1, (a.sex == QStringLiteral("1") ? 172 : 159) + pick(-8, 8));
            Adults::setValue(r, 2, (a.sex == QStringLiteral("1") ? 72 : 56) + pick(-10, 12));
            for (int i = 3; i <= fitness::kAdultItems; ++i)
                Adults::setValue(r, i, base[i - 1] * f + pick(-20, 20) * width[i - 1] / 10.0);
            rows.append(r);
        }
        Adults::saveBatch(rows, {});
        measured += int(rows.size());
    }
    return {count, measured};
}

} // namespace

FitnessCounts generateFitness(std::mt19937& rng, const QDate& today, int adults)
{
    FitnessCounts c;
    db::Transaction tx;
    nationalValues();
    c.measurements = trainees(rng, today);
    std::tie(c.adults, c.adultMeasurements) = adultsAndMeasurements(rng, today, adults);
    tx.commit();
    Clock::setFixed(QDateTime(today, QTime(10, 0)));
    return c;
}
