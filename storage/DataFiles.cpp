#include "DataFiles.h"

#include "EngineText.h"
#include "OwnerText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <variant>

namespace tolvaric {

namespace {

// A data file is a few hundred bytes; nothing past this is ever looked at.
constexpr qint64 readLimit = 64 * 1024;

FileStatus writeWhole(const QString& path, const std::string& bytes) {
    const QFileInfo info(path);
    if (info.exists() && info.isDir()) {
        return FileStatus::failure(QStringLiteral("it is a folder"));
    }
    if (info.exists() && !info.isFile()) {
        // A device or pipe must not be replaced by a plain file.
        return FileStatus::failure(QStringLiteral("it is not a regular file"));
    }
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileStatus::failure(file.errorString());
    }
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        const auto reason = file.error() != QFileDevice::NoError
                                ? file.errorString()
                                : QStringLiteral("the disk is full");
        file.cancelWriting();
        return FileStatus::failure(reason);
    }
    if (!file.commit()) {
        return FileStatus::failure(file.errorString());
    }
    return FileStatus::success();
}

// Reads at most readLimit + 1 bytes, so a caller can tell a cut-off file.
FileStatus readStart(const QString& path, QByteArray& bytes) {
    if (path.isEmpty()) {
        return FileStatus::failure(QStringLiteral("no file name"));
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        return FileStatus::failure(QStringLiteral("it is a folder"));
    }
    if (info.exists() && !info.isFile()) {
        // A pipe would wait for a writer forever, a device may never end.
        return FileStatus::failure(QStringLiteral("it is not a regular file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileStatus::failure(file.errorString());
    }
    bytes = file.read(readLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileStatus::failure(file.errorString());
    }
    return FileStatus::success();
}

} // namespace

FileStatus Write_Engine_File(const QString& path, const EngineData& engine) {
    return writeWhole(path, engineFileText(engine));
}

FileStatus Read_Engine_File(const QString& path, EngineData& engine) {
    QByteArray bytes;
    if (auto status = readStart(path, bytes); !status.ok) {
        return status;
    }
    const bool truncated = bytes.size() > readLimit;
    const auto parsed = parseEngineText(
        std::string_view(bytes.constData(), std::size_t(std::min<qint64>(bytes.size(), readLimit))),
        truncated);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
        return FileStatus::failure(QString::fromStdString(*reason));
    }
    engine = std::get<EngineData>(parsed);
    return FileStatus::success();
}

FileStatus Write_Owner_File(const QString& path, const QString& owner) {
    return writeWhole(path, ownerFileText(owner.toStdString()));
}

FileStatus Read_Owner_File(const QString& path, QString& owner) {
    QByteArray bytes;
    if (auto status = readStart(path, bytes); !status.ok) {
        return status;
    }
    const auto text = parseOwnerText(std::string_view(
        bytes.constData(), std::size_t(std::min<qint64>(bytes.size(), readLimit))));
    if (!text) {
        return FileStatus::failure(QStringLiteral("the file holds no owner name"));
    }
    owner = QString::fromStdString(*text);
    return FileStatus::success();
}

} // namespace tolvaric
