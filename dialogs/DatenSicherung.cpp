#include "dialogs/DatenSicherung.h"

#include <set>
#include <system_error>

#include "app/options/Option.h"
#include "app/shell/BenutzerDaten.h"
#include "core/db/FileWrite.h"
#include "core/db/IniFile.h"
#include "core/db/Lists.h"
#include "core/db/SectionNames.h"
#include "core/value/VRMString.h"

namespace fs = std::filesystem;

namespace {

// The written copy waits under this name beside the database until it is judged.
constexpr const char* kWartendeEndung = ".restore";

CVRMString Abschnitt(const CVRMString& name) {
    CVRMString key = name;
    MakeStringLower(key);
    return u"[" + key + u"]";
}

// The sections by which a user database shows itself: its lists, its locations, its
// options and the user data. A file holding none of them holds nothing to restore.
const std::set<std::u16string>& AbschnitteDerDatenbank() {
    static const std::set<std::u16string> abschnitte = [] {
        std::set<std::u16string> a;
        for (int id = LISTE_PROJEKTE; id < LISTE_LAENDER; ++id) {
            CVRMString section, listKey, useKey;
            GetSectionAndKeys(static_cast<TKelvoListID>(id), section, listKey, useKey);
            a.insert(Abschnitt(section));
        }
        for (const char16_t* name :
             {vrmdb::kSektionKlimadaten, vrmdb::kSektionWetterdaten, vrmdb::kSektionBodendaten,
              vrmdb::kSektionSonnendaten, kOptionenSektion, kBenutzerDatenSektion})
            a.insert(Abschnitt(CVRMString(name)));
        return a;
    }();
    return abschnitte;
}

bool DieselbeDatei(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

CDatenSicherung::SAntwort Fehler(std::string text) {
    return {CDatenSicherung::Ergebnis::Fehler, 0, std::move(text), {}};
}

std::string Lies(const fs::path& datei, std::string& bytes) {
    bool fehlt = false;
    std::string fehler = vrmdb::ReadWholeFile(datei.string(), bytes, fehlt);
    if (fehlt) fehler = "File not found: " + datei.string();
    return fehler;
}

}  // namespace

CDatenSicherung::CDatenSicherung(fs::path datenbank) : m_datenbank(std::move(datenbank)) {}

fs::path CDatenSicherung::DateiIn(const fs::path& ordner) const {
    return ordner / m_datenbank.filename();
}

fs::path CDatenSicherung::Ziel() const {
    // A database reached through a link is replaced where it lives; the link stays.
    std::error_code ec;
    if (!fs::is_symlink(m_datenbank, ec)) return m_datenbank;
    const fs::path ziel = fs::canonical(m_datenbank, ec);
    return ec ? m_datenbank : ziel;
}

CDatenSicherung::SAntwort CDatenSicherung::Sichere(const fs::path& ordner) const {
    const fs::path ziel = DateiIn(ordner);
    if (DieselbeDatei(ziel, m_datenbank)) return {Ergebnis::GleicheDatei};
    std::string bytes;
    if (std::string fehler = Lies(m_datenbank, bytes); !fehler.empty()) return Fehler(fehler);
    if (std::string fehler = vrmdb::ReplaceFile(ziel.string(), bytes); !fehler.empty())
        return Fehler(fehler);
    return {};
}

CDatenSicherung::SAntwort CDatenSicherung::Pruefe(const fs::path& ordner) const {
    const fs::path quelle = DateiIn(ordner);
    std::error_code ec;
    if (!fs::exists(quelle, ec)) return {Ergebnis::KeineQuelle};
    if (DieselbeDatei(quelle, m_datenbank)) return {Ergebnis::GleicheDatei};
    return PruefeDatei(quelle);
}

CDatenSicherung::SAntwort CDatenSicherung::PruefeDatei(const fs::path& datei) const {
    CIniFile bild(0);
    std::string fehler;
    const unsigned grund = bild.Pruefe(CVRMString::fromUtf8(datei.string()), fehler);
    if (!fehler.empty()) return Fehler(fehler);
    if (grund != 0) return {Ergebnis::KeineDatenbank, grund};
    bool bekannt = false;
    for (const CIniFile::Section& abschnitt : bild.Sections()) {
        if (abschnitt.key == Abschnitt(CVRMString(vrmdb::kSektionBiboInfo)))
            return {Ergebnis::KeineDatenbank, kGrundBibliothek};
        bekannt = bekannt || AbschnitteDerDatenbank().count(abschnitt.key) != 0;
    }
    if (!bekannt) return {Ergebnis::KeineDatenbank, kGrundKeineDaten};
    return {};
}

CDatenSicherung::SAntwort CDatenSicherung::StelleWiederHer(const fs::path& ordner) const {
    const fs::path quelle = DateiIn(ordner);
    std::error_code ec;
    if (!fs::exists(quelle, ec)) return {Ergebnis::KeineQuelle};
    if (DieselbeDatei(quelle, m_datenbank)) return {Ergebnis::GleicheDatei};
    std::string neu;
    if (std::string fehler = Lies(quelle, neu); !fehler.empty()) return Fehler(fehler);

    // What is judged is what will be renamed into place, not the file in the folder,
    // which may change in the meantime.
    const fs::path ziel = Ziel();
    const fs::path wartend = ziel.string() + kWartendeEndung;
    const auto verwirf = [&wartend](SAntwort antwort) {
        std::error_code egal;
        fs::remove(wartend, egal);
        return antwort;
    };
    if (std::string fehler = vrmdb::ReplaceFile(wartend.string(), neu); !fehler.empty())
        return verwirf(Fehler(fehler));
    if (SAntwort urteil = PruefeDatei(wartend); urteil.ergebnis != Ergebnis::Ok)
        return verwirf(urteil);

    SAntwort antwort;
    std::string alt;
    bool fehlt = false;
    if (std::string fehler = vrmdb::ReadWholeFile(ziel.string(), alt, fehlt); !fehler.empty())
        return verwirf(Fehler(fehler));
    if (!fehlt) {
        std::string kopie;
        if (std::string fehler = vrmdb::KeepCopy(ziel.string(), kKopieEndung, alt, kopie);
            !fehler.empty())
            return verwirf(Fehler(fehler));
        antwort.kopie = kopie;
    }
    fs::rename(wartend, ziel, ec);
    if (ec) return verwirf(Fehler("Cannot rename " + wartend.string() + ": " + ec.message()));
    return antwort;
}
