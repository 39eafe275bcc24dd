// The note takes over the editor's font field by field, each value read from
// the editor and written to the label by the ControlFont rules, so a size in
// pixels goes through points on the way (56 pixels become 57 at 120 dpi).
#pragma once

namespace note {

// From and To offer the six ControlFont fields (Size/SetSize, FaceName/
// SetFaceName, Bold, Italic, StrikeOut, Underline).
template <typename From, typename To>
void CopyFontFields(const From& from, To& to) {
    to.SetSize(from.Size());
    to.SetFaceName(from.FaceName());
    to.SetBold(from.Bold());
    to.SetItalic(from.Italic());
    to.SetStrikeOut(from.StrikeOut());
    to.SetUnderline(from.Underline());
}

}  // namespace note
