#pragma once
// Makes the value of a data id with the type, default and stored flag of the data-id
// tables (DatenId.h).
#include <memory>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"

class CVRMwertFabrik {
  public:
    CVRMwertFabrik() { init(); }
    virtual ~CVRMwertFabrik() = default;

    // Makes the default soil text from the language table (text 3620, "_", text 3621);
    // the language table must be loaded first.
    void init();

    // A new value holding its default, not changed; an id without a factory entry reports
    // 3162 and makes nothing.
    static std::unique_ptr<CVRMwert> createWert(TKelvoDatenID id);

    // The default soil text as made by the last init.
    static const CVRMString& getDefaultBodenart();
};
