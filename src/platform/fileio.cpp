#include "platform/fileio.h"

#include <QFile>
#include <QSaveFile>

namespace fileio {

std::optional<std::string> ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

bool WriteAll(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    // Unbuffered, so a short write shows in write()'s result: a buffered one
    // may fail only in the flush inside commit(), which Qt 6.4 does not
    // report, and the truncated file would then replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace fileio
