#pragma once

#include <cstdint>
#include <string>

#include "model/project.h"

namespace vorn {

// The project file: one value a line, 82 leading lines, 200 story blocks of 78 lines and 83
// trailing lines, meaning given by position only.
inline constexpr int kLeadingLines = 82;
inline constexpr int kStoryBlockLines = 78;
inline constexpr int kTrailingLines = 83;
inline constexpr int kProjectFileLines =
    kLeadingLines + kMaxStories * kStoryBlockLines + kTrailingLines;

// How a line is written and read back. Each value of the layout is visited once, in file order,
// through one of these; the writer, the checker and the reader are visitors.
class LayoutVisitor {
public:
  virtual ~LayoutVisitor() = default;
  // " True"/" False"; true exactly when the line is " True".
  virtual void paddedFlagA(bool& value) = 0;
  // " True"/" False"; read as a truth word or a number (non-zero is true).
  virtual void paddedFlagD(bool& value) = 0;
  // "True"/"False"; true exactly when the line is "True".
  virtual void plainFlagB(bool& value) = 0;
  // "True"/"False"; read as a truth word or a number.
  virtual void plainFlagD(bool& value) = 0;
  // Padded number, read by its numeric value.
  virtual void paddedNumberE(double& value) = 0;
  // Plain number ("0.35"), read by its numeric value.
  virtual void plainNumberE(double& value) = 0;
  // A flag kept as the number -1 (true) or 0 (false), read by its numeric value.
  virtual void flagAsNumberE(bool& value) = 0;
  // A check box value as a padded number, read as the numeric value rounded to a whole number.
  virtual void paddedCheckF(int& value) = 0;
  // A check box value as a padded number, 1 exactly when the line is " 1".
  virtual void paddedCheckC(int& value) = 0;
  // A list position as a plain number, read rounded to a whole number.
  virtual void plainIndexF(std::int16_t& value) = 0;
  // A text, unchanged.
  virtual void text(std::string& value) = 0;
  // An edit box's text written as the padded form of its numeric value, read back as text.
  virtual void textAsNumber(std::string& value) = 0;
};

// Visits every value of the file, in file order (line 1 first).
void visitLayout(Project& project, LayoutVisitor& visitor);

}  // namespace vorn
