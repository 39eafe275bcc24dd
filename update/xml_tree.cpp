#include "update/xml_tree.h"

#include <algorithm>
#include <array>

namespace update {
namespace {

// Length of the character that starts at pos: two bytes for a lead byte of
// code page 936 (unless the text ends there), else one.
std::size_t CharLength(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    return byte >= 0x81 && pos + 1 < text.size() ? 2 : 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Ends a name: blanks and the markup characters that may follow one.
bool EndsName(char c) { return IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '<' || c == '"' || c == '\''; }

// One pass over the text with an explicit stack of open elements.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    template <typename Element>
    bool Run(std::vector<Element>& elements) {
        std::vector<std::size_t> open;
        bool rootClosed = false;
        while (pos_ < text_.size()) {
            if (text_[pos_] != '<') {  // text content is never read
                pos_ += CharLength(text_, pos_);
                continue;
            }
            if (StartsWith("<!--")) {
                if (!SkipPast(4, "-->")) return false;
            } else if (StartsWith("<![CDATA[")) {
                if (!SkipPast(9, "]]>")) return false;
            } else if (StartsWith("<?")) {
                if (!SkipPast(2, "?>")) return false;
            } else if (StartsWith("<!")) {
                if (!SkipDeclaration()) return false;
            } else if (StartsWith("</")) {
                pos_ += 2;
                const std::string_view name = ReadName();
                SkipBlanks();
                if (name.empty() || !Take('>') || open.empty() || elements[open.back()].name != name) return false;
                open.pop_back();
                if (open.empty()) rootClosed = true;
            } else {
                ++pos_;
                if (rootClosed || (open.empty() && !elements.empty())) return false;  // a second document element
                Element element;
                bool empty = false;
                if (!ReadStartTag(element, empty)) return false;
                const std::size_t index = elements.size();
                if (!open.empty()) elements[open.back()].children.push_back(index);
                elements.push_back(std::move(element));
                if (empty) {
                    if (open.empty()) rootClosed = true;
                } else {
                    open.push_back(index);
                }
            }
        }
        return open.empty() && !elements.empty();
    }

private:
    bool StartsWith(std::string_view prefix) const { return text_.substr(pos_).starts_with(prefix); }

    bool Take(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    // Moves past the next `end`, searching character by character from
    // pos_ + skip; false when the text ends first.
    bool SkipPast(std::size_t skip, std::string_view end) {
        pos_ += skip;
        while (pos_ < text_.size()) {
            if (StartsWith(end)) {
                pos_ += end.size();
                return true;
            }
            pos_ += CharLength(text_, pos_);
        }
        return false;
    }

    // "<!DOCTYPE ...>" and its kind: ends at the '>' outside brackets and quotes.
    bool SkipDeclaration() {
        pos_ += 2;
        std::size_t brackets = 0;
        char quote = 0;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                if (brackets) --brackets;
            } else if (c == '>' && brackets == 0) {
                ++pos_;
                return true;
            }
            pos_ += CharLength(text_, pos_);
        }
        return false;
    }

    std::string_view ReadName() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !EndsName(text_[pos_])) pos_ += CharLength(text_, pos_);
        return text_.substr(start, std::min(pos_, text_.size()) - start);
    }

    // After the '<': name, attributes, then '>' or "/>".
    template <typename Element>
    bool ReadStartTag(Element& element, bool& empty) {
        element.name = std::string(ReadName());
        if (element.name.empty()) return false;
        for (;;) {
            const std::size_t before = pos_;
            SkipBlanks();
            if (Take('>')) return true;
            if (StartsWith("/>")) {
                pos_ += 2;
                empty = true;
                return true;
            }
            if (pos_ == before) return false;  // attributes are set apart by blanks
            std::string name(ReadName());
            SkipBlanks();
            if (name.empty() || !Take('=')) return false;
            SkipBlanks();
            if (!Take('"')) return false;
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] != '"') pos_ += CharLength(text_, pos_);
            if (pos_ >= text_.size()) return false;
            std::string value(text_.substr(start, pos_ - start));
            ++pos_;
            for (const auto& attribute : element.attributes)
                if (attribute.first == name) return false;
            element.attributes.emplace_back(std::move(name), std::move(value));
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool XmlTree::Load(std::string_view text) {
    Release();
    std::vector<Element> elements;
    if (!Parser(text).Run(elements)) return false;
    elements_ = std::move(elements);
    loaded_ = true;
    return true;
}

std::string XmlTree::ReadAttribute(std::string_view path, std::string_view name) const {
    if (path.empty() || name.empty() || !loaded_) return {};
    std::size_t current = 0;
    bool first = true;
    for (;;) {
        const std::size_t slash = path.find('/');  // '/' is never a second byte
        const std::string_view component = path.substr(0, slash);
        if (first) {
            if (elements_[0].name != component) return {};
            first = false;
        } else {
            const auto& children = elements_[current].children;
            const auto child = std::find_if(children.begin(), children.end(),
                                            [&](std::size_t index) { return elements_[index].name == component; });
            if (child == children.end()) return {};
            current = *child;
        }
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    for (const auto& attribute : elements_[current].attributes)
        if (attribute.first == name) return DecodeReferences(attribute.second);
    return {};
}

void XmlTree::Release() {
    elements_.clear();
    loaded_ = false;
}

std::string DecodeReferences(std::string_view value) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kReferences{{
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&apos;", '\''}, {"&quot;", '"'},
    }};
    std::string result;
    result.reserve(value.size());
    std::size_t pos = 0;
    while (pos < value.size()) {
        if (value[pos] == '&') {
            const std::string_view rest = value.substr(pos);
            const auto known = std::find_if(kReferences.begin(), kReferences.end(),
                                            [&](const auto& reference) { return rest.starts_with(reference.first); });
            if (known != kReferences.end()) {
                result += known->second;
                pos += known->first.size();
                continue;
            }
        }
        const std::size_t length = CharLength(value, pos);
        result.append(value.substr(pos, length));
        pos += length;
    }
    return result;
}

}  // namespace update
