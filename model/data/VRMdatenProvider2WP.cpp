// A heat pump's performance records in its database section: the rows as text, and the
// records made from them and formatted back.
#include <memory>
#include <vector>

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPDatenArray.h"

namespace {

// What a record without its own second flow temperature was measured at.
constexpr float kStandardVorlauf2 = 50.0f;

CVRMString LeistDatenKey(int index) {
    CVRMString key;
    key.Format(u"%s%i", u"LeistDaten", index);
    return key;
}

}  // namespace

std::array<CVRMString, CVRMdatenProvider2::kMaxLeistDaten> CVRMdatenProvider2::LeseLeistDatenZeilen(
    const CVRMString& wpName) {
    if (wpName.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::GetWPLeistDaten");
    std::array<CVRMString, kMaxLeistDaten> zeilen;
    for (int i = 0; i < kMaxLeistDaten; ++i) {
        CVRMString zeile;
        IGlobal::ReadIniString(wpName, LeistDatenKey(i), zeile, CVRMString());
        // Rows written scrambled by earlier versions hold no "#" until unscrambled.
        if (!zeile.IsEmpty() && zeile.Find(u'#') < 0) zeile = CVRMString::DeCode(zeile);
        zeilen[static_cast<size_t>(i)] = zeile;
    }
    return zeilen;
}

void CVRMdatenProvider2::SpeichereLeistDatenZeilen(const CVRMString& wpName,
                                                   std::span<const CVRMString> zeilen, bool flush) {
    if (wpName.IsEmpty() || zeilen.size() > static_cast<size_t>(kMaxLeistDaten)) {
        ThrowFehler(0u, nullptr);
    }
    for (int i = 0; i < kMaxLeistDaten; ++i) {
        const size_t slot = static_cast<size_t>(i);
        if (slot < zeilen.size() && !zeilen[slot].IsEmpty()) {
            IGlobal::WriteIniString(wpName, LeistDatenKey(i), zeilen[slot], 0);
        } else {
            IGlobal::DeleteKeyInSection(wpName, LeistDatenKey(i), 0);
        }
    }
    if (flush) CVRMdatenProvider::get().persist();
}

void CVRMdatenProvider2::GetWPLeistDaten(const CVRMString& wpName, CWPDatenArray& daten,
                                         unsigned maxVorlaufTemp) {
    if (wpName.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::GetWPLeistDaten");
    if (daten.GetSize() > kMaxLeistDaten) ThrowFehler(0u, nullptr);
    const auto zeilen = LeseLeistDatenZeilen(wpName);

    const int groesse = daten.GetSize();
    daten.LoescheAlle();
    daten.SetSize(groesse);
    for (int k = 0; k < kMaxLeistDaten; ++k) {
        const CVRMString& zeile = zeilen[static_cast<size_t>(k)];
        if (zeile.IsEmpty()) continue;
        auto satz =
            std::make_unique<CWPLeistDaten>(zeile, vrmcore::SZahlOrt{wpName, LeistDatenKey(k)});
        if (satz->vorlauf2 < 1.0f) satz->vorlauf2 = kStandardVorlauf2;
        if (satz->maxVorlauf < 1.0f) satz->maxVorlauf = static_cast<float>(maxVorlaufTemp);
        // A record keeps the index of its key, so that saving writes it back there.
        if (k >= daten.GetSize()) daten.SetSize(k + 1);
        daten.SetAt(k, std::move(satz));
    }
}

void CVRMdatenProvider2::SaveWPLeistDaten(const CVRMString& wpName, const CWPDatenArray& daten,
                                          bool flush) {
    if (wpName.IsEmpty()) ThrowFehler(0u, nullptr);
    std::vector<CVRMString> zeilen;
    for (const CWPLeistDaten* satz : daten.Zeiger())
        zeilen.push_back(satz ? satz->Format() : CVRMString());
    SpeichereLeistDatenZeilen(wpName, zeilen, flush);
}
