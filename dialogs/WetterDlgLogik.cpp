#include "dialogs/WetterDlgLogik.h"

#include <algorithm>

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "evaluation/AuswertManager.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "model/data/NeuesObjekt.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kFrageSpeichern = 3301;  // "Save changed weather data of %s?"
constexpr int kArtWetterort = 6;            // new-component kind of AddNeuesObjekt

// The climate location whose climate gives the classes of a weather record computed from
// it.
CVRMString Bezugsklimaort() {
    CVRMString klimaort;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_KLIMAORT, klimaort);
    return klimaort;
}

}  // namespace

CWetterDlgLogik::CWetterDlgLogik(bool tovrel, bool conf) : m_tovrel(tovrel), m_conf(conf) {}

CWetterDlgLogik::SFreigabe CWetterDlgLogik::Freigabe() const {
    SFreigabe f;
    f.werteSichtbar = !IGlobal::IstBiboName(m_name) || m_conf;
    f.nurLesen = m_unlesbar;
    f.okAktiv = !m_name.IsEmpty();
    return f;
}

void CWetterDlgLogik::Init() {
    m_auswahl.FuelleLaender(m_tovrel);
    LandGewaehlt(m_auswahl.Land());
}

bool CWetterDlgLogik::LandGewaehlt(int index) {
    if (!Speichern(false)) return false;
    m_name.Empty();
    m_auswahl.SetLand(index);
    if (m_auswahl.Land() < 0) return true;
    m_auswahl.SetPlz(COrtsAuswahl::kAllePlz);
    try {
        FuelleOrtsListe();
        Laden();
    } catch (const platform::UserException&) {
    }
    return true;
}

bool CWetterDlgLogik::PlzGewaehlt(int index) {
    if (!Speichern(false)) return false;
    m_name.Empty();
    m_auswahl.SetPlz(index);
    if (m_auswahl.Land() < 0 || m_auswahl.Plz() < 0) return true;
    try {
        FuelleOrtsListe();
        Laden();
    } catch (const platform::UserException&) {
    }
    return true;
}

void CWetterDlgLogik::FuelleOrtsListe() {
    m_orte = m_auswahl.Orte(LISTE_WETTERORTE);
    if (!IstOrtGewaehlt(m_name)) m_name = m_orte.GetAt(0);
}

void CWetterDlgLogik::Laden() {
    m_haeufigkeiten.fill(0.0f);
    m_geaendert = false;
    m_unlesbar = false;
    if (m_name.IsEmpty()) {
        m_klasse = -1;
        m_tage = 0.0f;
        return;
    }
    m_klasse = 0;
    m_tage = 0.0f;
    try {
        CVRMdatenProvider2::Get().GetTempHaeufigkeiten(m_name, m_haeufigkeiten, Bezugsklimaort());
    } catch (const platform::UserException&) {
        // The read error was shown. The zeros in its place are no classes of the location:
        // a save would write them over the whole stored record.
        m_unlesbar = true;
        throw;
    }
    m_tage = m_haeufigkeiten[0];
}

void CWetterDlgLogik::PruefeKlasse(int klasse) const {
    if (klasse < 0 || klasse >= kKlassen) ThrowFehler(0, nullptr, 0);
}

void CWetterDlgLogik::TageUebernehmen() {
    if (!m_geaendert) return;
    PruefeKlasse(m_klasse);
    m_haeufigkeiten[static_cast<size_t>(m_klasse)] = m_tage;
}

void CWetterDlgLogik::KlasseGewaehlt(int klasse) {
    PruefeKlasse(klasse);
    if (m_klasse >= 0) TageUebernehmen();
    m_klasse = klasse;
    m_tage = m_haeufigkeiten[static_cast<size_t>(klasse)];
}

bool CWetterDlgLogik::Speichern(bool vonOk) {
    if (!m_geaendert) return true;
    // Hidden library values and those of a record that could not be read cannot have been
    // edited; nothing is written for them.
    if (!Freigabe().werteSichtbar || Freigabe().nurLesen || !IstOrtGewaehlt(m_name)) {
        m_geaendert = false;
        return true;
    }
    // Days entered and confirmed with Enter reach their class without leaving the field.
    if (m_klasse >= 0) TageUebernehmen();
    if (!vonOk && !FrageSpeichern()) return true;
    ResetAlleBerechnungen();
    CSpeicherVorgang vorgang;  // the record's values reach the file together
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    daten.SaveWetterWerte(m_name, m_haeufigkeiten);
    daten.SaveWert(m_name, ID_663, u"1");
    vorgang.Abschliessen();
    m_geaendert = false;
    return true;
}

bool CWetterDlgLogik::OrtGewaehlt(const CVRMString& neu) {
    if (neu == m_name) return true;
    if (!Speichern(false)) return false;
    m_name = neu;
    try {
        Laden();
    } catch (const platform::UserException&) {
    }
    return true;
}

bool CWetterDlgLogik::FrageSpeichern() const {
    CVRMString frage;
    frage.Format(kFrageSpeichern, std::u16string_view(m_name));
    return KVSMessageBoxCaptionID(frage, textid::kProduktCaption,
                                  platform::mb::YESNO | platform::mb::ICONQUESTION) ==
           platform::id::YES;
}

bool CWetterDlgLogik::Abbrechen(const std::function<bool()>& eingabenLesen) {
    if (!m_geaendert || m_name.IsEmpty() || !Freigabe().werteSichtbar || Freigabe().nurLesen) return true;
    // Entries are read only once the user wants them kept: an entry that would be refused
    // does not stand in the way of discarding it.
    if (!FrageSpeichern()) return true;
    return eingabenLesen() && Speichern(true);
}

bool CWetterDlgLogik::NeuerOrt() {
    if (!Speichern(false)) return false;
    // The new record starts from the classes shown; hidden library values stay hidden.
    if (!Freigabe().werteSichtbar) m_haeufigkeiten.fill(0.0f);
    CVRMString neu;
    if (!AddNeuesObjekt(kArtWetterort, neu)) return false;
    try {
        ResetAlleBerechnungen();
        CSpeicherVorgang vorgang;
        CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
        daten.SaveWetterWerte(neu, m_haeufigkeiten);
        daten.SaveWert(neu, ID_663, u"1");
        vorgang.Abschliessen();
        m_name = neu;
        m_auswahl.WaehleLandVon(neu);
        FuelleOrtsListe();
        // A name of a country the options do not offer is still shown.
        if (std::ranges::find(m_orte, neu) == m_orte.end()) m_orte.Add(neu);
        Laden();
    } catch (const platform::UserException&) {
    }
    return true;
}
