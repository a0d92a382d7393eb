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
    // Its one default soil reaches down to the end of its probes: the soil profile a new
    // source would otherwise have ends with the first layer's 2 m, and the page's first
    // save would warn that the layers stop above the probes.
    const int art = erste.GetWert(ID_QuellMediumIdx).GetIntVal();
    if (art == 0 || art == 4) erste.SetWert(ID_QTiefe1, erste.GetWert(ID_WQuelleLaenge), false);
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
