#include "LibraryWriter.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "core/db/TextCompare.h"
#include "platform/format/Format.h"
#include "platform/text/Text.h"

namespace libgen {

LibraryWriter::LibraryWriter(const std::filesystem::path& file) {
    // The database file loads only from an existing file; an empty UTF-16 one will do.
    std::filesystem::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write("\xFF\xFE", 2);
        if (!out) throw std::runtime_error("cannot write " + file.string());
    }
    m_file.Init(CVRMString(platform::fromUtf8(file.string())), true);
    if (m_file.GetPath().empty()) throw std::runtime_error("cannot open " + file.string());
}

void LibraryWriter::AddToList(TKelvoListID list, const CVRMString& name) {
    CVRMString lower(name);
    MakeStringLower(lower);
    if (!m_listed.emplace(static_cast<int>(list), lower).second)
        throw std::runtime_error("name twice in list " + std::to_string(list) + ": " +
                                 platform::toUtf8(name));
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(list, section, listKey, useKey);
    m_file.AddValueToSection(section, listKey, name, false);
}

void LibraryWriter::Text(const CVRMString& section, const CVRMString& key,
                         const CVRMString& value) {
    m_file.WriteIniString(section, key, value, false);
}

void LibraryWriter::Float(const CVRMString& section, const CVRMString& key, double value) {
    if (!std::isfinite(value))
        throw std::runtime_error("not a finite number for " + platform::toUtf8(key));
    Text(section, key, CVRMString(platform::format(u"%f", static_cast<float>(value))));
}

void LibraryWriter::Int(const CVRMString& section, const CVRMString& key, long value) {
    Text(section, key, CVRMString(platform::format(u"%li", value)));
}

void LibraryWriter::Flush() {
    m_file.Flush(CVRMString(), nullptr, nullptr);
}

}  // namespace libgen
