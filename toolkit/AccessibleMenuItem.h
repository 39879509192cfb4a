#pragma once

// Menu items that tell a screen reader more than their name: Qt reads a menu item's text and
// shortcut, but not its status tip, which here says what the item will do now ("звучат гармоники
// 1…6 из 20"). Once installed, an item of a QMenu whose status tip is set reads it as its
// description.
void describeMenuItemsByStatusTip();
