#include "sample_note.h"

#include <array>
#include <string>

namespace vorn::test {

namespace {

std::string number(int value)
{
  return std::to_string(value);
}

}  // namespace

const std::array<std::string, 12> kOrdinals = {"اول",  "دوم",  "سوم", "چهارم", "پنجم",   "ششم",
                                               "هفتم", "هشتم", "نهم", "دهم",   "يازدهم", "دوازدهم"};

NoteDocument sampleNote(int stories)
{
  NoteDocument note;
  note.title = {"ساختمان مسکوني شماره 12", "مهندس رضايي", "دفتر فني نمونه", "برج-نمونه.EQ",
                "2026-12-08"};
  note.program = "VORN 1.0.0";

  NoteSection inputs;
  inputs.table = 1;
  inputs.heading = "اطلاعات ورودي";
  inputs.facts = {{"نام استان و شهر محل ساخت", "تهران   تهران"},
                  {"A", " .35(شتاب مبناي طرح )"},
                  {"نوع زمين سازه", "زمين نوع1(TS=0.4,T0=0.1)"},
                  {"ضريب اصلاح", "-1.5"},
                  {"سازه غير منظم", ""}};
  inputs.lines = {"توصيه: فاصله مركز جرم و مركز سختي طبقه 3 بيشتر از 123456 سانتيمتر است"};
  note.sections.push_back(inputs);

  NoteSection run;
  run.table = 5;
  run.heading = "محاسبات بار زلزله به روش استاتيكي معادل";
  run.facts = {{"وزن كل ساختمان", "1875000"}, {"ضريب زلزله جهت افقي", " .1375"}};
  run.derivation = {{"جهت افقي (x)",
                     {{"TE", "TE = 0.05 × H^0.75", "0.05 × 15^0.75", ".38 s"},
                      {"B", "B = 2.5", "", "2.5"},
                      {"V", "V = C × W", ".1375 × 1875000", "257812 kg"}}}};
  NoteTable forces;
  forces.title = "نيروهاي جانبي طبقات";
  forces.sheet = "forces";
  forces.columns = {{"شماره طبقه", ""},
                    {"ارتفاع از تراز پايه", "m"},
                    {"نيروي جانبي طبقه در جهت افقي", "kg"},
                    {"برش طبقه در جهت افقي", "kg"}};
  for (int k = 1; k <= stories; ++k) {
    // Every row's last two cells are numbers no other row holds.
    forces.rows.push_back(
        {number(k), " ." + number(10 + k % 90), number(70000 + k), "-" + number(50000 + k) + ".5"});
  }
  run.tables.push_back(forces);
  Plot lines;
  lines.title = "نيروهاي جانبي و برش طبقات به روش استاتيكي";
  lines.horizontalAxis = "نيرو بر حسب كيلوگرم";
  lines.verticalAxis = "ارتفاع از تراز پايه بر حسب متر";
  PlotSeries force{"نيروي جانبي طبقه در جهت افقي", {}, true, false};
  PlotSeries shear{"برش طبقه در جهت افقي", {}, false, true};
  for (int k = 1; k <= stories; ++k) {
    force.points.push_back({1000.0 + 10 * k, 3.0 * k});
    shear.points.push_back({1000.0 * (stories - k + 1), 3.0 * k});
  }
  lines.series = {force, shear};
  lines.lines = {{"حد ناپايداري= .25", 800}};
  run.plots.push_back(lines);
  note.sections.push_back(run);

  NoteSection stopped;
  stopped.table = 6;
  stopped.heading = "محاسبات پيچش و واژگوني";
  stopped.stopMessage = "ارتفاع سازه از حد مجاز سيستم انتخابي بيشتر است";
  stopped.tables.push_back(forces);  // never drawn: a stopped section has nothing else
  note.sections.push_back(stopped);

  NoteSection pdelta;
  pdelta.table = 9;
  pdelta.heading = "محاسبات پي دلتا-واحد:کيلوگرم و سانتيمتر";
  NoteTable wide;
  wide.title = "ضريب پايداري طبقات";
  wide.sheet = "pdelta";
  wide.columns.push_back({"شماره طبقه", ""});
  for (int c = 1; c <= 12; ++c) {
    wide.columns.push_back({"برش اضافي جهت افقي " + kOrdinals[c - 1], c % 3 == 0 ? "" : "kg"});
  }
  for (int k = 1; k <= stories; ++k) {
    std::vector<std::string> row = {number(k)};
    for (int c = 1; c <= 12; ++c) {
      row.push_back(c == 12 ? (k % 2 ? "قابل صرفنظر" : "NOTSTABLE STORY")
                            : number(1000000 + 1000 * c + k));
    }
    wide.rows.push_back(row);
  }
  pdelta.tables.push_back(wide);
  Plot bars;
  bars.kind = Plot::Kind::StoryBars;
  bars.title = "لنگر پيچشي كل طبقات";
  bars.horizontalAxis = "لنگر پيچشي بر حسب كيلوگرم متر";
  bars.verticalAxis = "شماره طبقه";
  bars.storyAxis = true;
  PlotSeries x{"جهت افقي", {}, false, false};
  PlotSeries y{"جهت عمودي", {}, false, false};
  for (int k = 1; k <= stories; ++k) {
    x.points.push_back({500.0 * k, static_cast<double>(k)});
    y.points.push_back({-200.0 * k, static_cast<double>(k)});
  }
  bars.series = {x, y};
  pdelta.plots.push_back(bars);
  note.sections.push_back(pdelta);
  return note;
}

}  // namespace vorn::test
