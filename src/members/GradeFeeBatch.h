#pragma once
#include <QList>
#include <QString>
#include <optional>

#include "ui/DivisionFilter.h"

// Division, class, next school grade and monthly fee of the current members of a division, changed
// for many members at once ("부/학년/반/수련비 일괄입력"). Writes only T_회원.
class GradeFeeBatch {
public:
    struct Line {
        QString no, name, enrolled, phone;
        QString oldDivision;  // 전부명
        QString grade;        // 현재학년
        QString nextGrade;    // empty when the grade is not in T_학년코드
        bool selected = true; // 선택
        QString divisionCode, divisionName; // the new division, at first the current one
        QString klass;        // 반
        QString fee;          // 수련비 as typed
    };

    // The grade after `grade` in T_학년코드 order; the last grade stays; empty for an unknown grade.
    static QString nextGrade(const QString& grade);

    // Members without withdrawal or leave in the division. `all`: also those whose grade or division
    // is not in the code tables (what "입     력" lists); otherwise only those with both.
    static QList<Line> lines(const DivisionFilter::Condition& division, bool all);

    // A fee box as a whole number of won; nothing for blank or other text.
    static std::optional<qint64> parseFee(const QString& text);

    // Writes every selected line in one transaction: class and division always, the fee (a whole
    // number) and the next grade when asked; a line whose grade has no next keeps its grade. Returns
    // the lines written; throws db::Error (nothing written).
    static int save(const QList<Line>& lines, bool grades, bool fees);
};
