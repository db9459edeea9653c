#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "report/NoticeFile.h"
#include "ui/DivisionFilter.h"

namespace report { class PrintJob; }

// The printouts of the trainees' results: the history sheet with the parent letter or the
// concentration tests ("측정결과1.rpt" … "측정결과4.rpt"), the graded evaluation sheet
// ("측정결과5.rpt", "측정결과6.rpt") and the fitness data file of the web notices.
class FitnessResults {
public:
    struct Member {
        QString no, name, division, enrolDate, birthDate, sex, latestDate, rank, phone, schoolYear, email, mobile;
    };
    // Attending members whose name is like `namePattern` (the typed text and "%"), in the division, by
    // division, name and rank.
    static QList<Member> list(const QString& typedName, const DivisionFilter::Condition& division);
    static QString ageText(const QString& birthDate, int year, const QString& none); // year − birth + 1

    static QString letter();                            // T_가정통신문.체력측정평가
    static void saveLetter(const QString& text);

    // History sheet: the letter (its first ten lines, each cut to 110 bytes) or the five latest
    // concentration tests in 가정통신1 … 가정통신10.
    static void fillHistory(report::PrintJob& job, const QList<Member>& ticked, bool concentration, const QString& letterText,
                            const QDate& today);
    // One line of concentration averages: each number right-aligned in three places after its gap.
    static QString concentrationLine(const QList<QVariant>& twelve);

    // Evaluation sheet.
    static void fillEvaluation(report::PrintJob& job, const QList<Member>& ticked, const QDate& today);

    // "체력측정.txt" of the web notices: one line per ticked trainee with an e-mail address.
    static NoticeFile dataFile(const QList<Member>& ticked, const QDate& today);
};
