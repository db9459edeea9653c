#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

class NoticeFile;
namespace report { class PrintJob; }

// After an examination: the evaluation sentence of each examined member, and the result notices
// (printed letters and the "심사결과" notice file) of the members' latest school examination.
namespace ExamNotices {

// ---- evaluation sentences (심사결과 평가입력) ----

struct Evaluation {
    QString memberNo, name, division, grade, rankName;
    QString date;      // 승급일자 of the record of this examination
    QString sentence;  // the member's latest stored sentence, then the chosen one
    bool selected = false;
};

// The members with a school record of the number, by name prefix and division.
QList<Evaluation> evaluations(int examNo, const QString& namePrefix, const DivisionFilter::Condition& division);
// Every sentence of T_심사결과평가내용, sorted.
QStringList sentences();
// Writes the sentence of every selected row into its record (member, date, "체육관") in one
// transaction; throws db::Error and writes nothing when a statement fails. Returns rows written.
int saveEvaluations(const QList<Evaluation>& rows);

// ---- result notices (심사결과통지서일괄발부) ----

enum class TextChoice { With, Without, All }; // 통지서 안내문 포함 / 포함 안함 / 포함안한 전체

struct Filter {
    QString name;                  // name prefix
    QString examNo;                // 횟수 as typed; empty for every number
    DivisionFilter::Condition division = DivisionFilter::conditionFor(0, QString(), QStringLiteral("T_회원.부별코드"));
    int beltIndex = 0;             // position in the rank drop-down
    QString beltText;              // its text
    TextChoice text = TextChoice::All;
    bool byDate = false;           // 검색 조건에 심사일 포함
    QDate from, to;
};

struct Notice {
    bool ticked = true;
    QString memberNo, name, division, rankName, date, sentence, rankCode, beltColor, email, mobile;
    int examNo = 0;
};

// The rank drop-down: empty, the three poom groups, then every rank "code)  name".
QStringList beltItems();
// Members whose latest promotion is a school examination matching the filter.
QList<Notice> search(const Filter& filter);

struct Rank {
    QString name, color;
};
// The rank of the member's highest school record below his current rank; empty when none.
Rank previousRank(const QString& memberNo, const QString& rankCode);
// The instructor's latest note of the member in the month of `today`.
QString monthlyNote(const QString& memberNo, const QDate& today);

// The print lines of the ticked notices, and the layout that shows them.
void fillPrint(report::PrintJob& job, const QList<Notice>& rows, TextChoice text, const QDate& today);
QString layoutFor(TextChoice text, bool forms);

// The "심사결과" notice file of the ticked rows with an e-mail address.
NoticeFile dataFile(const QList<Notice>& rows, TextChoice text, const QDate& today);

} // namespace ExamNotices
