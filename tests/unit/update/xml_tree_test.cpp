// The manifest reader: the forms a manifest may take, the rules in which it
// differs from standard XML, and the documents it must refuse.
#include <gtest/gtest.h>

#include <string>

#include "update/xml_tree.h"

namespace update {
namespace {

constexpr char kPath[] = "最新版本/版本信息";

std::string Read(const std::string& document, const char* name, const char* path = kPath) {
    XmlTree tree;
    tree.Load(document);
    return tree.ReadAttribute(path, name);
}

TEST(XmlTree, ReadsTheManifestInEveryAcceptedForm) {
    const std::string attributes =
        "版本号=\"3.3\" 升级说明=\"修正\" 下载地址=\"http://h/a.zip\" 文件标题=\"屏笺\" 文件名=\"a.zip\"";
    const std::string empty = "<最新版本><版本信息 " + attributes + "/></最新版本>";
    const std::string withEnd = "<最新版本>\r\n  <版本信息 " + attributes + ">正文</版本信息>\r\n</最新版本>";
    const std::string declared = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n" + empty;
    const std::string decorated =
        "<!DOCTYPE 最新版本 [<!ELEMENT 最新版本 ANY>]><!-- 说明 --><最新版本 其他=\"x\"><![CDATA[<版本信息/>]]>"
        "<?pi 版本信息?><版本信息 " + attributes + " 多余=\"y\"><子/></版本信息><版本信息 版本号=\"9\"/></最新版本>";
    for (const std::string& document : {empty, withEnd, declared, decorated}) {
        SCOPED_TRACE(document);
        XmlTree tree;
        ASSERT_TRUE(tree.Load(document));
        EXPECT_EQ(tree.ReadAttribute(kPath, "版本号"), "3.3");
        EXPECT_EQ(tree.ReadAttribute(kPath, "升级说明"), "修正");
        EXPECT_EQ(tree.ReadAttribute(kPath, "下载地址"), "http://h/a.zip");
        EXPECT_EQ(tree.ReadAttribute(kPath, "文件标题"), "屏笺");
        EXPECT_EQ(tree.ReadAttribute(kPath, "文件名"), "a.zip");
    }
}

TEST(XmlTree, PathsStartAtTheDocumentElementAndTakeTheFirstMatch) {
    const std::string document =
        "<最新版本 版本号=\"0\"><其他><版本信息 版本号=\"1\"/></其他><版本信息 版本号=\"2\"><版本信息 版本号=\"3\"/>"
        "</版本信息><版本信息 版本号=\"4\"/></最新版本>";
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"最新版本/版本信息", "2"},          // the first of two, not the nested or later one
        {"最新版本", "0"},                   // the document element itself
        {"最新版本/版本信息/版本信息", "3"},
        {"最新版本/其他/版本信息", "1"},
        {"版本信息", ""},                    // not starting at the document element
        {"其他/版本信息", ""},
        {"最新版本/缺少", ""},
        {"最新版本//版本信息", ""},
        {"最新版本/版本信息/", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(document, "版本号", c.path), c.expected) << c.path;
    EXPECT_EQ(Read(document, ""), "");
    EXPECT_EQ(Read(document, "缺少"), "");
}

TEST(XmlTree, ValuesStayAsWrittenUntilTheFiveReferencesAreDecoded) {
    struct Case {
        const char* written;
        const char* read;
    } cases[] = {
        {"第一行\r\n第二行", "第一行\r\n第二行"},  // line breaks survive: no normalisation
        {"\t 两端空白 \n", "\t 两端空白 \n"},
        {"a &amp; b", "a & b"},
        {"&lt;&gt;&amp;&apos;&quot;", "<>&'\""},
        {"&amp;lt;", "&lt;"},                 // decoded once only
        {"&#20320; &#x4F60; &nbsp; & &amp", "&#20320; &#x4F60; &nbsp; & &amp"},
        {"'单引号'", "'单引号'"},
        {"", ""},
    };
    for (const Case& c : cases) {
        const std::string document = std::string("<最新版本><版本信息 升级说明=\"") + c.written + "\"/></最新版本>";
        EXPECT_EQ(Read(document, "升级说明"), c.read) << c.written;
    }
}

// Second bytes of code page 936 characters may be '[' ']' '\' '|': they are
// part of their character, never markup.
TEST(XmlTree, TwoByteCharactersKeepTheirSecondBytes) {
    const std::string name = "\x81\x5B\x81\x5D\x81\x5C\x81\x7C";
    const std::string value = "值\x81\x5C\x81\x7C\x81\x5B\x81\x5D";
    const std::string document = "<最新版本><" + name + " " + name + "=\"" + value + "\"/></最新版本>";
    EXPECT_EQ(Read(document, name.c_str(), ("最新版本/" + name).c_str()), value);

    // A bracket as second byte neither opens a declaration's subset nor helps
    // to end a CDATA section early.
    XmlTree tree;
    EXPECT_TRUE(tree.Load("<!DOCTYPE \x81[><最新版本/>"));
    EXPECT_TRUE(tree.Load("<最新版本><![CDATA[\x81]]><b>]]></最新版本>"));
    EXPECT_FALSE(tree.Load("<最新版本><![CDATA[ ]]><b>]]></最新版本>"));
}

TEST(XmlTree, RefusesDocumentsThatAreNotOneWellNestedElement) {
    const char* refused[] = {
        "",
        "   \r\n",
        "只有文字",
        "<!-- 只有注释 -->",
        "<最新版本>",
        "<最新版本><版本信息></最新版本>",
        "<最新版本></版本信息>",
        "</最新版本>",
        "<最新版本/><第二个/>",
        "<最新版本><版本信息 版本号=\"3.3\" 版本号=\"3.4\"/></最新版本>",
        "<最新版本 a=\"1\" a=\"1\"/>",
        "<最新版本 a='1'/>",
        "<最新版本 a=1/>",
        "<最新版本 a=\"1/>",
        "<最新版本 a/>",
        "<最新版本 a=\"1\"b=\"2\"/>",
        "< 最新版本/>",
        "<最新版本><!-- 未完",
        "<最新版本><![CDATA[ 未完",
        "<?xml version=\"1.0\"",
        "<!DOCTYPE [ >",
        "<最新版本",
    };
    for (const char* document : refused) {
        XmlTree tree;
        EXPECT_FALSE(tree.Load(document)) << document;
        EXPECT_FALSE(tree.Loaded());
        EXPECT_EQ(tree.ReadAttribute("最新版本", "a"), "");
    }
}

TEST(XmlTree, ReleaseAndAFailedLoadLeaveNothingToRead) {
    XmlTree tree;
    EXPECT_EQ(tree.ReadAttribute(kPath, "版本号"), "");
    tree.Release();  // on a tree that is not loaded: nothing happens
    ASSERT_TRUE(tree.Load("<最新版本><版本信息 版本号=\"3.3\"/></最新版本>"));
    EXPECT_EQ(tree.ReadAttribute(kPath, "版本号"), "3.3");
    tree.Release();
    EXPECT_FALSE(tree.Loaded());
    EXPECT_EQ(tree.ReadAttribute(kPath, "版本号"), "");
    ASSERT_TRUE(tree.Load("<最新版本><版本信息 版本号=\"3.3\"/></最新版本>"));
    EXPECT_FALSE(tree.Load("<最新版本>"));
    EXPECT_EQ(tree.ReadAttribute(kPath, "版本号"), "");
}

TEST(XmlTree, DeepNestingNeedsNoStack) {
    std::string document;
    constexpr int kDepth = 100000;
    for (int i = 0; i < kDepth; ++i) document += "<a>";
    for (int i = 0; i < kDepth; ++i) document += "</a>";
    XmlTree tree;
    EXPECT_TRUE(tree.Load(document));
    document.resize(document.size() - 4);
    EXPECT_FALSE(tree.Load(document));
}

}  // namespace
}  // namespace update
