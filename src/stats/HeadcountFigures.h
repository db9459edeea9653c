#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The figures of the headcount screen, read from the member record, the yearly movement counters and
// the movement logs. Reads only. Each page comes as the texts its grid shows, so the screen only lays
// them out and tests read the same texts.
class HeadcountFigures {
public:
    using Months = std::array<qint64, 12>;

    // --- Page 0: the current breakdowns -------------------------------------------------------
    struct Line {
        QString code;
        QString name;
        qint64 count = 0;
    };
    struct Overall {
        QList<Line> divisions, ranks, grades; // every code listed, 0 when no current member has it
        qint64 male = 0, female = 0;          // current members
        qint64 onLeave = 0, withdrawn = 0, returned = 0; // every member row, current or not
    };
    static Overall overall();

    // Opening values of the screen.
    static qint64 currentMembers();  // 퇴관일 is null (members on leave included)
    static qint64 motiveLogTotal();  // rows of T_입관동기별현황
    static QString schoolName();

    // --- Page 1: movement of one year --------------------------------------------------------
    struct YearMovement {
        Months in{}, back{}, leave{}, out{}; // 입관, 복관, 휴관, 퇴관 (null as 0)
        Months net{};                         // 입 + 복 − 휴 − 퇴
        Months headcount{};                   // 현재원 at the end of each month
    };
    static YearMovement yearMovement(int year);
    // Sum over every year up to and including `year` of 입 + 복 − 휴 − 퇴 (withLeaves) or 입 + 복 − 퇴.
    static qint64 cumulative(int year, bool withLeaves);
    static QStringList yearHeader();                  // "", "1월" … "12월", "평균"
    static QList<QStringList> yearRows(int year);     // the grid texts, 14 cells a row

    // --- Page 2: three-year comparison -------------------------------------------------------
    static QStringList comparisonYearCaptions(int year);  // Y−2, Y−1, Y: "2024       총원:  57"
    static QStringList comparisonHeader();
    static QList<QStringList> comparisonRows(int year);
    struct YearSummary {
        QString in, back, leave, out; // "#,##0"
    };
    static YearSummary yearSummary(int year);

    // --- Pages 3, 4, 5: counts by reason -----------------------------------------------------
    enum ReasonLog { Withdrawals, Leaves, Motives };
    struct ReasonCode {
        QString code, name;
    };
    static QList<ReasonCode> reasonCodes(ReasonLog log);   // the columns, in code order
    static QString reasonCaption(ReasonLog log);           // "퇴관사유별 현황" …
    static QString reasonTotalCaption(ReasonLog log);      // "총퇴관자 : " …
    static qint64 reasonLogTotal(ReasonLog log);
    static std::array<qint64, 3> reasonYearCounts(ReasonLog log, int year); // Y−2, Y−1, Y
    // Rows "전  체", "", Y−2 " 년" … , "", "1 월" … "12 월": the caption then one count per reason.
    static QList<QStringList> reasonRows(ReasonLog log, int year);
};
