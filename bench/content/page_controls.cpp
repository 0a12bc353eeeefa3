#include "bench/content/page_controls.h"

#include <QLineEdit>

#include "bench/fields/integer_field.h"
#include "bench/fields/sign_id.h"
#include "bench/shell/bench_host.h"
#include "platform/gbk.h"

namespace content {

QStringList Items(const std::vector<std::string>& entries)
{
    QStringList items;
    for (const std::string& entry : entries) items << QString::fromStdString(entry);
    return items;
}

void InsertAtCaret(QLineEdit& edit, const QString& piece)
{
    const int caret = edit.cursorPosition();
    QString text = edit.text();
    text.insert(caret, piece);
    edit.setText(text);
    edit.setCursorPosition(caret);
    edit.setFocus();
}

std::optional<std::uint16_t> SignIdOf(shell::BenchHost& host)
{
    const fields::SignIdField id = fields::ParseSignId(host.SignIdText());
    if (!id.value) host.ConversionError(id.error);
    return id.value;
}

std::optional<std::int32_t> NumberOf(shell::BenchHost& host, const QString& text)
{
    const std::string utf8 = text.toStdString();
    const fields::IntegerField field = fields::ParseIntegerField(utf8, fields::LeadingBlanks::Skip);
    if (!field.value) host.ConversionError(field.error);
    return field.value;
}

std::optional<std::string> GbkOf(shell::BenchHost& host, const QString& text, const char* what)
{
    const platform::TextConversion gbk = platform::Utf8ToGbk(text.toStdString());
    if (gbk.ok()) return gbk.bytes;
    const std::string message = std::string(what) + " cannot be sent: " + gbk.error;
    host.MonitorLog("ERROR", message, true);
    host.Warn(message);
    return std::nullopt;
}

QString TextOfGbk(const std::string& gbk)
{
    const platform::TextConversion utf8 = platform::GbkToUtf8(gbk);
    // A name the sign holds that is not GBK is shown byte for byte rather than lost.
    return utf8.ok() ? QString::fromStdString(utf8.bytes)
                     : QString::fromLatin1(gbk.data(), static_cast<int>(gbk.size()));
}

namespace {

bool Show(shell::BenchHost& host, const FrameBuild& frame, int layout)
{
    if (!frame.ok()) {
        host.MonitorLog("ERROR", frame.error, true);
        return false;
    }
    host.SetHexData(frame.frameText);
    host.ShowFrameLayout(layout);
    return true;
}

}  // namespace

bool ShowAndSend(shell::BenchHost& host, const FrameBuild& frame, int layout)
{
    if (!Show(host, frame, layout)) return false;
    host.BtnSend1Click();
    return true;
}

int ShowAndExchange(shell::BenchHost& host, const FrameBuild& frame, int layout)
{
    if (!Show(host, frame, layout)) return 0;
    const int result = host.SendFrameText();
    return result > 0 ? result : 0;
}

}  // namespace content
