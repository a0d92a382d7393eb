#include "dialogs/KlimaDlg2Logik.h"

#include <algorithm>

#include "core/db/Lists.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"

void CKlimaDlg2Logik::Init(bool alleLaender) {
    if (m_art != kKlimaorte) ThrowFehler(textid::kFalscheKonstante, u"CKlimaDlg2::OnInitDialog");
    m_auswahl.FuelleLaender(alleLaender);
    // The location's own country; a location of a country not offered, or of none, lies
    // among the other locations (the last entry).
    const CVRMString code = CVRMdatenProvider::get().getLandKuerzel(m_ort);
    const auto& laender = m_auswahl.Laender();
    const auto it = std::ranges::find(laender, code, &SLandEintrag::kuerzel);
    m_auswahl.SetLand(it != laender.end() ? static_cast<int>(it - laender.begin())
                                          : static_cast<int>(laender.size()) - 1);
    AlleRegionen();
}

void CKlimaDlg2Logik::LandGewaehlt(int index) {
    m_ort.clear();
    m_auswahl.SetLand(index);
    AlleRegionen();
}

void CKlimaDlg2Logik::AlleRegionen() {
    m_auswahl.SetPlz(COrtsAuswahl::kAllePlz);
    FuelleOrte();
}

void CKlimaDlg2Logik::PlzGewaehlt(int index) {
    m_ort.clear();
    m_auswahl.SetPlz(index);
    if (m_auswahl.Land() >= 0 && m_auswahl.Plz() >= 0) FuelleOrte();
}

void CKlimaDlg2Logik::FuelleOrte() {
    if (m_art != kKlimaorte) ThrowFehler(textid::kFalscheKonstante, u"CKlimaDlg2::fillOrteListe");
    m_orte = m_auswahl.Orte(LISTE_KLIMAORTE);
    if (!IstOrtGewaehlt(m_ort) && !m_orte.empty()) m_ort = m_orte.front();
}

bool CKlimaDlg2Logik::OkMoeglich() const { return IstOrtGewaehlt(m_ort); }
