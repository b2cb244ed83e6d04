#include "toolkit/dialog_view.h"

#include <gtest/gtest.h>

#include <QLayoutItem>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "scripted_prompter.h"
#include "toolkit/button_row_view.h"
#include "toolkit/numbered_boxes_view.h"

namespace vorn {
namespace {

// A window logic that notes every event its dialog hands it.
struct NotingLogic {
  std::vector<std::string> events;
  void OK_Click() { events.emplace_back("OK"); }
  void CANCEL_Click() { events.emplace_back("CANCEL"); }
  void Form_QueryUnload() { events.emplace_back("unload"); }
  void Command2_Click() { events.emplace_back("Command2"); }
  bool Text_LostFocus(int k, LeaveTo = LeaveTo::Elsewhere)
  {
    events.push_back("left " + std::to_string(k));
    return true;
  }
  void Text_KeyDown(int k, BoxKey key)
  {
    events.push_back("key " + std::to_string(k) + (key == BoxKey::Enter ? " Enter" : " other"));
  }
};

// A dialog of two numbered boxes on the spectrum dialog's controls: the first typed, the second
// not.
class TwoBoxDialog : public DialogView<NotingLogic, Form19Controls> {
public:
  TwoBoxDialog(ViewApplication& app, NotingLogic& logic, Event frameClose)
      : DialogView(app, WindowId::Form19, "two boxes", logic, &Project::form19, frameClose)
  {
    boxes.add();
    boxes.add(false);
  }

  NumberedBoxes<NotingLogic, Form19Controls> boxes{*this};

protected:
  void drawControls() override { boxes.draw(); }
};

class DialogViewTest : public ::testing::Test {
protected:
  test::ScriptedPrompter prompter;
  ViewApplication app{prompter};
  NotingLogic logic;
  TwoBoxDialog dialog{app, logic, &NotingLogic::CANCEL_Click};
};

TEST_F(DialogViewTest, OnlyTheTypedBoxWritesToTheProject)
{
  Form19Controls& f = app.project().form19;
  f.Text[2].text = "kept";
  QTest::keyClicks(dialog.boxes.text(1), "2.5");
  QTest::keyClicks(dialog.boxes.text(2), "9");
  EXPECT_EQ(f.Text[1].text, "2.5");
  EXPECT_EQ(f.Text[2].text, "kept");
  EXPECT_EQ(dialog.boxes.text(2)->objectName(), "Text2");
  EXPECT_EQ(dialog.boxes.count(), 2);
}

TEST_F(DialogViewTest, KeysReachTheLogicFromWatchedBoxesOnly)
{
  QTest::keyClick(dialog.boxes.text(1), Qt::Key_Return);
  QTest::keyClick(dialog.boxes.text(2), Qt::Key_Return);
  EXPECT_EQ(logic.events, std::vector<std::string>{"key 1 Enter"});
  dialog.boxes.watch(2);
  QTest::keyClick(dialog.boxes.text(2), Qt::Key_Down);
  EXPECT_EQ(logic.events.back(), "key 2 other");
}

TEST_F(DialogViewTest, DrawingShowsTheProjectsTexts)
{
  app.project().form19.Text[1].text = "3.5";
  app.project().form19.Text[2].text = "0.25";
  dialog.draw();
  EXPECT_EQ(dialog.boxes.text(1)->text(), "3.5");
  EXPECT_EQ(dialog.boxes.text(2)->text(), "0.25");
}

TEST_F(DialogViewTest, ButtonsRunTheirEventsUnderTheNamesGiven)
{
  QPushButton* ok = dialog.addOk("yes");
  QPushButton* cancel = dialog.addCancel("no", "Command2", &NotingLogic::Command2_Click);
  EXPECT_EQ(dialog.okButton(), ok);
  EXPECT_EQ(dialog.cancelButton(), cancel);
  EXPECT_EQ(ok->objectName(), "OK");
  EXPECT_EQ(ok->text(), "yes");
  EXPECT_EQ(cancel->objectName(), "Command2");
  QTest::mouseClick(cancel, Qt::LeftButton);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(logic.events, (std::vector<std::string>{"Command2", "OK"}));
}

TEST_F(DialogViewTest, TheFrameCloseRunsTheEventTheDialogNames)
{
  dialog.show();
  dialog.close();
  NotingLogic other;
  TwoBoxDialog unloading(app, other, &NotingLogic::Form_QueryUnload);
  unloading.show();
  unloading.close();
  EXPECT_EQ(logic.events, std::vector<std::string>{"CANCEL"});
  EXPECT_EQ(other.events, std::vector<std::string>{"unload"});
  EXPECT_FALSE(unloading.isVisible());
}

// The widgets and stretches of a row, in order: a widget's name, "~" for a stretch.
std::vector<std::string> rowItems(QHBoxLayout* row)
{
  std::vector<std::string> items;
  for (int k = 0; k < row->count(); ++k) {
    QLayoutItem* item = row->itemAt(k);
    items.push_back(item->widget() ? item->widget()->objectName().toStdString() : "~");
  }
  delete row;
  return items;
}

TEST_F(DialogViewTest, ButtonRowsCentreTheirButtonsOrPutTheFirstAtTheStart)
{
  QPushButton* ok = dialog.addOk("OK");
  QPushButton* cancel = dialog.addCancel("CANCEL");
  QPushButton* help = dialog.addButton("Command1", "?", &NotingLogic::OK_Click);
  EXPECT_EQ(rowItems(buttonRow({ok, cancel})),
            (std::vector<std::string>{"~", "OK", "CANCEL", "~"}));
  EXPECT_EQ(rowItems(buttonRow(help, {ok, cancel})),
            (std::vector<std::string>{"Command1", "~", "OK", "CANCEL"}));
}

}  // namespace
}  // namespace vorn
