#include "model/source/WQKontext.h"

SWQKontext& WQKontext() {
    static SWQKontext kontext;
    return kontext;
}

void SWQKontext::SetzeRohrLaengen() {
    if (art == 0) {
        laengePfad = 2.0f * static_cast<float>(reihe) * laenge;
        laengeGesamt = reihe > 0 ? static_cast<float>(kreise) * laengePfad / reihe : 0.0f;
    } else if (art == 1) {
        laengeGesamt = laenge;
        laengePfad = kreise > 0 ? laenge / static_cast<float>(kreise) : 0.0f;
    }
}
