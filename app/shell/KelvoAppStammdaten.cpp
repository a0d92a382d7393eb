// The master-data sheet: heat pumps and tariffs of the databases edited outside any
// project. Its pages exist only while their start component is valid and a maker for the
// page is registered (DatenSeitenFabrik.h).
#include <exception>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Desktop.h"

namespace {

constexpr unsigned kSeiteNichtGezeigt = 3257;    // "Error when showing data page"
constexpr unsigned kWPDaten = 3149;              // "Heat pump data (1)"
constexpr unsigned kTarifDaten = 3150;           // "Tariff and rate data"
constexpr unsigned kStammdatenFehler = 3115;     // "Error when showing master data"
constexpr unsigned kKeinSheetFenster = 3258;     // "Could not create window for data page !"
constexpr unsigned kNichtAlleGeloescht = 3254;   // "Not all of the data pages were deleted"
constexpr unsigned kTarifZuerst = 3371;          // "You have to save the tariff data first"
constexpr unsigned kWPZuerst = 3370;             // "You have to save the heat pump data first"
constexpr int kArtTarif = CKVSDatenSheetProtokoll::kTarif;
constexpr int kArtWP2 = CKVSDatenSheetProtokoll::kWP2;
constexpr int kArtWP1 = CKVSDatenSheetProtokoll::kWP1;

}  // namespace

CKVSDatenSheet& CKelvoApp::GetStammdatenSheet() {
    if (!m_stammSheet) {
        m_stammSheet = std::make_unique<CKVSDatenSheet>();
        m_stammSheet->SetAnwendung(this);
    }
    return *m_stammSheet;
}

CKVSDatenPage* CKelvoApp::GetStammSeite(int kind) const {
    switch (kind) {
        case kArtWP2: return m_wp2Seite;
        case kArtWP1: return m_wp1Seite;
        case kArtTarif: return m_tarifSeite;
        default: return nullptr;
    }
}

void CKelvoApp::BearbeiteWPumpe(int neu) {
    ZeigeStammdaten(kArtWP2, neu, CVRMString());
}

void CKelvoApp::BearbeiteTarif(int neu) {
    ZeigeStammdaten(kArtTarif, neu, CVRMString());
}

bool CKelvoApp::ZeigeStammdaten(int kind, int flag, const CVRMString& name) {
    if (!InitStammdatenPage(kind, flag, name)) {
        if (kind == kArtWP2)
            ShowFehler2(kSeiteNichtGezeigt, kWPDaten);
        else if (kind == kArtTarif)
            ShowFehler2(kSeiteNichtGezeigt, kTarifDaten);
        else
            ShowFehler(kSeiteNichtGezeigt, nullptr);
        return false;
    }
    CKVSDatenSheet& sheet = GetStammdatenSheet();
    sheet.show();
    sheet.raise();
    sheet.activateWindow();
    return true;
}

bool CKelvoApp::InitStammdatenPage(int kind, int flag, const CVRMString& vorgabe) {
    ui::WaitCursor warten;
    try {
        int hint = hinweis::kAlles;
        if (kind == kArtWP2)
            hint = hinweis::kWPumpe;
        else if (kind == kArtTarif)
            hint = hinweis::kTarif;
        else
            ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::InitStammdatenPage");
        CVRMString name = vorgabe;
        if (name.empty()) {
            if (CKelvoDoc* dokument = GetAktivesKelvoDoc(true)) {
                if (kind == kArtWP2 && dokument->WPumpe().IstGueltig())
                    name = dokument->WPumpe().getConsumerName();
                if (kind == kArtTarif && dokument->Tarif().IstGueltig())
                    name = dokument->Tarif().getConsumerName();
            }
        }
        CKVSDatenPage* seite = GetStammSeite(kind);
        if (!seite) {
            UpdateStammBearbeiten(hint);
            seite = GetStammSeite(kind);
        }
        if (!seite) return false;
        CKVSDatenSheet& sheet = GetStammdatenSheet();
        for (int i = 0; i < sheet.pageCount(); ++i)
            if (auto* p = dynamic_cast<CKVSDatenPage*>(sheet.page(i))) p->m_flag = flag;
        sheet.setActivePage(sheet.indexOf(seite));
        seite->SelectByName(name);
        if (kind == kArtWP2 && m_wp1Seite) m_wp1Seite->SelectByName(name);
        return true;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
    return false;
}

void CKelvoApp::UpdateStammBearbeiten(int hint) {
    try {
        CKVSDatenSheet& sheet = GetStammdatenSheet();
        struct SSeite {
            CKVSDatenPage*& zeiger;
            int kind;
            int eigenerHint;
            const IDatenConsumer& start;
        };
        SSeite seiten[] = {
            {m_wp2Seite, kArtWP2, hinweis::kWPumpe, m_startWPumpe},
            {m_wp1Seite, kArtWP1, hinweis::kWPumpe, m_startWPumpe},
            {m_tarifSeite, kArtTarif, hinweis::kTarif, m_startTarif},
        };
        for (SSeite& s : seiten) {
            const CVRMString name = s.start.getConsumerName();
            if (!s.zeiger && s.start.IstGueltig()) {
                SSeitenWunsch wunsch;
                wunsch.kind = s.kind;
                std::unique_ptr<CKVSDatenPage> seite = ErzeugeDatenSeite(wunsch);
                if (!seite) continue;
                s.zeiger = seite.release();
                sheet.AddDatenPage(s.zeiger);
                s.zeiger->LoadKomponente(name, CVRMString(), CVRMString());
            } else if (s.zeiger && (hint == hinweis::kAlles || hint == s.eigenerHint)) {
                s.zeiger->LoadKomponente(name, CVRMString(), CVRMString());
            }
        }
        if (!m_stammFenster && sheet.pageCount() > 0) {
            if (m_mainFrame) {
                sheet.setParent(m_mainFrame.get(), sheet.windowFlags() | Qt::Dialog);
                m_mainFrame->SetStammdatenSheet(&sheet);
            }
            if (!sheet.createModeless(false)) {
                DeleteDatenPages(sheet);
                ThrowFehler(kKeinSheetFenster, u"KelvoDoc::UpdateStammBearbeiten");
            }
            m_stammFenster = true;
        }
    } catch (...) {
        ShowFremdenFehler(std::current_exception());
        KVSMessageBoxID(kStammdatenFehler, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    }
}

void CKelvoApp::DeleteDatenPages(CKVSDatenSheet& sheet) {
    const int anzahl = sheet.pageCount();
    int geloescht = 0;
    for (int i = 0; i < anzahl; ++i) {
        auto* seite = dynamic_cast<CKVSDatenPage*>(sheet.page(0));
        if (!seite) ThrowFehler(0, nullptr, 0);
        sheet.removePage(0);
        for (CKVSDatenPage** p : {&m_wp2Seite, &m_wp1Seite, &m_tarifSeite}) {
            if (*p != seite) continue;
            *p = nullptr;
            ++geloescht;
        }
        delete seite;
    }
    if (geloescht < anzahl)
        ThrowFehler(kNichtAlleGeloescht, u"CKelvoApp::DeleteDatenPages");
}

bool CKelvoApp::StammdatenInBearbeitung(bool verbergen) {
    if (!m_stammSheet || !m_stammSheet->isVisible()) return false;
    if (m_stammSheet->AnyPageModified()) return true;
    if (verbergen) m_stammSheet->hide();
    return false;
}

bool CKelvoApp::GibStammdatenFrei() {
    if (StammdatenInBearbeitung(true)) return false;
    return !m_stammSheet || !m_stammSheet->AnyPageModified();
}

void CKelvoApp::LadeStammdatenNeu() {
    if (!m_stammSheet || m_stammSheet->pageCount() == 0) return;
    try {
        DeleteDatenPages(*m_stammSheet);
        LadeStartKomponenten();
    } catch (...) {
        ShowFremdenFehler(std::current_exception());
    }
}

bool CKelvoApp::PruefeStammdatenGespeichert() {
    struct SPruefung {
        CKVSDatenPage* seite;
        unsigned textId;
        int seitenId;
    };
    const SPruefung pruefungen[] = {
        {m_tarifSeite, kTarifZuerst, kArtTarif},
        {m_wp2Seite, kWPZuerst, kArtWP2},
        {m_wp1Seite, kWPZuerst, kArtWP1},
    };
    for (const SPruefung& p : pruefungen) {
        if (!p.seite || !p.seite->IsDatenModified()) continue;
        KVSMessageBoxID(p.textId, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        GetStammdatenSheet().SetActivePageByID(p.seitenId);
        return true;
    }
    return false;
}

void CKelvoApp::OptionenGeaendert(int hint) {
    for (CKelvoDoc* dokument : Dokumente()) {
        dokument->DatenSheet().OptionsChanged(hint);
        dokument->UpdateAllViews(nullptr, hint);
    }
    for (CKVSDatenPage* seite : {m_wp2Seite, m_tarifSeite, m_wp1Seite})
        if (seite) seite->OnOptionsChanged(hint);
    if (hint == hinweis::kOptionen) {
        int32_t zeigen = 0;
        m_optionsManager.GetLongWert(OPT_EX_MODE, zeigen);
        m_propertyManager.ZeigeAlleGruppen(zeigen);
    }
    // The left bar takes its colours from the options: the frame redraws itself whole.
    if (m_mainFrame) m_mainFrame->OptionGeaendert(CMainFrame::kOptionGeaendertNeuZeichnen);
}
