#include "app/options/OptsPage7.h"

#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;
using L = COptsPage7Logik;

// One group of parts: its caption, where it lies, and its rows (part and label).
struct SZeile {
    int teil;
    unsigned text;  // 0: the further system's name
};
struct SGruppe {
    int id;
    unsigned titel;
    ui::Rect lage;
    unsigned preisText;
    unsigned dauerText;
    std::vector<SZeile> zeilen;
};

const std::vector<SGruppe>& Gruppen() {
    static const std::vector<SGruppe> kGruppen = {
        {1440, 5148, {7, 7, 188, 183}, 5149, 5151,
         {{L::kOelAggregat, 5153}, {L::kOeltank, 5154}, {L::kGasAggregat, 5155},
          {L::kGasanschluss, 5156}, {L::kWeiteres, 0}, {L::kWaermeabgabe, 5158},
          {L::kPuffer, 5159}}},
        {1441, 5160, {194, 7, 373, 108}, 5161, 5163,
         {{L::kWPAggregat, 5165}, {L::kWPQuelle, 5166}, {L::kWPWaermeabgabe, 5167},
          {L::kWPPuffer, 5168}}},
        {1442, 5169, {194, 114, 373, 183}, 5149, 5151,
         {{L::kNachtspeicher, 5170}, {L::kElektrisch, 5171}}},
    };
    return kGruppen;
}

// The columns of a group: label, price, service life.
void Gruppe(std::vector<ui::ControlSpec>& c, const SGruppe& g, int nummer) {
    const int links = g.lage.left + 7, rechts = g.lage.right - 7;
    const int dauerX = rechts - 34, preisX = dauerX - 42;
    c.push_back({g.id, ControlKind::Group, g.lage, g.titel});
    const int kopf = g.lage.top + 11;
    c.push_back({1470 + 4 * nummer, ControlKind::Static, {preisX, kopf, preisX + 40, kopf + 8}, g.preisText});
    c.push_back({COptsPage7::kWaehrung[nummer], ControlKind::Static, {preisX, kopf + 8, preisX + 40, kopf + 16}});
    c.push_back({1471 + 4 * nummer, ControlKind::Static, {dauerX, kopf, rechts + 4, kopf + 8}, g.dauerText});
    c.push_back({1472 + 4 * nummer, ControlKind::Static, {dauerX, kopf + 8, rechts + 4, kopf + 16}, 5152});
    int y = kopf + 19;
    for (const SZeile& z : g.zeilen) {
        const int labelId = z.text ? 1490 + z.teil : COptsPage7::kWeiteresName;
        c.push_back({labelId, ControlKind::Static, {links, y + 3, preisX - 3, y + 11}, z.text});
        c.push_back({COptsPage7::kPreis + z.teil, ControlKind::Edit, {preisX, y, preisX + 38, y + 13}});
        c.push_back({COptsPage7::kDauer + z.teil, ControlKind::Edit, {dauerX, y, rechts, y + 13}});
        y += 16;
    }
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage7::kVorlage)) return;
    std::vector<ui::ControlSpec> c;
    for (size_t i = 0; i < Gruppen().size(); ++i) Gruppe(c, Gruppen()[i], static_cast<int>(i));
    c.push_back({1461, ControlKind::Static, {7, 190, 373, 206}, 5172});
    c.push_back({1462, ControlKind::Static, {7, 208, 373, 224}, 5174});
    c.push_back({COptsPage7::kZuruecksetzen, ControlKind::Button, {7, 276, 160, 290}, 5175});
    ui::registerDialogTemplate({COptsPage7::kVorlage, COptsPage::kGroesse, 5185, u"", std::move(c)});
}

}  // namespace

COptsPage7::COptsPage7(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5185, u"opts7"), m_logik(umgebung) {}

void COptsPage7::ZeigeNamen() {
    const CVRMString waehrung(m_logik.m_waehrungText, nullptr);
    for (int id : kWaehrung) ui::setChildText(this, id, waehrung);
    ui::setChildText(this, kWeiteresName, m_logik.m_name);
}

bool COptsPage7::onSetActive() {
    // A name or currency applied on another page shows here at once.
    if (hasWindow()) {
        m_logik.LeseNamen();
        ZeigeNamen();
    }
    return COptsPage::onSetActive();
}

void COptsPage7::doDataExchange(ui::DataExchange& dx) {
    for (int k = 0; k < L::kTeile; ++k) {
        dx.unsignedInt(kPreis + k, m_logik.m_zahlen[static_cast<size_t>(2 * k)]);
        dx.unsignedInt(kDauer + k, m_logik.m_zahlen[static_cast<size_t>(2 * k + 1)]);
    }
}

bool COptsPage7::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id != kZuruecksetzen) return COptsPage::onCommand(id, notifyCode, from);
    if (m_logik.SetzeZurueck()) updateData(false);
    return true;
}
