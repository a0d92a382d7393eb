// The house's heating: demand of a month or at a temperature, the yearly demand, the
// design heat load for a yearly demand, and the flow temperature of the heating curve.
#include <algorithm>
#include <array>

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kVorlaufZuHoch = 3107;  // "Calculated flow ... greater than designed"
constexpr unsigned kKeinHeizmonat = 3251;  // "There is no month as cold as to heat ..."
constexpr float kStundenJeMonat = 720.0f;
constexpr float kStartLeistung = 10.0f;  // kW, where the search for a design load begins
// Steps of one size before the search gives up; far beyond any single building.
constexpr int kMaxSchritte = 100000;

void Hinweis(unsigned textId) {
    KVSMessageBoxID(textId, textid::kProduktCaption,
                    platform::mb::OK | platform::mb::ICONINFORMATION);
}

}  // namespace

uint16_t CHaus2::AnzahlHeizMonate() {
    std::array<float, kMonate> temps;
    LeseKlima(temps);
    return m_berechnung.AnzahlHeizMonate(temps, UInt(ID_MittlRaumTemp), UInt(ID_HeizGrenzTemp));
}

CHaus2::SHeizJahr CHaus2::LeseHeizJahr() {
    SHeizJahr j;
    LeseKlima(j.temps);
    j.raumTemp = UInt(ID_MittlRaumTemp);
    j.grenzTemp = UInt(ID_HeizGrenzTemp);
    j.heizMonate = m_berechnung.AnzahlHeizMonate(j.temps, j.raumTemp, j.grenzTemp);
    j.gewinnIntern = UInt(ID_GewinnIntern);
    j.gewinnSolar = UInt(ID_GewinnSolar);
    j.normLeistung = Float(ID_NormwaermeBedarf);
    j.normAussenTemp = Float(ID_NAT);
    return j;
}

void CHaus2::HeizbedarfAus(const SHeizJahr& j, unsigned short monat, int modus, float& out) {
    if (j.heizMonate == 0) {
        Hinweis(kKeinHeizmonat);
        out = 0.0f;
        return;
    }
    float intern = 0.0f, solar = 0.0f;
    if (modus == 1) {
        intern = static_cast<float>(j.gewinnIntern) / j.heizMonate;
        // Passive solar gains count in the heating months only.
        if (m_berechnung.IstHeizMonat(j.temps[monat], j.raumTemp, j.grenzTemp))
            solar = static_cast<float>(j.gewinnSolar) / j.heizMonate;
    }
    m_berechnung.MomentanerHeizbedarf(j.temps[monat], j.normLeistung, j.normAussenTemp, j.raumTemp,
                                      j.grenzTemp, intern, solar, out);
}

void CHaus2::GetMomentanerHeizbedarf(unsigned short monat, int modus, float& out) {
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::GetMomentanerHeizbedarf(2)");
    HeizbedarfAus(LeseHeizJahr(), monat, modus, out);
}

void CHaus2::MomentanerHeizbedarfJahr(int modus, MonatsWerte out) {
    const SHeizJahr jahr = LeseHeizJahr();
    for (unsigned short monat = 0; monat < kMonate; ++monat)
        HeizbedarfAus(jahr, monat, modus, out[monat]);
}

void CHaus2::MomentanerHeizbedarf(unsigned short monat, int modus, float& out) {
    GetMomentanerHeizbedarf(monat, modus, out);
}

float CHaus2::getSolarGewinn(unsigned short monat, uint16_t heizMonate) {
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::getSolarGewinn(1)");
    if (heizMonate > kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::getSolarGewinn(2)");
    std::array<float, kMonate> temps;
    LeseKlima(temps);
    if (!m_berechnung.IstHeizMonat(temps[monat], UInt(ID_MittlRaumTemp), UInt(ID_HeizGrenzTemp)))
        return 0.0f;
    return static_cast<float>(UInt(ID_GewinnSolar)) / heizMonate;
}

void CHaus2::GetHeizbedarfMonat(float temp, int modus, float& out) {
    const uint16_t heizMonate = AnzahlHeizMonate();
    if (heizMonate == 0) {
        Hinweis(kKeinHeizmonat);
        out = 0.0f;
        return;
    }
    float intern = 0.0f, solar = 0.0f;
    if (modus == 1) {
        intern = static_cast<float>(UInt(ID_GewinnIntern)) / heizMonate;
        solar = static_cast<float>(UInt(ID_GewinnSolar)) / heizMonate;
    }
    HeizbedarfBeiTemp(temp, intern, solar, out);
}

void CHaus2::HeizbedarfMonat(float temp, int modus, float& out) {
    GetHeizbedarfMonat(temp, modus, out);
}

void CHaus2::HeizbedarfBeiTemp(float temp, float gewinnIntern, float gewinnSolar, float& out) {
    m_berechnung.MomentanerHeizbedarf(temp, Float(ID_NormwaermeBedarf), Float(ID_NAT),
                                      UInt(ID_MittlRaumTemp), UInt(ID_HeizGrenzTemp), gewinnIntern,
                                      gewinnSolar, out);
}

float CHaus2::GetJahresHeizbedarf(int modus) {
    float summe = 0.0f;
    for (unsigned short monat = 0; monat < kMonate; ++monat) {
        float bedarf = 0.0f;
        MomentanerHeizbedarf(monat, modus, bedarf);
        summe += bedarf * kStundenJeMonat;
    }
    return summe;
}

float CHaus2::BerechneNormHeizlast(float jahresBedarf) {
    if (!(jahresBedarf > 0.0f)) return 0.0f;
    CVRMwert& normLeistung = m_werte.get(ID_NormwaermeBedarf);
    const CVRMwert gesichert(normLeistung);
    float ergebnis = 0.0f;
    try {
        ergebnis = NormHeizlastSuche(jahresBedarf);
    } catch (const platform::UserException&) {
        ergebnis = 0.0f;
    }
    normLeistung = gesichert;
    return ergebnis;
}

float CHaus2::NormHeizlastSuche(float ziel) {
    // Without a heating month, or with a design temperature that leaves nothing to heat,
    // no design load reaches the target.
    if (AnzahlHeizMonate() == 0) {
        Hinweis(kKeinHeizmonat);
        return 0.0f;
    }
    if (!(Float(ID_NAT) < static_cast<float>(UInt(ID_MittlRaumTemp)))) return 0.0f;

    CVRMwert& normLeistung = m_werte.get(ID_NormwaermeBedarf);
    normLeistung = kStartLeistung;
    float schritt = GetJahresHeizbedarf(1) <= ziel ? 1.0f : -1.0f;
    for (int runde = 0; runde < 2; ++runde) {
        int schritte = 0;
        for (;;) {
            if (++schritte > kMaxSchritte) return 0.0f;
            normLeistung = normLeistung.GetFloatVal() + schritt;
            const float bedarf = GetJahresHeizbedarf(1);
            if (schritt > 0.0f ? bedarf >= ziel : bedarf <= ziel) break;
        }
        if (runde == 0) {
            normLeistung = normLeistung.GetFloatVal() - schritt;
            schritt *= 0.1f;
        }
    }
    // Downwards the search stops one step below the load that still reaches the target.
    if (schritt < 0.0f) normLeistung = normLeistung.GetFloatVal() - schritt;
    return normLeistung.GetFloatVal();
}

bool CHaus2::IstFesteVorlaufTemp() {
    return Int(ID_HOK) == 1;
}

void CHaus2::MomentaneVorlaufTemp(unsigned short monat, float faktor, float& out, bool quiet) {
    if (IstFesteVorlaufTemp()) {
        out = Float(ID_HeizVorlauf);
        return;
    }
    try {
        if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::MomentaneVorlaufTemp");
        float last = 0.0f;
        GetMomentanerHeizbedarf(monat, 0, last);
        MomentaneVorlaufTempLast(faktor, last, out, quiet);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MomentaneVorlaufTemp1");
    }
}

void CHaus2::MomentaneVorlaufTempJahr(float faktor, MonatsWerte out, bool quiet) {
    if (IstFesteVorlaufTemp()) {
        std::fill(out.begin(), out.end(), Float(ID_HeizVorlauf));
        return;
    }
    try {
        const SHeizJahr jahr = LeseHeizJahr();
        const SVorlaufDaten vorlauf = LeseVorlaufDaten();
        for (unsigned short monat = 0; monat < kMonate; ++monat) {
            float last = 0.0f;
            HeizbedarfAus(jahr, monat, 0, last);
            VorlaufAus(vorlauf, faktor, last, out[monat], quiet);
        }
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MomentaneVorlaufTemp1");
    }
}

void CHaus2::MomentaneVorlaufTempMonat(float temp, float faktor, float& out, bool quiet) {
    if (IstFesteVorlaufTemp()) {
        out = Float(ID_HeizVorlauf);
        return;
    }
    try {
        float last = 0.0f;
        HeizbedarfMonat(temp, 0, last);
        MomentaneVorlaufTempLast(faktor, last, out, quiet);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MomentaneVorlaufTemp2");
    }
}

void CHaus2::MomentaneVorlaufTempLast(float faktor, float last, float& out, bool quiet) {
    if (IstFesteVorlaufTemp()) {
        out = Float(ID_HeizVorlauf);
        return;
    }
    VorlaufAus(LeseVorlaufDaten(), faktor, last, out, quiet);
}

CHaus2::SVorlaufDaten CHaus2::LeseVorlaufDaten() {
    SVorlaufDaten d;
    try {
        d.auslegung = Float(ID_HeizVorlauf);
        d.normLeistung = Float(ID_NormwaermeBedarf);
        d.raumTemp = UInt(ID_MittlRaumTemp);
        d.exponent = GetHeizkoerperExponent();
        d.ruecklauf = Float(ID_HeizRuecklauf);
        d.minimum = static_cast<float>(GetMinVorlaufTemp());
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MomentaneVorlaufTemp3");
    }
    return d;
}

void CHaus2::VorlaufAus(const SVorlaufDaten& d, float faktor, float last, float& out, bool quiet) {
    try {
        m_berechnung.VorlaufTemp(last, d.normLeistung, d.auslegung, d.raumTemp, d.exponent, faktor,
                                 d.ruecklauf, out);
        if (out < d.minimum) out = d.minimum;
        if (!quiet && out > d.auslegung) {
            int32_t warnen = 0;
            if (GetKelvoApp().GetOptionsManager().GetLongWert(OPT_WARN_VORLAUF1, warnen) != 0)
                Hinweis(kVorlaufZuHoch);
        }
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MomentaneVorlaufTemp3");
    }
}

float CHaus2::GetHeizkoerperExponent() {
    const TKelvoDatenID arten[][2] = {{ID_FussbodenHeiz, ID_ExponentFB},
                                      {ID_RadiatorenHeiz, ID_ExponentRA},
                                      {ID_Wandheizung, ID_ExponentWH}};
    bool eine = false;
    float exponent = -1000.0f;
    for (const auto& [schalter, id] : arten) {
        if (!Bool(schalter)) continue;
        eine = true;
        if (Float(id) >= exponent) exponent = Float(id);
    }
    if (!eine) ThrowFehler(0, nullptr);
    return exponent;
}

int CHaus2::GetMinVorlaufTemp() {
    return static_cast<int>(UInt(ID_MRU)) +
           (platform::toInt32(Float(ID_HeizVorlauf)) - platform::toInt32(Float(ID_HeizRuecklauf)));
}
