#include "dialogs/BodenartDlgEditLogik.h"

#include <algorithm>

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/AuswertManager.h"
#include "model/data/NeuesObjekt.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {
constexpr unsigned kFrageSpeichern = 3428;  // "Save changed data for\n%s ?"
constexpr int kArtBodenart = 8;             // new-component kind of AddNeuesObjekt
}  // namespace

CBodenartDlgEditLogik::CBodenartDlgEditLogik(CVRMString name) : m_name(std::move(name)) {}

CBodenartDlgEditLogik::SFreigabe CBodenartDlgEditLogik::Freigabe() const {
    SFreigabe f;
    f.nurLesen = m_name.IsEmpty() || IGlobal::IstBiboName(m_name) || m_unlesbar;
    f.okAktiv = !m_name.IsEmpty();
    return f;
}

void CBodenartDlgEditLogik::Init() {
    CVRMdatenProvider::get().getListe(m_arten, LISTE_BODENARTEN, true, nullptr, true);
    if (m_name.IsEmpty())
        m_name = m_arten.GetAt(0);
    else if (std::ranges::find(m_arten, m_name) == m_arten.end())
        m_arten.Add(m_name);
    try {
        Laden();
    } catch (const platform::UserException&) {
    }
}

void CBodenartDlgEditLogik::Laden() {
    m_waermeleitzahl = m_spezWaerme = m_dichte = 0.0f;
    m_geaendert = false;
    m_unlesbar = false;
    if (m_name.IsEmpty()) return;
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    try {
        m_dichte = daten.GetBodenDaten(ID_Dichte, m_name);
        m_spezWaerme = daten.GetBodenDaten(ID_SpezWaerme, m_name);
        m_waermeleitzahl = daten.GetBodenDaten(ID_Waermeleitzahl, m_name);
    } catch (const platform::UserException&) {
        // The read error was shown. The zeros in place of what was not read are no values
        // of the soil type: OK would write them over the stored record.
        m_unlesbar = true;
        throw;
    }
}

void CBodenartDlgEditLogik::Speichern(bool vonOk) {
    if (!m_geaendert) return;
    // Library soil types are never written, whatever the window let through.
    if (Freigabe().nurLesen) {
        m_geaendert = false;
        return;
    }
    if (!vonOk) {
        CVRMString frage;
        frage.Format(kFrageSpeichern, std::u16string_view(m_name));
        if (KVSMessageBoxCaptionID(frage, textid::kProduktCaption,
                                   platform::mb::YESNO | platform::mb::ICONQUESTION) !=
            platform::id::YES)
            return;
    }
    ResetAlleBerechnungen();
    CVRMdatenProvider2::Get().SaveBodenDaten(m_name, m_waermeleitzahl, m_spezWaerme, m_dichte);
    m_geaendert = false;
}

void CBodenartDlgEditLogik::ArtGewaehlt(const CVRMString& neu) {
    if (neu == m_name) return;
    Speichern(false);
    m_name = neu;
    try {
        Laden();
    } catch (const platform::UserException&) {
    }
}

bool CBodenartDlgEditLogik::NeueArt() {
    Speichern(false);
    CVRMString neu;
    if (!AddNeuesObjekt(kArtBodenart, neu)) return false;
    m_arten.Add(neu);
    m_name = neu;
    try {
        ResetAlleBerechnungen();
        CVRMdatenProvider2::Get().SaveBodenDaten(neu, m_waermeleitzahl, m_spezWaerme, m_dichte);
        Laden();
    } catch (const platform::UserException&) {
    }
    return true;
}
