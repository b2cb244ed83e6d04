#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

// Control state held in the project. The views draw these; the window logic reads and writes
// them. Names of the members follow the controls they stand for.

struct CommandButton {
  bool enabled = true;
  bool visible = true;
  friend bool operator==(const CommandButton&, const CommandButton&) = default;
};

struct CheckBox {
  int value = 0;  // 0 clear, 1 set
  bool enabled = true;
  bool visible = true;
  friend bool operator==(const CheckBox&, const CheckBox&) = default;
};

struct OptionButton {
  bool value = false;
  bool enabled = true;
  bool visible = true;
  friend bool operator==(const OptionButton&, const OptionButton&) = default;
};

struct TextBox {
  std::string text;
  bool enabled = true;
  bool visible = true;
  friend bool operator==(const TextBox&, const TextBox&) = default;
};

struct ComboBox {
  std::vector<std::string> items;
  std::int16_t index = -1;  // -1: nothing selected
  bool enabled = true;
  bool visible = true;
  friend bool operator==(const ComboBox&, const ComboBox&) = default;
};

struct Label {
  std::string caption;
  bool visible = true;
  friend bool operator==(const Label&, const Label&) = default;
};

}  // namespace vorn
