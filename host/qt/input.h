#pragma once
// The mouse as the forms model's events see it: presses, releases, moves and double clicks
// on a control's widget become MouseDown, MouseUp, Click, MouseMove and DblClick of the
// control, with the buttons, the shift keys and the position in twips of the control.
// A control holding the mouse capture (win::SetCapture) gets every move in its window.

#include <QMouseEvent>
#include <QPointF>

namespace qthost {

class ControlView;
class FormWindow;

void MousePressed(ControlView& view, QMouseEvent& e);
// MouseUp, then Click when the left button is released inside the control it was
// pressed on (unless @p click is false: the widget clicks the control itself).
void MouseReleased(ControlView& view, QMouseEvent& e, bool click = true);
void MouseMoved(ControlView& view, QMouseEvent& e);
// A command button takes the second click of a double click as a click of its own; other
// controls raise DblClick, and the release that follows raises MouseUp without a Click. A
// double click on a control other than the one pressed just before is a plain press.
void MouseDoubleClicked(ControlView& view, QMouseEvent& e);
// The pointer moved over the window where no control is (@p global: screen position).
void MovedOverWindow(FormWindow& window, const QPointF& global, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers);

}  // namespace qthost
