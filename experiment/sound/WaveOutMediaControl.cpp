#include "WaveOutMediaControl.h"

#include "CueOutput.h"

#include <qt_windows.h>
#include <mmreg.h>
#include <mmsystem.h>

#include <chrono>

namespace {

// The format as the wave output is told it; the extensible form says what
// the plain one cannot (more than two channels, integers wider than 16 bits).
WAVEFORMATEXTENSIBLE waveFormatOf(const WavSound &cue)
{
    const bool isFloat = cue.encoding == WavSound::Encoding::Float32;
    WAVEFORMATEXTENSIBLE format{};
    WAVEFORMATEX &plain = format.Format;
    plain.nChannels = WORD(cue.channels);
    plain.nSamplesPerSec = DWORD(cue.sampleRate);
    plain.wBitsPerSample = WORD(8 * bytesPerSample(cue.encoding));
    plain.nBlockAlign = WORD(plain.nChannels * plain.wBitsPerSample / 8);
    plain.nAvgBytesPerSec = plain.nSamplesPerSec * plain.nBlockAlign;
    const bool plainIsEnough = cue.channels <= 2 && (isFloat || plain.wBitsPerSample <= 16);
    if (plainIsEnough) {
        plain.wFormatTag = isFloat ? WAVE_FORMAT_IEEE_FLOAT : WAVE_FORMAT_PCM;
        return format;
    }
    plain.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
    plain.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
    format.Samples.wValidBitsPerSample = plain.wBitsPerSample;
    // The subformat of a format tag: the tag, then a fixed tail.
    const DWORD tag = isFloat ? WAVE_FORMAT_IEEE_FLOAT : WAVE_FORMAT_PCM;
    format.SubFormat = GUID{tag, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    return format;
}

} // namespace

// An open wave output playing one cue, and the samples it reads from.
struct WaveOutMediaControl::Device {
    HWAVEOUT handle = nullptr;
    QByteArray samples;
    WAVEHDR header{};

    ~Device()
    {
        if (!handle)
            return;
        waveOutReset(handle);
        if (header.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(handle, &header, sizeof header);
        waveOutClose(handle);
    }
};

WaveOutMediaControl::WaveOutMediaControl()
{
    release.setSingleShot(true);
    release.callOnTimeout([this] { close(); });
}

WaveOutMediaControl::~WaveOutMediaControl()
{
    close();
}

void WaveOutMediaControl::stop()
{
    if (device)
        waveOutReset(device->handle);
}

void WaveOutMediaControl::close()
{
    release.stop();
    cue.reset();
    device.reset();
}

void WaveOutMediaControl::sound()
{
    device.reset();
    if (!cue)
        return;
    const WAVEFORMATEXTENSIBLE format = waveFormatOf(*cue);
    // Without an output device, or for a format it cannot take, the cue
    // stays silent.
    auto opened = std::make_unique<Device>();
    if (waveOutOpen(&opened->handle, WAVE_MAPPER, &format.Format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        opened->handle = nullptr;
        return;
    }
    opened->samples = cue->samples;
    opened->header.lpData = opened->samples.data();
    opened->header.dwBufferLength = DWORD(opened->samples.size());
    if (waveOutPrepareHeader(opened->handle, &opened->header, sizeof opened->header) != MMSYSERR_NOERROR
        || waveOutWrite(opened->handle, &opened->header, sizeof opened->header) != MMSYSERR_NOERROR)
        return;
    device = std::move(opened);
    const auto length = std::chrono::milliseconds(qint64(cue->samples.size()) * 1000 / format.Format.nAvgBytesPerSec);
    release.start(length + CueReleaseDelay);
}
