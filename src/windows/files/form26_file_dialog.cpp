#include "windows/files/form26_file_dialog.h"

#include <algorithm>
#include <filesystem>

#include "fileformat/project_file.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/files/open_project.h"

namespace vorn {

namespace fs = std::filesystem;

namespace {

bool endsWith(const std::string& s, const std::string& tail)
{
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// "*.EQ" lists the files whose extension is EQ in any letter case; "*.*" lists every file.
bool matches(const std::string& name, const std::string& pattern)
{
  if (pattern == "*.*") {
    return true;
  }
  const std::string ext = pattern.substr(1);  // ".EQ"
  if (name.size() < ext.size()) {
    return false;
  }
  return std::equal(ext.begin(), ext.end(), name.end() - static_cast<std::ptrdiff_t>(ext.size()),
                    [](char a, char b) {
                      return std::toupper(static_cast<unsigned char>(a)) ==
                             std::toupper(static_cast<unsigned char>(b));
                    });
}

}  // namespace

Form26::Form26(Session& session) : s_(session)
{
  // Form load: the two file types, and the process's own folder.
  c_.Combo1.items = {form26_texts::typeEq, form26_texts::typeAll};
  c_.Combo1.index = 0;
  c_.drives = {"/"};
  c_.drive = "/";
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  c_.dir = ec ? std::string("/") : cwd.string();
  c_.fileFolder = c_.dir;
  refreshDirItems();
  refreshFileList();
}

void Form26::def()
{
  snapshot_ = {c_.fileFolder, c_.drive, c_.dir, c_.Text1.text};
}

void Form26::candef()
{
  c_.fileFolder = snapshot_.fileFolder;
  c_.drive = snapshot_.drive;
  c_.dir = snapshot_.dir;
  c_.Text1.text = snapshot_.text;
  refreshDirItems();
  refreshFileList();
}

void Form26::recordButtonState()
{
  Project& p = s_.project;
  for (int k = 1; k <= 16; ++k) {
    p.ButtonState[k] = p.form1.Command[k].enabled;
  }
  p.ButtonState[17] = p.form1.Check11.enabled;
}

void Form26::showDialog(const char* caption)
{
  openOver(s_.project, WindowId::form1, WindowId::Form26);
  s_.project.window(WindowId::Form26).caption = caption;
  c_.pattern = "*.EQ";
  c_.Combo1.index = 0;
  refreshFileList();
}

void Form26::MENOPEN_Click()
{
  showDialog(form26_texts::openCaption);
  def();
}

void Form26::MENSAVEAS_Click()
{
  def();
  recordButtonState();
  showDialog(form26_texts::saveCaption);
}

void Form26::MENSAVE_Click()
{
  def();
  recordButtonState();
  if (!s_.project.HASFILE) {
    showDialog(form26_texts::saveCaption);
    return;
  }
  savefile();
  errore = false;  // without the dialog there is nothing to keep open
}

void Form26::Combo1_Click(int index)
{
  c_.Combo1.index = static_cast<std::int16_t>(index);
  c_.pattern = index == 1 ? "*.*" : "*.EQ";
  refreshFileList();
}

void Form26::Drive1_Change(const std::string& drive)
{
  c_.drive = drive;
  c_.dir = drive;
  c_.fileFolder = c_.dir;
  refreshDirItems();
  refreshFileList();
}

void Form26::Dir1_Change(const std::string& folder)
{
  c_.dir = folder;
  const fs::path root = fs::path(folder).root_path();
  c_.drive = root.empty() ? std::string("/") : root.string();
  c_.fileFolder = c_.dir;
  refreshDirItems();
  refreshFileList();
}

void Form26::Dir1_Click(int index)
{
  if (index >= 0 && index < static_cast<int>(c_.dirItems.size())) {
    const std::string folder = c_.dirItems[static_cast<std::size_t>(index)];  // the list changes
    Dir1_Change(folder);
  }
}

void Form26::File1_Click(int index)
{
  if (index >= 0 && index < static_cast<int>(c_.files.size())) {
    c_.Text1.text = c_.files[static_cast<std::size_t>(index)];
  }
}

std::string Form26::composedPath() const
{
  std::string path = c_.fileFolder;
  if (!endsWith(path, "/")) {
    path += '/';
  }
  path += c_.Text1.text;
  if (!endsWith(c_.Text1.text, ".EQ")) {
    path += ".EQ";
  }
  return path;
}

void Form26::savefile()
{
  const std::string path = composedPath();
  std::error_code ec;
  if (fs::exists(path, ec) && s_.project.window(WindowId::Form26).visible) {
    if (!s_.prompter.askYesNo(form26_texts::overwriteQuestion, form26_texts::overwriteTitle)) {
      return;
    }
  }
  if (c_.Text1.text.empty()) {
    s_.prompter.message(form26_texts::emptyNameOnSave, kProgramTitle);
    errore = true;
    return;
  }
  if (auto failure = writeProjectFile(s_.project, path)) {
    s_.prompter.message(*failure, form26_texts::errorTitle);
    errore = true;
    return;
  }
  refreshFileList();
}

void Form26::openfile()
{
  if (c_.Text1.text.empty()) {
    s_.prompter.message(form26_texts::emptyNameOnOpen, kProgramTitle);
    errore = true;
    return;
  }
  const ProjectFileRead read = readProjectFile(composedPath());
  if (!read.ok()) {
    s_.prompter.message(read.missing ? std::string(form26_texts::missingFile) : read.error,
                        form26_texts::errorTitle);
    errore = true;
    return;
  }
  openProjectLines(s_, read.lines);
  refreshFileList();
}

void Form26::OK_Click()
{
  if (s_.project.window(WindowId::Form26).caption == form26_texts::saveCaption) {
    savefile();
  } else {
    openfile();
  }
  if (errore) {
    errore = false;
    return;
  }
  returnTo(s_.project, WindowId::Form26, WindowId::form1);
  s_.project.HASFILE = true;
  s_.project.window(WindowId::form1).caption = form26_texts::savedMainCaption;
}

void Form26::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form26, WindowId::form1);
}

void Form26::refreshDirItems()
{
  c_.dirItems.clear();
  fs::path folder(c_.dir);
  std::vector<std::string> ancestors;
  for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
    ancestors.push_back(p.string());
    if (p == p.parent_path()) {
      break;
    }
  }
  c_.dirItems.assign(ancestors.rbegin(), ancestors.rend());
  std::vector<std::string> subfolders;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      subfolders.push_back(it->path().string());
    }
  }
  std::sort(subfolders.begin(), subfolders.end());
  c_.dirItems.insert(c_.dirItems.end(), subfolders.begin(), subfolders.end());
}

void Form26::refreshFileList()
{
  c_.files.clear();
  std::error_code ec;
  for (fs::directory_iterator it(c_.fileFolder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(typeError) && matches(name, c_.pattern)) {
      c_.files.push_back(name);
    }
  }
  std::sort(c_.files.begin(), c_.files.end());
}

}  // namespace vorn
