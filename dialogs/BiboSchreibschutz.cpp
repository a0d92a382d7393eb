#include "dialogs/BiboSchreibschutz.h"

#include "core/db/Global.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kFehlerBeimSpeichern = 3094;  // "Error when saving data"
}  // namespace

bool MeldeVerworfeneBiboSchreibung(const CVRMString& name, unsigned bereichTextId) {
    // The user database refuses library records; the library database (the "BK" start)
    // takes them.
    if (!IGlobal::IstBiboName(name) || IGlobal::NimmtSatzAuf(name)) return false;
    ShowFehler2(kFehlerBeimSpeichern, bereichTextId);
    return true;
}
