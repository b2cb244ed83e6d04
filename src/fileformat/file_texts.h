#pragma once

namespace vorn {

// Reasons why a project or report file is not written or read, shown after the file's name.
namespace file_texts {
inline constexpr const char* danglingLink =
    "اين نام پيوندي (symbolic link) به فايلي است که وجود ندارد: ";
inline constexpr const char* writeProtected =
    "اين فايل فقط خواندني است (در برابر نوشتن محافظت شده) و جايگزين نميشود";
inline constexpr const char* otherHardLinks =
    "اين فايل نامهاي ديگري هم دارد (hard link) که با جايگزيني آن از هم جدا ميشدند؛ فايل دست "
    "نخورده ماند. لطفا نام ديگري انتخاب نماييد";
inline constexpr const char* folderNotFlushed =
    "فايل جايگزين شد ولي ثبت پوشه آن روي ديسک انجام نشد: ";
inline constexpr const char* isFolder = "اين نام يک پوشه است نه يک فايل";
inline constexpr const char* notRegular = "اين نام يک فايل معمولي نيست";
inline constexpr const char* reportIsProject =
    "اين فايل همان فايل پروژه باز است و گزارش روي آن نوشته نميشود. لطفا نام ديگري براي فايل "
    "گزارش انتخاب نماييد";
inline constexpr const char* reportNotRegular =
    "اين نام يک فايل معمولي نيست (مثلا يک دستگاه يا لوله) و گزارش در آن نوشته نميشود";
// What is left out of a line quoted in a message.
inline constexpr const char* ellipsis = "…";
}  // namespace file_texts

}  // namespace vorn
