// Where NoteWindow stands and how big it and its label are.
#pragma once
#include <optional>

namespace note {

inline constexpr int kNoteWidth = 635;
inline constexpr int kNoteHeight = 86;
// The label is a little larger than the window so that it covers it whole.
inline constexpr int kLabelWidth = 640;
inline constexpr int kLabelHeight = 88;

struct Origin {
    int x;
    int y;
};

// The top-left corner the creation handler moves the note to: the centre of
// the screen, each half truncated toward zero.
Origin NoteOrigin(int screenWidth, int screenHeight);

struct Bounds {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// MoveWindowTo's rules for omitted arguments: each one keeps the window's
// current left, top, width or height (given as its outer rectangle).
Bounds MoveTarget(int left, int top, int right, int bottom, std::optional<int> x, std::optional<int> y,
                  std::optional<int> width, std::optional<int> height);

}  // namespace note
