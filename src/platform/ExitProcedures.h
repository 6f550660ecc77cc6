#pragma once

class QCloseEvent;

// Ending the program from any main window.
namespace basMain {

// Asks "ゲームを終了しますか？"; returns IDOK or IDCANCEL.
int ConfirmExit();

// Whether a main window may close: a close from its own close box asks ConfirmExit first; a
// close by code goes ahead.
bool MayClose(bool byCloseBox);

// Accepts a main window's close event when the window may close (a close the window system
// delivers comes from the close box), ignores it otherwise; true when accepted.
bool AcceptClose(QCloseEvent &event);

// Closes every open window in the order the application lists them. Windows see a close that
// does not come from the window system, so none asks again.
void UnloadAllForms();

} // namespace basMain
