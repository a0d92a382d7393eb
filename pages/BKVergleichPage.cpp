#include "pages/BKVergleichPage.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/EnablerDisabler.h"
#include "controls/small/FloatEdit.h"
#include "controls/small/Label.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/DlgBKGrafik.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/DlgZKosten.h"
#include "dialogs/KostenGrafik.h"
#include "evaluation/binding/BindingState.h"
#include "evaluation/binding/Report.h"
#include "model/data/HeizungsNamen.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "pages/KostenSeitenHilfen.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using P = CBKVergleichPage;

constexpr unsigned kTitel = 4410;            // "Comparison of operation costs"
constexpr unsigned kOhneZusatzkosten = 3765;  // bivalent, but no additional costs for %s
constexpr unsigned kZusatzkostenAddiert = 3768;  // "... the additional costs for %s are added ..."
constexpr unsigned kZweiNotizen = 3363;       // "(%s and %s)"
constexpr unsigned kEineNotiz = 3364;         // "(%s)"
constexpr unsigned kHeizung = 3210, kWarmwasser = 3211;
// The heating kind edited by each additional-cost button, by comparison position.
constexpr std::array<int, 6> kArtDerKnoepfe = kArtVonPosition;

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Edit, du, 0, u"", ui::cs::EditReadOnly | ui::cs::EditNumber};
}
ui::ControlSpec Preis(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 2); }};
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(P::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {1808, K::Static, {7, 7, 140, 17}},
        Zahl(P::kIdJahresWaerme, {144, 5, 196, 17}),
        {P::kIdWaermeNotiz, K::Static, {202, 7, 413, 17}},
        {1781, K::Static, {7, 26, 120, 46}},
        {1782, K::Static, {124, 26, 166, 36}},
        {1783, K::Static, {124, 36, 166, 46}},
        {1784, K::Static, {170, 26, 232, 46}},
        {1785, K::Static, {236, 26, 286, 36}},
        {1786, K::Static, {236, 36, 286, 46}},
        {1787, K::Static, {290, 26, 340, 36}},
        {1788, K::Static, {290, 36, 340, 46}},
        {1789, K::Static, {7, 50, 120, 60}},
        {P::kIdZusatztext, K::Static, {7, 60, 120, 84}},
        {P::kIdSolar, K::Static, {7, 84, 120, 92}},
        {1800, K::Static, {170, 50, 232, 70}},
        {1793, K::Static, {7, 96, 120, 114}},
        {1795, K::Static, {7, 118, 120, 128}},
        {P::kIdEigenerName, K::Static, {7, 136, 120, 146}},
        {1799, K::Static, {7, 146, 120, 162}},
        {1801, K::Static, {7, 166, 120, 184}},
        {1802, K::Static, {7, 188, 120, 198}},
    };
    constexpr std::array<int, 6> zeilen = {48, 96, 116, 136, 166, 186};
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const int y = zeilen[i];
        c.push_back(Preis(P::kIdPreis[i], {124, y, 166, y + 12}));
        if (i > 0)
            c.push_back({P::kIdWirkungsgrad[i], K::Edit, {170, y, 204, y + 12}, 0, u"",
                         ui::cs::EditNumber});
        c.push_back({P::kIdZusatz[i], K::Button, {236, y, 286, y + 13}});
        c.push_back(Zahl(P::kIdSumme[i], {290, y, 340, y + 12}));
        c.push_back({P::kIdBalken[i], K::Custom, {344, y + 1, 413, y + 11}, 0, u"", 0,
                     [](QWidget* p) {
                         auto* balken = new QProgressBar(p);
                         balken->setTextVisible(false);
                         return balken;
                     }});
    }
    c.push_back({P::kIdHinweis, K::Custom, {7, 204, 413, 224}, 0, u"", 0, kostenseiten::NeuerHinweis});
    c.push_back({P::kIdNeuRechnen, K::Button, {7, 230, 77, 244}});
    c.push_back({P::kIdReport, K::Button, {81, 230, 151, 244}});
    c.push_back({P::kIdGrafik, K::Button, {155, 230, 215, 244}});
    c.push_back({P::kIdHilfe, K::Button, {353, 230, 413, 244}});
    ui::registerDialogTemplate({P::kIDD, {420, 250}, 0, u"Betriebskosten", std::move(c)});
}

QString Zahltext(uint32_t wert) {
    CVRMString t;
    t.Format(textid::kFormatU, wert);
    return QString::fromStdU16String(t);
}

}  // namespace

CBKVergleichPage::CBKVergleichPage()
    : ui::PropertyPage(kIDD, CResManager::getLangText(kTitel)) {
    RegistriereVorlage();
}

CKelvoDoc* CBKVergleichPage::Dokument() {
    CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
    if (!doc || doc->GetPathName() != m_name) ThrowFehler(0, u"");
    return doc;
}

void CBKVergleichPage::SetDaten(const CVRMString& name, const std::array<uint32_t, kWerte>& w) {
    m_name = name;
    SBKDaten& d = m_r.daten;
    d.jahresWaerme = w[0];
    d.wpKosten = w[1];
    d.zweitKosten = w[9];
    d.solar = w[10] != 0;
    d.mitWW = w[12] != 0;
    d.mitHeizung = w[14] != 0;
    d.betriebsweise = w[15];
    d.mediumFlag = w[16];
    d.hilfsEnergie = w[17];
    d.medium = w[18];
    d.zweiterWE = w[19];
    CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
    if (!doc || doc->GetPathName() != name) {
        ShowFehler(0, u"");
        return;
    }
    try {
        CProjekt2& projekt = doc->Projekt();
        CProjekt2::BKostenDaten kosten{};
        projekt.GetBKostenDaten(kosten);
        for (size_t i = 0; i < kosten.size(); ++i) {
            m_r.preise[i] = kosten[i].wert;
            if (i > 0) m_r.wirkungsgrad[i] = kosten[i].zahl;
        }
        m_eigenerName = kostengrafik::EigenerName();
        for (int art : {4, 5, 2, 3, 1, 0})
            m_r.zusatzSumme[static_cast<size_t>(art)] = projekt.GetZusatzKostenSumme(art);
        m_r.umwaelzEnergie = projekt.GetWert(ID_LeistHUPk).GetUIntVal() *
                             projekt.GetWert(ID_LaufHUPk).GetUIntVal() / 1000;
    } catch (const std::exception&) {
        // What was read so far stays.
    }
}

void CBKVergleichPage::LadeFlags() {
    CProjekt2::HeizsystemFlags flags{};
    Dokument()->Projekt().GetHeizsystemJN(flags);
    m_r.flags = flags;
}

void CBKVergleichPage::doDataExchange(ui::DataExchange& dx) {
    try {
        for (size_t i = 0; i < kIdPreis.size(); ++i) dx.floating(kIdPreis[i], m_r.preise[i]);
        for (size_t i = 1; i < kIdWirkungsgrad.size(); ++i)
            dx.unsignedInt(kIdWirkungsgrad[i], m_r.wirkungsgrad[i],
                           CBKVergleichRechnung::kWirkungsgradMin,
                           CBKVergleichRechnung::kWirkungsgradMax);
        if (!dx.saving()) {
            for (size_t i = 0; i < kIdSumme.size(); ++i) dx.unsignedInt(kIdSumme[i], m_r.summe[i]);
            dx.unsignedInt(kIdJahresWaerme, m_r.daten.jahresWaerme);
            std::u16string name = m_eigenerName, notiz = m_waermeNotiz;
            dx.text(kIdEigenerName, name);
            dx.text(kIdWaermeNotiz, notiz);
        }
        m_austauschFehler = false;
    } catch (const platform::UserException&) {
        m_austauschFehler = true;
    }
}

bool CBKVergleichPage::LiesFelder() {
    updateData(true);
    if (!m_austauschFehler) return true;
    m_austauschFehler = false;
    return false;
}

void CBKVergleichPage::onInitPage() {
    if (QWidget* s = sheet()) {
        if (QWidget* ok = ui::child(s, ui::kIdOk)) ok->hide();
        ui::setChildText(s, ui::kIdCancel, DlgText(3717).toStdU16String());
    }
    if (m_name.empty()) {
        ShowFehler(0, u"");
        return;
    }
    try {
        LadeFlags();
        CKelvoApp& app = GetKelvoAppObjekt();
        const auto text = [](unsigned id) { return DlgText(id).toStdU16String(); };
        ui::setChildText(this, 1783, text(app.GetCentProKWhText()));
        ui::setChildText(this, 1786, text(app.GetWaehrungProJahrText()));
        ui::setChildText(this, 1788, text(app.GetWaehrungProJahrText()));
        ui::showChild(this, kIdSolar, binding::IstSolarGebunden() && m_r.daten.solar);
        m_waermeNotiz.clear();
        const SBKDaten& d = m_r.daten;
        if (d.mitWW && d.mitHeizung)
            m_waermeNotiz.Format(kZweiNotizen, CResManager::getLangText(kHeizung),
                                 CResManager::getLangText(kWarmwasser));
        else if (d.mitWW || d.mitHeizung)
            m_waermeNotiz.Format(kEineNotiz, CResManager::getLangText(d.mitWW ? kWarmwasser : kHeizung));
        CVRMString zusatz;
        GetPumpenZusatztext(static_cast<int>(d.medium), static_cast<int>(d.betriebsweise),
                            static_cast<int>(d.zweiterWE), m_eigenerName, zusatz);
        ui::setChildText(this, kIdZusatztext, zusatz);
        for (size_t pos = 0; pos < kIdZusatz.size(); ++pos)
            ui::setChildText(this, kIdZusatz[pos],
                             Zahltext(m_r.zusatzSumme[static_cast<size_t>(kArtDerKnoepfe[pos])])
                                 .toStdU16String());
        SetzeDlgTexte(*this, {{1808, 4463}, {1781, 4411}, {1782, 4412}, {1784, 4435}, {1785, 4436},
                              {1787, 4437}, {1789, 4438}, {kIdSolar, 4440}, {1800, 4457},
                              {1793, 4451}, {1795, 4452}, {1799, 4456}, {1801, 4458},
                              {1802, 4459}, {kIdNeuRechnen, 4460}, {kIdReport, 4461},
                              {kIdGrafik, 4462}, {kIdHilfe, 5178}});
        if (IGlobal::IstBiboName(m_name) && !app.GetConfSchalter())
            for (int id : kIdZusatz) EnableDlgItem(this, static_cast<unsigned>(id), false);
        EnableDlgItem(this, kIdReport, IReport::IstGeladen());
        for (size_t i = 0; i < kIdPreis.size(); ++i)
            if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, kIdPreis[i])))
                QObject::connect(feld, &QLineEdit::textEdited, this,
                                 [this] { EnableDlgItem(this, kIdNeuRechnen, true); });
        for (size_t i = 1; i < kIdWirkungsgrad.size(); ++i)
            if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, kIdWirkungsgrad[i])))
                QObject::connect(feld, &QLineEdit::textEdited, this,
                                 [this] { EnableDlgItem(this, kIdNeuRechnen, true); });
        updateData(false);
    } catch (const platform::UserException&) {
    }
}

void CBKVergleichPage::Freigaben() {
    const auto& f = m_r.flags;
    EnableDlgItem(this, static_cast<unsigned>(kIdPreis[0]), f[1] || f[2] || f[3]);
    EnableDlgItem(this, static_cast<unsigned>(kIdZusatz[0]), f[0] != 0);
    for (size_t i = 1; i < kIdPreis.size(); ++i) {
        EnableDlgItem(this, static_cast<unsigned>(kIdPreis[i]), f[i] != 0);
        EnableDlgItem(this, static_cast<unsigned>(kIdWirkungsgrad[i]), f[i] != 0);
        EnableDlgItem(this, static_cast<unsigned>(kIdZusatz[i]), f[i] != 0);
    }
    if (IGlobal::IstBiboName(m_name) && !GetKelvoAppObjekt().GetConfSchalter())
        for (int id : kIdZusatz) EnableDlgItem(this, static_cast<unsigned>(id), false);
}

void CBKVergleichPage::ZeigeHinweis() {
    if (m_r.ZweiterWEAktiv()) {
        CVRMString text;
        text.Format(kZusatzkostenAddiert,
                    GetVergleichsheizungName(static_cast<int>(m_r.daten.zweiterWE), m_eigenerName));
        kostenseiten::ZeigeHinweis(this, kIdHinweis, text);
    } else {
        kostenseiten::ZeigeHinweis(this, kIdHinweis, {});
    }
}

bool CBKVergleichPage::onSetActive() {
    try {
        LadeFlags();
        Freigaben();
        if (LiesFelder()) {
            ZeigeHinweis();
            Rechne();
            ZeigeBalken();
            updateData(false);
        }
    } catch (const platform::UserException&) {
    }
    return true;
}

void CBKVergleichPage::Rechne() {
    if (m_r.Berechne()) {
        CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
        if (!doc || !doc->IstWarteFensterSichtbar()) {
            CVRMString text;
            text.Format(kOhneZusatzkosten,
                        GetVergleichsheizungName(static_cast<int>(m_r.daten.zweiterWE), m_eigenerName));
            KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                   platform::mb::OK | platform::mb::ICONINFORMATION);
        }
    }
    EnableDlgItem(this, kIdNeuRechnen, false);
}

void CBKVergleichPage::ZeigeBalken() {
    const uint32_t max = m_r.BalkenMax();
    for (size_t pos = 0; pos < kIdBalken.size(); ++pos) {
        if (auto* balken = qobject_cast<QProgressBar*>(ui::child(this, kIdBalken[pos]))) {
            // A range of 0..0 would make the bar an endless busy indicator.
            balken->setRange(0, static_cast<int>(std::max<uint32_t>(max, 1)));
            balken->setValue(static_cast<int>(m_r.summe[pos]));
        }
    }
}

void CBKVergleichPage::NeuRechnenUndSpeichern() {
    if (!LiesFelder()) return;
    try {
        CKelvoDoc* doc = Dokument();
        // A library project's prices count on this page but never reach the database.
        if (!IGlobal::IstBiboName(m_name) || GetKelvoAppObjekt().GetConfSchalter()) {
            CProjekt2::BKostenDaten kosten{};
            for (size_t i = 0; i < kosten.size(); ++i)
                kosten[i] = {m_r.preise[i], i == 0 ? 100u : m_r.wirkungsgrad[i]};
            doc->Projekt().SetBKostenDaten(kosten);
        }
    } catch (const platform::UserException&) {
    }
    Rechne();
    ZeigeBalken();
    updateData(false);
}

void CBKVergleichPage::OnZusatzKosten(int art) {
    CKelvoDoc* doc = Dokument();
    CProjekt2::ZusatzKosten werte{};
    doc->Projekt().GetZusatzKosten(art, werte);
    const auto a = static_cast<size_t>(art);
    CDlgZKosten dlg(static_cast<unsigned>(art), werte, m_r.zusatzSumme[a], this);
    if (dlg.doModal() != ui::kIdOk) return;
    dlg.GetZKosten(werte);
    doc->Projekt().SetZusatzKosten(art, werte);
    uint32_t summe = 0;
    for (uint32_t w : werte) summe += w;
    m_r.zusatzSumme[a] = summe;
    for (size_t pos = 0; pos < kArtDerKnoepfe.size(); ++pos)
        if (kArtDerKnoepfe[pos] == art) ui::setChildText(this, kIdZusatz[pos], Zahltext(summe).toStdU16String());
    NeuRechnenUndSpeichern();
}

void CBKVergleichPage::OnGrafik() {
    LadeFlags();
    CDlgBKGrafik dlg(m_r.GrafikWerte(), m_r.flags, m_r.abzug, this);
    dlg.doModal();
}

bool CBKVergleichPage::SaveGrafik(const CVRMString& basis, CVRMString& ziel) {
    LadeFlags();
    CDlgBKGrafik dlg(m_r.GrafikWerte(), m_r.flags, m_r.abzug);
    dlg.hide();
    return dlg.SaveChart(basis, ziel);
}

std::array<uint32_t, 7> CBKVergleichPage::GetZusatzKostenAnteile() {
    std::array<CProjekt2::ZusatzKosten, kVergleichsSysteme> eintraege{};
    try {
        CKelvoDoc* doc = Dokument();
        for (int art = 0; art < kVergleichsSysteme; ++art)
            doc->Projekt().GetZusatzKosten(art, eintraege[static_cast<size_t>(art)]);
    } catch (const platform::UserException&) {
    }
    return m_r.ZusatzKostenAnteile(eintraege);
}

CBKVergleichRechnung::SMittel CBKVergleichPage::GetMittlereJahreskosten(float steigerung,
                                                                        uint32_t jahre,
                                                                        bool ohneZusatz) {
    LadeFlags();
    if (!LiesFelder()) return {};
    const std::array<uint32_t, 7> anteile = ohneZusatz ? std::array<uint32_t, 7>{} : GetZusatzKostenAnteile();
    return m_r.MittlereJahreskosten(steigerung, jahre, anteile);
}

bool CBKVergleichPage::onCommand(int id, int notifyCode, ui::Window* from) {
    for (size_t pos = 0; pos < kIdZusatz.size(); ++pos) {
        if (id != kIdZusatz[pos]) continue;
        try {
            OnZusatzKosten(kArtDerKnoepfe[pos]);
        } catch (const platform::UserException&) {
        }
        return true;
    }
    switch (id) {
        case kIdNeuRechnen: NeuRechnenUndSpeichern(); return true;
        case kIdGrafik: OnGrafik(); return true;
        case kIdHilfe: return onHelp();
        case kIdReport:
            if (CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true)) doc->onCommand(kIdReport);
            return true;
        default: return ui::PropertyPage::onCommand(id, notifyCode, from);
    }
}

bool CBKVergleichPage::onHelp() {
    GetKelvoApp().ShowHilfeThema(u"bkvergleich");
    return true;
}
