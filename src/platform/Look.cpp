#include "platform/Look.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace Look {

void install()
{
    using namespace Palette;
    QPalette palette;
    palette.setColor(QPalette::Window, Night);
    palette.setColor(QPalette::WindowText, Ivory);
    palette.setColor(QPalette::Base, Indigo);
    palette.setColor(QPalette::AlternateBase, Night);
    palette.setColor(QPalette::Text, Ivory);
    palette.setColor(QPalette::Button, Violet);
    palette.setColor(QPalette::ButtonText, Ivory);
    palette.setColor(QPalette::Highlight, Gold);
    palette.setColor(QPalette::HighlightedText, Night);
    palette.setColor(QPalette::ToolTipBase, Ivory);
    palette.setColor(QPalette::ToolTipText, Night);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Dimmed);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Dimmed);
    palette.setColor(QPalette::Disabled, QPalette::Text, Dimmed);
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
    // Menu bars and their menus, whatever font their window sets. After the style sheet, which
    // would set the fonts of classes aside.
    QApplication::setFont(Fonts::Menus(), "QMenuBar");
    QApplication::setFont(Fonts::Menus(), "QMenu");
}

} // namespace Look
