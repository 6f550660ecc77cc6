#include "platform/MsgBox.h"

#include "platform/AppTitle.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MsgBoxHook &hook()
{
    static MsgBoxHook instance;
    return instance;
}

constexpr int kButtonMask = 0xF;
constexpr int kIconMask = 0xF0;

} // namespace

void setMsgBoxHook(MsgBoxHook newHook)
{
    hook() = std::move(newHook);
}

int MsgBox(const QString &text, int style, const QString &title)
{
    const QString caption = title.isEmpty() ? AppTitle() : title;
    if (hook())
        return hook()(MsgBoxRequest{text, style, caption});

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    switch (style & kIconMask) {
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        break;
    }
    switch (style & kButtonMask) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return (style & kButtonMask) == MB_OKCANCEL ? IDCANCEL : IDOK;
    case QMessageBox::Ok:
        return IDOK;
    }
}
