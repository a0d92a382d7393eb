#include "app/shell/StartDateien.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/db/IniFile.h"
#include "model/data/DateiHilfen.h"
#include "platform/format/Format.h"
#include "platform/numbers/Numbers.h"

namespace {

const CVRMString kSektion = u"config";

std::filesystem::path alsPfad(const CVRMString& text) {
    const std::string utf8 = text.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

CVRMString ProgrammOrdnerAus(const CVRMString& programmDatei) {
    CVRMString ordner = programmDatei;
    const size_t backslash = ordner.rfind(u'\\');
    if (backslash != CVRMString::npos) ordner.resize(backslash + 1);
    const size_t slash = ordner.rfind(u'/');
    if (slash != CVRMString::npos) ordner.resize(slash + 1);
    return ordner;
}

bool IstAbsoluterPfad(const CVRMString& pfad) {
    return pfad.find(u':') != CVRMString::npos || pfad.find(u'\\') != CVRMString::npos ||
           pfad.find(u"//") != CVRMString::npos || (!pfad.empty() && pfad.front() == u'/');
}

CKonfigDatei::CKonfigDatei(const CVRMString& programmOrdner)
    : m_pfad(programmOrdner + kName) {}

void CKonfigDatei::LegeAnWennFehlt() const {
    std::error_code fehler;
    if (std::filesystem::exists(alsPfad(m_pfad), fehler)) return;
    std::ofstream datei(alsPfad(m_pfad), std::ios::binary);
    datei.write("\xFF\xFE", 2);
}

int CKonfigDatei::Lese(const CVRMString& key) const {
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(alsPfad(m_pfad), fehler)) return 0;
    CIniFile datei(0);
    datei.Init(m_pfad, false);
    CVRMString wert;
    datei.GetIniString(kSektion, key, CVRMString(u"0"), wert);
    return platform::parseInt32(wert);
}

void CKonfigDatei::Schreibe(const CVRMString& key, int wert) const {
    LegeAnWennFehlt();
    CIniFile datei(0);
    datei.Init(m_pfad, false);
    datei.WriteIniString(kSektion, key, platform::format(u"%i", wert), false);
    datei.Flush(CVRMString(), nullptr, nullptr);
}

int SpracheDerResModule(const CVRMString& programmOrdner) {
    std::vector<std::u8string> treffer;
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(alsPfad(programmOrdner), fehler)) {
        const std::u8string name = eintrag.path().filename().u8string();
        if (name.size() >= 11 && name.starts_with(u8"Varmtext") && name.ends_with(u8".so"))
            treffer.push_back(name);
    }
    if (treffer.empty()) return 0;
    std::sort(treffer.begin(), treffer.end());
    const std::u8string& erster = treffer.front();
    return GetSpracheVonResDatei(programmOrdner,
                                 CVRMString::fromUtf8(std::string(erster.begin(), erster.end())));
}
