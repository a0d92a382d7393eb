#include "app/options/OptsPage3Logik.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/options/OptsZugriff.h"
#include "core/text/TextIdConstants.h"
#include "model/app/OptionIds.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kKeinSchreibrecht =
    5555;  // "You are not allowed to create files in this folder (no write access)."
constexpr unsigned kDocProgrammFrage = 5982;  // "Do you want to select the program associated ..."

}  // namespace

void COptsPage3Logik::Init() {
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    m_vorlagenDir = opts::Text(o, OPT_VORLAGEN_DIR);
    m_reportDir = opts::Text(o, OPT_REPORT_DIR);
    m_reportApp = opts::Text(o, OPT_REPORT_APP);
    m_stdErgReport = opts::Text(o, OPT_STD_ERG_REPORT);
    m_saveReport = opts::Schalter(o, OPT_SAVE_REPORT);
    m_reportBKO = opts::Zahl(o, OPT_REPORT_BKO);
    m_userReport = opts::Schalter(o, OPT_USER_REPORT);
    const int32_t rmw = opts::Zahl(o, OPT_RMW);
    m_rmw = rmw == 0 || rmw == 1 ? rmw : -1;
}

void COptsPage3Logik::Apply(bool programmLeer, bool vorlageLeer) {
    if (programmLeer) m_reportApp.clear();
    if (vorlageLeer) m_stdErgReport.clear();
    COptionsManager& o = m_umgebung.GetOptionsManager();
    o.SetStringWert(OPT_VORLAGEN_DIR, &m_vorlagenDir);
    o.SetStringWert(OPT_REPORT_DIR, &m_reportDir);
    o.SetStringWert(OPT_REPORT_APP, &m_reportApp);
    o.SetStringWert(OPT_STD_ERG_REPORT, &m_stdErgReport);
    o.SetLongWert(OPT_SAVE_REPORT, m_saveReport);
    o.SetLongWert(OPT_REPORT_BKO, m_reportBKO);
    o.SetLongWert(OPT_USER_REPORT, m_userReport);
    if (m_rmw >= 0) o.SetLongWert(OPT_RMW, m_rmw);
}

bool COptsPage3Logik::IstBeschreibbar(const CVRMString& ordner) {
    std::string muster = ordner.toUtf8();
    if (muster.empty() || muster.back() != '/') muster += '/';
    muster += "rep-XXXXXX.tmp";
    const int datei = ::mkstemps(muster.data(), 4);  // 4: the length of ".tmp"
    if (datei < 0) return false;
    ::unlink(muster.c_str());
    ::close(datei);
    return true;
}

bool COptsPage3Logik::SetzeReportOrdner(const CVRMString& ordner) {
    if (!IstBeschreibbar(ordner)) {
        KVSMessageBoxID(kKeinSchreibrecht, textid::kProduktCaption,
                        platform::mb::OK | platform::mb::ICONINFORMATION);
        return false;
    }
    m_reportDir = ordner;
    return true;
}

bool COptsPage3Logik::UebernimmDocProgramm() {
    if (KVSMessageBoxID(kDocProgrammFrage, kTitelProgramm,
                        platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::YES)
        return false;
    m_reportApp = m_umgebung.GetDocProgramm();
    return true;
}
