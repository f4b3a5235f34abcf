#pragma once
// Ordering rules of the more-software list.

#include "support/GridText.h"

namespace termora::support {

// Field numbers of a more-software row.
enum MoreField { kMoreName = 0, kMoreVersion, kMoreDescription, kMoreRating, kMoreDownload, kMoreIcon, kMoreShare };

// Walks the rows from the last to the first and deletes the first row whose
// name equals `name` exactly, so the program does not advertise itself.
void removeOwnRow(GridRows& rows, const QString& name);

// Version order: runs of digits compare as numbers, everything else as text,
// so "2016.08" < "2016.12" as in plain text and "9.1" < "22.12.3" as well.
bool versionLess(const QString& a, const QString& b);

// Newest version first; rows with equal versions keep their order.
void sortByVersionDescending(GridRows& rows);

}  // namespace termora::support
