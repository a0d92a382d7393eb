#include "Names.h"

#include "platform/text/Text.h"

namespace libgen {

CVRMString BibName(std::string_view base) {
    return CVRMString(platform::fromUtf8(base) + u"_" + kBibMarker);
}

CVRMString KlimaortName(std::string_view base) {
    return CVRMString(platform::fromUtf8(base) + u" " + kBibMarker);
}

std::string OrtBasis(std::string_view town, std::string_view landCode,
                     std::string_view postcodeRegion) {
    std::string name;
    if (!postcodeRegion.empty()) name = std::string(postcodeRegion) + " ";
    return name + std::string(town) + " (" + std::string(landCode) + ")";
}

}  // namespace libgen
