#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "report/NoticeFile.h"

// The trainees of the three notice-file screens (trainee records, newsletter, SMS) and the lines
// they write for the school's web service.
namespace UploadFiles {

struct Trainee {
    QString no, name, division, rank, enrolled, resident, sex, birth, gradeClass, region, phone, email, mobile;
};

// Current members not on leave whose name contains `name` (any member when it is empty), in the
// division of the drop-down entry (index, text), by division, enrolment date and rank.
QList<Trainee> trainees(const QString& name, int divisionIndex, const QString& divisionText);

// The screens' columns up to "     전화번호"; each screen adds its last ones.
QStringList commonHeadings();
QStringList commonColumns(const Trainee& t);

// The trainee-record line: who, the school, then each block of his records that has rows.
NoticeLine recordLine(const Trainee& t, const NoticeFile::School& school, const QDate& today);

NoticeFile recordFile(const QList<Trainee>& ticked);
NoticeFile newsletterFile(const QList<Trainee>& ticked); // those with an e-mail address
NoticeFile smsFile(const QList<Trainee>& ticked);        // every one, a mobile number or not

} // namespace UploadFiles
