#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "report/PageLayout.h"

// The participation certificate, one A4 page per member. Event types "01" and "02" (the training
// camps) carry a fixed text; the others the five lines kept with the event type. "Forms" paper has
// the fixed parts printed already: only the variable ones go on it.
class ParticipationCertificate : public report::PageLayout {
public:
    static bool fixedText(const QString& eventCode) { return eventCode == "01" || eventCode == "02"; }
    static QString dateText(const QDate& d); // "2024년 5월 15일"

    // The five body lines of an event type, and storing them back ("기 록").
    static QStringList bodyLines(const QString& eventCode);
    static void storeBodyLines(const QString& eventCode, const QStringList& lines);

    QStringList names;      // one page each
    QString eventCode;
    QString eventName;      // the text after ")" of the event item
    QString edition;        // 횟차
    QString organiser;      // 주최명
    QStringList lines;      // five body lines (other event types)
    bool forms = false;     // "Forms 출력"
    QDate date;

protected:
    void build(report::PageBuilder& pages) const override;
};
