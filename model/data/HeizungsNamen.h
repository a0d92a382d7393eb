#pragma once
// Names of comparison heatings and of the auxiliary devices counted with a heat pump.
// Heating kinds come in three numberings; each function names the one it takes.
#include "core/value/VRMString.h"

// Second generator of a bivalent plant: gas 0, oil 1, night storage 2, electric 3, own 4
// (the given text); another kind "?".
CVRMString GetVergleichsheizungName(int art, const CVRMString& eigenerName);
// Comparison heating: heat pump 0, oil 1, gas 2, night storage 3, electric 4, own 5.
CVRMString GetHeizungsartName(int art, const CVRMString& eigenerName);
// Cost-table position (heat pump, oil, gas, own, night storage, electric) to the
// numbering of the short names; another kind is the generic error.
int MapHeizungsart(int art);
CVRMString GetHeizungsartKurzname(int art, const CVRMString& eigenerName);

// "(incl. ...)" of the heating circulation pump, the source medium's devices and the
// operating mode's second heat generator; `eigeneHeizung` names the own heating (option
// 1255). Media above 4 and modes above 8 are error 3162.
void GetPumpenZusatztext(int medium, int betrWeise, int zweiterWE, const CVRMString& eigeneHeizung,
                         CVRMString& text);
