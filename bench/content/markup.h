#pragma once

#include <string>
#include <vector>

namespace content {

// The pieces of markup the insert buttons put into a text (UTF-8, as the edits hold
// it). Positions are the chosen entry's index; -1 means nothing chosen.

// ComboBox_Date's entries and the time field each one inserts.
std::vector<std::string> DateEntries();
std::string TimeFieldMarkup(int position);

// Text programs: "[FC" + colour code + "]", "[Cv" n "]", "[CV" n "]", "{" n "}".
std::string ProgramColourMarkup(int position);
std::string RamVariableMarkup(int position);
std::string FlashVariableMarkup(int position);
std::string IconMarkup(int position);

// Variable strings: "[" + (16 + colour code) + "]" and the character bitmap "{" n "}".
std::string VariableColourMarkup(int position);
std::string CharBitmapMarkup(int position);

}  // namespace content
