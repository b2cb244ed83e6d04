#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/project.h"

namespace vorn {

// Texts of the report lines. A label is followed directly by its value.
namespace report_texts {
inline constexpr const char* generalHeading = "اطلاعات ورودي";
inline constexpr const char* torsionInputHeading = "اطلاعات ورودي جهت محاسبه پيچش و واژگوني";
inline constexpr const char* torsionHeading = "محاسبات پيچش و واژگوني";
inline constexpr const char* recommendationHeading = "توصيه هاي طراحي";
inline constexpr const char* siteFromCity = "نام استان و شهر محل ساخت=";
inline constexpr const char* provinceCitySeparator = "   ";
inline constexpr const char* siteChosenDirectly = "نام استان و شهر محل ساخت سازه=";
inline constexpr const char* siteUnknown = "  ?  ";
inline constexpr const char* aLabel = "A=";
inline constexpr const char* aUnit = "(شتاب مبناي طرح )";
inline constexpr const char* soilLabel = "نوع زمين سازه= ";
inline constexpr const char* systemX = "=سيستم مقاوم جهت افقي";
inline constexpr const char* rLabel = "  R=";
inline constexpr const char* systemY = "=سيستم مقاوم جهت عمودي";
inline constexpr const char* storyCount = "تعداد طبقات سازه=";
inline constexpr const char* height = "ارتفاع سازه از روي تراز پايه بر حسب متر=";
inline constexpr const char* noInfillX = "سازه بدون ميانقاب در جهت افقي";
inline constexpr const char* noInfillY = "سازه بدون ميانقاب در جهت عمودي";
inline constexpr const char* irregular = "سازه غير منظم";
inline constexpr const char* empiricalPeriod = "محاسبه پريود سازه با فرمول تجربي ميباشد";
inline constexpr const char* analyticalPeriod = "پريود سازه از فرمول تحليلي=";
inline constexpr const char* storyHeading = "مشخصات طبقه  شماره ";
inline constexpr const char* fdimX = "بعد افقي سازه با احتساب  بيرون آمدگي پيها بر حسب متر=";
inline constexpr const char* fdimY = "بعد عمودي سازه با احتساب  بيرون آمدگي پيها بر حسب متر=";
inline constexpr const char* fthk = "ضخامت پي بر حسب متر=";
inline constexpr const char* originNote =
    "توضيح : گوشه سمت چپ سازه به عنوان مبدا مختصات در نظر گرفته شده است";
inline constexpr const char* driftHeading = "تغيير مکان نسبي طبقات";
inline constexpr const char* driftX = "تغيير مکان ميانگين جهت افقي طبقه شماره";
inline constexpr const char* driftUnit = "بر حسب سانتيمتر";
inline constexpr const char* driftMaxX = "تغيير مکان ماکزيمم جهت افقي طبقه شماره";
inline constexpr const char* driftY = "تغيير مکان ميانگين جهت عمودي طبقه شماره";
inline constexpr const char* driftMaxY = "تغيير مکان ماکزيمم جهت عمودي طبقه شماره";
inline constexpr const char* weightBefore = "وزن موثر طبقه شماره ";
inline constexpr const char* weightAfter = "بر حسب کيلوگرم=";
inline constexpr const char* forceXBefore = "برش افقي طبقه شماره ";
inline constexpr const char* forceAfter = "برحسب کيلوگرم=";
inline constexpr const char* forceYBefore = "برش عمودي طبقه شماره ";
inline constexpr const char* diaphragmXBefore = "برش افقي وارد بر ديافراگم طبقه شماره ";
inline constexpr const char* diaphragmYBefore = "برش عمودي وارد بر ديافراگم طبقه شماره ";
inline constexpr const char* torsionStoryUnit = "   واحد :کيلوگرم و متر";
inline constexpr const char* spectrumHeading = "طيف طرح استاندارد براي تحليل ديناميکي طيفي";
inline constexpr const char* spectrumColumns =
    "زمان(ثانيه)&&ضريب شتاب طيفي جهت افقي&&ضريب شتاب طيفي جهت عمودي";
inline constexpr const char* allowableHeading = "تغيير مكانهاي نسبي مجاز طبقات بر حسب سانتيمتر";
inline constexpr const char* storyNumber = "شماره طبقه";
inline constexpr const char* allowableX = "&&تغيير مکان نسبي مجاز جهت افقي";
inline constexpr const char* allowableY = "&&تغيير مکان نسبي مجاز جهت عمودي";
inline constexpr const char* pdeltaHeading = "محاسبات پي دلتا-واحد:کيلوگرم و سانتيمتر";
inline constexpr const char* pdeltaAddedX = "&برش اضافي جهت افقي طبقه";
inline constexpr const char* pdeltaTotalX = "&برش کل جهت افقي طبقه";
inline constexpr const char* pdeltaAddedY = "&برش اضافي جهت عمودي طبقه";
inline constexpr const char* pdeltaTotalY = "&برش کل جهت عمودي طبقه";
inline constexpr const char* negligible = "قابل صرفنظر";
inline constexpr const char* negligibleOut = "NEGLECT";
inline constexpr const char* unstable = "طبقه ناپايدار";
inline constexpr const char* unstableOut = "NOTSTABLE STORY";
inline constexpr std::array<const char*, 10> storyLabels = {
    "مساحت طبقه بر حسب متر=",
    "بار مرده بر حسب کيلوگرم بر  متر مربع=",
    "بار زنده بر حسب کيلوگرم بر  متر مربع=",
    "درصد مشارکت بار زنده بر حسب کيلوگرم بر  متر مربع=",
    "محيط ديوار پيراموني بر حسب متر=",
    "ارتفاع ديوار پيراموني بر حسب متر=",
    "درصد گشايش در ديوارهاي پيراموني=",
    "وزن متر مربع ديوار بر حسب کيلوگرم بر متر مربع=",
    "بارهاي اضافي ديگر بر حسب کيلوگرم=",
    "ارتفاع نسبي طبقه بر حسب متر= ",
};
inline constexpr std::array<const char*, 8> torsionLabels = {
    "بعد افقي متوسط طبقه بر حسب متر",
    "بعد عمودي متوسط طبقه بر حسب متر",
    "فاصله افقي مرکز جرم طبقه و مبدا بر حسب متر ",
    "فاصله عمودي مرکز جرم طبقه و مبدا بر حسب متر ",
    "فاصله افقي مرکز سختي طبقه و مبدا بر حسب متر ",
    "فاصله عمودي مرکز سختي طبقه و مبدا بر حسب متر ",
    "ضريب بزرگنمايي برون از مرکزي اتفاقي براي جهت افقي ",
    "ضريب بزرگنمايي برون از مرکزي اتفاقي براي جهت عمودي ",
};
}  // namespace report_texts

// Every line starts with this many blanks; the first line of the torsion safety factors with twice
// as many.
inline constexpr int kReportIndent = 18;
// The rule closing a table, the one closing the recommendations, the story separator and the
// drift separator.
inline constexpr int kRuleLength = 92;
inline constexpr int kRecommendationRuleLength = 93;
inline constexpr int kStorySeparatorLength = 39;
inline constexpr int kDriftSeparatorLength = 23;

// True when at least one of the ten tables is ticked in the report dialog.
bool anyTableTicked(const Project& project);

// Whether table k (1 … 10) goes into the report: ticked, and for tables 2 to 10 also available.
bool tableIncluded(const Project& project, int k);

// The report lines (UTF-8, no line ends) for the tables chosen in the report dialog: the rule
// line, then each included table in the order 1 to 10.
std::vector<std::string> composeReport(const Project& project);

}  // namespace vorn
