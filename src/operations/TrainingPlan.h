#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "db/ListRules.h"
#include "operations/PlanDivisions.h"

namespace report { class PrintJob; }

// The plan selection of one division (which main exercises, in which line order), edited in memory
// and written on "확인" in one transaction, numbered 1, 2, 3 ... in list order.
class PlanSelection : public db::ListRules {
public:
    explicit PlanSelection(const QString& division);

    QString division() const { return m_division; }
    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    bool editable(int row, const QString& field) const override; // only a new entry may change its exercise
    // Choosing a main exercise ("code)  name") copies its kind, range, name and code into the entry.
    void edit(int row, const QString& field, const QVariant& value) override;
    db::SaveResult save() override;

    // The division's main exercises ordered by name, as "code)  name" items.
    QStringList mainItems() const;

private:
    QString m_division;
    db::BufferedSet m_rows;
};

// Writing the plans: generation of T_수련계획표 for whole months, the report work table and `print`
// rows of the weekly and daily plans, and the two text files.
namespace TrainingPlan {

int weekOfMonth(const QDate& d);                // weeks run Sunday to Saturday; week 1 holds the 1st
QString weekdayLetter(const QDate& d);          // "일" .. "토"

// Generation of one division's month. `ask` is put the question when the month exists already; no
// leaves the month (and the later ones) as they were. Each division-month is one transaction.
using Ask = std::function<bool(const QString& question)>;
enum class Generated { Done, Kept, NoSelection };
Generated generateMonth(const PlanDivision& division, int year, int month, const Ask& ask);

// Every month from `from` to `to` (their year and month) for the ticked divisions, in the fixed order.
struct Period {
    QDate from, to;
};
struct Check {
    bool ok = true;
    QString message; // caption "확인요망"
};
Check checkGeneration(const Period& p);
void generate(const Period& p, const QList<int>& tickedCodes, const Ask& ask);

enum class Output { Weekly, Daily };
enum class Format { Form, Forms, File };

Check checkOutput(const Period& p, Output output, Format format, int tickedCount);
// Rebuilds T_출력수련계획표 for the period and the ticked divisions.
void buildWorkTable(const Period& p, Output output, const QList<int>& tickedCodes);
// Fills the job's lines from the work table (after buildWorkTable) and names the layout to run.
struct PrintFill {
    QString layout;
    QString title;
};
PrintFill fillPrint(report::PrintJob& job, Output output, Format format, const QList<int>& tickedCodes);

// The text files: the lines (without line ends) and the writing. An empty plan gives an empty file.
QStringList textLines(const Period& p, Output output, const QList<int>& tickedCodes);
QString textFilePath(Output output);
// Writes the file (CP949, CR LF, whole or nothing). False with the file system's reason in *error.
bool writeTextFile(const Period& p, Output output, const QList<int>& tickedCodes, bool* empty, QString* error);

} // namespace TrainingPlan
