#include "evaluation/SolarOpt.h"

#include <algorithm>

#include "core/records/SolareGewinne.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned short kMonate = 12;
constexpr float kStundenImMonat = 720.0f;
constexpr float kMinErtrag = 0.001f;
constexpr unsigned kWarmwasser = 1;
constexpr unsigned kHeizung = 2;
constexpr unsigned kErdreich = 3;

// The checks both operations make first, each with its own place.
float PruefeUndLeseFlaeche(const CVRMString& anlage, unsigned short monat, const char16_t* ort,
                           const char16_t* ortMonat, const char16_t* ortAnlage) {
    if (!ISolar::IstGeladen()) ThrowFehler(textid::kDatenFehlen, ort);
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, ortMonat);
    if (anlage.IsEmpty()) ThrowFehler(textid::kDatenFehlen, ortAnlage);
    // Without collector area there is nothing to share out, and nothing to divide by.
    const float flaeche = ISolar::get(anlage, ID_KFlaeche).GetFloatVal();
    if (!(flaeche > 0.0f)) ThrowFehler(textid::kDatenFehlen, ortAnlage);
    return flaeche;
}

}  // namespace

float CSolarOpt::HeizVerlust(const std::array<unsigned, 4>& abcd) {
    const auto [a, b, c, d] = abcd;
    return static_cast<float>(d * 0.01 * c * 0.032 * 2.28 + static_cast<double>(a) * b * 0.035028);
}

float CSolarOpt::ErdFaktor(float x, bool flag) {
    const float k = flag ? 30.0f : 22.0f;
    return 1.0f - k * x / 1440.0f;
}

float CSolarOpt::GrenzeProQm(unsigned short monat, float flaeche) {
    switch (monat) {
        case 0:
        case 11:
            return 6.0f;
        case 1:
            return 6.1f;
        case 2:
            return 6.2f;
        case 3:
        case 10:
            return 6.4f;
        case 4:
        case 8:
        case 9:
            return 6.6f;
        case 5:
        case 6:
        case 7:
            if (flaeche > 20.0f) return 50.0f;
            if (flaeche > 15.0f) return 35.0f;
            if (flaeche > 8.0f) return 20.0f;
            return 10.0f;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CSolarOpt::BerechneEinspeisung");
    }
}

void CSolarOpt::BerechneEinspeisung(const std::array<SSolarVerbraucher, 3>& prioritaeten,
                                    const CVRMString& anlage, unsigned short monat,
                                    SSolarEinspeisung& ergebnis) const {
    const float flaeche = PruefeUndLeseFlaeche(anlage, monat, u"CSolarOpt::BerechneEinspeisung",
                                               u"CSolarOpt::BerechneEinspeisung(P3)",
                                               u"CSolarOpt::BerechneEinspeisung(P2)");
    ergebnis = SSolarEinspeisung();
    const float grenze = GrenzeProQm(monat, flaeche) * flaeche;
    float frei = 100.0f;
    std::array<bool, 4> bedient{};  // by kind
    bool einerLief = false;
    for (size_t slot = 0; slot < prioritaeten.size(); ++slot) {
        const SSolarVerbraucher& v = prioritaeten[slot];
        if (v.art == 0 || (v.art < bedient.size() && bedient[v.art])) continue;
        BerechneEinspeisSchritt(!einerLief, flaeche, grenze, anlage, monat, v,
                                ergebnis.energie[slot], frei);
        einerLief = true;
        bedient[v.art] = true;
        ergebnis.bedient[slot] = 1;
    }
}

void CSolarOpt::BerechneEinspeisSchritt(bool ersterVerbraucher, float flaeche, float grenze,
                                        const CVRMString& anlage, unsigned short monat,
                                        const SSolarVerbraucher& v, float& energie,
                                        float& frei) const {
    PruefeUndLeseFlaeche(anlage, monat, u"CSolarOpt::BerechneEinspeisSchritt",
                         u"CSolarOpt::BerechneEinspeisSchritt(P3)",
                         u"CSolarOpt::BerechneEinspeisSchritt(P2)");
    energie = 0.0f;
    if (v.art == 0) return;
    if (v.art > kErdreich)
        ThrowFehler(textid::kFalscheKonstante, u"CSolarOpt::BerechneEinspeisSchritt");
    if (!(flaeche > 0.0f))
        ThrowFehler(textid::kDatenFehlen, u"CSolarOpt::BerechneEinspeisSchritt(P2)");

    CSolareGewinne ertraege;
    ISolar::GetKollektorErtraege(anlage, v.ertragsKey, ertraege);
    float ertrag = ertraege.GetGewinnWert(monat) * flaeche;  // Y

    float stunden = v.laufStunden;  // H
    if (v.art == kWarmwasser) {
        stunden = kStundenImMonat;
        ertrag *= v.wwFaktor;
    } else if (!(stunden >= 0.0f && stunden <= kStundenImMonat)) {
        ThrowFehler(0, std::u16string_view());
    }

    float bedarf = stunden * v.bedarf / kStundenImMonat;  // N
    float deckel = v.bedarf;                              // C
    if (v.art == kErdreich) {
        bedarf = ErdFaktor(v.erdFaktor, v.erdFlag) * ertrag;
        deckel = bedarf;
    }
    const float verlust = v.art == kHeizung ? HeizVerlust(v.verlust) : 0.0f;
    const float extra = v.art == kErdreich && !ersterVerbraucher ? grenze : 0.0f;  // E

    const float verfuegbar = ertrag * frei / 100.0f + extra;  // V
    float rest = verfuegbar - bedarf;                         // R
    float ergebnis = 0.0f;
    if (bedarf > 0.0f) {
        ergebnis += std::min(verfuegbar, bedarf);
        rest = std::max(rest, 0.0f);
        if (rest >= verlust) {
            ergebnis += verlust;
            rest -= verlust;
        } else {
            ergebnis += rest;
            rest = 0.0f;
        }
        if (ergebnis > deckel) {
            rest += ergebnis - deckel;
            ergebnis = deckel;
        }
    }
    energie = ergebnis / flaeche;
    const float basis = ertrag + extra;
    frei = basis >= kMinErtrag ? rest * 100.0f / basis : 100.0f;
    frei = std::clamp(frei, 0.0f, 100.0f);
}
