#pragma once
// The value store's way to the databases: one value by its type, and writing the active
// database to disk.
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"

class CVRMdb {
  public:
    virtual ~CVRMdb() = default;

    void init() {}
    // Reads the value by its type, its default standing for a missing key, and sets both
    // the value and the value as loaded.
    void readWert(const CVRMString& section, const CVRMString& key, CVRMwert& wert);
    void writeWert(const CVRMString& section, const CVRMString& key, const CVRMwert& wert,
                   bool flush);
    // Writes the active database file to its own path.
    void makePersistent();
};
