#pragma once

class QWidget;

namespace platform {
class Profile;
}

namespace shell {

// Loads the script list and the option vocabularies from setup.cfg into the controls
// under root that carry their names (ListBoxPgm, ComboBox_Action, ...): the window
// passes itself, so the boxes of every page are filled; a control that does not
// exist is skipped. Also shows or hides PanelFontSpecial. Signals of the filled
// controls are blocked: loading is not an operator's change.
void LoadScriptLists(QWidget& root, const platform::Profile& settings);

}  // namespace shell
