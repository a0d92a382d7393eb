#include "dialogs/DelKompDlg.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "core/db/TextCompare.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/KomponentenLoeschung.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kCaption = 4586;     // "Delete components in user database"
constexpr unsigned kWurzelText = 3328;  // "User-created components"
constexpr unsigned kTextLoeschen = 4587, kTextSchliessen = 3717, kTextHilfe = 5178;
constexpr unsigned kFrage = 3339;      // "%s '%s'\nDelete really ?"
constexpr unsigned kVerwendet = 7460;  // "%s '%s' is still used in '%s'. ..."
constexpr char16_t kHilfeThema[] = u"prjkompdel";
constexpr int kListenRolle = Qt::UserRole;

}  // namespace

void RegistriereDelKompDlgVorlage() {
    if (ui::findDialogTemplate(CDelKompDlg::kIDD)) return;
    ui::registerDialogTemplate(
        {CDelKompDlg::kIDD,
         {172, 161},
         kCaption,
         u"",
         {
             {CDelKompDlg::kIdcBaum,
              ui::ControlKind::Custom,
              {7, 7, 165, 133},
              0,
              u"",
              0,
              [](QWidget* p) {
                  auto* baum = new QTreeWidget(p);
                  baum->setHeaderHidden(true);
                  baum->setRootIsDecorated(true);
                  baum->setSelectionMode(QAbstractItemView::SingleSelection);
                  return baum;
              }},
             {CDelKompDlg::kIdcLoeschen, ui::ControlKind::Button, {7, 140, 67, 154}, kTextLoeschen},
             {ui::kIdOk, ui::ControlKind::DefButton, {73, 140, 117, 154}, kTextSchliessen},
             {CDelKompDlg::kIdcHilfe, ui::ControlKind::Button, {121, 140, 165, 154}, kTextHilfe},
         }});
}

CDelKompDlg::CDelKompDlg(QWidget* parent)
    : ui::Dialog((RegistriereDelKompDlgVorlage(), kIDD), parent) {}

QTreeWidget* CDelKompDlg::Baum() const {
    return qobject_cast<QTreeWidget*>(ui::child(const_cast<CDelKompDlg*>(this), kIdcBaum));
}

QTreeWidgetItem* CDelKompDlg::Gruppe(TKelvoListID liste) const {
    if (!m_wurzel) return nullptr;
    for (int i = 0; i < m_wurzel->childCount(); ++i) {
        QTreeWidgetItem* gruppe = m_wurzel->child(i);
        if (gruppe->data(0, kListenRolle).toInt() == liste) return gruppe;
    }
    return nullptr;
}

bool CDelKompDlg::onInitDialog() {
    ErstelleBaum();
    setWindowTitle(QString::fromStdU16String(CResManager::getLangText(kCaption)));
    QObject::connect(Baum(), &QTreeWidget::currentItemChanged, this,
                     [this] { ui::guarded(ui::Msg::Notify, [this] { AuswahlGeaendert(); }); });
    AuswahlGeaendert();
    return true;
}

void CDelKompDlg::ErstelleBaum() {
    QTreeWidget* baum = Baum();
    m_wurzel = new QTreeWidgetItem(
        baum, {QString::fromStdU16String(CResManager::getLangText(kWurzelText))});
    m_wurzel->setData(0, kListenRolle, -1);
    for (const SKompGruppe& g : kKompGruppen) {
        ui::WaitCursor warten;
        ErstelleKompTreeGruppe(m_wurzel, g.textId, g.liste);
    }
    m_wurzel->setExpanded(true);
    baum->setCurrentItem(m_wurzel);
}

void CDelKompDlg::ErstelleKompTreeGruppe(QTreeWidgetItem* wurzel, unsigned textId,
                                         TKelvoListID liste) {
    const CVRMString text(textId, u"Unknown Group");
    auto* gruppe = new QTreeWidgetItem(wurzel, {QString::fromStdU16String(text)});
    gruppe->setData(0, kListenRolle, static_cast<int>(liste));
    CVRMStringArray namen = CKomponentenLoeschung::Eintraege(liste);
    // In the tree's order: alphabetical without case.
    std::ranges::stable_sort(
        namen, [](const CVRMString& a, const CVRMString& b) { return KVScompareNoCase(a, b) < 0; });
    for (const CVRMString& name : namen) {
        auto* eintrag = new QTreeWidgetItem(gruppe, {QString::fromStdU16String(name)});
        eintrag->setData(0, kListenRolle, static_cast<int>(liste));
    }
}

void CDelKompDlg::AuswahlGeaendert() {
    const QTreeWidgetItem* item = Baum()->currentItem();
    const bool eintrag = item && item->parent() && item->parent() != m_wurzel;
    ui::enableChild(this, kIdcLoeschen, eintrag);
}

void CDelKompDlg::Loesche() {
    QTreeWidgetItem* item = Baum()->currentItem();
    if (!item || !item->parent() || item->parent() == m_wurzel) return;
    const CVRMString eintrag(item->text(0).toStdU16String());
    const CVRMString gruppe(item->parent()->text(0).toStdU16String());
    const auto liste = static_cast<TKelvoListID>(item->data(0, kListenRolle).toInt());
    const CVRMString wo = CKomponentenLoeschung::VerwendetIn(liste, eintrag);
    if (!wo.empty()) {
        CVRMString text;
        text.Format(kVerwendet, gruppe, eintrag, wo);
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        return;
    }
    CVRMString frage;
    frage.Format(kFrage, gruppe, eintrag);
    if (KVSMessageBoxCaptionID(frage, textid::kProduktCaption,
                               platform::mb::YESNO | platform::mb::ICONQUESTION) !=
        platform::id::YES)
        return;
    CKomponentenLoeschung::Loesche(liste, eintrag);
    delete item;
    AuswahlGeaendert();
}

bool CDelKompDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcLoeschen:
            Loesche();
            return true;
        case kIdcHilfe:
            GetKelvoApp().ShowHilfeThema(kHilfeThema);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDelKompDlg::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
