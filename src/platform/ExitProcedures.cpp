#include "platform/ExitProcedures.h"

#include "platform/MsgBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace basMain {

int ConfirmExit()
{
    return MsgBox(u"ゲームを終了しますか？"_s, MB_OKCANCEL | MB_ICONQUESTION);
}

bool MayClose(bool byCloseBox)
{
    return !byCloseBox || ConfirmExit() == IDOK;
}

bool AcceptClose(QCloseEvent &event)
{
    event.setAccepted(MayClose(event.spontaneous()));
    return event.isAccepted();
}

void UnloadAllForms()
{
    // A window's close handler may close or delete others; guard each one.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget> &w : windows) {
        if (w)
            w->close();
    }
}

} // namespace basMain
