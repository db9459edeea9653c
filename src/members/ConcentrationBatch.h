#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

// Concentration test scores of a test date ("집중도  일괄입력"): the own visual and auditory scores
// are typed; the age, rank and overall averages of the date are computed from every score of that day.
class ConcentrationBatch {
public:
    struct Line {
        bool ticked = false;
        QString no, name, division, rank, date;
        QString visual, auditory;            // own scores as typed
        int visualAge = 0, visualRank = 0;   // averages as stored
        int auditoryAge = 0, auditoryRank = 0;
        int total = 0, totalAge = 0, totalRank = 0;
    };

    // Members without withdrawal or leave enrolled by `day` in the division, with their scores of that
    // day where they have some; all unticked.
    static QList<Line> forInput(const QDate& day, const DivisionFilter::Condition& division, const QString& name);
    // Only the members tested that day.
    static QList<Line> listing(const QDate& day, const DivisionFilter::Condition& division, const QString& name);

    // The first ticked line without its own visual or auditory score (0 to 100, whole or decimal), with
    // the message to show; -1.
    static int missingScore(const QList<Line>& lines, QString* message);
    // Records the ticked lines and recomputes the day's averages, in one transaction. Throws db::Error.
    static int save(const QDate& day, const QList<Line>& lines);
    // Deletes one member's scores of the day and recomputes the averages, in one transaction.
    static void remove(const QString& memberNo, const QDate& day);

    struct Overall {
        int visual = 0, auditory = 0, total = 0;
    };
    // The day's overall averages as stored (0 without scores that day).
    static Overall overall(const QDate& day);
    // Recomputes the age, rank, own total and overall averages of every row of the day (inside the
    // caller's transaction when there is one) and returns the overall ones.
    static Overall recompute(const QDate& day);
};
