#include "sound/AudioLibraries.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(AudioLibraries, TheInstalledLibrariesOpenWithEveryFunction)
{
    ASSERT_NE(AudioLibraries::sdl(), nullptr);
    ASSERT_NE(AudioLibraries::fluid(), nullptr);
    EXPECT_NE(AudioLibraries::sdl()->OpenAudioDevice, nullptr);
    EXPECT_NE(AudioLibraries::fluid()->player_play, nullptr);
}

TEST(AudioLibraries, AMissingLibraryOrOneWithoutTheFunctionsGivesNothing)
{
    // A library that is not there, and one that is but holds other functions.
    for (const QString &file : {u"libvirelith-no-such-library.so.9"_s, u"libz.so.1"_s}) {
        EXPECT_FALSE(AudioLibraries::openSdl(file)) << file.toStdString();
        EXPECT_FALSE(AudioLibraries::openFluid(file)) << file.toStdString();
    }
}

} // namespace
