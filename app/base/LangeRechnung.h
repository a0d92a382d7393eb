#pragma once
// Whether the application is busy with a long calculation. A dimensioning or design-point
// search keeps the program's windows alive through its progress window, which pumps the
// messages; the windows it does not disable (the data sheets among them) still take clicks.
// Input pages refuse to open or to be activated meanwhile, so that no page reads or writes
// the records the calculation is working on.
bool LaeuftLangeRechnung();
