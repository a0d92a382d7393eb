#include "app/options/Option.h"

#include "app/options/OptionTable.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kFalscherTyp = 3439;  // "Wrong type of variant variable"

void PruefeKey(const CVRMString& key, const char16_t* ort) {
    if (key.IsEmpty()) ThrowFehler(textid::kDatenFehlen, ort);
}

void PruefeArt(const CVRMVariant& wert, TVRMDataType art, const char16_t* ort) {
    if (wert.GetVRMType() != art) ThrowFehler(kFalscherTyp, ort);
}

bool IstOrtOption(uint32_t id) {
    return id == OPT_DEF_KLIMAORT || id == OPT_DEF_WETTERORT || id == OPT_DEF_BODENORT;
}

// A drive path ("C:\...") or, on this platform, a path from the root is not relative.
bool IstAbsoluterPfad(const CVRMString& pfad) {
    return pfad.Find(u':') >= 0 || (!pfad.IsEmpty() && (pfad[0] == u'/' || pfad[0] == u'\\'));
}

}  // namespace

COption::COption(uint32_t id, const CVRMString& key, const CVRMString& standard, int32_t speichern)
    : m_wert(standard), m_id(id), m_key(key), m_speichern(speichern), m_standard(standard) {
    PruefeKey(key, u"COption::COption(s)");
}

COption::COption(uint32_t id, const CVRMString& key, int32_t standard, int32_t speichern)
    : m_wert(static_cast<long>(standard)),
      m_id(id),
      m_key(key),
      m_speichern(speichern),
      m_standard(static_cast<long>(standard)) {
    PruefeKey(key, u"COption::COption(l)");
}

COption::COption(uint32_t id, const CVRMString& key, float standard, int32_t speichern)
    : m_wert(standard), m_id(id), m_key(key), m_speichern(speichern), m_standard(standard) {
    PruefeKey(key, u"COption::COption(f)");
}

CVRMString COption::GetStringWert() const {
    PruefeArt(m_wert, vrmString, u"COption::GetStringWert");
    return m_wert.GetStringVal();
}

int32_t COption::GetLongWert() const {
    PruefeArt(m_wert, vrmLong, u"COption::GetLongWert");
    return static_cast<int32_t>(m_wert.GetUIntVal());
}

float COption::GetFloatWert() const {
    PruefeArt(m_wert, vrmFloat, u"COption::GetFloatWert");
    return m_wert.GetFloatVal();
}

void COption::SetStringWert(const CVRMString& wert) {
    PruefeArt(m_wert, vrmString, u"COption::SetStringWert");
    m_wert = wert;
}

void COption::SetLongWert(int32_t wert) {
    PruefeArt(m_wert, vrmLong, u"COption::SetLongWert");
    m_wert = static_cast<long>(wert);
}

void COption::SetFloatWert(float wert) {
    PruefeArt(m_wert, vrmFloat, u"COption::SetFloatWert");
    m_wert = wert;
}

void COption::load(const CVRMString& programmOrdner) {
    const CVRMString sektion(kOptionenSektion);
    switch (m_wert.GetVRMType()) {
        case vrmLong:
            m_wert = static_cast<long>(IGlobal::ReadIniLong(sektion, m_key, GetLongWert()));
            break;
        case vrmFloat:
            m_wert = IGlobal::ReadIniFloat(sektion, m_key, GetFloatWert());
            break;
        case vrmString: {
            CVRMString text;
            IGlobal::ReadIniString(sektion, m_key, text, GetStringWert());
            m_wert = text;
            KorrigiereText(programmOrdner);
            break;
        }
        default:
            ThrowFehler(textid::kFalscheKonstante, u"COption::load");
    }
}

void COption::KorrigiereText(const CVRMString& programmOrdner) {
    CVRMString text = m_wert.GetStringVal();
    if (IstOrtOption(m_id)) {
        if (text == CVRMString(textid::kOhneOrt, nullptr)) text = m_standard.GetStringVal();
    } else if (m_id == OPT_NAME_ZET) {
        text.Trim();
        if (text.IsEmpty()) text = CVRMString(textid::kHolzheizung, nullptr);
    } else if (m_id == OPT_IMG_DIR) {
        if (!IstAbsoluterPfad(text)) text = programmOrdner + text;
    }
    m_wert = text;
}
