#include "app/doc/DatenSeitenFabrik.h"

#include <map>

#include "app/base/KVSDatenPage.h"

namespace {
std::map<int, SeitenMacher>& macher() {
    static std::map<int, SeitenMacher> tabelle;
    return tabelle;
}
}  // namespace

void RegistriereDatenSeite(int kind, SeitenMacher neu) {
    if (neu)
        macher()[kind] = std::move(neu);
    else
        macher().erase(kind);
}

bool HatDatenSeite(int kind) {
    return macher().count(kind) != 0;
}

std::unique_ptr<CKVSDatenPage> ErzeugeDatenSeite(const SSeitenWunsch& wunsch) {
    const auto it = macher().find(wunsch.kind);
    if (it == macher().end()) return nullptr;
    return it->second(wunsch);
}
