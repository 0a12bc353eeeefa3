#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QWidget;

namespace shell {

// One switched caption: a control's caption (item -1) or one item of a radio group,
// with its Chinese text (UTF-8 here; GBK only on the wire).
struct SwitchedCaption {
    std::string_view control;
    int item;
    std::string_view chinese;
};

// The captions the language switch covers, in the order they are set.
const std::vector<SwitchedCaption>& SwitchedCaptions();
// The controls among them, each once, in order.
std::vector<std::string_view> SwitchedControls();

// The current text of every switched entry under root (empty for a control that does
// not exist), one slot per entry: what SavedCaptions keeps.
std::vector<QString> CaptureCaptions(const QWidget& root);
// The Chinese texts, one slot per entry.
std::vector<QString> ChineseCaptionTexts();
// Sets every switched entry that exists under root to its slot in texts.
void ApplyCaptions(QWidget& root, const std::vector<QString>& texts);

}  // namespace shell
