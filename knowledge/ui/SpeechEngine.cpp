#include "knowledge/ui/SpeechEngine.h"

#include <QAudioDevice>
#include <QLocale>
#include <QMediaDevices>
#include <QTextToSpeech>

namespace knowledge_ui {

SpeechEngine::SpeechEngine(QObject* parent) : QObject(parent) {}

QString SpeechEngine::Say(const QString& text) {
    if (QTextToSpeech::availableEngines().isEmpty()) return QStringLiteral("没有可用的语音引擎");
    // The engine speaks through the sound output; without one it would "speak" to no one.
    if (QMediaDevices::audioOutputs().isEmpty()) return QStringLiteral("没有可用的声音输出设备");
    if (!m_speech) {
        m_speech = new QTextToSpeech(this);
        // The names are English; a Chinese voice would spell them out letter by letter.
        m_speech->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking) emit speakingChanged(true);
            if (state == QTextToSpeech::Ready) emit speakingChanged(false);
        });
    }
    if (m_speech->state() == QTextToSpeech::Error) return QStringLiteral("语音引擎出错");
    m_speech->say(text);
    return {};
}

}  // namespace knowledge_ui
