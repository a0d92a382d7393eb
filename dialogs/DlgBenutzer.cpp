#include "dialogs/DlgBenutzer.h"

#include "controls/html/PPHtmlStatic.h"
#include "controls/small/PicStatic.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/data/DateiHilfen.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

constexpr unsigned kCaption = 4285;        // "Varmion user informations"
constexpr unsigned kAdressGruppe = 4305;   // "Address and contact informations"
constexpr unsigned kLogoGruppe = 4406;     // "Company logo"
constexpr unsigned kHinweis = 4408;        // the logo is fitted into the report's area
constexpr unsigned kLogoTitel = 3773;      // "Please select the file with your logo picture"
constexpr unsigned kBildFilter = 3173;     // "Pictures (*.bmp; ...)|...||"
constexpr unsigned kLogoEntfernen = 5697;  // "Do you want to remove the logo file ...?"
constexpr unsigned kTextOk = 5177, kTextAbbrechen = 5176, kTextHilfe = 5178;
constexpr int kAdressGruppeId = 1770, kLogoGruppeId = 1779;
constexpr char16_t kHilfeThema[] = u"datenben";

// The notice's colours, as every explanation of the program.
constexpr ui::ColourRef kHinweisGrund = ui::rgb(223, 233, 244);
constexpr ui::ColourRef kHinweisText = ui::rgb(21, 59, 99);

// One row of the address group: label and edit.
struct SZeile {
    int label, edit;
    unsigned textId;
};
constexpr SZeile kZeilen[] = {
    {1771, CDlgBenutzer::kIdcFirma, 4326},       // "Company name"
    {1772, CDlgBenutzer::kIdcBearbeiter, 4397},  // "Employee"
    {1773, CDlgBenutzer::kIdcStrasse, 4398},     // "Street and no."
    {1774, CDlgBenutzer::kIdcOrt, 4401},         // "Zip code and town"
    {1775, CDlgBenutzer::kIdcTel, 4402},         // "Telephone"
    {1776, CDlgBenutzer::kIdcFax, 4403},         // "Fax"
    {1777, CDlgBenutzer::kIdcEmail, 4404},       // "Email"
    {1778, CDlgBenutzer::kIdcInternet, 4405},    // "Internet"
};

CVRMString Text(unsigned id) {
    return CResManager::getLangText(static_cast<uint16_t>(id));
}

}  // namespace

void RegistriereDlgBenutzerVorlage() {
    if (ui::findDialogTemplate(CDlgBenutzer::kIDD)) return;
    ui::DialogTemplate t{CDlgBenutzer::kIDD, {257, 301}, kCaption};
    t.controls.push_back({kAdressGruppeId, ui::ControlKind::Group, {7, 4, 250, 155}});
    int y = 17;
    for (const SZeile& z : kZeilen) {
        t.controls.push_back(
            {z.label, ui::ControlKind::Static, {14, y + 2, 100, y + 12}, z.textId});
        t.controls.push_back({z.edit, ui::ControlKind::Edit, {102, y, 243, y + 13}});
        y += 16;
    }
    t.controls.push_back({kLogoGruppeId, ui::ControlKind::Group, {7, 160, 250, 274}});
    t.controls.push_back({CDlgBenutzer::kIdcLogoWaehlen,
                          ui::ControlKind::Button,
                          {14, 174, 112, 189},
                          4407});  // "Select logo file"
    t.controls.push_back({CDlgBenutzer::kIdcHinweis,
                          ui::ControlKind::Custom,
                          {14, 194, 112, 267},
                          0,
                          u"",
                          0,
                          [](QWidget* p) { return new CPPHtmlStatic(p); }});
    t.controls.push_back({CDlgBenutzer::kIdcLogo,
                          ui::ControlKind::Custom,
                          {118, 174, 243, 267},
                          0,
                          u"",
                          0,
                          [](QWidget* p) { return new CPicStatic(p); }});
    t.controls.push_back({ui::kIdOk, ui::ControlKind::DefButton, {90, 281, 140, 295}, kTextOk});
    t.controls.push_back(
        {ui::kIdCancel, ui::ControlKind::Button, {145, 281, 195, 295}, kTextAbbrechen});
    t.controls.push_back(
        {CDlgBenutzer::kIdcHilfe, ui::ControlKind::Button, {200, 281, 250, 295}, kTextHilfe});
    ui::registerDialogTemplate(std::move(t));
}

CDlgBenutzer::CDlgBenutzer(QWidget* parent, CBenutzerDaten& daten)
    : ui::Dialog((RegistriereDlgBenutzerVorlage(), kIDD), parent), m_daten(daten) {}

CPicStatic* CDlgBenutzer::Logo() const {
    return dynamic_cast<CPicStatic*>(ui::child(const_cast<CDlgBenutzer*>(this), kIdcLogo));
}

bool CDlgBenutzer::onInitDialog() {
    const auto text = [this](TKelvoDatenID id) { return m_daten.GetWert(id).GetStringVal(); };
    m_strFirma = text(ID_Firma);
    m_strStrasse = text(ID_BenStrasse);
    m_strOrt = text(ID_BenOrt);
    m_strTel = text(ID_BenTel);
    m_strFax = text(ID_BenFax);
    m_strEmail = text(ID_BenEmail);
    m_strInternet = text(ID_BenInternet);
    m_strLogo = text(ID_BenLogo);
    m_strBearbeiter = text(ID_BenBearbeiter);

    if (auto* hinweis = dynamic_cast<CPPHtmlStatic*>(ui::child(this, kIdcHinweis))) {
        hinweis->SetBkColor(kHinweisGrund);
        hinweis->SetBkMode(CPPHtmlStatic::Opaque);
        hinweis->SetTextColor(kHinweisText.value);
        hinweis->SetWindowText(Text(kHinweis));
    }
    if (CPicStatic* bild = Logo()) bild->SetDrawFlag(true);
    ZeigeLogo();

    setWindowTitle(QString::fromStdU16String(Text(kCaption)));
    ui::setChildText(this, kAdressGruppeId, u" " + Text(kAdressGruppe) + u" ");
    ui::setChildText(this, kLogoGruppeId, u" " + Text(kLogoGruppe) + u" ");
    updateData(false);
    return true;
}

void CDlgBenutzer::doDataExchange(ui::DataExchange& dx) {
    dx.text(kIdcFirma, m_strFirma);
    dx.text(kIdcBearbeiter, m_strBearbeiter);
    dx.text(kIdcStrasse, m_strStrasse);
    dx.text(kIdcOrt, m_strOrt);
    dx.text(kIdcTel, m_strTel);
    dx.text(kIdcFax, m_strFax);
    dx.text(kIdcEmail, m_strEmail);
    dx.text(kIdcInternet, m_strInternet);
}

void CDlgBenutzer::onOK() {
    if (!updateData(true)) return;
    const std::pair<TKelvoDatenID, const CVRMString*> zurueck[] = {
        {ID_BenEmail, &m_strEmail},
        {ID_BenFax, &m_strFax},
        {ID_BenInternet, &m_strInternet},
        {ID_BenOrt, &m_strOrt},
        {ID_BenStrasse, &m_strStrasse},
        {ID_BenTel, &m_strTel},
        {ID_BenLogo, &m_strLogo},
        {ID_Firma, &m_strFirma},
        {ID_BenBearbeiter, &m_strBearbeiter},
    };
    for (const auto& [id, text] : zurueck) m_daten.SetWert(id, CVRMwert(*text));
    m_daten.Speichern();
    endDialog(ui::kIdOk);
}

bool CDlgBenutzer::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcLogoWaehlen:
            WaehleLogo();
            return true;
        case kIdcHilfe:
            GetKelvoApp().ShowHilfeThema(kHilfeThema);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgBenutzer::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}

void CDlgBenutzer::WaehleLogo() {
    if (m_titel.empty()) m_titel = Text(kLogoTitel);
    if (m_filter.empty()) m_filter = Text(kBildFilter);
    ui::FileDialogRequest anfrage;
    anfrage.filter = m_filter;
    anfrage.defaultExt = u"bmp";
    anfrage.title = m_titel;
    anfrage.mustExist = true;
    anfrage.parent = this;
    // There is no drive c: here; the folder of the present logo is the nearest start.
    if (!m_strLogo.empty())
        anfrage.startDir = std::filesystem::path(m_strLogo.toUtf8()).parent_path().u16string();
    if (const auto pfad = ui::CommonDialogs::file(anfrage)) {
        m_strLogo = *pfad;
        ZeigeLogo();
        return;
    }
    if (KVSMessageBoxID(kLogoEntfernen, textid::kProduktCaption, platform::mb::YESNO) ==
        platform::id::YES) {
        m_strLogo.clear();
        ZeigeLogo();
    }
}

void CDlgBenutzer::ZeigeLogo() {
    CPicStatic* bild = Logo();
    if (!bild) return;
    m_standardLogo = m_strLogo.empty() || !DateiExistiert(m_strLogo) ||
                     !bild->LoadFromFile(std::filesystem::path(m_strLogo.toUtf8()));
    if (m_standardLogo) bild->LoadFromResource(IDB_STANDARD_LOGO, u"BMP");
    bild->redrawNow();
}
