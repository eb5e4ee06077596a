#pragma once
// The basic helpers every table and screen relies on: text cleaning, rounding
// halves to even, the network-path test and one-level folder creation.

#include <filesystem>
#include <string>
#include <string_view>

namespace storage {

// Removes every NUL character, then leading and trailing spaces.
std::string CleanText(std::string_view text);

// x rounded to a whole number, a half going to the even neighbour. Values
// that are a half within the precision of a 4-byte float count as halves, so
// a price typed as 2.675 rounds like the decimal it was typed as.
double RoundHalfEven(double x);
// x rounded to the given number of decimals, halves to even.
double RoundHalfEven(double x, int decimals);
// x rounded to 2 decimals, halves to even, as a 4-byte float.
float Round2(double x);

// True when the program folder is a path on another computer of the network:
// it contains two backslashes in a row, or starts with "//".
bool RunningFromNetwork(std::string_view programFolder);

// False for an empty path; otherwise whether the folder exists. Doubled
// separators in the cleaned path are reduced to one first.
bool FolderExists(std::string_view path);

// Creates one folder level (the parent must exist). Does nothing and returns
// false when running from the network; returns false when the folder existed
// or could not be made, true when it was created.
bool MakeFolder(std::string_view path, bool runningFromNetwork);

// The path as this platform spells it: backslashes become '/', doubled
// separators are reduced to one.
std::filesystem::path NativePath(std::string_view path);

}  // namespace storage
