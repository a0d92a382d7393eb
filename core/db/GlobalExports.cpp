#include "core/db/GlobalExports.h"

#include <string_view>

#include "core/db/Lists.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/errors/UserException.h"

namespace {

CVRMglobApp& app() {
    return CVRMglobApp::Get();
}

// Whether the last failure of a boundary function had been shown to the user already.
bool letzterFehlerGemeldet = false;

// Nothing crosses the library boundary: what escapes becomes 0. An error reported inside
// (its box shown, whether it then threw the user exception or answered 0) keeps that one
// box; anything else is shown here. The box itself must not throw either.
template <class F>
int guarded(std::u16string_view place, F&& f) noexcept {
    const uint64_t vorher = vrmcore::GezeigteFehler();
    letzterFehlerGemeldet = false;
    try {
        const int result = f();
        letzterFehlerGemeldet = result == 0 && vrmcore::GezeigteFehler() != vorher;
        return result;
    } catch (const platform::UserException&) {
        letzterFehlerGemeldet = vrmcore::GezeigteFehler() != vorher;
        if (letzterFehlerGemeldet) return 0;
    } catch (...) {
    }
    try {
        vrmcore::ShowErrorBox(textid::kFehlerGlobal, place);
    } catch (...) {
    }
    return 0;
}

}  // namespace

int InitGlobalModul(platform::ModuleHandle resourceModule, platform::Window* mainWnd, int noNet) {
    return guarded(u"InitGlobalModul", [&] { return app().Init(resourceModule, mainWnd, noNet); });
}

int GlobalIstInitialisiert() {
    return guarded(u"IstInitialisiert", [] { return app().IstInitialisiert() ? 1 : 0; });
}

int GlobalSetDatenDir(const CVRMString& dir) {
    return guarded(u"SetDatenDir", [&] { return app().SetDatenDir(dir); });
}

int GlobalGetDatenDir(CVRMString& dir) {
    return guarded(u"GetDatenDir", [&] { return app().GetDatenDir(dir); });
}

int GlobalSetDatenDatei(const CVRMString& path) {
    return guarded(u"SetDatenDatei", [&] { return app().SetDatenDatei(path); });
}

int GlobalSetBiboDatei(const CVRMString& path, int biboOnly) {
    return guarded(u"SetBiboDatei", [&] { return app().SetBiboDatei(path, biboOnly); });
}

int GlobalGetBiboDateiname(CVRMString& path) {
    return guarded(u"GetBiboDateiname", [&] {
        path = app().GetBiboDateiname();
        return 1;
    });
}

int GlobalDatenGeladen() {
    return guarded(u"DatenGeladen", [] { return app().DatenGeladen() ? 1 : 0; });
}

int GlobalLetzterFehlerGemeldet() {
    return letzterFehlerGemeldet ? 1 : 0;
}

uint64_t GlobalGetAenderungsStand() {
    return app().AenderungsStand();
}

int GlobalGetStringListe(TKelvoListID listId, int withBibo, CVRMStringArray& out) {
    return guarded(u"GetStringListe", [&] { return app().GetStringListe(listId, withBibo, out); });
}

int GlobalGetIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                       const CVRMString& def) {
    return guarded(u"GetIniString", [&] { return app().GetIniString(section, key, out, def); });
}

int GlobalValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int& result,
                      int mode) {
    return guarded(u"ValueIsUsed", [&] {
        result = app().AktiveDatei().ValueIsUsed(useKey, name, where, mode);
        return 1;
    });
}

int GlobalDeleteSection(const CVRMString& section, int flush) {
    return guarded(u"DeleteSection", [&] {
        app().AktiveDatei().DeleteSection(section, flush != 0);
        return 1;
    });
}

int GlobalDeleteKeyInSection(const CVRMString& section, const CVRMString& key, int flush) {
    return guarded(u"DeleteKeyInSection", [&] {
        app().AktiveDatei().DeleteKeyInSection(section, key, flush != 0);
        return 1;
    });
}

int GlobalDeleteValueInSection(const CVRMString& section, const CVRMString& value, int flush) {
    return guarded(u"DeleteValueInSection", [&] {
        app().AktiveDatei().DeleteValueInSection(section, value, flush != 0);
        return 1;
    });
}

int GlobalWriteIniString(const CVRMString& section, const CVRMString& key, const CVRMString& value,
                         int flush) {
    return guarded(u"WriteIniString", [&] {
        app().AktiveDatei().WriteIniString(section, key, value, flush != 0);
        return 1;
    });
}

int GlobalWriteIniValues(const CVRMString& target, const CVRMStringArray* first,
                         const CVRMStringArray* second, int) {
    return guarded(u"WriteIniValues", [&] {
        app().AktiveDatei().Flush(target, first, second);
        return 1;
    });
}

int GlobalNimmtSatzAuf(const CVRMString& section, int& result) {
    return guarded(u"NimmtSatzAuf", [&] {
        result = app().AktiveDatei().NimmtAuf(section) ? 1 : 0;
        return 1;
    });
}

int GlobalBeginneVorgang() {
    return guarded(u"BeginneVorgang", [] {
        app().AktiveDatei().BeginneVorgang();
        return 1;
    });
}

int GlobalBeendeVorgang(int abschliessen) {
    return guarded(u"BeendeVorgang", [&] {
        app().AktiveDatei().BeendeVorgang(abschliessen != 0);
        return 1;
    });
}

int GlobalSetzeVorgaengeAus(int& ausgesetzt) {
    return guarded(u"SetzeVorgaengeAus", [&] {
        ausgesetzt = app().AktiveDatei().SetzeVorgaengeAus() ? 1 : 0;
        return 1;
    });
}

int GlobalNimmVorgaengeWieder() {
    return guarded(u"NimmVorgaengeWieder", [] {
        app().AktiveDatei().NimmVorgaengeWieder();
        return 1;
    });
}

int GlobalGetValuesFromSection(const CVRMString& section, CVRMStringArray& out, int bibo) {
    return guarded(u"GetValuesFromSection", [&] {
        CIniFile& file = bibo ? app().BiboDatei() : app().AktiveDatei();
        file.GetValuesFromSection(section, out);
        return 1;
    });
}

int GlobalAddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                            const CVRMString& value, int flush) {
    return guarded(u"AddValueToSection", [&] {
        app().AktiveDatei().AddValueToSection(section, keyPrefix, value, flush != 0);
        return 1;
    });
}

int GlobalGetBiboVersion(CVRMString& version) {
    return guarded(u"GetBiboVersion", [&] {
        app().BiboDatei().GetBiboVersion(version);
        return 1;
    });
}

int GlobalGetVersionsInfo(const CVRMString& file, uint16_t& major, uint16_t& minor, uint16_t& build,
                          uint16_t& revision) {
    return guarded(u"GetVersionsInfo", [&] {
        major = minor = build = revision = 0;
        // An empty path is the caller's error: it must not pass as a file without a version.
        if (file.empty()) {
            vrmcore::ShowErrorBox(0, std::u16string_view());
            return 0;
        }
        if (const auto version = platform::readFileVersion(file.toUtf8())) {
            major = version->major;
            minor = version->minor;
            build = version->build;
            revision = version->revision;
        }
        return 1;
    });
}

int GlobalMessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
                     platform::Window* parent) {
    return vrmcore::MessageBox(text, captionId, style, parent);
}

int GlobalMessageBox(unsigned textId, unsigned captionId, uint32_t style,
                     platform::Window* parent) {
    return vrmcore::MessageBox(textId, captionId, style, parent);
}

int GlobalMessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
                     platform::Window* parent) {
    return vrmcore::MessageBox(text, caption, style, parent);
}

int GlobalMessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
                     platform::Window* parent) {
    return vrmcore::MessageBox(textId, caption, style, parent);
}

int GlobalIstBiboName(const CVRMString& name) {
    return IstBiboName(name) ? 1 : 0;
}

int GlobalConnectToServer(const CVRMString&, int, const CVRMString&) {
    return 1;
}

int GlobalShutDownConnection() {
    return 1;
}

int GlobalGetWPEignung(const CVRMString&, const std::vector<float>&) {
    return 0;
}

int GlobalGetWPEignungen(std::map<CVRMString, std::pair<float, float>>&) {
    return 0;
}
