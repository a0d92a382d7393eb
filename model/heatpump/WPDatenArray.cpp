#include "model/heatpump/WPDatenArray.h"

#include "model/errors/Fehler.h"

void CWPDatenArray::SetSize(int anzahl) {
    m_daten.resize(anzahl > 0 ? static_cast<size_t>(anzahl) : 0);
}

CWPLeistDaten* CWPDatenArray::GetAt(int index) const {
    if (index < 0 || index >= GetSize()) return nullptr;
    return m_daten[static_cast<size_t>(index)].get();
}

void CWPDatenArray::SetAt(int index, std::unique_ptr<CWPLeistDaten> daten) {
    // A slot outside the array is a program error, never user input.
    if (index < 0 || index >= GetSize()) ThrowFehler(0u, nullptr);
    m_daten[static_cast<size_t>(index)] = std::move(daten);
}

int CWPDatenArray::Add(std::unique_ptr<CWPLeistDaten> daten) {
    m_daten.push_back(std::move(daten));
    return GetSize() - 1;
}

WPLeistDatenZeiger CWPDatenArray::Zeiger() const {
    WPLeistDatenZeiger zeiger;
    zeiger.reserve(m_daten.size());
    for (const auto& daten : m_daten) zeiger.push_back(daten.get());
    return zeiger;
}
