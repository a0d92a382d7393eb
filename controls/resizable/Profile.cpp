#include "controls/resizable/Profile.h"

#include "core/db/IniFile.h"

namespace resizable {

namespace {
constexpr int kUserFileKind = 0;
}

IniProfile::IniProfile(const std::u16string& path)
    : file_(std::make_unique<CIniFile>(kUserFileKind)) {
    file_->Init(CVRMString(path), false);
}

IniProfile::~IniProfile() = default;

std::optional<std::u16string> IniProfile::readString(const std::u16string& section,
                                                     const std::u16string& entry) {
    CVRMString value;
    if (file_->GetIniString(CVRMString(section), CVRMString(entry), CVRMString(), value) == 0)
        return std::nullopt;
    return std::u16string(value);
}

void IniProfile::writeString(const std::u16string& section, const std::u16string& entry,
                             const std::u16string& value) {
    file_->WriteIniString(CVRMString(section), CVRMString(entry), CVRMString(value), true);
}

}  // namespace resizable
