#pragma once
// The library database as the generator fills it: the core's own database file, written
// section by section in the formats the core reads, then flushed once (UTF-16 with
// byte-order mark, list sections as bare values).
#include <filesystem>
#include <set>
#include <span>

#include "core/db/IniFile.h"
#include "core/db/Lists.h"
#include "core/value/VRMString.h"

namespace libgen {

class LibraryWriter {
  public:
    // Starts a new, empty library database at `file` (an existing file is replaced).
    explicit LibraryWriter(const std::filesystem::path& file);

    // Appends a name to a list; a name twice in one list is an error of the data.
    void AddToList(TKelvoListID list, const CVRMString& name);
    void Text(const CVRMString& section, const CVRMString& key, const CVRMString& value);
    void Float(const CVRMString& section, const CVRMString& key, double value);  // "%f"
    void Int(const CVRMString& section, const CVRMString& key, long value);      // decimal
    void Flush();

  private:
    CIniFile m_file{1};
    std::set<std::pair<int, std::u16string>> m_listed;
};

}  // namespace libgen
