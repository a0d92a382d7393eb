#pragma once
// The options page "Report" (template 181): folders of report templates and reports, the
// program that opens reports, the standard template and the switches of the report.
#include "app/options/OptsPage.h"
#include "app/options/OptsPage3Logik.h"

class COptsPage3 : public COptsPage {
  public:
    static constexpr int kVorlage = 181;
    static constexpr int kVorlagenOrdner = 1202, kVorlagenOrdnerWaehlen = 1203;
    static constexpr int kReportOrdner = 1205, kReportOrdnerWaehlen = 1206;
    static constexpr int kProgramm = 1208, kProgrammWaehlen = 1209;
    static constexpr int kBrowser = 1211, kTextverarbeitung = 1212;
    static constexpr int kStandardVorlage = 1214, kStandardVorlageWaehlen = 1215;
    static constexpr int kEigeneVorlagen = 1217, kSpeichern = 1218;

    explicit COptsPage3(IOptionenUmgebung& umgebung);

    COptsPage3Logik& Logik() { return m_logik; }
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  protected:
    void Initialisiere() override { m_logik.Init(); }
    void Anwenden() override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void ZeigePfade();
    void WaehleVorlagenOrdner();
    void WaehleReportOrdner();
    void WaehleProgramm();
    void WaehleStandardVorlage();

    COptsPage3Logik m_logik;
    // Whether the user emptied the program or the template field.
    bool m_programmLeer = false;
    bool m_vorlageLeer = false;
};
