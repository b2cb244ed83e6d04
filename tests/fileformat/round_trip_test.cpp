#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "fileformat/project_file.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/main/form1_main.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/report/form27_print.h"
#include "windows/site/form2_site.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/static/form13_static_results.h"
#include "windows/static/run1_static.h"
#include "windows/static/run3_recommendations.h"
#include "windows/static/run7_allowable_drifts.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// A five-story irregular building described in every dialog, with every computation done, as
// the user leaves it before saving.
void describeAndRun(Session& s)
{
  Project& p = s.project;
  s.form2.Combo1_Click(12);  // another province, its own city
  s.form2.Combo2_Click(2);
  s.form2.OK_Click();
  p.form3.Option1[0].value = false;
  p.form3.Option1[2].value = true;
  p.T0 = 0.15;
  p.TS = 0.7;
  p.form8.Check[3].value = 0;  // irregular: the stored factors are kept
  p.form8.Text[2].text = "5";
  p.form8.Text[3].text = "16.5";
  p.N = 5;
  p.H1 = 16.5;
  for (int k = 1; k <= 5; ++k) {
    p.AR[k] = 180 + 10 * k;
    p.DL[k] = 620;
    p.LL[k] = k == 5 ? 150 : 200;
    p.PERL[k] = 20;
    p.PW[k] = 58;
    p.HW[k] = 3;
    p.PERW[k] = 30;
    p.LW[k] = 420;
    p.LOD[k] = 1500;
    p.HS[k] = k == 1 ? 4.5 : 3;
    p.STORYSET[k] = true;
  }
  p.Form8State[1] = p.form8.Check[1].enabled;
  p.Form8State[2] = p.form8.Check[2].enabled;
  p.Form8State[3] = p.form8.Text[1].enabled;
  p.form8.Command[2].enabled = false;
  p.form8.Command[3].enabled = true;
  p.form1.Command[8].enabled = true;
  p.form1.Command[9].enabled = true;
  p.form27.Check[2].enabled = true;

  RUN1(s);
  s.form13.OK_Click();

  p.FDIMx = 22;
  p.FDIMy = 14.5;
  p.FTHK = 0.8;
  for (int k = 1; k <= 5; ++k) {
    p.CMx[k] = 10.5 + 0.1 * k;
    p.CMy[k] = 7.1;
    p.CRx[k] = 9.8;
    p.CRy[k] = 6.65 + 0.05 * k;
    p.DIMx[k] = 21;
    p.DIMy[k] = 14;
    p.Ajx[k] = 1 + 0.25 * k;
    p.Ajy[k] = 1.5;
    p.CMSET[k] = true;
  }
  p.form1.Command[11].enabled = true;
  p.form1.Command[12].enabled = true;
  p.form27.Check[3].enabled = true;
  RUN2(s);
  s.project.window(WindowId::Form18).visible = false;
  RUN3(s);
  RUN7(s);

  for (int k = 1; k <= 5; ++k) {
    p.DRIFTx[k] = 0.011 + 0.001 * k;
    p.DRIFTy[k] = 0.009;
    p.DRIFTMAXx[k] = 0.015 + 0.001 * k;
    p.DRIFTMAXy[k] = 0.012;
    p.DRIFTSET[k] = true;
  }
  p.PDELTASET = true;
  p.form27.Check[4].enabled = true;
  run8(s);
  s.form23.RUN6();

  p.form19.Text[1].text = "4";
  p.form19.Text[2].text = "0.05";
  RUN4(s);
  s.form19.RUN5();
  for (int k = 1; k <= 10; ++k) {
    p.form27.Check[k].value = 1;
  }
  p.form27.Text1.text = "report.txt";
  p.form27.Check[11].value = 1;
  s.form27.Check11_Click();
  for (auto& w : p.windows) {
    w.visible = false;
  }
  p.window(WindowId::form1) = WindowState{true, true, "", 0, ""};
}

class RoundTrip : public ::testing::Test {
protected:
  RoundTrip() { s = std::make_unique<Session>(prompter); }

  void saveAs(const std::string& name)
  {
    s->form26.Text1_Change(name);
    s->form26.MENSAVEAS_Click();
    s->form26.OK_Click();
  }
  void open(const std::string& name)
  {
    s->form26.MENOPEN_Click();
    s->form26.Text1_Change(name);
    s->form26.OK_Click();
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s;
  test::TempFolder temp{"vorn-trip", test::FolderUse::AsCurrentFolder};
  const fs::path folder = temp.path();
};

TEST_F(RoundTrip, SavedNewAndOpenedGivesTheSameProjectAndViews)
{
  describeAndRun(*s);
  ASSERT_TRUE(prompter.shown().empty()) << prompter.shown().front().text;
  saveAs("TRIP");
  const auto saved = std::make_unique<Project>(s->project);
  const auto savedLines = readProjectFile((folder / "TRIP.EQ").string());
  ASSERT_TRUE(savedLines.ok()) << savedLines.error;

  prompter.answer(true);
  s->form1.NW();
  ASSERT_EQ(s->project.N, 1);
  open("TRIP");
  ASSERT_EQ(prompter.shown().size(), 1u) << prompter.shown().back().text;  // only the New question
  const Project& opened = s->project;

  // Every stored value comes back: the opened project writes the lines that were read, except
  // the project-has-a-file flag, which the first save wrote before the project had a file.
  auto lines = projectFileLines(opened);
  auto expected = savedLines.lines;
  const std::size_t hasFileLine = 15683 - 1;
  EXPECT_EQ(expected[hasFileLine], " False");
  EXPECT_EQ(lines[hasFileLine], " True");
  expected[hasFileLine] = lines[hasFileLine];
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    EXPECT_EQ(lines[k], expected[k]) << "line " << k + 1;
  }

  // The re-runs rebuild every view exactly.
  EXPECT_EQ(opened.form13, saved->form13);
  EXPECT_EQ(opened.form18, saved->form18);
  EXPECT_EQ(opened.form20, saved->form20);
  EXPECT_EQ(opened.form21, saved->form21);
  EXPECT_EQ(opened.form22, saved->form22);
  EXPECT_EQ(opened.form24, saved->form24);
  EXPECT_EQ(opened.Ajx, saved->Ajx) << "an irregular building keeps its factors";

  // The same commands are available, and only the main window is shown.
  EXPECT_EQ(opened.form1.Command, saved->form1.Command);
  EXPECT_EQ(opened.form1.Check11, saved->form1.Check11);
  EXPECT_EQ(opened.form27.Check, saved->form27.Check);
  for (int w = 1; w < kWindowCount; ++w) {
    EXPECT_FALSE(opened.windows.at(static_cast<std::size_t>(w)).visible)
        << windowName(static_cast<WindowId>(w));
  }
  EXPECT_TRUE(opened.window(WindowId::form1).enabled);

  // Saving the opened project again changes nothing more.
  s->form26.MENSAVE_Click();
  const auto again = readProjectFile((folder / "TRIP.EQ").string());
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.lines, lines);
}

TEST_F(RoundTrip, ARegularBuildingOpensWithFactorsOfOne)
{
  describeAndRun(*s);
  s->project.form8.Check[3].value = 1;
  saveAs("REG");
  prompter.answer(true);
  s->form1.NW();
  open("REG");
  for (int k = 1; k <= kMaxStories; ++k) {
    ASSERT_EQ(s->project.Ajx[k], 1.0);
    ASSERT_EQ(s->project.Ajy[k], 1.0);
  }
}

TEST_F(RoundTrip, AProjectSavedAfterTheResetAsksTheResetQuestionWhileReading)
{
  describeAndRun(*s);
  prompter.answer(true);
  s->form1.Check11_Click(1);
  saveAs("RESET");
  // The program is started again: its reset box is clear, so reading the ticked box asks.
  test::ScriptedPrompter fresh;
  auto restarted = std::make_unique<Session>(fresh);
  fresh.answer(true);
  restarted->form26.MENOPEN_Click();
  restarted->form26.Text1_Change("RESET");
  restarted->form26.OK_Click();
  ASSERT_FALSE(fresh.shown().empty());
  EXPECT_EQ(fresh.shown()[0].text, form1_texts::resetQuestion);
  EXPECT_TRUE(fresh.scriptUsedUp());

  // In the session that made the reset the box is still ticked after New (New leaves it), so
  // the value read changes nothing and nothing is asked, as with any control set to its own value.
  prompter.answer(true);
  s->form1.NW();
  const auto before = prompter.shown().size();
  open("RESET");
  EXPECT_EQ(prompter.shown().size(), before);
}

}  // namespace
}  // namespace vorn
