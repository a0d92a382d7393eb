#pragma once
// The progress window of a long calculation (dialog 145): a bar, a text and Cancel. The
// calculation runs on the user-interface thread and calls PumpMessages once a step, so
// that every window stays alive, and reads the cancelled flag afterwards. Neither Cancel
// nor Esc closes the window: the calculation does, when it ends.
//
//   CDlgProgress progress(0, namen.size(), 1, CResManager::getLangText(3237));
//   progress.Create(1, seite);                 // disables `seite` while it is open
//   for (...) { progress.StepIt(); if (progress.PumpMessages()) break; ... }
//   progress.Close();
#include <QPointer>
#include <cstdint>

#include "core/value/VRMString.h"
#include "model/app/KelvoAppServices.h"
#include "platform/ui/Dialog.h"

class QProgressBar;

class CDlgProgress : public ui::Dialog, public IDlgProgress {
  public:
    static constexpr int kIDD = 145;
    static constexpr int kIdcFortschritt = 1295;
    static constexpr int kIdcText = 1296;
    static constexpr int kIdcAbbrechen = 2;

    CDlgProgress(uint32_t minimum, uint32_t maximum, uint32_t schritt, CVRMString text);
    ~CDlgProgress() override;

    // Shows the window over `parent` and disables the parent; with `fokus` the window
    // takes the focus at every pump. False when the window cannot be made.
    bool Create(int fokus, QWidget* parent);

    // IDlgProgress.
    void SetRange(int lower, int upper) override;
    void StepIt() override;
    // Dispatches what is waiting in the queue; true once the user has cancelled. A quit
    // request of the program ends the pumping: it is put back into the queue, so that the
    // program ends when the calculation has returned, and nothing more is dispatched.
    bool PumpMessages() override;
    // Enables the parent again and takes the window down.
    void Close() override;

    // Button 2.
    void Cancel() { m_abgebrochen = 1; }
    bool IstAbgebrochen() const { return m_abgebrochen != 0; }
    // Whether a quit request arrived while pumping.
    bool IstBeendenAngefragt() const { return m_beenden; }
    int GetPosition() const;
    const CVRMString& GetText() const { return m_text; }

  protected:
    bool onInitDialog() override;
    void onCancel() override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    class PumpFilter;
    QProgressBar* Balken() const;

    uint32_t m_minimum;
    uint32_t m_maximum;
    uint32_t m_schritt;
    CVRMString m_text;
    int m_fokus = 0;
    QPointer<QWidget> m_parent;
    int m_abgebrochen = 0;
    bool m_beenden = false;
    bool m_offen = false;
};

// Registers the layout of dialog 145 (once).
void RegistriereDlgProgressVorlage();
