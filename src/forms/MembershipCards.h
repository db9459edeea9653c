#pragma once
#include <QDate>
#include <QString>

#include "report/PageLayout.h"

class QWidget;

// Membership cards "관원 증": one member's card drawn here with the member's photograph, or the cards of
// a whole division, three to a page, through "관원증1.rpt"/"관원증2.rpt".
namespace MembershipCards {

struct Member {
    QString no, name, division, birth;
};
// A member not withdrawn, found by number (names repeat).
bool find(const QString& memberNo, Member* out);

// The cards of the members not withdrawn (of one division when given), by name; pages numbered
// "00000001" … for every three cards.
bool printDivision(const QString& divisionCode, bool forms, int destination, QWidget* parent = nullptr);

class SingleCard : public report::PageLayout {
public:
    SingleCard(Member m, bool forms);

protected:
    void build(report::PageBuilder& pages) const override;

private:
    Member m_m;
    bool m_forms;
    QString m_school;
};

} // namespace MembershipCards
