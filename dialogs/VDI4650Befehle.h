#pragma once
// The VDI 4650 calculator without a project: View > VDI 4650 calculator (heat pump from
// the databases) and VDI 4650 calculator with free input.
class CKelvoAppBefehle;

inline constexpr int kBefehlVDI4650Liste = 32860;
inline constexpr int kBefehlVDI4650Frei = 32861;

void RegistriereVDI4650Befehle(CKelvoAppBefehle& befehle);
