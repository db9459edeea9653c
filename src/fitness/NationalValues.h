#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "fitness/Fitness.h"

// The national reference values per age and sex (T_문체부), the grade interval per item
// (T_비교기준값) and the ten-grade bound table derived from both (T_체력등급표).
class NationalValues {
public:
    struct Row {
        std::optional<int> age;        // 연령; empty while the user has not typed it
        std::optional<int> storedAge;  // the age the row was read with, empty for a new row
        fitness::Values v{};           // A01 .. A12, A13 in place 13
    };

    static QList<Row> load(const QString& sexCode);   // ordered by 연령
    // The interval row as the boxes show it ("#0.0"), twelve "0" when the table has no row.
    static QStringList intervals();

    // Why a save is refused before anything is written; item is the interval box (1 .. 12) or 0.
    struct Refusal {
        int intervalBox = 0;
        int row = -1;
        QString message;
    };
    // Checks, then in one transaction: the national rows (their obesity value A13 derived from height
    // and weight), the stored rows removed, the ten bounds of every listed age and item (the sentences
    // kept), and the interval row. Throws db::Error (nothing written) when a statement fails.
    static std::optional<Refusal> save(const QString& sexCode, QList<Row>& rows, const QList<int>& removedAges,
                                       const QStringList& intervalTexts);
};

// The evaluation sentences per grade: of the trainees' ten grades (T_체력등급표, by age, item and sex)
// or the adults' five (T_성인체력등급표, by item, sex and age band).
class EvaluationTexts {
public:
    enum class Kind { Trainee, Adult };
    explicit EvaluationTexts(Kind kind) : m_kind(kind) {}
    int grades() const { return m_kind == Kind::Trainee ? 10 : 5; }

    // Items of the drop-down, "A01)  신장" in code order.
    QStringList items() const;
    // Trainees: the ages with a grade row for the item and sex ("7", "8" ...); adults: the item's age
    // bands of both sexes ("20~29").
    QStringList ages(const QString& item, const QString& sexCode) const;

    struct Entry {
        bool found = false;
        QStringList first, second;     // grade 1 .. n
        QList<double> bounds;          // trainees: the lower bound of each grade
    };
    Entry load(const QString& item, const QString& age, const QString& sexCode) const;
    // Updates the sentences of the row, or inserts the row with them.
    void save(const QString& item, const QString& age, const QString& sexCode, const QStringList& first,
              const QStringList& second) const;

private:
    QString table() const;
    QString itemColumn() const;
    QString sexColumn() const;
    QString ageColumn() const;
    QVariant ageValue(const QString& age) const;
    Kind m_kind;
};
