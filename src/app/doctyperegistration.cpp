#include "app/doctyperegistration.h"

#include "app/programicon.h"
#include "platform/fileio.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace doctype {

QString MimePackageText(const QString& mimeType, const QString& pattern, const QString& comment,
                        const QString& icon) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <icon name=\"%3\"/>\n"
                          "    <glob pattern=\"%4\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType.toHtmlEscaped(), comment.toHtmlEscaped(), icon.toHtmlEscaped(),
             pattern.toHtmlEscaped());
}

QString QuoteExecArgument(const QString& path) {
    // Inside the quotes '"', '`', '$' and '\' take a backslash; '%' is
    // doubled so it is no field code. The Exec value is then a string of the
    // entry, where '\' and control characters are escaped once more.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    QString escaped;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString DesktopEntryText(const QString& executable, const QString& mimeType, const QString& icon) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vorle-Control\n"
                          "Icon=%1\n"
                          "Exec=%2 %f\n"
                          "MimeType=%3;\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n")
        .arg(icon, QuoteExecArgument(executable), mimeType);
}

} // namespace doctype

namespace {

// Writes the file when its content differs; true when it was written.
bool WriteIfChanged(const QString& path, const QByteArray& content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return fileio::WriteAll(path, std::string_view(content.constData(), size_t(content.size())));
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Installs the icon picture when the installed one shows other pixels, or
// is missing or unreadable. Reading a small PNG costs less than making one,
// which every start would otherwise do only to compare.
void InstallIconIfChanged(const QString& path, const QImage& image) {
    QImage installed;
    if (installed.load(path, "PNG") &&
        installed.convertToFormat(QImage::Format_ARGB32) == image.convertToFormat(QImage::Format_ARGB32))
        return;
    WriteIfChanged(path, PngBytes(image));
}

// Runs a desktop cache tool on `folder` when it is installed; its outcome
// does not matter.
void RefreshCache(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProgram(program);
    process.setArguments({folder});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

} // namespace

void RegisterFileType(const QString& extension, const QString& executable, const QString& mimeType,
                      const QString& icon, const QString& description) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return;
    for (const int size : kProgramIconSizesPx)
        InstallIconIfChanged(
            QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(dataHome).arg(size).arg(icon),
            ProgramIconImage(size));
    const QString mimeFolder = dataHome + "/mime";
    const QString applications = dataHome + "/applications";
    const bool mimeChanged =
        WriteIfChanged(mimeFolder + "/packages/" + doctype::kMimePackageFileName,
                       doctype::MimePackageText(mimeType, "*" + extension, description, icon).toUtf8());
    const bool desktopChanged =
        WriteIfChanged(applications + "/" + doctype::kDesktopFileName,
                       doctype::DesktopEntryText(executable, mimeType, icon).toUtf8());
    if (mimeChanged)
        RefreshCache(QStringLiteral("update-mime-database"), mimeFolder);
    if (desktopChanged)
        RefreshCache(QStringLiteral("update-desktop-database"), applications);
}

void RegisterDocumentType() {
    RegisterFileType(QStringLiteral(".dvp"), QCoreApplication::applicationFilePath(),
                     QString::fromLatin1(doctype::kMimeType), QString::fromLatin1(doctype::kIconName),
                     QString::fromLatin1(doctype::kDescription));
}
