#include "pages/WPSeite.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "core/db/Lists.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwertFabrik.h"
#include "dialogs/BiboSchreibschutz.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/heatpump/WPumpe2.h"
#include "pages/EingabeSeite.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ExceptionBarrier.h"

namespace {
constexpr unsigned kFrage = 3177;           // "Save changed heat pump data?"
constexpr unsigned kStammdaten = 3384;      // "Master data"
constexpr unsigned kNeuesObjekt = 3403;     // "Error with new object"
constexpr unsigned kNichtHinzu = 3404;      // "'%s'\nnot added to selection list!"
constexpr unsigned kSpeichernText = 4378, kSchliessenText = 3717, kHilfeText = 5178;

QComboBox* Liste(QWidget* seite) { return qobject_cast<QComboBox*>(ui::child(seite, CWPSeite::kIdListe)); }
}  // namespace

CWPSeite::CWPSeite(const SArt& art) : CKVSDatenPage(art.templateId, 0, art.titelTextId), m_art(art) {
    m_frageTextId = kFrage;
    m_frageCaptionId = art.titelTextId;
    setTitle(CResManager::getLangText(static_cast<uint16_t>(art.titelTextId)));
}

void CWPSeite::GetDefaultName(CVRMString& name) {
    name = CResManager::getLangText(static_cast<uint16_t>(m_art.titelTextId));
}

void CWPSeite::GetPageText(CVRMString& text) {
    text = CResManager::getLangText(kStammdaten) + u" - " + m_auswahl;
}

// ---- opening and activation ------------------------------------------------------------

void CWPSeite::onInitPage() {
    try {
        CKVSDatenPage::onInitPage();
    } catch (const platform::UserException&) {
        return;  // busy: the page opens on its next activation
    }
    Einrichten();
}

void CWPSeite::Einrichten() {
    m_eingerichtet = true;
    for (int id : ErklaerTexte()) {
        auto* label = qobject_cast<QLabel*>(ui::child(this, id));
        if (!label) continue;
        QPalette farben = label->palette();
        farben.setColor(QPalette::WindowText, ui::toQColor(CEingabeSeite::kErklaerText));
        farben.setColor(QPalette::Window, ui::toQColor(CEingabeSeite::kErklaerGrund));
        label->setPalette(farben);
        label->setAutoFillBackground(true);
        label->setMargin(3);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    FuelleListe();
    InitSeite();
    ShowOkCancel(kIdHilfe);
    std::vector<SDlgText> texte = Texte();
    texte.push_back({kIdSpeichern, kSpeichernText});
    texte.push_back({kIdSchliessen, kSchliessenText});
    texte.push_back({kIdHilfe, kHilfeText});
    for (const SDlgText& t : texte) ui::setChildText(this, t.id, DlgText(t.textId, t.rand).toStdU16String());
    EnableControls();
    // Only what the user types is an edit; the texts the page writes itself are not.
    for (int id : Aenderungen())
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this,
                             [this, id] { ui::guarded(ui::Msg::Command, [&] { Geaendert(id); }); });
    if (QComboBox* liste = Liste(this))
        QObject::connect(liste, &QComboBox::activated, this,
                         [this] { ui::guarded(ui::Msg::Command, [&] { WPumpeGewaehlt(); }); });
}

void CWPSeite::FuelleListe() {
    QComboBox* liste = Liste(this);
    if (!liste) return;
    CVRMStringArray namen;
    GetKelvoApp().GetListe(namen, 1);
    std::sort(namen.begin(), namen.end(), [](const CVRMString& a, const CVRMString& b) {
        return QString::fromStdU16String(a).compare(QString::fromStdU16String(b), Qt::CaseInsensitive) < 0;
    });
    liste->clear();
    for (const CVRMString& n : namen) liste->addItem(QString::fromStdU16String(n));
    ZeigeWerte();
}

bool CWPSeite::onSetActive() {
    // Opened from the project window, the pages show the active project's heat pump.
    if (!m_flag) {
        if (CKelvoDoc* dokument = GetKelvoAppObjekt().GetAktivesKelvoDoc(true)) {
            const CVRMString wp = dokument->WPumpe().getConsumerName();
            // Unsaved entries for the heat pump shown are asked about first; Cancel keeps it.
            if (!wp.empty() && wp != m_auswahl && CancelModifiedData(0))
                LoadKomponente(wp, dokument->GetProjektName(), CVRMString());
        }
    }
    try {
        if (!CKVSDatenPage::onSetActive()) return false;
    } catch (const platform::UserException&) {
        return false;
    }
    if (!m_eingerichtet) Einrichten();
    EnableControls();
    return true;
}

void CWPSeite::EnableControls() {
    if (!hasWindow()) return;
    ui::showChild(this, kIdSpeichern, !TabelleBearbeitet());
    ui::enableChild(this, kIdSpeichern, m_modified != 0);
    ui::enableChild(this, kIdListe, m_flag != 0 && !TabelleBearbeitet());
}

// ---- loading and switching -------------------------------------------------------------

void CWPSeite::LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) {
    m_auswahl = key;
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    {
        // Filling a heat pump loads its record into the value store.
        CWPumpe2 wpumpe;
        store.fill(wpumpe, key);
    }
    m_werte = store.getWerte(key);
    m_modified = 0;
    LadeZusatz();
    FillPageDaten(0);
    EnableControls();
}

int CWPSeite::SelectKomponente(const CVRMString& name, int add) {
    if (TabelleBearbeitet()) return 1;
    if (name == m_auswahl) return 1;
    if (!CancelModifiedData(0)) {
        if (!add) {
            m_auswahl = name;
            ZeigeWerte();
        }
        return 0;
    }
    if (add) {
        AddWPumpe(name);
        m_auswahl = name;
    }
    LoadKomponente(CVRMString(m_auswahl), CVRMString(), CVRMString());
    return 1;
}

int CWPSeite::CancelModifiedData(int) {
    if (!IsDatenModified()) return 1;
    const int antwort = KVSMessageBoxID(m_frageTextId, m_frageCaptionId,
                                        platform::mb::YESNOCANCEL | platform::mb::ICONQUESTION);
    switch (antwort) {
        case platform::id::CANCEL:
            return 0;
        case platform::id::NO:
            FillPageDaten(1);
            m_modified = 0;
            NachVerwerfen();
            EnableControls();
            return 1;
        case platform::id::YES:
            return SaveModifiedData();
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CKVSDatenPage::CancelModifiedData");
    }
}

void CWPSeite::WPumpeGewaehlt() {
    const std::u16string alt = m_auswahl;
    // The entries go along into the members, so that a refused switch shows them again.
    LeseEingaben();
    const std::u16string neu = ui::childText(this, kIdListe);
    if (neu == alt) return;
    m_auswahl = neu;
    if (GetDatenSheet().ChangeWPumpe(m_art.andereSeite, CVRMString(neu))) {
        if (SelectKomponente(CVRMString(alt), 0)) {
            onSetActive();
            return;
        }
        // This page keeps its changes: the other page goes back to the old heat pump too.
        GetDatenSheet().ChangeWPumpe(m_art.andereSeite, CVRMString(alt));
    }
    m_auswahl = alt;
    ZeigeWerte();
}

void CWPSeite::SelectByName(const CVRMString& name) {
    if (!hasWindow() || name.empty()) return;
    QComboBox* liste = Liste(this);
    if (!liste) return;
    AddWPumpe(name);
    liste->setCurrentIndex(liste->findText(QString::fromStdU16String(name), Qt::MatchExactly));
    WPumpeGewaehlt();
}

void CWPSeite::AddWPumpe(const CVRMString& name) {
    if (name.empty()) {
        CVRMString ort = u"CWP2Page::AddWPumpe";
        if (m_art.seitenId == CKVSDatenSheetProtokoll::kWP1) ort = u"CWP1Page::AddWPumpe";
        ThrowFehler(textid::kDatenFehlen, ort);
    }
    QComboBox* liste = Liste(this);
    if (!hasWindow() || !liste) return;
    const QString text = QString::fromStdU16String(name);
    if (liste->findText(text, Qt::MatchExactly) >= 0) return;
    int stelle = 0;
    while (stelle < liste->count() && liste->itemText(stelle).compare(text, Qt::CaseInsensitive) < 0) ++stelle;
    liste->insertItem(stelle, text);
    if (liste->findText(text, Qt::MatchExactly) < 0) {
        CVRMString detail;
        detail.Format(kNichtHinzu, name);
        ThrowFehler(kNeuesObjekt, std::u16string_view(detail));
    }
}

CVRMwert& CWPSeite::Wert(TKelvoDatenID id) {
    std::shared_ptr<CVRMwert> wert;
    if (!m_werte.Lookup(id, wert) || !wert) {
        wert = std::shared_ptr<CVRMwert>(CVRMwertFabrik::createWert(id));
        m_werte.SetAt(id, wert);
    }
    return *wert;
}

// ---- edits -----------------------------------------------------------------------------

void CWPSeite::Geaendert(int id) {
    if (!hasWindow()) return;
    if (!DarfAendern()) {
        // A library entry: what the user typed goes back.
        ZeigeWerte();
        return;
    }
    m_modified = 1;
    EnableControls();
    NachAenderung(id);
}

bool CWPSeite::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdSpeichern:
            SaveModifiedData();
            return true;
        case kIdSchliessen:
            SchliesseDatenSheet();
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
        // Check boxes: their click is the edit.
        if (qobject_cast<QAbstractButton*>(ui::child(this, id))) Geaendert(id);
        return true;
    }
    return CKVSDatenPage::onCommand(id, notifyCode, from);
}

// ---- data exchange ---------------------------------------------------------------------

void CWPSeite::doDataExchange(ui::DataExchange& dx) {
    try {
        // The list first: an entry refused further on does not hide a switch of heat pump.
        dx.listText(kIdListe, m_auswahl);
        Austausch(dx);
    } catch (const platform::UserException&) {
        m_austauschFehler = 1;
    }
}

bool CWPSeite::onKillActive() {
    // An entry that is no number of its field keeps the user on the page.
    return !hasWindow() || LeseEingaben();
}

bool CWPSeite::LeseEingaben() {
    m_bereichePruefen = false;
    const bool gelesen = LeseWerte();
    m_bereichePruefen = true;
    return gelesen;
}

void CWPSeite::ZeigeWerte() {
    if (hasWindow()) updateData(false);
}

bool CWPSeite::LeseWerte() {
    m_austauschFehler = 0;
    updateData(true);
    const bool gelesen = m_austauschFehler == 0;
    m_austauschFehler = 0;
    return gelesen;
}

void CWPSeite::NimmUngespeicherteZurueck() {
    for (const auto& [id, wert] : m_werte)
        if (wert && wert->changed()) wert->reset();
}

bool CWPSeite::SchreibeUndMelde() {
    // A library heat pump edited with the "conf" switch that the database cannot keep.
    if (MeldeVerworfeneBiboSchreibung(Geladen(), m_art.titelTextId)) {
        NimmUngespeicherteZurueck();
        return false;
    }
    m_werte.trace(m_art.traceTitel);
    {
        CSpeicherVorgang vorgang;
        CSpeicherVorgang::BeiRuecknahme([seite = QPointer<CWPSeite>(this)] {
            if (!seite) return;
            seite->NimmUngespeicherteZurueck();
            seite->m_modified = 1;
            seite->EnableControls();
        });
        CVRMdatenProvider::get().save(m_werte, true);
        vorgang.Abschliessen();
    }
    m_modified = 0;
    EnableControls();
    KomponenteGeaendert(4, Geladen());
    return true;
}
