#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace report { class PrintJob; }

// The adult register (T_성인) with its measurements (T_성인체력측정), grade ranges
// (T_성인체력등급표) and items (T_성인체력측정항목): the rules of "성인기초체력측정" and
// "성인체력측정등급표".
class Adults {
public:
    using Values = std::array<double, 9>; // A01 .. A08, 비만도

    struct Adult {
        int no = 0;
        QString name, relation = QStringLiteral("1"), sex = QStringLiteral("1"), birthDate, traineeName, note;
    };
    static int nextNo();                              // largest + 1, 1 for the first
    static std::optional<Adult> find(int no);
    static QStringList names();                       // every 성명, by name
    static int count();
    // Inserts or updates the record. Refuses (message, nothing written) a blank name or a birth date
    // that is not "YYYY-MM-DD".
    static QString save(const Adult& a, bool isNew);
    // The record and its measurements, in one transaction: a number given again later starts clean.
    static void remove(int no);

    static int age(const QString& birthDate, int year); // this year − birth year + 1
    static QString birthAndAge(const QString& birthDate, int year); // "1980-03-02/45"

    // ---- measurements ----
    struct Row {
        int no = 0;
        QString name, traineeName, birthDate, sex;
        QString date, storedDate;  // storedDate empty for a row not yet written
        Values v{};
        bool changed = false;
    };
    // First page: stored measurements, optionally within dates and of names containing `name`.
    static QList<Row> search(const QString& name, bool byDate, const QDate& from, const QDate& to);
    // Batch page: stored measurements of names containing `name` measured from .. to.
    static QList<Row> batchSearch(const QString& name, const QDate& from, const QDate& to);
    // Batch page "입력": one empty row per adult whose name contains `name`, on the measuring day.
    static QList<Row> forEntry(const QString& name, const QDate& day);
    static void setValue(Row& row, int item, double value); // 1 .. 8, 9 the obesity index
    // Writes the batch in one transaction: new rows that were filled in (others are skipped),
    // changed stored rows, and the removed ones. A new row on a day the adult is already measured is
    // refused with a message naming adult and day, and nothing is written. Throws db::Error likewise.
    static QString saveBatch(const QList<Row>& rows, const QList<Row>& removed);

    // ---- grade ranges ----
    struct Range {
        int fromAge = 0, toAge = 0;
        std::optional<int> storedFromAge;
        std::array<double, 10> v{}; // FROM1, TO1, ... FROM5, TO5
    };
    static QList<Range> ranges(const QString& item, const QString& sexCode);
    static Range newRange();                    // zeros, TO5등급 9999
    static QString saveRanges(const QString& item, const QString& sexCode, const QList<Range>& rows,
                              const QList<int>& removedFromAges);

    // ---- items ----
    static QStringList itemNames();             // the names in code order
    static QStringList itemCodes();
    static void saveItemNames(const QStringList& codes, const QStringList& names);

    // ---- printouts ----
    struct Listed {
        int no = 0;
        QString name, traineeName, birthDate, sex;
    };
    // Adults with measurements (fourth page) and every adult (fifth page), by birth date and name.
    static QList<Listed> measured(const QString& name, bool byDate, const QDate& from, const QDate& to);
    static QList<Listed> all();
    // "성인체력1.rpt": one line per ticked adult with first, latest four, averages and grades.
    static void fillResults(report::PrintJob& job, const QList<Listed>& ticked, const QDate& today);
    // "성인체력2.rpt": the blank sheet.
    static void fillSheet(report::PrintJob& job, const QList<Listed>& ticked, const QDate& today);
};
