#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LanguageTable.h"

namespace {

// The expected resource bytes: byte-order mark, then UTF-16LE.
std::string utf16le(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

std::string convert(std::string_view source) {
    std::vector<resgen::SourceError> errors;
    const std::string out = resgen::languageTableResource(source, errors);
    for (const auto& e : errors) ADD_FAILURE() << "line " << e.line << ": " << e.message;
    return out;
}

TEST(LanguageTable, ConvertsToTheParsedForm) {
    const struct {
        const char* source;
        std::u16string table;
    } cases[] = {
        {"3102##File not found\n3168##Varmion\n", u"3102##File not found\r\n3168##Varmion\r\n"},
        // CR LF in the repository file, blank lines, a last line without a line end.
        {"1##a\r\n\n\r\n2##b", u"1##a\r\n2##b\r\n"},
        {"\xEF\xBB\xBF"
         "1##a\n",
         u"1##a\r\n"},                  // a UTF-8 byte-order mark is not text
        {"5##\n", u"5##\r\n"},          // an empty text is a text
        {"6##a##b\n", u"6##a##b\r\n"},  // only the first "##" separates
        {"007##x\n", u"7##x\r\n"},
        {"65535##max\n", u"65535##max\r\n"},
        // Escapes stay two characters; the program expands them when it loads a text.
        {"3##a\\nb\\t\n", u"3##a\\nb\\t\r\n"},
        {"4##m\xC2\xB2 \xC2\xB0"
         "C \xE2\x82\xAC\n",
         u"4##m\u00B2 \u00B0C \u20AC\r\n"},
        {"9##\xF0\x9F\x98\x80\n", u"9##\xD83D\xDE00\r\n"},  // outside the BMP: a surrogate pair
        {"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.source), utf16le(c.table)) << c.source;
}

TEST(LanguageTable, RefusesWhatTheParserWouldMisread) {
    const struct {
        const char* source;
        size_t line;
    } cases[] = {
        {"##no id\n", 1},
        {"x1##a\n", 1},
        {" 12##a\n", 1},
        {"12 no marker\n", 1},
        {"65536##too big\n", 1},
        {"123456##too long\n", 1},
        {"1##a\n1##b\n", 2},           // an id twice
        {"1##a\n\nbad\n", 3},          // blank lines count
        {"1##a\xC3\x28\n", 1},         // broken sequence
        {"1##\xC0\xAF\n", 1},          // overlong form
        {"1##\xED\xA0\x80\n", 1},      // surrogate
        {"1##\xE2\x82\n", 1},          // cut at the end of the line
        {"1##\xF4\x90\x80\x80\n", 1},  // above U+10FFFF
        {"1##a\tb\n", 1},              // a control character: write \t
        {"1##a\rb\n", 1},
    };
    for (const auto& c : cases) {
        std::vector<resgen::SourceError> errors;
        EXPECT_EQ(resgen::languageTableResource(c.source, errors), "") << c.source;
        ASSERT_EQ(errors.size(), 1u) << c.source;
        EXPECT_EQ(errors[0].line, c.line) << c.source;
    }
}

}  // namespace
