#include "Quellarine/Desktop/OperatingSystem.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

TEST(OperatingSystemTest, TheVersionIsAlwaysTwoNumbers)
{
    const std::pair<const char*, const char*> files[] = {
        {"NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "12.0"},
        {"NAME=Ubuntu\nVERSION_ID=\"22.04\"\n", "22.4"},
        {"VERSION_ID='15.5'\r\n", "15.5"},
        {"VERSION_ID=2024.01.01\n", "2024.1"},
        {"  VERSION_ID=39\nVERSION_ID=40\n", "40.0"}, // the last assignment holds
        {"# VERSION_ID=11\nNAME='Arch Linux'\nBUILD_ID=rolling\n", ""},
        {"VERSION_ID=\"rolling\"\n", ""},
        {"VERSION_ID=99999999999999999999999\n", ""},
        {"", ""},
    };
    for (const auto& [file, version] : files) {
        EXPECT_EQ(OperatingSystem::versionOf(file), QString::fromUtf8(version)) << file;
    }
    EXPECT_EQ(OperatingSystem::twoNumbers(QStringLiteral("6.1.0-18-amd64")), QStringLiteral("6.1"));
    EXPECT_EQ(OperatingSystem::twoNumbers(QStringLiteral("6.10")), QStringLiteral("6.10"));
    EXPECT_EQ(OperatingSystem::twoNumbers(QStringLiteral("v6.1")), QString());
    // This computer's, whichever way it is found.
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(\A\d+\.\d+\z)")).match(OperatingSystem::version()).hasMatch())
        << OperatingSystem::version().toStdString();
}

} // namespace
} // namespace quellarine
