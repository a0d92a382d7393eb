#pragma once
// The core library's boundary functions. Each answers 1 for success and 0 for failure and
// lets no exception out: an error reported inside keeps its one box, anything else that
// escapes is shown as box 3501 with the function's place name; both become 0. IGlobal is
// the way the rest of the system calls them.
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "platform/modules/Module.h"

namespace platform {
class Window;
}

int InitGlobalModul(platform::ModuleHandle resourceModule, platform::Window* mainWnd, int noNet);
int GlobalIstInitialisiert();

int GlobalSetDatenDir(const CVRMString& dir);
int GlobalGetDatenDir(CVRMString& dir);
int GlobalSetDatenDatei(const CVRMString& path);
int GlobalSetBiboDatei(const CVRMString& path, int biboOnly);
int GlobalGetBiboDateiname(CVRMString& path);
// 1 when both database paths are set.
int GlobalDatenGeladen();
// 1 when the last boundary function that failed had shown its error already (cannot fail).
int GlobalLetzterFehlerGemeldet();
// Changes whenever what a read may answer changes (cannot fail).
uint64_t GlobalGetAenderungsStand();

int GlobalGetStringListe(TKelvoListID listId, int withBibo, CVRMStringArray& out);
int GlobalGetIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                       const CVRMString& def);
int GlobalValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int& result,
                      int mode);

// Writes and deletes go to the active database file.
int GlobalDeleteSection(const CVRMString& section, int flush);
int GlobalDeleteKeyInSection(const CVRMString& section, const CVRMString& key, int flush);
int GlobalDeleteValueInSection(const CVRMString& section, const CVRMString& value, int flush);
int GlobalWriteIniString(const CVRMString& section, const CVRMString& key, const CVRMString& value,
                         int flush);
// Flushes the active file; an empty target is its own path. The last argument has no effect.
int GlobalWriteIniValues(const CVRMString& target, const CVRMStringArray* first,
                         const CVRMStringArray* second, int unused);
// `result`: whether the active file keeps a write into the section (CIniFile::NimmtAuf).
int GlobalNimmtSatzAuf(const CVRMString& section, int& result);
// Writes of the active file between the two are one write of it (CIniFile::BeginneVorgang).
int GlobalBeginneVorgang();
int GlobalBeendeVorgang(int abschliessen);
int GlobalSetzeVorgaengeAus(int& ausgesetzt);
int GlobalNimmVorgaengeWieder();
int GlobalGetValuesFromSection(const CVRMString& section, CVRMStringArray& out, int bibo);
int GlobalAddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                            const CVRMString& value, int flush);
int GlobalGetBiboVersion(CVRMString& version);

// The file version stamped into a module or program; zeros when it has none. An empty
// path is a program error: the "Exception" box, and 0.
int GlobalGetVersionsInfo(const CVRMString& file, uint16_t& major, uint16_t& minor, uint16_t& build,
                          uint16_t& revision);

// Message boxes; they answer the box's result.
int GlobalMessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
                     platform::Window* parent = nullptr);
int GlobalMessageBox(unsigned textId, unsigned captionId, uint32_t style,
                     platform::Window* parent = nullptr);
int GlobalMessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
                     platform::Window* parent = nullptr);
int GlobalMessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
                     platform::Window* parent = nullptr);

int GlobalIstBiboName(const CVRMString& name);

// No server and no suitability data exist: the connection always succeeds, the two
// heat-pump suitability queries always answer 0 and change nothing.
int GlobalConnectToServer(const CVRMString& server, int port, const CVRMString& user);
int GlobalShutDownConnection();
int GlobalGetWPEignung(const CVRMString& wpName, const std::vector<float>& betriebsDaten);
int GlobalGetWPEignungen(std::map<CVRMString, std::pair<float, float>>& out);
