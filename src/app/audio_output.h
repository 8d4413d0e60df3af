#pragma once
// The audio device: a pull-mode sink that asks the mixer for samples whenever
// the device wants more. While nothing sounds the stream is suspended, so the
// device and the window use no time; a player that starts resumes it. Without a
// device the game simply stays silent.
#include <QAudioSink>
#include <QIODevice>
#include <memory>

namespace zelvo::media {
class Mixer;
class DeviceStream;
}  // namespace zelvo::media

namespace zelvo {

class AudioOutput final : public QIODevice {
public:
    explicit AudioOutput(media::Mixer& mixer);
    ~AudioOutput() override;
    // False when no audio device can take the format.
    bool start();

protected:
    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override;

private:
    // Suspends or resumes the device's stream as the mix wants; on the window's thread.
    void followStream();
    media::Mixer& mixer_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<media::DeviceStream> stream_;
};

}  // namespace zelvo
