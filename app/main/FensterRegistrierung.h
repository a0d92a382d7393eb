#pragma once
// Hands every window of dialogs/ and pages/ to the registries of app/ (the application's
// and the document's windows, the windows' commands, the data pages). The program calls it
// once before the application starts; tests that start the application call it too.
void RegistriereFenster();
