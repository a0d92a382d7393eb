#include "Sprache.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "LanguageTable.h"
#include "core/text/ResManager.h"
#include "platform/text/Text.h"

namespace libgen {

void LadeSprachtabelle(const std::filesystem::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + datei.string());
    const std::string quelle((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    std::vector<resgen::SourceError> fehler;
    const std::string tabelle = resgen::languageTableResource(quelle, fehler);
    if (!fehler.empty()) {
        throw std::runtime_error(datei.string() + ":" + std::to_string(fehler[0].line) + ": " +
                                 fehler[0].message);
    }
    CResManager::freeLangRes();
    CResManager::parseResource(platform::fromUtf16LE(tabelle));
}

}  // namespace libgen
