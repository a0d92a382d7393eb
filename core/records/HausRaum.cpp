#include "core/records/HausRaum.h"

#include <optional>
#include <string_view>

#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kNichtBenutzt = 3795;  // room kind 0, "<not used>"

constexpr int kStdIndex = 0;
constexpr unsigned kStdPersonen = 4;
constexpr float kStdFlaeche = 2.0f;
constexpr int kStdRichtung = 4;
constexpr int kStdBeschattung = 0;

// One field of the stored text: none when no separator is left; the text keeps what
// follows the separator.
std::optional<std::u16string_view> NimmFeld(std::u16string_view& text) {
    const std::u16string_view trenner = vrmdb::kZahlenTrenner;
    const size_t pos = text.find(trenner);
    if (pos == std::u16string_view::npos) return std::nullopt;
    const std::u16string_view feld = text.substr(0, pos);
    text.remove_prefix(pos + trenner.size());
    return feld;
}

int LeseInt(std::u16string_view& text, int standard, int leer) {
    const auto feld = NimmFeld(text);
    if (!feld) return standard;
    return feld->empty() ? leer : platform::parseInt32(*feld);
}

}  // namespace

CHausRaum::CHausRaum() {
    setzeName();
}

CHausRaum::~CHausRaum() = default;

void CHausRaum::setDaten(int index, unsigned int personen, float fensterFlaeche,
                         int fensterRichtung, TSonnenschutz beschattung) {
    m_index = index;
    m_personen = personen;
    m_fensterFlaeche = fensterFlaeche;
    m_fensterRichtung = fensterRichtung;
    m_beschattung = beschattung;
    setzeName();
}

void CHausRaum::setDaten(const CVRMString& text) {
    std::u16string_view rest = text.view();
    m_index = LeseInt(rest, kStdIndex, kStdIndex);
    setzeName();

    const auto personen = NimmFeld(rest);
    m_personen = !personen || personen->empty() ? kStdPersonen : platform::parseUInt32(*personen);
    const auto flaeche = NimmFeld(rest);
    m_fensterFlaeche = !flaeche || flaeche->empty()
                           ? kStdFlaeche
                           : static_cast<float>(platform::parseDouble(*flaeche));
    // An empty direction reads as 0, unlike the other fields.
    m_fensterRichtung = LeseInt(rest, kStdRichtung, 0);
    m_beschattung = static_cast<TSonnenschutz>(LeseInt(rest, kStdBeschattung, kStdBeschattung));
}

void CHausRaum::getDaten(CVRMString& text) const {
    const char16_t* t = vrmdb::kZahlenTrenner;
    text.Format(u"%i%s%u%s%.1f%s%i%s%i%s", m_index, t, m_personen, t, m_fensterFlaeche, t,
                m_fensterRichtung, t, static_cast<int>(m_beschattung), t);
}

int CHausRaum::isValid() const {
    const bool gueltig = m_index >= 0 && m_personen != 0 && m_fensterFlaeche > 0.0f &&
                         m_fensterRichtung >= 0 && m_fensterRichtung <= 7 && m_beschattung >= 0 &&
                         m_beschattung <= 3;
    return gueltig ? 1 : 0;
}

unsigned CHausRaum::getNameIDS(int index) {
    if (index != 0) vrmcore::ReportError(textid::kFalscheKonstante, u"CHausRaum::getNameIDS");
    return kNichtBenutzt;
}

unsigned CHausRaum::getRichtungIDS(int) {
    vrmcore::ReportError(textid::kFalscheKonstante, u"CHausRaum::getRichtungIDS");
}

unsigned CHausRaum::getSonnenschutzIDS(TSonnenschutz) {
    vrmcore::ReportError(textid::kFalscheKonstante, u"CHausRaum::getSonnenschutzIDS");
}

void CHausRaum::setzeName() {
    m_name.LoadStringW(getNameIDS(m_index));
}
