#pragma once

#include "sound/Mci.h"
#include "sound/MciDevice.h"
#include "sound/SoundOutput.h"
#include "sound/Synthesizer.h"

#include <QString>

#include <map>
#include <memory>
#include <mutex>

// The devices behind mciSendCommandA: the table of open devices, the synthesizer and the
// output they share. Commands are taken one at a time, from any thread.
class SoundSystem
{
public:
    static SoundSystem &instance();

    MCIERROR send(MCIDEVICEID id, std::uint32_t command, std::uint32_t flags, void *params);

    SoundOutput &output() { return m_output; }

    // The port that sequencers opened from now on report (the MIDI mapper unless changed), so
    // that the players' refusal of other ports can be tried without such hardware.
    void setSequencerPort(std::uint32_t port);

    std::size_t openDeviceCount();

    // Opens the output and loads the SoundFont (`soundFont`, or the one SoundFont::find()
    // names) on a thread of its own, so that the first piece played later starts as fast as any
    // other. A sequencer opened meanwhile waits for the load; the end of the program does not:
    // a load still running then is left to end with the process.
    void warmUp();
    void warmUp(const QString &soundFont);
    // Returns once a warm-up begun earlier has finished.
    void waitForWarmUp();

private:
    struct Entry
    {
        std::unique_ptr<MciDevice> device;
        QString alias;
        bool sequencer;
    };

    struct WarmUp;

    SoundSystem() = default;

    MCIERROR open(std::uint32_t flags, MCI_OPEN_PARMSA *params);
    MCIERROR close(MCIDEVICEID id);
    MCIERROR play(MciDevice &device, std::uint32_t flags, const MCI_PLAY_PARMS *params);
    MCIERROR seek(MciDevice &device, std::uint32_t flags, const MCI_SEEK_PARMS *params);
    MCIERROR status(MciDevice &device, std::uint32_t flags, MCI_STATUS_PARMS *params);
    MCIDEVICEID freeId();
    // Waits for a warm-up begun earlier and takes over its synthesizer.
    void takeWarmUp();

    std::mutex m_commands;
    MCIDEVICEID m_lastId = 0;
    std::uint32_t m_sequencerPort = MIDI_MAPPER;
    // Destroyed from the bottom up: the output stops before the devices go, and the devices
    // before the synthesizer they play on.
    Synthesizer m_synth;
    std::map<MCIDEVICEID, Entry> m_devices;
    SoundOutput m_output;
    // Shared with the loading thread, which touches nothing else.
    std::shared_ptr<WarmUp> m_warmUp;
};
