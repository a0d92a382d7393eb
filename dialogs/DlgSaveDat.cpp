#include "dialogs/DlgSaveDat.h"

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kCaption = 4815;     // "Save or restore user database file"
constexpr unsigned kOrtGruppe = 4816;   // "Location"
constexpr unsigned kOrdnerText = 4818;  // "In the following folder:"
constexpr unsigned kTextDurchsuchen = 4819, kTextWiederherstellen = 4820, kTextSichern = 4821;
constexpr unsigned kTextSchliessen = 3717, kTextHilfe = 5178;
constexpr unsigned kFrageSichern = 3393;           // "Save user database in folder\n%s ?"
constexpr unsigned kFrageWiederher = 3394;         // "Restore user database from folder\n%s ?"
constexpr unsigned kKeineSicherung = 3395;         // "No user database found in folder\n%s !"
constexpr unsigned kGesichert = 7465;              // saved in the folder
constexpr unsigned kNichtGesichert = 7466;         // could not be saved: why
constexpr unsigned kTextWiederhergestellt = 7464;  // restored, the old one kept; the program ends
constexpr unsigned kTextOhneAlte = 7471;    // restored where there was none; the program ends
constexpr unsigned kNichtWiederher = 7467;  // could not be restored: why; nothing changed
constexpr unsigned kKeineDatenbank = 7463;  // the folder's file is no user database: why
constexpr unsigned kGleicheDatei = 7468;    // the folder holds the database in use
constexpr int kOrtGruppeId = 1958;
constexpr char16_t kHilfeThema[] = u"savedat";

CVRMString Text(unsigned id) {
    return CResManager::getLangText(static_cast<uint16_t>(id));
}

CVRMString Pfad(const std::filesystem::path& p) {
    return CVRMString::fromUtf8(p.string());
}

void Hinweis(const CVRMString& text, uint32_t icon) {
    KVSMessageBoxCaptionID(text, textid::kProduktCaption, icon);
}

bool Frage(unsigned textId, const CVRMString& ordner) {
    CVRMString text;
    text.Format(textId, ordner);
    return KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                  platform::mb::YESNO | platform::mb::ICONQUESTION) ==
           platform::id::YES;
}

}  // namespace

void RegistriereDlgSaveDatVorlage() {
    if (ui::findDialogTemplate(CDlgSaveDat::kIDD)) return;
    ui::registerDialogTemplate(
        {CDlgSaveDat::kIDD,
         {187, 126},
         kCaption,
         u"",
         {
             {kOrtGruppeId, ui::ControlKind::Group, {7, 4, 180, 60}},
             {CDlgSaveDat::kIdcOrdnerText, ui::ControlKind::Static, {14, 20, 120, 30}, kOrdnerText},
             {CDlgSaveDat::kIdcDurchsuchen,
              ui::ControlKind::Button,
              {124, 17, 173, 31},
              kTextDurchsuchen},
             {CDlgSaveDat::kIdcOrdner,
              ui::ControlKind::Edit,
              {14, 37, 173, 50},
              0,
              u"",
              ui::cs::EditReadOnly},
             {CDlgSaveDat::kIdcSichern, ui::ControlKind::Button, {7, 68, 91, 84}, kTextSichern},
             {CDlgSaveDat::kIdcWiederherstellen,
              ui::ControlKind::Button,
              {96, 68, 180, 84},
              kTextWiederherstellen},
             {ui::kIdOk, ui::ControlKind::DefButton, {76, 105, 126, 119}, kTextSchliessen},
             {CDlgSaveDat::kIdcHilfe, ui::ControlKind::Button, {130, 105, 180, 119}, kTextHilfe},
         }});
}

CDlgSaveDat::CDlgSaveDat(QWidget* parent, bool wiederherstellenGesperrt,
                         std::filesystem::path datenbank)
    : ui::Dialog((RegistriereDlgSaveDatVorlage(), kIDD), parent),
      m_wiederherstellenGesperrt(wiederherstellenGesperrt),
      m_sicherung(std::move(datenbank)) {}

bool CDlgSaveDat::onInitDialog() {
    m_ort = 1;
    ui::enableChild(this, kIdcWiederherstellen, !m_wiederherstellenGesperrt);
    updateData(false);
    setWindowTitle(QString::fromStdU16String(Text(kCaption)));
    ui::setChildText(this, kOrtGruppeId, u" " + Text(kOrtGruppe) + u" ");
    return true;
}

void CDlgSaveDat::doDataExchange(ui::DataExchange& dx) {
    dx.text(kIdcOrdner, m_strOrdner);
}

bool CDlgSaveDat::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcDurchsuchen:
            Durchsuche();
            return true;
        case kIdcSichern:
            Sichere();
            return true;
        case kIdcWiederherstellen:
            StelleWiederHer();
            return true;
        case kIdcHilfe:
            GetKelvoApp().ShowHilfeThema(kHilfeThema);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgSaveDat::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}

void CDlgSaveDat::Durchsuche() {
    const auto ordner = ui::CommonDialogs::folder(Text(kCaption), m_strOrdner);
    if (!ordner || ordner->empty()) return;
    m_strOrdner = *ordner;
    updateData(false);
}

bool CDlgSaveDat::OrdnerGewaehlt() {
    if (m_strOrdner.empty()) Durchsuche();
    return !m_strOrdner.empty();
}

void CDlgSaveDat::Sichere() {
    if (!OrdnerGewaehlt() || !Frage(kFrageSichern, m_strOrdner)) return;
    const std::filesystem::path ordner(m_strOrdner.toUtf8());
    const CDatenSicherung::SAntwort antwort = m_sicherung.Sichere(ordner);
    CVRMString text;
    switch (antwort.ergebnis) {
        case CDatenSicherung::Ergebnis::Ok:
            text.Format(kGesichert, m_strOrdner);
            Hinweis(text, platform::mb::ICONINFORMATION);
            return;
        case CDatenSicherung::Ergebnis::GleicheDatei:
            text.Format(kGleicheDatei, m_strOrdner);
            break;
        default:
            text.Format(kNichtGesichert, m_strOrdner, CVRMString::fromUtf8(antwort.fehler));
            break;
    }
    Hinweis(text, platform::mb::ICONEXCLAMATION);
}

void CDlgSaveDat::StelleWiederHer() {
    if (!OrdnerGewaehlt()) return;
    const std::filesystem::path ordner(m_strOrdner.toUtf8());
    CVRMString text;
    if (m_sicherung.Pruefe(ordner).ergebnis == CDatenSicherung::Ergebnis::KeineQuelle) {
        text.Format(kKeineSicherung, m_strOrdner);
        Hinweis(text, platform::mb::ICONINFORMATION);
        return;
    }
    if (!Frage(kFrageWiederher, m_strOrdner)) return;
    const CDatenSicherung::SAntwort antwort = m_sicherung.StelleWiederHer(ordner);
    switch (antwort.ergebnis) {
        case CDatenSicherung::Ergebnis::Ok:
            if (antwort.kopie.empty())
                text.Format(kTextOhneAlte, m_strOrdner);
            else
                text.Format(kTextWiederhergestellt, m_strOrdner, Pfad(antwort.kopie));
            Hinweis(text, platform::mb::ICONINFORMATION);
            endDialog(kWiederhergestellt);
            return;
        case CDatenSicherung::Ergebnis::KeineQuelle:
            text.Format(kKeineSicherung, m_strOrdner);
            break;
        case CDatenSicherung::Ergebnis::GleicheDatei:
            text.Format(kGleicheDatei, m_strOrdner);
            break;
        case CDatenSicherung::Ergebnis::KeineDatenbank:
            text.Format(kKeineDatenbank, Pfad(m_sicherung.DateiIn(ordner)),
                        Text(antwort.grundTextId));
            break;
        case CDatenSicherung::Ergebnis::Fehler:
            text.Format(kNichtWiederher, m_strOrdner, CVRMString::fromUtf8(antwort.fehler));
            break;
    }
    Hinweis(text, platform::mb::ICONEXCLAMATION);
}
