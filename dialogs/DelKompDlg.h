#pragma once
// The components the user created in the user database, as a tree of seven kinds (dialog
// 166), and the deletion of one after a question. Library entries are not listed. An entry
// that a record still links is not deleted: the dialog says where it is used.
#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class QTreeWidget;
class QTreeWidgetItem;

class CDelKompDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 166;
    static constexpr int kIdcBaum = 1313, kIdcLoeschen = 1314, kIdcHilfe = 57670;

    explicit CDelKompDlg(QWidget* parent);

    QTreeWidget* Baum() const;
    // The group item of a list, or none.
    QTreeWidgetItem* Gruppe(TKelvoListID liste) const;

  protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void ErstelleBaum();
    void ErstelleKompTreeGruppe(QTreeWidgetItem* wurzel, unsigned textId, TKelvoListID liste);
    void AuswahlGeaendert();
    void Loesche();

    QTreeWidgetItem* m_wurzel = nullptr;
};

// Registers the layout of dialog 166 (once).
void RegistriereDelKompDlgVorlage();
