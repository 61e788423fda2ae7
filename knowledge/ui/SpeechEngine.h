#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace knowledge_ui {

// The desktop's speech engine, made when it is first needed: starting one can take a moment and
// most uses of the program never need it.
class SpeechEngine : public QObject {
    Q_OBJECT
  public:
    explicit SpeechEngine(QObject* parent = nullptr);

    // Starts saying the text. Returns what kept it from being said: no engine installed, no
    // sound output to say it on, or the engine's own failure; an empty text once it speaks.
    QString Say(const QString& text);

  signals:
    // The engine began to speak (true) or fell silent again (false).
    void speakingChanged(bool speaking);

  private:
    QTextToSpeech* m_speech = nullptr;
};

}  // namespace knowledge_ui
