// The context menu "菜单" of the note editor.
#pragma once
#include "app/unique_handle.h"

namespace app {

enum MenuCommand : int {
    kCmdCheckForUpdate = 201,  // "升级" > "检测升级"
    kCmdHelp = 202,            // "帮助信息"
    kCmdAbout = 203,           // "关于"
};

UniqueMenu CreateNoteMenu();

}  // namespace app
