#include "app/options/OptsPage2.h"

#include <QComboBox>
#include <QListWidget>

#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage2::kVorlage)) return;
    using P = COptsPage2;
    ui::registerDialogTemplate(
        {P::kVorlage, COptsPage::kGroesse, 5180, u"",
         {
             {1101, ControlKind::Static, {7, 10, 120, 18}, 5079},
             {P::kKlimaort, ControlKind::DropDown, {124, 7, 373, 21}},
             {1103, ControlKind::Static, {7, 30, 120, 38}, 5083},
             {P::kTarif, ControlKind::DropDown, {124, 27, 373, 41}},
             {1105, ControlKind::Static, {7, 48, 373, 66}, 5084},
             {1106, ControlKind::Static, {7, 80, 120, 88}, 5103},
             {P::kStandardLand, ControlKind::DropList, {124, 77, 260, 91}},
             {1108, ControlKind::Static, {124, 95, 373, 111}, 5689},
             {1109, ControlKind::Static, {7, 121, 120, 129}, 5137},
             {1110, ControlKind::Static, {7, 133, 120, 200}, 5147},
             {P::kLaender, ControlKind::List, {124, 121, 260, 220}, 0, u"", ui::cs::ListMultiSelect},
         }});
}

template <class F>
void FuerLaender(QWidget* w, F&& f) {
    if (auto* liste = qobject_cast<QListWidget*>(w))
        for (int i = 0; i < liste->count(); ++i) f(*liste->item(i), i);
}

}  // namespace

COptsPage2::COptsPage2(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5180, u"opts2"), m_logik(umgebung) {}

void COptsPage2::Initialisiere() {
    m_logik.Init();
    m_klimaort = m_logik.m_klimaort;
    m_tarif = m_logik.m_tarif;
    m_land = m_logik.m_land;
    auto fuelle = [](QWidget* w, const CVRMStringArray& namen) {
        auto* box = qobject_cast<QComboBox*>(w);
        if (!box) return;
        for (const CVRMString& name : namen) box->addItem(QString::fromStdU16String(name));
    };
    fuelle(ui::child(this, kKlimaort), m_logik.m_klimaorte);
    fuelle(ui::child(this, kTarif), m_logik.m_tarife);
    auto* land = qobject_cast<QComboBox*>(ui::child(this, kStandardLand));
    auto* laender = qobject_cast<QListWidget*>(ui::child(this, kLaender));
    for (size_t i = 0; i < m_logik.m_laenderNamen.size(); ++i) {
        const QString name = QString::fromStdU16String(m_logik.m_laenderNamen[i]);
        const int nummer = static_cast<int>(m_logik.m_laenderNummern[i]);
        if (land) land->addItem(name, nummer);
        if (laender) {
            auto* eintrag = new QListWidgetItem(name, laender);
            eintrag->setData(Qt::UserRole, nummer);
        }
    }
}

void COptsPage2::NachInit() {
    FuerLaender(ui::child(this, kLaender), [&](QListWidgetItem& eintrag, int i) {
        eintrag.setSelected(m_logik.m_angezeigt[static_cast<size_t>(i)]);
    });
}

void COptsPage2::doDataExchange(ui::DataExchange& dx) {
    std::u16string klimaort = m_klimaort, tarif = m_tarif;
    dx.listText(kKlimaort, klimaort);
    dx.listText(kTarif, tarif);
    dx.listIndex(kStandardLand, m_land);
    m_klimaort = klimaort;
    m_tarif = tarif;
}

std::vector<bool> COptsPage2::GewaehlteLaender() {
    std::vector<bool> gewaehlt(m_logik.m_laenderNummern.size(), false);
    FuerLaender(ui::child(this, kLaender), [&](QListWidgetItem& eintrag, int i) {
        gewaehlt[static_cast<size_t>(i)] = eintrag.isSelected();
    });
    return gewaehlt;
}

void COptsPage2::Anwenden() {
    m_logik.Apply(m_klimaort, m_tarif, m_land, GewaehlteLaender());
}
