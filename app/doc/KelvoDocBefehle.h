#pragma once
// Commands of a project document beyond its own data-page commands: the result windows,
// calculators and reports that later windows bring. Each registers its command with what it
// does on the active document and the rule that enables it; an unregistered command of a
// project stays greyed.
#include <functional>

class CKelvoDoc;

struct SDokumentBefehl {
    std::function<void(CKelvoDoc&)> ausfuehren;
    // Enabled when empty.
    std::function<bool(CKelvoDoc&)> aktiv;
};

// A later entry for the same id replaces the earlier one; an empty one removes it.
void RegistriereDokumentBefehl(int id, SDokumentBefehl befehl);
const SDokumentBefehl* FindeDokumentBefehl(int id);
