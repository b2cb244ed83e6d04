#pragma once

#include <array>

namespace vorn {

class Session;

// Texts of the recommendations window and of the provisions it lists.
namespace form21_texts {
inline constexpr const char* caption = "برخي توصيه هاي طراحي";
inline constexpr const char* ok = "ok";
// Closes every provision.
inline constexpr const char* separator =
    "-----------------------------------------------------------------------------------------";

// Method of analysis.
inline constexpr const char* staticAllowed = "استفاده از روش تحليل استاتيكي معادل مجاز ميباشد";
inline constexpr const char* dynamicMandatory = "استفاده از روش تحليل ديناميكي اجباري ميباشد";

// Site-specific design spectrum.
inline constexpr const char* siteSpectrumMandatory =
    "براي اين سازه به کارگيري طيف طرح ويژه ساختگاه اجباري ميباشد";
inline constexpr const char* siteSpectrumIfDeepSoil =
    "براي اين سازه در صورتي كه بر روي لايه خاك نوع 2-ب و يا 3-ب با ضخامت خا ك بيش از 60 متر قرار "
    "گرفته باشد:";
inline constexpr const char* siteSpectrumIfDeepSoilThen =
    "   به کارگيري طيف طرح ويژه ساختگاه اجباري ميباشد";

// Dual systems.
inline constexpr const char* dualEachSet25 =
    "در سيستم دوگانه هر يك از دو مجموعه بايد مستقلاً حداقل 25 درصد برش پايه را تحمل نمايد";
inline constexpr const char* dualAllToWalls =
    "در اين سازه ميتوان به جاي توزيع بار به نسبت صلبيت عناصر باربر جانبي تمام نيروها را به "
    "ديوارهاي برشي يا مهاربندها داد";
inline constexpr const char* dualFrames30 =
    "    به شرط آنكه قابها بتوانند حداقل 30 درصد بارهاي جانبي را تحمل نمايند ";

// Flat slabs.
inline constexpr const char* noFlatSlabs =
    "در اين سازه استفاده از دال تخت يا قارچي به عنوان سيستم باربر جانبي بدون حضور ديوارهاي برشي "
    "يامهاربنديها مجاز نميباشد";

// Vertical earthquake: the load line is before + percentage + after.
inline constexpr const char* verticalLongSpans =
    "در تيرهاي با دهانه بيش از 15 متر بايد اثر نيروي عمودي زلزله را در نظر گرفت.";
inline constexpr const char* verticalConcentrated =
    "در تيرهاي که بار متمرکز وارد بر آنها بيش از نصف مجموع بارهاي وارد بر تير باشد, بايداثر نيروي "
    "عمودي زلزله را در نظر گرفت.";
inline constexpr const char* verticalLoadBefore = "بار عمودي زلزله بايد به مقدار ";
inline constexpr const char* verticalLoadAfter =
    "درصد بارهاي ثقلي (شامل بار مرده و تمام بارزنده) به صورت قايم رو به پايين در نظر گرفته شود";
inline constexpr const char* verticalCantilevers =
    "براي تيرهاي کنسول اين مقدار 2برابر و به صورت رفت و برگشتي و با چشمپوشي از اثر كاهنده بارهاي "
    "ثقلي در نظر گرفته ميشود";

// Parts and attachments: each line is label + percentage + percent.
inline constexpr const char* partsIntro =
    "اجزا ساختمان وقطعات الحاقي به ساختمان بايد براي نيروي جانبي معادل درصدي از وزن جز الحاقي "
    "محاسبه شوند. اين درصد به شرح زير ميباشد:";
inline constexpr const char* percent = "درصد";
inline constexpr std::array<const char*, 5> partsLabels = {
    "ديوارهاي خارجي و داخلي ساختمان و تيغه هاي جدا كننده در امتداد عمود بر ديوار:",
    "جانپناهها و ديوارهاي طره اي در امتداد عمود بر ديوار:",
    "اجزاء تزييني و داخلي و يا قسمتهاي الحاقي به ساختمان در هر امتداد:",
    "مخازن-برجها-دودكشها-وسائل و ماشين آلات در صورتيكه متصل به ساختمان و يا جزيي از آن باشندو "
    "سقفهاي كاذب در هر امتداد:",
    "اتصالات عناصر سازه اي پيش ساخته در هر امتداد:",
};

// Deformation compatibility: line 2 is text + factor x + text, line 3 factor y + text.
inline constexpr const char* compatibility1 =
    "تمام اجزاي سازه اي كه در سيستم مقاوم در برابر زلزله شركت نداشته ليكن از طريق ديافراگمهاي كفها "
    "با سيستم باربر جانبي مرتبط هستند بايد براي  ";
inline constexpr const char* compatibility2 =
    "آثار ناشي از تغيير مكان جانبي برابر تغيير مكان نسبي طبقه ضربدر ";
inline constexpr const char* compatibilityX = "براي جهت افقي و";
inline constexpr const char* compatibilityY =
    "براي جهت عمودي كنترل شود.در اين محاسبه در صورت لزوم بايد اثر پي-دلتا نيز منظور شود.";

// Partitions.
inline constexpr const char* partitions =
    "ديوارهاي جداكننده داخلي و ديوارهاي غير باربر نما بايد به طريقي به سازه متصل شوند كه محدوديتي "
    "در حركت سازه در امتداد صفحه ديوار ايجاد ننمايند";

// Serviceability earthquake.
inline constexpr const char* serviceability =
    "اين سازه بايد در برابر زلزله سطح بهره برداري محاسبه شود";
inline constexpr const char* serviceShearX = "برش پايه اين زلزله براي جهت افقي برابر ";
inline constexpr const char* serviceShearY = "برش پايه اين زلزله براي جهت عمودي برابر ";
inline constexpr const char* kilogram = "كيلوگرم ميباشد";
inline constexpr std::array<const char*, 6> serviceLimits = {
    "در اين زلزله تنشهاي ايجاد شده در اعضا و تغيير مكان جانبيي طبقات از حدود زير نبايد تجاوز "
    "نمايند:",
    "براي اين زلزله در صورت فولادي بودن سازه تنشهاي ايجاد شده در اعضا زير اثر بارهاي سطح بهره "
    "برداري از حد جاري شدن تجاوز ننمايد",
    "در سازه هاي بتن آرمه اثرهاي ناشي از تركيب بارهاي مختلف در شرايط بهره برداري از مقاومت نهايي "
    "عضو تجاوز ننمايد",
    "تغيير مكان نسبي طبقات  از 0/005 ارتفاع طبقه  تجاوز نكند",
    "در صورتيكه نوع و نحوه بكارگيري مصالح و سيستم اتصال قطعات غير سازه اي به گونه اي باشد كه اين "
    "قطعات بتوانند در برابر تغيير مكانهاي جانبي بيشتر و بدون خسارات عمده بر جا بمانند:",
    "بدون خسارات عمده سازه اي برجا بمانند: تغيير مكان نسبي طبقه تا 0/008 ارتفاع طبقه نيز مجاز است",
};

// Separation joint.
inline constexpr const char* jointBefore =
    "مقدار درز انقطاع بين اين سازه و ساختمان مجاور آن در بالاترين طبقه بايد برابر ";
inline constexpr const char* jointAfter = "سانتيمتر باشد";
inline constexpr const char* jointPerStory = "اين مقدار در هر يک از طبقات نبايد از";
inline constexpr const char* jointPerStoryX = "برابر تغيير مکان جانبي نسبي جهت افقي براي اين جهت و";
inline constexpr const char* jointPerStoryY =
    "برابر تغيير مکان جانبي نسبي جهت عمودي در اين جهت کمتر باشد";
}  // namespace form21_texts

// Logic of the recommendations window: the list is filled by RUN3; OK returns to the main
// window.
class Form21 {
public:
  explicit Form21(Session& session) : s_(session) {}
  void OK_Click();

private:
  Session& s_;
};

}  // namespace vorn
