#include "windows/report/form28_output.h"

#include "session/session.h"

namespace vorn {

void Form28::load(const std::string& text)
{
  s_.project.form28.RichTextBox1 = text;
}

void Form28::show()
{
  WindowState& w = s_.project.window(WindowId::Form28);
  w.visible = true;
  w.enabled = true;
}

void Form28::Form_QueryUnload()
{
  s_.project.window(WindowId::Form28).visible = false;
}

}  // namespace vorn
