#include "app/control_skin_scheme.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace app::skin {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kGrey = Rgb(200, 200, 200);

int BlendChannel(int from, int to, int part, int whole) {
    const int delta = (to - from) * part;
    return from + (delta >= 0 ? (delta + whole / 2) / whole : (delta - whole / 2) / whole);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Every scheme's colours follow from its frame colour.
Scheme MakeScheme(Colour frame) {
    Scheme s{};
    s.frame = frame;
    s.disabledFrame = Blend(frame, kGrey, 7, 10);
    s.mark = Blend(frame, kBlack, 55, 100);
    s.focusTint = Blend(frame, kWhite, 45, 100);
    s.face = {Blend(kWhite, frame, 6, 100), Blend(kWhite, frame, 38, 100)};
    s.hot = {kWhite, Blend(kWhite, frame, 22, 100)};
    s.pressed = {Blend(kWhite, frame, 50, 100), Blend(kWhite, frame, 18, 100)};
    s.disabled = {Rgb(244, 244, 244), Rgb(226, 226, 226)};
    return s;
}

// Button styles (BS_TYPEMASK and the picture bits).
constexpr std::uint32_t kTypeMask = 0x0F;
constexpr std::uint32_t kPictureMask = 0x40 | 0x80;  // BS_ICON, BS_BITMAP
constexpr std::uint32_t kPushLike = 0x1000;           // BS_PUSHLIKE

Kind ClassifyButton(std::uint32_t style) {
    if (style & kPictureMask) return Kind::None;
    switch (style & kTypeMask) {
    case 0x0:  // BS_PUSHBUTTON
    case 0x1:  // BS_DEFPUSHBUTTON
        return Kind::PushButton;
    case 0x2:  // BS_CHECKBOX
    case 0x3:  // BS_AUTOCHECKBOX
    case 0x5:  // BS_3STATE
    case 0x6:  // BS_AUTO3STATE
        return (style & kPushLike) ? Kind::PushButton : Kind::CheckBox;
    case 0x4:  // BS_RADIOBUTTON
    case 0x9:  // BS_AUTORADIOBUTTON
        return (style & kPushLike) ? Kind::PushButton : Kind::RadioButton;
    case 0x7:  // BS_GROUPBOX
        return Kind::GroupBox;
    default:  // user, owner-drawn, split and command-link buttons
        return Kind::None;
    }
}

}  // namespace

Colour Blend(Colour from, Colour to, int part, int whole) {
    if (whole <= 0) return from;
    return Rgb(BlendChannel(RedOf(from), RedOf(to), part, whole), BlendChannel(GreenOf(from), GreenOf(to), part, whole),
               BlendChannel(BlueOf(from), BlueOf(to), part, whole));
}

Colour GradientAt(Colour top, Colour bottom, int row, int height) {
    if (height <= 1) return top;
    return Blend(top, bottom, std::clamp(row, 0, height - 1), height - 1);
}

std::optional<Scheme> SchemeFor(int scheme) {
    switch (scheme) {
    case 1: return MakeScheme(Rgb(123, 158, 189));  // blue
    case 2: return MakeScheme(Rgb(164, 185, 127));  // olive
    case 3: return MakeScheme(Rgb(198, 197, 215));  // silver
    default: return std::nullopt;
    }
}

Kind Classify(std::string_view className, std::uint32_t style) {
    if (SameName(className, "Button")) return ClassifyButton(style);
    if (SameName(className, "Edit")) return Kind::Edit;
    if (SameName(className, "ComboBox")) return Kind::ComboBox;
    if (SameName(className, "ComboLBox")) return Kind::ComboList;
    if (SameName(className, "msctls_updown32")) return Kind::UpDown;
    return Kind::None;
}

Gradient FaceOf(const Scheme& scheme, FaceState state) {
    if (state.disabled) return scheme.disabled;
    if (state.pressed) return scheme.pressed;
    if (state.hot) return scheme.hot;
    return scheme.face;
}

}  // namespace app::skin
