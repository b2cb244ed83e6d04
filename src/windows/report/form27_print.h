#pragma once

#include <array>
#include <string>

namespace vorn {

class ReportDevices;
class Session;

// Texts of the report dialog.
namespace form27_texts {
inline constexpr const char* caption = "PRINT TABLES";
inline constexpr const char* inputHeading = "اطلاعات ورودي";
inline constexpr const char* outputHeading = "اطلاعات خروجي";
inline constexpr const char* browse = "BROWSE";
inline constexpr const char* selectAll = "SELECT ALL";
inline constexpr const char* deselectAll = "DESELECT ALL";
inline constexpr const char* ok = "OK";
inline constexpr const char* cancel = "CANCEL";
inline constexpr const char* saveTitle = "select *.txt file for save";
inline constexpr const char* saveFilter = "text file(*.txt)|*.txt";
inline constexpr const char* saveDefaultExt = "txt";
inline constexpr const char* scratchFile = "printfile";
inline constexpr const char* printerFont = "LOTUS";
// Check1 … Check10 are the ten tables, Check11 writes the report to a text file.
inline constexpr std::array<const char*, 11> checks = {
    "مشخصات کلي سازه",
    "مشخصات بارها و ابعاد طبقات",
    "اطلاعات ورودي جهت محاسبه پيچش و واژگوني",
    "تغيير مکانهاي طبقات",
    "برش طبقات طبق روش استاتيکي معادل",
    "محاسبات پيچش و واژگوني",
    "توصيه هاي طراحي",
    "طيف طرح استاندارد براي تحليل  ديناميکي طيفي",
    "تغيير مکانهاي مجاز طبقات",
    "محاسبات پي دلتا",
    "PRINT TO TEXT FILE:",
};
inline constexpr int printerFontSize = 10;
inline constexpr const char* printFailed = "گزارش چاپ نشد: ";
inline constexpr const char* printFailedTitle = "errore BOX";
inline constexpr const char* printerNotStarted = "چاپگر يا فايل خروجي آن باز نشد";
inline constexpr const char* printerError = "چاپگر در حين چاپ خطا داد";
}  // namespace form27_texts

// The save dialog's filter "description|pattern" in the form "description (pattern)"; a
// description that already ends in the pattern in brackets is not given it twice.
std::string dialogNameFilter(const std::string& filter);

// Logic of the report dialog "PRINT TABLES": which tables go into the report, and whether it is
// written to a text file and shown or printed.
class Form27 {
public:
  explicit Form27(Session& session);

  // The platform's save dialog and printer; without them nothing can be chosen or printed.
  void setDevices(ReportDevices* devices);

  // The main window's print command: open over the main window and take the snapshot.
  void open();
  // Snapshot of the eleven ticks and the path box (with BROWSE and OK), for CANCEL.
  void def();
  // Puts the snapshot back.
  void candef();

  // A table's check box (1 … 10) or "PRINT TO TEXT FILE:" (11) took a new value.
  void Check_Click(int k, int value);
  // "PRINT TO TEXT FILE:" changed: the path box and BROWSE are open exactly while it is ticked,
  // and OK is open unless it is ticked with no path.
  void Check11_Click();
  // The path typed into the box; OK follows the same rule.
  void Text1_Change(const std::string& text);
  // SELECT ALL / DESELECT ALL: tick or clear the ten tables, available or not.
  void Command1_Click();
  void Command2_Click();
  // BROWSE: the save dialog; a chosen name goes into the path box.
  void Command3_Click();

  // Writes the chosen tables and shows the report or prints it.
  void OK_Click();
  void CANCEL_Click();
  // The window frame's close button does what CANCEL does.
  void Form_QueryUnload() { CANCEL_Click(); }

private:
  void applyOkRule();
  void backToDialog();

  Session& s_;
  ReportDevices* devices_;
  struct Snapshot {
    std::array<int, 11> checks{};
    bool pathEnabled = false;
    std::string path;
    bool browseEnabled = false;
    bool okEnabled = true;
  } snapshot_;
};

}  // namespace vorn
