#include "app/uscita_audio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>

#include "platform/media/mixer.h"

namespace zelvo {

UscitaAudio::UscitaAudio(media::Mixer& mixer) : mixer_(mixer) {}

UscitaAudio::~UscitaAudio() {
    if (sink_) sink_->stop();
}

bool UscitaAudio::avvia() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(media::FREQUENZA);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format)) return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A short buffer keeps the card noises close to the cards.
    sink_->setBufferSize(media::FREQUENZA / 10 * 2 * int(sizeof(float)));
    open(QIODevice::ReadOnly);
    sink_->start(this);
    return sink_->error() == QAudio::NoError;
}

qint64 UscitaAudio::readData(char* data, qint64 maxlen) {
    const size_t frame = static_cast<size_t>(maxlen) / (2 * sizeof(float));
    if (frame == 0) return 0;
    mixer_.render(reinterpret_cast<float*>(data), frame);
    return static_cast<qint64>(frame * 2 * sizeof(float));
}

qint64 UscitaAudio::bytesAvailable() const { return 4096 + QIODevice::bytesAvailable(); }

}  // namespace zelvo
