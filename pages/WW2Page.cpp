#include "pages/WW2Page.h"

#include <QLabel>
#include <exception>

#include "controls/small/FloatEdit.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMwerteListe.h"
#include "dialogs/DlgTexte.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "pages/WawaVerluste.h"
#include "platform/errors/UserException.h"
#include "platform/format/Format.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using D = CWW2Page;

constexpr unsigned kCaption = 5196;     // "Hot water tank and circulation losses"
constexpr unsigned kLaengeInnen = 3817; // "The length inside the heated space must be shorter ..."
constexpr int kGrSpeicher = 1691, kTxVolumen = 1698, kTxSoll = 1700, kTxBereitschaft = 1694,
              kErklBereitschaft = 1697, kTxSpeicher = 1702, kErklSpeicher = 1705, kGrZirk = 1706,
              kTxLaenge = 1710, kTxLaengeInnen = 1712, kTxPumpe = 1708, kTxLaufzeit = 1716,
              kTxLeitwert = 1714, kTxZirkVerlust = 1718, kErklZirk = 1721;
constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
constexpr ui::ColourRef kErklaerGrund = ui::rgb(223, 233, 244);

void RegistriereVorlage() {
    if (ui::findDialogTemplate(D::kIDD)) return;
    constexpr unsigned nurLesen = ui::cs::EditReadOnly;
    const auto zahl = [](int id, ui::Rect du) {
        return ui::ControlSpec{id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
    };
    std::vector<ui::ControlSpec> c = {
        {kGrSpeicher, K::Group, {7, 4, 433, 128}},
        {kTxVolumen, K::Static, {14, 18, 170, 28}},
        {D::kIdVolumen, K::Edit, {172, 16, 212, 28}, 0, u"", nurLesen},
        {kTxSoll, K::Static, {14, 34, 170, 44}},
        {D::kIdSoll, K::Edit, {172, 32, 212, 44}, 0, u"", nurLesen},
        {kTxBereitschaft, K::Static, {14, 50, 170, 60}},
        zahl(D::kIdBereitschaft, {172, 48, 212, 60}),
        {D::kIdRechneBereitschaft, K::Button, {216, 47, 266, 61}},
        {kErklBereitschaft, K::Static, {272, 14, 426, 66}},
        {D::kIdInnen, K::Radio, {14, 70, 250, 80}, 0, u"", ui::cs::RadioGroupStart},
        {D::kIdAussen, K::Radio, {14, 83, 250, 93}},
        {kTxSpeicher, K::Static, {14, 104, 170, 114}},
        {D::kIdSpeicherVerlust, K::Edit, {172, 102, 212, 114}},
        {D::kIdRechneSpeicher, K::Button, {216, 101, 266, 115}},
        {kErklSpeicher, K::Static, {272, 70, 426, 122}},
        {kGrZirk, K::Group, {7, 134, 433, 256}},
        {D::kIdZirkulation, K::Check, {14, 146, 250, 156}},
        {kTxLaenge, K::Static, {14, 162, 190, 172}},
        {D::kIdLaenge, K::Edit, {192, 160, 226, 172}},
        {kTxLaengeInnen, K::Static, {14, 177, 190, 187}},
        {D::kIdLaengeInnen, K::Edit, {192, 175, 226, 187}},
        {kTxPumpe, K::Static, {14, 192, 190, 202}},
        {D::kIdPumpe, K::Edit, {192, 190, 226, 202}},
        {kTxLaufzeit, K::Static, {14, 207, 190, 217}},
        zahl(D::kIdLaufzeit, {192, 205, 226, 217}),
        {kTxLeitwert, K::Static, {14, 222, 190, 232}},
        zahl(D::kIdLeitwert, {192, 220, 226, 232}),
        {kTxZirkVerlust, K::Static, {14, 238, 190, 248}},
        {D::kIdZirkVerlust, K::Edit, {192, 236, 226, 248}},
        {D::kIdRechneZirk, K::Button, {230, 235, 266, 249}},
        {kErklZirk, K::Static, {272, 146, 426, 196}},
        {ui::kIdOk, K::DefButton, {277, 262, 327, 276}},
        {ui::kIdCancel, K::Button, {330, 262, 380, 276}},
        {D::kIdHilfe, K::Button, {383, 262, 433, 276}},
    };
    ui::registerDialogTemplate({D::kIDD, {440, 282}, 0, u"", std::move(c)});
}

void ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"dlgwwverluste"); }

}  // namespace

CWW2Page::CWW2Page(CVRMwerteListe& haus, unsigned volumen, unsigned soll, QWidget* parent)
    : ui::Dialog(kIDD, parent),
      m_volumen(volumen),
      m_soll(soll),
      m_haus(haus),
      m_volumenGegeben(volumen),
      m_sollGegeben(soll),
      m_gruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

bool CWW2Page::onInitDialog() {
    ui::Dialog::onInitDialog();
    try {
        m_bereitschaft = m_haus.get(ID_BWV, true).GetFloatVal();
        m_speicherVerlust = m_haus.get(ID_GSV, true).GetUIntVal();
        m_pumpe = m_haus.get(ID_LZP, true).GetUIntVal();
        m_laenge = m_haus.get(ID_LZL, true).GetUIntVal();
        m_laengeInnen = m_haus.get(ID_LZI, true).GetUIntVal();
        m_leitwert = m_haus.get(ID_WDZ, true).GetFloatVal();
        m_laufzeit = m_haus.get(ID_LAZ, true).GetFloatVal();
        m_zirkVerlust = m_haus.get(ID_ZIV, true).GetUIntVal();
        m_zirkulation = m_haus.get(ID_SMZ, true).GetBoolVal() ? 1 : 0;
        m_ort = m_haus.get(ID_SPH, true).GetBoolVal() ? 0 : 1;
    } catch (const platform::UserException&) {
        // A record without these values: the dialog opens with its own.
    }
    m_gruppe.SetParent(this);
    for (int id : {kIdPumpe, kIdLaenge, kIdLaengeInnen, kIdLeitwert, kIdLaufzeit, kIdZirkVerlust, kIdRechneZirk})
        m_gruppe.AddEnable(static_cast<unsigned>(id));
    m_gruppe.Enable(m_zirkulation == 1);
    for (int id : {kErklBereitschaft, kErklSpeicher, kErklZirk}) {
        auto* label = qobject_cast<QLabel*>(ui::child(this, id));
        if (!label) continue;
        QPalette farben = label->palette();
        farben.setColor(QPalette::WindowText, ui::toQColor(kErklaerText));
        farben.setColor(QPalette::Window, ui::toQColor(kErklaerGrund));
        label->setPalette(farben);
        label->setAutoFillBackground(true);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setMargin(3);
    }
    setWindowTitle(DlgText(kCaption));
    SetzeDlgTexte(*this, {{kGrSpeicher, 5197, true}, {kTxVolumen, 5198}, {kTxSoll, 5199},
                          {kTxBereitschaft, 5200}, {kIdRechneBereitschaft, 5201}, {kErklBereitschaft, 5202},
                          {kIdInnen, 5203}, {kIdAussen, 5204}, {kTxSpeicher, 5205},
                          {kIdRechneSpeicher, 5206}, {kErklSpeicher, 5207}, {kGrZirk, 5208, true},
                          {kIdZirkulation, 5209}, {kTxLaenge, 5210}, {kTxLaengeInnen, 5211},
                          {kTxPumpe, 5212}, {kTxLaufzeit, 5213}, {kTxLeitwert, 5214},
                          {kTxZirkVerlust, 5215}, {kIdRechneZirk, 5216}, {kErklZirk, 5217}, {ui::kIdOk, 5177},
                          {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    updateData(false);
    return true;
}

void CWW2Page::doDataExchange(ui::DataExchange& dx) {
    try {
        dx.unsignedInt(kIdVolumen, m_volumen);
        dx.unsignedInt(kIdSoll, m_soll);
        dx.floating(kIdBereitschaft, m_bereitschaft);
        // The standby loss is shown, and so taken back, with one decimal.
        if (!dx.saving()) ui::setChildText(this, kIdBereitschaft, platform::format(u"%.1f", static_cast<double>(m_bereitschaft)));
        dx.radio(kIdInnen, m_ort);
        dx.unsignedInt(kIdSpeicherVerlust, m_speicherVerlust);
        dx.check(kIdZirkulation, m_zirkulation);
        dx.unsignedInt(kIdLaenge, m_laenge);
        dx.unsignedInt(kIdLaengeInnen, m_laengeInnen);
        dx.unsignedInt(kIdPumpe, m_pumpe);
        dx.floating(kIdLaufzeit, m_laufzeit, 0.0f, 24.0f);
        dx.floating(kIdLeitwert, m_leitwert, 0.0f, 1.0f);
        dx.unsignedInt(kIdZirkVerlust, m_zirkVerlust);
        m_austauschFehler = 0;
    } catch (const platform::UserException&) {
        m_austauschFehler = 1;
    }
}

bool CWW2Page::Lese() {
    m_austauschFehler = 0;
    updateData(true);
    const bool gelesen = m_austauschFehler == 0;
    m_austauschFehler = 0;
    return gelesen;
}

bool CWW2Page::LaengenPassen() const {
    if (m_laengeInnen <= m_laenge) return true;
    KVSMessageBoxID(kLaengeInnen, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    return false;
}

bool CWW2Page::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdRechneBereitschaft:
            if (!Lese()) return true;
            m_bereitschaft = Bereitschaftsverlust(m_volumenGegeben);
            break;
        case kIdRechneSpeicher:
            if (!Lese()) return true;
            m_speicherVerlust = SpeicherJahresVerlust(m_bereitschaft, m_sollGegeben, m_ort == 0);
            break;
        case kIdRechneZirk:
            if (!Lese() || !LaengenPassen()) return true;
            m_zirkVerlust = ZirkulationsJahresVerlust(m_laenge, m_laengeInnen, m_leitwert, m_laufzeit,
                                                      m_sollGegeben);
            break;
        case kIdZirkulation: {
            ui::DataExchange dx(*this, true);
            dx.check(kIdZirkulation, m_zirkulation);
            m_gruppe.Enable(m_zirkulation == 1);
            return true;
        }
        case kIdHilfe:
            ZeigeHilfe();
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
    updateData(false);
    return true;
}

bool CWW2Page::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

const std::array<TKelvoDatenID, 10>& CWW2Page::VerlustIds() {
    static constexpr std::array<TKelvoDatenID, 10> kIds = {ID_BWV, ID_SPH, ID_GSV, ID_SMZ, ID_LZL,
                                                           ID_LZI, ID_LZP, ID_LAZ, ID_WDZ, ID_ZIV};
    return kIds;
}

void CWW2Page::Schreibe() {
    // All or nothing: a record that lacks one of the values takes none.
    for (TKelvoDatenID id : VerlustIds()) m_haus.get(id);
    m_haus.get(ID_BWV) = m_bereitschaft;
    m_haus.get(ID_GSV) = m_speicherVerlust;
    m_haus.get(ID_LZP) = m_pumpe;
    m_haus.get(ID_LZL) = m_laenge;
    m_haus.get(ID_LZI) = m_laengeInnen;
    m_haus.get(ID_WDZ) = m_leitwert;
    m_haus.get(ID_LAZ) = m_laufzeit;
    m_haus.get(ID_ZIV) = m_zirkVerlust;
    m_haus.get(ID_SMZ) = m_zirkulation == 1;
    m_haus.get(ID_SPH) = m_ort == 0;
}

void CWW2Page::onOK() {
    if (!Lese() || !LaengenPassen()) return;
    // A value the record cannot take is reported and the dialog stays: closing with OK
    // would let the page save a record that holds only part of the entries.
    try {
        Schreibe();
    } catch (const platform::UserException&) {
        return;
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), u"CWW2Page::OnOK");
        return;
    }
    endDialog(ui::kIdOk);
}
