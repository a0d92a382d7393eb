#include "app/shell/KVSCommandLine.h"

#include <algorithm>
#include <iterator>

namespace {

// Base-10 unsigned conversion of the leading digits; none gives 0.
uint32_t fuehrendeZahl(std::u16string_view text) {
    uint32_t wert = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        wert = wert * 10 + static_cast<uint32_t>(c - u'0');
    }
    return wert;
}

}  // namespace

void CKVSCommandLine::LoescheMarken() {
    std::fill(std::begin(m_offen), std::end(m_offen), false);
}

void CKVSCommandLine::ParseParam(std::u16string_view param, bool isFlag, bool /*isLast*/) {
    if (isFlag) {
        // Every comparison is made, so each word acts once.
        if (param == u"tovrel") {
            m_schalter.tovrel = 1;
            LoescheMarken();
        }
        if (param == u"heissgas") {
            m_schalter.heissgas = 1;
            LoescheMarken();
        }
        if (param == u"604217") {
            m_schalter.diagnose = 1;
            LoescheMarken();
        }
        static constexpr std::u16string_view kWertSchalter[kAnzahl] = {u"DD", u"BD", u"CD",
                                                                      u"BK", u"PL", u"SL"};
        for (int i = 0; i < kAnzahl; ++i) {
            if (param == kWertSchalter[i]) {
                LoescheMarken();
                m_offen[i] = true;
            }
        }
        if (param == u"conf") {
            LoescheMarken();
            m_schalter.conf = 1;
        }
        return;
    }
    CVRMString* texte[] = {&m_schalter.dd, &m_schalter.bd, &m_schalter.cd, &m_schalter.bk};
    for (int i = DD; i <= BK; ++i) {
        if (m_offen[i]) {
            *texte[i] = CVRMString(param);
            m_offen[i] = false;
            return;
        }
    }
    if (m_offen[PL]) {
        m_schalter.pl = fuehrendeZahl(param);
        m_offen[PL] = false;
    } else if (m_offen[SL]) {
        m_schalter.sl = fuehrendeZahl(param);
        m_offen[SL] = false;
    }
}

void CKVSCommandLine::ParseCommandLine(const std::vector<std::u16string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::u16string_view arg = args[i];
        const bool isFlag = !arg.empty() && (arg.front() == u'-' || arg.front() == u'/');
        if (isFlag) arg.remove_prefix(1);
        ParseParam(arg, isFlag, i + 1 == args.size());
    }
}
