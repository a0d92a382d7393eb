// Loading, values, monthly shares, prices and the share of operation in tariff 1.
#include "model/tariff/Tarif2.h"

#include <algorithm>
#include <exception>

#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/ZahlenReihe.h"
#include "model/errors/Fehler.h"
#include "platform/numbers/Numbers.h"

CTarif2::CTarif2() {
    m_tarif1Monate.fill(1.0f);
}

void CTarif2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(),
               {ID_Bis1,    ID_Bis2,    ID_Preis1,  ID_Preis2,      ID_Preis3,   ID_Preis4,
                ID_Preis5,  ID_Preis6,  ID_Preis7,  ID_Preis8,      ID_Von1,     ID_Von2,
                ID_Tarif1,  ID_Tarif2,  ID_SperrZ1, ID_SperrZ2,     ID_SZWoEnde, ID_P3wieWP,
                ID_P4wieWP, ID_P5wieWP, ID_P6wieWP, ID_Tarif1Monate});
}

void CTarif2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CTarif2::init(1)");
    try {
        m_werte = werte;
        const CVRMString monate = m_werte.get(ID_Tarif1Monate).GetStringVal();
        if (!monate.IsEmpty())
            StringToFloats(monate, vrmdb::kZahlenTrenner, m_tarif1Monate,
                           {werte.getName(), CVRMwerteListe::getKey(ID_Tarif1Monate)});
        if (HatPeriodenForm()) BerechneSperrzeiten();
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

bool CTarif2::HatPeriodenForm() const {
    // The key of the blocked hours of tariff 1 holds the switch of period 1 in the period
    // form: a whole number there means the record has not been converted yet.
    CVRMString eintrag;
    IGlobal::ReadIniString(getConsumerName(), CVRMwerteListe::getKey(ID_SperrZ1), eintrag,
                           CVRMString());
    return eintrag.IsEmpty() || (eintrag.Find(u'.') < 0 && eintrag.Find(u',') < 0);
}

bool CTarif2::IstInitialisiert() const {
    return !m_werte.getName().IsEmpty() && !m_werte.IsEmpty();
}

void CTarif2::PruefeInit(const char16_t* ort) const {
    if (!IstInitialisiert()) ThrowFehler(textid::kNichtInitialisiert, ort);
}

CVRMwert& CTarif2::GetWert(TKelvoDatenID id, bool quiet) {
    PruefeInit(u"CTarif2::GetWert");
    return m_werte.get(id, quiet);
}

void CTarif2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush) {
    PruefeInit(u"CTarif2::SetWert");
    CVRMwert& ziel = m_werte.get(id);
    ziel = wert;
    CVRMdatenProvider::get().save(getConsumerName(), id, ziel, flush);
}

void CTarif2::getTarif1Monate(MonatsAnteile& anteile) const {
    PruefeInit(u"CTarif2::getTarif1Monate");
    anteile = m_tarif1Monate;
}

void CTarif2::setTarif1Monate(const MonatsAnteile& anteile) {
    PruefeInit(u"CTarif2::setTarif1Monate");
    m_tarif1Monate = anteile;
    CVRMString text;
    FloatsToString(m_tarif1Monate, vrmdb::kZahlenTrenner, text, 0);
    SetWert(ID_Tarif1Monate, CVRMVariant(text), true);
}

int CTarif2::AnzahlTarif1Monate() const {
    PruefeInit(u"CTarif2::AnzahlTarif1Monate");
    return static_cast<int>(std::count_if(m_tarif1Monate.begin(), m_tarif1Monate.end(),
                                          [](float a) { return a > 0.5f; }));
}

float CTarif2::GetSperrzeitProTag() const {
    PruefeInit(u"CTarif2::GetSperrzeitProTag");
    float stunden = 0.0f;
    if (Bool(ID_Tarif1)) stunden += Float(ID_SperrZ1);
    if (Bool(ID_Tarif2)) stunden += Float(ID_SperrZ2);
    return stunden;
}

float CTarif2::GetSperrzeitProMonat() const {
    PruefeInit(u"CTarif2::GetSperrzeitProMonat");
    const float tage = Bool(ID_SZWoEnde) ? 22.0f : 30.0f;
    return GetSperrzeitProTag() * tage;
}

int CTarif2::ProzentTarif1(int prozent) const {
    try {
        PruefeInit(u"CTarif2::ProzentTarif1");
        if (!Bool(ID_Tarif1)) return 0;
        if (!Bool(ID_Tarif2)) return 100;
        int stunden1 = static_cast<int>(UInt(ID_Bis1)) - static_cast<int>(UInt(ID_Von1));
        // A window from an hour to the same hour is the whole day.
        if (stunden1 < 1) stunden1 += 24;
        const float frei = static_cast<float>(stunden1) - Float(ID_SperrZ1);
        if (!(frei > 0.05f)) return 0;
        const float gesperrt = GetSperrzeitProTag();
        if (!(gesperrt < 24.0f)) return 0;
        const float anteil = static_cast<float>(AnzahlTarif1Monate()) *
                             (frei / (24.0f - gesperrt)) * 0.083333336f *
                             static_cast<float>(100 - prozent);
        return platform::toInt32(anteil);
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, u"CTarif2::ProzentTarif1");
    }
}

void CTarif2::GetPreise(STarifPreise& preise) const {
    PruefeInit(u"CTarif2::GetPreise");
    preise.preis1 = Float(ID_Preis1);
    preise.preis2 = Float(ID_Preis2);
    preise.preis3 = Float(ID_Preis3);
    preise.preis4 = Float(ID_Preis4);
    preise.preis5 = Float(ID_Preis5);
    preise.preis6 = Float(ID_Preis6);
    preise.preis7 = Float(ID_Preis7);
    preise.preis8 = Float(ID_Preis8);
    preise.preis6Kopie = Float(ID_Preis6);
    preise.p3wieWP = m_werte.get(ID_P3wieWP).GetIntVal();
    preise.p4wieWP = m_werte.get(ID_P4wieWP).GetIntVal();
    preise.p5wieWP = m_werte.get(ID_P5wieWP).GetIntVal();
    preise.p6wieWP = m_werte.get(ID_P6wieWP).GetIntVal();
}
