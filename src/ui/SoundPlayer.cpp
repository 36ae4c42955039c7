#include "ui/SoundPlayer.h"

#include <QtCore/QEventLoop>
#include <QtCore/QFileInfo>
#include <QtCore/QTimer>
#include <QtCore/QUrl>
#include <QtMultimedia/QAudioDevice>
#include <QtMultimedia/QMediaDevices>
#include <QtMultimedia/QSoundEffect>

namespace parlix::ui {
namespace {

// A stalled sound output must not keep the dialog waiting: a 16-bit mono
// file at 8 kHz plays 16 kB a second, and no output takes more than this
// besides.
constexpr int kSpareMs = 3000;
constexpr qint64 kMinBytesPerSecond = 16000;

}  // namespace

void PlaySoundFile(const QString& path) {
    // The sound effect decodes the WAV itself and needs no media back end.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    QSoundEffect sound;
    QEventLoop loop;
    QObject::connect(&sound, &QSoundEffect::statusChanged, &loop, [&] {
        if (sound.status() == QSoundEffect::Ready) sound.play();
        if (sound.status() == QSoundEffect::Error) loop.quit();
    });
    QObject::connect(&sound, &QSoundEffect::playingChanged, &loop, [&] {
        if (!sound.isPlaying()) loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(static_cast<int>(QFileInfo(path).size() * 1000 / kMinBytesPerSecond) + kSpareMs);
    sound.setSource(QUrl::fromLocalFile(path));
    if (sound.status() == QSoundEffect::Error) return;
    loop.exec();
    sound.stop();
}

}  // namespace parlix::ui
