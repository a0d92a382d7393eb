#pragma once
// The data files of the library: comma-separated values with a header line, fields in
// double quotes where they hold commas or quotes ("" for a quote), UTF-8.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace libgen {

class CsvTable;

// One row, read by column name.
class CsvRow {
  public:
    CsvRow(const CsvTable& table, size_t index) : m_table(&table), m_index(index) {}
    const std::string& operator[](std::string_view column) const;
    bool Has(std::string_view column) const { return !(*this)[column].empty(); }
    // The field as a number; an empty or malformed field is an error of the data file.
    double Number(std::string_view column) const;
    size_t Index() const { return m_index; }

  private:
    const CsvTable* m_table;
    size_t m_index;
};

class CsvTable {
  public:
    // Throws std::runtime_error naming the file for a file that cannot be read, and for a
    // row whose field count differs from the header's.
    static CsvTable Read(const std::filesystem::path& file);

    size_t Size() const { return m_rows.size(); }
    CsvRow Row(size_t i) const { return CsvRow(*this, i); }
    std::vector<CsvRow> Rows() const;
    // The column's position; throws for a column the header lacks.
    size_t Column(std::string_view name) const;
    const std::string& Field(size_t row, size_t column) const { return m_rows[row][column]; }
    const std::string& Name() const { return m_name; }

  private:
    std::string m_name;
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_rows;
};

// "a;b;c" into its parts.
std::vector<std::string> SplitList(const std::string& text, char separator = ';');
// A whole field as a number: throws for an empty or partly numeric text.
double ParseNumber(std::string_view text, std::string_view what);

}  // namespace libgen
