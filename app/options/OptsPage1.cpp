#include "app/options/OptsPage1.h"

#include <QComboBox>
#include <QDir>

#include "app/options/OptsTexte.h"
#include "controls/small/FloatEdit.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;

// The pipe diameters the design offers, in mm.
constexpr const char16_t* kDurchmesser[] = {u"12", u"15", u"20", u"25", u"32", u"40"};

// A row of a limit: label, edit and unit, `y` its top in dialog units.
void Grenze(std::vector<ui::ControlSpec>& c, int id, int y, unsigned text, unsigned einheit) {
    c.push_back({id - 1, ControlKind::Static, {14, y + 3, 270, y + 11}, text});
    c.push_back({id, ControlKind::Edit, {274, y, 316, y + 13}});
    c.push_back({id + 9, ControlKind::Static, {320, y + 3, 366, y + 11}, einheit});
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage1::kVorlage)) return;
    using P = COptsPage1;
    std::vector<ui::ControlSpec> c = {
        {1002, ControlKind::Static, {7, 7, 373, 15}, 5058},
        {P::kHausprogramm, ControlKind::Edit, {7, 17, 311, 31}},
        {P::kHausprogrammWaehlen, ControlKind::Button, {317, 17, 373, 31}, 5059},
        {1003, ControlKind::Static, {7, 37, 373, 45}, 5060},
        {P::kSolarprogramm, ControlKind::Edit, {7, 47, 311, 61}},
        {P::kSolarprogrammWaehlen, ControlKind::Button, {317, 47, 373, 61}, 5061},
        {1010, ControlKind::Group, {7, 68, 150, 122}, 5062},
        {P::kEuro, ControlKind::Check, {14, 81, 143, 91}, 5063},
        {1012, ControlKind::Static, {14, 94, 143, 118}, 5064},
        {1060, ControlKind::Group, {156, 68, 373, 122}, 6063},
        {1061, ControlKind::Static, {163, 83, 300, 91}, 6064},
        {P::kRohrSonde, ControlKind::DropList, {306, 80, 366, 94}},
        {1063, ControlKind::Static, {163, 103, 300, 111}, 6065},
        {P::kRohrFlach, ControlKind::DropList, {306, 100, 366, 114}},
        {1020, ControlKind::Group, {7, 128, 373, 268}, 5065},
        {P::kWarnQTemp, ControlKind::Check, {14, 141, 366, 151}, 5066},
        {P::kWarnVorlauf, ControlKind::Check, {14, 153, 366, 171}, 5067},
        {P::kWarnDV, ControlKind::Check, {14, 173, 366, 191}, 5068},
        {P::kWarnSolar, ControlKind::Check, {14, 193, 366, 203}, 5069},
    };
    Grenze(c, P::kGrenzErdT, 206, 5070, 5071);
    Grenze(c, P::kGrenzEinT, 221, 5072, 5073);
    Grenze(c, P::kGrenzBT, 236, 5074, 5075);
    Grenze(c, P::kLaufzeit, 251, 5076, 5077);
    c.push_back({P::kPEFaktorText, ControlKind::Static, {7, 278, 150, 286}, 5599});
    c.push_back({P::kPEFaktor, ControlKind::Custom, {154, 275, 196, 288}, 0, u"", 0,
                 [](QWidget* parent) { return new CFloatEdit(parent, 1); }});
    c.push_back({P::kWarnungenZuruecksetzen, ControlKind::Button, {213, 275, 373, 289}, 5078});
    ui::registerDialogTemplate({P::kVorlage, COptsPage::kGroesse, 5179, u"", std::move(c)});
}

// The stored diameter stays choosable even when the list does not offer it.
void FuelleDurchmesser(QWidget* liste, const CVRMString& gespeichert) {
    auto* box = qobject_cast<QComboBox*>(liste);
    if (!box) return;
    for (const char16_t* d : kDurchmesser) box->addItem(QString::fromUtf16(d));
    const QString wert = QString::fromStdU16String(gespeichert);
    if (!wert.isEmpty() && box->findText(wert) < 0) box->addItem(wert);
}

}  // namespace

COptsPage1::COptsPage1(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5179, u"opts1"), m_logik(umgebung) {}

void COptsPage1::Initialisiere() {
    m_logik.Init();
    FuelleDurchmesser(ui::child(this, kRohrSonde), m_logik.m_rdv);
    FuelleDurchmesser(ui::child(this, kRohrFlach), m_logik.m_rdf);
}

void COptsPage1::NachInit() {
    ZeigePfad(kHausprogramm, m_logik.m_vezivoVero);
    ZeigePfad(kSolarprogramm, m_logik.m_polysunProg);
    const bool pe = m_logik.ZeigtPEFaktor();
    ui::showChild(this, kPEFaktorText, pe);
    ui::showChild(this, kPEFaktor, pe);
}

void COptsPage1::TauscheWarnungen(ui::DataExchange& dx) {
    dx.check(kWarnQTemp, m_logik.m_warnQTemp1);
    dx.check(kWarnVorlauf, m_logik.m_warnVorlauf1);
    dx.check(kWarnDV, m_logik.m_warnDVundSP);
    dx.check(kWarnSolar, m_logik.m_warnSTuSolar);
    dx.integer(kGrenzErdT, m_logik.m_grenzErdT);
    dx.integer(kGrenzEinT, m_logik.m_grenzEinT);
    dx.integer(kGrenzBT, m_logik.m_grenzBT);
    dx.integer(kLaufzeit, m_logik.m_wpLaufzeit);
}

void COptsPage1::doDataExchange(ui::DataExchange& dx) {
    dx.check(kEuro, m_logik.m_geldInEuro);
    TauscheWarnungen(dx);
    if (m_logik.ZeigtPEFaktor()) dx.floating(kPEFaktor, m_logik.m_peFaktor, 1.0f, 5.0f);
    std::u16string rdv = m_logik.m_rdv, rdf = m_logik.m_rdf;
    dx.listText(kRohrSonde, rdv);
    dx.listText(kRohrFlach, rdf);
    m_logik.m_rdv = rdv;
    m_logik.m_rdf = rdf;
    if (!dx.saving()) {
        ZeigePfad(kHausprogramm, m_logik.m_vezivoVero);
        ZeigePfad(kSolarprogramm, m_logik.m_polysunProg);
    }
}

void COptsPage1::WaehleProgramm(CVRMString& pfad, int editId, unsigned titelTextId) {
    if (!updateData(true)) return;
    ui::FileDialogRequest anfrage;
    anfrage.filter = CVRMString(optstext::kProgrammFilter, nullptr);
    anfrage.startDir = QDir::homePath().toStdU16String();
    anfrage.title = CVRMString(titelTextId, nullptr);
    anfrage.mustExist = true;
    anfrage.programs = true;
    anfrage.parent = this;
    const auto gewaehlt = ui::CommonDialogs::file(anfrage);
    if (!gewaehlt) return;
    pfad = *gewaehlt;
    ZeigePfad(editId, pfad);
    Geaendert();
    updateData(false);
}

bool COptsPage1::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kHausprogrammWaehlen:
            WaehleProgramm(m_logik.m_vezivoVero, kHausprogramm, COptsPage1Logik::kTitelHausprogramm);
            return true;
        case kSolarprogrammWaehlen:
            WaehleProgramm(m_logik.m_polysunProg, kSolarprogramm,
                           COptsPage1Logik::kTitelSolarprogramm);
            return true;
        case kWarnungenZuruecksetzen:
            if (m_logik.SetzeWarnungenZurueck()) {
                ui::DataExchange zeigen(*this, false);
                TauscheWarnungen(zeigen);
            }
            return true;
        default:
            return COptsPage::onCommand(id, notifyCode, from);
    }
}
