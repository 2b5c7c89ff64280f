#include <gtest/gtest.h>

#include "entry_name_safety.h"

namespace {

TEST(EntryNameSafety, AcceptsOnlyNamesThatStayBelowTheFolder) {
    struct Case {
        std::u16string name;
        bool safe;
    } cases[] = {
        {u"a.txt", true},
        {u"scripts/lib/util.js", true},
        {u"scripts\\Upper.lxscript", true},
        {u"a/./b", true},
        {u"a//b", true},
        {u"folder/", true},
        {u"..a/b..", true},
        {u"console/icon.txt", true},
        {u"ünïcødé/名前.txt", true},
        {u"", false},
        {u"/abs", false},
        {u"\\abs", false},
        {u"C:x", false},
        {u"C:\\x", false},
        {u"\\\\srv\\share\\x", false},
        {u"//srv/share/x", false},
        {u"a/../../x", false},
        {u"..\\x", false},
        {u"a/..", false},
        {u"..", false},
        {u"a/.../x", false},
        {u"a/.. /x", false},
        {u"a/. ./x", false},
        {u"file.txt:stream", false},
        {u"a/CON", false},
        {u"con.d/x", false},
        {u"nul.txt", false},
        {u"Com1.log", false},
        {u"lpt9", false},
        {u"a\tb", false},
        {std::u16string(u"a\0b", 3), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        EXPECT_EQ(lx::zip::IsSafeEntryName(c.name), c.safe);
    }
}

}  // namespace
