// HttpFetch and the text conversions in-process, against the update tests'
// HTTP server at the build's manifest address: the bytes each answer gives,
// the bound on an endless body, and the conversions' edges.
#include <gtest/gtest.h>

#include <string>

#include "update/http_fetch.h"
#include "update/http_read_size.h"
#include "update/manifest_url.h"
#include "update/text_conversion.h"
#include "update/xml_tree.h"

namespace update {
namespace {

std::string Server() {
    const std::string url = ManifestUrl();
    return url.substr(0, url.find('/', 7));
}

std::string Encoded(const std::string& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) out += {'%', kHex[c >> 4], kHex[c & 15]};
    return out;
}

// The server takes its instructions as plain GETs, so HttpFetch serves here too.
bool Answer(const std::string& kind, const std::string& params = "") {
    return HttpFetch(Server() + "/__answer?path=" + Encoded("/屏笺.xml") + "&kind=" + kind + params) == "ok";
}

class HttpFetchInProcess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(HttpFetch(Server() + "/__reset"), "ok") << "no test server at " << Server(); }
};

TEST_F(HttpFetchInProcess, ReturnsEachAnswersBytes) {
    struct Case {
        const char* kind;
        std::string params;
        std::string body;
    } cases[] = {
        {"manifest", "&body=" + Encoded("<a/>"), "<a/>"},
        {"no_length", "&body=" + Encoded("<b/>"), "<b/>"},
        {"closed_midway", "&body=" + Encoded("<c>") + "&length=100", "<c>"},
        {"zero_byte", "&body=" + Encoded("<d/>") + "&tail=" + Encoded("tail"), std::string("<d/>\0tail", 9)},
        {"empty", "", ""},
        {"hang_up", "", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Answer(c.kind, c.params)) << c.kind;
        EXPECT_EQ(HttpFetch(ManifestUrl()), c.body) << c.kind;
    }
    ASSERT_TRUE(Answer("not_found"));
    EXPECT_NE(HttpFetch(ManifestUrl()).find("<title>404 Not Found</title>"), std::string::npos);
}

TEST_F(HttpFetchInProcess, StopsAnEndlessBodyAtItsBound) {
    ASSERT_TRUE(Answer("endless", "&body=" + Encoded("<start/>") + "&filler=x"));
    const std::string body = HttpFetch(ManifestUrl());
    EXPECT_EQ(body.size(), kMaxBodySize);
    EXPECT_EQ(body.substr(0, 9), "<start/>x");
}

TEST_F(HttpFetchInProcess, SendsTheRawPathWithoutFragment) {
    ASSERT_TRUE(Answer("manifest", "&body=ok"));
    EXPECT_EQ(HttpFetch(ManifestUrl() + std::string("#片段")), "ok");
    const std::string head = HttpFetch(Server() + "/__last");
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /屏笺.xml HTTP/1.0");
    EXPECT_NE(head.find("User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"), std::string::npos);
    EXPECT_NE(head.find("Accept: */*"), std::string::npos);
}

TEST(HttpFetchFailures, GiveAnEmptyBody) {
    EXPECT_EQ(HttpFetch(""), "");
    EXPECT_EQ(HttpFetch("不是网址"), "");
    EXPECT_EQ(HttpFetch("http://127.0.0.1:1/屏笺.xml"), "");  // nothing listens there
}

TEST(TextConversion, TurnsUtf8IntoCodePage936) {
    EXPECT_EQ(Utf8ToAnsi(reinterpret_cast<const char*>(u8"最新版本 3.3")), "最新版本 3.3");
    EXPECT_EQ(Utf8ToAnsi(""), "");
    EXPECT_EQ(Utf8ToAnsi("plain"), "plain");
    EXPECT_NE(Utf8ToAnsi("最新版本"), "最新版本");  // code page 936 bytes are no UTF-8
    EXPECT_EQ(Utf8ToAnsi(reinterpret_cast<const char*>(u8"a\U0001F600b")), "a??b");  // lacking in 936: one per unit
}

TEST(TextConversion, BlocksAreZeroEndedAndReadWithinTheirSize) {
    const std::string block = ToUtf16(reinterpret_cast<const char*>(u8"中"));
    ASSERT_GE(block.size(), 4u);
    EXPECT_EQ(block.size() % 2, 0u);
    EXPECT_EQ(block.substr(0, 2), std::string("\x2D\x4E", 2));
    EXPECT_EQ(block.substr(block.size() - 2), std::string(2, '\0'));
    EXPECT_EQ(FromUtf16(block, 936), "中");
    EXPECT_EQ(FromUtf16(std::string("A\0B\0", 4)), "AB");  // no zero unit: read to the block's end only
    EXPECT_EQ(FromUtf16(""), "");
}

}  // namespace
}  // namespace update

namespace update {
namespace {

// The chain the check runs on a fetched body: UTF-8 to code page 936, then
// the reader.
TEST(ManifestChain, Utf8ManifestYieldsItsValues) {
    const char* manifest = reinterpret_cast<const char*>(
        u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<最新版本>\r\n  <版本信息 版本号=\"3.30\" 升级说明=\"第一行\r\n第二行\"/>\r\n</最新版本>\r\n");
    XmlTree tree;
    EXPECT_TRUE(tree.Load(Utf8ToAnsi(manifest)));
    EXPECT_EQ(tree.ReadAttribute("最新版本/版本信息", "版本号"), "3.30");
    EXPECT_EQ(tree.ReadAttribute("最新版本/版本信息", "升级说明"), "第一行\r\n第二行");
}

}  // namespace
}  // namespace update
