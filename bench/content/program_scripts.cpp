#include "bench/content/program_scripts.h"

namespace content {

namespace {

std::string ReadTextValue(const platform::Profile& settings, std::string_view section, std::string_view key,
                          std::string_view fallback)
{
    std::string value = settings.ReadText(section, key, fallback);
    if (value.size() > kMaxTextChars) {
        // Never cut inside a UTF-8 character: a broken one would be stored back as
        // a replacement character by the next edit.
        std::size_t end = kMaxTextChars;
        while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
            --end;
        }
        value.resize(end);
    }
    return value;
}

int ReadIntValue(const platform::Profile& settings, std::string_view section, std::string_view key)
{
    return static_cast<int>(settings.ReadInt(section, key, 0));
}

}  // namespace

std::string_view OptionKeyPrefix(ScriptOption option)
{
    switch (option) {
    case ScriptOption::Action: return "PGM_ACTION_";
    case ScriptOption::Speed: return "PGM_SPEED_";
    case ScriptOption::Stay: return "PGM_STAY_";
    case ScriptOption::Color: return "PGM_COLOR_";
    case ScriptOption::FontEng: return "PGM_FONTENG_";
    case ScriptOption::FontChn: return "PGM_FONTCHN_";
    }
    return "PGM_ACTION_";
}

std::string ScriptKey(std::string_view prefix, int number)
{
    return std::string(prefix) + std::to_string(number);
}

int ScriptCount(const platform::Profile& settings)
{
    return ReadIntValue(settings, kProgramSection, kCountKey);
}

std::vector<std::string> ScriptNames(const platform::Profile& settings)
{
    std::vector<std::string> names;
    const int count = ScriptCount(settings);
    for (int n = 0; n < count; ++n) {
        names.push_back(ReadTextValue(settings, kProgramSection, ScriptKey(kNameKey, n), kMissingName));
    }
    return names;
}

ProgramScript ReadScript(const platform::Profile& settings, int number)
{
    ProgramScript script;
    script.name = ReadTextValue(settings, kProgramSection, ScriptKey(kNameKey, number), kMissingName);
    script.text = ReadTextValue(settings, kProgramSection, ScriptKey(kTextKey, number), "");
    script.hide = ReadIntValue(settings, kProgramSection, ScriptKey(kHideKey, number));
    script.start = ReadIntValue(settings, kProgramSection, ScriptKey(kStartKey, number));
    for (std::size_t i = 0; i < kScriptOptions.size(); ++i) {
        script.options[i] = ReadIntValue(settings, kProgramSection, ScriptKey(OptionKeyPrefix(kScriptOptions[i]), number));
    }
    return script;
}

void WriteHeader(platform::ProfileChange& change, int number, const std::string& name, int hide, int start)
{
    change.Write(kProgramSection, ScriptKey(kNameKey, number), name);
    change.WriteInt(kProgramSection, ScriptKey(kHideKey, number), hide);
    change.WriteInt(kProgramSection, ScriptKey(kStartKey, number), start);
}

bool WriteScriptHeader(platform::Profile& settings, int number, const std::string& name, int hide, int start)
{
    if (number < 0) {
        return true;
    }
    return settings.Update([&](platform::ProfileChange& change) { WriteHeader(change, number, name, hide, start); });
}

bool WriteScriptText(platform::Profile& settings, int number, const std::string& text)
{
    if (number < 0) {
        return true;
    }
    return settings.Write(kProgramSection, ScriptKey(kTextKey, number), text);
}

bool WriteScriptOption(platform::Profile& settings, int number, ScriptOption option, int position)
{
    if (number < 0) {
        return true;
    }
    return settings.WriteInt(kProgramSection, ScriptKey(OptionKeyPrefix(option), number), position);
}

bool AppendScript(platform::Profile& settings, int listed, const std::string& name, int hide, int start)
{
    return settings.Update([&](platform::ProfileChange& change) {
        change.WriteInt(kProgramSection, kCountKey, listed + 1);
        WriteHeader(change, listed, name, hide, start);
    });
}

bool DeleteScript(platform::Profile& settings, int selected, int listed)
{
    if (listed <= 0 || selected < 0 || selected >= listed) {
        return true;
    }
    return settings.Update([&](platform::ProfileChange& change) {
        // Name and text are copied as stored (raw), so an absent key stays absent in
        // meaning; numbers are copied as they read, an absent one as its default.
        for (int n = selected; n + 1 < listed; ++n) {
            auto copyRaw = [&](std::string_view prefix, std::string_view fallback) {
                const auto raw = change.ReadRaw(kProgramSection, ScriptKey(prefix, n + 1));
                change.Write(kProgramSection, ScriptKey(prefix, n), raw.value_or(std::string(fallback)));
            };
            auto copyInt = [&](std::string_view prefix) {
                change.WriteInt(kProgramSection, ScriptKey(prefix, n),
                                static_cast<int>(change.ReadInt(kProgramSection, ScriptKey(prefix, n + 1), 0)));
            };
            copyRaw(kNameKey, kMissingName);
            copyRaw(kTextKey, "");
            copyInt(kHideKey);
            copyInt(kStartKey);
            for (const ScriptOption option : kScriptOptions) {
                copyInt(OptionKeyPrefix(option));
            }
        }
        change.WriteInt(kProgramSection, kCountKey, listed - 1);
    });
}

const std::vector<Vocabulary>& Vocabularies()
{
    static const std::vector<Vocabulary> table = {
        {"ACTION", "ACT_NAME_", true,
         {"ComboBox_Action", "ComboBox_Action_Ogif", "ComboBox_Action_Event", "ComboBox_Action_EventText"},
         "ComboBox_Action_EventText"},
        {"COLOR", "COLOR_NAME_", true, {"ComboBox_Color", "ComboBox_ColorEvent", "ComboBox_Color1", "ComboBox_Color2"}, ""},
        {"FONTENG", "FONT_NAME_", false, {"ComboBox_FontEng", "ComboBox_FontEngEvent"}, ""},
        {"FONTCHN", "FONT_NAME_", false, {"ComboBox_FontChn", "ComboBox_FontChnEvent"}, ""},
        {"SPEED", "SPEED_NAME_", true, {"ComboBox_Speed", "ComboBox_SpeedEvent", "ComboBox_Speed_Ogif"}, ""},
        {"STAY", "STAY_NAME_", true, {"ComboBox_Stay", "ComboBox_Stay_Ogif", "ComboBox_StayEvent"}, ""},
    };
    return table;
}

std::string ScriptLanguage(const platform::Profile& settings)
{
    return ReadTextValue(settings, kProgramSection, kLanguageKey, "cn");
}

std::vector<std::string> ReadVocabulary(const platform::Profile& settings, const Vocabulary& vocabulary,
                                        std::string_view language)
{
    std::vector<std::string> names;
    const int count = ReadIntValue(settings, vocabulary.section, kCountKey);
    for (int i = 0; i < count; ++i) {
        std::string key(vocabulary.namePrefix);
        if (vocabulary.languageVariant) {
            key += std::string(language) + "_";
        }
        key += std::to_string(i);
        names.push_back(ReadTextValue(settings, vocabulary.section, key, kMissingName));
    }
    return names;
}

bool FontPanelShown(const platform::Profile& settings)
{
    return settings.ReadInt(kFontSection, kFontPanelKey, 0) > 0;
}

}  // namespace content
