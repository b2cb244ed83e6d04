#include "windows/structure/form12_input_summary.h"

#include <gtest/gtest.h>

#include <memory>

#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"

namespace vorn {
namespace {

class InputSummaryTest : public ::testing::Test {
protected:
  Project& p() { return s->project; }
  const Grid& grid() { return p().form12.MSFlexGrid1; }
  Label& label(int k) { return p().form12.Label1[k]; }

  // A building of n stories whose story k has area 100 + k and height 3 + k / 10.
  void stories(int n)
  {
    p().N = n;
    for (int k = 1; k <= n; ++k) {
      p().AR[k] = 100 + k;
      p().DL[k] = 500;
      p().LL[k] = 200;
      p().PERL[k] = 20;
      p().PW[k] = 40;
      p().HW[k] = 0.5;
      p().PERW[k] = 25;
      p().LW[k] = 450;
      p().LOD[k] = 0;
      p().HS[k] = 3 + k / 10.0;
      p().STORYSET[k] = true;
    }
  }

  test::ScriptedPrompter prompter;
  std::unique_ptr<Session> s = std::make_unique<Session>(prompter);
};

TEST_F(InputSummaryTest, TheMainWindowButtonShowsTheSummaryOverItself)
{
  stories(1);
  test::clickMainCommand(*s, 8);
  EXPECT_TRUE(p().window(WindowId::Form12).visible);
  EXPECT_FALSE(p().window(WindowId::form1).enabled);
  s->form12.OK_Click();
  EXPECT_FALSE(p().window(WindowId::Form12).visible);
  EXPECT_TRUE(p().window(WindowId::form1).enabled);
  EXPECT_TRUE(p().window(WindowId::form1).visible);
}

TEST_F(InputSummaryTest, TheGridHoldsOneRowPerStoryInTheProgramsNumberForm)
{
  stories(3);
  s->form12.fill();
  ASSERT_EQ(grid().rows(), 4);
  ASSERT_EQ(grid().cols(), 11);
  const std::vector<std::string> headings = {"شماره طبقه",
                                             "مساحت مفيد طبقه",
                                             "بارمرده ",
                                             "بارزنده ",
                                             "درصدمشاركت بار زنده",
                                             "محيط ديوار پيراموني",
                                             "ارتفاع ديوارهاي پيراموني",
                                             "درصد گشايش در ديوارهاي پيراموني",
                                             "وزن متر مربع ديوار پيراموني",
                                             "بارهاي اضافي ديگر",
                                             "ازتفاع نسبي طبقه"};
  for (int c = 0; c <= 10; ++c) {
    EXPECT_EQ(grid().text(0, c), headings.at(static_cast<std::size_t>(c)));
    EXPECT_EQ(grid().colWidth(c), 2250);
    for (int r = 0; r <= 3; ++r) {
      EXPECT_EQ(grid().cellFormat(r, c), 3);
    }
  }
  const std::vector<std::string> row2 = {" 2",  " 102", " 500", " 200", " 20", " 40",
                                         " .5", " 25",  " 450", " 0",   " 3.2"};
  for (int c = 0; c <= 10; ++c) {
    EXPECT_EQ(grid().text(2, c), row2.at(static_cast<std::size_t>(c))) << c;
  }
  EXPECT_EQ(grid().text(1, 0), " 1");
  EXPECT_EQ(grid().text(3, 0), " 3");
  EXPECT_EQ(grid().text(3, 1), " 103");
  EXPECT_EQ(grid().text(3, 10), " 3.3");
}

TEST_F(InputSummaryTest, AOneStoryBuildingGivesTwoRowsAndARefillDropsTheRowsOfTheLastFill)
{
  stories(5);
  s->form12.fill();
  ASSERT_EQ(grid().rows(), 6);
  s->form12.OK_Click();
  p().N = 1;
  s->form12.fill();
  EXPECT_EQ(grid().rows(), 2);
  EXPECT_EQ(grid().text(1, 1), " 101");
}

TEST_F(InputSummaryTest, TheZoneFollowsTheBaseAccelerationAndAnOtherValueKeepsTheCaption)
{
  stories(1);
  struct Case {
    double a;
    const char* caption;
  };
  const Case cases[] = {
      {0.2, "منطقه با خطر نسبي كم"},         {0.25, "منطقه با خطر نسبي متوسط"},
      {0.3, "منطقه با خطر نسبي زياد"},       {0.35, "منطقه با خطر نسبي خيلي زياد"},
      {0.15, "منطقه با خطر نسبي خيلي زياد"},  // kept from the fill before
  };
  for (const Case& c : cases) {
    p().a = c.a;
    s->form12.fill();
    EXPECT_EQ(label(0).caption, c.caption) << c.a;
  }
}

TEST_F(InputSummaryTest, SoilImportanceAndSystemsAreTheCaptionsOfTheChosenOptions)
{
  stories(1);
  p().form3.Option1[0].value = false;
  p().form3.Option1[2].value = true;
  p().form5.Option1[1].value = false;
  p().form5.Option1[3].value = true;
  p().SYSTEMx = 14;
  p().SYSTEMy = 4;
  s->form12.fill();
  EXPECT_EQ(label(1).caption, "زمين نوع3(TS=0.7,T0=0.15)");
  EXPECT_EQ(label(2).caption, "سازه با درجه اهميت خيلي زياد(I=1.4)");
  EXPECT_EQ(label(3).caption, "قاب خمشي فولادي ويژه R=10");
  EXPECT_EQ(label(4).caption, "ديوارهاي برشي با مصالح بنايي مسلح R=4");

  // Nothing selected, or a code outside the list, leaves the captions as they were.
  p().form3.Option1[2].value = false;
  p().form5.Option1[3].value = false;
  p().SYSTEMx = 0;
  p().SYSTEMy = 24;
  s->form12.fill();
  EXPECT_EQ(label(1).caption, "زمين نوع3(TS=0.7,T0=0.15)");
  EXPECT_EQ(label(2).caption, "سازه با درجه اهميت خيلي زياد(I=1.4)");
  EXPECT_EQ(label(3).caption, "قاب خمشي فولادي ويژه R=10");
  EXPECT_EQ(label(4).caption, "ديوارهاي برشي با مصالح بنايي مسلح R=4");
}

TEST_F(InputSummaryTest, HeightAndStoryCountAreTheBoxTextsAsTheyStand)
{
  stories(1);
  p().form8.Text[2].text = "1";
  p().form8.Text[3].text = "3.";
  s->form12.fill();
  EXPECT_EQ(label(5).caption, " ارتفاع ساختمان از تراز پايه بر حسب متر=3.");
  EXPECT_EQ(label(6).caption, "تعداد طبقات ساختمان بالاتر از تراز پايه=1");
  EXPECT_EQ(label(12).caption, "خلاصه مشخصات ابعاد و بارهاي طبقات-واحد:كيلوگرم ومتر");
}

TEST_F(InputSummaryTest, InfillLabelsShowOnlyWhereTheSystemsLeaveTheChoiceOpen)
{
  stories(1);
  Form8Controls& f8 = p().form8;
  f8.Check[1].enabled = false;
  f8.Check[2].enabled = true;
  f8.Check[2].value = 0;
  s->form12.fill();
  EXPECT_FALSE(label(7).visible);
  EXPECT_TRUE(label(8).visible);
  EXPECT_EQ(label(8).caption, "سازه بدون ميانقاب در جهت عمودي");

  f8.Check[1].enabled = true;
  f8.Check[1].value = 1;
  f8.Check[2].value = 1;
  s->form12.fill();
  EXPECT_TRUE(label(7).visible);
  EXPECT_EQ(label(7).caption, "سازه داراي ميانقاب در جهت افقي");
  EXPECT_EQ(label(8).caption, "سازه داراي ميانقاب در جهت عمودي");
}

TEST_F(InputSummaryTest, RegularityAndThePeriodMethod)
{
  stories(1);
  Form8Controls& f8 = p().form8;
  s->form12.fill();  // after New: regular, empirical period
  EXPECT_EQ(label(9).caption, "سازه منظم");
  EXPECT_EQ(label(10).caption, "محاسبه پريودسازه با فرمول تجربي");
  EXPECT_FALSE(label(11).visible);

  f8.Check[3].value = 0;
  f8.Check[4].value = 0;
  f8.Text[1].enabled = true;
  f8.Text[1].text = ".85";
  s->form12.fill();
  EXPECT_EQ(label(9).caption, "سازه نامنظم");
  EXPECT_EQ(label(10).caption, "محاسبه پريودسازه با فرمول تحليلي");
  EXPECT_TRUE(label(11).visible);
  EXPECT_EQ(label(11).caption, "پريودساختمان با استفاده از روش تحليلي بر حسب ثانيه=.85");
}

}  // namespace
}  // namespace vorn
