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

    // %1 ivory, %2 gold, %3 deep gold, %4 indigo, %5 violet, %6 dimmed, %7 night. The buttons'
    // lighter violets and the menus' darker indigo belong to these sheets alone.
    qApp->setStyleSheet(uR"(
QPushButton {
    color: %1;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6B4FC0, stop:1 #3A2C80);
    border: 2px solid %3;
    border-radius: 8px;
    padding: 4px 12px;
}
QPushButton:hover { border-color: %2;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7E62D4, stop:1 #45358F); }
QPushButton:pressed { background: %4; }
QPushButton:default { border-color: %2; }
QMenuBar { background: %4; color: %1; }
QMenuBar::item:selected { background: %5; }
QMenuBar::item:disabled { color: %6; }
QMenu { background: #251E52; color: %1; border: 1px solid %3; }
QMenu::item:selected { background: %5; }
QMenu::item:disabled { color: %6; }
QToolTip { background: %1; color: %7; border: 1px solid %3; }
)"_s.arg(Ivory.name(), Gold.name(), DeepGold.name(), Indigo.name(), Violet.name(), Dimmed.name(),
         Night.name()));
    // Menu bars and their menus, whatever font their window sets. After the style sheet, which
    // would set the fonts of classes aside.
    QApplication::setFont(Fonts::Menus(), "QMenuBar");
    QApplication::setFont(Fonts::Menus(), "QMenu");
}

} // namespace Look
