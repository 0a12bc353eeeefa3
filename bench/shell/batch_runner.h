#pragma once

#include <functional>
#include <istream>
#include <string>

namespace shell {

class TForm1;
struct BatchSession;

// One line of a batch script: the command, the control's name and the rest of the
// line (the text or item, spaces included).
struct BatchLine {
    std::string command;  // empty for a blank line or a comment
    std::string name;
    std::string rest;
};
BatchLine ParseBatchLine(const std::string& line);

// Runs a script of operator actions against the window's controls by name. Monitor
// lines, boxes ("[BOX] text") and the protocol view after each click ("[VIEW] text")
// go to print, as do the answers of show, grid and visible.
class BatchRunner {
public:
    BatchRunner(TForm1& form, BatchSession& session);

    // 0 when every line ran; 2 at the first unknown control, item or command (a line
    // naming it is printed); 1 when the file cannot be read.
    int Run(std::istream& script);
    int RunFile(const std::string& path);
    // One line; 0 or 2 as above.
    int RunLine(const std::string& line);

private:
    int Fail(const std::string& what);
    void Print(const std::string& line);

    TForm1& form_;
    BatchSession& session_;
};

}  // namespace shell
