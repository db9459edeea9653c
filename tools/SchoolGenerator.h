#pragma once
#include <QDate>
#include <QString>
#include <functional>

// Builds a school database through the program's own rules (enrolment, fee payments, the cash book,
// absences, check-ins at the door, withdrawal/leave/return and month-end closing), deterministic for a given seed and options.
struct GeneratorOptions {
    quint32 seed = 1;
    int members = 120;        // enrolments over the whole span
    int current = 80;         // about this many remain members at the end
    int years = 2;            // span of the school's history, ending at `today`
    QDate today = QDate(2026, 12, 10);
    int otherLinesPerMonth = 12; // cash-book lines besides fees

    static GeneratorOptions demo();   // a small school to look around in
    static GeneratorOptions large();  // ten years, 10,000 members, about 3,000 current
};

struct GeneratorReport {
    int members = 0, current = 0, payments = 0, cashLines = 0, closedMonths = 0, absences = 0;
    int settlements = 0; // months settled as exempt (fee rows without money)
    int badges = 0;      // progress badges handed out in the last year
    int checkIns = 0;    // check-ins at the door in the last year
};

class SchoolGenerator {
public:
    explicit SchoolGenerator(const GeneratorOptions& options) : m_o(options) {}
    // Writes a new database file (an existing one is replaced). Leaves dbMain open on it.
    bool run(const QString& file, QString* error, GeneratorReport* report = nullptr,
             const std::function<void(const QString&)>& progress = {});

private:
    GeneratorOptions m_o;
};
