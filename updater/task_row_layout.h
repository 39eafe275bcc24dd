// Where a task row's controls stand: copies of the template row, each
// row below the previous row's separator.
#pragma once
#include <array>
#include <optional>

#include "updater/updater_form.h"

namespace updater {

using RowBoxes = std::array<Box, kRowParts>;

// The boxes of the next row; previous is the row above, if any.
RowBoxes PlaceTaskRow(const std::optional<RowBoxes>& previous);

}  // namespace updater
