#include "evaluation/binding/ModulBindung.h"

#include <exception>
#include <system_error>

#include "core/db/Global.h"
#include "core/db/VersionText.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"

namespace binding {

namespace {

constexpr unsigned kVersionZuAlt = 3272;        // "Version %s or higher of file\n%s required!"
constexpr unsigned kVersionUnbestimmbar = 3308;  // "Error when determining file version"

}  // namespace

std::filesystem::path ModulDatei(const std::filesystem::path& ordner, std::u16string_view dllName) {
    std::filesystem::path name(CVRMString(dllName).toUtf8());
    name.replace_extension(".so");
    return ordner / name;
}

CModulBindung::CModulBindung(const ModulBeschreibung& beschreibung)
    : m_beschreibung(beschreibung),
      m_slots(static_cast<size_t>(beschreibung.ordinale > 0 ? beschreibung.ordinale : 0), nullptr) {}

CModulBindung::~CModulBindung() {
    for (platform::ModuleHandle modul : m_module) platform::freeModule(modul);
}

void CModulBindung::Laden(const std::filesystem::path& ordner) {
    const auto datei = ModulDatei(ordner, m_beschreibung.dateiname);
    std::error_code ec;
    // Only the program folder counts: a module of that name elsewhere on the loader's
    // search path is not ours.
    if (!std::filesystem::is_regular_file(datei, ec)) return;
    try {
        Binde(datei);
    } catch (const platform::UserException&) {
        Leeren();
    } catch (const std::exception&) {
        // A module that throws something of its own across the boundary is broken: say so
        // once, as for a failing first call.
        Leeren();
        ShowFehler(m_beschreibung.schnittstellenFehler, std::u16string_view());
    }
}

void CModulBindung::Binde(const std::filesystem::path& datei) {
    platform::ModuleHandle modul = platform::loadModule(datei);
    if (!modul) return;  // as a missing file: not loadable, nothing to say
    m_module.push_back(modul);
    const CVRMString dateiText = CVRMString::fromUtf8(platform::moduleFile(modul).string());

    const int version = IGlobal::GetDateiVersionsInfo(dateiText);
    if (version == 0) ThrowFehler(kVersionUnbestimmbar, dateiText);
    if (version < m_beschreibung.mindestVersion) {
        CVRMString text;
        text.Format(kVersionZuAlt, getVersionString(m_beschreibung.mindestVersion), dateiText);
        if (m_beschreibung.versionsMeldung == VersionsMeldung::Text)
            ThrowFehlerText(text, std::u16string_view());
        ThrowFehler(0, text);
    }
    m_versionsText = getVersionString(version);

    for (size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i] = platform::getProcByOrdinal(modul, static_cast<int>(i) + 1);
        if (!m_slots[i]) ThrowFehler(0, std::u16string_view());
    }

    CVRMString in;
    vrmtoken::AppendText(in, vrmtoken::HandleText(platform::currentResourceModule()));
    // The first call's answer is not read: only its result counts.
    if (!vrmtoken::Rufe(Eintrag(1), m_beschreibung.ersterCode, in).ok)
        ThrowFehler(m_beschreibung.schnittstellenFehler, std::u16string_view());
}

void CModulBindung::Leeren() {
    for (auto& slot : m_slots) slot = nullptr;
}

bool CModulBindung::IstGebunden() const {
    if (m_slots.empty()) return false;
    for (const auto* slot : m_slots)
        if (!slot) return false;
    return true;
}

void* CModulBindung::Slot(int ordinal) const {
    if (ordinal < 1 || static_cast<size_t>(ordinal) > m_slots.size()) return nullptr;
    return m_slots[static_cast<size_t>(ordinal) - 1];
}

vrmtoken::EntryPoint CModulBindung::Eintrag(int ordinal) const {
    return reinterpret_cast<vrmtoken::EntryPoint>(Slot(ordinal));
}

}  // namespace binding
