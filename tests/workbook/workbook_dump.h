#pragma once

// A workbook as another program reads it: openpyxl, through tests/workbook/read_workbook.py.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vorn::test {

struct DumpedCell {
  std::string type;  // openpyxl's data type: "n" a number, "s" a text
  bool bold = false;
  bool wrap = false;
  bool border = false;
  std::string value;  // a number as Python writes it back ("0.35", "12")
};

struct DumpedSheet {
  std::string name;
  bool rightToLeft = false;
  std::string freeze;                       // "B3"; "None" when nothing is frozen
  std::map<int, double> widths;             // by column, 1 = A
  std::map<std::string, DumpedCell> cells;  // by reference, "B3"

  const DumpedCell& at(const std::string& ref) const
  {
    static const DumpedCell empty{"", false, false, false, ""};
    const auto found = cells.find(ref);
    return found == cells.end() ? empty : found->second;
  }
  // The row whose column A holds `text`, 0 when none does.
  int rowOf(const std::string& text) const
  {
    for (const auto& [ref, cell] : cells) {
      if (ref[0] == 'A' && ref[1] >= '0' && ref[1] <= '9' && cell.value == text) {
        return std::stoi(ref.substr(1));
      }
    }
    return 0;
  }
};

// A number as Python wrote it, read whatever the C library's locale is.
inline double numberIn(const std::string& text)
{
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    ADD_FAILURE() << "not a number: " << text;
  }
  return value;
}

inline std::string unescaped(const std::string& text)
{
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\\' && k + 1 < text.size()) {
      const char next = text[++k];
      out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    } else {
      out += text[k];
    }
  }
  return out;
}

inline std::vector<std::string> fields(const std::string& line)
{
  std::vector<std::string> out;
  std::istringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) {
    out.push_back(unescaped(field));
  }
  return out;
}

// The sheets in their order; fails the test when python3 or openpyxl cannot read the file.
inline std::vector<DumpedSheet> readWorkbook(const std::string& path)
{
  const std::string command = std::string("'") + VORN_TEST_PYTHON + "' '" + VORN_SOURCE_DIR +
                              "/tests/workbook/read_workbook.py' '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return {};
  }
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, n);
  }
  if (pclose(pipe) != 0) {
    ADD_FAILURE() << "openpyxl could not read " << path << " (python3-openpyxl installed?):\n"
                  << output;
    return {};
  }
  std::vector<DumpedSheet> sheets;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const auto f = fields(line);
    if (f.empty()) {
      continue;
    }
    if (f[0] == "sheet" && f.size() == 2) {
      sheets.push_back({f[1], false, "", {}, {}});
    } else if (sheets.empty()) {
      ADD_FAILURE() << "unexpected line " << line;
    } else if (f[0] == "rtl" && f.size() == 2) {
      sheets.back().rightToLeft = f[1] == "True";
    } else if (f[0] == "freeze" && f.size() == 2) {
      sheets.back().freeze = f[1];
    } else if (f[0] == "width" && f.size() == 3) {
      sheets.back().widths[std::stoi(f[1])] = numberIn(f[2]);
    } else if (f[0] == "cell" && f.size() == 7) {
      sheets.back().cells[f[1]] = {f[2], f[3] == "1", f[4] == "1", f[5] == "1", f[6]};
    } else if (f[0] == "cell" && f.size() == 6) {  // an empty text
      sheets.back().cells[f[1]] = {f[2], f[3] == "1", f[4] == "1", f[5] == "1", ""};
    } else {
      ADD_FAILURE() << "unexpected line " << line;
    }
  }
  return sheets;
}

}  // namespace vorn::test
