#pragma once
// The VDI 4650 calculator window as the project document opens it: the document checks
// the project and gathers its values (CKelvoDoc::DoVDI4650), the window that registers
// here shows them. Until one registers, the document's VDI 4650 commands stay greyed.
#include <functional>

#include "evaluation/vdi4650/VDI4650Rechner.h"

class CKelvoDoc;
class QWidget;

// `modus` as the calculator's constructor takes it; `parent` may be none.
using VDI4650Fenster = std::function<void(int modus, CKelvoDoc& doc, QWidget* parent,
                                          const SVDI4650Projektdaten& daten)>;
void RegistriereVDI4650Fenster(VDI4650Fenster fenster);
// The registered window, or an empty function.
const VDI4650Fenster& GetVDI4650Fenster();
