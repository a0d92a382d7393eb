#pragma once
// The application's command of the program options (Tools > Options).
class CKelvoAppBefehle;

inline constexpr int kBefehlOptionen = 32830;

void RegistriereOptionenBefehle(CKelvoAppBefehle& befehle);
