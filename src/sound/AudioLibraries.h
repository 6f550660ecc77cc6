#pragma once

#include <QString>
#include <SDL.h>
#include <fluidsynth.h>

#include <optional>

// SDL2 and FluidSynth, opened when the first sound is made rather than linked into the
// program: the two bring in some forty shared libraries, which would otherwise add a sixth to
// the time the game takes to show its first window. Without them the game still runs, silent,
// and each sound command reports MCIERR_NO_AUDIO_LIBRARY.
namespace AudioLibraries {

struct Sdl
{
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_SetHintWithPriority) SetHintWithPriority;
    decltype(&::SDL_ClearHints) ClearHints;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_GetCurrentAudioDriver) GetCurrentAudioDriver;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&::SDL_FreeWAV) FreeWAV;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&::SDL_ConvertAudio) ConvertAudio;
};

struct Fluid
{
    decltype(&::new_fluid_settings) new_settings;
    decltype(&::delete_fluid_settings) delete_settings;
    decltype(&::fluid_settings_setnum) settings_setnum;
    decltype(&::new_fluid_synth) new_synth;
    decltype(&::delete_fluid_synth) delete_synth;
    decltype(&::fluid_synth_sfload) synth_sfload;
    decltype(&::new_fluid_defsfloader) new_defsfloader;
    decltype(&::fluid_sfloader_set_callbacks) sfloader_set_callbacks;
    decltype(&::fluid_synth_add_sfloader) synth_add_sfloader;
    decltype(&::fluid_synth_write_float) synth_write_float;
    decltype(&::fluid_synth_system_reset) synth_system_reset;
    decltype(&::fluid_synth_all_sounds_off) synth_all_sounds_off;
    decltype(&::new_fluid_player) new_player;
    decltype(&::delete_fluid_player) delete_player;
    decltype(&::fluid_player_add_mem) player_add_mem;
    decltype(&::fluid_player_seek) player_seek;
    decltype(&::fluid_player_play) player_play;
};

// The program's libraries, opened on the first call; nullptr when they cannot be opened or
// lack a function.
const Sdl *sdl();
const Fluid *fluid();

// Opens the library `file` (a name the system's loader searches for, or a path).
std::optional<Sdl> openSdl(const QString &file);
std::optional<Fluid> openFluid(const QString &file);

} // namespace AudioLibraries
