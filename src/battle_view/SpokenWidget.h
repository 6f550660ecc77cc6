#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

// What a screen reader reads of a widget whose content the battle changes without telling it
// (a card's record, the hit points): the texts are worked out whenever they are asked for, so
// they always match what is shown. Nothing of this changes what is drawn.
namespace Spoken {

struct Texts
{
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> name;
    std::function<QString()> description;
    // For an element that is pressed in or not (a raised card); empty for the others.
    std::function<bool()> checked;
};

// From now on `widget` reads as `texts`, until forget() or the widget's end.
void describe(QWidget *widget, Texts texts);
void forget(QWidget *widget);

// Tells a listening screen reader that `what` changed on `widget`.
void tell(QWidget *widget, QAccessible::Event what);
// Tells that `widget` was pressed in or let out.
void tellChecked(QWidget *widget);

} // namespace Spoken
