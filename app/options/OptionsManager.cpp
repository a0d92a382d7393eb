#include "app/options/OptionsManager.h"

#include <array>
#include <exception>
#include <numeric>
#include <tuple>

#include "app/options/OptionTable.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMStringArray.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"
#include "model/project/Projekt2.h"
#include "platform/errors/UserException.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kSpeicherFehler = 3104;       // "Error when saving options"
constexpr unsigned kLadeFehler = 3437;           // "Error when loading program options"
constexpr unsigned kNichtGefunden = 3440;        // "Option %u not found !"
constexpr unsigned kWichtigeDatenFehlen = 4282;  // "Missing important data in database!"
constexpr unsigned kVorlagenOrdner = 5563;       // "templates"

CVRMString StandardText(const OptionDefault& d, const CVRMString& ersterTarif,
                        const CVRMString& programmOrdner) {
    switch (d.quelle) {
        case OptionDefault::Quelle::ErsterTarif:
            return ersterTarif;
        case OptionDefault::Quelle::Programmordner:
            return programmOrdner;
        case OptionDefault::Quelle::Sprachtexte: {
            CVRMString text(d.textId1, nullptr);
            if (d.textId2 != 0) {
                text += d.verbinder;
                text += CVRMString(d.textId2, nullptr);
            }
            return text;
        }
        case OptionDefault::Quelle::Wert:
            break;
    }
    return CVRMString(d.text);
}

bool IstReportPfad(uint32_t id) {
    return id >= OPT_VORLAGEN_DIR && id <= OPT_STD_ERG_REPORT;
}

// Replaces `platzhalter` when the text begins with it.
void ErsetzeAmAnfang(CVRMString& text, std::u16string_view platzhalter, const CVRMString& ersatz) {
    if (text.view().starts_with(platzhalter))
        text = ersatz + text.Mid(static_cast<int>(platzhalter.size()));
}

}  // namespace

COptionsManager::~COptionsManager() {
    DeleteOptions();
}

void COptionsManager::SetUmgebung(const CVRMString& programmOrdner,
                                  std::function<CVRMString()> docKommando) {
    m_programmOrdner = programmOrdner;
    m_docKommando = std::move(docKommando);
}

void COptionsManager::ErzeugeOptionen() {
    CVRMStringArray tarife;
    CVRMdatenProvider::get().getListe(tarife, LISTE_TARIFE, true);
    if (tarife.IsEmpty()) ThrowFehler(kWichtigeDatenFehlen, u"COptionsManager::ErzeugeOptionen");

    for (const OptionZeile& zeile : OptionTabelle()) {
        switch (zeile.art) {
            case TOptionArt::Text:
                AddStringOption(zeile.id, zeile.key,
                                StandardText(zeile.standard, tarife[0], m_programmOrdner), 1);
                break;
            case TOptionArt::Long:
                AddLongOption(zeile.id, zeile.key, zeile.standard.zahl, 1);
                break;
            case TOptionArt::Float:
                AddFloatOption(zeile.id, zeile.key, zeile.standard.komma, 1);
                break;
        }
    }
}

void COptionsManager::LoadOptions() {
    try {
        DeleteOptions();
        ErzeugeOptionen();
        for (auto& [id, option] : m_optionen) LadeOption(*option);
        SetLongWert(OPT_CLASSIC, 1);
    } catch (const std::exception&) {
        ThrowFehler(kLadeFehler, nullptr);
    }
}

void COptionsManager::LadeOption(COption& option) {
    try {
        option.load(m_programmOrdner);
        PruefeZahlenListe(option);
    } catch (const platform::UserException&) {
        // Reported with its key and text: the default keeps the program usable, so that
        // the user can reach the options and the next save there stores a good value.
        option.ZurueckAufStandard();
    }
}

void COptionsManager::PruefeZahlenListe(const COption& option) const {
    const vrmcore::SZahlOrt ort{vrmdb::kSektionOptionen, option.GetKey()};
    const uint32_t id = option.GetID();
    if (IstKostenListe(id)) {
        std::array<uint32_t, 6> zahlen{};
        ParseWerteListe(option.GetStringWert(), zahlen, ort);
    } else if (id == OPT_WIRTSCHAFT) {
        std::array<uint32_t, std::tuple_size_v<CProjekt2::InvestKosten> * 2> zahlen{};
        CProjekt2::ParseKostenListe(option.GetStringWert(), zahlen, ort);
    } else if (id == OPT_BKOSTEN_DATEN) {
        CProjekt2::BKostenDaten daten;
        CProjekt2::ParseBKostenListe(option.GetStringWert(), daten, ort);
    }
}

CVRMString COptionsManager::GetKey(uint32_t id) const {
    return GetOption(id).GetKey();
}

void COptionsManager::SaveOptions() {
    try {
        const CVRMString sektion(kOptionenSektion);
        for (const auto& [id, option] : m_optionen) {
            if (option->GetSpeichern() == 0) continue;
            switch (option->GetArt()) {
                case vrmLong:
                    IGlobal::WriteIniLong(sektion, option->GetKey(), option->GetLongWert(), 0);
                    break;
                case vrmFloat:
                    IGlobal::WriteIniFloat(sektion, option->GetKey(), option->GetFloatWert(), 0);
                    break;
                case vrmString:
                    IGlobal::WriteIniString(sektion, option->GetKey(), option->GetStringWert(), 0);
                    break;
                default:
                    ThrowFehler(textid::kFalscheKonstante, u"COptionsManager::SaveOptions");
            }
        }
        IGlobal::WriteIniValues();
    } catch (const std::exception&) {
        ThrowFehler(kSpeicherFehler, nullptr);
    }
}

void COptionsManager::DeleteOptions() {
    m_optionen.clear();
}

void COptionsManager::GetStringWert(uint32_t id, CVRMString& wert) const {
    wert = GetOption(id).GetStringWert();
    if (IstReportPfad(id)) wert = ErsetzePlatzhalter(id, wert);
}

int32_t COptionsManager::GetLongWert(uint32_t id, int32_t& wert) const {
    const COption& option = GetOption(id);
    if (IstKostenListe(id)) {
        std::array<uint32_t, 6> zahlen{};
        ParseWerteListe(option.GetStringWert(), zahlen, {vrmdb::kSektionOptionen, option.GetKey()});
        const uint64_t summe = std::accumulate(zahlen.begin(), zahlen.end(), uint64_t{0});
        wert = platform::toInt32(static_cast<double>(summe));
    } else {
        wert = option.GetLongWert();
    }
    return wert;
}

float COptionsManager::GetFloatWert(uint32_t id, float& wert) const {
    wert = GetOption(id).GetFloatWert();
    return wert;
}

void COptionsManager::SetStringWert(uint32_t id, const CVRMString* wert) {
    if (COption* option = FindeOption(id)) option->SetStringWert(wert ? *wert : CVRMString());
}

void COptionsManager::SetLongWert(uint32_t id, int32_t wert) {
    COption* option = FindeOption(id);
    if (!option) return;
    if (!IstKostenListe(id)) {
        option->SetLongWert(wert);
        return;
    }
    // The whole list becomes five zeros and the value, each followed by "#".
    CVRMString liste;
    for (uint32_t zahl : {0u, 0u, 0u, 0u, 0u, static_cast<uint32_t>(wert)}) {
        CVRMString text;
        text.Format(textid::kFormatU, zahl);
        liste += text;
        liste += u'#';
    }
    option->SetStringWert(liste);
}

void COptionsManager::SetFloatWert(uint32_t id, float wert) {
    if (COption* option = FindeOption(id)) option->SetFloatWert(wert);
}

void COptionsManager::SetzeStandard(uint32_t id, int flush) {
    COption* option = FindeOption(id);
    if (!option) return;
    IGlobal::DeleteKeyInSection(CVRMString(kOptionenSektion), option->GetKey(), flush);
    option->ZurueckAufStandard();
    option->load(m_programmOrdner);
}

COption* COptionsManager::FindeOption(uint32_t id) const {
    if (id > 0xFFFF) return nullptr;
    const auto it = m_optionen.find(static_cast<uint16_t>(id));
    return it != m_optionen.end() ? it->second.get() : nullptr;
}

void COptionsManager::AddStringOption(uint32_t id, const CVRMString& key,
                                      const CVRMString& standard, int32_t speichern) {
    Add(std::make_unique<COption>(id, key, standard, speichern));
}

void COptionsManager::AddLongOption(uint32_t id, const CVRMString& key, int32_t standard,
                                    int32_t speichern) {
    Add(std::make_unique<COption>(id, key, standard, speichern));
}

void COptionsManager::AddFloatOption(uint32_t id, const CVRMString& key, float standard,
                                     int32_t speichern) {
    Add(std::make_unique<COption>(id, key, standard, speichern));
}

void COptionsManager::Add(std::unique_ptr<COption> option) {
    const auto id = static_cast<uint16_t>(option->GetID());
    m_optionen[id] = std::move(option);
}

COption& COptionsManager::GetOption(uint32_t id) const {
    COption* option = FindeOption(id);
    if (!option) {
        CVRMString text;
        text.Format(kNichtGefunden, id);
        ThrowFehlerText(text, nullptr);
    }
    return *option;
}

CVRMString COptionsManager::ErsetzePlatzhalter(uint32_t id, CVRMString wert) const {
    CVRMString datenOrdner;
    if (wert.view().starts_with(vrmdb::kPlatzhalterDataDir)) IGlobal::GetDatenDir(datenOrdner);
    ErsetzeAmAnfang(wert, vrmdb::kPlatzhalterDataDir, datenOrdner);
    ErsetzeAmAnfang(wert, vrmdb::kPlatzhalterInstDir,
                    m_programmOrdner + CVRMString(kVorlagenOrdner, nullptr));
    if (wert.view().starts_with(vrmdb::kPlatzhalterDocApp))
        ErsetzeAmAnfang(wert, vrmdb::kPlatzhalterDocApp, DocKommando());
    if (id == OPT_REPORT_APP && wert.IsEmpty()) {
        int32_t rmw = 0;
        if (GetLongWert(OPT_RMW, rmw) == 1) wert = DocKommando();
    }
    return wert;
}

CVRMString COptionsManager::DocKommando() const {
    return m_docKommando ? m_docKommando() : CVRMString();
}
