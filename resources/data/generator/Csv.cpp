#include "Csv.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/numbers/Numbers.h"
#include "platform/text/Text.h"

namespace libgen {

namespace {

// Splits the whole text into records of fields; quoted fields may hold line breaks.
std::vector<std::vector<std::string>> parseRecords(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (any || !field.empty()) {
                record.push_back(std::move(field));
                records.push_back(std::move(record));
            }
            field.clear();
            record.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty()) {
        record.push_back(std::move(field));
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace

const std::string& CsvRow::operator[](std::string_view column) const {
    return m_table->Field(m_index, m_table->Column(column));
}

double CsvRow::Number(std::string_view column) const {
    return ParseNumber((*this)[column], m_table->Name() + " row " + std::to_string(m_index + 2) +
                                            ", " + std::string(column));
}

CsvTable CsvTable::Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    auto records = parseRecords(buffer.str());
    if (records.empty()) throw std::runtime_error(file.string() + ": no header");
    CsvTable table;
    table.m_name = file.filename().string();
    table.m_header = std::move(records.front());
    for (size_t i = 1; i < records.size(); ++i) {
        if (records[i].size() != table.m_header.size()) {
            throw std::runtime_error(table.m_name + " row " + std::to_string(i + 1) + ": " +
                                     std::to_string(records[i].size()) + " fields, header has " +
                                     std::to_string(table.m_header.size()));
        }
        table.m_rows.push_back(std::move(records[i]));
    }
    return table;
}

std::vector<CsvRow> CsvTable::Rows() const {
    std::vector<CsvRow> rows;
    for (size_t i = 0; i < m_rows.size(); ++i) rows.emplace_back(*this, i);
    return rows;
}

size_t CsvTable::Column(std::string_view name) const {
    for (size_t i = 0; i < m_header.size(); ++i)
        if (m_header[i] == name) return i;
    throw std::runtime_error(m_name + ": no column " + std::string(name));
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

double ParseNumber(std::string_view text, std::string_view what) {
    // The C rules take the longest valid prefix; a data file must hold the whole number.
    const bool plausible =
        !text.empty() && text.find_first_not_of("+-.0123456789eE") == std::string_view::npos;
    if (!plausible) {
        throw std::runtime_error(std::string(what) + ": not a number: '" + std::string(text) + "'");
    }
    return platform::parseDouble(platform::fromUtf8(text));
}

}  // namespace libgen
