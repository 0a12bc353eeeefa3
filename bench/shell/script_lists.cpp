#include "bench/shell/script_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QWidget>

#include "bench/content/program_scripts.h"
#include "platform/profile.h"

namespace shell {

namespace {

template <typename T>
T* Find(QWidget& root, std::string_view name)
{
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (root.objectName() == text) {
        return qobject_cast<T*>(&root);
    }
    return root.findChild<T*>(text);
}

QStringList ToStringList(const std::vector<std::string>& names)
{
    QStringList list;
    for (const auto& name : names) {
        list << QString::fromStdString(name);
    }
    return list;
}

}  // namespace

void LoadScriptLists(QWidget& root, const platform::Profile& settings)
{
    if (auto* panel = Find<QWidget>(root, "PanelFontSpecial")) {
        panel->setVisible(content::FontPanelShown(settings));
    }
    if (auto* list = Find<QListWidget>(root, "ListBoxPgm")) {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(ToStringList(content::ScriptNames(settings)));
    }
    const std::string language = content::ScriptLanguage(settings);
    for (const auto& vocabulary : content::Vocabularies()) {
        const QStringList names = ToStringList(content::ReadVocabulary(settings, vocabulary, language));
        for (const auto box : vocabulary.boxes) {
            auto* combo = Find<QComboBox>(root, box);
            if (!combo) {
                continue;
            }
            const QSignalBlocker blocker(combo);
            combo->clear();
            combo->addItems(names);
            const bool second = box == vocabulary.secondSelected;
            combo->setCurrentIndex(second ? (names.size() > 1 ? 1 : -1) : (names.isEmpty() ? -1 : 0));
        }
    }
}

}  // namespace shell
