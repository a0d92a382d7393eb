#include "dialogs/KlimaDlgLogik.h"

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

constexpr unsigned kFrageSpeichern = 3299;     // "Save changes of %s?"
constexpr unsigned kZuordnungFehlt = 3819;     // "No associated weather, ground or sunshine data selected!"
constexpr int kArtBodenort = 4;                // new-component kinds of AddNeuesObjekt
constexpr int kArtKlimaort = 5;
constexpr TKelvoDatenID kZuordnungsIds[] = {ID_666, ID_667, ID_668};

}  // namespace

CKlimaDlgLogik::CKlimaDlgLogik(unsigned short modus, bool tovrel)
    : m_modus(modus), m_tovrel(tovrel) {}

TKelvoListID CKlimaDlgLogik::OrtsListe(const char16_t* ort) const {
    if (m_modus == kKlimaorte) return LISTE_KLIMAORTE;
    if (m_modus == kBodentemperaturen) return LISTE_BODENORTE;
    ThrowFehler(textid::kFalscheKonstante, ort);
}

CKlimaDlgLogik::SFreigabe CKlimaDlgLogik::Freigabe() const {
    const bool bibo = IGlobal::IstBiboName(m_name);
    SFreigabe f;
    f.nurLesen = bibo || !IstOrtGewaehlt(m_name) || m_unlesbar;
    f.werteSichtbar = m_modus == kKlimaorte || !bibo || m_tovrel;
    f.nurLesenHinweis = f.nurLesen && f.werteSichtbar;
    f.okAktiv = !m_name.IsEmpty();
    return f;
}

void CKlimaDlgLogik::Init() {
    OrtsListe(u"CKlimaDlg::OnInitDialog");
    m_auswahl.FuelleLaender(m_tovrel);
    LandGewaehlt(m_auswahl.Land());
}

bool CKlimaDlgLogik::LandGewaehlt(int index) {
    if (!Speichern(false)) return false;
    m_name.Empty();
    m_auswahl.SetLand(index);
    if (m_auswahl.Land() < 0) return true;
    m_auswahl.SetPlz(COrtsAuswahl::kAllePlz);
    try {
        FuelleOrtsListe(true);
        FuelleMonatsTemps();
    } catch (const platform::UserException&) {
    }
    return true;
}

bool CKlimaDlgLogik::PlzGewaehlt(int index) {
    if (!Speichern(false)) return false;
    m_name.Empty();
    m_auswahl.SetPlz(index);
    if (m_auswahl.Land() < 0 || m_auswahl.Plz() < 0) return true;
    try {
        FuelleOrtsListe(false);
        FuelleMonatsTemps();
    } catch (const platform::UserException&) {
    }
    return true;
}

void CKlimaDlgLogik::FuelleOrtsListe(bool mitZuordnungen) {
    const TKelvoListID liste = OrtsListe(u"CKlimaDlg::fillOrteListe");
    m_orte = m_auswahl.Orte(liste);
    if (m_modus == kKlimaorte && mitZuordnungen) {
        const CVRMString ausKlima(textid::kAusKlimaBerechnet, nullptr);
        m_zuordnungsListen[kWetterort] = m_auswahl.Orte(LISTE_WETTERORTE);
        m_zuordnungsListen[kWetterort].Add(ausKlima);
        m_zuordnungsListen[kBodenort] = m_auswahl.Orte(LISTE_BODENORTE);
        m_zuordnungsListen[kBodenort].Add(ausKlima);
        m_zuordnungsListen[kSonnenort] = m_auswahl.Orte(LISTE_SONNENORTE);
        m_zuordnungsListen[kSonnenort].Add(GetStdBodenName());
        m_zuordnung.fill(-1);
    }
    if (!IstOrtGewaehlt(m_name)) m_name = m_orte.GetAt(0);
}

void CKlimaDlgLogik::FuelleMonatsTemps() {
    m_monate.fill(0.0f);
    m_normAussenTemp = 0.0f;
    m_geaendert = false;
    m_unlesbar = false;
    if (m_name.IsEmpty()) {
        m_zuordnung.fill(-1);
        return;
    }
    if (m_modus != kKlimaorte && m_modus != kBodentemperaturen)
        ThrowFehler(textid::kFalscheKonstante, u"CKlimaDlg::FillMonatsTemps");
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    try {
        if (m_modus == kKlimaorte) {
            daten.GetMonatsWerte(m_name, m_monate);
            m_normAussenTemp = daten.getNormAussenTemp(m_name).GetFloatVal();
            WaehleZuordnungen();
        } else {
            daten.GetBodenMonatsTemps(m_name, m_monate, Bezugsklimaort());
        }
    } catch (const platform::UserException&) {
        // The read error was shown. The zeros in its place are no values of the location:
        // a save would write them over the whole stored record.
        m_unlesbar = true;
        throw;
    }
}

void CKlimaDlgLogik::WaehleZuordnungen() {
    m_zuordnung.fill(-1);
    if (!IstOrtGewaehlt(m_name)) return;
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    const CVRMString texte[kZuordnungen] = {daten.GetKlimaortText666(m_name),
                                            daten.GetKlimaortName(m_name),
                                            daten.GetKlimaortText668(m_name)};
    for (int z = 0; z < kZuordnungen; ++z) {
        CVRMStringArray& liste = m_zuordnungsListen[z];
        const auto it = std::ranges::find(liste, texte[z]);
        m_zuordnung[z] = it == liste.end() ? -1 : static_cast<int>(it - liste.begin());
    }
    // The sunshine box is not shown, so the user could never make up for a missing choice:
    // a sunshine location outside the list (another country's) is kept as it is stored.
    if (m_zuordnung[kSonnenort] < 0 && !texte[kSonnenort].IsEmpty())
        m_zuordnung[kSonnenort] = m_zuordnungsListen[kSonnenort].Add(texte[kSonnenort]);
}

CVRMString CKlimaDlgLogik::ZuordnungsText(Zuordnung z) const {
    return m_zuordnungsListen[z].GetAt(m_zuordnung[z]);
}

CVRMString CKlimaDlgLogik::Bezugsklimaort() const {
    CVRMString klimaort;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_KLIMAORT, klimaort);
    return klimaort;
}

void CKlimaDlgLogik::SpeichereWerte(const CVRMString& name) {
    ResetAlleBerechnungen();
    // The location's values reach the file together, or none does.
    CSpeicherVorgang vorgang;
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    if (m_modus == kKlimaorte) {
        daten.SaveKlimaMonatsTemps(name, m_monate);
        daten.SaveNormAussenTemp(name, m_normAussenTemp);
        for (int z = 0; z < kZuordnungen; ++z)
            daten.SaveWert(name, kZuordnungsIds[z], ZuordnungsText(static_cast<Zuordnung>(z)));
        daten.SaveWert(name, ID_662, u"1");
    } else if (m_modus == kBodentemperaturen) {
        daten.SaveBodenMonatsTemps(name, m_monate);
        daten.SaveWert(name, ID_664, u"1");
    } else {
        ThrowFehler(textid::kFalscheKonstante, u"CKlimaDlg::SaveMonatsTemps");
    }
    vorgang.Abschliessen();
}

bool CKlimaDlgLogik::Speichern(bool vonOk) {
    if (!m_geaendert) return true;
    // Library records and a missing location are never written, whatever the window let
    // through.
    if (Freigabe().nurLesen) {
        m_geaendert = false;
        return true;
    }
    if (!vonOk && !FrageSpeichern()) return true;
    // The record is written whole or not at all: a missing assignment refuses before the
    // first value goes out.
    if (m_modus == kKlimaorte &&
        std::ranges::any_of(m_zuordnung, [](int index) { return index < 0; })) {
        KVSMessageBoxID(kZuordnungFehlt, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        return false;
    }
    SpeichereWerte(m_name);
    m_geaendert = false;
    return true;
}

bool CKlimaDlgLogik::OrtGewaehlt(const CVRMString& neu) {
    if (neu == m_name) return true;
    if (!Speichern(false)) return false;
    m_name = neu;
    try {
        FuelleMonatsTemps();
    } catch (const platform::UserException&) {
    }
    return true;
}

bool CKlimaDlgLogik::FrageSpeichern() const {
    CVRMString frage;
    frage.Format(kFrageSpeichern, std::u16string_view(m_name));
    return KVSMessageBoxCaptionID(frage, textid::kProduktCaption,
                                  platform::mb::YESNO | platform::mb::ICONQUESTION) ==
           platform::id::YES;
}

bool CKlimaDlgLogik::Abbrechen(const std::function<bool()>& eingabenLesen) {
    if (!m_geaendert || m_name.IsEmpty() || Freigabe().nurLesen) return true;
    // Entries are read only once the user wants them kept: an entry that would be refused
    // does not stand in the way of discarding it.
    if (!FrageSpeichern()) return true;
    return eingabenLesen() && Speichern(true);
}

bool CKlimaDlgLogik::NeuerOrt() {
    if (!Speichern(false)) return false;
    // The new record starts from the values shown; hidden library values stay hidden.
    if (!Freigabe().werteSichtbar) {
        m_monate.fill(0.0f);
        m_normAussenTemp = 0.0f;
    }
    CVRMString zuordnungen[kZuordnungen] = {CVRMString(textid::kAusKlimaBerechnet, nullptr),
                                            CVRMString(textid::kAusKlimaBerechnet, nullptr),
                                            GetStdBodenName()};
    for (int z = 0; z < kZuordnungen; ++z)
        if (m_zuordnung[z] >= 0) zuordnungen[z] = ZuordnungsText(static_cast<Zuordnung>(z));

    CVRMString neu;
    if (!AddNeuesObjekt(m_modus == kKlimaorte ? kArtKlimaort : kArtBodenort, neu)) return false;
    try {
        if (m_modus == kKlimaorte) {
            for (int z = 0; z < kZuordnungen; ++z) {
                m_zuordnungsListen[z] = {zuordnungen[z]};
                m_zuordnung[z] = 0;
            }
        }
        SpeichereWerte(neu);
        m_name = neu;
        m_auswahl.WaehleLandVon(neu);
        FuelleOrtsListe(true);
        // A name of a country the options do not offer is still shown.
        if (std::ranges::find(m_orte, neu) == m_orte.end()) m_orte.Add(neu);
        FuelleMonatsTemps();
    } catch (const platform::UserException&) {
    }
    return true;
}
