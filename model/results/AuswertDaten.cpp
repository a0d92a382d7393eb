#include "model/results/AuswertDaten.h"

#include "model/errors/Fehler.h"

namespace {

size_t index(TAuswertFeld feld) {
    if (feld < 1 || feld > CAuswertDaten::kFelder) ThrowFehler(0, nullptr, 0);
    return static_cast<size_t>(feld - 1);
}

}  // namespace

void CAuswertDaten::Reset() {
    m_Felder.fill(0.0f);
    m_AbtauenInWPDaten = false;
    m_LuefterInWPDaten = false;
}

float& CAuswertDaten::Feld(TAuswertFeld feld) {
    return m_Felder[index(feld)];
}

float CAuswertDaten::Feld(TAuswertFeld feld) const {
    return m_Felder[index(feld)];
}
