#pragma once

class QWidget;

// Keeps links to files and folders, as a file manager drags them, out of the
// window's text controls. Such a drop belongs on the input folder list; taken
// as text it would put a line such as "file:///music/Album" into the extension
// list and, saved with the settings, spoil every later scan. Plain text can
// still be dropped into a text control, as it could be typed.
void GuardTextDrops(QWidget* window);
