#pragma once

#include <array>

#include "windows/structure/help_section.h"

namespace vorn {

class Session;

// Texts of the soil dialog.
namespace form3_texts {
inline constexpr const char* caption = "انتخاب نوع زمين سازه";
inline constexpr std::array<const char*, 4> options = {
    "زمين نوع1(TS=0.4,T0=0.1)", "زمين نوع2(TS=0.5,T0=0.1)", "زمين نوع3(TS=0.7,T0=0.15)",
    "زمين نوع4(TS=1,T0=0.15)"};
inline constexpr const char* command1 = "راهنمايي جهت انتخاب نوع زمين سازه";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form3_texts

// Texts of the soil help window: each soil type with its two kinds of ground.
namespace form4_texts {
inline constexpr const char* caption = "راهنمايي جهت انتخاب نوع زمين سازه";
inline constexpr const char* type1[] = {
    "الف-سنگهاي آذرين(داراي بافت درشت وريزدانه) سنگهاي رسوبي سخت و بسيار مقاوم و سنگهاي دگرگوني "
    "توده اي",
    "ب-خاكهاي سخت (شن و ماسه متراكم- رس بسيار سخت) با ضخامت كمتر از 30 متر"};
inline constexpr const char* type2[] = {
    "الف-سنگهاي آذرين سست(مانند توف) سنگهاي سست رسوبي سنگهاي دروني متورق و به طور كلي سنگهايي كه "
    "در اثر هوازدگي ( تجزيه و تخريب )سست شده است",
    "ب-خاكهاي سخت(شن و ماسه متراكم رس بسيار سخت) با ضخامت بيش از 30 متر"};
inline constexpr const char* type3[] = {
    "الف-سنگهاي متلاشي شده در اثر هوازدگي",
    "ب-خاكهاي با تراكم متوسط طبقات شن وماسه با پيوند متوسط بين دانه اي و رس با سختي متوسط"};
inline constexpr const char* type4[] = {
    "الف-نهشته هاي نرم با رطوبت زياد در اثر بالا بودن سطح آب زيرزميني",
    "ب-هرگونه پروفيل خاك كه شامل حداقل 6 متر خاك رس با انديس خميري بيشتر از20 و درصد رطوبت بيشتر "
    "از 40 باشد"};
inline constexpr std::array<HelpSection, 4> sections = {{
    {"زمين نوع1", type1},
    {"زمين نوع2", type2},
    {"زمين نوع3", type3},
    {"زمين نوع4", type4},
}};
inline constexpr const char* command1 = "OK";
}  // namespace form4_texts

// Spectrum parameters of a soil type (periods in s).
struct SoilType {
  double TS;
  double T0;
  double S;
};
// Soil types 1 to 4, in the order of the options. Type 4 takes S from A (soilType4S).
inline constexpr std::array<SoilType, 4> kSoilTypes = {{
    {0.4, 0.1, 1.5},
    {0.5, 0.1, 1.5},
    {0.7, 0.15, 1.75},
    {1.0, 0.15, 2.25},
}};

// Soil type 4 is the only one whose upper corner period is 1 s.
inline bool isSoilType4(double TS)
{
  return TS == 1.0;
}
// S of soil type 4: 1.75 in the zones of A = 0.30 and 0.35, 2.25 in those of A = 0.20 and 0.25.
// A value between the zones goes to the nearer one.
inline double soilType4S(double a)
{
  return a > 0.275 ? 1.75 : 2.25;
}

// Logic of the soil dialog: the soil type sets T0, TS and S.
class Form3 {
public:
  explicit Form3(Session& session) : s_(session) {}

  // The main window's command: load and snapshot, then open over the main window.
  void open();
  // Snapshot of the four options, for CANCEL.
  void def();
  void candef();

  void Option1_Click(int index);
  // The help button opens the help window over the dialog.
  void Command1_Click();
  // Sets T0, TS and S of the chosen soil (none chosen: they stay).
  void OK_Click();
  void CANCEL_Click();

private:
  Session& s_;
};

// Logic of the soil help window: its one button returns to the soil dialog.
class Form4 {
public:
  explicit Form4(Session& session) : s_(session) {}
  void Command1_Click();

private:
  Session& s_;
};

}  // namespace vorn
