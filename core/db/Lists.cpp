#include "core/db/Lists.h"

#include <algorithm>
#include <optional>

#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/numbers/Numbers.h"

namespace {

struct ListKeys {
    const char16_t* section;
    const char16_t* listKey;
    const char16_t* useKey;
    bool bareInLibrary;
};

constexpr const char16_t* kNoUseKey = u"HatKeinenUseKeyZurZeit";

// Indexed by TKelvoListID.
constexpr ListKeys kLists[] = {
    {vrmdb::kSektionProjekte, u"Projekt", kNoUseKey, true},
    {vrmdb::kSektionHaeuser, u"Haus", u"Haus", false},
    {vrmdb::kSektionKlimaorte, u"Ort", u"Klimaort", true},
    {vrmdb::kSektionTarife, u"Tarif", u"Tarif", true},
    {vrmdb::kSektionWPumpen, u"WPumpe", u"WPumpe", true},
    {vrmdb::kSektionUmhuellungenAbs, u"UmhuellAbs", u"AbsUmhuell", true},
    {vrmdb::kSektionMaterialienAbs, u"MaterialAbs", u"AbsMaterial", true},
    {vrmdb::kSektionFrostschutzMittel, u"FSMittel", u"FSMittel", true},
    {vrmdb::kSektionBodenorte, u"BOrt", u"BORT", true},
    {vrmdb::kSektionWQuellen, u"WQuelle", u"WQuelle", false},
    {vrmdb::kSektionBodenArten, u"BodenArt", u"Bodenart", true},
    {vrmdb::kSektionWetterorte, u"WOrt", u"WORT", true},
    {vrmdb::kSektionSolarAnlagen, u"Solar", u"", false},
    {vrmdb::kSektionSolarKollektoren, u"Kollektor", u"", false},
    {vrmdb::kSektionSonnenorte, u"SOrt", u"SORT", true},
    {vrmdb::kSektionKuehlAnlagen, u"Kuehl", u"", false},
    {vrmdb::kSektionAbluftAnlagen, u"Abluft", u"", false},
    {vrmdb::kSektionLaender, u"Land", kNoUseKey, true},
};

bool isKnown(TKelvoListID list) {
    return list >= 0 && static_cast<size_t>(list) < std::size(kLists);
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The number a country entry starts with; none when it does not start with a digit.
std::optional<uint32_t> leadingNumber(const CVRMString& entry) {
    if (entry.empty() || !isDigit(entry.front())) return std::nullopt;
    return platform::parseUInt32(entry);
}

bool hasCountryNumber(const CVRMStringArray& filter, const CVRMString& entry) {
    const auto number = leadingNumber(entry);
    if (!number) return false;
    return std::any_of(filter.begin(), filter.end(),
                       [&](const CVRMString& f) { return leadingNumber(f) == number; });
}

CVRMString lowerText(unsigned textId) {
    CVRMString text;
    text.LoadStringW(textId);
    MakeStringLower(text);
    return text;
}

}  // namespace

void GetSectionAndKeys(TKelvoListID list, CVRMString& section, CVRMString& listKey,
                       CVRMString& useKey) {
    if (!isKnown(list)) vrmcore::ReportError(textid::kFalscheKonstante, u"GetSectionAndKeys");
    const ListKeys& keys = kLists[static_cast<size_t>(list)];
    section = keys.section;
    listKey = keys.listKey;
    useKey = keys.useKey;
}

bool IstWerteListe(TKelvoListID list) {
    return isKnown(list) && kLists[static_cast<size_t>(list)].bareInLibrary;
}

void FilterListe(TKelvoListID list, CVRMStringArray& entries, const CVRMStringArray& filter) {
    const bool countries = list == LISTE_LAENDER;
    std::erase_if(entries, [&](const CVRMString& entry) {
        return countries ? !hasCountryNumber(filter, entry) : NameEnthalten(filter, entry) == 0;
    });
}

void ZerlegeLandEintrag(const CVRMString& entry, uint32_t& number, CVRMString& middle,
                        CVRMString& last) {
    const size_t first = entry.find(u'#');
    if (first == CVRMString::npos) return;
    number = platform::parseUInt32(std::u16string_view(entry).substr(0, first));
    const size_t lastHash = entry.rfind(u'#');
    if (lastHash == first) return;
    middle = CVRMString(entry.substr(first + 1, lastHash - first - 1));
    last = CVRMString(entry.substr(lastHash + 1));
}

bool IstBiboName(const CVRMString& name) {
    CVRMString lower(name);
    MakeStringLower(lower);
    // An empty language text marks nothing: otherwise every name would count as a library name.
    const CVRMString marker = lowerText(textid::kBiboMarke);
    if (!marker.empty() && lower.find(marker) != CVRMString::npos) return true;
    const CVRMString libraryName = lowerText(3552);
    return !libraryName.empty() && lower == libraryName;
}
