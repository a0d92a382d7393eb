#include "LibraryFixture.h"

#include <fstream>

#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/numbers/Numbers.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"

namespace librarytest {

namespace {

// The English language table of the repository, id##text per line.
void ladeEnglisch() {
    std::ifstream in(std::string(VARM_SOURCE_DIR) + "/resources/eng/language.txt");
    ASSERT_TRUE(in) << "English language table missing";
    std::string zeile;
    while (std::getline(in, zeile)) {
        const size_t trenner = zeile.find("##");
        if (trenner == std::string::npos || trenner == 0) continue;
        const uint32_t id = platform::parseUInt32(platform::fromUtf8(zeile.substr(0, trenner)));
        if (id == 0 || id > 0xFFFF) continue;
        CResManager::setEntry(static_cast<uint16_t>(id),
                              platform::fromUtf8(zeile.substr(trenner + 2)).c_str());
    }
}

}  // namespace

LibraryFixture::LibraryFixture() {
    CVRMglobApp::ResetForTests();
    CResManager::freeLangRes();
    ladeEnglisch();
    previousResource_ = platform::currentResourceModule();
    module_ = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
    EXPECT_EQ(CVRMglobApp::Get().Init(module_, nullptr, 0), 1);
    const CVRMString user(platform::fromUtf8(folder.file("user.dat").string()));
    EXPECT_EQ(CVRMglobApp::Get().SetDatenDatei(user), 1);
    EXPECT_EQ(CVRMglobApp::Get().SetBiboDatei(CVRMString(platform::fromUtf8(VARM_LIBRARY_DB)), 0),
              1);
}

LibraryFixture::~LibraryFixture() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    platform::setCurrentResourceModule(previousResource_);
    platform::freeModule(module_);
    CResManager::freeLangRes();
}

CVRMString LibraryFixture::Lies(const CVRMString& section, const CVRMString& key) {
    CVRMString wert;
    IGlobal::ReadIniString(section, key, wert, CVRMString());
    return wert;
}

float LibraryFixture::LiesFloat(const CVRMString& section, const CVRMString& key) {
    return IGlobal::ReadIniFloat(section, key, -9999.0f);
}

std::vector<float> LibraryFixture::Zahlen(const CVRMString& text) {
    std::vector<float> zahlen;
    size_t start = 0;
    for (size_t hash = text.find(u'#'); hash != CVRMString::npos; hash = text.find(u'#', start)) {
        zahlen.push_back(static_cast<float>(
            platform::parseDouble(std::u16string_view(text).substr(start, hash - start))));
        start = hash + 1;
    }
    return zahlen;
}

CVRMStringArray LibraryFixture::Liste(int listId) {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, static_cast<TKelvoListID>(listId), true, nullptr,
                                      true);
    return namen;
}

bool LibraryFixture::InListe(int listId, const CVRMString& name) {
    return NameEnthalten(Liste(listId), name) != 0;
}

const libgen::Quellen& LibraryFixture::Daten() {
    static const libgen::Quellen quellen =
        libgen::LadeQuellen(std::string(VARM_SOURCE_DIR) + "/resources/data");
    return quellen;
}

}  // namespace librarytest
