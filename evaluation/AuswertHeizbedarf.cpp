// The heat pump's share of a month's heating demand: whether the backup heater runs at
// all, and the bin method below the bivalence point.
#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/HeizKontext.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"

namespace {

constexpr float kMinMonatsTage = 0.09f;
constexpr int kMediumLuft = 1;
constexpr int kMediumAbluft = 4;

// Undisturbed temperature of the first source in the month.
float UngestoerteTemp1(int monat, CHeizKontext& k) {
    CWQuelle2* quelle = k.kombi.GetErsteWQuelle();
    if (!quelle) ThrowFehler(0, nullptr);
    std::array<float, 12> temps{};
    quelle->GetQuellenTempsU(temps, k.haus.GetWert(ID_MittlRaumTemp).GetFloatVal(), -1, true,
                             k.haus.GetWert(ID_Klimaort).GetStringVal());
    return temps[static_cast<size_t>(monat)];
}

float MonatsBedarf(int monat, CHaus2& haus) {
    float bedarf = 0.0f;
    haus.MomentanerHeizbedarf(static_cast<unsigned short>(monat), 1, bedarf);
    return bedarf;
}

}  // namespace

bool CAuswertManager::MussZugeheiztWerden(int monat, CKombiWQuelle2& kombi, CWPumpe2& wpumpe,
                                          CHaus2& haus, CTarif2& tarif) {
    try {
        CHeizKontext kontext(kombi, wpumpe, haus, tarif);
        return MussZugeheiztWerden(monat, kontext);
    } catch (const platform::UserException&) {
        ShowFehler(textid::kKeineErgebnisse, u"CAuswertManager::MussZugeheiztWerden");
        return false;
    }
}

bool CAuswertManager::MussZugeheiztWerden(int monat, CHeizKontext& k) {
    try {
        if (!k.mitZuheizung) return false;
        if (k.medium == kMediumAbluft) {
            if (k.kombi.GetAnzahlWQuellen() > 1) ThrowFehler(0, nullptr);
            return WPLeistungBeiVorlauf(monat, UngestoerteTemp1(monat, k), k) <
                   MonatsBedarf(monat, k.haus) * k.sperrFaktor;
        }
        if (k.medium < 0 || k.medium > kMediumAbluft)
            ThrowFehler(textid::kFalscheKonstante, u"CAuswertManager::MussZugeheiztWerden");
        return GetMonatsAnteil(monat, k.tageUnterGrenze) * k.tageUnterGrenze > kMinMonatsTage;
    } catch (const platform::UserException&) {
        ShowFehler(textid::kKeineErgebnisse, u"CAuswertManager::MussZugeheiztWerden");
        return false;
    }
}

SHeizbedarfWP CAuswertManager::MomHeizbedarfDurchWP(int monat, float bedarf, float quellTemp,
                                                    float zweiteLast, CKombiWQuelle2& kombi,
                                                    CWPumpe2& wpumpe, CHaus2& haus,
                                                    CTarif2& tarif) {
    std::unique_ptr<CHeizKontext> kontext;
    try {
        kontext = std::make_unique<CHeizKontext>(kombi, wpumpe, haus, tarif);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"CAuswertManager::MomHeizbedarfDurchWP");
    }
    return MomHeizbedarfDurchWP(monat, bedarf, quellTemp, zweiteLast, *kontext);
}

SHeizbedarfWP CAuswertManager::MomHeizbedarfDurchWP(int monat, float bedarf, float quellTemp,
                                                    float zweiteLast, CHeizKontext& k) {
    SHeizbedarfWP r;
    r.bedarf = bedarf;
    r.wpAnteil = bedarf;
    r.zweitAnteil = zweiteLast;
    r.quellTemp1 = quellTemp;
    r.quellTemp2 = quellTemp;
    try {
        if (monat < 0 || monat > 11)
            ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::MomHeizbedarfDurchWP");
        if (!MussZugeheiztWerden(monat, k)) return r;
        if (k.medium == kMediumAbluft) {
            // Exhaust-air heat pumps are not evaluated further.
            if (k.kombi.GetAnzahlWQuellen() > 1) ThrowFehler(0, nullptr);
            r.wpAnteil =
                MaxWPLeistung(monat, bedarf, UngestoerteTemp1(monat, k), k.haus, k.wpumpe, k.tarif);
            ThrowFehler(0, nullptr);
        }

        SBinEingabe e{.bins = k.bins};
        e.monat = monat;
        e.grenzTemp = static_cast<float>(k.dimPunktTemp);
        e.medium = k.medium;
        e.quellTemp = quellTemp;
        e.monatsTemp = k.klimaTemps[static_cast<size_t>(monat)];
        e.minLuftTemp = k.minLuftTemp;
        e.maxVorlauf = static_cast<int>(
            k.tabelle->MaxVorlauf(k.medium == kMediumLuft ? e.grenzTemp : quellTemp));
        e.wpDarfLaufen = !(k.medium == kMediumLuft && quellTemp < k.minLuftTemp);
        e.zweiteLast = zweiteLast;
        e.sperrFaktor = k.sperrFaktor;
        e.sperrStdTag = k.sperrStdTag;
        const SBinErgebnis b = HeizbedarfDurchWP(e, &k);

        r.wpAnteil = std::max(0.0f, bedarf - b.zusatzHeiz / kStundenJeMonat);
        r.zweitAnteil = std::max(0.0f, zweiteLast - b.zusatzZweit / kStundenJeMonat);
        const float laufStunden = kStundenJeMonat - k.sperrStdMonat;
        if (laufStunden > 0.1f) {
            r.laufLeistung1 = std::min(b.wpHeiz / laufStunden, r.wpAnteil);
            r.laufLeistung2 = std::min(b.wpZweit / laufStunden, r.zweitAnteil);
        }
        r.quellTemp1 = b.quellTemp1;
        r.vorlaufTemp1 = b.vorlaufTemp1;
        r.quellTemp2 = b.quellTempRest;
        return r;
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"CAuswertManager::MomHeizbedarfDurchWP");
    }
}

SBinErgebnis CAuswertManager::HeizbedarfDurchWP(const SBinEingabe& eingabe, IBinModell* modell) {
    if (eingabe.medium < 0 || eingabe.medium > 3)
        ThrowFehler(textid::kFalscheKonstante, u"CAuswertManager::HeizbedarfDurchWP");
    if (!modell) ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::HeizbedarfDurchWP");
    return BerechneBins(eingabe, *modell);
}

float CAuswertManager::WPLeistungBeiVorlauf(int monat, float quellTemp, CHaus2& haus,
                                            CWPumpe2& wpumpe, CTarif2& tarif) {
    float vorlauf = 0.0f;
    haus.MomentaneVorlaufTemp(static_cast<unsigned short>(monat), CHeizKontext::SperrFaktor(tarif),
                              vorlauf, true);
    const float tv = haus.GetWert(ID_HeizVorlauf).GetFloatVal();
    const float tr = haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    float quelle = 0.0f, el = 0.0f;
    wpumpe.GetLeistungGesamt(CWPumpe2::kQuellLeistung, quellTemp, vorlauf, tv, tr, quelle);
    wpumpe.GetLeistungGesamt(CWPumpe2::kElektroLeistung, quellTemp, vorlauf, tv, tr, el);
    return haus.GetLueftungsLeistung(quelle, el);
}

float CAuswertManager::WPLeistungBeiVorlauf(int monat, float quellTemp, CHeizKontext& k) {
    return WPLeistungBeiVorlauf(monat, quellTemp, k.haus, k.wpumpe, k.tarif);
}

float CAuswertManager::MaxWPLeistung(int monat, float bedarf, float quellTemp, CHaus2& haus,
                                     CWPumpe2& wpumpe, CTarif2& tarif) {
    return std::min(WPLeistungBeiVorlauf(monat, quellTemp, haus, wpumpe, tarif), bedarf);
}
