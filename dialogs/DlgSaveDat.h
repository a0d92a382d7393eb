#pragma once
// Backup and restore of the user database (dialog 168): a copy of the database file into
// a folder the user chooses, or the copy of such a folder put back. A restore ends the
// dialog with kWiederhergestellt, upon which the program ends, so that the restored
// database is read afresh at the next start. There is no floppy drive to offer: the
// location is always a folder.
#include <filesystem>

#include "core/value/VRMString.h"
#include "dialogs/DatenSicherung.h"
#include "platform/ui/Dialog.h"

class CDlgSaveDat : public ui::Dialog {
  public:
    static constexpr int kIDD = 168;
    static constexpr int kIdcOrdnerText = 1329, kIdcDurchsuchen = 1322, kIdcOrdner = 1324,
                         kIdcSichern = 1323, kIdcWiederherstellen = 1325, kIdcHilfe = 57670;
    // The result after a restore.
    static constexpr int kWiederhergestellt = 4310;  // not a text id

    // `datenbank`: the user database file.
    CDlgSaveDat(QWidget* parent, bool wiederherstellenGesperrt, std::filesystem::path datenbank);

    const CVRMString& Ordner() const { return m_strOrdner; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void Durchsuche();
    // The chosen folder; without one the chooser is offered first. False when none.
    bool OrdnerGewaehlt();
    void Sichere();
    void StelleWiederHer();

    CVRMString m_strOrdner;
    // The location: 1, the folder (the only one offered).
    int m_ort = -1;
    bool m_wiederherstellenGesperrt;
    CDatenSicherung m_sicherung;
};

// Registers the layout of dialog 168 (once).
void RegistriereDlgSaveDatVorlage();
