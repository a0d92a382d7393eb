#include "tests/support/ValueStoreFixture.h"

#include <algorithm>
#include <utility>

#include "core/db/VRMglobApp.h"
#include "core/text/ErrorReport.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/resources/Resources.h"
#include "tests/support/Sprachmodul.h"

namespace testsupport {

ValueStoreFixture::ValueStoreFixture() : previousResource_(platform::currentResourceModule()) {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    LadeSprache();
}

ValueStoreFixture::~ValueStoreFixture() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    platform::setCurrentResourceModule(previousResource_);
    platform::freeModule(module_);
    CResManager::freeLangRes();
}

void ValueStoreFixture::loadDatabases(const std::vector<std::u16string>& user,
                                      const std::vector<std::u16string>& bibo) {
    // Any loaded module serves as the resource module: the core library itself.
    if (!module_) module_ = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
    ASSERT_EQ(CVRMglobApp::Get().Init(module_, nullptr, 0), 1);
    WriteDatabaseFile(folder.file("user.dat"), user);
    WriteDatabaseFile(folder.file("bibo.ini"), bibo);
    const auto path = [&](const char* name) {
        return CVRMString::fromUtf8(folder.file(name).string());
    };
    ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(path("user.dat")), 1);
    ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(path("bibo.ini"), 0), 1);
    boxes.shown.clear();
}

std::vector<std::u16string> ValueStoreFixture::userFileLines() const {
    return ReadDatabaseLines(folder.file("user.dat"));
}

bool ValueStoreFixture::userSectionHolds(std::u16string_view section,
                                         std::u16string_view line) const {
    const auto lower = [](std::u16string_view t) {
        std::u16string r(t);
        for (char16_t& c : r)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        return r;
    };
    bool inside = false;
    for (const std::u16string& l : userFileLines()) {
        if (l.starts_with(u"["))
            inside = lower(l) == lower(section);
        else if (inside && lower(l) == lower(line))
            return true;
    }
    return false;
}

std::vector<std::u16string> ValueStoreFixture::userSectionLines(
    std::u16string_view sectionLine) const {
    const auto lines = userFileLines();
    auto it = std::find(lines.begin(), lines.end(), sectionLine);
    std::vector<std::u16string> section;
    if (it == lines.end()) return section;
    for (++it; it != lines.end() && !it->starts_with(u"["); ++it) section.push_back(*it);
    return section;
}

std::vector<std::u16string> ValueStoreFixture::boxTexts() const {
    std::vector<std::u16string> texts;
    for (const auto& box : boxes.shown) texts.push_back(box.text);
    return texts;
}

std::u16string ValueStoreFixture::errorBox(unsigned textId, std::u16string_view place) {
    return vrmcore::BuildErrorText(textId, place);
}

}  // namespace testsupport
