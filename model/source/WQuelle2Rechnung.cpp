// What a heat source computes from its record through its calculator: source and brine
// temperatures, latent heat, the brine flow, extraction limits, the design test, its size,
// design variants and fluid volumes.
#include <algorithm>
#include <exception>

#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/data/Flachkollektor.h"
#include "model/errors/Fehler.h"
#include "model/source/FSMdaten.h"
#include "model/source/WQuelle2.h"
#include "platform/numbers/Numbers.h"

namespace {

bool HatSole(int art) {
    return art == 0 || art == 1 || art == 4 || art == 5;
}

}  // namespace

CWQuelle2::SQuellTempDaten CWQuelle2::LeseQuellTempDaten() {
    PruefeInit(u"CWQuelle2::BerechneQuellenTemp");
    SQuellTempDaten d;
    d.lambda = GetWert(ID_Waermeleitzahl).GetFloatVal();
    d.spezWaerme = GetWert(ID_SpezWaerme).GetFloatVal();
    d.art = Int(ID_QuellMediumIdx);
    d.flaeche = static_cast<float>(UInt(ID_WQuelleFlaeche));
    d.laenge = static_cast<float>(UInt(ID_WQuelleLaenge));
    d.abstand = Float(ID_WQuelleAbstand);
    d.kreise = static_cast<int>(UInt(ID_SoleKreise));
    d.aussen = Float(ID_RohrAussen);
    d.latentWaerme = GetLatentWaerme();
    d.reihe = static_cast<int>(UInt(ID_SondenReihe));
    return d;
}

void CWQuelle2::BerechneQuellenTemp(int monat, KonstMonatsWerte entzug1, KonstMonatsWerte entzug2,
                                    KonstMonatsWerte natur, KonstMonatsWerte eingespeist,
                                    KonstMonatsWerte arbeit, float spreizung, float, float& out) {
    BerechneQuellenTemp(LeseQuellTempDaten(), monat, entzug1, entzug2, natur, eingespeist, arbeit,
                        spreizung, out);
}

void CWQuelle2::BerechneQuellenTemp(const SQuellTempDaten& d, int monat, KonstMonatsWerte entzug1,
                                    KonstMonatsWerte entzug2, KonstMonatsWerte natur,
                                    KonstMonatsWerte eingespeist, KonstMonatsWerte arbeit,
                                    float spreizung, float& out) {
    m_berechnung.QuellenTemperatur(monat, d.art, natur, eingespeist, entzug1, entzug2, d.lambda,
                                   d.flaeche, d.laenge, d.abstand, d.kreise, d.aussen,
                                   d.spezWaerme, spreizung, d.latentWaerme, d.reihe, arbeit, out);
}

CWQuelle2::SSoleDaten CWQuelle2::LeseSoleDaten() {
    PruefeInit(u"CWQuelle2::SoleTemperatur");
    SSoleDaten d;
    d.art = Int(ID_QuellMediumIdx);
    if (HatSole(d.art)) {
        d.nichtEthylenglykol = CFSMdaten::IstNichtEthylenglykol(Text(ID_FSMittel));
        d.konzentration = UInt(ID_FSMKonz);
    }
    d.rohrLambda = Float(ID_WaermeleitAbs);
    d.innen = Float(ID_RohrInnen);
    d.aussen = Float(ID_RohrAussen);
    d.laenge = static_cast<float>(UInt(ID_WQuelleLaenge));
    d.kreise = static_cast<int>(UInt(ID_SoleKreise));
    d.volStrom = Float(ID_VolStrom);
    d.reihe = static_cast<int>(UInt(ID_SondenReihe));
    d.sondenart = Int(ID_Sondenart);
    return d;
}

void CWQuelle2::SoleTemperatur(int monat, float quellTemp, float last, float spreizung,
                               bool einfacheSpreizung, float& out) {
    if (monat < 0 || monat > 11) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::SoleTemperatur");
    SoleTemperatur(LeseSoleDaten(), monat, quellTemp, last, spreizung, einfacheSpreizung, out);
}

void CWQuelle2::SoleTemperatur(const SSoleDaten& d, int monat, float quellTemp, float last,
                               float spreizung, bool einfacheSpreizung, float& out) {
    if (monat < 0 || monat > 11) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::SoleTemperatur");
    float dichte = 0.0f, spezW = 0.0f, waermeLF = 0.0f, viskos = 0.0f;
    if (HatSole(d.art)) {
        const bool familie = d.nichtEthylenglykol;
        dichte = CFSMdaten::getDichte(familie, d.konzentration, quellTemp);
        spezW = CFSMdaten::getSpezWaerme(familie, d.konzentration, quellTemp);
        waermeLF = CFSMdaten::getWaermeleit(familie, d.konzentration, quellTemp);
        viskos = CFSMdaten::getKinViskos(familie, d.konzentration, quellTemp);
    }
    m_berechnung.SoleEintrittsTemp(monat, d.art, quellTemp, last, spreizung, dichte, spezW,
                                   waermeLF, viskos, d.rohrLambda, d.innen, d.aussen, d.laenge,
                                   d.kreise, einfacheSpreizung, d.volStrom, d.reihe, d.sondenart,
                                   out);
}

float CWQuelle2::GetLatentWaerme() {
    try {
        PruefeInit(u"CWQuelle2::GetLatentWaerme");
        const int lage = Int(ID_AbsLageBodenIdx);
        if (lage < 0 || lage > 2)
            ThrowFehler(textid::kFalscheKonstante, u"CWQuelle2::GetLatentWaerme");
        const float klasse = lage == 0 ? 10.0f : (lage == 1 ? 18.0f : 30.0f);
        switch (Int(ID_QuellMediumIdx)) {
            case 0:
            case 4:
                return m_berechnung.LatentWaermeSonde(static_cast<int>(UInt(ID_SoleKreise)),
                                                      static_cast<float>(UInt(ID_WQuelleLaenge)),
                                                      klasse);
            case 1:
            case 5:
                return m_berechnung.LatentWaermeFlachK(static_cast<float>(UInt(ID_WQuelleFlaeche)),
                                                       klasse);
            case 2:
            case 3:
            case 6:
                return 0.0f;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CWQuelle2::GetLatentWaerme2");
        }
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, u"WQuelle::LatentWaerme");
    }
}

float CWQuelle2::GetReynoldsZahl() {
    PruefeInit(u"CWQuelle2::GetReynoldsZahl");
    const int art = Int(ID_QuellMediumIdx);
    if (!HatSole(art)) return 0.0f;
    const float viskos = CFSMdaten::getKinViskos(Text(ID_FSMittel), UInt(ID_FSMKonz), 0.0f);
    int kreise = static_cast<int>(UInt(ID_SoleKreise));
    if (art == 5) kreise *= 20;
    return m_berechnung.GetReynoldsZahl(art, Float(ID_RohrInnen), kreise, Float(ID_VolStrom),
                                        viskos, static_cast<int>(UInt(ID_SondenReihe)),
                                        Int(ID_Sondenart));
}

float CWQuelle2::MinVolStromSole(float spreizung, float leistung, float minimum, float dichte,
                                 float spezW, float innen, float viskos, int art) {
    try {
        PruefeInit(u"CWQuelle2::MinVolStromSole");
        const float fuerLeistung =
            m_berechnung.GetVolStromLeistung(dichte, spezW, spreizung, leistung);
        int kreise = static_cast<int>(UInt(ID_SoleKreise));
        if (art == 5) kreise *= 20;
        const float fuerTurbulenz = m_berechnung.GetVolStromTurbulent(
            innen, viskos, kreise, art, 1000.0f, static_cast<int>(UInt(ID_SondenReihe)),
            Int(ID_Sondenart));
        // A little more, cut to one decimal.
        const float roh = std::max(fuerLeistung, fuerTurbulenz) + 0.1f;
        const float strom = static_cast<float>(platform::toInt32(roh * 10.0f)) / 10.0f;
        return strom > minimum ? strom : minimum;
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, u"WQuelle::MinVolStromSole");
    }
}

float CWQuelle2::MinVolStromSole2(float spreizung, float leistung, float minimum) {
    PruefeInit(u"CWQuelle2::MinVolStromSole2");
    const CVRMString fluid = Text(ID_FSMittel);
    const unsigned konz = UInt(ID_FSMKonz);
    return MinVolStromSole(spreizung, leistung, minimum, CFSMdaten::getDichte(fluid, konz, 0.0f),
                           CFSMdaten::getSpezWaerme(fluid, konz, 0.0f), Float(ID_RohrInnen),
                           CFSMdaten::getKinViskos(fluid, konz, 0.0f), Int(ID_QuellMediumIdx));
}

void CWQuelle2::GetVerlegeFaktoren(float aussen, bool perFormel, const CVRMString& ort, float& f1,
                                   float& f2) {
    f1 = GetVerlegeFaktor(aussen, perFormel, u"D");
    f2 = GetVerlegeFaktor(aussen, perFormel, CVRMdatenProvider::get().getLandKuerzel(ort));
}

float CWQuelle2::GetMSE(float leistung, int art, unsigned laenge, unsigned flaeche) {
    PruefeInit(u"CWQuelle2::GetMSE");
    art = Art(art);
    if (laenge == 0) laenge = UInt(ID_WQuelleLaenge) * (art == 0 ? UInt(ID_SoleKreise) : 1u);
    if (flaeche == 0) flaeche = UInt(ID_WQuelleFlaeche);
    return m_berechnung.GetMSE(art, leistung, static_cast<float>(laenge),
                               static_cast<float>(flaeche));
}

float CWQuelle2::GetMSEGrenze(const CVRMString& ort, bool direkt, int art) {
    PruefeInit(u"CWQuelle2::GetMSEGrenze");
    float f1 = 1.0f, f2 = 1.0f;
    GetVerlegeFaktoren(Float(ID_RohrAussen), direkt, ort, f1, f2);
    return m_berechnung.GetMSEGrenze(Art(art), GetWert(ID_Waermeleitzahl).GetFloatVal(),
                                     Int(ID_AbsLageBodenIdx), Int(ID_AbsRichtungIdx),
                                     Int(ID_Sondenart), f1, f2);
}

float CWQuelle2::GetMSEGrenzLeistung(const CVRMString& ort, bool direkt) {
    PruefeInit(u"CWQuelle2::GetMSEGrenzLeistung");
    switch (Int(ID_QuellMediumIdx)) {
        case 0:
            return GetMSEGrenze(ort, direkt, 0) * static_cast<float>(UInt(ID_SoleKreise)) *
                   static_cast<float>(UInt(ID_WQuelleLaenge));
        case 1:
        case 5:
            // The second collector form is limited as a collector.
            return GetMSEGrenze(ort, direkt, 1) * static_cast<float>(UInt(ID_WQuelleFlaeche));
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQuelle2::GetMSEGrenzLeistung");
    }
}

bool CWQuelle2::TesteAuslegung(int art, float leistung, float energie, bool direkt,
                               const CVRMString& ort, unsigned laenge, unsigned flaeche,
                               float lambda, int feuchte, int richtung, int sondenart) {
    PruefeInit(u"CWQuelle2::TesteAuslegung");
    art = Art(art);
    if (laenge == 0) laenge = UInt(ID_WQuelleLaenge) * (art == 0 ? UInt(ID_SoleKreise) : 1u);
    if (flaeche == 0) flaeche = UInt(ID_WQuelleFlaeche);
    if (lambda < 0.0f) lambda = GetWert(ID_Waermeleitzahl).GetFloatVal();
    if (feuchte < 0) feuchte = Int(ID_AbsLageBodenIdx);
    if (richtung < 0) richtung = Int(ID_AbsRichtungIdx);
    if (sondenart < 0) sondenart = Int(ID_Sondenart);
    float f1 = 1.0f, f2 = 1.0f;
    GetVerlegeFaktoren(Float(ID_RohrAussen), direkt, ort, f1, f2);
    return m_berechnung.TesteWQuelle(art, leistung, energie, static_cast<float>(laenge),
                                     static_cast<float>(flaeche), lambda, feuchte, richtung, f1, f2,
                                     sondenart);
}

void CWQuelle2::Dimensioniere(int art, float leistung, float energie, float aussen, bool perFormel,
                              const CVRMString& ort, float& out1, float& out2) {
    PruefeInit(u"CWQuelle2::Dimensioniere");
    SVerlegung verlegung;
    verlegung.aussen = aussen > 0.0f ? aussen : Float(ID_RohrAussen);
    verlegung.perFormel = perFormel;
    GetVerlegeFaktoren(verlegung.aussen, perFormel, ort, verlegung.f1, verlegung.f2);
    verlegung.land = CVRMdatenProvider::get().getLandKuerzel(ort);
    m_berechnung.DimensioniereWQuelle(
        Art(art), leistung, energie, GetWert(ID_Waermeleitzahl).GetFloatVal(),
        Int(ID_AbsLageBodenIdx), Int(ID_AbsRichtungIdx), verlegung, out1, out2);
}

void CWQuelle2::SetActiveDimData(int art, int betrWeise, int dimPunktTemp, unsigned laenge) {
    constexpr const char16_t* kOrt = u"CWQuelle2::SetActiveDimData";
    if (GetKelvoApp().GetAktDokument(false)->GetDimModus() == 0)
        ThrowFehler(textid::kKeinDimModus, kOrt);
    PruefeInit(kOrt);
    if (art < 0 || art > 6) ThrowFehler(textid::kFalscheKonstante, kOrt);
    if ((art == 0 || art == 4) && laenge != 0) m_werte.get(ID_WQuelleLaenge) = laenge;
    m_werte.get(ID_QuellMediumIdx) = art;
    m_werte.get(ID_BetrWeiseIdx) = betrWeise;
    m_werte.get(ID_DimPunktTemp) = dimPunktTemp;
}

unsigned CWQuelle2::GetRohrVolumen(int art, float innen, unsigned laenge, unsigned anzahl,
                                   bool direkt, int sondenart) {
    if (direkt || art == 2 || art == 3 || art >= 6 || art < 0) return 0;
    float rohr = 0.0f;
    switch (art) {
        case 0:
            rohr = static_cast<float>(laenge) * static_cast<float>(anzahl) *
                   (sondenart == 1 ? 2.0f : 4.0f);
            break;
        case 1:
            rohr = static_cast<float>(laenge);
            break;
        case 4:
            rohr = static_cast<float>(laenge) * static_cast<float>(anzahl);
            break;
        case 5:
            return platform::toUInt32(static_cast<float>(anzahl) * 2.0f);
    }
    // Length and diameter in decimetres give litres.
    const float d = innen * 0.01f;
    return platform::toUInt32(rohr * 10.0f * d * d * 0.785398f);
}

unsigned CWQuelle2::GetFrostschutzMenge(int art, float innen, unsigned laenge, unsigned anzahl,
                                        float konzentration, bool direkt, int sondenart) {
    const float liter =
        static_cast<float>(GetRohrVolumen(art, innen, laenge, anzahl, direkt, sondenart));
    return platform::toUInt32(liter * konzentration * 0.01f);
}
