#include "platform/programpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramPaths : ::testing::Test {
    void SetUp() override {
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/config").toUtf8());
    }
    void TearDown() override {
        paths::SetProgramFolder({});
        qputenv("XDG_DATA_HOME", m_oldData);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }
    QTemporaryDir m_dir;
    QByteArray m_oldData, m_oldConfig;
};

} // namespace

TEST_F(ProgramPaths, AWritableProgramFolderHoldsSettingsAndLibrary) {
    const QString program = m_dir.path() + "/bin";
    ASSERT_TRUE(QDir().mkpath(program));
    paths::SetProgramFolder(program);
    EXPECT_EQ(GetSetupFilePath(), program + "/dvsetup.ini");
    EXPECT_FALSE(QFileInfo::exists(program + "/dvsetup.ini")); // nothing created
    EXPECT_EQ(GetLibraryPath(), program + "/Library");
    EXPECT_TRUE(QFileInfo(program + "/Library").isDir());
    EXPECT_EQ(GetLibraryFilePath("tv.irr"), program + "/Library/tv.irr");
}

TEST_F(ProgramPaths, OtherwiseTheDesktopsConfigAndDataFoldersAreUsed) {
    paths::SetProgramFolder(m_dir.path() + "/no-such-folder");
    EXPECT_EQ(GetSetupFilePath(), m_dir.path() + "/config/vorle-control/dvsetup.ini");
    EXPECT_EQ(GetLibraryPath(), m_dir.path() + "/data/vorle-control/Library");
    EXPECT_TRUE(QFileInfo(m_dir.path() + "/data/vorle-control/Library").isDir());
}

TEST_F(ProgramPaths, IsFileInLibraryWantsTheExactName) {
    paths::SetProgramFolder(m_dir.path());
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
