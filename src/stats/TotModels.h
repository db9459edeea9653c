#pragma once
#include <QList>

#include "stats/GeneralQueries.h"
#include "stats/NationalApplications.h"
#include "ui/ListModel.h"

// The lists of 종합관리 read the rows the rules built; nothing is copied.

// Shows a page's list as the rules built it: the member number, then the cells under the listing's
// own headings. The list must outlive what the model shows.
void showListing(ListModel* model, const tot::Listing* listing);

// The national application rows (종합관리 page 9, 단번호 입력): the tick and the examination fields
// take typing in entry and modify modes, straight into the rows.
class ApplicationModel : public ListModel {
public:
    enum Column { Check, No, Name, Division, Rank, Exam, Birth, Date, Applicant, Certificate, Count };
    ApplicationModel(QList<NationalApplications::Application>* rows, QObject* parent);
    // After the rows were replaced, added to or cut.
    void reset();
    void setEditable(bool on) { setEditing(on); }
    bool editable() const { return editing(); }

private:
    QList<NationalApplications::Application>* m_rows;
};
