#include <gtest/gtest.h>

#include "ModuleSource.h"

namespace {

TEST(ModuleSource, RefusesBadAndRepeatedResources) {
    using R = resgen::Resource;
    const struct {
        std::vector<R> resources;
        bool ok;
    } cases[] = {
        {{R{"LNG", 250, "a", "x"}, R{"HTML", 250, "b", ""}}, true},
        {{R{"LNG", 65535, "a", "x"}}, true},
        {{R{"LNG", 65536, "a", "x"}}, false},
        {{R{"", 1, "a", "x"}}, false},
        {{R{"LN G", 1, "a", "x"}}, false},
        {{R{"LNG\"", 1, "a", "x"}}, false},  // would break the generated literal
        {{R{"LNG", 250, "a", "x"}, R{"LNG", 250, "b", "y"}}, false},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(resgen::resourceModuleSource(c.resources, error).has_value(), c.ok)
            << c.resources.front().type << " " << c.resources.front().id;
        EXPECT_EQ(error.empty(), c.ok);
    }
}

TEST(ModuleSource, HoldsEveryByteWithItsSize) {
    std::string error;
    const auto source = resgen::resourceModuleSource(
        {{"LNG", 250, "language.lng", std::string("\x00\xFF\x10", 3)}, {"HTML", 280, "e", ""}},
        error);
    ASSERT_TRUE(source) << error;
    EXPECT_NE(source->find("0x00, 0xff, 0x10,"), std::string::npos);
    EXPECT_NE(source->find("{u\"LNG\", 250u, data0, 3u}"), std::string::npos);
    EXPECT_NE(source->find("{u\"HTML\", 280u, data1, 0u}"), std::string::npos);
}

}  // namespace
