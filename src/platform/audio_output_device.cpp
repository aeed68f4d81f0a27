#include "platform/audio_output_device.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace vantrel::platform {
namespace {

// How often the adapter's thread tops the card up, and how much each queue holds: the card's
// buffer a tenth of a second, ours in front of it as much again.
constexpr int kPumpMilliseconds = 5;
constexpr int kBufferMilliseconds = 100;

SampleFormat FromQt(QAudioFormat::SampleFormat format) {
  return format == QAudioFormat::Float ? SampleFormat::kFloat : SampleFormat::kS16;
}

// A format the card plays that is as close to the wanted one as it offers, in one of the two
// sample formats the engine converts to.
std::optional<QAudioFormat> ChooseFormat(const QAudioDevice& device, const AudioFormat& wanted) {
  QAudioFormat format;
  format.setSampleRate(wanted.sample_rate);
  format.setChannelCount(wanted.channels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (device.isFormatSupported(format)) return format;
  format = device.preferredFormat();
  if (format.sampleFormat() != QAudioFormat::Float) format.setSampleFormat(QAudioFormat::Int16);
  if (device.isFormatSupported(format) && format.channelCount() > 0 && format.sampleRate() > 0) {
    return format;
  }
  return std::nullopt;
}

class SoundCard : public AudioOutput {
 public:
  SoundCard() {
    thread_.start();
    context_.moveToThread(&thread_);
  }

  ~SoundCard() override {
    OnThread([this] { Close(); });
    thread_.quit();
    thread_.wait();
  }

  std::optional<AudioFormat> Open(const AudioFormat& wanted) override {
    std::optional<AudioFormat> opened;
    OnThread([&] { opened = OpenOnThread(wanted); });
    return opened;
  }

  size_t Write(const uint8_t* data, size_t frames) override {
    std::lock_guard guard(lock_);
    if (bytes_per_frame_ == 0) return 0;
    const size_t room = (capacity_ - std::min(capacity_, queue_.size())) / bytes_per_frame_;
    const size_t taken = std::min(frames, room);
    queue_.insert(queue_.end(), data, data + taken * bytes_per_frame_);
    return taken;
  }

  int64_t FramesPlayed() const override {
    std::lock_guard guard(lock_);
    return played_;
  }

  void Resume() override {
    OnThread([this] {
      if (sink_) sink_->resume();
    });
  }

  void Pause() override {
    OnThread([this] {
      if (sink_) sink_->suspend();
    });
  }

  void Flush() override {
    OnThread([this] {
      if (!sink_) return;
      const bool suspended = sink_->state() == QAudio::SuspendedState;
      sink_->stop();
      {
        std::lock_guard guard(lock_);
        queue_.clear();
        written_ = played_ = 0;
      }
      device_ = sink_->start();
      if (suspended) sink_->suspend();
    });
  }

  void SetGain(float gain) override {
    OnThread([this, gain] {
      if (sink_) sink_->setVolume(gain);
    });
  }

 private:
  // Runs work on the adapter's thread and waits for it.
  template <typename Work>
  void OnThread(Work work) {
    QMetaObject::invokeMethod(&context_, work, Qt::BlockingQueuedConnection);
  }

  std::optional<AudioFormat> OpenOnThread(const AudioFormat& wanted) {
    Close();
    const QAudioDevice card = QMediaDevices::defaultAudioOutput();
    if (card.isNull()) return std::nullopt;
    const std::optional<QAudioFormat> format = ChooseFormat(card, wanted);
    if (!format) return std::nullopt;
    sink_ = std::make_unique<QAudioSink>(card, *format);
    sink_->setBufferSize(format->bytesForDuration(kBufferMilliseconds * 1000));
    device_ = sink_->start();
    if (device_ == nullptr || sink_->error() != QAudio::NoError) {
      Close();
      return std::nullopt;
    }
    sink_->suspend();
    {
      std::lock_guard guard(lock_);
      bytes_per_frame_ = static_cast<size_t>(format->bytesPerFrame());
      capacity_ = static_cast<size_t>(format->bytesForDuration(kBufferMilliseconds * 1000));
      queue_.clear();
      written_ = played_ = 0;
    }
    pump_ = std::make_unique<QTimer>();
    QObject::connect(pump_.get(), &QTimer::timeout, &context_, [this] { Pump(); });
    pump_->start(kPumpMilliseconds);
    return AudioFormat{format->sampleRate(), format->channelCount(),
                       FromQt(format->sampleFormat())};
  }

  void Close() {
    pump_.reset();
    if (sink_) sink_->stop();
    sink_.reset();
    device_ = nullptr;
  }

  // Moves queued frames into the card as far as it has room, and notes how far it has played:
  // everything written except what still waits in its buffer.
  void Pump() {
    if (!sink_ || device_ == nullptr) return;
    std::lock_guard guard(lock_);
    const auto free = static_cast<size_t>(std::max<qsizetype>(0, sink_->bytesFree()));
    const size_t bytes = std::min(free, queue_.size()) / bytes_per_frame_ * bytes_per_frame_;
    if (bytes > 0) {
      const qint64 sent =
          device_->write(reinterpret_cast<const char*>(queue_.data()), static_cast<qint64>(bytes));
      if (sent > 0) {
        queue_.erase(queue_.begin(), queue_.begin() + sent);
        written_ += static_cast<int64_t>(sent) / static_cast<int64_t>(bytes_per_frame_);
      }
    }
    const auto waiting =
        static_cast<int64_t>(std::max<qsizetype>(0, sink_->bufferSize() - sink_->bytesFree()));
    played_ = std::max(played_, written_ - waiting / static_cast<int64_t>(bytes_per_frame_));
  }

  QThread thread_;
  QObject context_;  // lives on thread_: the target of OnThread and the pump's slot
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* device_ = nullptr;  // the sink's, while started
  std::unique_ptr<QTimer> pump_;

  mutable std::mutex lock_;
  std::vector<uint8_t> queue_;
  size_t capacity_ = 0;
  size_t bytes_per_frame_ = 0;
  int64_t written_ = 0;
  int64_t played_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSoundCard() {
  if (QCoreApplication::instance() == nullptr) return nullptr;
  return std::make_unique<SoundCard>();
}

bool SoundCardPresent() {
  return QCoreApplication::instance() != nullptr && !QMediaDevices::audioOutputs().isEmpty();
}

struct AudioHost::Application {
  int argc = 1;
  char name[16] = "vantrel";
  char* argv[2] = {name, nullptr};
  QCoreApplication application{argc, argv};
};

AudioHost::AudioHost() {
  if (QCoreApplication::instance() == nullptr) application_ = std::make_unique<Application>();
}

AudioHost::~AudioHost() = default;

}  // namespace vantrel::platform
