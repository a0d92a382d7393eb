// The house record: its data ids, loading and defaults, values, locations and plants.
#include "model/house/Haus2.h"

#include <array>
#include <exception>

#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoBindungen.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/errors/UserException.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr char16_t kHausEndung[] = u"_HausX";

// Every id the house reads: 233, 235 and 237 (ventilation and the demand figure) are
// read too, so they are asked for with the rest.
constexpr std::array<uint16_t, 54> kDatenIds{
    173, 171, 172, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189, 192, 205, 190, 194,
    204, 191, 196, 197, 198, 199, 195, 200, 201, 202, 203, 29,  30,  31,  206, 208, 209, 215,
    216, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 234, 241, 238, 242, 233, 235, 237};

// The heating type that switches each share.
TKelvoDatenID SchalterFuerDeckung(TKelvoDatenID id) {
    switch (id) {
        case ID_DeckungFB:
            return ID_FussbodenHeiz;
        case ID_DeckungRA:
            return ID_RadiatorenHeiz;
        case ID_DeckungWH:
            return ID_Wandheizung;
        default:
            return id;
    }
}

}  // namespace

CHaus2::CHaus2() {
    for (auto& wohin : m_solarWohin) wohin.assign(kMonate, kNirgends);
}

CHaus2::~CHaus2() = default;

void CHaus2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), kDatenIds.begin(), kDatenIds.end());
}

void CHaus2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CHaus2::init(1)");
    try {
        m_werte = werte;
        InitWerte();
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

void CHaus2::InitWerte() {
    SetSolarWohin(Text(ID_SolarWohin1), 1);
    SetSolarWohin(Text(ID_SolarWohin2), 2);
    SetSolarWohin(Text(ID_SolarWohin3), 3);

    CVRMdatenProvider2& orte = CVRMdatenProvider2::Get();
    CVRMwert& klimaort = m_werte.get(ID_Klimaort);
    CVRMwert& nat = m_werte.get(ID_NAT);
    if (klimaort.IsEmptyStr()) {
        CVRMString standard;
        GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_KLIMAORT, standard);
        klimaort.setDefault(CVRMVariant(standard));
        klimaort = standard;
        nat = orte.getNormAussenTemp(standard).GetFloatVal();
    }
    if (nat.GetFloatVal() > datenbereich::kNormAussenTempAusKlimaort) {
        nat = orte.getNormAussenTemp(klimaort.GetStringVal()).GetFloatVal();
    }

    CVRMwert& wetterort = m_werte.get(ID_Wetterort);
    CVRMwert& sonnenort = m_werte.get(ID_Sonnenort);
    wetterort.setDefault(CVRMVariant(orte.GetKlimaortText666(klimaort.GetStringVal())));
    wetterort.defval();
    sonnenort.setDefault(CVRMVariant(orte.GetKlimaortText668(klimaort.GetStringVal())));
    sonnenort.defval();

    for (TKelvoDatenID id : {ID_Klimaort, ID_Wetterort, ID_Sonnenort}) {
        CVRMwert& ort = m_werte.get(id);
        if (!ort.IsEmptyStr()) continue;
        CVRMString ohneOrt;
        SetKeinOrt(ohneOrt);
        ort = ohneOrt;
    }

    CVRMwert& mru = m_werte.get(ID_MRU);
    const float untergrenze = static_cast<float>(UInt(ID_MittlRaumTemp));
    if (!LiegtImBereich(static_cast<float>(mru.GetUIntVal()), untergrenze, Float(ID_HeizVorlauf))) {
        mru = GetStandardMRU();
    }
}

CVRMString CHaus2::GetName() const {
    const CVRMString name = getConsumerName();
    const int pos = name.Find(kHausEndung);
    return pos > 0 ? name.Left(pos) : name;
}

bool CHaus2::IstInitialisiert() const {
    return !GetName().IsEmpty() && !m_werte.IsEmpty();
}

void CHaus2::PruefeInit(const char16_t* ort) const {
    if (!IstInitialisiert()) ThrowFehler(textid::kNichtInitialisiert, ort);
}

CVRMwert& CHaus2::GetWert(TKelvoDatenID id, bool quiet) {
    CVRMwert& wert = m_werte.get(id, quiet);
    const TKelvoDatenID schalter = SchalterFuerDeckung(id);
    if (schalter != id && !Bool(schalter)) wert = 0u;
    if (id == ID_WWproTag && Bool(ID_BBK)) wert = BerechneWWEnergie();
    return wert;
}

void CHaus2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush) {
    CVRMwert& ziel = m_werte.get(id);
    ziel = wert;
    CVRMdatenProvider::get().save(getConsumerName(), id, ziel, flush);
}

bool CHaus2::LiegtImBereich(float a, float b, float c) {
    if (a < b) return false;
    return a < static_cast<float>(platform::toInt32(c));
}

void CHaus2::GetKlimaMonatsTemps(MonatsWerte out) {
    PruefeInit(u"CHaus2::GetKlimaMonatsTemps");
    LeseKlima(out);
}

float CHaus2::GetKlimaMonatsTemp(unsigned short monat) {
    PruefeInit(u"CHaus2::GetKlimaMonatsTemp");
    return CVRMdatenProvider2::Get().getKlimaMonatsTemp(Text(ID_Klimaort), monat);
}

CVRMwert CHaus2::GetNormAussenTemp() {
    PruefeInit(u"CHaus2::GetNormAussenTemp");
    return m_werte.get(ID_NAT);
}

float CHaus2::GetSonnenMonatsStd(unsigned short monat) {
    PruefeInit(u"CHaus2::GetSonnenMonatsStd(us)");
    return CVRMdatenProvider2::Get().getSonnenMonatsStd(Text(ID_Sonnenort), monat);
}

void CHaus2::LeseKlima(MonatsWerte out) {
    CVRMdatenProvider2::Get().GetMonatsWerte(Text(ID_Klimaort), out);
}

bool CHaus2::HatSolarAnlage() {
    return GetKelvoBindungen().IstSolarGebunden() && Bool(ID_ProjMitSolar);
}

bool CHaus2::HatKuehlAnlage() {
    return GetKelvoBindungen().IstKuehlGebunden() && Bool(ID_ProjMitKuehl);
}

bool CHaus2::IstSolarProjekt(const CVRMString& solarAnlage) {
    PruefeInit(u"CHaus2::IstSolarProjekt");
    return HatSolarAnlage() && !solarAnlage.IsEmpty();
}

bool CHaus2::IstKuehlProjekt(const CVRMString& kuehlAnlage) {
    PruefeInit(u"CHaus2::IstKuehlProjekt");
    return HatKuehlAnlage() && !kuehlAnlage.IsEmpty();
}

float CHaus2::Float(TKelvoDatenID id) const {
    return m_werte.get(id).GetFloatVal();
}

unsigned CHaus2::UInt(TKelvoDatenID id) const {
    return m_werte.get(id).GetUIntVal();
}

int CHaus2::Int(TKelvoDatenID id) const {
    const CVRMwert& wert = m_werte.get(id);
    return wert.IsInt() ? wert.GetIntVal() : platform::toInt32(wert.GetFloatVal());
}

bool CHaus2::Bool(TKelvoDatenID id) const {
    return m_werte.get(id).GetBoolVal();
}

CVRMString CHaus2::Text(TKelvoDatenID id) const {
    return m_werte.get(id).GetStringVal();
}
