#pragma once

#include <string>

namespace vorn {

class Session;

// Texts of the torsion and overturning run.
namespace run2_texts {
// The program is to compute the amplification factors and the drifts are not entered.
inline constexpr const char* driftsMissing =
    "براي محاسبه ضريبهاي بزرگنمايي لنگر پيچشي ابتدا بايد مقادير تغيير شکلهاي جانبي وارد شود";
// A story whose maximum drift is below its average drift: the first text, the story number, the
// second text.
inline constexpr const char* driftBelowAverageBefore = "تغيير مكان نسبي حداكثر طبقه شماره";
inline constexpr const char* driftBelowAverageAfter =
    " نبايد كمتر از تغيير مكان نسبي متوسط آن باشد.لطفاً مقادير تغيير مكانهاي اين طبقه را اصلاح "
    "نموده و برنامه را دوباره اجرا نماييد";
// No overturning moment in a direction (no lateral forces): the safety factor has no value.
inline constexpr const char* noOverturningMoment =
    "لنگر محرك سازه صفر ميباشد و ضريب اطمينان در برابر واژگوني قابل محاسبه نيست.لطفاً ابتدا نيروهاي "
    "جانبي طبقات را به روش استاتيكي محاسبه نموده و برنامه را دوباره اجرا نماييد";
}  // namespace run2_texts

// The torsion and overturning run, started by the main window and by the opening of a project
// file. Reads the torsion data, the drifts and the stored results of the static run.
//
//  - When the amplification factors are to come from the drifts (irregular building, second
//    option of the torsion data), the drifts must have been confirmed; story i's factors are
//    (sum of the maximum drifts / (1.2 × sum of the average drifts))², summed over stories 1 … i
//    and kept between 1 and 3. A story whose maximum drift is below its average stops the run
//    with the stories below it already holding their new factors. With no drift at all below a
//    story the factor is 1; with a maximum drift but no average drift (a story that only turns)
//    it is the cap, 3.
//  - A regular building takes factors of 1 for all 200 stories.
//  - Eccentricities, the static, accidental and total torsional moments of every story, the
//    overturning and resisting moments, the safety factors and the torsion-neglect conclusion
//    are stored rounded (halves to even) and shown in the torsion results window, which opens
//    over the main window; the table is made available to the report.
//  - A direction without overturning moment (no lateral forces stored) gives no safety factor:
//    the run stops with its message before storing anything of its own.
//
// A story count outside 1 to 200 or not whole (a hand-edited project file) stops the run with the
// static run's message for invalid data. Opens no window when it stops; needs no window shown,
// so that the project file reader can run it as well.
void RUN2(Session& session);

// The verdict beside a safety factor.
std::string safetyVerdict(double factor);

}  // namespace vorn
