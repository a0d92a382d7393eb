#include "pages/HausPageLogik.h"

#include <cmath>
#include <system_error>

#include "platform/format/Format.h"
#include "platform/numbers/Numbers.h"

namespace {
constexpr unsigned kRuecklaufZuHoch = 3120;  // "The return ... at least 3°C below flow ..."
constexpr unsigned kVorlaufUeberWP = 3121;   // "The max. flow ... of the heat pump is %u°C ..."
constexpr unsigned kOrdnerFehlt = 3160;      // "Program/document folder not found:\n%s"
constexpr unsigned kNichtGefunden = 3159;    // "Program/document not found:\n%s"
constexpr unsigned kNichtAusfuehrbar = 3158; // "Program/document not executable:\n%s"
constexpr float kGewinnStunden = 2000.0f;
constexpr float kGewinnAnteil = 0.25f;
}  // namespace

bool DeckungVollstaendig(const SHeizarten& arten) {
    unsigned long long summe = 0;
    for (std::size_t i = 0; i < arten.an.size(); ++i)
        if (arten.an[i] == 1) summe += arten.deckung[i];
    return summe == 100;
}

unsigned PruefeVorlauf(float vorlauf, float ruecklauf, std::optional<int> maxVorlaufWP) {
    if (vorlauf - 2.9f < ruecklauf) return kRuecklaufZuHoch;
    if (maxVorlaufWP && static_cast<float>(*maxVorlaufWP) + 0.5f < vorlauf) return kVorlaufUeberWP;
    return 0;
}

float HeizlastEineStelle(float heizlast) {
    return static_cast<float>(platform::parseDouble(platform::format(u"%.1f", heizlast)));
}

unsigned GewinnAusHeizlast(float heizlast) {
    return platform::toUInt32(heizlast * kGewinnStunden * kGewinnAnteil);
}

std::filesystem::path ProgrammPfad(std::u16string_view option) {
    std::u16string pfad(option);
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!pfad.empty() && blank(pfad.front())) pfad.erase(pfad.begin());
    while (!pfad.empty() && blank(pfad.back())) pfad.pop_back();
    if (pfad.size() >= 2 && pfad.front() == u'"' && pfad.back() == u'"') pfad = pfad.substr(1, pfad.size() - 2);
    return std::filesystem::path(pfad);
}

unsigned ProgrammFehler(const std::filesystem::path& programm) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    const fs::path ordner = programm.has_parent_path() ? programm.parent_path() : fs::path(".");
    if (!fs::is_directory(ordner, fehler)) return kOrdnerFehlt;
    const fs::file_status status = fs::status(programm, fehler);
    if (!fs::exists(status)) return kNichtGefunden;
    const fs::perms ausfuehren = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    if (!fs::is_regular_file(status) || (status.permissions() & ausfuehren) == fs::perms::none)
        return kNichtAusfuehrbar;
    return 0;
}
