// The record of a heat source: its data ids, filling with the program's defaults, typed
// values that save at once, and the user-entered monthly source temperatures.
#include "model/source/WQuelle2.h"

#include <exception>

#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/data/ZahlenReihe.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/source/FSMdaten.h"
#include "platform/numbers/Numbers.h"

namespace {

double Zahl(const CVRMVariant& wert) {
    if (wert.IsFloat()) return wert.GetFloatVal();
    if (wert.IsInt() || wert.IsBool()) return wert.GetIntVal();
    if (wert.IsLong()) return static_cast<int32_t>(wert.GetUIntVal());
    if (wert.IsString()) return platform::parseDouble(wert.GetStringVal().view());
    return wert.GetUIntVal();
}

CVRMString BiboName(unsigned textId) {
    CVRMString name(textId, nullptr);
    name += u"_";
    name += textid::kBiboMarke;
    return name;
}

}  // namespace

void WeiseTypgerechtZu(CVRMwert& ziel, const CVRMVariant& wert) {
    switch (ziel.GetVRMType()) {
        case vrmFloat:
            ziel = static_cast<float>(Zahl(wert));
            break;
        case vrmInt:
            ziel = static_cast<int>(platform::toInt32(Zahl(wert)));
            break;
        case vrmUInt:
            ziel = static_cast<unsigned int>(platform::toUInt32(Zahl(wert)));
            break;
        case vrmBool:
            ziel = Zahl(wert) != 0.0;
            break;
        case vrmString:
            if (wert.IsString()) {
                ziel = wert.GetStringVal();
                break;
            }
            [[fallthrough]];
        default:
            ziel = wert;
    }
}

void CWQuelle2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_DimPunktTemp,     ID_BetrWeiseIdx,  ID_ZweiterETIdx,
                           ID_FSMittel,         ID_AbsMaterial,   ID_AbsUmhuell,
                           ID_QuellMediumIdx,   ID_Bodenart,      ID_AbsLageBodenIdx,
                           ID_AbsRichtungIdx,   ID_Sondenart,     ID_WQuelleAbstand,
                           ID_WQuelleFlaeche,   ID_WQuelleLaenge, ID_Sondentemp,
                           ID_FSMWaermeLF,      ID_WaermeleitAbs, ID_FSMSpezW,
                           ID_FSMDichte,        ID_FSMKonz,       ID_FSMViskos,
                           ID_RohrAussen,       ID_RohrInnen,     ID_VolStrom,
                           ID_BerechneVolStrom, ID_DurchmUmhuell, ID_WQuelleOrt,
                           ID_ErdluftAbs,       ID_SoleKreise,    ID_SondenReihe,
                           ID_WasserTemp,       ID_UserQuellTemp, ID_QuellenTemps,
                           ID_QTiefe1,          ID_QTiefe2,       ID_QTiefe3,
                           ID_QTiefe4,          ID_Boden1,        ID_Boden2,
                           ID_Boden3,           ID_Boden4,        ID_Waermeleitzahl,
                           ID_SpezWaerme,       ID_Dichte,        ID_ZwkWt});
}

void CWQuelle2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::init(1)");
    try {
        m_werte = werte;
        SetzeVorgaben();
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

void CWQuelle2::SetzeVorgaben() {
    LeseUserQuellTemps();
    if (Text(ID_Boden1).IsEmpty()) {
        // One soil for the whole depth of the source.
        m_werte.get(ID_Boden1) = Text(ID_Bodenart);
        if (Int(ID_QuellMediumIdx) == 1) m_werte.get(ID_QTiefe1) = 10u;
        if (Int(ID_QuellMediumIdx) == 0) m_werte.get(ID_QTiefe1) = 100u;
    }
    if (Text(ID_WQuelleOrt).IsEmpty()) {
        CVRMString ort;
        GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_BODENORT, ort);
        CVRMwert& wert = m_werte.get(ID_WQuelleOrt);
        wert = ort;
        wert.setDefault(CVRMVariant(ort));
    }
    if (Text(ID_FSMittel).IsEmpty()) SetzeFrostschutzVorgabe();
    SetzeRohrVorgaben();
    if (Text(ID_WQuelleOrt).IsEmpty()) {
        CVRMString ohneOrt;
        SetKeinOrt(ohneOrt);
        m_werte.get(ID_WQuelleOrt) = ohneOrt;
    }
    if (Bool(ID_UserQuellTemp) && Text(ID_QuellenTemps).IsEmpty()) {
        CVRMString nullen;
        FloatsToString(std::array<float, 12>{}, vrmdb::kZahlenTrenner, nullen, 1);
        SetWert(ID_QuellenTemps, nullen, true);
        LeseUserQuellTemps();
    }
}

void CWQuelle2::SetzeFrostschutzVorgabe() {
    CVRMString name;
    if (!GetKelvoApp().GetDefFSMittel(name)) name = BiboName(textid::kEthylenglykol);
    if (name.IsEmpty()) ThrowFehler(0, nullptr);
    m_werte.get(ID_FSMittel) = name;
    const unsigned konz = CVRMdatenProvider::get().getWert(name, ID_FSMKonz).GetUIntVal();
    m_werte.get(ID_FSMKonz) = konz;
    m_werte.get(ID_FSMDichte) = CFSMdaten::getDichte(name, konz, 0.0f);
    m_werte.get(ID_FSMViskos) = CFSMdaten::getKinViskos(name, konz, 0.0f);
    m_werte.get(ID_FSMSpezW) = CFSMdaten::getSpezWaerme(name, konz, 0.0f);
    m_werte.get(ID_FSMWaermeLF) = CFSMdaten::getWaermeleit(name, konz, 0.0f);
}

void CWQuelle2::SetzeRohrVorgaben() {
    IKelvoAppServices& app = GetKelvoApp();
    if (Text(ID_AbsMaterial).IsEmpty()) {
        CVRMString material;
        app.GetDefAbsMaterial(material);
        if (material.IsEmpty()) ThrowFehler(0, nullptr);
        m_werte.get(ID_AbsMaterial) = material;
        m_werte.get(ID_WaermeleitAbs) =
            CVRMdatenProvider::get().getWert(material, ID_WaermeleitAbs).GetFloatVal();
    }
    if (Text(ID_AbsUmhuell).IsEmpty()) {
        CVRMString umhuellung;
        app.GetDefAbsUmhuell(umhuellung);
        if (umhuellung.IsEmpty()) ThrowFehler(0, nullptr);
        m_werte.get(ID_AbsUmhuell) = umhuellung;
    }
}

CVRMString CWQuelle2::GetBasisName() const {
    const CVRMString& name = m_werte.getName();
    const int pos = name.Find(u"_WQX");
    return pos > 0 ? name.Left(pos) : name;
}

bool CWQuelle2::IstGueltig() const {
    // The base name is empty only with the record name: checked without a copy.
    return !m_werte.getName().IsEmpty() && !m_werte.IsEmpty();
}

void CWQuelle2::PruefeInit(const char16_t* ort) const {
    if (!IstGueltig()) ThrowFehler(textid::kNichtInitialisiert, ort);
}

CVRMwert& CWQuelle2::GetWert(TKelvoDatenID id) {
    PruefeInit(u"CWQuelle2::GetWert");
    if (id == ID_Waermeleitzahl || id == ID_SpezWaerme || id == ID_Dichte)
        m_werte.get(id) = BerechneAbgeleitetenWert(id);
    return m_werte.get(id);
}

void CWQuelle2::SetzeWert(TKelvoDatenID id, const CVRMVariant& wert) {
    PruefeInit(u"CWQuelle2::SetWert");
    WeiseTypgerechtZu(m_werte.get(id), wert);
}

void CWQuelle2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush) {
    SetzeWert(id, wert);
    CVRMdatenProvider::get().save(m_werte.getName(), id, m_werte.get(id), flush);
}

void CWQuelle2::Reset() {
    PruefeInit(u"CWQuelle2::Reset");
    m_werte.defval();
    Speichern(true);
}

void CWQuelle2::Speichern(bool flush) {
    PruefeInit(u"CWQuelle2::Speichern");
    CVRMdatenProvider::get().save(m_werte, flush);
}

void CWQuelle2::VerwerfeWerte() {
    m_werte.defval();
}

void CWQuelle2::LeseUserQuellTemps() {
    StringToFloats(Text(ID_QuellenTemps).view(), vrmdb::kZahlenTrenner, m_userQuellTemps,
                   {m_werte.getName(), CVRMwerteListe::getKey(ID_QuellenTemps)});
}

void CWQuelle2::GetUserQuellTemps(MonatsWerte out) const {
    PruefeInit(u"CWQuelle2::GetUserQuellTemps");
    std::copy(m_userQuellTemps.begin(), m_userQuellTemps.end(), out.begin());
}

void CWQuelle2::SetUserQuellTemps(KonstMonatsWerte werte) {
    PruefeInit(u"CWQuelle2::SetUserQuellTemps");
    GetKelvoApp().ResetAuswertungen();
    std::array<float, 12> temps;
    std::copy(werte.begin(), werte.end(), temps.begin());
    CVRMString text;
    FloatsToString(temps, vrmdb::kZahlenTrenner, text, 1);
    SetWert(ID_QuellenTemps, text, true);
    LeseUserQuellTemps();
}

int CWQuelle2::Int(TKelvoDatenID id) const {
    return m_werte.get(id).GetIntVal();
}
unsigned CWQuelle2::UInt(TKelvoDatenID id) const {
    return m_werte.get(id).GetUIntVal();
}
float CWQuelle2::Float(TKelvoDatenID id) const {
    return m_werte.get(id).GetFloatVal();
}
bool CWQuelle2::Bool(TKelvoDatenID id) const {
    return m_werte.get(id).GetBoolVal();
}
CVRMString CWQuelle2::Text(TKelvoDatenID id) const {
    return m_werte.get(id).GetStringVal();
}
