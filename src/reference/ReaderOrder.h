#pragma once
// The order in which a reader looks for a name in a list: letters compared
// without their accents and case first ("Côte d'Ivoire" between "Costa Rica"
// and "Croatia"), the same on every machine whatever its language settings.

#include <QString>

namespace termora::reference {

// The name as it is compared first: accents removed, case folded.
QString readerKey(const QString& name);

// Negative, zero or positive as a comes before, with or after b. Names equal
// without accents and case come unaccented first; with CaseSensitive, names
// that still tie are told apart by their characters' codes, with
// CaseInsensitive they compare equal.
int compareForReader(const QString& a, const QString& b, Qt::CaseSensitivity sensitivity);

}  // namespace termora::reference
