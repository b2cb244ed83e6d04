#include "windows/report/form27_print.h"

#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/report/form28_output.h"
#include "windows/report/report_composer.h"
#include "windows/report/report_devices.h"
#include "windows/report/report_file.h"

namespace vorn {

namespace {

// Without a platform there is no save dialog to show and no printer to print on.
class NoDevices : public ReportDevices {
public:
  std::optional<std::string> chooseSaveFile(const SaveFileRequest&) override
  {
    return std::nullopt;
  }
  PrintOutcome print(const PrintJob&) override
  {
    return {PrintOutcome::Status::Failed, "no printer"};
  }
};

NoDevices noDevices;

std::string trimmed(const std::string& s)
{
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) {
    return {};
  }
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::string dialogNameFilter(const std::string& filter)
{
  const auto bar = filter.find('|');
  if (bar == std::string::npos) {
    return filter;
  }
  std::string description = filter.substr(0, bar);
  const std::string pattern = filter.substr(bar + 1);
  const std::string bracketed = "(" + pattern + ")";
  if (description.size() >= bracketed.size() &&
      description.compare(description.size() - bracketed.size(), bracketed.size(), bracketed) ==
          0) {
    description.resize(description.size() - bracketed.size());
  }
  return trimmed(description) + " " + bracketed;
}

Form27::Form27(Session& session) : s_(session), devices_(&noDevices) {}

void Form27::setDevices(ReportDevices* devices)
{
  devices_ = devices ? devices : &noDevices;
}

void Form27::open()
{
  openOver(s_.project, WindowId::form1, WindowId::Form27);
  def();
}

void Form27::def()
{
  const Form27Controls& f = s_.project.form27;
  for (int k = 1; k <= 11; ++k) {
    snapshot_.checks[static_cast<std::size_t>(k - 1)] = f.Check[k].value;
  }
  snapshot_.pathEnabled = f.Text1.enabled;
  snapshot_.path = f.Text1.text;
  snapshot_.browseEnabled = f.Command3.enabled;
  snapshot_.okEnabled = f.OK.enabled;
}

void Form27::candef()
{
  Form27Controls& f = s_.project.form27;
  for (int k = 1; k <= 11; ++k) {
    f.Check[k].value = snapshot_.checks[static_cast<std::size_t>(k - 1)];
  }
  f.Text1.enabled = snapshot_.pathEnabled;
  f.Text1.text = snapshot_.path;
  // BROWSE and OK come back as they were too, so that they agree with the restored tick and path.
  f.Command3.enabled = snapshot_.browseEnabled;
  f.OK.enabled = snapshot_.okEnabled;
}

void Form27::Check_Click(int k, int value)
{
  if (k < 1 || k > 11) {
    return;
  }
  s_.project.form27.Check[k].value = value == 1 ? 1 : 0;
  if (k == 11) {
    Check11_Click();
  }
}

void Form27::Check11_Click()
{
  Form27Controls& f = s_.project.form27;
  const bool toFile = f.Check[11].value == 1;
  f.Text1.enabled = toFile;
  f.Command3.enabled = toFile;
  applyOkRule();
}

void Form27::applyOkRule()
{
  Form27Controls& f = s_.project.form27;
  f.OK.enabled = !(f.Check[11].value == 1 && f.Text1.text.empty());
}

void Form27::Text1_Change(const std::string& text)
{
  s_.project.form27.Text1.text = text;
  applyOkRule();
}

void Form27::Command1_Click()
{
  for (int k = 1; k <= 10; ++k) {
    s_.project.form27.Check[k].value = 1;
  }
}

void Form27::Command2_Click()
{
  for (int k = 1; k <= 10; ++k) {
    s_.project.form27.Check[k].value = 0;
  }
}

void Form27::Command3_Click()
{
  const SaveFileRequest request{form27_texts::saveTitle, dialogNameFilter(form27_texts::saveFilter),
                                form27_texts::saveDefaultExt, true};
  const std::optional<std::string> chosen = devices_->chooseSaveFile(request);
  if (!chosen) {
    return;
  }
  s_.project.form27.Text1.text = *chosen;
  applyOkRule();
}

void Form27::backToDialog()
{
  openOver(s_.project, WindowId::form1, WindowId::Form27);
}

void Form27::OK_Click()
{
  Project& p = s_.project;
  returnTo(p, WindowId::Form27, WindowId::form1);
  const bool toFile = p.form27.Check[11].value == 1;
  const std::string path = toFile ? p.form27.Text1.text : form27_texts::scratchFile;
  if (!anyTableTicked(p)) {
    return;
  }

  // The report never takes the place of the project's own file.
  const std::string projectFile = p.HASFILE ? s_.form26.composedPath() : std::string();
  const ReportWrite written = writeReportFile(composeReport(p), {path, projectFile, false});
  if (!written.ok()) {
    // Nothing is shown as a report; the user can choose another file.
    s_.prompter.message(written.error, report_file_texts::errorTitle);
    backToDialog();
    return;
  }
  s_.form28.load(written.text);
  if (toFile) {
    s_.form28.show();
    return;
  }

  const PrintOutcome printed = devices_->print(
      PrintJob{p.form28.RichTextBox1, form27_texts::printerFont, form27_texts::printerFontSize});
  if (printed.status == PrintOutcome::Status::Printed) {
    return;
  }
  if (printed.status == PrintOutcome::Status::Failed) {
    s_.prompter.message(form27_texts::printFailed + printed.reason, form27_texts::printFailedTitle);
  }
  backToDialog();
}

void Form27::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form27, WindowId::form1);
}

}  // namespace vorn
