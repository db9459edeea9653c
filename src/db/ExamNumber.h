#pragma once
#include <QString>

// Numbers of the school's own promotion examinations (심사명 of the "체육관" records of T_심사): the
// examination screens, the paperwork and the certificates all start from the last one.
namespace ExamNumber {

int last();  // the largest number recorded, 0 when there is none
int next();  // last() + 1

// A typed number: a whole number from 1 up, 0 for anything else (empty, letters, "0", a sign).
int parse(const QString& typed);

} // namespace ExamNumber
