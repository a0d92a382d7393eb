#include "core/db/Global.h"

#include <cmath>
#include <string_view>

#include "core/db/GespeicherteZahl.h"
#include "core/db/GlobalExports.h"
#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/errors/UserException.h"
#include "platform/modules/Module.h"
#include "platform/numbers/Numbers.h"
#include "platform/resources/Resources.h"

CVRMString IGlobal::m_strVersion = u"?";

namespace {

// A failed boundary function has shown its box; the facade adds its report only where
// that box was the boundary's own (3501), never to an error the user has seen already.
void pruefe(int result, unsigned textId) {
    if (result) return;
    if (GlobalLetzterFehlerGemeldet()) throw platform::UserException();
    vrmcore::ReportError(textId, std::u16string_view());
}

constexpr unsigned kSchnittstellenFehler = 3482;  // "Error in interface of module 'Global'"
constexpr unsigned kDateiNichtGefunden = 4297;    // "Database file not found!"

// The file this library was loaded from: the one whose stamp the program relies on.
CVRMString eigeneDatei() {
    const auto file =
        platform::moduleFileOfAddress(reinterpret_cast<const void*>(&IGlobal::InitInterface));
    return CVRMString::fromUtf8(file.string());
}

// Never NaN or infinity into a database: a non-finite number is a program error.
void pruefeEndlich(double value) {
    XAssert(std::isfinite(value) ? 1 : 0);
}

// The number a stored text holds, by the one rule for stored numbers: a text that is not
// wholly a finite number of its kind is reported with its record, key and text.
double gespeicherteZahl(const CVRMString& section, const CVRMString& key, const CVRMString& text,
                        platform::StoredNumber art) {
    return vrmcore::GespeicherteZahl(text, art, {section, key});
}

// The read text of a number, or empty when the key is missing or stored empty.
CVRMString zahlText(const CVRMString& section, const CVRMString& key) {
    CVRMString text;
    IGlobal::ReadIniString(section, key, text, CVRMString());
    return text;
}

void schreibeFormat(const CVRMString& section, const CVRMString& key, unsigned formatId,
                    const platform::FormatArg& value, int flush) {
    CVRMString text;
    text.Format(formatId, value);
    IGlobal::WriteIniString(section, key, text, flush);
}

// The names of a list, each followed by the token separator.
void listeAlsText(TKelvoListID list, CVRMString& out, int withBibo) {
    CVRMStringArray names;
    IGlobal::GetStringListe(list, names, withBibo);
    out.clear();
    for (const auto& name : names) {
        out += name;
        out += vrmdb::kTokenTrenner;
    }
}

}  // namespace

bool vrmcore::PruefeKernVersion(int version, const CVRMString& file) {
    if (version >= kMindestVersionKern) return true;
    CVRMString text;
    // "Version %s or higher of file"
    text.Format(3272u, getVersionString(kMindestVersionKern), file);
    ShowErrorBox(0, text);
    return false;
}

CVRMString vrmcore::VersionsText(const CVRMString& file) {
    uint16_t major = 0, minor = 0, build = 0, revision = 0;
    pruefe(GlobalGetVersionsInfo(file, major, minor, build, revision), kSchnittstellenFehler);
    return getVersionString(major, minor, build, revision);
}

int IGlobal::InitInterface(int noNet, platform::Window* mainWnd) {
    const CVRMString file = eigeneDatei();
    try {
        const int version = GetDateiVersionsInfo(file);
        if (version == 0)
            vrmcore::ReportError(3308, file);  // "Error when determining file version"
        if (!vrmcore::PruefeKernVersion(version, file)) return 0;
        if (!InitGlobalModul(platform::currentResourceModule(), mainWnd, noNet))
            vrmcore::ReportError(4312, std::u16string_view());  // "Module Global not initialized"
        // From the record's own numbers: the combined number loses a build above 9.
        m_strVersion = vrmcore::VersionsText(file);
        return IstInitialisiert();
    } catch (const platform::UserException&) {
        return 0;
    }
}

int IGlobal::IstInitialisiert() {
    return GlobalIstInitialisiert();
}

int IGlobal::GetDateiVersionsInfo(const CVRMString& file) {
    uint16_t major = 0, minor = 0, build = 0, revision = 0;
    pruefe(GlobalGetVersionsInfo(file, major, minor, build, revision), kSchnittstellenFehler);
    return major * 10000 + minor * 1000 + build * 10 + revision;
}

void IGlobal::SetDatenDir(const CVRMString& dir) {
    pruefe(GlobalSetDatenDir(dir), kSchnittstellenFehler);
}

void IGlobal::GetDatenDir(CVRMString& dir) {
    pruefe(GlobalGetDatenDir(dir), kDateiNichtGefunden);
}

void IGlobal::SetDatenDatei(const CVRMString& path) {
    pruefe(GlobalSetDatenDatei(path), kSchnittstellenFehler);
}

void IGlobal::SetBiboDatei(const CVRMString& path, int biboOnly) {
    pruefe(GlobalSetBiboDatei(path, biboOnly), kDateiNichtGefunden);
}

uint64_t IGlobal::AenderungsStand() {
    return GlobalGetAenderungsStand();
}

void IGlobal::GetBiboDateiname(CVRMString& path) {
    pruefe(GlobalGetBiboDateiname(path), kDateiNichtGefunden);
}

void IGlobal::GetBiboVersion(CVRMString& version) {
    pruefe(GlobalGetBiboVersion(version), kSchnittstellenFehler);
}

void IGlobal::ReadIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                            const CVRMString& def) {
    pruefe(GlobalGetIniString(section, key, out, def), kSchnittstellenFehler);
}

int IGlobal::ReadIniInt(const CVRMString& section, const CVRMString& key, int def) {
    return ReadIniLong(section, key, def);
}

int32_t IGlobal::ReadIniLong(const CVRMString& section, const CVRMString& key, int32_t def) {
    const CVRMString text = zahlText(section, key);
    if (text.empty()) return def;
    return static_cast<int32_t>(
        gespeicherteZahl(section, key, text, platform::StoredNumber::Int32));
}

uint32_t IGlobal::ReadIniClr(const CVRMString& section, const CVRMString& key, uint32_t def) {
    const CVRMString text = zahlText(section, key);
    if (text.empty()) return def;
    return static_cast<uint32_t>(
        gespeicherteZahl(section, key, text, platform::StoredNumber::UInt32));
}

double IGlobal::ReadIniDouble(const CVRMString& section, const CVRMString& key, double def) {
    const CVRMString text = zahlText(section, key);
    return text.empty() ? def
                        : gespeicherteZahl(section, key, text, platform::StoredNumber::Double);
}

float IGlobal::ReadIniFloat(const CVRMString& section, const CVRMString& key, float def) {
    const CVRMString text = zahlText(section, key);
    if (text.empty()) return def;
    return static_cast<float>(gespeicherteZahl(section, key, text, platform::StoredNumber::Float));
}

void IGlobal::WriteIniString(const CVRMString& section, const CVRMString& key,
                             const CVRMString& value, int flush) {
    pruefe(GlobalWriteIniString(section, key, value, flush), kSchnittstellenFehler);
}

void IGlobal::WriteIniInt(const CVRMString& section, const CVRMString& key, int value, int flush) {
    schreibeFormat(section, key, textid::kFormatI, value, flush);
}

void IGlobal::WriteIniLong(const CVRMString& section, const CVRMString& key, int32_t value,
                           int flush) {
    schreibeFormat(section, key, textid::kFormatLi, value, flush);
}

void IGlobal::WriteIniClr(const CVRMString& section, const CVRMString& key, uint32_t value,
                          int flush) {
    schreibeFormat(section, key, textid::kFormatLu, value, flush);
}

void IGlobal::WriteIniDouble(const CVRMString& section, const CVRMString& key, double value,
                             int flush) {
    pruefeEndlich(value);
    schreibeFormat(section, key, textid::kFormatF, value, flush);
}

void IGlobal::WriteIniFloat(const CVRMString& section, const CVRMString& key, float value,
                            int flush) {
    pruefeEndlich(value);
    schreibeFormat(section, key, textid::kFormatF, value, flush);
}

void IGlobal::DeleteSection(const CVRMString& section, int flush) {
    pruefe(GlobalDeleteSection(section, flush), kSchnittstellenFehler);
}

void IGlobal::DeleteKeyInSection(const CVRMString& section, const CVRMString& key, int flush) {
    pruefe(GlobalDeleteKeyInSection(section, key, flush), kSchnittstellenFehler);
}

void IGlobal::DeleteValueInSection(const CVRMString& section, const CVRMString& value, int flush) {
    pruefe(GlobalDeleteValueInSection(section, value, flush), kSchnittstellenFehler);
}

int IGlobal::AddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                               const CVRMString& value, int flush) {
    const int result = GlobalAddValueToSection(section, keyPrefix, value, flush);
    pruefe(result, kSchnittstellenFehler);
    return result;
}

int IGlobal::ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int mode) {
    int hit = 0;
    pruefe(GlobalValueIsUsed(useKey, name, where, hit, mode), kSchnittstellenFehler);
    return hit;
}

void IGlobal::WriteIniValues() {
    pruefe(GlobalWriteIniValues(CVRMString(), nullptr, nullptr, 0), kSchnittstellenFehler);
}

void IGlobal::saveToDisk(const CVRMString& target, const CVRMStringArray* first,
                         const CVRMStringArray* second, int flag) {
    pruefe(GlobalWriteIniValues(target, first, second, flag), kSchnittstellenFehler);
}

bool IGlobal::NimmtSatzAuf(const CVRMString& section) {
    int result = 0;
    pruefe(GlobalNimmtSatzAuf(section, result), kSchnittstellenFehler);
    return result != 0;
}

void IGlobal::BeginneVorgang() {
    pruefe(GlobalBeginneVorgang(), kSchnittstellenFehler);
}

void IGlobal::BeendeVorgang(int abschliessen) {
    pruefe(GlobalBeendeVorgang(abschliessen), kSchnittstellenFehler);
}

bool IGlobal::SetzeVorgaengeAus() {
    int ausgesetzt = 0;
    pruefe(GlobalSetzeVorgaengeAus(ausgesetzt), kSchnittstellenFehler);
    return ausgesetzt != 0;
}

void IGlobal::NimmVorgaengeWieder() {
    pruefe(GlobalNimmVorgaengeWieder(), kSchnittstellenFehler);
}

void IGlobal::GetStringListe(TKelvoListID listId, CVRMStringArray& out, int withBibo) {
    pruefe(GlobalGetStringListe(listId, withBibo, out), kSchnittstellenFehler);
}

void IGlobal::GetStringListe(TKelvoListID listId, CVRMStringArray& userList,
                             CVRMStringArray& fullList, const CVRMStringArray* filter) {
    GetStringListe(listId, userList, 0);
    GetStringListe(listId, fullList, 1);
    if (!filter) return;
    FilterListe(listId, userList, *filter);
    FilterListe(listId, fullList, *filter);
}

void IGlobal::GetValuesFromSection(const CVRMString& section, CVRMStringArray& out, int bibo) {
    pruefe(GlobalGetValuesFromSection(section, out, bibo), kSchnittstellenFehler);
}

void IGlobal::GetSolarAnlagen(CVRMString& out, int withBibo) {
    listeAlsText(LISTE_SOLARANLAGEN, out, withBibo);
}

void IGlobal::GetKollektoren(CVRMString& out, int withBibo) {
    listeAlsText(LISTE_SOLARKOLLEKTOREN, out, withBibo);
}

void IGlobal::GetKuehlAnlagen(CVRMString& out, int withBibo) {
    listeAlsText(LISTE_KUEHLANLAGEN, out, withBibo);
}

void IGlobal::GetAbluftAnlagen(CVRMString& out, int withBibo) {
    listeAlsText(LISTE_ABLUFTANLAGEN, out, withBibo);
}

int IGlobal::getLandVonOrt(const CVRMString& ort, const CVRMStringArray& laender) {
    for (int i = 0; i < laender.GetSize(); ++i) {
        CVRMString inKlammern;
        inKlammern.Format(textid::kFormatKlammer, laender[static_cast<size_t>(i)]);
        if (ort.Find(inKlammern) >= 0) return i;
    }
    return -1;
}

bool IGlobal::IstBiboName(const CVRMString& name) {
    return GlobalIstBiboName(name) != 0;
}

int IGlobal::KVSMessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
                           platform::Window* parent) {
    return GlobalMessageBox(text, captionId, style, parent);
}

int IGlobal::KVSMessageBox(unsigned textId, unsigned captionId, uint32_t style,
                           platform::Window* parent) {
    return GlobalMessageBox(textId, captionId, style, parent);
}

int IGlobal::KVSMessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
                           platform::Window* parent) {
    return GlobalMessageBox(text, caption, style, parent);
}

int IGlobal::KVSMessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
                           platform::Window* parent) {
    return GlobalMessageBox(textId, caption, style, parent);
}

void IGlobal::ThrowGlobIfException(unsigned textId, const CVRMString& place) {
    vrmcore::ReportError(textId, place);
}

void IGlobal::ThrowGlobIfException(unsigned textId, unsigned placeTextId) {
    vrmcore::ReportError(textId, placeTextId);
}

int IGlobal::ConnectToServer(const CVRMString& server, int port, const CVRMString& user) {
    return GlobalConnectToServer(server, port, user);
}

int IGlobal::ShutDownConnection() {
    return GlobalShutDownConnection();
}

int IGlobal::GetWPEignung(const CVRMString& wpName, const std::vector<float>& betriebsDaten) {
    return GlobalGetWPEignung(wpName, betriebsDaten);
}

int IGlobal::GetWPEignungen(std::map<CVRMString, std::pair<float, float>>& out) {
    return GlobalGetWPEignungen(out);
}
