// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The file a sheet goes to (-o). Its name is followed through its links
// once, when it is checked: the sheet never takes the place of a file the
// program keeps ("owner" or "tolvaric.dat", under whatever name a link
// gives them), of a data file read for it or the owner file beside one, nor
// of another engine's data file. On Linux and the other POSIX systems the
// folder is opened at that check and the sheet is written through it, the
// new file taking the place of the folder's entry itself: a link put there
// after the check is replaced, never followed. Free space is measured in
// that folder.

#include "storage/FileStatus.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace tolvaric {

enum class OutputRefusal {
    None,
    KeptFile,      // it is, or would become, a data file or an owner file
    NameNotKept,   // Windows drops a name's last dots and blanks
    NotAPlainName, // Windows: a file's stream ("x.txt:part") or a "\\?\" path
};

// Whether `path`, after its links, names a file the program keeps in its
// working folder ("owner", "tolvaric.dat"), whether it exists or not.
bool namesKeptFile(const QString& path);

class OutputFile {
  public:
    // `read`: the data files the sheet is made from.
    OutputFile(const QString& path, const QStringList& read);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    OutputRefusal refusal() const { return m_refusal; }
    // The whole sheet, replacing what was there only once it is all written.
    FileStatus write(QByteArrayView bytes);

  private:
    QString m_path;
    OutputRefusal m_refusal = OutputRefusal::None;
#ifndef _WIN32
    FileStatus m_opened; // why the folder or the name cannot take a file
    int m_folder = -1;   // the folder, as opened at the check
    QByteArray m_name;   // the entry in it
    bool m_existed = false;
#endif
};

} // namespace tolvaric
