// The flat look's portable half: the colours of the three schemes, which
// controls it draws, and the colours of a face in each state. No windows.h
// here; colours are COLORREF values 0x00BBGGRR.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace app::skin {

using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// from moved towards to by part/whole, per channel, rounded.
Colour Blend(Colour from, Colour to, int part, int whole);
// Row row of a vertical gradient of height rows from top to bottom.
Colour GradientAt(Colour top, Colour bottom, int row, int height);

struct Gradient {
    Colour top;
    Colour bottom;
};

struct Scheme {
    Colour frame;          // every control's outer frame
    Colour disabledFrame;
    Colour mark;           // check marks, radio dots and arrows
    Colour focusTint;      // the inner frame line of a focused edit box
    Gradient face;
    Gradient hot;
    Gradient pressed;
    Gradient disabled;
};

// 1 blue, 2 olive, 3 silver; nothing for any other value.
std::optional<Scheme> SchemeFor(int scheme);

enum class Kind { None, PushButton, CheckBox, RadioButton, GroupBox, Edit, ComboBox, ComboList, UpDown };

// Which drawing a window of this class and style gets. Buttons that draw
// pictures or are drawn by their owner keep their own look.
Kind Classify(std::string_view className, std::uint32_t style);

struct FaceState {
    bool pressed = false;
    bool hot = false;
    bool disabled = false;
};
Gradient FaceOf(const Scheme& scheme, FaceState state);

}  // namespace app::skin
