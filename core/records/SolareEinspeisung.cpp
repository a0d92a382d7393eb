#include "core/records/SolareEinspeisung.h"

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

CSolareEinspeisung::~CSolareEinspeisung() = default;

void CSolareEinspeisung::init() {
    for (auto& wert : m_werte) wert.reset();
}

void CSolareEinspeisung::SetEinspeisung(unsigned short monat, float wert) {
    CheckArgMonat(monat, u"CSolareEinspeisung::SetEinspeisung()");
    m_werte[monat] = TSolareEinspeisung{wert};
}

float CSolareEinspeisung::GetEinspeisung(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareEinspeisung::GetEinspeisung()");
    return m_werte[monat] ? m_werte[monat]->wert : 0.0f;
}

void CSolareEinspeisung::DeleteEinspeisung(unsigned short monat) {
    CheckArgMonat(monat, u"CSolareEinspeisung::DeleteEinspeisung()");
    m_werte[monat].reset();
}

int CSolareEinspeisung::IstEinspeisungEingetragen(unsigned short monat) const {
    CheckArgMonat(monat, u"CSolareEinspeisung::IstEinspeisungEingetragen()");
    return m_werte[monat] && m_werte[monat]->wert >= 0.0f ? 1 : 0;
}

void CSolareEinspeisung::CheckArgMonat(unsigned short monat, const char16_t* ort) {
    if (monat >= kMonate) vrmcore::ReportError(textid::kDatenFehlen, ort);
}
