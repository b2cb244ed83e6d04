#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileformat/project_file_layout.h"

namespace vorn {
struct Project;
class Session;
}  // namespace vorn

namespace vorn::fuzz {

// One input of each fuzz target, run the way the program runs it. Each gives a description of
// what went wrong (a rule of the program that the input broke), or nothing when all held; a
// crash, a leak or undefined behaviour is left to the sanitizers. The fuzz targets abort on a
// description, and the regression tests run the inputs that once failed through the same calls.

// The bytes of a project file that someone else made, opened as the file dialog opens it: the
// whole-file checks, then, when the file is accepted, the reading into a fresh program with the
// re-runs of the analyses. What the program can open it must be able to save and open again.
std::optional<std::string> projectFileInput(std::string_view bytes);

// A project file with some of its lines replaced: every input line "<line number>=<text>" puts
// the text on that line (numbers beyond the file wrap round) of the file of the building below,
// and the result is opened as projectFileInput opens a file. Reaches the reading and the re-runs
// with any value in any line far more often than changed bytes of a whole file do.
std::optional<std::string> projectPatchInput(std::string_view patch);

// A visit of the file's lines that sees only the numbers and the texts, each with its line
// number (from 1); truth words, check box values and list positions are counted and passed over.
class ValueLines : public LayoutVisitor {
public:
  virtual void onNumber(double& /*value*/, int /*line*/) {}
  virtual void onBoxText(std::string& /*text written as a number*/, int /*line*/) {}
  virtual void onText(std::string& /*text*/, int /*line*/) {}

  void paddedFlagA(bool&) final { ++line_; }
  void paddedFlagD(bool&) final { ++line_; }
  void plainFlagB(bool&) final { ++line_; }
  void plainFlagD(bool&) final { ++line_; }
  void paddedNumberE(double& v) final { onNumber(v, ++line_); }
  void plainNumberE(double& v) final { onNumber(v, ++line_); }
  void flagAsNumberE(bool&) final { ++line_; }
  void paddedCheckF(int&) final { ++line_; }
  void paddedCheckC(int&) final { ++line_; }
  void plainIndexF(std::int16_t&) final { ++line_; }
  void text(std::string& t) final { onText(t, ++line_); }
  void textAsNumber(std::string& t) final { onBoxText(t, ++line_); }

private:
  int line_ = 0;
};

// The first line of the project's file whose number is not a finite number, or whose text (a
// box's text, a label) shows one ("Inf", "NaN"), or 0 when every value is finite. Such a number
// would be saved as a text that reads back as 0.
// With the given lines of an opened file, a text that the file held already is not counted.
int firstLineNotFinite(Project& project, const std::vector<std::string>* given = nullptr);

// A four-story building entered through the dialogs and taken through every analysis, as an
// engineer leaves it before saving. The base of projectPatchInput and a seed of the corpus.
void describeAndRunEverything(Session& s);

// A text read as a number (the numeric value of text and the file's reading rules), and the
// number written back as the program writes numbers.
std::optional<std::string> numberTextInput(std::string_view bytes);

// A numeric edit box left by the user: the first byte chooses the box's picture, the rest is the
// box's text. The reformatted text must read back as the rounded value and stay as it is when
// the box is left again.
std::optional<std::string> pictureInput(std::string_view bytes);

}  // namespace vorn::fuzz
