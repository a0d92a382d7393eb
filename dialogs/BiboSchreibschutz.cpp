#include "dialogs/BiboSchreibschutz.h"

#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kBiboKomponente = 4328;  // "This is a component from the program database..."
}  // namespace

bool MeldeVerworfeneBiboSchreibung(const CVRMString& name, unsigned bereichTextId) {
    // The user database refuses library records; the library database (the "BK" start)
    // takes them. The box says what the database would say: which record, and why.
    if (!IGlobal::IstBiboName(name) || IGlobal::NimmtSatzAuf(name)) return false;
    const CVRMString satz =
        CResManager::getLangText(static_cast<uint16_t>(bereichTextId)) + u": " + name;
    ShowFehler(kBiboKomponente, satz.view());
    return true;
}
