// XmlTree: the reader of the update manifest. It takes code page 936 text and
// answers attribute look-ups by element path ("最新版本/版本信息").
//
// It is deliberately not a general XML parser: attribute values keep their
// line breaks and blanks, two attributes of one name make the document
// unreadable, a byte from 0x81 on begins a two-byte character whose second
// byte is never markup, and the five predefined references are decoded only
// when a value is read. It works in one pass with an explicit stack, so no
// depth of nesting can exhaust the call stack.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace update {

class XmlTree {
public:
    // Parses the whole text; false (and not loaded) when it is not a single
    // well-nested element with unique attribute names.
    bool Load(std::string_view text);
    // The attribute's value, references decoded; empty when the path or the
    // attribute is missing or the tree is not loaded. The path starts with
    // the document element's own name; each further component picks the
    // first child of that name.
    std::string ReadAttribute(std::string_view path, std::string_view name) const;
    void Release();
    bool Loaded() const { return loaded_; }

private:
    struct Element {
        std::string name;
        std::vector<std::pair<std::string, std::string>> attributes;  // raw values, in document order
        std::vector<std::size_t> children;                            // indices into elements_
    };

    bool loaded_ = false;
    std::vector<Element> elements_;  // elements_[0] is the document element once loaded
};

// Replaces &lt; &gt; &amp; &apos; &quot; by their characters, in one pass;
// every other reference stays as written.
std::string DecodeReferences(std::string_view value);

}  // namespace update
