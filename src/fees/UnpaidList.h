#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

// Page "미납현황/납부 통지서" of the fee window: the members who owe fees at a reference date and the
// sum they owe. Mode "당월" takes only those who have not paid the reference month; "미납월" everybody
// with any unpaid month. Members on leave or withdrawn, and members enrolled after the reference
// month, are never listed.
class UnpaidList {
public:
    enum class Mode { ThisMonth, AnyMonth };

    struct Line {
        QString memberNo, name, division, enrolled, phone, payDay, months, sex, email, mobile;
        qint64 fee = 0;  // the member's monthly fee
        qint64 owed = 0;
    };
    struct Result {
        QList<Line> lines;
        qint64 total = 0; // owed by all listed members
    };

    struct Filter {
        QDate reference;
        QString name;
        DivisionFilter::Condition division;
        Mode mode = Mode::ThisMonth;
        bool byPayDay = false; // only members whose payment day lies in fromDay..toDay
        int fromDay = 1, toDay = 31;
    };

    static Result list(const Filter& f);

    // The month text of a line (" 11 12 1 2", months without their year, the last one in the reference
    // month's year at the latest) as the page shows it: "2023년 11·12월, 2024년 1·2월".
    static QString readableMonths(const QString& months, const QDate& reference);
};
