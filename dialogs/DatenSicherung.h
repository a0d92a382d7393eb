#pragma once
// Backup and restore of the user database file. A backup is a copy of the file in a
// folder under the database's own file name; a restore puts such a copy back in the
// database's place, but only a file that is a user database and reads whole: the copy is
// written beside the database first, judged there, and renamed into place, and the
// database as it was is kept beside it. Whatever goes wrong, the database file is either
// the old one, byte for byte, or the whole restored one.
#include <filesystem>
#include <string>

class CDatenSicherung {
  public:
    enum class Ergebnis {
        Ok,
        KeineQuelle,     // no file of the database's name in the folder
        GleicheDatei,    // the folder's file is the database itself
        KeineDatenbank,  // the file is no user database (grund says why)
        Fehler,          // reading or writing failed (fehler says why)
    };
    struct SAntwort {
        Ergebnis ergebnis = Ergebnis::Ok;
        unsigned grundTextId = 0;     // with KeineDatenbank: the language text of the reason
        std::string fehler;           // with Fehler: the description of the failure
        std::filesystem::path kopie;  // after a restore: where the old database is kept
    };

    // Language texts of the reasons a file is no user database (beside the reasons a
    // database file reads doubtfully).
    static constexpr unsigned kGrundBibliothek = 7469;  // the library database
    static constexpr unsigned kGrundKeineDaten = 7470;  // holds nothing of a user database
    // The old database is kept under its name with this ending (and "-2", "-3", ...).
    static constexpr const char* kKopieEndung = ".before-restore";

    explicit CDatenSicherung(std::filesystem::path datenbank);

    const std::filesystem::path& Datenbank() const { return m_datenbank; }
    // The backup's file in a folder: the database's file name there.
    std::filesystem::path DateiIn(const std::filesystem::path& ordner) const;

    SAntwort Sichere(const std::filesystem::path& ordner) const;
    // Judges the folder's file as StelleWiederHer would, and changes nothing.
    SAntwort Pruefe(const std::filesystem::path& ordner) const;
    SAntwort StelleWiederHer(const std::filesystem::path& ordner) const;

  private:
    SAntwort PruefeDatei(const std::filesystem::path& datei) const;
    bool IstDatenbank(const std::filesystem::path& datei) const;
    std::filesystem::path Ziel() const;

    std::filesystem::path m_datenbank;
};
