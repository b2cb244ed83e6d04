// The folders of the sources form layers that only look down: a file includes only headers of
// its own layer or of the layers below it, and Qt only in the layers of the screen. The layers are
// the table of ARCHITECTURE.md, so that the map and this check cannot part.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  int rank = 0;
  std::string folder;  // "src/model/", "app/"
  bool qt = false;
};

// The rows of the layer table: | rank | `folder` | Qt | what it holds |
std::string trimmed(const std::string& s)
{
  const auto b = s.find_first_not_of(" \t");
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The cells of a table row "| a | b | c |".
std::vector<std::string> cells(const std::string& line)
{
  std::vector<std::string> found;
  std::size_t at = line.find('|');
  while (at != std::string::npos) {
    const std::size_t next = line.find('|', at + 1);
    if (next == std::string::npos) {
      break;
    }
    found.push_back(trimmed(line.substr(at + 1, next - at - 1)));
    at = next;
  }
  return found;
}

std::vector<Layer> layerTable(const fs::path& map)
{
  std::ifstream in(map);
  std::vector<Layer> layers;
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> c = cells(line);
    if (c.size() < 3 || c[0].empty() || c[0].find_first_not_of("0123456789") != std::string::npos ||
        c[1].size() < 3 || c[1].front() != '`' || c[1].back() != '`' ||
        (c[2] != "yes" && c[2] != "no")) {
      continue;
    }
    layers.push_back({std::stoi(c[0]), c[1].substr(1, c[1].size() - 2), c[2] == "yes"});
  }
  return layers;
}

// The layer of a path relative to the source tree: the longest folder that holds it.
const Layer* layerOf(const std::vector<Layer>& layers, const std::string& path)
{
  const Layer* found = nullptr;
  for (const Layer& l : layers) {
    if (path.rfind(l.folder, 0) == 0 && (!found || l.folder.size() > found->folder.size())) {
      found = &l;
    }
  }
  return found;
}

struct Include {
  std::string header;
  bool angled = false;
};

std::vector<Include> includesOf(const fs::path& file)
{
  std::ifstream in(file);
  std::vector<Include> found;
  for (std::string line; std::getline(in, line);) {
    std::string text = trimmed(line);
    if (text.rfind('#', 0) != 0) {
      continue;
    }
    text = trimmed(text.substr(1));
    if (text.rfind("include", 0) != 0) {
      continue;
    }
    text = trimmed(text.substr(7));
    if (text.size() < 3 || (text[0] != '<' && text[0] != '"')) {
      continue;
    }
    const std::size_t end = text.find(text[0] == '<' ? '>' : '"', 1);
    if (end != std::string::npos) {
      found.push_back({text.substr(1, end - 1), text[0] == '<'});
    }
  }
  return found;
}

bool isQt(const Include& inc)
{
  return inc.angled && inc.header.size() > 1 && inc.header[0] == 'Q' &&
         (std::isupper(static_cast<unsigned char>(inc.header[1])) ||
          inc.header.rfind("Qt", 0) == 0);
}

// Every breach of the layers in the tree at `root`, one line each.
std::vector<std::string> breaches(const fs::path& root)
{
  const std::vector<Layer> layers = layerTable(root / "ARCHITECTURE.md");
  std::vector<std::string> found;
  if (layers.size() < 5) {
    return {"ARCHITECTURE.md has no layer table"};
  }
  for (const char* top : {"src", "app"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const std::string path = fs::relative(entry.path(), root).generic_string();
      if (entry.is_directory()) {
        if (top == std::string("src") && layerOf(layers, path + "/") == nullptr) {
          found.push_back(path + "/ is in no layer of ARCHITECTURE.md");
        }
        continue;
      }
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") {
        continue;
      }
      const Layer* own = layerOf(layers, path);
      if (own == nullptr) {
        found.push_back(path + " is in no layer of ARCHITECTURE.md");
        continue;
      }
      for (const Include& inc : includesOf(entry.path())) {
        if (isQt(inc) && !own->qt) {
          found.push_back(path + " includes <" + inc.header + ">: Qt below the screen's layers");
          continue;
        }
        if (inc.angled || !fs::exists(root / "src" / inc.header)) {
          continue;  // the standard library, a system header or a file beside this one
        }
        const Layer* theirs = layerOf(layers, "src/" + inc.header);
        if (theirs != nullptr && theirs->rank > own->rank) {
          found.push_back(path + " includes \"" + inc.header + "\" of a higher layer (" +
                          theirs->folder + " above " + own->folder + ")");
        }
      }
    }
  }
  return found;
}

TEST(Layers, EveryIncludeLooksDownAndQtStaysInTheScreensLayers)
{
  const std::vector<std::string> found = breaches(VORN_SOURCE_DIR);
  std::ostringstream all;
  for (const std::string& b : found) {
    all << b << "\n";
  }
  EXPECT_TRUE(found.empty()) << all.str();
}

TEST(Layers, ABreachIsNamedWithItsFileAndInclude)
{
  // A small tree with one include upwards and Qt in the model.
  const fs::path root = fs::temp_directory_path() / "vorn-layers-test";
  fs::remove_all(root);
  fs::create_directories(root / "src/model");
  fs::create_directories(root / "src/views");
  fs::create_directories(root / "app");
  std::ofstream(root / "ARCHITECTURE.md") << "| 1 | `src/model/` | no | the model |\n"
                                             "| 2 | `src/session/` | no | |\n"
                                             "| 3 | `src/windows/` | no | |\n"
                                             "| 4 | `src/views/` | yes | |\n"
                                             "| 5 | `app/` | yes | |\n";
  std::ofstream(root / "src/model/project.h")
      << "#include \"views/form_view.h\"\n#include <QString>\n";
  std::ofstream(root / "src/views/form_view.h")
      << "#include \"model/project.h\"\n#include <QWidget>\n";
  std::ofstream(root / "app/main.cpp") << "#include \"views/form_view.h\"\n";
  const std::vector<std::string> found = breaches(root);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].rfind("src/model/project.h includes \"views/form_view.h\"", 0), 0u)
      << found[0];
  EXPECT_EQ(found[1], "src/model/project.h includes <QString>: Qt below the screen's layers");
  fs::remove_all(root);
}

}  // namespace
