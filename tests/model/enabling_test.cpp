#include "model/enabling.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "windows/main/form1_main.h"
#include "windows/report/form27_print.h"

namespace vorn {
namespace {

// The numbers of the buttons (or check boxes) that are enabled, among first … last.
template <typename Controls>
std::vector<int> enabledOnes(const Controls& controls, int first, int last)
{
  std::vector<int> on;
  for (int k = first; k <= last; ++k) {
    if (controls[k].enabled) {
      on.push_back(k);
    }
  }
  return on;
}

// Each name reaches the button whose caption says what the name says.
TEST(Enabling, EveryMainCommandEnablesTheButtonOfItsCaption)
{
  const std::vector<std::pair<MainCommand, std::string>> commands = {
      {MainCommand::Site, "انتخاب منطقه محل ساخت سازه"},
      {MainCommand::Soil, "انتخاب نوع زمين سازه"},
      {MainCommand::Importance, "انتخاب درجه اهميت سازه"},
      {MainCommand::SystemX, "انتخاب نوع سيستم مقاوم سازه اي جهت افقي"},
      {MainCommand::SystemY, "انتخاب نوع سيستم مقاوم سازه اي جهت عمودي"},
      {MainCommand::Structure, "انتخاب ابعاد و مشخصات سازه"},
      {MainCommand::About, "درباره VORN"},
      {MainCommand::InputSummary, "مشاهده خلاصه اطلاعات ورودي"},
      {MainCommand::StaticRun, "اجرا و مشاهده نيروهاي جانبي طبقات به روش استاتيكي"},
      {MainCommand::TorsionInput, "ورود يا اصلاح  اطلاعات جهت محاسبه پيچش و واژگوني"},
      {MainCommand::TorsionSummary, " خلاصه  اطلاعات ورودي جهت محاسبه پيچش و واژگوني"},
      {MainCommand::TorsionRun, "مشاهده نتايج محاسبات واژگوني و لنگرهاي پيچشي"},
      {MainCommand::Recommendations, "مشاهده برخي نكات آيين نامه اي راجع به اين سازه"},
      {MainCommand::Spectrum, "مشاهده طيف طرح استاندارد براي تحليل ديناميكي طيفي"},
      {MainCommand::AllowableDrifts, "مشاهده تغيير مكانهاي مجاز طبقات"},
      {MainCommand::PDelta, "ورود اطلاعات جهت محاسبه پي -دلتا"},
  };
  for (const auto& [command, caption] : commands) {
    auto p = std::make_unique<Project>();
    for (auto& button : p->form1.Command) {
      button.enabled = false;
    }
    enableMainCommand(*p, command);
    const std::vector<int> on = enabledOnes(p->form1.Command, 1, 16);
    ASSERT_EQ(on.size(), 1u) << caption;
    EXPECT_EQ(form1_texts::commands.at(static_cast<std::size_t>(on[0] - 1)), caption);
    EXPECT_TRUE(mainCommandEnabled(*p, command)) << caption;
    disableMainCommand(*p, command);
    EXPECT_TRUE(enabledOnes(p->form1.Command, 1, 16).empty()) << caption;
  }
}

TEST(Enabling, TheInputStepsAreTheSixInputButtonsAndNotTheAboutBox)
{
  auto p = std::make_unique<Project>();
  for (auto& button : p->form1.Command) {
    button.enabled = true;
  }
  setInputStepsEnabled(*p, false);
  EXPECT_EQ(enabledOnes(p->form1.Command, 1, 16),
            (std::vector<int>{7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  setInputStepsEnabled(*p, true);
  EXPECT_EQ(enabledOnes(p->form1.Command, 1, 16).size(), 16u);
}

TEST(Enabling, EveryReportTableOffersTheCheckBoxOfItsCaptionAlone)
{
  const std::vector<std::pair<ReportTable, std::string>> tables = {
      {ReportTable::GeneralData, "مشخصات کلي سازه"},
      {ReportTable::StoryLoads, "مشخصات بارها و ابعاد طبقات"},
      {ReportTable::TorsionInput, "اطلاعات ورودي جهت محاسبه پيچش و واژگوني"},
      {ReportTable::StoryDisplacements, "تغيير مکانهاي طبقات"},
      {ReportTable::StaticShears, "برش طبقات طبق روش استاتيکي معادل"},
      {ReportTable::TorsionResults, "محاسبات پيچش و واژگوني"},
      {ReportTable::Recommendations, "توصيه هاي طراحي"},
      {ReportTable::Spectrum, "طيف طرح استاندارد براي تحليل  ديناميکي طيفي"},
      {ReportTable::AllowableDrifts, "تغيير مکانهاي مجاز طبقات"},
      {ReportTable::PDelta, "محاسبات پي دلتا"},
  };
  for (const auto& [table, caption] : tables) {
    auto p = std::make_unique<Project>();
    for (auto& check : p->form27.Check) {
      check.enabled = false;
    }
    offerReportTable(*p, table);
    const std::vector<int> on = enabledOnes(p->form27.Check, 1, 11);
    ASSERT_EQ(on.size(), 1u) << caption;
    EXPECT_EQ(form27_texts::checks.at(static_cast<std::size_t>(on[0] - 1)), caption);
    withdrawReportTable(*p, table);
    EXPECT_TRUE(enabledOnes(p->form27.Check, 1, 11).empty()) << caption;
  }
}

}  // namespace
}  // namespace vorn
