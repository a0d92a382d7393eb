// The project report: the template by the project's heat sources, the checks and the
// calculation before it, and the folders and names handed to the report module.
#include <QDir>

#include "app/doc/KelvoDoc.h"
#include "app/doc/ReportPfad.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/WarteFenster.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/binding/Report.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kSeitenSchliessen = 3581;   // "Please close all data pages first."
constexpr unsigned kUnvollstaendig = 3260;     // the project lacks data
constexpr unsigned kSondenHinweis = 3772;      // "Please note: ... vertical ground collector tubes are NOT influencing each other."
constexpr unsigned kTempOrdnerErsatz = 3681;   // "c:"
constexpr uint32_t kHinweis = platform::mb::ICONINFORMATION;
constexpr unsigned kSondenfeld = 25;
constexpr int kSondenArt = 0;

enum ReportKey : uint32_t {
    kKeyVorlagenOrdner = 154, kKeyAusgabe = 155, kKeyStandard = 152, kKeySpeichern = 157,
    kKeyProjekt = 156, kKeyDrucken = 165, kKeyVorlage = 164,
};

}  // namespace

void CKelvoDoc::OnReport() {
    try {
        int32_t userReport = 0;
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_USER_REPORT, userReport);
        CWQuelle2* erste = GetWQuelle(1);
        const int art = erste ? erste->GetWert(ID_QuellMediumIdx).GetIntVal() : -1;
        IReport::SetDaten(kKeyVorlage, ReportVorlage(userReport != 0, m_kombiQuelle.GetAnzahlWQuellen(), art));
        ErstelleReport(true, 1, false);
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
}

void CKelvoDoc::ErstelleReport(bool frageSeiten, int, bool drucken) {
    if (!IReport::IstGeladen()) return;
    if (IsEditOpen(frageSeiten)) {
        KVSMessageBoxID(kSeitenSchliessen, textid::kProduktCaption, kHinweis);
        return;
    }
    if (!m_projekt.IstVollstaendig()) {
        KVSMessageBoxTextID(kUnvollstaendig, m_name, kHinweis);
        return;
    }
    int ausreichend = 1;
    if (!BerechneProjekt(ausreichend, frageSeiten ? 1 : 0, 0)) return;
    if (CWQuelle2* erste = GetWQuelle(1); erste && erste->GetWert(ID_QuellMediumIdx).GetIntVal() == kSondenArt &&
                                          erste->GetWert(ID_SoleKreise).GetUIntVal() >= kSondenfeld)
        KVSMessageBoxID(kSondenHinweis, textid::kProduktCaption, kHinweis);
    try {
        const IKelvoOptionen& optionen = GetKelvoApp().GetOptionsManager();
        CVRMString vorlagen, berichte, standard;
        int32_t speichern = 0;
        optionen.GetStringWert(OPT_VORLAGEN_DIR, vorlagen);
        optionen.GetStringWert(OPT_REPORT_DIR, berichte);
        optionen.GetStringWert(OPT_STD_ERG_REPORT, standard);
        optionen.GetLongWert(OPT_SAVE_REPORT, speichern);
        standard = StandardReportPfad(vorlagen, standard);
        const CVRMString ausgabe =
            ReportAusgabeOrdner(berichte, speichern != 0, drucken, CVRMString(QDir::tempPath().toStdU16String()),
                                CResManager::getLangText(kTempOrdnerErsatz));
        IReport::SetDaten(kKeyVorlagenOrdner, vorlagen);
        IReport::SetDaten(kKeyAusgabe, ausgabe);
        IReport::SetDaten(kKeyStandard, standard);
        IReport::SetDaten(kKeySpeichern, static_cast<int>(speichern));
        IReport::SetDaten(kKeyProjekt, GetKelvoAppObjekt().GetAktProjektName());
        IReport::SetDaten(kKeyDrucken, drucken ? 1 : 0);
        if (m_warten) m_warten->Create(1, GetKelvoAppObjekt().GetMainFrame());
    } catch (...) {
        if (m_warten) m_warten->Close();
        throw;
    }
}
