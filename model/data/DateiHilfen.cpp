#include "model/data/DateiHilfen.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "core/db/Global.h"
#include "core/db/TextCompare.h"
#include "core/db/VersionText.h"

namespace {

// Both separators count: stored paths may come from either system.
size_t letzterTrenner(const CVRMString& pfad) {
    return pfad.find_last_of(u"\\/");
}

const char16_t* bildSuffix(unsigned chartId) {
    static constexpr std::pair<unsigned, const char16_t*> kSuffixe[] = {
        {642, u"_picH.bmp"},  {643, u"_picH2.bmp"}, {644, u"_picQ1.bmp"}, {645, u"_picP.bmp"},
        {646, u"_picV.bmp"},  {647, u"_picW.bmp"},  {656, u"_picSF.png"}, {657, u"_picSK.png"},
        {658, u"_picQ2.bmp"}, {660, u"_picW2.bmp"}, {670, u"_picE.bmp"},
    };
    for (const auto& [id, suffix] : kSuffixe)
        if (id == chartId) return suffix;
    return u"_picXY.bmp";
}

std::filesystem::path alsPfad(const CVRMString& pfad) {
    const std::string utf8 = pfad.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

void GetBildDateiName(const CVRMString& pfad, unsigned chartId, CVRMString& vollerName,
                      CVRMString& dateiName) {
    vollerName.Empty();
    dateiName.Empty();
    if (pfad.IsEmpty()) return;
    const size_t trenner = letzterTrenner(pfad);
    const size_t nameStart = trenner == CVRMString::npos ? 0 : trenner + 1;
    CVRMString name = pfad.Mid(static_cast<int>(nameStart));
    const size_t punkt = name.rfind(u'.');
    if (punkt != CVRMString::npos) name.resize(punkt);
    dateiName = name + bildSuffix(chartId);
    vollerName = pfad.Left(static_cast<int>(nameStart)) + dateiName;
}

bool DateiExistiert(const CVRMString& pfad) {
    std::error_code fehler;
    return !pfad.IsEmpty() && std::filesystem::exists(alsPfad(pfad), fehler);
}

void GetDateiNameAusPfad(CVRMString& pfad) {
    const size_t trenner = letzterTrenner(pfad);
    if (trenner != CVRMString::npos) pfad.erase(0, trenner + 1);
}

void GetDateiVersion(CVRMString& version, const CVRMString& datei) {
    version = getVersionString(IGlobal::GetDateiVersionsInfo(datei));
}

namespace {

// True when the whole name matches the pattern, letters compared without case.
bool PasstZuMuster(const CVRMString& name, const CVRMString& muster) {
    CVRMString n = name, m = muster;
    MakeStringLower(n);
    MakeStringLower(m);
    // Greedy walk; on a mismatch the last "*" takes one character more.
    size_t i = 0, j = 0, sternMuster = CVRMString::npos, sternName = 0;
    while (i < n.size()) {
        if (j < m.size() && (m[j] == u'?' || m[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < m.size() && m[j] == u'*') {
            sternMuster = j++;
            sternName = i;
        } else if (sternMuster != CVRMString::npos) {
            j = sternMuster + 1;
            i = ++sternName;
        } else {
            return false;
        }
    }
    while (j < m.size() && m[j] == u'*') ++j;
    return j == m.size();
}

// The first regular file of the folder, by name, whose name matches the pattern.
std::optional<std::filesystem::path> ErsteDatei(const CVRMString& ordner,
                                                const CVRMString& muster) {
    std::error_code fehler;
    std::vector<std::filesystem::path> treffer;
    for (std::filesystem::directory_iterator it(alsPfad(ordner), fehler), ende;
         !fehler && it != ende; it.increment(fehler)) {
        std::error_code artFehler;
        if (!it->is_regular_file(artFehler)) continue;
        const std::u8string name = it->path().filename().u8string();
        const CVRMString name16 = CVRMString::fromUtf8(std::string(name.begin(), name.end()));
        if (PasstZuMuster(name16, muster)) treffer.push_back(it->path());
    }
    if (treffer.empty()) return std::nullopt;
    return *std::min_element(treffer.begin(), treffer.end());
}

}  // namespace

int GetSpracheVonResDatei(const CVRMString& ordner, const CVRMString& muster) {
    static constexpr std::pair<const char16_t*, int> kSprachen[] = {
        {u"deu", 1031}, {u"res", 1031}, {u"eng", 1033}, {u"ita", 1040}, {u"ukr", 1058},
        {u"rus", 1049}, {u"nor", 1044}, {u"svk", 1051}, {u"den", 1030}, {u"pol", 1045},
        {u"fin", 1035}, {u"ung", 1038}, {u"esp", 1034}, {u"slv", 1060}, {u"swe", 1053},
    };
    const std::optional<std::filesystem::path> datei = ErsteDatei(ordner, muster);
    if (!datei) return 0;
    const std::u8string titel = datei->stem().u8string();
    if (titel.size() < 3) return 0;
    std::u16string code;
    for (char8_t c : titel.substr(titel.size() - 3))
        code.push_back(c >= u8'A' && c <= u8'Z' ? static_cast<char16_t>(c - u8'A' + u8'a') : c);
    for (const auto& [kuerzel, sprache] : kSprachen)
        if (code == kuerzel) return sprache;
    return 0;
}
