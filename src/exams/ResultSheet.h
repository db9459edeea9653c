#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "report/PageLayout.h"

// The one-page result sheet "승급채점 결과" of a committed school examination: its records of one
// promotion date and number, with the rank before and after and the verdict of each.
class ResultSheet : public report::PageLayout {
public:
    struct Line {
        QString name, division, before, after; // 전 급, 현 급
        int scores[6] = {};
        int attendance = 0, merit = 0, average = 0;
        QString verdict;                       // 합, 불, 심사불참, 국기원
    };

    // Reads the records, the item names (cut to 6 bytes) and the school name.
    void load(const QDate& date, int examNo);

    // "합" from 60 up, "불" below, "심사불참" for no average; "국기원" whenever the rank before ends in
    // 단보 (or 단보 and one single-byte character).
    static QString verdict(int average, bool noAverage, const QString& before);
    static bool endsInDanbo(const QString& rankName);

    const QList<Line>& lines() const { return m_lines; }
    const QStringList& items() const { return m_items; }

protected:
    bool landscape() const override { return true; }
    void build(report::PageBuilder& pages) const override;

private:
    QDate m_date;
    int m_examNo = 0;
    QString m_school;
    QStringList m_items;
    QList<Line> m_lines;
};
