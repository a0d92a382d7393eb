#include "dialogs/KelvoView1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <exception>

#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/buttons/ButtonBitmaps.h"
#include "controls/buttons/ButtonST.h"
#include "controls/small/Label.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMStringArray.h"
#include "dialogs/KelvoView1Logik.h"
#include "dialogs/KelvoView1Vorlagen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DrawContext.h"

namespace {

constexpr unsigned kKeineNotiz = 3383;           // "<no notice>"
constexpr unsigned kKomponenteFehlt = 3382;      // "Project component '%s'\nnot found ..."
constexpr unsigned kPumpenPruefen = 3649;        // "Please check, if the power consumption ..."
constexpr unsigned kFehlerOberflaeche = 3118;    // "Error when updating user interface"
constexpr unsigned kNichtGeaendert = 3109;       // "Could not change component"
constexpr unsigned kHilfeText = 5178;            // "Help"
constexpr unsigned kHinweisText = 5035;          // "Click on the icons to edit data. ..."
constexpr unsigned kNeutralesBild = 230;
constexpr int kMaxNotiz = 250;
constexpr int kAnzahlEintraege = 9;

// Button, tooltip, bitmap of the default layout, and the text of the classic one.
struct SKnopf {
    int id;
    unsigned tooltip;
    int bitmap;
    unsigned klassischText;
};
constexpr SKnopf kKnoepfe[] = {
    {CKelvoView1::kIdcHausDaten, 3833, 236, 5041},    {CKelvoView1::kIdcTarifDaten, 3834, 231, 5039},
    {CKelvoView1::kIdcWawaDaten, 3835, 232, 5040},    {CKelvoView1::kIdcQuellDaten, 3836, 234, 5043},
    {CKelvoView1::kIdcWPumpeDaten, 3837, 233, 5042},  {CKelvoView1::kIdcProjektDaten, 3838, 238, 5037},
    {CKelvoView1::kIdcSolarDaten, 3839, 235, 5038},   {CKelvoView1::kIdcKuehlDaten, 3840, 233, 5036},
    {CKelvoView1::kIdcHilfe, 0, 0, 0},
};

constexpr int kInfoLabels[] = {CKelvoView1::kIdcSolarInfo, CKelvoView1::kIdcKuehlInfo,
                               CKelvoView1::kIdcOrtInfo, CKelvoView1::kIdcQuelleInfo,
                               CKelvoView1::kIdcWawaInfo};

int LeseKlassisch() {
    int32_t wert = 0;
    try {
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_CLASSIC, wert);
    } catch (const platform::UserException&) {
        wert = 0;
    }
    return wert;
}

QString Q(const CVRMString& s) { return QString::fromStdU16String(s); }

// The document's edits answer 0 after their own message; the window then shows what was.
template <class F>
void OhneAusnahme(F&& f) {
    try {
        f();
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
}

}  // namespace

CKelvoView1::CKelvoView1(CKelvoDoc& dokument, QWidget* parent)
    : CResizableFormView(parent), m_dokument(dokument), m_klassisch(LeseKlassisch() != 0) {
    RegistriereKelvoView1Vorlagen();
    const ui::DialogTemplate* vorlage =
        ui::findDialogTemplate(m_klassisch ? kIddKlassisch : kIddStandard);
    const ui::Size groesse = ui::buildFromTemplate(*this, *this, *vorlage);
    SetScrollSize({groesse.cx, groesse.cy});
    SetMinTrackSize({groesse.cx, groesse.cy});
    resize(groesse.cx, groesse.cy);
    m_dokument.AddView(this);
    OnInitialUpdate();
}

CKelvoView1::~CKelvoView1() {
    m_dokument.RemoveView(this);
}

QComboBox* CKelvoView1::Combo(int id) const {
    return qobject_cast<QComboBox*>(ui::child(const_cast<CKelvoView1*>(this), id));
}

void CKelvoView1::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
    m_klassisch = LeseKlassisch() != 0;
    SetzeAnker();
    SetHintergrundBild();
    FuelleListen();
    FillViewDaten();
    if (QWidget* rahmen = parentWidget()) rahmen->setWindowTitle(Q(m_dokument.GetProjektName()));
    RichteKnoepfeEin();
    for (int id : kInfoLabels)
        if (auto* label = dynamic_cast<CLabel*>(ui::child(this, id)))
            label->SetBkColor(ui::sysColour(ui::SysColour::Window));
    if (m_klassisch)
        for (const SKnopf& k : kKnoepfe)
            if (k.klassischText) ui::setChildText(this, k.id, CVRMString(k.klassischText, u""));
    ui::setChildText(this, kIdcHilfe, CResManager::getLangText(kHilfeText));
    if (auto* hinweis = dynamic_cast<CLabel*>(ui::child(this, kIdcHinweis))) {
        hinweis->SetText(CResManager::getLangText(kHinweisText));
        hinweis->SetFontBold(true).SetTransparent(true);
    }
    if (auto* notiz = qobject_cast<QLineEdit*>(ui::child(this, kIdcNotiz))) {
        notiz->setMaxLength(kMaxNotiz);
        notiz->installEventFilter(this);
    }
    if (QComboBox* wpumpe = Combo(kIdcWPumpe)) {
        wpumpe->installEventFilter(this);
        if (wpumpe->lineEdit()) wpumpe->lineEdit()->installEventFilter(this);
    }
    if (QComboBox* tarif = Combo(kIdcTarif))
        QObject::connect(tarif, &QComboBox::activated, this, [this] { OnSelchangeTarif(); });
    if (QComboBox* anzahl = Combo(kIdcAnzahl)) {
        for (int i = 1; i <= kAnzahlEintraege; ++i) anzahl->addItem(QString::number(i));
        QObject::connect(anzahl, &QComboBox::activated, this, [this] { OnSelchangeAnzahl(); });
    }
    UpdateData(false);
    EnableControls();
}

void CKelvoView1::SetzeAnker() {
    struct SAnker {
        int id;
        resizable::AnchorType oben, unten;
    };
    static constexpr SAnker kKlassisch[] = {
        {kIdcTarif, {0, 10}, {19, 10}},          {kIdcTarifDaten, {0, 17}, {17, 22}},
        {kIdcSolarDaten, {44, 16}, {60, 21}},    {kIdcWPumpe, {0, 53}, {32, 53}},
        {kIdcAnzahl, {33, 53}, {33, 53}},        {kIdcWPumpeDaten, {15, 60}, {32, 65}},
        {kIdcWawaDaten, {46, 53}, {58, 61}},     {kIdcHausDaten, {73, 51}, {84, 57}},
        {kIdcProjektDaten, {85, 76}, {97, 81}},  {kIdcQuellDaten, {39, 89}, {52, 95}},
        {kIdcNotiz, {60, 86}, {100, 100}},
        // The captions keep above their combos.
        {kIdcTarifTitel, {0, 10}, {19, 10}},     {kIdcWPumpeTitel, {0, 53}, {32, 53}},
    };
    static constexpr SAnker kStandard[] = {{kIdcHinweis, {0, 95}, {100, 100}}};
    const auto setze = [this](const auto& tabelle) {
        for (const SAnker& a : tabelle)
            if (QWidget* w = ui::child(this, a.id)) AddAnchor(w, a.oben, a.unten);
    };
    if (m_klassisch)
        setze(kKlassisch);
    else
        setze(kStandard);
}

void CKelvoView1::RichteKnoepfeEin() {
    const ui::ColourRef silber = ui::rgb(192, 192, 192);
    const ui::ColourRef weiss = ui::rgb(255, 255, 255);
    for (const SKnopf& k : kKnoepfe) {
        auto* knopf = dynamic_cast<CButtonST*>(ui::child(this, k.id));
        if (!knopf) continue;
        const bool mitBild = !m_klassisch && k.bitmap != 0;
        if (mitBild) {
            knopf->SetColor(buttons::kBackNormal, silber);
            knopf->SetColor(buttons::kBackHover, weiss);
            knopf->SetColor(buttons::kBackFocus, weiss, true);
            knopf->SetBitmaps(k.bitmap, weiss, k.bitmap, weiss);
        } else if (!m_klassisch) {
            knopf->DrawTransparent(false);
            // Over the picture a face-less text alone does not read as a button: the help
            // button keeps its frame while not hovered.
            knopf->SetFlat(false);
        }
        // The classic layout gives the cooling button neither picture nor tooltip.
        const bool tooltip = k.tooltip != 0 && !(m_klassisch && k.id == kIdcKuehlDaten);
        // The tooltips are texts of the language table, not string resources.
        if (tooltip)
            knopf->SetTooltipText(std::u16string_view(CResManager::getLangText(k.tooltip)));
        else
            knopf->SetTooltipText(std::u16string_view());
    }
}

void CKelvoView1::FuelleListen() {
    CVRMStringArray namen;
    if (QComboBox* tarif = Combo(kIdcTarif)) {
        GetKelvoApp().GetListe2(namen, 1);
        for (const CVRMString& n : namen) tarif->addItem(Q(n));
    }
    namen.clear();
    if (QComboBox* wpumpe = Combo(kIdcWPumpe)) {
        GetKelvoApp().GetListe(namen, 1);
        for (const CVRMString& n : namen) wpumpe->addItem(Q(n));
    }
}

void CKelvoView1::ClearViewDaten() {
    m_strNotiz.clear();
    m_strTarif.clear();
    m_strWPumpe.clear();
    m_nAnzahl = -1;
}

bool CKelvoView1::WaehleAus(QComboBox* box, const CVRMString& name) {
    if (!box) return false;
    return box->findText(Q(name), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

void CKelvoView1::FehlendeKomponente(TKelvoDatenID id, CVRMString& name) {
    CVRMString text;
    text.Format(kKomponenteFehlt, name);
    KVSMessageBoxText(text, m_dokument.GetProjektName(), platform::mb::ICONINFORMATION);
    name.clear();
    m_dokument.LoeseVerknuepfung(id);
}

void CKelvoView1::FillViewDaten() {
    ClearViewDaten();
    CProjekt2& projekt = m_dokument.Projekt();
    m_strNotiz = m_dokument.ProjektText(ID_Notiz);
    if (m_strNotiz.empty()) m_strNotiz = CResManager::getLangText(kKeineNotiz);
    m_strWPumpe = m_dokument.ProjektText(ID_WPumpe);
    if (!m_strWPumpe.empty() && !WaehleAus(Combo(kIdcWPumpe), m_strWPumpe))
        FehlendeKomponente(ID_WPumpe, m_strWPumpe);
    m_nAnzahl = static_cast<int32_t>(projekt.GetWert(ID_AnzahlWP).GetUIntVal()) - 1;
    m_strTarif = m_dokument.ProjektText(ID_Tarif);
    if (!m_strTarif.empty() && !WaehleAus(Combo(kIdcTarif), m_strTarif))
        FehlendeKomponente(ID_Tarif, m_strTarif);
}

void CKelvoView1::UpdateData(bool speichern) {
    auto* notiz = qobject_cast<QLineEdit*>(ui::child(this, kIdcNotiz));
    QComboBox* tarif = Combo(kIdcTarif);
    QComboBox* wpumpe = Combo(kIdcWPumpe);
    QComboBox* anzahl = Combo(kIdcAnzahl);
    if (speichern) {
        if (notiz) m_strNotiz = CVRMString(notiz->text().toStdU16String());
        if (tarif) m_strTarif = CVRMString(tarif->currentText().toStdU16String());
        if (wpumpe) m_strWPumpe = CVRMString(wpumpe->currentText().toStdU16String());
        if (anzahl) m_nAnzahl = anzahl->currentIndex();
        return;
    }
    m_inUpdate = true;
    // Fields narrower than their text show its start.
    if (notiz) {
        notiz->setText(Q(m_strNotiz));
        notiz->setCursorPosition(0);
    }
    const auto zeige = [](QComboBox* box, const CVRMString& name) {
        if (!box) return;
        const int index = box->findText(Q(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
        box->setCurrentIndex(index);
        if (!box->isEditable()) return;
        box->setEditText(index >= 0 ? box->itemText(index) : QString());
        box->lineEdit()->setCursorPosition(0);
    };
    zeige(tarif, m_strTarif);
    zeige(wpumpe, m_strWPumpe);
    if (anzahl) anzahl->setCurrentIndex(m_nAnzahl >= 0 && m_nAnzahl < anzahl->count() ? m_nAnzahl : -1);
    m_inUpdate = false;
}

void CKelvoView1::OnUpdate(IKelvoView*, int hint, void* objekt) {
    try {
        CHaus2& haus = m_dokument.Haus();
        CProjekt2& projekt = m_dokument.Projekt();
        const auto info = [this](int id, const CVRMString& text) {
            if (auto* label = dynamic_cast<CLabel*>(ui::child(this, id))) label->SetText(text);
        };
        // Every hint renews all five lines: a house or source that is no longer linked
        // leaves its line empty instead of the texts of the component that was.
        const bool mitHaus = haus.IstInitialisiert();
        info(kIdcSolarInfo, mitHaus ? haus.GetSolarKurzInfo(m_dokument.ProjektText(ID_Solar)) : CVRMString());
        info(kIdcKuehlInfo, mitHaus ? haus.GetKuehlKurzInfo(m_dokument.ProjektText(ID_Kuehl)) : CVRMString());
        info(kIdcOrtInfo, mitHaus ? haus.GetOrtKurzInfo() : CVRMString());
        info(kIdcWawaInfo, mitHaus ? haus.GetWawaKurzInfo() : CVRMString());
        CKombiWQuelle2& quelle = m_dokument.KombiWQuelle();
        info(kIdcQuelleInfo, quelle.IstGueltig() ? quelle.GetKurzInfo() : CVRMString());
        const auto neuerName = [&](QComboBox* box) {
            auto* namen = static_cast<CVRMStringArray*>(objekt);
            if (!namen) return;
            if (namen->empty()) ThrowFehler(0, nullptr, 0);
            if (box) box->addItem(Q(namen->front()));
        };
        switch (hint) {
            case hinweis::kTarif:
                m_strTarif = m_dokument.ProjektText(ID_Tarif);
                UpdateData(false);
                break;
            case hinweis::kWPumpe:
                m_strWPumpe = m_dokument.ProjektText(ID_WPumpe);
                UpdateData(false);
                break;
            case hinweis::kProjekt:
                break;
            case hinweis::kAnzahlWP:
                m_nAnzahl = static_cast<int32_t>(projekt.GetWert(ID_AnzahlWP).GetUIntVal()) - 1;
                UpdateData(false);
                break;
            case hinweis::kNeuerTarif:
                neuerName(Combo(kIdcTarif));
                break;
            case hinweis::kNeueWPumpe:
                neuerName(Combo(kIdcWPumpe));
                break;
            case hinweis::kNeueWQuelle:
                if (auto* namen = static_cast<CVRMStringArray*>(objekt)) {
                    if (namen->empty()) ThrowFehler(0, nullptr, 0);
                    m_dokument.AddWQ1ListenEintrag(namen->front());
                }
                break;
            default:
                return;
        }
        EnableControls();
    } catch (...) {
        ShowFremdenFehler(std::current_exception());
        ShowFehler(kFehlerOberflaeche, u"Projektfenster");
        EnableControls();
    }
}

void CKelvoView1::EnableControls() {
    const SProjektKnoepfe k = ProjektKnoepfe(LeseProjektZustand(m_dokument, m_strTarif, m_strWPumpe));
    ui::enableChild(this, kIdcTarifDaten, k.tarif);
    ui::enableChild(this, kIdcWPumpeDaten, k.wpumpe);
    ui::enableChild(this, kIdcHausDaten, k.haus);
    ui::enableChild(this, kIdcWawaDaten, k.wawa);
    ui::enableChild(this, kIdcProjektDaten, k.projekt);
    ui::enableChild(this, kIdcSolarDaten, k.solar);
    ui::enableChild(this, kIdcQuellDaten, k.wquelle);
    SetHintergrundBild();
    update();
}

void CKelvoView1::SetHintergrundBild() {
    CKombiWQuelle2& kombi = m_dokument.KombiWQuelle();
    const bool gueltig = kombi.IstGueltig() && kombi.GetErsteWQuelle();
    const int art = gueltig ? kombi.GetErsteWQuelle()->GetWert(ID_QuellMediumIdx).GetIntVal() : -1;
    const unsigned id = HintergrundBild(gueltig, art);
    if (id == m_bildId && !m_bild.isNull()) return;
    m_bild = buttons::loadResourceBitmap(static_cast<int>(id));
    m_bildId = m_bild.isNull() ? 0 : id;
}

bool CKelvoView1::onEraseBackground(ui::DrawContext& dc) {
    const ui::Rect ziel{0, 0, width(), height()};
    if (!m_bild.isNull())
        dc.stretchBlit(ziel, m_bild, ui::Rect{0, 0, m_bild.width(), m_bild.height()}, true);
    else
        dc.fillRect(ziel, ui::sysColour(ui::SysColour::Window));
    return true;
}

bool CKelvoView1::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcTarifDaten:
            GetKelvoAppObjekt().BearbeiteTarif(0);
            return true;
        case kIdcWPumpeDaten:
            GetKelvoAppObjekt().BearbeiteWPumpe(0);
            return true;
        case kIdcHilfe:
            OnHilfe();
            return true;
        case kIdcHausDaten:
        case kIdcQuellDaten:
        case kIdcWawaDaten:
        case kIdcProjektDaten:
        case kIdcSolarDaten:
        case kIdcKuehlDaten:
            m_dokument.onCommand(id);
            return true;
        default:
            return CResizableFormView::onCommand(id, notifyCode, from);
    }
}

bool CKelvoView1::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return CResizableFormView::onKeyDown(key, mods);
    OnHilfe();
    return true;
}

void CKelvoView1::OnHilfe() {
    GetKelvoApp().ShowHilfeThema(CVRMString(u"projektinfo"));
}

bool CKelvoView1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_inUpdate) {
        QWidget* notiz = ui::child(this, kIdcNotiz);
        QComboBox* wpumpe = Combo(kIdcWPumpe);
        if (watched == notiz) {
            OnKillfocusNotiz();
        } else if (wpumpe && (watched == wpumpe || watched == wpumpe->lineEdit())) {
            // Moving into the combo's own list is no leaving.
            if (!wpumpe->view()->isVisible()) OnKillfocusWPumpe();
        }
    }
    return CResizableFormView::eventFilter(watched, event);
}

void CKelvoView1::OnKillfocusNotiz() {
    const CVRMString alt = m_strNotiz;
    UpdateData(true);
    OhneAusnahme([&] { SaveKomponente(ID_Notiz, alt); });
}

void CKelvoView1::SaveKomponente(TKelvoDatenID id, const CVRMString& alt) {
    if (id != ID_Notiz) ThrowFehler(textid::kFalscheKonstante, u"CKelvoView1::SaveKomponente");
    if (m_strNotiz == alt) return;
    // An emptied notice is saved like any other, so that a notice can be removed.
    if (!m_dokument.SetProjektDaten(ID_Notiz, m_strNotiz, 1, 1))
        ThrowFehler(kNichtGeaendert, std::u16string_view(m_strNotiz));
}

void CKelvoView1::OnKillfocusWPumpe() {
    const CVRMString alt = m_strWPumpe;
    UpdateData(true);
    if (m_strWPumpe == alt) return;
    OhneAusnahme([&] {
        const auto anzahl = static_cast<unsigned>(m_nAnzahl + 1);
        if (m_dokument.WechsleWPumpe(m_strWPumpe, anzahl)) {
            KVSMessageBoxID(kPumpenPruefen, textid::kProduktCaption, platform::mb::ICONINFORMATION);
            m_dokument.OnEditDatenPage(CKelvoDoc::kProjektSeite);
        } else {
            m_strWPumpe = alt;
        }
    });
    UpdateData(false);
}

void CKelvoView1::OnSelchangeAnzahl() {
    const int32_t alt = m_nAnzahl;
    UpdateData(true);
    if (m_nAnzahl == alt) return;
    OhneAusnahme([&] {
        if (!m_dokument.SetProjektDaten2(ID_AnzahlWP, static_cast<unsigned>(m_nAnzahl + 1), 1)) {
            m_nAnzahl = alt;
            return;
        }
        KVSMessageBoxID(kPumpenPruefen, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        m_dokument.OnEditDatenPage(CKelvoDoc::kProjektSeite);
    });
    UpdateData(false);
}

void CKelvoView1::OnSelchangeTarif() {
    const CVRMString alt = m_strTarif;
    UpdateData(true);
    if (m_strTarif == alt) return;
    if (!m_dokument.SetProjektDaten(ID_Tarif, m_strTarif, 1, 1)) m_strTarif = alt;
    UpdateData(false);
}
