// One owner for every handle: a move-only wrapper that closes on destruction.
#pragma once
#include <windows.h>

#include <cstddef>
#include <type_traits>
#include <utility>

namespace app {

template <typename T, auto Close, auto Invalid = nullptr>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    T Get() const { return value_; }
    explicit operator bool() const { return value_ != Sentinel(); }
    T Release() { return std::exchange(value_, Sentinel()); }
    void Reset(T value = Sentinel()) {
        if (value_ != Sentinel()) Close(value_);
        value_ = value;
    }

private:
    static T Sentinel() {
        if constexpr (std::is_same_v<decltype(Invalid), std::nullptr_t>)
            return T{};
        else
            return reinterpret_cast<T>(static_cast<INT_PTR>(Invalid));
    }
    T value_ = Sentinel();
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void UnhookHook(HHOOK h) { UnhookWindowsHookEx(h); }
inline void DestroyMenuHandle(HMENU h) { DestroyMenu(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
inline void FindCloseHandle(HANDLE h) { FindClose(h); }
}  // namespace detail

using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueFile = UniqueHandle<HANDLE, detail::CloseKernelHandle, -1>;  // INVALID_HANDLE_VALUE
using UniqueFind = UniqueHandle<HANDLE, detail::FindCloseHandle, -1>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using UniqueHook = UniqueHandle<HHOOK, detail::UnhookHook>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;

}  // namespace app
