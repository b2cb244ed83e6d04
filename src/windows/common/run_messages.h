#pragma once

namespace vorn {

// Messages every run may stop with: no finite result or no forces from the project's values.
namespace run1_texts {
// The title of the static run's code-check messages and of the messages below.
inline constexpr const char* checkTitle = "errore box";
// A run whose story data give no forces (all heights or the weights above a level zero, as a
// hand-edited project file can hold) stops with this message, and one whose values give no finite
// result (a zero behaviour factor, a negative height, a story count outside 1 to 200) with the
// next; both under the title above.
inline constexpr const char* zeroSumMessage =
    "وزن يا ارتفاع طبقات صفر ميباشد و نيروهاي جانبي طبقات قابل محاسبه نيست.لطفاً اطلاعات طبقات را "
    "اصلاح نموده و برنامه را دوباره اجرا نماييد";
inline constexpr const char* invalidDataMessage =
    "مقادير اطلاعات ورودي معتبر نميباشد و محاسبات انجام نشد.لطفاً اطلاعات ورودي را اصلاح نموده و "
    "برنامه را دوباره اجرا نماييد";

}  // namespace run1_texts

}  // namespace vorn
