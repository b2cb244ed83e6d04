#pragma once

namespace vorn {

class Session;

// Logic of the report dialog "PRINT TABLES".
class Form27 {
public:
  explicit Form27(Session& session) : s_(session) {}

  // "PRINT TO TEXT FILE:" changed: the path box and BROWSE are open exactly while it is ticked,
  // and OK is open unless it is ticked with no path.
  void Check11_Click();

private:
  Session& s_;
};

}  // namespace vorn
