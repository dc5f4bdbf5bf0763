#include "app/doctyperegistration.h"
#include "support/filecontent.h"
#include "support/tempxdgfolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Registration : ::testing::Test {
    QString DesktopFile() const { return m_xdg.DataHome() + "/applications/vorle-control.desktop"; }
    QString MimePackage() const { return m_xdg.DataHome() + "/mime/packages/vorle-control-dvp.xml"; }
    QString Icon(int size) const {
        return m_xdg.DataHome() + QString("/icons/hicolor/%1x%1/apps/vorle-control.png").arg(size);
    }
    void Register(const QString& exe) {
        RegisterFileType(".dvp", exe, "application/x-quillet-dvp", "vorle-control",
                         "Quillet Interpretation Files");
    }
    TempXdgFolders m_xdg;
};

} // namespace

TEST(RegistrationText, ExecArgumentIsQuotedAndEscaped) {
    EXPECT_EQ(doctype::QuoteExecArgument("/opt/vorle control/vorle-control"),
              "\"/opt/vorle control/vorle-control\"");
    // '$' and '\' take a backslash inside the quotes, '%' is doubled, and the
    // entry's string escaping doubles every backslash once more.
    EXPECT_EQ(doctype::QuoteExecArgument("/a$b%c\\d\"e`f"), "\"/a\\\\$b%%c\\\\\\\\d\\\\\"e\\\\`f\"");
}

TEST_F(Registration, WritesTheMimePackageTheDesktopEntryAndTheIconBothName) {
    Register("/opt/Vorle Control/vorle-control");
    EXPECT_EQ(ReadFileBytes(MimePackage()),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-quillet-dvp\">\n"
              "    <comment>Quillet Interpretation Files</comment>\n"
              "    <icon name=\"vorle-control\"/>\n"
              "    <glob pattern=\"*.dvp\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(ReadFileBytes(DesktopFile()), "[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Vorle-Control\n"
                                            "Icon=vorle-control\n"
                                            "Exec=\"/opt/Vorle Control/vorle-control\" %f\n"
                                            "MimeType=application/x-quillet-dvp;\n"
                                            "Terminal=false\n"
                                            "NoDisplay=true\n");
    // The icon theme holds the program's icon under that name, one picture
    // per size.
    for (int size : {32, 48, 64, 128}) {
        const QImage icon(Icon(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        // The keypad, on a transparent ground.
        EXPECT_EQ(icon.pixelColor(size / 2, 0).alpha(), 0) << size;
        EXPECT_EQ(icon.pixelColor(size / 2, size / 2).alpha(), 255) << size;
    }
}

TEST_F(Registration, FilesAreRewrittenOnlyWhenTheyChange) {
    Register("/opt/a/vorle-control");
    const QDateTime past = QDateTime::currentDateTime().addDays(-2);
    for (const QString& path : {DesktopFile(), MimePackage(), Icon(48)}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(past, QFileDevice::FileModificationTime));
    }
    Register("/opt/a/vorle-control");
    EXPECT_LT(QFileInfo(DesktopFile()).lastModified(), past.addSecs(10));
    EXPECT_LT(QFileInfo(MimePackage()).lastModified(), past.addSecs(10));
    EXPECT_LT(QFileInfo(Icon(48)).lastModified(), past.addSecs(10));

    // The program moved: only the desktop entry changes.
    Register("/opt/b/vorle-control");
    EXPECT_GT(QFileInfo(DesktopFile()).lastModified(), past.addSecs(10));
    EXPECT_LT(QFileInfo(MimePackage()).lastModified(), past.addSecs(10));
    EXPECT_NE(ReadFileBytes(DesktopFile()).find("Exec=\"/opt/b/vorle-control\" %f"), std::string::npos);
}

TEST_F(Registration, TheUsersDefaultApplicationIsLeftAlone) {
    const QString mimeapps = m_xdg.ConfigHome() + "/mimeapps.list";
    ASSERT_TRUE(QDir().mkpath(m_xdg.ConfigHome()));
    const std::string chosen = "[Default Applications]\napplication/x-quillet-dvp=other-editor.desktop\n";
    {
        QFile f(mimeapps);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(chosen.c_str());
    }
    Register("/opt/a/vorle-control");
    EXPECT_EQ(ReadFileBytes(mimeapps), chosen);
    EXPECT_FALSE(QFileInfo::exists(m_xdg.DataHome() + "/applications/mimeapps.list"));
}
