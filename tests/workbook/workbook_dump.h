#pragma once

// A workbook as another program reads it: openpyxl, through tests/workbook/read_workbook.py.

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vorn::test {

// A sheet's lines by key: "rtl", "freeze", "width B", a cell "B3" as "n 0.35" or "s text",
// "style B3" as "True True True" (bold, wrapped, bordered). A missing key gives "".
struct DumpedSheet {
  std::string name;
  std::map<std::string, std::string> lines;
  std::string operator[](const std::string& key) const
  {
    const auto found = lines.find(key);
    return found == lines.end() ? "" : found->second;
  }
  // The row whose column A holds the text `text`, 0 when none does.
  int rowOf(const std::string& text) const
  {
    for (const auto& [key, value] : lines) {
      if (key.size() > 1 && key[0] == 'A' && std::isdigit(key[1]) && value == "s " + text) {
        return std::stoi(key.substr(1));
      }
    }
    return 0;
  }
};

// The number a cell holds ("n 0.35"), read whatever the C library's locale.
inline double numberIn(const std::string& cell)
{
  double value = 0;
  const char* end = cell.data() + cell.size();
  if (!cell.starts_with("n ") || std::from_chars(cell.data() + 2, end, value).ptr != end) {
    ADD_FAILURE() << "not a number cell: " << cell;
  }
  return value;
}

inline std::vector<DumpedSheet> readWorkbook(const std::string& path)
{
  const std::string command = std::string("'") + VORN_TEST_PYTHON + "' '" + VORN_SOURCE_DIR +
                              "/tests/workbook/read_workbook.py' '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  for (std::size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, n);
  }
  if (pipe == nullptr || pclose(pipe) != 0) {
    ADD_FAILURE() << "openpyxl could not read " << path << ":\n" << output;
    return {};
  }
  std::vector<DumpedSheet> sheets;
  for (std::size_t at = 0, end; at < output.size(); at = end + 1) {
    end = output.find('\n', at);
    const std::string line = output.substr(at, end - at);
    const std::size_t tab = line.find('\t');
    if (line.starts_with("sheet\t")) {
      sheets.push_back({line.substr(tab + 1), {}});
    } else if (!sheets.empty() && tab != std::string::npos) {
      sheets.back().lines[line.substr(0, tab)] = line.substr(tab + 1);
    }
  }
  return sheets;
}

}  // namespace vorn::test
