// One month of the evaluation: the free heat goes to hot water and heating by the house's
// priorities, the heat pump covers what is left, then the sources and the brine follow.
#include <cmath>

#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/HeizKontext.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "model/house/WawaDaten.h"
#include "model/project/Projekt2.h"
#include "model/source/WQuelle2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr float kMinAnteil = 0.001f;
constexpr float kMinGewinn = 0.1f;      // kWh: less free heat counts as none
constexpr float kGewinnAbstand = 3.0f;  // K the fed-in heat must lie above the brine
// "(%s) Solar inlet temperature into heat pump/ground (minus exchange losses)\nis not %.0f °C
// higher than brine temperature.\nSolar input for heat pump/ground is ignored for this month."
constexpr unsigned kSolarZuKalt = 3570;
constexpr unsigned kReihenfolgeFehler = 3578;  // "Error in calculation sequence"
constexpr unsigned kQuelleZuKalt = 3352;       // "Heat source is cooled down too much"
constexpr unsigned kSoleZuKalt = 3407;         // "Brine is cooled down too much"
constexpr unsigned kWasserZuKalt = 6075;       // "Water is cooled down too much"
constexpr unsigned kUnterQuelle = 3361;        // "Below %.0f °C"
constexpr unsigned kUnterSole = 3362;          // "Below %.0f °C"
constexpr float kGrenzeQuelle = -8.0f;
constexpr float kGrenzeSole = -10.0f;
constexpr float kGrenzeWasser = 0.0f;
constexpr int kJuni = 5;
constexpr int kAugust = 7;
constexpr int kArtGrundwasser = 3;

[[noreturn]] void ZuKalt(unsigned textId, unsigned ortTextId, float grenze) {
    CVRMString ort;
    ort.Format(ortTextId, static_cast<double>(grenze));
    ThrowFehler(textId, ort.view());
}

}  // namespace

bool CAuswertManager::IstErdreich(CWQuelle2* quelle) {
    if (!quelle) return false;
    const int art = quelle->GetWert(ID_QuellMediumIdx).GetIntVal();
    return art == 0 || art == 1 || art == 4 || art == 5;
}

void CAuswertManager::DoBerechnungen(int monat, int vormonat) {
    float wwAnteil = 1.0f, heizAnteil = 1.0f;
    const float quellTemp = Reihe(ER_SoleTemp)[static_cast<size_t>(vormonat)];
    if (mitSolarenGewinnen()) {
        for (unsigned short prioritaet = 1; prioritaet <= 3; ++prioritaet)
            VerteileGewinne(monat, vormonat, prioritaet, quellTemp, wwAnteil, heizAnteil);
    }
    if (mitKuehlGewinnen() || mitAbluftGewinnen()) {
        if (!BerechneHeizungUndWarmwasser(monat, vormonat, quellTemp, wwAnteil, heizAnteil))
            BerechneHeizungUndWarmwasser(monat, vormonat, quellTemp, wwAnteil, heizAnteil);
    }
    if (wwAnteil > kMinAnteil) BerechneWarmwasser(monat, quellTemp, wwAnteil, true);
    if (heizAnteil > kMinAnteil) BerechneHeizung(monat, quellTemp, heizAnteil, true);
    if (wwAnteil >= kMinAnteil)
        ThrowFehler(kReihenfolgeFehler, u"CAuswertManager::DoBerechnungen1");
    if (heizAnteil >= kMinAnteil)
        ThrowFehler(kReihenfolgeFehler, u"CAuswertManager::DoBerechnungen2");
    BerechneQuellenTemps(monat);
}

void CAuswertManager::VerteileGewinne(int monat, int vormonat, unsigned short prioritaet,
                                      float quellTemp, float& wwAnteil, float& heizAnteil) {
    switch (m_haus->GetSolarWohin(static_cast<unsigned short>(monat), prioritaet)) {
        case CHaus2::kWarmwasser:
            BerechneWarmwasser(monat, quellTemp, wwAnteil, false);
            break;
        case CHaus2::kHeizung:
            BerechneHeizung(monat, quellTemp, heizAnteil, false);
            break;
        case CHaus2::kErdreich:
            if (!BerechneHeizungUndWarmwasser(monat, vormonat, quellTemp, wwAnteil, heizAnteil))
                BerechneHeizungUndWarmwasser(monat, vormonat, quellTemp, wwAnteil, heizAnteil);
            break;
        default:
            break;
    }
}

void CAuswertManager::BucheWarmwasser(int monat, const CWawaDaten& d, float& anteil) {
    Reihe(ER_WWWaerme)[monat] += d.m_gesamtEnergie;
    Reihe(ER_WWStrom)[monat] += d.m_elEnergie;
    Reihe(ER_WWZweiterWE)[monat] += d.m_nachheizEnergie;
    Reihe(ER_WWQuellEnergie)[monat] += d.m_quellEnergie;
    Reihe(ER_WWLaufzeit)[monat] += d.m_laufzeit;
    anteil = 0.0f;
}

void CAuswertManager::BerechneWarmwasser(int monat, float quellTemp, float& anteil, bool mitWP) {
    if (anteil < kMinAnteil) return;
    CWawaDaten daten;
    daten.m_quellTemp = quellTemp;
    WarmwasserEnergie(monat, anteil, daten);
    const float bedarf = daten.m_gesamtEnergie;
    float& gewinn = m_solarRestWW[monat];
    if (gewinn >= kMinGewinn && gewinn < bedarf) {
        anteil = (1.0f - gewinn / bedarf) * anteil;
        Reihe(ER_SolarWW)[monat] += gewinn;
        Reihe(ER_WWWaerme)[monat] += gewinn;
        gewinn = 0.0f;
        if (mitWP) {
            CWawaDaten rest;
            rest.m_quellTemp = quellTemp;
            WarmwasserEnergie(monat, anteil, rest);
            BucheWarmwasser(monat, rest, anteil);
        }
    } else if (gewinn >= kMinGewinn) {
        Reihe(ER_SolarWW)[monat] += bedarf;
        Reihe(ER_WWWaerme)[monat] += bedarf;
        gewinn -= bedarf;
        anteil = 0.0f;
    } else if (mitWP) {
        BucheWarmwasser(monat, daten, anteil);
    }
    BucheQuellAnteile(monat);
}

void CAuswertManager::AddiereWPReihen(int monat, float faktor, const SHeizung& h) {
    Reihe(ER_WPQuellLeistung)[monat] += faktor * h.quelle;
    Reihe(ER_WPHeizLeistung)[monat] += faktor * h.heiz;
    Reihe(ER_WPElLeistung)[monat] += faktor * h.el;
}

void CAuswertManager::BucheHeizung(int monat, const SHeizung& h, float& anteil) {
    Reihe(ER_HeizWaerme)[monat] += h.bedarf;
    Reihe(ER_HeizWPWaerme)[monat] += h.wpAnteil;
    Reihe(ER_HeizQuellEnergie)[monat] += h.quellEnergie;
    Reihe(ER_HeizLaufzeit)[monat] += h.laufzeit;
    Reihe(ER_HeizStrom)[monat] += h.el * h.laufzeit;
    AddiereWPReihen(monat, anteil, h);
    anteil = 0.0f;
}

void CAuswertManager::BerechneHeizung(int monat, float quellTemp, float& anteil, bool mitWP) {
    if (anteil < kMinAnteil) return;
    const float s = anteil;
    const SHeizung h = HeizEnergie(monat, quellTemp, s);
    const float bedarf = h.bedarf * kStundenJeMonat;
    float& gewinn = m_solarRestHeiz[monat];
    if (gewinn >= kMinGewinn && gewinn < bedarf) {
        const float f = gewinn / bedarf;
        anteil = (1.0f - f) * s;
        Reihe(ER_SolarHeiz)[monat] += gewinn;
        Reihe(ER_HeizWaerme)[monat] += gewinn / kStundenJeMonat;
        Reihe(ER_HeizWPWaerme)[monat] += gewinn / kStundenJeMonat;
        gewinn = 0.0f;
        AddiereWPReihen(monat, f * s, h);
        if (mitWP) BucheHeizung(monat, HeizEnergie(monat, quellTemp, anteil), anteil);
    } else if (gewinn >= kMinGewinn) {
        Reihe(ER_SolarHeiz)[monat] += bedarf;
        gewinn -= bedarf;
        // The solar heat covers the whole demand: no backup heat.
        Reihe(ER_HeizWaerme)[monat] += h.bedarf;
        Reihe(ER_HeizWPWaerme)[monat] += h.bedarf;
        if (1.0f - s > 0.01f) {
            for (TErgebnisReihe r : {ER_WPQuellLeistung, ER_WPHeizLeistung, ER_WPElLeistung})
                Reihe(r)[monat] /= 1.0f - s;
        } else {
            Reihe(ER_WPQuellLeistung)[monat] = h.quelle;
            Reihe(ER_WPHeizLeistung)[monat] = h.heiz;
            Reihe(ER_WPElLeistung)[monat] = h.el;
        }
        anteil = 0.0f;
    } else if (mitWP) {
        BucheHeizung(monat, h, anteil);
    }
    BucheQuellAnteile(monat);
}

void CAuswertManager::BucheQuellAnteile(int monat) {
    m_wwQuellAnteil1[monat] = m_anteil1 * Reihe(ER_WWQuellEnergie)[monat];
    m_wwQuellAnteil2[monat] = m_anteil2 * Reihe(ER_WWQuellEnergie)[monat];
    m_heizQuellAnteil1[monat] = m_anteil1 * Reihe(ER_HeizQuellEnergie)[monat];
    m_heizQuellAnteil2[monat] = m_anteil2 * Reihe(ER_HeizQuellEnergie)[monat];
}

bool CAuswertManager::BerechneHeizungUndWarmwasser(int monat, int, float quellTemp,
                                                   float& wwAnteil, float& heizAnteil) {
    float& e1 = Reihe(ER_Einspeisung1)[monat];
    float& e2 = Reihe(ER_Einspeisung2)[monat];
    float& gewinnTemp = m_gewinnTemp[monat];
    float einspeisung = e1 + e2;
    if (einspeisung >= kMinGewinn && quellTemp + kGewinnAbstand > gewinnTemp) {
        if (m_anpassModus != 0) {
            m_wiederholung = 1;
            gewinnTemp = quellTemp + kGewinnAbstand + 1.0f;
            if (monat >= kJuni && monat <= kAugust) m_sommerFlags[monat - kJuni] = 1;
            return false;
        }
        int32_t warnen = 1;
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_WARN_STU_SOLAR, warnen);
        if (warnen != 0) {
            CVRMString monatsName;
            monatsName.LoadStringW(getMonatAbkIDS(monat));
            CVRMString text;
            text.Format(kSolarZuKalt, monatsName.view(), static_cast<double>(kGewinnAbstand));
            KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                   platform::mb::OK | platform::mb::ICONINFORMATION);
        }
        e1 = e2 = 0.0f;
        einspeisung = 0.0f;
    }

    const bool mitWW = wwAnteil > kMinAnteil;
    const bool mitHeiz = heizAnteil > kMinAnteil;
    CWawaDaten ww;
    SHeizung h;
    if (mitWW) {
        ww.m_quellTemp = gewinnTemp;
        WarmwasserEnergie(monat, wwAnteil, ww);
    }
    if (mitHeiz) h = HeizEnergie(monat, gewinnTemp, heizAnteil);

    if (einspeisung != 0.0f) {
        const float entzug = (mitWW ? ww.m_quellEnergie : 0.0f) + (mitHeiz ? h.quellEnergie : 0.0f);
        // The heat the sources would give comes from the feed-in: no source energy is booked.
        const float f = einspeisung < entzug ? einspeisung / entzug : 1.0f;
        if (mitWW) {
            wwAnteil = (1.0f - f) * wwAnteil;
            Reihe(ER_WWWaerme)[monat] += f * ww.m_gesamtEnergie;
            Reihe(ER_WWStrom)[monat] += f * ww.m_elEnergie;
            Reihe(ER_WWZweiterWE)[monat] += f * ww.m_nachheizEnergie;
            Reihe(ER_WWLaufzeit)[monat] += f * ww.m_laufzeit;
        }
        if (mitHeiz) {
            const float alt = heizAnteil;
            heizAnteil = (1.0f - f) * heizAnteil;
            Reihe(ER_HeizWaerme)[monat] += f * h.bedarf;
            Reihe(ER_HeizWPWaerme)[monat] += f * h.wpAnteil;
            Reihe(ER_HeizLaufzeit)[monat] += f * h.laufzeit;
            Reihe(ER_HeizStrom)[monat] += f * h.laufzeit * h.el;
            AddiereWPReihen(monat, f * alt, h);
        }
        if (einspeisung < entzug) {
            e1 = e2 = 0.0f;
            Reihe(ER_EinspeisungWP)[monat] = einspeisung;
        } else {
            wwAnteil = heizAnteil = 0.0f;
            e1 = (einspeisung - entzug) * m_anteil1;
            e2 = (einspeisung - entzug) * m_anteil2;
            Reihe(ER_EinspeisungWP)[monat] = entzug;
        }
    }
    BucheQuellAnteile(monat);
    return true;
}

void CAuswertManager::BerechneQuellenTemps(int monat) {
    const float spreizung = m_jahr.spreizung;
    const float wpQuelle = Reihe(ER_WPQuellLeistung)[monat];
    const bool direkt = m_kontext->medium == 3;
    const SQuelle& q1 = m_quellDaten[0];
    const SQuelle& q2 = m_quellDaten[1];
    float t1 = 0.0f, t2 = 0.0f, b1 = 0.0f, b2 = 0.0f;
    m_quelle1->BerechneQuellenTemp(q1.temp, monat, m_heizQuellAnteil1, m_wwQuellAnteil1,
                                   Reihe(ER_UngestoertTemp1), Reihe(ER_Einspeisung1),
                                   Reihe(ER_QuellTemp1), spreizung, t1);
    Reihe(ER_QuellTemp1)[monat] = t1;
    if (m_quelle2) {
        m_quelle2->BerechneQuellenTemp(q2.temp, monat, m_heizQuellAnteil2, m_wwQuellAnteil2,
                                       Reihe(ER_UngestoertTemp2), Reihe(ER_Einspeisung2),
                                       Reihe(ER_QuellTemp2), spreizung, t2);
        Reihe(ER_QuellTemp2)[monat] = t2;
    }
    const bool erd1 = q1.erdreich, erd2 = m_quelle2 && q2.erdreich;
    if ((erd1 && t1 < kGrenzeQuelle) || (erd2 && t2 < kGrenzeQuelle))
        ZuKalt(kQuelleZuKalt, kUnterQuelle, kGrenzeQuelle);

    m_quelle1->SoleTemperatur(q1.sole, monat, t1, wpQuelle, spreizung, direkt, b1);
    if (m_quelle2) m_quelle2->SoleTemperatur(q2.sole, monat, t2, wpQuelle, spreizung, direkt, b2);
    if ((erd1 && b1 < kGrenzeSole) || (erd2 && b2 < kGrenzeSole))
        ZuKalt(kSoleZuKalt, kUnterSole, kGrenzeSole);

    if (q1.temp.art == kArtGrundwasser) {
        if (q1.zwischenkreis) b1 -= static_cast<float>(m_jahr.zwischenkreisVerlust);
        if (b1 < kGrenzeWasser) ZuKalt(kWasserZuKalt, kUnterSole, kGrenzeWasser);
    }

    const float w1 = erd1 ? q1.volStrom : 1.0f;
    const float w2 = erd2 ? q2.volStrom : 0.0f;
    float sole = b1;
    if (w1 + w2 > 0.0f) {
        sole = (w1 * b1 + w2 * b2) / (w1 + w2);
    } else if (m_quelle2) {
        // Neither source names a volume flow: both weigh the same.
        sole = 0.5f * (b1 + b2);
    }
    Reihe(ER_SoleTemp)[monat] = sole;
}
