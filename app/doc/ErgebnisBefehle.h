#pragma once
// The result commands of a project document: the yearly results (the evaluation dialog),
// the VDI 4650 calculator for the project and the project window. Each runs the project
// calculation first; each is enabled for a complete project.
class CKelvoAppBefehle;

inline constexpr int kBefehlProjektfenster = 32785;
inline constexpr int kBefehlJahresergebnisse = 32853;
inline constexpr int kBefehlVDI4650 = 32860;
inline constexpr int kBefehlVDI4650b = 32861;

// Registers the document commands above (the application's own table is not touched).
void RegistriereErgebnisBefehle(CKelvoAppBefehle& befehle);
