#pragma once
// The VDI 4650 calculator (dialog 258): the seasonal performance factors of space heating,
// of hot water and of the whole plant after the guideline's short method, from a project
// or without one, with a heat pump picked from the databases (list mode) or typed in. The
// calculation and its checks are the logic object's (CVDI4650Rechner); the window shows
// its fields, switches the controls that do not apply to the kind of heat pump, and calls
// it from its handlers. Two child windows read it: the correction factors (CDlgVDI4650b)
// and the possibilities of improvement (CDlgVDIopt).
//
//   VDI4650::SetOptionen(false, false);
//   CDlgVDI4650 dlg(0, nullptr, hauptfenster);   // list mode, no project
//   dlg.doModal();
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "platform/ui/Dialog.h"

class IKelvoDocServices;

class CDlgVDI4650 : public ui::Dialog {
  public:
    static constexpr int kIDD = 258;
    // Controls.
    static constexpr int kIdcKunde = 2314;
    static constexpr int kIdcWPName = 1100;
    static constexpr int kIdcWPFreitext = 2315;
    static constexpr int kIdcWarmwasser = 2220;
    static constexpr int kIdcProzentHeizung = 1302;
    static constexpr int kIdcArt = 2283;
    static constexpr int kIdcLeistung = 2309;
    static constexpr int kIdcZwischenWT = 2294;
    static constexpr int kIdcBetriebsweise = 2306;
    static constexpr int kIdcCop1 = 2295;
    static constexpr int kIdcCop2 = 2296;
    static constexpr int kIdcCop3 = 2297;
    static constexpr int kIdcCop4 = 2325;
    static constexpr int kIdcPruef = 2298;
    static constexpr int kIdcBetrieb = 2299;
    static constexpr int kIdcQuelle = 2300;
    static constexpr int kIdcVorlauf = 2302;
    static constexpr int kIdcWarmwasserTemp = 2311;
    static constexpr int kIdcPumpenLeistung = 2321;
    static constexpr int kIdcVorplanung = 2322;
    static constexpr int kIdcBivalenz = 2310;
    static constexpr int kIdcHeizgrenze = 2304;
    static constexpr int kIdcNormTemp = 2307;
    static constexpr int kIdcFp = 1301;
    static constexpr int kIdcBetaHeizung = 2279;
    static constexpr int kIdcBetaWarmwasser = 2268;
    static constexpr int kIdcBetaAnlage = 2280;
    static constexpr int kIdcAktualisieren = 2275;
    static constexpr int kIdcKorrekturfaktoren = 2301;
    static constexpr int kIdcOptimieren = 2346;
    static constexpr int kIdcReport = 2266;
    static constexpr int kIdcSchliessen = 2318;
    static constexpr int kIdcHilfe = 57670;
    // Captions of the fields, switched with them.
    static constexpr int kIdcKundeText = 2401;
    static constexpr int kIdcWPText = 2402;
    static constexpr int kIdcArtText = 2403;
    static constexpr int kIdcLeistungText = 2404;
    static constexpr int kIdcCop1Text = 2405;
    static constexpr int kIdcCop2Text = 2406;
    static constexpr int kIdcCop3Text = 2407;
    static constexpr int kIdcPruefText = 2408;
    static constexpr int kIdcPumpenLeistungText = 2409;
    static constexpr int kIdcFpText = 2410;
    static constexpr int kIdcBetriebsweiseText = 2411;
    static constexpr int kIdcBivalenzText = 2412;
    static constexpr int kIdcVorlaufText = 2413;
    static constexpr int kIdcBetriebText = 2414;
    static constexpr int kIdcQuelleText = 2415;
    static constexpr int kIdcHeizgrenzeText = 2416;
    static constexpr int kIdcNormTempText = 2417;
    static constexpr int kIdcKlimastation = 2418;
    static constexpr int kIdcWarmwasserGruppe = 2419;
    static constexpr int kIdcProzentHeizungText = 2420;
    static constexpr int kIdcWarmwasserTempText = 2421;
    static constexpr int kIdcCop4Text = 2422;
    static constexpr int kIdcErgebnisGruppe = 2423;
    static constexpr int kIdcBetaHeizungText = 2424;
    static constexpr int kIdcBetaWarmwasserText = 2425;
    static constexpr int kIdcBetaAnlageText = 2426;
    static constexpr int kIdcWPGruppe = 2427;
    static constexpr int kIdcAnlageGruppe = 2428;

    // `modus` 0: list mode (the heat pump is picked from the databases), else the heat
    // pump's values are typed in; `doc`: the project the calculator was opened from.
    CDlgVDI4650(int modus, IKelvoDocServices* doc, QWidget* parent = nullptr);

    // The project's values, before the window is shown.
    void SetDaten(const SVDI4650Projektdaten& daten) { m_rechner.SetDaten(daten); }
    CVDI4650Rechner& Rechner() { return m_rechner; }
    const CVDI4650Rechner& Rechner() const { return m_rechner; }
    // Whether the last exchange with the controls was refused.
    bool IstAustauschFehlgeschlagen() const { return m_austauschFehler; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void FuelleListen();
    void WaehleErsteSoleWP();
    void VerbindeSignale();
    // Reads the controls into the calculator; false (message shown) when one was refused.
    bool LiesSteuerelemente();
    void SchreibeSteuerelemente();
    // Enables, disables, shows and hides by kind, mode, hot water, project and list mode.
    void AktualisiereSteuerelemente();
    void ZeigeFp();
    void ZeigeErgebnisse();
    void LoescheErgebnisse();

    void Berechne();
    void OnArtGeaendert();
    void OnBetriebsweiseGeaendert();
    void OnWarmwasserGeaendert();
    void OnWPGeaendert();
    void OnLeistungGeaendert(int id);
    void OnKorrekturfaktoren();
    void OnOptimieren();
    void OnReport();
    void OnSchliessen();
    void ZeigeHilfe();

    CVDI4650Rechner m_rechner;
    bool m_austauschFehler = false;
    CVRMString m_vorherigerWPName;
};

// Registers the layout of dialog 258 (once).
void RegistriereDlgVDI4650Vorlage();
