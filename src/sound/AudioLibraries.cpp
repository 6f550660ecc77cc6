#include "sound/AudioLibraries.h"

#include <QLibrary>

namespace AudioLibraries {

namespace {

// Resolves every function of `table` from `file`; the library stays loaded for the program's
// life, as a linked one would.
class Resolver
{
public:
    explicit Resolver(const QString &file) : m_library(file)
    {
        m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        m_ok = m_library.load();
    }

    template<typename Function>
    void operator()(Function &function, const char *name)
    {
        function = m_ok ? reinterpret_cast<Function>(m_library.resolve(name)) : nullptr;
        m_ok = function != nullptr;
    }

    bool ok() const { return m_ok; }

private:
    QLibrary m_library;
    bool m_ok = false;
};

} // namespace

std::optional<Sdl> openSdl(const QString &file)
{
    Resolver resolve(file);
    Sdl sdl{};
    resolve(sdl.InitSubSystem, "SDL_InitSubSystem");
    resolve(sdl.QuitSubSystem, "SDL_QuitSubSystem");
    resolve(sdl.SetHintWithPriority, "SDL_SetHintWithPriority");
    resolve(sdl.ClearHints, "SDL_ClearHints");
    resolve(sdl.OpenAudioDevice, "SDL_OpenAudioDevice");
    resolve(sdl.PauseAudioDevice, "SDL_PauseAudioDevice");
    resolve(sdl.CloseAudioDevice, "SDL_CloseAudioDevice");
    resolve(sdl.GetCurrentAudioDriver, "SDL_GetCurrentAudioDriver");
    resolve(sdl.RWFromConstMem, "SDL_RWFromConstMem");
    resolve(sdl.LoadWAV_RW, "SDL_LoadWAV_RW");
    resolve(sdl.FreeWAV, "SDL_FreeWAV");
    resolve(sdl.BuildAudioCVT, "SDL_BuildAudioCVT");
    resolve(sdl.ConvertAudio, "SDL_ConvertAudio");
    if (!resolve.ok())
        return std::nullopt;
    return sdl;
}

std::optional<Fluid> openFluid(const QString &file)
{
    Resolver resolve(file);
    Fluid fluid{};
    resolve(fluid.new_settings, "new_fluid_settings");
    resolve(fluid.delete_settings, "delete_fluid_settings");
    resolve(fluid.settings_setnum, "fluid_settings_setnum");
    resolve(fluid.new_synth, "new_fluid_synth");
    resolve(fluid.delete_synth, "delete_fluid_synth");
    resolve(fluid.synth_sfload, "fluid_synth_sfload");
    resolve(fluid.new_defsfloader, "new_fluid_defsfloader");
    resolve(fluid.sfloader_set_callbacks, "fluid_sfloader_set_callbacks");
    resolve(fluid.synth_add_sfloader, "fluid_synth_add_sfloader");
    resolve(fluid.synth_write_float, "fluid_synth_write_float");
    resolve(fluid.synth_system_reset, "fluid_synth_system_reset");
    resolve(fluid.synth_all_sounds_off, "fluid_synth_all_sounds_off");
    resolve(fluid.new_player, "new_fluid_player");
    resolve(fluid.delete_player, "delete_fluid_player");
    resolve(fluid.player_add_mem, "fluid_player_add_mem");
    resolve(fluid.player_seek, "fluid_player_seek");
    resolve(fluid.player_play, "fluid_player_play");
    if (!resolve.ok())
        return std::nullopt;
    return fluid;
}

const Sdl *sdl()
{
    static const std::optional<Sdl> library = openSdl(QStringLiteral(VIRELITH_SDL2_LIBRARY));
    return library ? &*library : nullptr;
}

const Fluid *fluid()
{
    static const std::optional<Fluid> library =
        openFluid(QStringLiteral(VIRELITH_FLUIDSYNTH_LIBRARY));
    return library ? &*library : nullptr;
}

} // namespace AudioLibraries
