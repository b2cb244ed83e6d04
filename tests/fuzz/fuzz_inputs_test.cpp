#include "fuzz_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

#include "fileformat/project_file.h"
#include "fileformat/project_file_layout.h"
#include "main_window_driver.h"
#include "scripted_prompter.h"
#include "session/session.h"
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesIn(const fs::path& folder)
{
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    if (e.is_regular_file() && e.path().filename().string().front() != '.') {
      files.push_back(e.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string slurp(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- Inputs on which a fuzz target once failed -------------------------------------------------

struct Target {
  const char* folder;
  std::function<std::optional<std::string>(std::string_view)> run;
};

TEST(FuzzRegressions, EveryInputThatOnceFailedNowPasses)
{
  const Target targets[] = {
      {"project_file", fuzz::projectFileInput},
      {"project_patch", fuzz::projectPatchInput},
      {"number_text", fuzz::numberTextInput},
      {"picture", fuzz::pictureInput},
  };
  const fs::path regressions = fs::path(VORN_TEST_DATA_DIR) / "fuzz-regressions";
  std::size_t inputs = 0;
  for (const Target& t : targets) {
    for (const fs::path& file : filesIn(regressions / t.folder)) {
      ++inputs;
      const auto problem = t.run(slurp(file));
      EXPECT_FALSE(problem.has_value()) << file << ": " << problem.value_or("");
    }
  }
  EXPECT_GE(inputs, 3u) << "the kept inputs are missing from " << regressions;
}

// The checks stay quiet on ordinary input, or every fuzzing run would stop at once.
TEST(FuzzRegressions, OrdinaryInputsPassTheChecks)
{
  EXPECT_EQ(fuzz::projectFileInput("not a project file"), std::nullopt);  // refused: fine
  EXPECT_EQ(fuzz::numberTextInput("  -12.5E+3xyz"), std::nullopt);
  EXPECT_EQ(fuzz::pictureInput(std::string(1, '\0') + "3.14159"), std::nullopt);
}

// Sets the chosen number of the layout (counted from 1) to an infinity and notes its line.
class OneInfinity : public fuzz::ValueLines {
public:
  explicit OneInfinity(int which) : which_(which) {}
  int setAt = 0;

  void onNumber(double& v, int line) override
  {
    if (--which_ == 0) {
      v = -std::numeric_limits<double>::infinity();
      setAt = line;
    }
  }

private:
  int which_;
};

TEST(FuzzRegressions, TheFiniteCheckFindsTheLineOfAnInfinity)
{
  for (const int which : {1, 40, 400}) {
    Project p;
    EXPECT_EQ(fuzz::firstLineNotFinite(p), 0);
    OneInfinity set(which);
    visitLayout(p, set);
    ASSERT_GT(set.setAt, 0);
    EXPECT_EQ(fuzz::firstLineNotFinite(p), set.setAt) << which;
  }
  // A box that shows an infinity counts; a word that holds the letters does not, nor a text the
  // opened file held already.
  Project p;
  p.form10.Text[2].text = "-Inf";
  const int line = fuzz::firstLineNotFinite(p);
  EXPECT_GT(line, 0);
  std::vector<std::string> given(static_cast<std::size_t>(kProjectFileLines));
  given.at(static_cast<std::size_t>(line - 1)) = "-Inf";
  EXPECT_EQ(fuzz::firstLineNotFinite(p, &given), 0);
  p.form10.Text[2].text = "Info";
  EXPECT_EQ(fuzz::firstLineNotFinite(p), 0);
}

// ---- Seeds of the project file target: real files the program writes -----------------------

// Saves the project as the file dialog's Save As does.
void saveAs(Session& s, const fs::path& folder, const std::string& name)
{
  test::saveProjectAs(s, folder.string(), name);
}

class FuzzSeeds : public ::testing::Test {
protected:
  // The seeds made here are written into the corpus when VORN_WRITE_FUZZ_SEEDS is set.
  void keep(const std::string& name)
  {
    if (const char* write = std::getenv("VORN_WRITE_FUZZ_SEEDS"); write && *write) {
      fs::copy_file(folder / name, fs::path(VORN_FUZZ_CORPUS) / "project_file" / name,
                    fs::copy_options::overwrite_existing);
    }
  }

  test::ScriptedPrompter prompter;
  test::TempFolder temp{"vorn-seeds"};
  const fs::path folder = temp.path();
};

TEST_F(FuzzSeeds, ANewProjectAndABuildingThroughEveryAnalysisAreSavedAndOpenClean)
{
  {
    auto s = std::make_unique<Session>(prompter);
    saveAs(*s, folder, "new_project.EQ");
  }
  auto s = std::make_unique<Session>(prompter);
  fuzz::describeAndRunEverything(*s);
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{});
  for (int k = 1; k <= 4; ++k) {
    ASSERT_TRUE(s->project.STORYSET[k] && s->project.CMSET[k] && s->project.DRIFTSET[k]) << k;
  }
  EXPECT_TRUE(s->project.PDELTASET);
  saveAs(*s, folder, "four_stories_every_analysis.EQ");

  for (const char* name : {"new_project.EQ", "four_stories_every_analysis.EQ"}) {
    const auto read = readProjectFile((folder / name).string());
    ASSERT_TRUE(read.ok()) << read.error;
    const auto problem = fuzz::projectFileInput(slurp(folder / name));
    EXPECT_FALSE(problem.has_value()) << name << ": " << problem.value_or("");
    keep(name);
  }
}

TEST(FuzzCorpus, TheProjectFileSeedsAreFilesTheProgramOpens)
{
  const auto seeds = filesIn(fs::path(VORN_FUZZ_CORPUS) / "project_file");
  ASSERT_GE(seeds.size(), 2u);
  for (const fs::path& seed : seeds) {
    const auto read = readProjectFile(seed.string());
    EXPECT_TRUE(read.ok()) << seed << ": " << read.error;
    const auto problem = fuzz::projectFileInput(slurp(seed));
    EXPECT_FALSE(problem.has_value()) << seed << ": " << problem.value_or("");
  }
}

TEST(FuzzCorpus, TheLongLineSeedsAreFilesTheProgramOpens)
{
  const test::TempFolder temp("vorn-seeds");
  const fs::path folder = temp.path();
  const fs::path script = fs::path(VORN_FUZZ_CORPUS).parent_path() / "long_seeds.sh";
  ASSERT_EQ(std::system(("sh '" + script.string() + "' '" + folder.string() + "'").c_str()), 0);
  const auto seeds = filesIn(folder / "project_file");
  ASSERT_GE(seeds.size(), 4u);
  for (const fs::path& seed : seeds) {
    const std::string bytes = slurp(seed);
    EXPECT_GT(bytes.size(), 90'000u) << seed;
    const auto read = readProjectFile(seed.string());
    EXPECT_TRUE(read.ok()) << seed << ": " << read.error;
    const auto problem = fuzz::projectFileInput(bytes);
    EXPECT_FALSE(problem.has_value()) << seed << ": " << problem.value_or("");
  }
}

}  // namespace
}  // namespace vorn
