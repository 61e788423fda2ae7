#include "knowledge/ui/Pronunciation.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

#include "files/RemoveLeftovers.h"
#include "files/WriteFileAtomically.h"
#include "knowledge/TextBetween.h"
#include "knowledge/ui/SpeechEngine.h"

namespace knowledge_ui {

PronunciationSettings ReadPronunciationSettings(const std::filesystem::path& dataFolder) {
    PronunciationSettings settings;
    const QString file = QString::fromStdU16String((dataFolder / "dictionary.ini").u16string());
    QSettings ini(file, QSettings::IniFormat);
    settings.searchAddress = ini.value(QStringLiteral("dictionary/searchAddress")).toString();
    bool ok = false;
    const int seconds = ini.value(QStringLiteral("dictionary/inactivitySeconds")).toInt(&ok);
    if (ok && seconds > 0) settings.inactivityMilliseconds = seconds * 1000;
    return settings;
}

bool IsDictionaryAddress(const QUrl& address, const QUrl& searchAddress) {
    const auto web = [](const QUrl& url) {
        return url.isValid() &&
               (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
    };
    const auto port = [](const QUrl& url) {
        return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    };
    return web(address) && web(searchAddress) && !address.host().isEmpty() &&
           address.host().compare(searchAddress.host(), Qt::CaseInsensitive) == 0 &&
           port(address) == port(searchAddress);
}

Pronunciation::Pronunciation(PronunciationSettings settings, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_network(new QNetworkAccessManager(this)) {
    auto* engine = new SpeechEngine(this);
    m_speaker = [engine](const QString& text) { return engine->Say(text); };
}

Pronunciation::~Pronunciation() { Cancel(); }

QMediaPlayer* Pronunciation::player() {
    if (m_player) return m_player;
#ifdef Q_OS_LINUX
    // Qt 6.4 chooses GStreamer on Linux, and its player crashes on a desktop without the
    // GStreamer base plugins; the FFmpeg back end carries its own decoders.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
#endif
    m_player = new QMediaPlayer(this);
    m_player->setObjectName(QStringLiteral("媒体播放1"));
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    return m_player;
}

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
    const QUrl page(m_settings.searchAddress +
                    QString::fromLatin1(QUrl::toPercentEncoding(englishName)));
    // The dictionary is a web site: an address of another kind (a local file) is not read.
    if (!IsDictionaryAddress(page, page)) {
        Speak(englishName);
        return;
    }
    Fetch(page, kMaxPronunciationPageBytes, &Pronunciation::OnPage);
}

void Pronunciation::Cancel() {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void Pronunciation::Fetch(const QUrl& address, qint64 maxBytes,
                          void (Pronunciation::*answered)(const QByteArray&)) {
    QNetworkRequest request(address);
    // A dictionary that stops sending is given up after the inactivity time, not at once.
    request.setTransferTimeout(m_settings.inactivityMilliseconds);
    // A redirection may not lead to another host or port either.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // More than the cap is not downloaded: not when the server announces it, and not when it sends
    // more than it announced.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, maxBytes] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (reply == m_reply && length.isValid() && length.toLongLong() > maxBytes) GiveUp(reply);
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply, maxBytes](qint64 received, qint64) {
                if (reply == m_reply && received > maxBytes) GiveUp(reply);
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply, answered, maxBytes] {
        if (reply != m_reply) return;
        m_reply = nullptr;
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError || reply->bytesAvailable() > maxBytes) {
            Speak(m_name);
            return;
        }
        (this->*answered)(reply->readAll());
    });
}

void Pronunciation::GiveUp(QNetworkReply* reply) {
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    Speak(m_name);
}

void Pronunciation::OnPage(const QByteArray& page) {
    const std::string address = knowledge::PronunciationSoundAddress(page.toStdString());
    if (address.empty()) {
        Speak(m_name);
        return;
    }
    // The page names the sound verbatim; a relative name is the dictionary's own file.
    m_soundAddress = QUrl(QString::fromUtf8(address));
    // The page is the dictionary's text, not ours: the sound it names is fetched only from the
    // dictionary itself, never from a local file or another host or port.
    const QUrl search(m_settings.searchAddress);
    const QUrl sound = search.resolved(m_soundAddress);
    if (!IsDictionaryAddress(sound, search)) {
        Speak(m_name);
        return;
    }
    Fetch(sound, kMaxPronunciationSoundBytes, &Pronunciation::OnSound);
}

void Pronunciation::OnSound(const QByteArray& sound) {
    // Without a sound device there is nothing to hear, and Qt 6.4's FFmpeg player can crash in
    // its audio thread there; the speech engine gets its chance instead.
    if (m_playsSounds && QMediaDevices::audioOutputs().isEmpty()) {
        Speak(m_name);
        return;
    }
    if (!m_soundFolder)
        m_soundFolder.emplace(QDir::tempPath() + QLatin1Char('/') +
                              QString::fromStdString(files::WorkFolderPrefix("babyname")) +
                              QStringLiteral("XXXXXX"));
    const QString file =
        m_soundFolder->filePath(QStringLiteral("sound%1.mp3").arg(++m_soundNumber));
    if (!m_soundFolder->isValid() ||
        !files::WriteFileAtomically(file.toStdU16String(), sound.toStdString())) {
        Speak(m_name);
        return;
    }
    player()->setSource(QUrl::fromLocalFile(file));
    if (m_playsSounds) m_player->play();
    emit finished(m_name, true);
}

void Pronunciation::Speak(const QString& englishName) {
    const QString problem =
        m_speaker ? m_speaker(englishName) : QStringLiteral("没有可用的语音引擎");
    // Each cause is told once: a parent trying several names learns it from the first.
    if (!problem.isEmpty() && problem != m_toldSpeechProblem) {
        emit statusMessage(problem + QStringLiteral(",无法朗读英文名字"));
        m_toldSpeechProblem = problem;
    }
    emit finished(englishName, false);
}

}  // namespace knowledge_ui
