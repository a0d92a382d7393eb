#pragma once
// The performance records of one heat pump, owned by the array. A slot may be empty: the
// records keep the index of the key they were stored under.
#include <memory>
#include <vector>

#include "model/heatpump/WPLeistDaten.h"

// Records handed to a calculation without being copied; a null entry is an empty slot.
using WPLeistDatenZeiger = std::vector<const CWPLeistDaten*>;

class CWPDatenArray {
  public:
    CWPDatenArray() = default;
    // `anzahl` empty slots.
    explicit CWPDatenArray(int anzahl) { SetSize(anzahl); }
    CWPDatenArray(const CWPDatenArray&) = delete;
    CWPDatenArray& operator=(const CWPDatenArray&) = delete;
    virtual ~CWPDatenArray() = default;

    int GetSize() const { return static_cast<int>(m_daten.size()); }
    // New slots are empty; the records of dropped slots are deleted.
    void SetSize(int anzahl);
    // The record of a slot, or null for an empty slot or an index outside the array.
    CWPLeistDaten* GetAt(int index) const;
    // Replaces the record of an existing slot (the old one is deleted).
    void SetAt(int index, std::unique_ptr<CWPLeistDaten> daten);
    // Returns the index of the new slot.
    int Add(std::unique_ptr<CWPLeistDaten> daten);
    // Deletes every record and leaves no slot.
    void LoescheAlle() { m_daten.clear(); }
    // Every slot in order, empty ones as null.
    WPLeistDatenZeiger Zeiger() const;

  private:
    std::vector<std::unique_ptr<CWPLeistDaten>> m_daten;
};
