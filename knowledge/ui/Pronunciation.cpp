#include "knowledge/ui/Pronunciation.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

#include "knowledge/TextBetween.h"
#include "knowledge/ui/SpeechEngine.h"

namespace knowledge_ui {

PronunciationSettings ReadPronunciationSettings(const std::filesystem::path& dataDirectory) {
    PronunciationSettings settings;
    const QString file = QString::fromStdU16String((dataDirectory / "dictionary.ini").u16string());
    QSettings ini(file, QSettings::IniFormat);
    settings.searchAddress = ini.value(QStringLiteral("dictionary/searchAddress")).toString();
    bool ok = false;
    const int seconds = ini.value(QStringLiteral("dictionary/inactivitySeconds")).toInt(&ok);
    if (ok && seconds > 0) settings.inactivityMilliseconds = seconds * 1000;
    return settings;
}

Pronunciation::Pronunciation(PronunciationSettings settings, QObject* parent)
    : QObject(parent),
      m_settings(std::move(settings)),
      m_network(new QNetworkAccessManager(this)),
      m_player(new QMediaPlayer(this)),
      m_audio(new QAudioOutput(this)) {
    m_player->setObjectName(QStringLiteral("媒体播放1"));
    m_player->setAudioOutput(m_audio);
    auto* engine = new SpeechEngine(this);
    m_speaker = [engine](const QString& text) { return engine->Say(text); };
}

Pronunciation::~Pronunciation() { Cancel(); }

bool Pronunciation::IsLookingUp() const { return !m_reply.isNull(); }

void Pronunciation::SetSpeaker(Speaker speaker) { m_speaker = std::move(speaker); }

void Pronunciation::Play(const QString& englishName) {
    Cancel();
    if (englishName.isEmpty()) return;
    m_name = englishName;
    if (m_settings.searchAddress.isEmpty()) {
        Speak(englishName);
        return;
    }
    // The name goes into the query encoded: "Mary Ann" or "Zoë" must reach the dictionary as
    // one word, and a "&" or "#" in it must not end the query.
    const QUrl address(m_settings.searchAddress +
                       QString::fromLatin1(QUrl::toPercentEncoding(englishName)));
    QNetworkRequest request(address);
    // A dictionary that stops sending is given up after the inactivity time, not at once.
    request.setTransferTimeout(m_settings.inactivityMilliseconds);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { OnReplyFinished(reply); });
}

void Pronunciation::Cancel() {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void Pronunciation::OnReplyFinished(QNetworkReply* reply) {
    if (reply != m_reply) return;
    m_reply = nullptr;
    reply->deleteLater();
    const bool answered = reply->error() == QNetworkReply::NoError;
    const std::string address =
        answered ? knowledge::PronunciationSoundAddress(reply->readAll().toStdString())
                 : std::string();
    if (address.empty()) {
        Speak(m_name);
        return;
    }
    // The page names the sound verbatim; a relative name is the dictionary's own file.
    const QUrl sound = reply->url().resolved(QUrl(QString::fromUtf8(address)));
    m_player->setSource(sound);
    m_player->play();
    emit finished(m_name, true);
}

void Pronunciation::Speak(const QString& englishName) {
    if (!m_speaker || !m_speaker(englishName)) {
        if (!m_toldNoSpeech)
            emit statusMessage(QStringLiteral("没有可用的语音引擎,无法朗读英文名字"));
        m_toldNoSpeech = true;
    }
    emit finished(englishName, false);
}

}  // namespace knowledge_ui
