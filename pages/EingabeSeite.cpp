#include "pages/EingabeSeite.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/doc/KelvoDoc.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwerteListe.h"
#include "dialogs/BiboSchreibschutz.h"
#include "evaluation/binding/Solar.h"
#include "model/app/KelvoAppServices.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"

namespace {
constexpr unsigned kSpeichernText = 4378;    // "Save"
constexpr unsigned kSchliessenText = 3717;   // "Close"
constexpr unsigned kHilfeText = 5178;        // "Help"
}  // namespace

CEingabeSeite::CEingabeSeite(const SSeitenArt& art, int eingebettet)
    : CKVSDatenPage(art.templateId, eingebettet, art.titelTextId), m_art(art) {
    m_frageTextId = art.frageTextId;
    m_frageCaptionId = art.titelTextId;
    setTitle(CResManager::getLangText(static_cast<uint16_t>(art.titelTextId)));
}

void CEingabeSeite::GetDefaultName(CVRMString& name) {
    name = CResManager::getLangText(static_cast<uint16_t>(m_art.titelTextId));
}

void CEingabeSeite::GetPageText(CVRMString& text) { GetDefaultName(text); }

CKelvoDoc& CEingabeSeite::Dokument() const {
    auto* dokument = dynamic_cast<CKelvoDoc*>(&GetDatenSheet().GetDokument());
    if (!dokument) ThrowFehler(0, nullptr);
    return *dokument;
}

// ---- opening ---------------------------------------------------------------------------

void CEingabeSeite::onInitPage() {
    try {
        CKVSDatenPage::onInitPage();
    } catch (const platform::UserException&) {
        // Refused while the program is busy: the page opens when it is next activated.
        return;
    }
    Einrichten();
}

bool CEingabeSeite::onSetActive() {
    try {
        if (!CKVSDatenPage::onSetActive()) return false;
    } catch (const platform::UserException&) {
        // Busy: the sheet stays on its page, without a message box of its own.
        return false;
    }
    if (!m_eingerichtet) Einrichten();
    return true;
}

void CEingabeSeite::Einrichten() {
    m_eingerichtet = true;
    FaerbeErklaerungen();
    InitSeite();
    EnableControls();
    ShowOkCancel(kIdHilfe);
    std::vector<SDlgText> texte = Texte();
    texte.push_back({kIdSpeichern, kSpeichernText});
    texte.push_back({kIdSchliessen, kSchliessenText});
    texte.push_back({kIdHilfe, kHilfeText});
    for (const SDlgText& t : texte)
        ui::setChildText(this, t.id, DlgText(t.textId, t.rand).toStdU16String());
    VerbindeAenderungen();
}

void CEingabeSeite::FaerbeErklaerungen() {
    for (int id : ErklaerTexte()) {
        auto* label = qobject_cast<QLabel*>(ui::child(this, id));
        if (!label) continue;
        QPalette farben = label->palette();
        farben.setColor(QPalette::WindowText, ui::toQColor(kErklaerText));
        farben.setColor(QPalette::Window, ui::toQColor(kErklaerGrund));
        label->setPalette(farben);
        label->setAutoFillBackground(true);
        label->setMargin(3);
    }
}

void CEingabeSeite::VerbindeAenderungen() {
    // Only what the user types counts: the texts the page writes itself do not make it
    // modified. Check boxes reach onCommand with their clicks.
    for (int id : Aenderungen())
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this,
                             [this] { ui::guarded(ui::Msg::Command, [this] { Geaendert(); }); });
}

// ---- changes, buttons ------------------------------------------------------------------

void CEingabeSeite::Geaendert() {
    if (!hasWindow()) return;
    m_modified = 1;
    EnableControls();
}

void CEingabeSeite::EnableControls() {
    if (hasWindow()) ui::enableChild(this, kIdSpeichern, m_modified != 0);
}

bool CEingabeSeite::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdSpeichern:
            onOK();
            return true;
        case kIdSchliessen:
            OnSchliessen();
            return true;
        case kIdHilfe:
            OnHelp();
            return true;
        default:
            break;
    }
    if (Befehl(id)) return true;
    const std::vector<int> aenderungen = Aenderungen();
    if (std::find(aenderungen.begin(), aenderungen.end(), id) != aenderungen.end()) {
        Geaendert();
        return true;
    }
    return CKVSDatenPage::onCommand(id, notifyCode, from);
}

void CEingabeSeite::onOK() { SaveModifiedData(); }

void CEingabeSeite::OnSchliessen() { SchliesseDatenSheet(); }

bool CEingabeSeite::onKillActive() {
    // An entry that is no number of its field keeps the user on the page.
    return !hasWindow() || LeseWerte();
}

// ---- data exchange ---------------------------------------------------------------------

void CEingabeSeite::doDataExchange(ui::DataExchange& dx) {
    try {
        Austausch(dx);
    } catch (const platform::UserException&) {
        m_austauschFehler = 1;
    }
}

void CEingabeSeite::ZeigeWerte() {
    if (hasWindow()) updateData(false);
}

bool CEingabeSeite::LeseWerte() {
    // A refusal of an earlier exchange does not count against entries corrected since.
    m_austauschFehler = 0;
    updateData(true);
    const bool gelesen = m_austauschFehler == 0;
    m_austauschFehler = 0;
    return gelesen;
}

// ---- saving ----------------------------------------------------------------------------

bool CEingabeSeite::DarfSpeichern() { return CheckBiboName(SatzName(), 0) != 0; }

bool CEingabeSeite::DarfKomponenteAendern(int art, const CVRMString& name) const {
    if (!IGlobal::IstBiboName(name) || GetKelvoApp().GetConfSchalter()) return true;
    // The page's own project is asked, whichever project window is the active one.
    if (art != 1 && art != 3 && !Dokument().IstProjektAenderbar(true)) return false;
    return ChangeBiboKomponente(art, name) != 0;
}

void CEingabeSeite::SetzeSolarWert(const CVRMString& anlage, TKelvoDatenID id, const CVRMVariant& wert) {
    if (!IstEingebettet()) {
        ISolar::set(anlage, id, wert, 1);
        return;
    }
    // Changed in memory, not saved: the design computes with it, and a reset of the
    // plant's values brings back the stored one.
    ISolar::get(anlage, id) = wert;
    const auto gleich = [&](const SSolarWert& w) { return w.anlage == anlage && w.id == id; };
    if (auto it = std::find_if(m_solarWerte.begin(), m_solarWerte.end(), gleich); it != m_solarWerte.end())
        it->wert = wert;
    else
        m_solarWerte.push_back({anlage, id, wert});
}

void CEingabeSeite::SchreibeUebernommene() {
    if (!m_uebernommen) return;
    for (const SSolarWert& w : m_solarWerte) ISolar::set(w.anlage, w.id, w.wert, 1);
    m_solarWerte.clear();
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    for (const SSpeicherListe& l : Listen()) store.save(*l.liste, l.flush != 0);
    m_uebernommen = false;
}

int CEingabeSeite::SaveModifiedData() {
    if (!m_modified) return 1;
    try {
        return Speichere() ? 1 : 0;
    } catch (const platform::UserException&) {
        // Reported where it was raised; the page keeps its entries and stays modified.
        return 0;
    }
}

bool CEingabeSeite::Speichere() {
    if (hasWindow() && !LeseWerte()) return false;
    if (!PruefeEingaben()) return false;
    if (!DarfSpeichern()) return false;
    // A library record edited with the "conf" switch cannot land in the user database: the
    // user hears so before anything is written (the database would refuse it as well).
    if (!IstEingebettet())
        for (const SSpeicherListe& l : Listen())
            if (MeldeVerworfeneBiboSchreibung(l.liste->getName(), m_art.titelTextId)) return false;
    GetKelvoApp().ResetAuswertungen();
    {
        // Every record the page changes reaches the file together, or none does.
        CSpeicherVorgang vorgang;
        UebernimmWerte();
        const std::vector<SSpeicherListe> listen = Listen();
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        for (const SSpeicherListe& l : listen) {
            if (l.traceTitel) l.liste->trace(l.traceTitel);
            if (!IstEingebettet()) store.save(*l.liste, l.flush != 0);
        }
        // The write reaches the file at the end of the user action; taken back then, the
        // page keeps the user's entries and is unsaved again.
        CSpeicherVorgang::BeiRuecknahme([seite = QPointer<CEingabeSeite>(this)] {
            if (!seite) return;
            seite->m_modified = 1;
            seite->EnableControls();
        });
        vorgang.Abschliessen();
    }
    if (IstEingebettet()) m_uebernommen = true;
    m_modified = 0;
    EnableControls();
    NachSpeichern();
    KomponenteGeaendert(m_art.komponente, SatzName());
    return true;
}
