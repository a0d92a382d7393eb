#include "model/data/DateiHilfen.h"

#include <filesystem>
#include <utility>

#include "core/db/Global.h"
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

int GetSpracheVonResDatei(const CVRMString& ordner, const CVRMString& dateiName) {
    static constexpr std::pair<const char16_t*, int> kSprachen[] = {
        {u"deu", 1031}, {u"res", 1031}, {u"eng", 1033}, {u"ita", 1040}, {u"ukr", 1058},
        {u"rus", 1049}, {u"nor", 1044}, {u"svk", 1051}, {u"den", 1030}, {u"pol", 1045},
        {u"fin", 1035}, {u"ung", 1038}, {u"esp", 1034}, {u"slv", 1060}, {u"swe", 1053},
    };
    const std::filesystem::path datei = alsPfad(ordner) / alsPfad(dateiName);
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(datei, fehler)) return 0;
    const std::u8string titel = datei.stem().u8string();
    if (titel.size() < 3) return 0;
    std::u16string code;
    for (char8_t c : titel.substr(titel.size() - 3))
        code.push_back(c >= u8'A' && c <= u8'Z' ? static_cast<char16_t>(c - u8'A' + u8'a') : c);
    for (const auto& [kuerzel, sprache] : kSprachen)
        if (code == kuerzel) return sprache;
    return 0;
}
