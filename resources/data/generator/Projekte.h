#pragma once
// The sample projects of the library, each with its house, heat source, heat pump and
// tariff. House and heat-source records are named after the project with the suffixes
// the program gives them ("_HausX", "_WQX"); a project's solar plant is named after the
// project with "_Solar".
#include "LibraryWriter.h"
#include "Towns.h"

namespace libgen {

CVRMString HausName(const std::string& name);
CVRMString QuellenName(const std::string& name);
CVRMString SolarName(const std::string& name);
void SchreibeProjekte(LibraryWriter& w, const Quellen& q);

}  // namespace libgen
