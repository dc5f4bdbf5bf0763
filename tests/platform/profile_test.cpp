#include "platform/profile.h"
#include "support/filecontent.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Profile, NamesMatchWithoutLetterCaseAndBlanksAroundThemDoNotCount) {
    const std::string ini = "; settings\r\n[Other]\r\nMACHINE_TYPE=9\r\n"
                            "  [ System ]  \r\n  machine_type =  2  \r\nMachine_Port=3\r\n";
    EXPECT_EQ(profile::FindValue(ini, "SYSTEM", "MACHINE_TYPE"), "2");
    EXPECT_EQ(profile::FindValue(ini, "system", "MACHINE_PORT"), "3");
    EXPECT_EQ(profile::FindValue(ini, "OTHER", "machine_type"), "9");
    EXPECT_FALSE(profile::FindValue(ini, "SYSTEM", "MISSING"));
    EXPECT_FALSE(profile::FindValue(ini, "NOWHERE", "MACHINE_TYPE"));
    // The first of two equal keys counts; a quoted value loses its quotes.
    EXPECT_EQ(profile::FindValue("[A]\nk=1\nK=2\n", "a", "k"), "1");
    EXPECT_EQ(profile::FindValue("[A]\nk=\" x \"\n", "A", "k"), " x ");
    // Keys before the first section belong to no section.
    EXPECT_FALSE(profile::FindValue("k=1\n[A]\n", "A", "k"));
}

TEST(Profile, IntegersAreASignAndLeadingDigitsAndMissingGivesTheDefault) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/dvsetup.ini";
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "MACHINE_TYPE", 7), 7); // no file
    ASSERT_TRUE(WriteFileBytes(path, "[SYSTEM]\r\nA=12ab\r\nB=-3\r\nC=abc\r\nD=\r\nE=+4\r\nF= 5 6\r\n"));
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "A", 7), 12);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "B", 7), -3);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "C", 7), 0);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "D", 7), 7);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "E", 7), 4);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "F", 7), 5);
    EXPECT_EQ(profile::ReadInt(path, "SYSTEM", "G", 7), 7);
    EXPECT_EQ(profile::ReadInt(path, "OTHER", "A", -1), -1);
}

TEST(Profile, WritingANewFileMakesItsSectionWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sub/dvsetup.ini";
    ASSERT_TRUE(profile::WriteString(path, "SYSTEM", "MACHINE_TYPE", "0"));
    EXPECT_EQ(ReadFileBytes(path), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
    ASSERT_TRUE(profile::WriteInt(path, "SYSTEM", "MACHINE_PORT", 2));
    EXPECT_EQ(ReadFileBytes(path), "[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=2\r\n");
}

TEST(Profile, WritingReplacesInPlaceAndKeepsEveryOtherLine) {
    const std::string ini = "; made by hand\n[system]\nmachine_type = 2\n\n[Other]\nx=1\n";
    EXPECT_EQ(profile::SetValue(ini, "SYSTEM", "MACHINE_TYPE", "0"),
              "; made by hand\n[system]\nmachine_type=0\n\n[Other]\nx=1\n");
    // A new key goes after the section's last line, before the blank line;
    // it takes the file's line ends.
    EXPECT_EQ(profile::SetValue(ini, "SYSTEM", "MACHINE_PORT", "3"),
              "; made by hand\n[system]\nmachine_type = 2\nMACHINE_PORT=3\n\n[Other]\nx=1\n");
    // A new section is appended; a last line without a line end gets one.
    EXPECT_EQ(profile::SetValue("[Other]\r\nx=1", "SYSTEM", "MACHINE_TYPE", "0"),
              "[Other]\r\nx=1\r\n[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
    EXPECT_EQ(profile::SetValue("[SYSTEM]", "SYSTEM", "A", "1"), "[SYSTEM]\r\nA=1\r\n");
    EXPECT_EQ(profile::SetValue("[A]\r\nk=1", "A", "k", "22"), "[A]\r\nk=22\r\n");
}

TEST(Profile, AFileThatCannotBeWrittenIsReported) {
    QTemporaryDir dir;
    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("dvsetup.ini"));
    EXPECT_FALSE(profile::WriteString(dir.path() + "/dvsetup.ini", "SYSTEM", "MACHINE_TYPE", "0"));
}
