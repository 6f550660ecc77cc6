#include "game/RowPicture.h"

#include "data/basGlobal.h"
#include "platform/FileSystem.h"

namespace RowPicture {

ResultCode LoadFile(const QString &folder, const QString &name, Picture &picture)
{
    return basGlobal::LoadPictureFile(folder + FileSystem::fromDataName(name), picture);
}

ResultCode Load(const QString &folder, const QString &name, std::int32_t accessLevel,
                Picture &picture, bool &hasPicture)
{
    hasPicture = false;
    const bool strict = accessLevel == StrictLevel;
    ResultCode code = rcNoPictureName;
    if (!name.isEmpty()) {
        code = LoadFile(folder, name, picture);
        hasPicture = code == rcSuccess;
    }
    if (code == rcSuccess || strict)
        return code;
    picture = Picture();
    return rcSuccess;
}

} // namespace RowPicture
