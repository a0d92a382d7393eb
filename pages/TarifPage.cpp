#include "pages/TarifPage.h"

#include <QComboBox>
#include <exception>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/MonateDlg.h"
#include "model/app/OptionIds.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/tariff/Tarif2.h"
#include "pages/StundenSpin.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using P = CTarifPage;

constexpr unsigned kTitel = 3150;            // "Tariff and rate data"
constexpr unsigned kFrage = 3232;            // "Save changed tariff data?"
constexpr unsigned kStammdaten = 3384;       // "Master data"
constexpr unsigned kEinTarif = 3249;         // "There must be at least one tariff!"
constexpr unsigned kSperrzeiten = 3243;      // "The sum of all shut off times is really > 6 hrs.?"
constexpr unsigned kTarif1Kurz = 3244;       // "Duration of tariff 1 really < 8 hrs.?"
constexpr unsigned kTarif2Kurz = 3245;       // "Duration of tariff 2 really < 8 hrs.?"
constexpr unsigned kKeinTag = 3246;          // "Duration of tariff 1 and 2 added must be a whole day!"
constexpr unsigned kBenutzt = 3818;          // "Changes of the tariff influence all projects ..."
constexpr unsigned kNeuesObjekt = 3403;      // "Error with new object"
constexpr unsigned kNichtAufgenommen = 3404; // "'%s'\nnot added to selection list!"
constexpr unsigned kCent = 3088, kRappen = 3089;

constexpr int kGrZeiten = 1996, kTxBis1 = 1997, kTxUhr1 = 1998, kTxBis2 = 2000, kTxUhr2 = 2001,
              kGrSperr = 2006, kTxSperr1 = 2007, kTxStd1 = 2008, kTxSperr2 = 2009, kTxStd2 = 2010,
              kGrStab = 1999, kGrPumpen = 2005, kTxAuswahl = 2011;
constexpr int kTxStab[3] = {2002, 2003, 2004};
constexpr TKelvoDatenID kPreisId[4] = {ID_Preis3, ID_Preis4, ID_Preis5, ID_Preis6};
constexpr TKelvoDatenID kWieWPId[4] = {ID_P3wieWP, ID_P4wieWP, ID_P5wieWP, ID_P6wieWP};

void RegistriereVorlage() {
    if (ui::findDialogTemplate(P::kIDD)) return;
    constexpr unsigned start = ui::cs::RadioGroupStart;
    std::vector<ui::ControlSpec> c = {
        // Left: tariff windows and prices, blocking hours, the choice of tariff.
        {kGrZeiten, K::Group, {7, 3, 209, 112}},
        {P::kIdTag, K::Check, {14, 18, 62, 28}},
        {P::kIdVon1, K::Edit, {64, 16, 86, 28}},
        {kTxBis1, K::Static, {97, 18, 111, 28}},
        {P::kIdBis1, K::Edit, {113, 16, 135, 28}},
        {kTxUhr1, K::Static, {146, 18, 202, 28}},
        {P::kIdPreis1, K::Edit, {64, 32, 110, 44}},
        {P::kIdEinheit[0], K::Static, {113, 34, 202, 44}},
        {P::kIdNacht, K::Check, {14, 54, 62, 64}},
        {P::kIdVon2, K::Edit, {64, 52, 86, 64}},
        {kTxBis2, K::Static, {97, 54, 111, 64}},
        {P::kIdBis2, K::Edit, {113, 52, 135, 64}},
        {kTxUhr2, K::Static, {146, 54, 202, 64}},
        {P::kIdPreis2, K::Edit, {64, 68, 110, 80}},
        {P::kIdEinheit[1], K::Static, {113, 70, 202, 80}},
        {P::kIdMonate, K::Button, {14, 90, 202, 104}},
        {kGrSperr, K::Group, {7, 116, 209, 198}},
        {kTxSperr1, K::Static, {14, 131, 120, 141}},
        {P::kIdSperr1, K::Edit, {122, 129, 152, 141}},
        {kTxStd1, K::Static, {155, 131, 202, 141}},
        {kTxSperr2, K::Static, {14, 147, 120, 157}},
        {P::kIdSperr2, K::Edit, {122, 145, 152, 157}},
        {kTxStd2, K::Static, {155, 147, 202, 157}},
        {P::kIdWochenende, K::Radio, {14, 164, 202, 174}, 0, u"", start},
        {P::kIdWochenendeFrei, K::Radio, {14, 178, 202, 188}},
        {kTxAuswahl, K::Static, {7, 208, 70, 218}},
        {P::kIdAuswahl, K::DropList, {72, 206, 330, 218}},
    };
    // The spin buttons of the four hours, each beside its field.
    const struct {
        int spin, feld;
    } spins[] = {{P::kIdSpinVon1, P::kIdVon1}, {P::kIdSpinBis1, P::kIdBis1}, {P::kIdSpinVon2, P::kIdVon2},
                 {P::kIdSpinBis2, P::kIdBis2}};
    for (const auto& s : spins) {
        ui::Rect feld{};
        for (const ui::ControlSpec& spec : c)
            if (spec.id == s.feld) feld = spec.du;
        const int id = s.feld;
        c.push_back({s.spin, K::Custom, {feld.right, feld.top, feld.right + 8, feld.bottom}, 0, u"", 0,
                     [id](QWidget* p) { return new CStundenSpin(p, id, 0, 23); }});
    }
    // Right: the heating elements, then the circulation pumps.
    c.push_back({kGrStab, K::Group, {215, 3, 413, 118}});
    for (int i = 0; i < 3; ++i) {
        const int y = 16 + i * 33;
        c.push_back({kTxStab[i], K::Static, {222, y, 296, y + 20}});
        c.push_back({P::kIdGleich[i], K::Radio, {298, y, 406, y + 10}, 0, u"", start});
        c.push_back({P::kIdEigen[i], K::Radio, {298, y + 14, 308, y + 24}});
        c.push_back({P::kIdPreisEigen[i], K::Edit, {310, y + 13, 350, y + 25}});
        c.push_back({P::kIdEinheit[2 + i], K::Static, {353, y + 15, 406, y + 25}});
    }
    const std::vector<ui::ControlSpec> rest = {
        {kGrPumpen, K::Group, {215, 122, 413, 166}},
        {P::kIdGleich[3], K::Radio, {222, 135, 406, 145}, 0, u"", start},
        {P::kIdEigen[3], K::Radio, {222, 150, 232, 160}},
        {P::kIdPreisEigen[3], K::Edit, {234, 149, 274, 161}},
        {P::kIdEinheit[5], K::Static, {277, 151, 330, 161}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    ui::registerDialogTemplate({P::kIDD, {420, 262}, 0, u"", std::move(c)});
}

QComboBox* Auswahl(QWidget* seite) { return qobject_cast<QComboBox*>(ui::child(seite, P::kIdAuswahl)); }

}  // namespace

CTarifPage::CTarifPage(int eingebettet)
    : CEingabeSeite({kIDD, kTitel, kFrage, komponente::kTarif, u"datentrf"}, eingebettet) {
    RegistriereVorlage();
}

void RegistriereTarifPage() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kTarif, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CTarifPage>(w.wizard));
    });
}

// ---- loading ---------------------------------------------------------------------------

void CTarifPage::LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) {
    if (key.empty()) return;
    // Unsaved entries for this tariff stay.
    if (m_modified && key == m_name) return;
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    CTarif2 tarif;
    store.fill(tarif, key);
    // Shared with the store's record: what a save writes here, every later reader gets.
    m_liste = store.getWerte(key);
    m_name = key;
    m_modified = 0;
    FillPageDaten(0);
}

void CTarifPage::FillPageDaten(int) {
    if (m_name.empty()) return;
    const auto u = [this](TKelvoDatenID id) { return m_liste.get(id).GetUIntVal(); };
    const auto f = [this](TKelvoDatenID id) { return m_liste.get(id).GetFloatVal(); };
    const auto b = [this](TKelvoDatenID id) { return m_liste.get(id).GetBoolVal(); };
    m_tag = b(ID_Tarif1) ? 1 : 0;
    m_nacht = b(ID_Tarif2) ? 1 : 0;
    m_von1 = u(ID_Von1);
    m_bis1 = u(ID_Bis1);
    m_von2 = u(ID_Von2);
    m_bis2 = u(ID_Bis2);
    m_sperr1 = f(ID_SperrZ1);
    m_sperr2 = f(ID_SperrZ2);
    m_preis1 = f(ID_Preis1);
    m_preis2 = f(ID_Preis2);
    for (int i = 0; i < 4; ++i) {
        m_preisEigen[i] = f(kPreisId[i]);
        m_wahl[i] = b(kWieWPId[i]) ? 0 : 1;
    }
    m_wochenende = b(ID_SZWoEnde) ? 1 : 0;
    if (!hasWindow()) return;
    ZeigeAuswahl();
    ZeigeWerte();
    Freigabe();
    EnableControls();
}

// ---- opening and activation ------------------------------------------------------------

void CTarifPage::InitSeite() {
    ZeigeEinheiten();
    FuelleAuswahl();
    QObject::connect(Auswahl(this), &QComboBox::activated, this,
                     [this] { ui::guarded(ui::Msg::Command, [this] { OnTarifWechsel(); }); });
    FillPageDaten(0);
    Freigabe();
}

void CTarifPage::FuelleAuswahl() {
    QComboBox* box = Auswahl(this);
    if (!box) return;
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, LISTE_TARIFE, true, nullptr, true);
    box->clear();
    for (const CVRMString& n : namen) box->addItem(QString::fromStdU16String(n));
}

void CTarifPage::ZeigeAuswahl() {
    QComboBox* box = Auswahl(this);
    if (!box) return;
    const int index = box->findText(QString::fromStdU16String(m_name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
}

void CTarifPage::ZeigeEinheiten() {
    if (!hasWindow()) return;
    int32_t euro = 1;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_GELD_IN_EURO, euro);
    const QString einheit = DlgText(euro == 1 ? kCent : kRappen);
    for (int id : kIdEinheit) ui::setChildText(this, id, einheit.toStdU16String());
}

void CTarifPage::OnOptionsChanged(int optionId) {
    if (optionId != hinweis::kOptionen) return;
    ZeigeEinheiten();
    ZeigeWerte();
}

void CTarifPage::GetPageText(CVRMString& text) {
    text = CResManager::getLangText(static_cast<uint16_t>(kStammdaten)) + u" - " + m_name;
}

bool CTarifPage::onSetActive() {
    // Following the active project (opened from the project window): its tariff is shown.
    if (m_flag == 0) {
        CKelvoApp* app = FindeKelvoAppObjekt();
        if (CKelvoDoc* dokument = app ? app->GetAktivesKelvoDoc(true) : nullptr) {
            const CVRMString tarif = dokument->ProjektText(ID_Tarif);
            // Unsaved entries for the tariff shown are asked about first; Cancel keeps it.
            if (!tarif.empty() && tarif != m_name && CancelModifiedData(0)) {
                LoadKomponente(tarif, dokument->GetProjektName(), CVRMString());
                Freigabe();
            }
        }
    }
    if (!CEingabeSeite::onSetActive()) return false;
    ui::enableChild(this, kIdAuswahl, m_flag != 0);
    return true;
}

// ---- controls --------------------------------------------------------------------------

std::vector<SDlgText> CTarifPage::Texte() const {
    return {{kGrZeiten, 4881, true}, {kIdTag, 4882}, {kTxBis1, 4883}, {kTxUhr1, 4884},
            {kIdNacht, 4885}, {kTxBis2, 4886}, {kTxUhr2, 4887}, {kIdMonate, 4888},
            {kGrSperr, 4898, true}, {kTxSperr1, 4899}, {kTxStd1, 4900}, {kTxSperr2, 4901},
            {kTxStd2, 4902}, {kIdWochenende, 4903}, {kIdWochenendeFrei, 4904},
            {kGrStab, 4889, true}, {kTxStab[0], 4890}, {kIdGleich[0], 4891}, {kTxStab[1], 4892},
            {kIdGleich[1], 4893}, {kTxStab[2], 4894}, {kIdGleich[2], 4895},
            {kGrPumpen, 4896, true}, {kIdGleich[3], 4897}, {kTxAuswahl, 4905}};
}

std::vector<int> CTarifPage::Aenderungen() const {
    return {kIdVon1, kIdVon2, kIdBis1, kIdBis2, kIdPreis1, kIdPreis2, kIdPreisEigen[0],
            kIdPreisEigen[1], kIdPreisEigen[2], kIdPreisEigen[3], kIdSperr1, kIdSperr2,
            kIdWochenende, kIdWochenendeFrei};
}

void CTarifPage::Austausch(ui::DataExchange& dx) {
    dx.check(kIdTag, m_tag);
    dx.check(kIdNacht, m_nacht);
    dx.unsignedInt(kIdVon1, m_von1, 0, 23);
    dx.unsignedInt(kIdBis1, m_bis1, 0, 23);
    dx.unsignedInt(kIdVon2, m_von2, 0, 23);
    dx.unsignedInt(kIdBis2, m_bis2, 0, 23);
    dx.floating(kIdSperr1, m_sperr1, datenbereich::kSperrzeit.min, datenbereich::kSperrzeit.max);
    dx.floating(kIdSperr2, m_sperr2, datenbereich::kSperrzeit.min, datenbereich::kSperrzeit.max);
    dx.floating(kIdPreis1, m_preis1);
    dx.floating(kIdPreis2, m_preis2);
    for (int i = 0; i < 4; ++i) {
        dx.floating(kIdPreisEigen[i], m_preisEigen[i]);
        dx.radio(kIdGleich[i], m_wahl[i]);
    }
    dx.radio(kIdWochenende, m_wochenende);
}

void CTarifPage::Freigabe() {
    if (!hasWindow()) return;
    // A tariff of the program's library is shown, not edited.
    const bool frei = Aenderbar();
    for (int id : {kIdTag, kIdNacht, kIdWochenende, kIdWochenendeFrei}) ui::enableChild(this, id, frei);
    for (int id : {kIdVon1, kIdSpinVon1, kIdBis1, kIdSpinBis1, kIdPreis1, kIdSperr1})
        ui::enableChild(this, id, frei && m_tag == 1);
    for (int id : {kIdVon2, kIdSpinVon2, kIdBis2, kIdSpinBis2, kIdPreis2, kIdSperr2})
        ui::enableChild(this, id, frei && m_nacht == 1);
    for (int i = 0; i < 4; ++i) {
        ui::enableChild(this, kIdGleich[i], frei);
        ui::enableChild(this, kIdEigen[i], frei);
        ui::enableChild(this, kIdPreisEigen[i], frei && m_wahl[i] > 0);
    }
}

bool CTarifPage::Befehl(int id) {
    switch (id) {
        case kIdTag:
        case kIdNacht: OnTarifHaken(); return true;
        case kIdMonate: OnMonate(); return true;
        default: break;
    }
    for (int i = 0; i < 4; ++i)
        if (id == kIdGleich[i] || id == kIdEigen[i]) {
            OnPreisWahl();
            return true;
        }
    return false;
}

void CTarifPage::OnTarifHaken() {
    if (!Aenderbar()) {
        ZeigeWerte();
        return;
    }
    ui::DataExchange dx(*this, true);
    dx.check(kIdTag, m_tag);
    dx.check(kIdNacht, m_nacht);
    if (m_tag != 1 && m_nacht != 1) {
        KVSMessageBoxID(kEinTarif, kTitel, platform::mb::ICONINFORMATION);
        m_tag = m_nacht = 1;
        ui::DataExchange zurueck(*this, false);
        zurueck.check(kIdTag, m_tag);
        zurueck.check(kIdNacht, m_nacht);
    }
    Freigabe();
    Geaendert();
}

void CTarifPage::OnPreisWahl() {
    if (!Aenderbar()) {
        ZeigeWerte();
        return;
    }
    ui::DataExchange dx(*this, true);
    for (int i = 0; i < 4; ++i) dx.radio(kIdGleich[i], m_wahl[i]);
    Geaendert();
    Freigabe();
}

void CTarifPage::SelectByName(const CVRMString& name) {
    if (name.empty()) return;
    QComboBox* box = Auswahl(this);
    if (!box) {
        LoadKomponente(name, CVRMString(), CVRMString());
        return;
    }
    const QString text = QString::fromStdU16String(name);
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(text);
        index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    if (index < 0) {
        CVRMString detail;
        detail.Format(kNichtAufgenommen, name);
        ShowFehlerText(CResManager::getLangText(kNeuesObjekt) + u"\n" + detail, nullptr);
        throw platform::UserException();
    }
    box->setCurrentIndex(index);
    OnTarifWechsel();
}

void CTarifPage::Notify(int arg) {
    constexpr int kNeu = 1, kArtTarif = 3;
    if (arg != kNeu) return;
    CVRMString name;
    if (!AddNeuesObjekt(kArtTarif, name, this)) return;
    FuelleAuswahl();
    SelectByName(name);
}

int CTarifPage::SelectKomponente(const CVRMString& name, int) {
    SelectByName(name);
    return 1;
}

void CTarifPage::OnTarifWechsel() {
    QComboBox* box = Auswahl(this);
    if (!box) return;
    const CVRMString vorher = m_name;
    const CVRMString gewaehlt = box->currentText().toStdU16String();
    if (gewaehlt.empty()) return;
    if (m_modified && gewaehlt != vorher) {
        if (!CancelModifiedData(IstEingebettet() ? 1 : 0)) {
            ZeigeAuswahl();
            return;
        }
    }
    if (IstEingebettet() && gewaehlt != vorher) GibVerlassenenTarifMit();
    LoadKomponente(gewaehlt, CVRMString(), CVRMString());
    if (IstEingebettet() && gewaehlt != vorher) {
        Dokument().SetProjektDaten(ID_Tarif, gewaehlt, 0);
        // A library tariff is never written into the user's database.
        if (!IGlobal::IstBiboName(gewaehlt)) CVRMdatenProvider::get().save(m_liste, true);
    }
    onSetActive();
    Freigabe();
}

void CTarifPage::GibVerlassenenTarifMit() {
    if (m_name.empty()) return;
    // The list shares the store's values: saved inside the wizard's open write, they are
    // noted and go back with it. A library tariff never reaches the user's database, so
    // its entries go back at once.
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    const bool bibo = IGlobal::IstBiboName(m_name);
    bool gespeichert = false;
    for (const auto& [id, wert] : m_liste) {
        if (!wert || !wert->changed()) continue;
        if (bibo) {
            wert->reset();
            continue;
        }
        store.save(m_name, static_cast<TKelvoDatenID>(id), *wert, false);
        gespeichert = true;
    }
    if (gespeichert) store.persist();
}

void CTarifPage::OnMonate() {
    try {
        CTarif2 tarif;
        CVRMdatenProvider::get().fill(tarif, m_name);
        CTarif2::MonatsAnteile anteile{};
        tarif.getTarif1Monate(anteile);
        CMonateDlg dlg(anteile.data(), this);
        if (dlg.doModal() != ui::kIdOk || !CheckBiboName(m_name, 0)) return;
        GetKelvoApp().ResetAuswertungen();
        CTarif2::MonatsAnteile neu{};
        for (int m = 0; m < CTarif2::kMonate; ++m)
            neu[static_cast<std::size_t>(m)] = dlg.Werte()[static_cast<std::size_t>(m)];
        tarif.setTarif1Monate(neu);
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
}

// ---- saving ----------------------------------------------------------------------------

bool CTarifPage::Frage(unsigned textId, unsigned captionId) {
    return KVSMessageBoxID(textId, captionId, platform::mb::YESNO | platform::mb::ICONQUESTION) ==
           platform::id::YES;
}

STarifZeiten CTarifPage::Zeiten() const {
    STarifZeiten z;
    z.tag = m_tag == 1;
    z.nacht = m_nacht == 1;
    z.von1 = m_von1;
    z.bis1 = m_bis1;
    z.von2 = m_von2;
    z.bis2 = m_bis2;
    z.sperr1 = m_sperr1;
    z.sperr2 = m_sperr2;
    return z;
}

bool CTarifPage::PruefeEingaben() {
    if (!CheckBiboName(m_name, 0)) {
        // A library tariff keeps its values: the entries are dropped, nothing is saved.
        FillPageDaten(1);
        m_modified = 0;
        EnableControls();
        return false;
    }
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(LISTE_TARIFE, section, listKey, useKey);
    CVRMString name = m_name, wo;
    if (IGlobal::ValueIsUsed(useKey, name, wo, 0) && !Frage(kBenutzt, textid::kProduktCaption)) return false;
    const STarifZeiten z = Zeiten();
    if (SperrzeitenFragen(z) && !Frage(kSperrzeiten, kTitel)) return false;
    if (TarifKurzFragen(z.tag, z.von1, z.bis1) && !Frage(kTarif1Kurz, kTitel)) return false;
    if (TarifKurzFragen(z.nacht, z.von2, z.bis2) && !Frage(kTarif2Kurz, kTitel)) return false;
    if (!GanzerTag(z)) {
        KVSMessageBoxID(kKeinTag, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    return true;
}

void CTarifPage::UebernimmWerte() {
    m_liste.get(ID_Tarif1) = m_tag == 1;
    m_liste.get(ID_Tarif2) = m_nacht == 1;
    m_liste.get(ID_Bis1) = m_bis1;
    m_liste.get(ID_Bis2) = m_bis2;
    m_liste.get(ID_Preis1) = m_preis1;
    m_liste.get(ID_Preis2) = m_preis2;
    for (int i = 0; i < 4; ++i) {
        m_liste.get(kPreisId[i]) = m_preisEigen[i];
        m_liste.get(kWieWPId[i]) = m_wahl[i] == 0;
    }
    m_liste.get(ID_Von1) = m_von1;
    m_liste.get(ID_Von2) = m_von2;
    m_liste.get(ID_SperrZ1) = m_sperr1;
    m_liste.get(ID_SperrZ2) = m_sperr2;
    m_liste.get(ID_SZWoEnde) = m_wochenende > 0;
}
