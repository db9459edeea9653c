#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "stats/NationalApplications.h"

// 단증번호 일괄입력: many members' national poom/dan examination at once, written into the application
// register and the members' "국기원" examination records through the register's own save.
namespace DanNumbers {

using NationalApplications::Application;

// The members (not withdrawn, of the name pattern and division) as new lines of examination `examNo` on
// `date` for the rank `rankCode`/`rankName`: one line per member, unticked, applicant and certificate
// numbers empty. A problem (missing examination number or rank) lists nobody.
bool lines(const NationalApplications::Filter& f, const QString& examNo, const QDate& date, const QString& rankCode,
           const QString& rankName, QList<Application>* out, tot::Problem* problem = nullptr);

// Checks every ticked line first (the message names the line), then writes them all in one transaction.
// Returns the number written; a refused check writes nothing and fills *problem. db::Error when the engine
// refuses (nothing written).
int confirm(const QList<Application>& rows, tot::Problem* problem);

} // namespace DanNumbers
