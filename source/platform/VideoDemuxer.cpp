#include "platform/VideoDemuxer.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "platform/FileHandle.h"

namespace platform {
namespace {

constexpr int kIoBufferSize = 4096;

int ReadPacket(void* opaque, uint8_t* buffer, int size) {
  const int64_t read = ReadFile(*static_cast<int*>(opaque), buffer, static_cast<size_t>(size));
  if (read < 0) return AVERROR(EIO);
  return read == 0 ? AVERROR_EOF : static_cast<int>(read);
}

int64_t Seek(void* opaque, int64_t offset, int whence) {
  const int handle = *static_cast<int*>(opaque);
  if (whence & AVSEEK_SIZE) return FileLength(handle);
  const int64_t position = SeekFile(handle, offset, whence & ~AVSEEK_FORCE);
  return position < 0 ? AVERROR(EIO) : position;
}

int FirstStream(const AVFormatContext* format, AVMediaType type) {
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    if (format->streams[i]->codecpar->codec_type == type) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

struct VideoDemuxer::Context {
  ~Context() {
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    if (io) av_freep(&io->buffer);
    avio_context_free(&io);
    if (handle >= 0) CloseFile(handle);
  }

  // The file, FFmpeg's reader over it and the picture decoder; false when any cannot be had.
  bool Open(const std::string& gamePath) {
    handle = OpenFile(gamePath, kFileRead);
    if (handle < 0) return false;
    auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferSize));
    if (!buffer) return false;
    io = avio_alloc_context(buffer, kIoBufferSize, 0, &handle, ReadPacket, nullptr, Seek);
    if (!io) {
      av_free(buffer);
      return false;
    }
    format = avformat_alloc_context();
    if (!format) return false;
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (avformat_open_input(&format, nullptr, av_find_input_format("smk"), nullptr) < 0) return false;
    videoStream = FirstStream(format, AVMEDIA_TYPE_VIDEO);
    return videoStream >= 0 && OpenDecoder() && (packet = av_packet_alloc()) && (frame = av_frame_alloc());
  }

  bool OpenDecoder() {
    const AVCodecParameters* parameters = format->streams[videoStream]->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder || !(codec = avcodec_alloc_context3(decoder))) return false;
    if (avcodec_parameters_to_context(codec, parameters) < 0) return false;
    codec->thread_count = 1;
    return avcodec_open2(codec, decoder, nullptr) >= 0;
  }

  int handle = -1;
  AVIOContext* io = nullptr;
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  int videoStream = -1;
};

VideoDemuxer::VideoDemuxer(std::unique_ptr<Context> context) : mContext(std::move(context)) {}

VideoDemuxer::~VideoDemuxer() = default;

std::unique_ptr<VideoDemuxer> VideoDemuxer::Open(const std::string& gamePath) {
  av_log_set_level(AV_LOG_QUIET);
  auto context = std::make_unique<Context>();
  if (!context->Open(gamePath)) return nullptr;
  return std::unique_ptr<VideoDemuxer>(new VideoDemuxer(std::move(context)));
}

bool VideoDemuxer::ReadPicture(int32_t width, int32_t height, VideoPicture& picture) {
  Context& c = *mContext;
  while (av_read_frame(c.format, c.packet) >= 0) {
    if (c.packet->stream_index != c.videoStream) {
      av_packet_unref(c.packet);
      continue;
    }
    const int sent = avcodec_send_packet(c.codec, c.packet);
    av_packet_unref(c.packet);
    if (sent < 0) return false;
    const int received = avcodec_receive_frame(c.codec, c.frame);
    if (received == AVERROR(EAGAIN)) continue;
    if (received < 0) return false;
    return ReceivePicture(width, height, picture);
  }
  return false;
}

// The decoder's frame as the header said it would be: 8-bit, of the header's size.
bool VideoDemuxer::ReceivePicture(int32_t width, int32_t height, VideoPicture& picture) {
  const AVFrame& frame = *mContext->frame;
  const bool expected = frame.format == AV_PIX_FMT_PAL8 && frame.width == width && frame.height == height;
  if (!expected) {
    av_frame_unref(mContext->frame);
    return false;
  }
  picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    std::memcpy(picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width),
                frame.data[0] + static_cast<ptrdiff_t>(y) * frame.linesize[0], static_cast<size_t>(width));
  }
  for (size_t i = 0; i < picture.colours.size(); ++i) {
    uint32_t argb;
    std::memcpy(&argb, frame.data[1] + 4 * i, sizeof argb);
    picture.colours[i] = {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb)};
  }
  av_frame_unref(mContext->frame);
  return true;
}

bool VideoDemuxer::ReadFirstTrack(SoundFormat& format, std::vector<uint8_t>& bytes) {
  Context& c = *mContext;
  const int stream = FirstStream(c.format, AVMEDIA_TYPE_AUDIO);
  if (stream < 0) return false;
  const AVCodecParameters& track = *c.format->streams[stream]->codecpar;
  if (track.codec_id != AV_CODEC_ID_PCM_S16LE && track.codec_id != AV_CODEC_ID_PCM_U8) return false;
  if (track.ch_layout.nb_channels < 1 || track.ch_layout.nb_channels > 2) return false;
  const uint16_t bits = track.codec_id == AV_CODEC_ID_PCM_S16LE ? 16 : 8;
  format = PcmFormat(static_cast<uint16_t>(track.ch_layout.nb_channels), bits,
                     static_cast<uint32_t>(track.sample_rate));
  if (!IsPlayableFormat(format)) return false;
  bytes.clear();
  while (av_read_frame(c.format, c.packet) >= 0) {
    if (c.packet->stream_index == stream) bytes.insert(bytes.end(), c.packet->data, c.packet->data + c.packet->size);
    av_packet_unref(c.packet);
  }
  bytes.resize(bytes.size() / format.blockAlign * format.blockAlign);
  return !bytes.empty();
}

}  // namespace platform
