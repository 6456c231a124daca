#pragma once

#include "ambient.h"

#include <QIcon>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
struct QMetaObject;

// What Designer is told about one control: its names, looks in the widget box,
// the size a new one gets, and how to make one for a given host.
struct ControlDescription
{
    QString name;        // the class name, as forms store it
    QString objectName;  // the name of the first one on a form
    QString includeFile; // rooted at src/, as the project includes it
    QString toolTip;
    QString whatsThis;
    std::function<QIcon()> icon;
    QSize defaultSize;
    // Where the help texts ("Help.<member>" class infos) are read from.
    const QMetaObject *metaObject = nullptr;
    // Text properties edited on one line (captions rather than rich text).
    QStringList singleLineTexts;
    std::function<QWidget *(QWidget *parent, const platform::Ambient &ambient)> create;
};
