#pragma once

#include <array>

#include "calculations/spectrum_table.h"

namespace vorn {

struct Project;
class Session;

// Texts of the design-spectrum window.
namespace form20_texts {
inline constexpr const char* caption = "طيف طرح استاندارد براي  تحليل ديناميكي طيفي";
inline constexpr const char* ok = "OK";
// Column headings: period, x coefficient, y coefficient.
inline constexpr std::array<const char*, 3> headings = {
    "پريود بر حسب ثانيه",
    "ضريب شتاب طيف پاسخ جهت افقي سازه بر حسب شتاب ثقلي",
    "ضريب شتاب طيف پاسخ جهت عمودي سازه بر حسب شتاب ثقلي",
};
}  // namespace form20_texts

// Builds the design-spectrum table in the spectrum window's grid from TMAX and TSTEP (checked
// by the dialog beforehand): one row per period step from 0 (the last period held at TMAX), then
// the spectral acceleration coefficient of the x and the y direction, each with its behaviour
// factor. Values the dialog refuses never give more than kMaxSpectrumSteps steps nor fewer
// than none. Returns the number of grid rows, header included, or 0 when a coefficient is not a
// finite number: then the grid is left as it was.
int buildSpectrumTable(Project& project);

// Logic of the design-spectrum window: OK returns to the main window.
class Form20 {
public:
  explicit Form20(Session& session) : s_(session) {}
  void OK_Click();

private:
  Session& s_;
};

}  // namespace vorn
