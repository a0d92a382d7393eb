// Loads arbitrary bytes as a user database and as a library database, then reads, writes
// and flushes to a target in a private temporary folder.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/db/IniFile.h"
#include "core/text/ResManager.h"
#include "core/value/VRMStringArray.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

namespace fs = std::filesystem;

struct Setup {
    Setup() {
        // Memory-backed when there is such a folder: every run syncs two flushes to disk.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        folder = base / ("fuzz-database-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        platform::setMessageBoxPresenter(&boxes);
        CResManager::setEntry(3367, u"%lu");
        CResManager::setEntry(3621, u"(bib)");
    }
    ~Setup() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    fs::path folder;
    platform::RecordingPresenter boxes;
};

Setup& setup() {
    static Setup s;
    return s;
}

void exercise(const fs::path& file, bool library, const fs::path& target) {
    CIniFile db(library ? 1 : 0);
    try {
        db.Init(CVRMString::fromUtf8(file.string()), library);
        CVRMString out;
        CVRMStringArray values;
        for (const auto& section : db.Sections()) {
            if (section.key.size() < 2) continue;
            const CVRMString name(section.key.substr(1, section.key.size() - 2));
            db.GetValuesFromSection(name, values);
            if (!section.entries.empty())
                db.GetIniString(name, section.entries.front().first, u"", out);
            break;
        }
        db.GetValuesFromSection(0, values);
        CVRMString name(u"Projekt"), where;
        db.ValueIsUsed(u"Haus", name, where, 1);
        db.WriteIniString(u"Häuser", u"Haus", u"Wert", false);
        db.AddValueToSection(u"Projekte", u"Projekt", u"Neu", false);
        const CVRMStringArray first{u"projekte"}, second{u"neu"};
        db.Flush(CVRMString::fromUtf8(target.string()), &first, &second);
        db.Flush(u"", nullptr, nullptr);
    } catch (const platform::UserException&) {
        // Reported through a box: the loader carries on, as the program does.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup& s = setup();
    s.boxes.shown.clear();
    const fs::path user = s.folder / "user.dat";
    const fs::path library = s.folder / "bibo.ini";
    const fs::path target = s.folder / "export.dat";
    for (const fs::path& file : {user, library}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    fs::remove(target);
    exercise(user, false, target);
    exercise(library, true, target);
    return 0;
}
