#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace content {

// The program scripts and option vocabularies kept in setup.cfg. Nothing is cached:
// every call reads or writes the file.

inline constexpr std::string_view kProgramSection = "PROGRAM";
inline constexpr std::string_view kCountKey = "COUNT";
inline constexpr std::string_view kLanguageKey = "LANGUAGE";
inline constexpr std::string_view kFontSection = "FONT";
inline constexpr std::string_view kFontPanelKey = "FONT_PANEL";
// A name key that is missing shows as this.
inline constexpr std::string_view kMissingName = "@";
// Text values are read back up to this many bytes, cut before a split character.
inline constexpr std::size_t kMaxTextChars = 2047;

// The per-script keys, each followed by the script's number ("PGM_NAME_12").
inline constexpr std::string_view kNameKey = "PGM_NAME_";
inline constexpr std::string_view kTextKey = "PGM_TEXT_";
inline constexpr std::string_view kHideKey = "PGM_HIDE_";
inline constexpr std::string_view kStartKey = "PGM_STAR_";

// The options a script stores under its number as positions in their boxes.
enum class ScriptOption { Action, Speed, Stay, Color, FontEng, FontChn };
inline constexpr std::array kScriptOptions = {ScriptOption::Action, ScriptOption::Speed,   ScriptOption::Stay,
                                              ScriptOption::Color,  ScriptOption::FontEng, ScriptOption::FontChn};
std::string_view OptionKeyPrefix(ScriptOption option);  // "PGM_ACTION_", ...

struct ProgramScript {
    std::string name = std::string(kMissingName);
    std::string text;
    int hide = 0;   // position in CBSubCommand
    int start = 0;  // position in ComboBoxFileId
    std::array<int, kScriptOptions.size()> options{};  // in the order of kScriptOptions

    int Option(ScriptOption option) const { return options[static_cast<std::size_t>(option)]; }
};

std::string ScriptKey(std::string_view prefix, int number);

int ScriptCount(const platform::Profile& settings);
std::vector<std::string> ScriptNames(const platform::Profile& settings);
ProgramScript ReadScript(const platform::Profile& settings, int number);

// Every write below is one replace of the whole file: it returns false when the
// file could not be written, and the file is then as it was. A negative number (no
// script selected) stores nothing and counts as done.
bool WriteScriptHeader(platform::Profile& settings, int number, const std::string& name, int hide, int start);
bool WriteScriptText(platform::Profile& settings, int number, const std::string& text);
bool WriteScriptOption(platform::Profile& settings, int number, ScriptOption option, int position);

// New: the script takes the number after the listed ones with its name, type and
// start id, and COUNT grows by one.
bool AppendScript(platform::Profile& settings, int listed, const std::string& name, int hide, int start);
// Delete: removes the selected script, moves every later script down one number and
// writes COUNT one smaller. Nothing happens when nothing is selected or the list is
// empty. The keys of the old last number stay in the file.
bool DeleteScript(platform::Profile& settings, int selected, int listed);

// One option vocabulary and the boxes it fills, in their order.
struct Vocabulary {
    std::string_view section;
    std::string_view namePrefix;  // "ACT_NAME_"
    bool languageVariant;         // names carry the LANGUAGE value: "ACT_NAME_EN_3"
    std::vector<std::string_view> boxes;
    std::string_view secondSelected;  // the box that selects the second entry, if any
};
const std::vector<Vocabulary>& Vocabularies();

// LANGUAGE as the script lists read it (default "cn").
std::string ScriptLanguage(const platform::Profile& settings);
std::vector<std::string> ReadVocabulary(const platform::Profile& settings, const Vocabulary& vocabulary,
                                        std::string_view language);

// [FONT] FONT_PANEL above 0.
bool FontPanelShown(const platform::Profile& settings);

}  // namespace content
