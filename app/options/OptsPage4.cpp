#include "app/options/OptsPage4.h"

#include <QLineEdit>

#include "app/options/BalkenBild.h"
#include "controls/small/FloatEdit.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;
using L = COptsPage4Logik;

// The label of each row; the further system's row shows its editable name instead.
constexpr unsigned kZeilenText[] = {5104, 5107, 5108, 5111, 5112, 0, 5110};
// The top of each row, in dialog units.
constexpr int kZeilenY[] = {34, 52, 70, 88, 106, 124, 152};

// Columns: price, efficiency, additional costs, maintenance.
constexpr int kPreisX = 146, kWirkungX = 198, kZusatzX = 242, kWartungX = 308;

void Zeile(std::vector<ui::ControlSpec>& c, int z) {
    const int y = kZeilenY[z];
    if (z == L::kWeiteres) {
        c.push_back({COptsPage4::kName, ControlKind::Edit, {7, y, 140, y + 13}});
        c.push_back({1319, ControlKind::Static, {7, y + 15, 140, y + 23}, 5109});
    } else {
        c.push_back({1310 + z, ControlKind::Static, {7, y - 3, 140, y + 16}, kZeilenText[z]});
    }
    const int paar = L::PaarDerZeile(z);
    if (paar >= 0)
        c.push_back({COptsPage4::kPreis + z, ControlKind::Custom, {kPreisX, y, kPreisX + 44, y + 13},
                     0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }});
    if (paar > 0)
        c.push_back({COptsPage4::kWirkungsgrad + z, ControlKind::Edit,
                     {kWirkungX, y, kWirkungX + 34, y + 13}});
    if (z >= L::kZeilenMitKosten) return;
    c.push_back({COptsPage4::kZusatz + z, ControlKind::Edit, {kZusatzX, y, kZusatzX + 56, y + 13}});
    c.push_back({COptsPage4::kWartung + z, ControlKind::Edit, {kWartungX, y, kWartungX + 56, y + 13}});
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage4::kVorlage)) return;
    using P = COptsPage4;
    std::vector<ui::ControlSpec> c = {
        {1301, ControlKind::Static, {7, 7, 140, 15}, 5098},
        {1302, ControlKind::Static, {kPreisX, 7, kPreisX + 48, 15}, 5099},
        {P::kPreisEinheit, ControlKind::Static, {kPreisX, 16, kPreisX + 48, 24}},
        {1304, ControlKind::Static, {kWirkungX, 7, kWirkungX + 42, 31}, 5101},
        {1305, ControlKind::Static, {kZusatzX, 7, kZusatzX + 64, 15}, 5102},
        {P::kZusatzEinheit, ControlKind::Static, {kZusatzX, 16, kZusatzX + 64, 24}},
        {1307, ControlKind::Static, {kWartungX, 7, 373, 15}, 4478},
        {P::kWartungEinheit, ControlKind::Static, {kWartungX, 16, 373, 24}},
    };
    // The heat pump and the compared systems, then the circulation pumps' rate.
    for (int z = 0; z <= L::kUmwaelzpumpe; ++z) Zeile(c, z);
    c.push_back({1360, ControlKind::Static, {7, 170, 373, 194}, 5105});
    c.push_back({1361, ControlKind::Static, {7, 196, 373, 204}, 5106});
    c.push_back({1362, ControlKind::Group, {7, 209, 373, 270}, 5113});
    c.push_back({1363, ControlKind::Static, {14, 222, 214, 262}, 5114});
    c.push_back({P::kSenkrecht, ControlKind::Custom, {226, 219, 290, 265}, 0, u"", 0,
                 [](QWidget* p) { return new CBalkenBild(p, false); }});
    c.push_back({P::kWaagerecht, ControlKind::Custom, {300, 219, 364, 265}, 0, u"", 0,
                 [](QWidget* p) { return new CBalkenBild(p, true); }});
    c.push_back({P::kZuruecksetzen, ControlKind::Button, {7, 276, 160, 290}, 5115});
    ui::registerDialogTemplate({P::kVorlage, COptsPage::kGroesse, 5182, u"", std::move(c)});
}

}  // namespace

COptsPage4::COptsPage4(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5182, u"opts4"),
      m_umgebung(umgebung),
      m_logik(umgebung) {}

void COptsPage4::ZeigeEinheiten() {
    const CVRMString preis(m_umgebung.GetCentProKWhText(), nullptr);
    const CVRMString jahr(m_umgebung.GetWaehrungProJahrText(), nullptr);
    ui::setChildText(this, kPreisEinheit, preis);
    ui::setChildText(this, kZusatzEinheit, jahr);
    ui::setChildText(this, kWartungEinheit, jahr);
}

void COptsPage4::ZeigeRichtung() {
    if (auto* bild = dynamic_cast<CBalkenBild*>(ui::child(this, kSenkrecht)))
        bild->SetGewaehlt(m_logik.m_horizontal == 0);
    if (auto* bild = dynamic_cast<CBalkenBild*>(ui::child(this, kWaagerecht)))
        bild->SetGewaehlt(m_logik.m_horizontal == 1);
}

void COptsPage4::NachInit() {
    for (int z = 0; z <= L::kUmwaelzpumpe; ++z) ZentriereSenkrecht(1310 + z);
    ZeigeEinheiten();
    ZeigeRichtung();
    if (auto* name = qobject_cast<QLineEdit*>(ui::child(this, kName)))
        connect(name, &QLineEdit::editingFinished, this, [this] { NameVerlassen(); });
}

bool COptsPage4::onSetActive() {
    // A currency changed on the "General" page and applied shows at once.
    if (hasWindow()) ZeigeEinheiten();
    return COptsPage::onSetActive();
}

void COptsPage4::NameVerlassen() {
    const CVRMString name(ui::childText(this, kName));
    const CVRMString bereinigt = COptsPage4Logik::BereinigterName(name);
    if (bereinigt != name) ui::setChildText(this, kName, bereinigt);
}

void COptsPage4::doDataExchange(ui::DataExchange& dx) {
    for (int z = 0; z <= L::kUmwaelzpumpe; ++z) {
        const int paar = L::PaarDerZeile(z);
        if (paar >= 0) dx.floating(kPreis + z, m_logik.m_preis[static_cast<size_t>(paar)]);
        if (paar > 0)
            dx.unsignedInt(kWirkungsgrad + z, m_logik.m_wirkungsgrad[static_cast<size_t>(paar)], 10, 100);
    }
    for (int z = 0; z < L::kZeilenMitKosten; ++z) {
        dx.unsignedInt(kZusatz + z, m_logik.m_zusatzKosten[static_cast<size_t>(z)]);
        dx.unsignedInt(kWartung + z, m_logik.m_wartung[static_cast<size_t>(z)]);
    }
    std::u16string name = m_logik.m_name;
    dx.text(kName, name);
    m_logik.m_name = name;
}

bool COptsPage4::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kSenkrecht:
        case kWaagerecht:
            m_logik.m_horizontal = id == kWaagerecht ? 1 : 0;
            ZeigeRichtung();
            Geaendert();
            return true;
        case kZuruecksetzen:
            if (m_logik.SetzeZurueck()) {
                updateData(false);
                ZeigeRichtung();
            }
            return true;
        default:
            return COptsPage::onCommand(id, notifyCode, from);
    }
}
