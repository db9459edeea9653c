#pragma once
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "report/PageLayout.h"

// The two printouts of one member's data: the registration confirmation handed to a new family
// (personal data, suggestions, training content, this month's receipt) and the personal data
// printout of up to twelve sections. Both only read.
namespace PersonalPrintouts {

// One printed section: a title, label/value pairs, free lines and a table; each starts a page.
struct Section {
    QString title;
    QList<QPair<QString, QString>> fields;
    QStringList lines;
    QStringList headers;
    QList<QStringList> rows;
};

// Pages of sections, each page headed "자료출력일자 : " and "회원명 : ".
class Pages : public report::PageLayout {
public:
    Pages(QString memberName, QDate printed, QList<Section> sections);
    const QList<Section>& sections() const { return m_sections; }

protected:
    void build(report::PageBuilder& pages) const override;

private:
    QString m_name;
    QDate m_printed;
    QList<Section> m_sections;
};

// Korean count of years: this year − birth year + 1; 0 without a birth date.
int koreanAge(const QString& birthDate, const QDate& today);

// "신규": members enrolled today; otherwise every current member not on leave. (number, name).
QList<QPair<QString, QString>> registrationMembers(bool newOnly, const QDate& today);

QList<Section> registration(const QString& memberNo, const QDate& today);

enum Part { Profile, Suggestions, Conduct, Exams, Awards, Fitness, Attendance, Fees, Badges, Points, Concentration, Notices,
            PartCount };
QStringList partCaptions(); // the twelve tick boxes
QList<Section> personal(const QString& memberNo, const QList<Part>& parts, const QDate& today);

} // namespace PersonalPrintouts
