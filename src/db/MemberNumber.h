#pragma once
#include <QDate>
#include <QString>

// The member number: "yyyymm" of the enrolment month and a three-digit serial of that month.
// Enrolment and the online import both take their numbers here.
class MemberNumber {
public:
    // The next number of the month of `day` (today by default). It is one above the highest number of
    // that month found in the member table, in any table keyed by member number, or in a cash-book
    // fee link, so a number whose rows outlived its member is never handed to a new trainee.
    // Empty, with a Korean message in *error, when the month's 999 numbers are used up.
    static QString next(QString* error = nullptr);
    static QString next(const QDate& day, QString* error = nullptr);

    static bool isWellFormed(const QString& no); // nine digits with a real month
    static QString photoPath(const QString& no); // ProgramDir + "images/" + no + ".bmp"
};
