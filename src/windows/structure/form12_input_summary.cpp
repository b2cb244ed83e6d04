#include "windows/structure/form12_input_summary.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "codetables/system_table.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/structure/form8_structure.h"

namespace vorn {

namespace {

// The one cell format of every cell of the grid.
constexpr int kCellFormat = 3;
constexpr int kColWidthTwips = 2250;

// The story records behind columns 1 … 10.
constexpr std::array<StoryArray StoryRecords::*, 10> kColumns = {
    &StoryRecords::AR,  &StoryRecords::DL, &StoryRecords::LL,   &StoryRecords::PERL,
    &StoryRecords::PW,  &StoryRecords::HW, &StoryRecords::PERW, &StoryRecords::LW,
    &StoryRecords::LOD, &StoryRecords::HS};

// The caption of the selected option, or nullptr when none is selected.
template <typename Options, typename Captions>
const char* selectedCaption(const Options& options, const Captions& captions)
{
  for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
    if (options[k].value) {
      return captions.at(static_cast<std::size_t>(k));
    }
  }
  return nullptr;
}

void setSystem(Label& label, double code)
{
  if (const ResistingSystem* system = resistingSystem(code)) {
    label.caption = std::string(system->caption) + " " + system->rLabel;
  }
}

}  // namespace

void Form12::fill()
{
  Project& p = s_.project;
  openOver(p, WindowId::form1, WindowId::Form12);

  // The grid: one row per story under the header row.
  const int n = p.N >= 1 ? std::min(static_cast<int>(std::floor(p.N)), kMaxStories) : 0;
  Grid& g = p.form12.MSFlexGrid1;
  g.setRows(n + 1);
  g.setCols(11);
  for (int r = 0; r <= n; ++r) {
    for (int c = 0; c <= 10; ++c) {
      g.setRow(r);
      g.setCol(c);
      g.setCellFormat(kCellFormat);
      g.setColWidth(c, kColWidthTwips);
    }
  }
  for (int c = 0; c <= 10; ++c) {
    g.setRow(0);
    g.setCol(c);
    g.setText(form12_texts::headings.at(static_cast<std::size_t>(c)));
    for (int r = 1; r <= n; ++r) {
      g.setRow(r);
      const double value =
          c == 0 ? static_cast<double>(r) : (p.*kColumns.at(static_cast<std::size_t>(c - 1)))[r];
      g.setText(padded(value));
    }
  }

  // The labels.
  auto& l = p.form12.Label1;
  const auto& zones = form12_texts::zones;
  if (p.a == 0.2) {
    l[0].caption = zones[0];
  } else if (p.a == 0.25) {
    l[0].caption = zones[1];
  } else if (p.a == 0.3) {
    l[0].caption = zones[2];
  } else if (p.a == 0.35) {
    l[0].caption = zones[3];
  }
  if (const char* soil = selectedCaption(p.form3.Option1, form3_texts::options)) {
    l[1].caption = soil;
  }
  if (const char* importance = selectedCaption(p.form5.Option1, form5_texts::options)) {
    l[2].caption = importance;
  }
  setSystem(l[3], p.SYSTEMx);
  setSystem(l[4], p.SYSTEMy);

  const Form8Controls& f8 = p.form8;
  const auto& boxLabels = form8_texts::labels;
  l[5].caption = std::string(boxLabels[2]) + "=" + f8.Text[3].text;
  l[6].caption = std::string(boxLabels[1]) + "=" + f8.Text[2].text;
  l[7].visible = f8.Check[1].enabled;
  l[7].caption = f8.Check[1].value == 1 ? form12_texts::infillX : form12_texts::noInfillX;
  l[8].visible = f8.Check[2].enabled;
  l[8].caption = f8.Check[2].value == 1 ? form12_texts::infillY : form12_texts::noInfillY;
  l[9].caption = f8.Check[3].value == 1 ? form12_texts::regular : form12_texts::irregular;
  l[10].caption = f8.Check[4].value == 1 ? form12_texts::empirical : form12_texts::analytical;
  l[11].visible = f8.Text[1].enabled;
  if (f8.Text[1].enabled) {
    l[11].caption = std::string(boxLabels[0]) + "=" + f8.Text[1].text;
  }
  l[12].caption = form12_texts::gridTitle;
}

void Form12::OK_Click()
{
  returnTo(s_.project, WindowId::Form12, WindowId::form1);
}

}  // namespace vorn
