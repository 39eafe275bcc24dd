// How the hot-key service numbers its keys: 33000 plus the number of
// registrations attempted, so a refused attempt still uses up its number.
#pragma once

namespace lock {

inline constexpr int kFirstHotkeyIdentifier = 33001;

class HotkeyIdentifiers {
public:
    // The identifier for the next attempt.
    int Next() {
        ++attempts_;
        last_ = 33000 + attempts_;
        return last_;
    }
    int Last() const { return last_; }
    // Whether a WM_HOTKEY identifier is one this service handed out.
    bool Issued(unsigned long long identifier) const {
        return last_ != 0 && identifier >= static_cast<unsigned long long>(kFirstHotkeyIdentifier) &&
               identifier <= static_cast<unsigned long long>(last_);
    }

private:
    int attempts_ = 0;
    int last_ = 0;
};

// A stored identifier of 0 (a refused registration) matches nothing.
constexpr bool IsHotkey(int reported, int stored) { return stored != 0 && reported == stored; }

}  // namespace lock
