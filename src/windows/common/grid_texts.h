#pragma once

namespace vorn {

// Texts of the grids' own commands, which every grid of the result windows shares.
namespace grid_texts {
// The context menu's command that copies the selection, or the whole grid, for a spreadsheet.
inline constexpr const char* copy = "کپي";
}  // namespace grid_texts

}  // namespace vorn
