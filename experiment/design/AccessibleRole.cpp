#include "AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace AccessibleRole {

namespace {

constexpr char RoleProperty[] = "zerubinoAccessibleRole";

QAccessibleInterface *withGivenRole(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Role(role.toInt()));
}

} // namespace

void set(QWidget &widget, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(withGivenRole), true);
    Q_UNUSED(installed);
    widget.setProperty(RoleProperty, int(role));
    // Qt keeps the object it made for the widget at its first event; one
    // made already is made again, with the role.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget);
    if (made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace AccessibleRole
