#include "solar/SolarAnlage2.h"

#include <exception>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/format/Format.h"
#include "solar/VRMdatenProvider3.h"

CSolarAnlage2::CSolarAnlage2(const CVRMString& stdKollektor) : m_stdKollektor(stdKollektor) {}

void CSolarAnlage2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_Konfiguration, ID_PufferVolumen, ID_PufferUeTemp, ID_SolSollTemp,
                           ID_SolTauschVerlustE, ID_SolKollBez, ID_SolStdErtragWawa,
                           ID_SolStdErtragHeiz, ID_SolStdErtragErde});
}

void CSolarAnlage2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) vrmcore::ReportError(textid::kDatenFehlen, u"CSolarAnlage2::init(1)");
    try {
        m_werte = werte;
        auto& provider = CVRMdatenProvider3::get();
        // A plant filled again takes the gains as the file holds them now.
        for (unsigned short art = 1; art <= 3; ++art) {
            CSolareGewinne& tabelle = m_gewinne[art - 1];
            for (unsigned short m = 0; m < CSolareGewinne::kMonate; ++m) tabelle.DeleteGewinn(m);
            provider.GetSolareGewinne(m_werte.getName(), art, tabelle);
        }
        CVRMwert& kollektor = m_werte.get(ID_SolKollBez);
        if (kollektor.GetStringVal().empty()) kollektor = m_stdKollektor;
        if (kollektor.GetStringVal().empty()) vrmcore::ReportError(0, std::u16string_view());
        CVRMdatenProvider::get().fill(m_kollektor, kollektor.GetStringVal());
    } catch (const std::exception&) {
        vrmcore::ReportError(textid::kNichtInitialisiert, werte.getName());
    }
}

CSolareGewinne& CSolarAnlage2::Tabelle(unsigned short art, const char16_t* ort) {
    if (art < 1 || art > 3) vrmcore::ReportError(textid::kFalscheKonstante, ort);
    return m_gewinne[art - 1];
}

const CSolareGewinne& CSolarAnlage2::Tabelle(unsigned short art, const char16_t* ort) const {
    if (art < 1 || art > 3) vrmcore::ReportError(textid::kFalscheKonstante, ort);
    return m_gewinne[art - 1];
}

void CSolarAnlage2::GetSolarenGewinn(unsigned short art, unsigned short monat,
                                     CVRMString& text) const {
    Tabelle(art, u"CSolarAnlage2::GetSolarenGewinn").GetDatenString(monat, text);
}

void CSolarAnlage2::SetSolarenGewinn(unsigned short art, unsigned short monat,
                                     const CVRMString& text) {
    // Sent by the program, not read from a file: the month names the damaged number.
    const CVRMString monatText = platform::format(u"%u", static_cast<unsigned>(monat) + 1);
    Tabelle(art, u"CSolarAnlage2::SetSolarenGewinn")
        .SetGewinn(monat, text, 1, {getConsumerName(), monatText});
}

void CSolarAnlage2::SaveSolareGewinne(unsigned short art) {
    const CSolareGewinne& tabelle = Tabelle(art, u"CSolarAnlage2::SaveSolareGewinne");
    CVRMdatenProvider3::get().SaveSolareGewinne(m_werte.getName(), art, tabelle, 1);
}

void CSolarAnlage2::PruefeInit(const char16_t* ort) const {
    if (!IstGueltig()) vrmcore::ReportError(textid::kNichtInitialisiert, ort);
}

float CSolarAnlage2::GetKollektorErtrag(unsigned short key, unsigned short monat) const {
    PruefeInit(u"CSolarAnlage2::GetKollektorErtrag");
    return m_kollektor.GetErtrag(key, monat);
}

void CSolarAnlage2::ReloadKollektorErtraege() {
    PruefeInit(u"CSolarAnlage2::ReloadKollektorErtraege");
    m_kollektor.ReadErtraege();
}

CVRMVariant CSolarAnlage2::GetWert(TKelvoDatenID id) const {
    PruefeInit(u"CSolarAnlage2::GetWert");
    std::shared_ptr<CVRMwert> wert;
    if (m_werte.Lookup(id, wert) && wert) return *wert;
    // The program reads every stored value of a plant (area, tilt, losses, ...), not only
    // those the library works with.
    wert = CVRMdatenProvider3::get().LiesWert(m_werte.getName(), id);
    if (!wert) vrmcore::ReportError(textid::kFalscheKonstante, u"CSolarAnlage2::GetWert");
    return *wert;
}

void CSolarAnlage2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, int flush) {
    PruefeInit(u"CSolarAnlage2::SetWert");
    CVRMwert& ziel = m_werte.get(id);
    ziel = wert;
    CVRMdatenProvider::get().save(m_werte.getName(), id, ziel, flush != 0);
    if (id == ID_SolKollBez && ziel.GetStringVal() != m_kollektor.getConsumerName())
        CVRMdatenProvider::get().fill(m_kollektor, ziel.GetStringVal());
}

bool CSolarAnlage2::SaveAs(const CVRMString& neuerName) {
    const CVRMString alterName = m_werte.getName();
    bool gespeichert = false;
    try {
        if (neuerName.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CSolarAnlage2::SaveAs");
        if (IstGueltig()) {
            m_werte.setName(neuerName);
            CVRMdatenProvider::get().save(m_werte, true);
            for (unsigned short art = 1; art <= 3; ++art)
                CVRMdatenProvider3::get().SaveSolareGewinne(neuerName, art, m_gewinne[art - 1], 1);
            gespeichert = true;
        }
    } catch (const std::exception&) {
        // The box has been shown; what was written stays, and the caller learns it failed.
    }
    if (!alterName.empty()) m_werte.setName(alterName);
    return gespeichert;
}
