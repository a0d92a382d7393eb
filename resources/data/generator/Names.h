#pragma once
// How the library names its records. Every name carries the library marker "(bib)":
// climate locations after a blank (as the program's default "Dublin (IRL) (bib)"), all
// other records after "_" (as "gravel (average wet)_(bib)").
#include <string>
#include <string_view>

#include "core/value/VRMString.h"

namespace libgen {

inline constexpr char16_t kBibMarker[] = u"(bib)";

CVRMString BibName(std::string_view base);
CVRMString KlimaortName(std::string_view base);
// The base name of a location as the location dialogs filter it: the country code in
// parentheses and, for German towns, the two-digit postcode region in front
// ("10 Berlin (D)", "Zürich (CH)").
std::string OrtBasis(std::string_view town, std::string_view landCode,
                     std::string_view postcodeRegion);

}  // namespace libgen
