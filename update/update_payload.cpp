#include "update/update_payload.h"

#include <windows.h>

#include "app/unique_handle.h"

namespace update {

std::string_view UpdatePayload() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, "UPDATE_PAYLOAD", MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(module, resource);  // resources live as long as the module
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(module, resource)};
}

void WriteUpdatePayload(const std::string& path) {
    const std::string_view payload = UpdatePayload();
    app::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                     nullptr));
    if (!file) return;
    std::size_t written = 0;
    while (written < payload.size()) {
        DWORD chunk = 0;
        if (!WriteFile(file.Get(), payload.data() + written, static_cast<DWORD>(payload.size() - written), &chunk,
                       nullptr) ||
            chunk == 0)
            return;
        written += chunk;
    }
}

}  // namespace update
