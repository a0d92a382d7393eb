// The design test of a heat source with the current entries of its two pages: the checks
// before it, the figures of the source without and with solar feed-in, and the dialog that
// shows them.
#include <cmath>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/QuellenEingaben.h"
#include "app/doc/WQTestDlgLogik.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/KelvoApp.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kDatenFehlen = 3135;  // "Heat source, heat pump, building and tariff data ..."
constexpr unsigned kHausSpeichern = 3369;  // "You have to save the building data first"
constexpr unsigned kSeite1Speichern = 3401, kSeite2Speichern = 3402;
constexpr unsigned kNichtKompatibel = 3126;
constexpr unsigned kLuftNichtMoeglich = 3152, kWasserNichtMoeglich = 3153;
constexpr unsigned kTestFehler = 3113;   // "Test could not be done"
constexpr char16_t kEwtsNichtMoeglich[] = u"Auslegungstest für EWTS-Sonden nicht möglich";
constexpr auto kHinweis = platform::mb::ICONINFORMATION;

bool Geaendert(CKVSDatenPage* seite) { return seite && seite->m_modified; }

// The operating modes whose design point is the bivalence temperature.
bool MitBivalenzTemp(int modus) { return modus == 0 || (modus >= 2 && modus <= 8); }

}  // namespace

void CKelvoDoc::DoAuslegungTestWQ(CKVSDatenPage* mediumSeite, CKVSDatenPage* absorberSeite) {
    try {
        auto* medium = dynamic_cast<CQuellenEingaben*>(mediumSeite);
        auto* absorber = dynamic_cast<CQuellenEingaben*>(absorberSeite);
        if (!m_haus.IstInitialisiert() || !medium || !m_tarif.IstInitialisiert() || !m_wpumpe.IstGueltig() ||
            !absorber) {
            KVSMessageBoxID(kDatenFehlen, textid::kProduktCaption, kHinweis);
            return;
        }
        if (Geaendert(m_hausSeite)) {
            KVSMessageBoxID(kHausSpeichern, textid::kProduktCaption, kHinweis);
            m_sheet->SetActivePageByID(kHausSeite);
            return;
        }
        // Unsaved master data are told (and shown) by the check itself.
        if (GetKelvoAppObjekt().PruefeStammdatenGespeichert()) return;
        const bool zwei = m_kombiQuelle.GetAnzahlWQuellen() > 1;
        if (zwei && (!m_wq1Seite || !m_wq1Seite2 || !m_wq2Seite || !m_wq2Seite2))
            ThrowFehler(0, u"CKelvoDoc::DoAuslegungTestWQ");
        if (Geaendert(m_wq1Seite) || (zwei && Geaendert(m_wq1Seite2))) {
            KVSMessageBoxID(kSeite1Speichern, textid::kProduktCaption, kHinweis);
            return;
        }
        if (Geaendert(m_wq2Seite) || (zwei && Geaendert(m_wq2Seite2))) {
            KVSMessageBoxID(kSeite2Speichern, textid::kProduktCaption, kHinweis);
            return;
        }
        if (!mediumSeite->PruefeDaten()) return;
        const int art = medium->GetEingabeI(ID_QuellMediumIdx);
        if (!m_wpumpe.PasstZuQuellenMedium(art, -2)) {
            ShowFehler(kNichtKompatibel, nullptr);
            return;
        }
        const unsigned anzahl = medium->GetEingabeU(ID_SoleKreise);
        const float lambda = medium->GetEingabeF(ID_Waermeleitzahl);
        const int feuchte = medium->GetEingabeI(ID_AbsLageBodenIdx);
        const int richtung = medium->GetEingabeI(ID_AbsRichtungIdx);
        const float aussen = absorber->GetEingabeF(ID_RohrAussen);
        CWQuelle2& quelle = *GetWQuelle(mediumSeite->IstErsteWQuelle());
        const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
        unsigned laenge = 0, faktor = 1;
        switch (art) {
            case 0:
                laenge = medium->GetEingabeU(ID_WQuelleLaenge) * anzahl;
                break;
            case 1:
                laenge = medium->GetEingabeU(ID_WQuelleLaenge);
                faktor = medium->GetEingabeU(ID_WQuelleFlaeche);
                break;
            case 2:
                KVSMessageBoxID(kLuftNichtMoeglich, textid::kProduktCaption, kHinweis);
                return;
            case 3:
                KVSMessageBoxID(kWasserNichtMoeglich, textid::kProduktCaption, kHinweis);
                return;
            case 4:
                KVSMessageBoxCaptionID(CVRMString(kEwtsNichtMoeglich), textid::kProduktCaption, kHinweis);
                return;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::DoAuslegungTestWQ");
        }
        const int modus = absorber->GetEingabeI(ID_BetrWeiseIdx);
        const int temp = MitBivalenzTemp(modus)
                             ? absorber->GetEingabeI(ID_DimPunktTemp)
                             : platform::toInt32(std::trunc(m_haus.GetNormAussenTemp().GetFloatVal()));
        if (!CheckReynoldsZahl(1)) return;
        if (zwei && !CheckReynoldsZahl(0)) return;

        // The figures without (case 0) and with (case 1) what the solar plant feeds in.
        const SDimWerte dim = GetDimWerte(static_cast<float>(temp));
        const float vorlauf = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
        const float ruecklauf = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
        const bool direkt = IstDirektverdampfer();
        const float anteil = CAuswertManager::GetQuellenAnteil(m_kombiQuelle, &quelle, m_haus, direkt);
        float e1 = 0.0f, e2 = 0.0f, e1Mit = 0.0f, e2Mit = 0.0f;
        KaelteLeistungen(e1, e2, &m_wpumpe, vorlauf, ruecklauf, vorlauf, dim.quellTemp, quelle, false, ort);
        KaelteLeistungen(e1Mit, e2Mit, &m_wpumpe, vorlauf, ruecklauf, vorlauf, dim.quellTemp, quelle, true, ort);
        e1 *= anteil;
        e2 *= anteil;
        e1Mit *= anteil;
        e2Mit *= anteil;
        const int ok = quelle.TesteAuslegung(art, e1, e2, direkt, ort, laenge, faktor, lambda, feuchte, richtung, -1);
        const int okMit =
            quelle.TesteAuslegung(art, e1Mit, e2Mit, direkt, ort, laenge, faktor, lambda, feuchte, richtung, -1);
        float f1 = 1.0f, f2 = 1.0f;
        quelle.GetVerlegeFaktoren(aussen, direkt, ort, f1, f2);
        CWQBerechnung& rechnung = quelle.Berechnung();
        const float laengeF = static_cast<float>(laenge), faktorF = static_cast<float>(faktor);
        const float mse = rechnung.GetMSE(art, e1, laengeF, faktorF);
        const float mseGrenze = rechnung.GetMSEGrenze(art, lambda, feuchte, richtung,
                                                      quelle.GetWert(ID_Sondenart).GetIntVal(), f1, f2);
        const float eje = rechnung.GetEJE(art, e2, laengeF, faktorF);
        const float ejeMit = rechnung.GetEJE(art, e2Mit, laengeF, faktorF);
        const float ejeGrenze = rechnung.GetEJEGrenze(art, lambda, feuchte, richtung);
        const int mitEinspeisung = m_haus.HatSolarAnlage() || m_haus.HatAbluftAnlage() || m_haus.HatKuehlAnlage();

        SWQTestWerte werte;
        werte.art = art;
        werte.ok = ok;
        werte.okMitZusatz = !ok && okMit;
        werte.mitEinspeisung = mitEinspeisung;
        werte.leistung = mse;
        werte.leistungGrenze = mseGrenze;
        werte.energie = eje;
        werte.energieMit = ejeMit;
        werte.energieGrenze = ejeGrenze;
        if (const auto& zeige = FensterFabrik().auslegungTest) zeige(werte, mediumSeite);
    } catch (const platform::UserException&) {
        ShowFehler(kTestFehler, u"KelvoDoc::AuslegungTestWQuelle");
    }
}
