#include "app/doc/ReportPfad.h"

#include <iterator>

namespace {
constexpr size_t kMaxPfad = 260;
constexpr int kUserReport = 0;
constexpr int kZweiQuellen = 264;
constexpr int kVorlageNachArt[] = {259, 260, 261, 262, 259};
}  // namespace

int ReportVorlage(bool userReport, int anzahlQuellen, int ersteArt) {
    if (userReport) return kUserReport;
    if (anzahlQuellen > 1) return kZweiQuellen;
    if (ersteArt >= 0 && ersteArt < static_cast<int>(std::size(kVorlageNachArt))) return kVorlageNachArt[ersteArt];
    return kZweiQuellen;
}

bool IstReportPfadAbsolut(const CVRMString& name) {
    return name.find(u':') != CVRMString::npos || name.find(u"\\\\") != CVRMString::npos ||
           name.find(u"//") != CVRMString::npos || (!name.empty() && name.front() == u'/');
}

CVRMString StandardReportPfad(const CVRMString& vorlagen, const CVRMString& name) {
    if (name.empty() || IstReportPfadAbsolut(name)) return name;
    return vorlagen + u"/" + name;
}

CVRMString ReportAusgabeOrdner(const CVRMString& reportOrdner, bool speichern, bool drucken,
                               const CVRMString& tempOrdner, const CVRMString& ersatz) {
    if (speichern || drucken) return reportOrdner;
    if (tempOrdner.empty() || tempOrdner.size() > kMaxPfad) return ersatz;
    return tempOrdner;
}
