#pragma once

class QWidget;

// For the start-up benchmark, which times a program from its start until its window is on
// screen. When the environment variable VIRELITH_REPORT_SHOWN is set, the first paint of
// `widget` writes one line to standard output,
//     shown <steady clock ns> <CPU time ns> <peak resident bytes>
// and ends the event loop; with the value "stay" the program runs on. Without the variable
// nothing changes.
void ReportShown(QWidget *widget);
