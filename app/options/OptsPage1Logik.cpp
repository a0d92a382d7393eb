#include "app/options/OptsPage1Logik.h"

#include "app/options/OptsTexte.h"
#include "app/options/OptsZugriff.h"
#include "core/text/TextIdConstants.h"
#include "model/app/OptionIds.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

// The warnings and their limits, in the order they go back to their defaults.
constexpr TOptionID kWarnungen[] = {OPT_WARN_QTEMP1, OPT_WARN_VORLAUF1, OPT_WARN_STU_SOLAR,
                                    OPT_WARN_DV_UND_SP, OPT_GRENZ_BT, OPT_GRENZ_ERD_T,
                                    OPT_GRENZ_EIN_T, OPT_WPLAUFZEIT};

}  // namespace

void COptsPage1Logik::Init() {
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    m_vezivoVero = opts::Text(o, OPT_VEZIVO_VERO);
    m_polysunProg = opts::Text(o, OPT_POLYSUN_PROG);
    m_geldInEuro = opts::Schalter(o, OPT_GELD_IN_EURO);
    m_peFaktor = opts::Komma(o, OPT_PEFAKTOR);
    m_exMode = opts::Zahl(o, OPT_EX_MODE);
    m_askDS = opts::Zahl(o, OPT_ASK_DS);
    m_aqt = opts::Zahl(o, OPT_AQT);
    m_rdf = opts::Text(o, OPT_RDF);
    m_rdv = opts::Text(o, OPT_RDV);
    LeseWarnungen();
}

void COptsPage1Logik::LeseWarnungen() {
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    m_warnQTemp1 = opts::Schalter(o, OPT_WARN_QTEMP1);
    m_warnVorlauf1 = opts::Schalter(o, OPT_WARN_VORLAUF1);
    m_warnSTuSolar = opts::Schalter(o, OPT_WARN_STU_SOLAR);
    m_warnDVundSP = opts::Schalter(o, OPT_WARN_DV_UND_SP);
    m_grenzBT = opts::Zahl(o, OPT_GRENZ_BT);
    m_grenzErdT = opts::Zahl(o, OPT_GRENZ_ERD_T);
    m_grenzEinT = opts::Zahl(o, OPT_GRENZ_EIN_T);
    m_wpLaufzeit = opts::Zahl(o, OPT_WPLAUFZEIT);
}

void COptsPage1Logik::Apply() {
    COptionsManager& o = m_umgebung.GetOptionsManager();
    o.SetStringWert(OPT_VEZIVO_VERO, &m_vezivoVero);
    o.SetStringWert(OPT_POLYSUN_PROG, &m_polysunProg);
    o.SetLongWert(OPT_WARN_QTEMP1, m_warnQTemp1);
    o.SetLongWert(OPT_WARN_VORLAUF1, m_warnVorlauf1);
    o.SetLongWert(OPT_WARN_STU_SOLAR, m_warnSTuSolar);
    o.SetLongWert(OPT_WARN_DV_UND_SP, m_warnDVundSP);
    o.SetLongWert(OPT_GELD_IN_EURO, m_geldInEuro);
    o.SetLongWert(OPT_GRENZ_BT, m_grenzBT);
    o.SetLongWert(OPT_GRENZ_ERD_T, m_grenzErdT);
    o.SetLongWert(OPT_GRENZ_EIN_T, m_grenzEinT);
    o.SetFloatWert(OPT_PEFAKTOR, m_peFaktor);
    o.SetLongWert(OPT_ASK_DS, m_askDS);
    o.SetLongWert(OPT_EX_MODE, m_exMode);
    o.SetLongWert(OPT_AQT, m_aqt);
    o.SetStringWert(OPT_RDF, &m_rdf);
    o.SetStringWert(OPT_RDV, &m_rdv);
    o.SetLongWert(OPT_WPLAUFZEIT, m_wpLaufzeit);
    m_umgebung.OptionenGeaendert(kHintOptionenGeaendert);
}

bool COptsPage1Logik::SetzeWarnungenZurueck() {
    if (KVSMessageBoxID(optstext::kZuruecksetzenFrage, textid::kProduktCaption,
                        platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::YES)
        return false;
    COptionsManager& o = m_umgebung.GetOptionsManager();
    for (TOptionID id : kWarnungen) o.SetzeStandard(id, 1);
    LeseWarnungen();
    return true;
}
