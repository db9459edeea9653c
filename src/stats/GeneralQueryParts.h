#pragma once
#include "stats/GeneralQueries.h"

namespace db { class Query; }

// The filters every page of the general queries shares, and the pages that live in their own files.
// Only the query files include this.
namespace tot::parts {

extern const QString kZeroDate;
QString shownDate(const QString& d); // the zero date of imported files shows as nothing

void addLike(db::Query& q, const QString& column, const QString& param, const QString& pattern);
// A typed text that must be contained (or start the value); an empty text matches every row.
enum Match { Contains, StartsWith };
void addTyped(db::Query& q, const QString& column, const QString& param, const QString& typed, Match m);
void addExactName(db::Query& q, const QString& column, const QString& typed); // pages 6 and 8
void addStatus(db::Query& q, Status s, const QString& alias = QStringLiteral("a"));
void addDates(db::Query& q, const Input& in, const QString& column);
// The rank drop-downs. `exact` is page 2's form: one rank or a range of ranks.
void addRank(db::Query& q, const Input& in, const QString& codeColumn, const QString& nameColumn, bool exact = false);
void addOrder(db::Query& q, int page, const Input& in);

Listing points(const Input& in);                            // GeneralQueryPoints.cpp
bool overall(const Input& in, Listing* out, Problem* problem); // GeneralQueryOverall.cpp

} // namespace tot::parts
