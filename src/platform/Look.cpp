#include "platform/Look.h"

#include <QApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace Look {

void install()
{
    const QColor night(0x1B, 0x16, 0x3A);
    const QColor indigo(0x2E, 0x27, 0x6B);
    const QColor violet(0x5B, 0x3F, 0xA8);
    const QColor ivory(0xF8, 0xF1, 0xDE);
    const QColor gold(0xE8, 0xC0, 0x5A);

    QPalette palette;
    palette.setColor(QPalette::Window, night);
    palette.setColor(QPalette::WindowText, ivory);
    palette.setColor(QPalette::Base, indigo);
    palette.setColor(QPalette::AlternateBase, night);
    palette.setColor(QPalette::Text, ivory);
    palette.setColor(QPalette::Button, violet);
    palette.setColor(QPalette::ButtonText, ivory);
    palette.setColor(QPalette::Highlight, gold);
    palette.setColor(QPalette::HighlightedText, night);
    palette.setColor(QPalette::ToolTipBase, ivory);
    palette.setColor(QPalette::ToolTipText, night);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x84, 0xA8));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x84, 0xA8));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x84, 0xA8));
    QApplication::setPalette(palette);

    qApp->setStyleSheet(uR"(
QPushButton {
    color: #F8F1DE;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6B4FC0, stop:1 #3A2C80);
    border: 2px solid #B0802A;
    border-radius: 8px;
    padding: 4px 12px;
}
QPushButton:hover { border-color: #E8C05A;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7E62D4, stop:1 #45358F); }
QPushButton:pressed { background: #2E276B; }
QPushButton:default { border-color: #E8C05A; }
QMenuBar { background: #2E276B; color: #F8F1DE; }
QMenuBar::item:selected { background: #5B3FA8; }
QMenuBar::item:disabled { color: #8A84A8; }
QMenu { background: #251E52; color: #F8F1DE; border: 1px solid #B0802A; }
QMenu::item:selected { background: #5B3FA8; }
QMenu::item:disabled { color: #8A84A8; }
QToolTip { background: #F8F1DE; color: #1B163A; border: 1px solid #B0802A; }
)"_s);
}

} // namespace Look
