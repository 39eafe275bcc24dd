#include "updater/task_row_layout.h"

namespace updater {

RowBoxes PlaceTaskRow(const std::optional<RowBoxes>& previous) {
    RowBoxes row;
    for (int part = 0; part < kRowParts; ++part) row[part] = kRowTemplate[part];
    const Box& name = kRowTemplate[kRowName];
    const int top = previous ? (*previous)[kRowSeparator].top + (*previous)[kRowSeparator].height : name.top;
    for (TaskRowPart part : {kRowName, kRowSize, kRowProgress, kRowSpeed, kRowOperation}) row[part].top = top;
    row[kRowSeparator].top = top + name.height + 2;
    return row;
}

}  // namespace updater
