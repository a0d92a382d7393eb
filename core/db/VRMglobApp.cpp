#include "core/db/VRMglobApp.h"

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/errors/UserException.h"
#include "platform/resources/Resources.h"

namespace {

// What a database file answers for a key that exists with an empty value.
constexpr std::u16string_view kValueFoundButEmpty = u"ValueFoundButEmpty";

// The operations report their own failure; the user exception only says that the report
// was shown, so it ends here as the result 0.
template <class F>
int caught(F&& f) {
    try {
        return f();
    } catch (const platform::UserException&) {
        return 0;
    }
}

}  // namespace

CVRMglobApp::CVRMglobApp() {
    Reset();
}

CVRMglobApp& CVRMglobApp::Get() {
    static CVRMglobApp app;
    return app;
}

void CVRMglobApp::Reset() {
    ++m_wechsel;
    m_initialised = false;
    m_biboOnly = 0;
    m_datenDir.clear();
    m_user = std::make_unique<CIniFile>(0);
    m_bibo = std::make_unique<CIniFile>(1);
}

void CVRMglobApp::ResetForTests() {
    Get().Reset();
}

int CVRMglobApp::Init(platform::ModuleHandle resourceModule, platform::Window*, int noNet) {
    if (m_initialised) return 1;
    return caught([&] {
        if (noNet != 0) vrmcore::ReportError(textid::kFehlerGlobal, u"CVRMglobApp::Init(NoNet)");
        // "NULL parameter"
        if (!resourceModule) vrmcore::ReportError(3502, u"CVRMglobApp::Init(res)");
        platform::setCurrentResourceModule(resourceModule);
        m_initialised = true;
        return 1;
    });
}

int CVRMglobApp::SetDatenDir(const CVRMString& dir) {
    return caught([&] {
        // "Module 'Global' not initialized !"
        if (!m_initialised) vrmcore::ReportError(3504, u"CVRMglobApp::SetDatenDir");
        m_datenDir = dir;
        return 1;
    });
}

int CVRMglobApp::GetDatenDir(CVRMString& dir) const {
    return caught([&] {
        // "Module 'Global' not initialized !"
        if (!m_initialised) vrmcore::ReportError(3504, u"CVRMglobApp::GetDatenDir");
        dir = m_datenDir;
        return 1;
    });
}

int CVRMglobApp::SetDatenDatei(const CVRMString& path) {
    return caught([&] {
        // "Module 'Global' not initialized !"
        if (!m_initialised) vrmcore::ReportError(3504, u"CVRMglobApp::SetDatenDatei");
        m_user->Init(path, false);
        return 1;
    });
}

int CVRMglobApp::SetBiboDatei(const CVRMString& path, int biboOnly) {
    return caught([&] {
        // "Module 'Global' not initialized !"
        if (!m_initialised) vrmcore::ReportError(3504, u"CVRMglobApp::SetBiboDatei");
        m_bibo->Init(path, true);
        ++m_wechsel;
        m_biboOnly = biboOnly != 0 ? 1 : 0;
        return 1;
    });
}

CIniFile& CVRMglobApp::AktiveDatei() {
    return m_biboOnly ? *m_bibo : *m_user;
}

int CVRMglobApp::GetStringListe(TKelvoListID listId, int withBibo, CVRMStringArray& out) {
    out.clear();
    const int result = caught([&] {
        CVRMStringArray values;
        if (withBibo) {
            m_bibo->GetValuesFromSection(listId, values);
            out.insert(out.end(), values.begin(), values.end());
            if (&AktiveDatei() == m_bibo.get()) return 1;
        }
        AktiveDatei().GetValuesFromSection(listId, values);
        out.insert(out.end(), values.begin(), values.end());
        return 1;
    });
    // No half list: a failure leaves it empty.
    if (!result) out.clear();
    return result;
}

int CVRMglobApp::GetIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                              const CVRMString& def) {
    const int result = caught([&] {
        CVRMString value;
        if (!AktiveDatei().GetIniString(section, key, CVRMString(), value))
            m_bibo->GetIniString(section, key, CVRMString(), value);
        if (value.empty()) value = def;
        if (value == kValueFoundButEmpty) value.clear();
        out = std::move(value);
        return 1;
    });
    if (!result) out.clear();
    return result;
}

uint64_t CVRMglobApp::AenderungsStand() const {
    constexpr int kDateiBits = 40;
    return (m_wechsel << kDateiBits) + m_user->Stand() + m_bibo->Stand();
}

CVRMString CVRMglobApp::GetBiboDateiname() const {
    return m_bibo->GetPath();
}

bool CVRMglobApp::DatenGeladen() const {
    return !m_user->GetPath().empty() && !m_bibo->GetPath().empty();
}
