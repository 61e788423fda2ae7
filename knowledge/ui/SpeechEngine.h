#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace knowledge_ui {

// The desktop's speech engine, made when it is first needed: starting one can take a moment and
// most uses of the program never need it. A build without Qt TextToSpeech has no engine.
class SpeechEngine : public QObject {
    Q_OBJECT
  public:
    explicit SpeechEngine(QObject* parent = nullptr);

    // Starts saying the text; false when no engine is installed or the engine failed.
    bool Say(const QString& text);

  private:
    QTextToSpeech* m_speech = nullptr;
};

}  // namespace knowledge_ui
