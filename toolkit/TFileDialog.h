#ifndef OMBRELIN_TFILEDIALOG_H
#define OMBRELIN_TFILEDIALOG_H

#include <QString>

class Boites;

// A file dialog object that outlives its runs: its file name is the one chosen last.
class TFileDialog {
public:
    enum class Sorte { Enregistrer, Ouvrir };

    // filtre: description and pattern separated by a vertical bar, "Bitmaps (*.bmp)|*.bmp".
    TFileDialog(Boites& boites, Sorte sorte, QString filtre);

    // Runs the dialog; on confirmation FileName becomes the chosen path and true is returned.
    bool Execute();

    Sorte sorte() const { return sorte_; }
    // The filter as Qt's dialogs write it, "Bitmaps (*.bmp)".
    QString filtreQt() const;

    QString FileName;

private:
    Boites& boites_;
    Sorte sorte_;
    QString filtre_;
};

#endif
