#include "app/shell/BenutzerDaten.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"

const CVRMwert& CBenutzerDaten::GetWert(TKelvoDatenID id) {
    return Wert(id);
}

void CBenutzerDaten::SetWert(TKelvoDatenID id, const CVRMwert& wert) {
    Wert(id) = wert.GetStringVal();
}

void CBenutzerDaten::Speichern() {
    Wert(ID_Firma);  // filled before it is written
    CVRMdatenProvider::get().save(m_werte, true);
}

void CBenutzerDaten::GetDatenIDs(CWordArray& ids) {
    for (TKelvoDatenID id : kIds) ids.push_back(static_cast<uint16_t>(id));
}

CVRMwert& CBenutzerDaten::Wert(TKelvoDatenID id) {
    if (std::ranges::find(kIds, id) == std::end(kIds))
        ThrowFehler(textid::kFalscheKonstante, u"CBenutzerDaten::Wert");
    if (!IstGueltig()) CVRMdatenProvider::get().fill(*this, kBenutzerDatenSektion);
    return m_werte.get(id);
}
