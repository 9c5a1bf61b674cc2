#pragma once

#include <QAccessible>

class QWidget;

// Gives a widget the role a screen reader should know it by, where Qt's own
// guess from its class misleads: a drawing surface is a frame to Qt, which
// readers take for a window.
namespace AccessibleRole {

// Before the widget is first shown, as readers keep what they learn of it.
void set(QWidget &widget, QAccessible::Role role);

} // namespace AccessibleRole
