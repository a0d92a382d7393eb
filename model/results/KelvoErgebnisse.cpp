#include "model/results/KelvoErgebnisse.h"

#include <numeric>

#include "model/errors/Fehler.h"

namespace {

size_t index(TErgebnisReihe reihe) {
    if (reihe < 1 || reihe > CKelvoErgebnisse::kReihen) ThrowFehler(0, nullptr, 0);
    return static_cast<size_t>(reihe - 1);
}

}  // namespace

void CKelvoErgebnisse::Reset() {
    for (auto& reihe : m_Reihen) reihe.fill(0.0f);
}

CKelvoErgebnisse::Monatswerte& CKelvoErgebnisse::Reihe(TErgebnisReihe reihe) {
    return m_Reihen[index(reihe)];
}

const CKelvoErgebnisse::Monatswerte& CKelvoErgebnisse::Reihe(TErgebnisReihe reihe) const {
    return m_Reihen[index(reihe)];
}

float CKelvoErgebnisse::Summe(TErgebnisReihe reihe) const {
    const Monatswerte& werte = Reihe(reihe);
    return std::accumulate(werte.begin(), werte.end(), 0.0f);
}
