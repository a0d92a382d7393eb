#pragma once
// Folder names of one heat-pump maker's data, each with its trailing separator.
#include "core/value/VRMString.h"

class CViessmannDaten {
  public:
    static CVRMString getBildOrdner() { return u"Bilder/"; }
    static CVRMString getTextOrdner() { return u"Texte/"; }

  private:
    CViessmannDaten() = default;
    virtual ~CViessmannDaten() = default;
};
