#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Every window of the program. Windows are created once and hidden and shown again; their
// state lives in the project.
enum class WindowId {
  form1,
  Form2,
  Form3,
  Form4,
  Form5,
  Form6,
  Form7,
  Form8,
  Form9,
  Form10,
  Form11,
  Form12,
  Form13,
  Form14,
  Form15,
  Form16,
  Form17,
  Form18,
  Form19,
  Form20,
  Form21,
  Form22,
  Form23,
  Form24,
  Form25,
  Form26,
  Form27,
  Form28,
  frmAbout,
};
inline constexpr int kWindowCount = static_cast<int>(WindowId::frmAbout) + 1;

std::string_view windowName(WindowId id);

struct WindowState {
  bool visible = false;
  bool enabled = true;
  std::string caption;
  int heightTwips = 0;  // 0: the window's own designed height
  // Name of the control that is to get the focus ("Text7"), "" for none. The window logic sets
  // it; the view gives that control the focus at its next drawing and then clears it.
  std::string focus;
  friend bool operator==(const WindowState&, const WindowState&) = default;
};

}  // namespace vorn
