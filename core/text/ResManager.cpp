#include "core/text/ResManager.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <unordered_map>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/numbers/Numbers.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"

namespace {

struct Table {
    std::unordered_map<uint16_t, CVRMString> texts;
    // "Msg: n" of the ids asked for that the table lacks, kept apart from the texts.
    std::unordered_map<uint16_t, CVRMString> missing;
    CVRMString langFile;
    unsigned resourceId = 0;
};

Table& table() {
    static Table t;
    return t;
}

// Decimal id with leading blanks, stopping at the first non-digit, kept to 16 bits.
uint16_t parseId(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    uint32_t id = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        id = (id * 10 + (text[i] - u'0')) & 0xFFFF;
    return static_cast<uint16_t>(id);
}

// Running out of memory while a table is parsed is reported, then passed on.
template <class F>
void reportingMemoryFailure(F parse) {
    try {
        parse();
    } catch (const std::bad_alloc&) {
        vrmcore::ShowErrorBox(0, u"Out of memory.");
        throw;
    }
}

}  // namespace

void CResManager::init() {
    setEntry(textid::kProduktCaption, u"Application");
    setEntry(textid::kProgrammTitel, u"Application");
}

void CResManager::setLang(unsigned resourceId) {
    if (resourceId == 0) return;
    freeLangRes();
    table().resourceId = resourceId;
    const auto bytes =
        platform::findResource(platform::currentResourceModule(), u"LNG", resourceId);
    if (bytes) reportingMemoryFailure([&] { parseResource(platform::fromUtf16LE(*bytes)); });
}

// A file that gives no text, or holds NUL bytes (a UTF-16 or binary file, not 8-bit
// text), is damaged: it is reported and passed on, and the table stays as it was, so that
// start-up never goes on with a table of "Msg: n" texts.
void CResManager::setLang(const CVRMString& file) {
    const std::filesystem::path path(file.toUtf8());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        vrmcore::ReportError(0, platform::format(u"Error reading the file %s.", file));
    }
    Table before;
    std::swap(before, table());
    try {
        reportingMemoryFailure([&] { parseFile(bytes); });
    } catch (...) {
        std::swap(before, table());
        throw;
    }
    if (table().texts.empty() || bytes.find('\0') != std::string::npos) {
        std::swap(before, table());
        vrmcore::ReportError(
            0, platform::format(u"The language file %s is damaged and was not loaded.", file));
    }
    table().langFile = file;
}

const CVRMString& CResManager::getLangText(uint16_t id) {
    if (const CVRMString* text = findLangText(id)) return *text;
    auto& missing = table().missing;
    auto it = missing.find(id);
    if (it == missing.end()) {
        CVRMString placeholder;
        placeholder.Format(u"Msg: %li", static_cast<int32_t>(id));
        it = missing.emplace(id, std::move(placeholder)).first;
    }
    return it->second;
}

const CVRMString* CResManager::findLangText(uint16_t id) {
    const auto& texts = table().texts;
    const auto it = texts.find(id);
    return it == texts.end() ? nullptr : &it->second;
}

void CResManager::setEntry(uint16_t id, const CVRMString& text) {
    table().texts[id] = text;
}

void CResManager::freeLangRes() {
    table().texts.clear();
    table().missing.clear();
    table().langFile.clear();
    table().resourceId = 0;
}

bool CResManager::hasLangFile() {
    return !table().langFile.empty();
}
bool CResManager::isEmpty() {
    return table().texts.empty();
}
bool CResManager::hasLangRes() {
    return table().resourceId != 0;
}
void CResManager::getLangVersion(CVRMString& version) {
    version = u"?.?";
}

void CResManager::parseResource(std::u16string_view text) {
    if (text.empty()) return;
    text.remove_prefix(1);  // byte-order mark
    size_t pos = 0;
    size_t marker = text.find(u"##");  // the next "##" at or after pos, searched once per stretch
    while (pos < text.size()) {
        const size_t end = text.find(u"\r\n", pos);
        if (end == std::u16string_view::npos) break;  // text after the last CR LF is not taken
        const size_t lineEnd = end;
        if (lineEnd - pos > 2) {
            if (marker < pos) marker = text.find(u"##", pos);
            if (marker == std::u16string_view::npos) break;
            if (marker < lineEnd && marker > pos) {
                const uint16_t id = parseId(text.substr(pos, marker - pos));
                setEntry(id, CVRMString(text.substr(marker + 2, lineEnd - marker - 2)));
            }
        }
        pos = end + 2;
    }
}

void CResManager::parseFile(std::string_view bytes) {
    if (bytes.size() < 2) return;
    bytes.remove_prefix(2);
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const size_t marker = line.find("##");
        if (marker == std::string_view::npos || marker == 0) continue;
        CVRMString idText(platform::fromLatin1(line.substr(0, marker)));
        idText.Trim();
        const auto id = static_cast<uint16_t>(platform::parseInt32(idText) & 0xFFFF);
        setEntry(id, CVRMString(platform::fromLatin1(line.substr(marker + 2))));
    }
}
