#pragma once
#include <QDate>
#include <QList>
#include <QString>

class QWidget;

// The perfect-attendance award ("개근상"): one certificate per ticked member of the search, numbered
// from the school's certificate serial. A preview shows the numbers to come; the awards are recorded
// (T_상장지급, code "05") and the serial advanced once, when the pages first go to the printer or a PDF.
class PerfectAttendanceAward {
public:
    struct Member {
        QString memberNo;
        QString name;
    };

    // What the award window takes from the attendance window when it opens.
    PerfectAttendanceAward(QList<Member> members, const QDate& from, const QDate& to, const QDate& awardDate,
                           const QString& remark);

    const QList<Member>& members() const { return m_members; }
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }
    QDate awardDate() const { return m_date; }
    static int months(const QDate& from, const QDate& to); // calendar months the period touches
    static QString dateText(const QDate& d);               // "2024년 5월 15일"

    // Fills print with the certificates and runs "개근상1.rpt"; the awards are recorded as above.
    bool run(int destination, QWidget* parent = nullptr) const;
    // The recording step alone (what run() hands to the report engine).
    void record(qint64 firstSerial) const;

private:
    QList<Member> m_members;
    QDate m_from, m_to, m_date;
    QString m_remark;
};
