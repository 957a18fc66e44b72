// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/DataFiles.h"

#include "storage/EngineText.h"
#include "storage/FileWriter.h"
#include "storage/OwnerText.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tolvaric {

namespace {

constexpr qint64 ownerFileLimit = 4 * 1024 * 1024;

FileStatus writeWhole(const QString& path, const std::string& bytes) {
    return writeWholeFile(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string_view startOf(const QByteArray& bytes, qint64 limit) {
    return {bytes.constData(), std::size_t(std::min<qint64>(bytes.size(), limit))};
}

} // namespace

FileStatus Write_Engine_File(const QString& path, const EngineData& engine) {
    return writeWhole(path, engineFileText(engine));
}

FileStatus Read_Engine_File(const QString& path, EngineData& engine) {
    // Read as far as the sixteenth value, however far that is.
    EngineTextReader reader;
    if (auto status =
            readInPieces(path, [&reader](std::string_view piece) { return reader.feed(piece); });
        !status.ok()) {
        return status;
    }
    if (!reader.finish(engine)) {
        return FileStatus::failure(FileProblem::Content, QString::fromStdString(reader.failure()));
    }
    return FileStatus::success();
}

FileStatus Write_Owner_File(const QString& path, const QString& owner) {
    if (owner.size() > ownerTextLimit) {
        return FileStatus::failure(FileProblem::OwnerTooLong);
    }
    const auto text = ownerFileText(owner.toStdString());
    return writeWhole(path, text);
}

FileStatus Read_Owner_File(const QString& path, QString& owner) {
    QByteArray bytes;
    if (auto status = readFileStart(path, ownerFileLimit, bytes); !status.ok()) {
        return status;
    }
    const auto text = parseOwnerText(startOf(bytes, ownerFileLimit), bytes.size() > ownerFileLimit);
    if (!text) {
        return FileStatus::failure(FileProblem::NoOwner);
    }
    owner = QString::fromStdString(*text);
    return FileStatus::success();
}

QString ownerFileBeside(const QString& path) {
    // Text operations only, so that a name's kept bytes stay as they are.
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef _WIN32
    slash = std::max(slash, path.lastIndexOf(QLatin1Char('\\')));
#endif
    return slash < 0 ? ownerFile : path.left(slash + 1) + ownerFile;
}

FileStatus readEngineAndOwner(const QString& path, EngineData& engine, OwnerReading& owner) {
    auto status = Read_Engine_File(path, engine);
    QString name;
    owner = {};
    const QString ownerPath = ownerFileBeside(path);
    if (const auto read = Read_Owner_File(ownerPath, name); read.ok()) {
        owner.found = true;
        owner.cut = name.size() > ownerTextLimit;
        owner.name = ownerWithinLimit(name);
    } else if (read.problem != FileProblem::NoOwner && fileExists(ownerPath)) {
        owner.unread = read;
    }
    return status;
}

} // namespace tolvaric
