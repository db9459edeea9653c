#pragma once
#include <QDate>

// The daily-operations part of a generated school, made through the program's own rules: holidays
// and division events, the exercise catalogue with each division's plan selection and this year's
// plans, enrolment consultations, event participation, daily status lines and the shuttle codes.
namespace OperationsData {

struct Counts {
    int calendar = 0, exercises = 0, planRows = 0, consultations = 0, participations = 0, dailyRows = 0, shuttle = 0;
};

// `months` back from `today`; `perMonth` scales the consultations and daily sheets of a large school.
Counts add(quint32 seed, const QDate& today, int months, int perMonth = 1);

} // namespace OperationsData
