// The first heat source of a new project.
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "core/value/VRMdatenProvider.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"

void CKelvoDoc::GibNeuemProjektErsteWQuelle() {
    // Nothing else gives a new project a source: adding one and the design both need a
    // heat-source record that holds something.
    const CVRMString kombi = ProjektText(ID_WQuelle);
    if (kombi.empty() || HatWQuelleDaten(kombi) || !m_projekt.IstAenderbar(false)) return;
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    const CVRMString ersteName = kombi + CKombiWQuelle2::Nummer(1);
    CWQuelle2 erste;
    store.fill(erste, ersteName);
    erste.Speichern(true);
    CVRMwert link(ersteName);
    store.save(kombi, ID_KQuelle1, link, true);
    store.fill(m_kombiQuelle, kombi);
    ErsterQuelleKlimaort();
    if (CWQuelle2* quelle = GetWQuelle(1)) quelle->Speichern(true);
    UpdateProjektBearbeiten(hinweis::kWQuelle);
    // The project window renews its short infos and buttons on this hint.
    UpdateAllViews(nullptr, hinweis::kProjekt, nullptr);
}
