// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every Help in the window shows the contents page. While the viewer that
// the window started is open, the window asks that viewer to come to the
// front on its contents instead of starting a second one. The viewer is
// another process, and the request carries nothing but itself: on Linux the
// signal SIGUSR1, on Windows an event named after the viewer's process.

#include <QObject>

#include <memory>

namespace tolvaric {

// The viewer's side: `requested` is emitted on its event loop.
class ContentsRequests : public QObject {
    Q_OBJECT
  public:
    explicit ContentsRequests(QObject* parent = nullptr);
    ~ContentsRequests() override;

  signals:
    void requested();

  private:
    struct Channel;
    std::unique_ptr<Channel> m_channel;
};

// The window's side: false when process `viewer` does not listen (yet); a
// viewer still starting shows its contents anyway.
bool askForContents(qint64 viewer);

} // namespace tolvaric
