#pragma once
// The dimensioning page of the dimensioning wizard (page 206): the operating mode, the
// number of heat pumps, the kind of the first heat source and its variant, the design point
// with the lowest usable one and the bivalence temperature (found with the design-point
// dialog), and the catalogue's heat pumps that fit, one per maker. Finishing hands the design to the project
// document. The calculations are CDimPageLogik's; the page shows its state and calls it.
#include <memory>
#include <vector>

#include "app/base/KVSDatenPage.h"
#include "evaluation/dim/DimPageLogik.h"

class CKelvoDoc;

// It is the parent window of the search's progress window.
class CDimPage : public CKVSDatenPage {
  public:
    static constexpr int kIDD = 206;
    static constexpr int kIdcBetriebsweiseText = 2801;
    static constexpr int kIdcBetriebsweise = 2802;
    static constexpr int kIdcAnzahlText = 2803;
    static constexpr int kIdcAnzahl = 2804;
    static constexpr int kIdcVarianteText = 2805;
    static constexpr int kIdcVariante = 2806;
    static constexpr int kIdcAuslegungText = 2807;
    static constexpr int kIdcDimPunktText = 2808;
    static constexpr int kIdcDimPunkt = 2809;
    static constexpr int kIdcMinDimPunktText = 2810;
    static constexpr int kIdcMinDimPunkt = 2811;
    static constexpr int kIdcBivalenzText = 2812;
    static constexpr int kIdcBivalenz = 2813;
    static constexpr int kIdcDimPunktDialog = 2814;
    static constexpr int kIdcKandidatenText = 2815;
    static constexpr int kIdcSuchen = 2816;
    static constexpr int kIdcKandidaten = 2817;
    static constexpr int kIdcGesamtleistung = 2818;
    static constexpr int kIdcMedium = 2819;
    static constexpr int kIdcQuellArt = 2820;
    static constexpr int kAnzahlWPMax = 4;

    explicit CDimPage(int wizard = 1);
    ~CDimPage() override;

    // The logic once the page has its document (after its first activation).
    CDimPageLogik* Logik() const { return m_logik.get(); }

    // CKVSDatenPageProtokoll
    void FillPageDaten(int reload) override;
    void EnableControls() override;
    int SaveModifiedData() override { return 1; }
    void SetPageTitle(const CVRMString& name) override { m_projekt = name; }
    std::u16string HilfeThema() const override { return u"datendim"; }

    // ui::PropertyPage
    bool onSetActive() override;
    bool onWizardFinish() override;

  protected:
    void onInitPage() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  private:
    CKelvoDoc& Dokument() const;
    void FuelleArten(int gespeicherteArt);
    void FuelleVarianten();
    // Reads the controls; false (message shown) when an entry was refused.
    bool Lies();
    // Searches the catalogue; `meldeLeere`: an empty result is told to the user.
    void Suche(bool meldeLeere);
    void ZeigeKandidaten();
    void ZeigeGewaehlte();
    void OnBetriebsweise();
    void OnQuellArt();
    void WechsleArt(int art);
    void PasseArtAn(const CVRMString& wpName);
    void OnKandidat();
    void OnDimPunktDialog();
    void PruefeVorlauf();

    std::unique_ptr<CDimPageLogik> m_logik;
    CKelvoDoc* m_dok = nullptr;
    CVRMString m_projekt;
    // The kinds the kind box offers, in its order; once the user chose one, entering the
    // page again keeps it.
    std::vector<int> m_arten;
    bool m_artGewaehlt = false;
};

void RegistriereDimPageVorlage();
// The page joins the page factory for the dimensioning wizard (kDimSeitenArt).
void RegistriereDimPage();
