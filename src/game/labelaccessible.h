#pragma once

class QLabel;
class QString;

// Gives a label the accessible name "<title>: <what it shows>" ("Target: 523"),
// kept up to date as its text changes, with the label's own change events.
void setAccessibleTitle(QLabel &label, const QString &title);
