#pragma once
// The one way the program and the calculation libraries use the core library's services:
// start-up, database files and folders, typed reads and writes, lists, file versions,
// message boxes and error reports. Every member that calls a boundary function turns its
// failure into a report of its own (box, then platform::UserException).
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

namespace platform {
class Window;
}

class CVRMwert;

namespace vrmcore {

// The oldest file version of the core library that the program works with (4.2.8.0).
constexpr int kMindestVersionKern = 42080;

// True when `version` is at least the minimum; otherwise the box 3272 filled with the
// minimum's text and `file`, and false.
bool PruefeKernVersion(int version, const CVRMString& file);

// The four numbers of the file's version record joined by points ("0.0.0.0" without one);
// reports 3482 when the export fails.
CVRMString VersionsText(const CVRMString& file);

}  // namespace vrmcore

class IGlobal {
  public:
    IGlobal() = delete;

    // Start-up: checks the library's own file version, then initialises it with the
    // current resource module. 1 on success, 0 after a report (nothing is thrown).
    static int InitInterface(int noNet, platform::Window* mainWnd);
    static int IstInitialisiert();
    // major × 10000 + minor × 1000 + build × 10 + revision; 0 when the file has none.
    static int GetDateiVersionsInfo(const CVRMString& file);
    // "?" until InitInterface succeeded, then the library's version text.
    static const CVRMString& GetModulVersion() { return m_strVersion; }

    static void SetDatenDir(const CVRMString& dir);
    static void GetDatenDir(CVRMString& dir);
    static void SetDatenDatei(const CVRMString& path);
    static void SetBiboDatei(const CVRMString& path, int biboOnly);
    static void GetBiboDateiname(CVRMString& path);
    // Stands still as long as no read may answer differently: what was read under one
    // count may be kept while the count is the same.
    static uint64_t AenderungsStand();
    static void GetBiboVersion(CVRMString& version);

    // Reads: the active database, then the library database, then the default. A missing
    // or empty number gives the default; any other stored text that is not wholly a finite
    // number of the read's kind (a 32-bit whole number for the int, long and colour reads)
    // is reported (4298, naming record, key and text) and thrown, never read as 0.
    static void ReadIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                              const CVRMString& def);
    static int ReadIniInt(const CVRMString& section, const CVRMString& key, int def);
    static int32_t ReadIniLong(const CVRMString& section, const CVRMString& key, int32_t def);
    static uint32_t ReadIniClr(const CVRMString& section, const CVRMString& key, uint32_t def);
    static double ReadIniDouble(const CVRMString& section, const CVRMString& key, double def);
    static float ReadIniFloat(const CVRMString& section, const CVRMString& key, float def);

    // Writes go to the active database; flush 1 writes it to disk at once.
    static void WriteIniString(const CVRMString& section, const CVRMString& key,
                               const CVRMString& value, int flush);
    static void WriteIniInt(const CVRMString& section, const CVRMString& key, int value, int flush);
    static void WriteIniLong(const CVRMString& section, const CVRMString& key, int32_t value,
                             int flush);
    static void WriteIniClr(const CVRMString& section, const CVRMString& key, uint32_t value,
                            int flush);
    static void WriteIniDouble(const CVRMString& section, const CVRMString& key, double value,
                               int flush);
    static void WriteIniFloat(const CVRMString& section, const CVRMString& key, float value,
                              int flush);

    // One value of the value store by its type: the read takes the value's default for a
    // missing key and sets value and loaded value; the write stores its current value.
    static void readWert(const CVRMString& section, const CVRMString& key, CVRMwert& wert);
    static void writeWert(const CVRMString& section, const CVRMString& key, const CVRMwert& wert,
                          int flush);

    static void DeleteSection(const CVRMString& section, int flush);
    static void DeleteKeyInSection(const CVRMString& section, const CVRMString& key, int flush);
    static void DeleteValueInSection(const CVRMString& section, const CVRMString& value, int flush);
    // The export's result (a failure is reported and thrown, so what returns is success).
    static int AddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                                 const CVRMString& value, int flush);
    // The hit flag; `name` becomes the value as stored.
    static int ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int mode);
    // Writes the active database to its own path.
    static void WriteIniValues();
    // Writes the active database to `target` (empty: its own path), filtered by the lists.
    static void saveToDisk(const CVRMString& target, const CVRMStringArray* first,
                           const CVRMStringArray* second, int flag);

    // Whether the active database keeps a write into the record: the user database holds
    // no library records and refuses to create one.
    static bool NimmtSatzAuf(const CVRMString& section);
    // Writes of the active database between the two are one write of its file: the flushes
    // they ask for wait for the end of the outermost, which flushes once; ending without
    // `abschliessen`, or a failed flush, takes the changes back (CSpeicherVorgang is the
    // way to use them).
    static void BeginneVorgang();
    static void BeendeVorgang(int abschliessen);
    // A modal loop inside open groups (CIniFile::SetzeVorgaengeAus); true: set aside.
    static bool SetzeVorgaengeAus();
    static void NimmVorgaengeWieder();

    static void GetStringListe(TKelvoListID listId, CVRMStringArray& out, int withBibo);
    // The active database's list and the full list (library, then active database); with a
    // filter both keep only the entries the filter names.
    static void GetStringListe(TKelvoListID listId, CVRMStringArray& userList,
                               CVRMStringArray& fullList, const CVRMStringArray* filter = nullptr);
    static void GetValuesFromSection(const CVRMString& section, CVRMStringArray& out, int bibo);
    // The names of a list in one text, each followed by "§#§".
    static void GetSolarAnlagen(CVRMString& out, int withBibo);
    static void GetKollektoren(CVRMString& out, int withBibo);
    static void GetKuehlAnlagen(CVRMString& out, int withBibo);
    static void GetAbluftAnlagen(CVRMString& out, int withBibo);
    // Index of the first country whose code stands in parentheses in the name; -1 for none.
    static int getLandVonOrt(const CVRMString& ort, const CVRMStringArray& laender);
    static bool IstBiboName(const CVRMString& name);

    static int KVSMessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
                             platform::Window* parent = nullptr);
    static int KVSMessageBox(unsigned textId, unsigned captionId, uint32_t style,
                             platform::Window* parent = nullptr);
    static int KVSMessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
                             platform::Window* parent = nullptr);
    static int KVSMessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
                             platform::Window* parent = nullptr);
    [[noreturn]] static void ThrowGlobIfException(unsigned textId, const CVRMString& place);
    [[noreturn]] static void ThrowGlobIfException(unsigned textId, unsigned placeTextId);

    // Without effect: there is no server and no suitability data.
    static int ConnectToServer(const CVRMString& server, int port, const CVRMString& user);
    static int ShutDownConnection();
    static int GetWPEignung(const CVRMString& wpName, const std::vector<float>& betriebsDaten);
    static int GetWPEignungen(std::map<CVRMString, std::pair<float, float>>& out);

  private:
    static CVRMString m_strVersion;
};
