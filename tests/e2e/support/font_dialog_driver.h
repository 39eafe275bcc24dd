// Works the system's font dialog ("#32770" titled "字体") of another process
// or thread: reads and sets its face, style, size, colour and effects as the
// user's choices would. Header-only: the in-process tests drive the dialog
// of their own UI thread with it from a second thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

inline constexpr char kFontDialogTitle[] = "字体";

// The dialog's state as the user sees it.
struct FontDialogState {
    std::string face;  // code page 936
    bool bold = false;
    bool italic = false;
    int size = 0;  // points; 0 when no size is selected
    bool underline = false;
    bool strikeOut = false;
    COLORREF colour = 0;
};

namespace font_dialog_detail {

constexpr int kFaceCombo = 0x470;
constexpr int kStyleCombo = 0x471;
constexpr int kSizeCombo = 0x472;
constexpr int kColourCombo = 0x473;
constexpr int kStrikeOutBox = 0x410;
constexpr int kUnderlineBox = 0x411;

inline std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()))));
    if (!wide.empty()) wide.pop_back();
    return wide;
}

inline std::string Narrow(const std::wstring& text) {
    char buffer[256] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

// Across processes combo items are read with the W messages only.
inline std::string SelectedText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "";
    wchar_t text[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) >= 255) return "";
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

inline LRESULT SelectedData(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? CB_ERR : SendMessageW(combo, CB_GETITEMDATA, index, 0);
}

inline void Select(HWND dialog, int id, LRESULT index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

inline bool SelectByData(HWND dialog, int id, const std::function<bool(LRESULT)>& wanted) {
    HWND combo = GetDlgItem(dialog, id);
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (wanted(SendMessageW(combo, CB_GETITEMDATA, i, 0))) {
            Select(dialog, id, i);
            return true;
        }
    }
    return false;
}

}  // namespace font_dialog_detail
using namespace font_dialog_detail;

inline FontDialogState ReadFontDialog(HWND dialog) {
    FontDialogState state;
    state.face = SelectedText(GetDlgItem(dialog, kFaceCombo));
    const LRESULT style = SelectedData(GetDlgItem(dialog, kStyleCombo));  // weight, italic
    state.bold = style != CB_ERR && LOWORD(style) > FW_MEDIUM;
    state.italic = style != CB_ERR && HIWORD(style) != 0;
    const LRESULT size = SelectedData(GetDlgItem(dialog, kSizeCombo));
    state.size = size == CB_ERR ? 0 : static_cast<int>(size);
    state.underline = SendMessageW(GetDlgItem(dialog, kUnderlineBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    state.strikeOut = SendMessageW(GetDlgItem(dialog, kStrikeOutBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    state.colour = static_cast<COLORREF>(SelectedData(GetDlgItem(dialog, kColourCombo)));
    return state;
}

inline bool ChooseFace(HWND dialog, const std::string& face) {
    const std::wstring wide = Wide(face);
    const LRESULT index = SendMessageW(GetDlgItem(dialog, kFaceCombo), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide.c_str()));
    if (index == CB_ERR) return false;
    Select(dialog, kFaceCombo, index);
    return true;
}

inline bool ChooseStyle(HWND dialog, bool bold, bool italic) {
    return SelectByData(dialog, kStyleCombo,
                        [&](LRESULT data) { return (LOWORD(data) > FW_MEDIUM) == bold && (HIWORD(data) != 0) == italic; });
}

inline bool ChooseSize(HWND dialog, int points) {
    return SelectByData(dialog, kSizeCombo, [&](LRESULT data) { return data == points; });
}

inline bool ChooseColour(HWND dialog, COLORREF colour) {
    return SelectByData(dialog, kColourCombo, [&](LRESULT data) { return static_cast<COLORREF>(data) == colour; });
}

// checkBoxId: kStrikeOutBox or kUnderlineBox.
inline void SetEffect(HWND dialog, int checkBoxId, bool on) {
    HWND box = GetDlgItem(dialog, checkBoxId);
    if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != on) SendMessageW(box, BM_CLICK, 0, 0);
}

}  // namespace e2e
