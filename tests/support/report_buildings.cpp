#include "report_buildings.h"

#include <string>
#include <vector>
#include "main_window_driver.h"
#include "model/number_text.h"
#include "session/session.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/report/form27_print.h"
#include "windows/site/form2_site.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/site/form7_systems.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/spectrum/form20_spectrum.h"
#include "windows/static/form13_static_results.h"
#include "windows/static/form21_recommendations.h"
#include "windows/static/form22_allowable_drifts.h"
#include "windows/static/run1_static.h"
#include "windows/static/run3_recommendations.h"
#include "windows/static/run7_allowable_drifts.h"
#include "windows/structure/form8_structure.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form18_torsion_results.h"
#include "windows/torsion/run2_torsion.h"

namespace vorn::test {
void enterStories(Project& p, const std::vector<StoryInput>& stories)
{
  int k = 1;
  for (const StoryInput& s : stories) {
    p.AR[k] = s.AR;
    p.DL[k] = s.DL;
    p.LL[k] = s.LL;
    p.PERL[k] = s.PERL;
    p.PW[k] = s.PW;
    p.HW[k] = s.HW;
    p.PERW[k] = s.PERW;
    p.LW[k] = s.LW;
    p.LOD[k] = s.LOD;
    p.HS[k] = s.HS;
    p.STORYSET[k] = true;
    ++k;
  }
}

void enterCentres(Project& p, const std::vector<CentreInput>& stories)
{
  int k = 1;
  for (const CentreInput& c : stories) {
    p.CMx[k] = c.CMx;
    p.CMy[k] = c.CMy;
    p.CRx[k] = c.CRx;
    p.CRy[k] = c.CRy;
    p.DIMx[k] = c.DIMx;
    p.DIMy[k] = c.DIMy;
    p.Ajx[k] = c.Ajx;
    p.Ajy[k] = c.Ajy;
    p.CMSET[k] = true;
    ++k;
  }
}

// Stories 2 … N straight into the tables; story 1 through the dialog's boxes, which its OK stores.
void enterDrifts(Session& s, const std::vector<DriftInput>& stories)
{
  Project& p = s.project;
  for (std::size_t k = 1; k < stories.size(); ++k) {
    const int story = static_cast<int>(k) + 1;
    p.DRIFTx[story] = stories[k].x / 100;
    p.DRIFTy[story] = stories[k].y / 100;
    p.DRIFTMAXx[story] = stories[k].maxX / 100;
    p.DRIFTMAXy[story] = stories[k].maxY / 100;
    p.DRIFTSET[story] = true;
  }
  p.form23.Text[1].text = "1";
  p.form23.Text[2].text = padded(stories[0].x);
  p.form23.Text[3].text = padded(stories[0].y);
  p.form23.Text[4].text = padded(stories[0].maxX);
  p.form23.Text[5].text = padded(stories[0].maxY);
}

// The rest of the workflow once the inputs are in: static run, torsion, recommendations,
// allowable drifts, P-Delta and spectrum, each window closed with its OK.
void runEverything(Session& s, const std::vector<CentreInput>& centres,
                   const std::vector<DriftInput>& drifts, const char* fdimX, const char* fdimY,
                   const char* fthk, const char* tmax, const char* tstep)
{
  Project& p = s.project;
  test::clickMainCommand(s, 9);  // RUN1
  s.form13.OK_Click();

  test::clickMainCommand(s, 10);
  p.form14.Text[1].text = fdimX;
  p.form14.Text[2].text = fdimY;
  p.form14.Text[3].text = fthk;
  enterCentres(p, centres);
  s.form14.OK_Click();

  test::clickMainCommand(s, 12);  // RUN2
  s.form18.OK_Click();
  test::clickMainCommand(s, 13);  // RUN3
  s.form21.OK_Click();
  test::clickMainCommand(s, 15);  // RUN7
  s.form22.OK_Click();

  test::clickMainCommand(s, 16);  // the P-Delta dialog
  enterDrifts(s, drifts);
  s.form23.OK_Click();
  test::clickMainCommand(s, 16);
  s.form23.Command4_Click();  // RUN6
  s.form24.OK_Click();
  s.form23.CANCEL_Click();

  test::clickMainCommand(s, 14);  // the spectrum dialog
  p.form19.Text[1].text = tmax;
  p.form19.Text[2].text = tstep;
  s.form19.OK_Click();  // RUN5
  s.form20.OK_Click();
}

// Three stories, regular, A chosen directly (0.30), soil type 2, importance 1.2, a special steel
// moment frame in x without infill walls and concentric braces in y, analytical period 0.85 s.
void describeRegularBuilding(Session& s)
{
  Project& p = s.project;
  test::clickMainCommand(s, 1);
  s.form2.Option2_Click();
  s.form2.Combo3_Click(2);
  s.form2.OK_Click();
  test::clickMainCommand(s, 2);
  s.form3.Option1_Click(1);
  s.form3.OK_Click();
  test::clickMainCommand(s, 3);
  s.form5.Option1_Click(2);
  s.form5.OK_Click();
  test::clickMainCommand(s, 4);
  s.form7.Option1_Click(13);  // code 14
  s.form7.OK_Click();
  test::clickMainCommand(s, 5);
  s.form7.Option1_Click(9);  // code 10
  s.form7.OK_Click();

  test::clickMainCommand(s, 6);
  s.form8.Check_Click(1, 0);
  s.form8.Check_Click(4, 0);
  p.form8.Text[1].text = "0.85";
  p.form8.Text[2].text = "3";
  p.form8.Text[3].text = "10";
  enterStories(p, {{240, 650, 200, 20, 64, 3.5, 30, 450, 2000, 4},
                   {240, 650, 200, 20, 64, 3, 30, 450, 0, 3},
                   {240, 600, 150, 20, 64, 1, 0, 300, 500, 3}});
  s.form8.OK_Click();

  runEverything(s,
                {{10.2, 6.1, 9.6, 6.4, 20, 12, 1, 1},
                 {10.1, 6.0, 9.6, 6.4, 20, 12, 1, 1},
                 {10.0, 6.0, 9.6, 6.2, 20, 12, 1, 1}},
                {{0.9, 1.2, 0, 0}, {3.2, 1.1, 0, 0}, {9, 1.0, 0, 0}}, "21", "13", "0.8", "2",
                "0.25");
}

// Five stories, irregular, A from the province and city, soil type 3, importance 1.0, concentric
// braces in x and an intermediate steel moment frame with infill walls in y, empirical period,
// the amplification factors typed.
void describeIrregularBuilding(Session& s)
{
  Project& p = s.project;
  test::clickMainCommand(s, 1);
  s.form2.Combo1_Click(12);
  s.form2.Combo2_Click(2);
  s.form2.OK_Click();
  test::clickMainCommand(s, 2);
  s.form3.Option1_Click(2);
  s.form3.OK_Click();
  test::clickMainCommand(s, 5);
  s.form7.Option1_Click(14);  // code 15, with infill walls
  s.form7.OK_Click();

  test::clickMainCommand(s, 6);
  s.form8.Check_Click(3, 0);
  p.form8.Text[2].text = "5";
  p.form8.Text[3].text = "16.5";
  enterStories(p, {{190, 620, 200, 20, 58, 3, 30, 420, 1500, 4.5},
                   {200, 620, 200, 20, 58, 3, 30, 420, 1500, 3},
                   {210, 620, 200, 20, 58, 3, 30, 420, 1500, 3},
                   {220, 620, 200, 20, 58, 3, 30, 420, 1500, 3},
                   {230, 620, 150, 20, 58, 1.2, 0, 420, 1500, 3}});
  s.form8.OK_Click();

  runEverything(s,
                {{10.6, 7.1, 9.8, 6.7, 21, 14, 1.25, 1.5},
                 {10.7, 7.1, 9.8, 6.75, 21, 14, 1.5, 1.5},
                 {10.8, 7.1, 9.8, 6.8, 21, 14, 1.75, 1.5},
                 {10.9, 7.1, 9.8, 6.85, 21, 14, 2, 1.5},
                 {11, 7.1, 9.8, 6.9, 21, 14, 2.25, 1.5}},
                {{1.2, 0.9, 1.6, 1.2},
                 {1.3, 0.9, 1.7, 1.2},
                 {4.1, 0.9, 5, 1.2},
                 {1.5, 0.9, 1.9, 1.2},
                 {1.6, 0.9, 2, 1.2}},
                "22", "14.5", "0.8", "4", "0.5");
}

// Two hundred stories of 0.99 m, as many as the program holds: a dual system in both directions,
// irregular, every story alike, the site, soil and importance as a new project has them.
void describeTallBuilding(Session& s)
{
  Project& p = s.project;
  for (int command : {4, 5}) {
    test::clickMainCommand(s, command);
    s.form7.Option1_Click(16);  // code 17
    s.form7.OK_Click();
  }
  test::clickMainCommand(s, 6);
  s.form8.Check_Click(3, 0);
  p.form8.Text[2].text = "200";
  p.form8.Text[3].text = "198";
  enterStories(p, std::vector<StoryInput>(200, {400, 650, 200, 20, 80, 0.9, 25, 450, 0, 0.99}));
  s.form8.OK_Click();

  runEverything(s, std::vector<CentreInput>(200, {15.2, 10.1, 14.8, 9.7, 30, 20, 1, 1}),
                std::vector<DriftInput>(200, {1, 1, 1.2, 1.2}), "30", "20", "1", "4", "0.1");
}

// Ticks every table and asks for the report in a text file.
void tickEverything(Session& s, const std::string& path)
{
  s.form27.open();
  s.form27.Command1_Click();
  s.form27.Check_Click(11, 1);
  s.form27.Text1_Change(path);
}

}  // namespace vorn::test
