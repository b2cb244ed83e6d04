#pragma once

#include <array>

#include "windows/structure/help_section.h"

namespace vorn {

class Session;

// Texts of the importance dialog.
namespace form5_texts {
inline constexpr const char* caption = "انتخاب درجه اهميت سازه";
inline constexpr std::array<const char*, 4> options = {
    "سازه با درجه اهمييت كم(I=0.8)", "ساز ه با درحه اهميت متوسط(I=1)",
    "سازه با درجه اهميت زياد(I=1.2)", "سازه با درجه اهميت خيلي زياد(I=1.4)"};
inline constexpr const char* command1 = "راهنمايي جهت انتخاب درجه اهميت سازه";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
}  // namespace form5_texts

// Texts of the importance help window: each category with the buildings it holds.
namespace form6_texts {
inline constexpr const char* caption = "راهنمايي جهت انتخاب درجه اهميت سازه";
inline constexpr const char* veryHigh[] = {
    "بناهاي ضروري كه قابل استفاده بودن آنها پس از وقوع زلزله اهميت خاص دارد و وقفه در بهره برداري "
    "از آنهابطور غير مستقيم موجب افزايش تلفات و خسارات در منيطق زلزله زده ميشود مانند بيمارستانها "
    "و درمانگاهها-مراكز آتش نشاني -مراكز و تاسيسات آبرساني - نيروگاهها-تاسيسات "
    "برقرساني-راديووتلويزيون -تاسيسات انتظامي و مراكز كمكرساني"};
inline constexpr const char* high[] = {
    "ساختمانهايي كه خرابي آنها موجب تلفات زياد ميشود مانند مدارس - مساجد - استاديومها- "
    "سينماوتئاترها",
    "ساختمانهايي كه از بين رفتن آنها سبب از بين رفتن ثروت ملي ميشودمانند موزه ها -كتابخانه هاو "
    "بطور كلي مراكزي كه در آنها  اسناد و مدارك ملي و يا آثار پرارزش نگهداري ميشود",
    "ساختمانها و تاسيسات صنعتي كه خرابي آنها موجب آلودگي محيط زيست و يا  آتش سوزي وسيع ميشود "
    ".مانند پالايشگاهها-انبارهاي سوخت و مراكز گاز رساني"};
inline constexpr const char* medium[] = {
    "ساختمانهايي كه خرابي آنها تلفات قابل توجه به وجود مي آورد . مانند ساختمانهاي مسكوني و اداري و "
    "تجاري- هتلها  پاركينگهاي چندطبقه و آ“ن دسته از ساختمانهاي صنعتي كه جزو گروه يك نميباشند."};
inline constexpr const char* low[] = {
    "ساختمانهايي كه تلفات نسبتاً كمي از خرابي آنها حادث ميشود و احتمال بروز تلفات در آنها بسيار كم "
    "است",
    "ساختمانهاي موقت كه مدت بهره برداري از آنها كمتر از 2 سال ميباشد"};
inline constexpr std::array<HelpSection, 4> sections = {{
    {"ساختمانهاي با درجه اهميت خيلي زياد", veryHigh},
    {"ساختمانهاي با درجه اهميت زياد", high},
    {"ساختمانهاي با درجه اهميت متوسط", medium},
    {"ساختمانهاي با درجه اهميت كم", low},
}};
inline constexpr const char* ok = "OK";
}  // namespace form6_texts

// Importance factor I of each option.
inline constexpr std::array<double, 4> kImportanceFactors = {0.8, 1.0, 1.2, 1.4};

// Logic of the importance dialog: the category sets the importance factor i.
class Form5 {
public:
  explicit Form5(Session& session) : s_(session) {}

  // The main window's command: load and snapshot, then open over the main window.
  void open();
  // Snapshot of the four options, for CANCEL.
  void def();
  void candef();

  void Option1_Click(int index);
  // The help button opens the help window over the dialog.
  void Command1_Click();
  // Sets i of the chosen category (none chosen: it stays).
  void OK_Click();
  void CANCEL_Click();

private:
  Session& s_;
};

// Logic of the importance help window: its one button returns to the importance dialog.
class Form6 {
public:
  explicit Form6(Session& session) : s_(session) {}
  void OK_Click();

private:
  Session& s_;
};

}  // namespace vorn
