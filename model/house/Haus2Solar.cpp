// The house's solar side: the monthly destinations of the heat of solar systems 1 to 3,
// the solar gains by destination and the checks of the solar data.
#include <algorithm>
#include <array>

#include "core/records/SolareGewinne.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoBindungen.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kFehlerBeimSpeichern = 3103;  // "Error when saving component"
constexpr unsigned kOhneGewinnWawa = 3573;       // "Solar feed into hot water tank:"
constexpr unsigned kOhneGewinnHeizung = 3574;    // "Solar feed into building heating:"
constexpr unsigned kOhneGewinnErde = 3576;       // "Solar feed into heat pump/ground:"
// "There is at least one month with solar feed into heat pump/ground."
constexpr unsigned kErdeNurSole = 3264;
// "There is at least one month with solar feed into hot water tank."
constexpr unsigned kWawaNurMitWP = 3262;
constexpr char16_t kTrenner = u'#';
constexpr unsigned short kSysteme = 3;
constexpr float kMinAnteilGewinn = 0.05f;
constexpr unsigned kAnteilJeMonat = 40;

void Hinweis(unsigned textId) {
    KVSMessageBoxID(textId, textid::kProduktCaption,
                    platform::mb::OK | platform::mb::ICONINFORMATION);
}

TKelvoDatenID WohinId(unsigned short system) {
    return static_cast<TKelvoDatenID>(ID_SolarWohin1 + system - 1);
}

bool IstSystem(unsigned short system) {
    return system >= 1 && system <= kSysteme;
}

}  // namespace

void CHaus2::ParseSolarWohin(const CVRMString& text, SolarWohinArray& wohin) {
    if (wohin.size() < kMonate) ThrowFehler(textid::kDatenFehlen, u"SetSolarWohin(static)");
    std::fill(wohin.begin(), wohin.begin() + kMonate, kNirgends);
    std::u16string_view rest = text.view();
    for (size_t i = 0; i < kMonate; ++i) {
        const size_t pos = rest.find(kTrenner);
        if (pos == std::u16string_view::npos) break;
        wohin[i] = platform::parseUInt32(rest.substr(0, pos));
        rest.remove_prefix(pos + 1);
    }
}

void CHaus2::SetSolarWohin(const CVRMString& text, unsigned short system) {
    try {
        if (!IstSystem(system)) ThrowFehler(textid::kDatenFehlen, u"CHaus2::SetSolarWohin(s)");
        ParseSolarWohin(text, m_solarWohin[system - 1]);
    } catch (const platform::UserException&) {
        ShowFehler(textid::kKeineErgebnisse, u"Haus2::SetSolarWohin(s)");
    }
}

const CHaus2::SolarWohinArray& CHaus2::GetSolarWohinArray(unsigned short system) const {
    if (!IstSystem(system)) ThrowFehler(textid::kDatenFehlen, u"CHaus2::GetSolarWohinArray");
    return m_solarWohin[system - 1];
}

const CHaus2::SolarWohinArray& CHaus2::GetSolarWohin(unsigned short system) {
    PruefeInit(u"CHaus2::GetSolarWohin()");
    if (!IstSystem(system)) ThrowFehler(textid::kDatenFehlen, u"CHaus2::GetSolarWohin()");
    return m_solarWohin[system - 1];
}

unsigned CHaus2::GetSolarWohin(unsigned short monat, unsigned short system) {
    PruefeInit(u"CHaus2::GetSolarWohin(us)");
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::GetSolarWohin(us)");
    if (!IstSystem(system)) ThrowFehler(textid::kDatenFehlen, u"CHaus2::GetSolarWohin2(us)");
    return m_solarWohin[system - 1][monat];
}

void CHaus2::SetSolarWohin(const SolarWohinArray& wohin, unsigned short system, bool flush) {
    PruefeInit(u"CHaus2::SetSolarWohin()");
    try {
        if (wohin.size() < kMonate || !IstSystem(system))
            ThrowFehler(textid::kDatenFehlen, u"CHaus2::SetSolarWohin()");
        m_solarWohin[system - 1].assign(wohin.begin(), wohin.begin() + kMonate);
        GetKelvoApp().ResetAuswertungen();
        CVRMString text;
        for (unsigned ziel : m_solarWohin[system - 1]) {
            CVRMString zahl;
            zahl.Format(textid::kFormatU, ziel);
            text += zahl;
            text += kTrenner;
        }
        SetWert(WohinId(system), CVRMVariant(text), flush);
    } catch (const platform::UserException&) {
        ThrowFehler(kFehlerBeimSpeichern, u"Haus2::SetSolarWohin");
    }
}

bool CHaus2::HatSolarWohin(unsigned ziel) const {
    for (const auto& wohin : m_solarWohin) {
        if (std::find(wohin.begin(), wohin.end(), ziel) != wohin.end()) return true;
    }
    return false;
}

void CHaus2::HolGewinne(const CVRMString& solarAnlage, unsigned short art,
                        CSolareGewinne& gewinne) {
    GetKelvoBindungen().GetSolarAufrufe().GetSolareGewinne(solarAnlage, art, gewinne);
}

void CHaus2::GetSolareGewinne(const CVRMString& solarAnlage, unsigned short ziel, MonatsWerte out,
                              bool proFlaeche) {
    PruefeInit(u"CHaus2::GetSolareGewinne");
    std::fill(out.begin(), out.end(), 0.0f);
    if (!IstSolarProjekt(solarAnlage)) return;
    CSolareGewinne gewinne;
    HolGewinne(solarAnlage, ziel, gewinne);
    for (const auto& wohin : m_solarWohin) {
        for (unsigned short monat = 0; monat < kMonate; ++monat) {
            if (wohin[monat] == ziel) out[monat] = gewinne.GetGewinnWert(monat);
        }
    }
    if (proFlaeche) return;
    const float flaeche =
        GetKelvoBindungen().GetSolarAufrufe().get(solarAnlage, ID_KFlaeche).GetFloatVal();
    for (float& wert : out) wert *= flaeche;
}

unsigned CHaus2::GetSolarGewinnAnteil(const CVRMString& solarAnlage) {
    if (!IstSolarProjekt(solarAnlage)) return 0;
    CSolareGewinne gewinne;
    HolGewinne(solarAnlage, kErdreich, gewinne);
    unsigned anteil = 0;
    // Only the summer months, May to September, feed the ground.
    for (unsigned short monat = 4; monat <= 8; ++monat) {
        const bool insErdreich = std::any_of(m_solarWohin.begin(), m_solarWohin.end(),
                                             [&](const auto& w) { return w[monat] == kErdreich; });
        if (insErdreich && gewinne.GetGewinnWert(monat) > kMinAnteilGewinn)
            anteil += kAnteilJeMonat;
    }
    return anteil;
}

bool CHaus2::DatenOK(bool wetterPruefen, const CVRMString& solarAnlage) {
    PruefeInit(u"CHaus2::DatenOK");
    if (!IstOrtGewaehlt(Text(ID_Klimaort))) {
        Hinweis(textid::kKeinKlimaort);
        return false;
    }
    if (wetterPruefen && !IstOrtGewaehlt(Text(ID_Wetterort))) {
        Hinweis(textid::kKeinWetterort);
        return false;
    }
    return SolarDatenOK(solarAnlage);
}

bool CHaus2::SolarDatenOK(const CVRMString& solarAnlage) {
    if (!IstSolarProjekt(solarAnlage)) return true;
    if (!IstOrtGewaehlt(Text(ID_Sonnenort))) {
        Hinweis(textid::kKeinSonnenort);
        return false;
    }
    std::array<CSolareGewinne, kSysteme> gewinne;  // kinds 1, 2, 3
    for (unsigned short art = 1; art <= kSysteme; ++art)
        HolGewinne(solarAnlage, art, gewinne[art - 1]);

    for (const auto& wohin : m_solarWohin) {
        for (unsigned short monat = 0; monat < kMonate; ++monat) {
            unsigned fehler = 0;
            switch (wohin[monat]) {
                case kNirgends:
                    break;
                case kWarmwasser:
                    if (!gewinne[0].IstGewinnEingetragen(monat)) fehler = kOhneGewinnWawa;
                    break;
                case kHeizung:
                    if (!gewinne[1].IstGewinnEingetragen(monat)) fehler = kOhneGewinnHeizung;
                    break;
                case kErdreich:
                    if (!gewinne[2].IstGewinnEingetragen(monat) ||
                        !gewinne[2].IstTempEingetragen(monat))
                        fehler = kOhneGewinnErde;
                    break;
                default:
                    ThrowFehler(textid::kFalscheKonstante, u"CHaus2::SolarDatenOK");
            }
            if (fehler != 0) {
                Hinweis(fehler);
                return false;
            }
        }
    }
    return true;
}

bool CHaus2::PruefeSolarWohin(const CVRMString& solarAnlage, bool keineErdEinspeisung) {
    if (!IstSolarProjekt(solarAnlage)) return true;
    bool ok = true;
    if (keineErdEinspeisung && HatSolarWohin(kErdreich)) {
        Hinweis(kErdeNurSole);
        ok = false;
    }
    if (Int(ID_WWmitWP) != 1 && HatSolarWohin(kWarmwasser)) {
        Hinweis(kWawaNurMitWP);
        return false;
    }
    return ok;
}
