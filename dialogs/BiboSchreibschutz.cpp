#include "dialogs/BiboSchreibschutz.h"

#include "app/shell/KelvoApp.h"
#include "core/db/Global.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kFehlerBeimSpeichern = 3094;  // "Error when saving data"
}  // namespace

bool MeldeVerworfeneBiboSchreibung(const CVRMString& name, unsigned bereichTextId) {
    // Only the library database itself (the "BK" start) takes library records.
    if (!IGlobal::IstBiboName(name) || GetKelvoAppObjekt().GetBiboSchalter() != 0) return false;
    ShowFehler2(kFehlerBeimSpeichern, bereichTextId);
    return true;
}
