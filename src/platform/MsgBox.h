#pragma once

#include <QString>

#include <functional>

// Message boxes in the styles the game asks for, answered with the button's number.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_YESNO = 0x4;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONWARNING = 0x30;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows `text` modally with the buttons and icon of `style` and returns the answer. The title
// defaults to the application's title. Lines may end in CR LF.
int MsgBox(const QString &text, int style, const QString &title = {});

// What a box was asked to show; tests answer boxes through a hook instead of a window.
struct MsgBoxRequest
{
    QString text;
    int style = MB_OK;
    QString title;
};
using MsgBoxHook = std::function<int(const MsgBoxRequest &)>;

// Replaces the window with `hook` until it is reset with an empty hook.
void setMsgBoxHook(MsgBoxHook hook);
