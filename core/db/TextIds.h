#pragma once
// Maps from enumerated values of the model to the language-text ids of their names.
// A value outside a map's table reports 3162 "Switch constant wrong" with the map's name.

unsigned getMonatAbkIDS(int month);  // 0 = January
unsigned getEinspeiseIDS(int value);
unsigned getAbsorberRichtungIDS(int value);
unsigned getSondenartIDS(int value);
unsigned getAbsorberFeuchteIDS(int value);
unsigned getBetriebsweiseIDS(int value);
unsigned getWPmediumIDS(int value);
// The kind of a heat source (value 246, 0 to 6).
unsigned getQuellArtIDS(int value);
unsigned getSolarkollektorIDS(int value);
unsigned getGeraeteaufstellungIDS(int value);
unsigned getWaermeverteilungIDS(int value);
unsigned getWawaBereitungAazIDS(int value);
unsigned getWawaBereitungIDS(int value);
// These have no table: every value reports.
unsigned getGebaeudetypIDS(int value);
unsigned getALKlaufzeitIDS(int value);
unsigned getALKstufeIDS(int value);
unsigned getHeizlastIDS(int value);
unsigned getAbluftmodulIDS(int value);
