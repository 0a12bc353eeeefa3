#include "platform/self_path.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>

extern "C" const char* ProbeSelfPath();

namespace {

std::string RealPath(const std::string& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

TEST(SelfPath, NamesTheExecutableThatHoldsTheCode)
{
    EXPECT_EQ(platform::SelfPath(), RealPath("/proc/self/exe"));
}

TEST(SelfPath, NamesTheSharedLibraryThatHoldsTheCode)
{
    EXPECT_EQ(std::string(ProbeSelfPath()), RealPath(SELF_PATH_PROBE_FILE));
}

TEST(SelfPath, DirectoryOf)
{
    const std::pair<const char*, const char*> table[] = {
        {"/opt/sign/lib/libsignlink.so", "/opt/sign/lib"},
        {"/libsignlink.so", "/"},
        {"/opt/sign/", "/opt"},
        {"libsignlink.so", "."},
        {"a/b", "a"},
        {"/", "/"},
    };
    for (auto [path, directory] : table) EXPECT_EQ(platform::DirectoryOf(path), directory) << path;
}

}  // namespace
