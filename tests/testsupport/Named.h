#pragma once
#include <QObject>
#include <QtGlobal>

// The child of a window under its component name; a name that is not there ends the test run
// with the name, rather than a crash on a null pointer.
template <typename T>
T *Named(const QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s named %s in %s", T::staticMetaObject.className(), name, qPrintable(parent.objectName()));
    return child;
}
