#pragma once
#include <QString>
#include <QStringList>

#include "db/BufferedSet.h"

// The settings behind the examination screens, each edited in a buffer and written by "확     인" in
// one transaction: the six item names, the result-notice text of each rank and the training content
// of each rank.

// T_심사항목: names only; the rows and their codes E1 .. E6 stay.
class ExamItems {
public:
    void open();
    db::BufferedSet& set() { return m_set; }
    void setName(int row, const QString& name) { m_set.setValue(row, QStringLiteral("심사항목명"), name); }
    void save(); // throws db::Error, nothing written
    void cancel() { m_set.cancel(); }

    // The names of the first six items (cut to `bytes` in CP949 when not 0), empty for missing rows.
    static QStringList names(int bytes = 0);

private:
    db::BufferedSet m_set;
};

// T_심사결과안내문: one notice text per rank.
class NoticeTexts {
public:
    static constexpr int kPieces = 14;

    void open();
    db::BufferedSet& set() { return m_set; }
    int count() const { return m_set.count(); }
    int append();                                  // 심사결과안내코드 = last + 1 (1 for the first)
    void setRank(int row, const QString& rankItem); // "code)name": 급품코드비고 and 급품코드
    void setPiece(int row, int piece, const QString& text); // piece 1 .. 14
    void remove(int row) { m_set.remove(row); }
    // The rank chosen for two texts, as shown in the drop-down; empty when every rank is single.
    QString duplicateRank() const;
    // Refuses a text without a rank and a second text of a rank (the message names it), and otherwise
    // writes everything. Returns the refusal, empty when written; throws db::Error when the engine
    // fails (nothing written).
    QString save();
    void cancel() { m_set.cancel(); }

    // The drop-down items "code)name" of every rank.
    static QStringList rankItems();

private:
    db::BufferedSet m_set;
};

// T_급별수련내용: one row per rank, created when first stored.
class TrainingContent {
public:
    static const QStringList& fields(); // 기본예절, 기본동작, 품새, 발차기, 정신교육, 비고1, 비고2

    void open();                         // every rank, with or without content
    db::BufferedSet& set() { return m_set; }
    int count() const { return m_set.count(); }
    QString rankName(int row) const { return m_set.value(row, QStringLiteral("급품명")).toString(); }
    QString text(int row, int field) const { return m_set.value(row, fields()[field]).toString(); }
    void setText(int row, int field, const QString& text) { m_set.setValue(row, fields()[field], text); }
    void save();                         // throws db::Error, nothing written
    void cancel() { m_set.cancel(); }

private:
    db::BufferedSet m_set;
};
