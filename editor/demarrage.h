#ifndef OMBRELIN_DEMARRAGE_H
#define OMBRELIN_DEMARRAGE_H

class QApplication;

// What the application holds before its first window: its name, its icon and Qt's own texts in
// French, whatever the user's locale.
void preparerApplication(QApplication& application);

#endif
