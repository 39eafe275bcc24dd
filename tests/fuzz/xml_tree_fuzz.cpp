// libFuzzer target for the manifest reader: any bytes go to Load, and the
// look-ups the update check makes, plus a few paths drawn from the input,
// read from whatever was loaded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "update/xml_tree.h"

namespace {

// Code page 936 bytes of the manifest's names; this file is compiled without
// a GBK execution character set.
constexpr const char* kPath = "\xD7\xEE\xD0\xC2\xB0\xE6\xB1\xBE/\xB0\xE6\xB1\xBE\xD0\xC5\xCF\xA2";  // 最新版本/版本信息
constexpr const char* kNames[] = {
    "\xB0\xE6\xB1\xBE\xBA\xC5",          // 版本号
    "\xC9\xFD\xBC\xB6\xCB\xB5\xC3\xF7",  // 升级说明
    "\xCF\xC2\xD4\xD8\xB5\xD8\xD6\xB7",  // 下载地址
    "\xCE\xC4\xBC\xFE\xB1\xEA\xCC\xE2",  // 文件标题
    "\xCE\xC4\xBC\xFE\xC3\xFB",          // 文件名
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    update::XmlTree tree;
    const bool loaded = tree.Load(text);
    if (loaded != tree.Loaded()) __builtin_trap();
    for (const char* name : kNames) tree.ReadAttribute(kPath, name);

    // The input split at its first two newlines gives a path and a name, so
    // the fuzzer also reaches deeper paths and attributes of its own making.
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string_view::npos ? first : text.find('\n', first + 1);
    if (second != std::string_view::npos)
        tree.ReadAttribute(text.substr(0, first), text.substr(first + 1, second - first - 1));

    update::DecodeReferences(text);
    tree.Release();
    if (tree.Loaded()) __builtin_trap();
    return 0;
}
