#pragma once
// One room of the house: its kind, persons, window area, window direction and shading,
// and the stored text "kind#persons#area#direction#shading#" of the values 71 to 74.
#include "core/value/VRMString.h"

// The shading of a room window.
enum TSonnenschutz : int {
    Sonnenschutz0 = 0,
    Sonnenschutz1 = 1,
    Sonnenschutz2 = 2,
    Sonnenschutz3 = 3,
};

class CHausRaum {
  public:
    // Kind 0, 4 persons, window area 2.0, direction 4, shading 0.
    CHausRaum();
    virtual ~CHausRaum();

    // Sets every field, then the name of the kind (a kind other than 0 reports 3162).
    void setDaten(int index, unsigned int personen, float fensterFlaeche, int fensterRichtung,
                  TSonnenschutz beschattung);
    void setDaten(const CVRMString& text);
    void getDaten(CVRMString& text) const;

    const CVRMString& getName() const { return m_name; }
    int getIndex() const { return m_index; }
    unsigned int getPersonen() const { return m_personen; }
    float getFensterFlaeche() const { return m_fensterFlaeche; }
    int getFensterRichtung() const { return m_fensterRichtung; }
    TSonnenschutz getBeschattung() const { return m_beschattung; }
    int isValid() const;

    static unsigned getNameIDS(int index);
    // No texts exist for these: each reports 3162.
    static unsigned getRichtungIDS(int richtung);
    static unsigned getSonnenschutzIDS(TSonnenschutz beschattung);

  private:
    void setzeName();

    CVRMString m_name;
    int m_index = 0;
    unsigned int m_personen = 4;
    float m_fensterFlaeche = 2.0f;
    int m_fensterRichtung = 4;
    TSonnenschutz m_beschattung = Sonnenschutz0;
};
