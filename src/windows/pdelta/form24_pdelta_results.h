#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the P-Delta results window.
namespace form24_texts {
inline constexpr const char* caption = "مشاهده خلاصه اطلاعات ورودي جهت محاسبه پي-دلتا و نتايج";
inline constexpr const char* unitLabel = "واحد: كيلوگرم و متر";
inline constexpr const char* note =
    "در محاسبه پي-دلتا تمام بارهاي ثقلي  و تغيير مکانهاي جانبي نسبي طرح براي محاسبه شاخص پايداري "
    "در نظر گرفته شده اند";
inline constexpr const char* ok = "OK";

// Headings of the four displacement columns 1 to 4 of both layouts.
inline constexpr std::array<const char*, 5> storyHeadings = {
    "شماره طبقه",
    "تغيير مكان نسبي جهت افقي طبقه ",
    "تغيير مكان كل جهت افقي طبقه ",
    "تغيير مكان نسبي جهت عمودي طبقه ",
    "تغيير مكان كل جهت عمودي طبقه ",
};
// Headings of the maximum displacements, columns 5 to 8 of an irregular building.
inline constexpr std::array<const char*, 4> maximumHeadings = {
    "تغيير مکان نسبي حداکثر جهت افقي",
    "تغيير مکان نسبي حداکثر جهت عمودي",
    "تغيير مکان کل حداکثر جهت افقي",
    "تغيير مکان کل حداکثر جهت عمودي",
};
// Headings of the shears: additional and total in x, then in y (columns 5 to 8 of a regular
// building, 9 to 12 of an irregular one).
inline constexpr std::array<const char*, 4> shearHeadings = {
    "برش اضافي جهت افقي طبقه",
    "برش كل جهت افقي طبقه",
    "برش اضافي جهت عمودي طبقه",
    "برش كل جهت عمودي طبقه",
};

// Verdicts: the effect is negligible; the story is unstable, its total shear shown as "-".
inline constexpr const char* negligible = "قابل صرفنظر";
inline constexpr const char* unstable = "طبقه ناپايدار";
inline constexpr const char* unstableShear = "-";
// A story whose stability coefficient cannot be computed: its verdict cell tells why and its
// total-shear cell says that the shear is undetermined.
inline constexpr const char* zeroShear = "نامعين: برش طبقه صفر است";
inline constexpr const char* zeroHeight = "نامعين: ارتفاع طبقه صفر است";
inline constexpr const char* undetermined = "نامعين";
}  // namespace form24_texts

// Logic of the P-Delta results window: OK goes back to the P-Delta dialog.
class Form24 {
public:
  explicit Form24(Session& session) : s_(session) {}

  void OK_Click();
  // The window frame's close button does what OK does.
  void Form_QueryUnload() { OK_Click(); }

private:
  Session& s_;
};

}  // namespace vorn
