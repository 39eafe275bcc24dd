#include "app/note_menu.h"

namespace app {

UniqueMenu CreateNoteMenu() {
    UniqueMenu menu(CreatePopupMenu());
    HMENU upgrade = CreatePopupMenu();  // owned by menu once appended
    AppendMenuA(upgrade, MF_STRING, kCmdCheckForUpdate, "检测升级");
    AppendMenuA(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(upgrade), "升级");
    AppendMenuA(menu.Get(), MF_STRING, kCmdHelp, "帮助信息");
    AppendMenuA(menu.Get(), MF_STRING, kCmdAbout, "关于");
    return menu;
}

}  // namespace app
