// The value store: its life, filling from the cache and saving.
#include "core/value/VRMdatenProvider.h"

#include <algorithm>

#include "core/text/ErrorReport.h"
#include "core/value/DatenBereich.h"

namespace {

// An empty section or record name never comes from the user: it is a program error.
void pruefeSection(const CVRMString& section) {
    if (section.empty()) vrmcore::ReportError(0, std::u16string_view());
}

}  // namespace

CVRMdatenProvider* CVRMdatenProvider::m_pVRMdatenProvider = nullptr;

CVRMdatenProvider& CVRMdatenProvider::get() {
    if (!m_pVRMdatenProvider) {
        m_pVRMdatenProvider = new CVRMdatenProvider();
        m_pVRMdatenProvider->init();
    }
    return *m_pVRMdatenProvider;
}

void CVRMdatenProvider::remove() {
    if (!m_pVRMdatenProvider) return;
    for (auto& [section, liste] : m_pVRMdatenProvider->m_cache) liste->free();
    m_pVRMdatenProvider->m_cache.clear();
    delete m_pVRMdatenProvider;
    m_pVRMdatenProvider = nullptr;
}

void CVRMdatenProvider::init() {
    m_fabrik.init();
    m_db.init();
}

void CVRMdatenProvider::fill(IDatenConsumer& consumer, const CVRMString& section) {
    pruefeSection(section);
    CWordArray ids;
    consumer.GetDatenIDs(ids);
    CVRMwerteListe werte(section);
    for (uint16_t id : ids) werte.SetAt(static_cast<TKelvoDatenID>(id), nullptr);
    for (const auto& [id, wert] : CVRMwerteListe::Eintraege(werte.begin(), werte.end()))
        werte.SetAt(static_cast<TKelvoDatenID>(id),
                    getOrCreateWert(section, static_cast<TKelvoDatenID>(id)));
    consumer.init(werte);
}

const CVRMwerteListe& CVRMdatenProvider::getWerte(const CVRMString& section) {
    return cacheListe(section);
}

void CVRMdatenProvider::resetWerte(const CVRMString& section) {
    auto it = m_cache.find(section);
    if (it != m_cache.end()) it->second->reset();
}

void CVRMdatenProvider::forget(const CVRMString& section) {
    m_cache.erase(section);
}

CVRMwerteListe& CVRMdatenProvider::cacheListe(const CVRMString& section) {
    auto& liste = m_cache[section];
    if (!liste) liste = std::make_unique<CVRMwerteListe>(section);
    return *liste;
}

// The value is made and read before it enters the cache, so that a failure leaves the
// cache as it was.
std::shared_ptr<CVRMwert> CVRMdatenProvider::getOrCreateWert(const CVRMString& section,
                                                             TKelvoDatenID id) {
    pruefeSection(section);
    std::shared_ptr<CVRMwert> wert;
    auto it = m_cache.find(section);
    if (it != m_cache.end() && it->second->Lookup(id, wert) && wert) return wert;
    wert = CVRMwertFabrik::createWert(id);
    if (wert->isPersistent()) {
        const CVRMString key = CVRMwerteListe::getKey(id);
        m_db.readWert(section, key, *wert);
        PruefeGelesenenWert(section, key, id, *wert);
    }
    cacheListe(section).SetAt(id, wert);
    return wert;
}

// A failure has been reported where it arose (the refused record, the number that cannot
// be stored): the save adds no box of its own to it.
void CVRMdatenProvider::save(const CVRMwerteListe& werte, bool flush) {
    const CVRMString& section = werte.getName();
    pruefeSection(section);
    for (const auto& [id, wert] : werte)
        if (wert) save(section, static_cast<TKelvoDatenID>(id), *wert, false);
    if (flush) persist();
}

void CVRMdatenProvider::save(const CVRMString& section, TKelvoDatenID id, CVRMwert& wert,
                             bool flush) {
    if (wert.isPersistent()) {
        pruefeSection(section);
        m_db.writeWert(section, CVRMwerteListe::getKey(id), wert, false);
        merkeVorher(section, id, wert);
        wert.change();
        if (flush) persist();
    } else {
        wert.change();
    }
}

void CVRMdatenProvider::persist() {
    m_db.makePersistent();
}

void CVRMdatenProvider::beginVorgang() {
    m_vorgaenge.emplace_back();
}

void CVRMdatenProvider::endVorgang(bool abschliessen) {
    if (m_vorgaenge.empty()) return;
    std::vector<Gespeichert> gespeichert = std::move(m_vorgaenge.back());
    m_vorgaenge.pop_back();
    if (abschliessen) {
        if (m_vorgaenge.empty()) return;
        std::vector<Gespeichert>& aussen = m_vorgaenge.back();
        for (Gespeichert& g : gespeichert)
            if (std::none_of(aussen.begin(), aussen.end(),
                             [&g](const Gespeichert& a) { return a.wert == g.wert; }))
                aussen.push_back(std::move(g));
        return;
    }
    // The cache holds what the file holds again: the program computes with the stored
    // values, and the page that saved keeps the user's entries on screen, unsaved.
    for (auto it = gespeichert.rbegin(); it != gespeichert.rend(); ++it) {
        *it->wert = it->vorher;
        it->wert->reset();
    }
}

void CVRMdatenProvider::setzeVorgaengeAus() {
    m_ausgesetzt.push_back(std::move(m_vorgaenge));
    m_vorgaenge.clear();
}

void CVRMdatenProvider::nimmVorgaengeWieder() {
    if (m_ausgesetzt.empty()) return;
    std::vector<std::vector<Gespeichert>> innen = std::move(m_vorgaenge);
    m_vorgaenge = std::move(m_ausgesetzt.back());
    m_ausgesetzt.pop_back();
    for (auto& g : innen) m_vorgaenge.push_back(std::move(g));
}

// Only the cache's own values are noted: they outlive the save, and they are what the
// pages show and compare.
void CVRMdatenProvider::merkeVorher(const CVRMString& section, TKelvoDatenID id,
                                    const CVRMwert& wert) {
    if (m_vorgaenge.empty()) return;
    const auto liste = m_cache.find(section);
    std::shared_ptr<CVRMwert> cached;
    if (liste == m_cache.end() || !liste->second->Lookup(id, cached) || cached.get() != &wert)
        return;
    std::vector<Gespeichert>& gespeichert = m_vorgaenge.back();
    if (std::none_of(gespeichert.begin(), gespeichert.end(),
                     [&cached](const Gespeichert& g) { return g.wert == cached; }))
        gespeichert.push_back({cached, wert});
}
