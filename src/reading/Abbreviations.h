#pragma once
#include <QStringView>

// The common abbreviations whose full stop ends no sentence ("т. е.", "и др.", "e.g.", "г." after
// a year), initials before a surname ("А. С. Пушкин") and the titles before a name ("Mr.", "ул.").
// An abbreviation that closes a sentence ("… и т. д. Потом") still ends it where a capital letter
// follows; a title or an initial never does.
namespace Abbreviations {

// How much text either side of a full stop the rule looks at.
constexpr int Reach = 16;

// Whether the full stop at stop in text, followed by a blank, belongs to such an abbreviation and
// so ends no sentence.
bool HoldsStop(QStringView text, qsizetype stop);

} // namespace Abbreviations
