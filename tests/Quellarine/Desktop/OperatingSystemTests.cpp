#include "Quellarine/Desktop/OperatingSystem.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

TEST(OperatingSystemTest, ThePrettyNameElseTheNameAndVersion)
{
    const std::pair<const char*, const char*> files[] = {
        {"NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
         "Debian GNU/Linux 12 (bookworm)"},
        {"# no pretty name\nNAME='Arch Linux'\nID=arch\nVERSION_ID=2024.01\n", "Arch Linux 2024.01"},
        {"NAME=Gentoo\nPRETTY_NAME=\"\"\n", "Gentoo"},
        {"PRETTY_NAME=\"Say \\\"hi\\\" \\$HOME\"\r\n", "Say \"hi\" $HOME"},
        {"ID=x\n=odd\n", ""},
        {"", ""},
    };
    for (const auto& [file, described] : files) {
        EXPECT_EQ(OperatingSystem::describe(file), QString::fromUtf8(described)) << file;
    }
}

} // namespace
} // namespace quellarine
