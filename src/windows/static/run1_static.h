#pragma once

#include <array>
#include <string>

#include "windows/common/run_messages.h"

namespace vorn {

class Session;

// Texts of the equivalent static run.
namespace run1_texts {
// The stop messages of the code checks, in the order of the checks that speak.
inline constexpr std::array<const char*, 8> stopMessages = {
    "سيستم سازه اي مقاوم جهت افقي فولادي و جهت عمودي بتني ميباشد. لطفاً سيستمهاي  سازه اي را اصلاح "
    "نموده و دو باره برنامه را اجرا نماييد ",
    "سيستم سازه اي مقاوم جهت افقي بتني و جهت عمودي فولادي ميباشد. لطفاً سيستمهاي  سازه اي را اصلاح "
    "نموده و دو باره برنامه را اجرا نماييد ",
    "در ساختمانهاي با بيش از 15 طبقه و يا بلندتر از 50 متر استفاده از سيستم قاب خمشي ويژه و يا "
    "سيستم دوگانه اجباري ميباشد.لطفاً سيستم مقاوم سازه اي را عوض نموده و برنامه را دوباره اجرا "
    "نماييد",
    "استفاده از سيستم سازه اي وارد شده با توجه به ارتفاع سازه مجاز نميباشد.لطفاً سيستم سازه اي را "
    "عوض نموده و برنامه را دوباره اجرا نماييد",
    "استفاده از سيستم قاب خمشي بتني معمولي براي ساختمانهاي با اهميت زياد و خيلي زياد مجاز نمي "
    "باشد.لطفاًسيستم سازه اي را عوض نموده و سپس برنامه را دوباره اجرا نماييد",
    "براي ساختمانهاي با اهميت زياد در مناطق با خطر زلزله خيزي بسيار شديد استفاده از سيستمهايي که "
    "عنوان ويژه دارند اجباري ميباشد",
    "استفاده از سيستم قاب خمشي بتني با شکلپذيري معمولي در مناطق با خطر زلزله زياد و خيلي زياد "
    "ممنوع است",
    "استفاده از سيستم قاب خمشي فولادي با شکلپذيري معمولي تنها براي ساختمانهاي يک طبقه و صنعتي با "
    "اهميت متوسط و کم و با ارتفاع حداکثر 18متر مجاز است ",
};
// Messages 1 to 4 carry the title checkTitle (run_messages.h); 5 to 8 carry the program's title.

// Lines of the results list.
inline constexpr const char* empiricalX = " پريود سازه از فرمول تجربي درجهت افقي=";
inline constexpr const char* empiricalY = " پريود سازه از فرمول تجربي درجهت عمودي=";
inline constexpr const char* analyticalAtLeastOne = " پريود مود اصلي سازه از روش تحليلي=";
inline constexpr const char* analyticalBelowOne = " پريود مود اصلي سازه از روش تحليلي =";
inline constexpr const char* designX = " پريود سازه در جهت افقي براي محاسبه نيروي جانبي زلزله =";
inline constexpr const char* designY = " پريود سازه در جهت عمودي براي محاسبه نيروي جانبي زلزله =";
inline constexpr const char* bx = "Bx=";
inline constexpr const char* bxMeaning = "(ضريب بازتاب ساختمان در جهت افقي)";
inline constexpr const char* by = "By=";
inline constexpr const char* byMeaning = "(ضريب بازتاب ساختمان در جهت عمودي)";
inline constexpr const char* xFloor = "Bx/Rx<.1 پس Bx/Rx=0.1";
inline constexpr const char* cx = "Cx=";
inline constexpr const char* comma = ",";
inline constexpr const char* cxMeaning = "(ضريب زلزله در جهت افقي)";
inline constexpr const char* cy = "Cy=";
inline constexpr const char* cyMeaning = "(ضريب زلزله در جهت عمودي)";
inline constexpr const char* seconds = "ثانيه";
inline constexpr const char* commaSeconds = "، ثانيه";
inline constexpr const char* baseShearX = "برش  پايه  زلزله درجهت افقي بر حسب كيلوگرم=";
inline constexpr const char* baseShearY = "برش  پايه زلزله در جهت قايم بر حسب كيلوگرم=";
inline constexpr const char* topForceX =
    "نيروي برشي شلاقي در بالاي سازه درجهت افقي بر حسب كيلوگرم=";
inline constexpr const char* topForceY =
    "نيروي برشي شلاقي در بالاي سازه درجهت عمودي بر حسب كيلوگرم=";

// Headers of the results grid, column 0 to 7.
inline constexpr std::array<const char*, 8> gridHeaders = {
    "شماره طبقه",
    "ارتفاع نسبي طبقه",
    "ارتفاع از تراز پايه",
    "وزن طبقه",
    "نيروي برشي طبقه در جهت افقي",
    "نيروي برشي طبقه در جهت عمودي",
    "نيروي برشي وارد بر ديافراگم طبقه در جهت افقي",
    "نيروي برشي وارد بر ديافراگم طبقه در جهت عمودي",
};
}  // namespace run1_texts

// The equivalent static run: the code checks on the chosen systems, the periods, B and C of both
// directions, the story weights, base shears, top forces, story and diaphragm forces. The checks
// cap Ry (or Rx) for bearing-wall systems on the way, and that cap stays whatever follows. A check
// that fails shows its message and ends the run, leaving only TA (the copy of T) and the cap
// changed. A run that completes stores every result, fills the list and the grid of the results
// window, shows that window over the main window and leaves the main window in its after-run
// state. A run whose numbers fail (see the messages above) stores no result, TA included, and
// opens nothing.
void RUN1(Session& session);

// A period as the results list writes it: " 1.25ثانيه" from 1 s on, "35، ثانيه" (its hundredths,
// two digits) below 1 s.
std::string periodText(double seconds);
// A seismic coefficient as the results list writes it: ",105" (a comma and its thousandths, three
// digits). A coefficient of 1 or more, or below 0, which no dialog value can give, is written as a
// plain number so that it is never misread.
std::string coefficientText(double coefficient);

}  // namespace vorn
