#include "windows/report/note_export.h"

#include <ctime>

#include "fileformat/file_texts.h"
#include "fileformat/replace_file.h"
#include "session/session.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/report/report_file.h"

namespace vorn {

std::string exportFailure(const std::string& path, const std::string& reason)
{
  return std::string(report_file_texts::notWrittenBefore) + "\"" + path + "\"" +
         report_file_texts::notWrittenAfter + reason;
}

std::optional<std::string> exportTargetProblem(const std::string& path,
                                               const std::string& projectPath)
{
  if (path.empty()) {
    return exportFailure(path, report_file_texts::noPath);
  }
  if (!projectPath.empty() && sameFile(path, projectPath)) {
    return exportFailure(path, file_texts::reportIsProject);
  }
  const FileLookup found = lookUpFile(path);
  if (found.kind == FileKind::Other) {
    return exportFailure(path, file_texts::reportNotRegular);
  }
  if (found.kind == FileKind::Folder) {
    return exportFailure(path, file_texts::isFolder);
  }
  return std::nullopt;
}

std::optional<std::string> writeExportFile(const std::string& path, const std::string& projectPath,
                                           const std::string& bytes)
{
  if (auto problem = exportTargetProblem(path, projectPath)) {
    return problem;
  }
  if (auto problem = replaceFile(path, bytes)) {
    return exportFailure(path, *problem);
  }
  return std::nullopt;
}

NoteTitle noteTitleFor(const std::string& projectPath)
{
  NoteTitle title;
  const std::size_t slash = projectPath.find_last_of('/');
  title.projectFile = slash == std::string::npos ? projectPath : projectPath.substr(slash + 1);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char text[16] = {};
  if (localtime_r(&now, &local) != nullptr &&
      std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0) {
    title.date = text;
  }
  return title;
}

std::string projectPathOf(Session& session)
{
  return session.project.HASFILE ? session.form26.composedPath() : std::string();
}

bool exportNote(Session& session, const NoteTitle& typed, const std::string& path,
                const NoteWriter& writer)
{
  const std::string projectPath = projectPathOf(session);
  NoteTitle title = noteTitleFor(projectPath);
  title.projectTitle = typed.projectTitle;
  title.engineer = typed.engineer;
  title.organisation = typed.organisation;
  std::optional<std::string> problem = exportTargetProblem(path, projectPath);
  if (!problem) {
    if (auto reason = writer(buildNoteDocument(session.project, title), path)) {
      problem = exportFailure(path, *reason);
    }
  }
  if (problem) {
    session.prompter.message(*problem, report_file_texts::errorTitle);
    return false;
  }
  return true;
}

}  // namespace vorn
