#include "xml_props.h"

#include <gtest/gtest.h>

#include <string>

#include "test_files.h"
#include "xml_diagnosis.h"

namespace lx {
namespace {

using test::TempFolder;
using test::WriteUtf8File;

constexpr char kDocument[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="a" hotkey="-1"/>
  <!-- between elements -->
  <accelerator id="b" hotkey="abc"/>
  <group id="g">
    <accelerator id="nested" hotkey="1090"/>
  </group>
  <accelerator id="c" hotkey="66113" empty="" big="4294967296" max="4294967295"/>
</accelerators>
)";

class XmlPropsTest : public testing::Test {
protected:
    void SetUp() override {
        WriteUtf8File(folder / L"doc.xml", kDocument);
        ASSERT_TRUE(props.Open(folder / L"doc.xml", L"accelerators"));
    }
    TempFolder folder;
    CXMLProps props;
};

TEST(XmlPropsOpen, FailsOnMissingMalformedOrWrongRoot) {
    TempFolder folder;
    WriteUtf8File(folder / L"good.xml", "<settings><appearance/></settings>");
    WriteUtf8File(folder / L"broken.xml", "<settings>\n<appearance>\n</settings>");
    struct Case { const wchar_t* file; const wchar_t* root; bool opens; } cases[] = {
        {L"good.xml", L"settings", true},
        {L"good.xml", L"accelerators", false},
        {L"broken.xml", L"settings", false},
        {L"missing.xml", L"settings", false},
    };
    for (const Case& c : cases) {
        CXMLProps props;
        EXPECT_EQ(props.Open(folder / c.file, c.root), c.opens) << c.file << " / " << c.root;
        EXPECT_EQ(props.Depth(), c.opens ? 1 : 0);
    }
}

TEST(XmlDiagnosis, NamesLineAndReasonOfMalformedFilesOnly) {
    TempFolder folder;
    WriteUtf8File(folder / L"good.xml", "<settings>\n<appearance/>\n</settings>\n");
    WriteUtf8File(folder / L"broken.xml", "<settings>\n<appearance>\n\n\n</settings>\n");
    EXPECT_FALSE(DiagnoseXmlFile(folder / L"good.xml").has_value());
    const auto error = DiagnoseXmlFile(folder / L"broken.xml");
    ASSERT_TRUE(error.has_value());
    // The error lies on line 5; a SAX locator may report the line of the last
    // construct read before it, never an earlier element's line.
    EXPECT_GE(error->line, 2);
    EXPECT_LE(error->line, 5);
    EXPECT_NE(error->reason.find(L"appearance"), std::wstring::npos) << error->reason;
}

TEST(XmlPropsOpen, RefusesEntityExpansionBomb) {
    TempFolder folder;
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE settings [\n<!ENTITY e0 \"lolololololololololol\">\n";
    for (int i = 1; i < 12; ++i) {
        bomb += "<!ENTITY e" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j)
            bomb += "&e" + std::to_string(i - 1) + ";";
        bomb += "\">\n";
    }
    bomb += "]>\n<settings>&e11;</settings>\n";
    WriteUtf8File(folder / L"bomb.xml", bomb);
    CXMLProps props;
    EXPECT_FALSE(props.Open(folder / L"bomb.xml", L"settings"));
}

TEST(XmlPropsOpen, RefusesExternalEntities) {
    TempFolder folder;
    WriteUtf8File(folder / L"secret.txt", "secret");
    WriteUtf8File(folder / L"external.xml",
                  "<?xml version=\"1.0\"?>\n<!DOCTYPE settings [<!ENTITY x SYSTEM \"secret.txt\">]>\n"
                  "<settings>&x;</settings>\n");
    CXMLProps props;
    const bool opened = props.Open(folder / L"external.xml", L"settings");
    EXPECT_TRUE(!opened || props.GetText().value_or(L"").find(L"secret") == std::wstring::npos);
}

TEST_F(XmlPropsTest, WalksSiblingsIncludingCommentsAndReturnsToParent) {
    ASSERT_TRUE(props.SelectChild(L"accelerator"));
    EXPECT_EQ(props.GetStringAttribute(L"id", std::nullopt), L"a");
    ASSERT_TRUE(props.NextSibling());
    EXPECT_EQ(props.GetName(), L"#comment");
    EXPECT_EQ(props.GetIntAttribute(L"hotkey", 7), 7u);
    EXPECT_EQ(props.GetStringAttribute(L"id", L"none"), L"none");
    ASSERT_TRUE(props.NextSibling());
    EXPECT_EQ(props.GetStringAttribute(L"id", std::nullopt), L"b");
    ASSERT_TRUE(props.NextSibling());
    ASSERT_TRUE(props.NextSibling());
    EXPECT_EQ(props.GetStringAttribute(L"id", std::nullopt), L"c");
    EXPECT_FALSE(props.NextSibling());
    EXPECT_EQ(props.GetStringAttribute(L"id", std::nullopt), L"c");
    EXPECT_EQ(props.Depth(), 2);
    props.Up();
    EXPECT_EQ(props.GetName(), L"accelerators");
    props.Up();
    EXPECT_EQ(props.Depth(), 0);
    EXPECT_FALSE(props.FirstChild());
    EXPECT_FALSE(props.SelectChild(L"accelerator"));
    EXPECT_FALSE(props.GetName().has_value());
    props.Up();
}

TEST_F(XmlPropsTest, IdPredicateMatchesDirectChildrenOnly) {
    EXPECT_TRUE(props.SelectChild(LR"(*[@id="g"])"));
    EXPECT_EQ(props.GetName(), L"group");
    props.Up();
    EXPECT_FALSE(props.SelectChild(LR"(*[@id="nested"])"));
    EXPECT_EQ(props.Depth(), 1);
}

TEST_F(XmlPropsTest, IntAttributeConversion) {
    struct Case { const wchar_t* id; const wchar_t* attribute; std::uint32_t expected; } cases[] = {
        {L"a", L"hotkey", 0},           // negative
        {L"b", L"hotkey", 0},           // letters
        {L"c", L"hotkey", 66113},       // above 16 bits: the caller keeps the low bits
        {L"c", L"empty", 0},
        {L"c", L"big", 0},              // above 32 bits
        {L"c", L"max", 4294967295u},
        {L"c", L"absent", 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(props.SelectChild(LR"(*[@id=")" + std::wstring(c.id) + L"\"]"));
        EXPECT_EQ(props.GetIntAttribute(c.attribute, 0), c.expected) << c.id << "/" << c.attribute;
        props.Up();
    }
    ASSERT_TRUE(props.SelectChild(L"group"));
    ASSERT_TRUE(props.FirstChild());
    EXPECT_EQ(props.GetIntAttribute(L"hotkey", 0), 1090u);
}

TEST_F(XmlPropsTest, StringAttributeDefaults) {
    ASSERT_TRUE(props.SelectChild(L"group"));
    EXPECT_EQ(props.GetStringAttribute(L"name", std::nullopt), std::nullopt);
    EXPECT_EQ(props.GetStringAttribute(L"name", L""), L"");
    EXPECT_EQ(props.GetStringAttribute(L"id", L""), L"g");
    EXPECT_EQ(props.GetChildText(L"accelerator"), L"");
    EXPECT_EQ(props.GetChildText(L"missing"), std::nullopt);
    EXPECT_EQ(props.Depth(), 2);
}

TEST(XmlPropsWrite, CreatesAndSavesHiddenFileThatReadsBack) {
    TempFolder folder;
    const std::wstring path = folder / L"out.xml";
    {
        CXMLProps props;
        ASSERT_TRUE(props.Create(path, L"accelerators"));
        ASSERT_TRUE(props.AppendChild(L"accelerator", L"{{sel}} — ü"));
        ASSERT_TRUE(props.SetStringAttribute(L"id", L"x\"y"));
        ASSERT_TRUE(props.SetIntAttribute(L"hotkey", 578));
        props.Up();
        ASSERT_TRUE(props.AppendChild(L"group", std::nullopt));
        ASSERT_TRUE(props.Save());
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(test::ReadBytes(path).rfind("<?xml version=\"1.0\"", 0), 0u);

    CXMLProps reread;
    ASSERT_TRUE(reread.Open(path, L"accelerators"));
    ASSERT_TRUE(reread.SelectChild(L"accelerator"));
    EXPECT_EQ(reread.GetStringAttribute(L"id", std::nullopt), L"x\"y");
    EXPECT_EQ(reread.GetIntAttribute(L"hotkey", 0), 578u);
    EXPECT_EQ(reread.GetText(), L"{{sel}} — ü");
}

TEST(XmlPropsWrite, SaveOverwritesHiddenReadOnlyFileAndKeepsItHidden) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.xml";
    WriteUtf8File(path, "<settings><old/></settings>");
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    {
        CXMLProps props;
        ASSERT_TRUE(props.Open(path, L"settings"));
        ASSERT_TRUE(props.AppendChild(L"appearance", std::nullopt));
        ASSERT_TRUE(props.SetIntAttribute(L"orderby", 1));
        ASSERT_TRUE(props.Save());
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_READONLY);
    CXMLProps reread;
    ASSERT_TRUE(reread.Open(path, L"settings"));
    ASSERT_TRUE(reread.SelectChild(L"appearance"));
    EXPECT_EQ(reread.GetIntAttribute(L"orderby", 0), 1u);
}

TEST(XmlPropsWrite, SaveWithoutAnyPathFails) {
    CXMLProps props;
    ASSERT_TRUE(props.Create(std::nullopt, L"settings"));
    EXPECT_FALSE(props.Save());
}

}  // namespace
}  // namespace lx
