#include "app/options/OptsPage2Logik.h"

#include <algorithm>

#include "app/options/OptsZugriff.h"
#include "core/db/Lists.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/LaenderListe.h"
#include "model/app/OptionIds.h"

namespace {

CVRMString InKlammern(const CVRMString& kuerzel) {
    CVRMString text;
    text.Format(textid::kFormatKlammer, kuerzel);
    return text;
}

// The bracketed pieces "(...)" of a text, in order.
std::vector<CVRMString> Klammerteile(std::u16string_view text) {
    std::vector<CVRMString> teile;
    size_t start = text.find(u'(');
    while (start != std::u16string_view::npos) {
        const size_t ende = text.find(u')', start);
        if (ende == std::u16string_view::npos) break;
        teile.emplace_back(text.substr(start, ende - start + 1));
        start = text.find(u'(', ende);
    }
    return teile;
}

}  // namespace

void COptsPage2Logik::Init() {
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    store.getListe(m_klimaorte, LISTE_KLIMAORTE, true, nullptr, true);
    store.getListe(m_tarife, LISTE_TARIFE, true, nullptr, true);

    const COptionsManager& o = m_umgebung.GetOptionsManager();
    m_klimaort = opts::Text(o, OPT_DEF_KLIMAORT);
    m_tarif = opts::Text(o, OPT_DEF_TARIF);
    m_laenderAnzeige = opts::Text(o, OPT_KLAND_ANZ);

    GetLaenderListe(m_laenderNamen, m_laenderNummern, m_laenderKuerzel,
                    m_umgebung.GetTovrelSchalter() != 0);
    const int32_t standardLand = opts::Zahl(o, OPT_DEF_KLAND);
    m_land = -1;
    m_angezeigt.assign(m_laenderNummern.size(), false);
    for (size_t i = 0; i < m_laenderNummern.size(); ++i) {
        if (static_cast<int64_t>(m_laenderNummern[i]) == standardLand && m_land < 0)
            m_land = static_cast<int>(i);
        m_angezeigt[i] = m_laenderAnzeige.Find(InKlammern(m_laenderKuerzel[i])) >= 0;
    }
}

CVRMString COptsPage2Logik::LaenderText(const std::vector<bool>& gewaehlt) const {
    std::vector<CVRMString> neu;
    for (size_t i = 0; i < m_laenderNummern.size() && i < gewaehlt.size(); ++i) {
        if (!gewaehlt[i]) continue;
        const CVRMString teil =
            InKlammern(CVRMdatenProvider::get().getLandKuerzel(m_laenderNummern[i]));
        if (std::find(neu.begin(), neu.end(), teil) == neu.end()) neu.push_back(teil);
    }
    CVRMString text;
    for (const CVRMString& teil : Klammerteile(m_laenderAnzeige)) {
        const auto it = std::find(neu.begin(), neu.end(), teil);
        if (it == neu.end()) continue;
        text += teil;
        neu.erase(it);
    }
    for (const CVRMString& teil : neu) text += teil;
    return text;
}

void COptsPage2Logik::Apply(const CVRMString& klimaort, const CVRMString& tarif, int land,
                            const std::vector<bool>& gewaehlt) {
    COptionsManager& o = m_umgebung.GetOptionsManager();
    o.SetStringWert(OPT_DEF_KLIMAORT, &klimaort);
    o.SetStringWert(OPT_DEF_TARIF, &tarif);
    if (land >= 0 && static_cast<size_t>(land) < m_laenderNummern.size())
        o.SetLongWert(OPT_DEF_KLAND, static_cast<int32_t>(m_laenderNummern[static_cast<size_t>(land)]));
    const CVRMString anzeige = LaenderText(gewaehlt);
    o.SetStringWert(OPT_KLAND_ANZ, &anzeige);
    m_klimaort = klimaort;
    m_tarif = tarif;
    m_laenderAnzeige = anzeige;
    m_land = land >= 0 ? land : m_land;
    m_angezeigt = gewaehlt;
}
