#pragma once
// Texts of the language table that the model uses as fixed names and markers. Loaded once
// at start-up, after the language table, and only read afterwards.
#include "core/value/VRMString.h"

// Loads the texts in order; the first that is empty reports text 3303 and throws, and the
// texts after it stay empty.
void InitGlobaleTexte();

const CVRMString& GetOhneOrtText();
const CVRMString& GetAusKlimaText();
const CVRMString& GetAusKlimaText2();
const CVRMString& GetStdKlimaortName();
const CVRMString& GetStdBodenName();
const CVRMString& GetStdRohrMaterialKupfer();
const CVRMString& GetStdRohrMaterial();
const CVRMString& GetKeinWertText();

// Puts the no-location marker into `name`.
void SetKeinOrt(CVRMString& name);
// A location is chosen when its name is not empty and not exactly the no-location marker.
bool IstOrtGewaehlt(const CVRMString& name);
