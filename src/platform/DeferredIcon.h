#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

// An icon made of one file per size, read the first time a picture of it is asked for. Qt's own
// icon reads every file as it is added, a cost paid at start-up even where the window system
// never asks for the icon or asks for one size of it.
namespace DeferredIcon {

struct File
{
    QString path;
    QSize size;
};

// The icon of `files`, as QIcon::addFile would make it of each of them in turn.
QIcon fromFiles(const QList<File> &files);

} // namespace DeferredIcon
