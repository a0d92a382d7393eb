#include "model/data/VRMcompManager.h"

#include <array>

#include "core/db/Lists.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"

namespace {

// Component kind -> database list.
constexpr std::array<TKelvoListID, 14> kListeVonArt{
    LISTE_HAEUSER,      LISTE_WPUMPEN,      LISTE_WQUELLEN,         LISTE_TARIFE,
    LISTE_BODENORTE,    LISTE_KLIMAORTE,    LISTE_WETTERORTE,       LISTE_PROJEKTE,
    LISTE_BODENARTEN,   LISTE_SOLARANLAGEN, LISTE_SOLARKOLLEKTOREN, LISTE_SONNENORTE,
    LISTE_KUEHLANLAGEN, LISTE_ABLUFTANLAGEN};

}  // namespace

int CVRMcompManager::add(int art, const CVRMString& name) {
    if (art < 0 || art >= static_cast<int>(kListeVonArt.size())) {
        ThrowFehler(textid::kFalscheKonstante, u"CVRMcompManager::add()");
    }
    return CVRMdatenProvider::get().addToListe(kListeVonArt[static_cast<size_t>(art)], name);
}
