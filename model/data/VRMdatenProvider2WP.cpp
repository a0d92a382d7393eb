// The rows of a heat pump's performance records in its database section.
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"

namespace {

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
