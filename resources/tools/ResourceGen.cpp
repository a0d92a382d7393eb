// Build-time tool of the resource modules.
//   varm_resgen lng <language.txt> <out.lng>
//       the repository's language table to the form the program parses
//   varm_resgen module <out.cpp> [<type> <id> <file>]...
//       the source of a resource module holding the given files
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "LanguageTable.h"
#include "ModuleSource.h"

namespace {

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return false;
}

int fail(const std::string& message) {
    std::cerr << "varm_resgen: " << message << "\n";
    return 1;
}

int convertLanguageTable(const std::string& in, const std::string& out) {
    std::string source;
    if (!readFile(in, source)) return fail("cannot read " + in);
    std::vector<resgen::SourceError> errors;
    const std::string table = resgen::languageTableResource(source, errors);
    for (const auto& e : errors) std::cerr << in << ":" << e.line << ": " << e.message << "\n";
    if (!errors.empty()) return 1;
    return writeFile(out, table) ? 0 : fail("cannot write " + out);
}

int writeModuleSource(const std::string& out, int argc, char** argv) {
    if (argc % 3 != 0) return fail("resources come as <type> <id> <file> triples");
    std::vector<resgen::Resource> resources;
    for (int i = 0; i < argc; i += 3) {
        resgen::Resource r;
        r.type = argv[i];
        const std::string id = argv[i + 1];
        const auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), r.id);
        if (ec != std::errc() || end != id.data() + id.size())
            return fail("resource id is not a number: " + id);
        r.name = std::filesystem::path(argv[i + 2]).filename().string();
        if (!readFile(argv[i + 2], r.bytes)) return fail(std::string("cannot read ") + argv[i + 2]);
        resources.push_back(std::move(r));
    }
    std::string error;
    const auto source = resgen::resourceModuleSource(resources, error);
    if (!source) return fail(error);
    return writeFile(out, *source) ? 0 : fail("cannot write " + out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "lng" && argc == 4) return convertLanguageTable(argv[2], argv[3]);
    if (command == "module" && argc >= 3) return writeModuleSource(argv[2], argc - 3, argv + 3);
    return fail(
        "usage: varm_resgen lng <in.txt> <out.lng> | module <out.cpp> [<type> <id> <file>]...");
}
