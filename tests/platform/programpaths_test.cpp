#include "platform/programpaths.h"
#include "support/tempxdgfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramPaths : ::testing::Test {
    void TearDown() override { paths::SetProgramFolder({}); }
    TempXdgFolders m_xdg;
};

} // namespace

TEST_F(ProgramPaths, AWritableProgramFolderHoldsSettingsAndLibrary) {
    const QString program = m_xdg.Root() + "/bin";
    ASSERT_TRUE(QDir().mkpath(program));
    paths::SetProgramFolder(program);
    EXPECT_EQ(GetSetupFilePath(), program + "/dvsetup.ini");
    EXPECT_FALSE(QFileInfo::exists(program + "/dvsetup.ini")); // nothing created
    EXPECT_EQ(GetLibraryPath(), program + "/Library");
    EXPECT_TRUE(QFileInfo(program + "/Library").isDir());
    EXPECT_EQ(GetLibraryFilePath("tv.irr"), program + "/Library/tv.irr");
}

TEST_F(ProgramPaths, OtherwiseTheDesktopsConfigAndDataFoldersAreUsed) {
    paths::SetProgramFolder(m_xdg.Root() + "/no-such-folder");
    EXPECT_EQ(GetSetupFilePath(), m_xdg.ConfigHome() + "/vorle-control/dvsetup.ini");
    EXPECT_EQ(GetLibraryPath(), m_xdg.DataHome() + "/vorle-control/Library");
    EXPECT_TRUE(QFileInfo(m_xdg.DataHome() + "/vorle-control/Library").isDir());
}

TEST_F(ProgramPaths, IsFileInLibraryWantsTheExactName) {
    paths::SetProgramFolder(m_xdg.Root());
    QFile f(GetLibraryFilePath("Codes.irr"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(QDir(GetLibraryPath()).mkdir("Folder"));
    EXPECT_TRUE(IsFileInLibrary("Codes.irr"));
    EXPECT_FALSE(IsFileInLibrary("codes.irr"));
    EXPECT_FALSE(IsFileInLibrary("Codes*"));
    EXPECT_FALSE(IsFileInLibrary("../Library/Codes.irr"));
    EXPECT_FALSE(IsFileInLibrary("Folder"));
    EXPECT_FALSE(IsFileInLibrary(""));
}

TEST(IsPlainFileName, RefusesWhatWouldLeaveTheLibraryOrFailOnWindows) {
    EXPECT_TRUE(IsPlainFileName("Living Room TV"));
    EXPECT_TRUE(IsPlainFileName("a.b"));
    // Double-byte characters whose second byte is '\' (0x5C) or '|' (0x7C).
    EXPECT_TRUE(IsPlainFileName("\x81\x5c\x81\x7c"));
    for (const char* name :
         {"", ".", "..", "../tv", "a/b", "a\\b", "c:tv", "t*", "t?", "a\"b", "<tv>", "a|b", "tab\there"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
}
