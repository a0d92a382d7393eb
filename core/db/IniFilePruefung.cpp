// Judging a database file without loading it as a database: nothing is reported, kept or
// written, whatever the file holds.
#include "core/db/FileWrite.h"
#include "core/db/IniFile.h"
#include "core/db/IniText.h"

unsigned CIniFile::Pruefe(const CVRMString& path, std::string& error) {
    error.clear();
    const std::string file = path.toUtf8();
    std::u16string units;
    size_t byteCount = 0;
    bool missing = false;
    try {
        error = vrmdb::ReadWholeFile(file, units, byteCount, missing);
        if (missing) error = "File not found: " + file;
        if (!error.empty()) return 0;
        Geaendert();
        const vrmdb::DecodedText decoded = vrmdb::DecodeDatabaseText(units, byteCount);
        Doubt doubt = Parse(decoded.textIn(units));
        if (decoded.damagedMark) doubt = Doubt::DamagedMark;
        if (decoded.undecodable) doubt = Doubt::Undecodable;
        return ReasonTextOf(doubt);
    } catch (const std::bad_alloc&) {
        error = "Out of memory while reading " + file;
        return 0;
    }
}
