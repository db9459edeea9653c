#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

class NoticeFile;
namespace report { class PrintJob; }

// The paperwork around a school examination: the blank scoring sheet, the invitation to the parents
// (printed and as a notice file) and the application form the trainee hands in.
namespace ExamPaperwork {

// "YYYY-MM" of the month before the date's month.
QString previousMonth(const QDate& d);
// The first six item names of T_심사항목 (missing ones empty).
QStringList itemNames();
// The school name with its blanks removed and each character followed by five blanks.
QString spacedSchoolName(const QString& name);
// "2024년 5월 15일 14시 5분"
QString momentText(const QDate& d, const QTime& t);
QString weekdayName(const QDate& d); // "수요일"

// --- scoring sheet ("심사채점.rpt")
struct SheetOptions {
    int divisionIndex = 0;
    QString divisionText;
    int yearIndex = 0;
    QString yearText;
    QDate examDate;
    bool highestFirst = false; // "유품자순"
};
constexpr int kSheetLines = 35;
// Fills print with one line per trainee and the filler lines of the last page; returns the trainees.
int fillScoringSheet(const SheetOptions& o, report::PrintJob& job);

// --- member lists of the invitation and the application form
struct Trainee {
    QString memberNo, name, rankCode, rankName, division, schoolYear, classGroup, email, mobile;
    QString nextRankCode, nextRankName; // the rank applied for
    QString attendance, points;         // of the month before the examination
    bool ticked = true;
};
QList<Trainee> invitationList(int divisionIndex, const QString& divisionText);
QList<Trainee> applicationList(int divisionIndex, const QString& divisionText, const QDate& examDate, bool withPoints);

// --- invitation ("심사안내1.rpt" / "심사안내2.rpt") and its notice file
// The examination as both the invitation and the application give it.
struct Sitting {
    QDate date;
    QTime time;
    QString examNo, place, attire, content;
};
struct Invitation : Sitting {};
int fillInvitation(const QList<Trainee>& rows, const Invitation& inv, report::PrintJob& job);
NoticeFile invitationFile(const QList<Trainee>& rows, const Invitation& inv, const QDate& today);
// Keeps the content as the next default (a single blank when empty).
void storeInvitationText(const QString& content);

// --- application form ("심사신청1.rpt" ... "심사신청8.rpt")
enum class Kind { AreaApplication = 0, ContentAndScores, ScoringAndResult, AreasAndNotice };
struct Application : Sitting {
    QString fee, month, day;
    Kind kind = Kind::AreaApplication;
    bool forms = false; // "Forms출력"
};
struct Problem {
    QString message;
    QString field; // control name
    bool ok() const { return message.isEmpty(); }
};
// The checks before printing, in the screen's order; a fee that is not a whole number is refused too.
Problem checkApplication(const Application& a);
QString timeText(const QDate& d, const QTime& t);
QString feeText(const Application& a);      // null (empty) for a zero fee
QString deadlineText(const Application& a);
QString layoutFor(Kind kind, bool forms);
QString titleFor(Kind kind);
int fillApplication(const QList<Trainee>& rows, const Application& a, report::PrintJob& job);
void storeApplicationText(const QString& content);

} // namespace ExamPaperwork

// --- per-rank examination content (T_급별심사평가내용) and the four evaluation areas
namespace ExamPaperwork {

struct RankContent {
    QString rankCode, rankName;
    QStringList contents; // E1심사내용 ... E6심사내용
};
QList<RankContent> loadContent(); // every rank, with or without content
QStringList loadAreas();          // 평가항목1 ... 4 of the first row, empty without rows
// Writes every rank's row (updated or added) with the same four area names, in one transaction.
void saveContent(const QList<RankContent>& rows, const QStringList& areas);
constexpr int kAreaChars = 20;

} // namespace ExamPaperwork
