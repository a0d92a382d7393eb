#pragma once
// The user's own data that the reports print (dialog 5013): company name, address,
// contact data, the person in charge and a logo picture. It reads the nine texts of the
// user data when it opens and hands them back on OK; Cancel hands back nothing, also
// after a logo was chosen.
#include "app/shell/BenutzerDaten.h"
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CPicStatic;

class CDlgBenutzer : public ui::Dialog {
  public:
    static constexpr int kIDD = 5013;  // not a text id
    // Controls.
    static constexpr int kIdcFirma = 5378, kIdcStrasse = 5382;            // not a text id
    static constexpr int kIdcOrt = 5383, kIdcTel = 5384, kIdcFax = 5385;  // not a text id
    static constexpr int kIdcEmail = 5386, kIdcInternet = 5387;           // not a text id
    static constexpr int kIdcLogoWaehlen = 5379, kIdcHinweis = 5388;      // not a text id
    static constexpr int kIdcLogo = 5389;                                 // not a text id
    static constexpr int kIdcBearbeiter = 1225, kIdcHilfe = 57670;

    CDlgBenutzer(QWidget* parent, CBenutzerDaten& daten);

    const CVRMString& LogoDatei() const { return m_strLogo; }
    // The logo shown: from the file, else the default.
    bool ZeigtStandardLogo() const { return m_standardLogo; }
    CPicStatic* Logo() const;

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void WaehleLogo();
    void ZeigeLogo();

    CBenutzerDaten& m_daten;
    CVRMString m_strFirma, m_strStrasse, m_strOrt, m_strTel, m_strFax, m_strEmail, m_strInternet,
        m_strBearbeiter, m_strLogo;
    CVRMString m_filter, m_titel;
    bool m_standardLogo = true;
};

// Registers the layout of dialog 5013 (once).
void RegistriereDlgBenutzerVorlage();
