#pragma once
// The soil-type edit dialog without its window: heat conductivity, volumetric specific
// heat and density of one soil type. Library soil types, and one whose record cannot be
// read whole, are shown read-only. The window moves the members below to and from its
// controls and calls one operation per user action.
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

class CBodenartDlgEditLogik {
  public:
    // `name`: the soil type to show first; empty: the first of the list.
    explicit CBodenartDlgEditLogik(CVRMString name);

    // The members the window exchanges with its controls.
    CVRMString m_name;
    float m_waermeleitzahl = 0.0f;  // W/(m K)
    float m_spezWaerme = 0.0f;      // MJ/(m³ K)
    float m_dichte = 0.0f;          // kg/m³

    // The entries of the box, in list order.
    const CVRMStringArray& Arten() const { return m_arten; }

    bool IstGeaendert() const { return m_geaendert; }
    void SetGeaendert() { m_geaendert = true; }

    struct SFreigabe {
        bool nurLesen = true;
        bool okAktiv = false;
    };
    SFreigabe Freigabe() const;

    // The soil types of the databases (the name to show added when it is missing) and the
    // values of the name.
    void Init();
    // Another soil type chosen: the changes of the one shown so far are offered for saving
    // under its name, then `neu` is loaded.
    void ArtGewaehlt(const CVRMString& neu);
    // Stores the three values under the name when they were changed; from OK without a
    // question.
    void Speichern(bool vonOk);
    // Asks for the name of a new soil type, stores the values shown under it and shows it.
    // False when nothing was created.
    bool NeueArt();

  private:
    void Laden();

    bool m_geaendert = false;
    bool m_unlesbar = false;  // the soil type's record could not be read whole: shown, never written
    CVRMStringArray m_arten;
};
