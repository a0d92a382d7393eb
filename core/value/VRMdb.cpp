#include "core/value/VRMdb.h"

#include "core/db/Global.h"

void CVRMdb::readWert(const CVRMString& section, const CVRMString& key, CVRMwert& wert) {
    IGlobal::readWert(section, key, wert);
}

void CVRMdb::writeWert(const CVRMString& section, const CVRMString& key, const CVRMwert& wert,
                       bool flush) {
    IGlobal::writeWert(section, key, wert, flush ? 1 : 0);
}

void CVRMdb::makePersistent() {
    IGlobal::saveToDisk(CVRMString(), nullptr, nullptr, 0);
}
