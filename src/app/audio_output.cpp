#include "app/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>

#include "platform/media/mixer.h"

namespace zelvo {

namespace {
// A short buffer keeps the card noises close to the cards.
constexpr int BUFFER_FRAMES = media::SAMPLE_RATE / 10;
// Silence pulled for this long means the device has played out everything it held.
constexpr size_t DRAIN_FRAMES = media::SAMPLE_RATE / 2;
}  // namespace

AudioOutput::AudioOutput(media::Mixer& mixer) : mixer_(mixer) {}

AudioOutput::~AudioOutput() {
    stream_.reset();  // no more wake-ups from the players
    if (sink_) sink_->stop();
}

bool AudioOutput::start() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(media::SAMPLE_RATE);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format)) return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(BUFFER_FRAMES * 2 * int(sizeof(float)));
    // The stream tells its changes from the device's or the players' thread; the sink
    // is driven from the window's.
    stream_ = std::make_unique<media::DeviceStream>(mixer_, DRAIN_FRAMES, [this](bool) {
        QMetaObject::invokeMethod(this, [this] { followStream(); }, Qt::QueuedConnection);
    });
    open(QIODevice::ReadOnly);
    sink_->start(this);
    return sink_->error() == QAudio::NoError;
}

void AudioOutput::followStream() {
    if (!sink_ || !stream_) return;
    // The stream's state now, not the one that was posted: a later change may be on its way.
    const bool on = stream_->running();
    const QAudio::State s = sink_->state();
    if (on && s == QAudio::SuspendedState) sink_->resume();
    else if (!on && (s == QAudio::ActiveState || s == QAudio::IdleState)) sink_->suspend();
}

qint64 AudioOutput::readData(char* data, qint64 maxlen) {
    const size_t frame = static_cast<size_t>(maxlen) / (2 * sizeof(float));
    if (frame == 0) return 0;
    stream_->pull(reinterpret_cast<float*>(data), frame);
    return static_cast<qint64>(frame * 2 * sizeof(float));
}

qint64 AudioOutput::bytesAvailable() const { return 4096 + QIODevice::bytesAvailable(); }

}  // namespace zelvo
