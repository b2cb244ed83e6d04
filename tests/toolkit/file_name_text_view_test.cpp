#include "toolkit/file_name_text_view.h"

#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>
#include <fstream>
#include "temp_folder.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

QString units(std::u16string_view s)
{
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

TEST(FileNameText, ShowsUtf8AsItsCharactersAndEveryOtherByteAsAnEscapeAndGivesTheBytesBack)
{
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string shown;
  } cases[] = {
      {"ascii", "plan-2.EQ", u"plan-2.EQ"},
      {"Persian in UTF-8", "\xd8\xb3\xd8\xa7\xd8\xae\xd8\xaa\xd9\x85\xd8\xa7\xd9\x86.EQ",
       u"\u0633\u0627\u062e\u062a\u0645\u0627\u0646.EQ"},
      {"Persian in Windows-1256", "\xf8\xd1\xe6\xe5.EQ", u"\xdcf8\xdcd1\xdce6\xdce5.EQ"},
      {"lone 0xFF", "a\xff", u"a\xdcff"},
      {"lone continuation byte", "\x80", u"\xdc80"},
      {"truncated three-byte sequence", "\xe2\x82", u"\xdce2\xdc82"},
      {"truncated before ASCII", "\xd8x", u"\xdcd8x"},
      {"overlong slash", "\xc0\xaf", u"\xdcc0\xdcaf"},
      {"overlong three-byte", "\xe0\x80\xaf", u"\xdce0\xdc80\xdcaf"},
      {"encoded surrogate", "\xed\xa0\x80", u"\xdced\xdca0\xdc80"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", u"\xdcf4\xdc90\xdc80\xdc80"},
      {"four-byte character", "\xf0\x9f\x98\x80", u"\xd83d\xde00"},
      {"valid then invalid", "\xc3\xa9\xc3", u"\x00e9\xdcc3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fileNameText(c.bytes), units(c.shown));
    EXPECT_EQ(fileNameBytes(units(c.shown)), c.bytes);
  }

  // So does every string of up to two bytes.
  for (int k = 0; k < 256 * 257; ++k) {
    std::string bytes = k < 256 ? std::string(1, static_cast<char>(k))
                                : std::string{static_cast<char>(k / 256 - 1), static_cast<char>(k)};
    ASSERT_EQ(fileNameBytes(fileNameText(bytes)), bytes) << k;
  }
}

TEST(DialogPathBytes, FindsTheNamesQtReadLossilyAndKeepsANewNameAsTyped)
{
  const test::TempFolder temp("vorn-names");
  const std::string root = temp.path().string();
  const std::string folder = root + "/\xe3\xed\xd1";  // Windows-1256 bytes
  const std::string file = folder + "/\xf8\xd1\xe6\xe5.txt";
  fs::create_directory(folder);
  std::ofstream(file) << "report";
  const auto qt = [](const std::string& bytes) { return QFile::decodeName(bytes.c_str()); };
  ASSERT_NE(qt(file), fileNameText(file)) << "Qt reads the name lossily";

  EXPECT_EQ(dialogPathBytes(qt(file)), file);
  EXPECT_EQ(dialogPathBytes(qt(folder) + QString::fromUtf8("/گزارش.txt")), folder + "/گزارش.txt");
}

}  // namespace
}  // namespace vorn
