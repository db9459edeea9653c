#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "db/ListRules.h"

// The exercise catalogue of one plan division: the main exercises (T_주운동코드) and the numbered
// sub-exercises of the chosen main exercise (T_세부운동코드). Each list is written on its own "확인" in
// one transaction. A stored row keeps its code: sub-exercises and plan selections point to it.
class MainExercises : public db::ListRules {
public:
    explicit MainExercises(const QString& division);
    static const QStringList& kinds(); // "매일고정", "매일반복", "주기반복"

    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    void remove(int row) override;   // its sub-exercises go with it on "확인"
    bool editable(int row, const QString& field) const override;
    db::SaveResult save() override;
    void cancel() override;

private:
    QString m_division;
    db::BufferedSet m_rows;
    QList<QVariant> m_removed;
};

class SubExercises : public db::ListRules {
public:
    explicit SubExercises(const QString& division);

    void setMain(const QVariant& mainCode); // null: no main exercise chosen, an empty list
    QVariant main() const { return m_main; }
    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    int append() override;
    bool editable(int row, const QString& field) const override;
    db::SaveResult save() override;

private:
    QString m_division;
    QVariant m_main;
    db::BufferedSet m_rows;
};
