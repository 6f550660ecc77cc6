// The floor of the start-up benchmark: the least a Qt Widgets program does to show one window.
// Run with VIRELITH_REPORT_SHOWN set, it reports its first paint and quits, as the game does.
// With --text the window shows one line of Japanese text, which brings in the font database
// and a Japanese font, as any window of the game does.
#include "platform/ShownReport.h"

#include <QApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool text = QCoreApplication::arguments().contains(u"--text"_s);
    QLabel window(text ? u"ゲームデータを読み込んでいます"_s : QString());
    window.resize(640, 480);
    if (text)
        window.setFont(QFont(u"IPAPGothic"_s, 12));
    ReportShown(&window);
    window.show();
    return QApplication::exec();
}
