#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns the system's requests to end the program (SIGTERM at logout or shutdown, SIGHUP when its
// terminal goes away, SIGINT from Ctrl+C) into an orderly close of the window, so that the
// inputs are saved as on any other exit instead of being lost with the process. A signal handler
// may do next to nothing, so it only writes a byte into a socket pair that the event loop
// watches; the close itself runs on the window's thread. One per program.
class QuitRequests : public QObject {
    Q_OBJECT
  public:
    explicit QuitRequests(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitRequests() override;
    QuitRequests(const QuitRequests&) = delete;
    QuitRequests& operator=(const QuitRequests&) = delete;

    // Whether the signals are watched (false where the system gave no socket pair).
    bool Watching() const { return m_notifier != nullptr; }

  private:
    void Arrived();

    std::function<void()> m_quit;
    QSocketNotifier* m_notifier = nullptr;
};
