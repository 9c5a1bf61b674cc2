#include "PulseCue.h"

#include "CueOutput.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/stream.h>

#include <algorithm>

using namespace std::chrono;

namespace {

pa_sample_format_t sampleFormatOf(WavSound::Encoding encoding)
{
    switch (encoding) {
    case WavSound::Encoding::UnsignedInt8:
        return PA_SAMPLE_U8;
    case WavSound::Encoding::SignedInt16:
        return PA_SAMPLE_S16LE;
    case WavSound::Encoding::SignedInt24:
        return PA_SAMPLE_S24LE;
    case WavSound::Encoding::SignedInt32:
        return PA_SAMPLE_S32LE;
    case WavSound::Encoding::Float32:
        return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

// How far ahead of the speaker the cue runs. Short, so that the next cue
// cuts this one off at once, also on a server that cannot take back what
// it has passed on.
constexpr pa_usec_t Latency = 100'000;

} // namespace

PulseCue::PulseCue(pa_mainloop_api *loop, const WavSound &sound, Clock::time_point startBy)
    : samples(sound.samples)
    , format{sampleFormatOf(sound.encoding), uint32_t(sound.sampleRate), uint8_t(sound.channels)}
    , deadline(startBy)
    , context(pa_context_new(loop, QCoreApplication::applicationName().toUtf8().constData()))
{
    // Where no server runs, the cue is silent: none is started for it.
    if (context)
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

PulseCue::~PulseCue()
{
    if (stream) {
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
}

bool PulseCue::advance(Clock::time_point now)
{
    if (!context || now > deadline)
        return false;
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY)
        return advanceStream(now);
    return PA_CONTEXT_IS_GOOD(state);
}

bool PulseCue::advanceStream(Clock::time_point now)
{
    if (!stream && !openStream())
        return false;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state != PA_STREAM_READY)
        return PA_STREAM_IS_GOOD(state);
    if (!playing) {
        playing = true;
        deadline = now + microseconds(pa_bytes_to_usec(uint64_t(samples.size()), &format)) + CueReleaseDelay;
    }
    feed();
    return true;
}

bool PulseCue::openStream()
{
    pa_channel_map channels;
    pa_channel_map_init_extend(&channels, format.channels, PA_CHANNEL_MAP_DEFAULT);
    stream = pa_stream_new(context, "cue", &format, &channels);
    if (!stream)
        return false;
    const auto latency = uint32_t(pa_usec_to_bytes(Latency, &format));
    const pa_buffer_attr buffer{uint32_t(-1), latency, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
    return pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) == 0;
}

void PulseCue::feed()
{
    const size_t wanted = pa_stream_writable_size(stream);
    const auto left = size_t(samples.size() - written);
    const size_t frame = pa_frame_size(&format);
    const size_t bytes = wanted == size_t(-1) ? 0 : std::min(wanted, left) / frame * frame;
    if (bytes == 0 || pa_stream_write(stream, samples.constData() + written, bytes, nullptr, 0, PA_SEEK_RELATIVE) != 0)
        return;
    written += qsizetype(bytes);
    // A cue shorter than the buffer never fills it up to where playing begins.
    if (written == samples.size()) {
        if (pa_operation *starting = pa_stream_trigger(stream, nullptr, nullptr))
            pa_operation_unref(starting);
    }
}
