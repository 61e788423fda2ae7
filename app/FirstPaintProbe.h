#pragma once

#include <QElapsedTimer>
#include <QObject>

// Measures start-up as a user feels it: from the start of main() to the first paint of the main
// window. Installed only when BABYNAME_EXIT_AFTER_FIRST_PAINT is set: it then prints the time on
// standard output, with the moment of the paint on the steady clock (CLOCK_MONOTONIC on Linux),
// and ends the program, so a script can time many starts in a row.
class FirstPaintProbe : public QObject {
    Q_OBJECT
  public:
    explicit FirstPaintProbe(const QElapsedTimer& sinceStart, QObject* parent = nullptr)
        : QObject(parent), m_sinceStart(sinceStart) {}

    static bool Requested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const QElapsedTimer& m_sinceStart;
    bool m_done = false;
};
