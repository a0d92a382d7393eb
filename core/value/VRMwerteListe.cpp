#include "core/value/VRMwerteListe.h"

#include <unordered_map>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/errors/UserException.h"

namespace {

std::unordered_map<uint16_t, CVRMString> baueSchluessel() {
    std::unordered_map<uint16_t, CVRMString> keys;
    for (auto table : {vrmcore::DatenIdTable19to340(), vrmcore::DatenIdTable366to1342()})
        for (const vrmcore::DatenIdEntry& e : table)
            if (e.key) keys.emplace(e.id, CVRMString(e.key));
    return keys;
}

// The key of the id; a value kept only in memory has none, and tracing it must not fail.
CVRMString dumpPrefix(uint16_t id) {
    if (const vrmcore::DatenIdEntry* e = vrmcore::FindDatenId(id); e && e->key) return e->key;
    CVRMString number;
    number.Format(u"%u", static_cast<unsigned>(id));
    return number;
}

}  // namespace

CVRMwerteListe& CVRMwerteListe::operator=(const CVRMwerteListe& other) {
    if (other.m_name.empty())
        vrmcore::ReportError(textid::kDatenFehlen, u"CVRMwerteListe::operator=");
    if (this == &other) return *this;
    m_eintraege = other.m_eintraege;
    m_name = other.m_name;
    return *this;
}

void CVRMwerteListe::copy(const CVRMwerteListe& other) {
    if (other.m_name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMwerteListe::copy");
    if (this == &other) return;
    Eintraege clones;
    for (const auto& [id, wert] : other.m_eintraege)
        clones.emplace(id, wert ? std::make_shared<CVRMwert>(*wert) : nullptr);
    m_eintraege = std::move(clones);
}

void CVRMwerteListe::setName(const CVRMString& name) {
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMwerteListe::setName");
    m_name = name;
}

CVRMwert& CVRMwerteListe::get(TKelvoDatenID id, bool quiet) const {
    auto it = m_eintraege.find(id);
    if (it == m_eintraege.end()) {
        if (quiet) throw platform::UserException();
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMwerteListe::get");
    }
    if (!it->second) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMwerteListe::get");
    return *it->second;
}

void CVRMwerteListe::SetAt(TKelvoDatenID id, std::shared_ptr<CVRMwert> wert) {
    m_eintraege[id] = std::move(wert);
}

bool CVRMwerteListe::Lookup(TKelvoDatenID id, std::shared_ptr<CVRMwert>& wert) const {
    auto it = m_eintraege.find(id);
    if (it == m_eintraege.end()) return false;
    wert = it->second;
    return true;
}

void CVRMwerteListe::free() {
    m_eintraege.clear();
}

void CVRMwerteListe::clear() {
    m_eintraege.clear();
}

void CVRMwerteListe::reset() {
    for (const auto& [id, wert] : m_eintraege)
        if (wert) wert->reset();
}

void CVRMwerteListe::defval() {
    for (const auto& [id, wert] : m_eintraege)
        if (wert) wert->defval();
}

CVRMString CVRMwerteListe::dump(const char16_t* prefix) const {
    CVRMString text;
    if (prefix)
        text.Format(u"%s (%s):\n", prefix, m_name);
    else
        text.Format(u"Werteliste (%s):\n", m_name);
    for (const auto& [id, wert] : m_eintraege) {
        if (wert)
            text += wert->dump(dumpPrefix(id).c_str());
        else
            text += u"<NULL>\n";
    }
    return text;
}

void CVRMwerteListe::trace(const char16_t* prefix) const {
    (void)dump(prefix);
}

const CVRMString& CVRMwerteListe::getKey(TKelvoDatenID id) {
    static const std::unordered_map<uint16_t, CVRMString> keys = baueSchluessel();
    auto it = keys.find(id);
    if (it == keys.end())
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMwerteListe::getKey");
    return it->second;
}
