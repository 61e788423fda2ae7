#include "knowledge/ui/SpeechEngine.h"

#if BABYNAME_HAS_SPEECH
#include <QLocale>
#include <QTextToSpeech>
#endif

namespace knowledge_ui {

SpeechEngine::SpeechEngine(QObject* parent) : QObject(parent) {}

bool SpeechEngine::Say(const QString& text) {
#if BABYNAME_HAS_SPEECH
    if (!m_speech) {
        if (QTextToSpeech::availableEngines().isEmpty()) return false;
        m_speech = new QTextToSpeech(this);
        // The names are English; a Chinese voice would spell them out letter by letter.
        m_speech->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    if (m_speech->state() == QTextToSpeech::Error) return false;
    m_speech->say(text);
    return true;
#else
    Q_UNUSED(text);
    return false;
#endif
}

}  // namespace knowledge_ui
