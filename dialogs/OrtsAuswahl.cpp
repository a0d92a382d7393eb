#include "dialogs/OrtsAuswahl.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/LaenderListe.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"

namespace {
constexpr unsigned kAndereOrte = 3844;  // "Other locations"
}  // namespace

void COrtsAuswahl::FuelleLaender(const CVRMString& angeboten, int32_t vorgabe, bool alleLaender) {
    m_laender.clear();
    m_land = -1;
    CVRMStringArray namen, kuerzel;
    std::vector<uint32_t> nummern;
    GetLaenderListe(namen, nummern, kuerzel, alleLaender);
    for (size_t i = 0; i < namen.size(); ++i) {
        CVRMString muster;
        muster.Format(textid::kFormatKlammer, std::u16string_view(kuerzel[i]));
        if (angeboten.Find(muster) < 0) continue;
        if (m_land < 0 && static_cast<int64_t>(nummern[i]) == vorgabe)
            m_land = static_cast<int>(m_laender.size());
        m_laender.push_back({namen[i], nummern[i], kuerzel[i]});
    }
    m_laender.push_back({CVRMString(kAndereOrte, nullptr), 0,
                         CVRMdatenProvider::get().getLandKuerzel(uint32_t{0})});
    if (m_land < 0) m_land = 0;
    m_plz = kAllePlz;
}

void COrtsAuswahl::FuelleLaender(bool alleLaender) {
    const IKelvoOptionen& optionen = GetKelvoApp().GetOptionsManager();
    CVRMString angeboten;
    optionen.GetStringWert(OPT_KLAND_ANZ, angeboten);
    int32_t vorgabe = 0;
    optionen.GetLongWert(OPT_DEF_KLAND, vorgabe);
    FuelleLaender(angeboten, vorgabe, alleLaender);
}

void COrtsAuswahl::SetLand(int index) {
    m_land = index >= 0 && index < static_cast<int>(m_laender.size()) ? index : -1;
}

void COrtsAuswahl::SetPlz(int index) { m_plz = index >= 0 && index <= kAllePlz ? index : -1; }

CVRMStringArray COrtsAuswahl::Liste(TKelvoListID liste, int plz) const {
    CVRMStringArray namen;
    if (m_land < 0) return namen;
    CVRMdatenProvider& provider = CVRMdatenProvider::get();
    const CVRMString code = provider.getLandKuerzel(m_laender[static_cast<size_t>(m_land)].nummer);
    provider.getListe(namen, liste, code, plz, true, nullptr, true);
    return namen;
}

CVRMStringArray COrtsAuswahl::Orte(TKelvoListID liste) const {
    return m_plz < 0 ? CVRMStringArray() : Liste(liste, m_plz);
}

CVRMStringArray COrtsAuswahl::OrteAllerRegionen(TKelvoListID liste) const {
    return Liste(liste, kAllePlz);
}

bool COrtsAuswahl::WaehleLandVon(const CVRMString& ort) {
    const CVRMString code = CVRMdatenProvider::get().getLandKuerzel(ort);
    const auto it = std::ranges::find(m_laender, code, &SLandEintrag::kuerzel);
    const int vorher = m_land;
    if (it != m_laender.end()) m_land = static_cast<int>(it - m_laender.begin());
    m_plz = kAllePlz;
    return m_land != vorher;
}
