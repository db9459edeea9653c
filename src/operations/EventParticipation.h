#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "db/ListRules.h"

// Event participation (T_행사참가): the query of the event screen, one member's records, and the
// batch entry of one event for many members. A member's records are numbered 1, 2, 3 ...; a new one
// takes one more than the highest he has, stored or still pending.
namespace EventParticipation {

// "code)  name" of every event type.
QStringList eventItems();

struct Filter {
    QString name;            // exact; empty for all
    QString gradeSql;        // from SchoolYearFilter::condition on "a.학년"
    QString grade;           // its :Year value
    QString divisionSql;     // from DivisionFilter::condition on "a.부별코드"
    QString buCode, buCode1; // its values
    QString eventCode;       // empty for all events
    bool byDate = false;
    QDate from, to;
};
// Rows: 회원번호, 회원명, 행사명, 참가일자, 부명, 학년, 급품명, 전화번호, 비고 (members neither withdrawn nor on leave).
QList<QStringList> find(const Filter& f);
int recordsOfActiveMembers(); // "총 원 :" on the query tab
int activeMembers();          // "총 원 :" on the entry tabs

// The members a batch may list: 회원번호, 회원명, 학년, 전화번호, 부명, 급품명.
QList<QStringList> candidates(const QString& divisionSql, const QString& buCode, const QString& buCode1);

struct BatchLine {
    QString memberNo;
    QString remark;
};
// Checks the event and date, then writes one record per line in one transaction; a refusal writes none
// and answers "저장 에러 입니다." with the engine's message.
db::SaveResult addBatch(const QList<BatchLine>& lines, const QString& eventItem, const QDate& date);

} // namespace EventParticipation

// The records of one member on the entry tab, newest first.
class MemberEvents : public db::ListRules {
public:
    MemberEvents();
    void setMember(const QString& memberNo); // empty: no member, no rows
    QString member() const { return m_member; }

    db::BufferedSet& rows() override { return m_rows; }
    void load() override;
    int append() override;    // 순번 one past the member's highest, stored or pending; today's date
    bool editable(int row, const QString& field) const override;
    void edit(int row, const QString& field, const QVariant& value) override; // the event text also sets 행사코드
    db::SaveResult save() override;

private:
    QString m_member;
    db::BufferedSet m_rows;
};
