#include "data/basGlobal.h"

#include <array>

using namespace Qt::StringLiterals;

namespace basGlobal {

QString ResultMessage(std::int32_t code)
{
    static const std::array<QString, 14> messages = {
        u"成功"_s,
        u"その他のエラー"_s,
        u"ファイルパスが設定されていない"_s,
        u"ファイルが存在しない"_s,
        u"データバージョンが違う"_s,
        u"データエラー"_s,
        u"チェックサムエラー"_s,
        u"ファイルオープン"_s,
        u"ファイルクローズ"_s,
        u"ファイル読み込みエラー"_s,
        u"書き込みエラー"_s,
        u"画像ファイル名が設定されていない"_s,
        u"画像ファイルが存在しない"_s,
        u"画像ファイル読み込みエラー"_s,
    };
    if (code < 0 || code >= static_cast<std::int32_t>(messages.size()))
        return {};
    return messages[static_cast<std::size_t>(code)];
}

ResultCode LoadPictureFile(const QString &path, Picture &picture)
{
    switch (Pictures::load(path, picture)) {
    case Pictures::LoadOutcome::Loaded:
        return rcSuccess;
    case Pictures::LoadOutcome::Missing:
        return rcPictureNotFound;
    case Pictures::LoadOutcome::Unreadable:
        break;
    }
    return rcReadError;
}

} // namespace basGlobal
