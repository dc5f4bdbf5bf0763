#pragma once
// Whole files as bytes, for tests that check what the program wrote.

#include <QFile>
#include <QString>
#include <string>

// The file's bytes, or "<missing>" when it cannot be read.
inline std::string ReadFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

// Writes the bytes; false when the file cannot be written.
inline bool WriteFileBytes(const QString& path, const std::string& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) &&
           f.write(content.data(), qint64(content.size())) == qint64(content.size());
}
