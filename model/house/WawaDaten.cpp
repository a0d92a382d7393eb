#include "model/house/WawaDaten.h"

CWawaDaten::~CWawaDaten() = default;

void CWawaDaten::ResetErgebnisse() {
    m_elEnergie = 0.0f;
    m_nachheizEnergie = 0.0f;
    m_quellEnergie = 0.0f;
    m_laufzeit = 0.0f;
    m_gesamtEnergie = 0.0f;
}
