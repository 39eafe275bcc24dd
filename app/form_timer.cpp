#include "app/form_timer.h"

namespace app {

void FormTimer::SetPeriod(UINT milliseconds) {
    if (milliseconds == period_) return;
    period_ = milliseconds;
    if (milliseconds == 0)
        KillTimer(owner_, id_);
    else
        SetTimer(owner_, id_, milliseconds, nullptr);
}

}  // namespace app
