#include "core/records/SolareGewinne.h"

#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

namespace {

// The number before the first separator; the text keeps what follows it. False when the
// text holds no separator.
bool NimmZahl(std::u16string_view& text, float& zahl, const vrmcore::SZahlOrt& ort) {
    const std::u16string_view trenner = vrmdb::kZahlenTrenner;
    const size_t pos = text.find(trenner);
    if (pos == std::u16string_view::npos) return false;
    zahl = static_cast<float>(
        vrmcore::GespeichertesElement(text.substr(0, pos), platform::StoredNumber::Float, ort));
    text.remove_prefix(pos + trenner.size());
    return true;
}

}  // namespace

CSolareGewinne::CSolareGewinne(int proQm) : m_proQm(proQm) {}

CSolareGewinne::~CSolareGewinne() = default;

void CSolareGewinne::SetGewinn(unsigned short monat, float temperatur, float gewinn, int) {
    CheckArgMonat(monat, u"CSolareGewinne::SetGewinn(f,f)");
    m_gewinne[monat] = TSolarerGewinn{temperatur, gewinn};
}

void CSolareGewinne::SetGewinn(unsigned short monat, const CVRMString& text, int flag,
                               const vrmcore::SZahlOrt& ort) {
    CheckArgMonat(monat, u"CSolareGewinne::SetGewinn(str)");
    std::u16string_view rest = text.view();
    float temperatur = 0.0f;
    if (!NimmZahl(rest, temperatur, ort)) {
        m_gewinne[monat].reset();
        return;
    }
    float gewinn = 0.0f;
    NimmZahl(rest, gewinn, ort);
    SetGewinn(monat, temperatur, gewinn, flag);
}

void CSolareGewinne::DeleteGewinn(unsigned short monat) {
    CheckArgMonat(monat, u"CSolareGewinne::DeleteGewinn()");
    m_gewinne[monat].reset();
}

float CSolareGewinne::GetGewinnTemp(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareGewinne::GetGewinnTemp()");
    const auto& gewinn = GetGewinn(monat);
    return gewinn ? gewinn->temperatur : 0.0f;
}

float CSolareGewinne::GetGewinnWert(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareGewinne::GetGewinnWert()");
    const auto& gewinn = GetGewinn(monat);
    return gewinn ? gewinn->gewinn : 0.0f;
}

int CSolareGewinne::IstTempEingetragen(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareGewinne::IstTempEingetragen()");
    return GetGewinn(monat).has_value() ? 1 : 0;
}

int CSolareGewinne::IstGewinnEingetragen(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareGewinne::IstGewinnEingetragen()");
    const auto& gewinn = GetGewinn(monat);
    return gewinn && gewinn->gewinn >= 0.0f ? 1 : 0;
}

void CSolareGewinne::GetDatenString(unsigned short monat, CVRMString& text) const {
    CheckArgMonat(monat, u"CSolareGewinne::GetDatenString()");
    text.Empty();
    const auto& gewinn = GetGewinn(monat);
    if (!gewinn) return;
    const char16_t* trenner = vrmdb::kZahlenTrenner;
    text.Format(u"%.2f%s%.2f%s", gewinn->temperatur, trenner, gewinn->gewinn, trenner);
}

void CSolareGewinne::CalcTotalGewinne(float flaeche) {
    CheckArgProQm(m_proQm, u"CSolareGewinne::CalcTotalGewinne");
    for (unsigned short monat = 0; monat < kMonate; ++monat) {
        if (IstGewinnEingetragen(monat))
            m_gewinne[monat]->gewinn = flaeche * m_gewinne[monat]->gewinn;
    }
    m_proQm = 0;
}

const std::optional<TSolarerGewinn>& CSolareGewinne::GetGewinn(unsigned short monat) const {
    return m_gewinne[monat];
}

void CSolareGewinne::CheckArgMonat(unsigned short monat, const char16_t* ort) {
    if (monat >= kMonate) vrmcore::ReportError(textid::kDatenFehlen, ort);
}

void CSolareGewinne::CheckArgProQm(int proQm, const char16_t* ort) {
    if (proQm != 1) vrmcore::ReportError(textid::kDatenFehlen, ort);
}
