#include "solar/KollektorErtrag.h"

#include <algorithm>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

CKollektorErtrag::CKollektorErtrag(unsigned short key, const Ertraege& ertraege)
    : m_key(key), m_ertraege(ertraege) {
    if (!IstGueltig(key, ertraege))
        vrmcore::ReportError(textid::kNichtInitialisiert, u"CKollektorErtrag::CKollektorErtrag");
}

bool CKollektorErtrag::IstGueltig(unsigned short key, const Ertraege& ertraege) {
    // NaN compares false with everything, so "not below 0" alone would let it through.
    return key != 0 &&
           std::all_of(ertraege.begin(), ertraege.end(), [](float y) { return y >= 0.0f; });
}

float CKollektorErtrag::GetKollektorErtrag(unsigned short monat) const {
    if (monat >= kMonate)
        vrmcore::ReportError(textid::kDatenFehlen, u"CKollektorErtrag::GetKollektorErtrag");
    return m_ertraege[monat];
}
