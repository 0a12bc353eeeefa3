#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "bench/shell/tform1.h"
#include "platform/profile.h"
#include "tests/support/temp_dir.h"

// A bench window on a temporary home folder, shown offscreen, with its boxes
// answered from a batch session so nothing waits for an operator.
class WindowTest : public ::testing::Test {
protected:
    // Writes setup.cfg (when given) and opens the window.
    void Open(const std::string* settings);
    void Open(const std::string& settings) { Open(&settings); }
    void Reopen();

    template <typename T>
    T* Find(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) const;  // what "show NAME" prints
    std::vector<std::string> MonitorLines() const;
    platform::Profile Settings() const { return platform::Profile(home.File("setup.cfg")); }
    std::string SettingsText() const;

    testsupport::TempDir home;
    shell::BatchSession session;
    std::vector<std::string> printed;  // boxes and monitor lines as batch mode prints them
    std::unique_ptr<shell::TForm1> form;
};
