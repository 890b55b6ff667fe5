#pragma once
// Accessible interfaces of the form's painted controls: what a screen reader or an automation
// tool sees of a picture button, a slider, a value edit, a readout, a list or a container. Names
// are composed when asked for (accessible_names.h), so they follow the language; actions and
// values go through the controls' own paths (a click, a change of position), so an assistive
// tool changes the unit exactly as the mouse does.

class QAccessibleInterface;
class QObject;

namespace morvelin::a11y {

// The interface of one form control, or nullptr for objects of other kinds.
QAccessibleInterface* ControlInterface(QObject* object);

}  // namespace morvelin::a11y
