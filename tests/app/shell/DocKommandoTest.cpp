// The program part of the command registered for ".doc" files.
#include <gtest/gtest.h>

#include "app/shell/DocKommando.h"

TEST(DocKommando, ProgrammTeil) {
    const std::pair<std::u16string, std::u16string> faelle[] = {
        {u"\"/opt/office/bin/writer\" --open", u"\"/opt/office/bin/writer\""},
        {u"/usr/bin/writer --open", u"/usr/bin/writer"},
        {u"/usr/bin/writer", u"/usr/bin/writer"},
        {u"", u""},
        // A blank at the very start is no separator.
        {u" writer", u" writer"},
    };
    for (const auto& [kommando, programm] : faelle)
        EXPECT_EQ(std::u16string(ProgrammAusKommando(kommando)), programm);
}
