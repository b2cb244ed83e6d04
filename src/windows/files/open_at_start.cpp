#include "windows/files/open_at_start.h"

#include <filesystem>

#include "fileformat/project_file.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/files/open_project.h"

namespace vorn {

namespace fs = std::filesystem;

bool openProjectAtStart(Session& s, const std::string& path)
{
  if (path.empty()) {
    s.prompter.message(form26_texts::emptyNameOnOpen, kProgramTitle);
    return false;
  }
  std::error_code ec;
  fs::path file = fs::absolute(fs::path(path), ec);
  if (ec) {
    file = fs::path(path);
  }
  file = file.lexically_normal();
  const ProjectFileRead read = readProjectFile(file.string());
  if (!read.ok()) {
    s.prompter.message(read.missing ? std::string(form26_texts::missingFile) : read.error,
                       form26_texts::errorTitle);
    return false;
  }
  openProjectLines(s, read.lines);
  // As after the file dialog's OK: the main window comes back enabled, in front.
  returnTo(s.project, WindowId::Form26, WindowId::form1);

  // The file dialog keeps the folder and the name; Save composes its path from them.
  s.form26.Dir1_Change(file.parent_path().string());
  s.form26.Text1_Change(file.filename().string());
  if (s.form26.composedPath() == file.string()) {
    s.project.HASFILE = true;
    s.project.window(WindowId::form1).caption = form26_texts::savedMainCaption;
  } else {
    s.project.HASFILE = false;
  }
  return true;
}

}  // namespace vorn
