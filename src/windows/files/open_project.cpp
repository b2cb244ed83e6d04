#include "windows/files/open_project.h"

#include "fileformat/project_file_reader.h"
#include "session/session.h"
#include "windows/main/form1_main.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/report/form27_print.h"
#include "windows/site/form2_site.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/static/run1_static.h"
#include "windows/static/run3_recommendations.h"
#include "windows/static/run7_allowable_drifts.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn {

namespace {

// The windows' own handlers, run as the file restores their controls.
class WindowEvents : public ReadEvents {
public:
  explicit WindowEvents(Session& s) : s_(s) {}

  void check11Changed(int value) override { s_.form1.Check11_Click(value); }
  void siteOption1Selected() override { s_.form2.Option1_Click(); }
  void siteOption2Selected() override { s_.form2.Option2_Click(); }
  void provinceChosen() override { s_.form2.Combo1_Click(s_.project.form2.Combo1.index); }
  void cityChosen() override { s_.form2.Combo2_Click(s_.project.form2.Combo2.index); }
  void directAChosen() override { s_.form2.Combo3_Click(s_.project.form2.Combo3.index); }
  void structureCheck4Changed() override { s_.form8.Check4_Click(); }
  void torsionOptionSelected(int index) override { s_.form14.Option1_Click(index); }
  void reportCheck11Changed() override { s_.form27.Check11_Click(); }

private:
  Session& s_;
};

bool everyStory(const Project& p, const StoryFlags& flags)
{
  for (int k = 1; k <= static_cast<int>(p.N); ++k) {
    if (!flags[k]) {
      return false;
    }
  }
  return true;
}

// Shows each message once while it lives.
class OnceEach {
public:
  explicit OnceEach(RelayPrompter& relay) : relay_(relay) { relay_.onceEach(true); }
  ~OnceEach() { relay_.onceEach(false); }
  OnceEach(const OnceEach&) = delete;
  OnceEach& operator=(const OnceEach&) = delete;

private:
  RelayPrompter& relay_;
};

}  // namespace

void openProjectLines(Session& s, const std::vector<std::string>& lines)
{
  Project& p = s.project;
  WindowEvents events(s);
  applyProjectLines(p, lines, events);
  p.HASFILE = true;

  // Each computation whose inputs are complete runs again, in the order of the workflow; a run
  // that stops at a check still lets the next one read what is stored. A faulty value that stops
  // several of them is told once.
  const OnceEach once(s.relay);
  if (everyStory(p, p.STORYSET)) {
    RUN1(s);
    RUN3(s);
  }
  if (everyStory(p, p.CMSET)) {
    RUN2(s);
    RUN7(s);
  }
  if (everyStory(p, p.DRIFTSET)) {
    run8(s);
    s.form23.RUN6();
    p.window(WindowId::Form23).enabled = true;
  }
  RUN4(s);
  s.form19.RUN5();

  for (int w = 0; w < kWindowCount; ++w) {
    p.windows.at(static_cast<std::size_t>(w)).visible = w == static_cast<int>(WindowId::form1);
  }
  if (p.form8.Check[3].value == 1) {
    p.Ajx.fill(1.0);
    p.Ajy.fill(1.0);
  }
}

}  // namespace vorn
