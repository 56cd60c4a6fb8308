// The suggested output name: the input up to its last dot, then the
// extension of the file the mode writes.
#include "ui/output_name.h"

#include <gtest/gtest.h>

namespace {

TEST(SuggestOutputName, ReplacesFromTheLastDotWithTheModesExtension)
{
    struct Case {
        const char* input;
        int mode;
        const char* expected;
    } cases[] = {
        { "C:\\ICONS\\TOOLS.ICO", 0, "C:\\ICONS\\TOOLS.bmp" },
        { "C:\\ICONS\\TOOLS.ICO", 1, "C:\\ICONS\\TOOLS.ico" },
        { "C:\\ICONS\\TOOLS", 0, "C:\\ICONS\\TOOLS.bmp" },
        { "TOOLS.OLD.ICO", 0, "TOOLS.OLD.bmp" },
        { "C:\\MY.DIR\\TOOLS", 0, "C:\\MY.bmp" },
        { "/home/me/my.icons/tools", 0, "/home/me/my.bmp" },
        { "TOOLS.", 0, "TOOLS.bmp" },
        { ".ICO", 0, ".bmp" },
        { "STRIP.BMP", 1, "STRIP.ico" },
        { "Strip.Bmp", -1, "Strip.ico" },
        { "x", 0, "x.bmp" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SuggestOutputName(c.input, c.mode), c.expected) << c.input << " in mode " << c.mode;
}

} // namespace
