#include "views/report/form28_output_view.h"

#include <QApplication>
#include <QVBoxLayout>

#include "toolkit/application_view.h"
#include "views/report/report_printing_view.h"
#include "windows/report/form28_output.h"

namespace vorn {

Form28View::Form28View(ViewApplication& app)
    : WindowView(app, WindowId::Form28, form28_texts::caption)
{
  richTextBox1_ = new QTextEdit(this);
  richTextBox1_->setObjectName("RichTextBox1");
  richTextBox1_->setReadOnly(true);
  richTextBox1_->setAcceptRichText(false);
  richTextBox1_->setLineWrapMode(QTextEdit::WidgetWidth);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(richTextBox1_);
  resize(1000, 700);
}

void Form28View::drawControls()
{
  const std::string& text = app().project().form28.RichTextBox1;
  if (text == shown_) {
    return;
  }
  shown_ = text;
  layoutReportDocument(*richTextBox1_->document(), QString::fromStdString(text),
                       QApplication::font());
  richTextBox1_->moveCursor(QTextCursor::Start);
}

bool Form28View::frameCloseRequested()
{
  app().session().form28.Form_QueryUnload();
  return true;
}

}  // namespace vorn
