#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "knowledge/ui/Pronunciation.h"
#include "knowledge/ui/ReadingRoom.h"
#include "knowledge/ui/SpeechEngine.h"
#include "widgets/ResultListView.h"

using knowledge_ui::Pronunciation;
using knowledge_ui::PronunciationSettings;

namespace {

// A dictionary on 127.0.0.1: its search page links to /sound/<name>.mp3, which it serves as a
// short MP3 of silence. How it answers the search is up to the test.
class LocalDictionary : public QObject {
    Q_OBJECT
  public:
    enum class Answer { SoundPage, NotFound, PageWithoutSound, SoundMissing, Never, FloodPage };

    LocalDictionary() {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalDictionary::Accept);
        m_server.listen(QHostAddress::LocalHost);
    }
    QString searchAddress() const { return base() + QStringLiteral("/s?wd="); }
    QString base() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    QStringList requests;  // the request targets, in order
    Answer answer = Answer::SoundPage;
    QByteArray marker;         // when set, the sound address the search page names
    qint64 claimedLength = 0;  // the Content-Length a flood announces; 0 announces none
    qint64 floodSent = 0;      // bytes of flood bodies written so far

  private:
    void Accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            auto* received = new QByteArray;
            connect(socket, &QTcpSocket::disconnected, socket, [socket, received] {
                delete received;
                socket->deleteLater();
            });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
                received->append(socket->readAll());
                if (!received->contains("\r\n\r\n")) return;
                const QByteArray target = received->split(' ').value(1);
                received->clear();
                requests << QString::fromLatin1(target);
                Respond(socket, target);
            });
        }
    }

    void Respond(QTcpSocket* socket, const QByteArray& target) {
        if (target.startsWith("/sound/")) return Send(socket, "200 OK", "audio/mpeg", SilentMp3());
        if (target.startsWith("/flood/")) return Flood(socket, "audio/mpeg");
        if (!marker.isEmpty())
            return Send(socket, "200 OK", "text/html; charset=utf-8",
                        "<a href=\"#\" url=\"" + marker + "\">&#9654;</a>");
        if (target.startsWith("/gone/")) return Send(socket, "404 Not Found", "text/html", "");
        switch (answer) {
            case Answer::SoundPage:
                return Send(socket, "200 OK", "text/html; charset=utf-8",
                            "<html><body><p>词典</p><a href=\"#\" url=\"" + base().toUtf8() +
                                "/sound/" + target.mid(6) + ".mp3\">&#9654;</a></body></html>");
            case Answer::SoundMissing:
                return Send(socket, "200 OK", "text/html; charset=utf-8",
                            "<a href=\"#\" url=\"/gone/kate.mp3\">");
            case Answer::NotFound:
                return Send(socket, "404 Not Found", "text/html", "<html>not here</html>");
            case Answer::PageWithoutSound:
                return Send(socket, "200 OK", "text/html; charset=utf-8",
                            "<html><body>没有读音 kate.mp3</body></html>");
            case Answer::Never:
                return;  // keeps the connection open and says nothing
            case Answer::FloodPage:
                return Flood(socket, "text/html; charset=utf-8");
        }
    }

    // Sends a body without end, a piece whenever the last one has left, until the client goes
    // away or 256 MB are out.
    void Flood(QTcpSocket* socket, const QByteArray& type) {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\n";
        if (claimedLength > 0)
            head += "Content-Length: " + QByteArray::number(claimedLength) + "\r\n";
        socket->write(head + "Connection: close\r\n\r\n");
        const QByteArray piece(256 * 1024, 'x');
        auto more = [this, socket, piece] {
            if (socket->state() != QAbstractSocket::ConnectedState) return;
            if (socket->bytesToWrite() > qint64(piece.size())) return;
            if (floodSent >= 256LL * 1024 * 1024) return socket->disconnectFromHost();
            floodSent += socket->write(piece);
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
    }

    static void Send(QTcpSocket* socket, const QByteArray& status, const QByteArray& type,
                     const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    // MPEG-1 Layer III frames, 128 kbit/s, 44.1 kHz, mono, no padding: 417 bytes each. All-zero
    // side information and main data decode as silence, so the frames are a valid MP3 of our own.
  public:
    static QByteArray SilentMp3() {
        QByteArray frame(417, '\0');
        frame[0] = char(0xFF);
        frame[1] = char(0xFB);
        frame[2] = char(0x90);
        frame[3] = char(0xC0);
        return frame.repeated(40);  // about a second
    }

  private:
    QTcpServer m_server;
};

}  // namespace

class PronunciationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_spoken.clear();
        m_dictionary = std::make_unique<LocalDictionary>();
        QVERIFY(m_dictionary->base() != QStringLiteral("http://127.0.0.1:0"));
    }
    void cleanup() { m_dictionary.reset(); }

    void dictionarySoundIsPlayed() {
        auto pronunciation = Make({m_dictionary->searchAddress(), 90000});
        QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
        pronunciation->Play(QStringLiteral("Mary Ann&Jo"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Mary Ann&Jo"), true}));

        // The name arrives percent-encoded: the space and the "&" stay part of the one word.
        QCOMPARE(m_dictionary->requests.value(0), QStringLiteral("/s?wd=Mary%20Ann%26Jo"));
        const QUrl sound(m_dictionary->base() + QStringLiteral("/sound/Mary%20Ann%26Jo.mp3"));
        QCOMPARE(pronunciation->soundAddress(), sound);
        QCOMPARE(m_dictionary->requests.value(1), sound.path(QUrl::FullyEncoded));
        QVERIFY(m_spoken.isEmpty());

        // The player is given the sound the dictionary served and reads it as audio.
        const QUrl played = pronunciation->player()->source();
        QVERIFY(played.isLocalFile());
        QFile file(played.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), LocalDictionary::SilentMp3());
        QTRY_VERIFY_WITH_TIMEOUT(Loaded(pronunciation->player()), 15000);
        QCOMPARE(pronunciation->player()->error(), QMediaPlayer::NoError);
    }

    // Whatever keeps the dictionary from naming a sound, the name is spoken and nothing waits.
    void withoutASoundTheNameIsSpoken_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("addressSet");
        QTest::addColumn<bool>("serverRunning");
        QTest::addRow("no address set") << int(LocalDictionary::Answer::SoundPage) << false << true;
        QTest::addRow("404") << int(LocalDictionary::Answer::NotFound) << true << true;
        QTest::addRow("page without the marker")
            << int(LocalDictionary::Answer::PageWithoutSound) << true << true;
        QTest::addRow("sound missing")
            << int(LocalDictionary::Answer::SoundMissing) << true << true;
        QTest::addRow("never answers") << int(LocalDictionary::Answer::Never) << true << true;
        QTest::addRow("cannot be reached")
            << int(LocalDictionary::Answer::SoundPage) << true << false;
    }
    void withoutASoundTheNameIsSpoken() {
        QFETCH(int, answer);
        QFETCH(bool, addressSet);
        QFETCH(bool, serverRunning);
        m_dictionary->answer = LocalDictionary::Answer(answer);
        const QString address = addressSet ? m_dictionary->searchAddress() : QString();
        if (!serverRunning) m_dictionary.reset();

        // The inactivity rule, shortened from 90 seconds.
        auto pronunciation = Make({address, 300});
        QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
        pronunciation->Play(QStringLiteral("Kate"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Kate"), false}));
        QCOMPARE(m_spoken, QStringList{QStringLiteral("Kate")});
        QVERIFY(pronunciation->player()->source().isEmpty());
        QVERIFY(!pronunciation->IsLookingUp());
        if (m_dictionary && !addressSet) QVERIFY(m_dictionary->requests.isEmpty());
    }

    // Where no sound device exists the fetched sound is not handed to a player: the name is
    // spoken, and no media back end is started.
    void withoutASoundDeviceTheNameIsSpoken() {
        if (!QMediaDevices::audioOutputs().isEmpty()) QSKIP("this computer has a sound device");
        auto pronunciation = Make({m_dictionary->searchAddress(), 90000});
        pronunciation->SetPlaysSounds(true);
        QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
        pronunciation->Play(QStringLiteral("Lily"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Lily"), false}));
        QCOMPARE(m_dictionary->requests.size(), 2);  // the page and its sound were fetched
        QCOMPARE(m_spoken, QStringList{QStringLiteral("Lily")});
        QVERIFY(!pronunciation->findChild<QMediaPlayer*>());
    }

    // The page names what the program fetches, so it may only name the dictionary's own sounds:
    // a local file (a FIFO here, which would hold whoever opens it) or another host or port is
    // never asked for, and the name is spoken.
    void soundsOnlyFromTheDictionary() {
        QTemporaryDir folder;
        const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("passwd")));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        LocalDictionary other;
        const QByteArray otherPort = other.base().toUtf8() + "/sound/kate.mp3";
        const QByteArray otherHost =
            "http://localhost:" + m_dictionary->base().section(':', -1).toUtf8() +
            "/sound/kate.mp3";
        for (const QByteArray& marker :
             {"file://" + fifo + "#.mp3", "file:" + fifo + "?.mp3", otherPort, otherHost,
              QByteArray("ftp://127.0.0.1/kate.mp3")}) {
            m_spoken.clear();
            m_dictionary->requests.clear();
            m_dictionary->marker = marker;
            auto pronunciation = Make({m_dictionary->searchAddress(), 90000});
            QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
            pronunciation->Play(QStringLiteral("Kate"));
            QVERIFY2(finished.wait(10000), marker.constData());
            QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Kate"), false}));
            QCOMPARE(m_spoken, QStringList{QStringLiteral("Kate")});
            QCOMPARE(m_dictionary->requests, QStringList{QStringLiteral("/s?wd=Kate")});
            QVERIFY(pronunciation->player()->source().isEmpty());
        }
        QVERIFY(other.requests.isEmpty());
        // Nobody holds the FIFO open for reading: opening it to write finds no reader.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        QCOMPARE(writer, -1);
        QCOMPARE(errno, ENXIO);
    }

    // A page or a sound beyond its cap is not downloaded further, announced or not.
    void oversizedDownloadsAreStopped_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<qint64>("claimedLength");
        const qint64 fiveGb = 5LL * 1024 * 1024 * 1024;
        const int sound = int(LocalDictionary::Answer::SoundPage);
        const int page = int(LocalDictionary::Answer::FloodPage);
        QTest::addRow("sound claiming 5 GB") << sound << QByteArray("/flood/kate.mp3") << fiveGb;
        QTest::addRow("sound sending without end") << sound << QByteArray("/flood/kate.mp3") << 0LL;
        QTest::addRow("page claiming 200 MB") << page << QByteArray() << 200LL * 1024 * 1024;
        QTest::addRow("page sending without end") << page << QByteArray() << 0LL;
    }
    void oversizedDownloadsAreStopped() {
        QFETCH(int, answer);
        QFETCH(QByteArray, marker);
        QFETCH(qint64, claimedLength);
        m_dictionary->answer = LocalDictionary::Answer(answer);
        m_dictionary->marker = marker;
        m_dictionary->claimedLength = claimedLength;
        auto pronunciation = Make({m_dictionary->searchAddress(), 90000});
        QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
        pronunciation->Play(QStringLiteral("Kate"));
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Kate"), false}));
        QCOMPARE(m_spoken, QStringList{QStringLiteral("Kate")});
        QVERIFY(!pronunciation->IsLookingUp());
        QVERIFY(pronunciation->player()->source().isEmpty());
        // The transfer was stopped: the server never got near the end of its flood.
        QVERIFY2(m_dictionary->floodSent < 64LL * 1024 * 1024,
                 qPrintable(QString::number(m_dictionary->floodSent)));
    }

    // A second double-click replaces the lookup that still waits; only its name is read.
    void newNameReplacesTheWaitingLookup() {
        m_dictionary->answer = LocalDictionary::Answer::Never;
        auto pronunciation = Make({m_dictionary->searchAddress(), 500});
        QSignalSpy finished(pronunciation.get(), &Pronunciation::finished);
        pronunciation->Play(QStringLiteral("Anna"));
        QTRY_COMPARE(m_dictionary->requests.size(), 1);
        pronunciation->Play(QStringLiteral("Bob"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QCOMPARE(finished.first().first().toString(), QStringLiteral("Bob"));
        QCOMPARE(m_spoken, QStringList{QStringLiteral("Bob")});

        pronunciation->Play(QStringLiteral("Carl"));
        QVERIFY(pronunciation->IsLookingUp());
        pronunciation->Cancel();  // what quitting does
        QVERIFY(!pronunciation->IsLookingUp());
        QTest::qWait(0);
        QCOMPARE(finished.size(), 1);
    }

    void settingsComeFromTheDataFolder() {
        QTemporaryDir folder;
        QFile ini(folder.filePath(QStringLiteral("dictionary.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(
            "[dictionary]\nsearchAddress=http://dictionary.example/s?wd=\n"
            "inactivitySeconds=5\n");
        ini.close();
        const PronunciationSettings set =
            knowledge_ui::ReadPronunciationSettings(folder.path().toStdString());
        QCOMPARE(set.searchAddress, QStringLiteral("http://dictionary.example/s?wd="));
        QCOMPARE(set.inactivityMilliseconds, 5000);
        // Without the file nothing is downloaded, and a lookup may wait the full 90 seconds.
        const PronunciationSettings none =
            knowledge_ui::ReadPronunciationSettings(folder.filePath("nothing").toStdString());
        QVERIFY(none.searchAddress.isEmpty());
        QCOMPARE(none.inactivityMilliseconds, 90000);
    }

    // What kept a name from being read is told, each cause once.
    void aNameThatCannotBeReadSaysWhy() {
        auto pronunciation = Make({QString(), 300});
        QString problem = QStringLiteral("没有可用的语音引擎");
        pronunciation->SetSpeaker([&problem](const QString&) { return problem; });
        QSignalSpy told(pronunciation.get(), &Pronunciation::statusMessage);
        pronunciation->Play(QStringLiteral("Kate"));
        pronunciation->Play(QStringLiteral("Anna"));
        problem = QStringLiteral("没有可用的声音输出设备");
        pronunciation->Play(QStringLiteral("Kate"));
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[0].first().toString(), QStringLiteral("没有可用的语音引擎,无法朗读英文名字"));
        QCOMPARE(told[1].first().toString(),
                 QStringLiteral("没有可用的声音输出设备,无法朗读英文名字"));

        // The desktop's engine tells which of the two it lacks.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            const QString lacking = knowledge_ui::SpeechEngine().Say(QStringLiteral("Kate"));
            QVERIFY2(lacking == QStringLiteral("没有可用的语音引擎") ||
                         lacking == QStringLiteral("没有可用的声音输出设备"),
                     qPrintable(lacking));
        }
    }

    // With a sound output (the test command starts a PulseAudio null sink) the dictionary's
    // sound really plays to its end, and the speech engine really speaks and falls silent.
    void soundAndSpeechReallyPlay() {
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("no sound output here; the test command starts a PulseAudio null sink");
        Pronunciation pronunciation({m_dictionary->searchAddress(), 90000});
        QSignalSpy finished(&pronunciation, &Pronunciation::finished);
        pronunciation.Play(QStringLiteral("Kate"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first(), (QVariantList{QStringLiteral("Kate"), true}));
        QMediaPlayer* player = pronunciation.player();
        QCOMPARE(player->playbackState(), QMediaPlayer::PlayingState);
        QTRY_COMPARE_WITH_TIMEOUT(player->mediaStatus(), QMediaPlayer::EndOfMedia, 15000);
        QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
        QVERIFY(player->error() == QMediaPlayer::NoError);

        knowledge_ui::SpeechEngine engine;
        QSignalSpy speaking(&engine, &knowledge_ui::SpeechEngine::speakingChanged);
        QCOMPARE(engine.Say(QStringLiteral("Kate")), QString());
        QTRY_COMPARE_WITH_TIMEOUT(speaking.size(), 2, 15000);
        QCOMPARE(speaking[0].first().toBool(), true);
        QCOMPARE(speaking[1].first().toBool(), false);
    }

    // Only a double-click on a row of the English list reads its name; the empty area below the
    // rows starts nothing.
    void doubleClickOnTheEnglishList() {
        widgets::ResultListView list("超级列表框_英文列表",
                                     {"编号", "英文名", "中文读音", "相关含义"}, {0},
                                     "姓名列表(双击英文名字可以自动朗读)");
        list.model()->SetRows({{"1", "Lily", "莉莉", "百合"}});
        QWidget owner;
        knowledge_ui::ReadingRoom room({{}, {}, {m_dictionary->searchAddress(), 90000}}, &owner);
        room.pronunciation()->SetPlaysSounds(false);
        room.pronunciation()->SetSpeaker([this](const QString& text) {
            m_spoken << text;
            return QString();
        });
        room.AttachEnglishNames(&list);
        list.frame()->resize(400, 300);
        list.frame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.frame()));

        // With the row chosen, a double-click below it still names no row.
        const QPoint row = list.visualRect(list.model()->index(0, 1)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(list.currentIndex().row(), 0);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                           QPoint(50, list.viewport()->height() - 5));
        QVERIFY(!room.pronunciation()->IsLookingUp());

        QSignalSpy finished(room.pronunciation(), &Pronunciation::finished);
        // A person's double-click: the first click of it presses the row again.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
        QVERIFY(finished.wait(10000));
        QCOMPARE(m_dictionary->requests.value(0), QStringLiteral("/s?wd=Lily"));
        QTRY_VERIFY_WITH_TIMEOUT(Loaded(room.pronunciation()->player()), 15000);
    }

  private:
    std::unique_ptr<Pronunciation> Make(PronunciationSettings settings) {
        auto pronunciation = std::make_unique<Pronunciation>(std::move(settings));
        pronunciation->SetPlaysSounds(false);
        pronunciation->SetSpeaker([this](const QString& text) {
            m_spoken << text;
            return QString();
        });
        return pronunciation;
    }
    static bool Loaded(QMediaPlayer* player) {
        const auto status = player->mediaStatus();
        return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
               status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::EndOfMedia;
    }

    std::unique_ptr<LocalDictionary> m_dictionary;
    QStringList m_spoken;
};

QTEST_MAIN(PronunciationTest)
#include "PronunciationTest.moc"
