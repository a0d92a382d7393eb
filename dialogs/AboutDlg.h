#pragma once
// The about box (dialog 132): the product's subtitle, the program's file version, the
// maker's notice and the credits; its help button opens the contact topic and "Further
// information" shows the files and modules in use.
#include <filesystem>

#include "dialogs/DlgModule.h"
#include "platform/ui/Dialog.h"

class CAboutDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 132;
    static constexpr int kIdcUntertitel = 1298, kIdcVersion = 1254, kIdcHersteller = 1299,
                         kIdcDank = 2167, kIdcNetz = 1566, kIdcMehr = 1383, kIdcHilfe = 57670;

    // `programm`: the running program's file, whose version the box shows; `module`:
    // what "Further information" shows.
    CAboutDlg(QWidget* parent, std::filesystem::path programm, SModulDaten module);

  protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  private:
    std::filesystem::path m_programm;
    SModulDaten m_module;
};

// Registers the layout of dialog 132 (once).
void RegistriereAboutDlgVorlage();
