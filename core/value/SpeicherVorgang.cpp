#include "core/value/SpeicherVorgang.h"

#include "core/db/Global.h"
#include "core/db/GlobalExports.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"

CSpeicherVorgang::CSpeicherVorgang() {
    IGlobal::BeginneVorgang();
    CVRMdatenProvider::get().beginVorgang();
}

CSpeicherVorgang::~CSpeicherVorgang() {
    if (!m_offen) return;
    CVRMdatenProvider::get().endVorgang(false);
    // Taking back cannot fail in a way the caller could mend; a box has told it already.
    GlobalBeendeVorgang(0);
}

void CSpeicherVorgang::Abschliessen() {
    if (!m_offen) return;
    m_offen = false;
    try {
        IGlobal::BeendeVorgang(1);
    } catch (const platform::UserException&) {
        CVRMdatenProvider::get().endVorgang(false);
        throw;
    }
    CVRMdatenProvider::get().endVorgang(true);
}
