#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "bench/content/frame_build.h"
#include "bench/shell/named_controls.h"

class QLineEdit;

namespace shell {
class BenchHost;
}

namespace content {

// Refills a drop-down list; the shared builder under the name the content callers use.
using shell::FillCombo;
// The entries of a list as a drop-down list takes them.
QStringList Items(const std::vector<std::string>& entries);

// Inserts a piece at the caret (a selection is not replaced), puts the caret back
// before it and gives the edit the focus; the change runs the edit's handlers.
void InsertAtCaret(QLineEdit& edit, const QString& piece);

// The sign id of EditSignEdit; a text that is no number gets the conversion box.
std::optional<std::uint16_t> SignIdOf(shell::BenchHost& host);
// A number field: the conversion box when it is not a number.
std::optional<std::int32_t> NumberOf(shell::BenchHost& host, const QString& text);

// Text for the sign in GBK; a character GBK cannot hold stops the send with an
// ERROR line and a warning box.
std::optional<std::string> GbkOf(shell::BenchHost& host, const QString& text, const char* what);
QString TextOfGbk(const std::string& gbk);

// EditHexData, the protocol view with the layout, then the common send. A refused
// build logs its reason as an ERROR line and sends nothing; false then.
bool ShowAndSend(shell::BenchHost& host, const FrameBuild& frame, int layout);
// The same, exchanged for the reply: the reply count (above 0), or 0 when nothing
// was sent or nothing came back.
int ShowAndExchange(shell::BenchHost& host, const FrameBuild& frame, int layout);

}  // namespace content
