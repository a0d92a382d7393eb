#pragma once
// The files and run-time modules the running program uses (dialog 184): the user
// database and the library database with their paths (shortened to fit, whole in a
// tooltip), the library database's version, and for each run-time module whether it is
// bound and its version. The check boxes show a state; clicking does not change it.
#include <memory>

#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CPPToolTip;

// What the dialog shows.
struct SModulDaten {
    struct SModul {
        bool gebunden = false;
        CVRMString version;
    };
    CVRMString datenbank;  // the database in use; empty: not found
    CVRMString bibo;       // the library database; empty: not found
    CVRMString biboVersion;
    SModul erdluft, solar, report;
};

// The running program's files and bindings.
SModulDaten ModulDatenDesProgramms();

class CDlgModule : public ui::Dialog {
  public:
    static constexpr int kIDD = 184;
    static constexpr int kIdcDatenbank = 1263, kIdcBibo = 1294, kIdcBiboVersion = 1318;
    static constexpr int kIdcErdluft = 1397, kIdcErdluftVersion = 1193;
    static constexpr int kIdcSolar = 1382, kIdcSolarVersion = 1320;
    static constexpr int kIdcReport = 1400, kIdcReportVersion = 1321;

    CDlgModule(QWidget* parent, SModulDaten daten);
    ~CDlgModule() override;

    CPPToolTip* TipDatenbank() const { return m_tipDatenbank.get(); }
    CPPToolTip* TipBibo() const { return m_tipBibo.get(); }

  protected:
    bool onInitDialog() override;

  private:
    SModulDaten m_daten;
    std::unique_ptr<CPPToolTip> m_tipDatenbank, m_tipBibo;
};

// Registers the layout of dialog 184 (once).
void RegistriereDlgModuleVorlage();
