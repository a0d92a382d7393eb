#pragma once
// Where windows keep their placement: the application profile, read and written by
// section and entry. The application object brings its own; `IniProfile` keeps the entries
// in a profile file of the program's database format.
#include <memory>
#include <optional>
#include <string>

class CIniFile;

namespace resizable {

class Profile {
  public:
    virtual ~Profile() = default;
    // Nothing when the entry does not exist.
    virtual std::optional<std::u16string> readString(const std::u16string& section,
                                                     const std::u16string& entry) = 0;
    virtual void writeString(const std::u16string& section, const std::u16string& entry,
                             const std::u16string& value) = 0;
};

// A profile file; a missing file is created by the first write. Every write is flushed,
// the file replaced as a whole.
class IniProfile : public Profile {
  public:
    explicit IniProfile(const std::u16string& path);
    ~IniProfile() override;
    std::optional<std::u16string> readString(const std::u16string& section,
                                             const std::u16string& entry) override;
    void writeString(const std::u16string& section, const std::u16string& entry,
                     const std::u16string& value) override;

  private:
    std::unique_ptr<CIniFile> file_;
};

}  // namespace resizable
