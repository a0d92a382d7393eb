// The project's data sheet: which input pages a project gets, when they are loaded again,
// and how one is shown.
#include <exception>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"
#include "platform/numbers/Numbers.h"
#include "platform/ui/Desktop.h"

namespace {

constexpr unsigned kSeiteNichtGezeigt = 3259;   // "Error when showing project data page"
constexpr unsigned kKeinSheetFenster = 3258;    // "Could not create window for data page !"
constexpr unsigned kNichtAlleGeloescht = 3254;  // "Not all of the data pages were deleted"
constexpr unsigned kKomponentenFehler = 3568;   // "UpdateComponentsData failed!"
constexpr int kZeigen = 5;

bool EinerVon(int hint, std::initializer_list<int> hints) {
    for (int h : hints)
        if (h == hint) return true;
    return false;
}

// Deletes the exception as the page builders do: a failure other than a reported one shows
// its own text first; then the builder's message.
void MeldeFehler(std::exception_ptr fehler, unsigned textId) {
    ShowFremdenFehler(fehler);
    ShowFehler(textId, nullptr);
}

}  // namespace

CKVSDatenPage** CKelvoDoc::SeitenZeiger(CKVSDatenPage* seite) {
    for (CKVSDatenPage** p : {&m_projektSeite, &m_wq1Seite, &m_dimSeite, &m_hausSeite, &m_wwSeite,
                              &m_wq2Seite, &m_wq1Seite2, &m_wq2Seite2, &m_solarSeite, &m_tarifSeite})
        if (*p == seite) return p;
    return nullptr;
}

bool CKelvoDoc::HatEineSeite() const {
    for (CKVSDatenPage* p : {m_projektSeite, m_wq1Seite, m_dimSeite, m_hausSeite, m_wwSeite,
                             m_wq2Seite, m_wq1Seite2, m_wq2Seite2, m_solarSeite, m_tarifSeite})
        if (p) return true;
    return false;
}

CKVSDatenPage* CKelvoDoc::GetSeite(int kind) const {
    switch (kind) {
        case kHausSeite: return m_hausSeite;
        case kWWSeite: return m_wwSeite;
        case kWQ1Seite: return m_wq1Seite;
        case kWQ2Seite: return m_wq2Seite;
        case kWQ1Seite2: return m_wq1Seite2;
        case kWQ2Seite2: return m_wq2Seite2;
        case kProjektSeite: return m_projektSeite;
        case kSolarSeite: return m_solarSeite;
        default: return nullptr;
    }
}

void CKelvoDoc::RemoveDatenPage(CKVSDatenSheet& sheet, int index) {
    if (index < 0 || index >= sheet.pageCount()) return;
    auto* seite = dynamic_cast<CKVSDatenPage*>(sheet.page(index));
    if (!seite) ThrowFehler(0, nullptr, 0);
    sheet.removePage(index);
    if (CKVSDatenPage** zeiger = SeitenZeiger(seite)) *zeiger = nullptr;
    delete seite;
}

void CKelvoDoc::DeleteDatenPages(CKVSDatenSheet& sheet) {
    const int anzahl = sheet.pageCount();
    if (anzahl < 0) ThrowFehler(kNichtAlleGeloescht, u"CKelvoDoc::DeleteDatenPages");
    for (int i = 0; i < anzahl; ++i) RemoveDatenPage(sheet, 0);
}

bool CKelvoDoc::ErzeugeSeite(CKVSDatenPage*& zeiger, int kind, bool ersteQuelle) {
    SSeitenWunsch wunsch;
    wunsch.kind = kind;
    wunsch.ersteQuelle = ersteQuelle;
    wunsch.haus = &m_haus;
    std::unique_ptr<CKVSDatenPage> seite = ErzeugeDatenSeite(wunsch);
    if (!seite) return false;
    zeiger = seite.release();
    m_sheet->AddDatenPage(zeiger);
    return true;
}

void CKelvoDoc::LadeSeite(CKVSDatenPage* seite, const CVRMString& key, const CVRMString& zweiterKey) {
    if (seite) seite->LoadKomponente(key, m_name, zweiterKey);
}

CVRMString CKelvoDoc::QuellenSchluessel(bool erste) const {
    auto& kombi = const_cast<CKombiWQuelle2&>(m_kombiQuelle);
    if (erste && kombi.IstEinzelQuelle()) return ProjektText(ID_WQuelle);
    // A combined source may hold its first source alone (before a second is added).
    if (kombi.GetAnzahlWQuellen() < (erste ? 1 : 2)) return {};
    CWQuelle2* quelle = erste ? kombi.GetErsteWQuelle() : kombi.GetZweiteWQuelle();
    return quelle ? quelle->getConsumerName() : CVRMString();
}

void CKelvoDoc::UpdateProjektBearbeiten(int hint) {
    if (m_beschaeftigt) return;
    try {
        BaueSeiten(hint);
    } catch (...) {
        MeldeFehler(std::current_exception(), kSeiteNichtGezeigt);
    }
}

void CKelvoDoc::BaueSeiten(int hint) {
    const CVRMString haus = ProjektText(ID_Haus);
    const CVRMString tarif = ProjektText(ID_Tarif);
    if (!haus.empty() && !tarif.empty()) {
        if (!m_projektSeite) {
            if (ErzeugeSeite(m_projektSeite, kProjektSeite)) m_projektSeite->SetPageTitle(m_name);
        } else if (EinerVon(hint, {hinweis::kAlles, hinweis::kHaus, hinweis::kTarif, hinweis::kWPumpe})) {
            m_projektSeite->SetPageTitle(m_name);
        }
    }
    if (!haus.empty()) {
        const CVRMString hausName = m_haus.getConsumerName();
        if (!m_hausSeite) {
            if (ErzeugeSeite(m_hausSeite, kHausSeite)) LadeSeite(m_hausSeite, hausName);
            if (ErzeugeSeite(m_wwSeite, kWWSeite)) LadeSeite(m_wwSeite, hausName);
        } else if (EinerVon(hint, {hinweis::kAlles, hinweis::kHaus})) {
            if (!m_wwSeite && HatDatenSeite(kWWSeite)) ThrowFehler(0, nullptr, 0);
            LadeSeite(m_hausSeite, hausName);
            LadeSeite(m_wwSeite, hausName);
        }
    }
    InitSolarPage(hint);
    InitWQuelle1Pages(hint);
    InitWQuelle2Pages(hint);
    if (!m_sheetFenster && HatEineSeite()) ErzeugeSheetFenster();
}

void CKelvoDoc::ErzeugeSheetFenster() {
    // A hidden window of its own; it shows when a page is asked for. The main window is
    // its owner, so that it stays over the main window whichever of the two was used last;
    // the document still deletes it, and the documents go before the main window.
    if (CKelvoApp* app = FindeKelvoAppObjekt(); app && app->GetMainFrame())
        m_sheet->setParent(app->GetMainFrame(), m_sheet->windowFlags() | Qt::Dialog);
    if (!m_sheet->createModeless(false)) {
        DeleteDatenPages(*m_sheet);
        ThrowFehler(kKeinSheetFenster, u"KelvoDoc::UpdateProjektBearbeiten");
    }
    m_sheetFenster = true;
}

void CKelvoDoc::InitSolarPage(int hint) {
    const CVRMString solar = ProjektText(ID_Solar);
    if (solar.empty() || ProjektText(ID_Haus).empty() || ProjektText(ID_WPumpe).empty() ||
        !ISolar::IstGeladen())
        return;
    if (!m_solarSeite) {
        if (ErzeugeSeite(m_solarSeite, kSolarSeite)) LadeSeite(m_solarSeite, solar);
    } else if (EinerVon(hint, {hinweis::kAlles, hinweis::kSolar, hinweis::kHaus})) {
        LadeSeite(m_solarSeite, solar);
    }
}

void CKelvoDoc::InitWQuelle1Pages(int hint) {
    if (m_beschaeftigt) return;
    if (ProjektText(ID_WQuelle).empty() || m_kombiQuelle.GetAnzahlWQuellen() < 1) return;
    const CVRMString key = QuellenSchluessel(true);
    const CVRMString zweiter = m_kombiQuelle.IstEinzelQuelle() ? CVRMString() : QuellenSchluessel(false);
    const bool neuLaden = EinerVon(hint, {hinweis::kAlles, hinweis::kWQuelle});
    if (!m_wq1Seite) {
        if (ErzeugeSeite(m_wq1Seite, kWQ1Seite, true)) LadeSeite(m_wq1Seite, key);
    } else if (neuLaden) {
        LadeSeite(m_wq1Seite, key);
    }
    if (!m_wq2Seite) {
        if (ErzeugeSeite(m_wq2Seite, kWQ2Seite, true)) LadeSeite(m_wq2Seite, key, zweiter);
    } else if (neuLaden) {
        LadeSeite(m_wq2Seite, key, zweiter);
    }
}

void CKelvoDoc::InitWQuelle2Pages(int hint) {
    if (m_beschaeftigt) return;
    if (m_kombiQuelle.GetAnzahlWQuellen() < 2) {
        for (CKVSDatenPage* seite : {m_wq1Seite2, m_wq2Seite2})
            if (seite) RemoveDatenPage(*m_sheet, m_sheet->indexOf(seite));
        m_wq1Seite2 = m_wq2Seite2 = nullptr;
        return;
    }
    if (m_kombiQuelle.IstEinzelQuelle()) ThrowFehler(0, nullptr, 0);
    const CVRMString key = QuellenSchluessel(false);
    const bool neuLaden = EinerVon(hint, {hinweis::kAlles, hinweis::kWQuelle});
    if (!m_wq1Seite2) {
        if (ErzeugeSeite(m_wq1Seite2, kWQ1Seite, false)) LadeSeite(m_wq1Seite2, key);
    } else if (neuLaden) {
        LadeSeite(m_wq1Seite2, key);
    }
    if (!m_wq2Seite2) {
        if (ErzeugeSeite(m_wq2Seite2, kWQ2Seite, false)) LadeSeite(m_wq2Seite2, key);
    } else if (neuLaden) {
        LadeSeite(m_wq2Seite2, key);
    }
}

void CKelvoDoc::UpdateSolarAnlage(int hint, int speichern) {
    if (hint != hinweis::kAlles && hint != komponente::kHaus) return;
    const CVRMString solar = ProjektText(ID_Solar);
    if (solar.empty() || !ISolar::IstGeladen() || !m_projekt.IstAenderbar(false)) return;
    try {
        if (!m_haus.IstInitialisiert()) return;
        // The plant keeps its heating target as a whole number and its tank target signed;
        // a value of another type would be written in a form its own reader refuses.
        const uint32_t vorlauf = platform::toUInt32(m_haus.GetWert(ID_HeizVorlauf).GetFloatVal());
        ISolar::set(solar, ID_SolSollTempH, CVRMVariant(static_cast<unsigned int>(vorlauf)), 0);
        const auto ziel = static_cast<int>(m_haus.GetWert(ID_WWSollTemp).GetUIntVal());
        ISolar::set(solar, ID_SolSollTemp, CVRMVariant(ziel),
                    speichern);
    } catch (...) {
        MeldeFehler(std::current_exception(), kKomponentenFehler);
    }
}

void CKelvoDoc::OnEditDatenPage(int kind) {
    ui::WaitCursor warten;
    // The kind is checked against the pages: a sheet without pages has nothing to show
    // and nothing to refuse.
    for (int i = 0; i < m_sheet->pageCount(); ++i) {
        auto* seite = dynamic_cast<CKVSDatenPage*>(m_sheet->page(i));
        if (!seite) ThrowFehler(0, nullptr, 0);
        if (kind > kSolarSeite) ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::OnEditDatenPage");
        if (seite != GetSeite(kind)) continue;
        if (m_sheet->activeIndex() != i) m_sheet->setActivePage(i);
        break;
    }
    if (m_sheet->pageCount() > 0) OnEditDaten();
}

void CKelvoDoc::OnEditDaten() {
    if (!m_sheetFenster) return;
    m_sheet->show();
    m_sheet->raise();
    m_sheet->activateWindow();
}

void CKelvoDoc::AddWQ1ListenEintrag(const CVRMString& name) {
    if (m_wq1Seite) m_wq1Seite->AddListenEintrag(name);
}
