#pragma once
#include <QString>

// The resident registration number "dddddd-ddddddd" as typed in a field that may hold a pre-filled
// front part ("180305-"): a whole number typed over the pre-fill replaces it.
namespace ResidentNo {

// "dddddd-ddddddd" when the text holds the thirteen digits of one number (with or without the "-",
// or typed whole after a pre-filled front part); otherwise the text as it is.
QString normalized(const QString& typed);

// Whether a complete number's front six digits are the birth date "YYYY-MM-DD" as yymmdd; true when
// either is incomplete (nothing to compare).
bool agreesWithBirth(const QString& number, const QString& birthDate);

} // namespace ResidentNo
