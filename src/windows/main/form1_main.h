#pragma once

#include <array>
#include <string>

namespace vorn {

class Session;

// Texts of the main window.
namespace form1_texts {
inline constexpr const char* caption = "VORN";
inline constexpr std::array<const char*, 16> commands = {
    "انتخاب منطقه محل ساخت سازه",
    "انتخاب نوع زمين سازه",
    "انتخاب درجه اهميت سازه",
    "انتخاب نوع سيستم مقاوم سازه اي جهت افقي",
    "انتخاب نوع سيستم مقاوم سازه اي جهت عمودي",
    "انتخاب ابعاد و مشخصات سازه",
    "درباره VORN",
    "مشاهده خلاصه اطلاعات ورودي",
    "اجرا و مشاهده نيروهاي جانبي طبقات به روش استاتيكي",
    "ورود يا اصلاح  اطلاعات جهت محاسبه پيچش و واژگوني",
    " خلاصه  اطلاعات ورودي جهت محاسبه پيچش و واژگوني",
    "مشاهده نتايج محاسبات واژگوني و لنگرهاي پيچشي",
    "مشاهده برخي نكات آيين نامه اي راجع به اين سازه",
    "مشاهده طيف طرح استاندارد براي تحليل ديناميكي طيفي",
    "مشاهده تغيير مكانهاي مجاز طبقات",
    "ورود اطلاعات جهت محاسبه پي -دلتا",
};
inline constexpr const char* check11 = "بازگشت به شرايط قبل از اجراي برنامه";
inline constexpr const char* newButton = "NEW";
inline constexpr const char* endButton = "END";
inline constexpr const char* menuFile = "&FILE";
inline constexpr const char* menuNew = "&NEW";
inline constexpr const char* menuOpen = "&OPEN";
inline constexpr const char* menuSave = "&SAVE";
inline constexpr const char* menuSaveAs = "S&AVEAS";
inline constexpr const char* menuPrint = "&PRINT";
inline constexpr const char* menuExit = "E&XIT";

inline constexpr const char* newQuestion = "مطمئنيد كه ميخواهيد فايل جديدي را شروع كنيد؟";
inline constexpr const char* newTitle = "WARNING BOX";
inline constexpr const char* exitQuestion = "آيا مطمئنيد كه ميخواهيد از برنامه خارج شويد؟";
inline constexpr const char* exitTitle = "warning box";
inline constexpr const char* resetQuestion =
    "كليك اين دستور اطلاعات مربوط به  اجراي برنامه را از بين ميبرد و برنامه را به شرايط قبل از "
    "اجراي برنامه بازمي گرداند";
inline constexpr const char* resetTitle = "warning box";
}  // namespace form1_texts

// Logic of the main window: the workflow commands, new project, exit and the reset check box.
class Form1 {
public:
  explicit Form1(Session& session) : s_(session) {}

  // A workflow button (1 … 16, named by MainCommand): opens its dialog or view, or runs its
  // step. Another number throws std::out_of_range.
  void Command_Click(int k);

  void NEW_Click() { NW(); }
  void MENNEW_Click() { NW(); }
  void END_Click() { ed(); }
  void MENEXIT_Click() { ed(); }
  // Closing the window through its frame asks the exit question too; true lets it close.
  bool Form_QueryUnload();

  // The reset check box took a new value (by the user's click or by reading a project file).
  void Check11_Click(int value);

  // New project: asks, then returns the project to its state after New.
  void NW();
  // Exit: asks, and on Yes marks the session for leaving.
  void ed();

  // The enabled states that the end of the static run leaves: inputs locked, the
  // recommendations, allowable drifts, P-Delta and reset available.
  void lockInputsAfterRun();

private:
  Session& s_;
};

}  // namespace vorn
