#include "app/options/OptsPage4Logik.h"

#include <algorithm>

#include "app/options/OptsTexte.h"
#include "app/options/OptsZugriff.h"
#include "core/text/TextIdConstants.h"
#include "model/app/OptionIds.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

// Per row with costs: the additional-cost list and the maintenance option.
struct SKostenOptionen {
    TOptionID zusatz;
    TOptionID wartung;
};
constexpr SKostenOptionen kKosten[COptsPage4Logik::kZeilenMitKosten] = {
    {OPT_ZKOSTEN_WP, OPT_WKOSTEN_WP},
    {OPT_ZKOSTEN_OEL, OPT_WKOSTEN_OEL},
    {OPT_ZKOSTEN_GAS, OPT_WKOSTEN_GAS},
    {OPT_ZKOSTEN_NSPEICHER, OPT_WKOSTEN_NSPEICHER},
    {OPT_ZKOSTEN_ELEKTRISCH, OPT_WKOSTEN_ELEKTRISCH},
    {OPT_ZKOSTEN_ZET, OPT_WKOSTEN_ZET},
};

// What "Set all values to their defaults" resets, in this order.
constexpr TOptionID kZuruecksetzen[] = {
    OPT_BKOSTEN_DATEN,      OPT_ZKOSTEN_WP,         OPT_ZKOSTEN_OEL,   OPT_ZKOSTEN_GAS,
    OPT_ZKOSTEN_ZET,        OPT_ZKOSTEN_NSPEICHER,  OPT_ZKOSTEN_ELEKTRISCH, OPT_NAME_ZET,
    OPT_KVHORIZONTAL,       OPT_WKOSTEN_ELEKTRISCH, OPT_WKOSTEN_ZET,   OPT_WKOSTEN_GAS,
    OPT_WKOSTEN_NSPEICHER,  OPT_WKOSTEN_OEL,        OPT_WKOSTEN_WP};

unsigned NichtNegativ(int32_t wert) { return wert > 0 ? static_cast<unsigned>(wert) : 0u; }

}  // namespace

int COptsPage4Logik::PaarDerZeile(int zeile) {
    static constexpr int kPaar[] = {-1, 1, 2, 4, 5, 3, 0};
    return zeile >= 0 && zeile <= kUmwaelzpumpe ? kPaar[zeile] : -1;
}

CVRMString COptsPage4Logik::BereinigterName(const CVRMString& name) {
    CVRMString ohneRand = name;
    ohneRand.Trim();
    return ohneRand.IsEmpty() ? CVRMString(textid::kHolzheizung, nullptr) : name;
}

void COptsPage4Logik::Init() {
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    CProjekt2::BKostenDaten daten;
    CProjekt2::ParseBKostenListe(opts::Text(o, OPT_BKOSTEN_DATEN), daten,
                                 {vrmdb::kSektionOptionen, o.GetKey(OPT_BKOSTEN_DATEN)});
    for (size_t i = 0; i < daten.size(); ++i) {
        m_preis[i] = daten[i].wert;
        m_wirkungsgrad[i] = daten[i].zahl;
    }
    for (int z = 0; z < kZeilenMitKosten; ++z) {
        m_zusatzKosten[z] = NichtNegativ(opts::Zahl(o, kKosten[z].zusatz));
        m_wartung[z] = NichtNegativ(opts::Zahl(o, kKosten[z].wartung));
    }
    m_name = opts::Text(o, OPT_NAME_ZET);
    m_horizontal = opts::Zahl(o, OPT_KVHORIZONTAL) == 1 ? 1 : 0;
}

void COptsPage4Logik::Apply() {
    COptionsManager& o = m_umgebung.GetOptionsManager();
    CProjekt2::BKostenDaten daten;
    for (size_t i = 0; i < daten.size(); ++i) daten[i] = {m_preis[i], m_wirkungsgrad[i]};
    daten[0].zahl = 100;
    const CVRMString liste = CProjekt2::FormatBKostenListe(daten);
    o.SetStringWert(OPT_BKOSTEN_DATEN, &liste);
    for (int z = 0; z < kZeilenMitKosten; ++z)
        o.SetLongWert(kKosten[z].zusatz, static_cast<int32_t>(std::min(m_zusatzKosten[z], 2147483647u)));
    m_name = BereinigterName(m_name);
    o.SetStringWert(OPT_NAME_ZET, &m_name);
    o.SetLongWert(OPT_KVHORIZONTAL, m_horizontal);
    for (int z = 0; z < kZeilenMitKosten; ++z)
        o.SetLongWert(kKosten[z].wartung, static_cast<int32_t>(std::min(m_wartung[z], 2147483647u)));
    m_umgebung.OptionenGeaendert(kHintOptionenGeaendert);
}

bool COptsPage4Logik::SetzeZurueck() {
    if (KVSMessageBoxID(optstext::kZuruecksetzenFrage, textid::kProduktCaption,
                        platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::YES)
        return false;
    COptionsManager& o = m_umgebung.GetOptionsManager();
    for (TOptionID id : kZuruecksetzen) o.SetzeStandard(id, 1);
    Init();
    return true;
}
