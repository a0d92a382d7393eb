#include "model/heatpump/WPLeistDatenSpeicher.h"

#include <vector>

#include "core/text/TextIdConstants.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"

namespace {

constexpr int kMaxDaten = CVRMdatenProvider2::kMaxLeistDaten;
// What a record without its own second flow temperature was measured at.
constexpr float kStandardVorlauf2 = 50.0f;

}  // namespace

void GetWPLeistDaten(const CVRMString& wpName, CWPDatenArray& daten, unsigned maxVorlaufTemp) {
    if (wpName.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::GetWPLeistDaten");
    if (daten.GetSize() > kMaxDaten) ThrowFehler(0u, nullptr);
    const auto zeilen = CVRMdatenProvider2::Get().LeseLeistDatenZeilen(wpName);

    const int groesse = daten.GetSize();
    daten.LoescheAlle();
    daten.SetSize(groesse);
    for (int k = 0; k < kMaxDaten; ++k) {
        const CVRMString& zeile = zeilen[static_cast<size_t>(k)];
        if (zeile.IsEmpty()) continue;
        auto satz = std::make_unique<CWPLeistDaten>(zeile);
        if (satz->vorlauf2 < 1.0f) satz->vorlauf2 = kStandardVorlauf2;
        if (satz->maxVorlauf < 1.0f) satz->maxVorlauf = static_cast<float>(maxVorlaufTemp);
        // A record keeps the index of its key, so that saving writes it back there.
        if (k >= daten.GetSize()) daten.SetSize(k + 1);
        daten.SetAt(k, std::move(satz));
    }
}

void SaveWPLeistDaten(const CVRMString& wpName, const CWPDatenArray& daten, bool flush) {
    if (wpName.IsEmpty()) ThrowFehler(0u, nullptr);
    std::vector<CVRMString> zeilen;
    for (const CWPLeistDaten* satz : daten.Zeiger())
        zeilen.push_back(satz ? satz->Format() : CVRMString());
    CVRMdatenProvider2::Get().SpeichereLeistDatenZeilen(wpName, zeilen, flush);
}
