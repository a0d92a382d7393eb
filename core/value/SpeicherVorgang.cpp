#include "core/value/SpeicherVorgang.h"

#include <utility>

#include "core/db/Global.h"
#include "core/db/GlobalExports.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"

namespace {

// The value store may come or go inside a group that spans a whole user action; one that
// is not there has no group open.
void imSpeicher(void (CVRMdatenProvider::*schritt)()) {
    if (CVRMdatenProvider* p = CVRMdatenProvider::vorhanden()) (p->*schritt)();
}

void endeImSpeicher(bool abschliessen) {
    if (CVRMdatenProvider* p = CVRMdatenProvider::vorhanden()) p->endVorgang(abschliessen);
}

int g_dialogeGehoerenDazu = 0;         // open saves that keep their dialogs
CSpeicherVorgang* g_innerster = nullptr;  // the innermost open save outside a set-aside loop

}  // namespace

CSpeicherVorgang::CSpeicherVorgang(Dialoge dialoge) : m_dialoge(dialoge), m_aussen(g_innerster) {
    IGlobal::BeginneVorgang();
    imSpeicher(&CVRMdatenProvider::beginVorgang);
    if (m_dialoge == Dialoge::GehoerenDazu) ++g_dialogeGehoerenDazu;
    g_innerster = this;
}

bool CSpeicherVorgang::DialogeGehoerenDazu() {
    return g_dialogeGehoerenDazu > 0;
}

void CSpeicherVorgang::BeiRuecknahme(std::function<void()> zurueck) {
    if (g_innerster) g_innerster->m_zurueck.push_back(std::move(zurueck));
}

CSpeicherVorgang::~CSpeicherVorgang() {
    Verwerfen();
}

void CSpeicherVorgang::Beende(bool abschliessen) {
    m_offen = false;
    if (m_dialoge == Dialoge::GehoerenDazu) --g_dialogeGehoerenDazu;
    if (g_innerster == this) g_innerster = m_aussen;
    if (abschliessen && m_aussen) {
        for (auto& z : m_zurueck) m_aussen->m_zurueck.push_back(std::move(z));
    } else if (!abschliessen) {
        for (auto it = m_zurueck.rbegin(); it != m_zurueck.rend(); ++it) (*it)();
    }
    m_zurueck.clear();
}

void CSpeicherVorgang::Verwerfen() {
    if (!m_offen) return;
    endeImSpeicher(false);
    // Taking back cannot fail in a way the caller could mend; a box has told it already.
    GlobalBeendeVorgang(0);
    Beende(false);
}

void CSpeicherVorgang::Abschliessen() {
    if (!m_offen) return;
    try {
        IGlobal::BeendeVorgang(1);
    } catch (const platform::UserException&) {
        endeImSpeicher(false);
        Beende(false);
        throw;
    }
    endeImSpeicher(true);
    Beende(true);
}

CVorgangsPause::CVorgangsPause()
    : m_ausgesetzt(!CSpeicherVorgang::DialogeGehoerenDazu() && IGlobal::SetzeVorgaengeAus()) {
    if (!m_ausgesetzt) return;
    imSpeicher(&CVRMdatenProvider::setzeVorgaengeAus);
    m_innen = std::exchange(g_innerster, nullptr);
}

CVorgangsPause::~CVorgangsPause() {
    if (!m_ausgesetzt) return;
    g_innerster = m_innen;
    imSpeicher(&CVRMdatenProvider::nimmVorgaengeWieder);
    GlobalNimmVorgaengeWieder();
}
