// The second heat source of a project: added with the first one's operating mode,
// bivalence temperature and second generator, removed after a question; its pages follow.
#include <exception>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kSeitenOffen = 3267;         // "Please, first close the data page(s)."
constexpr unsigned kNichtHinzugefuegt = 3372;   // "Error when adding a second heat source"
constexpr unsigned kDurchflussTeilen = 3481;    // "Please do not forget to input the associated flow-through..."
constexpr unsigned kWirklichLoeschen = 3662;    // "Do you really want to delete the second heat source?"
constexpr unsigned kNichtGeloescht = 3663;      // "Deletion of second heat source failed"
constexpr uint32_t kHinweis = platform::mb::ICONINFORMATION;
// What the second source takes over from the first: operating mode, bivalence temperature
// and the second heat generator.
constexpr TKelvoDatenID kUebernommen[] = {ID_BetrWeiseIdx, ID_DimPunktTemp, ID_ZweiterETIdx};

void MeldeFehler(std::exception_ptr fehler, unsigned textId) {
    ShowFremdenFehler(fehler);
    ShowFehler(textId, nullptr);
}

}  // namespace

bool CKelvoDoc::KannWQuelle2Hinzufuegen() {
    return m_kombiQuelle.IstGueltig() && m_kombiQuelle.IstZweiteWQuelleMoeglich();
}

bool CKelvoDoc::KannWQuelle2Loeschen() {
    return m_kombiQuelle.IstGueltig() && m_kombiQuelle.GetAnzahlWQuellen() > 1;
}

void CKelvoDoc::OnAddWQuelle2() {
    if (IsEditOpen(true)) {
        KVSMessageBoxID(kSeitenOffen, textid::kProduktCaption, kHinweis);
        return;
    }
    try {
        ResetAlleBerechnungen();
        CWQuelle2* zweite = m_kombiQuelle.AddWQuelle();
        CWQuelle2* erste = m_kombiQuelle.GetErsteWQuelle();
        if (!zweite || !erste || zweite == erste) ThrowFehler(0, nullptr, 0);
        for (TKelvoDatenID id : kUebernommen) zweite->SetzeWert(id, erste->GetWert(id));
        zweite->Speichern(true);
        const int aktiv = m_sheet->activeIndex();
        InitWQuelle2Pages(hinweis::kWQuelle);
        KVSMessageBoxID(kDurchflussTeilen, textid::kProduktCaption, kHinweis);
        if (aktiv >= 0 && aktiv < m_sheet->pageCount()) m_sheet->setActivePage(aktiv);
        OnEditDaten();
    } catch (...) {
        MeldeFehler(std::current_exception(), kNichtHinzugefuegt);
    }
}

void CKelvoDoc::OnDelWQuelle2() {
    if (IsEditOpen(true)) {
        KVSMessageBoxID(kSeitenOffen, textid::kProduktCaption, kHinweis);
        return;
    }
    try {
        if (KVSMessageBoxTextID(kWirklichLoeschen, m_name, platform::mb::YESNO) != platform::id::YES)
            return;
        m_kombiQuelle.LoescheZweiteWQuelle();
        InitWQuelle2Pages(hinweis::kWQuelle);
    } catch (...) {
        MeldeFehler(std::current_exception(), kNichtGeloescht);
    }
}
