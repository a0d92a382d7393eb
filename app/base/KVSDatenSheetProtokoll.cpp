#include "app/base/KVSDatenSheetProtokoll.h"

#include <exception>

#include "app/base/KVSDatenPageProtokoll.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kFehlerAktualisieren = 3379;  // "Error when updating a data page"
constexpr unsigned kSeiteNichtGefunden = 3252;   // "Could not determine data page"
constexpr unsigned kFehlerWPWechsel = 3710;      // "Error when changing heat pump"

bool BekannteSeite(int id) {
    return (id >= 0 && id <= 5) || (id >= 8 && id <= 10);
}
}  // namespace

CKVSDatenSheetProtokoll::~CKVSDatenSheetProtokoll() = default;

IDatenSheetDokument& CKVSDatenSheetProtokoll::GetDokument() const {
    if (!m_dokument) ThrowFehler(0, nullptr);
    return *m_dokument;
}

void CKVSDatenSheetProtokoll::Verbinde(CKVSDatenPageProtokoll* page) {
    if (!page) ThrowFehler(0, nullptr);
    page->m_sheet = this;
}

int CKVSDatenSheetProtokoll::IndexVon(const CKVSDatenPageProtokoll* page) const {
    for (int i = 0; i < AnzahlSeiten(); ++i)
        if (DatenSeite(i) == page) return i;
    return -1;
}

CKVSDatenPageProtokoll& CKVSDatenSheetProtokoll::SeiteAn(int index) const {
    CKVSDatenPageProtokoll* page = DatenSeite(index);
    if (!page) ThrowFehler(0, nullptr);
    return *page;
}

int CKVSDatenSheetProtokoll::CanCloseAllPages() {
    for (int i = 0; i < AnzahlSeiten(); ++i) {
        int weiter = 0;
        try {
            weiter = SeiteAn(i).CancelModifiedData(0);
        } catch (...) {
            // The page whose question failed is the one the user is to see.
            Aktiviere(i);
            throw;
        }
        if (!weiter) {
            Aktiviere(i);
            return 0;
        }
    }
    Verberge();
    return 1;
}

void CKVSDatenSheetProtokoll::KomponenteGeaendert(int kind, const CVRMString& key) {
    if (m_dokument)
        m_dokument->KomponenteGeaendert(kind, key);
    else if (m_anwendung)
        m_anwendung->KomponenteGeaendert(kind, key);
}

int CKVSDatenSheetProtokoll::ChangeWPumpe(int pageId, const CVRMString& name) {
    try {
        if (name.empty()) ThrowFehler(textid::kDatenFehlen, u"CKVSDatenSheet::ChangeWPumpe");
        CKVSDatenPageProtokoll* ziel = GetPageByID(pageId);
        if (!ziel) ThrowFehler(0, nullptr);
        // A page without a window gets one by being activated; the page the user had stays
        // in front afterwards.
        const bool hatteFenster = ziel->HatFenster();
        const int vorher = AktiverIndex();
        if (!hatteFenster) Aktiviere(IndexVon(ziel));
        const int ergebnis = ziel->SelectKomponente(name, 1);
        if (!hatteFenster && vorher >= 0) Aktiviere(vorher);
        return ergebnis;
    } catch (...) {
        ShowFehler(kFehlerWPWechsel, nullptr);
        return 0;
    }
}

void CKVSDatenSheetProtokoll::UpdatePageDaten2(int hint) {
    try {
        for (int i = 0; i < AnzahlSeiten(); ++i) SeiteAn(i).UpdatePageDaten2(hint);
    } catch (...) {
        ShowFehler(kFehlerAktualisieren, u"KVSDatenSheet::UpdatePageDaten2");
    }
}

void CKVSDatenSheetProtokoll::UpdatePageDaten(int arg) {
    try {
        for (int i = 0; i < AnzahlSeiten(); ++i) SeiteAn(i).UpdatePageDaten(arg);
    } catch (...) {
        ShowFehler(kFehlerAktualisieren, u"KVSDatenSheet::UpdatePageDaten");
    }
}

void CKVSDatenSheetProtokoll::OptionsChanged(int optionId) {
    for (int i = 0; i < AnzahlSeiten(); ++i) SeiteAn(i).OnOptionsChanged(optionId);
}

int CKVSDatenSheetProtokoll::AnyPageModified() {
    try {
        for (int i = 0; i < AnzahlSeiten(); ++i)
            if (SeiteAn(i).IsDatenModified()) return 1;
    } catch (...) {
    }
    return 0;
}

CKVSDatenPageProtokoll* CKVSDatenSheetProtokoll::SucheSeite(int id,
                                                          const CKVSDatenPageProtokoll* ausser) {
    if (!BekannteSeite(id)) ThrowFehler(textid::kFalscheKonstante, u"CKVSDatenSheet::GetPageByID");
    for (int i = 0; i < AnzahlSeiten(); ++i) {
        CKVSDatenPageProtokoll& page = SeiteAn(i);
        if (&page != ausser && page.GetPageKind() == id) return &page;
    }
    return nullptr;
}

CKVSDatenPageProtokoll* CKVSDatenSheetProtokoll::GetPageByID(int id,
                                                           const CKVSDatenPageProtokoll* ausser) {
    try {
        return SucheSeite(id, ausser);
    } catch (...) {
        ShowFehler(kSeiteNichtGefunden, u"CKVSDatenSheet::GetPageByID");
        return nullptr;
    }
}

void CKVSDatenSheetProtokoll::SetActivePageByID(int id) {
    if (CKVSDatenPageProtokoll* page = GetPageByID(id)) Aktiviere(IndexVon(page));
}

void CKVSDatenSheetProtokoll::SetCaptionFromPage(const CVRMString& text) {
    if (m_dokument)
        SetzeTitel(m_dokument->GetProjektName() + u" - " + text);
    else
        SetzeTitel(text);
}

void CKVSDatenSheetProtokoll::RecalcTarifVerteilung(int pageId) {
    try {
        CKVSDatenPageProtokoll* page = SucheSeite(pageId, nullptr);
        if (!page) return;
        page->RecalcTarifVerteilung(GetDokument().GetSolarAnteil());
    } catch (...) {
        ShowFehler(kFehlerAktualisieren, u"KVSDatenSheet::RecalcTarifVerteilung");
    }
}

void CKVSDatenSheetProtokoll::HilfeZurAktivenSeite() {
    if (CKVSDatenPageProtokoll* page = DatenSeite(AktiverIndex())) page->OnHelp();
}
