// Which two performance records bracket a source temperature, and the warnings when the
// temperature lies outside them.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/heatpump/LeistDatenSuche.h"
#include "model/heatpump/WPLeistDaten.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kKeineDaten = 3130;    // "Heat pump performance data not available"
constexpr unsigned kZuWenigDaten = 3131;  // "Not enough heat pump performance data available"
// "Source temp. is outside of heat pump data!\nsource temp.: %.1f°C (< %.1f; is extrapolated;
// %.1f)\nDo you want this warning furthermore?"
constexpr unsigned kUnterDaten = 3127;
// The same with "(> %.1f; calculated with %u°C)".
constexpr unsigned kUeberGrenze = 3128;
// The same with "(> %.1f; is extrapolated; %.1f)".
constexpr unsigned kUeberDaten = 3129;

// The calculation goes on whatever the answer; a No stops further warnings.
template <class... Args>
void Warne(bool& warnen, unsigned textId, const Args&... args) {
    if (!warnen) return;
    CVRMString text;
    text.Format(textId, args...);
    const int antwort = KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                               platform::mb::YESNO | platform::mb::ICONEXCLAMATION);
    if (antwort == platform::id::NO) {
        GetKelvoApp().GetOptionsManager().SetLongWert(OPT_WARN_QTEMP1, 0);
        warnen = false;
    }
}

}  // namespace

void PruefeLeistDaten(size_t anzahl, size_t gueltig, const CVRMString& name) {
    if (anzahl == 0) ThrowFehler(kKeineDaten, name);
    if (gueltig < 2) ThrowFehler(kZuWenigDaten, name);
}

bool LeistDatenWarnungenAn() {
    int32_t wert = 0;
    return GetKelvoApp().GetOptionsManager().GetLongWert(OPT_WARN_QTEMP1, wert) != 0;
}

bool SucheLeistDaten(float& quellTemp, std::span<const CWPLeistDaten* const> gueltig,
                     unsigned maxQuellTemp, bool& warnen, const CWPLeistDaten*& unten,
                     const CWPLeistDaten*& oben) {
    unten = nullptr;
    oben = nullptr;
    for (const CWPLeistDaten* satz : gueltig)
        if (satz->quellTemp <= quellTemp) unten = satz;
    if (!unten) {
        unten = gueltig[0];
        oben = gueltig[1];
        Warne(warnen, kUnterDaten, quellTemp, unten->quellTemp, oben->quellTemp);
        return true;
    }

    for (auto it = gueltig.rbegin(); it != gueltig.rend(); ++it)
        if ((*it)->quellTemp >= quellTemp) oben = *it;
    if (oben) return true;

    oben = gueltig.back();
    unten = gueltig[gueltig.size() - 2];
    if (static_cast<float>(maxQuellTemp) + 0.1f >= quellTemp) {
        Warne(warnen, kUeberDaten, quellTemp, oben->quellTemp, unten->quellTemp);
        return true;
    }
    Warne(warnen, kUeberGrenze, quellTemp, oben->quellTemp, maxQuellTemp);
    quellTemp = static_cast<float>(maxQuellTemp);
    return false;
}

bool CWPumpe2::FindeLeistDaten(float& quellTemp, const WPLeistDatenZeiger& daten,
                               const CWPLeistDaten*& unten, const CWPLeistDaten*& oben) {
    PruefeInit(u"CWPumpe2::FindeLeistDaten");
    unten = nullptr;
    oben = nullptr;
    if (daten.empty()) PruefeLeistDaten(0, 0, getConsumerName());
    // Most callers pass only valid records: those are used as they are, without a copy.
    const auto istGueltig = [](const CWPLeistDaten* satz) { return satz && satz->IstGueltig(); };
    const bool alleGueltig = std::all_of(daten.begin(), daten.end(), istGueltig);
    WPLeistDatenZeiger auswahl;
    if (!alleGueltig)
        std::copy_if(daten.begin(), daten.end(), std::back_inserter(auswahl), istGueltig);
    const WPLeistDatenZeiger& gueltig = alleGueltig ? daten : auswahl;
    PruefeLeistDaten(daten.size(), gueltig.size(), getConsumerName());
    bool warnen = LeistDatenWarnungenAn();
    return SucheLeistDaten(quellTemp, gueltig, m_werte.get(ID_MaxInterpolTempSO).GetUIntVal(),
                           warnen, unten, oben);
}
