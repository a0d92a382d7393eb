#pragma once
// The cost-comparison command of a project document (32855): the comparison sheet with
// the operating-cost, economics and heating-systems pages; enabled for a complete project.
class CKelvoAppBefehle;

inline constexpr int kBefehlKostenvergleich = 32855;

void RegistriereKostenBefehle(CKelvoAppBefehle& befehle);
