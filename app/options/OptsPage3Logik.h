#pragma once
// What the "Report" options page keeps and decides, without a window: the folders of the
// report templates and of the reports, the program that opens reports, the standard
// template, and the switches of the report commands.
#include <cstdint>

#include "app/options/OptionenUmgebung.h"
#include "core/value/VRMString.h"

class COptsPage3Logik {
  public:
    explicit COptsPage3Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    // The four paths as the program uses them (placeholders expanded), the switches.
    void Init();
    // The folders are taken as chosen; a path whose edit the user emptied is cleared.
    void Apply(bool programmLeer, bool vorlageLeer);

    // A chosen report folder is taken only when the program may create files in it;
    // otherwise message 5555 and the old folder stays.
    bool SetzeReportOrdner(const CVRMString& ordner);
    // Asks whether to take the program registered for ".doc" files; on Yes it becomes the
    // report program and true is answered (no file to choose then).
    bool UebernimmDocProgramm();
    // Whether a new file can be created in the folder: a file of a new name is created
    // exclusively and removed again; files already there are left alone.
    static bool IstBeschreibbar(const CVRMString& ordner);

    // Language texts of the choosers.
    static constexpr unsigned kTitelVorlagenOrdner = 3435;  // "Select the folder with the report templates"
    static constexpr unsigned kTitelReportOrdner = 3433;    // "Select the folder to store the reports in"
    static constexpr unsigned kTitelProgramm = 3432;        // "Select a program to open the reports"
    static constexpr unsigned kTitelVorlage = 3434;         // "Select the standard template for reports"
    static constexpr unsigned kVorlagenFilter = 3172;       // "Report templates|*.htm;*.html|..."

    CVRMString m_vorlagenDir;
    CVRMString m_reportDir;
    CVRMString m_reportApp;
    CVRMString m_stdErgReport;
    int m_userReport = 0;
    int m_saveReport = 0;
    // 0 internet browser, 1 word processor; -1 when the stored value is neither.
    int m_rmw = 1;

  private:
    IOptionenUmgebung& m_umgebung;
    // Carried through unchanged.
    int32_t m_reportBKO = 0;
};
