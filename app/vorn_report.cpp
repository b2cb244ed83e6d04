// vorn-report: writes the report of a saved VORN project without opening a window.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "windows/report/report_tool.h"

int main(int argc, char* argv[])
{
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return vorn::runReportTool(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "vorn-report: internal error: " << e.what() << "\n";
    return vorn::kToolFailed;
  }
}
