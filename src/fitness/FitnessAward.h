#pragma once
#include <QDate>
#include <QString>

#include "report/PageLayout.h"

// The fitness award certificate "체력측정 시상": one trainee, one test item, recorded as the fixed
// award type 우수상 when its page first goes to the printer or a PDF.
class FitnessAward : public report::PageLayout {
public:
    struct Fields {
        QString memberNo, memberName, schoolYear;
        QString itemCode, itemName;
        bool withCompetition = true; // 횟수포함 "예"
        QString competition;         // 제 … 회
        QDate date;
        QString remark;              // 비 고
        bool forms = false;          // pre-printed paper: the fixed wording stays off
    };

    static const QString kAwardCode; // "03" 우수상: its certificate praises an excellent result

    explicit FitnessAward(Fields f);

    qint64 number() const { return m_number; } // the number the certificate carries (상장발부)
    // Preview (0) or printer (1); the award is recorded once, when the page first goes out.
    bool run(int destination, QWidget* parent = nullptr) const;
    // The award row, the next certificate number and the merit entry, in one transaction; throws
    // db::Error writing nothing.
    void record() const;

    // The body lines with the competition number and without it.
    QStringList body() const;

protected:
    void build(report::PageBuilder& pages) const override;

private:
    Fields m_f;
    qint64 m_number;
    QString m_school, m_head;
};
