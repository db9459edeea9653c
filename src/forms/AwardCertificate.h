#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "report/PageLayout.h"

// The award certificate "상장 발부" on A4: complete, or only the variable parts for pre-printed paper.
// Types "01"-"09" have their own title and text; other types print their name spaced and five lines kept
// with the type. The award is recorded (award row, certificate number, merit entry named like the
// award) once, when the page first goes to the printer or a PDF.
class AwardCertificate : public report::PageLayout {
public:
    struct Fields {
        QString memberNo, memberName;
        QString code, name;  // 상장코드, 상장명
        QString edition;     // 횟수 n
        QString months;      // 개월수 m
        QDate date;          // 발부일자
        QString remark;      // 비고
        QStringList lines;   // the five lines of a free type
        bool forms = false;  // pre-printed paper
    };

    explicit AwardCertificate(Fields f);

    static bool fixedType(const QString& code);
    // The title as printed: the fixed type's title, or the award name spaced.
    static QString title(const QString& code, const QString& name);
    // The five lines kept with a free type; storing refuses a fixed type (false).
    static QStringList storedLines(const QString& code);
    static bool storeLines(const QString& code, const QStringList& lines);
    // The edition the screen offers at opening: the school's highest examination number.
    static QString lastEdition();

    QStringList body() const;
    QString printedName() const; // the member's, or the mother's on a thank-you letter
    qint64 number() const { return m_number; }

    bool run(int destination, QWidget* parent = nullptr) const;
    void record() const; // throws db::Error writing nothing

protected:
    void build(report::PageBuilder& pages) const override;

private:
    Fields m_f;
    qint64 m_number;
    QString m_school, m_head, m_mother;
};
