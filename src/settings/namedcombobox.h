#pragma once

class QComboBox;

// Makes assistive technologies call a list box by its accessible name. Qt's
// own interface names a list box by the item it shows on some desktops (on
// Linux: "30" for the time allowed), which says nothing of what it is for;
// the box otherwise reads, expands and presses as before.
void nameComboBoxForAccessibility(QComboBox &box);
