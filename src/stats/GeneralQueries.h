#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace db { class Query; }
namespace report { class PrintJob; }

// The list pages of 종합관리 (TfTot0010) as plain rules: the screen gathers one Input from the controls
// of a page, runs it and shows the Listing; tests call the same. Page 9 (the national application
// register) lives in NationalApplications.
namespace tot {

enum Page {
    Roster = 0, School, Rank, Address, Birthday, Awards, Points, Suggestions, Overall, Register, Conduct, Boarding,
    Concentration, ExamNotes, Notices, PageCount
};

enum class Status { Current, Withdrawn };

// Everything a page may be given. Each page reads only the fields it has controls for.
struct Input {
    // Shared filters.
    QString name;                 // the page's name drop-down, as typed or chosen
    int divisionIndex = 0;        // the DivisionFilter's index and text
    QString divisionText;
    Status status = Status::Current;
    bool useDates = false;        // "검색 조건에 … 포함"
    QDate from, to;
    int rankIndex = 0;            // rank drop-downs: "", "전체", "1품", "2품", "3품", then "code)  name"
    QString rankText;
    QString rankToText;           // page 2: the second rank drop-down, a range of ranks when filled
    int sort = 0;                 // index in sortChoices(page)

    // Page 1
    QString school;
    int gradeIndex = 0;           // the SchoolYearFilter's index and text
    QString gradeText;
    QString classNo;              // "" when no class is chosen
    QString sex;

    // Page 2: mode "단증번호 조회"; pages 2 and 13: the examination number as typed
    bool danMode = false;
    QString danRankCode;
    QString examNo;

    // Page 3
    QString address;
    QString zipCode;
    QString areaCode;

    // Page 4
    enum BirthMode { Trainee, Family, Wedding };
    BirthMode birthMode = Trainee;
    QString solarLunar;
    bool birthParts = false;      // "검색 조건에 생년월일 포함"
    bool byYear = false, byMonth = false, byDay = false;
    int year = 0, month = 0, day = 0;

    // Page 5
    QString prizeCode;

    // Pages 6 and 8
    QString yearText;
    bool cumulativeOrder = false; // page 6: "누적순"
    enum Section { Life, Fitness, Exam };
    Section section = Life;
    QString itemCode;             // page 8: the fitness or examination item
    QString itemName;

    // Page 11
    QString courseCode;
    QString time;
    QString place;
};

struct Row {
    QString memberNo;
    QStringList cells; // the columns after the member number, as shown
};

struct Listing {
    QStringList headers; // titles of the cells
    QList<Row> rows;
    int found = 0;       // rows the query found (page 11 counts them before the place filter)
};

// A refused input: the message for the user and the control that gets the focus.
struct Problem {
    QString message;
    QString field;
    bool ok() const { return message.isEmpty(); }
};

// The tab captions, in page order.
QStringList pageCaptions();
// The sort choices of a page (empty when its order is fixed) and the one chosen at opening.
QStringList sortChoices(int page, Input::BirthMode mode = Input::Trainee);
int defaultSort(int page);

// The rank drop-downs' entries: "", "전체", "1품", "2품", "3품", then every rank "code)  name".
QStringList rankEntries();
// The poom and dan ranks (those named "…단보" or "…단"), "code)  name".
QStringList poomDanRanks();
// The rank rule of the lists on the rank drop-downs' entries (index and text as shown): one rank (its
// code and those under it, or exactly it with `exact`), a range with `exact` and a second rank, or a
// poom group without the provisional-dan ranks.
void addRankCondition(db::Query& q, int rankIndex, const QString& rankText, const QString& rankToText,
                      const QString& codeColumn, const QString& nameColumn, bool exact);

// An examination number that ExamNumber::parse refuses gets this message.
QString examNumberMessage(); // "심사명은 숫자로 입력하세요."

// Runs one page (not 9). Returns false and sets *problem when an input is refused (nothing read);
// errors of the engine throw db::Error.
bool run(int page, const Input& in, Listing* out, Problem* problem = nullptr);

// Printing a page's list: the report file, its title and one line of `print` per listed row.
struct PrintPlan {
    QString layout;
    QString title;
};
PrintPlan printPlan(int page, const Input& in);
// Writes the lines of the listing into the job (which has emptied print).
void fillPrint(int page, const Input& in, const Listing& l, report::PrintJob& job);
// The whole print of a page: empties print, fills it, runs the report.
bool print(int page, const Input& in, const Listing& l, int destination, class QWidget* parent = nullptr);

// Page 11's course roster ("코스별 탑승자 인쇄"): one line per course, stop and time with boarders.
int fillCourseRoster(const QString& courseCode, report::PrintJob& job);
bool printCourseRoster(const QString& courseCode, int destination, class QWidget* parent = nullptr);

} // namespace tot
