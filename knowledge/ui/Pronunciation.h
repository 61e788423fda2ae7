#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <optional>

class QAudioOutput;
class QMediaPlayer;
class QNetworkAccessManager;
class QNetworkReply;

namespace knowledge_ui {

struct PronunciationSettings {
    // The dictionary's search address, to which the percent-encoded name is appended, e.g.
    // http://dictionary.example/s?wd= . Empty: no download, the name is spoken instead.
    QString searchAddress;
    // A request that receives nothing for this long is abandoned.
    int inactivityMilliseconds = 90 * 1000;
};

// The most a dictionary page and a sound may hold; a larger one is not downloaded further and the
// name is spoken instead. A search page is some ten kilobytes, a spoken name some ten more.
constexpr qint64 kMaxPronunciationPageBytes = 2 * 1024 * 1024;
constexpr qint64 kMaxPronunciationSoundBytes = 4 * 1024 * 1024;

// Whether the program may fetch this address for the dictionary at searchAddress: http or https
// on the dictionary's own host and port, never a local file or another machine a page names.
bool IsDictionaryAddress(const QUrl& address, const QUrl& searchAddress);

// Reads the settings from dictionary.ini in the data folder ([dictionary] searchAddress,
// inactivitySeconds); the defaults when the file or a key is missing.
PronunciationSettings ReadPronunciationSettings(const std::filesystem::path& dataFolder);

// Reads an English name aloud: the dictionary's page for the name names an MP3 of its
// pronunciation, which the hidden player 媒体播放1 plays. Without a dictionary, when it cannot be
// reached or it has no sound for the name, and on a computer without a sound device, the desktop's
// speech engine says the name instead, so a parent without a network still hears it.
//
// One lookup at a time: a new name replaces the lookup still waiting, and quitting the program
// cancels it. The window never waits for the dictionary: the page and the sound both arrive as
// events, and the sound is handed to the player as a file of its own, because a player given a
// web address may open it on the window's thread and freeze the window until the server answers.
class Pronunciation : public QObject {
    Q_OBJECT
  public:
    // Says a text; returns what kept it from being said (no engine, no sound output, the engine's
    // fault), or an empty text once it speaks.
    using Speaker = std::function<QString(const QString& text)>;

    explicit Pronunciation(PronunciationSettings settings, QObject* parent = nullptr);
    ~Pronunciation() override;

    // The hidden player 媒体播放1, made when the first sound is played: a media back end is
    // started only by a parent who asks for a name to be read.
    QMediaPlayer* player();
    const PronunciationSettings& settings() const { return m_settings; }
    // Replaces the desktop's speech engine (tests record what would be said).
    void SetSpeaker(Speaker speaker);
    // Whether a fetched sound is played once it is loaded (on by default). Tests load sounds
    // without playing them: on a machine without a sound device Qt 6.4's FFmpeg player can crash
    // in its audio thread.
    void SetPlaysSounds(bool plays) { m_playsSounds = plays; }
    bool IsLookingUp() const;
    // The address of the last sound the dictionary named, as its page wrote it.
    const QUrl& soundAddress() const { return m_soundAddress; }

    // playNamePronunciation for the name of a double-clicked row; an empty name starts nothing.
    void Play(const QString& englishName);
    // Abandons the lookup still waiting, if any.
    void Cancel();

  signals:
    // The lookup of a name ended: the player was given a sound, or the name was spoken.
    void finished(const QString& englishName, bool playedSound);
    // A short note for the status bar (said once: no speech engine could be used).
    void statusMessage(const QString& text);

  private:
    void Fetch(const QUrl& address, qint64 maxBytes,
               void (Pronunciation::*answered)(const QByteArray&));
    // Ends the transfer under way and speaks the name instead.
    void GiveUp(QNetworkReply* reply);
    void OnPage(const QByteArray& page);
    void OnSound(const QByteArray& sound);
    void Speak(const QString& englishName);

    PronunciationSettings m_settings;
    QNetworkAccessManager* m_network;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
    QPointer<QNetworkReply> m_reply;
    QString m_name;
    QUrl m_soundAddress;
    // Made for the first sound: "babyname-PID-XXXXXX" in the temporary folder, which the next
    // start clears when a killed run left it behind.
    std::optional<QTemporaryDir> m_soundFolder;
    int m_soundNumber = 0;
    Speaker m_speaker;
    bool m_playsSounds = true;
    QString m_toldSpeechProblem;  // told once: the same cause is not told again
};

}  // namespace knowledge_ui
