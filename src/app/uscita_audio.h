#pragma once
// The audio device: a pull-mode sink that asks the mixer for samples whenever
// the device wants more. Without a device the game simply stays silent.
#include <QAudioSink>
#include <QIODevice>
#include <memory>

namespace zelvo::media {
class Mixer;
}

namespace zelvo {

class UscitaAudio final : public QIODevice {
public:
    explicit UscitaAudio(media::Mixer& mixer);
    ~UscitaAudio() override;
    // False when no audio device can take the format.
    bool avvia();

protected:
    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override;

private:
    media::Mixer& mixer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace zelvo
