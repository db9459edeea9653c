#pragma once
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The fitness rules shared by the measurement screens, the printouts, the data file and the personal
// screen's fitness tab: reference age and sex, the obesity index, the ten grade bounds and the grading
// of trainees and adults. No widgets; every reader goes through db::Query.
namespace fitness {

constexpr int kItems = 12;      // trainee items A01 .. A12; "13" is the obesity index beside them
constexpr int kAdultItems = 8;  // adult items A01 .. A08

QString itemCode(int item);                   // 1 -> "A01"

// ---- values kept with one decimal ----

double round1(double v);                      // "##0.0": halves away from zero
qint64 tenths(double v);                      // the value in tenths, as round1 keeps it
QString fmt1(double v);                       // "##0.0" ("-1.5", "0.0", "123.4")
// A typed cell: empty is 0; false when the text is no number.
bool parseValue(const QString& text, double* out);

// ---- reference age and sex ----

QString sexCode(const QString& memberSex);    // "1" for "남", otherwise "0"
int birthYear(const QString& birthDate);      // the first four characters, 0 when no year
// Age of the grade and evaluation lookups: this year − birth year + 1 (a child born this year is 1).
int referenceAge(const QString& birthDate, int year);
// Year difference alone: the national row of the history sheet and the data file.
int yearDifference(const QString& birthDate, int year);

// ---- obesity ----

// Standard weight (height − offset) × 0.9 and the index weight / standard × 100, one decimal. A standard
// weight of 0 or less (a short child, the placeholder height 100) gives 0 instead of a division by it.
double obesityIndex(double height, double weight, int offset);
// The same index unrounded: bands are looked up on it, so the shown decimal never moves a person
// into the next band (119.46 is 119.5 shown, yet 119 looked up).
double exactObesityIndex(double height, double weight, int offset);
int traineeOffset(const QString& memberSex);  // trainees and the calculator: 100 for "남", else 105
int adultOffset(const QString& sexCode);      // adults: 100 for "0" (female), else 105
// The band of an index: rounded to a whole number (halves away from zero) and looked up in the
// bands in ascending FROM비만도 order; empty code when no band holds it.
struct Band {
    QString code, verdict;
    QStringList lines; // 평가내용1 .. 평가내용24
};
Band bandOf(double index);

// ---- trainee grades ----

// The ten lower bounds from a national mean and an interval (the interval rounded first).
std::array<double, 10> gradeBounds(double mean, double interval);
// 1 when x ≥ b1, 10 when x ≤ b10, otherwise the smallest k with x ≥ bk; x and the bounds rounded.
int gradeOf(double x, const std::array<double, 10>& bounds);

struct Grade {
    int grade = 0;            // 0: no grade
    QString label;            // "(3등급)"
    QString sentence;         // column "3등급평가내용"
    QString sentence2;        // column "33등급평가내용"
    QString name;             // "3등급" (adults)
};

// The grade rows of one age and sex, read once and asked per item. An item without a row, or an
// unmeasured value, gets no grade: an empty label and empty sentences.
class TraineeGrades {
public:
    TraineeGrades(int age, const QString& sexCode);
    Grade grade(int item, std::optional<double> x) const;

private:
    struct Row {
        std::array<double, 10> bounds;
        QStringList first, second;
    };
    QHash<QString, Row> m_rows; // by item code
};

// ---- adult grades ----

// The first grade g (1 .. 5) whose range FROM..TO (both rounded, both included) holds x; 0 for none.
int adultGradeOf(double x, const std::array<std::pair<double, double>, 5>& ranges);

// The ranges of one sex and age, all eight items.
class AdultGrades {
public:
    AdultGrades(int age, const QString& sexCode);
    Grade grade(int item, std::optional<double> x) const;

private:
    struct Row {
        std::array<std::pair<double, double>, 5> ranges;
        QStringList first, second;
    };
    QHash<QString, Row> m_rows;
};

// ---- a trainee's figures ----

// Item captions: the names of T_체력측정항목 in stored order, each trimmed and cut to `bytes` CP949
// bytes (the grids use 6: three syllables); empty where there are fewer rows.
QStringList itemLabels(int bytes = 6);

// Thirteen values: A01 .. A12 and the obesity index.
using Values = std::array<double, kItems + 1>;

struct Measurement {
    QString date;   // empty when there is none
    Values v{};
    bool found() const { return !date.isEmpty(); }
};

Measurement firstMeasurement(const QString& memberNo);
Measurement latestMeasurement(const QString& memberNo);
QList<Measurement> history(const QString& memberNo, int newest = 12); // newest first
// The national row of an age and sex: A01 .. A12 and A13 in place 13; not found() without a row.
Measurement nationalValues(int age, const QString& sexCode);

// Averages over the latest measurement of every member born in `year` ("2015"), of the same sex when
// it is "남" or "여". Items nobody measured average 0.
class GroupAverages {
public:
    Values of(const QString& year, const QString& memberSex);

private:
    QHash<QString, Values> m_cache;
};

} // namespace fitness
