#include "core/value/DatenId.h"

#include <algorithm>

namespace vrmcore {
namespace {

const DatenIdEntry* findIn(std::span<const DatenIdEntry> table, unsigned id) {
    auto it = std::ranges::lower_bound(table, id, {}, &DatenIdEntry::id);
    return it != table.end() && it->id == id ? &*it : nullptr;
}

}  // namespace

const DatenIdEntry* FindDatenId(unsigned id) {
    if (const DatenIdEntry* e = findIn(DatenIdTable19to340(), id)) return e;
    return findIn(DatenIdTable366to1342(), id);
}

}  // namespace vrmcore
