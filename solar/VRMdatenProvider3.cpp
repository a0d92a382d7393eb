#include "solar/VRMdatenProvider3.h"

#include <exception>
#include <limits>

#include "core/db/Global.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/text/TokenListe.h"
#include "core/value/DatenConsumer.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/format/Format.h"

namespace {

constexpr unsigned kFehlerSpeichern = 3103;   // "Error when saving component"
constexpr unsigned kNichtGeladen = 3112;      // "Required data not loaded"
constexpr unsigned kAnlagenAusDb = 3467;      // "Solar systems from database"
constexpr unsigned kErtragsKeyFormat = 3535;  // "%s%hu"
constexpr unsigned kKollektorenAusDb = 3560;  // "Solar collectors from database(s)"

const char16_t* GewinnPrefix(unsigned short art, const char16_t* ort) {
    switch (art) {
        case 1:
            return u"SolarGewinnW";
        case 2:
            return u"SolarGewinnH";
        case 3:
            return u"SolarGewinnE";
        default:
            vrmcore::ReportError(textid::kFalscheKonstante, ort);
    }
}

CVRMString GewinnKey(const char16_t* prefix, unsigned short monat) {
    CVRMString key(prefix);
    key += platform::format(u"%hu", monat);
    return key;
}

// A consumer of one data id, so that a single value is read the way every model object
// reads its values.
class EinWert : public IDatenConsumer {
  public:
    explicit EinWert(TKelvoDatenID id) : m_id(id) {}
    void GetDatenIDs(CWordArray& ids) override { ids.push_back(m_id); }
    void init(const CVRMwerteListe& werte) override { m_werte = werte; }
    std::shared_ptr<CVRMwert> Wert() const {
        std::shared_ptr<CVRMwert> wert;
        m_werte.Lookup(m_id, wert);
        return wert;
    }

  private:
    TKelvoDatenID m_id;
};

}  // namespace

CVRMdatenProvider3* CVRMdatenProvider3::m_instanz = nullptr;

CVRMdatenProvider3& CVRMdatenProvider3::get() {
    if (!m_instanz) m_instanz = new CVRMdatenProvider3();
    return *m_instanz;
}

void CVRMdatenProvider3::release() {
    delete m_instanz;
    m_instanz = nullptr;
}

void CVRMdatenProvider3::GetSolareGewinne(const CVRMString& name, unsigned short art,
                                          CSolareGewinne& tabelle) {
    constexpr const char16_t* ort = u"CVRMdatenProvider3::GetSolareGewinne";
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, ort);
    const char16_t* prefix = GewinnPrefix(art, ort);
    try {
        // Saving writes all twelve months, an empty one as an empty text: the months after
        // an empty one are read too, or they would be lost on the next load.
        for (unsigned short n = 0; n < CSolareGewinne::kMonate; ++n) {
            CVRMString text;
            const CVRMString key = GewinnKey(prefix, n);
            IGlobal::ReadIniString(name, key, text, CVRMString());
            if (!text.empty()) tabelle.SetGewinn(n, text, 1, {name, key});
        }
    } catch (const std::exception&) {
        vrmcore::ReportError(textid::kKeineErgebnisse, ort);
    }
}

void CVRMdatenProvider3::SaveSolareGewinne(const CVRMString& name, unsigned short art,
                                           const CSolareGewinne& tabelle, int flush) {
    constexpr const char16_t* ort = u"CVRMdatenProvider3::SaveSolareGewinne";
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, ort);
    const char16_t* prefix = GewinnPrefix(art, ort);
    try {
        for (unsigned short monat = 0; monat < CSolareGewinne::kMonate; ++monat) {
            CVRMString text;
            tabelle.GetDatenString(monat, text);
            IGlobal::WriteIniString(name, GewinnKey(prefix, monat), text, 0);
        }
        if (flush) CVRMdatenProvider::get().persist();
    } catch (const std::exception&) {
        vrmcore::ReportError(kFehlerSpeichern, name);
    }
}

CVRMString CVRMdatenProvider3::ErtragsKey(unsigned short n) {
    CVRMString key;
    key.Format(kErtragsKeyFormat, u"KollErtrag", n);
    return key;
}

bool CVRMdatenProvider3::HatKollektorErtrag(const CVRMString& name) {
    unsigned short key = 0;
    CKollektorErtrag::Ertraege ertraege{};
    return ReadKollektorErtrag(name, 0, key, ertraege);
}

bool CVRMdatenProvider3::ReadKollektorErtrag(const CVRMString& name, unsigned short n,
                                             unsigned short& key,
                                             CKollektorErtrag::Ertraege& ertraege) {
    if (name.empty() || n >= kMaxErtraege) return false;
    try {
        CVRMString text;
        IGlobal::ReadIniString(name, ErtragsKey(n), text, CVRMString());
        const int erstes = text.Find(u'#');
        if (erstes < 0) return false;
        const uint32_t gelesen = vrmtoken::LeseZahl(text.view().substr(0, erstes));
        // A key beyond 16 bits would stand for another temperature once cut down.
        if (gelesen > std::numeric_limits<unsigned short>::max()) return false;
        std::u16string_view rest = text.view().substr(erstes + 1);
        size_t anzahl = 0;
        for (size_t ende = rest.find(u'#'); ende != std::u16string_view::npos;
             ende = rest.find(u'#')) {
            const float y = static_cast<float>(vrmtoken::LeseFloat(rest.substr(0, ende)));
            if (anzahl < ertraege.size()) ertraege[anzahl] = y;
            ++anzahl;
            rest.remove_prefix(ende + 1);
        }
        if (anzahl != ertraege.size()) return false;
        key = static_cast<unsigned short>(gelesen);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void CVRMdatenProvider3::WriteKollektorErtrag(const CVRMString& name, unsigned short n,
                                              const CVRMString& text, int flush) {
    if (name.empty())
        vrmcore::ReportError(textid::kDatenFehlen, u"CVRMdatenProvider3::WriteKollektorErtrag(P1)");
    PruefeErtragsNummer(n);
    if (!text.empty())
        IGlobal::WriteIniString(name, ErtragsKey(n), text, flush);
    else
        IGlobal::DeleteKeyInSection(name, ErtragsKey(n), flush);
}

void CVRMdatenProvider3::PruefeErtragsNummer(unsigned n) {
    if (n >= kMaxErtraege)
        vrmcore::ReportError(textid::kDatenFehlen, u"CVRMdatenProvider3::WriteKollektorErtrag(P2)");
}

CVRMString CVRMdatenProvider3::GetSolarAnlagen(int flag) {
    try {
        CVRMString liste;
        IGlobal::GetSolarAnlagen(liste, flag);
        return liste;
    } catch (const std::exception&) {
        vrmcore::ReportError(kNichtGeladen, kAnlagenAusDb);
    }
}

CVRMString CVRMdatenProvider3::GetKollektoren(int flag) {
    try {
        CVRMString liste;
        IGlobal::GetKollektoren(liste, flag);
        return liste;
    } catch (const std::exception&) {
        vrmcore::ReportError(kNichtGeladen, kKollektorenAusDb);
    }
}

std::shared_ptr<CVRMwert> CVRMdatenProvider3::LiesWert(const CVRMString& name, TKelvoDatenID id) {
    EinWert consumer(id);
    CVRMdatenProvider::get().fill(consumer, name);
    return consumer.Wert();
}
