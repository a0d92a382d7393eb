#include "app/base/KVSDatenPageProtokoll.h"

#include <exception>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {
constexpr unsigned kFehlerSchliessen = 3250;  // "Error when closing data page(s)"
constexpr unsigned kBiboKomponente = 4328;    // "This is a component from the program database..."
constexpr unsigned kAuslegung = 3193;         // "Design"
constexpr int kAnzeigen = 5, kVerbergen = 0;
}  // namespace

CKVSDatenPageProtokoll::CKVSDatenPageProtokoll(int wizard, unsigned titelTextId)
    : m_wizard(wizard), m_titelTextId(titelTextId) {}

CKVSDatenPageProtokoll::~CKVSDatenPageProtokoll() = default;

int CKVSDatenPageProtokoll::CancelModifiedData(int ask) {
    if (!m_modified) return 1;
    // The wizard takes a page's changes along when it closes without asking.
    if (IstWizard() && !ask) return 1;
    const int antwort = KVSMessageBoxID(m_frageTextId, m_frageCaptionId,
                                        platform::mb::YESNOCANCEL | platform::mb::ICONQUESTION);
    switch (antwort) {
        case platform::id::CANCEL:
            return 0;
        case platform::id::NO:
            FillPageDaten(1);
            m_modified = 0;
            EnableControls();
            return 1;
        case platform::id::YES:
            return SaveModifiedData();
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CKVSDatenPage::CancelModifiedData");
    }
}

int CKVSDatenPageProtokoll::SelectKomponente(const CVRMString&, int) { return 0; }
IDatenConsumer* CKVSDatenPageProtokoll::GetKomponente() { return nullptr; }

int CKVSDatenPageProtokoll::IstErsteWQuelle() {
    ThrowFehler(0, nullptr);
}

void CKVSDatenPageProtokoll::GetDefaultName(CVRMString& name) { name = u"?"; }
void CKVSDatenPageProtokoll::GetPageText(CVRMString& text) { text = u"?"; }
void CKVSDatenPageProtokoll::Notify(int) {}
void CKVSDatenPageProtokoll::RecalcTarifVerteilung(float) {}
void CKVSDatenPageProtokoll::OnOptionsChanged(int) {}
void CKVSDatenPageProtokoll::UpdatePageDaten2(int) {}
void CKVSDatenPageProtokoll::UpdatePageDaten(int) {}
int CKVSDatenPageProtokoll::IsDatenModified() { return m_modified; }
int CKVSDatenPageProtokoll::PruefeDaten() { return 0; }
void CKVSDatenPageProtokoll::OnHelp() {}

// With the "conf" switch a library entry may be edited; where the write cannot land (the
// user database keeps no library records) the database refuses it and the save reports.
int CKVSDatenPageProtokoll::CheckBiboName(const CVRMString& name, int quiet) {
    if (!IGlobal::IstBiboName(name) || GetKelvoApp().GetConfSchalter()) return 1;
    if (!quiet)
        KVSMessageBoxID(kBiboKomponente, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    return 0;
}

void CKVSDatenPageProtokoll::SetPageTitle(const CVRMString& name) {
    if (IstWizard()) {
        CVRMString standard;
        GetDefaultName(standard);
        SetzeTitel(name + u" - " + CResManager::getLangText(kAuslegung) + u" - " + standard, false);
        return;
    }
    SetzeTitel(CResManager::getLangText(static_cast<uint16_t>(m_titelTextId)), true);
}

void CKVSDatenPageProtokoll::HideOkCancel(int extraId) {
    ZeigeElement(1, kVerbergen);
    ZeigeElement(2, kVerbergen);
    if (extraId) ZeigeElement(extraId, kVerbergen);
}

void CKVSDatenPageProtokoll::ShowOkCancel(int extraId) {
    const int zustand = IstWizard() ? kVerbergen : kAnzeigen;
    ZeigeElement(1, zustand);
    ZeigeElement(2, zustand);
    if (extraId) ZeigeElement(extraId, zustand);
}

CKVSDatenSheetProtokoll& CKVSDatenPageProtokoll::GetDatenSheet() const {
    if (!m_sheet) ThrowFehler(0, nullptr);
    return *m_sheet;
}

void CKVSDatenPageProtokoll::SchliesseDatenSheet() {
    try {
        GetDatenSheet().CanCloseAllPages();
    } catch (...) {
        ShowFehler(kFehlerSchliessen, nullptr);
    }
}

void CKVSDatenPageProtokoll::KomponenteGeaendert(int kind, const CVRMString& key) {
    GetDatenSheet().KomponenteGeaendert(kind, key);
}
