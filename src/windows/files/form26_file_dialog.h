#pragma once

#include <string>
#include <vector>

#include "model/controls.h"

namespace vorn {

class Session;

namespace form26_texts {
inline constexpr const char* saveCaption = "SAVEAS...";
inline constexpr const char* openCaption = "open as...";
inline constexpr const char* filesOfType = "FILES OF TYPE:";
inline constexpr const char* fileName = "FILENAME:";
inline constexpr const char* typeEq = "EQ";
inline constexpr const char* typeAll = "ALL FILES";
inline constexpr const char* overwriteQuestion =
    "اين فايل هم اکنون موجود ميباشد . آيا ميخواهيد اين فايل را بازسازي نماييد؟";
inline constexpr const char* overwriteTitle = "WARNING BOX";
inline constexpr const char* emptyNameOnSave = "لطفا يک اسم قابل قبول براي فايل وارد نماييد";
inline constexpr const char* emptyNameOnOpen = "PLEASE ENTER AN ACCEPTABLE NAME FOR FILE";
inline constexpr const char* missingFile =
    "اين فايل با نام و آدرس وارد شده موجود نميباشد . لطفا نام و آدرس فايل را اصلاح نماييد";
inline constexpr const char* errorTitle = "errore BOX";
inline constexpr const char* savedMainCaption = "VORN   ";
}  // namespace form26_texts

// State of the file dialog. It belongs to the running program, not to the project: a new
// project leaves the folder and name where they were.
struct Form26Controls {
  std::vector<std::string> drives;    // Drive1: the file-system roots
  std::string drive;                  // the chosen root
  std::string dir;                    // Dir1: the folder shown
  std::vector<std::string> dirItems;  // the folder's ancestors from the root, then its subfolders
  std::string fileFolder;             // File1: the folder whose files are listed
  std::string pattern = "*.EQ";       // File1: which files are listed
  std::vector<std::string> files;     // File1: the names listed
  ComboBox Combo1;                    // file type
  TextBox Text1;                      // file name
};

// The open and save dialog and the project file commands.
class Form26 {
public:
  explicit Form26(Session& session);

  const Form26Controls& controls() const { return c_; }

  // Menu commands of the main window.
  void MENOPEN_Click();
  void MENSAVE_Click();
  void MENSAVEAS_Click();

  void def();
  void candef();

  void Combo1_Click(int index);
  void Drive1_Change(const std::string& drive);
  void Dir1_Change(const std::string& folder);
  // A folder chosen in Dir1 by its place in dirItems.
  void Dir1_Click(int index);
  void File1_Click(int index);
  void Text1_Change(const std::string& text) { c_.Text1.text = text; }
  void OK_Click();
  void CANCEL_Click();

  // Writes the project to the composed path; sets errore when it refuses.
  void savefile();
  // Reads the project at the composed path and completes the load; sets errore when it refuses.
  void openfile();

  // The path from the file list's folder and the name box: ".EQ" is added unless the name
  // already ends in it (compared case-sensitively).
  std::string composedPath() const;

  bool errore = false;

private:
  void recordButtonState();
  void showDialog(const char* caption);
  void refreshFileList();
  void refreshDirItems();

  Session& s_;
  Form26Controls c_;
  struct Snapshot {
    std::string fileFolder, drive, dir, text;
  } snapshot_;
};

}  // namespace vorn
